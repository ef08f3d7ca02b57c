#include "common/files.h"
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "exchange/lift.h"
#include "exchangesupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pelmora::exchange {
namespace {

using test::TempDir;

// Every analysis of a section as one line, placeholders left out.
std::string analysesOf(const CDictionary& d, DictSection section)
{
    std::string out;
    for (XmlNode n = d.firstEntry(section); n; n = CDictionary::nextEntry(n)) {
        if (attributeValue(n, dict::kId) == std::string_view("__"))
            continue;
        for (const char* attribute : sectionAttributes(section))
            out += std::string(attributeValue(n, attribute)) + "|";
        out += "\n";
    }
    return out;
}

class Lift : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (CDictionary* d : {&dictionary, &other})
            ASSERT_TRUE(createDictionaryFile(d == &dictionary ? path : otherPath));
        ASSERT_TRUE(dictionary.openWithPath(path));
        ASSERT_TRUE(other.openWithPath(otherPath));
        prompter.setDefaultAnswer(true);
    }
    // A dictionary with every kind of analysis: second analyses, weights, a word form whose lemma
    // has no entry, combinations of words that are and are not lemmas, values that need escaping.
    void fill(CDictionary& d)
    {
        for (int i = 0; i < 3; ++i)
            d.storeWordForm("Kalā", "kalā", "sg.nom.");
        d.storeWordForm("kalā", "kalāmīez", "");
        d.storeWordForm("jūrõ", "jūrõ", "sg.gen.");
        d.storeWordForm("vīeres", "vīeri", "pl.in. #vana");
        d.storeLemma("kalā", "kala", "S", "zivs", "fish");
        d.storeLemma("kalā", "kala", "S", "zivs", "fish");
        d.storeLemma("kalā", "kalastama", "V", "", "to fish & \"catch\"");
        d.storeLemma("jūrõ", "meri <rand>", "S", "", "");
        d.storeCombination("jūrõ vīeres", "mere ääres", "Post");
        d.storeCombination("jūrõ vīeres", "ranna ääres", "");
        d.storeCombination("tundmatu sõna", "", "Adv");
    }
    std::string lexiconOf(const CDictionary& d)
    {
        ExchangeReport report;
        std::string lift = writeLift(d, report);
        EXPECT_TRUE(report.empty());
        return lift;
    }

    TempDir dir;
    std::string path = dir.file("sonastik.xml");
    std::string otherPath = dir.file("teine.xml");
    RecordingPrompter prompter;
    CDictionary dictionary{prompter};
    CDictionary other{prompter};
};

TEST_F(Lift, ExportValidatesAndMergesIntoAnEmptyDictionaryAsItWas)
{
    fill(dictionary);
    const std::string lift = lexiconOf(dictionary);
    EXPECT_EQ(test::relaxNgErrors(lift, test::interopData("lift-0.13.rng")), "");

    const std::string file = dir.file("sonastik.lift");
    test::writeFile(file, lift);
    ASSERT_TRUE(importLift(other, file, prompter));
    for (const DictSection section : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations})
        EXPECT_EQ(analysesOf(other, section), analysesOf(dictionary, section)) << sectionName(section);
    // The merged dictionary gives the same lexicon again, and a second merge changes nothing.
    EXPECT_EQ(lexiconOf(other), lift);
    prompter.clear();
    ASSERT_TRUE(importLift(other, file, prompter));
    EXPECT_NE(prompter.texts().front().find("uusi kirjeid 0, samu 6, erinevaid 0"), std::string::npos)
        << prompter.texts().front();
    EXPECT_EQ(lexiconOf(other), lift);
}

TEST_F(Lift, PreviewCountsNewSameAndDifferentEntriesAndTheMergeKeepsTheHigherWeight)
{
    dictionary.storeLemma("kalā", "kala", "S", "", "");
    dictionary.storeLemma("mīez", "mees", "S", "", "");
    for (int i = 0; i < 5; ++i)
        dictionary.storeLemma("vȱlda", "olema", "V", "", "");
    const std::string file = dir.file("uus.lift");
    test::writeFile(file, R"(<lift version="0.13">
<entry><lexical-unit><form lang="liv"><text>kalā</text></form></lexical-unit>
  <sense><grammatical-info value="S"/><gloss lang="et"><text>kala</text></gloss><trait name="kaal" value="4"/></sense></entry>
<entry><lexical-unit><form lang="liv"><text>mīez</text></form></lexical-unit>
  <sense><grammatical-info value="S"/><gloss lang="et"><text>inimene</text></gloss><trait name="kaal" value="2"/></sense></entry>
<entry><lexical-unit><form lang="liv"><text>vȱlda</text></form></lexical-unit>
  <sense><grammatical-info value="V"/><gloss lang="et"><text>olema</text></gloss><trait name="kaal" value="2"/></sense></entry>
<entry><lexical-unit><form lang="liv"><text>ūž</text></form></lexical-unit>
  <sense><grammatical-info value="adj"/><gloss lang="et"><text>uus</text></gloss><trait name="kaal" value="3"/></sense>
  <variant><form lang="liv"><text>Ūd</text></form><trait name="vorm" value="pl.nom."/></variant></entry>
</lift>)");
    ASSERT_TRUE(importLift(dictionary, file, prompter, true));
    // Expected: ūž new; kalā and vȱlda present as they are; mīez has a new meaning.
    EXPECT_NE(prompter.texts().front().find("uusi kirjeid 1, samu 2, erinevaid 1"), std::string::npos);
    ASSERT_TRUE(importLift(dictionary, file, prompter));
    EXPECT_EQ(analysesOf(dictionary, DictSection::Lemmas), "kalā|kala|S|||4|\n"
                                                            "mīez|mees|S|||1|\nmīez|inimene|S|||2|\n"
                                                            "vȱlda|olema|V|||5|\n"
                                                            "ūž|uus|A|||3|\n");
    EXPECT_EQ(analysesOf(dictionary, DictSection::WordForms), "ūd|ūž|pl.nom.|1|\n");
}

TEST_F(Lift, ALexiconOfFlexMergesAndSaysWhatItLeftOut)
{
    ASSERT_TRUE(importLift(dictionary, test::interopData("ikpeng.lift"), prompter));
    EXPECT_GT(dictionary.entryCount(DictSection::Lemmas), 40u);
    const std::vector<std::string> texts = prompter.texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
        return t.find("sõnaliik, millel pole vastet: \u201EPostposition\u201C") != std::string::npos;
    }));
    // The English glosses of a lexicon without Estonian are its meanings; FLEx's "Noun" is a UPOS
    // name; a variant is a word form of its entry.
    EXPECT_NE(analysesOf(dictionary, DictSection::Lemmas).find("mami|work|S||work|1|"), std::string::npos);
    EXPECT_NE(analysesOf(dictionary, DictSection::WordForms).find("na|ïna||1|"), std::string::npos);
}

TEST_F(Lift, InputThatIsNotLiftIsRefusedAndTheDictionaryStays)
{
    struct Case {
        const char* name;
        const char* bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "", "fail on tühi"},
        {"not XML", "<lift version=\"0.13\"><entry>", "rida 1: pole korrektne XML"},
        {"wrong root", "<lexicon/>", "juurelement on \u201Elexicon\u201C, peab olema \u201Elift\u201C"},
    };
    const std::string before = test::readFile(path);
    for (const Case& c : cases) {
        const std::string file = dir.file("bad.lift");
        test::writeFile(file, c.bytes);
        prompter.clear();
        EXPECT_FALSE(importLift(dictionary, file, prompter)) << c.name;
        EXPECT_NE(prompter.lastText().find(c.reason), std::string::npos) << c.name << ": " << prompter.lastText();
        EXPECT_EQ(test::readFile(path), before) << c.name;
    }
}

}  // namespace
}  // namespace pelmora::exchange
