// Cutting a transcribed sentence into tokens, for imports whose sentences come without tokens (an
// EAF transcription tier without a word tier). The one place an import tokenises.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

struct SentenceToken {
    std::string text;
    std::string reason;  // "vahemärk" or "number" as the plain-text import gives them, else ""
};

// The tokens of a sentence of an oral text, cut as the plain-text import cuts a line (every mark at
// a word's ends a token of its own, elisions such as "(u)m" kept in the word), with the reasons the
// plain-text import gives.
std::vector<SentenceToken> tokensOfSentence(std::string_view sentence);

}  // namespace pelmora::exchange
