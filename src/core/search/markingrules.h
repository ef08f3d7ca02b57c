// The colour-marking rules of the text view: a list of criteria, each with its colour.
#pragma once

#include "search/searchcriteria.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelmora {

class MarkingRules {
public:
    // Appends a rule; its colour is the criteria's colour.
    void add(const SearchCriteria& criteria) { m_rules.emplace_back(criteria); ++m_revision; }
    // Removes every rule: marking is off.
    void clear() { m_rules.clear(); ++m_revision; }
    // Removes every rule of the mode; returns how many went.
    std::size_t removeMode(SearchMode mode);

    // Marking is on while there is a rule.
    bool empty() const { return m_rules.empty(); }
    std::size_t size() const { return m_rules.size(); }
    const SearchCriteria& operator[](std::size_t index) const { return m_rules[index].criteria(); }

    // The background of a token: the colour of the last rule that matches it, or nothing.
    std::optional<Colour> colourOf(XmlNode token) const;
    // True when any rule matches the token.
    bool matchesAny(XmlNode token) const;
    // Moves on every change of the list, so a view knows when its backgrounds are stale.
    std::uint64_t revision() const { return m_revision; }

private:
    std::vector<TokenMatcher> m_rules;
    std::uint64_t m_revision = 0;
};

}  // namespace pelmora
