#include "io/dialectimport.h"

#include "common/files.h"
#include "testsupport.h"

#include <unistd.h>

namespace pelmora {
namespace {

// The old file as ISO-8859-1 bytes ("\xE4" is "ä", "\xF5" is "õ").
const std::string kOldFile =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
    "<!DOCTYPE record SYSTEM \"morfo.dtd\">\r\n"
    "<record kla=\"Kuolka\" khk=\"Ir\xE4\">\r\n"
    "<com>sissejuhatus</com>\r\n"
    "<u who=\"K1\">\r\n"
    "\t<mark><sne>kala</sne><msn>kala</msn><tah>fish</tah><mrf slk=\"S\">sg g</mrf></mark>\r\n"
    "\tpaljas (...)\r\n"
    "\t<mark><sne>suurem</sne><msn>suur</msn><mrf slk=\"Ak\">sg n</mrf></mark>\r\n"
    "\t<mark><sne>k\xF5ige</sne><msn>suur</msn><mrf slk=\"As\">sg p</mrf><fra>vana</fra></mark>\r\n"
    "\t<mark><sne>x</sne><msn>x</msn><mrf slk=\"X\">ps v</mrf></mark>\r\n"
    "\t<mark><sne>mn</sne><msn>y</msn><mrf slk=\"S\">Mn</mrf></mark>\r\n"
    "\t<com>m\xE4rkus siin</com>\r\n"
    "</u>\r\n"
    "<u who=\"I1\">k\xFCsimus</u>\r\n"
    "</record>\r\n";

class DialectImportTest : public ::testing::Test {
protected:
    DialectImportResult import(const std::string& bytes)
    {
        test::writeFile(m_input, bytes);
        return importDialectText(m_doc, m_input, m_prompter, [&](const TextMetadata& prefilled) {
            m_prefilled.push_back(prefilled);
            TextMetadata data = prefilled;
            data.id = "M1";
            data.speakers.push_back({"intervjueerija", "I1", "Küsija", "", "", "", "", ""});
            return std::optional<TextMetadata>(data);
        });
    }

    XmlNode token(const char* id) const
    {
        for (XmlNode s = m_doc.body().child("lause"); s; s = s.next_sibling("lause"))
            if (const XmlNode t = s.find_child_by_attribute("sone", "id", id))
                return t;
        return {};
    }

    std::string attr(const char* id, const char* name) const { return token(id).attribute(name).value(); }

    test::TempDir m_dir;
    std::string m_input = m_dir.file("vana.xml");
    RecordingPrompter m_prompter;
    CPelmoraDoc m_doc{m_prompter};
    std::vector<TextMetadata> m_prefilled;
};

TEST_F(DialectImportTest, ConvertsUtterancesTokensAndTheOldAnnotation)
{
    const DialectImportResult result = import(kOldFile);
    ASSERT_TRUE(result.ok) << m_prompter.lastText();
    EXPECT_EQ(result.repairedPath, m_dir.file("vana[1].xml"));
    EXPECT_EQ(result.outputPath, m_dir.file("vana[UTF-8].xml"));
    ASSERT_EQ(m_prefilled.size(), 1u);
    EXPECT_EQ(m_prefilled[0].village.name, "Kuolka");
    EXPECT_EQ(m_prefilled[0].parish, "Irä");
    EXPECT_EQ(m_prefilled[0].type, TextType::Oral);

    // Expected: the comment before the first utterance gives no (empty) sentence.
    EXPECT_EQ(std::string(m_doc.body().child("lause").attribute("koneleja").value()), "K1");
    EXPECT_EQ(CPelmoraDoc::tokenText(m_doc.currentToken()), "kala");
    EXPECT_EQ(attr("l1_s1", "lemma"), "kala");
    EXPECT_EQ(attr("l1_s1", "tahendus"), "fish");
    EXPECT_EQ(attr("l1_s1", "vorm"), "sg.gen.");
    EXPECT_EQ(attr("l1_s1", "liik"), "S");
    // Expected: a bare word wrapped into its own token, counted for its missing lemma.
    EXPECT_EQ(CPelmoraDoc::tokenText(token("l1_s2")), "paljas");
    EXPECT_EQ(attr("l1_s2", "kommentaar"), "import: viga");
    EXPECT_EQ(CPelmoraDoc::tokenText(token("l1_s3")), "(...)");
    EXPECT_EQ(attr("l1_s3", "meta"), "vahemärk");
    EXPECT_EQ(attr("l1_s3", "kommentaar"), "");
    EXPECT_EQ(attr("l1_s4", "liik"), "A");
    EXPECT_EQ(attr("l1_s4", "vorm"), "sg.nom.cmp.");
    EXPECT_EQ(CPelmoraDoc::tokenText(token("l1_s5")), "kõige");
    EXPECT_EQ(attr("l1_s5", "vorm"), "sg.part.sprl.");
    EXPECT_EQ(attr("l1_s5", "kommentaar"), "vana");
    EXPECT_EQ(attr("l1_s6", "liik"), "");
    EXPECT_EQ(attr("l1_s6", "vorm"), "pers.vpts.");
    EXPECT_EQ(attr("l1_s6", "kommentaar"), "import: viga");
    EXPECT_EQ(attr("l1_s7", "liik"), "Mn");
    EXPECT_FALSE(token("l1_s7").attribute("vorm"));
    EXPECT_EQ(CPelmoraDoc::tokenText(token("l1_s8")), "märkus");
    EXPECT_EQ(attr("l1_s8", "meta"), "kommentaar");
    EXPECT_EQ(attr("l1_s9", "meta"), "kommentaar");
    // Expected: the interviewer's tokens are marked and not counted.
    EXPECT_EQ(CPelmoraDoc::tokenText(token("l2_s1")), "küsimus");
    EXPECT_EQ(attr("l2_s1", "meta"), "intervjueerija");
    EXPECT_EQ(attr("l2_s1", "kommentaar"), "");

    EXPECT_EQ(result.suspicious, 2);
    EXPECT_EQ(m_prompter.lastText(), "Kahtlased kohad (~2) on tekstis värvilise taustaga esile tõstetud\n"
                                     "ja kommentaari lahtris on märge \"import: viga\".");
    EXPECT_EQ(m_prompter.entries().back().title, "Teksti import");
    EXPECT_TRUE(m_doc.isModified());
    // Expected: the repaired copy is UTF-8 XML that says so.
    EXPECT_NE(test::readFile(result.repairedPath).find("encoding=\"UTF-8\""), std::string::npos);
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "M1");
}

TEST_F(DialectImportTest, WritesNoTextUntilTheDataIsAcceptedAndStoresItAsOral)
{
    test::writeFile(m_input, kOldFile);
    const std::string output = m_dir.file("vana[UTF-8].xml");
    std::vector<TextMetadata> shown;
    bool outputBeforeAcceptance = false;
    const DialectImportResult result = importDialectText(m_doc, m_input, m_prompter, [&](const TextMetadata& d) {
        shown.push_back(d);
        outputBeforeAcceptance = outputBeforeAcceptance || pathExists(output);
        TextMetadata answer = d;
        answer.topic = "Kalastamine";
        if (shown.size() == 2) {
            answer.id = "M2";
            answer.type = TextType::Written;
        }
        return std::optional<TextMetadata>(answer);
    });
    ASSERT_TRUE(result.ok) << m_prompter.lastText();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(outputBeforeAcceptance);
    EXPECT_EQ(shown[1].topic, "Kalastamine");
    EXPECT_EQ(m_prompter.texts().front(), "Sisesta teksti ID\nja vali teksti tüüp.");
    const XmlNode info = m_doc.xml().root().child("info");
    // Expected: the old corpus is speech; the record's village and parish are stored as given.
    EXPECT_EQ(std::string(info.child("tyyp").text().get()), "suuline");
    EXPECT_EQ(std::string(info.child("teema").text().get()), "Kalastamine");
    EXPECT_EQ(std::string(info.child("kyla").text().get()), "Kuolka");
    EXPECT_EQ(std::string(info.child("kihelkond").text().get()), "Irä");
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "M2");
}

TEST_F(DialectImportTest, CancelLeavesNoText)
{
    test::writeFile(m_input, kOldFile);
    const DialectImportResult result =
        importDialectText(m_doc, m_input, m_prompter, [](const TextMetadata&) { return std::optional<TextMetadata>(); });
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(pathExists(m_dir.file("vana[UTF-8].xml")));
    EXPECT_FALSE(m_doc.hasText());
}

TEST_F(DialectImportTest, RefusesAnotherRootAndBrokenXml)
{
    EXPECT_FALSE(import("<?xml version=\"1.0\"?><muu><u who=\"A\">x</u></muu>").ok);
    EXPECT_EQ(m_prompter.lastText(), "Sobimatu struktuuriga fail " + m_dir.file("vana[1].xml") + ".");
    EXPECT_FALSE(import("<record><u who=\"A\">x</record>").ok);
    EXPECT_EQ(m_prompter.lastText(), "Vigane fail " + m_dir.file("vana[1].xml") + ".");
    EXPECT_TRUE(m_prefilled.empty());
}

TEST_F(DialectImportTest, NeverWritesOverTheInputThroughALink)
{
    test::writeFile(m_input, kOldFile);
    // The repaired copy's name is a link to the input: writing it would replace the input.
    ASSERT_EQ(::symlink(m_input.c_str(), m_dir.file("vana[1].xml").c_str()), 0);
    const DialectImportResult result = importDialectText(m_doc, m_input, m_prompter, [](const TextMetadata& d) {
        return std::optional<TextMetadata>(d);
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(test::readFile(m_input), kOldFile);
    EXPECT_EQ(m_prompter.lastText(),
              "Väljundfail " + m_dir.file("vana[1].xml") + "\non sama mis sisendfail.\nVali mõni muu fail.");
}

struct RepairCase {
    const char* name;
    const char* input;
    const char* repaired;
};

class DialectRepairTest : public ::testing::TestWithParam<RepairCase> {};

TEST_P(DialectRepairTest, WrapsBareWords)
{
    RecordingPrompter prompter;
    EXPECT_EQ(repairDialectText(GetParam().input, prompter), GetParam().repaired);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DialectRepairTest,
    ::testing::Values(
        RepairCase{"BareWordsInAnUtterance", "<record><u who=\"A\">a\n  b\t =</u></record>",
                   "<record><u who=\"A\"><mark><sne>a</sne></mark><mark><sne>b</sne></mark>"
                   "<mark><sne meta=\"vahemärk\">=</sne></mark></u></record>"},
        RepairCase{"MarkedWordsStay", "<record><u who=\"A\"><mark><sne meta=\"x y\">a</sne></mark></u></record>",
                   "<record><u who=\"A\"><mark><sne meta=\"x y\">a</sne></mark></u></record>"},
        RepairCase{"CommentWordsGetSne", "<record><u who=\"A\"><com>c d</com></u><com>e</com></record>",
                   "<record><u who=\"A\"><com><sne>c</sne><sne>d</sne></com></u><com><sne>e</sne></com></record>"},
        RepairCase{"NothingBeforeTheFirstUtterance", "<record>\n<com>a b</com></record>",
                   "<record><com>a b</com></record>"}),
    test::ByName());

TEST(DialectRepair, WarnsAboutWordsThatCannotBeWrapped)
{
    RecordingPrompter prompter;
    repairDialectText("<record><u who=\"A\"><mark><com>x</com></mark></u>y</record>", prompter);
    ASSERT_EQ(prompter.entries().size(), 2u);
    EXPECT_TRUE(prompter.texts()[0].starts_with("Vigaste märgenditega fail (1).\nPositsioon: "));
    EXPECT_TRUE(prompter.texts()[0].ends_with(".\nSõna: x"));
    EXPECT_TRUE(prompter.texts()[1].starts_with("Vigaste märgenditega fail (2).\nPositsioon: "));
}

TEST(DialectForm, ExpandsAbbreviationsAtTheStartOrAfterAFullStop)
{
    EXPECT_EQ(expandDialectForm("sg.g."), "sg.gen.");
    EXPECT_EQ(expandDialectForm("n.p.v.ps."), "nom.part.vpts.pers.");
    EXPECT_EQ(expandDialectForm("gen.ng."), "gen.ng.");
    EXPECT_EQ(cp1252ToUtf8("\xF5\x80"), "õ€");
}

TEST_F(DialectImportTest, StopWritesNoTextAndKeepsTheOpenOne)
{
    ASSERT_TRUE(m_doc.openFromBuffer("<pelmora><sisu id=\"vana\"><lause id=\"l1\"><sone id=\"l1_s1\">a</sone>"
                                     "</lause></sisu></pelmora>",
                                     "open.xml"));
    test::writeFile(m_input, kOldFile);
    int reports = 0;
    const DialectImportResult result = importDialectText(
        m_doc, m_input, m_prompter,
        [](const TextMetadata& prefilled) {
            TextMetadata data = prefilled;
            data.id = "M1";
            return std::optional<TextMetadata>(data);
        },
        [&](std::size_t, std::size_t) { return ++reports < 2; });
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(reports, 2);
    EXPECT_FALSE(pathExists(result.outputPath));
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "vana");
    EXPECT_EQ(CPelmoraDoc::tokenText(m_doc.currentToken()), "a");
}

TEST_F(DialectImportTest, ProgressCountsTheRecordsChildrenToTheEnd)
{
    test::writeFile(m_input, kOldFile);
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    const DialectImportResult result = importDialectText(
        m_doc, m_input, m_prompter,
        [](const TextMetadata& prefilled) {
            TextMetadata data = prefilled;
            data.id = "M1";
            return std::optional<TextMetadata>(data);
        },
        [&](std::size_t done, std::size_t total) {
            reports.emplace_back(done, total);
            return true;
        });
    ASSERT_TRUE(result.ok);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().first, reports.back().second);
    EXPECT_EQ(reports.front().first, 0u);
    // The converted text is the open one, its first token current.
    EXPECT_EQ(CPelmoraDoc::tokenText(m_doc.currentToken()), "kala");
    EXPECT_TRUE(pathExists(result.outputPath));
}

}  // namespace
}  // namespace pelmora
