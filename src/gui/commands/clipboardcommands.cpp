#include "commands/clipboardcommands.h"

#include "app/commandactions.h"
#include "app/qtstrings.h"
#include "text/editing.h"
#include "views/concordancedock.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

#include <type_traits>

namespace pelmora::gui {

// --- EditField ---------------------------------------------------------------------------------

EditField::EditField(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        widget = combo->lineEdit();
    m_line = qobject_cast<QLineEdit*>(widget);
    m_plain = m_line ? nullptr : qobject_cast<QPlainTextEdit*>(widget);
    m_rich = m_line || m_plain ? nullptr : qobject_cast<QTextEdit*>(widget);
}

EditField EditField::focused()
{
    return EditField(QApplication::focusWidget());
}

namespace {

QTextDocument* textOf(QPlainTextEdit& edit) { return edit.document(); }
QTextDocument* textOf(QTextEdit& edit) { return edit.document(); }

}  // namespace

template <class Result, class Call>
Result EditField::visit(Result none, const Call& call) const
{
    if (m_line)
        return call(*m_line);
    if (m_plain)
        return call(*m_plain);
    if (m_rich)
        return call(*m_rich);
    return none;
}

bool EditField::hasSelection() const
{
    return visit(false, [](auto& edit) {
        if constexpr (std::is_same_v<std::decay_t<decltype(edit)>, QLineEdit>)
            return edit.hasSelectedText();
        else
            return edit.textCursor().hasSelection();
    });
}

bool EditField::isReadOnly() const
{
    return visit(false, [](auto& edit) { return edit.isReadOnly(); });
}

bool EditField::hasStep(bool redo) const
{
    return visit(false, [redo](auto& edit) {
        if (edit.isReadOnly())
            return false;
        if constexpr (std::is_same_v<std::decay_t<decltype(edit)>, QLineEdit>)
            return redo ? edit.isRedoAvailable() : edit.isUndoAvailable();
        else
            return redo ? textOf(edit)->isRedoAvailable() : textOf(edit)->isUndoAvailable();
    });
}

void EditField::cut() const
{
    visit(false, [](auto& edit) {
        edit.cut();
        return true;
    });
}

void EditField::copy() const
{
    visit(false, [](auto& edit) {
        edit.copy();
        return true;
    });
}

void EditField::paste() const
{
    visit(false, [](auto& edit) {
        edit.paste();
        return true;
    });
}

QMetaObject::Connection EditField::watchSelection(QObject* context, const std::function<void()>& changed) const
{
    return visit(QMetaObject::Connection(), [&](auto& edit) {
        return QObject::connect(&edit, &std::decay_t<decltype(edit)>::selectionChanged, context, changed);
    });
}

// --- ClipboardCommands ---------------------------------------------------------------------------

ClipboardCommands::ClipboardCommands(CPelmoraDoc& doc, ConcordanceDock& concordance,
                                     std::function<QWidget*()> formPane, QObject* parent)
    : QObject(parent), m_doc(doc), m_concordance(concordance), m_formPane(std::move(formPane))
{
}

ClipboardCommands::~ClipboardCommands()
{
    // The window's panes may go after this: their focus and selection changes must not come here.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    QObject::disconnect(m_selectionWatch);
}

void ClipboardCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::Cut, &ClipboardCommands::cut},
                        {Command::Copy, &ClipboardCommands::copy},
                        {Command::Paste, &ClipboardCommands::paste},
                        {Command::CopyToken, &ClipboardCommands::copyToken},
                        {Command::CopySentence, &ClipboardCommands::copySentence}});
    m_cut = actions[Command::Cut];
    m_copy = actions[Command::Copy];
    m_paste = actions[Command::Paste];
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardCommands::updateEnabling);
    connect(&m_concordance, &ConcordanceDock::selectionChanged, this, &ClipboardCommands::updateEnabling);
    updateEnabling();
}

void ClipboardCommands::updateEnabling()
{
    if (!m_cut)
        return;
    const EditField field = EditField::focused();
    bool cut = false;
    bool copy = false;
    bool paste = false;
    if (field) {
        cut = field.hasSelection() && !field.isReadOnly();
        copy = field.hasSelection();
        paste = !field.isReadOnly() && !QGuiApplication::clipboard()->text().isEmpty();
    } else if (concordanceHasFocus()) {
        copy = m_concordance.hasSelectedLines();
    } else if (!formHasFocus()) {
        copy = static_cast<bool>(m_doc.currentToken());
    }
    m_cut->setEnabled(cut);
    m_copy->setEnabled(copy);
    m_paste->setEnabled(paste);
}

void ClipboardCommands::focusChanged(QWidget* now)
{
    // Only the focused field's selection is followed.
    QObject::disconnect(m_selectionWatch);
    m_selectionWatch = EditField(now).watchSelection(this, [this] { updateEnabling(); });
    updateEnabling();
}

bool ClipboardCommands::concordanceHasFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus && m_concordance.isAncestorOf(focus);
}

bool ClipboardCommands::formHasFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* form = m_formPane ? m_formPane() : nullptr;
    return focus && form && form->isAncestorOf(focus);
}

void ClipboardCommands::cut()
{
    EditField::focused().cut();
}

void ClipboardCommands::copy()
{
    if (const EditField field = EditField::focused())
        return field.copy();
    // Elsewhere in the concordance (its table): its selected lines.
    if (concordanceHasFocus()) {
        if (m_concordance.hasSelectedLines())
            QGuiApplication::clipboard()->setText(m_concordance.selectedLinesText());
        return;
    }
    if (!formHasFocus())
        copySentence();
}

void ClipboardCommands::paste()
{
    EditField::focused().paste();
}

void ClipboardCommands::copyToken()
{
    if (m_doc.currentToken())
        QGuiApplication::clipboard()->setText(toQt(copyTokenText(m_doc)));
}

void ClipboardCommands::copySentence()
{
    if (m_doc.currentToken())
        QGuiApplication::clipboard()->setText(toQt(copySentenceWithReference(m_doc)));
}

}  // namespace pelmora::gui
