// Finding and fixing the values of a corpus text that are not in the Unicode normal form (NFC):
// older files and pasted text may hold letters spelled as a base letter and combining marks.
#pragma once

#include "text/pelmoradoc.h"

#include <string>
#include <vector>

namespace pelmora {

// A value of a text that is not in NFC.
struct UnnormalisedValue {
    std::string element;  // the identifier of its element, or the element's name when it has none
    std::string field;    // the attribute's name, or the element's name for its text ("sone": the token)
};

// Every element text and attribute value below the node (the node included) that is not in NFC,
// in document order. Reads only.
std::vector<UnnormalisedValue> findUnnormalisedValues(XmlNode node);

// Puts every element text and attribute value of the open text into NFC through the document's
// changes, as one undo step ("normaliseeri tähed"), and redraws. Returns how many values changed;
// 0 changes nothing (and makes no step).
std::size_t normaliseText(CPelmoraDoc& doc);

// What the window tells the user after normaliseText changed that many values.
std::string normalisationMessage(std::size_t changed);

}  // namespace pelmora
