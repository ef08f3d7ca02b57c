#include "common/strings.h"

#include "common/normalisation.h"
#include "common/translation.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>

namespace pelmora {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The single characters a word-form key leaves out (braced groups aside).
bool isMarkupCharacter(char c)
{
    return c == '+' || c == '/' || c == '[' || c == '\\' || c == ']' || c == '_';
}

// True when the text is valid UTF-8 and lower-casing changes none of its characters, so that
// the full case mapping would give back the same bytes (most words of a text).
// Lower-case letters of the characters below U+0800 (Latin with Livonian letters, Greek,
// Cyrillic, ...), for those whose full lower-casing is one character and needs no context;
// 0 marks the others (the capital I with dot, the capital sigma), left to ICU.
const std::array<char16_t, 0x800>& simpleLowerCase()
{
    static const std::array<char16_t, 0x800> table = [] {
        std::array<char16_t, 0x800> lower{};
        for (UChar32 c = 0; c < 0x800; ++c) {
            icu::UnicodeString full(c);
            full.toLower(icu::Locale::getRoot());
            const UChar32 simple = u_tolower(c);
            if (full.length() == 1 && full.char32At(0) == simple && simple < 0x800 && c != 0x3A3)
                lower[static_cast<std::size_t>(c)] = static_cast<char16_t>(simple);
        }
        lower[0] = 0;
        return lower;
    }();
    return table;
}

// The same for the three-byte characters from U+1E00 to U+20CF: Latin Extended Additional (the
// Livonian ḑ and Ḑ), Greek Extended, the general punctuation (the apostrophe ’) and the currency
// signs. 0 marks those left to ICU.
constexpr char32_t kWideFirst = 0x1E00;
constexpr char32_t kWideEnd = 0x20D0;

const std::array<char32_t, kWideEnd - kWideFirst>& simpleLowerCaseWide()
{
    static const std::array<char32_t, kWideEnd - kWideFirst> table = [] {
        std::array<char32_t, kWideEnd - kWideFirst> lower{};
        for (char32_t c = kWideFirst; c < kWideEnd; ++c) {
            icu::UnicodeString full(static_cast<UChar32>(c));
            full.toLower(icu::Locale::getRoot());
            const UChar32 simple = u_tolower(static_cast<UChar32>(c));
            if (full.length() == 1 && full.char32At(0) == simple && simple >= 0x80 && simple < 0x10000)
                lower[c - kWideFirst] = static_cast<char32_t>(simple);
        }
        return lower;
    }();
    return table;
}

// Writes the UTF-8 of a code point at `to`; returns the end.
char* writeUtf8(char* to, char32_t cp)
{
    if (cp < 0x80) {
        *to++ = static_cast<char>(cp);
        return to;
    }
    if (cp < 0x800) {
        *to++ = static_cast<char>(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
        *to++ = static_cast<char>(0xE0 | (cp >> 12));
        *to++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    } else {
        *to++ = static_cast<char>(0xF0 | (cp >> 18));
        *to++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *to++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    *to++ = static_cast<char>(0x80 | (cp & 0x3F));
    return to;
}

// Lower-cases valid UTF-8 made of characters the tables map, in one pass; with `dropMarkup`
// it also drops what removeMarkup drops. False (and `out` unspecified) when a character, or a
// brace, needs the long way.
bool lowerCaseSimply(std::string_view text, std::string& out, bool dropMarkup)
{
    const std::array<char16_t, 0x800>& lower = simpleLowerCase();
    const std::array<char32_t, kWideEnd - kWideFirst>& wide = simpleLowerCaseWide();
    out.assign(text.size(), '\0');  // never longer than the text
    char* to = out.data();
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (dropMarkup && (byte == '{' || byte == '}'))
                return false;
            if (!(dropMarkup && isMarkupCharacter(static_cast<char>(byte))))
                *to++ = static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
            ++i;
            continue;
        }
        if ((byte & 0xF0) == 0xE0) {
            // An invalid sequence decodes as U+FFFD, which is outside the table.
            const char32_t c = decodeUtf8(text, i);
            if (c < kWideFirst || c >= kWideEnd || wide[c - kWideFirst] == 0)
                return false;
            to = writeUtf8(to, wide[c - kWideFirst]);
            continue;
        }
        if ((byte & 0xE0) != 0xC0 || byte < 0xC2 || i + 1 >= text.size() ||
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80)
            return false;
        const char16_t l = lower[((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu)];
        if (l == 0)
            return false;
        to = writeUtf8(to, l);
        i += 2;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return true;
}

}  // namespace

std::string toLowerUnicode(std::string_view text)
{
    if (isAscii(text))
        return toLowerAscii(text);
    std::string out;
    if (!lowerCaseSimply(text, out, false)) {
        icu::UnicodeString u = icu::UnicodeString::fromUTF8(
            icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
        u.toLower(icu::Locale::getRoot());
        out.clear();
        u.toUTF8String(out);
    }
    normaliseInPlace(out);
    return out;
}

std::string toTitleUnicode(std::string_view text)
{
    std::string lower = toLowerUnicode(text);
    std::size_t offset = 0;
    const char32_t first = decodeUtf8(lower, offset);
    if (lower.empty() || first == 0xFFFD)
        return lower;
    std::string title;
    appendUtf8(title, static_cast<char32_t>(u_totitle(static_cast<UChar32>(first))));
    title.append(lower, offset);
    normaliseInPlace(title);
    return title;
}

std::string toLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

namespace {
// UTF-8 byte order is code-point order; UTF-16 code units differ from it only in putting the
// characters from U+10000 up (lead bytes F0-F4, surrogate pairs in UTF-16) before those of
// U+E000-U+FFFF (lead bytes EE, EF). Comparing bytes with those two groups of lead bytes swapped
// gives UTF-16 order on valid text, and on any bytes (a damaged file) an order in which only
// equal bytes are equal.
unsigned ordinalWeight(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0xEE || byte == 0xEF)
        return byte + 5u;  // after F0-F4
    if (byte >= 0xF0 && byte <= 0xF4)
        return byte - 2u;  // into the places of EE, EF and on
    return byte;
}
}  // namespace

int compareOrdinal(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < common && a[i] == b[i])
        ++i;
    if (i == common)
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    return ordinalWeight(a[i]) < ordinalWeight(b[i]) ? -1 : 1;
}

std::uint64_t ordinalPrefix(std::string_view text)
{
    // A string that ends sooner fills with zeros and so comes first, as a prefix does.
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < text.size() ? ordinalWeight(text[i]) : 0u);
    return prefix;
}

std::string removeMarkup(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{') {
            const std::size_t close = text.find('}', i + 1);
            if (close == std::string_view::npos)
                return out;
            i = close;
        } else if (!isMarkupCharacter(c)) {
            out.push_back(c);
        }
    }
    return out;
}

std::string MakeWordFormKey(std::string_view surface)
{
    // Normalised last: dropping markup can bring a base letter and its combining mark together.
    std::string key;
    if (!lowerCaseSimply(surface, key, true))
        key = removeMarkup(toLowerUnicode(surface));
    normaliseInPlace(key);
    return key;
}

bool hasWordFormKey(std::string_view value, std::string_view key)
{
    // Characters lower-case one by one (full and simple lower-casing agree for every character
    // but U+0130 and the capital sigma, whose final form depends on what follows) and markup
    // characters drop out, so a difference is final. Where that does not hold (those two, an
    // invalid byte, a braced group, a character that may compose with its neighbour in the normal
    // form) the whole key is built after all.
    // A character that differs may still become the key's character when a combining mark after
    // it composes with it in the normal form.
    const auto nextMayCompose = [value](std::size_t at) {
        if (at >= value.size() || static_cast<unsigned char>(value[at]) < 0xCC)
            return false;
        return !standsAloneInNfc(decodeUtf8(value, at));
    };
    std::string lowered;
    std::size_t j = 0;
    for (std::size_t i = 0; i < value.size();) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte < 0x80) {
            ++i;
            const char c = static_cast<char>(byte);
            if (isMarkupCharacter(c))
                continue;
            if (c == '{')
                return MakeWordFormKey(value) == key;
            const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            if (j >= key.size() || key[j] != lower)
                return !nextMayCompose(i) ? false : MakeWordFormKey(value) == key;
            ++j;
            continue;
        }
        const char32_t c = decodeUtf8(value, i);
        if (c == 0xFFFD || c == 0x130 || c == 0x3A3 || !standsAloneInNfc(c))
            return MakeWordFormKey(value) == key;
        lowered.clear();  // at most four bytes: no allocation
        appendUtf8(lowered, static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))));
        if (key.substr(j, lowered.size()) != lowered)
            return !nextMayCompose(i) ? false : MakeWordFormKey(value) == key;
        j += lowered.size();
    }
    return j == key.size();
}

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string formatMessage(std::string_view pattern, std::string_view argument)
{
    return formatText(pattern, {argument});
}

long long leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return negative ? -value : value;
}

char32_t decodeUtf8(std::string_view text, std::size_t& offset)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(offset);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++offset;
        return lead;
    } else if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        ++offset;
        return 0xFFFD;
    }
    if (offset + static_cast<std::size_t>(length) > text.size()) {
        ++offset;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char c = byte(offset + static_cast<std::size_t>(k));
        if (!isContinuation(c)) {
            ++offset;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3Fu);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++offset;
        return 0xFFFD;
    }
    offset += static_cast<std::size_t>(length);
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    char bytes[4];
    out.append(bytes, writeUtf8(bytes, cp));
}

// The well-formed sequences of the Unicode standard, as decodeUtf8 reads them. Runs of ASCII, most
// of a Livonian text, are passed eight bytes at a time.
bool isValidUtf8(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + 8 <= text.size()) {
            std::uint64_t eight;
            std::memcpy(&eight, bytes + i, sizeof eight);
            const std::uint64_t high = eight & 0x8080808080808080ull;
            if (high == 0) {
                i += 8;
                continue;
            }
            // To the first byte that is not ASCII (the one at the lowest address).
            const std::uint64_t inOrder = std::endian::native == std::endian::little ? high : __builtin_bswap64(high);
            i += static_cast<std::size_t>(std::countr_zero(inOrder)) / 8;
        }
        const std::size_t before = i;
        const char32_t cp = decodeUtf8(text, i);
        if (cp == 0xFFFD && !(i - before == 3 && text.substr(before, 3) == "\xEF\xBF\xBD"))
            return false;
    }
    return true;
}

bool hasLetterOrDigit(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<UChar32>(decodeUtf8(text, i));
        if (u_isalpha(c) || u_isdigit(c))
            return true;
    }
    return false;
}

std::size_t codePointCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        decodeUtf8(text, i);
        ++count;
    }
    return count;
}

}  // namespace pelmora
