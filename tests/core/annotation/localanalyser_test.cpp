#include "annotation/localanalyser.h"
#include "common/files.h"
#include "common/prompter.h"
#include "settings/settings.h"
#include "testsupport.h"

#include <hfst/HfstInputStream.h>
#include <hfst/HfstTransducer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace pelmora {
namespace {

using test::testTransducer;

// Every word form the test lexicon knows, a few it does not, and spellings it reads only after
// a change of case.
const std::vector<std::string> kWords = {
    "kalā", "kalād", "kalāist", "tulist", "tulõ", "Rīga", "Rīgõs", "kalaa", "vīž", "KALĀD", "ELA", "aigiji", "um",
    "aigõn", "aigdõd", "jūob", "minā", "kis", "jūrõ vīeres", "üks", "üksd", "kakš", "kakšd", "kuolmõz", "mõtsāmi",
    "tundmatu", "", "kalā kalā", "x@P.Kind.one@"};

std::shared_ptr<const LocalAnalyser> loadTestAnalyser(const std::string& name = "liv.hfstol")
{
    AnalyserLoad load = LocalAnalyser::load(testTransducer(name));
    EXPECT_EQ(load.message, "");
    return load.analyser;
}

// libhfst's own lookup of a word, its flag diacritics removed, sorted.
std::vector<std::string> libhfstAnalyses(hfst::HfstTransducer& transducer, const std::string& word)
{
    std::vector<std::string> analyses;
    if (word.empty())
        return analyses;
    std::unique_ptr<hfst::HfstOneLevelPaths> paths(transducer.lookup_fd(word));
    for (const auto& [weight, symbols] : *paths) {
        std::string text;
        for (const std::string& symbol : symbols)
            text += symbol;
        analyses.push_back(std::regex_replace(text, std::regex("@[^@]+@"), ""));
    }
    std::sort(analyses.begin(), analyses.end());
    analyses.erase(std::unique(analyses.begin(), analyses.end()), analyses.end());
    return analyses;
}

TEST(LocalAnalyser, LooksUpAsLibhfstDoes)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    for (const char* name : {"liv.hfstol", "liv-weighted.hfstol"}) {
        SCOPED_TRACE(name);
        const std::shared_ptr<const LocalAnalyser> analyser = loadTestAnalyser(name);
        ASSERT_TRUE(analyser);
        hfst::HfstInputStream input(testTransducer(name));
        hfst::HfstTransducer reference(input);
        for (const std::string& word : kWords) {
            std::vector<std::string> ours = analyser->analysisStrings(word);
            std::sort(ours.begin(), ours.end());
            EXPECT_EQ(ours, libhfstAnalyses(reference, word)) << word;
        }
    }
}

TEST(LocalAnalyser, WeightsOrderTheAnalyses)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    const std::shared_ptr<const LocalAnalyser> analyser = loadTestAnalyser("liv-weighted.hfstol");
    ASSERT_TRUE(analyser);
    // Expected: the genitive carries a weight in the lexicon, so the nominative comes first.
    EXPECT_EQ(analyser->analysisStrings("kalā"), (std::vector<std::string>{"kalā+N+Sg+Nom", "kalā+N+Sg+Gen"}));
    // The flag diacritics keep "üks" out of the plural.
    EXPECT_TRUE(analyser->analysisStrings("üksd").empty());
}

struct CaseRetry {
    const char* name;
    const char* word;
    std::vector<std::string> lemmaAndForms;  // "lemma form" per analysis, in order
};

class LocalAnalyserCase : public ::testing::TestWithParam<CaseRetry> {};

TEST_P(LocalAnalyserCase, TriesTitleAndLowerCase)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    const std::shared_ptr<const LocalAnalyser> analyser = loadTestAnalyser();
    ASSERT_TRUE(analyser);
    std::vector<std::string> got;
    for (const AnalysisReading& reading : analyser->analyse(GetParam().word))
        got.push_back(reading.lemma + " " + reading.form);
    EXPECT_EQ(got, GetParam().lemmaAndForms);
}

INSTANTIATE_TEST_SUITE_P(
    Words, LocalAnalyserCase,
    ::testing::Values(CaseRetry{"Known", "kalād", {"kalā pl.nom."}},
                      CaseRetry{"AllCapitals", "KALĀ", {"kalā sg.nom.", "kalā sg.gen."}},
                      CaseRetry{"AllCapitalsProperNoun", "RĪGÕS", {"Rīga sg.in."}},
                      CaseRetry{"SentenceInitialCapital", "Tulist", {"tulõ sg.el."}},
                      // Read as an acronym only: the lower-case analysis comes first, the acronym last.
                      CaseRetry{"AcronymOfALongWord", "KALĀD", {"kalā pl.nom.", "KALĀD sg.nom."}},
                      CaseRetry{"AcronymOfThreeLetters", "ELA", {"ELA sg.nom."}},
                      CaseRetry{"DecomposedInput", "kala\xCC\x84" "d", {"kalā pl.nom."}},
                      CaseRetry{"Unknown", "tundmatu", {}},
                      CaseRetry{"MultiWordEntry", "jūrõ vīeres", {"jūrõ vīeres "}}),
    test::ByName{});

TEST(LocalAnalyser, TellsAnUnknownTagOnce)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    AnalyserLoad load = LocalAnalyser::load(testTransducer("liv.hfstol"));
    ASSERT_TRUE(load.analyser);
    std::vector<std::string> told;
    load.analyser->setTagLog([&](const std::string& tag) { told.push_back(tag); });
    load.analyser->analyse("vīž");
    load.analyser->analyse("vīž");
    EXPECT_EQ(told, std::vector<std::string>{"Dial"});
    EXPECT_EQ(load.analyser->unknownTags(), std::vector<std::string>{"Dial"});
}

// The first bytes of a file, as a failed copy leaves it.
std::string cut(const std::string& path, std::size_t size)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes.substr(0, std::min(size, bytes.size()));
}

struct BadFile {
    const char* name;
    std::function<std::string()> bytes;  // nullptr: no file at all
    const char* message;
};

class LocalAnalyserBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(LocalAnalyserBadFile, SaysWhyAndGivesNoAnalyser)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    test::TempDir dir;
    const std::string path = dir.file("analüsaator.hfstol");
    if (GetParam().bytes)
        test::writeFile(path, GetParam().bytes());
    const AnalyserLoad load = LocalAnalyser::load(path);
    EXPECT_FALSE(load.analyser);
    EXPECT_EQ(load.message.substr(0, std::string(GetParam().message).size()), GetParam().message);
}

// An HFST header naming a format, followed by bytes that are not a transducer.
std::string hfstHeader(const std::string& type)
{
    using namespace std::string_literals;
    const std::string properties = "version\0"s + "3.3\0"s + "type\0"s + type + "\0"s;
    return "HFST\0"s + static_cast<char>(properties.size()) + "\0\0"s + properties + "garbage";
}

INSTANTIATE_TEST_SUITE_P(
    Files, LocalAnalyserBadFile,
    ::testing::Values(
        BadFile{"Missing", nullptr, "Analüsaatori faili "},
        BadFile{"Text", [] { return std::string("kalā\tkalā+N+Sg+Nom\n"); }, "Fail "},
        BadFile{"Empty", [] { return std::string(); }, "Fail "},
        BadFile{"CutInTheHeader", [] { return cut(testTransducer("liv.hfstol"), 20); }, "Analüsaatori fail "},
        BadFile{"CutInTheAlphabet", [] { return cut(testTransducer("liv.hfstol"), 200); }, "Analüsaatori fail "},
        BadFile{"CutInTheTables", [] { return cut(testTransducer("liv.hfstol"), 1500); }, "Analüsaatori fail "},
        BadFile{"CutOpenFst", [] { return cut(testTransducer("liv.hfst"), 700); }, "Analüsaatori fail "},
        BadFile{"Generator", [] { return cut(testTransducer("liv-generator.hfstol"), 1u << 20); }, "Fail "},
        BadFile{"FormatLibhfstCannotRead",
                [] { return hfstHeader("XFSM"); },
                "Analüsaatori "}),
    test::ByName{});

TEST(LocalAnalyser, ConvertsOtherHfstFormats)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    const std::shared_ptr<const LocalAnalyser> reference = loadTestAnalyser();
    for (const char* name : {"liv.hfst", "liv.foma"}) {
        SCOPED_TRACE(name);
        const std::shared_ptr<const LocalAnalyser> converted = loadTestAnalyser(name);
        ASSERT_TRUE(converted);
        for (const std::string& word : kWords) {
            std::vector<std::string> a = converted->analysisStrings(word);
            std::vector<std::string> b = reference->analysisStrings(word);
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            EXPECT_EQ(a, b) << word;
        }
    }
}

TEST(LocalAnalyserHolder, LoadsOnceAndTellsAFailureOnce)
{
    PELMORA_SKIP_WITHOUT_TRANSDUCERS();
    RecordingPrompter prompter;
    LocalAnalyserHolder holder;
    Settings settings;
    settings.analyserFile = "/ei/ole/analüsaator.hfstol";
    holder.settingsConfirmed(settings);
    EXPECT_FALSE(holder.analyser(prompter));
    EXPECT_FALSE(holder.analyser(prompter));
    // Expected: one message for the missing file, not one per token.
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].title, kTitleError);

    settings.analyserFile = testTransducer("liv.hfstol");
    holder.settingsConfirmed(settings);
    EXPECT_TRUE(holder.needsLoading());
    // A load made on another thread for an older path is not taken.
    holder.adopt("/vana.hfstol", LocalAnalyser::load(testTransducer("liv.hfstol")));
    EXPECT_TRUE(holder.needsLoading());
    // While the window loads it on a worker thread, the form gets nothing instead of waiting.
    holder.markLoading();
    EXPECT_FALSE(holder.analyser(prompter));
    EXPECT_TRUE(holder.isLoading());
    holder.adopt(settings.analyserFile, LocalAnalyser::load(settings.analyserFile));
    EXPECT_FALSE(holder.isLoading());
    const std::shared_ptr<const LocalAnalyser> first = holder.analyser(prompter);
    ASSERT_TRUE(first);
    EXPECT_EQ(holder.analyser(prompter), first);  // kept while the setting stays
    EXPECT_EQ(prompter.entries().size(), 1u);
}

}  // namespace
}  // namespace pelmora
