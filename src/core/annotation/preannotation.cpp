#include "annotation/preannotation.h"

#include "annotation/localanalyser.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/metadata.h"
#include "text/pelmoradoc.h"
#include "text/stepnames.h"
#include "text/textformat.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <unordered_map>

namespace pelmora {

namespace {

// What one word form is filled with; nothing when it stays empty.
struct Filling {
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
    std::string meaning;
    std::string latvian;
    std::string english;
};

enum class Outcome { Filled, Ambiguous, Unknown };

struct Decision {
    Outcome outcome = Outcome::Unknown;
    Filling filling;
};

// The dictionary's heaviest lemma entry of the part of speech (any one when it is empty).
XmlNode lemmaEntry(const CDictionary* dictionary, const std::string& lemma, const std::string& partOfSpeech)
{
    if (!dictionary)
        return {};
    XmlNode best;
    for (const XmlNode entry : dictionary->analyses(DictSection::Lemmas, lemma)) {
        if (!partOfSpeech.empty() && attributeValue(entry, dict::kPartOfSpeech) != partOfSpeech)
            continue;
        if (!best || analysisWeight(entry) > analysisWeight(best))
            best = entry;
    }
    return best;
}

Decision decide(const std::string& word, const std::vector<AnalysisReading>& readings, const Evidence& evidence,
                double factor)
{
    const std::vector<RankedAnalysis> ranked = rankAnalyses(word, readings, evidence);
    const bool onlyGuesses = std::all_of(ranked.begin(), ranked.end(), [](const RankedAnalysis& r) { return r.reading.guess; });
    if (onlyGuesses)
        return {};
    const RankedAnalysis* best = unambiguousAnalysis(ranked, factor);
    if (!best)
        return {Outcome::Ambiguous, {}};
    Filling filling{best->reading.lemma, best->reading.form, best->reading.partOfSpeech, {}, {}, {}};
    if (const XmlNode entry = lemmaEntry(evidence.dictionary, filling.lemma, filling.partOfSpeech)) {
        if (filling.partOfSpeech.empty())
            filling.partOfSpeech = std::string(attributeValue(entry, dict::kPartOfSpeech));
        filling.meaning = std::string(attributeValue(entry, dict::kMeaning));
        filling.latvian = std::string(attributeValue(entry, dict::kLatvian));
        filling.english = std::string(attributeValue(entry, dict::kEnglish));
    }
    return {Outcome::Filled, std::move(filling)};
}

// The analyses of each word, looked up on two threads (the transducer may be read from several
// at once; a long text has tens of thousands of different words).
std::vector<std::vector<AnalysisReading>> analyseAll(const std::vector<std::string>& words, const LocalAnalyser& analyser)
{
    std::vector<std::vector<AnalysisReading>> readings(words.size());
    const auto range = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            readings[i] = analyser.analyse(words[i]);
    };
    const std::size_t half = words.size() / 2;
    if (half < 256 || std::thread::hardware_concurrency() < 2) {
        range(0, words.size());
        return readings;
    }
    std::jthread other(range, half, words.size());
    range(0, half);
    return readings;
}

// The language of the text ("keel" of its metadata), "" when it names none.
std::string textLanguage(const CPelmoraDoc& doc)
{
    const XmlNode info = firstChildElement(doc.body().parent(), text::kInfo);
    return std::string(elementText(firstChildElement(info, meta::kLanguage)));
}

std::string valueOrEmpty(const std::string& value)
{
    return value == "-" ? std::string() : value;
}

void fill(CPelmoraDoc& doc, XmlNode token, const Filling& filling)
{
    doc.setTokenAttribute(token, TokenAttribute::Lemma, filling.lemma);
    doc.setTokenAttribute(token, TokenAttribute::Form, filling.form);
    doc.setTokenAttribute(token, TokenAttribute::PartOfSpeech, valueOrEmpty(filling.partOfSpeech));
    doc.setTokenAttribute(token, TokenAttribute::Meaning, valueOrEmpty(filling.meaning));
    doc.setTokenAttribute(token, TokenAttribute::Latvian, valueOrEmpty(filling.latvian));
    doc.setTokenAttribute(token, TokenAttribute::English, valueOrEmpty(filling.english));
    doc.setNodeAttribute(token, text::kAuto, "+");
}

}  // namespace

const RankedAnalysis* unambiguousAnalysis(const std::vector<RankedAnalysis>& ranked, double factor)
{
    std::vector<const RankedAnalysis*> candidates;
    for (const RankedAnalysis& analysis : ranked)
        if (!analysis.reading.guess)
            candidates.push_back(&analysis);
    if (candidates.size() == 1)
        return candidates.front();
    if (candidates.empty() || !candidates.front()->confirmedByDictionary)
        return nullptr;
    double others = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        others += candidates[i]->confirmedByDictionary ? static_cast<double>(std::max(1LL, candidates[i]->weight)) : 1.0;
    return static_cast<double>(std::max(1LL, candidates.front()->weight)) >= factor * others ? candidates.front() : nullptr;
}

PreannotationResult preannotateText(CPelmoraDoc& doc, const LocalAnalyser& analyser, const CDictionary* dictionary,
                                    double factor, const PreannotationProgress& progress)
{
    PreannotationResult result;
    std::vector<XmlNode> tokens;
    for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence))
        for (XmlNode token = firstChildElement(sentence, text::kToken); token; token = nextSiblingElement(token, text::kToken))
            tokens.push_back(token);
    const std::string language = textLanguage(doc);
    const Evidence evidence{dictionary, nullptr, nullptr, {}};
    // The tokens to fill, and each spelling once: words repeat, and each is looked up and decided once.
    std::vector<std::pair<XmlNode, std::size_t>> considered;
    std::vector<std::string> words;
    std::unordered_map<std::string, std::size_t> wordIndex;
    wordIndex.reserve(tokens.size() / 4);
    for (const XmlNode token : tokens) {
        const std::string_view meta = attributeValue(token, text::kMeta);
        const std::string_view tokenLanguage = attributeValue(token, text::kLanguage);
        if (!attributeValue(token, text::kLemma).empty() || (!meta.empty() && meta != "-") ||
            (!tokenLanguage.empty() && tokenLanguage != language))
            continue;
        const auto [found, added] = wordIndex.try_emplace(std::string(elementText(token)), words.size());
        if (added)
            words.push_back(found->first);
        considered.emplace_back(token, found->second);
    }
    if (progress && !progress(0, considered.size())) {
        result.cancelled = true;
        return result;
    }
    const std::vector<std::vector<AnalysisReading>> readings = analyseAll(words, analyser);
    std::vector<Decision> decisions;
    decisions.reserve(words.size());
    for (std::size_t w = 0; w < words.size(); ++w)
        decisions.push_back(decide(words[w], readings[w], evidence, factor));
    const std::size_t reportEvery = std::max<std::size_t>(256, considered.size() / 200);
    CPelmoraDoc::ChangeGroup group(doc, step::kPreannotate);  // the whole run is one step to undo
    for (std::size_t i = 0; i < considered.size(); ++i) {
        if (progress && (i + 1) % reportEvery == 0 && !progress(i + 1, considered.size())) {
            doc.cancelChanges();
            result = {};
            result.cancelled = true;
            doc.updateAllViews();
            return result;
        }
        ++result.considered;
        const Decision& decision = decisions[considered[i].second];
        switch (decision.outcome) {
        case Outcome::Filled:
            fill(doc, considered[i].first, decision.filling);
            ++result.filled;
            break;
        case Outcome::Ambiguous: ++result.ambiguous; break;
        case Outcome::Unknown: ++result.unknown; break;
        }
    }
    doc.updateAllViews();
    return result;
}

std::string preannotationReport(const PreannotationResult& result)
{
    return formatText(QT_TRANSLATE_NOOP("core", "Eelmärgendatud sõnesid: %s\n"
                                                "Mitme võimaliku analüüsiga (jäid märgendamata): %s\n"
                                                "Analüsaatorile tundmatuid: %s"),
                      {std::to_string(result.filled), std::to_string(result.ambiguous),
                       std::to_string(result.unknown)});
}

}  // namespace pelmora
