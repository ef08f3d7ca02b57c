#include "corpus/overview.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <thread>
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

// The group of one key from its tokens in file and text order, as makeInconsistencyGroup makes it
// from their values in NFC. A group has few analyses, so each token's are found among them by a
// look at each; the values are copied once per analysis rather than once per token.
InconsistencyGroup makeGroup(const std::string& key, const ReadTokens& tokens, const std::vector<TokenRef>& refs)
{
    InconsistencyGroup group;
    group.kind = InconsistencyKind::Analyses;
    group.key = key;
    group.tokenCount = refs.size();
    std::vector<std::uint64_t> hashes;  // of each analysis of the group
    std::string lemmaStorage;
    std::string formStorage;
    std::string partOfSpeechStorage;
    for (const TokenRef ref : refs) {
        const CorpusFileSummary& file = tokens.file(ref);
        const TokenAnalysis& token = tokens.token(ref);
        const std::string_view lemma = nfcView(file.lemma(token), lemmaStorage);
        const std::string_view form = nfcView(file.form(token), formStorage);
        const std::string_view partOfSpeech = nfcView(file.partOfSpeech(token), partOfSpeechStorage);
        std::size_t at = 0;
        while (at < hashes.size() &&
               !(hashes[at] == token.analysisHash && group.analyses[at].lemma == lemma &&
                 group.analyses[at].form == form && group.analyses[at].partOfSpeech == partOfSpeech))
            ++at;
        if (at == hashes.size()) {
            hashes.push_back(token.analysisHash);
            group.analyses.push_back({std::string(lemma), std::string(form), std::string(partOfSpeech), {}});
        }
        group.analyses[at].tokens.push_back({file.file, std::string(file.tokenId(token))});
    }
    const auto values = [](const GroupAnalysis& a) { return std::tie(a.lemma, a.form, a.partOfSpeech); };
    std::sort(group.analyses.begin(), group.analyses.end(),
              [&values](const GroupAnalysis& a, const GroupAnalysis& b) { return values(a) < values(b); });
    std::stable_sort(group.analyses.begin(), group.analyses.end(),
                     [](const GroupAnalysis& a, const GroupAnalysis& b) { return a.tokens.size() > b.tokens.size(); });
    return group;
}

// The groups of the tokens of one key hash (in file and text order), sorted by key: each key whose
// tokens differ in their analyses and that has at least `minCount` tokens.
void addGroupsOfRun(const ReadTokens& tokens, std::vector<TokenRef>& run, std::size_t minCount,
                    std::vector<InconsistencyGroup>& groups)
{
    const std::string_view firstKey = tokens.key(run.front());
    if (!std::all_of(run.begin(), run.end(), [&](TokenRef ref) { return tokens.key(ref) == firstKey; }))
        std::stable_sort(run.begin(), run.end(),
                         [&tokens](TokenRef a, TokenRef b) { return tokens.key(a) < tokens.key(b); });
    std::vector<TokenRef> refs;
    for (std::size_t at = 0; at < run.size();) {
        const TokenRef first = run[at];
        refs.clear();
        bool differ = false;
        for (; at < run.size() && tokens.key(run[at]) == tokens.key(first); ++at) {
            differ = differ || !tokens.sameAnalysis(first, run[at]);
            refs.push_back(run[at]);
        }
        if (differ && refs.size() >= minCount)
            groups.push_back(makeGroup(std::string(tokens.key(first)), tokens, refs));
    }
}

// A token of the read by the hashes of its key and its analysis.
struct HashedToken {
    std::uint64_t keyHash = 0;
    std::uint64_t analysisHash = 0;
    TokenRef ref;
};

// The tokens [begin, end) of `byKey`: one key hash whose tokens' analyses differ.
struct Run {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The groups of the runs [from, to) (see addGroupsOfRun).
void addGroupsOfRuns(const ReadTokens& tokens, const std::vector<HashedToken>& byKey, const std::vector<Run>& runs,
                     std::size_t from, std::size_t to, std::size_t minCount, std::vector<InconsistencyGroup>& groups)
{
    std::vector<TokenRef> refs;
    for (std::size_t r = from; r < to; ++r) {
        refs.clear();
        for (std::size_t at = runs[r].begin; at < runs[r].end; ++at)
            refs.push_back(byKey[at].ref);
        addGroupsOfRun(tokens, refs, minCount, groups);
    }
}

// Every token of the read, by key hash and, within one hash, in file and text order. The tokens go
// into buckets by the hash's top bits in that order first; the buckets are small, so sorting each
// costs little more than the pass that fills them.
std::vector<HashedToken> tokensByKeyHash(const CorpusRead& read)
{
    constexpr int kShift = 48;
    std::vector<std::size_t> bucketStart((std::size_t{1} << (64 - kShift)) + 1, 0);
    for (const auto& file : read.files)
        for (const TokenAnalysis& token : file->analyses)
            ++bucketStart[(token.keyHash >> kShift) + 1];
    for (std::size_t b = 1; b < bucketStart.size(); ++b)
        bucketStart[b] += bucketStart[b - 1];
    std::vector<HashedToken> sorted(bucketStart.back());
    std::vector<std::size_t> next(bucketStart.begin(), bucketStart.end() - 1);
    for (std::uint32_t f = 0; f < read.files.size(); ++f) {
        const std::vector<TokenAnalysis>& analyses = read.files[f]->analyses;
        for (std::uint32_t t = 0; t < analyses.size(); ++t)
            sorted[next[analyses[t].keyHash >> kShift]++] = {analyses[t].keyHash, analyses[t].analysisHash, {f, t}};
    }
    const auto order = [](const HashedToken& a, const HashedToken& b) {
        return std::tie(a.keyHash, a.ref.file, a.ref.token) < std::tie(b.keyHash, b.ref.file, b.ref.token);
    };
    for (std::size_t b = 0; b + 1 < bucketStart.size(); ++b)
        if (bucketStart[b + 1] - bucketStart[b] > 1)
            std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(bucketStart[b]),
                      sorted.begin() + static_cast<std::ptrdiff_t>(bucketStart[b + 1]), order);
    return sorted;
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
    // A run of one key hash whose tokens all have one analysis hash is consistent, whatever keys
    // share the hash, and needs no look at the values. The others are grouped by the values
    // themselves, which also splits keys that share a hash.
    const ReadTokens tokens(read);
    const std::vector<HashedToken> byKey = tokensByKeyHash(read);
    std::vector<Run> runs;
    std::size_t runTokens = 0;
    for (std::size_t begin = 0; begin < byKey.size();) {
        std::size_t end = begin + 1;
        bool differ = false;
        for (; end < byKey.size() && byKey[end].keyHash == byKey[begin].keyHash; ++end)
            differ = differ || byKey[end].analysisHash != byKey[begin].analysisHash;
        if (differ && end - begin >= minCount) {
            runs.push_back({begin, end});
            runTokens += end - begin;
        }
        begin = end;
    }
    // The groups are made on two threads, each taking about half of the tokens; a group's making
    // reads the summaries only.
    std::size_t half = 0;
    for (std::size_t counted = 0; half < runs.size() && counted < runTokens / 2; ++half)
        counted += runs[half].end - runs[half].begin;
    std::vector<InconsistencyGroup> secondHalf;
    {
        const std::jthread second(
            [&] { addGroupsOfRuns(tokens, byKey, runs, half, runs.size(), minCount, secondHalf); });
        addGroupsOfRuns(tokens, byKey, runs, 0, half, minCount, result.groups);
    }
    result.groups.insert(result.groups.end(), std::make_move_iterator(secondHalf.begin()),
                         std::make_move_iterator(secondHalf.end()));
    sortInconsistencyGroups(result.groups);
    return result;
}

}  // namespace pelmora
