#include "exchange/tokenising.h"

#include "io/tokeniser.h"

namespace pelmora::exchange {

std::vector<SentenceToken> tokensOfSentence(std::string_view sentence)
{
    std::vector<SentenceToken> tokens;
    for (SplitToken& split : splitIntoTokens(sentence)) {
        SentenceToken token{std::move(split.text), {}};
        // The plain-text import's automatic reasons: no letter or digit is punctuation, a leading
        // digit a number.
        if (split.punctuation)
            token.reason = "vahemärk";
        if (token.text.front() >= '0' && token.text.front() <= '9')
            token.reason = "number";
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace pelmora::exchange
