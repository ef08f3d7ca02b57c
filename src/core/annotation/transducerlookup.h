// Looking words up in the checked tables of an optimized-lookup transducer, with flag
// diacritics, weights and the identity and unknown symbols, as HFST's lookup does.
#pragma once

#include "annotation/transducerfile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class TransducerLookup {
public:
    // The most analyses one lookup gives, and the most arcs it follows; a word that needs more
    // (a transducer with a loop of empty arcs, say) gives what was found within the limits.
    static constexpr std::size_t kMaxAnalyses = 1000;
    static constexpr std::size_t kMaxSteps = 1'000'000;
    // Words longer than this many bytes are not looked up; analyses longer than this many bytes
    // are left out (a damaged transducer could otherwise fill the memory with them).
    static constexpr std::size_t kMaxWordBytes = 512;
    static constexpr std::size_t kMaxAnalysisBytes = 4096;

    explicit TransducerLookup(LookupTables tables);

    struct Analysis {
        std::string text;  // the output symbols joined; the empty symbol and flag diacritics left out
        float weight = 0.0f;
        bool operator==(const Analysis&) const = default;
    };

    // The analyses of a word (UTF-8), lightest first and otherwise in the order found, each text
    // once. Nothing for an empty word, a word that is not UTF-8 or one that is too long. A part of
    // the word that no input symbol spells is one character, which only identity and unknown
    // arcs read. Safe to call from several threads at once.
    std::vector<Analysis> lookUp(std::string_view word) const;

    // True when a symbol the transducer reads looks like a tag ("+N"): it is a generator of word
    // forms rather than an analyser.
    bool readsTags() const;
    // Number of bytes the tables take in memory.
    std::size_t memoryUse() const;

private:
    struct Flag {
        enum Op : std::uint8_t { None, Positive, Negative, Require, Disallow, Clear, Unify };
        Op op = None;
        std::uint16_t feature = 0;
        std::int16_t value = 0;  // 0 for "@R.F@", "@D.F@", "@C.F@"
    };
    struct Walk;
    struct InputSymbol {
        std::uint16_t symbol;      // kNoSymbol for a character no input symbol spells
        std::string_view text;
    };

    void setUpFlags();
    void setUpTokenizer();
    bool tokenize(std::string_view word, std::vector<InputSymbol>& out) const;
    void visit(Walk& walk, std::uint32_t state, std::size_t inputAt, float weight, std::size_t depth) const;
    bool readSymbol(Walk& walk, std::uint32_t state, std::uint16_t symbol, std::size_t inputAt, float weight,
                    std::size_t depth) const;
    bool followInput(Walk& walk, std::uint32_t arc, std::uint16_t symbol, std::size_t inputAt, float weight,
                     std::size_t depth) const;
    void followEmpty(Walk& walk, std::uint32_t arc, std::size_t inputAt, float weight, std::size_t depth) const;
    static bool applyFlag(const Flag& flag, std::vector<std::int16_t>& values);
    std::string_view symbolText(std::uint16_t symbol) const;
    void note(Walk& walk, float weight) const;

    LookupTables m_tables;
    std::vector<Flag> m_flags;  // per symbol
    std::uint16_t m_featureCount = 0;
    std::vector<bool> m_silent; // per symbol: not written to the output (the empty symbol, flags)
    std::uint16_t m_identity = LookupTables::kNoSymbol;
    std::uint16_t m_unknown = LookupTables::kNoSymbol;
    std::uint16_t m_default = LookupTables::kNoSymbol;
    // Input symbols by their first byte, longest first.
    std::array<std::vector<std::uint16_t>, 256> m_byFirstByte;
};

}  // namespace pelmora
