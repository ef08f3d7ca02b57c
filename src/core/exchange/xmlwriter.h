// Writing an XML document as text, element by element, without building a tree: every value is put
// into NFC and escaped, and a character XML cannot hold is replaced and noted.
#pragma once

#include "exchange/exchangereport.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// Appends a value in NFC, escaped for element text or (`inAttribute`) a double-quoted attribute, with
// line ends kept as character references where XML would change them; a character XML cannot hold
// becomes U+FFFD and is noted. `nfcStorage` is scratch space.
void appendXmlText(std::string& out, std::string_view value, bool inAttribute, ExchangeReport& report,
                   std::string& nfcStorage);

class XmlTextWriter {
public:
    // Starts the document with the XML declaration (UTF-8).
    explicit XmlTextWriter(ExchangeReport& report);

    // "<name" on a new line, indented by the depth.
    void start(std::string_view name);
    // ' name="value"'; after start() only.
    void attribute(std::string_view name, std::string_view value);
    // Ends the start tag: ">".
    void open();
    // Ends the element started last: "/>" when nothing was written into it, else "</name>" (on a
    // new line when it holds elements).
    void end();
    // Element text (after start(); opens the tag when needed).
    void text(std::string_view value);
    // A whole element with text: <name attr="v">text</name>; attributes given as name, value pairs.
    void textElement(std::string_view name, std::initializer_list<std::pair<std::string_view, std::string_view>> attributes,
                     std::string_view value);

    // Text that is already XML (elements, escaped values), put into the element started last, which
    // then counts as holding elements. It should start with a line break and its indentation.
    void raw(std::string_view xml);

    std::string finish();

private:
    void escaped(std::string_view value, bool inAttribute) { appendXmlText(m_out, value, inAttribute, m_report, m_nfc); }

    ExchangeReport& m_report;
    std::string m_out;
    std::string m_nfc;
    struct Open {
        std::string name;
        bool tagOpen = true;     // the start tag is not yet closed with ">"
        bool hasElements = false;
    };
    std::vector<Open> m_stack;
};

}  // namespace pelmora::exchange
