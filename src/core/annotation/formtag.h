// The form-tag editor without its window: a tag taken apart into ticked boxes and free text, put
// together again in canonical order, and the colours that tell whether the ticks make a consistent form.
#pragma once

#include "annotation/vocabularies.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// The state of the editor: one tick per box (canonical order) and the "Lisainfo:" text.
struct FormTagTicks {
    std::bitset<kFormTagBoxCount> ticked;
    std::string extraInfo;

    // Ticks or clears the box of an abbreviation ("sg."); unknown abbreviations are ignored.
    void set(std::string_view abbreviation, bool on = true);
    // True when the box of the abbreviation is ticked.
    bool isTicked(std::string_view abbreviation) const;
    // Clears every box and the free text ("Tühista kõik valikud").
    void clear();

    bool operator==(const FormTagTicks&) const = default;
};

// Takes a tag apart: a box is ticked when its abbreviation occurs anywhere before the first
// "#"; everything after it becomes the free text. "" gives no ticks.
FormTagTicks takeApartFormTag(std::string_view tag);

// Puts a tag together: the ticked abbreviations in canonical order, then " #" and the free text
// when it is not empty. No ticks and no free text give "".
std::string putTogetherFormTag(const FormTagTicks& ticks);

// A tag as it comes back from the editor when opened and confirmed unchanged.
std::string canonicalFormTag(std::string_view tag);

// Groups of which a form has one value at most: case, number, person, tense, mood and voice.
bool isOneChoiceGroup(FormTagGroup group);
// True when a one-choice group has more than one box ticked; such a selection is not a form.
bool hasTooManyTicks(const FormTagTicks& ticks, FormTagGroup group);

enum class CaptionColour { Black, Green, Orange, Red };

// A drawing colour.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// The drawing colour of a caption colour: green (30, 225, 60), orange (255, 120, 0), red (255, 0, 0), black.
Rgb captionRgb(CaptionColour colour);

// "black", "green", "orange" or "red".
std::string_view captionColourName(CaptionColour colour);

// One coloured caption of the editor.
struct CaptionColouring {
    std::string_view caption;
    CaptionColour colour;
};

// The captions that are coloured, in this order: "Kääne", "Arv", "Isik", "Aeg", "Kõneviis",
// "Tegumood", "Käändeline vorm", "Võrre", "Possessiivsufiks (poss)", "Tegijanimi (ag)" and
// the negation box's caption.
inline constexpr std::size_t kColouredCaptionCount = 11;

// The colour of every coloured caption for a set of ticks: green when a group that the other
// ticks call for is ticked, red when it is called for but empty, orange when it is ticked but
// does not fit, black when it is neither called for nor ticked. A one-choice group with more
// than one tick is red.
std::array<CaptionColouring, kColouredCaptionCount> formTagColours(const FormTagTicks& ticks);

}  // namespace pelmora
