// Giving the tokens of one word form, across many corpus texts, one analysis (lemma, "vorm",
// "liik"): each text is read, changed and written back safely, one file at a time.
#pragma once

#include "common/translation.h"
#include "corpus/overview.h"
#include "dictionary/dictionarylock.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// Why a file was left as it was.
inline constexpr const char* kApplyFileChanged = QT_TRANSLATE_NOOP("core", "Fail %s on pärast lugemist muutunud.");
inline constexpr const char* kApplyFileNotSaved = QT_TRANSLATE_NOOP("core", "Faili %s ei saanud salvestada.");
// Why nothing was done at all.
inline constexpr const char* kApplyNoLemma = QT_TRANSLATE_NOOP("core", "Lemma puudub.");
inline constexpr const char* kApplyNoKey = QT_TRANSLATE_NOOP("core", "Sõnavormil pole võtit.");

// What to write and into which tokens.
struct AnalysisToApply {
    // The tokens whose text has this form's word-form key (see MakeWordFormKey: case and
    // normalisation differences match).
    std::string wordForm;
    std::string lemma;                        // blanks around are dropped; must not be blank
    std::optional<std::string> form;          // "vorm": nullopt leaves it, "" or "-" removes it
    std::optional<std::string> partOfSpeech;  // "liik": nullopt leaves it, "" removes it
    // Only tokens whose lemma is this (normalisation ignored); "" means tokens without a lemma.
    std::optional<std::string> onlyLemma;
    // When not empty, only these tokens; files that none of them names are not touched.
    std::vector<TokenPlace> tokens;
    // Counts what would change and writes nothing.
    bool dryRun = false;
};

// A file whose tokens were changed (in a dry run: would be), and how many.
struct AppliedFile {
    std::string file;
    std::size_t tokens = 0;

    bool operator==(const AppliedFile&) const = default;
};

struct ApplyAnalysisResult {
    std::vector<AppliedFile> changed;        // in the order of the files; files with no match are left out
    std::size_t tokens = 0;                  // added up over `changed`
    std::vector<CorpusSkippedFile> skipped;  // files left exactly as they were, with the reason
    std::string refused;                     // the request cannot be applied (kApplyNoLemma, kApplyNoKey); nothing was read
    bool cancelled = false;                  // the progress callback said stop; the files before it stay changed
};

// Applies the analysis to the tokens to annotate (see isTokenToAnnotate; punctuation and numbers
// never match) of the files, a folder standing for its corpus files, each file named once. A token
// takes the lemma, and the form and part of speech where given, and loses the mark of an automatic
// change ("auto"="+"), as remembering it in the form does; its other attributes stay. A token that
// already holds all of it is not counted. A file is written back only when a token changed,
// through the safe file replacement, so it is either the old file or the new one. A file whose
// stamp differs from `expected` (when it names the file, e.g. CorpusCache::stampOf) or moved while
// it was being changed, an unreadable or malformed file and one that cannot be written are left
// as they are and reported in `skipped`.
ApplyAnalysisResult applyAnalysis(const std::vector<std::string>& paths, const AnalysisToApply& analysis,
                                  const std::map<std::string, FileStamp>& expected = {},
                                  const CorpusProgress& progress = {});

class CPelmoraDoc;

// Applies the analysis to the open text as applyAnalysis would to its file `file`: to the tokens
// of `analysis.tokens` that name this file (compared as paths), or, without named tokens, to every
// matching token. One undo step when anything changed; `dryRun` only counts. Returns the tokens
// changed (would change); 0 for a refused request or no text.
std::size_t applyAnalysisToText(CPelmoraDoc& doc, const std::string& file, const AnalysisToApply& analysis);

}  // namespace pelmora
