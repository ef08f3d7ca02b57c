#include "dictionary/idtable.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace pelmora {

namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

// The upper half of the string hash: it places the id in the table and is kept in its slot, so
// that growing never reads the ids again.
std::uint32_t IdTable::hashOf(std::string_view id)
{
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(id) >> 32);
}

std::size_t IdTable::slotOf(std::string_view id, std::uint32_t hash) const
{
    if (m_slots.empty() || id.size() >= kRemoved)
        return kNone;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.length == kEmpty)
            return kNone;
        if (slot.hash == hash && slot.length == id.size() && std::memcmp(slot.key, id.data(), id.size()) == 0)
            return i;
    }
}

XmlNode IdTable::find(std::string_view id) const
{
    const std::size_t at = slotOf(id, hashOf(id));
    return at == kNone ? XmlNode() : m_slots[at].entry;
}

void IdTable::prefetchSlot(std::uint32_t hash) const
{
    if (!m_slots.empty())
        __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
}

void IdTable::prefetchEntry(std::string_view id, std::uint32_t hash) const
{
    if (m_slots.empty())
        return;
    // The slot with the id's hash, without reading the stored id (that is what is fetched).
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.length == kEmpty)
            return;
        if (slot.hash == hash && slot.length == id.size()) {
            // The id with the values after it, and the entry with its attributes and first
            // analyses, which a parsed file keeps next to each other.
            const char* key = slot.key;
            const auto* entry = reinterpret_cast<const char*>(slot.entry.internal_object());
            for (int line = 0; line < 3; ++line)
                __builtin_prefetch(key + 64 * line);
            for (int line = 0; line < 5; ++line)
                __builtin_prefetch(entry + 64 * line);
            return;
        }
    }
}

bool IdTable::insert(std::string_view id, XmlNode entry)
{
    if (id.size() >= kRemoved)
        return false;  // never an id of a file this program can read
    const std::uint32_t hash = hashOf(id);
    if (slotOf(id, hash) != kNone)
        return false;
    // Keep at least two fifths of the slots never used, so that every probe ends soon; after a
    // rehash at most a third is used.
    if ((m_size + m_removed + 1) * 5 > m_slots.size() * 3) {
        std::size_t capacity = std::max<std::size_t>(64, m_slots.size());
        while ((m_size + 1) * 3 > capacity)
            capacity *= 2;
        rehash(capacity);
    }
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].length < kRemoved)
        i = (i + 1) & mask;
    if (m_slots[i].length == kRemoved)
        --m_removed;
    m_slots[i] = Slot{id.data(), entry, static_cast<std::uint32_t>(id.size()), hash};
    ++m_size;
    return true;
}

void IdTable::erase(std::string_view id)
{
    const std::size_t at = slotOf(id, hashOf(id));
    if (at == kNone)
        return;
    m_slots[at] = Slot{};
    m_slots[at].length = kRemoved;
    --m_size;
    ++m_removed;
}

void IdTable::clear()
{
    m_slots.clear();
    m_size = 0;
    m_removed = 0;
}

void IdTable::rehash(std::size_t capacity)
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(capacity, Slot{});
    m_removed = 0;
    const std::size_t mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.length >= kRemoved)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].length != kEmpty)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

}  // namespace pelmora
