// Combining words of the running text: the candidates the combination dialog offers, and writing
// a combination with its optional store in the dictionary.
#pragma once

#include "annotation/analysisreading.h"
#include "annotation/textindex.h"
#include "text/combinationediting.h"

#include <string>
#include <vector>

namespace pelmora {

class CDictionary;
class LocalAnalyser;

struct CombinationCandidate {
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
    bool fromDictionary = false;
    bool fromAnalyser = false;
    bool operator==(const CombinationCandidate&) const = default;
};

// A multi-word entry of the local analyser that words of the running text spell.
struct AnalyserCombination {
    std::vector<XmlNode> words;  // in text order
    AnalysisReading reading;     // its lemma holds a blank
};

// The analyser's multi-word entries that the token and its neighbours spell: every run of two or
// three tokens of the token's sentence that holds it, their texts joined by blanks, is looked up;
// analyses whose lemma has a blank are kept, shortest runs first.
std::vector<AnalyserCombination> analyserCombinations(const LocalAnalyser& analyser, XmlNode token);

// What a combination of these words could be, each analysis once: first the text's other
// combinations whose words have the same word-form keys in the same order (found through the
// index, never by walking the text), then the dictionary's combinations stored under the proposed
// lemma, under its lower-case form, under the lemmas of those text combinations and under the
// words' own lemmas joined by blanks; last the analyser's multi-word entries that the words
// spell, joined by blanks. Without a dictionary or an analyser, nothing from it. Empty for no words.
std::vector<CombinationCandidate> combinationCandidates(const std::vector<XmlNode>& words, TextTokenIndex& index,
                                                        const CDictionary* dictionary,
                                                        const LocalAnalyser* analyser = nullptr);

// Writes the combination into the text (createCombination) and, with
// `toDictionary` and a dictionary, stores its lemma, meaning and part of speech there. One undo
// step, which says so when the dictionary kept the combination (undo does not take it back).
// Returns the new combination, or null when the text refused it (nothing is stored then).
XmlNode combineWords(CPelmoraDoc& doc, const std::vector<XmlNode>& words, const CombinationFields& fields,
                     CDictionary* dictionary, bool toDictionary);

}  // namespace pelmora
