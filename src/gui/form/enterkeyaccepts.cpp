#include "form/enterkeyaccepts.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelmora::gui {

EnterKeyAccepts::EnterKeyAccepts(QDialog* dialog) : QObject(dialog), m_dialog(dialog) {}

void EnterKeyAccepts::install(QPlainTextEdit* field, QDialog* dialog)
{
    auto* filter = dialog->findChild<EnterKeyAccepts*>(QString(), Qt::FindDirectChildrenOnly);
    if (!filter)
        filter = new EnterKeyAccepts(dialog);
    field->installEventFilter(filter);
}

bool EnterKeyAccepts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain)
        return QObject::eventFilter(watched, event);
    for (QPushButton* button : m_dialog->findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isEnabled() && button->isVisible()) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pelmora::gui
