// EntryIndex: the top-level entries of one dictionary section by id. In ordinal order for
// insertion points, completion, neighbours and the place after a delete, and hashed for the exact
// lookups that every store and every suggestion makes. Entries are filed under the normal form
// (NFC) of their id; keys view the id attribute in the tree, which never changes while the entry
// is indexed (entries leave the index before they leave the tree).
#pragma once

#include "common/normalisation.h"
#include "dictionary/idtable.h"
#include "xml/xmldocument.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class EntryIndex {
public:
    struct OrdinalLess {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using Ordered = std::map<std::string_view, XmlNode, OrdinalLess>;

    // Indexes the entries named `name` of the section element in file order. Of entries with
    // the same id (a hand-edited file) the first is found and the others are shadowed; an entry
    // whose id is another spelling of an earlier one's is read as part of it. False when the
    // section has no entry.
    bool build(XmlNode section, const char* name);
    // Forgets the section and every entry.
    void clear();
    XmlNode section() const { return m_section; }

    // The indexed entry whose id has the normal form of `id` (an entry added in bulk included),
    // or null.
    XmlNode find(std::string_view id) const;
    // The hash table behind find(), for lookups made ahead of time.
    const IdTable& exact() const { return m_exact; }
    // Calls `visit` with every entry filed under another spelling of the id (its normal form
    // aside) and with their child analyses, until it returns true; true then.
    template <typename Visit>
    bool visitVariants(std::string_view id, Visit visit) const;

    // The entries in ordinal order (entries added in bulk sorted in first).
    const Ordered& ordered() const
    {
        settle();
        return m_ordered;
    }
    std::size_t size() const { return ordered().size(); }

    // A new top-level entry with the id (in normal form), in its sorted place. `atEnd`: appended
    // at the end of the section and sorted in later, all new entries in one merge, so that a
    // long bulk addition does not search a place for each.
    XmlNode insert(std::string_view id, bool atEnd);
    // Puts the entries appended at the end into their sorted places.
    void settle() const;

    // The entry a delete of the id works on: the indexed entry of its normal form `key`, or the
    // entry filed under that key with exactly this spelling. Null when the key is absent.
    XmlNode entryFor(std::string_view id, std::string_view key) const;
    // Removes an entry that entryFor() gave from the index and the tree. When it was the indexed
    // entry of its key, the next entry with the id, or else with another spelling of it, takes
    // its place, as a reload of the saved file would find it.
    void remove(XmlNode entry, std::string_view id, std::string_view key);
    // The entry at the key's place: the first at or after it (the last when none), or the one
    // before it (the first when none). Null on an empty index.
    XmlNode atOrAfter(std::string_view key) const;
    XmlNode before(std::string_view key) const;

    // Up to `count` ids longer than the prefix (normal form) that begin with it, in order.
    std::vector<std::string> idsStartingWith(std::string_view prefix, std::size_t count) const;
    // The entries near the key whose id differs from it only by endings of the blank-framed
    // `endings` list, those before the key's place first (nearest first), then those after.
    std::vector<XmlNode> similarEntries(std::string_view key, std::string_view endings) const;

private:
    // The key of an entry's id: the id itself when it is in NFC, otherwise its normal form.
    std::string_view keyOf(std::string_view id);
    // Whether an indexed entry (or a variant) has exactly this id.
    bool holdsId(std::string_view key, std::string_view id) const;
    // Files an entry under its key: indexed, shadowed or a variant.
    void file(XmlNode entry);
    // Indexes the next entry with the id, or with another spelling of it, if any.
    void promoteShadowed(std::string_view id, std::string_view key);

    XmlNode m_section;
    const char* m_name = "";
    mutable Ordered m_ordered;
    IdTable m_exact;
    // Entries of a hand-edited file whose id an earlier entry already has, in file order. Not
    // found by lookups.
    std::vector<XmlNode> m_shadowed;
    // Entries whose id is another spelling (normal form aside) of an earlier entry's id:
    // lookups read them as part of that entry. By the normal form of the id.
    std::multimap<std::string_view, XmlNode, OrdinalLess> m_variants;
    // The normal forms of ids not stored in NFC, for the keys above to view.
    std::deque<std::string> m_normalIds;
    // New entries appended at the end of the section and not yet in the ordered index (they are
    // in the exact one).
    struct Unsettled {
        std::uint64_t prefix;  // ordinalPrefix of the id: sorts most pairs without reading the ids
        std::string_view id;
        XmlNode entry;
    };
    mutable std::vector<Unsettled> m_unsettled;
};

template <typename Visit>
bool EntryIndex::visitVariants(std::string_view id, Visit visit) const
{
    if (m_variants.empty())
        return false;
    std::string storage;
    const auto [from, to] = m_variants.equal_range(nfcView(id, storage));
    for (auto it = from; it != to; ++it) {
        if (visit(it->second))
            return true;
        for (XmlNode child = firstChildElement(it->second, m_name); child; child = nextSiblingElement(child, m_name))
            if (visit(child))
                return true;
    }
    return false;
}

}  // namespace pelmora
