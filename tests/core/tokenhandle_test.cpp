#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/tokenhandle.h"
#include "text/editing.h"

#include <functional>
#include <gtest/gtest.h>
#include <unordered_set>

namespace pelmora {
namespace {

const char* const kText =
    "<pelmora><info><lindistus fail=\"a.mp3\"/></info><sisu>"
    "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
    "<yhend id=\"l1_s2_s3\"/></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\">d</sone></lause>"
    "<lause id=\"l3\"><sone id=\"l3_s1\">e</sone><sone id=\"l3_s2\">f</sone></lause>"
    "</sisu></pelmora>";

// Stands in for the text view's laid-out boxes: one handle per token, rebuilt when the layout
// revision moves, and dropped box by box when a token goes before the rebuild.
class LayoutBoxes final : public DocumentObserver {
public:
    explicit LayoutBoxes(CPelmoraDoc& doc) : m_doc(doc) { m_doc.addObserver(this); rebuild(); }
    ~LayoutBoxes() override { m_doc.removeObserver(this); }
    void documentUpdated() override
    {
        if (m_revision != m_doc.layoutRevision())
            rebuild();
    }
    void nodeAboutToBeRemoved(XmlNode node) override
    {
        std::erase_if(boxes, [&](XmlNode token) { return isInSubtree(token, node); });
    }
    void documentAboutToBeCleared() override { boxes.clear(); }
    std::vector<XmlNode> boxes;

private:
    void rebuild()
    {
        boxes.clear();
        for (XmlNode s = firstChildElement(m_doc.body(), "lause"); s; s = nextSiblingElement(s, "lause"))
            for (XmlNode t = firstChildElement(s, "sone"); t; t = nextSiblingElement(t, "sone"))
                boxes.push_back(t);
        m_revision = m_doc.layoutRevision();
    }
    CPelmoraDoc& m_doc;
    std::int32_t m_revision = 0;
};

std::unordered_set<const void*> liveNodes(XmlNode node)
{
    std::unordered_set<const void*> live;
    std::function<void(XmlNode)> walk = [&](XmlNode n) {
        live.insert(n.internal_object());
        for (XmlNode child = n.first_child(); child; child = child.next_sibling())
            walk(child);
    };
    walk(node);
    return live;
}

XmlNode tokenWithText(const CPelmoraDoc& doc, const char* text)
{
    for (XmlNode s = firstChildElement(doc.body(), "lause"); s; s = nextSiblingElement(s, "lause"))
        for (XmlNode t = firstChildElement(s, "sone"); t; t = nextSiblingElement(t, "sone"))
            if (CPelmoraDoc::tokenText(t) == text)
                return t;
    return {};
}

struct HolderCase {
    const char* name;
    const char* current;
    std::function<bool(CPelmoraDoc&)> operation;
    const char* movedFrom;  // the token the moving holders sit on
    const char* movedTo;    // where they are expected afterwards ("" for none)
};

class Holders : public ::testing::TestWithParam<HolderCase> {};

// Every kind of holder keeps only live handles through the edit, its undo and its redo; moving
// holders land on the expected neighbour. Under AddressSanitizer a stale handle read also fails.
TEST_P(Holders, NeverKeepADanglingHandle)
{
    const HolderCase& c = GetParam();
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(true);
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));

    TokenHandle remembered(doc);                              // the remembered position
    TokenHandle lastReached(doc);                             // the form's last reached token
    TokenHandleList history(doc, OnTokenRemoved::Drop);       // the form's back history
    TokenHandleList selection(doc, OnTokenRemoved::Drop);     // the combination selection
    TokenHandleList everyToken(doc, OnTokenRemoved::MoveToNeighbour);
    LayoutBoxes boxes(doc);

    ASSERT_TRUE(doc.setCurrentToken(tokenWithText(doc, c.current)));
    remembered.set(tokenWithText(doc, c.movedFrom));
    lastReached.set(tokenWithText(doc, c.movedFrom));
    for (const char* text : {"a", "b", "c", "d", "e", "f"}) {
        history.pushFront(tokenWithText(doc, text), 5);
        everyToken.pushFront(tokenWithText(doc, text), 10);
    }
    selection.pushFront(tokenWithText(doc, "b"), 2);
    selection.pushFront(tokenWithText(doc, c.movedFrom), 2);

    const auto checkAllLive = [&](const char* when) {
        const auto live = liveNodes(doc.xml().documentNode());
        std::vector<XmlNode> held{doc.currentToken(), remembered.token(), lastReached.token()};
        for (const std::vector<XmlNode>* list : std::initializer_list<const std::vector<XmlNode>*>{&history.tokens(), &selection.tokens(), &everyToken.tokens(), &boxes.boxes})
            held.insert(held.end(), list->begin(), list->end());
        for (const XmlNode node : held) {
            if (!node)
                continue;
            ASSERT_TRUE(live.count(node.internal_object())) << when;
            ASSERT_STREQ(node.name(), "sone") << when;
        }
    };

    ASSERT_TRUE(c.operation(doc));
    checkAllLive("after the edit");
    EXPECT_EQ(CPelmoraDoc::tokenText(remembered.token()), c.movedTo);
    EXPECT_EQ(CPelmoraDoc::tokenText(lastReached.token()), c.movedTo);
    ASSERT_TRUE(doc.undo());
    checkAllLive("after undo");
    ASSERT_TRUE(doc.redo());
    checkAllLive("after redo");
    ASSERT_TRUE(doc.undo());
    checkAllLive("after the second undo");
    doc.closeDocument();
    EXPECT_FALSE(remembered.token());
    EXPECT_TRUE(history.empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Holders, ::testing::Values(
    HolderCase{"DeleteMovesToTheNextToken", "b", [](CPelmoraDoc& d) { return deleteToken(d); }, "b", "c"},
    HolderCase{"DeleteLastMovesToThePrevious", "c", [](CPelmoraDoc& d) { return deleteToken(d); }, "c", "b"},
    HolderCase{"DeleteOnlyTokenMovesToTheNextSentence", "d", [](CPelmoraDoc& d) { return deleteToken(d); }, "d", "e"},
    HolderCase{"DeleteOfOtherTokenLeavesHolders", "a", [](CPelmoraDoc& d) { return deleteToken(d); }, "e", "e"},
    HolderCase{"MergeKeepsHandlesOnTheMovedTokens", "a", [](CPelmoraDoc& d) { return mergeSentences(d, "l3"); }, "f", "f"},
    HolderCase{"MergeOfEarlierSentence", "e", [](CPelmoraDoc& d) { return mergeSentences(d, "l1"); }, "b", "b"},
    HolderCase{"SplitKeepsHandles", "a", [](CPelmoraDoc& d) { return splitSentence(d); }, "c", "c"},
    HolderCase{"AddThenUndoRemovesTheNewToken", "f", [](CPelmoraDoc& d) { return addToken(d, "g"); }, "f", "f"},
    HolderCase{"RemoveWholeSentence", "a", [](CPelmoraDoc& d) { return d.removeNode(d.body().first_child()); }, "b", "d"},
    HolderCase{"AudioPosition", "e", [](CPelmoraDoc& d) { return setAudioPosition(d, 0, 3); }, "e", "e"}),
    test::ByName());

TEST(TokenHandles, UndoOfAnAddMovesHoldersOffTheRemovedToken)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    TokenHandle remembered(doc);
    TokenHandle dropped(doc, OnTokenRemoved::Drop);
    ASSERT_TRUE(addToken(doc, "uus"));
    remembered.set(CPelmoraDoc::nextToken(doc.currentToken()));
    dropped.set(remembered.token());
    ASSERT_EQ(CPelmoraDoc::tokenText(remembered.token()), "uus");
    // Expected: undo removes the new token; the moving holder goes to its next token, the other drops.
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(CPelmoraDoc::tokenText(remembered.token()), "b");
    EXPECT_FALSE(dropped.token());
}

TEST(TokenHandles, HistoryKeepsItsLimitAndOrder)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    TokenHandleList history(doc);
    for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t))
        history.pushFront(t, 5);
    history.pushFront(XmlNode(), 5);
    ASSERT_EQ(history.size(), 5u);
    EXPECT_EQ(CPelmoraDoc::tokenText(history.takeFront()), "f");
    EXPECT_EQ(CPelmoraDoc::tokenText(history.tokens().back()), "b");
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

struct NeighbourCase {
    const char* name;
    std::function<XmlNode(const CPelmoraDoc&)> removed;
    const char* expected;  // text of the neighbour, "" for none
};

class Neighbour : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(Neighbour, IsTheNearestTokenOutsideTheRemovedPart)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        "<pelmora><sisu><lause><sone>a</sone><sone>b</sone></lause><lause/><lause><sone>c</sone></lause>"
        "<lause><sone>d</sone><sone>e</sone></lause></sisu></pelmora>",
        "t.xml"));
    EXPECT_EQ(CPelmoraDoc::tokenText(neighbourOutside(GetParam().removed(doc))), GetParam().expected);
}

XmlNode sentenceAt(const CPelmoraDoc& doc, int n)
{
    XmlNode s = firstChildElement(doc.body(), "lause");
    while (--n > 0)
        s = nextSiblingElement(s, "lause");
    return s;
}

INSTANTIATE_TEST_SUITE_P(Cases, Neighbour, ::testing::Values(
    NeighbourCase{"FirstTokenGoesToNext", [](const CPelmoraDoc& d) { return d.firstToken(); }, "b"},
    NeighbourCase{"LastTokenGoesToPrevious", [](const CPelmoraDoc& d) { return d.lastToken(); }, "d"},
    NeighbourCase{"OnlyTokenGoesToTheNextSentence", [](const CPelmoraDoc& d) { return firstChildElement(sentenceAt(d, 3), "sone"); }, "d"},
    NeighbourCase{"SentenceBeforeAnEmptyOne", [](const CPelmoraDoc& d) { return sentenceAt(d, 1); }, "c"},
    NeighbourCase{"LastSentenceGoesBack", [](const CPelmoraDoc& d) { return sentenceAt(d, 4); }, "c"},
    NeighbourCase{"TheBodyHasNone", [](const CPelmoraDoc& d) { return d.body(); }, ""}),
    test::ByName());

}  // namespace
}  // namespace pelmora
