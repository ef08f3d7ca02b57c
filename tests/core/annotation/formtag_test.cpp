#include "annotation/formtag.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

struct RoundTripCase {
    const char* name;
    const char* tag;
    const char* back;  // what the editor gives back after OK
};

class FormTagRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(FormTagRoundTrip, ComesBackInCanonicalOrder)
{
    EXPECT_EQ(canonicalFormTag(GetParam().tag), GetParam().back);
    // Expected: a tag that came back once comes back unchanged.
    EXPECT_EQ(canonicalFormTag(GetParam().back), GetParam().back);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormTagRoundTrip,
    ::testing::Values(RoundTripCase{"Empty", "", ""},
                      RoundTripCase{"Reordered", "sg.pers.ind.1.pr.", "pers.ind.pr.sg.1."},
                      RoundTripCase{"UndottedAbbreviationDropped", "pl.ill #vana vorm", "pl. #vana vorm"},
                      RoundTripCase{"AbbreviationInFreeTextStaysANote", "sg. #vt ka pl.", "sg. #vt ka pl."},
                      RoundTripCase{"PersonNumberInFreeTextStaysANote", "pl.gen. #1. variant", "pl.gen. #1. variant"},
                      RoundTripCase{"SupineAbessive", "sup.ab.", "sup.ab."},
                      RoundTripCase{"ParticipleBeforeNumber", "pl.tav.", "tav.pl."},
                      RoundTripCase{"InstrumentalIsNotInstructive", "pl.instl.", "pl.instl."},
                      RoundTripCase{"AblativeIsNotAbessive", "sg.abl.", "sg.abl."},
                      RoundTripCase{"DuplicatesRemoved", "sg.sg.nom.nom.", "sg.nom."},
                      RoundTripCase{"PersonWithoutNumberDot", "3.sg", "3."},
                      RoundTripCase{"DigitsFoundInsideNumbers", "pl.21.", "pl.1."},
                      RoundTripCase{"EmptyFreeTextDropsHash", "sg.nom. #", "sg.nom."},
                      RoundTripCase{"OnlyFreeText", "#vana", " #vana"},
                      RoundTripCase{"FirstHashSplits", "sg. #a #b", "sg. #a #b"},
                      RoundTripCase{"UnlistedTextDropped", "xyz", ""}),
    test::ByName{});

TEST(FormTagEditor, TakesApartIntoTicksAndFreeText)
{
    const FormTagTicks ticks = takeApartFormTag("sup.el. #murdes");
    // Expected: exactly "sup." and "el." ticked; the text after "#" without it.
    EXPECT_EQ(ticks.ticked.count(), 2u);
    EXPECT_TRUE(ticks.isTicked("sup."));
    EXPECT_TRUE(ticks.isTicked("el."));
    EXPECT_EQ(ticks.extraInfo, "murdes");

    const FormTagTicks empty = takeApartFormTag("");
    EXPECT_TRUE(empty.ticked.none());
    EXPECT_EQ(empty.extraInfo, "");
    EXPECT_EQ(putTogetherFormTag(empty), "");
}

TEST(FormTagEditor, ClearEmptiesTicksAndFreeText)
{
    FormTagTicks ticks = takeApartFormTag("pers.ind.pr.sg.1. #x");
    ticks.clear();
    EXPECT_EQ(ticks, FormTagTicks{});
    EXPECT_EQ(putTogetherFormTag(ticks), "");
    ticks.set("pl.");
    ticks.set("nom.");
    ticks.set("nosuch.");  // ignored
    EXPECT_EQ(putTogetherFormTag(ticks), "pl.nom.");
}

struct ColourCase {
    const char* name;
    const char* tag;
    // One letter per coloured caption in order (case, number, person, tense, mood, voice,
    // non-finite, comparison, poss, ag, neg): b black, g green, o orange, r red.
    const char* colours;
};

std::string colourLetters(const FormTagTicks& ticks)
{
    std::string letters;
    for (const CaptionColouring& entry : formTagColours(ticks))
        letters += captionColourName(entry.colour).front();
    return letters;
}

class FormTagColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(FormTagColours, FollowTheTicks)
{
    EXPECT_EQ(colourLetters(takeApartFormTag(GetParam().tag)), GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormTagColours,
    ::testing::Values(ColourCase{"NothingTicked", "", "bbbbbbbbbbb"},
                      ColourCase{"FiniteVerb", "pers.ind.pr.sg.1.", "bgggggbbbbb"},
                      ColourCase{"Noun", "sg.nom.", "ggbbbbbbbbb"},
                      ColourCase{"NumberAloneAsksForEverything", "sg.", "rorrrrbbbbb"},
                      ColourCase{"SupineWithCase", "sup.el.", "gbbbbbgbbbb"},
                      ColourCase{"ParticipleWithNumber", "tav.pl.", "bgbbbbgbbbb"},
                      ColourCase{"InfinitiveAlone", "inf.", "bbbbbbgbbbb"},
                      ColourCase{"VoiceAlone", "pers.", "brrrrobbbbb"},
                      ColourCase{"ImpersonalNeedsNoPerson", "ips.ind.pr.", "bbbgggbbbbb"},
                      ColourCase{"ComparativeNoun", "sg.nom.cmp.", "ggbbbbbgbbb"},
                      ColourCase{"ComparativeAlone", "cmp.", "rrbbbbbobbb"},
                      ColourCase{"ComparativeWithFiniteVerb", "pers.ind.pr.sg.3.cmp.", "booooobobbb"},
                      ColourCase{"FiniteWithInfinitive", "pers.inf.", "bbbbboobbbb"},
                      ColourCase{"PossessiveNoun", "sg.1.gen.poss.", "gggbbbbbgbb"},
                      ColourCase{"AgentWithoutCase", "sg.1.ag.", "rggrrrbbbob"},
                      ColourCase{"NegationOnFullVerb", "pers.ind.pr.sg.1.neg.", "bgggggbbbbg"},
                      ColourCase{"NegationOnVoiceOnly", "pers.neg.", "brrrrobbbbo"},
                      ColourCase{"OtherBoxesDoNotCount", "prf.cli.", "bbbbbbbbbbb"},
                      ColourCase{"TwoCases", "sg.nom.gen.", "rgbbbbbbbbb"},
                      ColourCase{"TwoNumbers", "sg.pl.nom.", "grbbbbbbbbb"},
                      ColourCase{"TwoPersonsTensesMoodsVoices", "pers.ips.ind.knd.pr.ipf.sg.1.2.", "borrrrbbbbb"}),
    test::ByName{});

TEST(FormTagColours, CaptionsAndDrawingColours)
{
    const auto colours = formTagColours(FormTagTicks{});
    EXPECT_EQ(colours[0].caption, "Kääne");
    EXPECT_EQ(colours[6].caption, "Käändeline vorm");
    EXPECT_EQ(colours[10].caption, "Eituse märgend\nverbivormi lõpus (neg)");
    EXPECT_EQ(captionRgb(CaptionColour::Green), (Rgb{30, 225, 60}));
    EXPECT_EQ(captionRgb(CaptionColour::Orange), (Rgb{255, 120, 0}));
    EXPECT_EQ(captionRgb(CaptionColour::Red), (Rgb{255, 0, 0}));
    EXPECT_EQ(captionRgb(CaptionColour::Black), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace pelmora
