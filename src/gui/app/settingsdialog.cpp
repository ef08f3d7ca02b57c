// Placeholder until the settings dialog is laid out.
#include "app/settingsdialog.h"

namespace pelmora::gui {
namespace Ui { class SettingsDialog {}; }

SettingsDialog::SettingsDialog(const Settings& current, FileChooser& files,
                               std::function<void(const std::string&)> notesFileChosen, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SettingsDialog>()), m_initial(current), m_files(files),
      m_notesFileChosen(std::move(notesFileChosen))
{
    setWindowTitle("Pelmora: seadistus");
}

SettingsDialog::~SettingsDialog() = default;

Settings SettingsDialog::edited() const { return m_initial; }
void SettingsDialog::chooseDictionary() {}
void SettingsDialog::chooseNotesFile() {}
void showAboutBox(QWidget*) {}

}  // namespace pelmora::gui
