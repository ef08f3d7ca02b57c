#include "corpus/overview.h"

#include "common/strings.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace pelmora {

namespace {

CorpusRead readWith(CorpusCache* cache, const std::vector<std::string>& paths, bool withAnalyses,
                    const CorpusProgress& progress)
{
    CorpusCache own;
    return (cache ? *cache : own).read(paths, withAnalyses, progress);
}

bool ordinalLess(const std::string& a, const std::string& b)
{
    return compareOrdinal(a, b) < 0;
}

// The analyses of one key while they are gathered, by (lemma, form, part of speech).
using AnalysisMap = std::map<std::tuple<std::string, std::string, std::string>, std::vector<TokenPlace>>;

InconsistencyGroup makeGroup(const std::string& key, AnalysisMap& analyses)
{
    InconsistencyGroup group;
    group.key = key;
    for (auto& [analysis, tokens] : analyses) {
        group.tokenCount += tokens.size();
        group.analyses.push_back({std::get<0>(analysis), std::get<1>(analysis), std::get<2>(analysis), std::move(tokens)});
    }
    // The map gave them in analysis order; a stable sort keeps it among equal counts.
    std::stable_sort(group.analyses.begin(), group.analyses.end(),
                     [](const GroupAnalysis& a, const GroupAnalysis& b) { return a.tokens.size() > b.tokens.size(); });
    return group;
}

}  // namespace

double annotatedShare(const TextCounts& counts)
{
    return counts.toAnnotate > 0 ? double(counts.annotated) / double(counts.toAnnotate) : 0.0;
}

CorpusOverview readCorpusOverview(const std::vector<std::string>& paths, const CorpusProgress& progress,
                                  CorpusCache* cache)
{
    CorpusOverview overview;
    const CorpusRead read = readWith(cache, paths, false, progress);
    if (read.cancelled) {
        overview.cancelled = true;
        return overview;
    }
    for (const auto& file : read.files) {
        if (!file->read) {
            overview.errors.push_back(file->skipped);
            continue;
        }
        overview.texts.push_back({file->file, file->id, file->type, file->speakers, file->counts, file->modified});
        overview.totals += file->counts;
    }
    return overview;
}

InconsistencyResult findInconsistencies(const std::vector<std::string>& paths, std::size_t minCount,
                                        const CorpusProgress& progress, CorpusCache* cache)
{
    InconsistencyResult result;
    const CorpusRead read = readWith(cache, paths, true, progress);
    if (read.cancelled) {
        result.cancelled = true;
        return result;
    }
    // The analyses are gathered by key as pointers first; token places are made only for the
    // keys that turn out to have more than one analysis, which are few.
    std::unordered_map<std::string_view, std::vector<std::pair<const FileAnalysis*, const std::string*>>> byKey;
    for (const auto& file : read.files) {
        if (!file->read) {
            result.errors.push_back(file->skipped);
            continue;
        }
        for (const FileAnalysis& analysis : file->analyses)
            byKey[analysis.key].emplace_back(&analysis, &file->file);
    }
    for (const auto& [key, found] : byKey) {
        const FileAnalysis& first = *found.front().first;
        const bool differ = std::any_of(found.begin(), found.end(), [&first](const auto& entry) {
            const FileAnalysis& other = *entry.first;
            return other.lemma != first.lemma || other.form != first.form || other.partOfSpeech != first.partOfSpeech;
        });
        if (!differ)
            continue;
        AnalysisMap analyses;
        for (const auto& [analysis, file] : found) {
            std::vector<TokenPlace>& tokens = analyses[{analysis->lemma, analysis->form, analysis->partOfSpeech}];
            for (const std::string& id : analysis->tokenIds)
                tokens.push_back({*file, id});
        }
        InconsistencyGroup group = makeGroup(std::string(key), analyses);
        if (group.tokenCount >= minCount)
            result.groups.push_back(std::move(group));
    }
    std::stable_sort(result.groups.begin(), result.groups.end(), [](const auto& a, const auto& b) {
        return a.tokenCount != b.tokenCount ? a.tokenCount > b.tokenCount : ordinalLess(a.key, b.key);
    });
    return result;
}

}  // namespace pelmora
