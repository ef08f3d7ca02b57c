// Reading the bytes of a plain-text import source: UTF-16 (little- or big-endian, with or without
// byte-order mark) or UTF-8 (with or without byte-order mark), converted as it is read.
#pragma once

#include <string>
#include <string_view>

namespace pelmora {

struct PlainTextInput {
    std::u32string text;  // the code points, without byte-order mark and leading line breaks
    std::string refusal;  // "" when the input is acceptable, otherwise the message for the user
};

// Detects the encoding: a byte-order mark first; else UTF-16 when the bytes hold zero bytes (text
// in UTF-8 never does), little-endian when more of them stand at odd offsets; else UTF-8 when the
// bytes are valid UTF-8. Refused: an empty input, UTF-16 of odd length, and bytes that are neither
// ("Fail ei ole unicode'is." with how to save the file); a text that does not start with a tag
// after blanks and line breaks ("Fail ei alga märgendiga." with an explanation of the mark-up and
// a three-line example). Unpaired surrogates and invalid bytes become U+FFFD.
PlainTextInput readPlainTextInput(std::string_view bytes);

}  // namespace pelmora
