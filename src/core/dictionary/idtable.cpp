#include "dictionary/idtable.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace pelmora {

namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::uint64_t hashOf(std::string_view id) { return std::hash<std::string_view>{}(id); }
}  // namespace

std::size_t IdTable::slotOf(std::string_view id, std::uint64_t hash) const
{
    if (m_slots.empty())
        return kNone;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.state == kEmpty)
            return kNone;
        if (slot.state == kUsed && slot.hash == hash && slot.length == id.size() &&
            std::memcmp(slot.key, id.data(), id.size()) == 0)
            return i;
    }
}

XmlNode IdTable::find(std::string_view id) const
{
    const std::size_t at = slotOf(id, hashOf(id));
    return at == kNone ? XmlNode() : m_slots[at].entry;
}

bool IdTable::insert(std::string_view id, XmlNode entry)
{
    const std::uint64_t hash = hashOf(id);
    if (slotOf(id, hash) != kNone)
        return false;
    // Keep at least half of the slots never used, so that every probe ends soon.
    if ((m_size + m_removed + 1) * 2 > m_slots.size()) {
        // Grow when more than a quarter would be in use; otherwise only clear the removed slots.
        std::size_t capacity = std::max<std::size_t>(64, m_slots.size());
        if ((m_size + 1) * 4 > capacity)
            capacity *= 2;
        rehash(capacity);
    }
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].state == kUsed)
        i = (i + 1) & mask;
    if (m_slots[i].state == kRemoved)
        --m_removed;
    m_slots[i] = Slot{hash, id.data(), static_cast<std::uint32_t>(id.size()), kUsed, entry};
    ++m_size;
    return true;
}

void IdTable::erase(std::string_view id)
{
    const std::size_t at = slotOf(id, hashOf(id));
    if (at == kNone)
        return;
    m_slots[at] = Slot{};
    m_slots[at].state = kRemoved;
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
        if (slot.state != kUsed)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].state != kEmpty)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

}  // namespace pelmora
