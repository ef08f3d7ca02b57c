#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;

const std::string kCli = PELMORA_CLI;
// Has no info block; its body's id is "proov".
const std::string kWithoutInfo = std::string(PELMORA_TEST_DATA) + "/search_sample.xml";
// Oral text with info and two speakers.
std::string withInfo() { return test::samplesFolder() + "/kuolka.xml"; }

TEST(CliInfo, PrintsTheMetadataAsJson)
{
    const test::ProcessResult result = runProcess(kCli, {"info", withInfo()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* expected : {"\"id\": \"kuolka_2019_1\"", "\"tyyp\": \"suuline\"", "\"fail\": \"kuolka_2019.mp3\"",
                                 "\"roll\": \"keelejuht\"", "\"nimi\": \"Marta\"", "\"kihelkond\": \"\""})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
    // Speakers before interviewers.
    EXPECT_LT(result.out.find("Marta"), result.out.find("Jaan"));
}

struct SetCase {
    const char* name;
    bool oral;  // start from the text with info, otherwise from the one without
    std::string json;
    int exitCode;
    bool written;
    std::string message;                   // expected on standard error ("" for none)
    std::vector<std::string> present;      // expected in the saved file
    std::vector<std::string> absent;       // not expected in the saved file
};

class CliInfoSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(CliInfoSetTest, AcceptsAsTheDialogDoes)
{
    const SetCase& c = GetParam();
    test::TempDir dir;
    const std::string json = dir.file("meta.json");
    const std::string out = dir.file("out.xml");
    test::writeFile(json, c.json);
    const std::string input = c.oral ? withInfo() : kWithoutInfo;
    const std::string before = test::readFile(input);

    const test::ProcessResult result = runProcess(kCli, {"info", input, "--set", json, "-o", out});

    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(test::readFile(input), before);
    EXPECT_EQ(result.err.empty(), c.message.empty()) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    XmlDocument saved;
    ASSERT_EQ(static_cast<bool>(saved.load(out)), c.written);
    if (!c.written)
        return;
    const std::string bytes = test::readFile(out);
    for (const std::string& text : c.present)
        EXPECT_NE(bytes.find(text), std::string::npos) << text << "\n" << bytes;
    for (const std::string& text : c.absent)
        EXPECT_EQ(bytes.find(text), std::string::npos) << text << "\n" << bytes;
    // The saved text opens again.
    EXPECT_EQ(runProcess(kCli, {"check", out}).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliInfoSetTest,
    ::testing::Values(
        SetCase{"FirstInfoBecomesFirstChild", false, R"({"tyyp": "kirjalik", "teema": "Meri", "kirjaviis": "-"})", 0,
                true, "", {"<pelmora>\n<info>\n<tyyp>kirjalik</tyyp>\n<teema>Meri</teema>\n</info>\n<sisu"},
                {"kirjaviis"}},
        SetCase{"NoTypeRefused", false, R"({"teema": "Meri"})", 1, false, "Sisesta teksti ID\nja vali teksti tüüp.",
                {}, {}},
        SetCase{"EmptyIdRefused", true, R"({"id": ""})", 1, false, "Sisesta teksti ID\nja vali teksti tüüp.", {}, {}},
        SetCase{"TypeChangeRefusedOtherFieldsSaved", true, R"({"tyyp": "kirjalik", "teema": "Mets"})", 1, true,
                "Teksti tüüpi ei saa muuta", {"<tyyp>suuline</tyyp>", "<teema>Mets</teema>"}, {"kirjalik"}},
        SetCase{"WavRefused", true, R"({"lindistus": {"fail": "lugu.wav", "aasta": "2020"}})", 1, true,
                "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime.",
                {"fail=\"kuolka_2019.mp3\"", "aasta=\"2020\""}, {"lugu.wav"}},
        SetCase{"Mp3Written", true, R"({"lindistus": {"fail": "lugu.mp3"}})", 0, true, "", {"fail=\"lugu.mp3\""},
                {"kuolka_2019.mp3"}},
        SetCase{"DashRemovesParish", true, R"({"kihelkond": "-"})", 0, true, "", {"<keel>liivi</keel>"},
                {"kihelkond"}},
        SetCase{"ParishWritten", true, R"j({"kihelkond": "Salatsi (Sal)"})j", 0, true, "",
                {"<kihelkond>Salatsi (Sal)</kihelkond>"}, {}},
        SetCase{"SpeakersInListOrder", true,
                R"({"osalejad": [{"roll": "intervjueerija", "id": "i9", "nimi": "Anna"},
                                 {"id": "x", "nimi": "Rollita"},
                                 {"roll": "keelejuht", "id": "k9", "nimi": "Peeter", "sugu": "M"}]})",
                1, true, "Keelejuhi/intervjueerija nr 2 andmetest\npuudu ID, nimi või roll",
                {"<intervjueerija id=\"i9\">Anna</intervjueerija>\n<keelejuht id=\"k9\" sugu=\"M\">Peeter</keelejuht>\n</info>"},
                {"Marta", "Rollita"}},
        SetCase{"LanguageOutsideTheList", true, R"({"keel": "soome"})", 1, false, "keel", {}, {}},
        SetCase{"SexOutsideTheList", true, R"({"osalejad": [{"roll": "keelejuht", "id": "k", "nimi": "A", "sugu": "X"}]})",
                1, false, "sugu", {}, {}},
        SetCase{"UnknownKey", true, R"({"teemad": "x"})", 1, false, "unknown key", {}, {}},
        SetCase{"NotAString", true, R"({"teema": 5})", 1, false, "teema", {}, {}},
        SetCase{"NotJson", true, "{", 1, false, "not valid JSON", {}, {}}),
    test::ByName());

TEST(CliInfo, OutputNeedsSetAndSetNeedsOutput)
{
    EXPECT_EQ(runProcess(kCli, {"info", withInfo(), "-o", "/tmp/x.xml"}).exitCode, 2);
    EXPECT_EQ(runProcess(kCli, {"info", withInfo(), "--set", "m.json"}).exitCode, 2);
}

}  // namespace
}  // namespace pelmora
