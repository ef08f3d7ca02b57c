// The settings dialog "Pelmora: seadistus": copies a Settings value into its controls and back.
#pragma once

#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "settings/settings.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace pelmora::gui {

namespace Ui { class SettingsDialog; }

class SettingsDialog final : public QDialog {
    Q_OBJECT
public:
    // `notesFileChosen` is called at once when "Vali fail" chose a notes file: the choice holds
    // even when the dialog is then cancelled.
    SettingsDialog(const Settings& current, FileChooser& files,
                   std::function<void(const std::string&)> notesFileChosen, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // The values of the controls (not yet applied: see applySettings). Keys without a control
    // keep the values the dialog was made with.
    Settings edited() const;

protected:
    // Enter in the endings edit presses OK as everywhere else in the dialog: the endings are one
    // blank-separated list, a line break has no place in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseDictionary();
    void chooseNotesFile();
    void chooseAnalyserFile();

    std::unique_ptr<Ui::SettingsDialog> m_ui;
    Settings m_initial;
    FileChooser& m_files;
    std::function<void(const std::string&)> m_notesFileChosen;
};

// The about box "Mis on Pelmora": the program's icon, the version line and the authors; shown
// through `runner`.
void showAboutBox(QWidget* parent, DialogRunner& runner);

}  // namespace pelmora::gui
