#include "exchange/tokenising.h"

#include "common/strings.h"

namespace pelmora::exchange {

namespace {

constexpr std::u32string_view kLeading = U"[\"\u201E\u201C";
constexpr std::u32string_view kTrailing = U",;.:!?]\"\u201C\u201F\u201D";
// A token made of one of these is punctuation ("vahemärk").
constexpr std::u32string_view kPunctuation =
    U".,;:!?()[]\"-=\u203F\u201E\u201C\u201F\u201D\u2013\u2014";

bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\u00A0'; }

std::string utf8Of(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text)
        appendUtf8(out, c);
    return out;
}

void push(std::vector<SentenceToken>& tokens, std::u32string_view text)
{
    if (text.empty())
        return;
    SentenceToken token{utf8Of(text), {}};
    // The plain-text import's automatic reasons, for an oral text.
    if ((text.size() == 1 && kPunctuation.find(text[0]) != std::u32string_view::npos) || text[0] == U'/' ||
        text[0] == U'(')
        token.reason = "vahemärk";
    if (text[0] >= U'0' && text[0] <= U'9')
        token.reason = "number";
    tokens.push_back(std::move(token));
}

}  // namespace

std::vector<SentenceToken> tokensOfSentence(std::string_view sentence)
{
    std::u32string text;
    for (std::size_t at = 0; at < sentence.size();)
        text.push_back(decodeUtf8(sentence, at));
    std::vector<SentenceToken> tokens;
    std::size_t start = 0;
    while (start < text.size()) {
        while (start < text.size() && isBlank(text[start]))
            ++start;
        std::size_t end = start;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        std::u32string_view word(text.data() + start, end - start);
        if (word.size() > 1 && kLeading.find(word.front()) != std::u32string_view::npos) {
            push(tokens, word.substr(0, 1));
            word.remove_prefix(1);
        }
        if (word.size() > 1 && kTrailing.find(word.back()) != std::u32string_view::npos) {
            push(tokens, word.substr(0, word.size() - 1));
            push(tokens, word.substr(word.size() - 1));
        } else {
            push(tokens, word);
        }
        start = end;
    }
    return tokens;
}

}  // namespace pelmora::exchange
