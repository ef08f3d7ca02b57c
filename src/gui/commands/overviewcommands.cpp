#include "commands/overviewcommands.h"

#include "app/commandactions.h"
#include "app/pelmoraapp.h"
#include "commands/filecommands.h"
#include "commands/inconsistencycommands.h"
#include "commands/usagecommands.h"
#include "views/overviewcharts.h"
#include "views/overviewdock.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>

namespace pelmora::gui {

QString progressText(const TextCounts& counts)
{
    return QCoreApplication::translate("OverviewCommands", "Märgendatud %1/%2 (%3)").arg(counts.annotated).arg(counts.toAnnotate).arg(shareText(counts));
}

OverviewCommands::OverviewCommands(CPelmoraApp& app, FileCommands& files, UsageCommands& usage,
                                   QDockWidget& concordance, QMainWindow& window, QWidget& textView)
    : QObject(&window), m_app(app), m_files(files), m_window(window), m_textView(textView)
{
    m_dock = new OverviewDock(app.settings(), app.files(), app.doc(), app.dictionary(), app.prompter(), &window);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    // The two share the bottom as tabs, each with the window's full width; a bar of the overview
    // brings the concordance to the front.
    window.tabifyDockWidget(&concordance, m_dock);
    m_dock->hide();
    m_inconsistencies = new InconsistencyCommands(app, files, *m_dock, textView, &window);
    m_shownPath = files.path();
    m_dock->setOpenTextPath(m_shownPath);

    m_progressLabel = new QLabel(&window);
    m_progressLabel->setObjectName("progressLabel");
    m_progressLabel->setToolTip(QCoreApplication::translate("OverviewCommands", "Märgendatud sõned märgendamist vajavatest avatud tekstis"));
    window.statusBar()->addPermanentWidget(m_progressLabel);
    m_progress = std::make_unique<TextProgress>(app.doc(), [this] { showProgress(); });
    showProgress();

    connect(m_dock, &OverviewDock::textActivated, this, &OverviewCommands::openText);
    connect(&m_dock->charts(), &OverviewCharts::partOfSpeechChosen, &usage,
            [&usage](const QString& kind) { usage.showUsage(ConcordanceBy::PartOfSpeech, kind); });
    connect(&m_dock->charts(), &OverviewCharts::wordFormChosen, &usage,
            [&usage](const QString& form) { usage.showUsage(ConcordanceBy::WordForm, form); });
    // Another text opened: the shown overview counts it from the window now (and the one before
    // from its file).
    connect(&files, &FileCommands::pathChanged, this, [this] {
        const bool another = m_files.path() != m_shownPath;
        m_shownPath = m_files.path();
        m_dock->setOpenTextPath(m_shownPath);
        showProgress();
        if (another && m_dock->isVisible())
            m_dock->refresh();
    });
    // What was saved is read again (the cache reads only that file), while the overview is shown.
    connect(&files, &FileCommands::textSaved, this, [this] {
        if (m_dock->isVisible())
            m_dock->refresh();
    });
}

OverviewCommands::~OverviewCommands() = default;

void OverviewCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::CorpusOverview, &OverviewCommands::showOverview}});
}

void OverviewCommands::showOverview()
{
    const bool first = m_dock->isHidden();
    m_dock->setOpenTextPath(m_files.path());
    m_dock->show();
    m_dock->raise();
    if (first)
        m_window.resizeDocks({m_dock}, {m_window.height() / 3}, Qt::Vertical);
    m_dock->refresh();
    m_dock->table()->setFocus(Qt::OtherFocusReason);
}

void OverviewCommands::openText(const QString& file)
{
    // The open text needs no opening, so its changes stay; another text asks to save first.
    const QString& path = m_files.path();
    const bool isOpen = m_app.doc().hasText() && !path.isEmpty() && QFileInfo(file) == QFileInfo(path);
    if (!isOpen && (!m_files.maybeSave() || !m_files.openText(file)))
        return;
    m_textView.setFocus(Qt::OtherFocusReason);
}

void OverviewCommands::showProgress()
{
    const bool hasText = m_app.doc().hasText();
    m_progressLabel->setVisible(hasText);
    if (hasText)
        m_progressLabel->setText(progressText(m_progress->counts()));
    // The overview's row of the open text follows it too (the charts wait for the next reading).
    if (hasText && !m_dock->isRunning())
        m_dock->showOpenTextCounts(m_progress->counts());
}

}  // namespace pelmora::gui
