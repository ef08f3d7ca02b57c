#include "exchangesupport.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

std::string sample() { return test::samplesFolder() + "/kuolka.xml"; }

TEST(CliConvert, EachFormatComesBackAsTheSampleAndTellsWhatItLeftOut)
{
    TempDir dir;
    XmlDocument original;
    ASSERT_TRUE(original.load(sample()));
    for (const std::string extension : {".conllu", ".flextext", ".eaf"}) {
        const std::string exported = dir.file("kuolka" + extension);
        const test::ProcessResult out = runProcess(kCli, {"convert", sample(), exported});
        ASSERT_EQ(out.exitCode, 0) << out.err;
        // The sample's comment between sentences has no place in any format.
        EXPECT_NE(out.err.find("ei hoia kõike; välja jäi:\n  muu sisu tekstis lausete kõrval: 1"), std::string::npos) << out.err;
        const std::string back = dir.file("tagasi" + extension + ".xml");
        ASSERT_EQ(runProcess(kCli, {"convert", exported, back}).exitCode, 0);
        XmlDocument imported;
        ASSERT_TRUE(imported.load(back));
        EXPECT_EQ(test::exchangeDifference(original.root(), imported.root()), "") << extension;
    }
    // One format into another goes through a corpus text.
    const test::ProcessResult across =
        runProcess(kCli, {"convert", dir.file("kuolka.conllu"), dir.file("x.dat"), "--to", "eaf"});
    ASSERT_EQ(across.exitCode, 0) << across.err;
    EXPECT_EQ(test::eafReferenceErrors(test::readFile(dir.file("x.dat"))), "");
}

TEST(CliConvert, RefusesToOverwriteWithoutForceAndUnknownFormats)
{
    TempDir dir;
    const std::string out = dir.file("out.conllu");
    test::writeFile(out, "vana");
    test::ProcessResult result = runProcess(kCli, {"convert", sample(), out});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(test::readFile(out), "vana");
    EXPECT_NE(result.err.find("Fail " + out + " on juba olemas."), std::string::npos);
    EXPECT_NE(result.err.find("Ülekirjutamiseks lisa --force."), std::string::npos);
    EXPECT_EQ(runProcess(kCli, {"convert", sample(), out, "--force"}).exitCode, 0);
    EXPECT_NE(test::readFile(out), "vana");

    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"convert", sample(), dir.file("out.txt")}, 1, "vormingut ei tunne"},
        {{"convert", sample(), dir.file("out.txt"), "--to", "docx"}, 2, ""},
        {{"convert", sample(), dir.file("uus.xml")}, 1, "mõlemad Pelmora tekstid"},
        {{"convert", dir.file("puudub.eaf"), dir.file("uus.xml")}, 1, "Ei leidnud faili"},
        {{"convert", out, out, "--force"}, 1, "on sama mis sisendfail"},
    };
    for (const Case& c : cases) {
        result = runProcess(kCli, c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[2];
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("uus.xml")));
}

TEST(CliConvert, SeveralFlexTextTextsGiveNumberedTextsOrTheOneChosen)
{
    TempDir dir;
    const std::string text = "<interlinear-text><paragraphs><paragraph><phrases><phrase><words><word>"
                             "<item type=\"txt\" lang=\"liv\">%s</item></word></words></phrase></phrases>"
                             "</paragraph></paragraphs></interlinear-text>";
    std::string both = "<document version=\"2\">";
    for (const char* word : {"üks", "kaks"})
        both += std::string(text).replace(text.find("%s"), 2, word);
    test::writeFile(dir.file("kaks.flextext"), both + "</document>");
    ASSERT_EQ(runProcess(kCli, {"convert", dir.file("kaks.flextext"), dir.file("tekst.xml"), "--id", "lugu"}).exitCode, 0);
    EXPECT_NE(test::readFile(dir.file("tekst-1.xml")).find(">üks</sone>"), std::string::npos);
    EXPECT_NE(test::readFile(dir.file("tekst-1.xml")).find("<sisu id=\"lugu-1\">"), std::string::npos);
    EXPECT_NE(test::readFile(dir.file("tekst-2.xml")).find(">kaks</sone>"), std::string::npos);
    ASSERT_EQ(runProcess(kCli, {"convert", dir.file("kaks.flextext"), dir.file("teine.xml"), "--text", "2"}).exitCode, 0);
    const std::string second = test::readFile(dir.file("teine.xml"));
    EXPECT_NE(second.find(">kaks</sone>"), std::string::npos);
    EXPECT_NE(second.find("<sisu id=\"kaks-2\">"), std::string::npos) << "the text is named after its file and place";
    EXPECT_EQ(runProcess(kCli, {"convert", dir.file("kaks.flextext"), dir.file("kolmas.xml"), "--text", "3"}).exitCode, 1);
}

TEST(CliDictLift, ExportValidatesAndImportPreviewsAndMerges)
{
    TempDir dir;
    const std::string dictionary = test::samplesFolder() + "/sonastik.xml";
    const std::string lift = dir.file("sonastik.lift");
    ASSERT_EQ(runProcess(kCli, {"dict", "export-lift", dictionary, lift}).exitCode, 0);
    EXPECT_EQ(test::relaxNgErrors(test::readFile(lift), test::interopData("lift-0.13.rng")), "");
    EXPECT_EQ(runProcess(kCli, {"dict", "export-lift", dictionary, lift}).exitCode, 1);

    const std::string fresh = dir.file("uus.xml");
    ASSERT_EQ(runProcess(kCli, {"dict", "new", fresh}).exitCode, 0);
    const std::string empty = test::readFile(fresh);
    test::ProcessResult result = runProcess(kCli, {"dict", "import-lift", fresh, lift, "--preview"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.err.find("uusi kirjeid 8, samu 0, erinevaid 0"), std::string::npos) << result.err;
    EXPECT_EQ(test::readFile(fresh), empty);
    ASSERT_EQ(runProcess(kCli, {"dict", "import-lift", fresh, lift}).exitCode, 0);
    result = runProcess(kCli, {"dict", "import-lift", fresh, lift});
    EXPECT_NE(result.err.find("uusi kirjeid 0, samu 8, erinevaid 0"), std::string::npos) << result.err;
    EXPECT_EQ(runProcess(kCli, {"dict", "walk", fresh, "lemmad"}).out, runProcess(kCli, {"dict", "walk", dictionary, "lemmad"}).out);

    test::writeFile(dir.file("vigane.lift"), "<lift version=\"0.13\">");
    result = runProcess(kCli, {"dict", "import-lift", fresh, dir.file("vigane.lift")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Vigane fail"), std::string::npos);
}

}  // namespace
}  // namespace pelmora
