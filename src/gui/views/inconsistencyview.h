// The page "Ebakõlad" of the corpus overview: the groups of tokens whose annotation disagrees
// (one word form with different analyses across the files, analyses the dictionary does not
// hold, combination words annotated differently), the analyses of the chosen group with their
// counts and shares, and its occurrences as KWIC lines that open their text at the token. The
// checks run on a worker thread over what the overview read (the open text as it stands in the
// window); only the dictionary's lookups, one per distinct word form, run on the window's thread.
#pragma once

#include "corpus/consistencychecks.h"
#include "search/concordance.h"
#include "views/backgroundrun.h"
#include "views/inconsistencymodel.h"

#include <QStandardItemModel>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pelmora {
class CDictionary;
class CPelmoraDoc;
}  // namespace pelmora

namespace pelmora::gui {

class InconsistencyView final : public QWidget {
    Q_OBJECT
public:
    enum OccurrenceColumn { Left, Token, Right, Analysis, File, OccurrenceColumnCount };
    // The occurrence's file (column Left) and token identifier, and its analysis's index in the group.
    static constexpr int FileRole = Qt::UserRole;
    static constexpr int TokenIdRole = Qt::UserRole + 1;
    static constexpr int AnalysisRole = Qt::UserRole + 2;

    InconsistencyView(const CPelmoraDoc& doc, const CDictionary& dictionary, QWidget* parent = nullptr);
    ~InconsistencyView() override;

    // The files are being read: the groups are emptied and the status says so.
    void startReading();
    // Runs the checks over the files read; `openFile` is the open text's path as the read names it
    // ("" when the open text is not among them). A run under way is stopped first.
    void check(std::shared_ptr<const CorpusRead> read, const QString& openFile);
    // Stops the checks (and the reading of occurrences); what was shown stays.
    void cancel();
    bool isRunning() const { return m_checks.running(); }

    // The group shown, or null; the analysis chosen in it (nullopt: none); the occurrences selected.
    const InconsistencyGroup* currentGroup() const;
    std::optional<std::size_t> chosenAnalysis() const;
    std::vector<TokenPlace> selectedOccurrences() const;
    // The text of a selected occurrence's token ("" when none is selected).
    QString selectedTokenText() const;

    InconsistencyGroupModel& groups() { return m_groups; }
    QTableView* groupTable() const { return m_groupTable; }
    QTableView* analysisTable() const { return m_analysisTable; }
    QTableView* occurrenceTable() const { return m_occurrenceTable; }
    QComboBox* kindCombo() const { return m_kind; }
    QPushButton* applyButton() const { return m_apply; }
    QLabel* statusLabel() const { return m_status; }
    // The occurrences' lines are being read.
    bool isReadingOccurrences() const { return m_lines.running(); }

Q_SIGNALS:
    // Open the text at the token (double-click or Enter on an occurrence).
    void occurrenceActivated(const QString& file, const QString& tokenId);
    // "Rakenda valitutele" was pressed with an analysis and occurrences chosen.
    void applyRequested();
    // The checks ended (finished or stopped).
    void finished();

private:
    QWidget* makeTopRow();
    QWidget* makeDetails();
    void stopChecks();
    void stopLines();
    void receive(int run, std::vector<InconsistencyGroup> groups);
    void showGroup();
    void receiveLines(int run, std::vector<ConcordanceLine> lines, std::vector<CorpusSkippedFile> skipped, bool ended);
    void addLines(const std::vector<ConcordanceLine>& lines);
    void showStatus();
    void enableApply();

    const CPelmoraDoc& m_doc;
    const CDictionary& m_dictionary;
    InconsistencyGroupModel m_groups;
    InconsistencyFilterModel m_proxy;
    QStandardItemModel m_analyses;
    QStandardItemModel m_occurrences;
    QComboBox* m_kind = nullptr;
    QTableView* m_groupTable = nullptr;
    QTableView* m_analysisTable = nullptr;
    QTableView* m_occurrenceTable = nullptr;
    QPushButton* m_apply = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_lineStatus = nullptr;

    QString m_openFile;
    int m_shownGroup = -1;  // the source row of the group shown
    BackgroundRun m_checks;  // the checks of a read
    BackgroundRun m_lines;   // the occurrences of the group shown, from their files
    std::vector<CorpusSkippedFile> m_lineSkipped;
    enum class State { Empty, Reading, Checking, Done, Cancelled } m_state = State::Empty;
};

}  // namespace pelmora::gui
