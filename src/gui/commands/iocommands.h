// The commands that write files from texts: the text export, the multi-file query, the simple
// dictionary and the statistics, and the merging of texts. Each collects its input through its
// dialog, runs the core under a progress window and shows the core's messages.
#pragma once

#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/progresswindow.h"
#include "common/prompter.h"
#include "io/multifilequery.h"
#include "text/pelmoradoc.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace pelmora::gui {

class CommandActions;

class IoCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs and the progress windows.
    IoCommands(CPelmoraDoc& doc, Prompter& prompter, FileChooser& files, DialogRunner& dialogs, QWidget* parent);

    // Binds its commands' actions to its slots.
    void bind(const CommandActions& actions);

    // Opens a result file with the desktop's program for it (QDesktopServices::openUrl unless set).
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // Told after every step of a progress window.
    void setProgressObserver(ProgressWindow::Observer observer) { m_progressObserver = std::move(observer); }
    // Before the merge replaces the open text: the question about a modified text; false keeps it.
    void setBeforeReplacingText(std::function<bool()> ask) { m_beforeReplacing = std::move(ask); }
    // After a merge: the merged text, open in the document, is now the file at this path.
    void setTextReplaced(std::function<void(const QString&)> replaced) { m_replaced = std::move(replaced); }

    // The button of the question after a query that opens the result file.
    static QString openResultText() { return QCoreApplication::translate("IoCommands", "&Ava tulemus"); }

public Q_SLOTS:
    void exportText();        // "&Ekspordi tekst ..."
    void multiFileQuery();    // "&Päring mitmest failist"
    void simpleDictionary();  // "&Lihtne sõnastik ..."
    void statistics();        // "&Statistika"
    void mergeTexts();        // "Ü&henda tekstid ..."

private:
    enum class QueryAnswer { Again, Done };
    // "Leidsin %i rida. Kas jätkad uue päringuga?" with the button that opens the result.
    QueryAnswer askAfterQuery(long long lines, const QString& resultPath);

    CPelmoraDoc& m_doc;
    Prompter& m_prompter;
    FileChooser& m_files;
    DialogRunner& m_dialogs;
    QWidget* m_parent;
    UrlOpener m_openUrl;
    ProgressWindow::Observer m_progressObserver;
    std::function<bool()> m_beforeReplacing;
    std::function<void(const QString&)> m_replaced;
};

}  // namespace pelmora::gui
