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

using TokenRef = InconsistencyIndex::Ref;

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

// Whether two tokens' lemma, form and part of speech are written byte for byte alike.
bool writtenAlike(const ReadTokens& tokens, TokenRef a, TokenRef b)
{
    const CorpusFileSummary& fa = tokens.file(a);
    const CorpusFileSummary& fb = tokens.file(b);
    const TokenAnalysis& ta = tokens.token(a);
    const TokenAnalysis& tb = tokens.token(b);
    return fa.lemma(ta) == fb.lemma(tb) && fa.form(ta) == fb.form(tb) && fa.partOfSpeech(ta) == fb.partOfSpeech(tb);
}

// The groups of one key hash's tokens (in file and text order): each key whose tokens differ in
// their analyses and that has at least `minCount` tokens, its tokens added to `refs`.
void addGroupsOfRun(const ReadTokens& tokens, std::vector<TokenRef>& run, std::size_t minCount,
                    std::vector<TokenRef>& refs, std::vector<std::pair<std::size_t, std::size_t>>& groups)
{
    const std::string_view firstKey = tokens.key(run.front());
    if (!std::all_of(run.begin(), run.end(), [&](TokenRef ref) { return tokens.key(ref) == firstKey; }))
        std::stable_sort(run.begin(), run.end(),
                         [&tokens](TokenRef a, TokenRef b) { return tokens.key(a) < tokens.key(b); });
    for (std::size_t at = 0; at < run.size();) {
        const TokenRef first = run[at];
        const std::size_t begin = at;
        bool differ = false;
        for (; at < run.size() && tokens.key(run[at]) == tokens.key(first); ++at)
            differ = differ || !tokens.sameAnalysis(first, run[at]);
        if (differ && at - begin >= minCount) {
            groups.emplace_back(refs.size(), refs.size() + (at - begin));
            refs.insert(refs.end(), run.begin() + static_cast<std::ptrdiff_t>(begin),
                        run.begin() + static_cast<std::ptrdiff_t>(at));
        }
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
                     std::size_t from, std::size_t to, std::size_t minCount, std::vector<TokenRef>& refs,
                     std::vector<std::pair<std::size_t, std::size_t>>& groups)
{
    std::vector<TokenRef> run;
    for (std::size_t r = from; r < to; ++r) {
        run.clear();
        for (std::size_t at = runs[r].begin; at < runs[r].end; ++at)
            run.push_back(byKey[at].ref);
        addGroupsOfRun(tokens, run, minCount, refs, groups);
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

// The runs of `byKey` with one key hash, at least `minCount` tokens and more than one analysis
// hash. A run whose tokens all have one analysis hash is consistent, whatever keys share the hash,
// and needs no look at the values; the others are grouped by the values themselves, which also
// splits keys that share a hash.
std::vector<Run> runsThatDiffer(const std::vector<HashedToken>& byKey, std::size_t minCount)
{
    std::vector<Run> runs;
    for (std::size_t begin = 0; begin < byKey.size();) {
        std::size_t end = begin + 1;
        bool differ = false;
        for (; end < byKey.size() && byKey[end].keyHash == byKey[begin].keyHash; ++end)
            differ = differ || byKey[end].analysisHash != byKey[begin].analysisHash;
        if (differ && end - begin >= minCount)
            runs.push_back({begin, end});
        begin = end;
    }
    return runs;
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

InconsistencyIndex::InconsistencyIndex(const CorpusRead& read, std::size_t minCount) : m_read(read)
{
    const ReadTokens tokens(read);
    const std::vector<HashedToken> byKey = tokensByKeyHash(read);
    const std::vector<Run> runs = runsThatDiffer(byKey, minCount);
    // The runs are looked at on two threads, each taking about half of the tokens.
    std::size_t runTokens = 0;
    for (const Run& run : runs)
        runTokens += run.end - run.begin;
    std::size_t half = 0;
    for (std::size_t counted = 0; half < runs.size() && counted < runTokens / 2; ++half)
        counted += runs[half].end - runs[half].begin;
    std::vector<std::pair<std::size_t, std::size_t>> groups;
    std::vector<std::pair<std::size_t, std::size_t>> secondGroups;
    std::vector<TokenRef> secondRefs;
    {
        const std::jthread second([&] {
            addGroupsOfRuns(tokens, byKey, runs, half, runs.size(), minCount, secondRefs, secondGroups);
        });
        addGroupsOfRuns(tokens, byKey, runs, 0, half, minCount, m_refs, groups);
    }
    const std::size_t offset = m_refs.size();
    m_refs.insert(m_refs.end(), secondRefs.begin(), secondRefs.end());
    for (const auto& [begin, end] : secondGroups)
        groups.emplace_back(begin + offset, end + offset);
    sortGroups(groups);
}

// The most tokens first, then by key (no two groups have one key); the keys' first bytes are
// taken out once, so that most comparisons read no key.
void InconsistencyIndex::sortGroups(const std::vector<std::pair<std::size_t, std::size_t>>& groups)
{
    struct Sorted {
        std::size_t count;
        std::uint64_t prefix;
        std::string_view key;
        Group group;
    };
    const ReadTokens tokens(m_read);
    std::vector<Sorted> sorted;
    sorted.reserve(groups.size());
    for (const auto& [begin, end] : groups) {
        const std::string_view key = tokens.key(m_refs[begin]);
        sorted.push_back({end - begin, ordinalPrefix(key), key, {begin, end}});
    }
    std::sort(sorted.begin(), sorted.end(), [](const Sorted& a, const Sorted& b) {
        if (a.count != b.count)
            return a.count > b.count;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return compareOrdinal(a.key, b.key) < 0;
    });
    m_groups.reserve(sorted.size());
    for (const Sorted& item : sorted)
        m_groups.push_back(item.group);
}

std::string_view InconsistencyIndex::key(std::size_t at) const
{
    return ReadTokens(m_read).key(m_refs[m_groups[at].begin]);
}

// The analyses of the group's tokens: a group has few analyses, so each token's is found among
// them by a look at each; the values are copied once per analysis rather than once per token.
void InconsistencyIndex::analyses(std::size_t at, std::vector<GroupAnalysisView>& out) const
{
    out.clear();
    const ReadTokens tokens(m_read);
    std::vector<std::uint64_t> hashes;  // of each analysis, its hash
    std::string lemmaStorage;
    std::string formStorage;
    std::string partOfSpeechStorage;
    std::vector<TokenRef> firsts;       // of each analysis, its first token
    for (std::size_t r = m_groups[at].begin; r < m_groups[at].end; ++r) {
        const TokenRef ref = m_refs[r];
        const CorpusFileSummary& file = tokens.file(ref);
        const TokenAnalysis& token = tokens.token(ref);
        // Most tokens of an analysis are written alike, byte for byte, and need no normalising.
        std::size_t same = 0;
        while (same < firsts.size() && !(hashes[same] == token.analysisHash && writtenAlike(tokens, firsts[same], ref)))
            ++same;
        if (same < firsts.size()) {
            out[same].tokens.push_back({file.file, file.tokenId(token)});
            continue;
        }
        const std::string_view lemma = nfcView(file.lemma(token), lemmaStorage);
        const std::string_view form = nfcView(file.form(token), formStorage);
        const std::string_view partOfSpeech = nfcView(file.partOfSpeech(token), partOfSpeechStorage);
        std::size_t found = 0;
        while (found < hashes.size() &&
               !(hashes[found] == token.analysisHash && out[found].lemma == lemma && out[found].form == form &&
                 out[found].partOfSpeech == partOfSpeech))
            ++found;
        if (found == hashes.size()) {
            hashes.push_back(token.analysisHash);
            firsts.push_back(ref);
            out.push_back({std::string(lemma), std::string(form), std::string(partOfSpeech), {}});
        }
        out[found].tokens.push_back({file.file, file.tokenId(token)});
    }
    const auto values = [](const GroupAnalysisView& a) { return std::tie(a.lemma, a.form, a.partOfSpeech); };
    std::sort(out.begin(), out.end(),
              [&values](const GroupAnalysisView& a, const GroupAnalysisView& b) { return values(a) < values(b); });
    std::stable_sort(out.begin(), out.end(), [](const GroupAnalysisView& a, const GroupAnalysisView& b) {
        return a.tokens.size() > b.tokens.size();
    });
}

InconsistencyGroup InconsistencyIndex::group(std::size_t at) const
{
    std::vector<GroupAnalysisView> views;
    analyses(at, views);
    InconsistencyGroup group;
    group.kind = InconsistencyKind::Analyses;
    group.key = key(at);
    group.tokenCount = tokenCount(at);
    group.analyses.reserve(views.size());
    for (GroupAnalysisView& view : views) {
        GroupAnalysis analysis{std::move(view.lemma), std::move(view.form), std::move(view.partOfSpeech), {}};
        analysis.tokens.reserve(view.tokens.size());
        for (const TokenPlaceView& place : view.tokens)
            analysis.tokens.push_back({std::string(place.file), std::string(place.id)});
        group.analyses.push_back(std::move(analysis));
    }
    return group;
}

std::vector<CorpusSkippedFile> InconsistencyIndex::errors() const
{
    std::vector<CorpusSkippedFile> errors;
    for (const auto& file : m_read.files)
        if (!file->read)
            errors.push_back(file->skipped);
    return errors;
}

InconsistencyResult findInconsistencies(const CorpusRead& read, std::size_t minCount)
{
    const InconsistencyIndex index(read, minCount);
    InconsistencyResult result;
    result.errors = index.errors();
    // The groups are made on two threads, each taking about half of them.
    result.groups.resize(index.size());
    const std::size_t half = index.size() / 2;
    {
        const std::jthread second([&] {
            for (std::size_t at = half; at < index.size(); ++at)
                result.groups[at] = index.group(at);
        });
        for (std::size_t at = 0; at < half; ++at)
            result.groups[at] = index.group(at);
    }
    return result;
}

}  // namespace pelmora
