#include "testsupport.h"
#include "text/pelmoradoc.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::runProcess;
using test::TempDir;

const std::string kCli = PELMORA_CLI;

const char* const kInput =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pelmora><info><lindistus fail=\"lugu.mp3\"/></info><sisu>"
    "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><sone id=\"l1_s3\">c</sone>"
    "<yhend id=\"l1_s2_s3\"/></lause>"
    "<lause id=\"l2\" helipos=\"30\"><sone id=\"l2_s1\">d</sone></lause>"
    "</sisu></pelmora>";

// Sentences as "l1: l1_s1=a l1_s2=b | l2{helipos=30}: ..." from the written file.
std::string outline(const std::string& path)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(path))
        return "does not open: " + prompter.lastText();
    std::string out;
    for (XmlNode s = firstChildElement(doc.body(), "lause"); s; s = nextSiblingElement(s, "lause")) {
        out += (out.empty() ? "" : " | ") + CPelmoraDoc::attribute(s, "id");
        if (!CPelmoraDoc::attribute(s, "helipos").empty())
            out += "{helipos=" + CPelmoraDoc::attribute(s, "helipos") + "}";
        out += ":";
        for (XmlNode c = s.first_child(); c; c = c.next_sibling())
            out += " " + CPelmoraDoc::attribute(c, "id") + (isElement(c, "sone") ? "=" + CPelmoraDoc::tokenText(c) : "");
    }
    return out;
}

struct CliEditCase {
    const char* name;
    std::vector<std::string> operations;
    int exitCode;
    std::string outline;  // of the written file; "" when nothing may be written
    std::string err;
};

class CliEdit : public ::testing::TestWithParam<CliEditCase> {};

TEST_P(CliEdit, AppliesOperationsInOrderAndSaves)
{
    const CliEditCase& c = GetParam();
    TempDir dir;
    const std::string in = dir.file("in.xml");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, kInput);
    std::vector<std::string> arguments{"edit", in, "-o", out};
    arguments.insert(arguments.end(), c.operations.begin(), c.operations.end());

    const test::ProcessResult result = runProcess(kCli, arguments);

    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(test::readFile(in), kInput);
    if (c.outline.empty())
        EXPECT_FALSE(std::filesystem::exists(out));
    else
        EXPECT_EQ(outline(out), c.outline);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliEdit, ::testing::Values(
    CliEditCase{"ModifyAddAndAudio",
                {"modify-token", "l1_s1", " -o ", "add-token", "l1_s3", "-1", "audio", "l1", "2", "5", "audio", "l2", "-1", "-1"},
                0, "l1{helipos=125}: l1_s1=-o l1_s2=b l1_s3=c l1_s4=-1 l1_s2_s3 | l2: l2_s1=d", ""},
    CliEditCase{"DeleteAnswersYesAndReportsTheCombination", {"delete-token", "l1_s2"}, 0,
                "l1: l1_s1=a l1_s2=c | l2{helipos=30}: l2_s1=d",
                "Kas oled kindel,\net soovid kustutada sõne\nb? [Jah]\nKustutan sõnega seotud ühendi.\n"},
    CliEditCase{"MergeThenSplitCarriesTheCombination", {"merge", "l1", "l2", "split", "l1_s1"}, 0,
                "l1: l1_s1=a | l2: l2_s1=b l2_s2=c l2_s3=d l2_s1_s2", ""},
    CliEditCase{"CombineGoesAfterTheLastWord",
                {"combine", "l1_s3", "l1_s1", "--lemma", "a c", "--meaning", "m", "--pos", "V"}, 0,
                "l1: l1_s1=a l1_s2=b l1_s3=c l1_s2_s3 l1_s1_s3 | l2{helipos=30}: l2_s1=d", ""},
    CliEditCase{"CombineThenSplitCuttingTheOldOne",
                {"combine", "l1_s1", "l1_s2", "--lemma", "a b", "split", "l1_s2"}, 0,
                "l1: l1_s1=a l1_s2=b l1_s1_s2 | l2: l2_s1=c | l3{helipos=30}: l3_s1=d",
                "Kustutan lausest ühendid ...\n"},
    CliEditCase{"UncombineRemovesIt", {"uncombine", "l1_s2_s3"}, 0,
                "l1: l1_s1=a l1_s2=b l1_s3=c | l2{helipos=30}: l2_s1=d", ""},
    CliEditCase{"UncombineUnknown", {"uncombine", "l1_s1_s2"}, 1, "", "Ei leia ühendit l1_s1_s2.\n"},
    CliEditCase{"CombineSameWordsAgainIsRefused", {"combine", "l1_s3", "l1_s2", "--lemma", "x"}, 1, "",
                "Nendest sõnadest on ühend juba olemas.\n"},
    CliEditCase{"CombineAcrossSentencesIsRefused", {"combine", "l1_s1", "l2_s1", "--lemma", "x"}, 1, "",
                "Ühendi sõnad peavad olema ühes lauses.\n"},
    CliEditCase{"CombineUnknownToken", {"combine", "l1_s1", "l1_s9", "--lemma", "x"}, 1, "", "Ei leia sõnet l1_s9.\n"},
    CliEditCase{"CombineNeedsALemma", {"combine", "l1_s1", "l1_s2", "split", "l1_s1"}, 2, "",
                "edit: combine needs --lemma\n"},
    CliEditCase{"CombineNeedsTwoTokens", {"combine", "l1_s1", "--lemma", "a"}, 2, "",
                "edit: combine needs at least two token identifiers\n"},
    CliEditCase{"CombineOptionNeedsAValue", {"combine", "l1_s1", "l1_s2", "--lemma"}, 2, "",
                "edit: combine --lemma needs a value\n"},
    CliEditCase{"CombineKnowsThePartsOfSpeech", {"combine", "l1_s1", "l1_s2", "--lemma", "a b", "--pos", "Q"}, 2, "",
                "edit: combine --pos 'Q' is not a part-of-speech code\n"},
    CliEditCase{"SplitAtLastTokenSavesUnchanged", {"split", "l2_s1"}, 0,
                "l1: l1_s1=a l1_s2=b l1_s3=c l1_s2_s3 | l2{helipos=30}: l2_s1=d", ""},
    CliEditCase{"UnknownTokenWritesNothing", {"modify-token", "l1_s1", "x", "delete-token", "l7_s1"}, 1, "",
                "Ei leia sõnet l7_s1.\n"},
    CliEditCase{"MergeWithUnknownSentence", {"merge", "l1", "l9"}, 1, "", "Ei leia soovitud lauset.\n"},
    CliEditCase{"BlankModifyIsRefused", {"modify-token", "l1_s1", "  "}, 1, "", "Sõnet ei saa kustutada\n"},
    CliEditCase{"BlankAddIsRefused", {"add-token", "l1_s1", " "}, 1, "", "Tühja sõnet ei saa lisaada\n"},
    CliEditCase{"UnknownOperation", {"join", "l1"}, 2, "",
                "edit: unknown operation 'join' (modify-token, add-token, delete-token, merge, split, audio, combine, "
                "uncombine)\n"},
    CliEditCase{"MissingArguments", {"audio", "l1", "2"}, 2, "", "edit: audio needs 3 argument(s)\n"},
    CliEditCase{"AudioNeedsNumbers", {"audio", "l1", "2", "x"}, 2, "", "edit: audio needs whole numbers of minutes and seconds\n"},
    CliEditCase{"NoOperation", {}, 2, "", "edit: no operation given\n"}),
    test::ByName());

TEST(CliEditFile, UnreadableInputIsReported)
{
    TempDir dir;
    const std::string in = dir.file("missing.xml");
    const test::ProcessResult result = runProcess(kCli, {"edit", in, "-o", dir.file("out.xml"), "split", "l1_s1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Vigane fail " + in + ": faili ei saa lugeda (faili või kausta pole olemas)\n");
}

TEST(CliEditFile, CombinationCarriesItsValuesAndMarks)
{
    TempDir dir;
    const std::string in = dir.file("in.xml");
    const std::string out = dir.file("out.xml");
    test::writeFile(in, kInput);
    const test::ProcessResult result = runProcess(
        kCli, {"edit", in, "-o", out, "uncombine", "l1_s2_s3", "combine", "l1_s1", "l1_s3", "l1_s2", "--pos", "Adv",
               "--lemma", "a b c", "--meaning", "kõik kolm"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openDocument(out));
    const XmlNode sentence = firstChildElement(doc.body(), "lause");
    const XmlNode combination = firstChildElement(sentence, "yhend");
    // Expected: one combination of all three words, with its values, and every word marked.
    EXPECT_EQ(CPelmoraDoc::attribute(combination, "id"), "l1_s1_s2_s3");
    EXPECT_EQ(CPelmoraDoc::attribute(combination, "ylemma"), "a b c");
    EXPECT_EQ(CPelmoraDoc::attribute(combination, "ytahendus"), "kõik kolm");
    EXPECT_EQ(CPelmoraDoc::attribute(combination, "yliik"), "Adv");
    EXPECT_FALSE(nextSiblingElement(combination, "yhend"));
    for (XmlNode token = firstChildElement(sentence, "sone"); token; token = nextSiblingElement(token, "sone"))
        EXPECT_EQ(CPelmoraDoc::attribute(token, "yhend"), "+") << CPelmoraDoc::tokenText(token);
}

TEST(CliEditFile, OutputMayReplaceTheInput)
{
    TempDir dir;
    const std::string path = dir.file("text.xml");
    test::writeFile(path, kInput);
    const test::ProcessResult result = runProcess(kCli, {"edit", path, "-o", path, "add-token", "l2_s1", "e"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(outline(path), "l1: l1_s1=a l1_s2=b l1_s3=c l1_s2_s3 | l2{helipos=30}: l2_s1=d l2_s2=e");
}

}  // namespace
}  // namespace pelmora
