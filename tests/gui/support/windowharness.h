// The window on a temporary folder, as most window tests start it: a text "tekst.xml", a writable
// copy of the sample dictionary and a settings file naming it; the prompter, the file chooser and
// the dialog runner answer in place of the user.
#pragma once

#include "app/filechooser.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "common/prompter.h"
#include "guitestsupport.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace pelmora::gui::test {

struct WindowHarness {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }

    // Writes `text` as "tekst.xml" and the settings (without the first-start dialog, the
    // dictionary's path, then `settings`, one "Key=value" a line), starts on the text and shows
    // the window. A workbench that does not start or show ends the test program.
    void start(const QByteArray& text, const QByteArray& settings = {});

    CMainFrame& frame() { return *app->frame(); }
    CPelmoraDoc& doc() { return app->doc(); }
    // Every message and question the program gave, in order.
    QStringList messages() const;
};

}  // namespace pelmora::gui::test
