// The annotation form's letter keyboard: the special letters it offers as buttons and the
// replacement of typed letter-mark pairs by composed letters.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pelmora {

// One row of the special-letter keyboard, in the order the buttons stand.
struct SpecialLetterRow {
    std::u16string_view letters;
};

inline constexpr std::size_t kSpecialLetterCount = 47;

// The six rows: Baltic cedilla and comma, Livonian vowels small and capital, Latvian and other
// small and capital, and the typographic apostrophe. All letters are single UTF-16 code units.
const std::array<SpecialLetterRow, 6>& specialLetterRows();

// The letter a letter and a typed mark ("," "." "-" "^" ":") compose to; nothing when the pair
// is not in the table.
std::optional<char16_t> composeLetter(char16_t letter, char16_t mark);

// What replacement while typing does to a field: replace `length` code units from `start` by
// `replacement`; the caret then stands after the replacement.
struct TypingReplacement {
    std::size_t start = 0;
    std::size_t length = 0;
    char16_t replacement = 0;

    bool operator==(const TypingReplacement&) const = default;
};

// Looks at the character before the caret after a change of the field: an ASCII apostrophe
// always becomes ’ (U+2019); with `compose`, a mark after a letter that the table composes with
// it gives the composed letter in place of both. Nothing for a caret at 0, past the text, or any
// other text.
std::optional<TypingReplacement> replacementWhileTyping(std::u16string_view text, std::size_t caret, bool compose);

}  // namespace pelmora
