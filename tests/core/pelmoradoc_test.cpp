#include "common/strings.h"
#include "common/utf16text.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

using test::TempDir;

const char* const kText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<pelmora><info><tyyp>suuline</tyyp></info><sisu id=\"t1\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\">Minā</sone><sone id=\"l1_s2\" lemma=\"vȱlda\">um</sone>"
    "<!--c--><sone id=\"l1_s3\">.</sone></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\">Kalā</sone><yhend id=\"l2_s1_s2\"/><sone id=\"l2_s2\">vȯļ</sone></lause>"
    "<lause id=\"l3\"/>"
    "<lause id=\"l4\"><sone id=\"l4_s1\">jūrõ</sone></lause>"
    "</sisu></pelmora>";

class DocTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.openFromBuffer(kText, "test.xml")); }

    static std::string id(XmlNode node) { return CPelmoraDoc::attribute(node, "id"); }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
};

// --- Opening bad input ---------------------------------------------------------------------------

struct BadInput {
    const char* name;
    std::string bytes;
    std::string reason;  // what the message says after "Vigane fail PATH: " (its start)
};

std::string deeplyNested()
{
    std::string text = "<pelmora><sisu><lause>";
    for (int i = 0; i < 100000; ++i)
        text += "<a>";
    for (int i = 0; i < 100000; ++i)
        text += "</a>";
    return text + "</lause></sisu></pelmora>";
}

std::vector<BadInput> badInputs()
{
    return {
        {"Empty", "", "fail on tühi"},
        {"BinaryGarbage", std::string("\x00\x01\xFF\xFE\x89PNG\r\n\x1A\n\x00\x00", 14), ""},
        {"Truncated", "<?xml version=\"1.0\"?><pelmora><sisu><lause><sone>kala</so", "rida 1: elemendi lõpp puudub"},
        {"TruncatedOnLineSix", "<pelmora>\n<sisu>\n<lause>\n<sone>a</sone>\n</lause>\n</sisu>\n", "rida 6: elemendi lõpp puudub"},
        {"WrongEndTag", "<pelmora>\n<sisu>\n<lause><sone>a</lause>\n</sisu></pelmora>", "rida 3: lõpumärgend ei vasta"},
        {"TwoRoots", "<pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora><pelmora/>", "failis peab olema täpselt üks juurelement"},
        {"WrongRoot", "<tekst><sisu><lause><sone>a</sone></lause></sisu></tekst>", "juurelement on „tekst“, peab olema „pelmora“"},
        {"NoBody", "<pelmora><info/></pelmora>", "tekstil pole sisu"},
        {"BodyWithoutSentence", "<pelmora><sisu><sone>a</sone></sisu></pelmora>", "tekstis pole ühtegi lauset"},
        {"FirstSentenceWithoutToken", "<pelmora><sisu><lause/><lause><sone>a</sone></lause></sisu></pelmora>", "esimeses lauses pole ühtegi sõnet"},
        {"Dictionary", "<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\"/></soned></pelmora>", "tekstil pole sisu"},
        {"VeryLongAttribute", "<pelmora a=\"" + std::string(4 << 20, 'x') + "\"><sisu><lause/></sisu></pelmora>", "esimeses lauses"},
        {"DeeplyNested", deeplyNested(), "esimeses lauses"},
        {"UnclosedComment", "<pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora><!--", "rida 1: vigane või lõpetamata kommentaar"},
        {"OnlyDeclaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "rida 1: failis pole ühtegi elementi"},
        {"UndefinedEntity", "<pelmora>\n<sisu><lause><sone>&nbsp;</sone></lause></sisu></pelmora>", "rida 2: tundmatu olemiviide"},
        // Bytes before the declaration hide it from the reader but not from the writer.
        {"TextBeforeDeclaration",
         "\xBF:<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora>",
         "enne esimest märgendit on teksti"},
        {"DeclarationAfterComment",
         "<!-- c --><?xml version=\"1.0\"?><pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora>",
         "XML-deklaratsioon peab olema faili alguses"},
    };
}

class OpenBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(OpenBadInput, IsRefusedWithTheReasonAndLeavesTheOpenTextAlone)
{
    TempDir dir;
    const std::string path = dir.file("bad.xml");
    test::writeFile(path, GetParam().bytes);
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "open.xml"));
    doc.setLemma(doc.currentToken(), "minā");

    EXPECT_FALSE(doc.openDocument(path));

    // Expected: the message names the file and the reason (with the line the reader stopped on);
    // the open text, its current token and its unsaved change stay; the file is unchanged.
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_TRUE(prompter.lastText().starts_with("Vigane fail " + path + ": " + GetParam().reason)) << prompter.lastText();
    EXPECT_GT(prompter.lastText().size(), ("Vigane fail " + path + ": ").size());
    EXPECT_EQ(prompter.entries()[0].title, "Viga");
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "lemma"), "minā");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(test::readFile(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenBadInput, ::testing::ValuesIn(badInputs()),
                         test::ByName());

TEST(OpenDocument, PathsThatAreNotReadableFiles)
{
    TempDir dir;
    const std::string unreadable = dir.file("unreadable.xml");
    test::writeFile(unreadable, "<pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora>");
    ::chmod(unreadable.c_str(), 0000);
    ::chmod(dir.path().c_str(), 0755);

    for (const std::string& path : {dir.path(), dir.file("missing.xml")}) {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        EXPECT_FALSE(doc.openDocument(path));
        EXPECT_TRUE(prompter.lastText().starts_with("Vigane fail " + path + ": faili ei saa lugeda (")) << prompter.lastText();
    }
    // Root reads any file, so the unreadable case runs without privileges.
    const int status = test::runUnprivileged([&] {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        const bool opened = doc.openDocument(unreadable);
        return !opened && prompter.lastText() == "Vigane fail " + unreadable + ": faili ei saa lugeda (puudub juurdepääsuõigus)" ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

// --- Templates -----------------------------------------------------------------------------------

TEST(Templates, AreByteExact)
{
    const std::string prolog =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_tekst.xsl\"?>\r\n"
        "<pelmora>\r\n<sisu>\r\n";
    EXPECT_EQ(text::newTextTemplate(),
              prolog + "<lause id=\"l1\">\r\n<sone>__UUS_FAIL__</sone>\r\n</lause>\r\n</sisu>\r\n</pelmora>");
    EXPECT_EQ(text::emptyBodyTemplate(), prolog + "</sisu>\r\n</pelmora>");
}

TEST(Templates, OpenAsTheImportsNeedThem)
{
    TempDir dir;
    const std::string withToken = dir.file("new.xml");
    const std::string emptyBody = dir.file("empty.xml");
    test::writeFile(withToken, std::string(text::newTextTemplate()));
    test::writeFile(emptyBody, std::string(text::emptyBodyTemplate()));
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);

    // The placeholder template is one sentence "l1" with the placeholder token.
    ASSERT_TRUE(doc.openDocument(withToken));
    EXPECT_EQ(CPelmoraDoc::tokenText(doc.currentToken()), "__UUS_FAIL__");
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken().parent(), "id"), "l1");

    // The empty body opens only through the body-only open, with the body as current node.
    EXPECT_FALSE(doc.openDocument(emptyBody));
    ASSERT_TRUE(doc.openDocumentBodyOnly(emptyBody));
    EXPECT_STREQ(doc.currentToken().name(), "sisu");
}

// --- Saving --------------------------------------------------------------------------------------

TEST(SaveDocument, SampleRoundTripKeepsTheTree)
{
    TempDir dir;
    const std::string sample = test::samplesFolder() + "/kuolka.xml";
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openDocument(sample));
    const std::string out = dir.file("out.xml");
    ASSERT_TRUE(doc.saveDocument(out));

    XmlDocument original;
    XmlDocument saved;
    ASSERT_TRUE(original.load(sample));
    ASSERT_TRUE(saved.load(out));
    EXPECT_EQ(test::treeDifference(original.documentNode(), saved.documentNode()), "");
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(SaveDocument, FailureKeepsTreeFlagAndOldFile)
{
    TempDir dir;
    const std::string folder = dir.file("readonly");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/text.xml";
    test::writeFile(path, kText);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(path.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);

    const int status = test::runUnprivileged([&] {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        if (!doc.openDocument(path))
            return 2;
        doc.setLemma(doc.currentToken(), "minā");
        if (doc.saveDocument(path))
            return 3;
        // Expected: the message, the change still in the tree, the flag still set.
        if (prompter.lastText() != "Viga faili " + path + " salvestamisel: puudub juurdepääsuõigus.")
            return 4;
        if (CPelmoraDoc::attribute(doc.currentToken(), "lemma") != "minā" || !doc.isModified())
            return 5;
        return 0;
    });

    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readFile(path), kText);
}

TEST(SaveDocument, SuccessClearsTheModifiedFlag)
{
    TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    doc.setLemma(doc.currentToken(), "minā");
    ASSERT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.saveDocument(dir.file("t.xml")));
    EXPECT_FALSE(doc.isModified());
}

// --- Navigation ----------------------------------------------------------------------------------

TEST_F(DocTest, WalksTokensAcrossSentences)
{
    // Forward from the first token stops at the empty sentence l3.
    std::vector<std::string> forward;
    for (XmlNode t = doc.firstToken(); t; t = CPelmoraDoc::nextToken(t))
        forward.push_back(id(t));
    EXPECT_EQ(forward, (std::vector<std::string>{"l1_s1", "l1_s2", "l1_s3", "l2_s1", "l2_s2"}));

    // Backward from the last token also stops at the empty sentence.
    std::vector<std::string> backward;
    for (XmlNode t = doc.lastToken(); t; t = CPelmoraDoc::previousToken(t))
        backward.push_back(id(t));
    EXPECT_EQ(backward, (std::vector<std::string>{"l4_s1"}));

    EXPECT_EQ(id(CPelmoraDoc::lastTokenOfSentence(doc.firstToken())), "l1_s3");
    EXPECT_EQ(id(CPelmoraDoc::sentenceOf(doc.lastToken())), "l4");
}

TEST_F(DocTest, KeyboardMovesStopAtTheEnds)
{
    // Previous from the first token and next from the last leave the current token.
    EXPECT_FALSE(doc.goToPreviousToken());
    EXPECT_EQ(id(doc.currentToken()), "l1_s1");
    ASSERT_TRUE(doc.goToLastToken());
    EXPECT_FALSE(doc.goToNextToken());
    EXPECT_EQ(id(doc.currentToken()), "l4_s1");

    struct Step {
        bool (CPelmoraDoc::*move)();
        bool moved;
        const char* current;
    };
    const Step steps[] = {
        {&CPelmoraDoc::goToFirstToken, true, "l1_s1"},
        {&CPelmoraDoc::goToNextSentence, true, "l2_s1"},
        {&CPelmoraDoc::goToNextToken, true, "l2_s2"},
        {&CPelmoraDoc::goToNextSentence, false, "l2_s2"},  // l3 has no token
        {&CPelmoraDoc::goToPreviousSentence, true, "l1_s1"},
        {&CPelmoraDoc::goToPreviousSentence, false, "l1_s1"},
        {&CPelmoraDoc::goToLastToken, true, "l4_s1"},
        {&CPelmoraDoc::goToPreviousToken, false, "l4_s1"},  // l3 is empty
    };
    for (const Step& step : steps) {
        EXPECT_EQ((doc.*step.move)(), step.moved) << step.current;
        EXPECT_EQ(id(doc.currentToken()), step.current);
    }
}

// --- Current token and the combination selection --------------------------------------------

TEST_F(DocTest, SelectionUnderWayRefusesClicksButNotKeys)
{
    bool selecting = true;
    doc.setCombinationSelectionCheck([&] { return selecting; });
    const XmlNode other = doc.lastToken();

    EXPECT_FALSE(doc.setCurrentToken(other));
    EXPECT_EQ(id(doc.currentToken()), "l1_s1");
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.lastText(), "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompter.entries()[0].title, "Viga");

    EXPECT_TRUE(doc.goToNextToken());
    selecting = false;
    EXPECT_TRUE(doc.setCurrentToken(other));
    EXPECT_EQ(doc.currentToken(), other);
}

// --- Attribute setters ---------------------------------------------------------------------------

struct SetterCase {
    const char* name;
    TokenAttribute attribute;
    const char* value;
    const char* expectedAttributes;  // "name=value " in order
    bool modified;
    bool layoutBumped;
};

class AttributeSetter : public ::testing::TestWithParam<SetterCase> {};

TEST_P(AttributeSetter, SetsRemovesOrLeavesAlone)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        "<pelmora><sisu><lause><sone id=\"l1_s1\" lemma=\"kala\" stiil=\"märkus\">kalā</sone></lause></sisu></pelmora>",
        "t.xml"));
    const std::int32_t revision = doc.layoutRevision();
    const SetterCase& c = GetParam();

    doc.setTokenAttribute(doc.currentToken(), c.attribute, c.value);

    std::string attributes;
    for (pugi::xml_attribute a = doc.currentToken().first_attribute(); a; a = a.next_attribute())
        attributes += std::string(a.name()) + "=" + a.value() + " ";
    EXPECT_EQ(attributes, c.expectedAttributes);
    EXPECT_EQ(doc.isModified(), c.modified);
    EXPECT_EQ(doc.layoutRevision() != revision, c.layoutBumped);
}

INSTANTIATE_TEST_SUITE_P(Cases, AttributeSetter, ::testing::Values(
    SetterCase{"SameValueIsNoOp", TokenAttribute::Lemma, "kala", "id=l1_s1 lemma=kala stiil=märkus ", false, false},
    SetterCase{"ChangeKeepsPlace", TokenAttribute::Lemma, "kalā", "id=l1_s1 lemma=kalā stiil=märkus ", true, false},
    SetterCase{"EmptyRemoves", TokenAttribute::Lemma, "", "id=l1_s1 stiil=märkus ", true, false},
    SetterCase{"EmptyOnAbsentIsNoOp", TokenAttribute::Meaning, "", "id=l1_s1 lemma=kala stiil=märkus ", false, false},
    SetterCase{"NewGoesLast", TokenAttribute::Form, "sg.nom.", "id=l1_s1 lemma=kala stiil=märkus vorm=sg.nom. ", true, false},
    SetterCase{"StyleBumpsLayout", TokenAttribute::Style, "pealkiri", "id=l1_s1 lemma=kala stiil=pealkiri ", true, true},
    SetterCase{"StyleRemovedBumpsLayout", TokenAttribute::Style, "", "id=l1_s1 lemma=kala ", true, true},
    SetterCase{"SameStyleNoBump", TokenAttribute::Style, "märkus", "id=l1_s1 lemma=kala stiil=märkus ", false, false},
    SetterCase{"Meaning", TokenAttribute::Meaning, "kala", "id=l1_s1 lemma=kala stiil=märkus tahendus=kala ", true, false},
    SetterCase{"PartOfSpeech", TokenAttribute::PartOfSpeech, "S", "id=l1_s1 lemma=kala stiil=märkus liik=S ", true, false},
    SetterCase{"MetaBumpsLayout", TokenAttribute::Meta, "muukeelne", "id=l1_s1 lemma=kala stiil=märkus meta=muukeelne ", true, true},
    SetterCase{"Latvian", TokenAttribute::Latvian, "zivs", "id=l1_s1 lemma=kala stiil=märkus lati=zivs ", true, false},
    SetterCase{"English", TokenAttribute::English, "fish", "id=l1_s1 lemma=kala stiil=märkus ingl=fish ", true, false},
    SetterCase{"Comment", TokenAttribute::Comment, "a & <b>", "id=l1_s1 lemma=kala stiil=märkus kommentaar=a & <b> ", true, false}),
    test::ByName());

TEST_F(DocTest, NullTokenChangesNothing)
{
    doc.setLemma(XmlNode(), "x");
    EXPECT_FALSE(doc.isModified());
}

// --- Observers -----------------------------------------------------------------------------------

struct CountingObserver : DocumentObserver {
    int updates = 0;
    int clears = 0;
    void documentUpdated() override { ++updates; }
    void documentAboutToBeCleared() override { ++clears; }
};

TEST_F(DocTest, ObserversHearMovesAndClears)
{
    CountingObserver observer;
    doc.addObserver(&observer);
    doc.goToNextToken();
    doc.setCurrentToken(doc.firstToken());
    doc.closeDocument();
    EXPECT_EQ(observer.updates, 3);
    EXPECT_EQ(observer.clears, 1);
    EXPECT_FALSE(doc.hasText());
    doc.removeObserver(&observer);
}


}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

struct RemovalObserver : DocumentObserver {
    XmlNode held;
    void nodeAboutToBeRemoved(XmlNode node) override
    {
        if (isInSubtree(held, node))
            held = XmlNode();
    }
};

TEST(GenericChanges, RemovalTellsHoldersFirstAndDropsTheCurrentToken)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    RemovalObserver observer;
    observer.held = CPelmoraDoc::nextToken(doc.firstToken());
    doc.addObserver(&observer);

    // Removing the first sentence: both the current token and the observer's handle lie inside.
    ASSERT_TRUE(doc.removeNode(doc.firstToken().parent()));

    EXPECT_FALSE(doc.currentToken());
    EXPECT_FALSE(observer.held);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(CPelmoraDoc::attribute(doc.firstToken(), "id"), "l2_s1");
    doc.removeObserver(&observer);
}

TEST(GenericChanges, ElementsAttributesAndText)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    const XmlNode sentence = doc.firstToken().parent();

    const XmlNode added = doc.insertElementAfter(sentence, "sone", doc.firstToken());
    ASSERT_TRUE(doc.setNodeText(added, "uus"));
    ASSERT_TRUE(doc.setNodeAttribute(added, "id", "l1_s9"));
    EXPECT_EQ(CPelmoraDoc::nextToken(doc.firstToken()), added);
    EXPECT_TRUE(doc.setNodeAttribute(added, "id", ""));
    EXPECT_FALSE(added.attribute("id"));
    // A reference node that is not a child of the parent is refused.
    EXPECT_FALSE(doc.insertElementBefore(doc.body(), "lause", doc.firstToken()));
    EXPECT_FALSE(doc.removeNode(XmlNode()));
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

struct AttributeLog : DocumentObserver {
    std::vector<std::string> changes;
    void attributeChanged(XmlNode element, const char* name, std::string_view oldValue) override
    {
        changes.push_back(std::string(name) + ":" + std::string(oldValue) + "->" +
                          std::string(attributeValue(element, name)));
    }
};

TEST(DocumentNotices, AttributeChangesCarryTheOldValueAndStructureMovesTheRevision)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));
    AttributeLog log;
    doc.addObserver(&log);
    const XmlNode second = CPelmoraDoc::nextToken(doc.firstToken());
    const std::uint64_t before = doc.structureRevision();

    doc.setLemma(second, "olla");         // changed
    doc.setLemma(second, "olla");         // unchanged: no notice
    doc.setMeaning(second, "");           // absent and empty: no notice
    doc.setLemma(second, "");             // removed
    doc.setNodeAttribute(doc.body(), "id", "t2");

    EXPECT_EQ(log.changes, (std::vector<std::string>{"lemma:vȱlda->olla", "lemma:olla->", "id:t1->t2"}));
    EXPECT_EQ(doc.structureRevision(), before);  // attributes do not move it

    doc.setTokenText(second, "oli");
    EXPECT_NE(doc.structureRevision(), before);
    doc.removeObserver(&log);
}

}  // namespace
}  // namespace pelmora
