#include "common/files.h"
#include "common/prompter.h"
#include "exchange/convert.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora::exchange {
namespace {

// A small EAF with one sentence tier and a token tier; `extra` goes among the tiers.
std::string eaf(const std::string& slots, const std::string& annotations, const std::string& extra = {})
{
    return "<ANNOTATION_DOCUMENT FORMAT=\"3.0\" VERSION=\"3.0\"><HEADER/><TIME_ORDER>" + slots +
           "</TIME_ORDER><TIER LINGUISTIC_TYPE_REF=\"lause\" TIER_ID=\"lause\">" + annotations + "</TIER>" + extra +
           "<LINGUISTIC_TYPE LINGUISTIC_TYPE_ID=\"lause\" TIME_ALIGNABLE=\"true\"/>"
           "<LINGUISTIC_TYPE LINGUISTIC_TYPE_ID=\"sone\" CONSTRAINTS=\"Symbolic_Subdivision\"/></ANNOTATION_DOCUMENT>";
}

std::string aligned(const std::string& id, const std::string& slot1, const std::string& slot2, const std::string& value)
{
    return "<ANNOTATION><ALIGNABLE_ANNOTATION ANNOTATION_ID=\"" + id + "\" TIME_SLOT_REF1=\"" + slot1 +
           "\" TIME_SLOT_REF2=\"" + slot2 + "\"><ANNOTATION_VALUE>" + value + "</ANNOTATION_VALUE></ALIGNABLE_ANNOTATION></ANNOTATION>";
}

std::string tokenTier(const std::string& annotations)
{
    return "<TIER LINGUISTIC_TYPE_REF=\"sone\" PARENT_REF=\"lause\" TIER_ID=\"sone\">" + annotations + "</TIER>";
}

std::string reference(const std::string& id, const std::string& parent, const std::string& previous = {})
{
    return "<ANNOTATION><REF_ANNOTATION ANNOTATION_ID=\"" + id + "\" ANNOTATION_REF=\"" + parent + "\"" +
           (previous.empty() ? "" : " PREVIOUS_ANNOTATION=\"" + previous + "\"") +
           "><ANNOTATION_VALUE>x</ANNOTATION_VALUE></REF_ANNOTATION></ANNOTATION>";
}

const std::string kSlots = "<TIME_SLOT TIME_SLOT_ID=\"ts1\" TIME_VALUE=\"0\"/><TIME_SLOT TIME_SLOT_ID=\"ts2\"/>";
const std::string kWord = "1\tsõna\tsõna\tNOUN\t_\t_\t_\t_\t_\t_\n";

struct Case {
    const char* name;
    ExchangeFormat format;
    std::string bytes;
    const char* reason;
};

const Case kCases[] = {
    {"ConlluEmpty", ExchangeFormat::Conllu, "", "failis pole ühtegi lauset"},
    {"ConlluOnlyComments", ExchangeFormat::Conllu, "# sent_id = 1\n\n", "failis pole ühtegi lauset"},
    {"ConlluMissingColumns", ExchangeFormat::Conllu, "1\tsõna\tsõna\n\n", "rida 1: 3 veergu, peab olema 10"},
    {"ConlluEmptyColumn", ExchangeFormat::Conllu, "1\t\tx\tX\t_\t_\t_\t_\t_\t_\n\n", "rida 1: tühi veerg"},
    {"ConlluBadId", ExchangeFormat::Conllu, "1x\tx\tx\tX\t_\t_\t_\t_\t_\t_\n", "rida 1: vigane ID \u201E1x\u201C"},
    {"ConlluHugeId", ExchangeFormat::Conllu, "12345678901\tx\tx\tX\t_\t_\t_\t_\t_\t_\n", "vigane ID"},
    {"ConlluIdGap", ExchangeFormat::Conllu, kWord + "3\tx\tx\tX\t_\t_\t_\t_\t_\t_\n", "rida 2: sõna ID 3, oodati 2"},
    {"ConlluBackwardRange", ExchangeFormat::Conllu, "2-1\tx\t_\t_\t_\t_\t_\t_\t_\t_\n", "vigane mitmesõnalise sõne vahemik"},
    {"ConlluStrayLine", ExchangeFormat::Conllu, kWord + "sõna\n", "rida 2: tundmatu rida"},
    {"ConlluCommentAmongWords", ExchangeFormat::Conllu, kWord + "# x\n", "rida 2: kommentaar lause sõnade vahel"},
    {"ConlluNotUtf8", ExchangeFormat::Conllu, "1\t\xFF\tx\tX\t_\t_\t_\t_\t_\t_\n", "rida 1: ei ole UTF-8"},
    {"FlexEmpty", ExchangeFormat::FlexText, "  \n", "fail on tühi"},
    {"FlexNotXml", ExchangeFormat::FlexText, "<document><interlinear-text>", "pole korrektne XML"},
    {"FlexWrongRoot", ExchangeFormat::FlexText, "<lift/>", "juurelement on \u201Elift\u201C, peab olema \u201Edocument\u201C"},
    {"FlexNoText", ExchangeFormat::FlexText, "<document version=\"2\"/>", "failis pole ühtegi teksti"},
    {"FlexNoWords", ExchangeFormat::FlexText, "<document><interlinear-text><paragraphs/></interlinear-text></document>",
     "failis pole ühtegi sõnet"},
    {"EafWrongRoot", ExchangeFormat::Eaf, "<document/>", "peab olema \u201EANNOTATION_DOCUMENT\u201C"},
    {"EafDanglingTimeSlot", ExchangeFormat::Eaf, eaf(kSlots, aligned("a1", "ts1", "ts9", "x")), "a1\u201C: tundmatu TIME_SLOT_REF"},
    {"EafFractionalTime", ExchangeFormat::Eaf, eaf("<TIME_SLOT TIME_SLOT_ID=\"ts1\" TIME_VALUE=\"10.0\"/>", ""),
     "vigane TIME_VALUE \u201E10.0\u201C"},
    {"EafHugeTime", ExchangeFormat::Eaf, eaf("<TIME_SLOT TIME_SLOT_ID=\"ts1\" TIME_VALUE=\"99999999999\"/>", ""), "vigane TIME_VALUE"},
    {"EafRepeatedSlot", ExchangeFormat::Eaf, eaf(kSlots + "<TIME_SLOT TIME_SLOT_ID=\"ts1\"/>", ""), "TIME_SLOT_ID puudub või kordub"},
    {"EafRepeatedAnnotation", ExchangeFormat::Eaf, eaf(kSlots, aligned("a1", "ts1", "ts2", "x") + aligned("a1", "ts1", "ts2", "y")),
     "ANNOTATION_ID puudub või kordub"},
    {"EafDanglingAnnotationReference", ExchangeFormat::Eaf,
     eaf(kSlots, aligned("a1", "ts1", "ts2", "x"), tokenTier(reference("a2", "a7"))), "a2\u201C: tundmatu ANNOTATION_REF \u201Ea7\u201C"},
    {"EafDanglingPrevious", ExchangeFormat::Eaf,
     eaf(kSlots, aligned("a1", "ts1", "ts2", "x"), tokenTier(reference("a2", "a1", "a5"))), "tundmatu PREVIOUS_ANNOTATION"},
    {"EafSelfReference", ExchangeFormat::Eaf, eaf(kSlots, aligned("a1", "ts1", "ts2", "x"), tokenTier(reference("a2", "a2"))),
     "tundmatu ANNOTATION_REF"},
    {"EafUnknownType", ExchangeFormat::Eaf, eaf(kSlots, "", "<TIER LINGUISTIC_TYPE_REF=\"muu\" TIER_ID=\"t\"/>"),
     "kiht \u201Et\u201C: tundmatu LINGUISTIC_TYPE_REF"},
    {"EafUnknownParent", ExchangeFormat::Eaf, eaf(kSlots, "", "<TIER LINGUISTIC_TYPE_REF=\"sone\" PARENT_REF=\"x\" TIER_ID=\"t\"/>"),
     "tundmatu PARENT_REF \u201Ex\u201C"},
    {"EafNoSentences", ExchangeFormat::Eaf, eaf(kSlots, ""), "failis pole ühtegi sõnet"},
};

class BadInput : public ::testing::TestWithParam<Case> {};

TEST_P(BadInput, IsRefusedWithItsReasonAndNothingIsWritten)
{
    const Case& c = GetParam();
    const ImportResult result = importExchangeBytes(c.bytes, c.format, {});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;

    test::TempDir dir;
    const std::string input = dir.file("sisend.txt");
    const std::string output = dir.file("tekst.xml");
    test::writeFile(input, c.bytes);
    RecordingPrompter prompter;
    ConvertOptions options;
    options.from = c.format;
    EXPECT_FALSE(convertFile(input, output, options, prompter));
    EXPECT_FALSE(pathExists(output));
    EXPECT_EQ(prompter.lastText(), "Vigane fail " + input + ".\n" + result.reason);
}

INSTANTIATE_TEST_SUITE_P(Readers, BadInput, ::testing::ValuesIn(kCases), test::ByName());

TEST(BadInput, AnEafTierNotInTheFileIsRefusedWithTheTiersThatAre)
{
    const std::string file = eaf(kSlots, aligned("a1", "ts1", "ts2", "Minā um."));
    ImportOptions options;
    options.tier = "orth";
    const ImportResult result = importExchangeBytes(file, ExchangeFormat::Eaf, options);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "kihti \u201Eorth\u201C pole failis; kihid: lause");
    // Without a token tier the sentence is cut as the plain-text import cuts it.
    const ImportResult chosen = importExchangeBytes(file, ExchangeFormat::Eaf, {});
    ASSERT_TRUE(chosen.ok) << chosen.reason;
    EXPECT_EQ(chosen.chosenTier, "lause");
    EXPECT_EQ(chosen.texts[0].tokens, 3u);
}

// A transcription without a token tier is cut by the shared tokeniser: every mark at a word's ends
// is a token, an elided vowel stays in its word, and only tokens without letters are punctuation.
TEST(BadInput, ASentenceWithoutTokensIsCutAsTheTextImportCutsIt)
{
    const std::string file = eaf(kSlots, aligned("a1", "ts1", "ts2", "Se\u203F(u)m \u201EvoʼĽ.\u201C (~ kietõbõd) 12"));
    const ImportResult result = importExchangeBytes(file, ExchangeFormat::Eaf, {});
    ASSERT_TRUE(result.ok) << result.reason;
    std::string tokens;
    for (const pugi::xpath_node& token : result.texts[0].builder->root().select_nodes("//sone"))
        tokens += std::string(token.node().text().get()) + "/" + token.node().attribute("meta").value() + " ";
    EXPECT_EQ(tokens, "Se/ \u203F/vahemärk (u)m/ \u201E/vahemärk voʼĽ/ ./vahemärk \u201C/vahemärk (/vahemärk "
                      "~/vahemärk kietõbõd/ )/vahemärk 12/number ");
}

}  // namespace
}  // namespace pelmora::exchange
