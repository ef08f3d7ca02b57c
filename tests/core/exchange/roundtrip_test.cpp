#include "exchange/convert.h"
#include "exchange/corpusreading.h"
#include "exchangesupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora::exchange {
namespace {

// The complaints of the format's own checks about an export; "" when it is valid.
std::string formatErrors(ExchangeFormat format, const std::string& bytes)
{
    switch (format) {
    case ExchangeFormat::Conllu: return test::conlluErrors(bytes);
    case ExchangeFormat::FlexText: return test::xsdErrors(bytes, test::interopData("FlexInterlinear.xsd"));
    case ExchangeFormat::Eaf: {
        const std::string errors = test::xsdErrors(bytes, test::interopData("EAFv3.0.xsd"));
        return errors.empty() ? test::eafReferenceErrors(bytes) : errors;
    }
    case ExchangeFormat::CorpusText: break;
    }
    return "no export";
}

std::string exportOf(XmlNode root, ExchangeFormat format, ExchangeReport& report)
{
    ExportOptions options;
    options.date = "2024-05-01T10:00:00Z";
    options.textPath = "/korpus/tekst.xml";
    return exportCorpusText(root, format, options, report);
}

struct Format {
    const char* name;
    ExchangeFormat format;
};
const Format kFormats[] = {{"CoNLLU", ExchangeFormat::Conllu}, {"FlexText", ExchangeFormat::FlexText}, {"EAF", ExchangeFormat::Eaf}};

class RoundTrip : public ::testing::TestWithParam<Format> {};

TEST_P(RoundTrip, GeneratedTextsComeBackWithEveryValueAndTheExportsValidate)
{
    const ExchangeFormat format = GetParam().format;
    for (const unsigned seed : {1u, 2u, 3u}) {
        XmlDocument original;
        ASSERT_TRUE(original.loadFromBuffer(test::generatedCorpusText(40, seed)));
        ExchangeReport report;
        const std::string exported = exportOf(original.root(), format, report);
        // Everything the text holds has its place in the format.
        EXPECT_TRUE(report.empty()) << report.text("left out:");
        EXPECT_EQ(formatErrors(format, exported), "") << "seed " << seed;

        const ImportResult imported = importExchangeBytes(exported, format, {});
        ASSERT_TRUE(imported.ok) << imported.reason;
        ASSERT_EQ(imported.texts.size(), 1u);
        EXPECT_TRUE(imported.report.empty()) << imported.report.text("not read:");
        EXPECT_EQ(test::exchangeDifference(original.root(), imported.texts[0].builder->root()), "") << "seed " << seed;
    }
}

TEST_P(RoundTrip, ASentenceWithoutTokensComesBackOrIsReportedAsLeftOut)
{
    const ExchangeFormat format = GetParam().format;
    XmlDocument original;
    ASSERT_TRUE(original.loadFromBuffer(test::generatedCorpusText(6, 9, true)));
    ExchangeReport report;
    const std::string exported = exportOf(original.root(), format, report);
    const ImportResult imported = importExchangeBytes(exported, format, {});
    ASSERT_TRUE(imported.ok) << imported.reason;
    // CoNLL-U has no sentence without words: the report says so; the other formats keep it.
    const bool dropped = format == ExchangeFormat::Conllu;
    EXPECT_EQ(report.count(noted::kEmptySentence), dropped ? 1u : 0u);
    EXPECT_EQ(test::exchangeDifference(original.root(), imported.texts[0].builder->root(), dropped), "");
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::ValuesIn(kFormats), test::ByName());

struct Sample {
    const char* name;
    ExchangeFormat format;
    std::string path;
};

class RealFiles : public ::testing::TestWithParam<Sample> {};

// A file written by ELAN, FLEx or UD imports; its text exports to every format, each export
// validates and comes back as the text that was imported.
TEST_P(RealFiles, ImportExportToEveryFormatAndValidate)
{
    if (GetParam().path.empty())
        GTEST_SKIP() << "the shared sample is not on this machine";
    const std::string bytes = test::readFile(GetParam().path);
    const ImportResult imported = importExchangeBytes(bytes, GetParam().format, {});
    ASSERT_TRUE(imported.ok) << imported.reason;
    for (const ImportedText& text : imported.texts) {
        ASSERT_GT(text.tokens, 0u);
        for (const Format& target : kFormats) {
            ExchangeReport report;
            const std::string exported = exportOf(text.builder->root(), target.format, report);
            EXPECT_EQ(formatErrors(target.format, exported), "") << target.name;
            const ImportResult again = importExchangeBytes(exported, target.format, {});
            ASSERT_TRUE(again.ok) << again.reason;
            EXPECT_EQ(test::exchangeDifference(text.builder->root(), again.texts[0].builder->root(),
                                               target.format == ExchangeFormat::Conllu),
                      "")
                << target.name;
        }
    }
}

const Sample kSamples[] = {
    {"UdVeps", ExchangeFormat::Conllu, test::interopData("vep_vwt-ud-test.conllu")},
    {"UdKomiWithMultiwordTokens", ExchangeFormat::Conllu, test::interopData("kpv_ikdp-ud-test.conllu")},
    {"FlexSena", ExchangeFormat::FlexText, test::interopData("sena_my-green-mat.flextext")},
    {"FlexIkpeng", ExchangeFormat::FlexText, test::interopData("ikpeng.flextext")},
    {"FlexApalaiTwoTexts", ExchangeFormat::FlexText, test::sharedInteropSample("flextext/apalai.flextext")},
    {"ElanKomiProse", ExchangeFormat::Eaf, test::interopData("kpv_13756_2bz-soft-haired-sister-prose.eaf")},
    {"ElanKomiSong", ExchangeFormat::Eaf, test::sharedInteropSample("eaf/kpv_13755_2az-soft-haired-sister-song.eaf")},
    {"ElanWordTier", ExchangeFormat::Eaf, test::sharedInteropSample("eaf/kpv_izva18440000Castren-2.eaf")},
};

INSTANTIATE_TEST_SUITE_P(Samples, RealFiles, ::testing::ValuesIn(kSamples), test::ByName());

}  // namespace
}  // namespace pelmora::exchange
