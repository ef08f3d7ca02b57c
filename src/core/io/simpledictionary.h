// The simple dictionary of the open text (an XML result file of its lemmas, word forms, example
// sentences and combinations) and the token statistics of the text.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <functional>
#include <string>
#include <string_view>

namespace pelmora {

struct SimpleDictionaryOptions {
    std::string outputPath;
    bool combinations = true;  // "ühendid"
    bool examples = true;      // "näitelaused"
    // Shows the unfinished-command warning first; the window shows it before its dialog instead.
    bool warnFirst = true;
};

// The five counters of the progress window.
struct SimpleDictionaryProgress {
    long long tokensRead = 0;        // "Sõnu loetud:"
    long long tokenCount = 0;        // the tokens of the text, for a progress bar
    long long combinationsRead = 0;  // "Ühendeid loetud:"
    long long wordForms = 0;         // "Sõnesid sõnastikus:"
    long long lemmaEntries = 0;      // "Lemmasid sõnastikus:"
    long long combinationEntries = 0;  // "Ühendeid sõnastikus:"
    bool finished = false;           // "Valmis"
};

// Told every few hundred tokens and at the end; returning false stops the building.
using SimpleDictionaryProgressCallback = std::function<bool(const SimpleDictionaryProgress&)>;

// The warning that the command is not finished (caption "Tekstide ühendamine").
void warnSimpleDictionaryUnfinished(Prompter& prompter);

// The result file's tree as text, before any entry is added.
std::string simpleDictionaryTemplate();

// Builds the simple dictionary of the open text and writes it (safe replacement) to the output
// path. Shows the unfinished-command warning first when asked. Without an open text: "Ühtegi faili
// pole avatud.\nEi saa sõnastikku luua." and false; a file that cannot be written: "Ei saa
// avada/luua faili %s.\nVali uus fail." and false (the GUI then shows its dialog again). When
// `progress` says stop: false without a message, and no file is written. Reads the text only.
bool buildSimpleDictionary(const CPelmoraDoc& doc, const SimpleDictionaryOptions& options, Prompter& prompter,
                           const SimpleDictionaryProgressCallback& progress = {});

struct TextStatistics {
    long long tokens = 0;       // "Sõnesid:", without punctuation and numbers
    long long lemmaTokens = 0;  // "Märksõnaga sõnesid:", every token with a lemma
};

// True for a token the counts leave out: marked as punctuation ("kirjavahemärk", "vahemärk") or
// as a number ("number") by its "keel" (older files) or its "meta" (what the import writes).
bool isPunctuationOrNumberToken(XmlNode token);
// The same test for one value of "keel" or "meta".
bool isPunctuationOrNumber(std::string_view value);

// Counts the tokens of the open text; without an open text "Ühtegi faili pole avatud" and zeros.
TextStatistics countTextStatistics(const CPelmoraDoc& doc, Prompter& prompter,
                                   const std::function<void(const TextStatistics&)>& progress = {});

}  // namespace pelmora
