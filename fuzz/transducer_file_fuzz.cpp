// Fuzzes the reading of a transducer file and lookups in what it accepts: the tables the program
// reads itself (the formats libhfst converts are libhfst's own reading and are not fuzzed here).
#include "annotation/transducerfile.h"
#include "annotation/transducerlookup.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TransducerFile file = readTransducerFile(bytes);
    if (file.kind != TransducerFileKind::OptimizedLookup)
        return 0;
    // Every symbol of the alphabet, a few words, and letters it does not know.
    std::vector<std::string> words = {"kalā", "kalād", "a", "ab", "x y", "ȯ"};
    for (std::size_t i = 1; i < file.tables.symbols.size() && i < 8; ++i)
        words.push_back(file.tables.symbols[i] + file.tables.symbols[(i * 7) % file.tables.symbols.size()]);
    const TransducerLookup lookup(std::move(file.tables));
    for (const std::string& word : words)
        for (const TransducerLookup::Analysis& analysis : lookup.lookUp(word))
            if (analysis.text.size() > 64 * 1024 * 1024)
                __builtin_trap();
    return 0;
}
