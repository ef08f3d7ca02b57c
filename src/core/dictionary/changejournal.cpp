#include "dictionary/changejournal.h"

#include "common/normalisation.h"

#include <algorithm>

namespace pelmora {

void Change::set(Kind newKind, const std::array<std::string_view, 5>& newValues, Direction newDirection)
{
    kind = newKind;
    direction = newDirection;
    for (std::size_t i = 0; i < newValues.size(); ++i)
        values[i].assign(newValues[i]);
}

bool changeOfStore(const StoreRequest& request, std::string_view key, Change& change)
{
    const auto& v = request.values;
    std::array<std::string_view, 5> values = v;
    Change::Kind kind = Change::Kind::StoreWordForm;
    switch (request.section) {
    case DictSection::WordForms:
        // A surface made only of markup gives an empty key: nothing to store under.
        if (v[0].empty() || v[1].empty() || key.empty())
            return false;
        values = {v[0], v[1], v[2], key, {}};
        break;
    case DictSection::Lemmas:
        if (v[0].empty() || (v[1].empty() && v[2].empty() && v[3].empty() && v[4].empty()))
            return false;
        kind = Change::Kind::StoreLemma;
        break;
    case DictSection::Combinations:
        if (v[0].empty() || (v[1].empty() && (v[2].empty() || v[2] == "-")))
            return false;
        kind = Change::Kind::StoreCombination;
        values = {v[0], v[1], v[2], {}, {}};
        break;
    }
    change.set(kind, values, Direction::Forward);
    // What is stored is stored in the normal form (the key is in it already).
    for (std::string& value : change.values)
        normaliseInPlace(value);
    return true;
}

void ChangeJournal::record(const Change& change)
{
    // One growth of the journal per change: a bulk addition logs hundreds of thousands.
    std::size_t size = 2;
    for (const std::string& value : change.values)
        size += value.size() + 1;
    const std::size_t start = m_packed.size();
    m_packed.resize(start + size);
    char* out = m_packed.data() + start;
    *out++ = static_cast<char>('0' + static_cast<int>(change.kind));
    *out++ = static_cast<char>('0' + static_cast<int>(change.direction));
    for (const std::string& value : change.values) {
        out = std::copy(value.begin(), value.end(), out);
        *out++ = '\0';  // XML text never holds a zero byte
    }
}

std::vector<Change> ChangeJournal::take()
{
    std::vector<Change> changes;
    std::string_view log = m_packed;
    while (log.size() >= 2) {
        Change change{static_cast<Change::Kind>(log[0] - '0'), {}, static_cast<Direction>(log[1] - '0')};
        log.remove_prefix(2);
        for (std::string& value : change.values) {
            const std::size_t end = log.find('\0');
            value = std::string(log.substr(0, end));
            log.remove_prefix(end == std::string_view::npos ? log.size() : end + 1);
        }
        changes.push_back(std::move(change));
    }
    m_packed.clear();
    return changes;
}

}  // namespace pelmora
