#include "search/markingrules.h"

#include <algorithm>

namespace pelmora {

std::size_t MarkingRules::removeMode(SearchMode mode)
{
    const auto before = m_rules.size();
    std::erase_if(m_rules, [mode](const TokenMatcher& rule) { return rule.criteria().mode == mode; });
    const std::size_t removed = before - m_rules.size();
    if (removed > 0)
        ++m_revision;
    return removed;
}

std::optional<Colour> MarkingRules::colourOf(XmlNode token) const
{
    for (auto rule = m_rules.rbegin(); rule != m_rules.rend(); ++rule) {
        if (rule->matches(token))
            return rule->criteria().colour;
    }
    return std::nullopt;
}

bool MarkingRules::matchesAny(XmlNode token) const
{
    return std::any_of(m_rules.begin(), m_rules.end(), [token](const TokenMatcher& rule) { return rule.matches(token); });
}

}  // namespace pelmora
