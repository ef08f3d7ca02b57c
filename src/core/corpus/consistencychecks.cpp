#include "corpus/consistencychecks.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace pelmora {

namespace {

std::string nfcTrimmed(std::string_view value)
{
    return toNfc(trimBlanks(value));
}

bool holds(const std::vector<DictionaryFormAnalysis>& analyses, const std::string& lemma, const std::string& form)
{
    return std::any_of(analyses.begin(), analyses.end(), [&](const DictionaryFormAnalysis& analysis) {
        return analysis.lemma == lemma && analysis.form == form;
    });
}

}  // namespace

std::vector<std::string> analysedKeys(const CorpusRead& read)
{
    std::vector<std::string> keys;
    for (const auto& file : read.files)
        for (const TokenAnalysis& token : file->analyses)
            keys.emplace_back(file->key(token));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

DictionaryForms dictionaryForms(const CDictionary& dictionary, const std::vector<std::string>& keys)
{
    DictionaryForms forms;
    if (!dictionary.isValid())
        return forms;
    for (const std::string& key : keys) {
        const std::vector<XmlNode> entries = dictionary.lookUpWordForm(key);
        if (entries.empty())
            continue;
        std::vector<DictionaryFormAnalysis>& analyses = forms[key];
        for (const XmlNode entry : entries) {
            DictionaryFormAnalysis analysis{nfcTrimmed(attributeValue(entry, dict::kFormLemma)),
                                            nfcTrimmed(attributeValue(entry, dict::kForm)), {}};
            if (analysis.form == "-")
                analysis.form.clear();
            if (const XmlNode lemma = dictionary.findLemma(analysis.lemma))
                analysis.partOfSpeech = nfcTrimmed(attributeValue(lemma, dict::kPartOfSpeech));
            analyses.push_back(std::move(analysis));
        }
    }
    return forms;
}

std::vector<InconsistencyGroup> findDictionaryMismatches(const CorpusRead& read, const DictionaryForms& forms)
{
    std::map<std::string, std::vector<PlacedAnalysis>> byKey;
    std::string key;
    for (const auto& file : read.files) {
        for (const TokenAnalysis& token : file->analyses) {
            key.assign(file->key(token));
            const auto found = forms.find(key);
            if (found == forms.end())
                continue;
            std::string lemma = nfcTrimmed(file->lemma(token));
            std::string form = nfcTrimmed(file->form(token));
            if (form == "-")
                form.clear();
            if (holds(found->second, lemma, form))
                continue;
            byKey[key].push_back({std::move(lemma), std::move(form), nfcTrimmed(file->partOfSpeech(token)),
                                  {file->file, std::string(file->tokenId(token))}});
        }
    }
    std::vector<InconsistencyGroup> groups;
    for (auto& [formKey, tokens] : byKey) {
        InconsistencyGroup group = makeInconsistencyGroup(InconsistencyKind::Dictionary, formKey, std::move(tokens));
        for (const DictionaryFormAnalysis& analysis : forms.at(formKey))
            group.analyses.push_back({analysis.lemma, analysis.form, analysis.partOfSpeech, {}, true});
        groups.push_back(std::move(group));
    }
    sortInconsistencyGroups(groups);
    return groups;
}

std::vector<InconsistencyGroup> findCombinationMismatches(const CorpusRead& read)
{
    // By combination lemma, the word's place and its key, the words in file and text order.
    std::map<std::tuple<std::string, std::uint32_t, std::string>, std::vector<PlacedAnalysis>> byWord;
    for (const auto& file : read.files)
        for (const CombinationPart& part : file->combinationParts)
            byWord[{part.combination, part.position, part.key}].push_back(
                {nfcTrimmed(part.lemma), nfcTrimmed(part.form), nfcTrimmed(part.partOfSpeech), {file->file, part.id}});
    std::vector<InconsistencyGroup> groups;
    for (auto& [word, tokens] : byWord) {
        const PlacedAnalysis& first = tokens.front();
        const bool differ = std::any_of(tokens.begin(), tokens.end(), [&first](const PlacedAnalysis& token) {
            return std::tie(token.lemma, token.form, token.partOfSpeech) !=
                   std::tie(first.lemma, first.form, first.partOfSpeech);
        });
        if (!differ)
            continue;
        InconsistencyGroup group =
            makeInconsistencyGroup(InconsistencyKind::Combination, std::get<2>(word), std::move(tokens));
        group.combination = std::get<0>(word);
        groups.push_back(std::move(group));
    }
    sortInconsistencyGroups(groups);
    return groups;
}

}  // namespace pelmora
