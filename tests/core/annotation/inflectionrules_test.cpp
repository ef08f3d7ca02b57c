#include "annotation/inflectionrules.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Forms = std::vector<std::string>;

struct EndingCase {
    const char* name;
    RuleSet rules;
    const char* ending;
    Forms before;
    Forms after;
};

class RuleEnding : public ::testing::TestWithParam<EndingCase> {};

TEST_P(RuleEnding, AppendsTheTagsOfItsRules)
{
    const EndingCase& c = GetParam();
    Forms forms = c.before;
    const bool appended = appendRuleForms(c.rules, c.ending, forms);
    EXPECT_EQ(forms, c.after);
    EXPECT_EQ(appended, forms.size() > c.before.size());
}

const Forms kVerbEmptyEnding{"pers.imp.pr.sg.2.", "pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.2.", "pers.ind.ipf.sg.1.",
                             "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2.", "pers.ind.ipf.pl.1."};

INSTANTIATE_TEST_SUITE_P(
    Cases, RuleEnding,
    ::testing::Values(
        EndingCase{"NominalInstrumental", RuleSet::Nominal, "õks", {}, {"pl.instl.", "sg.instl."}},
        EndingCase{"NominalInessiveAfterInstrumental", RuleSet::Nominal, "s", {"pl.instl.", "sg.instl."},
                   {"pl.instl.", "sg.instl.", "sg.in.", "sg.nom.", "sg.gen."}},
        EndingCase{"NominalEmptyEnding", RuleSet::Nominal, "", {}, {"sg.nom.", "sg.gen.", "pl.nom.", "pl.gen."}},
        EndingCase{"NominalTwoCharactersAlwaysNominativeGenitive", RuleSet::Nominal, "qq", {}, {"sg.nom.", "sg.gen."}},
        EndingCase{"NominalIndependentRule", RuleSet::Nominal, "šti", {}, {"pl.el.", "sg.el."}},
        EndingCase{"NominalIndependentTwoCharacters", RuleSet::Nominal, "ți", {}, {"pl.part.", "sg.nom.", "sg.gen."}},
        EndingCase{"NominalLongest", RuleSet::Nominal, "ldõst", {}, {"sg.abl."}},
        EndingCase{"NominalSixCharactersGiveNothing", RuleSet::Nominal, "õdõbõd", {}, {}},
        EndingCase{"NominalUnmatchedThreeCharacters", RuleSet::Nominal, "abc", {}, {}},
        EndingCase{"VerbLongest", RuleSet::Verb, "õdõbõd", {}, {"tav.pl."}},
        EndingCase{"VerbSevenCharactersGiveNothing", RuleSet::Verb, "xõdõbõd", {}, {}},
        EndingCase{"VerbThirdPersonPlural", RuleSet::Verb, "bõd", {"vpts.pl."}, {"vpts.pl.", "pers.ind.pr.pl.3."}},
        EndingCase{"VerbIndependentRule", RuleSet::Verb, "īzt", {},
                   {"pers.ind.ipf.sg.2.", "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
        EndingCase{"VerbOneCharacterIndependent", RuleSet::Verb, "ļ", {}, {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
        EndingCase{"VerbEmptyEnding", RuleSet::Verb, "", {}, kVerbEmptyEnding},
        EndingCase{"VerbEndingsAreCaseSensitive", RuleSet::Verb, "BÕD", {}, {}},
        EndingCase{"ListedTagIgnoringCaseNotRepeated", RuleSet::Verb, "õd", {"PERS.IND.PR.SG.2."},
                   {"PERS.IND.PR.SG.2.", "tud."}}),
    test::ByName{});

struct WalkCase {
    const char* name;
    const char* word;
    RuleSet rules;
    Forms before;
    Forms after;
};

class RuleWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(RuleWalk, ListsTheFormsOfTheWord)
{
    const WalkCase& c = GetParam();
    Forms forms = c.before;
    appendFormsForWord(c.word, c.rules, forms);
    EXPECT_EQ(forms, c.after);
}

const Forms kTulkobod{"vpts.pl.", "pers.ind.pr.pl.3.", "pers.ind.pr.sg.2.", "tud."};

INSTANTIATE_TEST_SUITE_P(
    Cases, RuleWalk,
    ::testing::Values(
        // lkõbõd and kõbõd match nothing, õbõd, bõd and õd do; then the list holds 4 and the walk stops.
        WalkCase{"VerbStopsAfterFourForms", "tulkõbõd", RuleSet::Verb, {}, kTulkobod},
        WalkCase{"VerbWordIsLowerCased", "TULKÕBÕD", RuleSet::Verb, {}, kTulkobod},
        WalkCase{"VerbMarkupRemovedFirst", "tulk{õ}bõd", RuleSet::Verb, {},
                 {"pers.ind.pr.pl.3.", "vpts.pl.", "pers.ind.pr.sg.2.", "tud."}},
        WalkCase{"NominalInstrumental", "jalgõks", RuleSet::Nominal, {},
                 {"pl.instl.", "sg.instl.", "sg.nom.", "sg.gen."}},
        WalkCase{"NominalThreeCharacters", "abc", RuleSet::Nominal, {},
                 {"sg.nom.", "sg.gen.", "pl.nom.", "pl.gen."}},
        WalkCase{"TwoCharactersTryNothing", "ab", RuleSet::Nominal, {}, {}},
        WalkCase{"LengthCountsAfterMarkupRemoval", "a+b_c", RuleSet::Verb, {}, kVerbEmptyEnding},
        WalkCase{"FullListTriesNothing", "tulkõbõd", RuleSet::Verb, {"a", "b", "c", "d"}, {"a", "b", "c", "d"}},
        WalkCase{"ThreeEntriesStillWalk", "kalast", RuleSet::Nominal, {"a", "b", "c"},
                 {"a", "b", "c", "sg.el.", "sg.nom.", "sg.gen."}}),
    test::ByName{});

TEST(RuleWalk, PartsOfSpeechChooseTheRuleSet)
{
    EXPECT_EQ(ruleSetForPartOfSpeech("V"), RuleSet::Verb);
    EXPECT_EQ(ruleSetForPartOfSpeech("Va"), RuleSet::Verb);
    for (const char* code : {"S", "H", "ProS", "A", "ProA", "Numj", "Nump", "ProNum"})
        EXPECT_EQ(ruleSetForPartOfSpeech(code), RuleSet::Nominal) << code;
    for (const char* code : {"", "-", "Adv", "Mn", "v", "verb"})
        EXPECT_EQ(ruleSetForPartOfSpeech(code), std::nullopt) << code;
    EXPECT_EQ(longestRuleEnding(RuleSet::Verb), 6);
    EXPECT_EQ(longestRuleEnding(RuleSet::Nominal), 5);
}

TEST(RuleWalk, CandidatesCompareIgnoringUnicodeCase)
{
    Forms forms{"Õd."};
    EXPECT_FALSE(appendFormCandidate(forms, "õd."));
    EXPECT_TRUE(appendFormCandidate(forms, "od."));
    EXPECT_EQ(forms, (Forms{"Õd.", "od."}));
}

}  // namespace
}  // namespace pelmora
