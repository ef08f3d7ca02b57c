#include "exchange/conllu.h"
#include "exchange/convert.h"
#include "exchange/corpusreading.h"
#include "exchangesupport.h"
#include "text/textformat.h"

#include <gtest/gtest.h>

namespace pelmora::exchange {
namespace {

TEST(Conllu, ValuesWithWhiteSpacePipesAndBackslashesAreEscapedAndComeBack)
{
    struct Case {
        const char* value;
        const char* misc;
    };
    const Case cases[] = {
        {"mere äär", "mere äär"},     {" serv ", "\\sserv\\s"},   {"a  b", "a\\s\\sb"},   {"a|b", "a\\pb"},
        {"a\\p", "a\\\\p"},           {"rida\nkaks", "rida\\nkaks"}, {"a\tb\r", "a\\tb\\r"}, {"a\u00A0b", "a\\u00A0b"},
        {"\\u0041", "\\\\u0041"},     {"", ""},
    };
    for (const Case& c : cases) {
        std::string misc;
        appendEscapedValue(misc, c.value, true);
        EXPECT_EQ(misc, c.misc) << c.value;
        EXPECT_EQ(unescapeValue(misc), c.value) << c.value;
    }
    std::string comment;
    appendEscapedValue(comment, "a|b", false);
    EXPECT_EQ(comment, "a|b");
}

TEST(Conllu, WhiteSpaceIsWhatTheValidatorTakesForIt)
{
    for (const char32_t c : {U' ', U'\t', U'\n', U'\u00A0', U'\u2009', U'\u3000', U'\u0085', U'\u001F'})
        EXPECT_TRUE(isUdSpace(c)) << static_cast<unsigned>(c);
    for (const char32_t c : {U'a', U'_', U'\u200B', U'\u2060', U'\uFEFF', U'\u00AD'})
        EXPECT_FALSE(isUdSpace(c)) << static_cast<unsigned>(c);
}

TEST(Conllu, MultiwordTokensGiveTheirWordsAndEmptyNodesAndSyntaxAreReported)
{
    const std::string input = "# sent_id = d-1\n# text = Даддяяс бӧр.\n"
                              "1-2\tДаддяяс\t_\t_\t_\t_\t_\t_\t_\t_\n"
                              "1\tДаддя\tдаддя\tNOUN\tN\tCase=Nom|Number=Sing\t2\tnmod\t_\t_\n"
                              "2\tяс\tыс\tPRON\tPron\tCase=Nom|Number=Plur\t0\troot\t_\t_\n"
                              "2.1\tx\t_\t_\t_\t_\t_\t_\t2:dep\t_\n"
                              "3\tбӧр\tбӧр\tADV\tAdv\tAdvType=Loc\t2\tadvmod\t_\tSpaceAfter=No\n"
                              "4\t.\t.\tPUNCT\tCLB\t_\t2\tpunct\t_\t_\n\n";
    const ImportResult result = importExchangeBytes(input, ExchangeFormat::Conllu, {});
    ASSERT_TRUE(result.ok) << result.reason;
    const XmlNode sentence = firstChildElement(firstChildElement(result.texts[0].builder->root(), text::kBody), text::kSentence);
    std::vector<std::string> tokens;
    for (XmlNode token = firstChildElement(sentence, text::kToken); token; token = nextSiblingElement(token, text::kToken))
        tokens.push_back(std::string(elementText(token)) + "/" + std::string(attributeValue(token, text::kLemma)) + "/" +
                         std::string(attributeValue(token, text::kPartOfSpeech)) + "/" +
                         std::string(attributeValue(token, text::kForm)) + "/" + std::string(attributeValue(token, text::kMeta)) +
                         "/" + std::string(attributeValue(token, text::kComment)));
    // Expected: the words of the multi-word token, the first naming the written form; "Adv" is a
    // code of ours and taken as it stands; the punctuation's UPOS gives its reason.
    EXPECT_EQ(tokens, (std::vector<std::string>{"Даддя/даддя/S/sg.nom.//mitmesõnaline sõne: Даддяяс", "яс/ыс/ProS/pl.nom.//",
                                                "бӧр/бӧр/Adv///", "././//vahemärk/"}));
    EXPECT_EQ(result.report.count("mitmesõnalised sõned (loeti sõnadena)"), 1u);
    EXPECT_EQ(result.report.count("tühjad sõlmed (jäeti välja)"), 1u);
    EXPECT_EQ(result.report.count("süntaks (HEAD, DEPREL, DEPS)"), 4u);
    EXPECT_EQ(result.report.count("UD tunnus AdvType=Loc"), 1u);
}

TEST(Conllu, ImportedValuesAreNfcAndCharactersXmlCannotHoldAreReplacedAndReported)
{
    // A decomposed "ā" and a control character that no XML file may hold.
    const std::string input = "1\tka\u0304la\u0304\tx\x01y\tNOUN\tS\t_\t_\t_\t_\t_\n\n";
    const ImportResult result = importExchangeBytes(input, ExchangeFormat::Conllu, {});
    ASSERT_TRUE(result.ok) << result.reason;
    const XmlNode token = firstChildElement(
        firstChildElement(firstChildElement(result.texts[0].builder->root(), text::kBody), text::kSentence), text::kToken);
    EXPECT_EQ(elementText(token), "k\u0101l\u0101");
    EXPECT_EQ(attributeValue(token, text::kLemma), "x\uFFFDy");
    EXPECT_EQ(result.report.count(noted::kBadCharacters), 1u);
    // What was built opens and saves as a corpus text.
    XmlDocument reread;
    EXPECT_TRUE(reread.loadFromBuffer(result.texts[0].builder->document().serialize()));
}


// A text of several hundred sentences is written a block of sentences at a time, on more than one
// thread where there are cores: its sentences keep their order and values, an identifier repeated
// far from its first use is still made unique and noted, and the text's comments come once.
TEST(Conllu, ALongTextKeepsItsOrderItsUniqueIdentifiersAndItsNotesWhenWrittenInBlocks)
{
    XmlDocument original;
    ASSERT_TRUE(original.loadFromBuffer(test::generatedCorpusText(1200, 4, true)));
    const XmlNode body = firstChildElement(original.root(), text::kBody);
    ExchangeReport report;
    const std::string exported = exportCorpusText(original.root(), ExchangeFormat::Conllu, {}, report);
    EXPECT_EQ(test::conlluErrors(exported), "");
    EXPECT_EQ(report.count(noted::kEmptySentence), 1u);
    const ImportResult imported = importExchangeBytes(exported, ExchangeFormat::Conllu, {});
    ASSERT_TRUE(imported.ok) << imported.reason;
    EXPECT_EQ(test::exchangeDifference(original.root(), imported.texts[0].builder->root(), true), "");

    std::vector<XmlNode> sentences;
    for (XmlNode s = firstChildElement(body, text::kSentence); s; s = nextSiblingElement(s, text::kSentence))
        sentences.push_back(s);
    const std::string repeated(attributeValue(sentences[0], text::kId));
    setAttribute(sentences[1100], text::kId, repeated);
    ExchangeReport again;
    const std::string withRepeat = exportCorpusText(original.root(), ExchangeFormat::Conllu, {}, again);
    EXPECT_EQ(test::conlluErrors(withRepeat), "");
    EXPECT_EQ(again.count(noted::kSentenceId), 1u);
    // The first sentence's "# sent_id" again, with the suffix of its second use.
    const std::size_t first = withRepeat.find("# sent_id = ");
    const std::string firstLine = withRepeat.substr(first, withRepeat.find('\n', first) - first);
    EXPECT_NE(withRepeat.find(firstLine + "-2\n"), std::string::npos) << firstLine;
    EXPECT_EQ(withRepeat.find("# newdoc"), 0u);
    EXPECT_EQ(withRepeat.find("# newdoc", 1), std::string::npos);
}

}  // namespace
}  // namespace pelmora::exchange
