#include "exchange/xmlwriter.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "exchange/textbuilder.h"

#include <algorithm>

namespace pelmora::exchange {

XmlTextWriter::XmlTextWriter(ExchangeReport& report, ExportSink sink) : m_report(report), m_sink(std::move(sink))
{
    m_out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
}

void XmlTextWriter::start(std::string_view name)
{
    if (!m_stack.empty()) {
        Open& parent = m_stack.back();
        if (parent.tagOpen) {
            m_out += '>';
            parent.tagOpen = false;
        }
        parent.hasElements = true;
    }
    m_out += '\n';
    m_out.append(2 * m_stack.size(), ' ');
    m_out += '<';
    m_out += name;
    m_stack.push_back({name});
}

void XmlTextWriter::attribute(std::string_view name, std::string_view value)
{
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    escaped(value, true);
    m_out += '"';
}

void XmlTextWriter::open()
{
    if (!m_stack.empty() && m_stack.back().tagOpen) {
        m_out += '>';
        m_stack.back().tagOpen = false;
    }
}

void XmlTextWriter::end()
{
    if (m_stack.empty())
        return;
    const Open element = m_stack.back();
    m_stack.pop_back();
    if (element.tagOpen) {
        m_out += "/>";
        return;
    }
    if (element.hasElements) {
        m_out += '\n';
        m_out.append(2 * m_stack.size(), ' ');
    }
    m_out += "</";
    m_out += element.name;
    m_out += '>';
    pass();
}

void XmlTextWriter::pass(bool always)
{
    constexpr std::size_t kPiece = 1 << 20;
    if (!m_sink || (!always && m_out.size() < kPiece))
        return;
    m_ok = m_ok && m_sink(m_out);
    m_out.clear();
}

void XmlTextWriter::text(std::string_view value)
{
    open();
    escaped(value, false);
}

void XmlTextWriter::textElement(std::string_view name,
                                std::initializer_list<std::pair<std::string_view, std::string_view>> attributes,
                                std::string_view value)
{
    start(name);
    for (const auto& [attributeName, attributeValue] : attributes)
        attribute(attributeName, attributeValue);
    text(value);
    end();
}

void XmlTextWriter::raw(std::string_view xml)
{
    open();
    if (!m_stack.empty())
        m_stack.back().hasElements = true;
    if (m_sink && xml.size() >= (1 << 20)) {
        pass(true);
        m_ok = m_ok && m_sink(xml);  // a long piece goes on as it is, without a copy
        return;
    }
    m_out += xml;
    pass();
}

std::string XmlTextWriter::finish()
{
    while (!m_stack.empty())
        end();
    m_out += '\n';
    pass(true);
    return std::move(m_out);
}

void appendXmlText(std::string& out, std::string_view value, bool inAttribute, ExchangeReport& report,
                   std::string& nfcStorage)
{
    const std::string_view text = nfcView(value, nfcStorage);
    // Most values need nothing: valid UTF-8 without markup characters, controls or U+FFFE/U+FFFF.
    const bool plain = std::none_of(text.begin(), text.end(), [inAttribute](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || c == '&' || c == '<' || c == '>' || (inAttribute && c == '"') || b == 0xEF;
    });
    if (plain && isValidUtf8(text)) {
        out += text;
        return;
    }
    std::size_t plainFrom = 0;
    const auto flush = [&](std::size_t upTo) { out.append(text.substr(plainFrom, upTo - plainFrom)); };
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        const char* replacement = nullptr;
        std::size_t length = 1;
        switch (byte) {
        case '&': replacement = "&amp;"; break;
        case '<': replacement = "&lt;"; break;
        case '>': replacement = "&gt;"; break;
        case '"': replacement = inAttribute ? "&quot;" : nullptr; break;
        case '\t': replacement = inAttribute ? "&#9;" : nullptr; break;
        case '\n': replacement = inAttribute ? "&#10;" : nullptr; break;
        case '\r': replacement = "&#13;"; break;
        default:
            if (byte < 0x20) {
                replacement = "\uFFFD";
            } else if (byte >= 0x80) {
                std::size_t next = at;
                const char32_t c = decodeUtf8(text, next);
                length = next - at;
                const bool bad = (c == 0xFFFD && text.substr(at, length) != "\uFFFD") || c == 0xFFFE || c == 0xFFFF;
                if (bad)
                    replacement = "\uFFFD";
            }
        }
        if (replacement != nullptr) {
            flush(at);
            out += replacement;
            plainFrom = at + length;
            if (replacement[0] != '&')
                report.note(noted::kBadCharacters);
        }
        at += length;
    }
    flush(text.size());
}

}  // namespace pelmora::exchange
