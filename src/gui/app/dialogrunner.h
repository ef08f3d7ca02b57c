// How the window runs a modal dialog: exec() for the user; tests put a runner in its place that
// fills the dialog and answers.
#pragma once

#include <QDialog>

namespace pelmora::gui {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int run(QDialog& dialog) { return dialog.exec(); }
};

}  // namespace pelmora::gui
