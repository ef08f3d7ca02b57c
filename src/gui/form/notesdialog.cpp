#include "form/notesdialog.h"

#include "app/qtstrings.h"
#include "ui_notesdialog.h"

namespace pelmora::gui {

NotesDialog::NotesDialog(const std::string& notesPath, const std::string& headword, Prompter& prompter,
                         QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::NotesDialog>()), m_notes(notesPath, prompter)
{
    m_ui->setupUi(this);
    connect(m_ui->searchButton, &QPushButton::clicked, this, &NotesDialog::search);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &NotesDialog::save);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    // Only the user's typing looks up: filling the field from a note must not look up again.
    connect(m_ui->headwordEdit, &QLineEdit::textEdited, this, &NotesDialog::headwordEdited);
    m_ui->headwordEdit->setFocus();

    HeadwordNote note;
    if (!headword.empty() && m_notes.lookUpOrFirst(headword, note))
        showNote(note);
}

NotesDialog::~NotesDialog() = default;

QString NotesDialog::headword() const { return m_ui->headwordEdit->text(); }
QString NotesDialog::noteText() const { return m_ui->noteEdit->toPlainText(); }

void NotesDialog::showNote(const HeadwordNote& note)
{
    m_ui->headwordEdit->setText(toQt(note.headword));
    m_ui->noteEdit->setPlainText(toQt(note.text));
}

void NotesDialog::search()
{
    HeadwordNote note;
    if (m_notes.lookUpOrFirst(toStd(headword()), note))
        showNote(note);
}

void NotesDialog::headwordEdited(const QString& text)
{
    if (!m_notes.ensureLoaded())
        return;
    HeadwordNote note;
    m_notes.lookUp(toStd(text), note);
    m_ui->noteEdit->setPlainText(toQt(note.text));
}

void NotesDialog::save() { m_notes.store(toStd(headword()), toStd(noteText())); }

}  // namespace pelmora::gui
