#include "io/tokeniser.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <unicode/uchar.h>

namespace pelmora {

namespace {

using Text = std::u32string_view;
constexpr std::size_t npos = Text::npos;

constexpr char32_t kUndertie = U'\u203F';

// The marks split off either end of a word.
constexpr Text kEdgeMarks = U"()[]{}.,;:!?\u2026"                                       // brackets, stops
                            U"\"'\u00AB\u00BB\u2018\u2019\u201A\u201B\u201C\u201D\u201E\u201F\u2039\u203A"  // quotes
                            U"\u2013\u2014\u2015";                                         // dashes
// What a pause mark holds between its parentheses.
constexpr Text kPauseFill = U".\u2026-\u2013\u2014";

bool isLetter(char32_t c) { return u_isalpha(static_cast<UChar32>(c)); }

bool isCombiningMark(char32_t c) { return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0; }

bool isBlank(char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)); }

// Letters, each with the combining marks after it ("õ", "ž́"), and nothing else.
bool isLettersOnly(Text text)
{
    if (text.empty() || !isLetter(text.front()))
        return false;
    for (const char32_t c : text)
        if (!isLetter(c) && !isCombiningMark(c))
            return false;
    return true;
}

// The length of the pause mark the word starts with, "(...)" or "(--)", or 0.
std::size_t pauseMarkAtStart(Text word)
{
    if (word.empty() || word.front() != U'(')
        return 0;
    std::size_t end = 1;
    while (end < word.size() && kPauseFill.find(word[end]) != npos)
        ++end;
    return end > 1 && end < word.size() && word[end] == U')' ? end + 1 : 0;
}

// The length of the pause mark the word ends with, or 0.
std::size_t pauseMarkAtEnd(Text word)
{
    if (word.empty() || word.back() != U')')
        return 0;
    std::size_t start = word.size() - 1;
    while (start > 0 && kPauseFill.find(word[start - 1]) != npos)
        --start;
    return start > 0 && start + 1 < word.size() && word[start - 1] == U'(' ? word.size() - start + 1 : 0;
}

// Whether the word starts with letters in parentheses that a letter follows, as "(u)m": an elided
// or optional sound, part of the word.
bool startsWithElision(Text word)
{
    if (word.empty() || word.front() != U'(')
        return false;
    const std::size_t close = word.find(U')');
    return close != npos && close + 1 < word.size() && isLettersOnly(word.substr(1, close - 1)) &&
           isLetter(word[close + 1]);
}

// Whether the word ends with letters in parentheses after a letter, as "lapsõ(n)".
bool endsWithElision(Text word)
{
    if (word.empty() || word.back() != U')')
        return false;
    const std::size_t open = word.rfind(U'(');
    return open != npos && open > 0 && isLettersOnly(word.substr(open + 1, word.size() - open - 2)) &&
           (isLetter(word[open - 1]) || isCombiningMark(word[open - 1]));
}

// The length of the punctuation token the word starts with, or 0 when it starts with the word.
std::size_t leadingMark(Text word)
{
    if (const std::size_t pause = pauseMarkAtStart(word))
        return pause;
    if (word.empty() || kEdgeMarks.find(word.front()) == npos || startsWithElision(word))
        return 0;
    // A mark that carries a combining mark is not split from it.
    return word.size() > 1 && isCombiningMark(word[1]) ? 0 : 1;
}

// The length of the punctuation token the word ends with, or 0 when it ends with the word.
std::size_t trailingMark(Text word)
{
    if (const std::size_t pause = pauseMarkAtEnd(word))
        return pause;
    return word.empty() || kEdgeMarks.find(word.back()) == npos || endsWithElision(word) ? 0 : 1;
}

void append(std::vector<SplitToken>& tokens, Text text)
{
    SplitToken token;
    for (const char32_t c : text)
        appendUtf8(token.text, c);
    token.punctuation = !hasLetterOrDigit(token.text);
    tokens.push_back(std::move(token));
}

// Splits one run of text without blanks and undertie: the marks before the word, the word, then the
// marks after it in the order they stand.
void splitWord(Text word, std::vector<SplitToken>& tokens)
{
    for (std::size_t length = leadingMark(word); length > 0; length = leadingMark(word)) {
        append(tokens, word.substr(0, length));
        word.remove_prefix(length);
    }
    std::vector<Text> trailing;  // the last mark first
    for (std::size_t length = trailingMark(word); length > 0; length = trailingMark(word)) {
        trailing.push_back(word.substr(word.size() - length));
        word.remove_suffix(length);
    }
    if (!word.empty())
        append(tokens, word);
    for (auto mark = trailing.rbegin(); mark != trailing.rend(); ++mark)
        append(tokens, *mark);
}

}  // namespace

std::vector<SplitToken> splitIntoTokens(std::string_view line)
{
    std::string storage;
    const std::string_view normal = nfcView(line, storage);
    std::u32string text;
    for (std::size_t at = 0; at < normal.size();)
        text.push_back(decodeUtf8(normal, at));

    std::vector<SplitToken> tokens;
    const Text all = text;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= all.size(); ++at) {
        if (at < all.size() && !isBlank(all[at]) && all[at] != kUndertie)
            continue;
        splitWord(all.substr(start, at - start), tokens);
        if (at < all.size() && all[at] == kUndertie)
            append(tokens, all.substr(at, 1));
        start = at + 1;
    }
    return tokens;
}

}  // namespace pelmora
