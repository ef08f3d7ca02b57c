// Writing an XML document as text, element by element, without building a tree: every value is put
// into NFC and escaped, and a character XML cannot hold is replaced and noted.
#pragma once

#include "exchange/exchangereport.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// Where an export's bytes go, piece by piece in order; false stops the export (a write failed).
using ExportSink = std::function<bool(std::string_view)>;

// Appends a value in NFC, escaped for element text or (`inAttribute`) a double-quoted attribute, with
// line ends kept as character references where XML would change them; a character XML cannot hold
// becomes U+FFFD and is noted. `nfcStorage` is scratch space.
void appendXmlText(std::string& out, std::string_view value, bool inAttribute, ExchangeReport& report,
                   std::string& nfcStorage);

class XmlTextWriter {
public:
    // Starts the document with the XML declaration (UTF-8). With a sink, the text goes to it a
    // megabyte at a time, so that a long document is never held whole; without, finish() returns it.
    explicit XmlTextWriter(ExchangeReport& report, ExportSink sink = {});

    // "<name" on a new line, indented by the depth. The name must outlive the element (a literal).
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

    // Ends every open element; returns the document (without a sink) or "" (with one).
    std::string finish();
    // False once the sink refused a piece.
    bool ok() const { return m_ok; }

private:
    void escaped(std::string_view value, bool inAttribute) { appendXmlText(m_out, value, inAttribute, m_report, m_nfc); }

    // Hands the text on to the sink once it holds a megabyte.
    void pass(bool always = false);

    ExchangeReport& m_report;
    ExportSink m_sink;
    bool m_ok = true;
    std::string m_out;
    std::string m_nfc;
    struct Open {
        std::string_view name;
        bool tagOpen = true;     // the start tag is not yet closed with ">"
        bool hasElements = false;
    };
    std::vector<Open> m_stack;
};

}  // namespace pelmora::exchange
