#include "commands/iocommands.h"

#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "common/strings.h"
#include "dialogs/mergetextsdialog.h"
#include "dialogs/multifilequerydialog.h"
#include "dialogs/simpledictionarydialog.h"
#include "io/mergetexts.h"
#include "io/simpledictionary.h"
#include "io/textexport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace pelmora::gui {

namespace {

QString simpleDictionaryCounters(const SimpleDictionaryProgress& p)
{
    return QCoreApplication::translate("IoCommands", "Sõnu loetud: %1\nÜhendeid loetud: %2\nSõnesid sõnastikus: %3\n"
                                                     "Lemmasid sõnastikus: %4\nÜhendeid sõnastikus: %5")
        .arg(p.tokensRead)
        .arg(p.combinationsRead)
        .arg(p.wordForms)
        .arg(p.lemmaEntries)
        .arg(p.combinationEntries);
}

QString fileName(const std::string& path)
{
    return QFileInfo(toQt(path)).fileName();
}

}  // namespace

IoCommands::IoCommands(CPelmoraDoc& doc, Prompter& prompter, FileChooser& files, DialogRunner& dialogs,
                       QWidget* parent)
    : QObject(parent), m_doc(doc), m_prompter(prompter), m_files(files), m_dialogs(dialogs), m_parent(parent),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
}

void IoCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::ExportText, &IoCommands::exportText},
                        {Command::MergeTexts, &IoCommands::mergeTexts},
                        {Command::SimpleDictionary, &IoCommands::simpleDictionary},
                        {Command::Statistics, &IoCommands::statistics},
                        {Command::MultiFileQuery, &IoCommands::multiFileQuery}});
}

// --- Text export ------------------------------------------------------------------------------

void IoCommands::exportText()
{
    if (!m_doc.firstToken())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QCoreApplication::translate("IoCommands", "Vali fail");
    request.filter = QCoreApplication::translate("IoCommands", "Tekstifailid (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = m_files.chooseOne(m_parent, request);
    if (path.isEmpty())
        return;
    const ExportMode mode = askExportMode(m_prompter);
    ProgressWindow progress(QCoreApplication::translate("IoCommands", "Ekspordi tekst"), QCoreApplication::translate("IoCommands", "Lauseid: 0"), 0, m_parent,
                            m_progressObserver);
    pelmora::exportText(m_doc, toStd(path), mode, m_prompter, [&](const ExportProgress& p) {
        progress.setMaximum(p.sentenceCount);
        return progress.update(p.sentencesDone, QCoreApplication::translate("IoCommands", "Lauseid: %1/%2").arg(p.sentencesDone).arg(p.sentenceCount));
    });
}

// --- Multi-file query -------------------------------------------------------------------------

void IoCommands::multiFileQuery()
{
    QuerySettings values;
    for (;;) {
        MultiFileQueryDialog dialog(values, m_prompter, m_files, m_dialogs, m_parent);
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return;
        values = dialog.settings();

        QueryResult result;
        {
            const auto label = [&](long long lines, const QString& status) {
                return QCoreApplication::translate("IoCommands", "Leitud %1 rida\n%2").arg(lines).arg(status);
            };
            const int fileCount = static_cast<int>(values.files.size());
            ProgressWindow progress(QCoreApplication::translate("IoCommands", "Päring ..."),
                                    label(0, values.files.empty() ? QString() : fileName(values.files.front())),
                                    fileCount, m_parent, m_progressObserver);
            result = MultiFileQuery(values, m_prompter, [&](const QueryProgress& p) {
                const QString status = p.finished ? QCoreApplication::translate("IoCommands", "Valmis")
                                       : p.filesDone < values.files.size() ? fileName(values.files[p.filesDone])
                                                                           : QString();
                return progress.update(static_cast<long long>(p.filesDone), label(p.lines, status));
            });
        }
        if (!result.ran)
            return;  // stopped, refused or not written: the core has said what there was to say
        if (askAfterQuery(result.lines, toQt(values.outputPath)) == QueryAnswer::Done)
            return;
    }
}

IoCommands::QueryAnswer IoCommands::askAfterQuery(long long lines, const QString& resultPath)
{
    const QString text = toQt(formatMessage(QCoreApplication::translate("core", kQueryAgainQuestion).toStdString(), std::to_string(lines))).replace("\r\n", "\n");
    for (;;) {
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate("IoCommands", "Päring mitmest failist"), text,
                        QMessageBox::Yes | QMessageBox::No, m_parent);
        QPushButton* open = box.addButton(openResultText(), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        m_dialogs.run(box);
        QAbstractButton* clicked = box.clickedButton();
        if (clicked == open) {
            // The result opens in the desktop's program for it; the question stays to be answered.
            if (m_openUrl)
                m_openUrl(QUrl::fromLocalFile(QFileInfo(resultPath).absoluteFilePath()));
            continue;
        }
        return clicked == box.button(QMessageBox::Yes) ? QueryAnswer::Again : QueryAnswer::Done;
    }
}

// --- Simple dictionary and statistics ----------------------------------------------------------

void IoCommands::simpleDictionary()
{
    warnSimpleDictionaryUnfinished(m_prompter);
    SimpleDictionaryOptions options;
    options.warnFirst = false;
    if (!m_doc.hasText()) {
        buildSimpleDictionary(m_doc, options, m_prompter);  // says that no text is open
        return;
    }
    for (;;) {
        SimpleDictionaryDialog dialog(options, m_files, m_parent);
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return;
        options = dialog.options();
        SimpleDictionaryProgress last;
        bool built = false;
        bool stopped = false;
        {
            ProgressWindow progress(QCoreApplication::translate("IoCommands", "Päring"), simpleDictionaryCounters(last), 0, m_parent,
                                    m_progressObserver);
            built = buildSimpleDictionary(m_doc, options, m_prompter, [&](const SimpleDictionaryProgress& p) {
                last = p;
                progress.setMaximum(p.tokenCount);
                stopped = !progress.update(p.tokensRead, simpleDictionaryCounters(p));
                return !stopped;
            });
        }
        if (stopped)
            return;
        if (built) {
            m_prompter.message(MessageKind::Information, toStd(QCoreApplication::translate("IoCommands", "Päring")),
                               toStd(simpleDictionaryCounters(last) + QStringLiteral("\n\n") + QCoreApplication::translate("IoCommands", "Valmis")));
            return;
        }
        // The file could not be written; the core has said so, and another file may be chosen.
    }
}

void IoCommands::statistics()
{
    TextStatistics counts;
    {
        const OverrideCursor wait;
        counts = countTextStatistics(m_doc, m_prompter);
    }
    if (!m_doc.hasText())
        return;
    m_prompter.message(MessageKind::Information, toStd(QCoreApplication::translate("IoCommands", "Statistika")),
                       toStd(QCoreApplication::translate("IoCommands", "Sõnesid: %1\nMärksõnaga sõnesid: %2\n(Ei arvestata kirjavahemärke ja numbreid)")
                                 .arg(counts.tokens)
                                 .arg(counts.lemmaTokens)));
}

// --- Merging texts -----------------------------------------------------------------------------

void IoCommands::mergeTexts()
{
    warnMergeUnfinished(m_prompter);
    MergeTextsDialog dialog(m_prompter, m_files, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    if (m_beforeReplacing && !m_beforeReplacing())
        return;
    MergeSettings settings = dialog.settings();
    settings.warnFirst = false;
    bool merged = false;
    {
        const auto label = [&](std::size_t done) {
            return QCoreApplication::translate("IoCommands", "Ühendatud %1 faili %2-st").arg(done).arg(settings.files.size());
        };
        ProgressWindow progress(QCoreApplication::translate("IoCommands", "Tekstide ühendamine"), label(0),
                                static_cast<int>(settings.files.size()), m_parent, m_progressObserver);
        merged = pelmora::mergeTexts(m_doc, settings, m_prompter, [&](const MergeProgress& p) {
            return progress.update(static_cast<long long>(p.filesDone), label(p.filesDone));
        });
    }
    if (merged && m_replaced)
        m_replaced(toQt(settings.newPath));
}

}  // namespace pelmora::gui
