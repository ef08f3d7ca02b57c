#include "annotation/analysisreading.h"

#include "annotation/analysertags.h"
#include "common/normalisation.h"

#include <algorithm>

namespace pelmora {

namespace {

// Copies the analysis without its "@...@" symbols: an "@", at least one character that is
// neither "@", "+" nor white space, and a closing "@".
void removeSymbols(std::string_view analysis, std::string& out)
{
    out.clear();
    out.reserve(analysis.size());
    std::size_t at = 0;
    while (at < analysis.size()) {
        if (analysis[at] == '@') {
            std::size_t end = at + 1;
            while (end < analysis.size() && analysis[end] != '@' && analysis[end] != '+' && analysis[end] != ' ' &&
                   analysis[end] != '\t' && analysis[end] != '\n' && analysis[end] != '\r')
                ++end;
            if (end < analysis.size() && analysis[end] == '@' && end > at + 1) {
                at = end + 1;
                continue;
            }
        }
        out.push_back(analysis[at++]);
    }
}

// Whether the "+" at `plus` starts a tag.
bool startsTag(std::string_view text, std::size_t plus)
{
    if (plus + 1 >= text.size())
        return false;
    const char next = text[plus + 1];
    if ((next >= 'A' && next <= 'Z') || next == '?')
        return true;
    const std::size_t end = std::min(text.find('+', plus + 1), text.size());
    return text.substr(plus + 1, end - plus - 1).find('/') != std::string_view::npos;
}

}  // namespace

SplitAnalysis splitAnalysis(std::string_view analysis, std::string& storage)
{
    removeSymbols(analysis, storage);
    const std::string_view text = storage;
    SplitAnalysis split;
    std::size_t plus = text.find('+');
    while (plus != std::string_view::npos && !startsTag(text, plus))
        plus = text.find('+', plus + 1);
    split.lemma = text.substr(0, std::min(plus, text.size()));
    while (plus != std::string_view::npos) {
        const std::size_t end = text.find('+', plus + 1);
        const std::string_view tag = text.substr(plus + 1, (end == std::string_view::npos ? text.size() : end) - plus - 1);
        if (!tag.empty())
            split.tags.push_back(tag);
        plus = end;
    }
    return split;
}

std::optional<AnalysisReading> readAnalysis(std::string_view analysis, std::vector<std::string>* unknownTags)
{
    std::string storage;
    const SplitAnalysis split = splitAnalysis(analysis, storage);
    if (split.lemma.empty())
        return std::nullopt;
    MappedTags mapped = mapAnalyserTags(split.tags);
    if (unknownTags) {
        for (std::string& tag : mapped.unknown)
            if (std::find(unknownTags->begin(), unknownTags->end(), tag) == unknownTags->end())
                unknownTags->push_back(std::move(tag));
    }
    if (mapped.drop)
        return std::nullopt;
    return AnalysisReading{toNfc(split.lemma), std::move(mapped.partOfSpeech), std::move(mapped.form),
                           mapped.guess, mapped.nonStandard, mapped.acronym};
}

std::vector<AnalysisReading> readAnalyses(const std::vector<std::string>& analyses, std::vector<std::string>* unknownTags)
{
    std::vector<AnalysisReading> readings;
    for (const std::string& analysis : analyses) {
        std::optional<AnalysisReading> reading = readAnalysis(analysis, unknownTags);
        if (!reading)
            continue;
        const auto same = std::find_if(readings.begin(), readings.end(), [&](const AnalysisReading& r) {
            return r.lemma == reading->lemma && r.partOfSpeech == reading->partOfSpeech && r.form == reading->form;
        });
        if (same == readings.end()) {
            readings.push_back(std::move(*reading));
            continue;
        }
        same->guess = same->guess && reading->guess;
        same->nonStandard = same->nonStandard && reading->nonStandard;
        same->acronym = same->acronym && reading->acronym;
    }
    return readings;
}

}  // namespace pelmora
