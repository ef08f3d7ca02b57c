// "Päring: Lihtne sõnastik": what the simple dictionary of the open text holds and where it goes.
#pragma once

#include "app/filechooser.h"
#include "io/simpledictionary.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace pelmora::gui {

namespace Ui { class SimpleDictionaryDialog; }

class SimpleDictionaryDialog final : public QDialog {
    Q_OBJECT
public:
    SimpleDictionaryDialog(const SimpleDictionaryOptions& values, FileChooser& files, QWidget* parent = nullptr);
    ~SimpleDictionaryDialog() override;

    // The options as the fields stand (the warning flag as it came in).
    SimpleDictionaryOptions options() const;
    QPushButton& okButton() const;

private:
    void chooseFile();

    std::unique_ptr<Ui::SimpleDictionaryDialog> m_ui;
    SimpleDictionaryOptions m_values;
    FileChooser& m_files;
};

}  // namespace pelmora::gui
