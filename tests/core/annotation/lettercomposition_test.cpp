#include "annotation/lettercomposition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelmora {
namespace {

TEST(SpecialLetters, FortySevenDistinctLettersInSixRows)
{
    std::set<char16_t> letters;
    std::size_t count = 0;
    for (const SpecialLetterRow& row : specialLetterRows()) {
        count += row.letters.size();
        letters.insert(row.letters.begin(), row.letters.end());
    }
    EXPECT_EQ(count, kSpecialLetterCount);
    EXPECT_EQ(letters.size(), kSpecialLetterCount);
    EXPECT_EQ(specialLetterRows()[0].letters.front(), u'\u0157');
    EXPECT_EQ(specialLetterRows()[5].letters, std::u16string_view(u"\u2019"));
}

struct TypingCase {
    const char* name;
    std::u16string text;  // the field after the change, caret at the end
    bool compose;
    std::u16string expected;  // the field after the replacement
};

class ReplacementWhileTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(ReplacementWhileTyping, GivesTheExpectedText)
{
    const TypingCase& c = GetParam();
    std::u16string text = c.text;
    if (const auto r = replacementWhileTyping(text, text.size(), c.compose))
        text.replace(r->start, r->length, 1, r->replacement);
    EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplacementWhileTyping,
    ::testing::Values(TypingCase{"MacronOnA", u"a-", true, u"ā"}, TypingCase{"MacronAfterWord", u"kala-", true, u"kalā"},
                      TypingCase{"MacronOnB", u"b-", true, u"b-"}, TypingCase{"Unticked", u"a-", false, u"a-"},
                      TypingCase{"CaronOnS", u"s^", true, u"š"}, TypingCase{"CaronOnCapitalZ", u"Z^", true, u"Ž"},
                      TypingCase{"CedillaOnG", u"g,", true, u"ģ"}, TypingCase{"OgonekOnOMacron", u"ō,", true, u"ǭ"},
                      TypingCase{"DotOnO", u"o.", true, u"ȯ"}, TypingCase{"DotOnCapitalOMacron", u"Ō.", true, u"Ȱ"},
                      TypingCase{"MacronOnADiaeresis", u"ä-", true, u"ǟ"}, TypingCase{"MacronOnODot", u"ȯ-", true, u"ȱ"},
                      TypingCase{"DiaeresisOnE", u"e:", true, u"ë"}, TypingCase{"DiaeresisOnA", u"a:", true, u"a:"},
                      TypingCase{"MarkAlone", u"-", true, u"-"}, TypingCase{"ApostropheTicked", u"t'", true, u"t’"},
                      TypingCase{"ApostropheUnticked", u"'", false, u"’"},
                      TypingCase{"PlainLetter", u"ab", true, u"ab"}),
    [](const ::testing::TestParamInfo<TypingCase>& row) { return std::string(row.param.name); });

TEST(ReplacementWhileTyping, LooksOnlyBeforeTheCaret)
{
    // "a-x" with the caret after "-": the pair before the caret is composed.
    EXPECT_EQ(replacementWhileTyping(u"a-x", 2, true), (TypingReplacement{0, 2, u'ā'}));
    // Caret at the start or past the end: nothing.
    EXPECT_FALSE(replacementWhileTyping(u"a-", 0, true));
    EXPECT_FALSE(replacementWhileTyping(u"a-", 3, true));
}

}  // namespace
}  // namespace pelmora
