#include "annotation/proposalranking.h"

#include "annotation/confirmedanalyses.h"
#include "annotation/formtag.h"
#include "annotation/textindex.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace pelmora {

namespace {

struct SourceNames {
    std::string_view code;
    std::string_view marker;
};

constexpr std::array<SourceNames, 7> kSourceNames{{
    {"dictionary", "sõnastik"},
    {"texts", "tekstid"},
    {"headword", "märksõna"},
    {"analyser", "analüsaator"},
    {"rules", "reeglid"},
    {"nonstandard", "mittenormatiivne"},
    {"guess", "oletus"},
}};

// The dictionary's word-form entries for a word: lemma, canonical form tag and weight.
struct DictionaryForm {
    std::string lemma;
    std::string form;
    long long weight = 0;
};

std::vector<DictionaryForm> dictionaryForms(const CDictionary* dictionary, const std::string& key)
{
    std::vector<DictionaryForm> forms;
    if (!dictionary)
        return forms;
    for (const XmlNode entry : dictionary->lookUpWordForm(key)) {
        const std::string_view form = attributeValue(entry, dict::kForm);
        forms.push_back({toNfc(attributeValue(entry, dict::kFormLemma)),
                         form.empty() ? std::string() : canonicalFormTag(form), analysisWeight(entry)});
    }
    return forms;
}

// How many tokens of the texts with this key confirm the lemma and form; with `exactForm` a token
// must carry the form itself.
std::uint32_t textCount(const Evidence& evidence, const std::string& key, const std::string& lemma,
                        const std::string& form, bool exactForm)
{
    std::uint32_t count = 0;
    if (evidence.openText) {
        for (const TextTokenIndex::Entry& entry : evidence.openText->tokensWithKey(key))
            if (tokenConfirms(entry.token, lemma, form) && (!exactForm || !attributeValue(entry.token, text::kForm).empty()))
                ++count;
    }
    if (evidence.texts)
        count += evidence.texts->count(key, lemma, form, evidence.openTextPath, exactForm);
    return count;
}

// The step of the order: 0 dictionary, 1 texts, 2 headword, 3 the rest.
int stepOf(ProposalSource source)
{
    switch (source) {
    case ProposalSource::Dictionary: return 0;
    case ProposalSource::Texts: return 1;
    case ProposalSource::Headword: return 2;
    default: return 3;
    }
}

}  // namespace

std::string_view proposalSourceCode(ProposalSource source)
{
    return kSourceNames[static_cast<std::size_t>(source)].code;
}

std::string_view proposalSourceMarker(ProposalSource source)
{
    return kSourceNames[static_cast<std::size_t>(source)].marker;
}

std::vector<RankedAnalysis> rankAnalyses(std::string_view word, const std::vector<AnalysisReading>& readings,
                                         const Evidence& evidence)
{
    const std::string key = MakeWordFormKey(word);
    const std::vector<DictionaryForm> entries = dictionaryForms(evidence.dictionary, key);
    std::vector<RankedAnalysis> ranked;
    for (const AnalysisReading& reading : readings) {
        RankedAnalysis analysis{reading};
        for (const DictionaryForm& entry : entries) {
            if (entry.lemma == reading.lemma && (entry.form.empty() || entry.form == reading.form)) {
                analysis.weight = analysis.confirmedByDictionary ? std::max(analysis.weight, entry.weight) : entry.weight;
                analysis.confirmedByDictionary = true;
            }
        }
        analysis.count = textCount(evidence, key, reading.lemma, reading.form, false);
        if (analysis.confirmedByDictionary)
            analysis.source = ProposalSource::Dictionary;
        else if (analysis.count > 0)
            analysis.source = ProposalSource::Texts;
        else if (evidence.dictionary && evidence.dictionary->findLemma(reading.lemma))
            analysis.source = ProposalSource::Headword;
        else
            analysis.source = reading.nonStandard ? ProposalSource::NonStandard : ProposalSource::Analyser;
        if (reading.guess)
            analysis.source = ProposalSource::Guess;
        ranked.push_back(std::move(analysis));
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const RankedAnalysis& a, const RankedAnalysis& b) {
        const auto order = [](const RankedAnalysis& r) {
            return std::make_tuple(r.reading.guess, stepOf(r.source), -r.weight, -static_cast<long long>(r.count),
                                   r.reading.nonStandard);
        };
        return order(a) < order(b);
    });
    return ranked;
}

std::vector<RankedForm> rankForms(std::string_view word, std::string_view headword,
                                  const std::vector<std::string>& forms, const Evidence& evidence)
{
    const std::string key = MakeWordFormKey(word);
    const std::string lemma = toNfc(headword);
    const std::vector<DictionaryForm> entries = dictionaryForms(evidence.dictionary, key);
    struct Scored {
        RankedForm form;
        long long weight = 0;
        std::uint32_t count = 0;
    };
    std::vector<Scored> scored;
    for (const std::string& form : forms) {
        Scored s{{form, ProposalSource::Rules}};
        const std::string canonical = canonicalFormTag(form);
        bool confirmed = false;
        for (const DictionaryForm& entry : entries) {
            if (entry.lemma == lemma && entry.form == canonical) {
                s.weight = confirmed ? std::max(s.weight, entry.weight) : entry.weight;
                confirmed = true;
            }
        }
        s.count = textCount(evidence, key, lemma, canonical, true);
        s.form.source = confirmed ? ProposalSource::Dictionary : s.count > 0 ? ProposalSource::Texts : ProposalSource::Rules;
        scored.push_back(std::move(s));
    }
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        return std::make_tuple(stepOf(a.form.source), -a.weight, -static_cast<long long>(a.count)) <
               std::make_tuple(stepOf(b.form.source), -b.weight, -static_cast<long long>(b.count));
    });
    std::vector<RankedForm> ranked;
    for (Scored& s : scored)
        ranked.push_back(std::move(s.form));
    return ranked;
}

}  // namespace pelmora
