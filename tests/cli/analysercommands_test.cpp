#include "testsupport.h"
#include "xml/xmldocument.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;
using test::testTransducer;

const std::string kCli = PELMORA_CLI;

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<pelmora tyyp=\"sonastik\">"
    "<soned><sone id=\"__\" lemma=\"__\"/><sone id=\"kalā\" lemma=\"kalā\" vorm=\"sg.gen.\" kaal=\"3\"/></soned>"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/><lemma id=\"kalā\" tahendus=\"kala\" liik=\"S\" kaal=\"1\"/></lemmad>"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

std::string textOf(const std::string& tokens)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"t\"><lause id=\"l1\">" + tokens +
           "</lause></sisu></pelmora>\n";
}

TEST(CliLocalAnalyse, PrintsEachAnalysisBestFirstWithItsSource)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    const std::string fst = testTransducer("liv-weighted.hfstol");

    const test::ProcessResult plain = runProcess(kCli, {"analyse", "kalā", "tundmatu", "RĪGÕS", "--fst", fst});
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    // Expected: the transducer's order; nothing for the unknown word; the all-capital word as the
    // transducer spells it.
    EXPECT_EQ(plain.out, "kalā\tkalā\tS\tsg.nom.\tanalyser\nkalā\tkalā\tS\tsg.gen.\tanalyser\n"
                         "RĪGÕS\tRīga\tH\tsg.in.\tanalyser\n");

    // The dictionary's confirmation ranks the genitive first; words come from standard input.
    const test::ProcessResult ranked =
        runProcess(kCli, {"analyse", "-", "--fst", fst, "--dict", dir.file("d.xml"), "--format", "json"}, "kalā\r\nvīž\n");
    EXPECT_EQ(ranked.exitCode, 0) << ranked.err;
    const nlohmann::json lines = nlohmann::json::parse(ranked.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["form"], "sg.gen.");
    EXPECT_EQ(lines[0]["source"], "dictionary");
    EXPECT_EQ(lines[1]["source"], "headword");
    EXPECT_EQ(lines[2]["word"], "vīž");
    // The unknown tag of "vīž" is told once on standard error.
    EXPECT_EQ(ranked.err, "Analüsaatori märgend +Dial on tundmatu ja jäetakse vahele.\n");

    // Texts confirm too.
    test::writeFile(dir.file("a.xml"), textOf("<sone id=\"l1_s1\" lemma=\"kalā\" vorm=\"sg.gen.\">kalā</sone>"));
    EXPECT_EQ(runProcess(kCli, {"analyse", "kalā", "--fst", fst, "--texts", dir.file("a.xml")}).out,
              "kalā\tkalā\tS\tsg.gen.\ttexts\nkalā\tkalā\tS\tsg.nom.\tanalyser\n");
}

TEST(CliLocalAnalyse, RefusesAFileThatIsNotATransducer)
{
    test::TempDir dir;
    test::writeFile(dir.file("x.hfstol"), "kalā\n");
    const test::ProcessResult result = runProcess(kCli, {"analyse", "kalā", "--fst", dir.file("x.hfstol")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("ei ole HFST-i analüsaator"), std::string::npos) << result.err;
    EXPECT_EQ(runProcess(kCli, {"analyse", "kalā"}).exitCode, 2);  // neither --url nor --fst
}

TEST(CliPreannotate, FillsAndReports)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    const std::string text = dir.file("t.xml");
    const std::string original = textOf("<sone id=\"l1_s1\">kalād</sone><sone id=\"l1_s2\">kalā</sone>");
    test::writeFile(text, original);
    const std::string fst = testTransducer("liv.hfstol");

    const test::ProcessResult result =
        runProcess(kCli, {"preannotate", text, "--fst", fst, "--dict", dir.file("d.xml"), "-o", dir.file("out.xml")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Eelmärgendatud sõnesid: 2\nMitme võimaliku analüüsiga (jäid märgendamata): 0\n"
                          "Analüsaatorile tundmatuid: 0\n");
    const std::string written = test::readFile(dir.file("out.xml"));
    EXPECT_NE(written.find("<sone id=\"l1_s1\" lemma=\"kalā\" vorm=\"pl.nom.\" liik=\"S\" tahendus=\"kala\" auto=\"+\">"),
              std::string::npos)
        << written;
    EXPECT_EQ(test::readFile(text), original);  // -o leaves the text as it was

    // Without the dictionary's weight the two readings of "kalā" stay a choice.
    const test::ProcessResult strict = runProcess(kCli, {"preannotate", text, "--fst", fst, "--in-place"});
    EXPECT_EQ(strict.exitCode, 0) << strict.err;
    EXPECT_NE(strict.out.find("(jäid märgendamata): 1"), std::string::npos);
    EXPECT_NE(test::readFile(text), original);

    EXPECT_EQ(runProcess(kCli, {"preannotate", text, "--fst", fst}).exitCode, 2);  // neither -o nor --in-place
    EXPECT_EQ(runProcess(kCli, {"preannotate", text, "--fst", fst, "--factor", "0", "--in-place"}).exitCode, 2);
}

TEST(CliSuggest, FillsTheAnalyserListsFromTheTransducer)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    test::TempDir dir;
    const std::string text = dir.file("t.xml");
    test::writeFile(text, textOf("<sone id=\"l1_s1\">jūrõ</sone><sone id=\"l1_s2\">vīeres</sone>"
                                 "<sone id=\"l1_s3\">kalād</sone>"));
    const test::ProcessResult result = runProcess(
        kCli, {"suggest", text, "--token", "l1_s3", "--fst", testTransducer("liv.hfstol"), "--only-if", "0", "--morf", "0"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json out = nlohmann::json::parse(result.out);
    EXPECT_EQ(out["fields"]["lemma"], "kalā");
    EXPECT_EQ(out["fields"]["vorm"], "pl.nom.");
    EXPECT_EQ(out["sources"]["vorm"][0], "analyser");
    EXPECT_EQ(out["analyser"].size(), 1u);

    // The neighbouring tokens spell a multi-word entry.
    const test::ProcessResult second =
        runProcess(kCli, {"suggest", text, "--token", "l1_s2", "--fst", testTransducer("liv.hfstol")});
    const nlohmann::json combinations = nlohmann::json::parse(second.out)["yhendid"];
    ASSERT_EQ(combinations.size(), 1u);
    EXPECT_EQ(combinations[0]["ylemma"], "jūrõ vīeres");
    EXPECT_EQ(combinations[0]["words"], (nlohmann::json{"l1_s1", "l1_s2"}));
}

}  // namespace
}  // namespace pelmora
