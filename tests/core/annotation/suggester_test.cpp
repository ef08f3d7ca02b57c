#include "annotation/lemmatiser.h"
#include "annotation/suggester.h"
#include "annotation/vocabularies.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "testsupport.h"
#include "text/textformat.h"

#include <gtest/gtest.h>
#include <random>

namespace pelmora {
namespace {

using Items = std::vector<std::string>;

std::string token(const std::string& id, const std::string& text, const std::string& attributes = "")
{
    return "<sone id=\"" + id + "\"" + (attributes.empty() ? "" : " " + attributes) + ">" + text + "</sone>";
}

std::string textOf(const std::vector<std::string>& sentences)
{
    std::string xml = "<pelmora><sisu id=\"t\">";
    for (const std::string& sentence : sentences)
        xml += "<lause>" + sentence + "</lause>";
    return xml + "</sisu></pelmora>";
}

class SuggesterTest : public ::testing::Test {
protected:
    void open(const std::string& xml)
    {
        ASSERT_TRUE(doc.openFromBuffer(xml, "t.xml"));
    }
    XmlNode find(const std::string& id)
    {
        for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t))
            if (attributeValue(t, "id") == id)
                return t;
        return {};
    }
    Suggester& show(const std::string& id)
    {
        if (!suggester)
            suggester = std::make_unique<Suggester>(doc, settings, SuggestionSources{dictionary.get(), nullptr}, prompter);
        suggester->settingsChanged();
        doc.setCurrentToken(find(id));
        suggester->showCurrentToken();
        return *suggester;
    }
    Items items(SuggestionList which) const { return suggester->list(which).items(); }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
    Settings settings;
    std::unique_ptr<CDictionary> dictionary;
    std::unique_ptr<Suggester> suggester;
};

// --- Headword order from the open text ---------------------------------------------------------

TEST_F(SuggesterTest, OwnLemmaOnTopThenDocumentOrder)
{
    settings.onlyIf = 0;
    open(textOf({token("a", "kala", "lemma=\"A\"") + token("b", "Kala", "lemma=\"B\""),
                 token("c", "kala+", "lemma=\"A\"") + token("z", "KALA", "lemma=\"Z\"")}));
    // Expected: the current token's own lemma first, the others in document order, no repeats.
    EXPECT_EQ(show("z").list(SuggestionList::Lemma).items(), (Items{"Z", "A", "B"}));
    EXPECT_EQ(suggester->fields().lemma, "Z");
}

TEST_F(SuggesterTest, LemmasDifferingOnlyInCaseGiveOneEntry)
{
    open(textOf({token("a", "kala", "lemma=\"Kala\"") + token("b", "kala", "lemma=\"kala\"") + token("c", "kala")}));
    EXPECT_EQ(show("c").list(SuggestionList::Lemma).items(), (Items{"Kala"}));
}

struct EndingsCase {
    const char* name;
    const char* current;
    const char* other;
    bool sameWordHasLemma;  // another token of the current word has a lemma
    Items expected;
};

class EndingsMatching : public SuggesterTest, public ::testing::WithParamInterface<EndingsCase> {};

TEST_P(EndingsMatching, ListsEndingMatchesOnlyWithoutSameWordLemmas)
{
    const EndingsCase& c = GetParam();
    settings.compareWithoutEndings = 1;
    std::string sentence = token("o", c.other, "lemma=\"other\"") + token("cur", c.current);
    if (c.sameWordHasLemma)
        sentence += token("same", c.current, "lemma=\"same\"");
    open(textOf({sentence}));
    EXPECT_EQ(show("cur").list(SuggestionList::Lemma).items(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndingsMatching, ::testing::Values(
    EndingsCase{"RestDeAndEmpty", "kalade", "kala", false, {"other"}},
    EndingsCase{"EmptyAndRestDe", "kala", "kalade", false, {"other"}},
    EndingsCase{"OneCharacterEarlier", "kalas", "kalat", false, {"other"}},
    EndingsCase{"UnlistedRest", "kalamies", "kala", false, {}},
    EndingsCase{"SameWordWins", "kalade", "kala", true, {"same"}}),
    test::ByName());

TEST(WordComparison, EndingVariantsFindEveryMatch)
{
    // Every pair of short words over a small alphabet: the variants hold every match.
    const EndingsList endings(kDefaultEndings);
    const std::vector<std::string> words = {"kala", "kalad", "kalade", "kalas", "kalat", "kalamies", "ka",
                                            "a", "kalaks", "kalast", "kal", "kalid", "kalaid", "kalaide"};
    for (const std::string& a : words) {
        const std::u32string a32 = toCodePoints(a);
        const std::vector<std::u32string> variants = endingVariants(a32, endings);
        for (const std::string& b : words) {
            const std::u32string b32 = toCodePoints(b);
            if (isSameWordUpToEndings(a32, b32, endings)) {
                EXPECT_NE(std::find(variants.begin(), variants.end(), b32), variants.end()) << a << " ~ " << b;
            }
        }
    }
}

// --- The common frame --------------------------------------------------------------------------

TEST_F(SuggesterTest, NoSuggestionsLeaveTheFieldsAlone)
{
    settings.suggestionType = 2;
    open(textOf({token("a", "kala", "lemma=\"kala\" vorm=\"sg.nom.\"") + token("b", "um", "lemma=\"vȱlda\"")}));
    show("a");
    suggester->fields().lemma = "typed";
    show("b");
    // Expected: nothing filled, the typed headword still there.
    EXPECT_EQ(suggester->fields().lemma, "typed");
    for (int list = 0; list < 6; ++list)
        EXPECT_TRUE(suggester->list(static_cast<SuggestionList>(list)).empty());
}

TEST_F(SuggesterTest, TokenNotToBeTaggedShowsItsReasonAndNothingElse)
{
    open(textOf({token("a", "kala", "lemma=\"kala\"") + token("b", "kala", "meta=\"kommentaar\" stiil=\"märkus\" lemma=\"x\"")}));
    show("b");
    EXPECT_EQ(reasonText(suggester->fields().reason), "kommentaar");
    EXPECT_EQ(styleText(suggester->fields().style), "märkus");
    EXPECT_EQ(suggester->fields().lemma, "");
    EXPECT_EQ(suggester->fields().form, "");
    for (int list = 0; list < 6; ++list)
        EXPECT_TRUE(suggester->list(static_cast<SuggestionList>(list)).empty());
}

// A reason or style from another tool that the lists do not hold is shown as it stands and
// kept by remembering; blanks and "-" still mean no reason.
TEST_F(SuggesterTest, StoredValuesTheListsDoNotHoldAreKept)
{
    struct Case {
        const char* attributes;
        const char* reason;  // the `meta` remembering writes
        const char* style;
        bool notToTag;
    };
    for (const Case c : {Case{"meta=\"tõlge\" stiil=\"murdeline\"", "tõlge", "murdeline", true},
                         Case{"meta=\" - \" stiil=\"-\"", "-", "-", false},
                         Case{"meta=\"*\" stiil=\"esiletõst\"", "*", "esiletõst", true},
                         Case{"stiil=\"Esiletõst\"", "-", "Esiletõst", false}}) {
        open(textOf({token("a", "kala", c.attributes)}));
        show("a");
        EXPECT_EQ(suggester->isNotToTag(), c.notToTag) << c.attributes;
        EXPECT_EQ(reasonValue(suggester->fields()), c.reason) << c.attributes;
        EXPECT_EQ(styleValue(suggester->fields()), c.style) << c.attributes;
        rememberToken(doc, suggester->fields(), nullptr, false);
        EXPECT_EQ(attributeValue(doc.firstToken(), "meta"), std::string_view(c.reason)) << c.attributes;
        EXPECT_EQ(attributeValue(doc.firstToken(), "stiil"), std::string_view(c.notToTag ? "" : c.style))
            << c.attributes;
    }
}

TEST_F(SuggesterTest, FieldsTheUserTouchedKeepTheirValuesThroughTheCascade)
{
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\" liik=\"S\" lati=\"zivs\"") +
                 token("b", "kalad")}));
    show("b");
    suggester->headwordEdited("kala");
    EXPECT_EQ(suggester->fields().meaning, "kala");
    EXPECT_EQ(suggester->fields().latvian, "zivs");
    suggester->meaningEdited("ääres");
    suggester->partOfSpeechChanged(partOfSpeechIndex("V"));
    suggester->fields().latvian = "malā";
    suggester->touch(SuggestionList::Latvian);
    // A letter more in the headword: the lists follow it, the touched fields keep what was typed.
    suggester->headwordEdited("kalad");
    EXPECT_EQ(suggester->fields().meaning, "ääres");
    EXPECT_EQ(suggester->fields().partOfSpeech, partOfSpeechIndex("V"));
    EXPECT_EQ(suggester->fields().latvian, "malā");
    EXPECT_TRUE(suggester->list(SuggestionList::Meaning).empty());
    // Back to a headword with candidates: listed, but the field's own value stays and the list
    // selects nothing it does not show.
    suggester->headwordEdited("kala");
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"kala", "-"}));
    EXPECT_EQ(suggester->fields().meaning, "ääres");
    EXPECT_EQ(suggester->list(SuggestionList::Meaning).selected, -1);
    // Shown anew, the token is filled as before.
    show("b");
    suggester->headwordEdited("kala");
    EXPECT_EQ(suggester->fields().meaning, "kala");
}

TEST_F(SuggesterTest, ChoosingNoReasonMakesATokenNotToTagOneToTag)
{
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\"") +
                 token("b", "kala", "meta=\"intervjueerija\"")}));
    show("b");
    EXPECT_TRUE(suggester->isNotToTag());
    EXPECT_TRUE(rememberLeavesNotTaggedTokenAsItIs(doc, suggester->fields()));
    suggester->fields().comment = "uus";
    EXPECT_FALSE(rememberLeavesNotTaggedTokenAsItIs(doc, suggester->fields()));

    suggester->reasonChanged(0);
    EXPECT_FALSE(suggester->isNotToTag());
    EXPECT_FALSE(rememberLeavesNotTaggedTokenAsItIs(doc, suggester->fields()));
    // The fills run for it now, and typing does not bring the stored reason back.
    EXPECT_EQ(suggester->fields().lemma, "kala");
    suggester->headwordEdited("kalā");
    EXPECT_EQ(suggester->fields().reason, 0);
    EXPECT_EQ(suggester->fields().lemma, "kalā");
}

TEST_F(SuggesterTest, OnlyIfShowsTheTokensOwnAnnotation)
{
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\" liik=\"S\"") +
                 token("b", "kalā", "lemma=\"kala\" tahendus=\"kalake\" liik=\"S\"") +
                 token("cur", "kalad", "lemma=\"kala\" vorm=\"pl.nom.\"")}));
    show("cur");
    // Expected: lemma and form from the token, no headword list, the meanings of the lemma; the
    // token's own empty meaning counts as "-" and goes on top, so the meaning stays empty.
    EXPECT_EQ(suggester->fields().lemma, "kala");
    EXPECT_EQ(suggester->fields().form, "pl.nom.");
    EXPECT_TRUE(items(SuggestionList::Lemma).empty());
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"-", "kala", "kalake"}));
    EXPECT_EQ(suggester->fields().meaning, "");
}

TEST_F(SuggesterTest, OnlyIfKeepsAPartOfSpeechTheTokenHas)
{
    // The token's own meaning is taken as it stands, which leaves no meaning records; its part
    // of speech must still be shown, not replaced by "-".
    open(textOf({token("cur", "um", "lemma=\"vȱlda\" tahendus=\"olema\" liik=\"V\" vorm=\"pers.ind.pr.sg.3.\"")}));
    show("cur");
    EXPECT_EQ(partOfSpeechCode(suggester->fields().partOfSpeech), "V");
}

TEST_F(SuggesterTest, DashPlacesInMeaningAndEquivalentLists)
{
    settings.onlyIf = 0;
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\" lati=\"zivs\" ingl=\"fish\"") +
                 token("b", "kalā", "lemma=\"kala\" tahendus=\"kalake\" lati=\"zivis\" ingl=\"fishes\"") +
                 token("c", "kalā", "lemma=\"kala\"") + token("cur", "kala", "tahendus=\"kalake\"")}));
    show("cur");
    // Expected: the token's own meaning on top, "-" (from the token without one) where it was
    // found; equivalents have "-" second.
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"kalake", "kala", "-"}));
    EXPECT_EQ(items(SuggestionList::Latvian), (Items{"zivs", "-", "zivis"}));
    EXPECT_EQ(items(SuggestionList::English), (Items{"fish", "-", "fishes"}));
    EXPECT_EQ(suggester->fields().latvian, "zivs");
}

TEST_F(SuggesterTest, EquivalentsSwitchedOff)
{
    settings.onlyIf = 0;
    settings.noLatvian = 1;
    open(textOf({token("a", "kala", "lemma=\"kala\" lati=\"zivs\" ingl=\"fish\"") + token("cur", "kala")}));
    show("cur");
    EXPECT_TRUE(items(SuggestionList::Latvian).empty());
    EXPECT_EQ(suggester->fields().latvian, "");
    EXPECT_EQ(items(SuggestionList::English), (Items{"fish", "-"}));
}

// --- Forms from the rules ----------------------------------------------------------------------

TEST_F(SuggesterTest, RuleFormsNeedThreeCharactersAndStopAfterThree)
{
    settings.onlyIf = 0;
    open(textOf({token("short", "um", "lemma=\"vȱlda\" liik=\"V\"") +
                 token("long", "tulkõbõd", "lemma=\"tulkõ\" liik=\"V\"")}));
    show("short");
    EXPECT_EQ(partOfSpeechCode(suggester->fields().partOfSpeech), "V");
    EXPECT_TRUE(items(SuggestionList::Form).empty());

    show("long");
    const Items forms = items(SuggestionList::Form);
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(forms.front(), "vpts.pl.");  // "õbõd", the longest ending with a rule
    EXPECT_EQ(forms.back(), "-");
    EXPECT_LE(forms.size(), 8u);
}

// --- Cascade and choosing ------------------------------------------------------------------------

TEST_F(SuggesterTest, ChoosingAHeadwordRefillsTheDependentLists)
{
    settings.onlyIf = 0;
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\" liik=\"S\"") +
                 token("b", "kala", "lemma=\"kalaa\" tahendus=\"kalastama\" liik=\"V\"") + token("cur", "kala")}));
    show("cur");
    EXPECT_EQ(items(SuggestionList::Lemma), (Items{"kala", "kalaa"}));
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"kala", "-"}));
    EXPECT_EQ(items(SuggestionList::PartOfSpeech), (Items{"substantiiv"}));

    suggester->choose(SuggestionList::Lemma, 1);
    EXPECT_EQ(suggester->fields().lemma, "kalaa");
    EXPECT_EQ(suggester->fields().meaning, "kalastama");
    EXPECT_EQ(items(SuggestionList::PartOfSpeech), (Items{"verb"}));
    EXPECT_EQ(partOfSpeechCode(suggester->fields().partOfSpeech), "V");

    // Choosing "-" as meaning empties the field and finds no part of speech for it: the list
    // set aside before the fill comes back.
    suggester->choose(SuggestionList::Meaning, 1);
    EXPECT_EQ(suggester->fields().meaning, "");
    EXPECT_EQ(items(SuggestionList::PartOfSpeech), (Items{"verb"}));

    // While the form moves to another token, nothing is carried over.
    suggester->setMoving(true);
    suggester->meaningEdited("tundmatu");
    EXPECT_TRUE(items(SuggestionList::PartOfSpeech).empty());
    EXPECT_EQ(suggester->fields().partOfSpeech, 0);
}

// --- The index stays right across changes ----------------------------------------------------------

TEST_F(SuggesterTest, ListsFollowEveryChangeOfTheText)
{
    settings.onlyIf = 0;
    open(textOf({token("a", "kala", "lemma=\"kala\" tahendus=\"kala\"") + token("b", "vīeres") + token("cur", "kala")}));
    show("cur");
    EXPECT_EQ(items(SuggestionList::Lemma), (Items{"kala"}));

    // A lemma changed by remembering another token.
    doc.setLemma(find("a"), "kalā");
    show("cur");
    EXPECT_EQ(items(SuggestionList::Lemma), (Items{"kalā"}));
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"kala", "-"}));

    // A token's text changed: it is another word now, and "vīeres" became the same word.
    doc.setTokenText(find("a"), "kalad");
    doc.setLemma(find("b"), "kala");
    doc.setTokenText(find("b"), "Kala");
    show("cur");
    EXPECT_EQ(items(SuggestionList::Lemma), (Items{"kala"}));

    // A token removed.
    doc.removeNode(find("b"));
    show("cur");
    EXPECT_TRUE(items(SuggestionList::Lemma).empty());
}

// The lists must be exactly what a walk over every token gives.
Items walkedHeadwords(CPelmoraDoc& doc, XmlNode current)
{
    CandidateList list;
    const std::string own(attributeValue(current, "lemma"));
    const std::string text(elementText(current));
    for (XmlNode s = firstChildElement(doc.body(), "lause"); s; s = nextSiblingElement(s, "lause"))
        for (XmlNode t = firstChildElement(s, "sone"); t; t = nextSiblingElement(t, "sone"))
            if (isSameWord(elementText(t), text) && !attributeValue(t, "lemma").empty())
                list.add(std::string(attributeValue(t, "lemma")), own);
    return list.items();
}

Items walkedMeanings(CPelmoraDoc& doc, XmlNode current, const std::string& headword)
{
    CandidateList list;
    const std::string own(attributeValue(current, "tahendus"));
    for (XmlNode s = firstChildElement(doc.body(), "lause"); s; s = nextSiblingElement(s, "lause"))
        for (XmlNode t = firstChildElement(s, "sone"); t; t = nextSiblingElement(t, "sone"))
            if (attributeValue(t, "lemma") == headword) {
                const std::string m(attributeValue(t, "tahendus"));
                list.add(m.empty() ? "-" : m, own.empty() ? "-" : own);
            }
    if (!list.empty() && !list.contains("-"))
        list.append("-");
    return list.items();
}

TEST_F(SuggesterTest, IndexedListsEqualTheWalkAcrossRandomEdits)
{
    settings.onlyIf = 0;
    std::mt19937 random(7);
    const std::vector<std::string> words = {"kala", "Kala", "kala+", "vīeres", "um", "jūrõ", "KALA"};
    const std::vector<std::string> lemmas = {"", "kala", "Kala", "vȱlda", "jūrõ"};
    const std::vector<std::string> meanings = {"", "kala", "olema", "meri"};
    std::string sentence;
    for (int i = 0; i < 40; ++i)
        sentence += token("t" + std::to_string(i), words[random() % words.size()],
                          "lemma=\"" + lemmas[random() % lemmas.size()] + "\" tahendus=\"" +
                              meanings[random() % meanings.size()] + "\"");
    open(textOf({sentence}));
    for (int step = 0; step < 200; ++step) {
        const std::string id = "t" + std::to_string(random() % 40);
        const XmlNode target = find(id);
        switch (random() % 3) {
        case 0: doc.setLemma(target, lemmas[random() % lemmas.size()]); break;
        case 1: doc.setMeaning(target, meanings[random() % meanings.size()]); break;
        default: doc.setTokenText(target, words[random() % words.size()]); break;
        }
        const std::string shown = "t" + std::to_string(random() % 40);
        show(shown);
        ASSERT_EQ(items(SuggestionList::Lemma), walkedHeadwords(doc, find(shown))) << "step " << step;
        ASSERT_EQ(items(SuggestionList::Meaning), walkedMeanings(doc, find(shown), suggester->fields().lemma))
            << "step " << step;
    }
}

// --- Dictionary source and lemmatisation ------------------------------------------------------------

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<pelmora tyyp=\"sonastik\">"
    "<soned><sone id=\"__\" lemma=\"__\"/>"
    "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"2\"><sone id=\"kala\" lemma=\"kalaa\" vorm=\"\" kaal=\"5\"/></sone>"
    "<sone id=\"um\" lemma=\"vȱlda\" vorm=\"pers.ind.pr.sg.3.\" kaal=\"1\"/></soned>"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/>"
    "<lemma id=\"kala\" tahendus=\"kala\" liik=\"S\" lati=\"zivs\" kaal=\"1\"><lemma id=\"kala\" tahendus=\"kalake\" liik=\"S\" kaal=\"3\"/></lemma>"
    "<lemma id=\"vȱlda\" tahendus=\"olema\" liik=\"V\" kaal=\"4\"/></lemmad>"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

TEST_F(SuggesterTest, DictionarySourceListsHeaviestFirst)
{
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    dictionary = std::make_unique<CDictionary>(prompter);
    ASSERT_TRUE(dictionary->openWithPath(dir.file("d.xml")));
    settings.suggestionType = 1;
    settings.onlyIf = 0;
    open(textOf({token("cur", "Kala")}));
    show("cur");
    // Expected: the heavier analysis "kalaa" first; its meanings empty so "-" only.
    EXPECT_EQ(items(SuggestionList::Lemma), (Items{"kalaa", "kala"}));
    suggester->choose(SuggestionList::Lemma, 1);
    EXPECT_EQ(items(SuggestionList::Meaning), (Items{"kala", "kalake", "-"}));
    EXPECT_EQ(items(SuggestionList::Latvian), (Items{"zivs", "-"}));
    EXPECT_EQ(suggester->fields().form, "sg.nom.");
}

TEST(Lemmatise, FillsEstonianTokensAndRespectsAmbiguity)
{
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("d.xml")));
    const std::string xml = textOf({token("a", "kala", "keel=\"eesti\"") + token("b", "um", "keel=\"eesti\"") +
                                    token("c", "um", "keel=\"liivi\"") + token("d", "um") +
                                    token("e", "um", "keel=\"eesti\" lemma=\"oma\"")});
    struct Case {
        bool skipAmbiguous;
        const char* lemmaOfA;
        const char* meaningOfB;
    };
    for (const Case c : {Case{false, "kalaa", "olema"}, Case{true, "", "olema"}}) {
        CPelmoraDoc doc(prompter);
        ASSERT_TRUE(doc.openFromBuffer(xml, "t.xml"));
        lemmatiseText(doc, dictionary, c.skipAmbiguous);
        XmlNode a = doc.firstToken();
        XmlNode b = CPelmoraDoc::nextToken(a);
        XmlNode cTok = CPelmoraDoc::nextToken(b);
        XmlNode d = CPelmoraDoc::nextToken(cTok);
        XmlNode e = CPelmoraDoc::nextToken(d);
        EXPECT_EQ(attributeValue(a, "lemma"), c.lemmaOfA);
        EXPECT_EQ(attributeValue(b, "lemma"), "vȱlda");
        EXPECT_EQ(attributeValue(b, "vorm"), "pers.ind.pr.sg.3.");
        EXPECT_EQ(attributeValue(b, "tahendus"), c.meaningOfB);
        EXPECT_EQ(attributeValue(b, "liik"), "V");
        // Other languages, no language, and tokens with a lemma are left alone.
        EXPECT_EQ(attributeValue(cTok, "lemma"), "");
        EXPECT_EQ(attributeValue(d, "lemma"), "");
        EXPECT_EQ(attributeValue(e, "lemma"), "oma");
        EXPECT_EQ(attributeValue(e, "tahendus"), "");
    }
}

TEST(Lemmatise, IsOneUndoStepAndAStoppedRunLeavesTheTextAsItWas)
{
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("d.xml")));
    std::string tokens;
    for (int i = 0; i < 100; ++i)
        tokens += token("t" + std::to_string(i), i % 2 ? "um" : "kala", "keel=\"eesti\"");
    const std::string xml = textOf({tokens});

    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(xml, "t.xml"));
    std::size_t reports = 0;
    const LemmatisationResult stopped = lemmatiseText(doc, dictionary, false, [&](std::size_t done, std::size_t total) {
        ++reports;
        EXPECT_EQ(total, 100U);
        return done < 64;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_GE(reports, 2U);
    // Nothing written, nothing to undo, not modified.
    for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t))
        EXPECT_EQ(attributeValue(t, "lemma"), "");
    EXPECT_EQ(doc.undoCount(), 0U);
    EXPECT_FALSE(doc.isModified());

    const LemmatisationResult done = lemmatiseText(doc, dictionary, false, [](std::size_t, std::size_t) { return true; });
    EXPECT_FALSE(done.cancelled);
    EXPECT_EQ(done.lemmatised, 100U);
    EXPECT_EQ(doc.undoCount(), 1U);
    ASSERT_TRUE(doc.undo());
    for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t))
        EXPECT_EQ(attributeValue(t, "lemma"), "");
    EXPECT_FALSE(doc.isModified());
}

TEST(Remember, WritesTheAnnotationOrOnlyTheReason)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(textOf({token("a", "kala", "lemma=\"old\" kommentaar=\"x\"")}), "t.xml"));
    SuggestionFields fields;
    fields.lemma = "kala";
    fields.meaning = "kala";
    fields.partOfSpeech = 0;  // "-" is stored as "-"
    fields.form = "-";        // "-" is stored empty
    fields.reason = 0;
    fields.style = 0;
    fields.comment = "";
    rememberToken(doc, fields, nullptr, false);
    std::string attributes;
    for (pugi::xml_attribute a = doc.firstToken().first_attribute(); a; a = a.next_attribute())
        attributes += std::string(a.name()) + "=" + a.value() + " ";
    EXPECT_EQ(attributes, "id=a lemma=kala tahendus=kala liik=- meta=- stiil=- ");

    fields.reason = reasonIndex("vahemärk");
    rememberToken(doc, fields, nullptr, false);
    attributes.clear();
    for (pugi::xml_attribute a = doc.firstToken().first_attribute(); a; a = a.next_attribute())
        attributes += std::string(a.name()) + "=" + a.value() + " ";
    EXPECT_EQ(attributes, "id=a meta=vahemärk ");

    // Each remember is one step to undo.
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    attributes.clear();
    for (pugi::xml_attribute a = doc.firstToken().first_attribute(); a; a = a.next_attribute())
        attributes += std::string(a.name()) + "=" + a.value() + " ";
    EXPECT_EQ(attributes, "id=a lemma=old kommentaar=x ");
    EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace pelmora
