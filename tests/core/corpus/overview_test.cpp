#include "corpus/overview.h"

#include "../io/iotestdata.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

using test::corpusText;
using test::tok;

class CorpusOverviewTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& id, const std::string& sentences,
                      const std::string& info = "")
    {
        const std::string path = m_dir.file(name);
        test::writeFile(path, corpusText(id, sentences, info));
        return path;
    }

    test::TempDir m_dir;
};

TEST_F(CorpusOverviewTest, CountsLeaveOutPunctuationAndReasonsAndCountCombinedWordsOnce)
{
    const std::string info = "<info><tyyp>suuline</tyyp><keelejuht id=\"K1\">Mari</keelejuht>"
                             "<keelejuht id=\"K2\"></keelejuht><intervjueerija id=\"I1\">Jaan</intervjueerija></info>";
    // Expected: "." and "5" are punctuation and a number (by "meta" and by the older "keel") and
    // are counted nowhere; "Riga" has a reason and is not to annotate; "-" and blanks name no
    // reason. The two words of the combination are two tokens, the combination one combination.
    const std::string a = write("a.xml", "A",
                                "<lause id=\"l1\">" + tok("l1_s1", "Kala", "lemma=\"kala\" yhend=\"1\"") +
                                    tok("l1_s2", "ujub", "yhend=\"1\"") + tok("l1_s3", "Riga", "meta=\"nimi\" lemma=\"Riga\"") +
                                    tok("l1_s4", "jo", "meta=\"-\" lemma=\"jo\"") + tok("l1_s5", ".", "meta=\"kirjavahemärk\"") +
                                    tok("l1_s6", "5", "keel=\"number\" lemma=\"5\"") + tok("l1_s7", "ve", "meta=\" \"") +
                                    "<yhend id=\"l1_s1_s2\" ylemma=\"kala ujub\"/></lause>",
                                info);
    const std::string b = write("b.xml", "B", "<lause id=\"l1\">" + tok("l1_s1", "ne", "lemma=\"ne\"") + "</lause>");

    const CorpusOverview overview = readCorpusOverview({a, b});
    ASSERT_EQ(overview.texts.size(), 2u);
    const TextOverview& text = overview.texts[0];
    EXPECT_EQ(text.file, a);
    EXPECT_EQ(text.id, "A");
    EXPECT_EQ(text.type, "suuline");
    EXPECT_EQ(text.speakers, (std::vector<std::string>{"Mari", "K2"}));
    EXPECT_EQ(text.counts, (TextCounts{5, 4, 2, 1}));
    EXPECT_DOUBLE_EQ(annotatedShare(text.counts), 0.5);
    EXPECT_GT(text.modified, 0);
    EXPECT_EQ(overview.totals, (TextCounts{6, 5, 3, 1}));
    EXPECT_TRUE(overview.errors.empty());
    EXPECT_DOUBLE_EQ(annotatedShare(TextCounts{}), 0.0);
}

TEST_F(CorpusOverviewTest, FoldersGiveTheirXmlFilesAndBadFilesAreReportedAndCountedNowhere)
{
    const std::string sentence = "<lause id=\"l1\">" + tok("l1_s1", "ne", "lemma=\"ne\"") + "</lause>";
    const std::string folder = m_dir.file("korpus");
    std::filesystem::create_directories(folder + "/alam");
    test::writeFile(folder + "/b.XML", corpusText("B", sentence));
    test::writeFile(folder + "/a.xml", corpusText("A", sentence));
    test::writeFile(folder + "/alam/c.xml", corpusText("C", sentence));
    test::writeFile(folder + "/loe.txt", "ne");
    const std::string broken = write("katki.xml", "K", "<lause id=\"l1\"><sone>");
    const std::string dictionary = m_dir.file("sonastik.xml");
    test::writeFile(dictionary, "<sonastik/>");
    const std::string empty = m_dir.file("tyhi");
    std::filesystem::create_directories(empty);

    // Expected: a file named again (here through its folder first) is counted once.
    const CorpusOverview overview = readCorpusOverview({broken, folder, folder + "/./a.xml", dictionary, empty});
    ASSERT_EQ(overview.texts.size(), 2u);
    EXPECT_EQ(overview.texts[0].file, folder + "/a.xml");
    EXPECT_EQ(overview.texts[1].file, folder + "/b.XML");
    EXPECT_EQ(overview.totals, (TextCounts{2, 2, 2, 0}));
    ASSERT_EQ(overview.errors.size(), 2u);
    EXPECT_EQ(overview.errors[0].message, "Vigane fail " + broken + ".");
    EXPECT_FALSE(overview.errors[0].reason.empty());
    EXPECT_EQ(overview.errors[1].message, "Fail " + dictionary + " ei ole korpuse tekst.");

    const CorpusOverview none = readCorpusOverview({empty});
    EXPECT_TRUE(none.texts.empty());
    EXPECT_TRUE(none.errors.empty());
    EXPECT_EQ(none.totals, TextCounts{});

    // The progress callback is told after each file; saying stop cancels with nothing set.
    std::vector<std::size_t> done;
    const CorpusOverview stopped = readCorpusOverview({folder}, [&](std::size_t d, std::size_t total) {
        done.push_back(d);
        EXPECT_EQ(total, 2u);
        return false;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.texts.empty());
    EXPECT_EQ(done, (std::vector<std::size_t>{1}));
}

TEST_F(CorpusOverviewTest, TheCacheReadsOnlyAChangedFileAgain)
{
    const auto sentence = [](const std::string& lemma) {
        return "<lause id=\"l1\">" + tok("l1_s1", "ne", "lemma=\"" + lemma + "\"") + tok("l1_s2", "jo") + "</lause>";
    };
    const std::string a = write("a.xml", "A", sentence("ne"));
    const std::string b = write("b.xml", "B", sentence("ne"));
    const std::string c = write("c.xml", "C", sentence("ne"));
    CorpusCache cache;
    EXPECT_EQ(readCorpusOverview({m_dir.path()}, {}, &cache).totals.annotated, 3);
    EXPECT_EQ(cache.filesParsed(), 3u);
    EXPECT_EQ(readCorpusOverview({m_dir.path()}, {}, &cache).totals.annotated, 3);
    EXPECT_EQ(cache.filesParsed(), 0u);

    write("b.xml", "B", sentence(""));
    const CorpusOverview changed = readCorpusOverview({m_dir.path()}, {}, &cache);
    EXPECT_EQ(cache.filesParsed(), 1u);
    EXPECT_EQ(changed.totals.annotated, 2);
    EXPECT_EQ(changed.texts[1].counts.annotated, 0);

    // The inconsistencies need the analyses, which the overview's reading did not gather.
    findInconsistencies({a, b, c}, 1, {}, &cache);
    EXPECT_EQ(cache.filesParsed(), 3u);
    readCorpusOverview({a, b, c}, {}, &cache);
    EXPECT_EQ(cache.filesParsed(), 0u);
}

TEST_F(CorpusOverviewTest, InconsistenciesGatherByKeyAndLeaveOutPunctuationAndReasons)
{
    // "Mäe" is written precomposed in one file and decomposed in the other: one key.
    const std::string a = write(
        "a.xml", "A",
        "<lause id=\"l1\">" + tok("l1_s1", "Kala", "lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\"") +
            tok("l1_s2", "kala", "lemma=\"kala\" vorm=\"sg.gen.\" liik=\"S\"") +
            tok("l1_s3", "KALA", "lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\"") +
            tok("l1_s4", "m\xC3\xA4" "e", "lemma=\"mägi\" vorm=\"sg.gen.\" liik=\"S\"") +
            tok("l1_s5", ".", "lemma=\".\" liik=\"Z\"") + tok("l1_s6", "jo", "lemma=\"jo\" liik=\"D\"") +
            tok("l1_s7", "kala", "meta=\"nimi\" lemma=\"Kala\" liik=\"H\"") +
            tok("l1_s8", "kala", "lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\"") +
            tok("l1_s9", "säl", "lemma=\"säl\" liik=\"D\"") + "</lause>");
    const std::string b = write("b.xml", "B",
                                "<lause id=\"l1\">" + tok("l1_s1", "Ma\xCC\x88" "e", "lemma=\"mäe\" liik=\"S\"") +
                                    tok("l1_s2", "!", "lemma=\"!\" liik=\"P\"") + tok("l1_s3", ".", "lemma=\".\"") +
                                    tok("l1_s4", "jo", "lemma=\"jo\" liik=\"D\"") +
                                    tok("l1_s5", "mäe", "lemma=\"ma\xCC\x88" "e\" liik=\"S\"") +
                                    // The same analysis as in a.xml, its lemma decomposed: no group.
                                    tok("l1_s6", "säl", "lemma=\"sa\xCC\x88l\" liik=\"D\"") + "</lause>");

    const InconsistencyResult result = findInconsistencies({a, b});
    ASSERT_EQ(result.groups.size(), 2u);
    const InconsistencyGroup& kala = result.groups[0];
    EXPECT_EQ(kala.key, "kala");
    EXPECT_EQ(kala.tokenCount, 4u);
    ASSERT_EQ(kala.analyses.size(), 2u);
    EXPECT_EQ(kala.analyses[0].form, "sg.nom.");
    EXPECT_EQ(kala.analyses[0].tokens, (std::vector<TokenPlace>{{a, "l1_s1"}, {a, "l1_s3"}, {a, "l1_s8"}}));
    EXPECT_EQ(kala.analyses[1].form, "sg.gen.");
    EXPECT_EQ(kala.analyses[1].partOfSpeech, "S");

    const InconsistencyGroup& mae = result.groups[1];
    EXPECT_EQ(mae.key, "m\xC3\xA4" "e");
    ASSERT_EQ(mae.analyses.size(), 2u);
    // Expected: the lemma written decomposed is the same analysis in the normal form.
    EXPECT_EQ(mae.analyses[0].lemma, "mäe");
    EXPECT_EQ(mae.analyses[0].tokens, (std::vector<TokenPlace>{{b, "l1_s1"}, {b, "l1_s5"}}));
    EXPECT_EQ(mae.analyses[1].lemma, "mägi");

    const InconsistencyResult large = findInconsistencies({a, b}, 4);
    ASSERT_EQ(large.groups.size(), 1u);
    EXPECT_EQ(large.groups[0].key, "kala");
}

}  // namespace
}  // namespace pelmora
