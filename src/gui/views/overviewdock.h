// The corpus overview window ("Korpuse ülevaade"): a dockable table of the texts of the chosen
// files or of the open text's folder with their counts and totals, and charts of the annotated
// share, the parts of speech and the word forms still without an analysis. The files are read on
// a worker thread through the corpus cache, so reading again reads only the files that changed;
// the open text counts as it stands in the window.
#pragma once

#include "corpus/corpuscache.h"
#include "views/backgroundrun.h"
#include "views/overviewmodel.h"

#include <QDockWidget>
#include <QElapsedTimer>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace pelmora {
class CDictionary;
class CPelmoraDoc;
class Prompter;
struct Settings;
}  // namespace pelmora

namespace pelmora::gui {

class FileChooser;
class InconsistencyView;
class OverviewCharts;

class OverviewDock final : public QDockWidget {
    Q_OBJECT
public:
    // The dock reads and writes "OverviewFolder" in the settings; `files` asks for a folder or
    // files and for where to save; `doc` is the open text; the page "Ebakõlad" compares the
    // annotation with `dictionary`.
    OverviewDock(Settings& settings, FileChooser& files, const CPelmoraDoc& doc, const CDictionary& dictionary,
                 Prompter& prompter, QWidget* parent = nullptr);
    ~OverviewDock() override;

    // The open text's path: its folder is read when no files are chosen, and its file is counted
    // from the window's tree.
    void setOpenTextPath(const QString& path);
    // Reads the files (again); a reading under way is cancelled first.
    void refresh();
    void cancel();
    // True while the files are read or the page "Ebakõlad" checks them.
    bool isRunning() const;
    // The open text's row takes these counts (the text changed in the window); the totals follow.
    void showOpenTextCounts(const TextCounts& counts);

    OverviewModel& model() { return m_model; }
    QTableView* table() const { return m_table; }
    OverviewCharts& charts() const { return *m_charts; }
    QLabel* statusLabel() const { return m_status; }
    QTabWidget* pages() const { return m_pages; }
    InconsistencyView& inconsistencies() const { return *m_inconsistencies; }
    // The open text's path as the last reading named it ("" when it was not among the files).
    const QString& openFileRead() const { return m_openFileRead; }
    // The stamp a file had when it was last read; nullopt while a reading runs or for a file not read.
    std::optional<FileStamp> stampWhenRead(const std::string& file) const;
    // The table as TSV in the order shown: the selected rows, or every row when none is selected.
    QString tableTsv() const;

Q_SIGNALS:
    // The user asked to open a text (double-click on its row or a click on its bar).
    void textActivated(const QString& file);
    // A reading has ended (finished or cancelled).
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeFilesRow(QWidget* pane);
    QWidget* makeActionsRow(QWidget* pane);
    void stopWorker();
    void chooseFolder();
    void chooseFiles();
    void showFiles();
    void showStatus();
    void copyTable();
    void saveTable();
    void copyChart();
    void saveChart();
    void receive(int run, std::vector<OverviewText> texts, std::vector<CorpusSkippedFile> skipped, std::size_t done,
                 std::size_t total, std::shared_ptr<const CorpusRead> read);

    Settings& m_settings;
    FileChooser& m_files;
    const CPelmoraDoc& m_doc;
    Prompter& m_prompter;
    OverviewModel m_model;
    OverviewSortModel m_proxy;
    QLineEdit* m_fileField = nullptr;
    QTableView* m_table = nullptr;
    OverviewCharts* m_charts = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    QTabWidget* m_pages = nullptr;
    InconsistencyView* m_inconsistencies = nullptr;

    QString m_openTextPath;
    QString m_openFileRead;
    std::vector<CorpusSkippedFile> m_skipped;
    // Kept between readings; only the worker touches it while it runs.
    std::shared_ptr<CorpusCache> m_cache = std::make_shared<CorpusCache>();
    BackgroundRun m_work;
    QElapsedTimer m_sinceDrawn;
    std::size_t m_fileCount = 0;
    bool m_cancelled = false;
};

}  // namespace pelmora::gui
