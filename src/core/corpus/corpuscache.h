// Reading many corpus texts for the overview and the inconsistencies: what one file gives (its
// counts, metadata and analyses), and a cache that reads a file again only when its size or its
// modification time changed.
#pragma once

#include "corpus/corpusfiles.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
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

// One analysis (lemma, "vorm", "liik", in NFC) of one word-form key in one file, with the
// identifiers of the tokens that carry it in text order.
struct FileAnalysis {
    std::string key;
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
    std::vector<std::string> tokenIds;
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
    // The analyses of the tokens that are to be annotated and have a lemma, punctuation left out
    // (also tokens without a letter or a digit, and those whose key is empty).
    std::vector<FileAnalysis> analyses;
    // Gathered with `analyses`: the tokens that are to be annotated and have no lemma, by word-form
    // key (the same tokens left out as there).
    std::map<std::string, long long> unannotatedForms;
};

// Told after every file (files done, files in all); returning false cancels the reading.
using CorpusProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct CorpusRead {
    // In the order of the paths, folders replaced by their corpus files, a file named again left
    // out; left-out files included.
    std::vector<std::shared_ptr<const CorpusFileSummary>> files;
    bool cancelled = false;  // the progress callback said stop; `files` is then incomplete
};

// Keeps what each file gave, by path, with the file's size and modification time; a file is read
// again when either changed or when analyses are asked for and were not gathered. A file that
// cannot be looked at (missing) is never kept.
class CorpusCache {
public:
    CorpusRead read(const std::vector<std::string>& paths, bool withAnalyses, const CorpusProgress& progress = {});

    // The files the last read parsed (the others came from the cache).
    std::size_t filesParsed() const { return m_parsed; }

private:
    struct Entry {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        std::shared_ptr<const CorpusFileSummary> summary;
    };
    std::unordered_map<std::string, Entry> m_entries;
    std::size_t m_parsed = 0;
};

}  // namespace pelmora
