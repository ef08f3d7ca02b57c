#include "io/tokencombinations.h"

#include "text/identifiers.h"
#include "text/textformat.h"

namespace pelmora {

using namespace text;

std::vector<CombinationValues> combinationsEndingAt(XmlNode token)
{
    std::vector<CombinationValues> result;
    if (attributeValue(token, kCombinationMark) != "+")
        return result;
    const std::string_view ownSuffix = tokenSuffix(attributeValue(token, kId));
    for (XmlNode combination = nextSiblingElement(token, kCombination); combination;
         combination = nextSiblingElement(combination, kCombination)) {
        const std::string_view id = attributeValue(combination, kId);
        if (tokenSuffix(id) != ownSuffix)
            continue;
        result.push_back({std::string(id), std::string(attributeValue(combination, kCombinationLemma)),
                          std::string(attributeValue(combination, kCombinationMeaning)),
                          std::string(attributeValue(combination, kCombinationPartOfSpeech))});
    }
    return result;
}

}  // namespace pelmora
