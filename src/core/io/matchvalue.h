// Comparison of a token value with a query pattern under the match kinds the query dialog offers.
#pragma once

#include <string_view>

namespace pelmora {

// The match kinds as the query dialog lists them.
inline constexpr std::string_view kMatchExact = "Täpne vaste";
inline constexpr std::string_view kMatchBeginning = "Alguses";
inline constexpr std::string_view kMatchMiddle = "Keskel";
inline constexpr std::string_view kMatchEnd = "Lõpus";

// True when the value matches the pattern. "Täpne vaste": equal after full Unicode lower-casing,
// or equal once "+", "/", "[", "\", "]", "_" and brace groups are dropped from both; "Alguses",
// "Keskel", "Lõpus": the pattern starts, occurs in or ends the value with only A-Z lower-cased;
// any other kind text matches every value. Value and pattern are compared in NFC.
bool MatchValue(std::string_view value, std::string_view pattern, std::string_view kind);

}  // namespace pelmora
