// The tables between Pelmora's vocabulary and Universal Dependencies: part-of-speech codes and UPOS,
// form-tag abbreviations and FEATS, reasons not to tag and UPOS. Each is one table read both ways.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// Which way a row is read: both ways, only from Pelmora to UD, or only from UD back to Pelmora.
enum class Direction { Both, ToUd, FromUd };

// A part-of-speech code and its UPOS tag.
struct PartOfSpeechRow {
    std::string_view code;
    std::string_view upos;
    Direction direction;
};

// A form-tag abbreviation and the UD features it stands for, joined by "|" ("VerbForm=Part|Tense=Pres|Voice=Pass").
struct FormTagRow {
    std::string_view abbreviation;
    std::string_view features;
};

// A reason not to tag, the UPOS tag of a token that has it and no part of speech, and features it adds.
struct ReasonRow {
    std::string_view reason;
    std::string_view upos;
    std::string_view features;
    Direction direction;
};

std::span<const PartOfSpeechRow> partOfSpeechRows();
std::span<const FormTagRow> formTagRows();
std::span<const ReasonRow> reasonRows();

// One feature with one value ("Case", "Nom").
struct Feature {
    std::string name;
    std::string value;
    bool operator==(const Feature&) const = default;
};

// The features of a FEATS column ("Case=Nom|Number=Plur,Sing"), one per value; "_" and "" give none.
// Pieces without "=" are left out.
std::vector<Feature> parseFeatures(std::string_view feats);

// The FEATS column of the features: one entry per name with its values joined by ",", values and
// entries sorted without regard to case, repeats dropped; "_" when there are none.
std::string formatFeatures(std::vector<Feature> features);

// The UPOS tag and extra features of a token: from its part-of-speech code when the table has it,
// otherwise from its reason not to tag, otherwise "X". A foreign-language reason adds "Foreign=Yes"
// also to a token with a part of speech.
struct UposOfToken {
    std::string_view upos;
    std::string_view features;
};
UposOfToken uposOfToken(std::string_view partOfSpeech, std::string_view reason);

// The part-of-speech code a UPOS tag goes back to ("" when none does).
std::string_view partOfSpeechOfUpos(std::string_view upos);

// The part-of-speech code of a label another program wrote: a code as it stands ("V", also "-" and
// "*"), a code in another case ("adv"), or a UPOS tag in any case ("noun"); "" when it is none of these.
std::string_view partOfSpeechOfLabel(std::string_view label);

// The reason a UPOS tag with these features goes back to ("" when none does).
std::string_view reasonOfUpos(std::string_view upos, const std::vector<Feature>& features);

// The UD features of a form tag: those of every abbreviation the form-tag editor would tick.
std::vector<Feature> featuresOfFormTag(std::string_view tag);

// A form tag made back of UD features, in canonical order, and the features no abbreviation stands
// for ("VerbForm=Fin"). Features of a row with several are taken together or not at all; a row
// whose features are all present takes them before single ones can.
struct FormTagOfFeatures {
    std::string tag;
    std::vector<Feature> unmapped;
};
FormTagOfFeatures formTagOfFeatures(const std::vector<Feature>& features);

}  // namespace pelmora::exchange
