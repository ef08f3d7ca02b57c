// Unicode normal form of the core: every comparison of text with text and every value a user brings
// in goes through these, so that a letter has one spelling (NFC, canonical composition).
#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// Whether the text is already in NFC. Text without characters from U+0300 up (nearly all text)
// is answered from its bytes alone; invalid UTF-8 bytes count as normalised (they are never changed).
bool isNfc(std::string_view text);

// The text in NFC: precomposed letters where Unicode has them, combining marks in canonical order
// after the rest. Letters that exist only as sequences stay sequences; compatibility characters
// (ʼ, ‿, ligatures) are not touched. Invalid UTF-8 bytes are kept as they are.
std::string toNfc(std::string_view text);

// Puts the string into NFC in place; true when that changed it. No copy when it was NFC already.
bool normaliseInPlace(std::string& text);

// The text's NFC as a view: the text itself when it is NFC (no copy), otherwise its normal form
// written into `storage`. The view lives as long as both the text and the storage.
std::string_view nfcView(std::string_view text, std::string& storage);

// Whether the character is its own NFC and never combines with a character before it (a base
// letter or a sign with no decomposition): text made only of such characters is NFC. For scans
// that compare character by character and must fall back to normalising when this is false.
bool standsAloneInNfc(char32_t c);

// Whether two texts are the same after normalisation (precomposed and decomposed spellings of
// one letter are the same text).
bool sameText(std::string_view a, std::string_view b);

}  // namespace pelmora
