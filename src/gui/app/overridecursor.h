// The pointer's shape for the length of a scope: set when made, put back when the scope ends,
// also when an exception leaves it, so that the application's cursor stack stays balanced.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace pelmora::gui {

class OverrideCursor {
public:
    // Qt::WaitCursor for work the user waits for; Qt::BusyCursor keeps the arrow, so that a
    // progress window's "&Loobu" can still be pressed.
    explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

}  // namespace pelmora::gui
