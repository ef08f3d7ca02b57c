#include "io/textexport.h"

#include "common/utf16text.h"
#include "iotestdata.h"
#include "testsupport.h"

namespace pelmora {
namespace {

struct ExportCase {
    const char* name;
    ExportMode mode;
    const char* sentences;
    const char* expected;
};

class TextExportTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(TextExportTest, WritesSentenceMarkersSpansAndTokens)
{
    const ExportCase& c = GetParam();
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(test::corpusText("T1", c.sentences), "t.xml"));
    EXPECT_EQ(exportTextContent(doc, c.mode), c.expected);
    EXPECT_FALSE(doc.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextExportTest,
    ::testing::Values(
        ExportCase{"NoPageGivesAnEmptyPage", ExportMode::Plain,
                   R"(<lause id="l1"><sone>a</sone><sone>b</sone></lause>)", "<<T1_.1>> a b "},
        ExportCase{"ForeignTokenInsideEstonianSentence", ExportMode::Plain,
                   R"(<lause id="l1"><sone lk="3" keel="eesti">a</sone><sone keel="läti">b</sone>)"
                   R"(<sone keel="eesti">c</sone></lause>)",
                   "<<T1_3.1>> a <läti> b </läti> c "},
        ExportCase{"PunctuationDoesNotCloseTheSpan", ExportMode::Plain,
                   R"(<lause id="l1"><sone keel="läti">a</sone><sone keel="kirjavahemärk">,</sone>)"
                   R"(<sone keel="läti">b</sone><sone keel="eesti">c</sone></lause>)",
                   "<<T1_.1>> <läti> a , b </läti> c "},
        ExportCase{"SpanClosedBeforeTheNextSentenceAndReopened", ExportMode::Plain,
                   R"(<lause id="l1"><sone lk="1" stiil="pealkiri" keel="vene">a</sone></lause>)"
                   R"(<lause id="l2"><sone lk="2" stiil="pealkiri" keel="vene">b</sone><sone>c</sone></lause>)",
                   "<<T1_1.1>> <pealkiri> <vene> a </vene> </pealkiri> \r\n"
                   "<<T1_2.2>> <pealkiri> <vene> b </vene> </pealkiri> c "},
        ExportCase{"LanguageAndStyleChanges", ExportMode::Plain,
                   R"(<lause id="l7"><sone keel="läti" stiil="märkus">a</sone><sone keel="vene" stiil="pealkiri">b</sone>)"
                   R"(<sone>c</sone></lause>)",
                   "<<T1_.7>> <märkus> <läti> a </läti> <vene> </märkus> <pealkiri> b </vene> </pealkiri> c "},
        ExportCase{"AnnotatedWithCombination", ExportMode::Annotated,
                   R"(<lause id="l1"><sone id="l1_s1" keel="eesti">a</sone>)"
                   R"(<sone id="l1_s2" lemma="m" liik="S" tahendus="t" vorm="sg.nom." kommentaar="k" yhend="+">b</sone>)"
                   R"(<yhend id="l1_s1_s2" ylemma="y m" ytahendus="y t" yliik="V"/></lause>)",
                   "<<T1_.1>> |a_| |b_MS:m_SL:S_T:t_V:sg.nom._K:k_YMS:y m_YT:y t_YSL:V_| "},
        ExportCase{"AnnotatedBareForeignTokenWithoutLemma", ExportMode::Annotated,
                   R"(<lause id="l1"><sone keel="läti">a</sone><sone>b</sone></lause>)",
                   "<<T1_.1>> <läti> a </läti> b "},
        ExportCase{"SearchFormNumberIsBare", ExportMode::SearchForm,
                   R"(<lause id="l1"><sone>Sõna+</sone><sone keel="number">12</sone>)"
                   R"(<sone keel="kirjavahemärk">.</sone></lause>)",
                   "<<T1_.1>> @Sõna+|sõna@  <number> 12 . </number> "},
        ExportCase{"EmptySentenceDoesNotCutTheText", ExportMode::Plain,
                   R"(<lause id="l1"><sone>a</sone></lause><lause id="l2"/><lause id="l3"><sone>b</sone></lause>)",
                   "<<T1_.1>> a \r\n<<T1_.3>> b "}),
    test::ByName());

TEST(TextExport, WritesUtf16WithByteOrderMarkAndReportsAnUnwritableFile)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(test::corpusText("T", R"(<lause id="l1"><sone>õun</sone></lause>)"), "t.xml"));
    const std::string path = dir.file("out.txt");
    ASSERT_TRUE(exportText(doc, path, ExportMode::Plain, prompter));
    EXPECT_EQ(test::readFile(path), utf8ToUtf16Le("<<T_.1>> õun ", true));

    EXPECT_FALSE(exportText(doc, dir.file("missing/out.txt"), ExportMode::Plain, prompter));
    EXPECT_EQ(prompter.lastText(), "Ei saanud faili avada");
}

TEST(TextExport, QuestionsChooseTheMode)
{
    struct Case {
        std::vector<bool> answers;
        ExportMode mode;
    };
    const Case cases[] = {{{true}, ExportMode::Annotated},
                          {{false, true}, ExportMode::SearchForm},
                          {{false, false}, ExportMode::Plain}};
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        for (const bool answer : c.answers)
            prompter.queueAnswer(answer);
        EXPECT_EQ(askExportMode(prompter), c.mode);
        EXPECT_EQ(prompter.entries().size(), c.answers.size());
    }
}

}  // namespace
}  // namespace pelmora
