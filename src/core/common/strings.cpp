#include "common/strings.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <climits>

namespace pelmora {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Position of a code point in UTF-16 code-unit order: characters below U+D800 keep their
// value, supplementary characters (surrogate pairs) come next, U+E000..U+FFFF last.
char32_t utf16OrderKey(char32_t cp)
{
    if (cp < 0xD800)
        return cp;
    if (cp >= 0x10000)
        return cp - 0x10000 + 0xD800;
    return cp + 0x100000;
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// True when the text is valid UTF-8 and lower-casing changes none of its characters, so that
// the full case mapping would give back the same bytes (most words of a text).
bool lowerCaseAlready(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0 || (c < 0x80 ? (c >= 'A' && c <= 'Z') : u_hasBinaryProperty(c, UCHAR_CHANGES_WHEN_LOWERCASED)))
            return false;
    }
    return true;
}

}  // namespace

std::string toLowerUnicode(std::string_view text)
{
    if (isAscii(text))
        return toLowerAscii(text);
    if (lowerCaseAlready(text))
        return std::string(text);
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    u.toLower(icu::Locale::getRoot());
    std::string out;
    u.toUTF8String(out);
    return out;
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

int compareOrdinal(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < common && a[i] == b[i])
        ++i;
    if (i == common && a.size() == b.size())
        return 0;
    // Two ASCII characters: code-unit order is byte order.
    if (i < common && static_cast<unsigned char>(a[i]) < 0x80 && static_cast<unsigned char>(b[i]) < 0x80)
        return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
    // Compare character by character from the start of the one that differs: every byte that is
    // not a continuation byte starts a character (an invalid byte is a character of its own), so
    // both texts are cut the same way up to there. Characters compare by UTF-16 order, the same
    // character from different (invalid) bytes by its bytes; equal texts are only equal bytes.
    const auto startsCharacter = [&](std::size_t at) {
        return at < common && !isContinuation(static_cast<unsigned char>(a[at])) &&
               !isContinuation(static_cast<unsigned char>(b[at]));
    };
    while (i > 0 && !startsCharacter(i))
        --i;
    std::size_t ia = i;
    std::size_t ib = i;
    while (ia < a.size() && ib < b.size()) {
        const std::size_t startA = ia;
        const std::size_t startB = ib;
        const char32_t ka = utf16OrderKey(decodeUtf8(a, ia));
        const char32_t kb = utf16OrderKey(decodeUtf8(b, ib));
        if (ka != kb)
            return ka < kb ? -1 : 1;
        const int bytes = a.substr(startA, ia - startA).compare(b.substr(startB, ib - startB));
        if (bytes != 0)
            return bytes < 0 ? -1 : 1;
    }
    if (ia < a.size())
        return 1;
    return ib < b.size() ? -1 : 0;
}

std::string removeMarkup(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '+': case '/': case '[': case '\\': case ']': case '_':
            break;
        case '{': {
            const std::size_t close = text.find('}', i + 1);
            if (close == std::string_view::npos)
                return out;
            i = close;
            break;
        }
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string MakeWordFormKey(std::string_view surface)
{
    return removeMarkup(toLowerUnicode(surface));
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
    std::string out(pattern);
    const std::size_t at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, argument);
    return out;
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
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t before = i;
        const char32_t cp = decodeUtf8(text, i);
        if (cp == 0xFFFD && !(i - before == 3 && text.substr(before, 3) == "\xEF\xBF\xBD"))
            return false;
    }
    return true;
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
