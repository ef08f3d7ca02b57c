// Two further checks of the annotation over many corpus texts, beside the inconsistencies of
// overview.h: tokens whose analysis the shared dictionary does not hold for their word form, and
// the words of combinations with one lemma that are annotated differently.
#pragma once

#include "corpus/overview.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace pelmora {

class CDictionary;

// One analysis the dictionary holds for a word form: the word-form entry's lemma and "vorm", and
// the "liik" of the lemma's first entry ("" when the dictionary has no such lemma). NFC.
struct DictionaryFormAnalysis {
    std::string lemma;
    std::string form;
    std::string partOfSpeech;
};

// The dictionary's analyses by word-form key; a key the dictionary does not hold is absent.
using DictionaryForms = std::unordered_map<std::string, std::vector<DictionaryFormAnalysis>>;

// The distinct word-form keys of the annotated tokens of the read files, sorted; the files must
// have been read with analyses.
std::vector<std::string> analysedKeys(const CorpusRead& read);

// The dictionary's analyses of the keys: one index lookup per key (and one per lemma found), no
// walk of the dictionary. Call it on the thread that owns the dictionary.
DictionaryForms dictionaryForms(const CDictionary& dictionary, const std::vector<std::string>& keys);

// The tokens (annotated, to annotate) whose lemma and "vorm" are none of the dictionary's analyses
// of their word form, normalisation ignored, one group per key of kind Dictionary: the tokens'
// analyses, then the dictionary's analyses with no tokens and `fromDictionary` set. A form the
// dictionary does not hold proposes nothing and gives no group. Sorted as findInconsistencies.
std::vector<InconsistencyGroup> findDictionaryMismatches(const CorpusRead& read, const DictionaryForms& forms);

// The words of combinations ("yhend") with the same lemma, at the same place among the
// combination's words and with the same word-form key, that carry different analyses (a word
// without a lemma counts as one analysis too): one group of kind Combination each, with the
// combination's lemma. Sorted as findInconsistencies, equal keys by the combination's lemma.
std::vector<InconsistencyGroup> findCombinationMismatches(const CorpusRead& read);

}  // namespace pelmora
