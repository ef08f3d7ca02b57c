#include "annotation/transducerlookup.h"

#include "common/strings.h"

#include <algorithm>
#include <bit>
#include <map>

namespace pelmora {

namespace {

using Tables = LookupTables;

// How deep one path may go (arcs from the start), so that a lookup never exhausts the stack.
constexpr std::size_t kMaxDepth = 2048;

bool isMetaSymbol(std::string_view symbol)
{
    return symbol == "@_IDENTITY_SYMBOL_@" || symbol == "@_UNKNOWN_SYMBOL_@" || symbol == "@_DEFAULT_SYMBOL_@";
}

// The length of the UTF-8 character that starts with this byte (the word was checked as UTF-8).
std::size_t characterLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

struct TransducerLookup::Walk {
    const std::vector<InputSymbol>& input;
    std::vector<std::string_view> output;
    std::vector<std::int16_t> flags;
    std::vector<Analysis> found;
    std::size_t steps = 0;

    bool full() const { return steps >= kMaxSteps || found.size() >= kMaxAnalyses; }
};

TransducerLookup::TransducerLookup(LookupTables tables) : m_tables(std::move(tables))
{
    setUpFlags();
    setUpTokenizer();
}

void TransducerLookup::setUpFlags()
{
    const std::size_t count = m_tables.symbols.size();
    m_flags.assign(count, Flag());
    m_silent.assign(count, false);
    if (count > 0)
        m_silent[0] = true;
    std::map<std::string, std::uint16_t, std::less<>> features;
    std::map<std::string, std::int16_t, std::less<>> values;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view symbol = m_tables.symbols[i];
        if (symbol == "@_IDENTITY_SYMBOL_@")
            m_identity = static_cast<std::uint16_t>(i);
        else if (symbol == "@_UNKNOWN_SYMBOL_@")
            m_unknown = static_cast<std::uint16_t>(i);
        else if (symbol == "@_DEFAULT_SYMBOL_@")
            m_default = static_cast<std::uint16_t>(i);
        // "@X.FEATURE@" or "@X.FEATURE.VALUE@" with X one of P, N, R, D, C, U.
        if (symbol.size() < 5 || symbol.front() != '@' || symbol.back() != '@' || symbol[2] != '.')
            continue;
        static constexpr std::string_view kOps = "PNRDCU";
        const std::size_t op = kOps.find(symbol[1]);
        if (op == std::string_view::npos)
            continue;
        const std::string_view rest = symbol.substr(3, symbol.size() - 4);
        const std::size_t dot = rest.find('.');
        const std::string_view feature = rest.substr(0, dot);
        const std::string_view value = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
        if (feature.empty())
            continue;
        Flag flag;
        flag.op = static_cast<Flag::Op>(op + 1);
        auto [f, newFeature] = features.try_emplace(std::string(feature), static_cast<std::uint16_t>(features.size()));
        flag.feature = f->second;
        if (!value.empty()) {
            auto [v, newValue] = values.try_emplace(std::string(value), static_cast<std::int16_t>(values.size() + 1));
            flag.value = v->second;
        }
        m_flags[i] = flag;
        m_silent[i] = true;
    }
    m_featureCount = static_cast<std::uint16_t>(features.size());
    for (const std::uint16_t meta : {m_identity, m_unknown, m_default})
        if (meta != Tables::kNoSymbol)
            m_silent[meta] = true;
}

void TransducerLookup::setUpTokenizer()
{
    for (std::uint16_t i = 1; i < m_tables.inputSymbolCount; ++i) {
        const std::string& symbol = m_tables.symbols[i];
        if (symbol.empty() || m_flags[i].op != Flag::None || isMetaSymbol(symbol))
            continue;
        m_byFirstByte[static_cast<unsigned char>(symbol.front())].push_back(i);
    }
    for (std::vector<std::uint16_t>& symbols : m_byFirstByte)
        std::stable_sort(symbols.begin(), symbols.end(), [this](std::uint16_t a, std::uint16_t b) {
            return m_tables.symbols[a].size() > m_tables.symbols[b].size();
        });
}

bool TransducerLookup::tokenize(std::string_view word, std::vector<InputSymbol>& out) const
{
    std::size_t at = 0;
    while (at < word.size()) {
        const std::string_view rest = word.substr(at);
        InputSymbol input{Tables::kNoSymbol, rest.substr(0, characterLength(static_cast<unsigned char>(rest.front())))};
        for (const std::uint16_t symbol : m_byFirstByte[static_cast<unsigned char>(rest.front())]) {
            if (rest.starts_with(m_tables.symbols[symbol])) {
                input = {symbol, m_tables.symbols[symbol]};
                break;
            }
        }
        // A character no input symbol spells is read only by identity and unknown arcs.
        if (input.symbol == Tables::kNoSymbol && m_identity == Tables::kNoSymbol && m_unknown == Tables::kNoSymbol)
            return false;
        out.push_back(input);
        at += input.text.size();
    }
    return true;
}

std::vector<TransducerLookup::Analysis> TransducerLookup::lookUp(std::string_view word) const
{
    std::vector<InputSymbol> input;
    if (word.empty() || word.size() > kMaxWordBytes || !isValidUtf8(word) || !tokenize(word, input))
        return {};
    Walk walk{input, {}, std::vector<std::int16_t>(m_featureCount, 0), {}, 0};
    visit(walk, 0, 0, 0.0f, 0);

    // Each text once, with its lightest weight, then the lightest first.
    std::vector<Analysis> analyses;
    for (Analysis& analysis : walk.found) {
        const auto same = std::find_if(analyses.begin(), analyses.end(),
                                       [&](const Analysis& a) { return a.text == analysis.text; });
        if (same == analyses.end())
            analyses.push_back(std::move(analysis));
        else
            same->weight = std::min(same->weight, analysis.weight);
    }
    std::stable_sort(analyses.begin(), analyses.end(),
                     [](const Analysis& a, const Analysis& b) { return a.weight < b.weight; });
    return analyses;
}

void TransducerLookup::visit(Walk& walk, std::uint32_t state, std::size_t inputAt, float weight, std::size_t depth) const
{
    if (walk.full() || depth > kMaxDepth)
        return;
    ++walk.steps;
    const bool atEnd = inputAt == walk.input.size();
    if (state >= Tables::kTransitionStart) {
        const std::uint32_t at = state - Tables::kTransitionStart;
        const Tables::Transition& mark = m_tables.transitions[at];
        if (atEnd && mark.input == Tables::kNoSymbol && mark.output == Tables::kNoSymbol && mark.target == 1)
            note(walk, weight + mark.weight);
        followEmpty(walk, at + 1, inputAt, weight, depth);
    } else {
        const Tables::Index& mark = m_tables.index[state];
        if (atEnd && mark.input == Tables::kNoSymbol && mark.target != Tables::kNoTarget)
            note(walk, weight + (m_tables.weighted ? std::bit_cast<float>(mark.target) : 0.0f));
        if (state + 1 < m_tables.index.size() && m_tables.index[state + 1].input == 0)
            followEmpty(walk, m_tables.index[state + 1].target - Tables::kTransitionStart, inputAt, weight, depth);
    }
    if (atEnd)
        return;
    const std::uint16_t own = walk.input[inputAt].symbol;
    bool found = false;
    if (own != Tables::kNoSymbol) {
        found = readSymbol(walk, state, own, inputAt, weight, depth);
    } else {
        for (const std::uint16_t meta : {m_identity, m_unknown})
            if (meta != Tables::kNoSymbol)
                found = readSymbol(walk, state, meta, inputAt, weight, depth) || found;
    }
    if (!found && m_default != Tables::kNoSymbol)
        readSymbol(walk, state, m_default, inputAt, weight, depth);
}

bool TransducerLookup::readSymbol(Walk& walk, std::uint32_t state, std::uint16_t symbol, std::size_t inputAt,
                                  float weight, std::size_t depth) const
{
    if (state >= Tables::kTransitionStart)
        return followInput(walk, state - Tables::kTransitionStart + 1, symbol, inputAt, weight, depth);
    const std::size_t at = std::size_t{state} + 1 + symbol;
    if (at >= m_tables.index.size() || m_tables.index[at].input != symbol)
        return false;
    return followInput(walk, m_tables.index[at].target - Tables::kTransitionStart, symbol, inputAt, weight, depth);
}

bool TransducerLookup::followInput(Walk& walk, std::uint32_t arc, std::uint16_t symbol, std::size_t inputAt,
                                   float weight, std::size_t depth) const
{
    bool any = false;
    for (std::size_t at = arc; at < m_tables.transitions.size() && m_tables.transitions[at].input == symbol; ++at) {
        const Tables::Transition& transition = m_tables.transitions[at];
        any = true;
        // An identity or unknown arc writes the character it read.
        const bool meta = transition.output == m_identity || transition.output == m_unknown ||
                          transition.output == m_default;
        walk.output.push_back(meta ? walk.input[inputAt].text : symbolText(transition.output));
        visit(walk, transition.target, inputAt + 1, weight + transition.weight, depth + 1);
        walk.output.pop_back();
        if (walk.full())
            break;
    }
    return any;
}

void TransducerLookup::followEmpty(Walk& walk, std::uint32_t arc, std::size_t inputAt, float weight,
                                   std::size_t depth) const
{
    for (std::size_t at = arc; at < m_tables.transitions.size() && !walk.full(); ++at) {
        const Tables::Transition& transition = m_tables.transitions[at];
        if (transition.input == 0) {
            walk.output.push_back(symbolText(transition.output));
            visit(walk, transition.target, inputAt, weight + transition.weight, depth + 1);
            walk.output.pop_back();
            continue;
        }
        if (transition.input == Tables::kNoSymbol || m_flags[transition.input].op == Flag::None)
            break;
        const std::int16_t before = walk.flags[m_flags[transition.input].feature];
        if (applyFlag(m_flags[transition.input], walk.flags)) {
            walk.output.push_back(symbolText(transition.output));
            visit(walk, transition.target, inputAt, weight + transition.weight, depth + 1);
            walk.output.pop_back();
        }
        walk.flags[m_flags[transition.input].feature] = before;
    }
}

bool TransducerLookup::applyFlag(const Flag& flag, std::vector<std::int16_t>& values)
{
    std::int16_t& value = values[flag.feature];
    switch (flag.op) {
    case Flag::Positive: value = flag.value; return true;
    case Flag::Negative: value = static_cast<std::int16_t>(-flag.value); return true;
    case Flag::Require: return flag.value == 0 ? value != 0 : value == flag.value;
    case Flag::Disallow: return flag.value == 0 ? value == 0 : value != flag.value;
    case Flag::Clear: value = 0; return true;
    case Flag::Unify:
        if (value == 0 || value == flag.value || (value < 0 && -value != flag.value)) {
            value = flag.value;
            return true;
        }
        return false;
    case Flag::None: break;
    }
    return true;
}

std::string_view TransducerLookup::symbolText(std::uint16_t symbol) const
{
    return symbol < m_silent.size() && !m_silent[symbol] ? std::string_view(m_tables.symbols[symbol]) : std::string_view();
}

void TransducerLookup::note(Walk& walk, float weight) const
{
    std::size_t size = 0;
    for (const std::string_view piece : walk.output)
        size += piece.size();
    if (size > kMaxAnalysisBytes)
        return;
    std::string text;
    text.reserve(size);
    for (const std::string_view piece : walk.output)
        text += piece;
    walk.found.push_back({std::move(text), weight});
}

bool TransducerLookup::readsTags() const
{
    for (std::uint16_t i = 1; i < m_tables.inputSymbolCount; ++i) {
        const std::string& symbol = m_tables.symbols[i];
        if (symbol.size() >= 2 && symbol[0] == '+' && symbol[1] >= 'A' && symbol[1] <= 'Z')
            return true;
    }
    return false;
}

std::size_t TransducerLookup::memoryUse() const
{
    std::size_t bytes = m_tables.index.size() * sizeof(Tables::Index) +
                        m_tables.transitions.size() * sizeof(Tables::Transition);
    for (const std::string& symbol : m_tables.symbols)
        bytes += sizeof(std::string) + symbol.capacity();
    return bytes;
}

}  // namespace pelmora
