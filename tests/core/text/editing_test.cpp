#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"
#include "text/combinationediting.h"
#include "text/editing.h"

#include <functional>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::TempDir;

std::string wrapBody(const std::string& body, const std::string& info = "")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pelmora>" + info + "<sisu id=\"t\">" + body + "</sisu></pelmora>";
}

// The body in short: "l1(l1_s1=a l1_s2=b[lk=3] y:l1_s1_s2) l2(...)"; attributes other than the
// identifier in brackets, in their order.
std::string outline(const CPelmoraDoc& doc)
{
    std::string out;
    for (XmlNode sentence = firstChildElement(doc.body(), "lause"); sentence;
         sentence = nextSiblingElement(sentence, "lause")) {
        if (!out.empty())
            out += ' ';
        out += CPelmoraDoc::attribute(sentence, "id");
        for (pugi::xml_attribute a = sentence.first_attribute(); a; a = a.next_attribute())
            if (std::string_view(a.name()) != "id")
                out += std::string("{") + a.name() + "=" + a.value() + "}";
        out += '(';
        bool first = true;
        for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
            if (!first)
                out += ' ';
            first = false;
            if (isElement(child, "yhend")) {
                out += "y:" + CPelmoraDoc::attribute(child, "id");
                continue;
            }
            out += CPelmoraDoc::attribute(child, "id") + "=" + CPelmoraDoc::tokenText(child);
            std::string attributes;
            for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute())
                if (std::string_view(a.name()) != "id")
                    attributes += std::string(attributes.empty() ? "" : " ") + a.name() + "=" + a.value();
            if (!attributes.empty())
                out += "[" + attributes + "]";
        }
        out += ')';
    }
    return out;
}

std::vector<std::string> messages(const RecordingPrompter& prompter)
{
    std::vector<std::string> texts;
    for (const RecordingPrompter::Entry& entry : prompter.entries())
        if (!entry.question)
            texts.push_back(entry.text);
    return texts;
}

XmlNode tokenById(const CPelmoraDoc& doc, const std::string& id)
{
    for (XmlNode token = doc.firstToken(); token;) {
        if (CPelmoraDoc::attribute(token, "id") == id)
            return token;
        XmlNode next = CPelmoraDoc::nextToken(token);
        if (!next) {
            // Step over sentences without tokens.
            for (XmlNode s = nextSiblingElement(token.parent(), "lause"); s && !next; s = nextSiblingElement(s, "lause"))
                next = firstChildElement(s, "sone");
        }
        token = next;
    }
    return {};
}

enum class Op { Modify, Add, Delete, DeleteAnswerNo, Merge, Split };

struct EditCase {
    const char* name;
    std::string body;
    const char* current;
    Op op;
    const char* argument;
    bool changed;
    std::string expected;  // outline after the operation (the same as before when unchanged)
    std::vector<std::string> messages;
    const char* currentAfter;
};

bool runOp(CPelmoraDoc& doc, Op op, const char* argument)
{
    switch (op) {
    case Op::Modify: return modifyToken(doc, argument);
    case Op::Add: return addToken(doc, argument);
    case Op::Delete:
    case Op::DeleteAnswerNo: return deleteToken(doc);
    case Op::Merge: return mergeSentences(doc, argument);
    case Op::Split: return splitSentence(doc);
    }
    return false;
}

const char* const kLinked = "Kustutan sõnega seotud ühendi.";

std::vector<EditCase> editCases()
{
    const std::string abc = "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone>"
                            "<sone id=\"l1_s3\">c</sone></lause>";
    const std::string twoSentences = abc + "<lause id=\"l2\"><sone id=\"l2_s1\">d</sone></lause>";
    return {
        // --- modify
        {"ModifyTrimsAndKeepsAttributes", "<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"x\">a</sone></lause>", "l1_s1",
         Op::Modify, "  ā\t", true, "l1(l1_s1=ā[lemma=x])", {}, "l1_s1"},
        {"ModifyBlankIsRefused", abc, "l1_s2", Op::Modify, " \t ", false, "", {"Sõnet ei saa kustutada"}, "l1_s2"},
        {"ModifySameTextChangesNothing", abc, "l1_s2", Op::Modify, " b ", false, "", {}, "l1_s2"},
        // --- add
        {"AddAfterLastToken", twoSentences, "l1_s3", Op::Add, "x", true,
         "l1(l1_s1=a l1_s2=b l1_s3=c l1_s4=x) l2(l2_s1=d)", {}, "l1_s3"},
        {"AddAfterFirstShiftsLaterPositions",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
         "<yhend id=\"l1_s1_s3\"/><yhend id=\"l1_s2_s3\"/></lause>",
         "l1_s1", Op::Add, "x", true,
         "l1(l1_s1=a l1_s2=x l1_s3=b l1_s4=c y:l1_s1_s4 y:l1_s3_s4)", {}, "l1_s1"},
        {"AddRenumbersCombinationsOfMoreWords",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><yhend id=\"l1_s1_s2_s3\"/>"
         "<sone id=\"l1_s3\">c</sone><yhend id=\"l1_s1_s2\"/><yhend id=\"l1_s1_s2_s3_s4\"/></lause>",
         "l1_s3", Op::Add, "x", true,
         "l1(l1_s1=a l1_s2=b y:l1_s1_s2_s3 l1_s3=c l1_s4=x y:l1_s1_s2 y:l1_s1_s2_s3_s5)", {}, "l1_s3"},
        {"AddInsideACombinationShiftsItsLaterWords",
         "<lause id=\"l1\"><sone id=\"l1_s1\" yhend=\"+\">a</sone><sone id=\"l1_s2\">b</sone>"
         "<sone id=\"l1_s3\" yhend=\"+\">c</sone><sone id=\"l1_s4\" yhend=\"+\">d</sone><yhend id=\"l1_s1_s3_s4\"/></lause>",
         "l1_s2", Op::Add, "x", true,
         "l1(l1_s1=a[yhend=+] l1_s2=b l1_s3=x l1_s4=c[yhend=+] l1_s5=d[yhend=+] y:l1_s1_s4_s5)", {}, "l1_s2"},
        {"AddCopiesPageAndMarksEstonian",
         "<lause id=\"l1\"><sone id=\"l1_s1\" lk=\"12\">a</sone><sone id=\"l1_s2\">b</sone></lause>", "l1_s1",
         Op::Add, "x", true, "l1(l1_s1=a[lk=12] l1_s2=x[lk=12 keel=eesti] l1_s3=b)", {}, "l1_s1"},
        {"AddBlankIsRefused", abc, "l1_s1", Op::Add, "   ", false, "", {"Tühja sõnet ei saa lisaada"}, "l1_s1"},
        // --- delete
        {"DeleteWordOfCombinationDeletesIt",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
         "<yhend id=\"l1_s2_s3\"/><yhend id=\"l1_s1_s3\"/></lause>",
         "l1_s3", Op::Delete, "", true, "l1(l1_s1=a l1_s2=b)", {kLinked, kLinked}, "l1_s1"},
        {"DeleteBeforeBothWordsDecrementsThem",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
         "<sone id=\"l1_s4\">d</sone><yhend id=\"l1_s3_s4\"/><yhend id=\"l1_s1_s2_s4\"/></lause>",
         "l1_s2", Op::Delete, "", true, "l1(l1_s1=a l1_s2=c l1_s3=d y:l1_s2_s3)", {kLinked}, "l1_s1"},
        {"DeleteWordOfLongerCombinationDropsTheOtherMarks",
         "<lause id=\"l1\"><sone id=\"l1_s1\" yhend=\"+\">a</sone><sone id=\"l1_s2\" yhend=\"+\">b</sone>"
         "<sone id=\"l1_s3\" yhend=\"+\">c</sone><sone id=\"l1_s4\" yhend=\"+\">d</sone>"
         "<yhend id=\"l1_s1_s2_s4\"/><yhend id=\"l1_s3_s4\"/></lause>",
         "l1_s1", Op::Delete, "", true, "l1(l1_s1=b l1_s2=c[yhend=+] l1_s3=d[yhend=+] y:l1_s2_s3)", {kLinked}, "l1_s1"},
        {"DeleteAnsweredNoChangesNothing", abc, "l1_s2", Op::DeleteAnswerNo, "", false, "", {}, "l1_s2"},
        {"DeleteOnlyTokenRemovesItsSentence",
         abc + "<lause id=\"l2\" koneleja=\"k1\"><sone id=\"l2_s1\">d</sone></lause>"
               "<lause id=\"l3\"><sone id=\"l3_s1\">e</sone><yhend id=\"l3_s1_s1\"/></lause>",
         "l2_s1", Op::Delete, "", true, "l1(l1_s1=a l1_s2=b l1_s3=c) l2(l2_s1=e y:l2_s1_s1)", {}, "l2_s1"},
        {"DeleteOnlyTokenOfLastSentence", twoSentences, "l2_s1", Op::Delete, "", true,
         "l1(l1_s1=a l1_s2=b l1_s3=c)", {}, "l1_s1"},
        {"DeleteOnlyTokenOfFirstSentence",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause><lause id=\"l2\"><sone id=\"l2_s1\">b</sone></lause>",
         "l1_s1", Op::Delete, "", true, "l1(l1_s1=b)", {}, "l1_s1"},
        {"DeleteOnlyTokenOfTextIsRefused", "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause>", "l1_s1",
         Op::Delete, "", false, "", {"Teksti ainsat sõnet ei saa kustutada."}, "l1_s1"},
        {"DeleteThatEmptiesTheOpeningSentenceIsRefused",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause><lause id=\"l2\"/>"
         "<lause id=\"l3\"><sone id=\"l3_s1\">b</sone></lause>",
         "l1_s1", Op::Delete, "", false, "", {"Sõnet ei saa kustutada: teksti esimene lause jääks tühjaks."}, "l1_s1"},
        // --- merge
        {"MergeNextSentence",
         "<lause id=\"l1\" helipos=\"5\"><sone id=\"l1_s1\" yhend=\"+\">a</sone><sone id=\"l1_s2\" yhend=\"+\">b</sone>"
         "<yhend id=\"l1_s1_s2\"/></lause>"
         "<lause id=\"l2\" koneleja=\"k2\" helipos=\"9\" eelause=\"e\"><sone id=\"l2_s1\" keel=\"eesti\" yhend=\"+\">c</sone>"
         "<sone id=\"l2_s2\" lemma=\"d\" auto=\"1\" yhend=\"+\">d</sone><yhend id=\"l2_s1_s2\"/></lause>"
         "<lause id=\"l3\"><sone id=\"l3_s1\">e</sone><yhend id=\"l3_s1_s1\"/></lause>",
         "l1_s1", Op::Merge, "l2", true,
         "l1{helipos=5}(l1_s1=a[yhend=+] l1_s2=b[yhend=+] l1_s3=c[keel=eesti yhend=+] "
         "l1_s4=d[lemma=d auto=1 yhend=+] y:l1_s3_s4 y:l1_s1_s2) l2(l2_s1=e y:l2_s1_s1)",
         {}, "l1_s4"},
        {"MergeEarlierSentenceAppendsItsTokens", twoSentences, "l2_s1", Op::Merge, " l1 ", true,
         "l1(l1_s1=d l1_s2=a l1_s3=b l1_s4=c)", {}, "l1_s4"},
        {"MergeUnknownIdentifier", twoSentences, "l1_s1", Op::Merge, "l9", false, "", {"Ei leia soovitud lauset."}, "l1_s1"},
        {"MergeBlankIdentifier", twoSentences, "l1_s1", Op::Merge, "", false, "", {"Ei leia soovitud lauset."}, "l1_s1"},
        {"MergeWithItselfIsRefused", twoSentences, "l1_s2", Op::Merge, "l1", false, "",
         {"Lauset ei saa iseendaga ühendada."}, "l1_s2"},
        {"MergeWithEmptySentenceRemovesIt", abc + "<lause id=\"l2\"/><lause id=\"l3\"><sone id=\"l3_s1\">d</sone></lause>",
         "l1_s1", Op::Merge, "l2", true, "l1(l1_s1=a l1_s2=b l1_s3=c) l2(l2_s1=d)", {}, "l1_s3"},
        // --- split
        {"SplitAtLastTokenChangesNothing", twoSentences, "l1_s3", Op::Split, "", false, "", {}, "l1_s3"},
        {"SplitInTheMiddleRenumbersDensely",
         "<lause id=\"l1\" koneleja=\"k1\" helipos=\"7\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone>"
         "<sone id=\"l1_s3\" lk=\"4\" keel=\"eesti\" auto=\"1\">c</sone><sone id=\"l1_s4\">d</sone></lause>"
         "<lause id=\"l2\"><sone id=\"l2_s1\">e</sone><yhend id=\"l2_s1_s1\"/></lause>",
         "l1_s2", Op::Split, "", true,
         "l1{koneleja=k1}{helipos=7}(l1_s1=a l1_s2=b) l2{koneleja=k1}(l2_s1=c[lk=4 keel=eesti auto=1] l2_s2=d) "
         "l3(l3_s1=e y:l3_s1_s1)",
         {}, "l1_s2"},
        {"SplitDeletesOnlyTheCombinationsItCuts",
         "<lause id=\"l1\"><sone id=\"l1_s1\" yhend=\"+\">a</sone><sone id=\"l1_s2\" yhend=\"+\">b</sone>"
         "<yhend id=\"l1_s1_s2\"/><sone id=\"l1_s3\" yhend=\"+\">c</sone><yhend id=\"l1_s2_s3\"/></lause>",
         "l1_s1", Op::Split, "", true, "l1(l1_s1=a) l2(l2_s1=b[yhend=+] l2_s2=c[yhend=+] y:l2_s1_s2)",
         {"Kustutan lausest ühendid ..."}, "l1_s1"},
        {"SplitKeepsCombinationsOnEitherSide",
         "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><yhend id=\"l1_s1_s2\"/>"
         "<sone id=\"l1_s3\">c</sone><sone id=\"l1_s4\">d</sone><sone id=\"l1_s5\">e</sone>"
         "<yhend id=\"l1_s3_s5\"/></lause><lause id=\"l2\"><sone id=\"l2_s1\">f</sone><yhend id=\"l2_s1_s1\"/></lause>",
         "l1_s2", Op::Split, "", true,
         "l1(l1_s1=a l1_s2=b y:l1_s1_s2) l2(l2_s1=c l2_s2=d l2_s3=e y:l2_s1_s3) l3(l3_s1=f y:l3_s1_s1)", {}, "l1_s2"},
    };
}

class Editing : public ::testing::TestWithParam<EditCase> {};

TEST_P(Editing, ChangesRenumbersAndUndoesExactly)
{
    const EditCase& c = GetParam();
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(c.op != Op::DeleteAnswerNo);
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(c.body), "t.xml"));
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, c.current)));
    const std::string before = doc.xml().serialize();
    const std::string outlineBefore = outline(doc);
    const std::int32_t revision = doc.layoutRevision();

    EXPECT_EQ(runOp(doc, c.op, c.argument), c.changed);

    // Expected: the outline, the messages, the current token, and the flags as the result says.
    EXPECT_EQ(outline(doc), c.changed ? c.expected : outlineBefore);
    EXPECT_EQ(messages(prompter), c.messages);
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "id"), c.currentAfter);
    EXPECT_EQ(doc.isModified(), c.changed);
    EXPECT_EQ(doc.layoutRevision() != revision, c.changed);
    EXPECT_EQ(doc.canUndo(), c.changed);
    if (!c.changed) {
        EXPECT_EQ(doc.xml().serialize(), before);
        return;
    }
    const std::string after = doc.xml().serialize();

    // The saved text opens again and keeps what was edited.
    TempDir dir;
    ASSERT_TRUE(doc.saveDocument(dir.file("out.xml")));
    RecordingPrompter readerPrompter;
    CPelmoraDoc reader(readerPrompter);
    ASSERT_TRUE(reader.openDocument(dir.file("out.xml")));
    EXPECT_EQ(outline(reader), c.expected);

    // Undo restores the tree exactly; after the save, that is a modified state again.
    XmlDocument expectedBefore;
    XmlDocument expectedAfter;
    ASSERT_TRUE(expectedBefore.loadFromBuffer(before));
    ASSERT_TRUE(expectedAfter.loadFromBuffer(after));
    ASSERT_NE(test::treeDifference(doc.xml().documentNode(), expectedBefore.documentNode()), "");
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), expectedBefore.documentNode()), "");
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "id"), c.current);
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), expectedAfter.documentNode()), "");
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "id"), c.currentAfter);
    EXPECT_FALSE(doc.isModified());  // back at the saved state
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(test::treeDifference(doc.xml().documentNode(), expectedBefore.documentNode()), "");
    EXPECT_FALSE(doc.canUndo());
}

INSTANTIATE_TEST_SUITE_P(Cases, Editing, ::testing::ValuesIn(editCases()), test::ByName());

TEST(EditingQuestion, DeleteAsksWithTheTokenText)
{
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(true);
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">vȯļ</sone></lause>"), "t.xml"));
    ASSERT_TRUE(doc.goToNextToken());
    ASSERT_TRUE(deleteToken(doc));
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_TRUE(prompter.entries()[0].question);
    EXPECT_EQ(prompter.entries()[0].text, "Kas oled kindel,\net soovid kustutada sõne\nvȯļ?");
}

TEST(EditingWithoutCurrentToken, DoesNothing)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    EXPECT_FALSE(modifyToken(doc, "x"));
    EXPECT_FALSE(addToken(doc, "x"));
    EXPECT_FALSE(deleteToken(doc));
    EXPECT_FALSE(mergeSentences(doc, "l1"));
    EXPECT_FALSE(splitSentence(doc));
    EXPECT_FALSE(setAudioPosition(doc, 1, 1));
    EXPECT_EQ(copyTokenText(doc), "");
    EXPECT_EQ(copySentenceWithReference(doc), "");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(Clipboard, TokenAndSentenceWithReference)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\">x</sone></lause><lause id=\"l5\"><sone id=\"l5_s1\">Minā</sone>"
                 "<sone id=\"l5_s2\" lk=\"12\">ūm</sone><yhend id=\"l5_s1_s2\"/><sone id=\"l5_s3\">.</sone></lause>"),
        "t.xml"));
    // Expected: the page and sentence reference, every token followed by a blank, the current one starred.
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l5_s2")));
    EXPECT_EQ(copyTokenText(doc), "ūm");
    EXPECT_EQ(copySentenceWithReference(doc), "<12: l5> Minā *ūm* . ");
    ASSERT_TRUE(doc.goToFirstToken());
    EXPECT_EQ(copySentenceWithReference(doc), "<: l1> *x* ");
    EXPECT_EQ(proposedMergeSentenceId(doc), "l2");
    EXPECT_FALSE(doc.isModified());
}

// --- Audio position ------------------------------------------------------------------------------

const char* const kWithAudio = "<info><lindistus fail=\"lugu.mp3\"/></info>";

struct AudioCase {
    const char* name;
    std::string info;
    const char* stored;  // "" for none
    int shownMinutes;
    int shownSeconds;
    int minutes;
    int seconds;
    bool changed;
    const char* storedAfter;  // "" for none
    std::vector<std::string> messages;
};

class AudioPosition : public ::testing::TestWithParam<AudioCase> {};

TEST_P(AudioPosition, ReadsAndWritesTheSentenceStart)
{
    const AudioCase& c = GetParam();
    const std::string sentence = std::string("<lause id=\"l1\"") + (*c.stored ? " helipos=\"" + std::string(c.stored) + "\"" : "") +
                                 "><sone id=\"l1_s1\">a</sone></lause>";
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(sentence + "<lause id=\"l2\"><sone id=\"l2_s1\">b</sone></lause>", c.info), "t.xml"));
    const std::string before = doc.xml().serialize();

    const AudioPositionFields fields = audioPositionFields(doc);
    EXPECT_EQ(fields.minutes, c.shownMinutes);
    EXPECT_EQ(fields.seconds, c.shownSeconds);
    EXPECT_EQ(setAudioPosition(doc, c.minutes, c.seconds), c.changed);

    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken().parent(), "helipos"), c.storedAfter);
    EXPECT_EQ(doc.isModified(), c.changed);
    EXPECT_EQ(messages(prompter), c.messages);
    if (c.changed) {
        ASSERT_TRUE(doc.undo());
        EXPECT_EQ(doc.xml().serialize(), before);
        EXPECT_FALSE(doc.isModified());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AudioPosition, ::testing::Values(
    AudioCase{"TwoMinutesFiveSecondsGive125", kWithAudio, "", -1, -1, 2, 5, true, "125", {}},
    AudioCase{"SecondsBeyondAMinuteCount", kWithAudio, "", -1, -1, 1, 75, true, "135", {}},
    AudioCase{"StoredPositionIsShownSplit", kWithAudio, "125", 2, 5, 3, 0, true, "180", {}},
    AudioCase{"NotSetRemoves", kWithAudio, "125", 2, 5, -1, -1, true, "", {}},
    AudioCase{"NotSetWithoutPositionChangesNothing", kWithAudio, "", -1, -1, -1, -1, false, "", {}},
    AudioCase{"SameTimeChangesNothing", kWithAudio, "125", 2, 5, 2, 5, false, "125", {}},
    AudioCase{"NoAudioFileRemovesThePosition", "<info><lindistus fail=\"\"/></info>", "125", 2, 5, 2, 5, true, "",
              {"Helifaili pole määratud."}},
    AudioCase{"BlanksNameNoAudioFile", "<info><lindistus fail=\"  \"/></info>", "", -1, -1, 1, 1, false, "",
              {"Helifaili pole määratud."}},
    AudioCase{"NoInfoAndNoPositionOnlyWarns", "", "", -1, -1, 1, 1, false, "", {"Helifaili pole määratud."}},
    AudioCase{"NegativeTimeIsRefused", kWithAudio, "60", 1, 0, 0, -5, false, "60",
              {"Lause algus helifailis ei saa olla negatiivne."}},
    AudioCase{"TooLargeTimeIsRefused", kWithAudio, "", -1, -1, 2147483647, 0, false, "",
              {"Lause algus helifailis on liiga suur."}}),
    test::ByName());

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

// The messages carry the titles and icons the user knows them by.
TEST(EditingMessages, CarryTheirTitlesAndIcons)
{
    struct Expected {
        std::function<bool(CPelmoraDoc&)> run;
        MessageKind kind;
        const char* title;
    };
    const Expected cases[] = {
        {[](CPelmoraDoc& d) { return modifyToken(d, " "); }, MessageKind::Error, "Viga"},
        {[](CPelmoraDoc& d) { return addToken(d, " "); }, MessageKind::Warning, "Teade"},
        {[](CPelmoraDoc& d) { return mergeSentences(d, "x"); }, MessageKind::Error, "Viga"},
        {[](CPelmoraDoc& d) { return mergeSentences(d, "l1"); }, MessageKind::Error, "Viga"},
        {[](CPelmoraDoc& d) { return static_cast<bool>(createCombination(d, {d.currentToken()}, {"x", "", ""})); },
         MessageKind::Error, "Viga"},  // a combination of one word
        {[](CPelmoraDoc& d) { return splitSentence(d); }, MessageKind::Warning, "Hoiatus"},  // combinations dropped
        {[](CPelmoraDoc& d) { return setAudioPosition(d, 1, 1); }, MessageKind::Warning, "Hoiatus"},
    };
    for (const Expected& c : cases) {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        ASSERT_TRUE(doc.openFromBuffer(
            wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
                     "<yhend id=\"l1_s1_s2_s3\"/></lause>"),
            "t.xml"));
        c.run(doc);
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_EQ(prompter.entries()[0].kind, c.kind) << prompter.lastText();
        EXPECT_EQ(prompter.entries()[0].title, c.title) << prompter.lastText();
    }
}

}  // namespace
}  // namespace pelmora
