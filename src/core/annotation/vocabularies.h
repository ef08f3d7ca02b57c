// The closed tag vocabularies: parts of speech, styles, reasons not to tag, form-tag abbreviations
// and the tables that translate the online analyser's tags.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Parts of speech: index 0 is "-", index 25 is "*"; the annotation form offers 0 to 24.
inline constexpr int kPartOfSpeechCount = 26;
inline constexpr int kPartOfSpeechFormCount = 25;

// The code stored in files for an index ("V", "S", ...); "" outside 0..25.
std::string partOfSpeechCode(int index);

// The Estonian name shown to the user for an index ("verb", ...); "" outside 0..25.
std::string partOfSpeechName(int index);

// The index of a code or a name (exact, case-sensitive; codes are tried first); -1 when unlisted.
int partOfSpeechIndex(std::string_view text);

// A code gives its name, a name its code ("-" and "*" give themselves); anything else gives "".
std::string togglePartOfSpeech(std::string_view text);

// Styles (a token's `stiil`): "-", "märkus", "pealkiri", "esiletõst", "*"; the form offers 0 to 3.
inline constexpr int kStyleCount = 5;
inline constexpr int kStyleFormCount = 4;

// The style word of an index; "" outside the table.
std::string styleText(int index);

// The index of a style word (exact); -1 when unlisted.
int styleIndex(std::string_view text);

// Reasons not to tag (a token's `meta`): "-", "intervjueerija", ..., "poolik sõna", "*";
// the form offers 0 to 6.
inline constexpr int kReasonCount = 8;
inline constexpr int kReasonFormCount = 7;

// The reason word of an index; "" outside the table.
std::string reasonText(int index);

// The index of a reason word (exact); -1 when unlisted.
int reasonIndex(std::string_view text);

// The groups the form-tag boxes belong to.
enum class FormTagGroup { Voice, Mood, Tense, NonFinite, Number, Person, Case, Comparison, Other };

// One box of the form-tag editor: the abbreviation it writes, its group and its caption.
struct FormTagBox {
    std::string_view abbreviation;  // with its full stop: "pers."
    FormTagGroup group;
    std::string_view caption;       // "Personaal (pers)"; the negation caption holds a line break
};

inline constexpr std::size_t kFormTagBoxCount = 49;

// The 49 boxes in the canonical order in which a form tag is written.
const std::array<FormTagBox, kFormTagBoxCount>& formTagBoxes();

// The index of a box by its abbreviation ("sg."), or -1.
int formTagBoxIndex(std::string_view abbreviation);

// The part-of-speech name for an analyser tag ("N" gives "substantiiv"); "" when unlisted.
std::string onlinePartOfSpeechName(std::string_view analyserTag);

// The form abbreviation for an analyser tag ("Sg3" gives "sg.3."): the tag is looked up in the
// analyser column first and then in the abbreviation column; "" when neither holds it. A few
// tags ("Card", "Aux", "Neg", ...) give part-of-speech names instead.
std::string onlineFormAbbreviation(std::string_view analyserTag);

}  // namespace pelmora
