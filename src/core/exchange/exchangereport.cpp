#include "exchange/exchangereport.h"

#include "common/translation.h"

#include <algorithm>

namespace pelmora::exchange {

void ExchangeReport::note(std::string_view what, std::size_t count)
{
    if (count == 0)
        return;
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) { return item.first == what; });
    if (found != m_items.end())
        found->second += count;
    else
        m_items.emplace_back(std::string(what), count);
}

void ExchangeReport::add(const ExchangeReport& other)
{
    for (const auto& [what, count] : other.m_items)
        note(what, count);
}

std::size_t ExchangeReport::count(std::string_view what) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) { return item.first == what; });
    return found == m_items.end() ? 0 : found->second;
}

std::string ExchangeReport::text(std::string_view heading) const
{
    if (m_items.empty())
        return {};
    std::string out(heading);
    for (const auto& [what, count] : m_items)
        out += "\n  " + translatedText(what) + ": " + std::to_string(count);
    return out;
}

}  // namespace pelmora::exchange
