// The form-tag editor "Vormiinfo": one check box per abbreviation, grouped as the grammar groups
// them, with the group captions coloured by whether the ticks make a consistent form.
#pragma once

#include "annotation/formtag.h"
#include "app/dialogrunner.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace Ui {
class FormTagDialog;
}

namespace pelmora::gui {

class FormTagDialog final : public QDialog {
    Q_OBJECT
public:
    // Opens on the tag taken apart: every abbreviation found in it ticked, the text after "#"
    // in "Lisainfo:".
    explicit FormTagDialog(const std::string& tag, QWidget* parent = nullptr);
    ~FormTagDialog() override;

    // The tag the ticks and "Lisainfo:" make, in canonical order ("" for none).
    std::string tag() const;

    // The ticks and free text as they stand.
    FormTagTicks ticks() const;

    // The check box of an abbreviation ("sg."), or nullptr.
    QCheckBox* box(std::string_view abbreviation) const;
    // "Lisainfo:".
    QLineEdit* extraInfoEdit() const;

private:
    void buildBoxes();
    void showTicks(const FormTagTicks& ticks);
    void clearAll();
    void recolour();

    std::unique_ptr<::Ui::FormTagDialog> m_ui;
    std::array<QCheckBox*, kFormTagBoxCount> m_boxes{};
    // The coloured captions in the order formTagColours() gives them.
    std::array<QWidget*, kColouredCaptionCount> m_coloured{};
};

// Runs the editor on a tag; the new tag, or nothing when it was cancelled.
// With `typing` the free text takes the focus, its caret at the end, so typing goes on there.
std::optional<std::string> editFormTag(const std::string& tag, DialogRunner& dialogs, QWidget* parent,
                                       bool typing = false);

// Runs the editor on the text of a field and puts the new tag into it; the field keeps its text
// when the editor is cancelled.
void editFormTagOf(QLineEdit& field, DialogRunner& dialogs, QWidget* parent);

}  // namespace pelmora::gui
