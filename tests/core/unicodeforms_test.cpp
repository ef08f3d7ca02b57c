// One letter, one spelling: decomposed letters are found by every comparison of the core, stored
// in the normal form when entered, and left alone on disk when not edited.
#include "annotation/lemmatiser.h"
#include "annotation/suggester.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionarynormalisation.h"
#include "io/matchvalue.h"
#include "search/concordance.h"
#include "search/searchcriteria.h"
#include "spellings.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/textnormalisation.h"

#include "io/iotestdata.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::corpusText;
using test::Spelling;
using test::TempDir;
using test::tok;

std::string dictionaryXml(const std::string& soned, const std::string& lemmad)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>" + soned +
           "</soned>\n<lemmad>" + lemmad + "</lemmad>\n<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";
}

// A word in both spellings of the letter, with the letter inside it.
struct Word {
    std::string composed;
    std::string decomposed;
};

Word wordWith(const Spelling& s)
{
    return {"v" + s.composed + "la", "v" + s.decomposed + "la"};
}

class DecomposedLetter : public ::testing::TestWithParam<Spelling> {
protected:
    RecordingPrompter prompter;
    TempDir dir;
};

TEST_P(DecomposedLetter, IsFoundByEveryComparison)
{
    const Word word = wordWith(GetParam());
    // The text spells the word decomposed, in the token and in its lemma; the dictionary and
    // the user spell it precomposed (and the other way round for the second token).
    const std::string text =
        corpusText("T", "<lause id=\"l1\">" + tok("l1_s1", word.decomposed, "keel=\"eesti\" lemma=\"" + word.decomposed + "\"") +
                            tok("l1_s2", word.composed) + "</lause>");
    const std::string textPath = dir.file("t.xml");
    test::writeFile(textPath, text);
    const std::string dictionaryPath = dir.file("d.xml");
    test::writeFile(dictionaryPath, dictionaryXml("<sone id=\"" + MakeWordFormKey(word.composed) + "\" lemma=\"" +
                                                      word.composed + "\" kaal=\"1\"/>",
                                                  "<lemma id=\"__\" tahendus=\"__\"/>"));

    // The dictionary: a decomposed surface finds the precomposed entry.
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dictionaryPath));
    EXPECT_EQ(dictionary.lookUpWordForm(MakeWordFormKey(word.decomposed)).size(), 1u);

    // The search of the window: by word form and by lemma, each way round.
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openDocument(textPath));
    SearchCriteria byText;
    byText.set(SearchField::Text, word.composed);
    SearchCriteria byLemma;
    byLemma.set(SearchField::Lemma, word.composed);
    SearchCriteria partOfWord;
    partOfWord.mode = SearchMode::Begins;
    partOfWord.set(SearchField::Text, "v" + GetParam().composed);
    const XmlNode first = doc.firstToken();
    const XmlNode second = CPelmoraDoc::nextToken(first);
    EXPECT_TRUE(TokenMatcher(byText).matches(first));
    EXPECT_TRUE(TokenMatcher(byLemma).matches(first));
    EXPECT_TRUE(TokenMatcher(partOfWord).matches(first));
    byText.values[0] = word.decomposed;
    EXPECT_TRUE(TokenMatcher(byText).matches(second));

    // The query's comparisons.
    EXPECT_TRUE(MatchValue(word.decomposed, word.composed, kMatchExact));
    EXPECT_TRUE(MatchValue(word.decomposed, "v" + GetParam().composed, kMatchBeginning));
    EXPECT_TRUE(MatchValue(word.composed, GetParam().decomposed + "la", kMatchEnd));

    // The concordance: both tokens by form, the first by lemma.
    for (const auto& [by, expected] : {std::pair{ConcordanceBy::WordForm, 2u}, std::pair{ConcordanceBy::Lemma, 1u}}) {
        std::size_t lines = 0;
        ConcordanceSink sink;
        sink.line = [&lines](ConcordanceLine&&) { ++lines; };
        runConcordance({by, word.composed, 3, {textPath}}, sink, nullptr);
        EXPECT_EQ(lines, expected);
    }

    // Lemmatisation gives the decomposed token the dictionary's lemma.
    doc.setLemma(first, "");
    lemmatiseText(doc, dictionary, false);
    EXPECT_EQ(attributeValue(first, "lemma"), word.composed);
}

INSTANTIATE_TEST_SUITE_P(Livonian, DecomposedLetter, ::testing::ValuesIn(test::livonianSpellings()));

class UnicodeForms : public ::testing::Test {
protected:
    RecordingPrompter prompter;
    TempDir dir;
};

TEST_F(UnicodeForms, TextOpensAndSavesByteForByteAndEntriesAreStoredInNormalForm)
{
    const std::string bytes = corpusText(
        "T", "<lause id=\"l1\" koneleja=\"Ju\u0304li\">" + tok("l1_s1", "ka\u0304la", "tahendus=\"ka\u0304la\"") +
                 tok("l1_s2", "\u0304ala") + tok("l1_s3", "a \u0304") + "</lause>");
    // A file as the program writes it opens and saves to the same bytes, decomposed letters kept.
    const std::string path = dir.file("t.xml");
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(bytes, path));
    ASSERT_TRUE(doc.saveDocument(path));
    ASSERT_TRUE(doc.openDocument(path));
    ASSERT_TRUE(doc.saveDocument(dir.file("same.xml")));
    EXPECT_EQ(test::readFile(dir.file("same.xml")), test::readFile(path));
    EXPECT_NE(test::readFile(path).find("ka\u0304la"), std::string::npos);

    // Values the user enters are stored composed; a lone mark or a mark after a blank has nothing
    // to compose with and stays as typed.
    const XmlNode first = doc.firstToken();
    doc.setLemma(first, "ka\u0304la");
    EXPECT_EQ(attributeValue(first, "lemma"), "k\u0101la");
    EXPECT_TRUE(doc.setTokenText(CPelmoraDoc::nextToken(first), "\u0304ala"));
    EXPECT_EQ(CPelmoraDoc::tokenText(CPelmoraDoc::nextToken(first)), "\u0304ala");
}

TEST_F(UnicodeForms, NormaliseChangesExactlyTheUnnormalisedValuesAndUndoBringsThemBack)
{
    const std::string bytes = corpusText(
        "T", "<lause id=\"l1\" koneleja=\"Ju\u0304li\">" + tok("l1_s1", "ka\u0304la", "tahendus=\"ka\u0304la\" lemma=\"kalā\"") +
                 tok("l1_s2", "jūrõ") + "</lause>",
        "<info><tekst nimi=\"Ko\u0303ra\"/></info>");
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(bytes, "t.xml"));
    const std::vector<UnnormalisedValue> before = findUnnormalisedValues(doc.xml().root());
    ASSERT_EQ(before.size(), 4u);
    EXPECT_EQ(before[0].element, "tekst");  // metadata has no identifier: its element names it
    EXPECT_EQ(before[0].field, "nimi");
    EXPECT_EQ(before[1].element, "l1");
    EXPECT_EQ(before[1].field, "koneleja");
    EXPECT_EQ(before[2].element, "l1_s1");
    EXPECT_EQ(before[2].field, "sone");
    EXPECT_EQ(before[3].field, "tahendus");

    EXPECT_EQ(normaliseText(doc), 4u);
    EXPECT_TRUE(findUnnormalisedValues(doc.xml().root()).empty());
    EXPECT_EQ(CPelmoraDoc::tokenText(doc.firstToken()), "k\u0101la");
    EXPECT_EQ(doc.undoName(), "normaliseeri tähed");
    EXPECT_EQ(normaliseText(doc), 0u);  // nothing left: no second step
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(findUnnormalisedValues(doc.xml().root()).size(), 4u);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(UnicodeForms, DictionaryReadsSpellingsOfOneKeyAsOneEntryAndNormaliseMergesThem)
{
    // Two entries whose ids differ only by normal form, as an older hand-edited file may hold.
    const std::string path = dir.file("d.xml");
    test::writeFile(path, dictionaryXml("<sone id=\"kala\u0304\" lemma=\"kala\u0304\" vorm=\"sg.nom.\" kaal=\"2\"/>"
                                        "<sone id=\"kal\u0101\" lemma=\"kal\u0101\" vorm=\"sg.nom.\" kaal=\"3\"/>"
                                        "<sone id=\"kal\u0101\" lemma=\"kal\u0101\" vorm=\"sg.part.\" kaal=\"1\"/>",
                                        "<lemma id=\"kala\u0304\" tahendus=\"fish\" kaal=\"1\"/>"));
    const std::string original = test::readFile(path);
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(path));
    // Lookups read both spellings; the exact duplicate of the second stays shadowed as before.
    EXPECT_EQ(dictionary.lookUpWordForm(MakeWordFormKey("kal\u0101")).size(), 2u);
    EXPECT_EQ(dictionary.analyses(DictSection::Lemmas, "kal\u0101").size(), 1u);

    // A store confirms the analysis under the other spelling instead of adding a third.
    ASSERT_TRUE(dictionary.storeWordForm("kal\u0101", "kal\u0101", "sg.nom.").saved);
    const std::vector<XmlNode> analyses = dictionary.lookUpWordForm("kal\u0101");
    ASSERT_EQ(analyses.size(), 2u);
    EXPECT_EQ(analysisWeight(analyses[0]) + analysisWeight(analyses[1]), 6);
    EXPECT_NE(test::readFile(path), original);

    DictionaryNormalisation result;
    ASSERT_TRUE(normaliseDictionary(dictionary, result));
    EXPECT_EQ(result.values, 3u);  // the first entry's id and lemma, the lemma entry's id
    // Both later entries join the first; the sg.nom. analyses are then one, their weights added.
    EXPECT_EQ(result.merged, 3u);
    EXPECT_EQ(countUnnormalisedValues(dictionary), 0u);
    const std::vector<XmlNode> merged = dictionary.lookUpWordForm("kal\u0101");
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(attributeValue(merged[0], "vorm"), "sg.nom.");
    EXPECT_EQ(analysisWeight(merged[0]), 6);
    EXPECT_EQ(attributeValue(merged[1], "vorm"), "sg.part.");
    EXPECT_EQ(dictionary.entryCount(DictSection::WordForms), 1u);
}

TEST_F(UnicodeForms, DeletingUnderOneSpellingLeavesTheOther)
{
    const std::string path = dir.file("d.xml");
    test::writeFile(path, dictionaryXml("<sone id=\"a\" lemma=\"a\"/><sone id=\"kala\u0304\" lemma=\"x\" kaal=\"1\"/>"
                                        "<sone id=\"kal\u0101\" lemma=\"y\" kaal=\"1\"/>",
                                        "<lemma id=\"__\" tahendus=\"__\"/>"));
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(path));
    // The editor deletes the analysis it shows, with the id as the file spells it.
    ASSERT_TRUE(dictionary.deleteWordForm("kal\u0101", "y", "", Direction::Forward).saved);
    std::vector<XmlNode> left = dictionary.lookUpWordForm("kal\u0101");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(attributeValue(left[0], "lemma"), "x");
    // Deleting the first spelling too: nothing is left, and a new store starts afresh.
    ASSERT_TRUE(dictionary.deleteWordForm("kala\u0304", "x", "", Direction::Forward).saved);
    EXPECT_TRUE(dictionary.lookUpWordForm("kal\u0101").empty());
}

TEST_F(UnicodeForms, SequenceOnlyLettersMatchInTheDictionaryAndTheSearch)
{
    const std::string path = dir.file("d.xml");
    test::writeFile(path, dictionaryXml("<sone id=\"ve\u017E\u0301\" lemma=\"ve\u017E\u0301\" kaal=\"1\"/>",
                                        "<lemma id=\"__\" tahendus=\"__\"/>"));
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(path));
    for (const std::string& spelling : test::sequenceOnlySpellings()[0].spellings)
        EXPECT_EQ(dictionary.lookUpWordForm(MakeWordFormKey("VE" + spelling)).size(), 1u) << spelling;
}

}  // namespace
}  // namespace pelmora
