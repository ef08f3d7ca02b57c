#include "common/files.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "common/utf16text.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionaryexport.h"
#include "dictionary/textaddition.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"

#include <gtest/gtest.h>

#include <array>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

using test::TempDir;

std::string analysesOf(const CDictionary& d, DictSection section)
{
    std::string out;
    for (XmlNode n = d.firstEntry(section); n; n = CDictionary::nextEntry(n)) {
        for (const char* attribute : sectionAttributes(section))
            out += std::string(attributeValue(n, attribute)) + "|";
        out += "\n";
    }
    return out;
}

class TextAddition : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(path, std::string(dictionaryTemplate()));
        ASSERT_TRUE(dictionary.openWithPath(path));
    }
    void openText(const std::string& body)
    {
        ASSERT_TRUE(document.openFromBuffer("<pelmora><sisu>" + body + "</sisu></pelmora>", "text.xml"));
    }
    TempDir dir;
    std::string path = dir.file("sonastik.xml");
    RecordingPrompter prompter;
    CDictionary dictionary{prompter};
    RecordingPrompter docPrompter;
    CPelmoraDoc document{docPrompter};
};

TEST_F(TextAddition, RepeatedAnalysisCountsOncePerTokenAndIsSavedOnce)
{
    std::string tokens;
    for (int i = 1; i <= 5; ++i)
        tokens += "<sone id=\"l1_s" + std::to_string(i) + "\" lemma=\"kala\" vorm=\"sg.nom.\" tahendus=\"kala\" "
                  "liik=\"S\">Kala</sone>";
    // A sentence without tokens in the middle does not end the addition.
    openText("<lause id=\"l1\">" + tokens + "</lause><lause id=\"l2\"/><lause id=\"l3\"><sone id=\"l3_s1\" "
             "lemma=\"vȱlda\" liik=\"V\">um</sone></lause>");
    prompter.setDefaultAnswer(true);
    ASSERT_TRUE(addTextToDictionary(document, dictionary, prompter));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Kas lisan sõned faili?\n" + path});

    SilentPrompter quiet;
    CDictionary saved(quiet);
    ASSERT_TRUE(saved.openWithPath(path));
    EXPECT_EQ(analysesOf(saved, DictSection::WordForms), "__|__|||\nkala|kala|sg.nom.|5|\num|vȱlda||1|\n");
    EXPECT_EQ(analysesOf(saved, DictSection::Lemmas), "__|__|||||\nkala|kala|S|||5|\nvȱlda||V|||1|\n");
    EXPECT_FALSE(pathExists(path + ".lock"));
}

TEST_F(TextAddition, CombinationsAreAddedEvenWithoutLemmas)
{
    openText("<lause id=\"l1\"><sone id=\"l1_s1\" yhend=\"+\">jūrõ</sone><sone id=\"l1_s2\" yhend=\"+\">vīeres</sone>"
             "<yhend id=\"l1_s1_s2\" ylemma=\"jūrõ vīeres\" ytahendus=\"mere ääres\" yliik=\"Post\"/>"
             "<yhend id=\"l1_s1_s2\" ylemma=\"x y\" yliik=\"-\"/></lause>");
    prompter.setDefaultAnswer(true);
    ASSERT_TRUE(addTextToDictionary(document, dictionary, prompter));
    EXPECT_EQ(analysesOf(dictionary, DictSection::WordForms), "__|__|||\n");
    EXPECT_EQ(analysesOf(dictionary, DictSection::Lemmas), "__|__|||||\n");
    EXPECT_EQ(analysesOf(dictionary, DictSection::Combinations), "__|__||\njūrõ vīeres|mere ääres|Post|\n");
}

TEST_F(TextAddition, AnswerNoChangesNothing)
{
    openText("<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\">kala</sone></lause>");
    const std::string before = test::readFile(path);
    EXPECT_FALSE(addTextToDictionary(document, dictionary, prompter));
    EXPECT_EQ(prompter.lastText(), "Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!");
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_FALSE(dictionary.findWordForm("kala"));
}

TEST_F(TextAddition, OtherWritersAnalysesAreKept)
{
    SilentPrompter quiet;
    CDictionary other(quiet);
    ASSERT_TRUE(other.openWithPath(path));
    ASSERT_TRUE(other.storeWordForm("mēg", "mēg", "").saved);
    openText("<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\">kala</sone></lause>");
    prompter.setDefaultAnswer(true);
    ASSERT_TRUE(addTextToDictionary(document, dictionary, prompter));
    EXPECT_EQ(analysesOf(dictionary, DictSection::WordForms), "__|__|||\nkala|kala||1|\nmēg|mēg||1|\n");
}

// The addition looks entries up ahead of the stores; whatever the text, the file must come out
// exactly as from storing the tokens one by one.
TEST_F(TextAddition, GivesTheSameFileAsStoringEachTokenInTurn)
{
    const std::vector<std::string> surfaces = {"kala", "Kala", "KALA", "kalad", "+ka_la", "ōga", "Ōga", "vȱlda",
                                               "{x}um", "mēg", "ΟΔΟΣ", "ņi", "sõna", "lä"};
    const std::vector<std::string> lemmas = {"kala", "ōga", "vȱlda", "um", "mēg", ""};
    const std::vector<std::string> forms = {"", "sg.nom.", "pl.gen."};
    const std::vector<std::string> meanings = {"", "kala", "fish", "veel"};
    std::string body;
    std::vector<std::array<std::string, 5>> tokens;
    unsigned next = 7;
    const auto pick = [&next](const std::vector<std::string>& from) {
        next = next * 1103515245u + 12345u;
        return from[(next >> 16) % from.size()];
    };
    for (int sentence = 1; sentence <= 40; ++sentence) {
        body += "<lause id=\"l" + std::to_string(sentence) + "\">";
        for (int t = 1; t <= 9; ++t) {
            const std::array<std::string, 5> token{pick(surfaces), pick(lemmas), pick(forms), pick(meanings),
                                                   pick(meanings)};
            tokens.push_back(token);
            body += "<sone id=\"l" + std::to_string(sentence) + "_s" + std::to_string(t) + "\" lemma=\"" + token[1] +
                    "\" vorm=\"" + token[2] + "\" tahendus=\"" + token[3] + "\" ingl=\"" + token[4] + "\">" +
                    token[0] + "</sone>";
        }
        body += "</lause>";
    }
    openText(body);
    prompter.setDefaultAnswer(true);
    ASSERT_TRUE(addTextToDictionary(document, dictionary, prompter));

    const std::string onePath = dir.file("one.xml");
    test::writeFile(onePath, std::string(dictionaryTemplate()));
    SilentPrompter quiet;
    CDictionary oneByOne(quiet);
    ASSERT_TRUE(oneByOne.openWithPath(onePath));
    for (const auto& [surface, lemma, form, meaning, english] : tokens) {
        oneByOne.storeWordForm(surface, lemma, form);
        oneByOne.storeLemma(lemma, meaning, {}, {}, english);
    }
    EXPECT_EQ(test::readFile(path), test::readFile(onePath));
}

TEST(TextAdditionSaveFailure, AdditionStaysInMemoryAndReachesTheFileLater)
{
    TempDir dir;
    const std::string path = test::writeSharedFile(dir, "sonastik.xml", std::string(dictionaryTemplate()));
    const std::string folder = dir.file("shared");

    const int status = test::runUnprivileged([&]() -> int {
        RecordingPrompter prompter;
        prompter.setDefaultAnswer(true);
        CDictionary mine(prompter);
        CPelmoraDoc document(prompter);
        if (!mine.openWithPath(path) ||
            !document.openFromBuffer("<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\" "
                                     "tahendus=\"fish\">Kala</sone></lause></sisu></pelmora>",
                                     "text.xml"))
            return 10;
        ::chmod(folder.c_str(), 0555);
        if (addTextToDictionary(document, mine, prompter) || prompter.lastText() != "Viga faili " + path + " salvestamisel.")
            return 11;
        ::chmod(folder.c_str(), 0755);
        // Another user saves meanwhile; the reload before our next store must keep the addition.
        SilentPrompter quiet;
        CDictionary other(quiet);
        if (!other.openWithPath(path) || !other.storeWordForm("mēg", "mēg", "").saved)
            return 12;
        const ChangeResult later = mine.storeWordForm("um", "vȱlda", "");
        if (!later.changed || !later.saved)
            return 13;
        CDictionary check(quiet);
        if (!check.openWithPath(path))
            return 14;
        if (analysesOf(check, DictSection::WordForms) != "__|__|||\nkala|kala||1|\nmēg|mēg||1|\num|vȱlda||1|\n")
            return 15;
        return analysesOf(check, DictSection::Lemmas) == "__|__|||||\nkala|fish||||1|\n" ? 0 : 16;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(TextAddition, ExportOfAFreshDictionary)
{
    const std::string out = dir.file("export.txt");
    prompter.setDefaultAnswer(true);
    ASSERT_TRUE(exportDictionary(dictionary, out, prompter));
    const Utf16ReadResult read = readUtf16LeFile(out);
    ASSERT_EQ(read.status, Utf16ReadStatus::Ok);
    EXPECT_EQ(read.text, "\r\nSõned\r\nSõne\tLemma\tVorm\r\n'__\t'__\t'\r\n"
                         "\r\nLemmad\r\nLemma\tTähendus\tSõnaliik\r\n'__\t'__\t'\r\n"
                         "\r\nÜhendid\r\n\tÜhend\tTähendus\tSõnaliik\r\n__\t__\t\r\n");
    ASSERT_EQ(prompter.entries().size(), 2U);
    EXPECT_EQ(prompter.entries()[0].title, "Tekstide ühendamine");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompter.entries()[1].text, "Kas ekspordin sõnastiku\n" + path + "?");
}

TEST_F(TextAddition, ExportWalksChildrenInOrderAndKeepsPositions)
{
    dictionary.storeWordForm("kala", "kala", "sg.nom.");
    dictionary.storeWordForm("kala", "kalaa", "");
    dictionary.storeLemma("kala", "kala", "S", "zivs", "fish");
    // The editor's positions stay where they are as long as the dictionary is not loaded again.
    const std::uint64_t serial = dictionary.loadSerial();
    const std::string text = dictionaryExportText(dictionary);
    EXPECT_NE(text.find("'__\t'__\t'\r\n'kala\t'kala\t'sg.nom.\r\n'kala\t'kalaa\t'\r\n\r\nLemmad"), std::string::npos);
    EXPECT_NE(text.find("'kala\t'kala\t'S\r\n"), std::string::npos);
    EXPECT_EQ(dictionary.loadSerial(), serial);
}

TEST_F(TextAddition, StoppedAdditionChangesNeitherTheTreeNorTheFile)
{
    std::string tokens;
    for (int i = 1; i <= 300; ++i)
        tokens += "<sone id=\"l1_s" + std::to_string(i) + "\" lemma=\"w" + std::to_string(i) + "\">w" +
                  std::to_string(i) + "</sone>";
    openText("<lause id=\"l1\">" + tokens + "</lause>");
    // An analysis stored before the addition stays through the stop.
    dictionary.storeWordForm("mēg", "mēg", "");
    const std::string before = test::readFile(path);
    prompter.setDefaultAnswer(true);
    std::vector<std::size_t> reports;
    const auto stopHalfWay = [&reports](std::size_t done, std::size_t total) {
        reports.push_back(done);
        return done < total / 2;
    };
    EXPECT_FALSE(addTextToDictionary(document, dictionary, prompter, stopHalfWay));
    // Reported from 0 on, the total being two stores per token.
    ASSERT_GE(reports.size(), 2U);
    EXPECT_EQ(reports.front(), 0U);
    EXPECT_GE(reports.back(), 300U);
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_FALSE(dictionary.findWordForm("w1"));
    EXPECT_EQ(analysesOf(dictionary, DictSection::WordForms), "__|__|||\nmēg|mēg||1|\n");
    EXPECT_FALSE(pathExists(path + ".lock"));

    // A full run afterwards adds everything and saves once.
    std::size_t last = 0;
    EXPECT_TRUE(addTextToDictionary(document, dictionary, prompter, [&last](std::size_t done, std::size_t) {
        last = done;
        return true;
    }));
    EXPECT_EQ(last, 600U);
    SilentPrompter quiet;
    CDictionary saved(quiet);
    ASSERT_TRUE(saved.openWithPath(path));
    EXPECT_TRUE(saved.findWordForm("w300"));
    EXPECT_TRUE(saved.findWordForm("mēg"));
}

TEST_F(TextAddition, StopAtTheVeryEndStillSavesNothing)
{
    openText("<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\">kala</sone></lause>");
    const std::string before = test::readFile(path);
    prompter.setDefaultAnswer(true);
    EXPECT_FALSE(addTextToDictionary(document, dictionary, prompter,
                                     [](std::size_t done, std::size_t total) { return done < total; }));
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_FALSE(dictionary.findWordForm("kala"));
}

TEST_F(TextAddition, ExportAsksForTheFileBetweenWarningAndQuestion)
{
    std::vector<std::string> order;
    // Cancelled file dialog: the warning only.
    EXPECT_FALSE(exportDictionary(dictionary, [] { return std::string(); }, prompter));
    EXPECT_EQ(prompter.entries().size(), 1U);
    prompter.clear();
    const std::string out = dir.file("valja.txt");
    prompter.setDefaultAnswer(true);
    EXPECT_TRUE(exportDictionary(dictionary, [&] {
        order.push_back("file after " + std::to_string(prompter.entries().size()) + " message");
        return out;
    }, prompter));
    EXPECT_EQ(order, std::vector<std::string>{"file after 1 message"});
    EXPECT_EQ(prompter.entries().back().text, "Kas ekspordin sõnastiku\n" + path + "?");
    EXPECT_EQ(readUtf16LeFile(out).status, Utf16ReadStatus::Ok);
}

TEST_F(TextAddition, ExportAnsweredNoLeavesAnExistingFile)
{
    const std::string out = dir.file("export.txt");
    test::writeFile(out, "earlier export");
    EXPECT_FALSE(exportDictionary(dictionary, out, prompter));
    EXPECT_EQ(test::readFile(out), "earlier export");
    // Expected: a path that cannot be written is reported.
    prompter.setDefaultAnswer(true);
    EXPECT_FALSE(exportDictionary(dictionary, dir.file("missing/export.txt"), prompter));
    EXPECT_EQ(prompter.lastText(), "Ei saanud faili avada");
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

TEST(BundledSamples, DictionaryKnowsTheSampleTextsAnnotatedWords)
{
    SilentPrompter quiet;
    CDictionary dictionary(quiet);
    const std::string path = test::samplesFolder() + "/sonastik.xml";
    const std::string before = test::readFile(path);
    ASSERT_TRUE(dictionary.openWithPath(path));
    CPelmoraDoc document(quiet);
    ASSERT_TRUE(document.openDocument(test::samplesFolder() + "/kuolka.xml"));
    // Expected: every token with a lemma in the sample text has that analysis in the dictionary.
    int annotated = 0;
    for (XmlNode token = document.firstToken(); token; token = CPelmoraDoc::nextToken(token)) {
        const std::string lemma = CPelmoraDoc::attribute(token, "lemma");
        if (lemma.empty())
            continue;
        ++annotated;
        bool found = false;
        for (XmlNode analysis : dictionary.lookUpWordForm(MakeWordFormKey(CPelmoraDoc::tokenText(token))))
            found = found || attributeValue(analysis, dict::kFormLemma) == lemma;
        EXPECT_TRUE(found) << lemma;
        EXPECT_FALSE(dictionary.analyses(DictSection::Lemmas, lemma).empty()) << lemma;
    }
    EXPECT_GT(annotated, 0);
    EXPECT_TRUE(dictionary.findCombination("jūrõ vīeres"));
    EXPECT_EQ(test::readFile(path), before);
}

}  // namespace
}  // namespace pelmora
