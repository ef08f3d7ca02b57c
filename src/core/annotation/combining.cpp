#include "annotation/combining.h"

#include "common/normalisation.h"
#include "annotation/localanalyser.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/combinations.h"
#include "text/stepnames.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

namespace {

std::vector<std::string> wordKeys(const std::vector<XmlNode>& words)
{
    std::vector<std::string> keys;
    for (const XmlNode word : words)
        keys.push_back(MakeWordFormKey(elementText(word)));
    return keys;
}

void addOnce(std::vector<CombinationCandidate>& candidates, CombinationCandidate candidate)
{
    // Offered in the normal form, so that two spellings of one combination are one candidate.
    for (std::string* value : {&candidate.lemma, &candidate.meaning, &candidate.partOfSpeech})
        normaliseInPlace(*value);
    if (candidate.lemma.empty())
        return;
    if (std::find_if(candidates.begin(), candidates.end(), [&](const CombinationCandidate& c) {
            return c.lemma == candidate.lemma && c.meaning == candidate.meaning &&
                   c.partOfSpeech == candidate.partOfSpeech;
        }) == candidates.end())
        candidates.push_back(std::move(candidate));
}

void addDictionaryCandidates(const std::vector<XmlNode>& words, std::vector<CombinationCandidate>& candidates,
                             const CDictionary& dictionary);

// The words' texts joined by blanks, as a multi-word entry spells them.
std::string joinedWords(const std::vector<XmlNode>& words)
{
    std::string joined;
    for (const XmlNode word : words)
        joined.append(joined.empty() ? "" : " ").append(elementText(word));
    return joined;
}

}  // namespace

std::vector<AnalyserCombination> analyserCombinations(const LocalAnalyser& analyser, XmlNode token)
{
    std::vector<AnalyserCombination> found;
    std::vector<XmlNode> sentence;
    for (XmlNode word = firstChildElement(token.parent(), text::kToken); word; word = nextSiblingElement(word, text::kToken))
        sentence.push_back(word);
    const auto at = static_cast<std::size_t>(std::find(sentence.begin(), sentence.end(), token) - sentence.begin());
    if (at >= sentence.size())
        return found;
    for (std::size_t length = 2; length <= 3; ++length) {
        for (std::size_t first = at + 1 >= length ? at + 1 - length : 0; first <= at && first + length <= sentence.size();
             ++first) {
            const std::vector<XmlNode> words(sentence.begin() + static_cast<std::ptrdiff_t>(first),
                                             sentence.begin() + static_cast<std::ptrdiff_t>(first + length));
            for (AnalysisReading& reading : analyser.analyse(joinedWords(words)))
                if (reading.lemma.find(' ') != std::string::npos)
                    found.push_back({words, std::move(reading)});
        }
    }
    return found;
}

std::vector<CombinationCandidate> combinationCandidates(const std::vector<XmlNode>& chosen, TextTokenIndex& index,
                                                        const CDictionary* dictionary, const LocalAnalyser* analyser)
{
    std::vector<CombinationCandidate> candidates;
    const std::vector<XmlNode> words = inPositionOrder(chosen);
    if (words.empty())
        return candidates;
    const std::vector<std::string> keys = wordKeys(words);

    // The text's combinations of the same words: start from the word whose key is rarest, and
    // look only at the combinations of the sentences it stands in.
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < keys.size(); ++i)
        if (index.tokensWithKey(keys[i]).size() < index.tokensWithKey(keys[rarest]).size())
            rarest = i;
    std::vector<XmlNode> seen;
    for (const TextTokenIndex::Entry& entry : index.tokensWithKey(keys[rarest])) {
        for (const XmlNode combination : combinationsContaining(entry.token)) {
            if (std::find(seen.begin(), seen.end(), combination) != seen.end())
                continue;
            seen.push_back(combination);
            const std::vector<XmlNode> others = combinationWords(combination);
            if (others == words || wordKeys(others) != keys)
                continue;
            addOnce(candidates, {std::string(attributeValue(combination, text::kCombinationLemma)),
                                 std::string(attributeValue(combination, text::kCombinationMeaning)),
                                 std::string(attributeValue(combination, text::kCombinationPartOfSpeech)), false});
        }
    }
    if (dictionary)
        addDictionaryCandidates(words, candidates, *dictionary);
    if (analyser) {
        for (const AnalysisReading& reading : analyser->analyse(joinedWords(words)))
            if (reading.lemma.find(' ') != std::string::npos)
                addOnce(candidates, {reading.lemma, {}, reading.partOfSpeech, false, true});
    }
    return candidates;
}

namespace {

// The dictionary's combinations under the proposed lemma, its lower case, the lemmas of the
// text's candidates and the words' own lemmas joined by blanks.
void addDictionaryCandidates(const std::vector<XmlNode>& words, std::vector<CombinationCandidate>& candidates,
                             const CDictionary& dictionary)
{
    std::vector<std::string> ids;
    auto addId = [&ids](std::string id) {
        normaliseInPlace(id);
        if (!id.empty() && std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(std::move(id));
    };
    const std::string proposed = proposedCombinationLemma(words);
    addId(proposed);
    addId(toLowerUnicode(proposed));
    for (const CombinationCandidate& fromText : candidates)
        addId(fromText.lemma);
    std::string lemmas;
    bool allHaveLemmas = true;
    for (const XmlNode word : words) {
        const std::string_view lemma = attributeValue(word, text::kLemma);
        allHaveLemmas = allHaveLemmas && !lemma.empty();
        lemmas.append(lemmas.empty() ? "" : " ").append(lemma);
    }
    if (allHaveLemmas)
        addId(lemmas);
    for (const std::string& id : ids) {
        for (const XmlNode analysis : dictionary.analyses(DictSection::Combinations, id))
            addOnce(candidates, {id, std::string(attributeValue(analysis, dict::kCombinationMeaning)),
                                 std::string(attributeValue(analysis, dict::kCombinationPartOfSpeech)), true});
    }
}

}  // namespace

XmlNode combineWords(CPelmoraDoc& doc, const std::vector<XmlNode>& words, const CombinationFields& fields,
                     CDictionary* dictionary, bool toDictionary)
{
    CPelmoraDoc::ChangeGroup group(doc, step::kCreateCombination);
    const XmlNode combination = createCombination(doc, words, fields);
    if (!combination || !toDictionary || !dictionary)
        return combination;
    const ChangeResult stored =
        dictionary->storeCombination(attributeValue(combination, text::kCombinationLemma),
                                     attributeValue(combination, text::kCombinationMeaning),
                                     attributeValue(combination, text::kCombinationPartOfSpeech));
    if (stored.saved)
        doc.renameChange(step::kCreateCombinationIntoDictionary);
    return combination;
}

}  // namespace pelmora
