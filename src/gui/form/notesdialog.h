// The headword notes window "Märkmed": look up, read and write the note of a headword in the
// notes file.
#pragma once

#include "annotation/headwordnotes.h"

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class NotesDialog;
}

namespace pelmora::gui {

class NotesDialog final : public QDialog {
    Q_OBJECT
public:
    // With a headword, reads the notes file and shows the headword's note, or the first note when
    // it has none; a broken file is reported through the prompter and the window stays empty.
    // Without a headword the window opens empty and the file is read only when first needed.
    NotesDialog(const std::string& notesPath, const std::string& headword, Prompter& prompter,
                QWidget* parent = nullptr);
    ~NotesDialog() override;

    QString headword() const;
    QString noteText() const;

private:
    void showNote(const HeadwordNote& note);
    void search();
    void headwordEdited(const QString& text);
    void save();

    std::unique_ptr<::Ui::NotesDialog> m_ui;
    HeadwordNotes m_notes;
};

}  // namespace pelmora::gui
