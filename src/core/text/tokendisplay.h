// How the two text panes show a token: the running text's font and colour of a token, its tool
// tip, and the pieces of the information strip. The window only draws what these return.
#pragma once

#include "common/colour.h"
#include "xml/xmldocument.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// A face "Arial" font by size and style.
struct FontSpec {
    int points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kDarkBlue{0, 0, 128};
// The current token, in the running text and in the strip, whatever its other colour.
inline constexpr Colour kCurrentTokenColour{255, 0, 0};

// --- The running text ---------------------------------------------------------------------------

// The eight fonts of the running text, in this order.
enum class TokenFont : std::uint8_t {
    Normal, Bold, BoldItalic, Small, Italic, SmallItalic, Underlined, ItalicUnderlined
};
inline constexpr std::size_t kTokenFontCount = 8;

// Size and style of a running-text font; `largeFonts` gives 12 and 10 points instead of 10 and 8.
FontSpec tokenFontSpec(TokenFont font, bool largeFonts);

struct TokenLook {
    TokenFont font = TokenFont::Normal;
    Colour colour = kBlack;
    bool operator==(const TokenLook&) const = default;
};

// The font and colour a token is measured and drawn in, from its `meta` and `stiil`: styled text
// (heading bold, note small, emphasis underlined), untagged text (`meta` set) italic and dark
// blue, a comment (`meta` "kommentaar") plain italic. With `draftFonts` every token is normal and
// black. The current token's red is laid over this by the caller.
TokenLook tokenLook(std::string_view meta, std::string_view style, bool draftFonts);
TokenLook tokenLook(XmlNode token, bool draftFonts);

// True for the token attributes the look depends on: changing one of them changes the layout.
bool decidesTokenLook(std::string_view attributeName);

// The tool tip of a token: the lemma ("-" when empty), "+" for a combination member, then
// " 'meaning'", " _ part of speech" and " _ form" where present; then one line per combination
// the token belongs to: "ühend: " and its lemma, " 'meaning'" and " _ part of speech" where
// present. "" for a null handle.
std::string tokenToolTip(XmlNode token);

// --- The information strip -----------------------------------------------------------------------

// The four fonts of the strip.
enum class StripFont : std::uint8_t { Regular, Bold, Italic, Small };
inline constexpr std::size_t kStripFontCount = 4;

// Size and style of a strip font; `largeFonts` gives 12 and 10 points instead of 11 and 9.
FontSpec stripFontSpec(StripFont font, bool largeFonts);

inline constexpr Colour kStripBackground{230, 240, 250};
inline constexpr Colour kStripLabelColour{56, 56, 56};
inline constexpr Colour kStripStyleColour{100, 100, 100};

struct StripPiece {
    std::string text;
    StripFont font = StripFont::Regular;
    Colour colour = kBlack;
    bool operator==(const StripPiece&) const = default;
};

// The pieces the strip shows for a token, left to right: speaker (the sentence's `koneleja`),
// page, the token itself, lemma, meaning, part of speech, form, style, meta, Latvian, English
// and comment, each framed as it is shown, then for each combination the token belongs to the
// label " ühend: ", its lemma (bold), 'meaning' and part of speech (italic). Empty values give no
// piece; a null token gives none.
std::vector<StripPiece> tokenStripPieces(XmlNode token);

}  // namespace pelmora
