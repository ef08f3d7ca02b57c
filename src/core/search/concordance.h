// The concordance: every occurrence of a lemma or a word form across corpus files, as KWIC lines
// (left context, the token, right context) with the token's lemma, form tag, file, sentence and page.
#pragma once

#include "corpus/corpusfiles.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// What a concordance looks for: tokens whose lemma is the word, tokens whose text has the word's
// word-form key, combinations ("yhend") whose lemma is the word, or annotated tokens (counted as
// annotated by the overview, see tokenStanding) whose "liik", blanks trimmed, is the word.
enum class ConcordanceBy { Lemma, WordForm, Combination, PartOfSpeech };

inline constexpr int kDefaultConcordanceContext = 5;
inline constexpr int kMaxConcordanceContext = 50;

// The messages for a file the concordance skips.
inline constexpr const char* kConcordanceEmptyFile = kCorpusEmptyFile;
inline constexpr const char* kConcordanceInvalidFile = kCorpusInvalidFile;
inline constexpr const char* kConcordanceNotACorpusText = kCorpusNotACorpusText;

struct ConcordanceRequest {
    ConcordanceBy by = ConcordanceBy::Lemma;
    std::string word;                        // the lemma or the word form; empty finds nothing
    int context = kDefaultConcordanceContext; // words on each side (punctuation is not counted)
    std::vector<std::string> files;          // read in this order
};

// One occurrence. Values are as they stand in the file, in NFC; a missing attribute is "". For a
// combination the token is the running text from its first word to its last (so the words between
// the parts of a split combination are read too), the lemma is the combination's, the form is
// empty, and the page and token identifier are those of its first word.
struct ConcordanceLine {
    std::string left;        // up to `context` words before the token, within its sentence
    std::string token;       // the token's text
    std::string right;       // up to `context` words after it, within its sentence
    std::string lemma;       // "lemma"
    std::string form;        // "vorm"
    std::string file;        // the path as it was given
    std::string sentenceId;  // the sentence's "id"
    std::string page;        // the token's "lk"
    std::string tokenId;     // the token's "id"

    bool operator==(const ConcordanceLine&) const = default;
};

// The tab-separated form of the lines, for scripts and the clipboard: the column names in order,
// and one line with its line break (tabs and line breaks within a value become blanks).
inline constexpr const char* kConcordanceColumns[] = {"left", "token",    "right", "lemma",   "form",
                                                      "file", "sentence", "page",  "token_id"};
std::vector<const std::string*> concordanceColumns(const ConcordanceLine& line);
std::string concordanceTsvHeader();
std::string concordanceTsvLine(const ConcordanceLine& line);

// A file that was not read, and why.
using ConcordanceSkippedFile = CorpusSkippedFile;

struct ConcordanceResult {
    std::size_t lines = 0;
    std::size_t filesRead = 0;
    std::vector<ConcordanceSkippedFile> skipped;
    bool cancelled = false;
};

// Where the results go while the run goes on; every member may be empty. They are called on the
// thread that runs the concordance.
struct ConcordanceSink {
    std::function<void(ConcordanceLine&&)> line;
    std::function<void(const ConcordanceSkippedFile&)> skipped;
    // After each file: files done (read or skipped) and the number of files.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// The separator of several files in the "ConcordanceFolder" setting.
inline constexpr char kConcordanceFileSeparator = ';';

// The files a concordance reads. The setting names a folder (then its ".xml" files, any case of
// the suffix, sorted by name, subfolders not entered) or files separated by ";". An empty setting
// means the folder of the open text; with no open text either, the list is empty.
std::vector<std::string> concordanceFiles(std::string_view setting, const std::string& openTextPath);

// The setting's text for chosen files: one folder as it is, several files joined by ";".
std::string concordanceFileSetting(const std::vector<std::string>& files);

// True for a token made only of punctuation characters; such tokens are shown in the context
// but not counted as words.
bool isPunctuationToken(std::string_view text);

// Joins token texts as running text: no blank before a closing mark (".", ",", ")", "“", ...),
// none after an opening one ("(", "„", ...); dashes and straight quotes stand between blanks.
std::string joinTokens(const std::vector<std::string_view>& tokens);

// Runs the concordance over the request's files, one after the other. Every sentence of a file is
// searched, also those after a sentence without tokens; combinations are not tokens, and are
// found only when asked for. A combination whose identifier names no word of its sentence is
// passed over. A file that
// is empty, cannot be read or is not a corpus text is reported through `sink.skipped` and in the
// result, and the run goes on. `cancel` (may be null) is looked at between files and every few
// thousand tokens; once it is set the run ends with `cancelled`.
ConcordanceResult runConcordance(const ConcordanceRequest& request, const ConcordanceSink& sink,
                                 const std::atomic<bool>* cancel = nullptr);

// The lines of the tokens of a text's body ("sisu") whose identifiers are named, in text order,
// values in NFC; identifiers that name no token are left out.
std::vector<ConcordanceLine> tokenLines(XmlNode body, const std::string& file, const std::vector<std::string>& ids,
                                        int context = kDefaultConcordanceContext);
// The same, read from the file. False, with `skipped` set, for a file the concordance would skip.
bool tokenLinesOfFile(const std::string& file, const std::vector<std::string>& ids, std::vector<ConcordanceLine>& lines,
                      ConcordanceSkippedFile& skipped, int context = kDefaultConcordanceContext);

}  // namespace pelmora
