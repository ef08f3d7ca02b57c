// Reading a transducer file: the HFST header that names its format, and the tables of the
// optimized-lookup format (".hfstol"), checked so that every lookup stays inside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The tables of an optimized-lookup transducer. An index entry or a transition whose input is
// kNoSymbol is no arc (a final mark or a gap). A target from kTransitionStart up is a state in
// the transition table (target - kTransitionStart), below it a state in the index table.
struct LookupTables {
    static constexpr std::uint16_t kNoSymbol = 0xFFFF;
    static constexpr std::uint32_t kNoTarget = 0xFFFFFFFF;
    static constexpr std::uint32_t kTransitionStart = 0x80000000;

    struct Index {
        std::uint16_t input = kNoSymbol;
        std::uint32_t target = kNoTarget;  // weighted final entries hold the final weight's bits
    };
    struct Transition {
        std::uint16_t input = kNoSymbol;
        std::uint16_t output = kNoSymbol;
        std::uint32_t target = kNoTarget;
        float weight = 0.0f;
    };

    std::vector<std::string> symbols;   // 0 is the empty symbol; every symbol is valid UTF-8
    std::uint16_t inputSymbolCount = 0; // symbols 0 .. inputSymbolCount-1 can be read from a word
    bool weighted = false;
    std::vector<Index> index;
    std::vector<Transition> transitions;
};

enum class TransducerFileKind {
    OptimizedLookup,  // HFST's optimized-lookup format, tables read and checked
    OtherFormat,      // an HFST transducer in another format (`type` names it)
    NotTransducer,    // no HFST header: not a transducer in HFST's format
    Damaged,          // an HFST header, but the file is cut short or its tables do not hold together
};

struct TransducerFile {
    TransducerFileKind kind = TransducerFileKind::NotTransducer;
    std::string type;     // the format named in the header ("HFST_OL", "TROPICAL_OPENFST", ...)
    std::string problem;  // for a damaged file: what was found wrong (for the log and tests)
    LookupTables tables;  // only for OptimizedLookup
};

// The format named in an HFST header, or "" when the bytes do not start with a whole header.
std::string hfstHeaderType(std::string_view bytes);

// Reads a transducer file held in memory. Only the first transducer of a file that holds
// several is read. Tables are refused (Damaged) when their sizes exceed the bytes, a symbol is
// not UTF-8, an arc names a symbol outside the alphabet or a target outside the tables, or the
// header's weight flag contradicts the format named.
TransducerFile readTransducerFile(std::string_view bytes);

}  // namespace pelmora
