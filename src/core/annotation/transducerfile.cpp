#include "annotation/transducerfile.h"

#include "common/strings.h"

#include <bit>

namespace pelmora {

namespace {

constexpr std::string_view kMagic{"HFST\0", 5};
constexpr std::size_t kIndexBytes = 2 + 4;

// Little-endian reading with a running position; a read past the end sets `failed`.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    std::uint32_t read(std::size_t width)
    {
        if (m_failed || m_bytes.size() - m_at < width) {
            m_failed = true;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_at + i])) << (8 * i);
        m_at += width;
        return value;
    }
    std::uint16_t read16() { return static_cast<std::uint16_t>(read(2)); }
    std::uint32_t read32() { return read(4); }
    // The text up to the next zero byte, which is passed over; false when there is none.
    bool readText(std::string_view& text)
    {
        const std::size_t end = m_failed ? std::string_view::npos : m_bytes.find('\0', m_at);
        if (end == std::string_view::npos) {
            m_failed = true;
            return false;
        }
        text = m_bytes.substr(m_at, end - m_at);
        m_at = end + 1;
        return true;
    }
    std::size_t remaining() const { return m_failed ? 0 : m_bytes.size() - m_at; }
    bool failed() const { return m_failed; }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
    bool m_failed = false;
};

// The header's properties ("version", "3.3", "type", "HFST_OL", ...) and where the body starts.
struct Header {
    bool whole = false;
    std::string type;
    std::size_t bodyStart = 0;
};

Header readHeader(std::string_view bytes)
{
    Header header;
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return header;
    Reader reader(bytes.substr(kMagic.size()));
    const std::size_t length = reader.read16();
    const std::uint32_t zero = reader.read(1);
    if (reader.failed() || zero != 0 || reader.remaining() < length)
        return header;
    const std::size_t start = kMagic.size() + 3;
    Reader properties(bytes.substr(start, length));
    std::string_view key;
    std::string_view value;
    while (properties.remaining() > 0 && properties.readText(key) && properties.readText(value))
        if (key == "type")
            header.type = std::string(value);
    header.whole = !properties.failed();
    header.bodyStart = start + length;
    return header;
}

TransducerFile damaged(std::string type, std::string problem)
{
    TransducerFile file;
    file.kind = TransducerFileKind::Damaged;
    file.type = std::move(type);
    file.problem = std::move(problem);
    return file;
}

// Checks every arc against the alphabet and the tables; "" when they hold together.
std::string checkArcs(const LookupTables& tables)
{
    const std::size_t symbols = tables.symbols.size();
    const std::uint64_t indexSize = tables.index.size();
    const std::uint64_t transitionSize = tables.transitions.size();
    auto targetFits = [&](std::uint32_t target) {
        return target >= LookupTables::kTransitionStart ? target - LookupTables::kTransitionStart < transitionSize
                                                        : target < indexSize;
    };
    for (const LookupTables::Index& entry : tables.index) {
        if (entry.input == LookupTables::kNoSymbol)
            continue;
        if (entry.input >= symbols)
            return "index entry with an unknown symbol";
        if (entry.target < LookupTables::kTransitionStart || !targetFits(entry.target))
            return "index entry pointing outside the transition table";
    }
    for (const LookupTables::Transition& arc : tables.transitions) {
        if (arc.input == LookupTables::kNoSymbol)
            continue;
        if (arc.input >= symbols || (arc.output >= symbols && arc.output != LookupTables::kNoSymbol))
            return "transition with an unknown symbol";
        if (!targetFits(arc.target))
            return "transition pointing outside the tables";
    }
    return {};
}

TransducerFile readOptimizedLookup(std::string_view body, const std::string& type)
{
    Reader reader(body);
    LookupTables tables;
    tables.inputSymbolCount = reader.read16();
    const std::uint16_t symbolCount = reader.read16();
    const std::uint64_t indexSize = reader.read32();
    const std::uint64_t transitionSize = reader.read32();
    reader.read32();  // states
    reader.read32();  // transitions
    bool flags[9] = {};
    for (bool& flag : flags) {
        const std::uint32_t value = reader.read32();
        if (value > 1)
            return damaged(type, "header property that is not 0 or 1");
        flag = value == 1;
    }
    if (reader.failed())
        return damaged(type, "cut short in the header");
    tables.weighted = flags[0];
    if (tables.weighted != (type == "HFST_OLW"))
        return damaged(type, "weight flag that contradicts the format");
    if (symbolCount == 0 || tables.inputSymbolCount == 0 || tables.inputSymbolCount > symbolCount || indexSize == 0)
        return damaged(type, "empty alphabet or index table");
    tables.symbols.reserve(symbolCount);
    for (std::uint16_t i = 0; i < symbolCount; ++i) {
        std::string_view symbol;
        if (!reader.readText(symbol))
            return damaged(type, "cut short in the alphabet");
        if (!isValidUtf8(symbol))
            return damaged(type, "symbol that is not UTF-8");
        tables.symbols.emplace_back(symbol);
    }
    const std::uint64_t transitionBytes = tables.weighted ? 12 : 8;
    if (indexSize * kIndexBytes + transitionSize * transitionBytes > reader.remaining())
        return damaged(type, "cut short in the tables");
    tables.index.resize(indexSize);
    for (LookupTables::Index& entry : tables.index) {
        entry.input = reader.read16();
        entry.target = reader.read32();
    }
    tables.transitions.resize(transitionSize);
    for (LookupTables::Transition& arc : tables.transitions) {
        arc.input = reader.read16();
        arc.output = reader.read16();
        arc.target = reader.read32();
        arc.weight = tables.weighted ? std::bit_cast<float>(reader.read32()) : 0.0f;
    }
    if (std::string problem = checkArcs(tables); !problem.empty())
        return damaged(type, std::move(problem));
    TransducerFile file;
    file.kind = TransducerFileKind::OptimizedLookup;
    file.type = type;
    file.tables = std::move(tables);
    return file;
}

}  // namespace

std::string hfstHeaderType(std::string_view bytes)
{
    const Header header = readHeader(bytes);
    return header.whole ? header.type : std::string();
}

TransducerFile readTransducerFile(std::string_view bytes)
{
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return {};
    const Header header = readHeader(bytes);
    if (!header.whole)
        return damaged({}, "cut short in the HFST header");
    if (header.type.empty())
        return damaged({}, "HFST header without a type");
    if (header.type == "HFST_OL" || header.type == "HFST_OLW")
        return readOptimizedLookup(bytes.substr(header.bodyStart), header.type);
    TransducerFile file;
    file.kind = TransducerFileKind::OtherFormat;
    file.type = header.type;
    return file;
}

}  // namespace pelmora
