// Reading the combinations ("yhend") of a sentence: their identifiers, their words, and the
// combinations a token belongs to. Read-only; text/combinationediting.h makes and removes them.
#pragma once

#include "xml/xmldocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The word positions of a combination identifier, in the order written: "l3_s2_s4_s7" gives
// 2, 4, 7. A part without a number gives 0; an identifier without "_" gives nothing.
std::vector<int> combinationPositions(std::string_view id);

// "<prefix>_s<p>..." with the positions in the order given: ("l3", {2, 4}) gives "l3_s2_s4".
std::string combinationIdentifier(std::string_view sentencePrefix, const std::vector<int>& positions);

// The tokens of the combination's sentence whose own position is one of the combination's, in
// the order of the identifier; a position without a token is left out.
std::vector<XmlNode> combinationWords(XmlNode combination);

// The combinations of the token's sentence that have the token as one of their words (by its
// own position), in the order they stand in the sentence. Does not look at the "yhend" mark,
// so it finds them also where the mark is missing; empty for a null handle.
std::vector<XmlNode> combinationsContaining(XmlNode token);

// The words in the order of their own positions, as a combination's identifier names them;
// words of the same position keep their order.
std::vector<XmlNode> inPositionOrder(std::vector<XmlNode> words);

// The lemma proposed for a combination: the words' texts in text order, joined by blanks.
std::string proposedCombinationLemma(const std::vector<XmlNode>& words);

}  // namespace pelmora
