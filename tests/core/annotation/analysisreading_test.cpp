#include "annotation/analysertags.h"
#include "annotation/analysisreading.h"
#include "annotation/formtag.h"
#include "annotation/vocabularies.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

struct ReadingCase {
    const char* name;
    const char* analysis;
    const char* lemma;         // nullptr: the analysis is left out
    const char* partOfSpeech;
    const char* form;
    bool guess = false;
    bool nonStandard = false;
};

class AnalysisReadingCases : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(AnalysisReadingCases, ReadsLemmaPartOfSpeechAndForm)
{
    const ReadingCase& c = GetParam();
    const std::optional<AnalysisReading> reading = readAnalysis(c.analysis);
    if (!c.lemma) {
        EXPECT_FALSE(reading.has_value());
        return;
    }
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->lemma, c.lemma);
    EXPECT_EQ(reading->partOfSpeech, c.partOfSpeech);
    EXPECT_EQ(reading->form, c.form);
    EXPECT_EQ(reading->guess, c.guess);
    EXPECT_EQ(reading->nonStandard, c.nonStandard);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, AnalysisReadingCases,
    ::testing::Values(
        ReadingCase{"Noun", "kalā+N+Sg+Gen", "kalā", "S", "sg.gen."},
        ReadingCase{"SymbolsRemoved", "@P.Kind.one@üks@_EPSILON_SYMBOL_@+Num+Sg+Nom", "üks", "Nump", "sg.nom."},
        // A finite form without a voice tag is active, as the program writes it.
        ReadingCase{"HomonymAndTransitivityCarryNothing", "jūodõ+Hom1+V+TV+Ind+Prs+Sg3", "jūodõ", "V",
                    "pers.ind.pr.sg.3."},
        ReadingCase{"PassiveKeepsItsVoice", "andõ+V+Pss+Ind+Prt+Sg3", "andõ", "V", "pas.ind.ipf.sg.3."},
        ReadingCase{"DerivationTakesTheLastPartOfSpeech", "aigõ+V+Der+Der/NomAg+N+Sg+Nom", "aigõ", "S", "sg.nom.ag."},
        ReadingCase{"ActivePastParticiple", "aigõ+V+TV+Act+PrfPrc+Sg", "aigõ", "V", "nud.sg."},
        ReadingCase{"PassivePastParticiple", "aigõ+V+TV+Pss+PrfPrc+Sg", "aigõ", "V", "tud.sg."},
        ReadingCase{"ActivePresentParticiple", "aigõ+V+Act+PrsPrc+Pl", "aigõ", "V", "vpts.pl."},
        ReadingCase{"PassivePresentParticiple", "aigõ+V+Pss+PrsPrc+Sg", "aigõ", "V", "tav.sg."},
        ReadingCase{"ProperNoun", "Rīga+N+Prop+Sg+Ine", "Rīga", "H", "sg.in."},
        ReadingCase{"PersonalPronoun", "minā+Pron+Pers+Sg+Nom", "minā", "ProS", "sg.nom."},
        ReadingCase{"DemonstrativePronoun", "tämā+Pron+Dem+Sg+Ela", "tämā", "ProS", "sg.el."},
        ReadingCase{"InterrogativePronoun", "kis+Pron+Interr+Sg+Dat", "kis", "Intr", "sg.dat."},
        ReadingCase{"IndefinitePronoun", "jegā+Pron+Indef+Sg+Ill", "jegā", "ProS", "sg.ill."},
        ReadingCase{"Quantifier", "pǟgiņ+Qnt+Sg+Nom", "pǟgiņ", "ProNum", "sg.nom."},
        ReadingCase{"Adposition", "jūs+Adp", "jūs", "Post", ""},
        ReadingCase{"CardinalNumber", "kuolm+Num+Sg+Nom", "kuolm", "Nump", "sg.nom."},
        ReadingCase{"OrdinalNumber", "kuolmõz+Num+Ord+Pl+Ins", "kuolmõz", "Numj", "pl.instl."},
        ReadingCase{"Auxiliary", "vȯlda+V+Aux+Ind+Prs+Sg3", "vȯlda", "Va", "pers.ind.pr.sg.3."},
        ReadingCase{"NegationVerb", "äb+V+Neg+Ind+Sg3", "äb", "Mn", "pers.ind.sg.3."},
        ReadingCase{"Connegative", "jūodõ+V+Cond+ConNeg+Pl", "jūodõ", "Mn", "pers.knd.pl."},
        ReadingCase{"Debitive", "akkõ+V+Deb", "akkõ", "V", "deb."},
        ReadingCase{"Jussive", "akkõ+V+Jus+Sg3", "akkõ", "V", "pers.jus.sg.3."},
        ReadingCase{"QuotativeWithPerson", "jūodõ+V+QuoSg3", "jūodõ", "V", "pers.kvt.sg.3."},
        ReadingCase{"Comparative", "jõvā+A+Comp+Sg+Nom", "jõvā", "A", "sg.nom.cmp."},
        ReadingCase{"SuperlativeAndPositive", "jõvā+A+Pos+Superl+Sg+Nom", "jõvā", "A", "sg.nom.sprl."},
        ReadingCase{"Cases", "kalā+N+Sg+Ins+Com+Abe+Ess+Tra", "kalā", "S", "sg.tr.es.ab.kom.instl."},
        ReadingCase{"MultiWord", "jūrõ vīeres+Adv", "jūrõ vīeres", "Adv", ""},
        ReadingCase{"PlusInsideTheLemma", "a+b+N+Sg+Nom", "a+b", "S", "sg.nom."},
        ReadingCase{"TagWithSlashStartsTags", "sõ+ūd/ka+N", "sõ", "S", ""},
        ReadingCase{"DecomposedLemmaInNfc", "kala\xCC\x84+N+Sg+Nom", "kalā", "S", "sg.nom."},
        ReadingCase{"NonStandardSpelling", "kalā+N+Sg+Nom+Err/Orth", "kalā", "S", "sg.nom.", false, true},
        ReadingCase{"Guess", "mõtsāmi+N+Sg+Nom+Guess", "mõtsāmi", "S", "sg.nom.", true, false},
        ReadingCase{"NotGeneratedDropped", "kalā+N+Sg+Par+Use/NG", nullptr, "", ""},
        ReadingCase{"NoLemmaDropped", "+N+Sg+Nom", nullptr, "", ""}),
    test::ByName{});

TEST(AnalysisReading, UnknownTagsAreIgnoredAndListedOnce)
{
    std::vector<std::string> unknown;
    const std::optional<AnalysisReading> reading = readAnalysis("vīž+N+Dial+Sg+Dial+Nom", &unknown);
    ASSERT_TRUE(reading.has_value());
    // Expected: the known tags still give the form; "Dial" is listed once.
    EXPECT_EQ(reading->form, "sg.nom.");
    EXPECT_EQ(unknown, std::vector<std::string>{"Dial"});
}

TEST(AnalysisReading, DuplicatesGoAndAStandardSpellingWins)
{
    const std::vector<AnalysisReading> readings = readAnalyses(
        {"kalā+N+Sg+Nom+Err/Orth", "kalā+N+Hom1+Sg+Nom", "kalā+N+Hom2+Sg+Gen", "kalā+N+Sg+Par+Use/NG"});
    // Expected: the two nominatives are one analysis in the first one's place, no longer marked as
    // a non-standard spelling; the not-generated one is left out.
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].form, "sg.nom.");
    EXPECT_FALSE(readings[0].nonStandard);
    EXPECT_EQ(readings[1].form, "sg.gen.");
}

TEST(AnalyserTags, EveryRowNamesAPartOfSpeechOrFormTheProgramKnows)
{
    for (const AnalyserTagRow& row : analyserTagRows()) {
        SCOPED_TRACE(std::string(row.tags));
        if (row.role == AnalyserTagRole::PartOfSpeech)
            EXPECT_GT(partOfSpeechIndex(row.value), 0);
        else if (row.role == AnalyserTagRole::Form)
            EXPECT_EQ(canonicalFormTag(row.value).size(), row.value.size());  // every abbreviation is a box
        else
            EXPECT_TRUE(row.value.empty());
    }
}

}  // namespace
}  // namespace pelmora
