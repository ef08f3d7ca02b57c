#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/sentenceaudio.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

std::string textWith(const std::string& info, const std::string& sentences)
{
    return "<?xml version=\"1.0\"?><pelmora>" + info + "<sisu id=\"t\">" + sentences + "</sisu></pelmora>";
}

std::string sentence(int number, const std::string& position)
{
    const std::string id = "l" + std::to_string(number);
    const std::string attribute = position.empty() ? "" : " helipos=\"" + position + "\"";
    return "<lause id=\"" + id + "\"" + attribute + "><sone id=\"" + id + "_s1\">w</sone></lause>";
}

const std::string kRecording = "<info><lindistus fail=\"lugu.mp3\">PA</lindistus></info>";

class SentenceAudioTest : public ::testing::Test {
protected:
    void SetUp() override { test::writeFile(dir.file("lugu.mp3"), "ID3"); }
    void open(const std::string& xml) { ASSERT_TRUE(doc.openFromBuffer(xml, "t.xml")); }
    XmlNode sentenceNumber(int number) const
    {
        XmlNode node = doc.body().child("lause");
        for (int i = 1; i < number; ++i)
            node = node.next_sibling("lause");
        return node;
    }
    SentenceAudio audioOf(int number) const { return sentenceAudio(doc, sentenceNumber(number), textPath()); }
    std::string textPath() const { return dir.file("tekst.xml"); }

    test::TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
};

// The stretch of a sentence: from its start to the next sentence linked later, or to the end.
struct SpanCase {
    const char* name;
    std::vector<std::string> positions;  // "" leaves the sentence unlinked
    int played;                          // sentence number from 1
    std::int64_t start;
    std::optional<std::int64_t> end;
};

class SentenceSpan : public SentenceAudioTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(SentenceSpan, RunsToTheNextSentenceLinkedLater)
{
    const SpanCase& c = GetParam();
    std::string sentences;
    for (std::size_t i = 0; i < c.positions.size(); ++i)
        sentences += sentence(static_cast<int>(i) + 1, c.positions[i]);
    open(textWith(kRecording, sentences));
    const SentenceAudio audio = audioOf(c.played);
    EXPECT_EQ(audio.problem, SentenceAudioProblem::None);
    EXPECT_EQ(audio.startSeconds, c.start);
    EXPECT_EQ(audio.endSeconds, c.end);
}

INSTANTIATE_TEST_SUITE_P(Cases, SentenceSpan, ::testing::Values(
    SpanCase{"NextSentenceLinked", {"3", "7", "12"}, 1, 3, 7},
    SpanCase{"LastSentencePlaysToTheEnd", {"3", "7", "12"}, 3, 12, std::nullopt},
    SpanCase{"UnlinkedSentencesBetweenArePassed", {"3", "", "", "20"}, 1, 3, 20},
    SpanCase{"NoLaterLinkPlaysToTheEnd", {"3", "", ""}, 1, 3, std::nullopt},
    SpanCase{"StartAtZero", {"0", "4"}, 1, 0, 4},
    // Two sentences linked to the same second would give nothing to hear; one linked earlier
    // (a slip while linking) would give a stretch that ends before it starts.
    SpanCase{"SameSecondIsPassedOver", {"5", "5", "9"}, 1, 5, 9},
    SpanCase{"EarlierLinkIsPassedOver", {"30", "10", "41"}, 1, 30, 41},
    SpanCase{"UnreadableLinkAfterIsPassedOver", {"3", "abc", "8"}, 1, 3, 8},
    SpanCase{"BlanksAroundTheNumber", {" 6 ", "9"}, 1, 6, 9}),
    [](const ::testing::TestParamInfo<SpanCase>& param) { return std::string(param.param.name); });

// What keeps a sentence from being played, and what the user is told.
struct ProblemCase {
    const char* name;
    std::string info;
    std::string firstPosition;
    SentenceAudioProblem problem;
    MessageKind kind;
    std::string title;
    std::string message;
};

class SentenceAudioProblems : public SentenceAudioTest, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(SentenceAudioProblems, AreReportedInTheUsualBoxes)
{
    const ProblemCase& c = GetParam();
    open(textWith(c.info, sentence(1, c.firstPosition) + sentence(2, "9")));
    const SentenceAudio audio = audioOf(1);
    EXPECT_EQ(audio.problem, c.problem);
    reportSentenceAudioProblem(prompter, audio);
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].kind, c.kind);
    EXPECT_EQ(prompter.entries()[0].title, c.title);
    EXPECT_EQ(prompter.entries()[0].text, c.message);
}

INSTANTIATE_TEST_SUITE_P(Cases, SentenceAudioProblems, ::testing::Values(
    ProblemCase{"NoInfo", "", "3", SentenceAudioProblem::NoRecording, MessageKind::Warning, "Hoiatus",
                "Helifaili pole määratud."},
    ProblemCase{"NoRecordingElement", "<info><tyyp>suuline</tyyp></info>", "3", SentenceAudioProblem::NoRecording,
                MessageKind::Warning, "Hoiatus", "Helifaili pole määratud."},
    ProblemCase{"EmptyFileName", "<info><lindistus fail=\"\">PA</lindistus></info>", "3",
                SentenceAudioProblem::NoRecording, MessageKind::Warning, "Hoiatus", "Helifaili pole määratud."},
    ProblemCase{"SentenceNotLinked", kRecording, "", SentenceAudioProblem::NoPosition, MessageKind::Warning,
                "Hoiatus", "Lause algus helifailis on määramata."},
    ProblemCase{"NegativeLink", kRecording, "-4", SentenceAudioProblem::NoPosition, MessageKind::Warning, "Hoiatus",
                "Lause algus helifailis on määramata."},
    ProblemCase{"LettersForALink", kRecording, "x12", SentenceAudioProblem::NoPosition, MessageKind::Warning,
                "Hoiatus", "Lause algus helifailis on määramata."}),
    [](const ::testing::TestParamInfo<ProblemCase>& param) { return std::string(param.param.name); });

TEST_F(SentenceAudioTest, MissingFileIsNamedWithThePathLookedFor)
{
    open(textWith("<info><lindistus fail=\"puudub.mp3\"/></info>", sentence(1, "3")));
    const SentenceAudio audio = audioOf(1);
    EXPECT_EQ(audio.problem, SentenceAudioProblem::MissingFile);
    EXPECT_EQ(audio.file, dir.file("puudub.mp3"));
    reportSentenceAudioProblem(prompter, audio);
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].title, "Viga");
    EXPECT_EQ(prompter.entries()[0].text, "Helifaili " + dir.file("puudub.mp3") + " ei leitud.");
}

TEST_F(SentenceAudioTest, RecordingIsFoundBesideTheTextInASubfolderAndByAbsolutePath)
{
    std::filesystem::create_directory(dir.file("helid"));
    test::writeFile(dir.file("helid/b.mp3"), "ID3");
    const struct {
        std::string name;
        std::string found;
    } cases[] = {
        {"lugu.mp3", dir.file("lugu.mp3")},
        {"./helid/b.mp3", dir.file("helid/b.mp3")},
        {"helid\\b.mp3", dir.file("helid/b.mp3")},
        {dir.file("helid/b.mp3"), dir.file("helid/b.mp3")},
    };
    for (const auto& c : cases) {
        open(textWith("<info><lindistus fail=\"" + c.name + "\"/></info>", sentence(1, "2")));
        const SentenceAudio audio = audioOf(1);
        EXPECT_EQ(audio.problem, SentenceAudioProblem::None) << c.name;
        EXPECT_EQ(audio.file, c.found) << c.name;
    }
}

TEST_F(SentenceAudioTest, ResolvingAName)
{
    EXPECT_EQ(resolveRecordingPath("", "/a/t.xml"), "");
    EXPECT_EQ(resolveRecordingPath("x.mp3", "/a/b/t.xml"), "/a/b/x.mp3");
    EXPECT_EQ(resolveRecordingPath("../x.mp3", "/a/b/t.xml"), "/a/x.mp3");
    EXPECT_EQ(resolveRecordingPath("/c/x.mp3", "/a/b/t.xml"), "/c/x.mp3");
    // A text not saved yet has no folder to resolve against.
    EXPECT_EQ(resolveRecordingPath("x.mp3", ""), "x.mp3");
}

TEST_F(SentenceAudioTest, NoSentenceSaysNothing)
{
    open(textWith(kRecording, sentence(1, "3")));
    const SentenceAudio audio = sentenceAudio(doc, XmlNode(), textPath());
    EXPECT_EQ(audio.problem, SentenceAudioProblem::NoSentence);
    reportSentenceAudioProblem(prompter, audio);
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(SentenceAudioTest, PlayerMessagesAndTimes)
{
    reportUnplayableRecording(prompter, "/a/x.mp3");
    reportStartBeyondRecording(prompter, 75, 12);
    reportNoPlayer(prompter);
    ASSERT_EQ(prompter.entries().size(), 3u);
    EXPECT_EQ(prompter.entries()[0].title, "Viga");
    EXPECT_EQ(prompter.entries()[0].text, "Helifaili /a/x.mp3 ei saa mängida.");
    EXPECT_EQ(prompter.entries()[1].title, "Hoiatus");
    EXPECT_EQ(prompter.entries()[1].text, "Lause algab helifailis kohal 1:15, aga fail on ainult 0:12 pikk.");
    EXPECT_EQ(prompter.entries()[2].title, "Viga");
    EXPECT_EQ(prompter.entries()[2].text, "Helifaile ei saa mängida: selles arvutis puudub Qt Multimedia taustaprogramm.");
    EXPECT_EQ(formatPlayerTime(0), "0:00");
    EXPECT_EQ(formatPlayerTime(9999), "0:09");
    EXPECT_EQ(formatPlayerTime(65000), "1:05");
    EXPECT_EQ(formatPlayerTime(3600000 + 1000), "60:01");
    EXPECT_EQ(formatPlayerTime(-5), "0:00");
}

}  // namespace
}  // namespace pelmora
