// Escaping of values written into XML result files by hand.
#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// Appends the text with "&", "<", ">" and the double quote written as entity references, so the
// result stands safely both in element text and in a double-quoted attribute value.
void appendXmlEscaped(std::string& out, std::string_view text);

}  // namespace pelmora
