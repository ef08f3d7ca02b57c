#include "dialogs/choicelists.h"

#include "annotation/vocabularies.h"
#include "app/qtstrings.h"

#include <QComboBox>

namespace pelmora::gui {

namespace {

constexpr const char* kAnyShown = "- - suvaline - -";
constexpr const char* kAnyValue = "*";

}  // namespace

ChoiceList partOfSpeechChoices(bool withAny)
{
    ChoiceList choices;
    for (int i = 0; i < kPartOfSpeechFormCount; ++i)
        choices.push_back({toQt(partOfSpeechName(i)), partOfSpeechCode(i)});
    if (withAny)
        choices.push_back({kAnyShown, kAnyValue});
    return choices;
}

ChoiceList styleChoicesWithAny()
{
    ChoiceList choices;
    for (int i = 0; i < kStyleFormCount; ++i)
        choices.push_back({toQt(styleText(i)), styleText(i)});
    choices.push_back({kAnyShown, kAnyValue});
    return choices;
}

ChoiceList reasonChoicesWithAny()
{
    ChoiceList choices;
    for (int i = 0; i < kReasonFormCount; ++i)
        choices.push_back({toQt(reasonText(i)), reasonText(i)});
    choices.push_back({kAnyShown, kAnyValue});
    return choices;
}

void fillCombo(QComboBox& combo, const ChoiceList& choices)
{
    combo.clear();
    for (const Choice& choice : choices)
        combo.addItem(choice.shown);
}

std::string chosenValue(const QComboBox& combo, const ChoiceList& choices)
{
    const int index = combo.currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size())
        return "-";
    return choices[static_cast<std::size_t>(index)].value;
}

void selectValue(QComboBox& combo, const ChoiceList& choices, const std::string& value)
{
    int index = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) {
            index = static_cast<int>(i);
            break;
        }
    }
    combo.setCurrentIndex(index);
}

}  // namespace pelmora::gui
