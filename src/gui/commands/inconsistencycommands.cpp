#include "commands/inconsistencycommands.h"

#include "app/overridecursor.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "commands/filecommands.h"
#include "commands/longrun.h"
#include "corpus/applyanalysis.h"
#include "search/tokenwalk.h"
#include "views/inconsistencyview.h"
#include "views/overviewdock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <set>

namespace pelmora::gui {

namespace {

std::string caption()
{
    return toStd(QCoreApplication::translate("InconsistencyCommands", "Ebakõlad"));
}

// What the request touches: the open text's file as the read named it ("" when none of the
// tokens is in it), and the other files with the stamps they had when they were read.
struct Targets {
    std::string openFile;
    std::vector<std::string> files;
    std::map<std::string, FileStamp> expected;
};

Targets targetsOf(const std::vector<TokenPlace>& places, const QString& openPath, const OverviewDock& dock)
{
    Targets targets;
    std::vector<std::string> files;  // each once, in the order met
    std::set<std::string> seen;
    for (const TokenPlace& place : places)
        if (seen.insert(place.file).second)
            files.push_back(place.file);
    for (const std::string& file : files) {
        if (!openPath.isEmpty() && QFileInfo(toQt(file)) == QFileInfo(openPath)) {
            targets.openFile = file;
            continue;
        }
        targets.files.push_back(file);
        if (const std::optional<FileStamp> stamp = dock.stampWhenRead(file))
            targets.expected[file] = *stamp;
    }
    return targets;
}

QString skippedText(const std::vector<CorpusSkippedFile>& skipped)
{
    QStringList lines;
    for (const CorpusSkippedFile& file : skipped)
        lines.push_back(toQt(file.message) + (file.reason.empty() ? QString() : " (" + toQt(file.reason) + ")"));
    return lines.join('\n');
}

QString shownAnalysis(const AnalysisToApply& request)
{
    QString text = toQt(request.lemma);
    if (request.form && !request.form->empty())
        text += ' ' + toQt(*request.form);
    if (request.partOfSpeech && !request.partOfSpeech->empty())
        text += QStringLiteral(" (%1)").arg(toQt(*request.partOfSpeech));
    return text;
}

}  // namespace

InconsistencyCommands::InconsistencyCommands(CPelmoraApp& app, FileCommands& files, OverviewDock& dock,
                                             QWidget& textView, QWidget* parent)
    : QObject(parent), m_app(app), m_files(files), m_dock(dock), m_textView(textView), m_parent(parent)
{
    InconsistencyView& view = dock.inconsistencies();
    connect(&view, &InconsistencyView::occurrenceActivated, this, &InconsistencyCommands::openOccurrence);
    connect(&view, &InconsistencyView::applyRequested, this, &InconsistencyCommands::applyToSelected);
}

void InconsistencyCommands::openOccurrence(const QString& file, const QString& tokenId)
{
    // The open text needs no opening, so its changes stay; another text asks to save first.
    CPelmoraDoc& doc = m_app.doc();
    const QString& path = m_files.path();
    const bool isOpen = doc.hasText() && !path.isEmpty() && QFileInfo(file) == QFileInfo(path);
    if (!isOpen && (!m_files.maybeSave() || !m_files.openText(file)))
        return;
    if (const XmlNode token = findTokenById(doc, toStd(tokenId)))
        doc.setCurrentToken(token);
    m_textView.setFocus(Qt::OtherFocusReason);
}

void InconsistencyCommands::applyToSelected()
{
    const InconsistencyView& view = m_dock.inconsistencies();
    const InconsistencyGroup* group = view.currentGroup();
    const std::optional<std::size_t> chosen = view.chosenAnalysis();
    if (!group || !chosen || m_dock.isRunning() || *chosen >= group->analyses.size())
        return;
    const GroupAnalysis& analysis = group->analyses[*chosen];
    AnalysisToApply request;
    request.wordForm = toStd(view.selectedTokenText());
    request.lemma = analysis.lemma;
    request.form = analysis.form;
    // The dictionary's analysis without a known part of speech leaves the tokens' own.
    if (!analysis.fromDictionary || !analysis.partOfSpeech.empty())
        request.partOfSpeech = analysis.partOfSpeech;
    request.tokens = view.selectedOccurrences();
    request.dryRun = true;
    Prompter& prompter = m_app.prompter();
    if (request.tokens.empty())
        return;
    if (analysis.lemma.empty()) {
        prompter.message(MessageKind::Warning, caption(), toStd(QCoreApplication::translate("InconsistencyCommands", "Lemmata analüüsi ei saa rakendada.")));
        return;
    }
    CPelmoraDoc& doc = m_app.doc();
    const Targets targets = targetsOf(request.tokens, doc.hasText() ? m_files.path() : QString(), m_dock);
    const auto run = [&](const QString& label) {
        std::unique_ptr<QProgressDialog> window;
        const OverrideCursor busy(Qt::BusyCursor);
        const InputGuard guard(m_parent ? m_parent->window() : nullptr, window);
        return applyAnalysis(targets.files, request, targets.expected,
                             longRunProgress(window, m_parent, label, m_progressHook));
    };

    // The preview: what would change, and what would be left alone.
    const std::size_t openTokens = targets.openFile.empty() ? 0 : applyAnalysisToText(doc, targets.openFile, request);
    const ApplyAnalysisResult preview =
        targets.files.empty() ? ApplyAnalysisResult{} : run(QCoreApplication::translate("InconsistencyCommands", "Loen faile: %1 / %2"));
    if (preview.cancelled)
        return;
    const std::size_t tokens = openTokens + preview.tokens;
    const std::size_t files = preview.changed.size() + (openTokens > 0 ? 1 : 0);
    const QString skipped = preview.skipped.empty()
                                ? QString()
                                : QCoreApplication::translate("InconsistencyCommands", "\n\nVahele jäetakse:\n") + skippedText(preview.skipped);
    if (tokens == 0) {
        prompter.message(MessageKind::Information, caption(),
                         toStd(QCoreApplication::translate("InconsistencyCommands", "Valitud sõnedel on see analüüs juba olemas.") + skipped));
        return;
    }
    const QString question = QCoreApplication::translate("InconsistencyCommands", "Rakendan analüüsi „%1“ %2 sõnele %3 failis.%4\n\nKas jätkan?")
                                 .arg(shownAnalysis(request))
                                 .arg(tokens)
                                 .arg(files)
                                 .arg(skipped);
    if (!prompter.askYesNo(caption(), toStd(question)))
        return;

    // The open text in the window, one step to undo; the other files one at a time on disk.
    request.dryRun = false;
    const std::size_t openChanged = targets.openFile.empty() ? 0 : applyAnalysisToText(doc, targets.openFile, request);
    const ApplyAnalysisResult result =
        targets.files.empty() ? ApplyAnalysisResult{} : run(QCoreApplication::translate("InconsistencyCommands", "Rakendan analüüsi: %1 / %2 faili"));
    QString report = QCoreApplication::translate("InconsistencyCommands", "Muudetud %1 sõnet %2 failis.")
                         .arg(openChanged + result.tokens)
                         .arg(result.changed.size() + (openChanged > 0 ? 1 : 0));
    if (openChanged > 0)
        report += QCoreApplication::translate("InconsistencyCommands", "\nAvatud tekstis %1 sõnet (salvestamata, Võta tagasi taastab).").arg(openChanged);
    if (result.cancelled)
        report += QCoreApplication::translate("InconsistencyCommands", "\nKatkestatud: ülejäänud faile ei muudetud.");
    if (!result.skipped.empty())
        report += QCoreApplication::translate("InconsistencyCommands", "\n\nVahele jäetud:\n") + skippedText(result.skipped);
    prompter.message(result.skipped.empty() ? MessageKind::Information : MessageKind::Warning, caption(), toStd(report));
    m_dock.refresh();  // the changed files are read again, the open text as it stands now
}

}  // namespace pelmora::gui
