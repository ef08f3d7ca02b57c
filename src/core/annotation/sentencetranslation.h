// The translations of a sentence into Estonian, English and Latvian (`eelause`, `inglause`,
// `ltlause` on the `lause` element).
#pragma once

#include "xml/xmldocument.h"

#include <string>

namespace pelmora {

class CPelmoraDoc;

struct SentenceTranslations {
    std::string estonian;
    std::string english;
    std::string latvian;
    bool operator==(const SentenceTranslations&) const = default;
};

// The sentence's three translations; "" for each one absent, and for a null sentence.
SentenceTranslations sentenceTranslations(XmlNode sentence);

// Writes the translations into the sentence as one undo step: a non-empty text is stored, an
// empty one (or one of blanks and line breaks only) removes its attribute. Nothing changes (no
// step, no modified flag) when all three are as they were or the sentence is null. Redraws when
// something changed; returns whether it did.
bool acceptSentenceTranslations(CPelmoraDoc& doc, XmlNode sentence, const SentenceTranslations& translations);

}  // namespace pelmora
