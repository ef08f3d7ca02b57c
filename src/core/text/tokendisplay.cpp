// The display rules of the running text and the information strip.
#include "text/tokendisplay.h"

#include "common/translation.h"
#include "text/combinations.h"
#include "text/textformat.h"

#include <cstring>

namespace pelmora {

namespace {

constexpr std::string_view kHeading = "pealkiri";
constexpr std::string_view kNote = "märkus";
constexpr std::string_view kEmphasis = "esiletõst";
constexpr std::string_view kCommentMeta = "kommentaar";
// Introduces a combination the token belongs to.
constexpr const char* kCombinationLabel = QT_TRANSLATE_NOOP("core", "ühend: ");
// Before a token's page number ("lk").
constexpr const char* kPageLabel = QT_TRANSLATE_NOOP("core", "lk ");

}  // namespace

FontSpec tokenFontSpec(TokenFont font, bool largeFonts)
{
    const int full = largeFonts ? 12 : 10;
    const int small = largeFonts ? 10 : 8;
    switch (font) {
    case TokenFont::Normal: return {full, false, false, false};
    case TokenFont::Bold: return {full, true, false, false};
    case TokenFont::BoldItalic: return {full, true, true, false};
    case TokenFont::Small: return {small, false, false, false};
    case TokenFont::Italic: return {full, false, true, false};
    case TokenFont::SmallItalic: return {small, false, true, false};
    case TokenFont::Underlined: return {full, false, false, true};
    case TokenFont::ItalicUnderlined: return {full, false, true, true};
    }
    return {full, false, false, false};
}

namespace {

// Remember writes "-" for a reason or style the user left at "-": it marks the token as seen, but
// says no reason and no style, so it looks and reads like none.
std::string_view shownValue(std::string_view value)
{
    return value == "-" ? std::string_view() : value;
}

}  // namespace

TokenLook tokenLook(std::string_view meta, std::string_view style, bool draftFonts)
{
    meta = shownValue(meta);
    style = shownValue(style);
    if (draftFonts)
        return {TokenFont::Normal, kBlack};
    if (meta.empty()) {
        if (style == kHeading)
            return {TokenFont::Bold, kBlack};
        if (style == kNote)
            return {TokenFont::Small, kBlack};
        if (style == kEmphasis)
            return {TokenFont::Underlined, kBlack};
        return {TokenFont::Normal, kBlack};
    }
    // A comment is plain italic whatever its style.
    if (meta == kCommentMeta)
        return {TokenFont::Italic, kDarkBlue};
    if (style == kHeading)
        return {TokenFont::BoldItalic, kDarkBlue};
    if (style == kNote)
        return {TokenFont::SmallItalic, kDarkBlue};
    if (style == kEmphasis)
        return {TokenFont::ItalicUnderlined, kDarkBlue};
    return {TokenFont::Italic, kDarkBlue};
}

TokenLook tokenLook(XmlNode token, bool draftFonts)
{
    if (draftFonts)
        return {TokenFont::Normal, kBlack};
    // One pass over the attributes: the running text asks this of every token of a long text.
    std::string_view meta;
    std::string_view style;
    bool metaSeen = false;
    bool styleSeen = false;
    for (pugi::xml_attribute a = token.first_attribute(); a && !(metaSeen && styleSeen); a = a.next_attribute()) {
        const char* name = a.name();
        if (!metaSeen && name[0] == 'm' && std::strcmp(name, text::kMeta) == 0) {
            meta = a.value();
            metaSeen = true;
        } else if (!styleSeen && name[0] == 's' && std::strcmp(name, text::kStyle) == 0) {
            style = a.value();
            styleSeen = true;
        }
    }
    return tokenLook(meta, style, false);
}

bool decidesTokenLook(std::string_view attributeName)
{
    return attributeName == text::kMeta || attributeName == text::kStyle;
}

std::string tokenToolTip(XmlNode token)
{
    if (!token)
        return {};
    const std::string_view lemma = attributeValue(token, text::kLemma);
    std::string tip = lemma.empty() ? std::string("-") : std::string(lemma);
    if (attributeValue(token, text::kCombinationMark) == "+")
        tip += '+';
    if (const std::string_view meaning = attributeValue(token, text::kMeaning); !meaning.empty())
        tip.append(" '").append(meaning).append("'");
    if (const std::string_view partOfSpeech = attributeValue(token, text::kPartOfSpeech); !partOfSpeech.empty())
        tip.append(" _ ").append(partOfSpeech);
    if (const std::string_view form = attributeValue(token, text::kForm); !form.empty())
        tip.append(" _ ").append(form);
    // Each combination the word belongs to, on a line of its own.
    for (const XmlNode combination : combinationsContaining(token)) {
        tip.append("\n")
            .append(translatedText(kCombinationLabel))
            .append(attributeValue(combination, text::kCombinationLemma));
        if (const std::string_view meaning = attributeValue(combination, text::kCombinationMeaning); !meaning.empty())
            tip.append(" '").append(meaning).append("'");
        if (const std::string_view partOfSpeech = attributeValue(combination, text::kCombinationPartOfSpeech);
            !partOfSpeech.empty())
            tip.append(" _ ").append(partOfSpeech);
    }
    return tip;
}

FontSpec stripFontSpec(StripFont font, bool largeFonts)
{
    const int full = largeFonts ? 12 : 11;
    const int small = largeFonts ? 10 : 9;
    switch (font) {
    case StripFont::Regular: return {full, false, false, false};
    case StripFont::Bold: return {full, true, false, false};
    case StripFont::Italic: return {full, false, true, false};
    case StripFont::Small: return {small, false, false, false};
    }
    return {full, false, false, false};
}

std::vector<StripPiece> tokenStripPieces(XmlNode token)
{
    std::vector<StripPiece> pieces;
    if (!token)
        return pieces;
    auto add = [&pieces](std::string text, StripFont font, Colour colour) {
        if (!text.empty())
            pieces.push_back({std::move(text), font, colour});
    };
    auto framed = [](std::string_view before, std::string_view value, std::string_view after) {
        return value.empty() ? std::string() : std::string(before).append(value).append(after);
    };
    auto value = [&token](const char* name) { return attributeValue(token, name); };

    add(framed("", attributeValue(token.parent(), text::kSpeaker), ": "), StripFont::Small, kStripLabelColour);
    add(framed(translatedText(kPageLabel), value(text::kPage), ": "), StripFont::Small, kStripLabelColour);
    add(std::string(elementText(token)) + ' ', StripFont::Regular, kCurrentTokenColour);
    add(std::string(value(text::kLemma)), StripFont::Bold, kBlack);
    add(framed("'", value(text::kMeaning), "' "), StripFont::Regular, kBlack);
    add(std::string(value(text::kPartOfSpeech)), StripFont::Italic, kBlack);
    add(std::string(value(text::kForm)), StripFont::Small, kBlack);
    // The stored words of style and reason, named in the interface's language.
    add(framed("[", translatedText(shownValue(value(text::kStyle)), "Vocabulary"), "]"), StripFont::Small,
        kStripStyleColour);
    add(translatedText(shownValue(value(text::kMeta)), "Vocabulary"), StripFont::Small, kBlack);
    const std::string_view latvian = value(text::kLatvian);
    add(framed(" ~ '", latvian, "' "), StripFont::Regular, kBlack);
    add(framed(latvian.empty() ? " ~ '" : " '", value(text::kEnglish), "' "), StripFont::Regular, kBlack);
    add(framed(" <", value(text::kComment), "> "), StripFont::Small, kBlack);
    for (const XmlNode combination : combinationsContaining(token)) {
        add(" " + translatedText(kCombinationLabel), StripFont::Small, kStripLabelColour);
        add(std::string(attributeValue(combination, text::kCombinationLemma)), StripFont::Bold, kBlack);
        add(framed("'", attributeValue(combination, text::kCombinationMeaning), "' "), StripFont::Regular, kBlack);
        add(std::string(attributeValue(combination, text::kCombinationPartOfSpeech)), StripFont::Italic, kBlack);
    }
    return pieces;
}

}  // namespace pelmora
