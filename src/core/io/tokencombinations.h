// Read-only lookup of the combinations a token ends, for readers that must not change the text.
#pragma once

#include "xml/xmldocument.h"

#include <string>
#include <vector>

namespace pelmora {

struct CombinationValues {
    std::string id;
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
};

// The combinations ("yhend" siblings after the token) whose identifier ends with the token's own
// position, for a token marked "yhend"="+"; empty otherwise. It never repairs a stale mark, so
// exports and queries leave the text untouched.
std::vector<CombinationValues> combinationsEndingAt(XmlNode token);

}  // namespace pelmora
