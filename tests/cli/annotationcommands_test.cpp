#include "common/utf16text.h"
#include "loopbackhttpserver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;

const std::string kCli = PELMORA_CLI;

TEST(CliFormTag, PrintsEachTagAsTheEditorGivesItBack)
{
    const test::ProcessResult result =
        runProcess(kCli, {"formtag", "sg.pers.ind.1.pr.", "pl.ill #vana vorm", "sg. #vt ka pl.", ""});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "pers.ind.pr.sg.1.\npl. #vana vorm\nsg. #vt ka pl.\n\n");
}

TEST(CliFormTag, PrintsTheCaptionColours)
{
    const test::ProcessResult result = runProcess(kCli, {"formtag", "--colours", "sg.1.ag."});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Expected: one line per caption; the negation caption's line break written as "\n".
    EXPECT_EQ(result.out,
              "Kääne\tred\nArv\tgreen\nIsik\tgreen\nAeg\tred\nKõneviis\tred\nTegumood\tred\n"
              "Käändeline vorm\tblack\nVõrre\tblack\nPossessiivsufiks (poss)\tblack\nTegijanimi (ag)\torange\n"
              "Eituse märgend\\nverbivormi lõpus (neg)\tblack\n");
    EXPECT_EQ(runProcess(kCli, {"formtag", "--colours", "sg.", "pl."}).exitCode, 2);
}

TEST(CliPos, TogglesEachText)
{
    const test::ProcessResult result = runProcess(kCli, {"pos", "S", "substantiiv", "s", "-", "ProNum"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "substantiiv\nS\n\n-\npronumeraal\n");
}

TEST(CliRules, ListsTheFormsOfTheWalk)
{
    const test::ProcessResult verb = runProcess(kCli, {"rules", "--verb", "tulkõbõd"});
    EXPECT_EQ(verb.exitCode, 0) << verb.err;
    EXPECT_EQ(verb.out, "vpts.pl.\npers.ind.pr.pl.3.\npers.ind.pr.sg.2.\ntud.\n");

    const test::ProcessResult nominal = runProcess(kCli, {"rules", "--nominal", "jalgõks"});
    EXPECT_EQ(nominal.out, "pl.instl.\nsg.instl.\nsg.nom.\nsg.gen.\n");

    EXPECT_EQ(runProcess(kCli, {"rules", "ab"}).out, "");
    EXPECT_EQ(runProcess(kCli, {"rules", "ab"}).exitCode, 2);
    EXPECT_EQ(runProcess(kCli, {"rules", "--verb", "--nominal", "ab"}).exitCode, 2);
}

TEST(CliAnalyse, PrintsOneResultPerLine)
{
    const std::string page =
        "<pre><font color=\"red\">kakš</font>\n"
        "<font color=\"maroon\">kakš</font> <b>Num</b><font color=\"white\">+</font>Card"
        "<font color=\"white\">+</font>Sg<font color=\"white\">+</font>Nom\n"
        "<font color=\"maroon\">kakšõ</font> <b>V</b>\n</pre>";
    test::LoopbackHttpServer server([&](const std::string&) { return test::httpOk(page); });

    const test::ProcessResult result = runProcess(kCli, {"analyse", "kakš", "--url", server.address()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "kakš\tpõhiarvsõna\tsg.nom.\nkakšõ\tverb\t-\n");
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/cgi-bin/smi/smi.cgi?text=kak%c5%a1&action=analyze&lang=liv&plang=eng"});
}

TEST(CliAnalyse, UnreachableServerFails)
{
    const test::ProcessResult result = runProcess(kCli, {"analyse", "kala", "--url", test::unusedLoopbackAddress()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Mingi internetiviga\n");
}

TEST(CliVtf, PrintsThePairs)
{
    test::TempDir dir;
    const std::string path = dir.file("list.vtf");
    test::writeFile(path, utf8ToUtf16Le("ab!cd\r\n ch! k\r\nuw!\r\nxy\r\ntail!ignored", true));
    const test::ProcessResult result = runProcess(kCli, {"vtf", path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "ab\tcd\n ch\t k\nuw\t\nuw\txy\n");
}

TEST(CliVtf, ReportsAFileThatIsNotUtf16)
{
    test::TempDir dir;
    const std::string path = dir.file("list.vtf");
    test::writeFile(path, "ab!cd\r\n");
    const test::ProcessResult result = runProcess(kCli, {"vtf", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Teisenduste fail ei ole unicode'is.\nEi saa avada.\n");

    const test::ProcessResult missing = runProcess(kCli, {"vtf", dir.file("none.vtf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Ei saanud teisenduste faili avada\n");
}

}  // namespace
}  // namespace pelmora
