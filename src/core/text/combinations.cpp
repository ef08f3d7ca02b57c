#include "text/combinations.h"

#include "common/normalisation.h"
#include "text/identifiers.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

using namespace text;

std::vector<int> combinationPositions(std::string_view id)
{
    std::vector<int> positions;
    const std::string_view suffix = combinationSuffix(id);
    if (suffix.empty())
        return positions;
    std::size_t start = 0;
    while (start <= suffix.size()) {
        const std::size_t end = std::min(suffix.find('_', start), suffix.size());
        positions.push_back(suffixNumber(suffix.substr(start, end - start)));
        start = end + 1;
    }
    return positions;
}

std::string combinationIdentifier(std::string_view sentencePrefix, const std::vector<int>& positions)
{
    std::string id(sentencePrefix);
    for (const int position : positions)
        id.append("_s").append(std::to_string(position));
    return id;
}

std::vector<XmlNode> combinationWords(XmlNode combination)
{
    std::vector<XmlNode> words;
    if (!isElement(combination, kCombination))
        return words;
    const std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
    const XmlNode sentence = combination.parent();
    for (const int position : positions) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
            if (tokenPosition(token) == position) {
                words.push_back(token);
                break;
            }
        }
    }
    return words;
}

std::vector<XmlNode> combinationsContaining(XmlNode token)
{
    std::vector<XmlNode> found;
    if (!isElement(token, kToken))
        return found;
    const int position = tokenPosition(token);
    if (position <= 0)
        return found;
    for (XmlNode combination = firstChildElement(token.parent(), kCombination); combination;
         combination = nextSiblingElement(combination, kCombination)) {
        const std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
        if (std::find(positions.begin(), positions.end(), position) != positions.end())
            found.push_back(combination);
    }
    return found;
}

std::vector<XmlNode> inPositionOrder(std::vector<XmlNode> words)
{
    std::stable_sort(words.begin(), words.end(),
                     [](XmlNode a, XmlNode b) { return tokenPosition(a) < tokenPosition(b); });
    return words;
}

std::string proposedCombinationLemma(const std::vector<XmlNode>& words)
{
    std::string lemma;
    for (const XmlNode word : inPositionOrder(words)) {
        if (!lemma.empty())
            lemma += ' ';
        lemma.append(elementText(word));
    }
    normaliseInPlace(lemma);
    return lemma;
}

}  // namespace pelmora
