// Reading the analysis strings a finite-state analyser gives ("kalā+N+Sg+Gen") into a lemma, a
// part-of-speech code and a form tag of the program's vocabulary.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One analysis of a word as the program offers it.
struct AnalysisReading {
    std::string lemma;         // NFC; a multi-word entry's lemma has a blank
    std::string partOfSpeech;  // a code ("S", "V", ...); "" when the tags name none
    std::string form;          // a form tag in canonical order; "" when the tags carry none
    bool guess = false;        // from a guesser ("+Guess")
    bool nonStandard = false;  // a non-standard spelling ("+Err/Orth")
    bool acronym = false;      // read as an acronym ("+ACR")

    bool operator==(const AnalysisReading&) const = default;
};

// Splits an analysis into its lemma and its tags (without their "+"), after removing every
// "@...@" symbol (flag diacritics, "@_EPSILON_SYMBOL_@"). The lemma runs to the first "+" that
// starts a tag: a "+" followed by an upper-case letter A-Z or "?", or by a tag holding "/"
// ("+Der/NomAg"). Empty tags ("++") are skipped. Views point into `storage`.
struct SplitAnalysis {
    std::string_view lemma;
    std::vector<std::string_view> tags;
};
SplitAnalysis splitAnalysis(std::string_view analysis, std::string& storage);

// Reads one analysis string. Nothing for an analysis marked "+Use/NG" and for one without a
// lemma. Tags that no table knows are ignored and appended to `unknownTags` (when given).
std::optional<AnalysisReading> readAnalysis(std::string_view analysis, std::vector<std::string>* unknownTags = nullptr);

// Reads the analyses of one word in the order given, leaving out the dropped ones and
// duplicates: of analyses with the same lemma, part of speech and form the first stays, marked
// as a guess, a non-standard spelling or an acronym only when every one of them was.
std::vector<AnalysisReading> readAnalyses(const std::vector<std::string>& analyses,
                                          std::vector<std::string>* unknownTags = nullptr);

}  // namespace pelmora
