#include "dictionary/entryindex.h"

#include "dictionary/dictformat.h"
#include "common/strings.h"

#include <algorithm>

namespace pelmora {

namespace {

// The length of the common start of two texts in UTF-16 code units, and its length in bytes.
struct CommonPrefix {
    std::size_t units = 0;
    std::size_t bytes = 0;
    std::size_t lastCharBytes = 0;  // byte length of the last common character
};

CommonPrefix commonPrefix(std::string_view a, std::string_view b)
{
    CommonPrefix common;
    std::size_t ia = 0;
    std::size_t ib = 0;
    while (ia < a.size() && ib < b.size()) {
        const std::size_t startA = ia;
        const char32_t ca = decodeUtf8(a, ia);
        const char32_t cb = decodeUtf8(b, ib);
        if (ca != cb || ia != ib)
            break;
        common.units += ca > 0xFFFF ? 2 : 1;
        common.bytes = ia;
        common.lastCharBytes = ia - startA;
    }
    return common;
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();)
        units += decodeUtf8(text, i) > 0xFFFF ? 2 : 1;
    return units;
}

// An empty tail always matches; another must be one of the blank-separated endings.
bool isEnding(std::string_view tail, std::string_view endings)
{
    if (tail.empty())
        return true;
    std::string framed;
    framed.reserve(tail.size() + 2);
    framed.append(" ").append(tail).append(" ");
    return endings.find(framed) != std::string_view::npos;
}

// True when the neighbour's id differs from the key only by endings, tested at the common
// prefix length and one code unit shorter.
enum class Similarity { Stop, Similar, Different };
Similarity similarity(std::string_view key, std::string_view id, std::string_view endings)
{
    const CommonPrefix common = commonPrefix(key, id);
    if (std::min(utf16Length(key), utf16Length(id)) == 0 || common.units < 2)
        return Similarity::Stop;
    if (isEnding(key.substr(common.bytes), endings) && isEnding(id.substr(common.bytes), endings))
        return Similarity::Similar;
    const std::size_t shorter = common.bytes - common.lastCharBytes;
    if (isEnding(key.substr(shorter), endings) && isEnding(id.substr(shorter), endings))
        return Similarity::Similar;
    return Similarity::Different;
}

}  // namespace

bool EntryIndex::OrdinalLess::operator()(std::string_view a, std::string_view b) const
{
    return compareOrdinal(a, b) < 0;
}

bool EntryIndex::build(XmlNode section, const char* name)
{
    clear();
    m_section = section;
    m_name = name;
    const XmlNode first = firstChildElement(section, name);
    for (XmlNode entry = first; entry; entry = nextSiblingElement(entry, name))
        file(entry);
    return static_cast<bool>(first);
}

void EntryIndex::file(XmlNode entry)
{
    // A sorted file appends at the end every time; the hint makes that constant time. Of
    // duplicate ids (a hand-edited file) the first entry is the one found.
    const std::string_view id = attributeValue(entry, dict::kId);
    const std::string_view key = keyOf(id);
    if (m_exact.insert(key, entry))
        m_ordered.emplace_hint(m_ordered.end(), key, entry);
    else if (holdsId(key, id))
        m_shadowed.push_back(entry);
    else
        m_variants.emplace(key, entry);
}

void EntryIndex::clear()
{
    m_section = XmlNode();
    m_ordered.clear();
    m_exact.clear();
    m_shadowed.clear();
    m_variants.clear();
    m_normalIds.clear();
    m_unsettled.clear();
}

std::string_view EntryIndex::keyOf(std::string_view id)
{
    if (isNfc(id))
        return id;
    return m_normalIds.emplace_back(toNfc(id));
}

bool EntryIndex::holdsId(std::string_view key, std::string_view id) const
{
    if (attributeValue(m_exact.find(key), dict::kId) == id)
        return true;
    const auto [from, to] = m_variants.equal_range(key);
    return std::any_of(from, to, [id](const auto& variant) { return attributeValue(variant.second, dict::kId) == id; });
}

XmlNode EntryIndex::find(std::string_view id) const
{
    std::string storage;
    return m_exact.find(nfcView(id, storage));
}

XmlNode EntryIndex::insert(std::string_view id, bool atEnd)
{
    if (atEnd) {
        XmlNode entry = m_section.append_child(m_name);
        setAttribute(entry, dict::kId, id);
        const std::string_view stored = attributeValue(entry, dict::kId);
        m_exact.insert(stored, entry);
        m_unsettled.push_back({ordinalPrefix(stored), stored, entry});
        return entry;
    }
    settle();
    const auto next = m_ordered.lower_bound(id);
    XmlNode entry = next == m_ordered.end() ? m_section.append_child(m_name)
                                            : m_section.insert_child_before(m_name, next->second);
    setAttribute(entry, dict::kId, id);
    const std::string_view stored = attributeValue(entry, dict::kId);
    m_ordered.emplace_hint(next, stored, entry);
    m_exact.insert(stored, entry);
    return entry;
}

void EntryIndex::settle() const
{
    if (m_unsettled.empty())
        return;
    std::vector<Unsettled> added = std::move(m_unsettled);
    m_unsettled.clear();
    std::sort(added.begin(), added.end(), [](const Unsettled& a, const Unsettled& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : compareOrdinal(a.id, b.id) < 0;
    });
    XmlNode section = m_section;
    // Few new entries: search each place; many: one walk through the section in step.
    const bool merge = added.size() * 16 > m_ordered.size();
    auto next = m_ordered.begin();
    for (const Unsettled& a : added) {
        const std::string_view id = a.id;
        const XmlNode entry = a.entry;
        if (merge) {
            while (next != m_ordered.end() && compareOrdinal(next->first, id) < 0)
                ++next;
        } else {
            next = m_ordered.lower_bound(id);
        }
        if (next == m_ordered.end())
            section.append_move(entry);
        else
            section.insert_move_before(entry, next->second);
        m_ordered.emplace_hint(next, id, entry);
    }
}

XmlNode EntryIndex::entryFor(std::string_view id, std::string_view key) const
{
    const Ordered& entries = ordered();
    const auto found = entries.find(key);
    if (found == entries.end())
        return {};
    // An entry filed under another spelling of the id is deleted from as itself.
    if (attributeValue(found->second, dict::kId) != id) {
        const auto [from, to] = m_variants.equal_range(key);
        const auto variant =
            std::find_if(from, to, [&](const auto& v) { return attributeValue(v.second, dict::kId) == id; });
        if (variant != to)
            return variant->second;
    }
    return found->second;
}

void EntryIndex::remove(XmlNode entry, std::string_view id, std::string_view key)
{
    const auto [from, to] = m_variants.equal_range(key);
    const auto variant = std::find_if(from, to, [entry](const auto& v) { return v.second == entry; });
    if (variant != to) {
        m_variants.erase(variant);
        m_section.remove_child(entry);
        return;
    }
    // Out of the index first: its keys view the id inside the entry.
    settle();
    m_exact.erase(key);
    m_ordered.erase(key);
    m_section.remove_child(entry);
    promoteShadowed(id, key);
}

void EntryIndex::promoteShadowed(std::string_view id, std::string_view key)
{
    // An entry with the very same id first, else one filed under another spelling of it.
    const auto next = std::find_if(m_shadowed.begin(), m_shadowed.end(),
                                   [&](XmlNode entry) { return attributeValue(entry, dict::kId) == id; });
    XmlNode promoted;
    if (next != m_shadowed.end()) {
        promoted = *next;
        m_shadowed.erase(next);
    } else if (const auto variant = m_variants.find(key); variant != m_variants.end()) {
        promoted = variant->second;
        m_variants.erase(variant);
    } else {
        return;
    }
    const std::string_view stored = keyOf(attributeValue(promoted, dict::kId));
    m_exact.insert(stored, promoted);
    m_ordered.emplace(stored, promoted);
}

XmlNode EntryIndex::atOrAfter(std::string_view key) const
{
    const Ordered& entries = ordered();
    if (entries.empty())
        return {};
    const auto at = entries.lower_bound(key);
    return at != entries.end() ? at->second : std::prev(entries.end())->second;
}

XmlNode EntryIndex::before(std::string_view key) const
{
    const Ordered& entries = ordered();
    if (entries.empty())
        return {};
    const auto at = entries.lower_bound(key);
    return at != entries.begin() ? std::prev(at)->second : entries.begin()->second;
}

std::vector<std::string> EntryIndex::idsStartingWith(std::string_view prefix, std::size_t count) const
{
    std::vector<std::string> result;
    const Ordered& entries = ordered();
    // Ids that begin with the prefix and are longer sort right after it, all together.
    for (auto it = entries.upper_bound(prefix); it != entries.end() && result.size() < count && it->first.starts_with(prefix);
         ++it)
        result.emplace_back(it->first);
    return result;
}

std::vector<XmlNode> EntryIndex::similarEntries(std::string_view key, std::string_view endings) const
{
    std::vector<XmlNode> result;
    const Ordered& entries = ordered();
    const auto found = entries.lower_bound(key);
    for (auto it = found; it != entries.begin();) {
        --it;
        const Similarity s = similarity(key, it->first, endings);
        if (s == Similarity::Stop)
            break;
        if (s == Similarity::Similar)
            result.push_back(it->second);
    }
    for (auto it = found; it != entries.end(); ++it) {
        const Similarity s = similarity(key, it->first, endings);
        if (s == Similarity::Stop)
            break;
        if (s == Similarity::Similar)
            result.push_back(it->second);
    }
    return result;
}

}  // namespace pelmora
