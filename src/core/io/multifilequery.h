// MultiFileQuery: searches many corpus text files for sentences with a token that meets a set of
// conditions (optionally with a second token nearby) and writes every hit as one line of a
// tab-separated or XML result file.
#pragma once

#include "common/prompter.h"
#include "common/translation.h"
#include "xml/xmldocument.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace pelmora {

// The token fields a condition can test, in the order they are tested.
enum class QueryField { Text, Lemma, Meaning, PartOfSpeech, Form, Comment };
inline constexpr std::size_t kQueryFieldCount = 6;

struct FieldPattern {
    std::string pattern;  // empty: the field is not tested
    std::string kind;     // a match kind of MatchValue
};

// The six patterns of one token ("Sõne (1)" or "Sõne (2)") with the dialog's default match kinds.
struct TokenConditions {
    std::array<FieldPattern, kQueryFieldCount> fields{{{"", "Täpne vaste"},
                                                       {"", "Täpne vaste"},
                                                       {"", "Täpne vaste"},
                                                       {"", "Täpne vaste"},
                                                       {"", "Keskel"},
                                                       {"", "Täpne vaste"}}};
    FieldPattern& operator[](QueryField field) { return fields[static_cast<std::size_t>(field)]; }
    const FieldPattern& operator[](QueryField field) const { return fields[static_cast<std::size_t>(field)]; }
};

// The relations the dialog offers; any other non-empty text finds nothing.
inline constexpr const char* kRelationEither = QT_TRANSLATE_NOOP("core", "varem v. hiljem");
inline constexpr const char* kRelationBefore = QT_TRANSLATE_NOOP("core", "varem");
inline constexpr const char* kRelationAfter = QT_TRANSLATE_NOOP("core", "hiljem");

inline constexpr int kMaxQueryDistance = 20;
inline constexpr std::size_t kMaxFoundPrefixLength = 60;

struct QuerySettings {
    std::vector<std::string> files;  // searched in this order
    std::string outputPath;
    std::string foundPrefix;         // "\t" (backslash, t) stands for a tab
    bool foundTokenInfo = false;     // "Lisa leitud sõne info rea algusesse"
    bool markupAllTokens = false;    // "Lisa märgendus kõikidele sõnedele"
    bool fileInfo = false;           // "Lisa täpne faili info iga rea algusesse"
    bool xmlOutput = false;          // "Lisa XML märgendus"
    bool byteOrderMark = false;      // "Lisa faili algusesse BOM"
    TokenConditions token1;
    std::string relation;            // empty: token 1 alone
    int distance = 10;
    TokenConditions token2;
    bool speakersOnly = true;        // "Otsi ainult keelejuhi tekstist"
};

struct QueryProgress {
    std::size_t filesDone = 0;
    std::size_t fileCount = 0;
    long long lines = 0;
    bool finished = false;  // "Valmis"
};

struct QueryResult {
    bool ran = false;        // false: refused, cancelled or the output could not be written
    bool cancelled = false;  // the progress callback said stop
    long long lines = 0;
};

// Told after every file, every few thousand tokens within a file, and at the end; returning false
// stops the query.
using QueryProgressCallback = std::function<bool(const QueryProgress&)>;

// The question after a query; the GUI offers a new query with the same settings on Yes.
inline constexpr const char* kQueryAgainQuestion =
    QT_TRANSLATE_NOOP("core", "Leidsin %s rida.\r\nKas jätkad uue päringuga?");

// True when the token meets every non-empty pattern of the set (an all-empty set matches all).
bool tokenMeetsConditions(XmlNode token, const TokenConditions& conditions);

// The query description written into the result's header.
std::string queryDescription(const QuerySettings& settings);

// Runs one query. Refuses (with the dialog's message) an output path that is one of the files to
// search, and a distance or prefix outside the dialog's limits. The result file is written
// through the safe file replacement, so a failed run leaves an existing file as it was: then
// "Ei saa väljundfaili faili avada". Invalid input files ask the skip-or-stop question.
// `progress` (may be empty) is told as the search goes and at the end; when it says stop, the
// query ends without a message, no result file is written and an existing one stays as it was.
QueryResult MultiFileQuery(const QuerySettings& settings, Prompter& prompter,
                           const QueryProgressCallback& progress = {});

}  // namespace pelmora
