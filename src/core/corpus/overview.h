// The corpus overview (per text: file, identifier, type, speakers, counts, last modification; and
// the totals) and the inconsistencies (word forms annotated with different analyses) over many
// corpus texts.
#pragma once

#include "corpus/corpuscache.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora {

// One text of the overview.
struct TextOverview {
    std::string file;
    std::string id;
    std::string type;
    std::vector<std::string> speakers;
    TextCounts counts;
    std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
};

struct CorpusOverview {
    std::vector<TextOverview> texts;        // the texts read, in the order of the files
    TextCounts totals;                      // added up over `texts`
    std::vector<CorpusSkippedFile> errors;  // files left out, counted nowhere else
    bool cancelled = false;                 // the progress callback said stop; nothing else is set
};

// The annotated share of the tokens to annotate, 0 to 1; 0 when there is nothing to annotate.
double annotatedShare(const TextCounts& counts);

// The overview of the files; a folder stands for its corpus files (see corpusFilesInFolder).
// With a cache, only files that changed since it last read them are read again.
CorpusOverview readCorpusOverview(const std::vector<std::string>& paths, const CorpusProgress& progress = {},
                                  CorpusCache* cache = nullptr);

// Where a token stands.
struct TokenPlace {
    std::string file;
    std::string id;
    bool operator==(const TokenPlace&) const = default;
};

// One analysis of an inconsistency group, with the tokens that carry it (by file, then text order).
struct GroupAnalysis {
    std::string lemma;
    std::string form;          // "vorm"
    std::string partOfSpeech;  // "liik"
    std::vector<TokenPlace> tokens;
    bool fromDictionary = false;  // the dictionary's analysis of the form, offered to apply (may have no tokens)
};

// What a group of tokens shows: one word form with different analyses across the files, tokens
// whose analysis the dictionary does not hold for their form, or the same word of combinations
// with one lemma annotated differently.
enum class InconsistencyKind { Analyses, Dictionary, Combination };

// The tokens of one word-form key that carry more than one analysis. Analyses with the most
// tokens come first, then by lemma, form and part of speech.
struct InconsistencyGroup {
    InconsistencyKind kind = InconsistencyKind::Analyses;
    std::string key;
    std::string combination;  // for InconsistencyKind::Combination: the combination's lemma
    std::vector<GroupAnalysis> analyses;
    std::size_t tokenCount = 0;  // the tokens of every analysis
};

// One token with its analysis in NFC, blanks trimmed, for making a group.
struct PlacedAnalysis {
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
    TokenPlace place;
};

// The group of the tokens of one key: the equal analyses together, the tokens of each in the
// order given; the analyses with the most tokens first, then by lemma, form and part of speech.
InconsistencyGroup makeInconsistencyGroup(InconsistencyKind kind, std::string key, std::vector<PlacedAnalysis> tokens);
// Sorts groups as findInconsistencies does: the most tokens first, then by key.
void sortInconsistencyGroups(std::vector<InconsistencyGroup>& groups);

struct InconsistencyResult {
    std::vector<InconsistencyGroup> groups;  // the most tokens first, then by key
    std::vector<CorpusSkippedFile> errors;
    bool cancelled = false;  // nothing else is set
};

// Where a token stands, as views into a read (valid while the read lives).
struct TokenPlaceView {
    std::string_view file;
    std::string_view id;
};

// One analysis of a group (values in NFC) with its tokens by view, in file and text order.
struct GroupAnalysisView {
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
    std::vector<TokenPlaceView> tokens;
};

// The inconsistency groups of a read (see findInconsistencies), found without copying anything
// of their tokens: each group's key and token count, the most tokens first, then by key. A group's
// analyses are made when asked for, from any thread. Holds references into the read.
class InconsistencyIndex {
public:
    InconsistencyIndex(const CorpusRead& read, std::size_t minCount);

    std::size_t size() const { return m_groups.size(); }
    std::string_view key(std::size_t at) const;
    std::size_t tokenCount(std::size_t at) const { return m_groups[at].end - m_groups[at].begin; }
    // The group's analyses, the most tokens first, then by lemma, form and part of speech; `out`
    // is reused.
    void analyses(std::size_t at, std::vector<GroupAnalysisView>& out) const;
    // The same as a group of its own.
    InconsistencyGroup group(std::size_t at) const;
    // The files of the read that were not read.
    std::vector<CorpusSkippedFile> errors() const;

    // A token of the read: the file's place in the read, the token's in the file's analyses.
    struct Ref {
        std::uint32_t file = 0;
        std::uint32_t token = 0;
    };

private:
    struct Group {
        std::size_t begin = 0;  // into m_refs
        std::size_t end = 0;
    };

    // Sets m_groups from the groups' ranges of m_refs, in the index's order.
    void sortGroups(const std::vector<std::pair<std::size_t, std::size_t>>& groups);

    const CorpusRead& m_read;
    std::vector<Ref> m_refs;  // the tokens of each group together, in file and text order
    std::vector<Group> m_groups;
};

// The inconsistency groups of the files: the tokens that are to be annotated and have a lemma,
// gathered by the word-form key of their text (so case and normalisation differences gather
// together; punctuation is left out), where the analyses differ. Groups of fewer than
// `minCount` tokens are left out.
InconsistencyResult findInconsistencies(const std::vector<std::string>& paths, std::size_t minCount = 1,
                                        const CorpusProgress& progress = {}, CorpusCache* cache = nullptr);
// The same over files already read with analyses (a file that was not read is in `errors`).
InconsistencyResult findInconsistencies(const CorpusRead& read, std::size_t minCount = 1);

}  // namespace pelmora
