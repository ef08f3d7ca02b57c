#include "common/strings.h"
#include "search/textsearch.h"
#include "search/tokenwalk.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// Sentence l2 has a combination between its tokens, l3 has no tokens at all.
const char* const kText =
    "<pelmora><sisu id=\"t\">"
    "<lause id=\"l1\" lk=\"7\">"
    "<sone id=\"l1_s1\" lk=\"3\" lemma=\"minā\" liik=\"ProS\" vorm=\"sg.nom.\">Minā</sone>"
    "<sone id=\"l1_s2\" lk=\"3\" lemma=\"vȱlda\" liik=\"V\">um</sone>"
    "<sone id=\"l1_s3\" lk=\"4\">kata</sone></lause>"
    "<lause id=\"l2\">"
    "<sone id=\"l2_s1\" liik=\"X\">KATA</sone><yhend id=\"l2_s1_s2\"/>"
    "<sone id=\"l2_s2\" lk=\"5\" liik=\"Adv\">jūrõ</sone></lause>"
    "<lause id=\"l3\"/>"
    "<lause id=\"l4\">"
    "<sone id=\"l4_s1\" lk=\"5\" lemma=\"Kala\">kalā</sone>"
    "<sone id=\"l4_s2\">.</sone></lause>"
    "</sisu></pelmora>";

class TextSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
        prompter.clear();
    }

    XmlNode token(const std::string& id) const
    {
        for (XmlNode t = firstTokenOfText(doc); t; t = followingToken(t))
            if (attributeValue(t, "id") == id)
                return t;
        ADD_FAILURE() << "no token " << id;
        return {};
    }
    std::string currentId() const { return std::string(attributeValue(doc.currentToken(), "id")); }
    void goTo(const std::string& id) { ASSERT_TRUE(doc.setCurrentToken(token(id))); }
    // The identifiers of the tokens the marking rules colour.
    std::vector<std::string> markedIds() const
    {
        std::vector<std::string> ids;
        forEachToken(doc, [&](XmlNode t) {
            if (search.markingColour(t))
                ids.emplace_back(attributeValue(t, "id"));
        });
        return ids;
    }
    static SearchCriteria textCriteria(const std::string& value)
    {
        SearchCriteria criteria;
        criteria.set(SearchField::Text, value);
        return criteria;
    }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
    TextSearch search{doc};
};

TEST_F(TextSearchTest, WalkSkipsSentencesWithoutTokens)
{
    std::vector<std::string> ids;
    forEachToken(doc, [&](XmlNode t) { ids.emplace_back(attributeValue(t, "id")); });
    EXPECT_EQ(ids, (std::vector<std::string>{"l1_s1", "l1_s2", "l1_s3", "l2_s1", "l2_s2", "l4_s1", "l4_s2"}));
    EXPECT_EQ(attributeValue(precedingToken(token("l4_s1")), "id"), "l2_s2");
    EXPECT_EQ(attributeValue(lastTokenOfText(doc), "id"), "l4_s2");
}

TEST_F(TextSearchTest, FindNextWalksOnAndSaysWhenNothingIsLeft)
{
    // Expected: without a dialog search, F3 asks for the dialog.
    EXPECT_EQ(search.findNext(), FindNextResult::NeedsDialog);
    search.searchFromDialog(textCriteria("kata"), false, true, SearchDirection::ForwardFromCurrent);
    EXPECT_EQ(currentId(), "l1_s3");
    // "KATA" has the same word-form key.
    EXPECT_EQ(search.findNext(), FindNextResult::Found);
    EXPECT_EQ(currentId(), "l2_s1");
    EXPECT_EQ(search.findNext(), FindNextResult::NotFound);
    EXPECT_EQ(currentId(), "l2_s1");
    ASSERT_EQ(prompter.entries().size(), 1u);
    // The message names what was sought, so that a field left ticked is seen.
    EXPECT_EQ(prompter.entries()[0].text, "Ei leia\nOtsiti: sõne „kata“");
    EXPECT_EQ(prompter.entries()[0].title, "Otsing");
    EXPECT_EQ(search.foundSummary(textCriteria("kata")), "Leitud 2 sõnet: sõne „kata“");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Warning);
}

TEST_F(TextSearchTest, FindNextCrossesAnEmptySentence)
{
    SearchCriteria criteria;
    criteria.set(SearchField::Lemma, "Kala");
    goTo("l2_s2");
    search.searchFromDialog(criteria, false, false, SearchDirection::ForwardFromCurrent);
    EXPECT_EQ(search.findNext(), FindNextResult::Found);
    EXPECT_EQ(currentId(), "l4_s1");
}

TEST_F(TextSearchTest, DialogDirections)
{
    struct Case {
        const char* start;
        SearchDirection direction;
        const char* expected;
    };
    const Case cases[] = {
        {"l4_s2", SearchDirection::BackwardFromCurrent, "l2_s1"},
        {"l2_s1", SearchDirection::BackwardFromCurrent, "l1_s3"},
        {"l1_s3", SearchDirection::ForwardFromCurrent, "l2_s1"},
        {"l4_s2", SearchDirection::FromStart, "l1_s3"},
    };
    for (const Case& c : cases) {
        goTo(c.start);
        EXPECT_TRUE(search.searchFromDialog(textCriteria("kata"), false, true, c.direction)) << c.start;
        EXPECT_EQ(currentId(), c.expected) << c.start;
    }
    // Nothing before the first hit: the current token stays and the user is told.
    goTo("l1_s3");
    EXPECT_FALSE(search.searchFromDialog(textCriteria("kata"), false, true, SearchDirection::BackwardFromCurrent));
    EXPECT_EQ(currentId(), "l1_s3");
    EXPECT_EQ(prompter.lastText(), "Ei leia\nOtsiti: sõne „kata“");
}

TEST_F(TextSearchTest, DialogSearchCanMarkWithoutMoving)
{
    SearchCriteria criteria = textCriteria("kata");
    criteria.colour = {4, 5, 6};
    EXPECT_FALSE(search.searchFromDialog(criteria, true, false, SearchDirection::FromStart));
    // Expected: the hits are marked in the chosen colour, the current token stays, F3 goes on.
    EXPECT_EQ(currentId(), "l1_s1");
    EXPECT_EQ(markedIds(), (std::vector<std::string>{"l1_s3", "l2_s1"}));
    EXPECT_EQ(search.markingColour(token("l2_s1")), (Colour{4, 5, 6}));
    EXPECT_EQ(search.findNext(), FindNextResult::Found);
    EXPECT_EQ(currentId(), "l1_s3");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(TextSearchWithoutText, CommandsDoNothing)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    TextSearch search(doc);
    SearchCriteria criteria;
    criteria.set(SearchField::Text, "x");
    EXPECT_FALSE(search.searchFromDialog(criteria, true, true, SearchDirection::FromStart));
    EXPECT_FALSE(search.markingOn());
    EXPECT_EQ(search.findNext(), FindNextResult::NothingDone);
    EXPECT_FALSE(search.goToPage("1"));
    EXPECT_FALSE(search.goToIdentifier(1, 1));
    EXPECT_FALSE(search.goToClipboardIdentifier("l1_s1"));
    EXPECT_EQ(search.replace({{{TokenAttribute::Lemma, "a", "b"}}, kAutomaticChangeColour}), 0u);
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(TextSearchTest, MarkingRulesColourAndTheLastMatchingRuleWins)
{
    SearchCriteria partOfWord = textCriteria("ta");
    partOfWord.mode = SearchMode::Ends;
    partOfWord.colour = {1, 2, 3};
    search.partOfWordSearch(partOfWord);
    EXPECT_TRUE(search.markingOn());
    EXPECT_EQ(markedIds(), (std::vector<std::string>{"l1_s3", "l2_s1"}));
    // A part-of-word search is not what F3 repeats.
    EXPECT_EQ(search.findNext(), FindNextResult::NeedsDialog);

    search.addSuspectedErrorsRule();
    EXPECT_EQ(markedIds(), (std::vector<std::string>{"l1_s2", "l1_s3", "l2_s1", "l4_s1"}));
    EXPECT_EQ(search.markingColour(token("l2_s1")), kSuspectedErrorColour);
    EXPECT_EQ(search.markingColour(token("l1_s3")), (Colour{1, 2, 3}));

    search.clearSearches();
    EXPECT_FALSE(search.markingOn());
    EXPECT_TRUE(markedIds().empty());
}

TEST_F(TextSearchTest, NextAndPreviousMarkedToken)
{
    search.addSuspectedErrorsRule();
    EXPECT_TRUE(search.goToNextMarkedToken());
    EXPECT_EQ(currentId(), "l1_s2");
    EXPECT_TRUE(search.goToNextMarkedToken());
    EXPECT_EQ(currentId(), "l2_s1");
    EXPECT_TRUE(search.goToNextMarkedToken());
    EXPECT_EQ(currentId(), "l4_s1");
    // Nothing after the last one: nothing happens.
    EXPECT_FALSE(search.goToNextMarkedToken());
    EXPECT_EQ(currentId(), "l4_s1");
    EXPECT_TRUE(search.goToPreviousMarkedToken());
    EXPECT_EQ(currentId(), "l2_s1");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(TextSearchTest, ReplaceSetsAutoAndMarksTheChangedTokens)
{
    ReplaceRequest request;
    request.colour = {9, 9, 9};
    request.replacements = {
        {TokenAttribute::Lemma, "kala", "kalā"},          // equal after lower-casing
        {TokenAttribute::PartOfSpeech, "X", "-"},         // "-" removes the part of speech
        {TokenAttribute::Meaning, "+", "vale"},           // all markup: no token lacking a meaning is hit
        {TokenAttribute::English, "", "never"},           // no sought value: field left alone
    };
    doc.setModifiedFlag(false);
    EXPECT_EQ(search.replace(request), 2u);
    EXPECT_EQ(attributeValue(token("l4_s1"), "lemma"), "kalā");
    EXPECT_EQ(attributeValue(token("l4_s1"), "auto"), "+");
    EXPECT_FALSE(token("l2_s1").attribute("liik"));
    EXPECT_EQ(attributeValue(token("l2_s1"), "auto"), "+");
    EXPECT_FALSE(token("l1_s1").attribute("tahendus"));
    EXPECT_FALSE(token("l1_s1").attribute("auto"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(markedIds(), (std::vector<std::string>{"l2_s1", "l4_s1"}));
    EXPECT_EQ(search.markingColour(token("l4_s1")), (Colour{9, 9, 9}));
    // The automatic-changes search afterwards uses the replace dialog's colour.
    search.clearSearches();
    search.addAutomaticChangesRule();
    EXPECT_EQ(search.markingRules()[0].colour, (Colour{9, 9, 9}));

    // Removing the marks removes every "auto" and every automatic-changes rule.
    search.addSuspectedErrorsRule();
    doc.setModifiedFlag(false);
    EXPECT_EQ(search.removeAutomaticChangeMarks(), 2u);
    EXPECT_FALSE(token("l4_s1").attribute("auto"));
    ASSERT_EQ(search.markingRules().size(), 1u);
    EXPECT_EQ(search.markingRules()[0].mode, SearchMode::SuspectedErrors);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(TextSearchTest, ReplaceWithoutHitsAddsNoRule)
{
    ReplaceRequest request;
    request.replacements = {{TokenAttribute::Lemma, "puudub", "x"}};
    doc.setModifiedFlag(false);
    EXPECT_EQ(search.replace(request), 0u);
    EXPECT_FALSE(search.markingOn());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(TextSearchTest, ReplaceAndMarkRemovalAreOneUndoStepEach)
{
    ReplaceRequest request;
    request.replacements = {{TokenAttribute::PartOfSpeech, "V", "Adv"}, {TokenAttribute::Lemma, "kala", "kalā"}};
    const std::size_t before = doc.undoCount();
    ASSERT_EQ(search.replace(request), 2u);
    // Expected: the whole replace, over two tokens and four attributes, is one step.
    EXPECT_EQ(doc.undoCount(), before + 1);
    ASSERT_EQ(search.removeAutomaticChangeMarks(), 2u);
    EXPECT_EQ(doc.undoCount(), before + 2);

    // Undoing twice brings back every value, the "auto" marks going last.
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(attributeValue(token("l1_s2"), "auto"), "+");
    EXPECT_EQ(attributeValue(token("l4_s1"), "auto"), "+");
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(attributeValue(token("l1_s2"), "liik"), "V");
    EXPECT_EQ(attributeValue(token("l4_s1"), "lemma"), "Kala");
    EXPECT_FALSE(token("l1_s2").attribute("auto"));
    EXPECT_FALSE(token("l4_s1").attribute("auto"));
}

TEST_F(TextSearchTest, GoToPage)
{
    struct Case {
        const char* page;
        const char* expected;  // the current token afterwards
        const char* message;
    };
    const Case cases[] = {
        {"5", "l2_s2", ""},
        {"4", "l1_s3", ""},
        {"7", "l1_s3", "Ei leidnud lehekülge"},  // only a sentence carries page 7
        {"05", "l1_s3", "Ei leidnud lehekülge"}, // compared exactly
        {"", "l1_s3", ""},                       // empty entry: nothing happens
    };
    for (const Case& c : cases) {
        prompter.clear();
        search.goToPage(c.page);
        EXPECT_EQ(currentId(), c.expected) << c.page;
        EXPECT_EQ(prompter.lastText(), c.message) << c.page;
        if (!prompter.entries().empty()) {
            EXPECT_EQ(prompter.entries()[0].title, "Viga");
            EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Error);
        }
    }
}

struct IdCase {
    const char* name;
    int sentence;
    int token;
    std::string clipboard;
    const char* expected;  // current token afterwards (start is l1_s1)
    const char* message;
    const char* caption;
};

class GoToIdentifierTest : public TextSearchTest, public ::testing::WithParamInterface<IdCase> {};

TEST_P(GoToIdentifierTest, ByNumbersAndFromTheClipboard)
{
    const IdCase& c = GetParam();
    // The numbers of the dialog.
    search.goToIdentifier(c.sentence, c.token);
    EXPECT_EQ(currentId(), c.expected);
    if (*c.message) {
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_EQ(prompter.entries()[0].text,
                  "Ei leia " + std::to_string(c.sentence) + ", " + std::to_string(c.token) + ".");
        EXPECT_EQ(prompter.entries()[0].title, c.caption);
    } else {
        EXPECT_TRUE(prompter.entries().empty());
    }
    // The same identifier as text on the clipboard.
    goTo("l1_s1");
    prompter.clear();
    search.goToClipboardIdentifier(c.clipboard);
    EXPECT_EQ(currentId(), c.expected);
    if (*c.message) {
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_EQ(prompter.entries()[0].text, "Ei leia " + std::string(trimBlanks(c.clipboard)) + ".");
        EXPECT_EQ(prompter.entries()[0].title, c.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoToIdentifierTest,
    ::testing::Values(
        IdCase{"Found", 2, 2, "l2_s2", "l2_s2", "", ""},
        IdCase{"FoundPastEmptySentence", 4, 1, "l4_s1\r\n", "l4_s1", "", ""},
        IdCase{"TokenMissingGoesToLast", 2, 9, "l2_s9", "l2_s2", "x", "ID viga"},
        IdCase{"SentenceMissing", 9, 1, "l9_s1", "l1_s1", "x", "ID otsing"},
        IdCase{"SentenceWithoutTokens", 3, 1, "l3_s1", "l1_s1", "x", "ID otsing"},
        IdCase{"ZeroIsNotAPosition", 0, 1, "l0_s1", "l1_s1", "x", "ID otsing"}),
    test::ByName());

TEST_F(TextSearchTest, ClipboardTextThatIsNoIdentifier)
{
    struct Case {
        std::string clipboard;
        std::string message;
        const char* caption;
    };
    const Case cases[] = {
        {"", "Lõikelaud tühi", "Otsing"},
        {" \n", "Lõikelaud tühi", "Otsing"},
        {"kala", "Ei leia kala.", "ID otsing"},
        {"l2_x2", "Ei leia l2_x2.", "ID otsing"},
        {"l99999999999_s1", "Ei leia l99999999999_s1.", "ID otsing"},
    };
    for (const Case& c : cases) {
        prompter.clear();
        EXPECT_FALSE(search.goToClipboardIdentifier(c.clipboard));
        EXPECT_EQ(currentId(), "l1_s1");
        ASSERT_EQ(prompter.entries().size(), 1u) << c.clipboard;
        EXPECT_EQ(prompter.entries()[0].text, c.message);
        EXPECT_EQ(prompter.entries()[0].title, c.caption);
    }
}

TEST_F(TextSearchTest, RememberedPositionSurvivesRemovalOfItsToken)
{
    struct Case {
        const char* remembered;
        const char* removed;  // identifier of the token or sentence that is removed
        const char* expected; // where the position is afterwards ("" for none)
    };
    const Case cases[] = {
        {"l1_s2", "l1_s2", "l1_s3"},  // the next token of the sentence
        {"l1_s3", "l1_s3", "l1_s2"},  // the last one: the previous token
        {"l1_s2", "l1", "l2_s1"},     // its sentence: the next sentence's first token
        {"l4_s1", "l4", "l2_s2"},     // the last sentence: back over the empty one
        {"l1_s2", "l2_s1", "l1_s2"},  // another token: stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
        goTo(c.remembered);
        search.rememberPosition();
        XmlNode removed;
        for (XmlNode t = firstTokenOfText(doc); t && !removed; t = followingToken(t)) {
            if (attributeValue(t, "id") == c.removed)
                removed = t;
            else if (attributeValue(t.parent(), "id") == c.removed)
                removed = t.parent();
        }
        ASSERT_TRUE(doc.removeNode(removed));
        EXPECT_EQ(attributeValue(search.rememberedPosition(), "id"), c.expected);
        goTo("l2_s2");
        EXPECT_TRUE(search.goToRememberedPosition());
        EXPECT_EQ(currentId(), c.expected);
    }
}

TEST_F(TextSearchTest, RememberedPositionIsDroppedWithNothingLeftOrANewText)
{
    goTo("l2_s2");
    search.rememberPosition();
    doc.removeNode(doc.body());
    EXPECT_FALSE(search.rememberedPosition());

    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    EXPECT_FALSE(search.goToRememberedPosition());
    goTo("l2_s2");
    search.rememberPosition();
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    EXPECT_FALSE(search.rememberedPosition());
    EXPECT_EQ(currentId(), "l1_s1");
}

TEST(TextSearchLifetime, OutlivedByTheDocument)
{
    // The remembered position unregisters itself: removals after the search is gone are safe.
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    {
        TextSearch search(doc);
        search.rememberPosition();
    }
    EXPECT_TRUE(doc.removeNode(doc.firstToken()));
}

}  // namespace
}  // namespace pelmora
