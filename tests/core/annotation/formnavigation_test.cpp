#include "annotation/formnavigation.h"
#include "text/pelmoradoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmora {
namespace {

// l1: a(lemma) B(meta) a ; l2: c a(lemma, meta) ; l3: d
const char* const kText =
    "<pelmora><info/><sisu>"
    "<lause id=\"l1\" helipos=\"125\"><sone id=\"l1_s1\" lemma=\"a\">a</sone><sone id=\"l1_s2\" meta=\"vahemärk\">,</sone>"
    "<sone id=\"l1_s3\">A</sone></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\">c</sone><sone id=\"l2_s2\" lemma=\"a\" meta=\"number\">a</sone></lause>"
    "<lause id=\"l3\" helipos=\"x\"><sone id=\"l3_s1\" lemma=\"d\">d</sone></lause>"
    "</sisu></pelmora>";

class FormNavigationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml")); }
    XmlNode token(const std::string& id)
    {
        for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t)) {
            if (CPelmoraDoc::attribute(t, "id") == id)
                return t;
        }
        return XmlNode();
    }
    std::string currentId() const { return CPelmoraDoc::attribute(doc.currentToken(), "id"); }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
};

struct TargetCase {
    const char* name;
    const char* from;
    NavigationKind kind;
    const char* expected;  // "" for none
};

class NavigationTarget : public FormNavigationTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(NavigationTarget, FindsTheTokenOfItsKind)
{
    const TargetCase& c = GetParam();
    // Colour marking stands in for the text view: the token "c" is coloured.
    const MarkedTokenTest marked = [](XmlNode t) { return CPelmoraDoc::tokenText(t) == "c"; };
    const XmlNode found = findNavigationTarget(token(c.from), c.kind, marked);
    EXPECT_EQ(CPelmoraDoc::attribute(found, "id"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NavigationTarget,
    ::testing::Values(TargetCase{"NextInSentence", "l1_s1", NavigationKind::NextToken, "l1_s2"},
                      TargetCase{"NextAcrossSentences", "l1_s3", NavigationKind::NextToken, "l2_s1"},
                      TargetCase{"NextAfterLast", "l3_s1", NavigationKind::NextToken, ""},
                      TargetCase{"SameWordIgnoresCase", "l1_s1", NavigationKind::SameWord, "l1_s3"},
                      TargetCase{"SameWordInLaterSentence", "l1_s3", NavigationKind::SameWord, "l2_s2"},
                      TargetCase{"SameWordNone", "l2_s2", NavigationKind::SameWord, ""},
                      TargetCase{"WithoutLemma", "l1_s1", NavigationKind::WithoutLemma, "l1_s2"},
                      TargetCase{"WithoutLemmaNone", "l2_s1", NavigationKind::WithoutLemma, ""},
                      TargetCase{"ColourMarked", "l1_s1", NavigationKind::ColourMarked, "l2_s1"},
                      TargetCase{"NeedsTaggingSkipsMeta", "l1_s1", NavigationKind::NeedsTagging, "l1_s3"},
                      TargetCase{"NeedsTaggingSkipsMetaAcross", "l2_s1", NavigationKind::NeedsTagging, "l3_s1"},
                      TargetCase{"NeedsTaggingWithoutLemma", "l1_s3", NavigationKind::NeedsTaggingWithoutLemma, "l2_s1"},
                      TargetCase{"NeedsTaggingWithoutLemmaNone", "l2_s1", NavigationKind::NeedsTaggingWithoutLemma,
                                 ""}),
    [](const ::testing::TestParamInfo<TargetCase>& row) { return std::string(row.param.name); });

TEST_F(FormNavigationTest, ColourMarkedWithoutATestFindsNothing)
{
    EXPECT_FALSE(findNavigationTarget(token("l1_s1"), NavigationKind::ColourMarked, {}));
}

TEST_F(FormNavigationTest, AudioLabelFromTheSentence)
{
    EXPECT_EQ(audioPositionLabel(CPelmoraDoc::sentenceOf(token("l1_s1"))), "2 min 5 s");
    EXPECT_EQ(audioPositionLabel(CPelmoraDoc::sentenceOf(token("l2_s1"))), "määramata");
    EXPECT_EQ(audioPositionLabel(CPelmoraDoc::sentenceOf(token("l3_s1"))), "määramata");
    EXPECT_EQ(audioPositionLabel(XmlNode()), "määramata");
}

TEST_F(FormNavigationTest, LastTokenSaysNoMoreWordsAndChangesNothing)
{
    FormNavigation nav(doc);
    doc.setCurrentToken(token("l3_s1"));
    int left = 0;
    EXPECT_EQ(nav.showNext(NavigationKind::NextToken, {}, [&](XmlNode) { ++left; }), ShowNextResult::NoMoreTokens);
    EXPECT_EQ(prompter.lastText(), "Rohkem sõnu pole");
    EXPECT_EQ(prompter.entries().back().title, "Teade");
    EXPECT_EQ(prompter.entries().back().kind, MessageKind::Warning);
    EXPECT_EQ(left, 0);
    EXPECT_FALSE(nav.canGoBack());
}

TEST_F(FormNavigationTest, NothingSuitableLeavesTheSentenceAndTheHistory)
{
    FormNavigation nav(doc);
    doc.setCurrentToken(token("l2_s1"));
    std::vector<std::string> left;
    const auto record = [&](XmlNode s) { left.push_back(CPelmoraDoc::attribute(s, "id")); };
    EXPECT_EQ(nav.showNext(NavigationKind::WithoutLemma, {}, record), ShowNextResult::NoSuitableToken);
    EXPECT_EQ(prompter.lastText(), "Rohkem sobivaid sõnu pole");
    EXPECT_EQ(currentId(), "l2_s1");
    EXPECT_FALSE(nav.canGoBack());
    // No token reached counts as leaving the sentence.
    EXPECT_EQ(left, std::vector<std::string>{"l2"});
}

TEST_F(FormNavigationTest, HistoryKeepsFiveAndBackEmptiesIt)
{
    FormNavigation nav(doc);
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(nav.showNext(NavigationKind::NextToken, {}, {}), ShowNextResult::Moved);
    // Five moves: l1_s1 .. l2_s2 left; the sixth goes to l3_s1 and drops the oldest.
    EXPECT_EQ(nav.historySize(), 5u);
    EXPECT_EQ(currentId(), "l3_s1");
    ASSERT_EQ(nav.showNext(NavigationKind::NextToken, {}, {}), ShowNextResult::NoMoreTokens);
    doc.setCurrentToken(token("l1_s1"));
    for (int i = 0; i < 4; ++i)
        nav.showNext(NavigationKind::NextToken, {}, {});
    // Now at l2_s2, history full with five older entries.
    EXPECT_EQ(nav.historySize(), 5u);
    const std::vector<std::string> expected = {"l2_s1", "l1_s3", "l1_s2", "l1_s1", "l2_s2"};
    std::vector<std::string> visited;
    while (nav.canGoBack()) {
        ASSERT_TRUE(nav.back());
        visited.push_back(currentId());
    }
    EXPECT_EQ(visited, expected);
    EXPECT_FALSE(nav.back());
}

TEST_F(FormNavigationTest, BackAfterTheUserWentElsewhereReturnsToTheLastReached)
{
    FormNavigation nav(doc);
    nav.showNext(NavigationKind::NextToken, {}, {});  // l1_s2
    doc.setCurrentToken(token("l3_s1"));               // a click in the text
    ASSERT_TRUE(nav.back());
    // The first Back returns to the token reached, the history stays.
    EXPECT_EQ(currentId(), "l1_s2");
    EXPECT_EQ(nav.historySize(), 1u);
    ASSERT_TRUE(nav.back());
    EXPECT_EQ(currentId(), "l1_s1");
    EXPECT_FALSE(nav.canGoBack());
}

TEST_F(FormNavigationTest, RemovedTokensLeaveTheHistory)
{
    FormNavigation nav(doc);
    nav.showNext(NavigationKind::NextToken, {}, {});  // l1_s2, history l1_s1
    nav.showNext(NavigationKind::NextToken, {}, {});  // l1_s3, history l1_s2 l1_s1
    ASSERT_TRUE(doc.removeNode(token("l1_s2")));
    EXPECT_EQ(nav.historySize(), 1u);
    ASSERT_TRUE(doc.removeNode(token("l1_s3")));
    // The last reached token is gone: Back goes to the history's token without touching the removed one.
    doc.setCurrentToken(token("l2_s1"));
    ASSERT_TRUE(nav.back());
    EXPECT_EQ(currentId(), "l1_s1");
}

}  // namespace
}  // namespace pelmora
