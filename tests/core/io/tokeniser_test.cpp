#include "io/tokeniser.h"

#include "testsupport.h"

namespace pelmora {
namespace {

struct SplitCase {
    const char* name;
    const char* line;
    const char* expected;  // the tokens with a space between, "{v}" after a punctuation token
};

std::string describe(const std::vector<SplitToken>& tokens)
{
    std::string out;
    for (const SplitToken& token : tokens)
        out += (out.empty() ? "" : " ") + token.text + (token.punctuation ? "{v}" : "");
    return out;
}

class SplitIntoTokensTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitIntoTokensTest, SplitsWordsFromTheirPunctuation)
{
    EXPECT_EQ(describe(splitIntoTokens(GetParam().line)), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Transcriptions, SplitIntoTokensTest,
    ::testing::Values(
        SplitCase{"FullStopBeforeAClosingQuote", "„Tõrgsõ voʼľ.“", "„{v} Tõrgsõ voʼľ .{v} “{v}"},
        SplitCase{"QuestionAndExclamationBeforeQuotes", "„Mis sa vostiz?“ „Lapsõn puiš!”",
                  "„{v} Mis sa vostiz ?{v} “{v} „{v} Lapsõn puiš !{v} ”{v}"},
        SplitCase{"AlternativeReadingInParentheses", "(~ kietõbõd)", "({v} ~{v} kietõbõd ){v}"},
        SplitCase{"ElidedVowelAfterAnUndertie", "Se\u203F(u)m läpš.", "Se ‿{v} (u)m läpš .{v}"},
        SplitCase{"OptionalSoundsAtTheEndOfAWord", "Zīď(õ) lapsõ(n) min(nõn),",
                  "Zīď(õ) lapsõ(n) min(nõn) ,{v}"},
        SplitCase{"ParenthesesAroundAWholeWordArePunctuation", "(tuʼllõ) (lapsõ(n)). (u)",
                  "({v} tuʼllõ ){v} ({v} lapsõ(n) ){v} .{v} ({v} u ){v}"},
        SplitCase{"ApostrophesAndHyphensBetweenLettersStay", "'kiʼzzõn' tu'llõ piva-lind ťš́ir-ťš́ir-ťš́irrr!",
                  "'{v} kiʼzzõn '{v} tu'llõ piva-lind ťš́ir-ťš́ir-ťš́irrr !{v}"},
        SplitCase{"PauseMarksAndDashesStandAlone", "nei (...) – siz (--), vȯnnõ… kal- —ne",
                  "nei (...){v} –{v} siz (--){v} ,{v} vȯnnõ …{v} kal- —{v} ne"},
        SplitCase{"ARunOfMarksGivesOneTokenPerMark", "(kalā.)“ ?!", "({v} kalā .{v} ){v} “{v} ?{v} !{v}"},
        SplitCase{"DigitsMakeAWord", "1938.) 2,5", "1938 .{v} ){v} 2,5"},
        SplitCase{"DecomposedLettersComeOutComposed", "vo\u0307nno\u0303", "vȯnnõ"},
        SplitCase{"EveryBlankSeparates", " se\u00A0um\t ", "se um"},
        SplitCase{"BlankLineGivesNothing", " \t ", ""}),
    test::ByName());

}  // namespace
}  // namespace pelmora
