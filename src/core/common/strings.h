// String helpers of the core: UTF-8 text, case mapping, the dictionary's ordinal order, word-form keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Lower-cases every character with the full Unicode case mapping (ICU, root locale), in NFC, for
// comparing texts without regard to case. Invalid UTF-8 sequences come back as U+FFFD.
std::string toLowerUnicode(std::string_view text);

// The text lower-cased as above with its first character in title case ("RĪGÕS" gives "Rīgõs").
std::string toTitleUnicode(std::string_view text);

// Lower-cases only the letters A-Z; every other byte stays as it is.
std::string toLowerAscii(std::string_view text);

// Compares two UTF-8 strings as sequences of UTF-16 code units (ordinal, case-sensitive):
// negative, zero or positive like strcmp. Differs from byte order only where a character
// above U+FFFF meets one in U+E000..U+FFFF.
int compareOrdinal(std::string_view a, std::string_view b);
// The first eight bytes of the string as one number whose order never contradicts
// compareOrdinal: a smaller number means an earlier string; equal numbers need compareOrdinal.
// For sorting many strings without reading each again for every comparison.
std::uint64_t ordinalPrefix(std::string_view text);

// Drops "+", "/", "[", "\", "]", "_" and every stretch from "{" to the next "}" (an unclosed
// "{" drops the rest of the text). Other characters are kept in order.
std::string removeMarkup(std::string_view text);

// The dictionary key of a surface form: Unicode lower-casing, then removeMarkup, then NFC, so
// that precomposed and decomposed spellings of a word share one key. A form made only of
// dropped characters gives "".
std::string MakeWordFormKey(std::string_view surface);

// Whether MakeWordFormKey(value) == key, mostly without building the key: the comparison stops
// at the first character that differs. For scanning many values against one key.
bool hasWordFormKey(std::string_view value, std::string_view key);

// Splits at every occurrence of the separator; empty pieces are kept.
std::vector<std::string> split(std::string_view text, char separator);

// Removes blanks (space, tab, CR, LF) at both ends.
std::string_view trimBlanks(std::string_view text);

// Replaces the first "%s" in the pattern with the argument (the system's messages carry one).
std::string formatMessage(std::string_view pattern, std::string_view argument);

// Reads a decimal integer from the leading digits (an optional sign first); text that does not
// start with a number reads as 0, and values beyond the int range are clamped.
long long leadingInteger(std::string_view text);

// True when the text is valid UTF-8.
bool isValidUtf8(std::string_view text);

// Whether the text holds a letter of any script or a decimal digit; a token without either is a
// punctuation mark. "" and invalid bytes hold neither.
bool hasLetterOrDigit(std::string_view text);

// Number of Unicode code points (invalid bytes count one each).
std::size_t codePointCount(std::string_view text);

// Decodes the code point that starts at the given byte offset and advances it; invalid bytes
// give U+FFFD and advance by one.
char32_t decodeUtf8(std::string_view text, std::size_t& offset);

// Appends the UTF-8 encoding of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace pelmora
