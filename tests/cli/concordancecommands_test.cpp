#include "testsupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pelmora {
namespace {

using test::runProcess;

const std::string kCli = PELMORA_CLI;
const std::string kHeader = "left\ttoken\tright\tlemma\tform\tfile\tsentence\tpage\ttoken_id\n";

class CliConcordanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_a = m_dir.file("a.xml");
        test::writeFile(m_a, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"A\">"
                             "<lause id=\"l1\"><sone id=\"l1_s1\">Vana</sone>"
                             "<sone id=\"l1_s2\" lk=\"3\" lemma=\"kala\" vorm=\"sg.nom.\">kala</sone>"
                             "<sone id=\"l1_s3\">ujub</sone><sone id=\"l1_s4\">.</sone></lause>"
                             "<lause id=\"l2\"><sone id=\"l2_s1\" lemma=\"kala\">Kala&#9;d</sone>"
                             "<sone id=\"l2_s2\">ka</sone></lause></sisu></pelmora>");
        m_b = m_dir.file("b.xml");
        test::writeFile(m_b, "<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\">KALA</sone></lause></sisu></pelmora>");
    }

    test::TempDir m_dir;
    std::string m_a;
    std::string m_b;
};

TEST_F(CliConcordanceTest, TsvHasAHeaderAndOneLinePerOccurrence)
{
    const test::ProcessResult result = runProcess(kCli, {"concordance", "--lemma", "kala", m_a, m_b});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Expected: a tab inside a token becomes a blank; the other file has no lemma "kala".
    EXPECT_EQ(result.out, kHeader + "Vana\tkala\tujub.\tkala\tsg.nom.\t" + m_a + "\tl1\t3\tl1_s2\n" + "\tKala d\tka\tkala\t\t" +
                              m_a + "\tl2\t\tl2_s1\n");
}

TEST_F(CliConcordanceTest, FormByKeyWithContextZero)
{
    const test::ProcessResult result = runProcess(kCli, {"concordance", "--form", "Kala", "--context", "0", m_a, m_b});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, kHeader + "\tkala\t\tkala\tsg.nom.\t" + m_a + "\tl1\t3\tl1_s2\n" + "\tKALA\t\t\t\t" + m_b +
                              "\tl1\t\tl1_s1\n");
}

TEST_F(CliConcordanceTest, JsonGivesTheSameLines)
{
    const test::ProcessResult result = runProcess(kCli, {"concordance", "--form", "kala", "--format", "json", m_a, m_b});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json lines = nlohmann::json::parse(result.out);
    ASSERT_TRUE(lines.is_array());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["left"], "Vana");
    EXPECT_EQ(lines[0]["right"], "ujub.");
    EXPECT_EQ(lines[0]["page"], "3");
    EXPECT_EQ(lines[1]["token"], "KALA");
    EXPECT_EQ(lines[1]["file"], m_b);
    EXPECT_EQ(lines[1]["token_id"], "l1_s1");

    const test::ProcessResult none = runProcess(kCli, {"concordance", "--lemma", "jõgi", "--format", "json", m_a});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(none.out), nlohmann::json::array());
}

TEST_F(CliConcordanceTest, BadFilesAreNamedSkippedAndFailTheStatus)
{
    const std::string empty = m_dir.file("tyhi.xml");
    test::writeFile(empty, "");
    const std::string broken = m_dir.file("katki.xml");
    test::writeFile(broken, "<pelmora><sisu>");
    const test::ProcessResult result = runProcess(kCli, {"concordance", "--lemma", "kala", empty, broken, m_a});
    // Expected: both bad files are named, the good one's lines are still written, status 1.
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Fail " + empty + " on tühi."), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Vigane fail " + broken + "."), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 3);
}

TEST_F(CliConcordanceTest, CombinationLinesSpanTheirWords)
{
    const std::string file = m_dir.file("c.xml");
    test::writeFile(file, "<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\">Ta</sone>"
                          "<sone id=\"l1_s2\" yhend=\"+\">võttis</sone><sone id=\"l1_s3\">asja</sone>"
                          "<sone id=\"l1_s4\" yhend=\"+\">ette</sone><yhend id=\"l1_s2_s4\" ylemma=\"ette võtma\"/>"
                          "</lause></sisu></pelmora>");
    const test::ProcessResult result = runProcess(kCli, {"concordance", "--combination", "ette võtma", file, m_a});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, kHeader + "Ta\tvõttis asja ette\t\tette võtma\t\t" + file + "\tl1\t\tl1_s2\n");
}

TEST_F(CliConcordanceTest, UsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"concordance", m_a},                                         // neither lemma nor form
        {"concordance", "--lemma", "a", "--form", "b", m_a},          // both
        {"concordance", "--form", "a", "--combination", "b", m_a},    // two at once
        {"concordance", "--lemma", "a", "--context", "-1", m_a},      // context out of range
        {"concordance", "--lemma", "a", "--format", "xml", m_a},      // unknown format
        {"concordance", "--lemma", "a"},                              // no file
    };
    for (const auto& arguments : cases) {
        const test::ProcessResult result = runProcess(kCli, arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments[1] << ' ' << arguments[2];
        EXPECT_EQ(result.out.find("left\t"), std::string::npos);
    }
}

}  // namespace
}  // namespace pelmora
