// Lets the window's accelerators win over an edit field's own key bindings: Qt's line edits
// otherwise take Ctrl+D, Shift+Left and the like before the window sees them. Only the
// clipboard keys stay with the field, and Copy only while the field has a selection.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace pelmora::gui {

class WindowKeys final : public QObject {
    Q_OBJECT
public:
    // Watches the key presses for the window; the keys are the accelerators it keeps.
    WindowKeys(QWidget* window, QList<QKeySequence> keys);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QKeySequence> m_keys;
};

}  // namespace pelmora::gui
