#include "app/windowkeys.h"

#include "commands/clipboardcommands.h"

#include <QKeyEvent>
#include <QWidget>

namespace pelmora::gui {

namespace {

bool isRedoKey(const QKeyEvent* key, const QKeySequence& pressed)
{
    return key->matches(QKeySequence::Redo) || pressed == QKeySequence(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

}  // namespace

WindowKeys::WindowKeys(QWidget* window, QList<QKeySequence> keys)
    : QObject(window), m_window(window), m_keys(std::move(keys))
{
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only fields of this window; a dialog's fields keep their keys.
    if (!widget || widget->window() != m_window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    // Copy without a selection copies the sentence, as if no field had the focus.
    if (key->matches(QKeySequence::Copy) && !EditField(widget).hasSelection()) {
        event->ignore();
        return true;
    }
    // Undo and redo go to a field that has its own step to take; otherwise to the text.
    const bool redo = isRedoKey(key, pressed);
    if (redo || key->matches(QKeySequence::Undo) || pressed == QKeySequence(Qt::CTRL | Qt::Key_Z)) {
        if (EditField(widget).hasStep(redo))
            return false;
        event->ignore();
        return true;
    }
    for (const QKeySequence& sequence : m_keys) {
        if (sequence == pressed) {
            // Not delivered and not accepted: the shortcut map runs the window's command.
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace pelmora::gui
