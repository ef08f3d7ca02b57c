// Ordering the analyser's proposals (and the inflection rules' forms) by the evidence the
// dictionary and the corpus texts give, each proposal with the source the form shows beside it.
#pragma once

#include "annotation/analysisreading.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class CDictionary;
class ConfirmedAnalyses;
class TextTokenIndex;

// Where a proposal's rank comes from, best first.
enum class ProposalSource {
    Dictionary,   // the dictionary has confirmed it for this word form
    Texts,        // tokens of this word form annotated by hand in the open text or the folder's texts
    Headword,     // its lemma is a headword of the dictionary
    Analyser,     // the analyser alone
    Rules,        // the inflection rules alone
    NonStandard,  // the analyser reads the word as a non-standard spelling
    Guess,        // the analyser's guesser
};

// A stable name for scripts ("dictionary", "texts", "headword", "analyser", "rules",
// "nonstandard", "guess").
std::string_view proposalSourceCode(ProposalSource source);
// The short marker the form shows beside a proposal ("sõnastik", "tekstid", "märksõna",
// "analüsaator", "reeglid", "mittenormatiivne", "oletus").
std::string_view proposalSourceMarker(ProposalSource source);

// What the ranking may consult; every part may be missing.
struct Evidence {
    const CDictionary* dictionary = nullptr;
    TextTokenIndex* openText = nullptr;         // the open text, counted live
    const ConfirmedAnalyses* texts = nullptr;   // the folder's texts
    std::string openTextPath = {};              // left out of `texts`, since `openText` counts it
};

struct RankedAnalysis {
    AnalysisReading reading;
    ProposalSource source = ProposalSource::Analyser;
    bool confirmedByDictionary = false;
    long long weight = 0;      // the dictionary's weight for it (the heaviest confirming entry)
    std::uint32_t count = 0;   // tokens of the texts that confirm it

    bool operator==(const RankedAnalysis&) const = default;
};

// Orders the analyses of a word (as the analyser gave them) by evidence: those the dictionary
// confirms for the word form (an entry with the same lemma and form tag, or with the lemma and
// no form tag), heaviest first; then those tokens of the texts confirm, most first; then those
// whose lemma is a dictionary headword; then the rest in the analyser's order. Within a step, a
// non-standard spelling comes after the others; guesses come after everything. Ties keep the
// analyser's order.
std::vector<RankedAnalysis> rankAnalyses(std::string_view word, const std::vector<AnalysisReading>& readings,
                                         const Evidence& evidence);

struct RankedForm {
    std::string form;
    ProposalSource source = ProposalSource::Rules;
    bool operator==(const RankedForm&) const = default;
};

// Orders the inflection rules' forms for a word and a headword the same way: the forms the
// dictionary confirms for the word form and headword, heaviest first, then those the texts
// confirm, most first, then the rest in the rules' order.
std::vector<RankedForm> rankForms(std::string_view word, std::string_view headword,
                                  const std::vector<std::string>& forms, const Evidence& evidence);

}  // namespace pelmora
