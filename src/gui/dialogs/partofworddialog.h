// The part-of-word search "Otsi ...": a run of characters, the fields to look in, where in the
// value it stands, and the colour its hits are marked with.
#pragma once

#include "app/dialogrunner.h"
#include "dialogs/colourchoice.h"
#include "search/searchcriteria.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <memory>
#include <string>

namespace pelmora::gui {

namespace Ui { class PartOfWordDialog; }

struct PartOfWordValues {
    std::string text;                                      // "Otsi märgijada:"
    std::array<bool, kSearchFieldCount> checked{true};     // the token text to begin with
    SearchMode mode = SearchMode::Contains;                // Begins, Ends or Contains
    Colour colour = kDefaultMarkingColour;

    // The rule to search with: the text sought in every checked field, in the mode and colour.
    SearchCriteria criteria() const;
};

class PartOfWordDialog final : public QDialog {
    Q_OBJECT
public:
    // `dialogs` runs the colour dialog of "Vali muu värv".
    PartOfWordDialog(const PartOfWordValues& values, DialogRunner& dialogs, QWidget* parent = nullptr);
    ~PartOfWordDialog() override;

    PartOfWordValues values() const;

private:
    void chooseOtherColour();
    // OK needs a text and a field: an empty text would mark every token.
    void updateOk();

    std::unique_ptr<Ui::PartOfWordDialog> m_ui;
    DialogRunner& m_dialogs;
    QColor m_colour;
};

}  // namespace pelmora::gui
