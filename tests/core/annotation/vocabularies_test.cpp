#include "annotation/vocabularies.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace pelmora {
namespace {

struct ToggleCase {
    const char* name;
    const char* text;
    const char* toggled;
};

class PartOfSpeechToggle : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(PartOfSpeechToggle, GivesTheOtherSpelling)
{
    EXPECT_EQ(togglePartOfSpeech(GetParam().text), GetParam().toggled);
}

INSTANTIATE_TEST_SUITE_P(Cases, PartOfSpeechToggle,
                         ::testing::Values(ToggleCase{"CodeToName", "S", "substantiiv"},
                                           ToggleCase{"NameToCode", "substantiiv", "S"},
                                           ToggleCase{"LowerCaseCodeIsUnknown", "s", ""},
                                           ToggleCase{"DashStaysDash", "-", "-"},
                                           ToggleCase{"StarStaysStar", "*", "*"},
                                           ToggleCase{"NameWithBlank", "eituss. liitvormis", "Mn"},
                                           ToggleCase{"NameWithDiacritics", "pärisnimi", "H"},
                                           ToggleCase{"LastFormEntry", "Suht", "suhtlussõna"},
                                           ToggleCase{"Empty", "", ""},
                                           ToggleCase{"TrailingBlankIsUnknown", "V ", ""}),
                         test::ByName{});

TEST(PartsOfSpeech, IndexCodeAndNameAgree)
{
    // Expected: every index round-trips through its code and its name; the ends are "-" and "*".
    for (int index = 0; index < kPartOfSpeechCount; ++index) {
        EXPECT_EQ(partOfSpeechIndex(partOfSpeechCode(index)), index);
        EXPECT_EQ(partOfSpeechIndex(partOfSpeechName(index)), index);
    }
    EXPECT_EQ(partOfSpeechCode(0), "-");
    EXPECT_EQ(partOfSpeechCode(25), "*");
    EXPECT_EQ(partOfSpeechCode(1), "V");
    EXPECT_EQ(partOfSpeechName(17), "põhiarvsõna");
    // Expected: outside the table nothing, and unlisted texts give -1.
    EXPECT_EQ(partOfSpeechCode(-1), "");
    EXPECT_EQ(partOfSpeechCode(26), "");
    EXPECT_EQ(partOfSpeechName(26), "");
    EXPECT_EQ(partOfSpeechIndex("verbs"), -1);
    EXPECT_EQ(partOfSpeechIndex("v"), -1);
}

TEST(StylesAndReasons, LookupsBothWays)
{
    EXPECT_EQ(styleText(0), "-");
    EXPECT_EQ(styleText(3), "esiletõst");
    EXPECT_EQ(styleText(4), "*");
    EXPECT_EQ(styleText(5), "");
    EXPECT_EQ(styleIndex("pealkiri"), 2);
    EXPECT_EQ(styleIndex("Pealkiri"), -1);
    EXPECT_EQ(reasonText(6), "poolik sõna");
    EXPECT_EQ(reasonText(7), "*");
    EXPECT_EQ(reasonText(-1), "");
    EXPECT_EQ(reasonIndex("vahemärk"), 4);
    EXPECT_EQ(reasonIndex("muu"), -1);
}

TEST(FormTagBoxes, FortyNineDistinctDottedAbbreviationsInGroups)
{
    const auto& boxes = formTagBoxes();
    std::set<std::string_view> abbreviations;
    std::map<FormTagGroup, int> perGroup;
    for (const FormTagBox& box : boxes) {
        EXPECT_EQ(box.abbreviation.back(), '.') << box.abbreviation;
        EXPECT_FALSE(box.caption.empty());
        abbreviations.insert(box.abbreviation);
        ++perGroup[box.group];
    }
    EXPECT_EQ(abbreviations.size(), 49u);
    // Expected: 17 cases, 8 non-finite forms (with the debitive), 6 moods, 5 others.
    EXPECT_EQ(perGroup[FormTagGroup::Case], 17);
    EXPECT_EQ(perGroup[FormTagGroup::NonFinite], 8);
    EXPECT_EQ(perGroup[FormTagGroup::Mood], 6);
    EXPECT_EQ(perGroup[FormTagGroup::Other], 5);
    EXPECT_EQ(boxes.front().abbreviation, "pers.");
    EXPECT_EQ(boxes.back().abbreviation, "cli.");
    EXPECT_EQ(formTagBoxIndex("deb."), 41);
    EXPECT_EQ(formTagBoxIndex("deb"), -1);
}

struct OnlineCase {
    const char* name;
    const char* tag;
    const char* result;
};

class OnlineForm : public ::testing::TestWithParam<OnlineCase> {};

TEST_P(OnlineForm, MapsAnalyserTag)
{
    EXPECT_EQ(onlineFormAbbreviation(GetParam().tag), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Cases, OnlineForm,
                         ::testing::Values(OnlineCase{"Number", "Sg", "sg."},
                                           OnlineCase{"PersonAndNumber", "Sg3", "sg.3."},
                                           OnlineCase{"EssiveTwoWays", "Exe", "es."},
                                           OnlineCase{"Instrumental", "Ins", "instl."},
                                           OnlineCase{"Instructive", "Instr", "inst."},
                                           OnlineCase{"CardinalIsAPartOfSpeech", "Card", "põhiarvsõna"},
                                           OnlineCase{"ConNeg", "ConNeg", "eituss. liitvormis"},
                                           OnlineCase{"Participle", "PssPrsPrc", "tav."},
                                           OnlineCase{"RightColumnFoundToo", "sg.", "sg."},
                                           OnlineCase{"CaseMatters", "sg", ""},
                                           OnlineCase{"Unknown", "Foo", ""}),
                         test::ByName{});

TEST(OnlinePartOfSpeech, MapsExactly)
{
    EXPECT_EQ(onlinePartOfSpeechName("N"), "substantiiv");
    EXPECT_EQ(onlinePartOfSpeechName("CS"), "konjunktsioon");
    EXPECT_EQ(onlinePartOfSpeechName("CC"), "konjunktsioon");
    EXPECT_EQ(onlinePartOfSpeechName("?"), "-");
    EXPECT_EQ(onlinePartOfSpeechName("Interj"), "interjektsioon");
    EXPECT_EQ(onlinePartOfSpeechName("n"), "");
    EXPECT_EQ(onlinePartOfSpeechName("Prop"), "");
}

}  // namespace
}  // namespace pelmora
