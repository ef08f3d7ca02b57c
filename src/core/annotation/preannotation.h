// Pre-annotation for review: every token the local analyser reads unambiguously gets its
// lemma, form tag, part of speech and the dictionary's meaning and equivalents, marked as
// changed automatically so that the search for such tokens finds each one for review.
#pragma once

#include "annotation/proposalranking.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pelmora {

class CDictionary;
class CPelmoraDoc;
class LocalAnalyser;

// How far the dictionary's best analysis must outweigh the others for a token to be filled.
inline constexpr double kDefaultPreannotationFactor = 3.0;

struct PreannotationResult {
    std::size_t considered = 0;  // tokens without a lemma that are to be annotated
    std::size_t filled = 0;      // of those, tokens that got an analysis
    std::size_t ambiguous = 0;   // tokens left because several analyses remained
    std::size_t unknown = 0;     // tokens the analyser gives no analysis for (or only guesses)
    bool cancelled = false;      // the progress callback stopped the run; the text is as before
};

// Told (tokens walked, tokens in the text) now and then; returning false stops the run.
using PreannotationProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The analysis a token may be filled with: the only one that is not a guess, or the dictionary's
// best when its weight is at least `factor` times the weights of the other analyses together
// (one the dictionary does not confirm counts as weight 1). Null when the analyses leave a choice.
const RankedAnalysis* unambiguousAnalysis(const std::vector<RankedAnalysis>& ranked, double factor);

// Fills every token that has no lemma, is to be annotated (no reason not to) and is in the text's
// language (no "keel" of its own, or the text's), whose analyses (ranked by the dictionary's
// evidence) give an unambiguous one: lemma, form tag ("vorm"), part of speech ("liik", the
// dictionary's when the analysis names none), and meaning, Latvian and English equivalents from
// the dictionary's heaviest lemma entry of that part of speech; the token is marked "auto"="+".
// The run is one undo step; a run stopped by `progress` takes back what it wrote and leaves none.
PreannotationResult preannotateText(CPelmoraDoc& doc, const LocalAnalyser& analyser, const CDictionary* dictionary,
                                    double factor = kDefaultPreannotationFactor,
                                    const PreannotationProgress& progress = {});

// The report after a run: how many tokens were filled, left ambiguous and not known.
std::string preannotationReport(const PreannotationResult& result);

}  // namespace pelmora
