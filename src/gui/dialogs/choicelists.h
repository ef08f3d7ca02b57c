// The closed lists the search and replace dialogs offer in their combo boxes: what each entry
// shows and what it stands for in a token's attribute.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QComboBox;

namespace pelmora::gui {

struct Choice {
    QString shown;      // the entry's text ("verb", "- - suvaline - -")
    std::string value;  // the attribute value it stands for ("V", "*"); "-" for no value
};
using ChoiceList = std::vector<Choice>;

// The name a user sees for one of the core's Estonian vocabulary names (a part of speech's name,
// a style or reason word, a form-tag box's caption): its translation into the interface's
// language, the name itself in Estonian. Only for showing: files keep the core's values.
QString shownName(std::string_view name);

// Parts of speech by name, "-" to "suhtlussõna"; with `withAny` "- - suvaline - -" for "*".
ChoiceList partOfSpeechChoices(bool withAny);
// Styles "-" to "esiletõst", then "- - suvaline - -".
ChoiceList styleChoicesWithAny();
// Reasons not to tag "-" to "poolik sõna", then "- - suvaline - -".
ChoiceList reasonChoicesWithAny();

// Replaces the combo box's entries with the list's.
void fillCombo(QComboBox& combo, const ChoiceList& choices);
// The value of the combo box's selection; "-" when nothing is selected.
std::string chosenValue(const QComboBox& combo, const ChoiceList& choices);
// Selects the entry standing for the value; "" and unlisted values select the first entry.
void selectValue(QComboBox& combo, const ChoiceList& choices, const std::string& value);

}  // namespace pelmora::gui
