#include "corpus/overview.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
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

// A token of the read files: the file's place in the read, the token's in the file's analyses.
struct TokenRef {
    std::uint32_t file = 0;
    std::uint32_t token = 0;
};

// The tokens of one read by reference, with their files; holds a reference to the read.
class ReadTokens {
public:
    explicit ReadTokens(const CorpusRead& read) : m_read(read) {}

    const CorpusFileSummary& file(TokenRef ref) const { return *m_read.files[ref.file]; }
    const TokenAnalysis& token(TokenRef ref) const { return file(ref).analyses[ref.token]; }
    std::string_view key(TokenRef ref) const { return file(ref).key(token(ref)); }

    // Equal lemma, form and part of speech, normalisation ignored.
    bool sameAnalysis(TokenRef a, TokenRef b) const
    {
        const CorpusFileSummary& fa = file(a);
        const CorpusFileSummary& fb = file(b);
        const TokenAnalysis& ta = token(a);
        const TokenAnalysis& tb = token(b);
        return sameText(fa.lemma(ta), fb.lemma(tb)) && sameText(fa.form(ta), fb.form(tb)) &&
               sameText(fa.partOfSpeech(ta), fb.partOfSpeech(tb));
    }

private:
    const CorpusRead& m_read;
};

// The group of one key from its tokens in file and text order.
InconsistencyGroup makeGroup(const std::string& key, const ReadTokens& tokens, const std::vector<TokenRef>& refs)
{
    std::vector<PlacedAnalysis> items;
    items.reserve(refs.size());
    for (const TokenRef ref : refs) {
        const CorpusFileSummary& file = tokens.file(ref);
        const TokenAnalysis& token = tokens.token(ref);
        items.push_back({toNfc(file.lemma(token)), toNfc(file.form(token)), toNfc(file.partOfSpeech(token)),
                         {file.file, std::string(file.tokenId(token))}});
    }
    return makeInconsistencyGroup(InconsistencyKind::Analyses, key, std::move(items));
}

// The groups of the tokens [begin, end) of one key hash, sorted by key: each key whose tokens
// differ in their analyses and that has at least `minCount` tokens.
void addGroupsOfRun(const ReadTokens& tokens, const std::vector<std::pair<std::uint64_t, TokenRef>>& byKey,
                    std::size_t begin, std::size_t end, std::size_t minCount, std::vector<InconsistencyGroup>& groups)
{
    std::vector<TokenRef> refs;
    for (std::size_t at = begin; at < end;) {
        const TokenRef first = byKey[at].second;
        refs.clear();
        bool differ = false;
        for (; at < end && tokens.key(byKey[at].second) == tokens.key(first); ++at) {
            differ = differ || !tokens.sameAnalysis(first, byKey[at].second);
            refs.push_back(byKey[at].second);
        }
        if (differ && refs.size() >= minCount)
            groups.push_back(makeGroup(std::string(tokens.key(first)), tokens, refs));
    }
}

}  // namespace

InconsistencyGroup makeInconsistencyGroup(InconsistencyKind kind, std::string key, std::vector<PlacedAnalysis> tokens)
{
    const auto values = [](const PlacedAnalysis& item) { return std::tie(item.lemma, item.form, item.partOfSpeech); };
    // By lemma, form and part of speech, the tokens of each in the order given.
    std::stable_sort(tokens.begin(), tokens.end(),
                     [&values](const PlacedAnalysis& a, const PlacedAnalysis& b) { return values(a) < values(b); });
    InconsistencyGroup group;
    group.kind = kind;
    group.key = std::move(key);
    group.tokenCount = tokens.size();
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        PlacedAnalysis& item = tokens[at];
        if (at == 0 || values(item) != values(tokens[at - 1]))
            group.analyses.push_back({item.lemma, item.form, item.partOfSpeech, {}});
        group.analyses.back().tokens.push_back(std::move(item.place));
    }
    // The most tokens first; among equals the order above stays.
    std::stable_sort(group.analyses.begin(), group.analyses.end(),
                     [](const GroupAnalysis& a, const GroupAnalysis& b) { return a.tokens.size() > b.tokens.size(); });
    return group;
}

void sortInconsistencyGroups(std::vector<InconsistencyGroup>& groups)
{
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return a.tokenCount != b.tokenCount ? a.tokenCount > b.tokenCount : ordinalLess(a.key, b.key);
    });
}

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
    const CorpusRead read = readWith(cache, paths, true, progress);
    if (read.cancelled) {
        InconsistencyResult result;
        result.cancelled = true;
        return result;
    }
    return findInconsistencies(read, minCount);
}

InconsistencyResult findInconsistencies(const CorpusRead& read, std::size_t minCount)
{
    InconsistencyResult result;
    for (const auto& file : read.files)
        if (!file->read)
            result.errors.push_back(file->skipped);
    // Every token by the hash of its key, so that sorting brings each key's tokens together in
    // file and text order; a run of one hash is split by the keys themselves.
    const ReadTokens tokens(read);
    std::vector<std::pair<std::uint64_t, TokenRef>> byKey;
    std::size_t total = 0;
    for (const auto& file : read.files)
        total += file->analyses.size();
    byKey.reserve(total);
    for (std::uint32_t f = 0; f < read.files.size(); ++f) {
        const std::vector<TokenAnalysis>& analyses = read.files[f]->analyses;
        for (std::uint32_t t = 0; t < analyses.size(); ++t)
            byKey.push_back({analyses[t].keyHash, {f, t}});
    }
    std::sort(byKey.begin(), byKey.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, a.second.file, a.second.token) < std::tie(b.first, b.second.file, b.second.token);
    });
    for (std::size_t begin = 0; begin < byKey.size();) {
        std::size_t end = begin + 1;
        while (end < byKey.size() && byKey[end].first == byKey[begin].first)
            ++end;
        if (end - begin > 1) {
            std::stable_sort(byKey.begin() + static_cast<std::ptrdiff_t>(begin), byKey.begin() + static_cast<std::ptrdiff_t>(end),
                             [&tokens](const auto& a, const auto& b) { return tokens.key(a.second) < tokens.key(b.second); });
            addGroupsOfRun(tokens, byKey, begin, end, minCount, result.groups);
        }
        begin = end;
    }
    sortInconsistencyGroups(result.groups);
    return result;
}

}  // namespace pelmora
