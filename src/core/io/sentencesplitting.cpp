#include "io/sentencesplitting.h"

#include "common/strings.h"

#include <unicode/uchar.h>

#include <algorithm>

namespace pelmora {

namespace {

bool isSentenceMark(char32_t c) { return c == U'.' || c == U'?' || c == U'!' || c == U'\u2026'; }

// Closing quotation marks and brackets that may follow the mark inside the sentence.
bool isCloser(char32_t c)
{
    return c == U'"' || c == U'\'' || c == U')' || c == U']' || c == U'}' || c == U'\u201C' || c == U'\u201D' ||
           c == U'\u2019' || c == U'\u00BB' || c == U'\u203A';
}

// Opening quotation marks and brackets that may stand before the next sentence's first word.
bool isOpener(char32_t c)
{
    return c == U'"' || c == U'\'' || c == U'(' || c == U'[' || c == U'{' || c == U'\u201E' || c == U'\u201C' ||
           c == U'\u2018' || c == U'\u00AB' || c == U'\u2039';
}

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }
bool isLineEnd(char32_t c) { return c == U'\r' || c == U'\n'; }

// The position after the mark-up tag that starts at `at`, or `at` when no tag closes on the line.
std::size_t skipTag(std::u32string_view text, std::size_t at)
{
    for (std::size_t i = at + 1; i < text.size() && !isLineEnd(text[i]); ++i)
        if (text[i] == U'>')
            return i + 1;
    return at;
}

// The position after the closing marks and tags that follow a sentence mark.
std::size_t skipClosers(std::u32string_view text, std::size_t at)
{
    while (at < text.size()) {
        if (isCloser(text[at])) {
            ++at;
        } else if (text[at] == U'<' && skipTag(text, at) > at) {
            at = skipTag(text, at);
        } else {
            break;
        }
    }
    return at;
}

// The first letter or digit of the next word on the line after `at`, or 0 when the line ends first.
char32_t nextWordStart(std::u32string_view text, std::size_t at)
{
    while (at < text.size() && !isLineEnd(text[at])) {
        const char32_t c = text[at];
        if (c == U'<' && skipTag(text, at) > at) {
            at = skipTag(text, at);
        } else if (isBlank(c) || isOpener(c)) {
            ++at;
        } else {
            return c;
        }
    }
    return 0;
}

// The word right before the mark at `mark`: back to a blank, a tag's end or an opening mark.
std::u32string_view wordBefore(std::u32string_view text, std::size_t mark)
{
    std::size_t start = mark;
    while (start > 0 && !isBlank(text[start - 1]) && !isLineEnd(text[start - 1]) && text[start - 1] != U'>' &&
           !isOpener(text[start - 1]))
        --start;
    return text.substr(start, mark - start);
}

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text)
        appendUtf8(out, c);
    return out;
}

// Whether a lone full stop after `word` ends the sentence, the next word starting with `next`.
bool fullStopEnds(std::u32string_view word, char32_t next, const std::vector<std::string>& abbreviations)
{
    if (word.empty())
        return true;
    if (word.size() == 1 && u_isupper(static_cast<UChar32>(word[0])))
        return false;  // an initial
    if (std::all_of(word.begin(), word.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; }))
        return u_isupper(static_cast<UChar32>(next)) != 0;  // an ordinal number unless a sentence starts
    const std::string abbreviation = toLowerUnicode(toUtf8(word)) + ".";
    return std::find(abbreviations.begin(), abbreviations.end(), abbreviation) == abbreviations.end();
}

}  // namespace

std::string defaultAbbreviationList()
{
    return "nt. jne. jt. vm. vms. u. dr. prof. lk. vt. st. s.t. nn. nr. hr. pr. "
           "piem. u.c. utt. t.i. sk. g. gs. apm.";
}

std::vector<std::string> parseAbbreviations(std::string_view list)
{
    std::vector<std::string> out;
    std::string entry;
    const auto finish = [&] {
        if (!entry.empty() && entry != ".")
            out.push_back(toLowerUnicode(entry.back() == '.' ? entry : entry + "."));
        entry.clear();
    };
    for (const char c : list) {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r')
            finish();
        else
            entry.push_back(c);
    }
    finish();
    return out;
}

std::vector<std::size_t> sentenceEnds(std::u32string_view text, const std::vector<std::string>& abbreviations)
{
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isSentenceMark(text[i]))
            continue;
        std::size_t runEnd = i;
        while (runEnd < text.size() && isSentenceMark(text[runEnd]))
            ++runEnd;
        const std::size_t at = skipClosers(text, runEnd);
        const char32_t next = nextWordStart(text, at);
        const bool lone = runEnd == i + 1 && text[i] == U'.';
        const bool endsHere = at < text.size() && isBlank(text[at]) && next != 0 &&
                               !u_islower(static_cast<UChar32>(next)) &&
                               (!lone || fullStopEnds(wordBefore(text, i), next, abbreviations));
        if (endsHere && (ends.empty() || ends.back() != at))
            ends.push_back(at);
        i = runEnd - 1;
    }
    return ends;
}

}  // namespace pelmora
