// The two further checks of the corpus view "Ebakõlad": analyses the dictionary does not hold,
// and combination words annotated differently; and giving the open text one analysis.
#include "corpus/consistencychecks.h"

#include "corpus/applyanalysis.h"
#include "dictionary/dictionary.h"
#include "search/tokenwalk.h"
#include "text/pelmoradoc.h"

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
    "<lemma id=\"__\" tahendus=\"__\"/><lemma id=\"kala\" tahendus=\"kala\" liik=\"S\" kaal=\"2\"/>"
    "</lemmad>\n<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

// A group in one line: kind, key (and combination), then each analysis with its token count, the
// dictionary's marked "+".
std::string describe(const std::vector<InconsistencyGroup>& groups)
{
    std::string text;
    for (const InconsistencyGroup& group : groups) {
        text += (text.empty() ? "" : " | ") + group.key;
        if (!group.combination.empty())
            text += " (" + group.combination + ")";
        text += ":";
        for (const GroupAnalysis& analysis : group.analyses)
            text += " " + analysis.lemma + "/" + analysis.form + "/" + analysis.partOfSpeech + "=" +
                    (analysis.fromDictionary ? "+" : std::to_string(analysis.tokens.size()));
    }
    return text;
}

struct CheckCase {
    const char* name;
    std::string sentences;  // of the one text "a.xml"
    std::string expected;
};

class ConsistencyCheckTest : public ::testing::TestWithParam<CheckCase> {
protected:
    CorpusRead read(const std::string& sentences)
    {
        test::writeFile(m_dir.file("a.xml"), corpusText("A", sentences));
        CorpusCache cache;
        return cache.read({m_dir.file("a.xml")}, true);
    }
    test::TempDir m_dir;
};

class DictionaryMismatchTest : public ConsistencyCheckTest {};

TEST_P(DictionaryMismatchTest, ListsTheTokensWhoseAnalysisTheDictionaryDoesNotHold)
{
    test::writeFile(m_dir.file("sonastik.xml"), kDictionary);
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(m_dir.file("sonastik.xml")));
    const CorpusRead corpus = read(GetParam().sentences);
    const DictionaryForms forms = dictionaryForms(dictionary, analysedKeys(corpus));
    EXPECT_EQ(describe(findDictionaryMismatches(corpus, forms)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DictionaryMismatchTest,
    ::testing::Values(
        // Both stored analyses of "kala" (any case) are held; the form the dictionary lacks is not asked about.
        CheckCase{"HeldAnalysesAndUnknownFormsGiveNothing",
                  "<lause id=\"l1\">" + tok("l1_s1", "Kala", "lemma=\"kala\" vorm=\"sg.nom.\"") +
                      tok("l1_s2", "kala", "lemma=\"kala\" vorm=\"sg.part.\" liik=\"S\"") +
                      tok("l1_s3", "vesi", "lemma=\"vesi\"") + "</lause>",
                  ""},
        // The other lemma and the other form tag are listed; the dictionary's analyses are offered
        // with the lemma's part of speech.
        CheckCase{"OtherLemmaOrFormIsListedWithTheDictionarysAnalyses",
                  "<lause id=\"l1\">" + tok("l1_s1", "kala", "lemma=\"kalu\"") +
                      tok("l1_s2", "KALA", "lemma=\"kala\" vorm=\"pl.nom.\"") +
                      tok("l1_s3", "kala", "lemma=\"kalu\"") + "</lause>",
                  "kala: kalu//=2 kala/pl.nom./=1 kala/sg.nom./S=+ kala/sg.part./S=+"},
        // Not to annotate and without a lemma: never asked about; "-" is no form tag, as in the dictionary.
        CheckCase{"TokensNotToAnnotateAreLeftOut",
                  "<lause id=\"l1\">" + tok("l1_s1", "kala", "lemma=\"kalu\" meta=\"nimi\"") +
                      tok("l1_s2", "kala") + tok("l1_s3", "kõla", "lemma=\"kõla\" vorm=\"-\"") + "</lause>",
                  ""}),
    test::ByName());

class CombinationMismatchTest : public ConsistencyCheckTest {};

TEST_P(CombinationMismatchTest, ListsCombinationWordsAnnotatedDifferently)
{
    EXPECT_EQ(describe(findCombinationMismatches(read(GetParam().sentences))), GetParam().expected);
}

std::string combined(const std::string& sentence, const std::string& first, const std::string& second,
                     const std::string& lemma)
{
    return "<lause id=\"" + sentence + "\">" + tok(sentence + "_s1", "ära", first) + tok(sentence + "_s2", "tegi", second) +
           "<yhend id=\"" + sentence + "_s1_s2\" ylemma=\"" + lemma + "\"/></lause>";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CombinationMismatchTest,
    ::testing::Values(
        CheckCase{"SameAnalysesGiveNothing",
                  combined("l1", "lemma=\"ära\" liik=\"D\"", "lemma=\"tegema\"", "ära tegema") +
                      combined("l2", "lemma=\"ära\" liik=\"D\"", "lemma=\"tegema\"", "ära tegema"),
                  ""},
        // The first word differs in its part of speech, the second lacks a lemma once; equal
        // counts go by key in code-unit order.
        CheckCase{"EachWordPlaceIsItsOwnGroup",
                  combined("l1", "lemma=\"ära\" liik=\"D\"", "lemma=\"tegema\"", "ära tegema") +
                      combined("l2", "lemma=\"ära\" liik=\"K\"", "", "ära tegema") +
                      combined("l3", "lemma=\"ära\" liik=\"D\"", "lemma=\"tegema\"", "ära tegema"),
                  "tegi (ära tegema): tegema//=2 //=1 | ära (ära tegema): ära//D=2 ära//K=1"},
        // Combinations of other lemmas, and those without one, are not compared.
        CheckCase{"OtherCombinationLemmasAreNotCompared",
                  combined("l1", "lemma=\"ära\" liik=\"D\"", "", "ära tegema") +
                      combined("l2", "lemma=\"ära\" liik=\"K\"", "", "ära tegi") +
                      combined("l3", "lemma=\"ära\"", "", " "),
                  ""}),
    test::ByName());

TEST(ApplyAnalysisToText, ChangesTheNamedTokensOfTheOpenTextInOneUndoStep)
{
    test::TempDir dir;
    const std::string file = dir.file("a.xml");
    test::writeFile(file, corpusText("A", "<lause id=\"l1\">" + tok("l1_s1", "kala", "lemma=\"kalu\" auto=\"+\"") +
                                              tok("l1_s2", "Kala", "lemma=\"kalu\"") +
                                              tok("l1_s3", "kala", "lemma=\"kala\"") + "</lause>"));
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openDocument(file));
    AnalysisToApply analysis{"kala", "kala", std::string("sg.nom."), std::nullopt, std::nullopt,
                             {{file, "l1_s1"}, {file, "l1_s2"}, {dir.file("b.xml"), "l1_s3"}}, true};
    // Expected: a dry run counts the two named tokens of this file and changes nothing.
    EXPECT_EQ(applyAnalysisToText(doc, dir.path() + "/./a.xml", analysis), 2u);
    EXPECT_FALSE(doc.canUndo());
    analysis.dryRun = false;
    EXPECT_EQ(applyAnalysisToText(doc, file, analysis), 2u);
    EXPECT_EQ(attributeValue(findTokenById(doc, "l1_s2"), "vorm"), "sg.nom.");
    EXPECT_EQ(attributeValue(findTokenById(doc, "l1_s1"), "auto"), "");
    EXPECT_EQ(attributeValue(findTokenById(doc, "l1_s3"), "vorm"), "");
    // One step takes both back.
    EXPECT_EQ(doc.undoCount(), 1u);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(attributeValue(findTokenById(doc, "l1_s1"), "lemma"), "kalu");
    EXPECT_EQ(attributeValue(findTokenById(doc, "l1_s2"), "lemma"), "kalu");
}

}  // namespace
}  // namespace pelmora
