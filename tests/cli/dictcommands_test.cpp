#include "common/files.h"
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionarylock.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

std::vector<std::string> dictArgs(std::initializer_list<std::string> rest)
{
    std::vector<std::string> args{"dict"};
    args.insert(args.end(), rest);
    return args;
}

// Opens the file as a dictionary; empty when it is not a valid one.
std::unique_ptr<CDictionary> openValid(const std::string& path, SilentPrompter& prompter)
{
    auto dictionary = std::make_unique<CDictionary>(prompter);
    if (!dictionary->openWithPath(path))
        return nullptr;
    return dictionary;
}

TEST(CliDict, NewWritesTheTemplateAndRefusesAnExistingFile)
{
    TempDir dir;
    const std::string path = dir.file("s.xml");
    ASSERT_EQ(runProcess(kCli, dictArgs({"new", path})).exitCode, 0);
    EXPECT_EQ(test::readFile(path), std::string(dictionaryTemplate()));
    test::writeFile(path, "keep");
    const test::ProcessResult again = runProcess(kCli, dictArgs({"new", path}));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "Fail " + path + " on juba olemas.\n");
    EXPECT_EQ(test::readFile(path), "keep");
}

TEST(CliDict, StoreLookupCompleteWalkAndCheck)
{
    TempDir dir;
    const std::string path = dir.file("s.xml");
    // Expected: without --create the missing file is not made.
    const test::ProcessResult refused = runProcess(kCli, dictArgs({"check", path}));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Ei leia faili " + path + ". Kas loon uue sõnastiku? [Ei]\n");
    EXPECT_FALSE(pathExists(path));

    ASSERT_EQ(runProcess(kCli, dictArgs({"store-form", "--create", path, "Kala", "kala", "sg.nom."})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-form", path, "kala", "kalaa"})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-form", path, "kala", "kalaa"})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-lemma", path, "kala", "--meaning", "kala", "--pos", "S", "--lv", "zivs"}))
                  .exitCode,
              0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-lemma", path, "kalamees", "--en", "fisherman"})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-combination", path, "a b", "--pos", "Adv"})).exitCode, 0);
    // Expected: nothing to store is a failure with a message, and the file is unchanged.
    const std::string before = test::readFile(path);
    const test::ProcessResult empty = runProcess(kCli, dictArgs({"store-combination", path, "a c", "--pos", "-"}));
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "Sõnastikku ei muudetud.\n");
    EXPECT_EQ(test::readFile(path), before);

    EXPECT_EQ(runProcess(kCli, dictArgs({"lookup", path, "KALA"})).out, "kala\tkalaa\t\t2\nkala\tkala\tsg.nom.\t1\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"lookup", path, "kalas", "--similar", "--endings", "s"})).out,
              "kala\tkala\tsg.nom.\t1\nkala\tkalaa\t\t2\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"lookup", path, "kalas", "--endings", "s"})).out, "");
    EXPECT_EQ(runProcess(kCli, dictArgs({"complete", path, "kal"})).out, "kala\nkalamees\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"walk", path, "lemmad"})).out,
              "__\t__\t\t\t\t\nkala\tkala\tS\tzivs\t\t1\nkalamees\t\t\t\tfisherman\t1\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"walk", path, "yhendid"})).out, "__\t__\t\na b\t\tAdv\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"walk", path, "sonad"})).exitCode, 2);
    EXPECT_EQ(runProcess(kCli, dictArgs({"check", path})).out,
              "soned: 2 entries, 3 analyses\nlemmad: 3 entries, 3 analyses\nyhendid: 2 entries, 2 analyses\n");

    ASSERT_EQ(runProcess(kCli, dictArgs({"delete-form", path, "kala", "kala", "sg.nom."})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"delete-lemma", path, "kalamees", "--en", "fisherman"})).exitCode, 0);
    ASSERT_EQ(runProcess(kCli, dictArgs({"delete-combination", path, "a b", "--pos", "Adv"})).exitCode, 0);
    EXPECT_EQ(runProcess(kCli, dictArgs({"walk", path, "soned"})).out, "__\t__\t\t\nkala\tkalaa\t\t2\n");
    const test::ProcessResult last = runProcess(kCli, dictArgs({"delete-combination", path, "__", "--meaning", "__"}));
    EXPECT_EQ(last.exitCode, 1);
    EXPECT_EQ(last.err, "Sõnastikus on ainult üks ühend,\nei saa seda kustutada\n");
    EXPECT_FALSE(pathExists(path + ".lock"));
}

TEST(CliDict, LockTimeoutGivesUpWithoutChanging)
{
    TempDir dir;
    const std::string path = dir.file("s.xml");
    test::writeFile(path, std::string(dictionaryTemplate()));
    DictionaryLock held;
    ASSERT_EQ(held.acquire(path), DictionaryLock::Status::Held);
    const test::ProcessResult result =
        runProcess(kCli, dictArgs({"store-form", "--lock-timeout", "0.2", path, "kala", "kala"}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Sõnastikku " + path + " muudab praegu teine kasutaja.\nMuudatust ei tehtud.\n");
    EXPECT_EQ(test::readFile(path), std::string(dictionaryTemplate()));
}

TEST(CliDict, AddTextAndExport)
{
    TempDir dir;
    const std::string path = dir.file("s.xml");
    const std::string out = dir.file("s.txt");
    const test::ProcessResult added =
        runProcess(kCli, dictArgs({"add-text", "--create", path, test::samplesFolder() + "/kuolka.xml"}));
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(runProcess(kCli, dictArgs({"lookup", path, "Minā"})).out, "minā\tminā\tsg.nom.\t1\n");
    EXPECT_EQ(runProcess(kCli, dictArgs({"walk", path, "yhendid"})).out,
              "__\t__\t\njūrõ vīeres\tmere ääres\tPost\n");
    const test::ProcessResult exported = runProcess(kCli, dictArgs({"export", path, out}));
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(test::readFile(out).substr(0, 2), "\xFF\xFE");
}

// --- Bad input: refused with the system's message, never modified -----------------------------

struct BadInputCase {
    const char* name;
    std::string bytes;
};

class CliDictBadInput : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(CliDictBadInput, IsRefusedAndLeftAsItWas)
{
    TempDir dir;
    const std::string path = dir.file("s.xml");
    test::writeFile(path, GetParam().bytes);
    for (const std::vector<std::string>& args :
         {dictArgs({"check", path}), dictArgs({"store-form", "--create", path, "kala", "kala"}),
          dictArgs({"add-text", "--create", path, test::samplesFolder() + "/kuolka.xml"}),
          dictArgs({"delete-form", path, "__", "__"})}) {
        const test::ProcessResult result = runProcess(kCli, args);
        EXPECT_EQ(result.exitCode, 1) << args[1];
        EXPECT_EQ(result.err, "Fail " + path + " pole sõnastik.\nEi saa seda faili avada.\nVali uus fail.\n") << args[1];
        EXPECT_EQ(test::readFile(path), GetParam().bytes) << args[1];
    }
    EXPECT_FALSE(pathExists(path + ".lock"));
}

const BadInputCase kBadInputs[] = {
    {"CorpusText", ""},  // filled from the bundled sample below
    {"EmptyFile", ""},
    {"Garbage", "\x89PNG\r\n\x1a\n not xml"},
    {"WithoutCombinations", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>\n<sone "
                            "id=\"__\" lemma=\"__\"/>\n</soned>\n<lemmad>\n<lemma id=\"__\" tahendus=\"__\"/>\n"
                            "</lemmad></pelmora>"},
    {"EmptySection", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>\n</soned>\n"
                     "<lemmad>\n<lemma id=\"__\" tahendus=\"__\"/>\n</lemmad>\n<yhendid>\n<yhend id=\"__\"/>\n"
                     "</yhendid></pelmora>"},
};

std::vector<BadInputCase> badInputs()
{
    std::vector<BadInputCase> cases(std::begin(kBadInputs), std::end(kBadInputs));
    cases[0].bytes = test::readFile(test::samplesFolder() + "/kuolka.xml");
    return cases;
}
INSTANTIATE_TEST_SUITE_P(Cases, CliDictBadInput, ::testing::ValuesIn(badInputs()), test::ByName{});

// --- Several processes at once ---------------------------------------------------------------

pid_t startQuietly(const std::vector<std::string>& arguments);

TEST(CliDictConcurrency, FourWritersLoseNothing)
{
    // On a memory file system the synchronous saves cost little; the lock behaves the same there.
    TempDir dir("/dev/shm");
    const std::string path = dir.file("shared.xml");
    ASSERT_EQ(runProcess(kCli, dictArgs({"new", path})).exitCode, 0);
    constexpr int kWriters = 4;
    constexpr int kStores = 200;
    constexpr int kDistinct = 6;

    // Four processes confirm the same analysis 200 times each, every time a whole locked store;
    // meanwhile other processes add distinct analyses.
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.push_back(startQuietly(
            dictArgs({"store-form", "--repeat", std::to_string(kStores), path, "Kala", "kala", "sg.nom."})));
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            for (int i = 0; i < kDistinct; ++i) {
                const std::string tag = std::to_string(w) + "x" + std::to_string(i);
                // Alternately a new entry and a new child analysis of the shared word form.
                const std::vector<std::string> args = i % 2 == 0 ? dictArgs({"store-form", path, "w" + tag, "w" + tag})
                                                                 : dictArgs({"store-form", path, "kala", "l" + tag});
                failures += runProcess(kCli, args).exitCode != 0;
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        writers.push_back(child);
    }
    for (pid_t child : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    SilentPrompter quiet;
    const auto dictionary = openValid(path, quiet);
    ASSERT_TRUE(dictionary);
    // Whichever analysis of "kala" reached the file first heads the entry: on a loaded machine a
    // writer of distinct analyses may store its "kala" before any confirming writer has started,
    // and the confirmed analysis is then a child.
    std::vector<XmlNode> confirmed;
    std::multiset<std::string> others;
    for (XmlNode analysis : dictionary->analyses(DictSection::WordForms, "kala")) {
        if (attributeValue(analysis, dict::kFormLemma) == "kala")
            confirmed.push_back(analysis);
        else
            others.insert(std::string(attributeValue(analysis, dict::kFormLemma)));
    }
    ASSERT_EQ(confirmed.size(), 1U);
    EXPECT_EQ(attributeValue(confirmed.front(), dict::kForm), "sg.nom.");
    EXPECT_EQ(attributeValue(confirmed.front(), dict::kWeight), std::to_string(kWriters * kStores));
    // Expected: the lookup puts the confirmed analysis, the heaviest, first.
    EXPECT_EQ(dictionary->lookUpWordForm("kala").front(), confirmed.front());
    std::size_t newEntries = 0;
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kDistinct; ++i) {
            const std::string tag = std::to_string(w) + "x" + std::to_string(i);
            if (i % 2 == 0) {
                EXPECT_EQ(dictionary->analyses(DictSection::WordForms, "w" + tag).size(), 1U) << tag;
                ++newEntries;
            } else {
                EXPECT_EQ(others.count("l" + tag), 1U) << tag;
            }
        }
    }
    EXPECT_EQ(others.size() + newEntries, static_cast<std::size_t>(kWriters * kDistinct));
    EXPECT_EQ(dictionary->entryCount(DictSection::WordForms), 2 + newEntries);
    EXPECT_FALSE(pathExists(path + ".lock"));
}

// --- Crash safety --------------------------------------------------------------------------------

pid_t startQuietly(const std::vector<std::string>& arguments)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(kCli.c_str()));
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(kCli.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

std::size_t leftoverTemporaryFiles(const std::string& folder)
{
    std::size_t count = 0;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d))
            count += std::string_view(e->d_name).starts_with(".big.xml.");
        ::closedir(d);
    }
    return count;
}

TEST(CliDictCrash, KilledDuringSaveLeavesAValidDictionaryWithEveryConfirmedAnalysis)
{
    TempDir dir;
    const std::string path = dir.file("big.xml");
    std::string soned = "<sone id=\"__\" lemma=\"__\"/>";
    for (int i = 0; i < 30000; ++i)
        soned += "<sone id=\"s" + std::to_string(100000 + i) + "\" lemma=\"lemma" + std::to_string(i) +
                 "\" vorm=\"sg.nom.\" kaal=\"3\"/>";
    test::writeFile(path, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\"><soned>" + soned +
                              "</soned><lemmad><lemma id=\"__\"/></lemmad><yhendid><yhend id=\"__\"/></yhendid>"
                              "</pelmora>");

    // How long one undisturbed store takes; the kills are spread over that time.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(runProcess(kCli, dictArgs({"store-form", path, "confirmed", "c"})).exitCode, 0);
    const auto duration = std::chrono::steady_clock::now() - start;
    std::set<std::string> confirmed{"confirmed"};

    constexpr int kRounds = 25;
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> fraction(0.2, 1.1);
    int killed = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string word = "r" + std::to_string(round);
        const pid_t child = startQuietly(dictArgs({"store-form", path, word, word}));
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::duration_cast<std::chrono::microseconds>(duration * fraction(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
            confirmed.insert(word);
        else
            ++killed;

        SilentPrompter quiet;
        const auto dictionary = openValid(path, quiet);
        ASSERT_TRUE(dictionary) << "round " << round;
        for (const std::string& w : confirmed)
            ASSERT_TRUE(dictionary->findWordForm(w)) << w << " lost in round " << round;
        // Expected: nothing of the earlier content is cut off.
        ASSERT_TRUE(dictionary->findWordForm("s100000") && dictionary->findWordForm("s129999"));
        if (dictionary->findWordForm(word))
            confirmed.insert(word);  // the save had completed before the kill
    }
    EXPECT_GT(killed, 0);
    std::cout << "killed " << killed << " of " << kRounds << " stores; " << leftoverTemporaryFiles(dir.path())
              << " interrupted saves left their temporary file\n";
    // Expected: a lock file left by a killed process blocks nobody.
    EXPECT_EQ(runProcess(kCli, dictArgs({"store-form", "--lock-timeout", "5", path, "after", "after"})).exitCode, 0);
}

}  // namespace
}  // namespace pelmora
