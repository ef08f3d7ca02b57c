// The concordance window: a dockable table of KWIC lines that the core's concordance finds on a
// worker thread, sortable by each column and filtered by typing; a double-click opens the hit.
#pragma once

#include "search/concordance.h"
#include "views/backgroundrun.h"

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QCollator>
#include <optional>
#include <QSortFilterProxyModel>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace pelmora {
struct Settings;
}

namespace pelmora::gui {

class FileChooser;

// The found lines, in the order they came.
class ConcordanceModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Left, Token, Right, Lemma, Form, File, Sentence, Page, ColumnCount };
    // The role the proxy sorts by: the left context word by word from the token outwards, numbers
    // for the sentence and the page, the full path for the file, the text elsewhere.
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    void append(std::vector<ConcordanceLine>&& lines);
    const ConcordanceLine& line(int row) const { return m_lines[static_cast<std::size_t>(row)]; }

private:
    std::vector<ConcordanceLine> m_lines;
    // Each line's left-context sort key, made once when it arrives: a sort asks for it per comparison.
    std::vector<QString> m_leftKeys;
};

// Sorts the words as an Estonian reader looks them up: š and z after s, õ ä ö ü after w, and a letter
// with a macron or a dot (ā, ȯ, ǟ) beside its plain letter; case is ignored. Numbers sort as numbers.
// Each text is turned into its collation key once, when a sort first needs it, so sorting many
// thousands of lines compares keys rather than collating the texts again at every comparison.
class ConcordanceSortModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ConcordanceSortModel(QObject* parent = nullptr);
    void setSourceModel(QAbstractItemModel* source) override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // The key of the row's text in the column; null when the column sorts by something else.
    const QCollatorSortKey* keyOf(const QModelIndex& index) const;

    QCollator m_order;
    // Per column, per source row; source rows are only ever appended, and a reset clears them.
    struct ColumnKeys {
        std::optional<bool> text;  // whether the column sorts by text (known once asked)
        std::vector<std::optional<QCollatorSortKey>> keys;
    };
    mutable std::vector<ColumnKeys> m_columns;
    QMetaObject::Connection m_sourceReset;
};

class ConcordanceDock final : public QDockWidget {
    Q_OBJECT
public:
    // The dock reads and writes "ConcordanceFolder" in the settings; `files` asks for a folder or files.
    ConcordanceDock(Settings& settings, FileChooser& files, QWidget* parent = nullptr);
    ~ConcordanceDock() override;

    // Shows the dock and starts a concordance of the word over the chosen files, or the folder of
    // the open text (`openTextPath`) when none are chosen. A run under way is cancelled first.
    void showUsage(ConcordanceBy by, const QString& word, const QString& openTextPath);
    // Cancels the run under way; the lines found so far stay.
    void cancel();
    bool isRunning() const { return m_work.running(); }

    ConcordanceModel& model() { return m_model; }
    QSortFilterProxyModel& proxy() { return m_proxy; }
    QTableView* table() const { return m_table; }
    QLineEdit* filterEdit() const { return m_filter; }
    QLabel* statusLabel() const { return m_status; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The selected lines in the order shown, tab-separated as the batch command writes them;
    // "" when none is selected.
    QString selectedLinesText() const;
    bool hasSelectedLines() const;
    // The skipped files of the last run, with their messages.
    const std::vector<ConcordanceSkippedFile>& skippedFiles() const { return m_skipped; }

Q_SIGNALS:
    // The user asked to open a hit: the file and the token's identifier.
    void hitActivated(const QString& file, const QString& tokenId);
    // A run has ended (finished or cancelled).
    void finished();
    // The table's selection changed (what copying would take).
    void selectionChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void start();
    void stopWorker();
    void chooseFolder();
    void chooseFiles();
    void activate(const QModelIndex& proxyIndex);
    void showFiles();
    void showStatus();
    // Called on the GUI thread from the worker's queued calls; `run` tells stale calls apart.
    void receive(int run, std::vector<ConcordanceLine> lines, std::vector<ConcordanceSkippedFile> skipped,
                 std::size_t done, std::size_t total, bool ended);

    Settings& m_settings;
    FileChooser& m_files;
    ConcordanceModel m_model;
    ConcordanceSortModel m_proxy;
    QLabel* m_searched = nullptr;
    QLineEdit* m_fileField = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_table = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;

    ConcordanceRequest m_request;
    QString m_openTextPath;
    std::vector<ConcordanceSkippedFile> m_skipped;
    BackgroundRun m_work;
    bool m_cancelled = false;
};

}  // namespace pelmora::gui
