// The commands that edit the text's structure and data: modify, add, delete, merge and split,
// the sentence's audio position, the text information, the letters' normal form and the two
// imports.
#pragma once

#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "common/prompter.h"
#include "io/importmetadata.h"
#include "io/sentencesplitting.h"
#include "search/searchcriteria.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QProgressDialog;
class QWidget;

namespace pelmora::gui {

class CommandActions;

class EditingCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs, `dialogs` runs them, `files` answers the "Vali" buttons.
    EditingCommands(CPelmoraDoc& doc, Prompter& prompter, DialogRunner& dialogs, FileChooser& files,
                    QWidget* parent);

    // Binds its commands' actions to its slots.
    void bind(const CommandActions& actions);

    // How an import replaces the open text in the window: `mayReplace` asks about a modified text
    // first (false keeps it and ends the import), `opened` hears the new text's path.
    void setWindowHooks(std::function<bool()> mayReplace, std::function<void(const QString&)> opened);
    // Marks the places a dialect import could not convert; given the marking rule.
    void setSuspiciousMarking(std::function<void(const SearchCriteria&)> mark) { m_markSuspicious = std::move(mark); }
    // The player's position in whole seconds while a recording plays or is paused: the audio
    // position dialog proposes it for a sentence without a position.
    void setHeardPosition(std::function<std::optional<int>()> heard) { m_heardPosition = std::move(heard); }
    // Where the plain-text import's sentence choices are kept from one session to the next: they
    // are taken from there now and written back whenever the import dialog is accepted.
    void keepImportChoicesIn(Settings& settings);
    // Called at every progress step of an import with its progress window; tests press cancel here.
    void setProgressHook(std::function<void(QProgressDialog&)> hook) { m_progressHook = std::move(hook); }

public Q_SLOTS:
    void modifyToken();     // "&Muuda sõnet ..."
    void addToken();        // "L&isa sõne ..."
    void mergeSentences();  // "Ü&henda laused ...\tCtrl+M"
    void audioPosition();   // "Lause algus heli&failis ...\tCtrl+F", and the form's audio button
    void textInfo();        // "Teksti in&fo ..."
    void importText();      // "&Impordi tekst ..."
    void importDialect();   // "Impordi vana &murdekorpuse tekst ..."
    void normaliseText();   // "&Normaliseeri tekstis tähed (NFC)"
    void deleteToken();     // "K&ustuta sõne"
    void splitSentence();   // "&Tükelda lause\tCtrl+D"

private:
    bool hasCurrentToken() const { return static_cast<bool>(m_doc.currentToken()); }
    // The text data dialog for an import, filled with `prefilled`; nothing on cancel.
    std::optional<TextMetadata> askImportTextData(const TextMetadata& prefilled);
    // One plain-text import with the remembered paths and choices: imported, stopped by the user
    // (the text data or the progress cancelled), or refused with a message.
    enum class ImportOutcome { Imported, Stopped, Refused };
    ImportOutcome runTextImport();
    // A progress callback that shows the counts in a progress window (made in `holder` at the first
    // step) and says stop once it is cancelled.
    ImportProgress progressOf(std::unique_ptr<QProgressDialog>& holder, const QString& title, const QString& unit);

    CPelmoraDoc& m_doc;
    Prompter& m_prompter;
    DialogRunner& m_dialogs;
    FileChooser& m_files;
    QWidget* m_parent;
    std::function<bool()> m_mayReplace;
    std::function<void(const QString&)> m_opened;
    std::function<void(QProgressDialog&)> m_progressHook;
    std::function<void(const SearchCriteria&)> m_markSuspicious;
    std::function<std::optional<int>()> m_heardPosition;
    QString m_lastInput;
    QString m_lastOutput;
    Settings* m_settings = nullptr;
    bool m_splitSentences = false;
    QString m_abbreviations = QString::fromStdString(defaultAbbreviationList());
    QString m_lastDialect;
};

}  // namespace pelmora::gui
