#include "search/searchcriteria.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

// One token built from inline XML.
class OneToken {
public:
    explicit OneToken(const std::string& xml)
    {
        EXPECT_TRUE(m_doc.loadFromBuffer(xml)) << xml;
    }
    XmlNode node() const { return m_doc.root(); }

private:
    XmlDocument m_doc;
};

struct FieldValue {
    SearchField field;
    std::string value;
};

struct MatchCase {
    const char* name;
    SearchMode mode;
    std::vector<FieldValue> sought;
    std::string token;
    bool matches;
};

class TokenMatcherTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(TokenMatcherTest, Matches)
{
    const MatchCase& c = GetParam();
    // The suspected-errors rule is the one "Otsi vigu" adds (part of speech and form checked).
    SearchCriteria criteria = c.mode == SearchMode::SuspectedErrors ? suspectedErrorsCriteria() : SearchCriteria{};
    criteria.mode = c.mode;
    for (const FieldValue& sought : c.sought)
        criteria.set(sought.field, sought.value);
    const OneToken token(c.token);
    EXPECT_EQ(TokenMatcher(criteria).matches(token.node()), c.matches) << c.token;
}

using F = SearchField;
using M = SearchMode;

INSTANTIATE_TEST_SUITE_P(
    Dialog, TokenMatcherTest,
    ::testing::Values(
        MatchCase{"TextByWordFormKey", M::Dialog, {{F::Text, "kala"}}, "<sone>Ka+la_</sone>", true},
        MatchCase{"TextKeyOfSoughtToo", M::Dialog, {{F::Text, "KA{x}LA"}}, "<sone>kala</sone>", true},
        MatchCase{"TextDiffers", M::Dialog, {{F::Text, "kala"}}, "<sone>kalad</sone>", false},
        MatchCase{"LemmaExactCaseSensitive", M::Dialog, {{F::Lemma, "Kala"}}, "<sone lemma=\"kala\">x</sone>", false},
        MatchCase{"LemmaExact", M::Dialog, {{F::Lemma, "kala"}}, "<sone lemma=\"kala\">x</sone>", true},
        MatchCase{"FormContains", M::Dialog, {{F::Form, "sg."}}, "<sone vorm=\"sg.nom.\">x</sone>", true},
        MatchCase{"FormNotContained", M::Dialog, {{F::Form, "pl."}}, "<sone vorm=\"sg.nom.\">x</sone>", false},
        MatchCase{"StarAnyValue", M::Dialog, {{F::Comment, "*"}}, "<sone kommentaar=\"?\">x</sone>", true},
        MatchCase{"StarNeedsAValue", M::Dialog, {{F::Comment, "*"}}, "<sone>x</sone>", false},
        MatchCase{"StarText", M::Dialog, {{F::Text, "*"}}, "<sone>x</sone>", true},
        MatchCase{"AllFieldsMustMatch", M::Dialog, {{F::Lemma, "kala"}, {F::PartOfSpeech, "V"}},
                  "<sone lemma=\"kala\" liik=\"S\">x</sone>", false},
        MatchCase{"AllFieldsMatch", M::Dialog, {{F::Lemma, "kala"}, {F::PartOfSpeech, "S"}},
                  "<sone lemma=\"kala\" liik=\"S\">x</sone>", true},
        MatchCase{"NothingCheckedMatchesNothing", M::Dialog, {}, "<sone>x</sone>", false},
        MatchCase{"EmptyValueFindsMissingAttribute", M::Dialog, {{F::Lemma, ""}}, "<sone>x</sone>", true}),
    test::ByName());

INSTANTIATE_TEST_SUITE_P(
    PartOfWord, TokenMatcherTest,
    ::testing::Values(
        MatchCase{"EndsKata", M::Ends, {{F::Text, "ta"}}, "<sone>kata</sone>", true},
        MatchCase{"EndsKataCapitals", M::Ends, {{F::Text, "ta"}}, "<sone>KATA</sone>", true},
        MatchCase{"EndsSoughtInCapitals", M::Ends, {{F::Text, "TA"}}, "<sone>kata</sone>", true},
        MatchCase{"EndsNot", M::Ends, {{F::Text, "ta"}}, "<sone>tak</sone>", false},
        MatchCase{"BeginsNonAscii", M::Begins, {{F::Text, "õu"}}, "<sone>ÕUN</sone>", true},
        MatchCase{"BeginsNot", M::Begins, {{F::Text, "un"}}, "<sone>õun</sone>", false},
        MatchCase{"ContainsMiddle", M::Contains, {{F::Lemma, "al"}}, "<sone lemma=\"kala\">x</sone>", true},
        MatchCase{"AnyFieldIsEnough", M::Contains, {{F::Lemma, "zz"}, {F::Meaning, "ka"}},
                  "<sone lemma=\"kala\" tahendus=\"kala\">x</sone>", true},
        MatchCase{"NoFieldMatches", M::Contains, {{F::Lemma, "zz"}, {F::Meaning, "yy"}},
                  "<sone lemma=\"kala\" tahendus=\"kala\">x</sone>", false},
        MatchCase{"NothingChecked", M::Contains, {}, "<sone>x</sone>", false},
        MatchCase{"TextIsNotAKeyHere", M::Ends, {{F::Text, "la"}}, "<sone>kala+</sone>", false}),
    test::ByName());

INSTANTIATE_TEST_SUITE_P(
    SuspectedErrors, TokenMatcherTest,
    ::testing::Values(
        MatchCase{"VerbWithoutForm", M::SuspectedErrors, {}, "<sone liik=\"V\">x</sone>", true},
        MatchCase{"AdverbWithoutForm", M::SuspectedErrors, {}, "<sone liik=\"Adv\">x</sone>", false},
        MatchCase{"UnknownPartOfSpeech", M::SuspectedErrors, {}, "<sone liik=\"X\" vorm=\"sg.nom.\">x</sone>", true},
        MatchCase{"UnknownPartOfSpeechNoForm", M::SuspectedErrors, {}, "<sone liik=\"X\">x</sone>", true},
        MatchCase{"LemmaWithoutPartOfSpeech", M::SuspectedErrors, {}, "<sone lemma=\"kala\">x</sone>", true},
        MatchCase{"UnknownFormTag", M::SuspectedErrors, {}, "<sone liik=\"A\" vorm=\"cmp.\">x</sone>", true},
        MatchCase{"KnownFormTag", M::SuspectedErrors, {}, "<sone liik=\"S\" vorm=\"sg.nom.\">x</sone>", false},
        MatchCase{"FormCaseSensitive", M::SuspectedErrors, {}, "<sone liik=\"S\" vorm=\"SG.NOM.\">x</sone>", true},
        MatchCase{"BareToken", M::SuspectedErrors, {}, "<sone>x</sone>", false},
        MatchCase{"AutoPlus", M::AutomaticChanges, {}, "<sone auto=\"+\">x</sone>", true},
        MatchCase{"AutoOther", M::AutomaticChanges, {}, "<sone auto=\"-\">x</sone>", false}),
    test::ByName());

TEST(SuspectedErrors, FlagsChooseTheChecks)
{
    struct Case {
        std::string token;
        bool partOfSpeech;
        bool form;
        bool suspicious;
    };
    const Case cases[] = {
        // An unknown part of speech is only looked at with its flag.
        {"<sone liik=\"X\">x</sone>", false, true, false},
        // An inflecting part of speech without a form needs both flags.
        {"<sone liik=\"S\">x</sone>", true, false, false},
        {"<sone liik=\"S\">x</sone>", true, true, true},
        // An unknown form tag is only looked at with its flag.
        {"<sone liik=\"S\" vorm=\"cmp.\">x</sone>", true, false, false},
        {"<sone liik=\"S\" vorm=\"cmp.\">x</sone>", false, true, true},
    };
    for (const Case& c : cases) {
        const OneToken token(c.token);
        EXPECT_EQ(isSuspicious(token.node(), c.partOfSpeech, c.form), c.suspicious)
            << c.token << " " << c.partOfSpeech << c.form;
    }
}

TEST(SearchFields, NamesRoundTrip)
{
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        const auto field = static_cast<SearchField>(i);
        EXPECT_EQ(searchFieldFromName(searchFieldName(field)), field);
    }
    EXPECT_STREQ(searchFieldName(SearchField::Text), "sone");
    EXPECT_FALSE(searchFieldFromName("auto").has_value());
}

}  // namespace
}  // namespace pelmora
