// Making and removing combinations of words ("yhend") in the open text. Reading them is
// text/combinations.h.
#pragma once

#include "text/pelmoradoc.h"

#include <string>
#include <vector>

namespace pelmora {

// What the user enters for a new combination: its lemma ("ylemma"), meaning ("ytahendus") and
// part-of-speech code ("yliik"). "-" counts as no value.
struct CombinationFields {
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
};

// Makes a combination of the tokens, given in any order: a "yhend" placed right after the last
// word (after combinations already standing there), with the identifier
// "<sentence>_s<p>_s<q>..." (positions ascending), "ylemma", "ytahendus" and "yliik" where not
// empty, and every word marked "yhend"="+". One undo step; the current token stays. Refused with
// a message, changing nothing: fewer than two different tokens, tokens of different sentences or
// without a position, an empty lemma, a combination of these words already there. Returns the
// new element, or null.
XmlNode createCombination(CPelmoraDoc& doc, const std::vector<XmlNode>& words, const CombinationFields& fields);
// Why these words cannot be combined (the message createCombination would give), or "" when they
// can; the lemma is not looked at. Changes nothing.
std::string combinationRefusal(const std::vector<XmlNode>& words);
// Removes a combination; each of its words that belongs to no other combination loses its mark.
// One undo step. False (and nothing changes) for anything but a combination.
bool removeCombination(CPelmoraDoc& doc, XmlNode combination);

// Removes the "yhend" mark of the sentence's tokens at these positions that belong to no
// combination any more (part of the structural edits that delete combinations).
void dropStaleMarks(CPelmoraDoc& doc, XmlNode sentence, const std::vector<int>& positions);

}  // namespace pelmora
