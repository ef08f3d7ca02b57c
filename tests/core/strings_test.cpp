#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "common/utf16text.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <string>
#include <vector>

namespace pelmora {
namespace {

struct KeyCase {
    const char* surface;
    const char* key;
};

class WordFormKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(WordFormKey, LowerCasesAndDropsMarkup)
{
    EXPECT_EQ(MakeWordFormKey(GetParam().surface), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Cases, WordFormKey, ::testing::Values(
    KeyCase{"Kala+", "kala"},
    KeyCase{"kala", "kala"},
    KeyCase{"ve{r}z_i", "vezi"},
    KeyCase{"A[b]\\c/d", "abcd"},
    KeyCase{"+/_[]\\", ""},
    KeyCase{"{vana}", ""},
    KeyCase{"ab{cd", "ab"},           // an unclosed brace drops the rest
    KeyCase{"a{b}c{d}e", "ace"},
    KeyCase{"ÕUN", "õun"},            // beyond A-Z
    KeyCase{"ǞRA", "ǟra"},
    KeyCase{"ȮĻ", "ȯļ"},
    KeyCase{"ŅŪ", "ņū"},
    KeyCase{"", ""}));

struct OrderCase {
    const char* a;
    const char* b;
    int sign;
};

class OrdinalOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrdinalOrder, ComparesByUtf16CodeUnits)
{
    const int result = compareOrdinal(GetParam().a, GetParam().b);
    EXPECT_EQ((result > 0) - (result < 0), GetParam().sign);
    const int reverse = compareOrdinal(GetParam().b, GetParam().a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(Cases, OrdinalOrder, ::testing::Values(
    OrderCase{"kala", "kala", 0},
    OrderCase{"kala", "kalad", -1},
    OrderCase{"Z", "_", -1},                        // "_" after the capitals
    OrderCase{"_", "a", -1},                        // and before the small letters
    OrderCase{"Kala", "kala", -1},                  // case-sensitive
    OrderCase{"z", "õ", -1},
    OrderCase{"õ", "ǟ", -1},
    OrderCase{"\xF0\x9F\x98\x80", "\xEF\xBC\xA1", -1},  // U+1F600 (surrogates) before U+FF21
    OrderCase{"\xED\x9F\xBF", "\xF0\x9F\x98\x80", -1},  // U+D7FF before U+1F600
    OrderCase{"a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x81", -1},
    OrderCase{"\xF4\x8F\xBF\xBF", "\xEE\x80\x80", -1},            // U+10FFFF before U+E000
    OrderCase{"\xEF\xBF\xBD", "\xEF\xBF\xBE", -1},                // within U+E000..U+FFFF
    OrderCase{"\xE2\x80\x94", "\xF0\x90\x80\x80", -1},            // U+2014 before U+10000
    OrderCase{"ka\xC3\xA4", "kaz", 1}));

// The dictionary's sorted index needs a true order also for ids with invalid UTF-8 (a damaged
// file): equal only for equal bytes, antisymmetric and transitive.
TEST(Strings, OrdinalOrderIsTotalAlsoOnInvalidBytes)
{
    const std::vector<std::string> texts = {
        "", "p", "p\xE4", "p\xE4\xFF", "p\xE4#", "p\xBF\xE4", "p\xEF\xBF\xBD", "p\xEF\xBF\xBDiv",
        "p\xEF\xBF", "\xE4", "\xE4\x80", "\xE4\x80\x80", "\x80", "\x80\x80", "\xC3\xA4", "\xC3\xA4\x80",
        "\xC3", "\xFF", "\xFF\xFF", "\xF0\x9F\x98\x80", "\xF0\x9F\x98", "\xED\xA0\x80", "a", "\xC3\xA4" "a"};
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            const int ab = sign(compareOrdinal(a, b));
            EXPECT_EQ(ab == 0, a == b) << testing::PrintToString(a) << " " << testing::PrintToString(b);
            EXPECT_EQ(ab, -sign(compareOrdinal(b, a))) << testing::PrintToString(a) << " " << testing::PrintToString(b);
            // The sorting prefix never contradicts the order.
            if (ordinalPrefix(a) != ordinalPrefix(b)) {
                EXPECT_EQ(ordinalPrefix(a) < ordinalPrefix(b), ab < 0)
                    << testing::PrintToString(a) << " " << testing::PrintToString(b);
            }
            for (const std::string& c : texts) {
                if (ab < 0 && compareOrdinal(b, c) < 0) {
                    EXPECT_LT(compareOrdinal(a, c), 0)
                        << testing::PrintToString(a) << " " << testing::PrintToString(b) << " " << testing::PrintToString(c);
                }
            }
        }
    }
}

// The key comparison that stops early says what comparing the built keys says, also where it
// must build the key after all (braces, the dotted capital I, the capital sigma, invalid bytes,
// combining marks).
TEST(Strings, WordFormKeyComparisonAgreesWithTheBuiltKey)
{
    const char* const values[] = {"Kala+",  "kala",  "kal",   "kalad", "ka{x}la", "ka{la", "ÕUN",  "õun",
                                  "İki",    "i̇ki",   "iki",   "ΟΔΟΣ",  "οδος",    "οδοσ",  "Ꞵeta", "ꞵeta",
                                  "ab\xFF", "AB\xFF", "ab",    "ḐA",    "ḑa",      "+_",    "",     "a}b",
                                  // decomposed spellings: a differing letter may compose with the mark after it
                                  "ka\u0304la", "kāla", "KA\u0304", "ka", "\u0304ka", "d\u0327a", "D\u0327A\u0304"};
    for (const char* value : values)
        for (const char* other : values) {
            const std::string key = MakeWordFormKey(other);
            EXPECT_EQ(hasWordFormKey(value, key), MakeWordFormKey(value) == key) << value << " / " << other;
        }
}

// Every character below U+0800 and of the three-byte blocks the quick tables reach (U+1E00 to
// U+20CF, with the Livonian Ḑ and the apostrophe ’) and beyond them, alone and inside a word after
// a capital, lower-cases as ICU's full case mapping does, in NFC (the tables must agree with it).
TEST(Strings, UnicodeLowerCasingAgreesWithIcuWhereTheQuickTablesReach)
{
    std::vector<char32_t> characters;
    for (char32_t c = 1; c < 0x800; ++c)
        characters.push_back(c);
    for (char32_t c = 0x1DF0; c < 0x20E0; ++c)
        characters.push_back(c);
    for (const char32_t c : characters) {
        std::string alone;
        appendUtf8(alone, c);
        for (const std::string& text : {alone, "\xC5\x85" + alone + "a", "ka" + alone}) {
            icu::UnicodeString expected = icu::UnicodeString::fromUTF8(text);
            expected.toLower(icu::Locale::getRoot());
            std::string expectedUtf8;
            expected.toUTF8String(expectedUtf8);
            expectedUtf8 = toNfc(expectedUtf8);
            EXPECT_EQ(toLowerUnicode(text), expectedUtf8) << "U+" << std::hex << static_cast<unsigned>(c);
            // The word-form key's one pass agrees with lower-casing, then dropping the markup.
            const std::string marked = "+" + text + "_[x]";
            EXPECT_EQ(MakeWordFormKey(marked), removeMarkup(toLowerUnicode(marked)))
                << "U+" << std::hex << static_cast<unsigned>(c);
            EXPECT_TRUE(hasWordFormKey(marked, MakeWordFormKey(marked))) << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(Strings, AsciiLowerCasingLeavesOtherLettersAlone)
{
    EXPECT_EQ(toLowerAscii("ÕUN Kala"), "Õun kala");
    EXPECT_EQ(toLowerUnicode("ÕUN Kala"), "õun kala");
}

TEST(Strings, UnicodeLowerCasingKeepsLowerTextAndMapsEveryOther)
{
    const std::pair<const char*, const char*> cases[] = {
        {"lȱksnekssis", "lȱksnekssis"},              // already lower: the same bytes
        {"ļieīljä ǟ ȯ", "ļieīljä ǟ ȯ"},
        {"ļaulA", "ļaula"},                          // one capital at the end
        {"Ǟrāņ", "ǟrāņ"},                            // a non-ASCII capital in front
        {"\xC7\x85", "\xC7\x86"},                    // title-case U+01C5 lowers to U+01C6
        {"ΟΔΟΣ", "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82"},  // a word-final sigma by its context
        {"\xC4\xB0", "i\xCC\x87"},                   // U+0130 becomes two characters
        {"\xC3\xA4\xFF", "\xC3\xA4\xEF\xBF\xBD"},    // invalid byte: U+FFFD as before
        {"\xC3\xA4\xED\xA0\x80", "\xC3\xA4\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // encoded surrogate
    };
    for (const auto& [text, lower] : cases)
        EXPECT_EQ(toLowerUnicode(text), lower) << text;
}

TEST(Strings, LeadingIntegerReadsWeights)
{
    const std::pair<const char*, long long> cases[] = {
        {"7", 7}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"-3", -3}, {"99999999999999", 2147483647},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingInteger(text), value) << text;
}

TEST(Strings, TrimAndFormat)
{
    EXPECT_EQ(trimBlanks("  a b \r\n"), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(formatMessage("Vigane fail %s.", "/x/y.xml"), "Vigane fail /x/y.xml.");
    EXPECT_EQ(split("a__b", '_'), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Strings, MessagesAreTranslatedBeforeTheirValuesGoIn)
{
    setTextTranslator([](const char*, const std::string& text) {
        return text == "Vigane fail %s." ? std::string("Invalid file %s.")
               : text == "%s: %s / %s" ? std::string("%s of %s (%s)")
                                       : text;
    });
    // The value itself is never translated, even when it is a text that has a translation.
    EXPECT_EQ(formatMessage("Vigane fail %s.", "Vigane fail %s."), "Invalid file Vigane fail %s..");
    EXPECT_EQ(formatText("%s: %s / %s", {"a", "b", "c"}), "a of b (c)");
    EXPECT_EQ(formatText("%s ja %s", {"a"}), "a ja %s");
    EXPECT_EQ(formatText("Ei leia", {"a"}), "Ei leia");
    setTextTranslator(nullptr);
    EXPECT_EQ(formatMessage("Vigane fail %s.", "x"), "Vigane fail x.");
}

TEST(Strings, Utf16RoundTripKeepsEveryCharacter)
{
    const std::string text = "Mēg jelābõ jūrõ vīeres \xF0\x9F\x98\x80 \xEF\xBC\xA1";
    const std::string bytes = utf8ToUtf16Le(text, true);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(utf16LeToUtf8(bytes.substr(2)), text);
    // An unpaired surrogate becomes U+FFFD rather than breaking the text.
    EXPECT_EQ(utf16LeToUtf8(std::string("\x00\xD8\x41\x00", 4)), "\xEF\xBF\xBD" "A");
}


// Every lead byte with second and third bytes at the edges of their ranges, after ASCII runs of
// every length across an eight-byte block, judged as ICU judges well-formed UTF-8.
TEST(Strings, Utf8ValidityAgreesWithIcuAtEveryRangeEdge)
{
    const auto icuValid = [](const std::string& text) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
        const auto length = static_cast<int32_t>(text.size());
        for (int32_t i = 0; i < length;) {
            UChar32 c;
            U8_NEXT(bytes, i, length, c);
            if (c < 0)
                return false;
        }
        return true;
    };
    const std::vector<unsigned char> edges{0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF};
    for (int lead = 0x80; lead <= 0xFF; ++lead)
        for (const unsigned char second : edges)
            for (const unsigned char third : edges)
                for (std::size_t ascii = 0; ascii <= 9; ++ascii) {
                    std::string text(ascii, 'a');
                    text += {static_cast<char>(lead), static_cast<char>(second), static_cast<char>(third), '\x80'};
                    for (const std::size_t cut : {text.size() - 3, text.size() - 1, text.size()}) {
                        const std::string piece = text.substr(0, cut);
                        ASSERT_EQ(isValidUtf8(piece), icuValid(piece)) << std::hex << lead << ' ' << int(second)
                                                                       << ' ' << int(third) << " after " << ascii;
                    }
                }
    EXPECT_TRUE(isValidUtf8("m\xC5\x8D\xCC\x88r \xF0\x9F\x98\x80 \xEF\xBF\xBD"));
}

}  // namespace
}  // namespace pelmora
