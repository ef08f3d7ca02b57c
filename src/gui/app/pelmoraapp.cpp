#include "app/pelmoraapp.h"

#include "app/mainframe.h"
#include "app/qtstrings.h"
#include "app/settingsdialog.h"
#include "app/translations.h"
#include "common/strings.h"

#include <QApplication>
#include <QStandardPaths>

namespace pelmora::gui {

namespace {

// Never beside the text (it may be on the shared drive): the user's own data folder.
std::string recoveryFolder()
{
    return toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/taastamine"));
}

}  // namespace

CPelmoraApp::CPelmoraApp(const QString& settingsPath, Prompter& prompter, FileChooser& files,
                         DialogRunner& dialogs)
    : m_store(settingsPath), m_prompter(prompter), m_recovery(recoveryFolder(), prompter), m_files(files), m_dialogs(dialogs), m_doc(prompter),
      m_dictionary(prompter)
{
    m_dictionary.setChooseAnotherCallback(
        [this](CDictionary& dictionary, ChooseReason reason) { chooseAnotherDictionary(dictionary, reason); });
}

CPelmoraApp::~CPelmoraApp()
{
    // The views observe the document: they go first.
    m_frame.reset();
}

bool CPelmoraApp::start(const QString& textPath, bool showWindow)
{
    m_settings = m_store.read();
    if (m_settings.showOptionsDialog != 0)
        settingsDialog();

    if (!textPath.isEmpty()) {
        const bool opened = m_doc.openDocument(toStd(textPath));
        // A text that does not open may still come back from its recovery.
        if (m_recovery.offer(m_doc, toStd(textPath), opened) != RecoveryKeeper::Offer::Restored && !opened)
            return false;
    }

    m_frame = std::make_unique<CMainFrame>(*this);
    if (!textPath.isEmpty())
        m_frame->setDocumentPath(textPath);
    if (showWindow)
        m_frame->show();

    m_dictionary.openWithPath(m_settings.dictionaryPathName);
    rebuildTransformations(m_settings, m_transformations, m_prompter);
    // The form filled its lists before the dictionary was there.
    m_frame->settingsChanged();
    return true;
}

bool CPelmoraApp::settingsDialog()
{
    SettingsDialog dialog(
        m_settings, m_files, [this](const std::string& path) { m_settings.taggingInfoPath = path; },
        m_frame ? static_cast<QWidget*>(m_frame.get()) : nullptr);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return false;
    // The notes file may have been chosen while the dialog was open; the dialog shows it too.
    const Settings before = m_settings;
    m_settings = applySettings(dialog.edited());
    writeSettings();
    // The window is made in one language; another one takes a restart.
    if (languageFromCode(toQt(m_settings.language)) != languageFromCode(toQt(before.language)))
        m_prompter.message(MessageKind::Information,
                           toStd(QCoreApplication::translate("CPelmoraApp", "Keel / Language")),
                           toStd(QCoreApplication::translate(
                               "CPelmoraApp", "Valitud keel tuleb kasutusele, kui Pelmora uuesti käivitada.")));
    return true;
}

bool CPelmoraApp::runSettingsDialog()
{
    if (!settingsDialog())
        return false;
    m_dictionary.openWithPath(m_settings.dictionaryPathName);
    rebuildTransformations(m_settings, m_transformations, m_prompter);
    if (m_frame) {
        m_frame->settingsChanged();
        m_doc.updateAllViews();
    }
    return true;
}

void CPelmoraApp::chooseAnotherDictionary(CDictionary& dictionary, ChooseReason reason)
{
    // A dictionary that fails again while the dialog's choice is being opened asks again, but
    // never from inside its own question.
    if (m_choosing)
        return;
    m_choosing = true;
    const std::string before = m_settings.dictionaryPathName;
    const bool accepted = settingsDialog();
    m_choosing = false;
    if (!accepted)
        return;
    if (reason == ChooseReason::NoPath) {
        dictionary.setPath(m_settings.dictionaryPathName);
        return;
    }
    if (m_settings.dictionaryPathName != before && !trimBlanks(m_settings.dictionaryPathName).empty())
        dictionary.openWithPath(m_settings.dictionaryPathName);
}

void CPelmoraApp::writeSettings()
{
    m_store.write(m_settings);
    if (m_frame)
        m_store.writeRecentFiles(m_frame->recentFiles());
}

}  // namespace pelmora::gui
