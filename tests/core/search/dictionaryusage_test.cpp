// Counting how many tokens of the corpus files carry each dictionary analysis.
#include "search/dictionaryusage.h"

#include "dictionary/dictionary.h"

#include "../io/iotestdata.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::corpusText;
using test::tok;

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>"
    "<sone id=\"__\" lemma=\"__\"/>"
    "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"7\"><sone id=\"kala\" lemma=\"kala\" vorm=\"sg.part.\" kaal=\"1\"/></sone>"
    "<sone id=\"kõla\" lemma=\"kõla\" kaal=\"1\"/>"
    "</soned>\n<lemmad>"
    "<lemma id=\"__\" tahendus=\"__\"/>"
    "<lemma id=\"kala\" tahendus=\"kala\" liik=\"S\" lati=\"zivs\" kaal=\"2\"><lemma id=\"kala\" tahendus=\"kalad\" liik=\"S\" kaal=\"1\"/></lemma>"
    "</lemmad>\n<yhendid>"
    "<yhend id=\"__\" ytahendus=\"__\"/>"
    "<yhend id=\"jūrõ vīeres\" ytahendus=\"mere ääres\" yliik=\"Post\"/>"
    "</yhendid></pelmora>";

TEST(DictionaryUsage, CountsTheTokensThatCarryEachAnalysisAcrossFiles)
{
    test::TempDir dir;
    const std::string kala = "lemma=\"kala\" tahendus=\"kala\" liik=\"S\" vorm=\"sg.nom.\"";
    // "Kala" and "KALA" have the key "kala"; the decomposed "kõla" is the same word form in NFC.
    test::writeFile(dir.file("a.xml"),
                    corpusText("A", "<lause id=\"l1\">" + tok("l1_s1", "Kala", kala) + tok("l1_s2", "KALA", kala) +
                                        tok("l1_s3", "kala", "lemma=\"kala\" vorm=\"sg.part.\"") +
                                        tok("l1_s4", "ko\xCC\x83la", "lemma=\"kõla\"") + tok("l1_s5", "jūrõ") +
                                        tok("l1_s6", "vīeres") +
                                        "<yhend id=\"l1_s5_s6\" ylemma=\"jūrõ vīeres\" ytahendus=\"mere ääres\" "
                                        "yliik=\"Post\"/></lause>"));
    test::writeFile(dir.file("b.xml"), corpusText("B", "<lause id=\"l1\">" + tok("l1_s1", "kala", kala) + "</lause>"));
    test::writeFile(dir.file("c.xml"), "");
    test::writeFile(dir.file("sonastik.xml"), kDictionary);

    DictionaryUsage usage;
    std::vector<std::size_t> progress;
    const DictionaryUsageResult result =
        countDictionaryUsage({dir.file("a.xml"), dir.file("b.xml"), dir.file("c.xml"), dir.file("sonastik.xml")},
                             usage, [&](std::size_t done, std::size_t) { progress.push_back(done); });
    // The empty file and the dictionary are named and passed over.
    EXPECT_EQ(result.filesRead, 2u);
    ASSERT_EQ(result.skipped.size(), 2u);
    EXPECT_EQ(result.skipped[1].message, "Fail " + dir.file("sonastik.xml") + " ei ole korpuse tekst.");
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(usage.tokens(), 7u);

    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("sonastik.xml")));
    std::vector<std::string> counts;
    for (DictSection section : kDictSections)
        for (XmlNode a = dictionary.firstEntry(section); a; a = CDictionary::nextEntry(a))
            counts.push_back(std::string(attributeValue(a, dict::kId)) + ":" +
                             std::to_string(usage.count(section, a)));
    // Word forms by key, lemma and form tag; lemmas by meaning and part of speech.
    EXPECT_EQ(counts, (std::vector<std::string>{"__:0", "kala:3", "kala:1", "kõla:1", "__:0", "kala:3", "kala:0",
                                                "__:0", "jūrõ vīeres:1"}));
}

TEST(DictionaryUsage, CancelEndsBetweenFiles)
{
    test::TempDir dir;
    test::writeFile(dir.file("a.xml"), corpusText("A", "<lause id=\"l1\">" + tok("l1_s1", "kala") + "</lause>"));
    DictionaryUsage usage;
    const std::atomic<bool> cancel{true};
    const DictionaryUsageResult result = countDictionaryUsage({dir.file("a.xml")}, usage, {}, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(usage.tokens(), 0u);
}

}  // namespace
}  // namespace pelmora
