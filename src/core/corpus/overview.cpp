#include "corpus/overview.h"

#include "common/strings.h"

#include <algorithm>
#include <map>
#include <tuple>

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
    std::map<std::string, AnalysisMap> byKey;
    for (const auto& file : read.files) {
        if (!file->read) {
            result.errors.push_back(file->skipped);
            continue;
        }
        for (const FileAnalysis& analysis : file->analyses) {
            std::vector<TokenPlace>& tokens =
                byKey[analysis.key][{analysis.lemma, analysis.form, analysis.partOfSpeech}];
            for (const std::string& id : analysis.tokenIds)
                tokens.push_back({file->file, id});
        }
    }
    for (auto& [key, analyses] : byKey) {
        if (analyses.size() < 2)
            continue;
        InconsistencyGroup group = makeGroup(key, analyses);
        if (group.tokenCount >= minCount)
            result.groups.push_back(std::move(group));
    }
    std::stable_sort(result.groups.begin(), result.groups.end(), [](const auto& a, const auto& b) {
        return a.tokenCount != b.tokenCount ? a.tokenCount > b.tokenCount : ordinalLess(a.key, b.key);
    });
    return result;
}

}  // namespace pelmora
