// What an exchange with another format left out, counted by kind, for the report after an export or
// an import: a format's limits are told, never passed over in silence.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora::exchange {

class ExchangeReport {
public:
    // Counts `count` more of a kind ("sõne atribuut xyz"); kinds keep the order they were first met.
    void note(std::string_view what, std::size_t count = 1);
    // Adds every count of another report.
    void add(const ExchangeReport& other);
    bool empty() const { return m_items.empty(); }
    // The kinds with their counts, in the order first met.
    const std::vector<std::pair<std::string, std::size_t>>& items() const { return m_items; }
    // The count of a kind (0 when never noted).
    std::size_t count(std::string_view what) const;
    // The heading, then one line per kind ("  sõne atribuut xyz: 3"); "" when nothing was noted.
    std::string text(std::string_view heading) const;

private:
    std::vector<std::pair<std::string, std::size_t>> m_items;
};

}  // namespace pelmora::exchange
