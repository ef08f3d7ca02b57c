// Decomposed letters through the batch tool: keys, lookups, search and concordance find them;
// lint reports them and normalise mends them.
#include "spellings.h"
#include "testsupport.h"

#include "../core/io/iotestdata.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

// The letters with two marks, and one with a mark below: the spellings most likely to arrive
// decomposed or half composed.
std::vector<test::Spelling> cliSpellings()
{
    std::vector<test::Spelling> rows;
    for (const test::Spelling& s : test::livonianSpellings())
        if (!s.partly.empty() || s.composed == "\u1E11")
            rows.push_back(s);
    return rows;
}

class CliDecomposedLetter : public ::testing::TestWithParam<test::Spelling> {};

TEST_P(CliDecomposedLetter, IsFoundAsTheComposedLetter)
{
    TempDir dir;
    const std::string composed = "v" + GetParam().composed + "la";
    const std::string decomposed = "v" + GetParam().decomposed + "la";
    const std::string text = dir.file("t.xml");
    test::writeFile(text, test::corpusText("T", "<lause id=\"l1\">" + test::tok("l1_s1", decomposed, "lemma=\"" +
                                                                                            decomposed + "\"") +
                                                     "</lause>"));
    const std::string dictionary = dir.file("d.xml");
    ASSERT_EQ(runProcess(kCli, {"dict", "store-form", dictionary, composed, composed, "--create"}).exitCode, 0);

    // One key for both spellings, in the normal form.
    const std::string key = runProcess(kCli, {"key", composed}).out;
    EXPECT_EQ(runProcess(kCli, {"key", composed, decomposed}).out, key + key);
    EXPECT_NE(runProcess(kCli, {"dict", "lookup", dictionary, decomposed}).out, "");
    EXPECT_EQ(runProcess(kCli, {"find", text, "--field", "lemma=" + composed}).out, "l1_s1\n");
    const test::ProcessResult lines = runProcess(kCli, {"concordance", "--form", composed, "--format", "json", text});
    EXPECT_NE(lines.out.find("l1_s1"), std::string::npos) << lines.out;
}

INSTANTIATE_TEST_SUITE_P(Livonian, CliDecomposedLetter, ::testing::ValuesIn(cliSpellings()));

TEST(CliNormalise, LintReportsWhatNormaliseMendsAndAnUntouchedTextKeepsItsBytes)
{
    TempDir dir;
    const std::string text = dir.file("t.xml");
    test::writeFile(text, test::corpusText("T", "<lause id=\"l1\">" + test::tok("l1_s1", "ka\u0304la", "tahendus=\"kal\u0101\"") +
                                                   test::tok("l1_s2", "j\u016Br\u00F5", "lemma=\"ju\u0304r\u00F5\" liik=\"Adv\"") +
                                                   "</lause>"));
    const std::string clean = dir.file("clean.xml");
    test::writeFile(clean, test::corpusText("T", "<lause id=\"l1\">" + test::tok("l1_s1", "kal\u0101") + "</lause>"));
    const std::string cleanBytes = test::readFile(clean);

    const test::ProcessResult lint = runProcess(kCli, {"lint", text});
    EXPECT_EQ(lint.exitCode, 1);
    EXPECT_EQ(lint.out, text + "\tl1_s1\tsone\tpole NFC-kujul\n" + text + "\tl1_s2\tlemma\tpole NFC-kujul\n");

    const test::ProcessResult normalise = runProcess(kCli, {"normalise", text, clean, "--in-place"});
    EXPECT_EQ(normalise.exitCode, 0) << normalise.err;
    EXPECT_EQ(normalise.out, text + ": 2 values changed\n" + clean + ": 0 values changed\n");
    EXPECT_EQ(runProcess(kCli, {"lint", text}).exitCode, 0);
    EXPECT_EQ(test::readFile(clean), cleanBytes);
    EXPECT_NE(test::readFile(text).find("<sone id=\"l1_s1\" tahendus=\"kal\u0101\">k\u0101la</sone>"), std::string::npos);

    // Usage errors: neither or both destinations, or one output for several files.
    EXPECT_EQ(runProcess(kCli, {"normalise", text}).exitCode, 2);
    EXPECT_EQ(runProcess(kCli, {"normalise", text, clean, "-o", dir.file("x.xml")}).exitCode, 2);
}

TEST(CliNormalise, DictionaryIsRewrittenUnderItsLockWithEntriesMerged)
{
    TempDir dir;
    const std::string path = dir.file("d.xml");
    test::writeFile(path, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>"
                          "<sone id=\"kala\u0304\" lemma=\"kala\u0304\" kaal=\"2\"/><sone id=\"kal\u0101\" lemma=\"kal\u0101\" kaal=\"3\"/>"
                          "</soned>\n<lemmad><lemma id=\"__\" tahendus=\"__\"/></lemmad>\n"
                          "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>");
    const std::string before = test::readFile(path);
    EXPECT_EQ(runProcess(kCli, {"lint", path}).out, path + "\tkala\u0304\tid\tpole NFC-kujul\n" + path +
                                                       "\tkala\u0304\tlemma\tpole NFC-kujul\n");
    // Into another file: the original stays as it was.
    const std::string copy = dir.file("copy.xml");
    const test::ProcessResult result = runProcess(kCli, {"normalise", path, "-o", copy});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path + ": 2 values changed, 2 merged\n");
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_EQ(runProcess(kCli, {"dict", "lookup", copy, "kal\u0101"}).out, "kal\u0101\tkal\u0101\t\t5\n");
}

}  // namespace
}  // namespace pelmora
