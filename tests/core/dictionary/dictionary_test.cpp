#include "common/files.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionaryeditor.h"
#include "dictionary/dictionarylock.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

using test::TempDir;

// A dictionary file with the given section contents (top-level entries as XML).
std::string dictionaryXml(const std::string& soned, const std::string& lemmad = "<lemma id=\"__\" tahendus=\"__\"/>",
                          const std::string& yhendid = "<yhend id=\"__\" ytahendus=\"__\"/>")
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>" + soned +
           "</soned>\n<lemmad>" + lemmad + "</lemmad>\n<yhendid>" + yhendid + "</yhendid></pelmora>";
}

const std::string kPlaceholderForm = "<sone id=\"__\" lemma=\"__\"/>";

// Every analysis of a section in pre-order, one line each, attributes joined by "|".
std::string walkText(const CDictionary& dictionary, DictSection section)
{
    std::string out;
    for (XmlNode entry = dictionary.firstEntry(section); entry; entry = CDictionary::nextEntry(entry)) {
        std::string line;
        for (const char* attribute : sectionAttributes(section))
            line += (attribute == sectionAttributes(section).front() ? "" : "|") +
                    std::string(attributeValue(entry, attribute));
        out += line + "\n";
    }
    return out;
}

std::string describe(const std::vector<XmlNode>& analyses, const char* second = dict::kFormLemma)
{
    std::string out;
    for (XmlNode node : analyses)
        out += std::string(attributeValue(node, dict::kId)) + ":" + std::string(attributeValue(node, second)) + ":" +
               std::string(attributeValue(node, dict::kWeight)) + " ";
    return out;
}

// One store or delete of a case table.
struct Op {
    char kind;  // 'f' word form, 'l' lemma, 'c' combination; capital letters delete
    std::vector<std::string> args;
};

ChangeResult run(CDictionary& d, const Op& op)
{
    const auto a = [&op](std::size_t i) { return i < op.args.size() ? op.args[i] : std::string(); };
    switch (op.kind) {
    case 'f': return d.storeWordForm(a(0), a(1), a(2));
    case 'l': return d.storeLemma(a(0), a(1), a(2), a(3), a(4));
    case 'c': return d.storeCombination(a(0), a(1), a(2));
    case 'F': return d.deleteWordForm(a(0), a(1), a(2), Direction::Forward);
    case 'L': return d.deleteLemma(a(0), a(1), a(2), a(3), a(4), Direction::Forward);
    case 'C': return d.deleteCombination(a(0), a(1), a(2), Direction::Forward);
    default: break;
    }
    return {};
}

// Stores made as one bulk addition.
class Stores final : public CDictionary::StoreSource {
public:
    explicit Stores(std::vector<CDictionary::StoreRequest> requests) : m_requests(std::move(requests)) {}
    std::size_t size() const override { return m_requests.size(); }
    CDictionary::StoreRequest request(std::size_t i) const override { return m_requests[i]; }

private:
    std::vector<CDictionary::StoreRequest> m_requests;
};

class DictionaryFixture : public ::testing::Test {
protected:
    void openWith(const std::string& bytes)
    {
        test::writeFile(path, bytes);
        ASSERT_TRUE(dictionary.openWithPath(path)) << prompter.lastText();
    }
    TempDir dir;
    std::string path = dir.file("sonastik.xml");
    RecordingPrompter prompter;
    CDictionary dictionary{prompter};
};

// --- Changes: every case starts from a fresh template and checks the section afterwards -------

struct ChangeCase {
    const char* name;
    std::vector<Op> ops;
    DictSection section;
    std::string expected;  // walkText of the section afterwards
};

class DictionaryChanges : public DictionaryFixture, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(DictionaryChanges, LeaveTheSectionAsExpectedInMemoryAndInTheFile)
{
    openWith(std::string(dictionaryTemplate()));
    for (const Op& op : GetParam().ops)
        run(dictionary, op);
    EXPECT_EQ(walkText(dictionary, GetParam().section), GetParam().expected);
    // Expected: every change reached the file at once.
    RecordingPrompter other;
    CDictionary reloaded(other);
    ASSERT_TRUE(reloaded.openWithPath(path));
    EXPECT_EQ(walkText(reloaded, GetParam().section), GetParam().expected);
    EXPECT_FALSE(pathExists(path + ".lock"));
}

const ChangeCase kChangeCases[] = {
    {"SameFormTwiceRaisesWeight", {{'f', {"Kala", "kala"}}, {'f', {"kala", "kala"}}}, DictSection::WordForms,
     "__|__||\nkala|kala||2\n"},
    {"KeyDropsMarkup", {{'f', {"ve{r}z_i", "vezi"}}, {'f', {"A[b]\\c/d", "abcd"}}, {'f', {"Kala+", "kala"}}},
     DictSection::WordForms, "__|__||\nabcd|abcd||1\nkala|kala||1\nvezi|vezi||1\n"},
    {"MarkupOnlySurfaceIsNotStored", {{'f', {"+/_", "x"}}, {'f', {"", "x"}}, {'f', {"x", ""}}},
     DictSection::WordForms, "__|__||\n"},
    {"NewEntriesKeepOrdinalOrder", {{'f', {"b", "b"}}, {'f', {"ä", "a"}}, {'f', {"a", "a"}}, {'f', {"_x", "x"}}},
     DictSection::WordForms, "__|__||\na|a||1\nb|b||1\nx|x||1\nä|a||1\n"},
    {"OtherLemmaAddsChild", {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kalaa"}}, {'f', {"kala", "kalaa"}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\nkala|kalaa||2\n"},
    {"EmptyFormOnTaggedEntryChangesNothing", {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kala"}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\n"},
    {"FormFillsEmptyTagWithoutWeight", {{'f', {"kala", "kala"}}, {'f', {"kala", "kala", "sg.nom."}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\n"},
    {"OtherFormOfSameLemmaAddsChild",
     {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kala", "pl.nom."}}, {'f', {"kala", "kala", "pl.nom."}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\nkala|kala|pl.nom.|2\n"},
    {"ChildWithEmptyTagIsFilledAndRaised",
     {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kalaa"}}, {'f', {"kala", "kalaa", "sg.gen."}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\nkala|kalaa|sg.gen.|2\n"},
    {"NonNumericWeightCountsAsZero", {}, DictSection::WordForms, "__|__||\n"},
    {"LemmaTwiceRaisesWeight", {{'l', {"kala", "kala", "S"}}, {'l', {"kala", "kala", "S"}}}, DictSection::Lemmas,
     "__|__||||\nkala|kala|S|||2\n"},
    {"LemmaWithoutValuesIsNotStored", {{'l', {"kala"}}, {'l', {"", "kala", "S"}}}, DictSection::Lemmas,
     "__|__||||\n"},
    {"LemmaFillsEquivalentsWithoutWeight", {{'l', {"kala", "kala", "S"}}, {'l', {"kala", "kala", "S", "zivs", "fish"}}},
     DictSection::Lemmas, "__|__||||\nkala|kala|S|zivs|fish|1\n"},
    {"LemmaWithFewerEquivalentsChangesNothing",
     {{'l', {"kala", "kala", "S", "zivs", "fish"}}, {'l', {"kala", "kala", "S", "", "fish"}}}, DictSection::Lemmas,
     "__|__||||\nkala|kala|S|zivs|fish|1\n"},
    {"OtherMeaningAddsChildAndRaisesIt",
     {{'l', {"vȱlda", "olema", "V"}}, {'l', {"vȱlda", "pidama", "V"}}, {'l', {"vȱlda", "pidama", "V", "būt"}}},
     DictSection::Lemmas, "__|__||||\nvȱlda|olema|V|||1\nvȱlda|pidama|V|būt||2\n"},
    {"CombinationAddedOnceWithChildren",
     {{'c', {"jūrõ vīeres", "mere ääres", "Post"}}, {'c', {"jūrõ vīeres", "mere ääres", "Post"}},
      {'c', {"jūrõ vīeres", "rannas", "Adv"}}, {'c', {"jūrõ vīeres", "rannas", "Adv"}}},
     DictSection::Combinations, "__|__|\njūrõ vīeres|mere ääres|Post\njūrõ vīeres|rannas|Adv\n"},
    {"CombinationWithoutMeaningAndDashIsNotStored", {{'c', {"a b", "", "-"}}, {'c', {"a b"}}, {'c', {"a c", "", "Adv"}}},
     DictSection::Combinations, "__|__|\na c||Adv\n"},
    {"DeleteSingleEntryRemovesIt", {{'f', {"kala", "kala"}}, {'F', {"kala", "kala"}}}, DictSection::WordForms,
     "__|__||\n"},
    {"DeleteWithOtherAnalysisRemovesNothing", {{'f', {"kala", "kala"}}, {'F', {"kala", "kalaa"}}},
     DictSection::WordForms, "__|__||\nkala|kala||1\n"},
    {"DeletePrimaryPromotesFirstChildWithItsWeight",
     {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kalaa"}},
      {'f', {"kala", "kalad", "pl.nom."}}, {'F', {"kala", "kala", "sg.nom."}}},
     DictSection::WordForms, "__|__||\nkala|kalaa||1\nkala|kalad|pl.nom.|1\n"},
    {"DeleteChildOfSameLemmaRemovesThatChildOnly",
     {{'f', {"kala", "kala", "sg.nom."}}, {'f', {"kala", "kala", "pl.nom."}}, {'F', {"kala", "kala", "pl.nom."}}},
     DictSection::WordForms, "__|__||\nkala|kala|sg.nom.|1\n"},
    {"DeleteLemmaIdentifiesAllFour",
     {{'l', {"kala", "kala", "S"}}, {'l', {"kala", "kalake", "S"}}, {'L', {"kala", "kalake", "S", "x"}},
      {'L', {"kala", "kala", "S"}}},
     DictSection::Lemmas, "__|__||||\nkala|kalake|S|||1\n"},
    {"DeleteCombinationPromotes",
     {{'c', {"a b", "x", "Adv"}}, {'c', {"a b", "y", "Adv"}}, {'C', {"a b", "x", "Adv"}}},
     DictSection::Combinations, "__|__|\na b|y|Adv\n"},
    {"DeleteLastEntryIsRefused", {{'F', {"__", "__"}}, {'L', {"__", "__"}}, {'C', {"__", "__"}}},
     DictSection::WordForms, "__|__||\n"},
};
INSTANTIATE_TEST_SUITE_P(Cases, DictionaryChanges, ::testing::ValuesIn(kChangeCases), test::ByName{});

TEST_F(DictionaryFixture, RefusedDeletesSayWhichSectionHasOneEntry)
{
    openWith(std::string(dictionaryTemplate()));
    const std::string before = test::readFile(path);
    EXPECT_FALSE(run(dictionary, {'F', {"__", "__"}}).applied);
    EXPECT_FALSE(run(dictionary, {'L', {"__", "__"}}).applied);
    EXPECT_FALSE(run(dictionary, {'C', {"__", "__"}}).applied);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Sõnastikus on ainult üks sõne,\nei saa seda kustutada",
                                                           "Sõnastikus on ainult üks lemma,\nei saa seda kustutada",
                                                           "Sõnastikus on ainult üks ühend,\nei saa seda kustutada"}));
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(DictionaryFixture, WeightTextIsReadAsLeadingInteger)
{
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"a\" lemma=\"a\" kaal=\"7x\"/><sone id=\"b\" lemma=\"b\" "
                                              "kaal=\"abc\"/><sone id=\"c\" lemma=\"c\"/><sone id=\"d\" lemma=\"d\" "
                                              "kaal=\"9\"/>"));
    run(dictionary, {'f', {"a", "a"}});
    run(dictionary, {'f', {"b", "b"}});
    run(dictionary, {'f', {"c", "c"}});
    run(dictionary, {'f', {"d", "d"}});
    EXPECT_EQ(walkText(dictionary, DictSection::WordForms), "__|__||\na|a||8\nb|b||1\nc|c||1\nd|d||10\n");
}

// --- Lookups ---------------------------------------------------------------------------------

TEST_F(DictionaryFixture, LookupPutsTheHeaviestAnalysisFirst)
{
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"kala\" lemma=\"a\" kaal=\"2\"><sone id=\"kala\" lemma=\"b\" "
                                              "kaal=\"1\"/><sone id=\"kala\" lemma=\"c\" kaal=\"5\"/><sone id=\"kala\" "
                                              "lemma=\"d\" kaal=\"5\"/></sone>"));
    // Expected: c is heaviest and goes in front; d (equal weight) stays behind it.
    EXPECT_EQ(describe(dictionary.lookUpWordForm("kala")), "kala:c:5 kala:a:2 kala:b:1 kala:d:5 ");
    EXPECT_EQ(describe(dictionary.lookUpWordForm("Kala")), "");
    EXPECT_EQ(describe(dictionary.lookUpWordForm("kal")), "");
    // A second store of a child analysis makes it the first one offered.
    run(dictionary, {'f', {"kala", "b"}});
    run(dictionary, {'f', {"kala", "b"}});
    EXPECT_EQ(describe(dictionary.lookUpWordForm("kala")).substr(0, 9), "kala:c:5 ");
}

struct SimilarCase {
    const char* name;
    std::string key;
    std::string endings;
    std::string expected;
};

class DictionarySimilar : public DictionaryFixture, public ::testing::WithParamInterface<SimilarCase> {};

TEST_P(DictionarySimilar, FindsNeighboursThatDifferOnlyByEndings)
{
    openWith(dictionaryXml(kPlaceholderForm +
                           "<sone id=\"kala\" lemma=\"kala\"><sone id=\"kala\" lemma=\"kalaa\"/></sone>"
                           "<sone id=\"kalad\" lemma=\"kala\"/><sone id=\"kalaks\" lemma=\"kala\"/>"
                           "<sone id=\"kalamees\" lemma=\"kalamees\"/><sone id=\"kb\" lemma=\"kb\"/>"
                           "<sone id=\"kooli\" lemma=\"kool\"/>"));
    EXPECT_EQ(describe(dictionary.lookUpWordForm(GetParam().key, true, GetParam().endings)), GetParam().expected);
    // Expected: without the flag, an absent key finds nothing.
    if (!dictionary.findWordForm(GetParam().key)) {
        EXPECT_EQ(describe(dictionary.lookUpWordForm(GetParam().key, false, GetParam().endings)), "");
    }
}

const SimilarCase kSimilarCases[] = {
    // "kalas" would stand before "kb": the walk goes back from "kalamees" (no) over "kalaks",
    // "kalad" and "kala" (each with its children) and stops at "__"; forward "kb" stops at once.
    {"KeyWithEnding", "kalas", " s d ks ", "kalaks:kala: kalad:kala: kala:kala: kala:kalaa: "},
    {"OnlyListedEndingsMatch", "kalas", " s ", "kala:kala: kala:kalaa: "},
    {"TestOneUnitShorter", "kalas", " as ad a ", "kalad:kala: kala:kala: kala:kalaa: "},
    {"ShortCommonPrefixStops", "kx", " x ", ""},
    {"PresentKeyIgnoresFlag", "kalad", " s ", "kalad:kala: "},
};
INSTANTIATE_TEST_SUITE_P(Cases, DictionarySimilar, ::testing::ValuesIn(kSimilarCases), test::ByName{});

TEST_F(DictionaryFixture, CompletionListsLongerIdsWithThePrefixInOrder)
{
    std::string lemmas = "<lemma id=\"__\" tahendus=\"__\"/><lemma id=\"Ka\" tahendus=\"x\"/><lemma id=\"ka\" "
                         "tahendus=\"x\"/>";
    for (int i = 0; i < 30; ++i)
        lemmas += "<lemma id=\"ka" + std::string(1, static_cast<char>('a' + i / 10)) + std::to_string(i % 10) +
                  "\" tahendus=\"x\"/>";
    lemmas += "<lemma id=\"kb\" tahendus=\"x\"/>";
    openWith(dictionaryXml(kPlaceholderForm, lemmas));
    const std::vector<std::string> ka = dictionary.completeLemma("ka");
    ASSERT_EQ(ka.size(), 20U);
    EXPECT_EQ(ka.front(), "kaa0");
    EXPECT_EQ(ka.back(), "kab9");
    EXPECT_EQ(dictionary.completeLemma("kac"), (std::vector<std::string>{"kac0", "kac1", "kac2", "kac3", "kac4",
                                                                         "kac5", "kac6", "kac7", "kac8", "kac9"}));
    // Expected: an id equal to the prefix is not a completion; case matters.
    EXPECT_TRUE(dictionary.completeLemma("kb").empty());
    EXPECT_TRUE(dictionary.completeLemma("KA").empty());
    EXPECT_TRUE(dictionary.completeLemma("x").empty());
}

TEST_F(DictionaryFixture, EmptyPrefixCompletesNothing)
{
    // A lemma without an id (a hand-edited file) once made the empty prefix list every lemma.
    openWith(dictionaryXml(kPlaceholderForm, "<lemma id=\"__\" tahendus=\"__\"/><lemma tahendus=\"x\"/>"
                                             "<lemma id=\"ka\" tahendus=\"x\"/>"));
    // Expected: no completions for "", whichever ids the file holds.
    EXPECT_TRUE(dictionary.completeLemma("").empty());
}

TEST_F(DictionaryFixture, AnalysesListEntryAndChildrenInOrder)
{
    openWith(std::string(dictionaryTemplate()));
    run(dictionary, {'l', {"kala", "kala", "S"}});
    run(dictionary, {'l', {"kala", "kalake", "S"}});
    run(dictionary, {'l', {"kala", "kalake", "S"}});
    EXPECT_EQ(describe(dictionary.analyses(DictSection::Lemmas, "kala"), dict::kMeaning), "kala:kala:1 kala:kalake:2 ");
    EXPECT_TRUE(dictionary.analyses(DictSection::Lemmas, "kal").empty());
    EXPECT_EQ(dictionary.entryCount(DictSection::Lemmas), 2U);
    EXPECT_EQ(dictionary.analysisCount(DictSection::Lemmas), 3U);
}

TEST_F(DictionaryFixture, VariantPositionCountsTheAnalysesOfTheIdAndItsOtherSpellings)
{
    // "kõla" with a child analysis, and a later entry that spells it with a combining tilde.
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"kõla\" lemma=\"a\"><sone id=\"kõla\" lemma=\"b\"/></sone>"
                                              "<sone id=\"ko\xCC\x83la\" lemma=\"c\"/><sone id=\"um\" lemma=\"d\"/>"));
    std::vector<std::string> seen;
    for (XmlNode a = dictionary.firstEntry(DictSection::WordForms); a; a = CDictionary::nextEntry(a)) {
        const CDictionary::VariantPosition at = dictionary.variantPosition(DictSection::WordForms, a);
        seen.push_back(std::string(attributeValue(a, dict::kFormLemma)) + " " + std::to_string(at.position) + "/" +
                       std::to_string(at.count));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"__ 1/1", "a 1/3", "b 2/3", "c 3/3", "d 1/1"}));
    EXPECT_EQ(dictionary.variantPosition(DictSection::WordForms, XmlNode()).count, 0u);
}

TEST_F(DictionaryFixture, UnsortedFileStillOpensAndNewEntriesGoBeforeTheirSuccessor)
{
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"c\" lemma=\"c\"/><sone id=\"a\" lemma=\"a\"/>"));
    EXPECT_TRUE(dictionary.findWordForm("a"));
    run(dictionary, {'f', {"b", "b"}});
    EXPECT_EQ(walkText(dictionary, DictSection::WordForms), "__|__||\nb|b||1\nc|c||\na|a||\n");
}

TEST_F(DictionaryFixture, DeletingAnEntryWithARepeatedIdLetsTheNextOneBeFound)
{
    // A hand-edited file with the id "a" twice: the first is found; once it is deleted, the
    // second is found, in memory as after a reload of the saved file.
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"a\" lemma=\"x\"/><sone id=\"b\" lemma=\"b\"/>" +
                           "<sone id=\"a\" lemma=\"y\"/>"));
    ASSERT_EQ(attributeValue(dictionary.findWordForm("a"), dict::kFormLemma), "x");
    ASSERT_TRUE(run(dictionary, {'F', {"a", "x"}}).saved);
    EXPECT_EQ(attributeValue(dictionary.findWordForm("a"), dict::kFormLemma), "y");
    EXPECT_EQ(dictionary.entryCount(DictSection::WordForms), 3U);
    CDictionary reopened(prompter);
    ASSERT_TRUE(reopened.openWithPath(path));
    EXPECT_EQ(reopened.entryCount(DictSection::WordForms), 3U);
    EXPECT_EQ(walkText(reopened, DictSection::WordForms), walkText(dictionary, DictSection::WordForms));
}

TEST_F(DictionaryFixture, IdsWithInvalidBytesStayApartInTheIndex)
{
    // Two ids of a damaged file that differ only in invalid UTF-8 bytes are two entries, before
    // and after new entries are sorted in and the file is read again.
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"p\xBF\xE4\xFFiv\" lemma=\"a\"/>" +
                           "<sone id=\"p\xE4#\xFFiv\" lemma=\"b\"/>"));
    const Stores stores({{DictSection::WordForms, {"p\xE4\xFF\xFFiv", "c"}},
                         {DictSection::WordForms, {"\xC5\x8Dga", "\xC5\x8Dga"}}});
    ASSERT_TRUE(dictionary.addInBulk(stores));
    EXPECT_EQ(dictionary.entryCount(DictSection::WordForms), 5U);
    CDictionary reopened(prompter);
    ASSERT_TRUE(reopened.openWithPath(path));
    EXPECT_EQ(reopened.entryCount(DictSection::WordForms), 5U);
    EXPECT_EQ(attributeValue(reopened.findWordForm("p\xE4#\xFFiv"), dict::kFormLemma), "b");
}

// --- Walking and positions -----------------------------------------------------------------

TEST_F(DictionaryFixture, WalkVisitsEntriesAndChildrenInPreOrderBothWays)
{
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"a\" lemma=\"1\"><sone id=\"a\" lemma=\"2\"/><sone id=\"a\" "
                                              "lemma=\"3\"/></sone><sone id=\"b\" lemma=\"4\"/>"));
    std::vector<std::string> forward;
    XmlNode last;
    for (XmlNode n = dictionary.firstEntry(DictSection::WordForms); n; n = CDictionary::nextEntry(n)) {
        forward.emplace_back(attributeValue(n, dict::kFormLemma));
        last = n;
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"__", "1", "2", "3", "4"}));
    // Expected: the step past the last analysis gives null.
    EXPECT_FALSE(CDictionary::nextEntry(last));

    std::vector<std::string> backward;
    XmlNode position = dictionary.find(DictSection::WordForms, "b");
    for (int i = 0; i < 6; ++i) {
        position = CDictionary::previousEntry(position);
        backward.emplace_back(attributeValue(position, dict::kFormLemma));
    }
    // Expected: the one before the first entry is the first entry itself.
    EXPECT_EQ(backward, (std::vector<std::string>{"3", "2", "1", "__", "__", "__"}));
}

struct PositionCase {
    const char* name;
    Op del;
    Direction direction;
    std::string expected;  // lemma of the word-form analysis the editor goes on from
};

class DictionaryDeletePosition : public DictionaryFixture, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(DictionaryDeletePosition, MovesTheCurrentEntryByDirection)
{
    openWith(dictionaryXml(kPlaceholderForm + "<sone id=\"a\" lemma=\"a\"/><sone id=\"b\" lemma=\"b\"><sone id=\"b\" "
                                              "lemma=\"b2\"/></sone><sone id=\"c\" lemma=\"c\"/>"));
    const Op& op = GetParam().del;
    const ChangeResult deleted = dictionary.deleteWordForm(op.args[0], op.args[1], "", GetParam().direction);
    EXPECT_EQ(attributeValue(deleted.position, dict::kFormLemma), GetParam().expected);
}

const PositionCase kPositionCases[] = {
    {"RemovedForwardGoesToSuccessor", {'F', {"a", "a"}}, Direction::Forward, "b"},
    {"RemovedBackwardGoesToPredecessor", {'F', {"a", "a"}}, Direction::Backward, "__"},
    {"LastRemovedForwardGoesToNewLast", {'F', {"c", "c"}}, Direction::Forward, "b"},
    {"ChildRemovedForwardStaysOnEntry", {'F', {"b", "b2"}}, Direction::Forward, "b"},
    {"ChildRemovedBackwardGoesToPredecessor", {'F', {"b", "b2"}}, Direction::Backward, "a"},
    {"FirstRemovedBackwardGoesToFirst", {'F', {"__", "__"}}, Direction::Backward, "a"},
    {"AbsentIdForwardGoesToInsertionPoint", {'F', {"bb", "x"}}, Direction::Forward, "c"},
};
INSTANTIATE_TEST_SUITE_P(Cases, DictionaryDeletePosition, ::testing::ValuesIn(kPositionCases), test::ByName{});

// --- Opening ---------------------------------------------------------------------------------

TEST_F(DictionaryFixture, MissingFileAnsweredYesGetsTheExactTemplate)
{
    prompter.queueAnswer(true);
    ASSERT_TRUE(dictionary.openWithPath(path));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Ei leia faili " + path + ". Kas loon uue sõnastiku?"}));
    EXPECT_EQ(test::readFile(path), std::string(dictionaryTemplate()));
    for (DictSection s : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations}) {
        EXPECT_EQ(dictionary.entryCount(s), 1U);
        EXPECT_TRUE(isPlaceholder(dictionary.firstEntry(s)));
    }
    EXPECT_EQ(dictionary.xml().serialize().find("zobe_sonastik.xsl") != std::string::npos, true);
}

TEST_F(DictionaryFixture, MissingFileAnsweredNoAsksForAnotherAndCreatesNothing)
{
    std::vector<ChooseReason> reasons;
    dictionary.setChooseAnotherCallback([&reasons](CDictionary&, ChooseReason r) { reasons.push_back(r); });
    EXPECT_FALSE(dictionary.openWithPath(path));
    EXPECT_FALSE(pathExists(path));
    EXPECT_EQ(reasons, std::vector<ChooseReason>{ChooseReason::Failed});
    EXPECT_FALSE(dictionary.isValid());
    EXPECT_FALSE(dictionary.storeWordForm("kala", "kala", "").applied);
    EXPECT_FALSE(pathExists(path));
}

TEST_F(DictionaryFixture, BlankPathAsksForANameAndGoesOnWithTheChosenOne)
{
    test::writeFile(path, std::string(dictionaryTemplate()));
    dictionary.setChooseAnotherCallback([this](CDictionary& d, ChooseReason r) {
        if (r == ChooseReason::NoPath)
            d.setPath(path);
    });
    EXPECT_TRUE(dictionary.openWithPath(" "));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Sisesta sõnastikufaili nimi."});
    EXPECT_EQ(dictionary.path(), path);
}

struct BadFileCase {
    const char* name;
    std::string bytes;
};

class DictionaryBadFile : public DictionaryFixture, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(DictionaryBadFile, IsRefusedAndNeverModified)
{
    test::writeFile(path, GetParam().bytes);
    prompter.setDefaultAnswer(true);  // even a careless Yes must not replace it
    int chosen = 0;
    dictionary.setChooseAnotherCallback([&chosen](CDictionary&, ChooseReason) { ++chosen; });
    EXPECT_FALSE(dictionary.openWithPath(path));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Fail " + path + " pole sõnastik.\nEi saa seda faili avada.\nVali uus fail."});
    EXPECT_EQ(chosen, 1);
    // Expected: no change is made on it, and the file keeps its bytes.
    EXPECT_FALSE(dictionary.storeWordForm("kala", "kala", "").applied);
    EXPECT_FALSE(dictionary.save());
    EXPECT_TRUE(dictionary.lookUpWordForm("__").empty());
    EXPECT_EQ(test::readFile(path), GetParam().bytes);
    EXPECT_FALSE(pathExists(path + ".lock"));
}

const BadFileCase kBadFiles[] = {
    {"CorpusText", "<?xml version=\"1.0\"?>\n<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\">x</sone></lause>"
                   "</sisu></pelmora>"},
    {"EmptyFile", ""},
    {"Garbage", "this is not a dictionary \x01\x02"},
    {"OtherRoot", "<sonastik><soned><sone id=\"a\"/></soned><lemmad><lemma id=\"a\"/></lemmad><yhendid><yhend "
                  "id=\"a\"/></yhendid></sonastik>"},
    {"WithoutCombinations", "<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\"/></soned><lemmad><lemma id=\"__\"/>"
                            "</lemmad></pelmora>"},
    {"EmptyWordForms", "<pelmora tyyp=\"sonastik\"><soned/><lemmad><lemma id=\"__\"/></lemmad><yhendid><yhend "
                       "id=\"__\"/></yhendid></pelmora>"},
    {"EmptyCombinations", "<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\"/></soned><lemmad><lemma id=\"__\"/>"
                          "</lemmad><yhendid>\n</yhendid></pelmora>"},
    {"TruncatedDictionary", std::string(dictionaryTemplate()).substr(0, 200)},
};
INSTANTIATE_TEST_SUITE_P(Cases, DictionaryBadFile, ::testing::ValuesIn(kBadFiles), test::ByName{});

// --- Sharing between processes -----------------------------------------------------------------

TEST_F(DictionaryFixture, ChangeByAnotherWriterInTheSameSecondIsNoticed)
{
    openWith(std::string(dictionaryTemplate()));
    RecordingPrompter otherPrompter;
    CDictionary other(otherPrompter);
    ASSERT_TRUE(other.openWithPath(path));

    // Expected: an unchanged file is not reported as changed, nor is this process's own save.
    EXPECT_FALSE(dictionary.storeWordForm("a", "a", "").changed);
    EXPECT_FALSE(dictionary.storeWordForm("a", "a", "").changed);
    // The other writer, still holding the tree from before, notices the change and keeps it.
    const ChangeResult result = other.storeWordForm("b", "b", "");
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(dictionary.storeWordForm("c", "c", "").changed);
    CDictionary check(otherPrompter);
    ASSERT_TRUE(check.openWithPath(path));
    EXPECT_EQ(walkText(check, DictSection::WordForms), "__|__||\na|a||2\nb|b||1\nc|c||1\n");
}

// Another writer's version that keeps every part of the stamp: the same inode, size and time.
// A replacement that takes the inode an earlier one freed, within one tick of a coarse clock,
// leaves just that; here the file is rewritten in place and its time set back.
void rewriteKeepingTheStamp(const std::string& path, const std::string& bytes)
{
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_EQ(static_cast<off_t>(bytes.size()), before.st_size);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

struct KeptStampCase {
    const char* name;
    std::string soned;        // the word forms this process loaded
    std::string othersSoned;  // the other writer's, of the same length
    Op op;                    // this process's change
    std::string expected;     // the word forms in the file afterwards
};

void PrintTo(const KeptStampCase& c, std::ostream* out) { *out << c.name; }

class DictionaryKeptStamp : public DictionaryFixture, public ::testing::WithParamInterface<KeptStampCase> {};

TEST_P(DictionaryKeptStamp, OtherWritersVersionIsReloadedBeforeTheChange)
{
    const KeptStampCase& c = GetParam();
    openWith(dictionaryXml(kPlaceholderForm + c.soned));
    const FileStamp loaded = fileStamp(path);
    rewriteKeepingTheStamp(path, dictionaryXml(kPlaceholderForm + c.othersSoned));
    ASSERT_EQ(fileStamp(path), loaded);

    const ChangeResult result = run(dictionary, c.op);
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.saved);
    CDictionary check(prompter);
    ASSERT_TRUE(check.openWithPath(path));
    EXPECT_EQ(walkText(check, DictSection::WordForms), c.expected);
}

const KeptStampCase kKeptStampCases[] = {
    {"RaisedWeight", "<sone id=\"kala\" lemma=\"kala\" kaal=\"7\"/>", "<sone id=\"kala\" lemma=\"kala\" kaal=\"8\"/>",
     {'f', {"kala", "kala"}}, "__|__||\nkala|kala||9\n"},
    {"EntryReplacedByOneOfEqualLength", "<sone id=\"silm\" lemma=\"silm\" kaal=\"1\"/>",
     "<sone id=\"sild\" lemma=\"sild\" kaal=\"1\"/>", {'f', {"a", "a"}}, "__|__||\na|a||1\nsild|sild||1\n"},
    {"AnalysisDeleted", "<sone id=\"uu\" lemma=\"uu\" kaal=\"1\"/><sone id=\"vv\" lemma=\"vv\" kaal=\"1\"/>",
     "<sone id=\"uu\" lemma=\"uu\" kaal=\"1\"/>" + std::string(35, ' '), {'f', {"vv", "vv"}},
     "__|__||\nuu|uu||1\nvv|vv||1\n"},
};
INSTANTIATE_TEST_SUITE_P(Cases, DictionaryKeptStamp, ::testing::ValuesIn(kKeptStampCases), test::ByName{});

TEST_F(DictionaryFixture, FileReplacedByGarbageIsNotOverwritten)
{
    openWith(std::string(dictionaryTemplate()));
    test::writeFile(path, "garbage");
    EXPECT_FALSE(dictionary.storeWordForm("kala", "kala", "").applied);
    EXPECT_EQ(test::readFile(path), "garbage");
    EXPECT_FALSE(dictionary.isValid());
    EXPECT_FALSE(dictionary.save());
    EXPECT_EQ(test::readFile(path), "garbage");
}

TEST_F(DictionaryFixture, LockHeldElsewhereIsWaitedForOrGivenUp)
{
    openWith(std::string(dictionaryTemplate()));
    DictionaryLock elsewhere;
    ASSERT_EQ(elsewhere.acquire(path), DictionaryLock::Status::Held);
    ASSERT_TRUE(pathExists(path + ".lock"));

    // Expected: the store waits while the lock is held and goes on once it is released.
    int waits = 0;
    dictionary.setLockWaitCallback([&](std::chrono::milliseconds) {
        if (++waits == 5)
            elsewhere.release();
        return true;
    });
    EXPECT_TRUE(dictionary.storeWordForm("a", "a", "").saved);
    EXPECT_GE(waits, 5);
    EXPECT_FALSE(pathExists(path + ".lock"));

    // Expected: a wait callback that gives up leaves the file and the tree as they were.
    ASSERT_EQ(elsewhere.acquire(path), DictionaryLock::Status::Held);
    const std::string before = test::readFile(path);
    dictionary.setLockWaitCallback([](std::chrono::milliseconds waited) { return waited.count() < 20; });
    const ChangeResult result = dictionary.storeWordForm("b", "b", "");
    EXPECT_FALSE(result.applied);
    EXPECT_EQ(prompter.lastText(), "Sõnastikku " + path + " muudab praegu teine kasutaja.\nMuudatust ei tehtud.");
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_FALSE(dictionary.findWordForm("b"));
    elsewhere.release();
}

TEST(DictionaryLockFile, StaleLockFileBlocksNobodyAndIsRemoved)
{
    TempDir dir;
    const std::string path = dir.file("d.xml");
    test::writeFile(path + ".lock", "left by a crashed process");
    DictionaryLock lock;
    EXPECT_EQ(lock.acquire(path), DictionaryLock::Status::Held);
    lock.release();
    EXPECT_FALSE(pathExists(path + ".lock"));
    // Expected: a folder where no lock file can be made does not stop the change.
    DictionaryLock nowhere;
    EXPECT_EQ(nowhere.acquire(dir.file("missing/d.xml")), DictionaryLock::Status::Unlocked);
    EXPECT_EQ(nowhere.acquire(""), DictionaryLock::Status::Unlocked);
}

TEST(DictionaryLockFile, PathThroughASymbolicLinkSharesTheLock)
{
    TempDir dir;
    const std::string path = dir.file("d.xml");
    test::writeFile(path, std::string(dictionaryTemplate()));
    ASSERT_EQ(::symlink(path.c_str(), dir.file("link.xml").c_str()), 0);
    DictionaryLock held;
    ASSERT_EQ(held.acquire(path), DictionaryLock::Status::Held);
    DictionaryLock other;
    // Expected: the second path finds the lock busy and its callback gives up.
    EXPECT_EQ(other.acquire(dir.file("link.xml"), [](std::chrono::milliseconds) { return false; }),
              DictionaryLock::Status::GaveUp);
    held.release();
    EXPECT_EQ(other.acquire(dir.file("link.xml")), DictionaryLock::Status::Held);
}

TEST(DictionaryLockFile, StampChangesOnEveryRewrite)
{
    TempDir dir;
    const std::string path = dir.file("d.xml");
    EXPECT_FALSE(fileStamp(path).known);
    test::writeFile(path, "a");
    const FileStamp first = fileStamp(path);
    ASSERT_TRUE(replaceFileSafely(path, std::string_view("a")));
    // Expected: same content, same second, still another stamp (new inode).
    EXPECT_NE(fileStamp(path), first);
    EXPECT_EQ(fileStamp(path), fileStamp(path));
}

TEST(DictionaryLockFile, ContentDigestTellsVersionsOfOneLengthApart)
{
    const std::string base(37, 'a');
    EXPECT_EQ(contentDigest(base), contentDigest(std::string(37, 'a')));
    EXPECT_TRUE(contentDigest("").known());
    EXPECT_NE(contentDigest(""), contentDigest(std::string(1, '\0')));
    // Expected: one byte changed anywhere (first word, word edge, last full word, tail) counts.
    for (std::size_t at : {0U, 7U, 8U, 31U, 32U, 36U}) {
        for (char to : {'b', '`', '\0', '\xff'}) {
            std::string other = base;
            other[at] = to;
            EXPECT_NE(contentDigest(other), contentDigest(base)) << at << " " << static_cast<int>(to);
        }
    }
    // Expected: words swapped, or a byte moved from one word to another, count as well.
    EXPECT_NE(contentDigest("kaal=\"12\"kaal=\"21\""), contentDigest("kaal=\"21\"kaal=\"12\""));
    EXPECT_NE(contentDigest("kaal=\"9\" x"), contentDigest("kaal=\"10\"x"));
}

TEST(DictionaryLockFile, ContentDigestOfRunsIsTheDigestOfTheWhole)
{
    const std::string text = "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"800\"/>";
    // Expected: wherever the writer cuts its output, the digest is the same.
    for (const std::vector<std::size_t>& cuts : std::vector<std::vector<std::size_t>>{
             {}, {0}, {1}, {7}, {8}, {9}, {3, 5}, {8, 16}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {text.size()}}) {
        ContentDigester digester;
        std::size_t from = 0;
        for (std::size_t cut : cuts) {
            digester.add(std::string_view(text).substr(from, cut - from));
            from = cut;
        }
        digester.add(std::string_view(text).substr(from));
        EXPECT_EQ(digester.digest(), contentDigest(text)) << cuts.size();
    }
    EXPECT_EQ(ContentDigester().digest(), contentDigest(""));
}

TEST(DictionaryLockFile, AnotherUsersReadOnlyLockFileStillExcludes)
{
    TempDir dir;
    const std::string path = test::writeSharedFile(dir, "d.xml", std::string(dictionaryTemplate()));
    DictionaryLock held;
    ASSERT_EQ(held.acquire(path), DictionaryLock::Status::Held);
    // The lock file of a user whose umask left it writable only for its owner.
    ASSERT_EQ(::chmod((path + ".lock").c_str(), 0444), 0);
    const int status = test::runUnprivileged([&]() -> int {
        DictionaryLock other;
        const DictionaryLock::Status got = other.acquire(path, [](std::chrono::milliseconds) { return false; });
        return got == DictionaryLock::Status::GaveUp ? 0 : 10 + static_cast<int>(got);
    });
    // Expected: the lock is found busy; it is not skipped as one that cannot be made.
    EXPECT_EQ(status, 0);
}

TEST(DictionaryLockFile, FailureThatPassesIsWaitedOutNotSkipped)
{
    TempDir dir;
    const std::string path = test::writeSharedFile(dir, "d.xml", std::string(dictionaryTemplate()));
    const int status = test::runUnprivileged([&]() -> int {
        // No descriptor left: the lock file cannot be opened until the limit is raised again.
        const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowestFree);
        rlimit limits {};
        ::getrlimit(RLIMIT_NOFILE, &limits);
        const rlim_t usual = limits.rlim_cur;
        limits.rlim_cur = static_cast<rlim_t>(lowestFree);
        if (::setrlimit(RLIMIT_NOFILE, &limits) != 0)
            return 20;
        int waits = 0;
        DictionaryLock lock;
        const DictionaryLock::Status got = lock.acquire(path, [&](std::chrono::milliseconds) {
            if (++waits == 3) {
                limits.rlim_cur = usual;
                ::setrlimit(RLIMIT_NOFILE, &limits);
            }
            return waits < 100;
        });
        limits.rlim_cur = usual;
        ::setrlimit(RLIMIT_NOFILE, &limits);
        return got == DictionaryLock::Status::Held && waits == 3 ? 0 : 10 + static_cast<int>(got);
    });
    EXPECT_EQ(status, 0);
}

TEST(DictionarySaveFailure, ChangeStaysInMemoryAndReachesTheFileLater)
{
    TempDir dir;
    const std::string path = test::writeSharedFile(dir, "sonastik.xml", std::string(dictionaryTemplate()));
    const std::string folder = dir.file("shared");

    const int status = test::runUnprivileged([&]() -> int {
        RecordingPrompter prompter;
        CDictionary mine(prompter);
        if (!mine.openWithPath(path))
            return 10;
        ::chmod(folder.c_str(), 0555);
        const ChangeResult failed = mine.storeWordForm("a", "a", "");
        if (!failed.applied || failed.saved || prompter.lastText() != "Viga faili " + path + " salvestamisel.")
            return 11;
        if (!mine.findWordForm("a"))
            return 12;
        ::chmod(folder.c_str(), 0755);
        // Another user saves meanwhile; our reload must not drop the unsaved analysis.
        SilentPrompter quiet;
        CDictionary other(quiet);
        if (!other.openWithPath(path) || !other.storeWordForm("b", "b", "").saved)
            return 13;
        const ChangeResult later = mine.storeWordForm("c", "c", "");
        if (!later.changed || !later.saved)
            return 14;
        CDictionary check(quiet);
        if (!check.openWithPath(path))
            return 15;
        return walkText(check, DictSection::WordForms) == "__|__||\na|a||1\nb|b||1\nc|c||1\n" ? 0 : 16;
    });
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace pelmora
