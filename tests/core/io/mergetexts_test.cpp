#include "io/mergetexts.h"

#include "iotestdata.h"
#include "testsupport.h"

namespace pelmora {
namespace {

class MergeTest : public ::testing::Test {
protected:
    std::string text(const std::string& name, const std::string& id, const std::string& sentences,
                     const std::string& info = "")
    {
        const std::string path = m_dir.file(name);
        test::writeFile(path, test::corpusText(id, sentences, info));
        return path;
    }

    // Twelve sentences, the last one "l12".
    std::string firstText()
    {
        std::string sentences;
        for (int i = 1; i <= 12; ++i)
            sentences += "<lause id=\"l" + std::to_string(i) + "\"><sone id=\"l" + std::to_string(i) +
                         "_s1\" lk=\"1\">w" + std::to_string(i) + "</sone></lause>";
        return text("first.xml", "A", sentences, "<info><tyyp>kirjalik</tyyp></info>");
    }

    std::string secondText()
    {
        return text("second.xml", "B",
                    R"(<lause id="l1"><sone id="l1_s1" lk="7">a</sone></lause>)"
                    R"(<lause id="l2"><sone id="l2_s1">b</sone><sone id="l2_s2" lemma="">c</sone>)"
                    R"(<sone id="l2_s3" yhend="+" lemma="x" lati="y">d</sone><yhend id="l2_s3_s4" ylemma="d e" yliik=""/>)"
                    R"(<sone id="l2_s4" yhend="+" meta="muu" keel="läti">e</sone></lause>)"
                    R"(<lause id="l3"><sone id="l3_s1">f</sone></lause>)",
                    "<info><tyyp>suuline</tyyp></info>");
    }

    test::TempDir m_dir;
    RecordingPrompter m_prompter;
    CPelmoraDoc m_doc{m_prompter};
};

TEST_F(MergeTest, ContinuesSentenceNumbersAndKeepsTokenPositions)
{
    MergeSettings settings{{firstText(), secondText()}, m_dir.file("merged.xml"), false};
    ASSERT_TRUE(mergeTexts(m_doc, settings, m_prompter));
    EXPECT_TRUE(m_doc.isModified());

    XmlDocument merged;
    ASSERT_TRUE(merged.load(settings.newPath));
    const XmlNode body = merged.root().child("sisu");
    // Expected: l13 to l15 after l12; the fourth token of the second sentence is l14_s4.
    std::vector<std::string> ids;
    for (XmlNode sentence = body.child("lause"); sentence; sentence = sentence.next_sibling("lause"))
        ids.emplace_back(sentence.attribute("id").value());
    EXPECT_EQ(ids.size(), 15u);
    EXPECT_EQ(ids.back(), "l15");
    const XmlNode l14 = body.find_child_by_attribute("lause", "id", "l14");
    const XmlNode fourth = l14.find_child_by_attribute("sone", "id", "l14_s4");
    ASSERT_TRUE(fourth);
    EXPECT_EQ(std::string(fourth.text().get()), "e");
    // Expected: the listed attributes in their order, then the rest; empty ones are not written.
    std::string attributes;
    for (const pugi::xml_attribute a : fourth.attributes())
        attributes += std::string(a.name()) + " ";
    EXPECT_EQ(attributes, "id keel yhend meta ");
    EXPECT_FALSE(l14.find_child_by_attribute("sone", "id", "l14_s2").attribute("lemma"));
    EXPECT_FALSE(l14.find_child_by_attribute("sone", "id", "l14_s2").attribute("lk"));
    EXPECT_EQ(std::string(l14.find_child_by_attribute("sone", "id", "l14_s3").attribute("lati").value()), "y");
    // Expected: the combination between the tokens is kept, renumbered, without its empty part of speech.
    const XmlNode combination = l14.child("yhend");
    EXPECT_EQ(std::string(combination.attribute("id").value()), "l14_s3_s4");
    EXPECT_FALSE(combination.attribute("yliik"));
    // Expected: metadata from the first file only.
    EXPECT_EQ(std::string(merged.root().child("info").child("tyyp").text().get()), "kirjalik");
    EXPECT_EQ(merged.root().select_nodes("info").size(), 1u);
}

TEST_F(MergeTest, PagePrefixesNameEachTextAndRepeatOnAnotherMerge)
{
    MergeSettings settings{{firstText(), secondText()}, m_dir.file("merged.xml"), true};
    ASSERT_TRUE(mergeTexts(m_doc, settings, m_prompter));
    const XmlNode body = m_doc.body();
    EXPECT_EQ(std::string(body.child("lause").child("sone").attribute("lk").value()), "A, 1");
    const XmlNode l13 = body.find_child_by_attribute("lause", "id", "l13");
    EXPECT_EQ(std::string(l13.child("sone").attribute("lk").value()), "B, 7");

    MergeSettings again{{settings.newPath}, m_dir.file("again.xml"), true};
    ASSERT_TRUE(mergeTexts(m_doc, again, m_prompter));
    // Expected: a list of one file is a copy; the prefix is added a second time.
    EXPECT_EQ(std::string(m_doc.body().child("lause").child("sone").attribute("lk").value()), "A, A, 1");
}

TEST_F(MergeTest, NewFileThatIsOneOfTheTextsIsRefusedAndLeftWhole)
{
    const std::string first = firstText();
    const std::string second = secondText();
    const std::string before = test::readFile(second);
    MergeSettings settings{{first, second}, second, false};
    EXPECT_FALSE(mergeTexts(m_doc, settings, m_prompter));
    EXPECT_EQ(test::readFile(second), before);
    EXPECT_EQ(m_prompter.lastText(), "Fail " + second + "\non loendis olemas.\nVali mõni muu fail.");
    EXPECT_FALSE(m_doc.hasText());
}

TEST_F(MergeTest, InvalidFurtherFileIsSkippedOrStopsTheJoining)
{
    const std::string bad = m_dir.file("bad.xml");
    test::writeFile(bad, "<pelmora/>");
    MergeSettings settings{{firstText(), bad, secondText()}, m_dir.file("merged.xml"), false};
    m_prompter.setDefaultAnswer(true);
    ASSERT_TRUE(mergeTexts(m_doc, settings, m_prompter));
    EXPECT_EQ(m_doc.body().select_nodes("lause").size(), 15u);

    m_prompter.setDefaultAnswer(false);
    ASSERT_TRUE(mergeTexts(m_doc, settings, m_prompter));
    EXPECT_EQ(m_doc.body().select_nodes("lause").size(), 12u);
    EXPECT_TRUE(m_prompter.lastText().starts_with("Vigane fail " + bad + ": tekstil pole sisu (element „sisu“ puudub)\nKui soovid"));
}

TEST_F(MergeTest, FirstFileThatDoesNotOpenEndsWithTheOpenMessage)
{
    MergeSettings settings{{m_dir.file("missing.xml")}, m_dir.file("merged.xml"), false};
    EXPECT_FALSE(mergeTexts(m_doc, settings, m_prompter));
    EXPECT_EQ(m_prompter.lastText(),
              "Vigane fail " + settings.files[0] + ": faili ei saa lugeda (faili või kausta pole olemas)");
    EXPECT_FALSE(test::readFile(settings.newPath).size());
}

}  // namespace
}  // namespace pelmora
