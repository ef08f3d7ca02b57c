// Adding the open corpus text's annotated tokens and combinations to the dictionary in one bulk change.
#pragma once

#include "common/prompter.h"

namespace pelmora {

class CDictionary;
class CPelmoraDoc;

// Asks "Kas lisan sõned faili?" and then, under one lock, stores every token's word form and
// lemma and every combination of the text in bulk mode and saves once. Returns true when the
// dictionary file now holds them; false when the text has no token, the user said No, the lock
// was given up, the dictionary is not valid or the save failed (each reported through the prompter).
bool addTextToDictionary(const CPelmoraDoc& document, CDictionary& dictionary, Prompter& prompter);

}  // namespace pelmora
