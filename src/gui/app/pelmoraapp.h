// CPelmoraApp: the process's settings, the open document, the dictionary and the transformations,
// the start-up sequence, the settings command and the exit.
#pragma once

#include "annotation/transformations.h"
#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/settingsstore.h"
#include "common/prompter.h"
#include "text/recovery.h"
#include "dictionary/dictionary.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <QString>

#include <memory>

namespace pelmora::gui {

class CMainFrame;

class CPelmoraApp {
public:
    // Every message, file question and dialog goes through the three services, so tests can
    // answer them. The settings live in the INI file at `settingsPath`.
    CPelmoraApp(const QString& settingsPath, Prompter& prompter, FileChooser& files, DialogRunner& dialogs);
    ~CPelmoraApp();
    CPelmoraApp(const CPelmoraApp&) = delete;
    CPelmoraApp& operator=(const CPelmoraApp&) = delete;

    // The start-up sequence: read the settings, the settings dialog when "ShowOptionsDialog" is
    // set, open the text (an empty path leaves the window empty), make and show the main window,
    // open the dictionary, load the transformations. False when the text could not be opened: its
    // message has been shown and no window was made.
    bool start(const QString& textPath, bool showWindow = true);

    // "&Soovitaja seaded ...": on OK applies the values, writes every setting, reopens the
    // dictionary and reloads the transformations. True when the dialog was accepted.
    bool runSettingsDialog();

    // Writes every setting and the recent files (at exit and after an accepted dialog).
    void writeSettings();

    Settings& settings() { return m_settings; }
    const SettingsStore& store() const { return m_store; }
    CPelmoraDoc& doc() { return m_doc; }
    CDictionary& dictionary() { return m_dictionary; }
    TransformationList& transformations() { return m_transformations; }
    Prompter& prompter() { return m_prompter; }
    // The recoveries of modified texts, in the user's own data folder.
    RecoveryKeeper& recovery() { return m_recovery; }
    FileChooser& files() { return m_files; }
    DialogRunner& dialogs() { return m_dialogs; }
    // The main window, or nullptr before start() made it.
    CMainFrame* frame() { return m_frame.get(); }

private:
    // The settings dialog alone: on OK the values are applied and written. True when accepted.
    bool settingsDialog();
    void chooseAnotherDictionary(CDictionary& dictionary, ChooseReason reason);

    SettingsStore m_store;
    Settings m_settings;
    Prompter& m_prompter;
    RecoveryKeeper m_recovery;
    FileChooser& m_files;
    DialogRunner& m_dialogs;
    CPelmoraDoc m_doc;
    CDictionary m_dictionary;
    TransformationList m_transformations;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_choosing = false;
};

}  // namespace pelmora::gui
