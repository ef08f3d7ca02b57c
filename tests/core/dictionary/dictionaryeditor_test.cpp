// The dictionary editor's pages: navigation, edits as delete plus add, emptied analyses, search,
// and the messages, checked in the tree and in the file a second reader loads.
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionaryeditor.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::TempDir;

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>"
    "<sone id=\"__\" lemma=\"__\"/>"
    "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"7\"><sone id=\"kala\" lemma=\"kalaa\" kaal=\"1\"/></sone>"
    "<sone id=\"um\" lemma=\"vȱlda\" vorm=\"pers.ind.pr.sg.1.\" kaal=\"3\"/>"
    "</soned>\n<lemmad>"
    "<lemma id=\"__\" tahendus=\"__\"/>"
    "<lemma id=\"kala\" tahendus=\"kala\" liik=\"S\" lati=\"zivs\" ingl=\"fish\" kaal=\"2\"/>"
    "</lemmad>\n<yhendid>"
    "<yhend id=\"__\" ytahendus=\"__\"/>"
    "<yhend id=\"jūrõ vīeres\" ytahendus=\"mere ääres\" yliik=\"Post\"/>"
    "</yhendid></pelmora>";

// Every analysis of a section in pre-order, attributes joined by "|".
std::string walkText(const CDictionary& dictionary, DictSection section)
{
    std::string out;
    for (XmlNode entry = dictionary.firstEntry(section); entry; entry = CDictionary::nextEntry(entry)) {
        for (const char* attribute : sectionAttributes(section))
            out += std::string(attributeValue(entry, attribute)) + "|";
        out += "\n";
    }
    return out;
}

class EditorPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(path, kDictionary);
        ASSERT_TRUE(dictionary.openWithPath(path));
    }
    // The section as a fresh reader of the file sees it.
    std::string onDisk(DictSection section)
    {
        SilentPrompter quiet;
        CDictionary reader(quiet);
        EXPECT_TRUE(reader.openWithPath(path));
        return walkText(reader, section);
    }
    // Another user's process stores an analysis and saves.
    void otherUserStores(const std::string& surface)
    {
        SilentPrompter quiet;
        CDictionary other(quiet);
        ASSERT_TRUE(other.openWithPath(path));
        ASSERT_TRUE(other.storeWordForm(surface, surface, "").saved);
        ASSERT_TRUE(other.storeCombination(surface, surface, "").saved);
    }
    TempDir dir;
    std::string path = dir.file("sonastik.xml");
    RecordingPrompter prompter;
    CDictionary dictionary{prompter};
};

EditorFields fields(std::string a, std::string b = {}, std::string c = {}, std::string d = {}, std::string e = {})
{
    return {std::move(a), std::move(b), std::move(c), std::move(d), std::move(e)};
}

TEST_F(EditorPage, UneditedNextWalksInPreOrderAndAfterTheLastSaysSoAndStartsAgain)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    std::vector<std::string> seen;
    EditorFields shown = page.show();
    for (int i = 0; i < 5; ++i) {
        seen.push_back(shown[0] + ":" + shown[1]);
        shown = page.next(shown);
    }
    // The child analysis comes right after its entry; after "um" the walk starts again at the
    // first entry. The placeholder "__" is never shown.
    EXPECT_EQ(seen, (std::vector<std::string>{"kala:kala", "kala:kalaa", "um:vȱlda", "kala:kala", "kala:kalaa"}));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Pole rohkem sõnesid"});
    // Nothing was written.
    EXPECT_EQ(onDisk(DictSection::WordForms), walkText(dictionary, DictSection::WordForms));
}

struct EndCase {
    const char* name;
    DictSection section;
    int steps;  // unedited ">>" presses that reach past the last analysis
    const char* message;
    const char* first;  // the first analysis that is no placeholder
};

class EditorPageEnd : public EditorPage, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EditorPageEnd, SaysTheSectionHasNoMoreAndShowsTheFirst)
{
    const EndCase& c = GetParam();
    DictionaryEditorPage page(dictionary, c.section, prompter);
    EditorFields shown = page.show();
    for (int i = 0; i < c.steps; ++i)
        shown = page.next(shown);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(shown[0], c.first);
}

const EndCase kEndCases[] = {
    {"WordForms", DictSection::WordForms, 3, "Pole rohkem sõnesid", "kala"},
    {"Lemmas", DictSection::Lemmas, 1, "Pole rohkem lemmasid", "kala"},
    {"Combinations", DictSection::Combinations, 1, "Pole rohkem ühendeid", "jūrõ vīeres"},
};
INSTANTIATE_TEST_SUITE_P(Cases, EditorPageEnd, ::testing::ValuesIn(kEndCases), test::ByName{});

TEST_F(EditorPage, PreviousOnTheFirstEntryStaysThereSilently)
{
    DictionaryEditorPage page(dictionary, DictSection::Lemmas, prompter);
    const EditorFields shown = page.show();
    // Only the placeholder stands before "kala".
    EXPECT_EQ(page.previous(shown)[0], "kala");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(EditorPage, ChangedFormTagReplacesTheAnalysisWithWeightOne)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    EditorFields shown = page.show();
    ASSERT_EQ(shown[2], "sg.nom.");
    shown[2] = "sg.gen.";
    page.next(shown);
    // The primary analysis went (its child took its place) and the edited one came in as new.
    EXPECT_EQ(onDisk(DictSection::WordForms),
              "__|__|||\nkala|kalaa||1|\nkala|kala|sg.gen.|1|\num|vȱlda|pers.ind.pr.sg.1.|3|\n");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(EditorPage, EditedLemmaOfAChildIsDeletePlusAdd)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    EditorFields shown = page.next(page.show());
    ASSERT_EQ(shown[1], "kalaa");
    shown[1] = "kalla";
    page.previous(shown);
    EXPECT_EQ(onDisk(DictSection::WordForms),
              "__|__|||\nkala|kala|sg.nom.|7|\nkala|kalla||1|\num|vȱlda|pers.ind.pr.sg.1.|3|\n");
}

struct EmptiedCase {
    const char* name;
    DictSection section;
    EditorFields fields;
    bool emptied;
};

class EditorPageEmptied : public EditorPage, public ::testing::WithParamInterface<EmptiedCase> {};

TEST_P(EditorPageEmptied, TellsAnEmptiedAnalysisFromAnEdit)
{
    const EmptiedCase& c = GetParam();
    DictionaryEditorPage page(dictionary, c.section, prompter);
    EXPECT_EQ(page.isEmptied(c.fields), c.emptied);
}

const EmptiedCase kEmptiedCases[] = {
    {"FormWithoutWord", DictSection::WordForms, fields("", "kala", "sg.nom."), true},
    {"FormWithoutLemmaAndTag", DictSection::WordForms, fields("kala", "", ""), true},
    {"FormWithTagOnly", DictSection::WordForms, fields("kala", "", "sg.nom."), false},
    {"FormWithLemmaOnly", DictSection::WordForms, fields("kala", "kala", ""), false},
    {"LemmaWithoutHeadword", DictSection::Lemmas, fields("", "kala", "S", "zivs", "fish"), true},
    {"LemmaWithNothingButHeadword", DictSection::Lemmas, fields("kala", "", "", "", ""), true},
    {"LemmaWithDashForPartOfSpeech", DictSection::Lemmas, fields("kala", "", "-", "", ""), true},
    {"LemmaWithPartOfSpeechOnly", DictSection::Lemmas, fields("kala", "", "S", "", ""), false},
    {"LemmaWithEnglishOnly", DictSection::Lemmas, fields("kala", "", "", "", "fish"), false},
    {"CombinationWithoutHeadword", DictSection::Combinations, fields("", "mere ääres", "Post"), true},
    {"CombinationWithHeadwordOnly", DictSection::Combinations, fields("jūrõ vīeres", "", ""), false},
};
INSTANTIATE_TEST_SUITE_P(Cases, EditorPageEmptied, ::testing::ValuesIn(kEmptiedCases), test::ByName{});

TEST_F(EditorPage, EmptiedAnalysisIsDeletedAndNothingIsStored)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    EditorFields shown = page.next(page.next(page.show()));
    ASSERT_EQ(shown[0], "um");
    shown[1].clear();
    shown[2].clear();
    shown = page.next(shown);
    EXPECT_EQ(onDisk(DictSection::WordForms), "__|__|||\nkala|kala|sg.nom.|7|\nkala|kalaa||1|\n");
    // Going forward from the last entry leaves the page on the entry that is now last.
    EXPECT_EQ(shown[0], "kala");
}

TEST_F(EditorPage, EmptiedCombinationGoesAndThePageMovesBack)
{
    DictionaryEditorPage page(dictionary, DictSection::Combinations, prompter);
    EditorFields shown = page.show();
    ASSERT_EQ(shown[0], "jūrõ vīeres");
    shown[0].clear();
    shown = page.previous(shown);
    EXPECT_EQ(onDisk(DictSection::Combinations), "__|__||\n");
    // Only the placeholder is left, and it is not shown.
    EXPECT_EQ(shown[0], "");
}

TEST_F(EditorPage, SearchIsExactAndCaseSensitive)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    page.next(page.show());
    page.next(page.displayed());
    // "Kala" is not the key "kala": not found, and the page goes back to the first entry.
    EXPECT_EQ(page.find("Kala")[2], "sg.nom.");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Ei leidnud."});
    EXPECT_EQ(page.find("um")[1], "vȱlda");
    // The placeholder is not found either.
    EXPECT_EQ(page.find("__")[0], "kala");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Ei leidnud.", "Ei leidnud."}));
}

TEST_F(EditorPage, AddShowsWhatTheDictionaryNowHolds)
{
    DictionaryEditorPage page(dictionary, DictSection::Lemmas, prompter);
    ASSERT_EQ(page.show()[0], "kala");
    // The part-of-speech list's "-" stands for none; the page moves to the stored analysis.
    EXPECT_EQ(page.add(fields("vȱlda", "olema", "-", "būt", "")), fields("vȱlda", "olema", "", "būt", ""));
    EXPECT_EQ(page.status(), "Sõnastikus on nüüd see kirje (kaal 1).");
    EXPECT_EQ(onDisk(DictSection::Lemmas),
              "__|__|||||\nkala|kala|S|zivs|fish|2|\nvȱlda|olema||būt||1|\n");
    // Adding it again with Latvian left empty is taken by the stored one (no new confirmation),
    // which is shown whole.
    EXPECT_EQ(page.add(fields("vȱlda", "olema", "", "", ""))[3], "būt");
    EXPECT_EQ(page.status(), "Sõnastikus on nüüd see kirje (kaal 1).");
    EXPECT_EQ(page.add(fields("vȱlda", "olema", "", "būt", ""))[0], "vȱlda");
    EXPECT_EQ(page.status(), "Sõnastikus on nüüd see kirje (kaal 2).");
    // Nothing to store: the page stays and says so; a move clears the status.
    EXPECT_EQ(page.add(fields("", "x"))[0], "vȱlda");
    EXPECT_EQ(page.status(), "Ei lisanud midagi.");
    page.previous(page.displayed());
    EXPECT_EQ(page.status(), "");
}

TEST_F(EditorPage, DeleteRemovesTheAnalysisShownNotTheEditedFields)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    page.show();
    EXPECT_EQ(page.remove()[1], "kalaa");
    EXPECT_EQ(onDisk(DictSection::WordForms), "__|__|||\nkala|kalaa||1|\num|vȱlda|pers.ind.pr.sg.1.|3|\n");
}

TEST_F(EditorPage, RefusedDeleteKeepsTheOnlyEntryAndStoresNoEdit)
{
    ASSERT_TRUE(dictionary.deleteCombination("__", "__", "", Direction::Forward).saved);
    DictionaryEditorPage page(dictionary, DictSection::Combinations, prompter);
    EditorFields shown = page.show();
    shown[1] = "uus";
    shown = page.next(shown);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Sõnastikus on ainult üks ühend,\nei saa seda kustutada"});
    // The page shows the entry as the dictionary still holds it.
    EXPECT_EQ(shown[1], "mere ääres");
    EXPECT_EQ(onDisk(DictSection::Combinations), "jūrõ vīeres|mere ääres|Post|\n");
}

TEST_F(EditorPage, NewDictionaryShowsNoPlaceholder)
{
    test::writeFile(path, std::string(dictionaryTemplate()));
    ASSERT_TRUE(dictionary.openWithPath(path));
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    EXPECT_EQ(page.show(), EditorFields{});
    EXPECT_EQ(page.next(page.displayed()), EditorFields{});
    EXPECT_EQ(page.find("__"), EditorFields{});
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Pole rohkem sõnesid", "Ei leidnud."}));
    // The first "Lisa" shows the new analysis.
    EXPECT_EQ(page.add(fields("kala", "kala"))[0], "kala");
}

TEST_F(EditorPage, VariantTextSaysWhichOfTheAnalysesOfAnIdIsShown)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    page.show();
    EXPECT_EQ(page.variantText(), "kirje 1/2");
    page.next(page.displayed());
    EXPECT_EQ(page.variantText(), "kirje 2/2");
    page.next(page.displayed());
    EXPECT_EQ(page.variantText(), "");
}

struct ChangeMessageCase {
    const char* name;
    DictSection section;
    bool emptied;  // ">>" over an emptied analysis rather than "Lisa"
    const char* message;
};

class EditorPageChange : public EditorPage, public ::testing::WithParamInterface<ChangeMessageCase> {};

TEST_P(EditorPageChange, AnotherUsersChangeIsKeptAndReported)
{
    const ChangeMessageCase& c = GetParam();
    DictionaryEditorPage page(dictionary, c.section, prompter);
    EditorFields shown = page.show();
    otherUserStores("zzz");
    if (c.emptied) {
        shown[0].clear();
        page.next(shown);
    } else {
        page.add(fields("aaa", "aaa", c.section == DictSection::Lemmas ? "S" : ""));
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
    // The other user's analysis is in the file next to ours.
    const std::string words = onDisk(DictSection::WordForms);
    EXPECT_NE(words.find("zzz|zzz"), std::string::npos) << words;
}

const ChangeMessageCase kChangeMessages[] = {
    {"WordFormAdded", DictSection::WordForms, false,
     "Teine kasutaja on vahepeal sõnastikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud sõnede seas."},
    {"LemmaAdded", DictSection::Lemmas, false,
     "Teine kasutaja on vahepeal sõnastikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud lemmade seas."},
    {"CombinationAdded", DictSection::Combinations, false,
     "Teine kasutaja on vahepeal sõnastikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud ühendite seas."},
    {"EmptiedCombination", DictSection::Combinations, true,
     "Teine kasutaja on vahepeal sõnestikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud ühendite seas."},
    {"EmptiedWordForm", DictSection::WordForms, true,
     "Teine kasutaja on vahepeal sõnastikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud sõnede seas."},
};
INSTANTIATE_TEST_SUITE_P(Cases, EditorPageChange, ::testing::ValuesIn(kChangeMessages), test::ByName{});

TEST_F(EditorPage, ReloadOnlyWhenChangedKeepsThePositions)
{
    DictionaryEditorPage page(dictionary, DictSection::WordForms, prompter);
    page.next(page.show());
    // Unchanged file: the editor opens again where it was left.
    EXPECT_FALSE(dictionary.reloadIfChanged());
    EXPECT_EQ(page.show()[1], "kalaa");
    otherUserStores("zzz");
    EXPECT_TRUE(dictionary.reloadIfChanged());
    EXPECT_EQ(page.show()[1], "kala");
    EXPECT_NE(walkText(dictionary, DictSection::WordForms).find("zzz"), std::string::npos);
}

}  // namespace
}  // namespace pelmora
