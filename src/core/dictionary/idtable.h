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
    // Removes the id; nothing happens when it is absent.
    void erase(std::string_view id);
    void clear();
    std::size_t size() const { return m_size; }

private:
    struct Slot {
        std::uint64_t hash = 0;
        const char* key = nullptr;
        std::uint32_t length = 0;
        std::uint8_t state = 0;  // 0 never used, 1 used, 2 removed
        XmlNode entry;
    };
    static constexpr std::uint8_t kEmpty = 0;
    static constexpr std::uint8_t kUsed = 1;
    static constexpr std::uint8_t kRemoved = 2;

    std::size_t slotOf(std::string_view id, std::uint64_t hash) const;  // the used slot, or npos
    void rehash(std::size_t capacity);

    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
    std::size_t m_removed = 0;
};

}  // namespace pelmora
