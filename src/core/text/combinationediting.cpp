#include "text/combinationediting.h"

#include "common/strings.h"
#include "common/translation.h"
#include "text/combinations.h"
#include "text/identifiers.h"
#include "text/stepnames.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kTooFewWords = QT_TRANSLATE_NOOP("core", "Ühendis peab olema vähemalt kaks sõna.");
constexpr const char* kWordsOfOneSentence = QT_TRANSLATE_NOOP("core", "Ühendi sõnad peavad olema ühes lauses.");
constexpr const char* kWordWithoutPosition =
    QT_TRANSLATE_NOOP("core", "Ühendi sõnal puudub korrektne ID, ühendit ei saa luua.");
constexpr const char* kEmptyLemma = QT_TRANSLATE_NOOP("core", "Ühendi märksõna ei saa olla tühi.");
constexpr const char* kCombinationExists = QT_TRANSLATE_NOOP("core", "Nendest sõnadest on ühend juba olemas.");

std::string_view withoutDash(std::string_view value)
{
    const std::string_view trimmed = trimBlanks(value);
    return trimmed == "-" ? std::string_view() : trimmed;
}

// The different tokens among the words, in the order given.
std::vector<XmlNode> distinctTokens(const std::vector<XmlNode>& words)
{
    std::vector<XmlNode> distinct;
    for (const XmlNode word : words)
        if (isElement(word, kToken) && std::find(distinct.begin(), distinct.end(), word) == distinct.end())
            distinct.push_back(word);
    return distinct;
}

// The words' own positions, ascending.
std::vector<int> sortedPositions(const std::vector<XmlNode>& words)
{
    std::vector<int> positions;
    for (const XmlNode word : words)
        positions.push_back(tokenPosition(word));
    std::sort(positions.begin(), positions.end());
    return positions;
}

}  // namespace

std::string combinationRefusal(const std::vector<XmlNode>& words)
{
    const std::vector<XmlNode> distinct = distinctTokens(words);
    if (distinct.size() < 2)
        return kTooFewWords;
    const XmlNode sentence = distinct.front().parent();
    if (!isElement(sentence, kSentence) ||
        std::any_of(distinct.begin(), distinct.end(), [&](XmlNode w) { return w.parent() != sentence; }))
        return kWordsOfOneSentence;
    // The identifier names the words by their own positions, which must be there and differ.
    const std::vector<int> positions = sortedPositions(distinct);
    if (positions.front() <= 0 || std::adjacent_find(positions.begin(), positions.end()) != positions.end())
        return kWordWithoutPosition;
    const std::string id = combinationIdentifier(sentencePrefix(distinct.front()), positions);
    for (XmlNode other = firstChildElement(sentence, kCombination); other;
         other = nextSiblingElement(other, kCombination))
        if (attributeValue(other, kId) == id)
            return kCombinationExists;
    return {};
}

XmlNode createCombination(CPelmoraDoc& doc, const std::vector<XmlNode>& words, const CombinationFields& fields)
{
    if (const std::string refusal = combinationRefusal(words); !refusal.empty()) {
        doc.prompter().error(refusal);
        return {};
    }
    const std::string_view lemma = withoutDash(fields.lemma);
    if (lemma.empty()) {
        doc.prompter().error(kEmptyLemma);
        return {};
    }
    const std::vector<XmlNode> distinct = distinctTokens(words);
    const XmlNode sentence = distinct.front().parent();
    const std::string id = combinationIdentifier(sentencePrefix(distinct.front()), sortedPositions(distinct));

    // The combination follows its last word in text order, after the combinations already
    // standing there, so the readers that look for it after that word find it.
    XmlNode after;
    for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken))
        if (std::find(distinct.begin(), distinct.end(), token) != distinct.end())
            after = token;
    for (XmlNode next = after.next_sibling(); isElement(next, kCombination); next = next.next_sibling())
        after = next;

    CPelmoraDoc::ChangeGroup group(doc, step::kCreateCombination);
    const XmlNode combination = doc.insertElementAfter(sentence, kCombination, after);
    if (!combination) {
        doc.cancelChanges();
        return {};
    }
    doc.setNodeAttribute(combination, kId, id);
    doc.setNodeAttribute(combination, kCombinationLemma, lemma);
    doc.setNodeAttribute(combination, kCombinationMeaning, withoutDash(fields.meaning));
    doc.setNodeAttribute(combination, kCombinationPartOfSpeech, withoutDash(fields.partOfSpeech));
    for (const XmlNode word : distinct)
        doc.setNodeAttribute(word, kCombinationMark, "+");
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return combination;
}

bool removeCombination(CPelmoraDoc& doc, XmlNode combination)
{
    if (!isElement(combination, kCombination) || !isElement(combination.parent(), kSentence))
        return false;
    const XmlNode sentence = combination.parent();
    const std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
    CPelmoraDoc::ChangeGroup group(doc, step::kRemoveCombination);
    if (!doc.removeNode(combination)) {
        doc.cancelChanges();
        return false;
    }
    dropStaleMarks(doc, sentence, positions);
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return true;
}

void dropStaleMarks(CPelmoraDoc& doc, XmlNode sentence, const std::vector<int>& positions)
{
    if (positions.empty())
        return;
    std::vector<int> stillCombined;
    for (XmlNode combination = firstChildElement(sentence, kCombination); combination;
         combination = nextSiblingElement(combination, kCombination)) {
        const std::vector<int> own = combinationPositions(attributeValue(combination, kId));
        stillCombined.insert(stillCombined.end(), own.begin(), own.end());
    }
    for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
        const int position = tokenPosition(token);
        if (std::find(positions.begin(), positions.end(), position) != positions.end() &&
            std::find(stillCombined.begin(), stillCombined.end(), position) == stillCombined.end())
            doc.setNodeAttribute(token, kCombinationMark, "");
    }
}

}  // namespace pelmora
