// The search dialog "Otsi": a check box and a sought value per field, the marking colour, going
// to the first hit and the direction; copies SearchDialogValues into its controls and back.
#pragma once

#include "app/dialogrunner.h"
#include "dialogs/colourchoice.h"
#include "search/searchcriteria.h"
#include "search/textsearch.h"

#include <QColor>
#include <QDialog>

#include <memory>

namespace pelmora::gui {

namespace Ui { class SearchDialog; }

// What the dialog shows and gives back. The criteria hold the values and checks of the fields
// (list fields by their attribute values: codes for the part of speech, "*" for any) and the
// marking colour.
struct SearchDialogValues {
    SearchCriteria criteria;
    bool mark = true;       // "Märgi leitud sõnad selle taustavärviga"
    bool goToFirst = true;  // "Mine esimesele leitud sõnale"
    SearchDirection direction = SearchDirection::ForwardFromCurrent;

    SearchDialogValues() { criteria.colour = kDefaultMarkingColour; }
};

class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    // `dialogs` runs the colour dialog of "Vali muu värv".
    SearchDialog(const SearchDialogValues& values, DialogRunner& dialogs, QWidget* parent = nullptr);
    ~SearchDialog() override;

    // The values of the controls; a list choice of "-" gives an empty sought value.
    SearchDialogValues values() const;

private:
    void chooseOtherColour();
    void updateEnabling();

    std::unique_ptr<Ui::SearchDialog> m_ui;
    DialogRunner& m_dialogs;
    QColor m_colour;
};

}  // namespace pelmora::gui
