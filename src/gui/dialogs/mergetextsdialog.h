// "Tekstide ühendamine": the texts to join in their order, the new file and the page numbers.
#pragma once

#include "app/filechooser.h"
#include "common/prompter.h"
#include "io/mergetexts.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace pelmora::gui {

namespace Ui { class MergeTextsDialog; }
class FileListField;

class MergeTextsDialog final : public QDialog {
    Q_OBJECT
public:
    MergeTextsDialog(Prompter& prompter, FileChooser& files, QWidget* parent = nullptr);
    ~MergeTextsDialog() override;

    // The merge as the fields stand, the files in list order; the warning is left to the caller.
    MergeSettings settings() const;
    QPushButton& okButton() const;

private:
    void updateButtons();

    std::unique_ptr<Ui::MergeTextsDialog> m_ui;
    FileListField* m_fileList = nullptr;
};

}  // namespace pelmora::gui
