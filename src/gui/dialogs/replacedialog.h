// The replace dialog "Asenda": an "Otsi:" and an "Asenda:" value for lemma, meaning, part of
// speech, form, Latvian and English, and the colour the changed tokens are marked with.
#pragma once

#include "app/dialogrunner.h"
#include "search/textsearch.h"

#include <QColor>
#include <QDialog>

#include <memory>

namespace pelmora::gui {

namespace Ui { class ReplaceDialog; }

class ReplaceDialog final : public QDialog {
    Q_OBJECT
public:
    // Starts with empty values and the colour; `dialogs` runs the colour dialog of "Vali uus värv".
    ReplaceDialog(Colour colour, DialogRunner& dialogs, QWidget* parent = nullptr);
    ~ReplaceDialog() override;

    // One replacement per row, in the rows' order; the part of speech as codes, "" sought when
    // the first entry "-" is chosen under "Otsi:", "-" (removal) under "Asenda:".
    ReplaceRequest request() const;

private:
    void chooseNewColour();

    std::unique_ptr<Ui::ReplaceDialog> m_ui;
    DialogRunner& m_dialogs;
    QColor m_colour;
};

}  // namespace pelmora::gui
