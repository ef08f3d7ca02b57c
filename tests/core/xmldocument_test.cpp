#include "common/utf16text.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::TempDir;

// A text with everything a save must keep: prolog, comments, processing instructions, unknown
// elements and attributes, empty attributes, escaped characters, CDATA and mixed content.
const char* const kRichText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_tekst.xsl\"?>\n"
    "<!-- before the root -->\n"
    "<pelmora>\n"
    "  <muu a=\"1\">unknown element<alam/></muu>\n"
    "  <sisu id=\"t&amp;1\">\n"
    "    <lause id=\"l1\" tundmatu=\"x\">\n"
    "      <sone id=\"l1_s1\" vorm=\"\" lemma=\"a &lt; b &amp; &quot;c&quot;\" liik=\"S\">x &lt; y &amp; \"z\"</sone>\n"
    "      <?pi some data?>\n"
    "      <sone id=\"l1_s2\" kommentaar=\"rida&#10;teine\"><![CDATA[<raw>]]></sone>\n"
    "      <sone id=\"l1_s3\">sega<b>mixed</b> content </sone>\n"
    "    </lause>\n"
    "  </sisu>\n"
    "</pelmora>\n"
    "<!-- after the root -->\n";

TEST(XmlDocument, SaveAndReloadGivesTheSameTree)
{
    TempDir dir;
    XmlDocument original;
    ASSERT_TRUE(original.loadFromBuffer(kRichText));
    const std::string path = dir.file("out.xml");
    ASSERT_TRUE(original.save(path));

    XmlDocument reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(test::treeDifference(original.documentNode(), reread.documentNode()), "");
    // Saving again gives the same bytes: the writer is stable.
    EXPECT_EQ(reread.serialize(), original.serialize());
}

TEST(XmlDocument, WhitespaceOnlyTextIsNotKept)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromBuffer("<a>\n  <b> x </b>\n  <c>   </c>\n</a>"));
    // Expected: a holds exactly b and c; b's text keeps its blanks; c has no text.
    EXPECT_EQ(doc.root().first_child().type(), pugi::node_element);
    EXPECT_EQ(elementText(doc.root().child("b")), " x ");
    EXPECT_FALSE(doc.root().child("c").first_child());
}

TEST(XmlDocument, ReadsUtf8ByteOrderMarkAndUtf16)
{
    XmlDocument withBom;
    ASSERT_TRUE(withBom.loadFromBuffer("\xEF\xBB\xBF<pelmora><sisu id=\"õ\"/></pelmora>"));
    EXPECT_EQ(attributeValue(withBom.root().child("sisu"), "id"), "õ");

    TempDir dir;
    const std::string text = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<pelmora><sisu id=\"ǟ\"/></pelmora>";
    const std::string path = dir.file("utf16.xml");
    test::writeFile(path, utf8ToUtf16Le(text, true));
    XmlDocument utf16;
    ASSERT_TRUE(utf16.load(path));
    EXPECT_EQ(attributeValue(utf16.root().child("sisu"), "id"), "ǟ");

    // Saved back in the encoding the declaration names: UTF-16 with byte-order mark.
    ASSERT_TRUE(utf16.save(path));
    const std::string saved = test::readFile(path);
    ASSERT_GE(saved.size(), 2u);
    EXPECT_EQ(saved.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(utf16LeToUtf8(saved.substr(2)).find("id=\"ǟ\""), std::string::npos);
}

// A file that declares Latin-1 and gains a letter beyond it (a Livonian "ō" stored into an old
// dictionary) must not lose the letter to "?" on save.
struct Latin1SaveCase {
    const char* name;
    std::string file;        // the bytes as read
    std::string added;       // UTF-8 value set on the root's "x" attribute before saving
    bool staysLatin1;        // the saved declaration still names Latin-1 (the bytes follow it when read back)
};

class Latin1Save : public ::testing::TestWithParam<Latin1SaveCase> {};

TEST_P(Latin1Save, KeepsEveryLetter)
{
    const Latin1SaveCase& c = GetParam();
    TempDir dir;
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromBuffer(c.file));
    doc.root().append_attribute("x").set_value(c.added.c_str());
    const std::string path = dir.file("saved.xml");
    std::string written;
    ASSERT_TRUE(doc.save(path, nullptr, [&written](std::string_view run) { written += run; }));
    // Expected: the saved bytes are what serialize() gives and what was handed on as written,
    // and they read back as the same elements (only the declaration may change).
    const std::string saved = test::readFile(path);
    EXPECT_EQ(saved, doc.serialize());
    EXPECT_EQ(written, saved);
    XmlDocument reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(test::treeDifference(doc.root(), reread.root()), "");
    EXPECT_EQ(saved.find("encoding=\"ISO-8859-1\"") != std::string::npos, c.staysLatin1);
    EXPECT_EQ(saved.find("encoding=\"utf-8\"") != std::string::npos, !c.staysLatin1);
}

INSTANTIATE_TEST_SUITE_P(Cases, Latin1Save, ::testing::Values(
    Latin1SaveCase{"FittingLettersStayLatin1",
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a b=\"p\xE4iv\"/>", "s\xC3\xB5na", true},
    Latin1SaveCase{"LivonianLetterTurnsTheFileToUtf8",
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a b=\"p\xE4iv\"/>", "kal\xC5\x8D", false},
    Latin1SaveCase{"LetterInTextTurnsTheFileToUtf8",
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a><b>\xE4</b><!-- \xF5 --></a>",
                   "\xC8\xAF", false},
    // The reader finds the encoding also behind a mangled attribute name in the declaration.
    Latin1SaveCase{"MangledDeclarationStillReadsBack",
                   "<?xml versio\xD2\xC2" "encoding=\"ISO-8859-1\"?>\n<a b=\"p\xE4iv\"/>", "kal\xC5\x8D", false},
    Latin1SaveCase{"MangledDeclarationWithFittingLetters",
                   "<?xml versio\xD2\xC2" "encoding=\"ISO-8859-1\"?>\n<a b=\"p\xE4iv\"/>", "s\xC3\xB5na", true},
    // A declaration the reader does not take for Latin-1 (the attribute name hidden behind a
    // misspelled one) is read and written as UTF-8 whatever it names.
    Latin1SaveCase{"DeclarationTheReaderDoesNotSeeStaysUtf8",
                   "<?xml version=\"1.0en\" encoding=\"ISO-8859-1\"?>\n<a b=\"paiv\"/>", "s\xC3\xB5na", true},
    // An 8-bit file that names UTF-16 is read as UTF-8; bytes of it that are not UTF-8 would be
    // dropped by the UTF-16 writer, so it is written as UTF-8.
    Latin1SaveCase{"BytesThatAreNotUtf8AreKept",
                   "<?xml version=\"1.0\" encoding=\"ucs-2\"?>\n<a b=\"p\xE4iv\" i\xFF\xFF" "d=\"x\"/>", "k", false}),
    test::ByName());

TEST(XmlDocument, FailedLoadKeepsThePreviousTree)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromBuffer("<pelmora/>"));
    EXPECT_FALSE(doc.loadFromBuffer("<pelmora><sisu>"));
    EXPECT_FALSE(doc.loadFromBuffer(""));
    // A declared single-byte encoding makes the reader convert into a buffer of its own and
    // free the one it was given: the failure's message is still made from what was read.
    const XmlLoadResult latin1 =
        doc.loadFromBuffer("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<pelmora>\n<sisu a=\"\xE4\">\n"
                           "</pelmora>\n<!-- more markup follows -->\n<x/>\n");
    EXPECT_FALSE(latin1);
    EXPECT_EQ(latin1.line, 4u);
    EXPECT_FALSE(latin1.error.empty());
    EXPECT_STREQ(doc.root().name(), "pelmora");
}

// Attribute order follows the history of the element.
struct OrderCase {
    const char* name;
    void (*change)(XmlNode);
    const char* expected;
};

std::string attributeOrder(XmlNode node)
{
    std::string names;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        names += std::string(a.name()) + "=" + a.value() + " ";
    return names;
}

class AttributeOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(AttributeOrder, FollowsReadOrderAndAppends)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromBuffer("<sone id=\"l1_s1\" vorm=\"sg.\" lemma=\"kala\"/>"));
    GetParam().change(doc.root());
    EXPECT_EQ(attributeOrder(doc.root()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AttributeOrder, ::testing::Values(
    OrderCase{"AsRead", [](XmlNode) {}, "id=l1_s1 vorm=sg. lemma=kala "},
    OrderCase{"ChangedKeepsPlace", [](XmlNode n) { setAttribute(n, "vorm", "pl."); },
              "id=l1_s1 vorm=pl. lemma=kala "},
    OrderCase{"NewGoesLast", [](XmlNode n) { setAttribute(n, "liik", "S"); },
              "id=l1_s1 vorm=sg. lemma=kala liik=S "},
    OrderCase{"RemovedAndSetMovesToEnd",
              [](XmlNode n) { removeAttribute(n, "id"); setAttribute(n, "id", "l1_s1"); },
              "vorm=sg. lemma=kala id=l1_s1 "}),
    test::ByName());

TEST(XmlDocument, ElementTextReadAndWrite)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromBuffer("<a><t>kala</t><e><x/>after</e><c><!--note--></c><n/></a>"));
    const XmlNode root = doc.root();
    // Read: the first child's value when it is text, otherwise "".
    EXPECT_EQ(elementText(root.child("t")), "kala");
    EXPECT_EQ(elementText(root.child("e")), "");
    EXPECT_EQ(attributeValue(root, "missing"), "");

    // Write: an element without children gets a text node.
    ASSERT_TRUE(setElementText(root.child("n"), "uus"));
    EXPECT_EQ(elementText(root.child("n")), "uus");
    // A comment in first place is not overwritten; the text goes in front of it.
    ASSERT_TRUE(setElementText(root.child("c"), "tekst"));
    EXPECT_EQ(elementText(root.child("c")), "tekst");
    EXPECT_STREQ(root.child("c").last_child().value(), "note");
    // A null handle is refused.
    EXPECT_FALSE(setElementText(XmlNode(), "x"));
}

TEST(XmlDocument, NavigationSkipsOtherNodes)
{
    XmlDocument doc;
    // A processing instruction of the same name is no element.
    ASSERT_TRUE(doc.loadFromBuffer("<l><?sone x?><sone n=\"1\"/><!--c--><yhend/>text<?sone y?><sone n=\"2\"/><muu/></l>"));
    const XmlNode first = firstChildElement(doc.root(), "sone");
    EXPECT_EQ(attributeValue(first, "n"), "1");
    const XmlNode second = nextSiblingElement(first, "sone");
    EXPECT_EQ(attributeValue(second, "n"), "2");
    EXPECT_FALSE(nextSiblingElement(second, "sone"));
    EXPECT_EQ(previousSiblingElement(second, "sone"), first);
    EXPECT_EQ(lastChildElement(doc.root(), "sone"), second);
    EXPECT_FALSE(firstChildElement(XmlNode(), "sone"));
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

struct ReferenceCase {
    const char* name;
    const char* text;
    bool accepted;
};

class EntityReferences : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(EntityReferences, OnlyDefinedReferencesOutsideMarkupSections)
{
    XmlDocument doc;
    EXPECT_EQ(static_cast<bool>(doc.loadFromBuffer(GetParam().text)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Cases, EntityReferences, ::testing::Values(
    ReferenceCase{"Predefined", "<a b=\"&lt;&gt;&amp;&apos;&quot;\">&amp;</a>", true},
    ReferenceCase{"Numeric", "<a>&#245;&#xF5;&#XF5;</a>", false},  // "&#X" is not a reference
    ReferenceCase{"NumericLower", "<a>&#245;&#xf5;</a>", true},
    ReferenceCase{"InComment", "<a><!-- a & b &nbsp; --></a>", true},
    ReferenceCase{"InCdata", "<a><![CDATA[a & b]]></a>", true},
    ReferenceCase{"InInstruction", "<?pi a & b?><a/>", true},
    ReferenceCase{"InDocumentType", "<!DOCTYPE a [<!ENTITY x \"&#38;\">]><a/>", true},
    ReferenceCase{"UndefinedInText", "<a>&nbsp;</a>", false},
    ReferenceCase{"UndefinedInAttribute", "<a b=\"&x;\"/>", false},
    ReferenceCase{"BareAmpersand", "<a>a & b</a>", false},
    ReferenceCase{"AfterAComment", "<a><!-- & -->&bad;</a>", false}),
    test::ByName());

}  // namespace
}  // namespace pelmora
