#include "corpus/applyanalysis.h"

#include "../io/iotestdata.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

namespace pelmora {
namespace {

using test::corpusText;
using test::tok;

// "lemma|vorm|liik|auto" of every token of the file, by identifier.
std::map<std::string, std::string> analysesOf(const std::string& path)
{
    SilentPrompter prompter;
    CPelmoraDoc doc(prompter);
    std::map<std::string, std::string> analyses;
    if (!doc.openDocument(path))
        return analyses;
    for (XmlNode token = doc.firstToken(); token; token = CPelmoraDoc::nextToken(token))
        analyses[CPelmoraDoc::attribute(token, "id")] =
            CPelmoraDoc::attribute(token, "lemma") + "|" + CPelmoraDoc::attribute(token, "vorm") + "|" +
            CPelmoraDoc::attribute(token, "liik") + "|" + CPelmoraDoc::attribute(token, "auto");
    return analyses;
}

// Two texts: "kala" in many cases and spellings, a token with a reason, another word, a word
// written decomposed, punctuation.
class ApplyAnalysisTest : public ::testing::Test {
protected:
    ApplyAnalysisTest()
    {
        test::writeFile(a(), corpusText("A", "<lause id=\"l1\">" +
                                                 tok("l1_s1", "Kala", "lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\"") +
                                                 tok("l1_s2", "kala", "lemma=\"kalu\" auto=\"+\" tahendus=\"x\"") +
                                                 tok("l1_s3", "KALA") + tok("l1_s4", "kala", "meta=\"nimi\" lemma=\"Kala\"") +
                                                 tok("l1_s5", "kala", "meta=\"-\" lemma=\"kala\" vorm=\"sg.gen.\" liik=\"S\"") +
                                                 tok("l1_s6", "kalad", "lemma=\"kala\"") +
                                                 tok("l1_s7", "Ma\xCC\x88" "e", "lemma=\"mägi\"") +
                                                 tok("l1_s8", "kala", "meta=\"kirjavahemärk\"") + "</lause>"));
        test::writeFile(b(), corpusText("B", "<lause id=\"l1\">" +
                                                 tok("l1_s1", "kala", "lemma=\"kala\" vorm=\"pl.nom.\" liik=\"S\"") +
                                                 "</lause>"));
    }
    std::string a() const { return m_dir.file("a.xml"); }
    std::string b() const { return m_dir.file("b.xml"); }

    test::TempDir m_dir;
};

struct ApplyCase {
    const char* name;
    std::function<void(AnalysisToApply&, const std::string& a)> request;
    std::size_t aTokens;  // changed in a.xml
    std::size_t bTokens;  // changed in b.xml
    std::map<std::string, std::string> aAfter;  // the tokens of a.xml that differ from before
    std::string bAfter;                         // b.xml's token when it changed
};

const std::map<std::string, std::string> kBefore = {
    {"l1_s1", "kala|sg.nom.|S|"}, {"l1_s2", "kalu|||+"}, {"l1_s3", "|||"},  {"l1_s4", "Kala|||"},
    {"l1_s5", "kala|sg.gen.|S|"}, {"l1_s6", "kala|||"},  {"l1_s7", "mägi|||"}, {"l1_s8", "|||"}};

class ApplyAnalysisCases : public ApplyAnalysisTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyAnalysisCases, ChangesTheMatchingTokensToAnnotateOnly)
{
    const ApplyCase& c = GetParam();
    AnalysisToApply analysis;
    c.request(analysis, a());
    const std::string bBefore = test::readFile(b());

    const ApplyAnalysisResult result = applyAnalysis({m_dir.path()}, analysis);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_TRUE(result.refused.empty());
    std::vector<AppliedFile> changed;
    if (c.aTokens > 0)
        changed.push_back({a(), c.aTokens});
    if (c.bTokens > 0)
        changed.push_back({b(), c.bTokens});
    EXPECT_EQ(result.changed, changed);
    EXPECT_EQ(result.tokens, c.aTokens + c.bTokens);

    std::map<std::string, std::string> expected = kBefore;
    for (const auto& [id, after] : c.aAfter)
        expected[id] = after;
    EXPECT_EQ(analysesOf(a()), expected);
    // Expected: a file without a change is not written at all.
    if (c.bTokens == 0)
        EXPECT_EQ(test::readFile(b()), bBefore);
    else
        EXPECT_EQ(analysesOf(b())["l1_s1"], c.bAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ApplyAnalysisCases,
    ::testing::Values(
        // Every case and spelling of the key; the token with a reason, the other word and the
        // punctuation stay; the token that has the analysis already is not counted.
        ApplyCase{"everyTokenOfTheKey",
                  [](AnalysisToApply& r, const std::string&) { r = {"KALA", " kala ", "sg.gen.", "S", {}, {}, false}; },
                  3, 1,
                  {{"l1_s1", "kala|sg.gen.|S|"}, {"l1_s2", "kala|sg.gen.|S|"}, {"l1_s3", "kala|sg.gen.|S|"}},
                  "kala|sg.gen.|S|"},
        ApplyCase{"onlyTokensWithTheOldLemma",
                  [](AnalysisToApply& r, const std::string&) { r = {"kala", "kala", "sg.gen.", "S", "kalu", {}, false}; },
                  1, 0, {{"l1_s2", "kala|sg.gen.|S|"}}, ""},
        ApplyCase{"onlyTokensWithoutALemma",
                  [](AnalysisToApply& r, const std::string&) { r = {"kala", "kala", {}, {}, "", {}, false}; }, 1, 0,
                  {{"l1_s3", "kala|||"}}, ""},
        // The form written precomposed finds the token written decomposed; the lemma is stored
        // in the normal form; a form and part of speech not given stay as they are.
        ApplyCase{"keyIgnoresNormalisation",
                  [](AnalysisToApply& r, const std::string&) { r = {"mäe", "ma\xCC\x88" "e", {}, {}, {}, {}, false}; },
                  1, 0, {{"l1_s7", "mäe|||"}}, ""},
        ApplyCase{"dashRemovesTheForm",
                  [](AnalysisToApply& r, const std::string&) { r = {"kala", "kala", "-", {}, "kala", {}, false}; }, 2,
                  1, {{"l1_s1", "kala||S|"}, {"l1_s5", "kala||S|"}}, "kala||S|"},
        // Named tokens only: the one with a reason stays even when named; b.xml is not named.
        ApplyCase{"onlyTheNamedTokens",
                  [](AnalysisToApply& r, const std::string& a) {
                      r = {"kala", "kala", "sg.gen.", "S", {}, {{a, "l1_s3"}, {a, "l1_s4"}}, false};
                  },
                  1, 0, {{"l1_s3", "kala|sg.gen.|S|"}}, ""}),
    [](const ::testing::TestParamInfo<ApplyCase>& param) { return std::string(param.param.name); });

TEST_F(ApplyAnalysisTest, DryRunCountsAndWritesNothing)
{
    const std::string aBefore = test::readFile(a());
    const std::string bBefore = test::readFile(b());
    const ApplyAnalysisResult result = applyAnalysis({a(), b()}, {"kala", "kala", "sg.gen.", "S", {}, {}, true});
    EXPECT_EQ(result.tokens, 4u);
    EXPECT_EQ(result.changed.size(), 2u);
    EXPECT_EQ(test::readFile(a()), aBefore);
    EXPECT_EQ(test::readFile(b()), bBefore);
}

TEST_F(ApplyAnalysisTest, ChangedMalformedAndUnwritableFilesAreLeftAsTheyAreAndReported)
{
    const std::string broken = m_dir.file("katki.xml");
    test::writeFile(broken, "<pelmora><sisu><lause>");
    CorpusCache cache;
    readCorpusOverview({a(), b()}, {}, &cache);
    test::writeFile(a(), test::readFile(a()) + "\n");
    const std::string aBefore = test::readFile(a());
    // Expected: a.xml was written after the overview read it (its stamp moved), so it is left
    // alone; the broken file is named with the reader's reason; b.xml is still changed.
    const std::map<std::string, FileStamp> expected{{a(), *cache.stampOf(a())}, {b(), *cache.stampOf(b())}};
    const ApplyAnalysisResult result =
        applyAnalysis({a(), broken, b()}, {"kala", "kala", "sg.gen.", "S", {}, {}, false}, expected);
    ASSERT_EQ(result.skipped.size(), 2u);
    EXPECT_EQ(result.skipped[0].message, "Fail " + a() + " on pärast lugemist muutunud.");
    EXPECT_EQ(result.skipped[1].message, "Vigane fail " + broken + ".");
    EXPECT_NE(result.skipped[1].reason.find(broken), std::string::npos) << result.skipped[1].reason;
    EXPECT_EQ(result.changed, (std::vector<AppliedFile>{{b(), 1}}));
    EXPECT_EQ(test::readFile(a()), aBefore);

    // A file in a folder that cannot be written keeps its old bytes whole. Root writes anywhere,
    // so this runs without privileges.
    const std::string shared = test::writeSharedFile(m_dir, "c.xml", test::readFile(a()));
    const std::string folder = std::filesystem::path(shared).parent_path().string();
    const int status = test::runUnprivileged([&] {
        ::chmod(folder.c_str(), 0555);
        const ApplyAnalysisResult failed = applyAnalysis({shared}, {"kala", "kala", "sg.gen.", "S", {}, {}, false});
        ::chmod(folder.c_str(), 0755);
        const bool reported = failed.skipped.size() == 1 &&
                              failed.skipped[0].message == "Faili " + shared + " ei saanud salvestada." &&
                              failed.changed.empty();
        return reported && test::readFile(shared) == aBefore ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(ApplyAnalysisTest, ABlankLemmaOrAFormWithoutAKeyIsRefusedBeforeAnyFileIsRead)
{
    EXPECT_EQ(applyAnalysis({a()}, {"kala", "  ", {}, {}, {}, {}, false}).refused, "Lemma puudub.");
    EXPECT_EQ(applyAnalysis({a()}, {"[]", "kala", {}, {}, {}, {}, false}).refused, "Sõnavormil pole võtit.");
    EXPECT_EQ(analysesOf(a()), kBefore);
}

}  // namespace
}  // namespace pelmora
