// The form's Alt mnemonics ahead of the menu bar's.
#include "form/formmnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
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

QWidget* FormMnemonics::target(int key) const
{
    QWidget* found = nullptr;
    int count = 0;
    for (QLabel* label : m_form->findChildren<QLabel*>()) {
        if (usable(label) && usable(label->buddy()) && mnemonicKey(label->text()) == key) {
            found = label->buddy();
            ++count;
        }
    }
    for (QAbstractButton* button : m_form->findChildren<QAbstractButton*>()) {
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
    QWidget* to = target(QKeySequence(key->key())[0].toCombined() & ~Qt::KeyboardModifierMask);
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
