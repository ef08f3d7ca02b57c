#include "annotation/sentencecheck.h"
#include "annotation/sentencetranslation.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

const std::string kText =
    "<?xml version=\"1.0\"?><pelmora><sisu id=\"t\">"
    "<lause id=\"l1\" eelause=\"Mina olen kalur.\" ltlause=\"\">"
    "<sone id=\"l1_s1\" lemma=\"minā\" tahendus=\"mina\" liik=\"ProS\" vorm=\"sg.nom.\">Minā</sone>"
    "<sone id=\"l1_s2\" lemma=\"vȱlda\" liik=\"V\" vorm=\"pers.ind.pr.sg.1.\" stiil=\"esiletõst\">um</sone>"
    "<yhend id=\"l1_s1_s2\" ylemma=\"x\"/>"
    "<sone id=\"l1_s3\" meta=\"vahemärk\">.</sone>"
    "</lause><lause id=\"l2\"><sone id=\"l2_s1\">Jā</sone></lause></sisu></pelmora>";

class SentenceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml")); }
    XmlNode sentence(int n) const
    {
        XmlNode s = firstChildElement(doc.body(), text::kSentence);
        for (int i = 1; i < n; ++i)
            s = nextSiblingElement(s, text::kSentence);
        return s;
    }
    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
};

TEST_F(SentenceTest, RecordsHoldTheSevenStringsOfEveryTokenButNotTheCombinations)
{
    const std::vector<TokenCheckRecord> records = sentenceCheckRecords(sentence(1));
    // Expected: three tokens; the `yhend` between them is not one.
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (TokenCheckRecord{"Minā", "minā", "mina", "ProS", "sg.nom.", "", ""}));
    EXPECT_EQ(records[1], (TokenCheckRecord{"um", "vȱlda", "", "V", "pers.ind.pr.sg.1.", "", "esiletõst"}));
    EXPECT_EQ(records[2], (TokenCheckRecord{".", "", "", "", "", "vahemärk", ""}));
    EXPECT_TRUE(sentenceCheckRecords(XmlNode()).empty());
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 128};

struct RunsCase {
    const char* name;
    TokenCheckRecord record;
    bool largeFonts;
    std::vector<CheckRun> runs;
};

class CheckRuns : public ::testing::TestWithParam<RunsCase> {};

TEST_P(CheckRuns, PiecesCarryTheirFormatsAndBlanksTheFormatBeforeThem)
{
    EXPECT_EQ(sentenceCheckRuns({GetParam().record}, GetParam().largeFonts), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    SentenceCheck, CheckRuns,
    ::testing::Values(
        RunsCase{"AllSevenPieces",
                 {"Minā", "minā", "mina", "ProS", "sg.nom.", "kommentaar", "märkus"},
                 false,
                 {{" ", {11, false, false, kBlack}},
                  {"Minā ", {12, true, false, kBlack}},
                  {"minā 'mina' ", {11, false, false, kBlack}},
                  {"ProS    ", {11, false, true, kBlack}},
                  {"sg.nom. ", {8, false, false, kBlack}},
                  {"kommentaar märkus ", {8, false, false, kDarkBlue}}}},
        RunsCase{"LargeFontsAddOneAndAHalfPoints",
                 {"Minā", "minā", "mina", "ProS", "sg.nom.", "kommentaar", ""},
                 true,
                 {{" ", {12.5, false, false, kBlack}},
                  {"Minā ", {13.5, true, false, kBlack}},
                  {"minā 'mina' ", {12.5, false, false, kBlack}},
                  {"ProS    ", {12.5, false, true, kBlack}},
                  {"sg.nom. ", {9.5, false, false, kBlack}},
                  {"kommentaar ", {9.5, false, false, kDarkBlue}}}},
        // Empty values add nothing, not even their blanks: the style's blank follows the token text.
        RunsCase{"EmptyValuesLeaveNoBlanks",
                 {"um", "", "", "", "", "", "esiletõst"},
                 false,
                 {{" ", {11, false, false, kBlack}},
                  {"um ", {12, true, false, kBlack}},
                  {"esiletõst ", {8, false, false, kDarkBlue}}}},
        RunsCase{"EmptyTokenTextHasNoBlanks",
                 {"", "minā", "", "", "", "", ""},
                 false,
                 {{"minā ", {11, false, false, kBlack}}}}),
    test::ByName());

TEST(SentenceCheck, SecondTokenTextsLeadingBlankTakesThePreviousPiecesFormat)
{
    const std::vector<CheckRun> runs =
        sentenceCheckRuns({{"Minā", "", "", "", "sg.nom.", "", ""}, {"um", "", "", "", "", "", ""}}, false);
    ASSERT_EQ(runs.size(), 4u);
    // Expected: "sg.nom. " and the next token's leading blank share the 8 pt format.
    EXPECT_EQ(runs[2], (CheckRun{"sg.nom.  ", {8, false, false, kBlack}}));
    EXPECT_EQ(runs[3], (CheckRun{"um ", {12, true, false, kBlack}}));
}

TEST_F(SentenceTest, TranslationsAreReadAndAcceptedAsOneUndoStep)
{
    XmlNode first = sentence(1);
    EXPECT_EQ(sentenceTranslations(first), (SentenceTranslations{"Mina olen kalur.", "", ""}));
    const std::size_t steps = doc.undoCount();

    // Expected: English stored, Estonian removed, and the empty `ltlause` the file held removed too.
    EXPECT_TRUE(acceptSentenceTranslations(doc, first, {"", "I am a fisherman.", ""}));
    EXPECT_FALSE(first.attribute(text::kEstonianTranslation));
    EXPECT_FALSE(first.attribute(text::kLatvianTranslation));
    EXPECT_EQ(attributeValue(first, text::kEnglishTranslation), "I am a fisherman.");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.undoCount(), steps + 1);

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(sentenceTranslations(first), (SentenceTranslations{"Mina olen kalur.", "", ""}));
    EXPECT_TRUE(first.attribute(text::kLatvianTranslation));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(SentenceTest, UnchangedTranslationsMakeNoUndoStep)
{
    XmlNode second = sentence(2);
    EXPECT_FALSE(acceptSentenceTranslations(doc, second, {}));
    EXPECT_FALSE(acceptSentenceTranslations(doc, XmlNode(), {"a", "b", "c"}));
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(SentenceTest, BlankTranslationRemovesTheAttribute)
{
    XmlNode first = sentence(1);
    EXPECT_TRUE(acceptSentenceTranslations(doc, first, {" \n ", "", ""}));
    // Expected: blanks and a line break are no translation.
    EXPECT_FALSE(first.attribute(text::kEstonianTranslation));
}

TEST_F(SentenceTest, TranslationWithALineBreakSurvivesSaveAndOpen)
{
    test::TempDir dir;
    ASSERT_TRUE(acceptSentenceTranslations(doc, sentence(2), {"Jah.\nNõnda.", "", ""}));
    ASSERT_TRUE(doc.saveDocument(dir.file("t.xml")));
    CPelmoraDoc again(prompter);
    ASSERT_TRUE(again.openDocument(dir.file("t.xml")));
    XmlNode reread = nextSiblingElement(firstChildElement(again.body(), text::kSentence), text::kSentence);
    EXPECT_EQ(sentenceTranslations(reread).estonian, "Jah.\nNõnda.");
}

}  // namespace
}  // namespace pelmora
