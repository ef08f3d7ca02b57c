// The arithmetic of a corpus text's identifiers: sentences are "l<n>", tokens "<sentence>_s<n>"
// with their own position in the sentence, combinations "<sentence>_s<p>_s<q>...".
#pragma once

#include "xml/xmldocument.h"

#include <string>
#include <string_view>

namespace pelmora {

// "l<n>": the identifier of the n-th sentence.
std::string sentenceId(int sentence);
// "<prefix>_s<position>": a token's identifier in the sentence the prefix names.
std::string tokenIdentifier(std::string_view sentencePrefix, int position);
// "l<sentence>_s<token>".
std::string tokenId(int sentence, int token);

// The identifier after a sentence's: "l8" for "l7" (the number read after the first character,
// 0 when there is none: "l1" for "x"); "" for an empty identifier.
std::string nextSentenceId(std::string_view sentenceId);

// The part of an identifier after the last "_" (the whole text when there is none): "s5" of "l3_s5".
std::string_view tokenSuffix(std::string_view id);
// The part after the first "_" (empty when there is none): "s2_s4" of "l3_s2_s4".
std::string_view combinationSuffix(std::string_view id);
// The number in a suffix such as "s5" (the letter "s" dropped); 0 when there is none.
int suffixNumber(std::string_view suffix);
// A token's own position in its sentence, read from its identifier: 5 for "l3_s5"; 0 when none.
int tokenPosition(XmlNode token);

// The sentence identifier that the identifiers of the token's sentence start with: the
// sentence's "id", or, when that is empty, the token's identifier before its last "_" ("" when
// it has none).
std::string sentencePrefix(XmlNode token);

}  // namespace pelmora
