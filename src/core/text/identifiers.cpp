#include "text/identifiers.h"

#include "common/strings.h"
#include "text/textformat.h"

#include <charconv>

namespace pelmora {

using namespace text;

std::string sentenceId(int sentence)
{
    return "l" + std::to_string(sentence);
}

std::string tokenIdentifier(std::string_view sentencePrefix, int position)
{
    return std::string(sentencePrefix) + "_s" + std::to_string(position);
}

std::string tokenId(int sentence, int token)
{
    return tokenIdentifier(sentenceId(sentence), token);
}

std::string nextSentenceId(std::string_view sentenceId)
{
    if (sentenceId.empty())
        return {};
    const long long number = leadingInteger(sentenceId.substr(1));
    return "l" + std::to_string(number + 1);
}

std::string_view tokenSuffix(std::string_view id)
{
    const std::size_t at = id.rfind('_');
    return at == std::string_view::npos ? id : id.substr(at + 1);
}

std::string_view combinationSuffix(std::string_view id)
{
    const std::size_t at = id.find('_');
    return at == std::string_view::npos ? std::string_view() : id.substr(at + 1);
}

int suffixNumber(std::string_view suffix)
{
    std::string digits;
    for (const char c : suffix)
        if (c != 's')
            digits.push_back(c);
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

int tokenPosition(XmlNode token)
{
    return suffixNumber(tokenSuffix(attributeValue(token, kId)));
}

std::string sentencePrefix(XmlNode token)
{
    const std::string_view sentence = attributeValue(token.parent(), kId);
    if (!sentence.empty())
        return std::string(sentence);
    const std::string_view id = attributeValue(token, kId);
    const std::size_t at = id.rfind('_');
    return std::string(at == std::string_view::npos ? std::string_view() : id.substr(0, at));
}

}  // namespace pelmora
