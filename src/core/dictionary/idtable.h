// IdTable: exact lookup of a section's top-level entries by id, by open addressing over one flat
// array, so that a lookup costs one probe into the array and one comparison of the id.
#pragma once

#include "xml/xmldocument.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pelmora {

class IdTable {
public:
    // The entry stored under the id, or null.
    XmlNode find(std::string_view id) const;
    // Stores the entry under the id, which must stay valid while it is stored (it views the id
    // attribute in the tree). False, and nothing changes, when the id is already present.
    bool insert(std::string_view id, XmlNode entry);
    // Hints ahead of a find of the id, for lookups made many at a time: the first brings the
    // id's slot into the cache, the second, issued once that has arrived, the entry and the
    // stored id it points at. They change nothing.
    // Both take the id's hash, made once by hashOf().
    void prefetchSlot(std::uint32_t hash) const;
    void prefetchEntry(std::string_view id, std::uint32_t hash) const;
    static std::uint32_t hashOf(std::string_view id);
    // Removes the id; nothing happens when it is absent.
    void erase(std::string_view id);
    void clear();
    std::size_t size() const { return m_size; }

private:
    // 24 bytes, so that a probe and its neighbours share cache lines. The state lives in the
    // length: ids are far shorter than the two values reserved.
    struct Slot {
        const char* key = nullptr;
        XmlNode entry;
        std::uint32_t length = kEmpty;
        std::uint32_t hash = 0;  // places the slot; compared before the id
    };
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    static constexpr std::uint32_t kRemoved = 0xFFFFFFFE;

    std::size_t slotOf(std::string_view id, std::uint32_t hash) const;  // the used slot, or npos
    void rehash(std::size_t capacity);

    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
    std::size_t m_removed = 0;
};

}  // namespace pelmora
