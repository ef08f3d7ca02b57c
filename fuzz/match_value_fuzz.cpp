// Fuzzes MatchValue: the input is the value, the pattern and the kind separated by NUL bytes;
// the first byte picks one of the dialog's kinds or leaves the typed kind.
#include "io/matchvalue.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto take = [&rest] {
        const std::size_t at = rest.find('\0');
        const std::string_view part = rest.substr(0, at);
        rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
        return part;
    };
    const std::string_view value = take();
    const std::string_view pattern = take();
    const std::string_view typedKind = take();
    static constexpr std::string_view kKinds[] = {kMatchExact, kMatchBeginning, kMatchMiddle, kMatchEnd};
    const std::string_view kind = data[0] < 4 * 60 ? kKinds[data[0] % 4] : typedKind;

    const bool matched = MatchValue(value, pattern, kind);
    // A value always matches itself, and every kind accepts what "Keskel" would need.
    if (!MatchValue(value, value, kind))
        __builtin_trap();
    if ((kind == kMatchBeginning || kind == kMatchEnd) && matched && !MatchValue(value, pattern, kMatchMiddle))
        __builtin_trap();
    return 0;
}
