// Putting a shared dictionary into the Unicode normal form (NFC): every value, and entries or
// analyses that thereby become one merged with their weights added.
#pragma once

#include "dictionary/dictionary.h"

#include <cstddef>

namespace pelmora {

struct DictionaryNormalisation {
    std::size_t values = 0;  // attribute values that changed
    std::size_t merged = 0;  // entries that joined another, and analyses that joined an equal one
};

// The values of the dictionary's tree that are not in NFC (reads only; nothing changes).
std::size_t countUnnormalisedValues(const CDictionary& dictionary);

// Rewrites the dictionary in NFC under its lock with its safe save (see
// CDictionary::rewriteUnderLock). An entry whose id becomes another entry's id joins that entry;
// an analysis that becomes equal to another of the same entry is one analysis with both weights.
// Nothing is written when every value is in NFC already. False when the change could not be
// saved (reported; the file is as it was).
bool normaliseDictionary(CDictionary& dictionary, DictionaryNormalisation& result);

}  // namespace pelmora
