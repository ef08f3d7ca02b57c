#include "xml/xmldocument.h"

#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "common/utf16text.h"

#include <algorithm>
#include <cstddef>

#include <cstring>
#include <sstream>

namespace pelmora {

namespace {

constexpr unsigned kParseFlags = pugi::parse_full;
constexpr unsigned kFormatFlags = pugi::format_indent | pugi::format_no_declaration;
constexpr const char* kIndent = "";

// Bytes a file must start with to be read as UTF-16 (byte-order mark or "<" in either order).
bool looksLikeUtf16(std::string_view bytes)
{
    if (bytes.size() < 2)
        return false;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    return (b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF) || (b0 == '<' && b1 == 0) ||
           (b0 == 0 && b1 == '<');
}

class SinkWriter final : public pugi::xml_writer {
public:
    SinkWriter(FileSink& sink, const std::function<void(std::string_view)>& written) : m_sink(sink), m_written(written)
    {
    }
    void write(const void* data, size_t size) override
    {
        m_ok = m_sink.write(data, size) && m_ok;
        if (m_written)
            m_written(std::string_view(static_cast<const char*>(data), size));
    }
    bool ok() const { return m_ok; }

private:
    FileSink& m_sink;
    const std::function<void(std::string_view)>& m_written;
    bool m_ok = true;
};

class StringWriter final : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

// True when the text can be written in the encoding and read back the same: it is valid UTF-8
// (a damaged file read as UTF-8 may hold other bytes, which only a UTF-8 writer keeps) and, for
// Latin-1, no character lies beyond it (UTF-8 lead bytes from 0xC4 up start U+0100 and above).
bool convertsFaithfully(const char* text, pugi::xml_encoding encoding)
{
    const char* end = text;
    bool ascii = true;
    for (; *end != '\0'; ++end) {
        const auto byte = static_cast<unsigned char>(*end);
        if (byte >= 0x80)
            ascii = false;
        if (byte >= 0xC4 && encoding == pugi::encoding_latin1)
            return false;
    }
    return ascii || isValidUtf8(std::string_view(text, static_cast<std::size_t>(end - text)));
}

class ConversionCheck final : public pugi::xml_tree_walker {
public:
    explicit ConversionCheck(pugi::xml_encoding encoding) : m_encoding(encoding) {}
    bool faithful = true;
    bool for_each(pugi::xml_node& node) override
    {
        faithful = convertsFaithfully(node.name(), m_encoding) && convertsFaithfully(node.value(), m_encoding);
        for (pugi::xml_attribute a = node.first_attribute(); faithful && a; a = a.next_attribute())
            faithful = convertsFaithfully(a.name(), m_encoding) && convertsFaithfully(a.value(), m_encoding);
        return faithful;
    }

private:
    pugi::xml_encoding m_encoding;
};

// Makes the declaration at the start of the written text name UTF-8.
void declareUtf8(std::string& text)
{
    if (!text.starts_with("<?xml"))
        return;
    const std::size_t end = text.find("?>");
    const std::size_t name = text.find("encoding=\"");
    if (end == std::string::npos || name == std::string::npos || name > end)
        return;
    const std::size_t valueStart = name + std::strlen("encoding=\"");
    const std::size_t valueEnd = text.find('"', valueStart);
    if (valueEnd != std::string::npos && valueEnd < end)
        text.replace(valueStart, valueEnd - valueStart, "utf-8");
}

// True when the "&" at `at` starts a predefined entity or a character reference.
bool isReferenceAt(std::string_view text, std::size_t at)
{
    const std::size_t semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at > 12)
        return false;
    const std::string_view name = text.substr(at + 1, semicolon - at - 1);
    if (name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot")
        return true;
    if (name.size() < 2 || name[0] != '#')
        return false;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), [hex](char c) {
        return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    });
}

// Tells whether positions (asked in increasing order) lie inside a comment, CDATA section,
// processing instruction or document type, where "&" is plain text.
class MarkupSections {
public:
    explicit MarkupSections(std::string_view text) : m_text(text) {}

    bool contains(std::size_t pos)
    {
        while (true) {
            if (m_start <= pos && pos < m_end)
                return true;
            if (m_scanned > pos)
                return false;
            const std::size_t lt = m_text.find('<', m_scanned);
            if (lt == std::string_view::npos || lt > pos) {
                m_scanned = pos + 1;
                return false;
            }
            const std::size_t end = sectionEnd(lt);
            if (end == std::string_view::npos) {
                m_scanned = lt + 1;
                continue;
            }
            m_start = lt;
            m_end = end;
            m_scanned = end;
        }
    }

private:
    // The position after the section that starts at `lt`, or npos when none starts there.
    std::size_t sectionEnd(std::size_t lt) const
    {
        const std::string_view rest = m_text.substr(lt);
        const auto after = [&](std::size_t from, std::string_view terminator) {
            const std::size_t at = m_text.find(terminator, from);
            return at == std::string_view::npos ? m_text.size() : at + terminator.size();
        };
        if (rest.starts_with("<!--"))
            return after(lt + 4, "-->");
        if (rest.starts_with("<![CDATA["))
            return after(lt + 9, "]]>");
        if (rest.starts_with("<?"))
            return after(lt + 2, "?>");
        if (rest.starts_with("<!DOCTYPE"))
            return after(lt + 9, m_text.find('[', lt) < m_text.find('>', lt) ? "]>" : ">");
        return std::string_view::npos;
    }

    std::string_view m_text;
    std::size_t m_scanned = 0;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
};

// The offset of the first "&" that does not start a predefined entity or a character reference,
// or npos. The parser leaves such text as it stands, which a save would then escape into
// something else, so a file holding one is not well-formed for us. Comments, CDATA sections,
// processing instructions and the document type are skipped. Linear in the text.
std::size_t findUndefinedReference(std::string_view text)
{
    MarkupSections sections(text);
    for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        if (!isReferenceAt(text, at) && !sections.contains(at))
            return at;
    }
    return std::string_view::npos;
}

// True when the document level holds exactly one element and no text.
bool hasSingleRoot(const pugi::xml_document& tree)
{
    int elements = 0;
    for (XmlNode node = tree.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element)
            ++elements;
        else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            return false;
    }
    return elements == 1;
}

// True when an 8-bit file holds something other than white space (or a byte-order mark) before
// its first markup. The parser would drop it, and a declaration behind it would not be seen
// when the file is read but would be at the start of the file written back.
bool hasTextBeforeMarkup(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] != '<';
}

// True when the document holds an XML declaration that is not its first node.
bool hasMisplacedDeclaration(const pugi::xml_document& tree)
{
    for (XmlNode node = tree.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_declaration && node != tree.first_child())
            return true;
    return false;
}

// The encoding the reader will take a file in whose first line is this declaration: besides
// byte-order marks it finds Latin-1 in the declaration, also behind a mangled attribute name.
pugi::xml_encoding encodingReadBack(XmlNode declaration)
{
    pugi::xml_document probe;
    probe.append_copy(declaration);
    probe.append_child("x");
    StringWriter written;
    probe.save(written, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    pugi::xml_document reread;
    return reread.load_buffer(written.text.data(), written.text.size(), pugi::parse_minimal, pugi::encoding_auto)
        .encoding;
}

// The reader's refusal in the user's words. A missing end tag shows as a mismatch with no tag after
// it (`tagsFollow` false), so that case is told apart from a wrong end tag in the middle.
std::string reasonOf(const pugi::xml_parse_result& result, bool tagsFollow)
{
    switch (result.status) {
    case pugi::status_ok: return {};
    case pugi::status_file_not_found: return QT_TRANSLATE_NOOP("core", "faili ei leitud");
    case pugi::status_io_error: return QT_TRANSLATE_NOOP("core", "faili ei saa lugeda");
    case pugi::status_out_of_memory: return QT_TRANSLATE_NOOP("core", "mälu ei jätku");
    case pugi::status_unrecognized_tag: return QT_TRANSLATE_NOOP("core", "tundmatu märgend");
    case pugi::status_bad_pi: return QT_TRANSLATE_NOOP("core", "vigane töötlusjuhis (<?...?>)");
    case pugi::status_bad_comment: return QT_TRANSLATE_NOOP("core", "vigane või lõpetamata kommentaar");
    case pugi::status_bad_cdata: return QT_TRANSLATE_NOOP("core", "vigane CDATA-lõik");
    case pugi::status_bad_doctype: return QT_TRANSLATE_NOOP("core", "vigane dokumenditüübi kirjeldus");
    case pugi::status_bad_pcdata: return QT_TRANSLATE_NOOP("core", "vigane tekst elementide vahel");
    case pugi::status_bad_start_element: return QT_TRANSLATE_NOOP("core", "vigane algusmärgend");
    case pugi::status_bad_attribute: return QT_TRANSLATE_NOOP("core", "vigane atribuut");
    case pugi::status_bad_end_element: return QT_TRANSLATE_NOOP("core", "vigane lõpumärgend");
    case pugi::status_end_element_mismatch:
        return tagsFollow ? QT_TRANSLATE_NOOP("core", "lõpumärgend ei vasta algusmärgendile")
                          : QT_TRANSLATE_NOOP("core", "elemendi lõpp puudub");
    case pugi::status_no_document_element: return QT_TRANSLATE_NOOP("core", "failis pole ühtegi elementi");
    case pugi::status_append_invalid_root:
    case pugi::status_internal_error: break;
    }
    return result.description();
}

// The line (from 1) of an offset into the text as UTF-8: UTF-16 input is converted first, the
// way the reader converts it.
std::size_t lineOfOffset(std::string_view bytes, std::size_t offset)
{
    std::string converted;
    if (looksLikeUtf16(bytes) && (bytes[0] == '\xFF' || bytes[0] == '<')) {
        converted = utf16LeToUtf8(bytes.substr(bytes[0] == '<' ? 0 : 2));
        bytes = converted;
    }
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// A reading failure of the file system in the user's words.
std::string unreadable(const std::string& error)
{
    return error.empty() ? translatedText(QT_TRANSLATE_NOOP("core", "faili ei saa lugeda"))
                         : formatText(QT_TRANSLATE_NOOP("core", "faili ei saa lugeda (%s)"), {error});
}

}  // namespace

std::string XmlLoadResult::describe() const
{
    // The reason is kept as written (callers compare it); it is told in the interface's language.
    const std::string reason = translatedText(error);
    return line > 0 ? formatText(QT_TRANSLATE_NOOP("core", "rida %s: %s"), {std::to_string(line), reason}) : reason;
}

XmlLoadResult XmlDocument::load(const std::string& path)
{
    // Read straight into a buffer the parser then owns and parses in place, so the file is held
    // in memory once.
    std::size_t size = 0;
    std::string error;
    void* buffer = readWholeFileInto(
        path, [](std::size_t bytes) { return pugi::get_memory_allocation_function()(bytes ? bytes : 1); },
        [](void* unused) { pugi::get_memory_deallocation_function()(unused); }, size, &error);
    if (buffer == nullptr)
        return {false, unreadable(error)};
    std::size_t offset = std::string_view::npos;
    XmlLoadResult result = parseOwnedBuffer(buffer, size, offset);
    if (!result && offset != std::string_view::npos) {
        // Parsing in place changed the buffer: the line is counted in the file read once more.
        std::string bytes;
        readWholeFile(path, bytes);
        result.line = lineOfOffset(bytes, offset);
    }
    return result;
}

XmlLoadResult XmlDocument::loadFromBuffer(std::string_view bytes)
{
    void* buffer = pugi::get_memory_allocation_function()(bytes.empty() ? 1 : bytes.size());
    if (buffer == nullptr)
        return {false, QT_TRANSLATE_NOOP("core", "mälu ei jätku")};
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    std::size_t offset = std::string_view::npos;
    XmlLoadResult result = parseOwnedBuffer(buffer, bytes.size(), offset);
    if (!result && offset != std::string_view::npos)
        result.line = lineOfOffset(bytes, offset);
    return result;
}

XmlLoadResult XmlDocument::parseOwnedBuffer(void* buffer, std::size_t size, std::size_t& offset)
{
    offset = std::string_view::npos;
    const std::string_view bytes(static_cast<const char*>(buffer), size);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        pugi::get_memory_deallocation_function()(buffer);
        return {false, QT_TRANSLATE_NOOP("core", "fail on tühi")};
    }
    // The reference check reads UTF-8; little-endian UTF-16 is converted for it, big-endian
    // (never written by the program) is left to the parser alone.
    std::size_t badReference = std::string_view::npos;
    if (!looksLikeUtf16(bytes))
        badReference = findUndefinedReference(bytes);
    else if (bytes[0] == '\xFF' || bytes[0] == '<')
        badReference = findUndefinedReference(utf16LeToUtf8(bytes.substr(bytes[0] == '<' ? 0 : 2)));
    if (badReference != std::string_view::npos) {
        pugi::get_memory_deallocation_function()(buffer);
        offset = badReference;
        return {false, QT_TRANSLATE_NOOP("core", "tundmatu olemiviide (&...;)")};
    }
    const bool utf16 = looksLikeUtf16(bytes);
    if (!utf16 && hasTextBeforeMarkup(bytes)) {
        pugi::get_memory_deallocation_function()(buffer);
        return {false, QT_TRANSLATE_NOOP("core", "enne esimest märgendit on teksti (fail pole XML)")};
    }

    // The reader may convert the text into a buffer of its own and free this one at once (a
    // declared single-byte encoding does that), so what the message needs is taken beforehand.
    const std::size_t lastTag = bytes.rfind('<');
    pugi::xml_document parsed;
    // From here on the tree owns the buffer, also when parsing fails.
    const pugi::xml_parse_result result =
        parsed.load_buffer_inplace_own(buffer, size, kParseFlags, pugi::encoding_auto);
    if (!result) {
        offset = static_cast<std::size_t>(result.offset);
        const bool tagsFollow = utf16 || (lastTag != std::string_view::npos && lastTag > offset);
        return {false, reasonOf(result, tagsFollow)};
    }
    if (!hasSingleRoot(parsed))
        return {false, QT_TRANSLATE_NOOP("core", "failis peab olema täpselt üks juurelement")};
    if (hasMisplacedDeclaration(parsed))
        return {false, QT_TRANSLATE_NOOP("core", "XML-deklaratsioon peab olema faili alguses")};
    if (utf16 && result.encoding != pugi::encoding_utf16_le && result.encoding != pugi::encoding_utf16_be)
        return {false, QT_TRANSLATE_NOOP("core", "tundmatu kodeering")};
    m_tree.reset();
    m_tree = std::move(parsed);
    return {true, {}};
}

pugi::xml_encoding XmlDocument::saveEncoding() const
{
    const XmlNode first = m_tree.first_child();
    if (first.type() != pugi::node_declaration)
        return pugi::encoding_utf8;
    const std::string name = toLowerAscii(first.attribute("encoding").value());
    if (name == "utf-16" || name == "utf-16le" || name == "ucs-2")
        return pugi::encoding_utf16_le;
    if (name == "utf-16be")
        return pugi::encoding_utf16_be;
    // An 8-bit file is written the way its declaration will be read back (a mangled declaration
    // the reader still takes for Latin-1 included); written any other way, it would read back
    // garbled.
    return encodingReadBack(first) == pugi::encoding_latin1 ? pugi::encoding_latin1 : pugi::encoding_utf8;
}

bool XmlDocument::needsUtf8Instead(pugi::xml_encoding encoding) const
{
    // The Latin-1 writer puts "?" in place of every letter it cannot encode (Livonian ō, ǟ, ȯ,
    // ...), and the Latin-1 and UTF-16 writers drop bytes that are not UTF-8: such a tree is
    // written as UTF-8 under a declaration that says so.
    if (encoding == pugi::encoding_utf8)
        return false;
    ConversionCheck check(encoding);
    XmlNode document = m_tree;
    document.traverse(check);
    return !check.faithful;
}

XmlDocument::OutputFormat XmlDocument::outputFormat() const
{
    OutputFormat format{saveEncoding(), kFormatFlags, false};
    if (needsUtf8Instead(format.encoding)) {
        format.encoding = pugi::encoding_utf8;
        format.declareUtf8 = true;
    }
    if (format.encoding == pugi::encoding_utf16_le || format.encoding == pugi::encoding_utf16_be)
        format.flags |= pugi::format_write_bom;
    return format;
}

std::string XmlDocument::serializeAs(const OutputFormat& format) const
{
    StringWriter writer;
    m_tree.save(writer, kIndent, format.flags, format.encoding);
    if (format.declareUtf8)
        declareUtf8(writer.text);
    return writer.text;
}

bool XmlDocument::save(const std::string& path, std::string* error) const { return save(path, error, {}); }

bool XmlDocument::save(const std::string& path, std::string* error,
                       const std::function<void(std::string_view)>& written) const
{
    const OutputFormat format = outputFormat();
    // A declaration to rewrite needs the text in memory; otherwise it streams to the file.
    if (format.declareUtf8) {
        const std::string text = serializeAs(format);
        if (written)
            written(text);
        return replaceFileSafely(path, text, error);
    }
    return replaceFileSafely(
        path,
        [&](FileSink& sink) {
            SinkWriter writer(sink, written);
            m_tree.save(writer, kIndent, format.flags, format.encoding);
            return writer.ok();
        },
        error);
}

std::string XmlDocument::serialize() const { return serializeAs(outputFormat()); }

std::string_view elementText(XmlNode element)
{
    const XmlNode first = element.first_child();
    if (first.type() != pugi::node_pcdata)
        return {};
    return first.value();
}

bool setElementText(XmlNode element, std::string_view text)
{
    if (element.type() != pugi::node_element)
        return false;
    XmlNode first = element.first_child();
    if (first.type() != pugi::node_pcdata)
        first = element.prepend_child(pugi::node_pcdata);
    return first && first.set_value(text.data(), text.size());
}

std::string_view attributeValue(XmlNode node, const char* name)
{
    return node.attribute(name).value();
}

bool setAttribute(XmlNode node, const char* name, std::string_view value)
{
    if (node.type() != pugi::node_element)
        return false;
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    return attribute && attribute.set_value(value.data(), value.size());
}

bool removeAttribute(XmlNode node, const char* name)
{
    return node.remove_attribute(name);
}

bool isElement(XmlNode node, const char* name)
{
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

// The named searches run inside pugixml (one call per step instead of several); only elements
// count, not a processing instruction of the same name.
XmlNode firstChildElement(XmlNode parent, const char* name)
{
    XmlNode node = parent.child(name);
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling(name);
    return node;
}

XmlNode lastChildElement(XmlNode parent, const char* name)
{
    for (XmlNode node = parent.last_child(); node; node = node.previous_sibling())
        if (isElement(node, name))
            return node;
    return {};
}

XmlNode nextSiblingElement(XmlNode node, const char* name)
{
    XmlNode sibling = node.next_sibling(name);
    while (sibling && sibling.type() != pugi::node_element)
        sibling = sibling.next_sibling(name);
    return sibling;
}

XmlNode previousSiblingElement(XmlNode node, const char* name)
{
    for (XmlNode sibling = node.previous_sibling(); sibling; sibling = sibling.previous_sibling())
        if (isElement(sibling, name))
            return sibling;
    return {};
}

XmlNode firstChildElement(XmlNode parent)
{
    for (XmlNode node = parent.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_element)
            return node;
    return {};
}

}  // namespace pelmora
