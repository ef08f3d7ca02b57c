// Stopping a long operation from its progress callback: the query, the simple dictionary, the
// export and the merge leave no result file (an old one stays byte for byte), say nothing, and
// the open text stays as it was.
#include "common/files.h"
#include "io/mergetexts.h"
#include "io/multifilequery.h"
#include "io/simpledictionary.h"
#include "io/textexport.h"

#include "iotestdata.h"
#include "testsupport.h"

#include <filesystem>
#include <set>

namespace pelmora {
namespace {

// A text of `sentences` sentences of two tokens, the first with a lemma.
std::string sentences(int count, const std::string& word)
{
    std::string out;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        out += "<lause id=\"l" + n + "\"><sone id=\"l" + n + "_s1\" lk=\"1\" lemma=\"" + word + "\">" + word +
               "</sone><sone id=\"l" + n + "_s2\" keel=\"kirjavahemärk\">.</sone></lause>";
    }
    return out;
}

struct Outcome {
    bool ok = false;
    int reports = 0;
};

// Runs one operation on the open text and the input files into `output`; the callback says stop
// at report number `stopAt` (from 1).
using Operation = Outcome (*)(CPelmoraDoc& doc, const std::vector<std::string>& inputs, const std::string& output,
                          Prompter& prompter, int stopAt);

Outcome runQuery(CPelmoraDoc&, const std::vector<std::string>& inputs, const std::string& output, Prompter& prompter,
             int stopAt)
{
    QuerySettings settings;
    settings.files = inputs;
    settings.outputPath = output;
    Outcome run;
    const QueryResult result = MultiFileQuery(settings, prompter, [&](const QueryProgress&) {
        return ++run.reports < stopAt;
    });
    run.ok = result.ran;
    EXPECT_EQ(result.cancelled, !result.ran);
    return run;
}

Outcome runSimpleDictionary(CPelmoraDoc& doc, const std::vector<std::string>&, const std::string& output,
                        Prompter& prompter, int stopAt)
{
    SimpleDictionaryOptions options;
    options.outputPath = output;
    options.warnFirst = false;
    Outcome run;
    run.ok = buildSimpleDictionary(doc, options, prompter, [&](const SimpleDictionaryProgress&) {
        return ++run.reports < stopAt;
    });
    return run;
}

Outcome runExport(CPelmoraDoc& doc, const std::vector<std::string>&, const std::string& output, Prompter& prompter,
              int stopAt)
{
    Outcome run;
    run.ok = exportText(doc, output, ExportMode::Annotated, prompter, [&](const ExportProgress&) {
        return ++run.reports < stopAt;
    });
    return run;
}

Outcome runMerge(CPelmoraDoc& doc, const std::vector<std::string>& inputs, const std::string& output,
             Prompter& prompter, int stopAt)
{
    MergeSettings settings;
    settings.files = inputs;
    settings.newPath = output;
    settings.warnFirst = false;
    Outcome run;
    run.ok = mergeTexts(doc, settings, prompter, [&](const MergeProgress&) { return ++run.reports < stopAt; });
    return run;
}

struct CancelCase {
    const char* name;
    Operation operation;
    int stopAt;  // the report that says stop
};

class CancellationTest : public ::testing::TestWithParam<CancelCase> {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.xml", "b.xml", "c.xml"}) {
            m_inputs.push_back(m_dir.file(name));
            test::writeFile(m_inputs.back(), test::corpusText(name, sentences(450, "kala")));
        }
        ASSERT_TRUE(m_doc.openFromBuffer(test::corpusText("open", sentences(450, "vesi")), "open.xml"));
        m_doc.setModifiedFlag(false);
        m_before = m_doc.xml().serialize();
    }

    std::set<std::string> folder() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    test::TempDir m_dir;
    RecordingPrompter m_prompter;
    CPelmoraDoc m_doc{m_prompter};
    std::vector<std::string> m_inputs;
    std::string m_before;
};

TEST_P(CancellationTest, StoppedRunWritesNoFileAndLeavesTheTextAlone)
{
    const CancelCase& c = GetParam();
    const std::set<std::string> inputsOnly = folder();
    const Outcome run = c.operation(m_doc, m_inputs, m_dir.file("out.xml"), m_prompter, c.stopAt);
    EXPECT_FALSE(run.ok);
    // Expected: asked exactly until it said stop, then nothing more.
    EXPECT_EQ(run.reports, c.stopAt);
    // Expected: no result file and no temporary file beside it; no message.
    EXPECT_EQ(folder(), inputsOnly);
    EXPECT_TRUE(m_prompter.entries().empty()) << m_prompter.lastText();
    // Expected: the open text as it was, unmodified.
    EXPECT_EQ(m_doc.xml().serialize(), m_before);
    EXPECT_FALSE(m_doc.isModified());
}

TEST_P(CancellationTest, StoppedRunKeepsAnOldResultByteForByte)
{
    const CancelCase& c = GetParam();
    const std::string output = m_dir.file("old.xml");
    test::writeFile(output, "the result of an earlier run");
    EXPECT_FALSE(c.operation(m_doc, m_inputs, output, m_prompter, c.stopAt).ok);
    EXPECT_EQ(test::readFile(output), "the result of an earlier run");
}

TEST_P(CancellationTest, RunThatIsNeverStoppedWritesItsFile)
{
    const CancelCase& c = GetParam();
    const std::string output = m_dir.file("out.xml");
    const Outcome run = c.operation(m_doc, m_inputs, output, m_prompter, 1'000'000);
    EXPECT_TRUE(run.ok);
    EXPECT_GT(run.reports, 1);
    EXPECT_FALSE(test::readFile(output).empty());
}

INSTANTIATE_TEST_SUITE_P(Operations, CancellationTest,
                         ::testing::Values(CancelCase{"QueryAtOnce", runQuery, 1},
                                           CancelCase{"QueryAfterTwoFiles", runQuery, 2},
                                           CancelCase{"SimpleDictionaryAtOnce", runSimpleDictionary, 1},
                                           CancelCase{"SimpleDictionaryHalfWay", runSimpleDictionary, 2},
                                           CancelCase{"ExportAtOnce", runExport, 1},
                                           CancelCase{"ExportHalfWay", runExport, 3},
                                           CancelCase{"MergeBeforeTheFirstFile", runMerge, 1},
                                           CancelCase{"MergeAfterTheFirstFile", runMerge, 2},
                                           CancelCase{"MergeBeforeTheLastFile", runMerge, 3}),
                         [](const ::testing::TestParamInfo<CancelCase>& param) { return param.param.name; });

TEST(MergeCancellation, MergedTextReplacesTheOpenTextOnlyWhenDone)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    const std::string a = dir.file("a.xml");
    const std::string b = dir.file("b.xml");
    test::writeFile(a, test::corpusText("A", sentences(2, "kala")));
    test::writeFile(b, test::corpusText("B", sentences(3, "vesi")));
    ASSERT_TRUE(doc.openFromBuffer(test::corpusText("open", sentences(1, "maa")), "open.xml"));
    MergeSettings settings{{a, b}, dir.file("merged.xml"), false, false};
    // Expected: a first file that does not open leaves the open text in place too.
    MergeSettings missing = settings;
    missing.files.front() = dir.file("missing.xml");
    EXPECT_FALSE(mergeTexts(doc, missing, prompter));
    EXPECT_EQ(doc.body().select_nodes("lause").size(), 1u);

    ASSERT_TRUE(mergeTexts(doc, settings, prompter));
    // Expected: five sentences, written once to the new file and open, marked modified.
    EXPECT_EQ(doc.body().select_nodes("lause").size(), 5u);
    EXPECT_TRUE(doc.isModified());
    XmlDocument written;
    ASSERT_TRUE(written.load(settings.newPath));
    EXPECT_EQ(written.root().child("sisu").select_nodes("lause").size(), 5u);
    EXPECT_EQ(std::string(doc.currentToken().attribute("id").value()), "l1_s1");
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

TEST(QueryCancellation, LongFileReportsOnItsWaySoAStopNeedNotWaitForItsEnd)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    const std::string input = dir.file("long.xml");
    test::writeFile(input, test::corpusText("L", sentences(5000, "kala")));
    QuerySettings settings;
    settings.files = {input};
    settings.outputPath = dir.file("out.txt");
    std::vector<QueryProgress> reports;
    const QueryResult result = MultiFileQuery(settings, prompter, [&](const QueryProgress& p) {
        reports.push_back(p);
        return false;
    });
    // Expected: asked while the first of 10000 tokens were searched, stopped there, no file.
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].filesDone, 0u);
    EXPECT_GT(reports[0].lines, 0);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(pathExists(settings.outputPath));
}

}  // namespace
}  // namespace pelmora
