// The window of a long operation that runs on the GUI thread: a window-modal QProgressDialog with
// a count and "&Loobu", fed from the core's progress callback.
#pragma once

#include "app/overridecursor.h"

#include <QProgressDialog>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace pelmora::gui {

class ProgressWindow {
public:
    // Told after every update, with the dialog; tests press "&Loobu" from here.
    using Observer = std::function<void(QProgressDialog&)>;

    // Shows the window at once with the bar at 0 of `maximum` (0: a busy bar) and the label.
    ProgressWindow(const QString& title, const QString& label, int maximum, QWidget* parent,
                   const Observer& observer = {});
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Moves the bar and the label and lets the window repaint; false once the user pressed
    // "&Loobu", which is what the core's callback answers.
    bool update(long long value, const QString& label);
    bool cancelled() const { return m_dialog.wasCanceled(); }
    void setMaximum(long long maximum);
    QProgressDialog& dialog() { return m_dialog; }

private:
    QProgressDialog m_dialog;
    Observer m_observer;
    std::optional<OverrideCursor> m_cursor;  // the wait cursor from the moment the window shows
};

}  // namespace pelmora::gui
