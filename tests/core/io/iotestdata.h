// Small corpus texts built inline for the tests of imports, exports, queries and merging.
#pragma once

#include <string>

namespace pelmora::test {

// A corpus text: the declaration, the root, an optional info block and a body with the id.
inline std::string corpusText(const std::string& id, const std::string& sentences, const std::string& info = "")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora>" + info + "<sisu id=\"" + id + "\">" + sentences +
           "</sisu></pelmora>";
}

// A token element "sone" with its id, text and further attributes as written.
inline std::string tok(const std::string& id, const std::string& text, const std::string& attributes = "")
{
    return "<sone id=\"" + id + "\"" + (attributes.empty() ? "" : " " + attributes) + ">" + text + "</sone>";
}

}  // namespace pelmora::test
