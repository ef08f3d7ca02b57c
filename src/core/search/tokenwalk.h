// Walking every token of a text in order, across sentences that hold no tokens.
#pragma once

#include "text/pelmoradoc.h"

#include <string_view>

namespace pelmora {

// The document's own next/previous token stop at a sentence without tokens; searches must not
// stop there, or every hit after such a sentence would be missed. These walk on past it.

// The first token of the text: the first token of the first sentence that has one; null when none.
XmlNode firstTokenOfText(const CPelmoraDoc& doc);
// The last token of the last sentence that has one; null when none.
XmlNode lastTokenOfText(const CPelmoraDoc& doc);
// The token after this one in text order, skipping empty sentences; null at the end.
XmlNode followingToken(XmlNode token);
// The token before this one in text order, skipping empty sentences; null at the start.
XmlNode precedingToken(XmlNode token);

// Calls the function for every token of the text in order.
template <class Function>
void forEachToken(const CPelmoraDoc& doc, Function&& function)
{
    for (XmlNode token = firstTokenOfText(doc); token; token = followingToken(token))
        function(token);
}

// The sentence with this identifier, or null.
XmlNode findSentenceById(const CPelmoraDoc& doc, std::string_view id);
// The token with this identifier (its sentence, named by the identifier's prefix, is tried
// first), or null.
XmlNode findTokenById(const CPelmoraDoc& doc, std::string_view id);

}  // namespace pelmora
