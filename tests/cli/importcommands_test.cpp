#include "common/utf16text.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

TEST(CliImportText, SavesTheImportedTextAndNeedsIdAndType)
{
    TempDir dir;
    const std::string in = dir.file("in.txt");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, utf8ToUtf16Le("<info><kj>Anna</kj></info><u who=k1>Tere, Anna!\r\n", true));

    test::ProcessResult result = runProcess(kCli, {"import-text", in, out, "--id", "T"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Sisesta teksti ID\nja vali teksti tüüp.\n");
    EXPECT_FALSE(test::readFile(out).size());

    result = runProcess(kCli, {"import-text", in, out, "--id", "T", "--type", "suuline"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    XmlDocument saved;
    ASSERT_TRUE(saved.load(out));
    EXPECT_EQ(std::string(saved.root().child("sisu").attribute("id").value()), "T");
    EXPECT_EQ(saved.root().select_nodes("//sone").size(), 4u);
    EXPECT_EQ(std::string(saved.root().child("info").child("tyyp").text().get()), "suuline");

    // Expected: an existing output is refused without --force and replaced with it.
    result = runProcess(kCli, {"import-text", in, out, "--id", "U", "--type", "kirjalik"});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_TRUE(saved.load(out));
    EXPECT_EQ(std::string(saved.root().child("sisu").attribute("id").value()), "T");
    EXPECT_EQ(runProcess(kCli, {"import-text", in, out, "--id", "U", "--type", "kirjalik", "--force"}).exitCode, 0);
    ASSERT_TRUE(saved.load(out));
    EXPECT_EQ(std::string(saved.root().child("sisu").attribute("id").value()), "U");
}

TEST(CliImportText, HeaderMetadataReachesTheSavedText)
{
    TempDir dir;
    const std::string in = dir.file("in.txt");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, utf8ToUtf16Le("<info><kla>Kuolka</kla><plk>Lood</plk><kj>Anna</kj>muu</info><u who=k1>Tere\r\n",
                                      true));
    const test::ProcessResult result = runProcess(kCli, {"import-text", in, out, "--id", "T", "--type", "suuline"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Expected: the speaker without an ID is reported once and left out.
    EXPECT_EQ(result.err.find("Keelejuhi/intervjueerija nr 1 andmetest"), result.err.rfind("Keelejuhi/"));
    EXPECT_NE(result.err.find("Keelejuhi/intervjueerija nr 1 andmetest"), std::string::npos);
    XmlDocument saved;
    ASSERT_TRUE(saved.load(out));
    const XmlNode info = saved.root().child("info");
    EXPECT_EQ(std::string(info.child("tyyp").text().get()), "suuline");
    EXPECT_EQ(std::string(info.child("kyla").text().get()), "Kuolka");
    EXPECT_EQ(std::string(info.child("teos").attribute("pealkiri").value()), "Lood");
    EXPECT_EQ(std::string(info.child("muu").text().get()), "muu");
    EXPECT_FALSE(info.child("keelejuht"));
    EXPECT_EQ(std::string(saved.root().child("sisu").child("lause").attribute("koneleja").value()), "k1");
}

TEST(CliImportText, SplitSentencesKeepsTheGivenAbbreviationsWhole)
{
    TempDir dir;
    const std::string in = dir.file("in.txt");
    test::writeFile(in, "<u who=k1>Tuli nt. Jaan. Tuli kr. Peeter! Kalā?\n");
    // Expected (sentences): one line by default; split at the marks, "nt." kept whole by default,
    // "kr." only when listed.
    for (const auto& [extra, sentences] : {std::pair<std::vector<std::string>, std::size_t>{{}, 1},
                                           {{"--split-sentences"}, 4},
                                           {{"--split-sentences", "--abbreviations", "nt., kr"}, 3}}) {
        std::vector<std::string> arguments{"import-text", in, dir.file("out.xml"), "--id", "T", "--type", "suuline", "--force"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const test::ProcessResult result = runProcess(kCli, arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        XmlDocument saved;
        ASSERT_TRUE(saved.load(dir.file("out.xml")));
        EXPECT_EQ(saved.root().select_nodes("//lause[@koneleja='k1']").size(), sentences) << extra.size();
    }
}

TEST(CliImportText, RefusedInputLeavesAForcedOutputWhole)
{
    TempDir dir;
    const std::string in = dir.file("in.txt");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, "text without its mark-up\n");
    test::writeFile(out, "precious");
    const test::ProcessResult result =
        runProcess(kCli, {"import-text", in, out, "--id", "T", "--type", "suuline", "--force"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(test::readFile(out), "precious");
    EXPECT_EQ(runProcess(kCli, {"import-text", in, in, "--force"}).exitCode, 1);
    EXPECT_EQ(test::readFile(in), "text without its mark-up\n");
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

TEST(CliImportDialect, WritesBothFilesNextToTheInputAndPrintsTheCount)
{
    test::TempDir dir;
    const std::string in = dir.file("vana.xml");
    test::writeFile(in, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<record><u who=\"A\">s\xF5na "
                        "<mark><sne>kala</sne><msn>kala</msn></mark></u></record>\n");
    test::ProcessResult result = test::runProcess(PELMORA_CLI, {"import-dialect", in});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Sisesta teksti ID\nja vali teksti tüüp."), std::string::npos);
    EXPECT_FALSE(test::readFile(dir.file("vana[UTF-8].xml")).size());

    result = test::runProcess(PELMORA_CLI, {"import-dialect", in, "--id", "V1"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Kahtlasi kohti: 1\n");
    XmlDocument converted;
    ASSERT_TRUE(converted.load(dir.file("vana[UTF-8].xml")));
    EXPECT_EQ(std::string(converted.root().child("sisu").child("lause").child("sone").text().get()), "sõna");
    EXPECT_EQ(std::string(converted.root().child("info").child("tyyp").text().get()), "suuline");
    EXPECT_TRUE(test::readFile(dir.file("vana[1].xml")).size());
}

}  // namespace
}  // namespace pelmora
