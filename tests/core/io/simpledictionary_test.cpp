#include "io/simpledictionary.h"

#include "iotestdata.h"
#include "testsupport.h"

namespace pelmora {
namespace {

class SimpleDictionaryTest : public ::testing::Test {
protected:
    // Builds the simple dictionary of the sentences and returns the result file's root.
    XmlNode build(const std::string& sentences, bool combinations = true, bool examples = true)
    {
        EXPECT_TRUE(m_doc.openFromBuffer(test::corpusText("T", sentences), "t.xml"));
        SimpleDictionaryOptions options;
        options.outputPath = m_dir.file("dict.xml");
        options.combinations = combinations;
        options.examples = examples;
        EXPECT_TRUE(buildSimpleDictionary(m_doc, options, m_prompter));
        EXPECT_TRUE(m_result.load(options.outputPath));
        return m_result.root();
    }

    static std::vector<std::string> names(XmlNode root)
    {
        std::vector<std::string> out;
        for (XmlNode entry = root.child("lemma"); entry; entry = entry.next_sibling("lemma"))
            out.emplace_back(entry.child("nimi").text().get());
        return out;
    }

    test::TempDir m_dir;
    RecordingPrompter m_prompter;
    CPelmoraDoc m_doc{m_prompter};
    XmlDocument m_result;
};

TEST_F(SimpleDictionaryTest, TextWithoutLemmasGivesOnlyThePlaceholder)
{
    const XmlNode root = build(R"(<lause id="l1"><sone>a</sone></lause>)");
    EXPECT_EQ(std::string(root.attribute("tyyp").value()), "paring");
    EXPECT_EQ(names(root), (std::vector<std::string>{"__"}));
    const std::string bytes = test::readFile(m_dir.file("dict.xml"));
    EXPECT_NE(bytes.find("href=\"zobe_pr_sonastik.xsl\""), std::string::npos);
    // Expected: the unfinished-command warning comes first.
    ASSERT_FALSE(m_prompter.entries().empty());
    EXPECT_EQ(m_prompter.entries()[0].title, "Tekstide ühendamine");
    EXPECT_TRUE(m_prompter.entries()[0].text.starts_with("See funktsioon ei tööta veel õigesti\nmurdetekstidega"));
}

TEST_F(SimpleDictionaryTest, SameLemmaWithOtherMeaningsGivesAdjacentSortedEntries)
{
    const XmlNode root = build(R"(<lause id="l1"><sone lk="1" lemma="tuli" tahendus="fire">tuli</sone>)"
                               R"(<sone lk="1" lemma="ahi">ahi</sone><sone lk="2" lemma="tuli" tahendus="came">tuli</sone>)"
                               R"(<sone lemma="tuli" tahendus="fire">tule</sone><sone lemma="Zeta">Z</sone></lause>)");
    // Expected: code-unit order ("Z" before "_"), the two "tuli" entries next to each other.
    EXPECT_EQ(names(root), (std::vector<std::string>{"Zeta", "__", "ahi", "tuli", "tuli"}));
    XmlNode fire = root.child("lemma").next_sibling("lemma").next_sibling("lemma").next_sibling("lemma");
    EXPECT_EQ(std::string(fire.child("tahendus").text().get()), "fire");
    EXPECT_EQ(std::string(fire.child("sagedus").text().get()), "2");
    // Expected child order: nimi, tahendus, liik, keel, sagedus, lause..., soned.
    std::vector<std::string> children;
    for (XmlNode child = fire.first_child(); child; child = child.next_sibling())
        children.emplace_back(child.name());
    EXPECT_EQ(children, (std::vector<std::string>{"nimi", "tahendus", "liik", "keel", "sagedus", "lause", "lause",
                                                  "soned"}));
    EXPECT_EQ(std::string(fire.child("lause").child("nimi").text().get()), "*tuli* ahi tuli tule Z ");
    EXPECT_EQ(std::string(fire.child("lause").child("allikas").text().get()), "1: l1");
    EXPECT_EQ(fire.child("soned").select_nodes("sone").size(), 2u);
}

TEST_F(SimpleDictionaryTest, MarkedFormsCountWithThePlainFormAndMergeLetterCase)
{
    const XmlNode root = build(R"(<lause id="l3"><sone lk="5" lemma="kala" vorm="sg.">Kala+</sone>)"
                               R"(<sone lk="5" lemma="kala" vorm="sg.">ka_la</sone>)"
                               R"(<sone lk="6" lemma="kala" vorm="pl.">kalad</sone></lause>)",
                               true, false);
    XmlNode kala = root.child("lemma").next_sibling("lemma");
    ASSERT_EQ(std::string(kala.child("nimi").text().get()), "kala");
    EXPECT_FALSE(kala.child("lause"));
    const XmlNode first = kala.child("soned").child("sone");
    // Expected: "Kala+" and "ka_la" are one form; the merged spelling keeps the higher codes.
    EXPECT_EQ(std::string(first.child("nimi").text().get()), "kala");
    EXPECT_EQ(std::string(first.child("sagedus").text().get()), "2");
    EXPECT_EQ(first.child("allikad").select_nodes("allikas").size(), 2u);
    EXPECT_EQ(std::string(first.next_sibling("sone").child("vorm").text().get()), "pl.");
}

TEST_F(SimpleDictionaryTest, CombinationsAreCountedUnderTheirLemmaEntry)
{
    const std::string sentences = R"(<lause id="l1"><sone id="l1_s1" lemma="a">a</sone>)"
                                  R"(<sone id="l1_s2" lemma="b" yhend="+">b</sone>)"
                                  R"(<yhend id="l1_s1_s2" ylemma="a b" ytahendus="ab" yliik="V"/></lause>)"
                                  R"(<lause id="l2"><sone id="l2_s1" lemma="a">a</sone>)"
                                  R"(<sone id="l2_s2" lemma="b" yhend="+">b</sone>)"
                                  R"(<yhend id="l2_s1_s2" ylemma="a b" ytahendus="ab" yliik="V"/></lause>)";
    XmlNode root = build(sentences);
    const XmlNode b = root.child("lemma").next_sibling("lemma").next_sibling("lemma");
    const XmlNode combination = b.child("yhendid").child("yhend");
    EXPECT_EQ(std::string(combination.child("ylemma").text().get()), "a b");
    EXPECT_EQ(std::string(combination.child("sagedus").text().get()), "2");
    EXPECT_FALSE(combination.next_sibling("yhend"));
    // Expected: the text itself is not changed by the query.
    EXPECT_FALSE(m_doc.isModified());

    root = build(sentences, false);
    EXPECT_FALSE(root.child("lemma").next_sibling("lemma").next_sibling("lemma").child("yhendid"));
}

TEST_F(SimpleDictionaryTest, UnwritableResultIsReportedAndNoTextIsRefused)
{
    SimpleDictionaryOptions options;
    options.outputPath = m_dir.file("missing/dict.xml");
    EXPECT_FALSE(buildSimpleDictionary(m_doc, options, m_prompter));
    EXPECT_EQ(m_prompter.lastText(), "Ühtegi faili pole avatud.\nEi saa sõnastikku luua.");

    ASSERT_TRUE(m_doc.openFromBuffer(test::corpusText("T", R"(<lause id="l1"><sone>a</sone></lause>)"), "t"));
    EXPECT_FALSE(buildSimpleDictionary(m_doc, options, m_prompter));
    EXPECT_EQ(m_prompter.lastText(), "Ei saa avada/luua faili " + options.outputPath + ".\nVali uus fail.");
}

struct StatisticsCase {
    const char* name;
    const char* sentences;
    long long tokens;
    long long lemmaTokens;
};

class TextStatisticsTest : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(TextStatisticsTest, CountsTokensWithoutPunctuationAndNumbers)
{
    const StatisticsCase& c = GetParam();
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(test::corpusText("T", c.sentences), "t.xml"));
    const TextStatistics counts = countTextStatistics(doc, prompter);
    EXPECT_EQ(counts.tokens, c.tokens);
    EXPECT_EQ(counts.lemmaTokens, c.lemmaTokens);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextStatisticsTest,
    ::testing::Values(
        StatisticsCase{"PunctuationOnlyByLanguage",
                       R"(<lause id="l1"><sone keel="kirjavahemärk">.</sone><sone keel="vahemärk">,</sone></lause>)", 0,
                       0},
        StatisticsCase{"PunctuationAndNumbersByMeta",
                       R"(<lause id="l1"><sone meta="vahemärk">.</sone><sone meta="number">12</sone></lause>)", 0, 0},
        StatisticsCase{"LemmaCountIncludesPunctuationWithALemma",
                       R"(<lause id="l1"><sone lemma="a">a</sone><sone keel="number" lemma="12">12</sone>)"
                       R"(<sone>b</sone></lause><lause id="l2"><sone keel="läti">c</sone></lause>)",
                       3, 2}),
    test::ByName());

TEST(TextStatistics, NoOpenText)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    const TextStatistics counts = countTextStatistics(doc, prompter);
    EXPECT_EQ(counts.tokens, 0);
    EXPECT_EQ(prompter.lastText(), "Ühtegi faili pole avatud");
}

}  // namespace
}  // namespace pelmora
