// DictionaryListing: the analyses of one dictionary section as the rows of a table, without the
// placeholder entries, with an index of the word-form keys of their ids, so that a filter typed
// letter by letter is a binary search rather than a walk of the section.
//
// Rows are node handles of the live tree: they go stale as the dictionary's handles do (a reload,
// a delete). Make a new listing after either.
#pragma once

#include "dictionary/dictionary.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class DictionaryListing {
public:
    // Walks the section once in pre-order (an entry, its child analyses, the next entry).
    DictionaryListing(const CDictionary& dictionary, DictSection section);

    DictSection section() const { return m_section; }
    // The dictionary's load serial when the listing was made.
    std::uint64_t loadSerial() const { return m_loadSerial; }
    std::size_t size() const { return m_rows.size(); }
    XmlNode row(std::size_t i) const { return m_rows[i]; }
    // The row of the analysis, or npos.
    std::size_t rowOf(XmlNode analysis) const;

    // The rows whose id's word-form key (MakeWordFormKey) begins with the key of `typed`, in
    // row order; every row when that key is empty (nothing typed, or only markup).
    std::vector<std::uint32_t> rowsMatching(std::string_view typed) const;

private:
    // One top-level entry: the key of its id, its first row and its number of rows.
    struct Keyed {
        std::string key;
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };

    DictSection m_section;
    std::uint64_t m_loadSerial = 0;
    std::vector<XmlNode> m_rows;
    std::vector<Keyed> m_byKey;  // sorted by key (bytes)
};

}  // namespace pelmora
