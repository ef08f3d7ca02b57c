// The form's Alt mnemonics ahead of the menu bar's.
#include "form/formmnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QDockWidget>
#include <QLabel>

namespace pelmora::gui {

namespace {

// The key of the mnemonic in a caption ("&Tähendus:" gives T), or 0.
int mnemonicKey(const QString& text)
{
    const QKeySequence sequence = QKeySequence::mnemonic(text);
    return sequence.isEmpty() ? 0 : (sequence[0].toCombined() & ~Qt::KeyboardModifierMask);
}

bool usable(const QWidget* widget)
{
    return widget && widget->isVisible() && widget->isEnabled();
}

}  // namespace

FormMnemonics::FormMnemonics(QWidget* form) : QObject(form), m_form(form)
{
    qApp->installEventFilter(this);
}

FormMnemonics::~FormMnemonics()
{
    qApp->removeEventFilter(this);
}

QWidget* FormMnemonics::target(const QWidget* scope, int key)
{
    QWidget* found = nullptr;
    int count = 0;
    for (QLabel* label : scope->findChildren<QLabel*>()) {
        if (usable(label) && usable(label->buddy()) && mnemonicKey(label->text()) == key) {
            found = label->buddy();
            ++count;
        }
    }
    for (QAbstractButton* button : scope->findChildren<QAbstractButton*>()) {
        if (usable(button) && mnemonicKey(button->text()) == key) {
            found = button;
            ++count;
        }
    }
    return count == 1 ? found : nullptr;
}

bool FormMnemonics::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_form->window() || !m_form->isVisible())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier)
        return false;
    // Mnemonics compare upper-case letters; the key code of a letter is its upper case.
    const int pressed = QKeySequence(key->key())[0].toCombined() & ~Qt::KeyboardModifierMask;
    // In a dock of the window (the overview, the concordance) the dock's own mnemonics come first.
    QWidget* to = nullptr;
    for (QWidget* scope = widget; scope && !to; scope = scope->parentWidget())
        if (qobject_cast<QDockWidget*>(scope))
            to = target(scope, pressed);
    if (!to)
        to = target(m_form, pressed);
    if (!to)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken by the focused widget: no shortcut of the menu bar fires, the key press follows.
        key->accept();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(to)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    } else {
        to->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

}  // namespace pelmora::gui
