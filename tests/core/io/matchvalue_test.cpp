#include "io/matchvalue.h"

#include "testsupport.h"

namespace pelmora {
namespace {

struct MatchCase {
    const char* name;
    const char* value;
    const char* pattern;
    const char* kind;
    bool matches;
};

class MatchValueTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchValueTest, ComparesUnderTheMatchKind)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(MatchValue(c.value, c.pattern, c.kind), c.matches) << c.value << " / " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MatchValueTest,
    ::testing::Values(
        MatchCase{"EndMaInMama", "mama", "ma", "Lõpus", true},
        MatchCase{"EndMaInMa", "ma", "ma", "Lõpus", true},
        MatchCase{"EndMaNotInMam", "mam", "ma", "Lõpus", false},
        MatchCase{"EndIgnoresAsciiCase", "MAMA", "ma", "Lõpus", true},
        MatchCase{"ExactWithPlus", "sõna+", "sõna", "Täpne vaste", true},
        MatchCase{"ExactUpperCaseOtilde", "SÕNA", "sõna", "Täpne vaste", true},
        MatchCase{"ExactBraceGroupAndMarks", "ve{r}z_i", "vezi", "Täpne vaste", true},
        MatchCase{"ExactPatternMarked", "kala", "[kala]", "Täpne vaste", true},
        MatchCase{"ExactDifferentWord", "sõnad", "sõna", "Täpne vaste", false},
        MatchCase{"ExactPrefixIsNotEnough", "sõna", "sõ", "Täpne vaste", false},
        MatchCase{"BeginningOtildeOnlyAsciiLowered", "Õun", "õ", "Alguses", false},
        MatchCase{"BeginningSameCase", "õun", "õ", "Alguses", true},
        MatchCase{"BeginningAsciiCase", "Kala", "ka", "Alguses", true},
        MatchCase{"BeginningNotAtStart", "akala", "ka", "Alguses", false},
        MatchCase{"MiddleAnywhere", "pers.ind.pr.sg.1.", "ind", "Keskel", true},
        MatchCase{"MiddleMissing", "sg.nom.", "pl", "Keskel", false},
        MatchCase{"MiddleUpperPattern", "sg.nom.", "NOM", "Keskel", true},
        MatchCase{"OtherKindMatchesAll", "anything", "else", "kuidagi", true},
        MatchCase{"EmptyKindMatchesAll", "a", "b", "", true},
        MatchCase{"EmptyValueExact", "", "a", "Täpne vaste", false},
        MatchCase{"InvalidUtf8DoesNotCrash", "\xC3(", "\xC3", "Täpne vaste", false}),
    test::ByName());

}  // namespace
}  // namespace pelmora
