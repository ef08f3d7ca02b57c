// The XML document service: loads, walks, edits and saves element trees over pugixml.
//
// Node handles (XmlNode) own nothing; a handle stays valid while its node is in the tree and
// dangles once the node is removed or the document is cleared or reloaded. Operations on a
// null handle do nothing and return "" or false.
#pragma once

#include <pugixml.hpp>

#include <functional>
#include <string>
#include <string_view>

namespace pelmora {

using XmlNode = pugi::xml_node;

struct XmlLoadResult {
    bool ok = false;
    std::string error;     // why the file could not be read or parsed, in the user's words; "" on success
    std::size_t line = 0;  // the line the reader stopped on, counted from 1; 0 when it names none
    explicit operator bool() const { return ok; }
    // "rida 12: elemendi lõpp puudub", or the reason alone when no line is known.
    std::string describe() const;
};

class XmlDocument {
public:
    XmlDocument() = default;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Parses a file into the tree, replacing the previous content only on success; on failure
    // the previous tree stays as it was. Accepts UTF-8 with or without byte-order mark, UTF-16
    // with byte-order mark, and the encodings a declaration names that the parser knows.
    // Whitespace-only text is not kept; the declaration, comments, processing instructions,
    // document type and unknown elements are.
    XmlLoadResult load(const std::string& path);

    // The same from bytes in memory.
    XmlLoadResult loadFromBuffer(std::string_view bytes);

    // Writes the whole tree to the path through the safe file replacement, in the encoding its
    // declaration names (UTF-8 when it names none or one the writer does not know, and when it
    // names Latin-1 but the tree holds characters beyond it: the declaration then says UTF-8).
    // Returns false with the reason in `error`; the file is then left as it was.
    bool save(const std::string& path, std::string* error = nullptr) const;
    // The same, handing every run of bytes written to `written` as well (to digest them, say).
    bool save(const std::string& path, std::string* error, const std::function<void(std::string_view)>& written) const;

    // The tree as the bytes save() would write.
    std::string serialize() const;

    // Removes every node.
    void clear() { m_tree.reset(); }
    // Takes the other document's tree; the other is left empty. Handles into either tree stay
    // valid and now belong to this document.
    void takeTree(XmlDocument& other) { m_tree = std::move(other.m_tree); other.m_tree.reset(); }

    // The root element (documentElement), or a null handle when there is none.
    XmlNode root() const { return m_tree.document_element(); }

    // The document node itself, parent of the declaration, root and top-level comments.
    XmlNode documentNode() const { return m_tree; }

private:
    // How save() and serialize() write the tree: the encoding, pugixml's flags, and whether the
    // written declaration must be made to name UTF-8.
    struct OutputFormat {
        pugi::xml_encoding encoding;
        unsigned flags;
        bool declareUtf8;
    };
    OutputFormat outputFormat() const;
    std::string serializeAs(const OutputFormat& format) const;
    pugi::xml_encoding saveEncoding() const;
    // True when the tree cannot be written in the encoding and read back the same (a letter
    // beyond Latin-1, or bytes of a damaged file that are not UTF-8).
    bool needsUtf8Instead(pugi::xml_encoding encoding) const;
    // Checks and parses a buffer from pugixml's allocator; takes ownership of it in every case.
    // On failure `offset` holds where the reader stopped (in the text as UTF-8), or npos.
    XmlLoadResult parseOwnedBuffer(void* buffer, std::size_t size, std::size_t& offset);

    pugi::xml_document m_tree;
};

// Element text: the value of the element's first child when that child is text; otherwise "".
std::string_view elementText(XmlNode element);

// Sets the element's text: the first child's value when it is text; otherwise a new text node
// is put in front of the other children (so a comment or element there is never overwritten).
// Returns false for a null handle or a node that cannot hold text.
bool setElementText(XmlNode element, std::string_view text);

// The attribute's value, or "" when the node has no such attribute.
std::string_view attributeValue(XmlNode node, const char* name);

// Sets an attribute: an existing one keeps its place, a new one is appended after the others.
bool setAttribute(XmlNode node, const char* name, std::string_view value);

// Removes an attribute; returns false when there was none.
bool removeAttribute(XmlNode node, const char* name);

// True for an element with exactly this name.
bool isElement(XmlNode node, const char* name);

// Child and sibling elements with a given name; other nodes (text, comments, elements of other
// names) are skipped. A null handle comes back when there is none.
XmlNode firstChildElement(XmlNode parent, const char* name);
XmlNode lastChildElement(XmlNode parent, const char* name);
XmlNode nextSiblingElement(XmlNode node, const char* name);
XmlNode previousSiblingElement(XmlNode node, const char* name);

// The first child element of any name, or null.
XmlNode firstChildElement(XmlNode parent);

}  // namespace pelmora
