#include "pelmora_version.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

std::string sample() { return test::samplesFolder() + "/kuolka.xml"; }

TEST(CliCheck, CountsAValidTextAndReportsAnInvalidOne)
{
    TempDir dir;
    const std::string bad = dir.file("bad.xml");
    test::writeFile(bad, "<pelmora><sisu/></pelmora>");
    const std::string sampleBytes = test::readFile(sample());

    const test::ProcessResult result = runProcess(kCli, {"check", sample(), bad});

    // Expected: the valid file is counted, the invalid one reported, exit 1, nothing written.
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, sample() + ": 4 sentences, 20 tokens\n");
    EXPECT_EQ(result.err, "Vigane fail " + bad + ": tekstis pole ühtegi lauset\n");
    EXPECT_EQ(test::readFile(bad), "<pelmora><sisu/></pelmora>");
    EXPECT_EQ(test::readFile(sample()), sampleBytes);

    EXPECT_EQ(runProcess(kCli, {"check", sample()}).exitCode, 0);
}

TEST(CliRoundtrip, SavesTheSameTree)
{
    TempDir dir;
    const std::string out = dir.file("out.xml");
    const test::ProcessResult result = runProcess(kCli, {"roundtrip", sample(), out});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    XmlDocument original;
    XmlDocument saved;
    ASSERT_TRUE(original.load(sample()));
    ASSERT_TRUE(saved.load(out));
    EXPECT_EQ(test::treeDifference(original.documentNode(), saved.documentNode()), "");
}

TEST(CliRoundtrip, InvalidInputWritesNothing)
{
    TempDir dir;
    const std::string in = dir.file("in.xml");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, "garbage");
    test::writeFile(out, "keep me");
    const test::ProcessResult result = runProcess(kCli, {"roundtrip", in, out});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Vigane fail " + in + ": enne esimest märgendit on teksti (fail pole XML)\n");
    EXPECT_EQ(test::readFile(out), "keep me");
}

// Every command that opens a corpus text refuses a broken one with the line and the reason.
class CliBrokenText : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliBrokenText, IsReportedWithLineAndReason)
{
    TempDir dir;
    const std::string broken = dir.file("katki.xml");
    test::writeFile(broken, "<pelmora>\n<sisu>\n<lause><sone>kala</sone>\n");
    std::vector<std::string> arguments = GetParam();
    for (std::string& argument : arguments) {
        if (argument == "TEXT")
            argument = broken;
        else if (argument == "OUT")
            argument = dir.file("out.txt");
    }
    const test::ProcessResult result = runProcess(kCli, arguments);
    // Expected: a failure status and the reader's line and reason in the message.
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("Vigane fail " + broken + ": rida 3: elemendi lõpp puudub"), std::string::npos)
        << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliBrokenText,
    ::testing::Values(std::vector<std::string>{"check", "TEXT"}, std::vector<std::string>{"roundtrip", "TEXT", "OUT"},
                      std::vector<std::string>{"info", "TEXT"}, std::vector<std::string>{"export", "TEXT", "OUT"},
                      std::vector<std::string>{"stats", "TEXT"}, std::vector<std::string>{"simple-dict", "TEXT", "OUT"},
                      std::vector<std::string>{"find", "TEXT", "--field", "lemma=x"},
                      std::vector<std::string>{"lint", "TEXT"}, std::vector<std::string>{"normalise", "TEXT", "-o", "OUT"},
                      std::vector<std::string>{"suggest", "TEXT"},
                      std::vector<std::string>{"edit", "TEXT", "-o", "OUT", "split", "l1_s1"}),
    [](const ::testing::TestParamInfo<std::vector<std::string>>& param) {
        std::string name = param.param[0];
        std::erase(name, '-');
        return name;
    });

// The session `make run` opens: the text and its dictionary are sound, about half of the text is
// annotated, the recording it names lies beside it, and the dictionary proposes an analysis for the
// token the no-display run shows.
TEST(CliSampleSession, OpensHalfAnnotatedWithItsRecordingAndTheDictionaryProposes)
{
    const std::string text = test::samplesFolder() + "/kalamiez/kalamiez.xml";
    const std::string dictionary = test::samplesFolder() + "/kalamiez_sonastik.xml";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"check", text}, {"dict", "check", dictionary}, {"lint", text, dictionary}}) {
        const test::ProcessResult result = runProcess(kCli, arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments[0] << ": " << result.out << result.err;
    }

    const nlohmann::json overview =
        nlohmann::json::parse(runProcess(kCli, {"overview", "--format", "json", text}).out)["totals"];
    EXPECT_GT(overview["annotated_share"].get<double>(), 0.4);
    EXPECT_LT(overview["annotated_share"].get<double>(), 0.6);

    const nlohmann::json info = nlohmann::json::parse(runProcess(kCli, {"info", text}).out);
    const std::string recording = info["lindistus"]["fail"].get<std::string>();
    EXPECT_TRUE(std::filesystem::is_regular_file(test::samplesFolder() + "/kalamiez/" + recording)) << recording;

    const test::ProcessResult proposal = runProcess(
        kCli, {"suggest", text, "--token", "l17_s2", "--source", "dictionary", "--dict", dictionary, "--only-if", "0"});
    ASSERT_EQ(proposal.exitCode, 0) << proposal.err;
    const nlohmann::json fields = nlohmann::json::parse(proposal.out)["fields"];
    EXPECT_EQ(fields["lemma"], "izā");
    EXPECT_EQ(fields["tahendus"], "isa");
}

TEST(CliKey, PrintsOneKeyPerWord)
{
    const test::ProcessResult result = runProcess(kCli, {"key", "Kala+", "ve{r}z_i", "ÕUN"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "kala\nvezi\nõun\n");
}

TEST(CliUsage, ExitStatuses)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"--help"}, 0},
        {{"--version"}, 0},
        {{}, 2},
        {{"no-such-command"}, 2},
        {{"check"}, 2},
        {{"roundtrip", "only-one"}, 2},
        {{"key", "--bogus", "x"}, 2},
    };
    for (const Case& c : cases) {
        const test::ProcessResult result = runProcess(kCli, c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << (c.arguments.empty() ? "" : c.arguments[0]);
    }
    EXPECT_EQ(runProcess(kCli, {"--version"}).out, "pelmora-cli " PELMORA_VERSION "\n");
}

}  // namespace
}  // namespace pelmora
