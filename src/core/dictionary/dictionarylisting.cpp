#include "dictionary/dictionarylisting.h"

#include "common/strings.h"

#include <algorithm>

namespace pelmora {

DictionaryListing::DictionaryListing(const CDictionary& dictionary, DictSection section)
    : m_section(section), m_loadSerial(dictionary.loadSerial())
{
    const char* name = entryName(section);
    for (XmlNode entry = dictionary.firstEntry(section); entry; entry = nextSiblingElement(entry, name)) {
        if (isPlaceholder(entry))
            continue;
        Keyed keyed{MakeWordFormKey(attributeValue(entry, dict::kId)), static_cast<std::uint32_t>(m_rows.size()), 0};
        m_rows.push_back(entry);
        for (XmlNode child = firstChildElement(entry, name); child; child = nextSiblingElement(child, name))
            m_rows.push_back(child);
        keyed.count = static_cast<std::uint32_t>(m_rows.size()) - keyed.first;
        m_byKey.push_back(std::move(keyed));
    }
    std::sort(m_byKey.begin(), m_byKey.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
}

std::size_t DictionaryListing::rowOf(XmlNode analysis) const
{
    const auto found = std::find(m_rows.begin(), m_rows.end(), analysis);
    return found == m_rows.end() ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(found - m_rows.begin());
}

std::vector<std::uint32_t> DictionaryListing::rowsMatching(std::string_view typed) const
{
    const std::string prefix = MakeWordFormKey(typed);
    std::vector<std::uint32_t> rows;
    if (prefix.empty()) {
        rows.resize(m_rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = static_cast<std::uint32_t>(i);
        return rows;
    }
    auto it = std::lower_bound(m_byKey.begin(), m_byKey.end(), prefix,
                               [](const Keyed& a, const std::string& key) { return a.key < key; });
    for (; it != m_byKey.end() && std::string_view(it->key).starts_with(prefix); ++it)
        for (std::uint32_t i = 0; i < it->count; ++i)
            rows.push_back(it->first + i);
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace pelmora
