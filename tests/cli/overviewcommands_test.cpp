#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>

namespace pelmora {
namespace {

using nlohmann::json;
using test::runProcess;

const std::string kCli = PELMORA_CLI;

// A folder with two corpus texts and a broken file: "kala" is annotated two ways, "." is
// punctuation, "Riga" has a reason not to be annotated.
class CorpusFolder {
public:
    CorpusFolder()
    {
        std::filesystem::create_directories(folder());
        test::writeFile(folder() + "/a.xml",
                        "<pelmora><info><tyyp>kirjalik</tyyp><keelejuht id=\"K1\">Mari</keelejuht></info><sisu id=\"A\">"
                        "<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\">Kala</sone>"
                        "<sone id=\"l1_s2\">ujub</sone><sone id=\"l1_s3\" meta=\"kirjavahemärk\">.</sone>"
                        "<sone id=\"l1_s4\" meta=\"nimi\">Riga</sone></lause></sisu></pelmora>");
        test::writeFile(folder() + "/b.xml", "<pelmora><sisu id=\"B\"><lause id=\"l1\">"
                                             "<sone id=\"l1_s1\" lemma=\"kala\" vorm=\"sg.gen.\" liik=\"S\">kala</sone>"
                                             "</lause></sisu></pelmora>");
        test::writeFile(broken(), "<pelmora><sisu>");
    }
    std::string folder() const { return m_dir.file("korpus"); }
    std::string broken() const { return m_dir.file("katki.xml"); }

private:
    test::TempDir m_dir;
};

struct JsonCase {
    const char* name;
    std::vector<std::string> arguments;  // before the files
    std::function<void(const json& out, const CorpusFolder& corpus)> check;
};

class CliOverviewJsonTest : public ::testing::TestWithParam<JsonCase> {};

TEST_P(CliOverviewJsonTest, JsonShapeAndBadFilesFailTheStatus)
{
    const CorpusFolder corpus;
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.push_back("--format");
    arguments.push_back("json");
    arguments.push_back(corpus.folder());
    const test::ProcessResult good = runProcess(kCli, arguments);
    EXPECT_EQ(good.exitCode, 0) << good.err;
    GetParam().check(json::parse(good.out), corpus);

    // Expected: the broken file is named, the readable ones still written, status 1.
    arguments.push_back(corpus.broken());
    const test::ProcessResult bad = runProcess(kCli, arguments);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("Vigane fail " + corpus.broken() + "."), std::string::npos) << bad.err;
    GetParam().check(json::parse(bad.out), corpus);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliOverviewJsonTest,
    ::testing::Values(
        JsonCase{"overview", {"overview"},
                 [](const json& out, const CorpusFolder& corpus) {
                     ASSERT_EQ(out["texts"].size(), 2u);
                     const json& a = out["texts"][0];
                     EXPECT_EQ(a["file"], corpus.folder() + "/a.xml");
                     EXPECT_EQ(a["id"], "A");
                     EXPECT_EQ(a["type"], "kirjalik");
                     EXPECT_EQ(a["speakers"], json::array({"Mari"}));
                     EXPECT_EQ(a["tokens"], 3);
                     EXPECT_EQ(a["to_annotate"], 2);
                     EXPECT_EQ(a["annotated"], 1);
                     EXPECT_DOUBLE_EQ(a["annotated_share"].get<double>(), 0.5);
                     EXPECT_TRUE(a["modified"].get<std::string>().ends_with("Z"));
                     const json& totals = out["totals"];
                     EXPECT_EQ(totals["files"], 2);
                     EXPECT_EQ(totals["tokens"], 4);
                     EXPECT_EQ(totals["to_annotate"], 3);
                     EXPECT_EQ(totals["annotated"], 2);
                     for (const json& error : out["errors"])
                         EXPECT_EQ(error["message"], "Vigane fail " + corpus.broken() + ".");
                 }},
        JsonCase{"inconsistencies", {"inconsistencies", "--min-count", "2"},
                 [](const json& out, const CorpusFolder& corpus) {
                     ASSERT_EQ(out.size(), 1u);
                     EXPECT_EQ(out[0]["key"], "kala");
                     const json& analyses = out[0]["analyses"];
                     ASSERT_EQ(analyses.size(), 2u);
                     EXPECT_EQ(analyses[0]["lemma"], "kala");
                     EXPECT_EQ(analyses[0]["vorm"], "sg.gen.");
                     EXPECT_EQ(analyses[0]["liik"], "S");
                     EXPECT_EQ(analyses[0]["count"], 1);
                     EXPECT_EQ(analyses[0]["tokens"],
                               json::array({{{"file", corpus.folder() + "/b.xml"}, {"id", "l1_s1"}}}));
                     EXPECT_EQ(analyses[1]["vorm"], "sg.nom.");
                 }}),
    [](const ::testing::TestParamInfo<JsonCase>& param) { return std::string(param.param.name); });

// One line per token of a group, the analysis with the most tokens first; a tab in a value (here
// the file's name) becomes a blank so that the columns stay in place.
TEST(CliInconsistencies, TsvGivesALinePerTokenAndKeepsItsColumns)
{
    const CorpusFolder corpus;
    const std::string tabbed = corpus.folder() + "/c\td.xml";
    test::writeFile(tabbed, "<pelmora><sisu id=\"C\"><lause id=\"l1\">"
                            "<sone id=\"l1_s1\" lemma=\"kala\" vorm=\"sg.gen.\" liik=\"S\">KALA</sone>"
                            "</lause></sisu></pelmora>");
    const std::string a = corpus.folder() + "/a.xml";
    const test::ProcessResult result = runProcess(kCli, {"inconsistencies", a, tabbed});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "key\tlemma\tvorm\tliik\tcount\tfile\tid\n"
                          "kala\tkala\tsg.gen.\tS\t1\t" + corpus.folder() + "/c d.xml\tl1_s1\n"
                          "kala\tkala\tsg.nom.\tS\t1\t" + a + "\tl1_s1\n");
}

// Thousands of groups are written in blocks on more than one thread where there are cores: the
// groups still come with the most tokens first, then by key, each group's lines together.
TEST(CliInconsistencies, ManyGroupsKeepTheirOrderAcrossBlocks)
{
    const CorpusFolder corpus;
    std::string text = "<pelmora><sisu id=\"M\">";
    std::vector<std::pair<int, std::string>> expected;  // minus the token count, then the key
    std::size_t allTokens = 0;
    for (int g = 1; g <= 5000; ++g) {
        const std::string key = "s" + std::to_string(g);
        const int tokens = 2 + g % 3;
        allTokens += static_cast<std::size_t>(tokens);
        expected.emplace_back(-tokens, key);
        text += "<lause id=\"l" + std::to_string(g) + "\">";
        for (int t = 1; t <= tokens; ++t)
            text += "<sone id=\"l" + std::to_string(g) + "_s" + std::to_string(t) + "\" lemma=\"" +
                    (t == 1 ? "a" : "b") + "\" liik=\"S\">" + key + "</sone>";
        text += "</lause>";
    }
    text += "</sisu></pelmora>";
    const std::string many = corpus.folder() + "/many.xml";
    test::writeFile(many, text);
    const test::ProcessResult result = runProcess(kCli, {"inconsistencies", many});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> keys;
    std::size_t lines = 0;
    for (std::size_t at = result.out.find('\n') + 1; at < result.out.size(); at = result.out.find('\n', at) + 1) {
        ++lines;
        const std::string key = result.out.substr(at, result.out.find('\t', at) - at);
        if (keys.empty() || keys.back() != key)
            keys.push_back(key);
    }
    ASSERT_EQ(keys.size(), expected.size());
    for (std::size_t g = 0; g < keys.size(); ++g)
        ASSERT_EQ(keys[g], expected[g].second) << g;
    EXPECT_EQ(lines, allTokens);
}

TEST(CliApplyAnalysis, ReportsTheChangedTokensAndNamesTheFilesLeftAlone)
{
    const CorpusFolder corpus;
    const std::string a = corpus.folder() + "/a.xml";
    const std::string b = corpus.folder() + "/b.xml";
    const std::vector<std::string> analysis{"apply-analysis", "--form", "KALA", "--lemma", "kala", "--vorm", "sg.gen."};

    // Expected: a dry run counts a.xml's token and writes nothing (b.xml holds the analysis already).
    std::vector<std::string> dry = analysis;
    dry.insert(dry.end(), {"--dry-run", corpus.folder()});
    const std::string before = test::readFile(a);
    const test::ProcessResult counted = runProcess(kCli, dry);
    EXPECT_EQ(counted.exitCode, 0) << counted.err;
    EXPECT_EQ(counted.out, a + "\t1\n1 tokens in 1 files would change (dry run, nothing written)\n");
    EXPECT_EQ(test::readFile(a), before);

    // Expected: the broken file is named on the error output and fails the status; the rest is written.
    std::vector<std::string> real = analysis;
    real.insert(real.end(), {corpus.folder(), corpus.broken()});
    const test::ProcessResult applied = runProcess(kCli, real);
    EXPECT_EQ(applied.exitCode, 1);
    EXPECT_EQ(applied.out, a + "\t1\n1 tokens in 1 files changed\n");
    EXPECT_NE(applied.err.find("Vigane fail " + corpus.broken() + "."), std::string::npos) << applied.err;
    EXPECT_NE(test::readFile(a).find("vorm=\"sg.gen.\""), std::string::npos);

    const test::ProcessResult blank = runProcess(kCli, {"apply-analysis", "--form", "kala", "--lemma", " ", b});
    EXPECT_EQ(blank.exitCode, 2);
    EXPECT_EQ(blank.err, "Lemma puudub.\n");
}

}  // namespace
}  // namespace pelmora
