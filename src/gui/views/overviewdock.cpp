#include "views/overviewdock.h"

#include "app/filechooser.h"
#include "app/qtstrings.h"
#include "common/prompter.h"
#include "search/concordance.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"
#include "views/inconsistencyview.h"
#include "views/overviewcharts.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <set>

namespace pelmora::gui {

namespace {

// Texts go to the window in batches: at least this often, or after so many files.
constexpr qint64 kBatchMs = 150;
constexpr std::size_t kTextsPerBatch = 100;
// Files read together: enough to keep every reading thread busy, few enough to show progress.
constexpr std::size_t kFilesPerRead = 16;
// The charts are drawn again at most this often while the files are read, and once at the end.
constexpr qint64 kChartMs = 600;

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

// The files named once each, in the order given (also "./a.xml" beside "a.xml").
std::vector<std::string> withoutRepeats(const std::vector<std::string>& files)
{
    std::set<std::string> seen;
    std::vector<std::string> kept;
    for (const std::string& file : files)
        if (seen.insert(std::filesystem::path(file).lexically_normal().string()).second)
            kept.push_back(file);
    return kept;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

OverviewText textOf(const CorpusFileSummary& summary, const TextTally* openTally)
{
    return {summary.file,   summary.id,
            summary.type,   summary.speakers,
            openTally ? *openTally : tallyOfSummary(summary),
            summary.modified, openTally != nullptr};
}

}  // namespace

OverviewDock::OverviewDock(Settings& settings, FileChooser& files, const CPelmoraDoc& doc,
                           const CDictionary& dictionary, Prompter& prompter, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("OverviewDock", "Korpuse ülevaade"), parent), m_settings(settings), m_files(files), m_doc(doc),
      m_prompter(prompter)
{
    setObjectName("overviewDock");
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(makeFilesRow(pane));
    layout->addWidget(makeActionsRow(pane));

    m_proxy.setSourceModel(&m_model);
    m_proxy.setSortRole(OverviewModel::SortRole);
    m_proxy.setDynamicSortFilter(true);
    m_table = new QTableView(pane);
    m_table->setObjectName("overviewTable");
    m_table->setModel(&m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);  // the order of the files until a column is chosen
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    const int widths[OverviewModel::ColumnCount] = {130, 65, 55, 75, 60, 82, 88, 85, 120};
    QHeaderView* header = m_table->horizontalHeader();
    header->setMinimumSectionSize(50);
    header->setHighlightSections(false);
    for (int column = 0; column < OverviewModel::ColumnCount; ++column)
        m_table->setColumnWidth(column, widths[column]);
    m_table->setItemDelegateForColumn(OverviewModel::Share, new ShareBarDelegate(m_table));

    m_charts = new OverviewCharts(pane);
    m_charts->setMinimumWidth(300);  // the three tabs' titles and a readable chart
    auto* split = new QSplitter(Qt::Horizontal, pane);
    split->setObjectName("overviewSplitter");
    split->setChildrenCollapsible(false);
    split->addWidget(m_table);
    split->addWidget(m_charts);
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 2);
    m_inconsistencies = new InconsistencyView(doc, dictionary, pane);
    m_pages = new QTabWidget(pane);
    m_pages->setObjectName("overviewPages");
    m_pages->setDocumentMode(true);
    m_pages->addTab(split, QCoreApplication::translate("OverviewDock", "Teksti&d"));
    m_pages->addTab(m_inconsistencies, QCoreApplication::translate("OverviewDock", "E&bakõlad"));
    layout->addWidget(m_pages, 1);
    setWidget(pane);

    connect(m_table, &QTableView::activated, this, [this](const QModelIndex& proxyIndex) {
        const QModelIndex source = m_proxy.mapToSource(proxyIndex);
        if (source.isValid() && !m_model.isTotalsRow(source.row()))
            Q_EMIT textActivated(toQt(m_model.texts()[static_cast<std::size_t>(source.row())].file));
    });
    connect(m_charts, &OverviewCharts::textChosen, this, &OverviewDock::textActivated);
    connect(m_inconsistencies, &InconsistencyView::finished, m_cancel, &QWidget::hide);
    auto* again = new QShortcut(QKeySequence(Qt::Key_F5), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(again, &QShortcut::activated, this, &OverviewDock::refresh);
    showFiles();
    showStatus();
}

QWidget* OverviewDock::makeFilesRow(QWidget* pane)
{
    auto* row = new QWidget(pane);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QCoreApplication::translate("OverviewDock", "Failid:"), row));
    m_fileField = new QLineEdit(row);
    m_fileField->setObjectName("filesField");
    m_fileField->setReadOnly(true);
    m_fileField->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(m_fileField, 1);
    QPushButton* folder = button(QCoreApplication::translate("OverviewDock", "Vali ka&ust ..."), "chooseFolderButton", row);
    QPushButton* files = button(QCoreApplication::translate("OverviewDock", "Vali &failid ..."), "chooseFilesButton", row);
    QPushButton* textFolder = button(QCoreApplication::translate("OverviewDock", "Prae&guse teksti kaust"), "textFolderButton", row);
    for (QPushButton* made : {folder, files, textFolder})
        layout->addWidget(made);
    connect(folder, &QPushButton::clicked, this, &OverviewDock::chooseFolder);
    connect(files, &QPushButton::clicked, this, &OverviewDock::chooseFiles);
    connect(textFolder, &QPushButton::clicked, this, [this] {
        m_settings.overviewFolder.clear();
        showFiles();
        refresh();
    });
    return row;
}

QWidget* OverviewDock::makeActionsRow(QWidget* pane)
{
    auto* row = new QWidget(pane);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* again = button(QCoreApplication::translate("OverviewDock", "&Loe uuesti"), "readAgainButton", row);
    again->setToolTip(QCoreApplication::translate("OverviewDock", "Loe uuesti failid, mis on pärast viimast lugemist muutunud (F5)"));
    layout->addWidget(again);
    m_progress = new QProgressBar(row);
    m_progress->setObjectName("progressBar");
    m_progress->setMaximumWidth(200);
    m_progress->setFormat(QCoreApplication::translate("OverviewDock", "%v / %m faili"));
    m_progress->hide();
    layout->addWidget(m_progress);
    m_cancel = button(QCoreApplication::translate("OverviewDock", "Katke&sta"), "cancelButton", row);
    m_cancel->hide();
    layout->addWidget(m_cancel);
    m_status = new QLabel(row);
    m_status->setObjectName("statusLabel");
    layout->addWidget(m_status, 1);
    QPushButton* copyTable = button(QCoreApplication::translate("OverviewDock", "Kopeeri tab&el"), "copyTableButton", row);
    QPushButton* saveTable = button(QCoreApplication::translate("OverviewDock", "Sal&vesta tabel ..."), "saveTableButton", row);
    QPushButton* copyChart = button(QCoreApplication::translate("OverviewDock", "Kopeeri &joonis"), "copyChartButton", row);
    QPushButton* saveChart = button(QCoreApplication::translate("OverviewDock", "Salvesta j&oonis ..."), "saveChartButton", row);
    for (QPushButton* made : {copyTable, saveTable, copyChart, saveChart})
        layout->addWidget(made);
    connect(again, &QPushButton::clicked, this, &OverviewDock::refresh);
    connect(m_cancel, &QPushButton::clicked, this, &OverviewDock::cancel);
    connect(copyTable, &QPushButton::clicked, this, &OverviewDock::copyTable);
    connect(saveTable, &QPushButton::clicked, this, &OverviewDock::saveTable);
    connect(copyChart, &QPushButton::clicked, this, &OverviewDock::copyChart);
    connect(saveChart, &QPushButton::clicked, this, &OverviewDock::saveChart);
    return row;
}

OverviewDock::~OverviewDock()
{
    stopWorker();
}

void OverviewDock::setOpenTextPath(const QString& path)
{
    m_openTextPath = path;
    showFiles();
}

void OverviewDock::refresh()
{
    stopWorker();
    m_inconsistencies->startReading();
    m_model.clear();
    m_skipped.clear();
    m_cancelled = false;
    const std::vector<std::string> files =
        withoutRepeats(expandCorpusPaths(concordanceFiles(m_settings.overviewFolder, toStd(m_openTextPath))));
    m_fileCount = files.size();
    // The open text counts as it stands in the window, its unsaved changes too.
    std::string openFile;
    TextTally openTally;
    std::shared_ptr<const CorpusFileSummary> openSummary;
    if (m_doc.hasText() && !m_openTextPath.isEmpty()) {
        const QFileInfo open(m_openTextPath);
        const auto found = std::find_if(files.begin(), files.end(),
                                        [&open](const std::string& file) { return QFileInfo(toQt(file)) == open; });
        if (found != files.end()) {
            openFile = *found;
            openTally = tallyText(m_doc.body());
            openSummary = summariseText(openFile, m_doc.body());
        }
    }
    m_openFileRead = toQt(openFile);
    m_progress->setRange(0, std::max<int>(1, static_cast<int>(files.size())));
    m_progress->setValue(0);
    m_progress->setVisible(!files.empty());
    m_cancel->setVisible(!files.empty());
    m_charts->showTexts({}, {});
    m_sinceDrawn.start();
    if (files.empty()) {
        m_inconsistencies->check(std::make_shared<CorpusRead>(), {});
        showStatus();
        return;
    }

    m_work.start([this, files, openFile, openTally, openSummary, cache = m_cache](int run,
                                                                                const std::atomic<bool>& stop) {
        std::vector<OverviewText> texts;
        std::vector<CorpusSkippedFile> skipped;
        // What the page "Ebakõlad" checks once every file is read.
        auto read = std::make_shared<CorpusRead>();
        QElapsedTimer sincePosted;
        sincePosted.start();
        const auto post = [&](std::size_t done, bool ended) {
            std::shared_ptr<const CorpusRead> whole = ended ? read : nullptr;
            QMetaObject::invokeMethod(
                this,
                [this, run, done, total = files.size(), whole, batch = std::move(texts), missed = std::move(skipped)]() mutable {
                    receive(run, std::move(batch), std::move(missed), done, total, std::move(whole));
                },
                Qt::QueuedConnection);
            texts.clear();
            skipped.clear();
            sincePosted.restart();
        };
        // The files are read a share at a time, each share on as many threads as the cache uses;
        // the table fills share by share, and a stop is heard after every file.
        const auto goOn = [&stop](std::size_t, std::size_t) { return !stop.load(); };
        std::size_t done = 0;
        while (done < files.size() && !stop.load()) {
            const std::size_t end = std::min(files.size(), done + kFilesPerRead);
            const CorpusRead share = cache->read({files.begin() + static_cast<std::ptrdiff_t>(done),
                                                  files.begin() + static_cast<std::ptrdiff_t>(end)},
                                                 true, goOn);
            if (share.cancelled)
                break;
            for (const auto& summary : share.files) {
                // The open text's counts and analyses come from the window; the file gives its metadata.
                const bool isOpen = summary->file == openFile;
                if (summary->read)
                    texts.push_back(textOf(*summary, isOpen ? &openTally : nullptr));
                else
                    skipped.push_back(summary->skipped);
                read->files.push_back(isOpen && summary->read ? openSummary : summary);
            }
            done = end;
            if (sincePosted.elapsed() >= kBatchMs || texts.size() >= kTextsPerBatch)
                post(done, false);
        }
        post(done, true);
    });
    showStatus();
}

void OverviewDock::receive(int run, std::vector<OverviewText> texts, std::vector<CorpusSkippedFile> skipped,
                           std::size_t done, std::size_t total, std::shared_ptr<const CorpusRead> read)
{
    const bool ended = read != nullptr;
    if (!m_work.isCurrent(run))
        return;  // a reading that was cancelled or replaced
    m_model.append(std::move(texts));
    m_skipped.insert(m_skipped.end(), skipped.begin(), skipped.end());
    m_progress->setRange(0, std::max<int>(1, static_cast<int>(total)));
    m_progress->setValue(static_cast<int>(done));
    if (ended) {
        m_work.finished();
        m_progress->hide();
        m_cancel->hide();
    }
    if (ended || m_sinceDrawn.elapsed() >= kChartMs) {
        m_charts->showTexts(m_model.texts(), m_model.totals());
        m_sinceDrawn.restart();
    }
    showStatus();
    if (ended) {
        if (done == total)
            m_inconsistencies->check(std::move(read), m_openFileRead);
        else
            m_inconsistencies->cancel();
        m_cancel->setVisible(m_inconsistencies->isRunning());  // the checks can be stopped too
        Q_EMIT finished();
    }
}

void OverviewDock::cancel()
{
    m_inconsistencies->cancel();
    if (!m_work.running())
        return;
    stopWorker();
    m_cancelled = true;
    m_progress->hide();
    m_cancel->hide();
    m_charts->showTexts(m_model.texts(), m_model.totals());
    showStatus();
    Q_EMIT finished();
}

bool OverviewDock::isRunning() const
{
    return m_work.running() || m_inconsistencies->isRunning();
}

std::optional<FileStamp> OverviewDock::stampWhenRead(const std::string& file) const
{
    return m_work.running() ? std::nullopt : m_cache->stampOf(file);
}

void OverviewDock::showOpenTextCounts(const TextCounts& counts)
{
    if (m_openFileRead.isEmpty() || QFileInfo(m_openFileRead) != QFileInfo(m_openTextPath))
        return;  // the rows are of another text's folder
    m_model.setOpenCounts(counts);
    showStatus();
}

void OverviewDock::stopWorker()
{
    m_work.stop();  // what the stopped reading still posted is dropped
}

void OverviewDock::chooseFolder()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Folder;
    request.title = QCoreApplication::translate("OverviewDock", "Vali kaust");
    request.start = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
    const QString folder = m_files.chooseOne(this, request);
    if (folder.isEmpty())
        return;
    m_settings.overviewFolder = toStd(folder);
    showFiles();
    refresh();
}

void OverviewDock::chooseFiles()
{
    FileRequest request = FileRequest::xml(FileRequest::Mode::OpenMany, QCoreApplication::translate("OverviewDock", "Vali failid"));
    request.start = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
    const QStringList chosen = m_files.choose(this, request);
    if (chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(toStd(path));
    m_settings.overviewFolder = concordanceFileSetting(paths);
    showFiles();
    refresh();
}

void OverviewDock::showFiles()
{
    const QString setting = toQt(m_settings.overviewFolder);
    if (setting.isEmpty()) {
        const QString folder = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
        m_fileField->setText(folder.isEmpty() ? QCoreApplication::translate("OverviewDock", "(avatud teksti kaust)")
                                              : QDir::toNativeSeparators(folder) + QCoreApplication::translate("OverviewDock", "  (avatud teksti kaust)"));
    } else {
        m_fileField->setText(QDir::toNativeSeparators(setting));
    }
    m_fileField->setCursorPosition(0);
    m_fileField->setToolTip(m_fileField->text());
}

void OverviewDock::showStatus()
{
    const TextCounts& totals = m_model.totals().counts;
    QString text = QCoreApplication::translate("OverviewDock", "%1 teksti, märgendatud %2/%3 (%4)")
                       .arg(m_model.texts().size())
                       .arg(totals.annotated)
                       .arg(totals.toAnnotate)
                       .arg(shareText(totals));
    if (m_cancelled)
        text += QCoreApplication::translate("OverviewDock", " (katkestatud)");
    QStringList messages;
    for (const CorpusSkippedFile& file : m_skipped)
        messages.push_back(toQt(file.message) + (file.reason.empty() ? QString() : " (" + toQt(file.reason) + ")"));
    if (!m_skipped.empty())
        text += QCoreApplication::translate("OverviewDock", ", vahele jäetud %n faili", "",
                                            int(m_skipped.size()));
    if (!m_work.running() && m_fileCount == 0)
        text = QCoreApplication::translate("OverviewDock", "Faile pole: vali kaust või failid");
    m_status->setText(text);
    m_status->setToolTip(messages.join('\n'));
}

QString OverviewDock::tableTsv() const
{
    QModelIndexList selected = m_table->selectionModel()->selectedRows();
    std::vector<int> rows;
    if (selected.isEmpty()) {
        for (int row = 0; row < m_proxy.rowCount(); ++row)
            rows.push_back(m_proxy.mapToSource(m_proxy.index(row, 0)).row());
    } else {
        std::sort(selected.begin(), selected.end(),
                  [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        for (const QModelIndex& index : selected)
            rows.push_back(m_proxy.mapToSource(index).row());
    }
    return m_model.tsv(rows);
}

void OverviewDock::copyTable()
{
    QApplication::clipboard()->setText(tableTsv());
}

void OverviewDock::saveTable()
{
    FileRequest request{FileRequest::Mode::Save, QCoreApplication::translate("OverviewDock", "Salvesta tabel"),
                        QCoreApplication::translate("OverviewDock", "TSV-failid (*.tsv)"), QStringLiteral("tsv"),
                        m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath()};
    const QString path = m_files.chooseOne(this, request);
    if (!path.isEmpty() && !writeText(path, tableTsv()))
        m_prompter.error(toStd(QCoreApplication::translate("OverviewDock", "Faili %1 ei saanud kirjutada.").arg(QDir::toNativeSeparators(path))));
}

void OverviewDock::copyChart()
{
    QApplication::clipboard()->setImage(
        m_charts->image(static_cast<OverviewCharts::Chart>(m_charts->currentIndex())));
}

void OverviewDock::saveChart()
{
    FileRequest request{FileRequest::Mode::Save, QCoreApplication::translate("OverviewDock", "Salvesta joonis"),
                        QCoreApplication::translate("OverviewDock", "PNG-pildid (*.png);;SVG-joonised (*.svg);;Joonise arvud TSV-failina (*.tsv)"),
                        QStringLiteral("png"),
                        m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath()};
    const QString path = m_files.chooseOne(this, request);
    if (!path.isEmpty() && !m_charts->save(static_cast<OverviewCharts::Chart>(m_charts->currentIndex()), path))
        m_prompter.error(toStd(QCoreApplication::translate("OverviewDock", "Faili %1 ei saanud kirjutada.").arg(QDir::toNativeSeparators(path))));
}

void OverviewDock::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && isRunning()) {
        cancel();
        return;
    }
    QDockWidget::keyPressEvent(event);
}

}  // namespace pelmora::gui
