// Search criteria of the text view and the matching of a token against them in every mode.
#pragma once

#include "common/colour.h"
#include "xml/xmldocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The fields a search looks at, in the order of the criteria record.
enum class SearchField { Text, Lemma, Meaning, PartOfSpeech, Form, Meta, Style, Latvian, English, Comment };
inline constexpr std::size_t kSearchFieldCount = 10;

// "sone" for the token's text, otherwise the attribute name ("lemma", "tahendus", ...).
const char* searchFieldName(SearchField field);
// The field with that name, or nothing.
std::optional<SearchField> searchFieldFromName(std::string_view name);

enum class SearchMode : int {
    Dialog = -1,           // the search dialog: every checked field must match
    Begins = 0,            // part-of-word: a checked value begins with the text
    Ends = 1,              // ... ends with it
    Contains = 2,          // ... contains it
    SuspectedErrors = 3,   // suspicious part of speech or form tag
    AutomaticChanges = 4,  // "auto" is "+"
};

inline constexpr Colour kSuspectedErrorColour{175, 225, 0};
inline constexpr Colour kAutomaticChangeColour{165, 200, 75};

// One search or marking rule: a sought value and an on/off flag per field, a colour and a mode.
struct SearchCriteria {
    std::array<std::string, kSearchFieldCount> values;
    std::array<bool, kSearchFieldCount> checked{};
    Colour colour;
    SearchMode mode = SearchMode::Dialog;

    // Checks the field and sets its sought value.
    void set(SearchField field, std::string_view value);
    // The same for a value chosen from a list (part of speech, token type, style): "-" means no
    // value and is sought as "".
    void setChoice(SearchField field, std::string_view value);
    bool isChecked(SearchField field) const { return checked[static_cast<std::size_t>(field)]; }
    const std::string& value(SearchField field) const { return values[static_cast<std::size_t>(field)]; }
    bool anyChecked() const;
};

// The rule of "Otsi vigu": part of speech and form checked, its own colour.
SearchCriteria suspectedErrorsCriteria();

// Tests tokens against one criteria record; the sought values are prepared once (word-form keys,
// lower-casing), so testing a whole text costs one pass.
class TokenMatcher {
public:
    explicit TokenMatcher(SearchCriteria criteria);

    // True when the token matches in the record's mode. A record in the dialog or part-of-word
    // modes with no field checked matches nothing; a null handle matches nothing.
    bool matches(XmlNode token) const;

    const SearchCriteria& criteria() const { return m_criteria; }

private:
    bool matchesDialog(XmlNode token) const;
    bool matchesPartOfWord(XmlNode token) const;

    SearchCriteria m_criteria;
    std::array<std::string, kSearchFieldCount> m_prepared;
};

// The criteria in words, as the search dialog names its fields: "sõne „kata“, märksõna „kala“";
// "*" reads "suvaline" and "" reads "tühi". "" when no field is checked.
std::string describeSearchCriteria(const SearchCriteria& criteria);

// The token's value of a field: its text for Text, otherwise the attribute ("" when absent).
std::string_view searchFieldValue(XmlNode token, SearchField field);

// The suspected-error test: with checkPartOfSpeech a lemma without "liik" or an unknown "liik";
// with checkForm a non-empty "vorm" holding none of the known abbreviations; with both, an
// inflecting "liik" without "vorm".
bool isSuspicious(XmlNode token, bool checkPartOfSpeech, bool checkForm);

}  // namespace pelmora
