// The exchange of texts and of the dictionary with other programs' formats: the open text exported
// to CoNLL-U, FlexText or EAF, a file of those formats imported into a new text after a preview,
// and the dictionary written as or merged from a LIFT lexicon. The core reads and writes; these
// collect the files and the choices and show the core's messages.
#pragma once

#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace pelmora::gui {

class CommandActions;

class ExchangeCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs.
    ExchangeCommands(CPelmoraDoc& doc, Prompter& prompter, FileChooser& files, DialogRunner& dialogs,
                     QWidget* parent);

    void bind(const CommandActions& actions);
    // How an import replaces the open text in the window: `mayReplace` asks about a modified text
    // first (false keeps it and ends the import), `opened` hears the new text's path.
    void setWindowHooks(std::function<bool()> mayReplace, std::function<void(const QString&)> opened);
    // The open text's path ("" when it was never saved): where exports start, and EAF's recording.
    void setOpenTextPath(std::function<QString()> path) { m_openPath = std::move(path); }

public Q_SLOTS:
    void exportToFormat();    // "Ekspordi &vormingusse ..."
    void importFromFormat();  // "Impordi vo&rmingust ..."

Q_SIGNALS:
    // A file was written by an export: a line for the status bar that names it.
    void exportReported(const QString& summary);

private:
    CPelmoraDoc& m_doc;
    Prompter& m_prompter;
    FileChooser& m_files;
    DialogRunner& m_dialogs;
    QWidget* m_parent;
    std::function<bool()> m_mayReplace;
    std::function<void(const QString&)> m_opened;
    std::function<QString()> m_openPath;
    QString m_lastImport;
};

// The dictionary editor's "&Ekspordi LIFT-vormingusse ...": the dictionary written to the chosen
// file as LIFT, safely.
void exportDictionaryLift(const CDictionary& dictionary, Prompter& prompter, FileChooser& files, QWidget* parent);
// "&Impordi LIFT-vormingust ...": the lexicon's entries counted as new, the same and different, and
// merged under the dictionary's lock with one safe save only after Yes. True when the dictionary
// was changed.
bool importDictionaryLift(CDictionary& dictionary, Prompter& prompter, FileChooser& files, QWidget* parent);

}  // namespace pelmora::gui
