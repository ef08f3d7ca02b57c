#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;

const std::string kCli = PELMORA_CLI;
const std::string kSample = std::string(PELMORA_TEST_DATA) + "/search_sample.xml";

struct FindCase {
    const char* name;
    std::vector<std::string> arguments;  // after "find TEXT"
    std::string out;
    int exitCode;
};

class CliFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(CliFindTest, PrintsMatchingIdentifiersInTextOrder)
{
    const FindCase& c = GetParam();
    std::vector<std::string> arguments = {"find", kSample};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const test::ProcessResult result = runProcess(kCli, arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFindTest,
    ::testing::Values(
        // The dialog's rules: the text by word-form key, so "kata" also finds "KATA".
        FindCase{"ExactText", {"--field", "sone=kata"}, "l1_s3\nl2_s1\n", 0},
        FindCase{"ExactTextKeyDropsMarkup", {"--field", "sone=kalata"}, "l2_s3\n", 0},
        FindCase{"ExactEveryFieldMustMatch", {"--field", "lemma=kala", "--field", "liik=A"}, "l2_s3\n", 0},
        FindCase{"ExactFormContains", {"--field", "vorm=nom."}, "l1_s1\n", 0},
        FindCase{"ExactStar", {"--field", "kommentaar=*"}, "l2_s1\n", 0},
        // Tokens after a sentence without tokens are found too.
        FindCase{"ExactAfterEmptySentence", {"--field", "lemma=kala", "--mode", "exact"}, "l2_s3\nl4_s1\n", 0},
        FindCase{"EndsIgnoresCase", {"--field", "sone=ta", "--mode", "ends"}, "l1_s3\nl2_s1\nl2_s3\nl4_s1\n", 0},
        FindCase{"BeginsAnyField", {"--field", "sone=um", "--field", "lemma=mi", "--mode", "begins"},
                 "l1_s1\nl1_s2\n", 0},
        FindCase{"Contains", {"--field", "tahendus=IN", "--mode", "contains"}, "l1_s1\n", 0},
        // A list field's "-" means no value, as in the search dialog.
        FindCase{"DashIsNoPartOfSpeech", {"--field", "liik=-"}, "l1_s3\nl4_s1\n", 0},
        FindCase{"UnknownField", {"--field", "auto=+"}, "", 2},
        FindCase{"NoEqualsSign", {"--field", "lemma"}, "", 2},
        FindCase{"FieldTwice", {"--field", "lemma=a", "--field", "lemma=b"}, "", 2},
        FindCase{"UnknownMode", {"--field", "lemma=a", "--mode", "fuzzy"}, "", 2},
        FindCase{"NoField", {}, "", 2}),
    test::ByName());

TEST(CliFind, UnreadableTextFails)
{
    test::TempDir dir;
    const std::string bad = dir.file("bad.xml");
    test::writeFile(bad, "<pelmora/>");
    const test::ProcessResult result = runProcess(kCli, {"find", bad, "--field", "lemma=x"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Vigane fail " + bad + ": tekstil pole sisu (element „sisu“ puudub)\n");
}

TEST(CliLint, ReportsSuspiciousTokensOfEveryFile)
{
    test::TempDir dir;
    const std::string clean = dir.file("clean.xml");
    test::writeFile(clean, "<pelmora><sisu><lause><sone id=\"l1_s1\" liik=\"Adv\">ka</sone></lause></sisu></pelmora>");
    const std::string bad = dir.file("bad.xml");
    test::writeFile(bad, "not xml");

    // Expected: V without form, unknown X, cmp. form, lemma without part of speech (its tab made a
    // blank); Adv without form is fine.
    const test::ProcessResult result = runProcess(kCli, {"lint", clean, kSample});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, kSample + "\tl1_s2\tum\tV\t\n" + kSample + "\tl2_s1\tKATA\tX\t\n" + kSample +
                              "\tl2_s3\tkala+ta\tA\tcmp.\n" + kSample + "\tl4_s1\tKalā ta\t\t\n");

    const test::ProcessResult onlyClean = runProcess(kCli, {"lint", clean});
    EXPECT_EQ(onlyClean.exitCode, 0);
    EXPECT_EQ(onlyClean.out, "");

    const test::ProcessResult withBad = runProcess(kCli, {"lint", clean, bad});
    EXPECT_EQ(withBad.exitCode, 1);
    EXPECT_EQ(withBad.err, "Vigane fail " + bad + ": enne esimest märgendit on teksti (fail pole XML)\n");
}

}  // namespace
}  // namespace pelmora
