#include "io/multifilequery.h"

#include "io/corpusfilereader.h"
#include "iotestdata.h"
#include "testsupport.h"

namespace pelmora {
namespace {

using test::corpusText;
using test::TempDir;
using test::tok;

class QueryTest : public ::testing::Test {
protected:
    // Writes a corpus file into the temporary folder and returns its path.
    std::string corpus(const std::string& name, const std::string& id, const std::string& sentences,
                       const std::string& info = "")
    {
        const std::string path = m_dir.file(name);
        test::writeFile(path, corpusText(id, sentences, info));
        return path;
    }

    QuerySettings settingsFor(std::vector<std::string> files)
    {
        QuerySettings settings;
        settings.files = std::move(files);
        settings.outputPath = m_dir.file("out.txt");
        return settings;
    }

    // Runs the query and returns the result file; the line count goes to `lines`.
    std::string run(const QuerySettings& settings, long long* lines = nullptr)
    {
        const QueryResult result = MultiFileQuery(settings, m_prompter);
        EXPECT_TRUE(result.ran);
        if (lines)
            *lines = result.lines;
        return test::readFile(settings.outputPath);
    }

    TempDir m_dir;
    RecordingPrompter m_prompter;
};

// Token 1 "x" with tokens "y" before (two tokens between) and after (three between) in sentence
// one, and "x" directly followed by "y" in sentence two.
std::string distanceSentences()
{
    return "<lause id=\"l1\" koneleja=\"k1\">" + tok("l1_s1", "Y0", "lemma=\"y\"") + tok("l1_s2", "p") +
           tok("l1_s3", "q") + tok("l1_s4", "X", "lemma=\"x\"") + tok("l1_s5", "r") + tok("l1_s6", "s") +
           tok("l1_s7", "t") + tok("l1_s8", "Y1", "lemma=\"y\"") + "</lause>" + "<lause id=\"l2\" koneleja=\"k1\">" +
           tok("l2_s1", "X", "lemma=\"x\"") + tok("l2_s2", "Y", "lemma=\"y\"") + "</lause>";
}

struct RelationCase {
    const char* name;
    const char* relation;
    int distance;
    long long lines;
};

class QueryRelationTest : public QueryTest, public ::testing::WithParamInterface<RelationCase> {};

TEST_P(QueryRelationTest, FindsTokenTwoWithinTheDistance)
{
    const RelationCase& c = GetParam();
    QuerySettings settings = settingsFor({corpus("a.xml", "A", distanceSentences())});
    settings.token1[QueryField::Lemma].pattern = "x";
    settings.relation = c.relation;
    settings.distance = c.distance;
    settings.token2[QueryField::Lemma].pattern = "y";
    long long lines = -1;
    run(settings, &lines);
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Relations, QueryRelationTest,
    ::testing::Values(RelationCase{"BeforeTwoBetweenDistanceTwo", "varem", 2, 1},
                      RelationCase{"BeforeTwoBetweenDistanceOne", "varem", 1, 0},
                      RelationCase{"AfterThreeBetweenDistanceTwo", "hiljem", 2, 1},
                      RelationCase{"AfterDistanceZeroIsTheNeighbour", "hiljem", 0, 1},
                      RelationCase{"AfterThreeBetweenDistanceThree", "hiljem", 3, 2},
                      RelationCase{"EitherDistanceThree", "varem v. hiljem", 3, 2},
                      RelationCase{"EitherDistanceZero", "varem v. hiljem", 0, 1},
                      RelationCase{"UnknownRelationFindsNothing", "lähedal", 20, 0},
                      RelationCase{"EmptyRelationIsTokenOneAlone", "", 0, 2}),
    test::ByName());

TEST_F(QueryTest, BothDirectionsMarkEveryFoundToken)
{
    QuerySettings settings = settingsFor({corpus("a.xml", "A", distanceSentences())});
    settings.token1[QueryField::Lemma].pattern = "x";
    settings.relation = "varem v. hiljem";
    settings.distance = 3;
    settings.token2[QueryField::Lemma].pattern = "y";
    settings.foundPrefix = "#";
    // Expected: token 1 and both tokens 2 carry the prefix; the description names both tokens.
    EXPECT_EQ(run(settings), "Päring: lemma: x [Täpne vaste] ja samas lauses varem v. hiljem mitte kaugemal kui 3 sona "
                             "lemma: y [Täpne vaste] \r\n"
                             "A»k1:\t#Y0 p q #X r s t #Y1 \r\n"
                             "A»k1:\t#X #Y \r\n");
}

TEST_F(QueryTest, SentenceWithTwoHitsIsWrittenTwiceEachMarkingItsOwnToken)
{
    const std::string sentence = "<lause id=\"l1\" koneleja=\"k1\">" + tok("l1_s1", "Kala", "lemma=\"kala\"") +
                                 tok("l1_s2", "ja") + tok("l1_s3", "kala+", "lemma=\"kala\"") +
                                 tok("l1_s4", ".", "meta=\"vahemärk\"") + "</lause>";
    QuerySettings settings = settingsFor({corpus("a.xml", "A", sentence)});
    settings.token1[QueryField::Text].pattern = "KALA";
    settings.foundPrefix = "\\t>";
    EXPECT_EQ(run(settings), "Päring: sõne: KALA [Täpne vaste] \r\n"
                             "A»k1:\t\t>Kala ja kala+ . \r\n"
                             "A»k1:\tKala ja \t>kala+ . \r\n");
}

TEST_F(QueryTest, EmptyConditionsGiveOneLinePerTokenWithoutInterviewerAndComments)
{
    const std::string sentence = "<lause id=\"l1\" koneleja=\"i1\">" + tok("l1_s1", "Mis", "meta=\"intervjueerija\"") +
                                 tok("l1_s2", "see", "meta=\"kommentaar\"") + tok("l1_s3", "on") + "</lause>";
    QuerySettings settings = settingsFor({corpus("a.xml", "A", sentence)});
    long long lines = 0;
    run(settings, &lines);
    // Expected: only the speaker's own token is a candidate.
    EXPECT_EQ(lines, 1);
    settings.speakersOnly = false;
    run(settings, &lines);
    EXPECT_EQ(lines, 3);
}

TEST_F(QueryTest, FileInfoFoundInfoAndMarkupInTabSeparatedOutput)
{
    const std::string info = "<info><lindistus fail=\"a.mp3\">PA</lindistus><murre>Ida</murre>"
                             "<kihelkond>Kuusalu (Kuu)</kihelkond><kyla>Pärispea</kyla></info>";
    const std::string sentence = "<lause id=\"l1\" koneleja=\"k1\" helipos=\"12\">" +
                                 tok("l1_s1", "um", "lemma=\"vȱlda\" tahendus=\"olema\" liik=\"V\" vorm=\"sg.1.\"") +
                                 tok("l1_s2", ".", "meta=\"vahemärk\"") + "</lause>";
    QuerySettings settings = settingsFor({corpus("a.xml", "A", sentence, info)});
    settings.token1[QueryField::PartOfSpeech].pattern = "V";
    settings.fileInfo = true;
    settings.foundTokenInfo = true;
    settings.markupAllTokens = true;
    EXPECT_EQ(run(settings), "Päring: sõnaliik: V [Täpne vaste] \r\n"
                             "A»k1:\t\ta.mp3»12\tIda»Kuusalu (Kuu)»Pärispea\tum\tvȱlda\tolema\tV\tsg.1.\t\t"
                             "um(M_vȱlda_T_olema_L_V_V_sg.1._K_) . \r\n");
}

TEST_F(QueryTest, XmlOutputEscapesValuesAndTheDescription)
{
    const std::string sentence = "<lause id=\"l1\" koneleja=\"k&amp;1\">" +
                                 tok("l1_s1", "a&lt;b", "lemma=\"x&quot;y\" kommentaar=\"&lt;&amp;&gt;\"") +
                                 tok("l1_s2", "c", "meta=\"vahemärk\"") + "</lause>";
    QuerySettings settings = settingsFor({corpus("a.xml", "A", sentence)});
    settings.xmlOutput = true;
    settings.markupAllTokens = true;
    settings.foundTokenInfo = true;
    settings.token1[QueryField::Comment].pattern = "<&";
    settings.token1[QueryField::Comment].kind = "Alguses";
    const std::string out = run(settings);
    EXPECT_EQ(out, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                   "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_paring.xsl\"?>\r\n"
                   "<pelmora-paring otsitav=\"kommentaar=&lt;&amp; [Alguses] \">\r\n"
                   "\t<lause tekst=\"A\" koneleja=\"k&amp;1\" sone=\"a&lt;b\" lemma=\"x&quot;y\" tahendus=\"\" liik=\"\" "
                   "vorm=\"\" kommentaar=\"&lt;&amp;&gt;\"><sone tyyp=\"otsitav\" lemma=\"x&quot;y\" tahendus=\"\" "
                   "liik=\"\" vorm=\"\" kommentaar=\"&lt;&amp;&gt;\">a&lt;b</sone><sone>c</sone> </lause>\r\n"
                   "</pelmora-paring>");
    // Expected: the result is a well-formed XML file.
    XmlDocument parsed;
    EXPECT_TRUE(parsed.load(settings.outputPath));
}

TEST_F(QueryTest, XmlRunWithoutHitsHasHeaderAndClosingElementAndByteOrderMark)
{
    QuerySettings settings = settingsFor({corpus("a.xml", "A", distanceSentences())});
    settings.xmlOutput = true;
    settings.byteOrderMark = true;
    settings.token1[QueryField::Lemma].pattern = "puudub";
    EXPECT_EQ(run(settings), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                             "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_paring.xsl\"?>\r\n"
                             "<pelmora-paring otsitav=\"lemma: puudub [Täpne vaste] \">\r\n"
                             "</pelmora-paring>");
}

TEST_F(QueryTest, XmlFileInfoFillsTheAttributes)
{
    const std::string info = "<info><lindistus fail=\"a.mp3\"/><murre>Ida</murre></info>";
    QuerySettings settings =
        settingsFor({corpus("a.xml", "A", "<lause id=\"l1\" helipos=\"3\">" + tok("l1_s1", "x") + "</lause>", info)});
    settings.xmlOutput = true;
    settings.fileInfo = true;
    const std::string out = run(settings);
    EXPECT_NE(out.find("\t<lause tekst=\"A\" koneleja=\"\" helifail=\"a.mp3\" helipos=\"3\" murre=\"Ida\" "
                       "kihelkond=\"\" kyla=\"\"><sone tyyp=\"otsitav\">x</sone> </lause>\r\n"),
              std::string::npos)
        << out;
}

TEST_F(QueryTest, DescriptionWritesTheFirstTokensCommentWithEquals)
{
    QuerySettings settings;
    settings.token1[QueryField::Comment].pattern = "a";
    settings.token1[QueryField::Form].pattern = "sg";
    settings.relation = "hiljem";
    settings.distance = 4;
    settings.token2[QueryField::Comment].pattern = "b";
    EXPECT_EQ(queryDescription(settings), "vorm: sg [Keskel] kommentaar=a [Täpne vaste] ja samas lauses hiljem mitte "
                                          "kaugemal kui 4 sona kommentaar: b [Täpne vaste] ");
}

TEST_F(QueryTest, InvalidFileIsSkippedOnYesAndStopsTheSearchOnNo)
{
    const std::string good = corpus("a.xml", "A", "<lause id=\"l1\">" + tok("l1_s1", "x") + "</lause>");
    const std::string bad = m_dir.file("bad.xml");
    test::writeFile(bad, "<pelmora><sisu><lause/></sisu></pelmora>");
    const std::string missing = m_dir.file("missing.xml");
    QuerySettings settings = settingsFor({bad, good, missing, good});
    settings.xmlOutput = true;

    long long lines = 0;
    m_prompter.setDefaultAnswer(true);
    run(settings, &lines);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(m_prompter.texts(),
              (std::vector<std::string>{"Vigane fail " + bad +
                                            ": esimeses lauses pole ühtegi sõnet\nKui soovid selle faili vahele "
                                            "jätta, vajuta 'Jah',\nKui soovid katkestada, vajuta 'Ei'.",
                                        "Vigane fail " + missing +
                                            ": faili ei saa lugeda (faili või kausta pole olemas)\nKui soovid "
                                            "selle faili vahele jätta, vajuta 'Jah',\nKui soovid katkestada, vajuta 'Ei'."}));

    // Expected on No: the files before the bad one are searched and the output is completed.
    settings.files = {good, missing, good};
    m_prompter.setDefaultAnswer(false);
    const std::string out = run(settings, &lines);
    EXPECT_EQ(lines, 1);
    EXPECT_TRUE(out.ends_with("</pelmora-paring>"));
}

TEST_F(QueryTest, OutputThatIsAnInputFileIsRefusedAndLeftWhole)
{
    const std::string input = corpus("a.xml", "A", "<lause id=\"l1\">" + tok("l1_s1", "x") + "</lause>");
    const std::string before = test::readFile(input);
    QuerySettings settings = settingsFor({input});
    settings.outputPath = m_dir.path() + "/./a.xml";
    const QueryResult result = MultiFileQuery(settings, m_prompter);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(test::readFile(input), before);
    EXPECT_EQ(m_prompter.lastText(), "Fail " + settings.outputPath + "\non loendis olemas.\nVali mõni muu fail.");
}

TEST_F(QueryTest, UnwritableOutputIsReportedAndProgressCountsFiles)
{
    const std::string input = corpus("a.xml", "A", "<lause id=\"l1\">" + tok("l1_s1", "x") + "</lause>");
    QuerySettings settings = settingsFor({input, input});
    std::vector<QueryProgress> reports;
    const QueryResult result =
        MultiFileQuery(settings, m_prompter, [&](const QueryProgress& p) {
            reports.push_back(p);
            return true;
        });
    ASSERT_TRUE(result.ran);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1].filesDone, 2u);
    EXPECT_EQ(reports[1].lines, 2);
    EXPECT_TRUE(reports[2].finished);

    settings.outputPath = m_dir.file("no-such-folder/out.txt");
    EXPECT_FALSE(MultiFileQuery(settings, m_prompter).ran);
    EXPECT_EQ(m_prompter.lastText(), "Ei saa väljundfaili faili avada");
}

TEST(CorpusFileReader, WalksTokensReachesOnlyTrailingCombinationsAndStopsAtAnEmptySentence)
{
    CorpusFileReader reader;
    ASSERT_TRUE(reader.openFromBuffer(corpusText(
        "T", "<lause id=\"l1\"><sone id=\"a\"/><yhend id=\"mid\"/><sone id=\"b\"/><yhend id=\"end\"/></lause>"
             "<lause id=\"l2\"><sone id=\"c\"/></lause><lause id=\"l3\"/><lause id=\"l4\"><sone id=\"d\"/></lause>")));
    std::string walk;
    for (CorpusFileReader::Step step = reader.step(); step != CorpusFileReader::Step::End; step = reader.step()) {
        const char kind = step == CorpusFileReader::Step::Token         ? 'T'
                          : step == CorpusFileReader::Step::Combination ? 'Y'
                                                                        : 'S';
        walk += kind;
        walk += ':';
        walk += std::string(attributeValue(reader.current(), "id")) + " ";
    }
    // Expected: the middle combination is passed over; the empty sentence l3 ends the walk.
    EXPECT_EQ(walk, "T:a T:b Y:end S:l2 T:c S:l3 ");
    EXPECT_EQ(reader.textId(), "T");

    EXPECT_FALSE(reader.openFromBuffer("<muu><sisu><lause><sone/></lause></sisu></muu>"));
    EXPECT_FALSE(reader.openFromBuffer("<pelmora><sisu><lause/></sisu></pelmora>"));
    EXPECT_FALSE(reader.openFromBuffer("<pelmora><sisu>"));
}

}  // namespace
}  // namespace pelmora
