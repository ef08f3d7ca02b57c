// Helpers of the GUI tests: temporary folders, sample files, dialog runners that answer in place
// of the user.
#pragma once

#include "app/dialogrunner.h"

#include <QDialog>
#include <QLineEdit>
#include <QPoint>
#include <QStringList>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <deque>
#include <functional>

namespace pelmora::gui::test {

// The path of a bundled sample file ("kuolka.xml", "sonastik.xml").
QString samplePath(const QString& name);
// The path of a transducer compiled for the tests ("liv.hfstol"); "" when the hfst tools were
// missing when the build was configured.
QString testTransducer(const QString& name);

// A child widget by its object name; a missing one is a fault of the test.
template <class T>
T& child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s in %s", name, qPrintable(parent.objectName()));
    return *widget;
}

// Types as a user replacing the field's value would; letters beyond ASCII, which the test keyboard
// cannot send, are put in as a keyboard layout would.
void typeInto(QLineEdit& edit, const QString& text);

// Writes bytes to a file; false when it could not.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Opens the widget's context menu at `at` (the widget's own coordinates) as a right click would,
// and once it shows triggers the first entry whose text starts with `entry` (none for ""). Returns
// the texts of all the entries offered.
QStringList chooseFromContextMenu(QWidget& widget, QPoint at, const QString& entry);

// Runs queued actions in place of the user: each dialog the program would show is given to the
// next queued function, which fills it and returns the result (QDialog::Accepted or Rejected).
// With nothing queued a dialog is rejected. Remembers the titles of the dialogs it was shown.
class ScriptedDialogRunner final : public DialogRunner {
public:
    using Step = std::function<int(QDialog&)>;
    void queue(Step step) { m_steps.push_back(std::move(step)); }
    int run(QDialog& dialog) override;
    const QStringList& titles() const { return m_titles; }
    bool idle() const { return m_steps.empty(); }

private:
    std::deque<Step> m_steps;
    QStringList m_titles;
};

}  // namespace pelmora::gui::test
