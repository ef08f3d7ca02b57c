// Reading many corpus texts for the overview and the inconsistencies: what one file gives (its
// counts, metadata and analyses), and a cache that reads a file again only when its size or its
// modification time changed.
#pragma once

#include "corpus/corpusfiles.h"
#include "dictionary/dictionarylock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelmora {

// The counts of one text (or of many, added up). A token ("sone") is counted once: combinations
// ("yhend") are elements of their own that name their words, so a word that is part of one or
// more combinations is still one token, and a combination adds only to `combinations`.
// Punctuation and numbers are left out of every count as the text statistics leave them out:
// tokens whose "keel" or "meta" marks them so (see isPunctuationOrNumberToken).
struct TextCounts {
    long long tokens = 0;        // word tokens
    long long toAnnotate = 0;    // of those, the ones whose "meta" names no reason ("" and "-" name none)
    long long annotated = 0;     // of those, the ones with a lemma
    long long combinations = 0;  // "yhend" elements

    TextCounts& operator+=(const TextCounts& other);
    bool operator==(const TextCounts&) const = default;
};

// True when the token is to be annotated: its "meta" is empty or "-" (blanks around ignored).
bool isTokenToAnnotate(XmlNode token);

// One annotated token to annotate of a file, for the inconsistencies: a hash of its word-form
// key, a hash of its lemma, form and part of speech in NFC (tokens whose values differ only in
// normalisation hash alike), and where its values stand in the file's `analysisText`: the key at
// `at`, then the lemma, the form, the part of speech (these three as written, not normalised) and
// the identifier. Keys are made for each token and never looked up in a table: a corpus has
// hundreds of thousands of distinct words, and a table of them costs more than making the key again.
struct TokenAnalysis {
    std::uint64_t keyHash = 0;
    std::uint64_t analysisHash = 0;
    std::uint32_t at = 0;
    std::uint32_t keySize = 0;
    std::uint32_t lemmaSize = 0;
    std::uint32_t formSize = 0;
    std::uint32_t partOfSpeechSize = 0;
    std::uint32_t idSize = 0;
};

// A word of a combination ("yhend") with a lemma, for the check of combinations whose words are
// annotated differently: the combination's lemma, the word's place among its words, and the
// word's key and analysis as the file writes them ("" where absent).
struct CombinationPart {
    std::string combination;  // "ylemma", blanks trimmed, NFC
    std::uint32_t position = 0;
    std::string key;
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
    std::string id;
};

// What reading one file gave.
struct CorpusFileSummary {
    std::string file;                   // the path as it was given or found in a folder
    bool read = false;                  // false: the file was left out, `skipped` says why
    CorpusSkippedFile skipped;
    std::string id;                     // the "id" of the body
    std::string type;                   // the metadata's "tyyp" as it stands
    std::vector<std::string> speakers;  // the "keelejuht" rows: the name, or the identifier without one
    TextCounts counts;
    std::int64_t modified = 0;          // last modification, seconds since 1970-01-01 UTC
    bool hasAnalyses = false;           // `analyses` was gathered
    // The tokens that are to be annotated and have a lemma, in text order, punctuation left out
    // (also tokens without a letter or a digit, and those whose key is empty), and their values.
    std::vector<TokenAnalysis> analyses;
    std::string analysisText;
    // Gathered with `analyses`: the tokens that are to be annotated and have no lemma, by word-form
    // key (the same tokens left out as there).
    std::map<std::string, long long> unannotatedForms;
    // Gathered with `analyses`: the words of the combinations that have a lemma, each word that is
    // to be annotated (punctuation and numbers left out) in the order of its combination.
    std::vector<CombinationPart> combinationParts;

    // A token's key, and its values as the file writes them (not normalised).
    std::string_view key(const TokenAnalysis& t) const { return value(t.at, t.keySize); }
    std::string_view lemma(const TokenAnalysis& t) const { return value(t.at + t.keySize, t.lemmaSize); }
    std::string_view form(const TokenAnalysis& t) const { return value(t.at + t.keySize + t.lemmaSize, t.formSize); }
    std::string_view partOfSpeech(const TokenAnalysis& t) const
    {
        return value(t.at + t.keySize + t.lemmaSize + t.formSize, t.partOfSpeechSize);
    }
    std::string_view tokenId(const TokenAnalysis& t) const
    {
        return value(t.at + t.keySize + t.lemmaSize + t.formSize + t.partOfSpeechSize, t.idSize);
    }

private:
    std::string_view value(std::size_t at, std::size_t size) const { return std::string_view(analysisText).substr(at, size); }
};

// The summary of a text's body (the "sisu" element) with its analyses, as reading `file` would give
// it if the file held this tree (the open text as it stands in the window); no metadata but the
// body's identifier, no modification time.
std::shared_ptr<const CorpusFileSummary> summariseText(const std::string& file, XmlNode body);

// Told after every file (files done, files in all); returning false cancels the reading.
using CorpusProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct CorpusRead {
    // In the order of the paths, folders replaced by their corpus files, a file named again left
    // out; left-out files included.
    std::vector<std::shared_ptr<const CorpusFileSummary>> files;
    bool cancelled = false;  // the progress callback said stop; `files` is then incomplete
};

// Keeps what each file gave, by path, with the file's stamp (size, modification time, inode); a
// file is read again when its stamp moved or when analyses are asked for and were not gathered. A
// file that cannot be looked at (missing) is never kept.
class CorpusCache {
public:
    CorpusRead read(const std::vector<std::string>& paths, bool withAnalyses, const CorpusProgress& progress = {});

    // The files the last read parsed (the others came from the cache).
    std::size_t filesParsed() const { return m_parsed; }

    // The stamp the file had when the cache read it, by the path `read` was given or found in a
    // folder; nullopt for a file the cache does not hold.
    std::optional<FileStamp> stampOf(const std::string& file) const;

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const CorpusFileSummary> summary;
    };
    std::unordered_map<std::string, Entry> m_entries;
    std::size_t m_parsed = 0;
};

}  // namespace pelmora
