// Cut, copy and paste: the focused edit field takes them when it can, otherwise the concordance's
// lines or the document (the current token or its sentence with its reference).
#pragma once

#include "text/pelmoradoc.h"

#include <QMetaObject>
#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace pelmora::gui {

class CommandActions;
class ConcordanceDock;

// An edit field of whichever kind: a line edit (also a combo box's), a plain or a rich text
// edit. Empty for any other widget or none.
class EditField {
public:
    explicit EditField(QWidget* widget);
    // The field with the keyboard focus.
    static EditField focused();

    explicit operator bool() const { return m_line || m_plain || m_rich; }
    bool hasSelection() const;
    bool isReadOnly() const;
    // True when the field is editable and has a step of its own to undo (or to redo).
    bool hasStep(bool redo) const;
    void cut() const;
    void copy() const;
    void paste() const;
    // Calls `changed` at every change of the field's selection (none for an empty field).
    QMetaObject::Connection watchSelection(QObject* context, const std::function<void()>& changed) const;

private:
    // Calls `call` with the field's widget; `none` for an empty field.
    template <class Result, class Call>
    Result visit(Result none, const Call& call) const;

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_plain = nullptr;
    QTextEdit* m_rich = nullptr;
};

class ClipboardCommands final : public QObject {
    Q_OBJECT
public:
    // `formPane` gives the pane of the annotation form: its controls that are no edit fields
    // take the commands and offer none.
    ClipboardCommands(CPelmoraDoc& doc, ConcordanceDock& concordance, std::function<QWidget*()> formPane,
                      QObject* parent);
    ~ClipboardCommands() override;

    // Binds cut, copy, paste, copy token and copy sentence, and from now on enables the first
    // three as the focused field, its selection and the clipboard allow.
    void bind(const CommandActions& actions);

public Q_SLOTS:
    void cut();           // "&Lõika\tCtrl+X"
    void copy();          // "&Kopeeri\tCtrl+C"
    void paste();         // "&Pista\tCtrl+V"
    void copyToken();     // "Kopeeri &sõne\tCtrl+W"
    void copySentence();  // context menu "Kopeeri lause"
    // Cut and copy need a selection (cut an editable field), paste an editable field and text
    // on the clipboard; outside the fields copy needs the concordance's selected lines or, but
    // in the form, a current token.
    void updateEnabling();

private:
    void focusChanged(QWidget* now);
    bool concordanceHasFocus() const;
    bool formHasFocus() const;

    CPelmoraDoc& m_doc;
    ConcordanceDock& m_concordance;
    std::function<QWidget*()> m_formPane;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QMetaObject::Connection m_selectionWatch;  // the focused field's selection
};

}  // namespace pelmora::gui
