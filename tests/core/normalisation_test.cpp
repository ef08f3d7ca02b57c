#include "common/normalisation.h"
#include "common/strings.h"
#include "spellings.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmora {
namespace {

using test::livonianSpellings;
using test::sequenceOnlySpellings;
using test::Spelling;

class LetterSpellings : public ::testing::TestWithParam<Spelling> {};

TEST_P(LetterSpellings, ShareOneNormalFormKeyAndComparison)
{
    const Spelling& s = GetParam();
    // The precomposed letter is the normal form; the decomposed one (and one with only the first
    // mark composed) normalise to it.
    EXPECT_TRUE(isNfc(s.composed));
    EXPECT_FALSE(isNfc(s.decomposed));
    EXPECT_EQ(toNfc(s.decomposed), s.composed);
    if (!s.partly.empty()) {
        EXPECT_EQ(toNfc(s.partly), s.composed);
    }

    // Inside a word: one key, and the early-stopping key comparison agrees both ways.
    const std::string composedWord = "k" + s.composed + "la";
    const std::string decomposedWord = "K" + s.decomposed + "LA";
    EXPECT_EQ(MakeWordFormKey(decomposedWord), MakeWordFormKey(composedWord));
    EXPECT_TRUE(hasWordFormKey(decomposedWord, MakeWordFormKey(composedWord)));
    EXPECT_TRUE(hasWordFormKey(composedWord, MakeWordFormKey(decomposedWord)));
    EXPECT_TRUE(sameText(s.decomposed, s.composed));
    EXPECT_EQ(toLowerUnicode(decomposedWord), toLowerUnicode(toNfc(composedWord)));
}

INSTANTIATE_TEST_SUITE_P(Livonian, LetterSpellings, ::testing::ValuesIn(livonianSpellings()));

TEST(Normalisation, SequenceOnlyLettersStaySequencesAndMatchEachOther)
{
    for (const auto& row : sequenceOnlySpellings()) {
        SCOPED_TRACE(row.letter);
        const std::string& normal = row.spellings.front();
        for (const std::string& spelling : row.spellings) {
            EXPECT_EQ(toNfc(spelling), normal);
            EXPECT_EQ(MakeWordFormKey("ve" + spelling), MakeWordFormKey("ve" + normal));
            EXPECT_TRUE(hasWordFormKey("ve" + spelling, MakeWordFormKey("ve" + normal)));
        }
    }
}

TEST(Normalisation, TwoMarksOfOneClassKeepTheirOrder)
{
    // Tilde then macron is ȭ; macron then tilde stacks the other way and is another letter.
    EXPECT_EQ(toNfc("o\u0303\u0304"), "\u022D");
    EXPECT_EQ(toNfc("o\u0304\u0303"), "\u014D\u0303");
    EXPECT_FALSE(sameText("o\u0304\u0303", "\u022D"));
}

TEST(Normalisation, TranscriptionMarksAreNotCompatibilityFolded)
{
    // NFC, never NFKC: the modifier apostrophe, the undertie and ligatures stay what they are.
    for (const char* text : {"tu\u02BCll\u00F5", "Se\u203Fum", "\uFB01", "x\u00B2", "\u2026"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(isNfc(text));
        EXPECT_EQ(toNfc(text), text);
    }
}

TEST(Normalisation, BadInputIsKeptAsItIs)
{
    struct Case {
        const char* name;
        std::string text;
    };
    for (const Case& c : {Case{"lone mark first", "\u0304kala"}, Case{"mark after a blank", "kala \u0304"},
                          Case{"invalid byte", "ka\xFFla"}, Case{"truncated sequence", "kal\xC4"},
                          Case{"empty", ""}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toNfc(c.text), c.text);
        EXPECT_TRUE(sameText(c.text, c.text));
    }
    // Around an invalid byte the rest is still normalised.
    EXPECT_EQ(toNfc("a\u0304\xFF" "e\u0304"), "\u0101\xFF\u0113");
}

TEST(Normalisation, NormalTextIsNotCopied)
{
    const std::string text = "j\u016Br\u00F5 v\u012Bere\u1E11";  // jūrõ vīereḑ
    std::string storage;
    EXPECT_EQ(nfcView(text, storage).data(), text.data());
    EXPECT_TRUE(storage.empty());
    std::string edited = text;
    EXPECT_FALSE(normaliseInPlace(edited));
    std::string decomposed = "ju\u0304ro\u0303";
    EXPECT_TRUE(normaliseInPlace(decomposed));
    EXPECT_EQ(decomposed, "j\u016Br\u00F5");
}

}  // namespace
}  // namespace pelmora
