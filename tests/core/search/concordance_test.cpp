#include "search/concordance.h"

#include "common/strings.h"

#include "../io/iotestdata.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

using test::corpusText;
using test::TempDir;
using test::tok;

class ConcordanceTest : public ::testing::Test {
protected:
    std::string corpus(const std::string& name, const std::string& sentences)
    {
        const std::string path = m_dir.file(name);
        test::writeFile(path, corpusText("T", sentences));
        return path;
    }

    // Runs the request and collects the lines and the skipped files.
    ConcordanceResult run(ConcordanceRequest request)
    {
        m_lines.clear();
        m_skipped.clear();
        ConcordanceSink sink;
        sink.line = [this](ConcordanceLine&& line) { m_lines.push_back(std::move(line)); };
        sink.skipped = [this](const ConcordanceSkippedFile& file) { m_skipped.push_back(file); };
        sink.progress = [this](std::size_t done, std::size_t total) { m_progress.emplace_back(done, total); };
        return runConcordance(request, sink, &m_cancel);
    }

    static ConcordanceRequest lemma(const std::string& word, std::vector<std::string> files, int context = 3)
    {
        return {ConcordanceBy::Lemma, word, context, std::move(files)};
    }

    TempDir m_dir;
    std::vector<ConcordanceLine> m_lines;
    std::vector<ConcordanceSkippedFile> m_skipped;
    std::vector<std::pair<std::size_t, std::size_t>> m_progress;
    std::atomic<bool> m_cancel{false};
};

// Two sentences; "kala" is the lemma of the first word of the second sentence and of a word in
// the middle of the first, with punctuation around.
std::string twoSentences()
{
    return "<lause id=\"l1\">" + tok("l1_s1", "Ma") + tok("l1_s2", "nägin", "lk=\"4\"") + tok("l1_s3", "(") +
           tok("l1_s4", "suurt") + tok("l1_s5", ")") + tok("l1_s6", "kalad", "lk=\"4\" lemma=\"kala\" vorm=\"pl.\"") +
           tok("l1_s7", ",") + tok("l1_s8", "ja") + tok("l1_s9", "läksin") + tok("l1_s10", "koju") +
           tok("l1_s11", "tagasi") + tok("l1_s12", ".") + "</lause>" + "<lause id=\"l2\">" +
           tok("l2_s1", "Kala", "lk=\"5\" lemma=\"Kala\"") + tok("l2_s2", "ujus") + tok("l2_s3", "!") + "</lause>";
}

TEST_F(ConcordanceTest, KwicLinesGiveTheContextAndTheTokensValues)
{
    const std::string file = corpus("a.xml", twoSentences());
    const ConcordanceResult result = run(lemma("kala", {file}, 4));
    EXPECT_EQ(result.lines, 2u);
    EXPECT_EQ(result.filesRead, 1u);
    ASSERT_EQ(m_lines.size(), 2u);

    // Four words each side: the parentheses and the comma are shown but not counted; the full
    // stop after the fourth word leans on it.
    const ConcordanceLine first{"Ma nägin (suurt)", "kalad", ", ja läksin koju tagasi.", "kala", "pl.",
                                file,               "l1",    "4",                         "l1_s6"};
    EXPECT_EQ(m_lines[0], first);
    // The lemma is compared by its word-form key, so "Kala" is found too; the context does not
    // reach back into the first sentence.
    const ConcordanceLine second{"", "Kala", "ujus!", "Kala", "", file, "l2", "5", "l2_s1"};
    EXPECT_EQ(m_lines[1], second);
}

TEST_F(ConcordanceTest, ContextStopsAtTheSentenceOnBothSides)
{
    const std::string file = corpus("a.xml", "<lause id=\"l1\">" + tok("l1_s1", "eelmine") + tok("l1_s2", "lause") +
                                                 "</lause><lause id=\"l2\">" + tok("l2_s1", "jõgi", "lemma=\"jõgi\"") +
                                                 "</lause><lause id=\"l3\">" + tok("l3_s1", "järgmine") + "</lause>");
    run(lemma("jõgi", {file}, 10));
    ASSERT_EQ(m_lines.size(), 1u);
    // Expected: a one-word sentence has no context at all, however wide the context is.
    EXPECT_EQ(m_lines[0].left, "");
    EXPECT_EQ(m_lines[0].right, "");
    EXPECT_EQ(m_lines[0].sentenceId, "l2");
}

TEST_F(ConcordanceTest, CombinationsAreNotTokens)
{
    // A combination between the tokens, and one whose lemma is the word looked for.
    const std::string file =
        corpus("a.xml", "<lause id=\"l1\">" + tok("l1_s1", "vana", "yhend=\"+\"") +
                            "<yhend id=\"l1_s1_s2\" ylemma=\"kala\" ytahendus=\"x\"/>" +
                            tok("l1_s2", "kala", "lemma=\"kala\" yhend=\"+\"") +
                            "<yhend id=\"l1_s2_s3\" ylemma=\"kala\"/>" + tok("l1_s3", "sööb") + "</lause>");
    run(lemma("kala", {file}));
    ASSERT_EQ(m_lines.size(), 1u);
    EXPECT_EQ(m_lines[0].left, "vana");
    EXPECT_EQ(m_lines[0].right, "sööb");
}

// A sentence with a combination of neighbours and one split by another word, for the
// combination concordance.
std::string sentenceWithCombinations()
{
    return "<lause id=\"l1\">" + tok("l1_s1", "Ta") + tok("l1_s2", "jäi", "lk=\"7\" yhend=\"+\"") +
           tok("l1_s3", "hiljaks", "yhend=\"+\"") + "<yhend id=\"l1_s2_s3\" ylemma=\"jääma hiljaks\"/>" +
           tok("l1_s4", "ja") + tok("l1_s5", "võttis", "lk=\"8\" yhend=\"+\"") + tok("l1_s6", "asja") +
           tok("l1_s7", "ette", "yhend=\"+\"") + "<yhend id=\"l1_s5_s7\" ylemma=\"Ette+ võtma\"/>" +
           tok("l1_s8", "homme") + tok("l1_s9", ".") + "<yhend id=\"l1_s20_s21\" ylemma=\"jääma hiljaks\"/>" +
           "</lause>";
}

TEST_F(ConcordanceTest, CombinationLinesSpanTheirWordsWithTheContextAround)
{
    const std::string file = corpus("a.xml", sentenceWithCombinations());
    struct Case {
        const char* lemma;
        ConcordanceLine expected;
    };
    const Case cases[] = {
        // neighbours: the two words, the context beside them
        {"jääma hiljaks", {"Ta", "jäi hiljaks", "ja võttis", "jääma hiljaks", "", file, "l1", "7", "l1_s2"}},
        // a split combination reads the word between; its lemma is compared up to case and markup
        {"ette võtma", {"hiljaks ja", "võttis asja ette", "homme.", "Ette+ võtma", "", file, "l1", "8", "l1_s5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lemma);
        // The identifier naming no word of the sentence gives no line.
        const ConcordanceResult result = run({ConcordanceBy::Combination, c.lemma, 2, {file}});
        EXPECT_EQ(result.lines, 1u);
        ASSERT_EQ(m_lines.size(), 1u);
        EXPECT_EQ(m_lines[0], c.expected);
    }
    // Words of a combination are found by their own lemma as before, and a combination's lemma
    // finds no token.
    run(lemma("jääma hiljaks", {file}));
    EXPECT_TRUE(m_lines.empty());
}

TEST_F(ConcordanceTest, WordFormIsFoundByItsKey)
{
    const std::string file =
        corpus("a.xml", "<lause id=\"l1\">" + tok("l1_s1", "Kalad") + tok("l1_s2", "kala+d") + tok("l1_s3", "KALAD") +
                            tok("l1_s4", "kaladki") + tok("l1_s5", "kala{d}") + "</lause>");
    const ConcordanceResult result = run({ConcordanceBy::WordForm, "kalad", 1, {file}});
    // Expected: case and the markup "+" are ignored; another word and a form whose key is "kala" are not.
    EXPECT_EQ(result.lines, 3u);
    ASSERT_EQ(m_lines.size(), 3u);
    EXPECT_EQ(m_lines[0].tokenId, "l1_s1");
    EXPECT_EQ(m_lines[1].tokenId, "l1_s2");
    EXPECT_EQ(m_lines[2].tokenId, "l1_s3");
    EXPECT_EQ(m_lines[1].left, "Kalad");
    EXPECT_EQ(m_lines[1].right, "KALAD");
}

TEST_F(ConcordanceTest, KeysBeyondAsciiAndWithBracedGroupsMatch)
{
    const std::string file =
        corpus("a.xml", "<lause id=\"l1\">" + tok("l1_s1", "JÕGI") + tok("l1_s2", "Jõ_gi") + tok("l1_s3", "jogi") +
                            tok("l1_s4", "J{x}ÕGI") + tok("l1_s5", "JÕG") + tok("l1_s6", "kala", "lemma=\"KA+LA{1}\"") +
                            "</lause>");
    // Expected: upper-case letters beyond ASCII, markup and braced groups are ignored either way.
    run({ConcordanceBy::WordForm, "jõgi", 0, {file}});
    ASSERT_EQ(m_lines.size(), 3u);
    EXPECT_EQ(m_lines[0].tokenId, "l1_s1");
    EXPECT_EQ(m_lines[1].tokenId, "l1_s2");
    EXPECT_EQ(m_lines[2].tokenId, "l1_s4");
    run(lemma("Kala", {file}));
    ASSERT_EQ(m_lines.size(), 1u);
    EXPECT_EQ(m_lines[0].lemma, "KA+LA{1}");
}

TEST_F(ConcordanceTest, WordFormMatchesExactlyWhereTheKeyIsEqual)
{
    // Pairs whose keys are equal or not, in letters where a shortcut could go wrong.
    const char* const words[] = {"Õun", "ÕUN", "õun", "oun", "İki", "i̇ki", "iki", "ΟΔΟΣ", "οδος", "οδοσ", "ǅem",
                                 "ǆem", "Straße", "STRASSE", "a+b", "AB", "a{b}c", "ac", "Ꞵeta", "ꞵeta", "ab\xFF",
                                 "AB\xFF"};
    std::string sentence = "<lause id=\"l1\">";
    for (std::size_t i = 0; i < std::size(words); ++i)
        sentence += tok("l1_s" + std::to_string(i + 1), words[i]);
    const std::string file = corpus("a.xml", sentence + "</lause>");
    for (const char* word : words) {
        run({ConcordanceBy::WordForm, word, 0, {file}});
        std::vector<std::string> found;
        for (const ConcordanceLine& line : m_lines)
            found.push_back(line.token);
        std::vector<std::string> expected;
        for (const char* other : words)
            if (MakeWordFormKey(other) == MakeWordFormKey(word))
                expected.emplace_back(other);
        EXPECT_EQ(found, expected) << word;
    }
}

TEST_F(ConcordanceTest, EmptyWordAndZeroContext)
{
    const std::string file = corpus("a.xml", twoSentences());
    EXPECT_EQ(run(lemma("", {file})).lines, 0u);
    EXPECT_EQ(run({ConcordanceBy::WordForm, "+", 3, {file}}).lines, 0u);  // a key of nothing finds nothing
    run(lemma("kala", {file}, 0));
    ASSERT_EQ(m_lines.size(), 2u);
    // Expected: no words, and no punctuation leaning on a word that is not shown.
    EXPECT_EQ(m_lines[0].left, "");
    EXPECT_EQ(m_lines[0].right, "");
}

TEST_F(ConcordanceTest, EmptyAndMalformedFilesAreReportedAndSkipped)
{
    const std::string empty = m_dir.file("tyhi.xml");
    test::writeFile(empty, "");
    const std::string broken = m_dir.file("katki.xml");
    test::writeFile(broken, "<pelmora><sisu><lause><sone>kala</sone></lause>");
    const std::string other = m_dir.file("muu.xml");
    test::writeFile(other, "<?xml version=\"1.0\"?><juur><sisu/></juur>");
    const std::string missing = m_dir.file("puudub.xml");
    const std::string good = corpus("hea.xml", twoSentences());

    const ConcordanceResult result = run(lemma("kala", {empty, broken, other, missing, good}));
    // Expected: the four unusable files are named in order, the good one after them is still read.
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.filesRead, 1u);
    EXPECT_EQ(result.lines, 2u);
    ASSERT_EQ(m_skipped.size(), 4u);
    ASSERT_EQ(result.skipped.size(), 4u);
    EXPECT_EQ(m_skipped[0].message, "Fail " + empty + " on tühi.");
    EXPECT_EQ(m_skipped[1].message, "Vigane fail " + broken + ".");
    EXPECT_FALSE(m_skipped[1].reason.empty());
    EXPECT_EQ(m_skipped[2].message, "Fail " + other + " ei ole korpuse tekst.");
    EXPECT_EQ(m_skipped[3].file, missing);
    // Progress is told once per file, skipped ones included.
    ASSERT_EQ(m_progress.size(), 5u);
    EXPECT_EQ(m_progress.back(), std::make_pair(std::size_t(5), std::size_t(5)));
}

TEST_F(ConcordanceTest, SentenceWithoutTokensDoesNotEndTheSearchOfItsFile)
{
    const std::string file = corpus("a.xml", "<lause id=\"l1\">" + tok("l1_s1", "üks") + "</lause><lause id=\"l2\"/>" +
                                                 "<lause id=\"l3\">" + tok("l3_s1", "kala", "lemma=\"kala\"") +
                                                 "</lause>");
    run(lemma("kala", {file}));
    ASSERT_EQ(m_lines.size(), 1u);
    EXPECT_EQ(m_lines[0].sentenceId, "l3");
}

TEST_F(ConcordanceTest, CancelStopsBeforeTheNextFile)
{
    const std::string a = corpus("a.xml", twoSentences());
    const std::string b = corpus("b.xml", twoSentences());
    ConcordanceSink sink;
    std::size_t lines = 0;
    sink.line = [&](ConcordanceLine&&) {
        ++lines;
        m_cancel = true;
    };
    const ConcordanceResult result = runConcordance(lemma("kala", {a, b}), sink, &m_cancel);
    // Expected: the first file is finished (its two lines), the second is not begun.
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(lines, 2u);
    EXPECT_EQ(result.filesRead, 1u);

    m_cancel = true;
    EXPECT_TRUE(run(lemma("kala", {a})).cancelled);
    EXPECT_TRUE(m_lines.empty());
}

TEST_F(ConcordanceTest, FilesComeFromTheSettingOrTheOpenTextsFolder)
{
    const std::string a = corpus("b.xml", twoSentences());
    const std::string b = corpus("a.XML", twoSentences());
    test::writeFile(m_dir.file("notes.txt"), "");
    std::filesystem::create_directory(m_dir.file("sub"));
    test::writeFile(m_dir.file("sub/c.xml"), "");
    // Expected: the open text's folder, its XML files by name, without other files or subfolders.
    EXPECT_EQ(concordanceFiles("", a), (std::vector<std::string>{b, a}));
    EXPECT_EQ(concordanceFiles(m_dir.path(), ""), (std::vector<std::string>{b, a}));
    EXPECT_EQ(concordanceFiles(m_dir.file("sub"), a), (std::vector<std::string>{m_dir.file("sub/c.xml")}));
    EXPECT_TRUE(concordanceFiles("", "").empty());
    // Files chosen one by one are kept in their order, and a folder is one entry.
    const std::string chosen = concordanceFileSetting({a, b});
    EXPECT_EQ(chosen, a + ";" + b);
    EXPECT_EQ(concordanceFiles(chosen, ""), (std::vector<std::string>{a, b}));
    EXPECT_EQ(concordanceFileSetting({m_dir.path()}), m_dir.path());
}

TEST(ConcordanceText, JoinsTokensAsRunningText)
{
    const std::pair<std::vector<std::string_view>, const char*> cases[] = {
        {{"tere", ",", "kala", "!"}, "tere, kala!"},
        {{"(", "vana", ")", "kala"}, "(vana) kala"},
        {{"„", "kala", "“", "."}, "„kala“."},
        {{"kala", "–", "jõgi"}, "kala – jõgi"},
        {{"\"", "kala", "\""}, "\" kala \""},
        {{",", "kala"}, ", kala"},
        {{}, ""},
    };
    for (const auto& [tokens, text] : cases)
        EXPECT_EQ(joinTokens(tokens), text);
    EXPECT_TRUE(isPunctuationToken("…"));
    EXPECT_TRUE(isPunctuationToken("?!"));
    EXPECT_FALSE(isPunctuationToken("(naerab)"));
    EXPECT_FALSE(isPunctuationToken("12"));
    EXPECT_FALSE(isPunctuationToken(""));
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

// A part of speech finds the annotated tokens of that kind only: not a token with the kind but no
// lemma, nor one with a reason not to annotate it.
TEST(ConcordanceByPartOfSpeech, FindsAnnotatedTokensOfTheKind)
{
    TempDir dir;
    const std::string file = dir.file("a.xml");
    test::writeFile(file, corpusText("T", "<lause id=\"l1\">" + tok("l1_s1", "kala", "lemma=\"kala\" liik=\" S \"") +
                                              tok("l1_s2", "vesi", "liik=\"S\"") +
                                              tok("l1_s3", "Riga", "lemma=\"Riga\" liik=\"S\" meta=\"nimi\"") +
                                              tok("l1_s4", "ujub", "lemma=\"ujuma\" liik=\"V\"") + "</lause>"));
    std::vector<std::string> found;
    ConcordanceSink sink;
    sink.line = [&found](ConcordanceLine&& line) { found.push_back(line.tokenId); };
    runConcordance({ConcordanceBy::PartOfSpeech, "S", 1, {file}}, sink, nullptr);
    EXPECT_EQ(found, (std::vector<std::string>{"l1_s1"}));
}

}  // namespace
}  // namespace pelmora
