#include "common/utf16text.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

std::string sample() { return test::samplesFolder() + "/kuolka.xml"; }

TEST(CliExport, WritesEachModeAndRefusesToOverwriteTheText)
{
    TempDir dir;
    const std::string out = dir.file("out.txt");
    ASSERT_EQ(runProcess(kCli, {"export", sample(), out, "--mode", "annotated"}).exitCode, 0);
    const std::string text = utf16LeToUtf8(test::readFile(out).substr(2));
    EXPECT_TRUE(text.starts_with("<<kuolka_2019_1_.1>> Mis sinā tīed ? \r\n<<kuolka_2019_1_3.2>> "
                                 "|Minā_MS:minā_SL:ProS_T:mina_V:sg.nom._| "))
        << text;

    const std::string copy = dir.file("copy.xml");
    test::writeFile(copy, test::readFile(sample()));
    const test::ProcessResult refused = runProcess(kCli, {"export", copy, copy});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(test::readFile(copy), test::readFile(sample()));
    EXPECT_EQ(runProcess(kCli, {"export", sample(), out, "--mode", "fancy"}).exitCode, 2);
}

TEST(CliQuery, PrintsTheLineCountAndParsesConditions)
{
    TempDir dir;
    const std::string out = dir.file("q.txt");
    const test::ProcessResult result =
        runProcess(kCli, {"query", "--out", out, "--t1", "sone=M@Alguses", "--relation", "hiljem", "--distance", "0",
                          "--t2", "liik=V", sample()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Leidsin 1 rida.\n");
    EXPECT_EQ(test::readFile(out), "Päring: sõne: M [Alguses] ja samas lauses hiljem mitte kaugemal kui 0 sona "
                                   "sõnaliik: V [Täpne vaste] \r\nkuolka_2019_1»k1:\tMinā um kalāmīez . \r\n");

    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"query", "--out", out, "--t1", "muu=x", sample()}, 2},
        {{"query", "--out", out, "--t1", "lemma", sample()}, 2},
        {{"query", "--out", out, "--distance", "21", sample()}, 2},
        {{"query", "--out", out, "--prefix", std::string(61, 'x'), sample()}, 2},
        {{"query", "--out", out}, 2},
        {{"query", "--out", sample(), sample()}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runProcess(kCli, c.arguments).exitCode, c.exitCode) << c.arguments[3];
}

TEST(CliQuery, InvalidFileIsSkippedUnlessAskedToStop)
{
    TempDir dir;
    const std::string bad = dir.file("bad.xml");
    test::writeFile(bad, "nothing");
    const std::string out = dir.file("q.txt");
    test::ProcessResult result = runProcess(kCli, {"query", "--out", out, "--t1", "lemma=minā", bad, sample()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Leidsin 1 rida.\n");
    EXPECT_NE(result.err.find("Vigane fail " + bad + ": enne esimest märgendit on teksti (fail pole XML)\nKui soovid"),
              std::string::npos)
        << result.err;
    result = runProcess(kCli, {"query", "--stop-on-invalid", "--out", out, "--t1", "lemma=minā", bad, sample()});
    EXPECT_EQ(result.out, "Leidsin 0 rida.\n");
}

TEST(CliStats, PrintsBothCounts)
{
    const test::ProcessResult result = runProcess(kCli, {"stats", sample()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Sõnesid: 14\nMärksõnaga sõnesid: 2\n");
}

TEST(CliSimpleDict, WritesTheResultFile)
{
    TempDir dir;
    const std::string out = dir.file("d.xml");
    ASSERT_EQ(runProcess(kCli, {"simple-dict", sample(), out, "--no-examples"}).exitCode, 0);
    XmlDocument result;
    ASSERT_TRUE(result.load(out));
    EXPECT_EQ(result.root().select_nodes("lemma").size(), 3u);
    EXPECT_FALSE(result.root().select_node("//lause"));
}

TEST(CliMerge, JoinsTextsAndRefusesAnInputAsOutput)
{
    TempDir dir;
    const std::string out = dir.file("m.xml");
    ASSERT_EQ(runProcess(kCli, {"merge", out, sample(), sample(), "--prefix-pages"}).exitCode, 0);
    XmlDocument merged;
    ASSERT_TRUE(merged.load(out));
    EXPECT_EQ(merged.root().child("sisu").select_nodes("lause").size(), 8u);
    EXPECT_EQ(runProcess(kCli, {"merge", sample(), sample()}).exitCode, 1);
}

}  // namespace
}  // namespace pelmora
