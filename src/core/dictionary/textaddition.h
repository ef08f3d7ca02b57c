// Adding the open corpus text's annotated tokens and combinations to the dictionary in one bulk change.
#pragma once

#include "common/prompter.h"
#include "dictionary/dictionary.h"

namespace pelmora {

class CPelmoraDoc;

// Asks "Kas lisan sõned faili?" and then, under one lock, stores every token's word form and
// lemma and every combination of the text in bulk mode and saves once. Returns true when the
// dictionary file now holds them; false when the text has no token, the user said No, the lock
// was given up, the dictionary is not valid or the save failed (each reported through the prompter).
// `progress` hears (stores made, stores in all) now and then; when it returns false the addition
// stops and neither the dictionary in memory nor its file changes (false is returned).
bool addTextToDictionary(const CPelmoraDoc& document, CDictionary& dictionary, Prompter& prompter,
                         const CDictionary::BulkProgress& progress = {});

}  // namespace pelmora
