#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/editing.h"

#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

const char* const kText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><?xml-stylesheet type=\"text/xsl\" href=\"pelmora_tekst.xsl\"?>"
    "<pelmora><info><tyyp>suuline</tyyp><teema>kalad</teema></info><sisu id=\"t\">"
    "<lause id=\"l1\" koneleja=\"k\"><sone id=\"l1_s1\" lemma=\"a\" liik=\"S\" vorm=\"sg.nom.\">a</sone>"
    "<!--note--><sone id=\"l1_s2\">b<x/>tail</sone><sone id=\"l1_s3\">c</sone><yhend id=\"l1_s1_s3\"/></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\" yhend=\"+\">d</sone><sone id=\"l2_s2\">e</sone></lause>"
    "</sisu></pelmora>";

XmlNode sentence(CPelmoraDoc& doc, int n)
{
    XmlNode s = firstChildElement(doc.body(), "lause");
    while (--n > 0)
        s = nextSiblingElement(s, "lause");
    return s;
}
XmlNode token(CPelmoraDoc& doc, int n, int m)
{
    XmlNode t = firstChildElement(sentence(doc, n), "sone");
    while (--m > 0)
        t = nextSiblingElement(t, "sone");
    return t;
}

struct GenericCase {
    const char* name;
    std::function<void(CPelmoraDoc&)> change;
};

class GenericChange : public ::testing::TestWithParam<GenericCase> {};

// Every generic change undoes to the exact tree (attribute order, text nodes, comments) and redoes
// to the exact changed tree, with the modified flag following the saved state.
TEST_P(GenericChange, UndoAndRedoRestoreTheTreeExactly)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    XmlDocument before;
    ASSERT_TRUE(before.loadFromBuffer(doc.xml().serialize()));

    GetParam().change(doc);
    ASSERT_TRUE(doc.isModified());
    ASSERT_EQ(doc.undoCount(), 1u);
    XmlDocument after;
    ASSERT_TRUE(after.loadFromBuffer(doc.xml().serialize()));
    ASSERT_NE(test::treeDifference(after.documentNode(), before.documentNode()), "");

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), before.documentNode()), "");
    EXPECT_FALSE(doc.isModified());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), after.documentNode()), "");
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.canRedo());
}

INSTANTIATE_TEST_SUITE_P(Cases, GenericChange, ::testing::Values(
    GenericCase{"NewAttributeGoesLast", [](CPelmoraDoc& d) { d.setNodeAttribute(token(d, 1, 1), "tahendus", "x"); }},
    GenericCase{"ChangedAttributeKeepsPlace", [](CPelmoraDoc& d) { d.setNodeAttribute(token(d, 1, 1), "lemma", "z"); }},
    GenericCase{"RemovedMiddleAttributeComesBackInPlace", [](CPelmoraDoc& d) { d.setLemma(token(d, 1, 1), ""); }},
    GenericCase{"EveryTokenSetter", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        const XmlNode first = token(d, 1, 1);
        d.setMeaning(first, "m"); d.setComment(first, "k"); d.setPartOfSpeech(first, "V"); d.setForm(first, "");
        d.setMeta(first, "muu"); d.setLatvian(first, "l"); d.setEnglish(first, "e"); d.setStyle(first, "pealkiri");
    }},
    GenericCase{"SameAttributeTwiceAndTokensInterleaved", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        const XmlNode first = token(d, 1, 1);
        d.setLemma(first, ""); d.setLemma(first, "q"); d.setPartOfSpeech(first, "");
        d.setMeaning(token(d, 1, 2), "m");
        d.setMeaning(first, "n"); d.setLemma(first, "r");
    }},
    GenericCase{"TextOfMixedContent", [](CPelmoraDoc& d) { d.setTokenText(token(d, 1, 2), "bb"); }},
    GenericCase{"TextIntoElementWithoutText", [](CPelmoraDoc& d) { d.setNodeText(firstChildElement(token(d, 1, 2), "x"), "new"); }},
    GenericCase{"TextBeforeAComment", [](CPelmoraDoc& d) { d.setNodeText(sentence(d, 1), "lead"); }},
    GenericCase{"AppendedElementWithAttributes", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        const XmlNode infoNode = firstChildElement(d.xml().root(), "info");
        const XmlNode added = d.appendElement(infoNode, "lindistus");
        d.setNodeText(added, "ref");
        d.setNodeAttribute(added, "lindistaja", "");
        d.setNodeAttribute(added, "fail", "a.mp3");
    }},
    GenericCase{"InsertedBeforeAndAfter", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        const XmlNode root = d.xml().root();
        const XmlNode infoNode = firstChildElement(root, "info");
        d.insertElementBefore(root, "eel", infoNode);
        d.insertElementAfter(infoNode, "keel", firstChildElement(infoNode, "tyyp"));
    }},
    GenericCase{"RemovedSubtreeWithCommentAndMixedContent", [](CPelmoraDoc& d) { d.removeNode(sentence(d, 1)); }},
    GenericCase{"RemovedSeveralInOneStep", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        d.removeNode(token(d, 2, 1));
        d.removeNode(firstChildElement(firstChildElement(d.xml().root(), "info"), "teema"));
        d.removeNode(token(d, 1, 3));
    }},
    GenericCase{"MovedAcrossSentences", [](CPelmoraDoc& d) {
        CPelmoraDoc::ChangeGroup group(d);
        d.moveNodeAfter(token(d, 1, 1), token(d, 2, 2));
        d.moveNodeToEnd(token(d, 1, 1), sentence(d, 2));
    }}),
    test::ByName());

// A long mixed sequence of commands undoes step by step to the opened text and redoes to the end.
TEST(UndoSequence, EveryStepBackAndForth)
{
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(true);
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    std::vector<std::string> states{doc.xml().serialize()};
    const std::vector<std::function<bool()>> commands = {
        [&] { return addToken(doc, "x"); },
        [&] { return splitSentence(doc); },
        [&] { return doc.goToNextSentence() && setAudioPosition(doc, -1, -1) == false && addToken(doc, "y"); },
        [&] { return mergeSentences(doc, "l1"); },
        [&] { return modifyToken(doc, "Z"); },
        [&] { doc.setLemma(doc.currentToken(), "zeta"); return true; },
        [&] { return doc.goToFirstToken() && deleteToken(doc); },
        [&] { return doc.goToLastToken() && deleteToken(doc); },
        [&] { return doc.goToFirstToken() && doc.goToNextToken() && splitSentence(doc); },
        [&] { return mergeSentences(doc, "l3"); },
    };
    for (const auto& command : commands) {
        ASSERT_TRUE(command()) << states.size();
        states.push_back(doc.xml().serialize());
    }
    EXPECT_EQ(doc.undoCount(), commands.size());
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.undo());
        ASSERT_EQ(doc.xml().serialize(), states[i]) << "after undoing to state " << i;
    }
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(doc.redo());
        ASSERT_EQ(doc.xml().serialize(), states[i]) << "after redoing to state " << i;
    }
    EXPECT_TRUE(doc.isModified());
}

TEST(UndoGrouping, OneStepPerGroupAndNoneForNoChange)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    {
        CPelmoraDoc::ChangeGroup outer(doc);
        doc.setLemma(token(doc, 1, 1), "p");
        {
            CPelmoraDoc::ChangeGroup inner(doc);
            doc.setLemma(token(doc, 1, 2), "q");
        }
        // Expected: nothing can be undone while a group is open.
        EXPECT_FALSE(doc.canUndo());
        EXPECT_FALSE(doc.undo());
    }
    EXPECT_EQ(doc.undoCount(), 1u);
    {
        // A group whose changes set values to what they are leaves no step.
        CPelmoraDoc::ChangeGroup group(doc);
        doc.setLemma(token(doc, 1, 1), "p");
    }
    EXPECT_EQ(doc.undoCount(), 1u);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(CPelmoraDoc::attribute(token(doc, 1, 1), "lemma"), "a");
    EXPECT_EQ(CPelmoraDoc::attribute(token(doc, 1, 2), "lemma"), "");
}

// Observers hear of the history when the outermost group closes, after undo and redo, and when
// a text is opened or closed; not while a group is open.
TEST(UndoNotice, ComesWhenTheHistoryChanges)
{
    struct Listener : DocumentObserver {
        const CPelmoraDoc* doc = nullptr;
        std::vector<std::string> heard;  // the undo step's name at each notice
        void historyChanged() override { heard.push_back(doc->canUndo() ? doc->undoName() : "-"); }
    };
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    Listener listener;
    listener.doc = &doc;
    doc.addObserver(&listener);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    ASSERT_FALSE(listener.heard.empty());
    EXPECT_EQ(listener.heard.back(), "-");
    listener.heard.clear();
    {
        CPelmoraDoc::ChangeGroup outer(doc, "kaks");
        doc.setTokenAttribute(token(doc, 1, 1), TokenAttribute::Lemma, "p");
        doc.setTokenAttribute(token(doc, 1, 2), TokenAttribute::Lemma, "q");
        // Expected: the nested groups of the two changes closed without a notice.
        EXPECT_TRUE(listener.heard.empty());
    }
    doc.setTokenAttribute(token(doc, 1, 3), TokenAttribute::Lemma, "r");
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.redo());
    doc.closeDocument();
    EXPECT_EQ(listener.heard, (std::vector<std::string>{"kaks", "", "kaks", "", "-"}));
    doc.removeObserver(&listener);
}

TEST(UndoGrouping, CancelPutsTheOpenGroupBack)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    const std::string before = doc.xml().serialize();
    const XmlNode current = doc.currentToken();
    {
        CPelmoraDoc::ChangeGroup group(doc);
        doc.setLemma(token(doc, 1, 1), "p");
        doc.removeNode(token(doc, 2, 1));
        doc.appendElement(sentence(doc, 1), "sone");
        doc.removeNode(sentence(doc, 1));
        doc.cancelChanges();
    }
    EXPECT_EQ(doc.xml().serialize(), before);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "id"), CPelmoraDoc::attribute(current, "id"));
}

TEST(UndoModifiedFlag, FollowsTheSavedState)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    doc.setLemma(token(doc, 1, 1), "one");
    doc.setLemma(token(doc, 1, 1), "two");
    ASSERT_TRUE(doc.saveDocument(dir.file("t.xml")));
    // Expected: undoing away from the saved state modifies, redoing back clears.
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.redo());
    EXPECT_FALSE(doc.isModified());
    // A new change after an undo drops the redo steps, and the saved state is then out of reach.
    ASSERT_TRUE(doc.undo());
    doc.setLemma(token(doc, 1, 1), "three");
    EXPECT_FALSE(doc.canRedo());
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
    // Opening a text forgets the history.
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
}

TEST(UndoLimit, ForgetsTheOldestSteps)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    doc.setUndoLimit(3);
    for (const char* lemma : {"1", "2", "3", "4", "5"})
        doc.setLemma(token(doc, 1, 1), lemma);
    EXPECT_EQ(doc.undoCount(), 3u);
    while (doc.undo()) {
    }
    // Expected: back at "2", which is not the opened state.
    EXPECT_EQ(CPelmoraDoc::attribute(token(doc, 1, 1), "lemma"), "2");
    EXPECT_TRUE(doc.isModified());
}

// Identifiers that were not dense, or missing, come back exactly after renumbering is undone.
TEST(UndoRenumbering, RestoresIdentifiersThatWereNotDense)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    const char* text =
        "<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone></lause>"
        "<lause id=\"x7\"><sone id=\"l9_s1\">c</sone><sone>d</sone><yhend id=\"x7_s1_s2\"/><yhend/></lause>"
        "<lause><sone id=\"l3_s1\">e</sone><sone id=\"l3\">f</sone></lause>"
        "<lause id=\"l5\"><sone id=\"l5_s1\">g</sone></lause>"
        "<lause id=\"l5\"><sone id=\"l5_s1\">h</sone></lause></sisu></pelmora>";
    ASSERT_TRUE(doc.openFromBuffer(text, "t.xml"));
    XmlDocument before;
    ASSERT_TRUE(before.loadFromBuffer(doc.xml().serialize()));
    ASSERT_TRUE(splitSentence(doc));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), before.documentNode()), "");
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(CPelmoraDoc::attribute(sentence(doc, 6), "id"), "l6");
    EXPECT_EQ(CPelmoraDoc::attribute(token(doc, 4, 1), "id"), "l4_s1");
}

std::string bigText(int sentences, int tokens)
{
    std::string text = "<pelmora><sisu>";
    for (int s = 1; s <= sentences; ++s) {
        const std::string sid = "l" + std::to_string(s);
        text += "<lause id=\"" + sid + "\">";
        for (int t = 1; t <= tokens; ++t)
            text += "<sone id=\"" + sid + "_s" + std::to_string(t) + "\" lemma=\"sõna\" liik=\"S\" vorm=\"sg.nom.\">sõna</sone>";
        text += "<yhend id=\"" + sid + "_s1_s2\"/></lause>";
    }
    return text + "</sisu></pelmora>";
}

// A token edit costs about its sentence, not the whole text; structural edits cost about what
// they touch (renumbering keeps a few bytes per later sentence).
TEST(UndoMemory, StaysAboutTheSizeOfWhatChanged)
{
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(true);
    CPelmoraDoc doc(prompter);
    const std::string text = bigText(1000, 20);
    ASSERT_TRUE(doc.openFromBuffer(text, "big.xml"));
    const std::size_t sentenceBytes = text.size() / 1000;
    ASSERT_TRUE(doc.setCurrentToken(token(doc, 500, 10)));

    std::size_t used = doc.undoMemoryUse();
    {
        CPelmoraDoc::ChangeGroup group(doc);
        doc.setLemma(doc.currentToken(), "teine");
        doc.setMeaning(doc.currentToken(), "other");
        doc.setForm(doc.currentToken(), "");
    }
    EXPECT_LT(doc.undoMemoryUse() - used, 1500u);

    // Expected: a fraction of the sentence for a text edit, a few sentences' worth for edits that
    // move or renumber the tokens of one or two sentences (the later sentences' renumbering is
    // recorded as one shifted run, whatever the length of the text).
    struct Command {
        const char* name;
        std::function<bool()> run;
        std::size_t limit;  // in serialized sentences
    };
    const Command commands[] = {
        {"modify", [&] { return modifyToken(doc, "uus"); }, 1},
        {"add", [&] { return addToken(doc, "lisa"); }, 2},
        {"delete", [&] { return deleteToken(doc); }, 2},
        {"split", [&] { return splitSentence(doc); }, 8},
        {"merge", [&] { return mergeSentences(doc, "l501"); }, 8},
    };
    for (const auto& [name, command, limit] : commands) {
        used = doc.undoMemoryUse();
        ASSERT_TRUE(command()) << name;
        const std::size_t cost = doc.undoMemoryUse() - used;
        EXPECT_LT(cost, limit * sentenceBytes) << name;
    }

    // Splitting and merging at the start renumbers all 1000 sentences, yet records little.
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(doc.goToFirstToken());
        used = doc.undoMemoryUse();
        ASSERT_TRUE(splitSentence(doc));
        ASSERT_TRUE(mergeSentences(doc, "l2"));
        EXPECT_LT(doc.undoMemoryUse() - used, 16 * sentenceBytes);
    }
    XmlDocument opened;
    ASSERT_TRUE(opened.loadFromBuffer(text));
    while (doc.undo()) {
    }
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), opened.documentNode()), "");
}

}  // namespace
}  // namespace pelmora
