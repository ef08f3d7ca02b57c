// "Teisendused": the list of spelling transformations ("Mis" -> "Milleks") edited by hand, taken
// from a built-in list or a transformations file, or written to one.
#pragma once

#include "annotation/transformations.h"
#include "app/filechooser.h"
#include "common/prompter.h"

#include <QDialog>

#include <memory>

namespace pelmora::gui {

namespace Ui { class TransformationsDialog; }

class TransformationsDialog final : public QDialog {
    Q_OBJECT
public:
    TransformationsDialog(TransformationEditor editor, Prompter& prompter, FileChooser& files,
                          QWidget* parent = nullptr);
    ~TransformationsDialog() override;

    // The rows and the `Changes` / `ChangesPath` values as the buttons left them; on OK the
    // caller takes them over.
    const TransformationEditor& editor() const { return m_editor; }

private:
    void addRow();
    void replaceRow();
    void removeRow();
    void moveRow(int step);
    void loadFile();
    void saveFile();
    void rowChosen();
    int selectedRow() const;
    // Shows the rows again, with the given one selected (none for -1).
    void showRows(int select);

    std::unique_ptr<Ui::TransformationsDialog> m_ui;
    TransformationEditor m_editor;
    Prompter& m_prompter;
    FileChooser& m_files;
};

}  // namespace pelmora::gui
