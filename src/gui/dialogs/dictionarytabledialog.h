// "Sõnastiku tabel": the shared dictionary as three browsable tables (word forms, lemmas,
// combinations), filtered as the user types, sorted by any column, with the weights and how many
// tokens of the concordance files use each analysis (counted in the background).
#pragma once

#include "dictionary/dictionary.h"
#include "search/dictionaryusage.h"
#include "views/backgroundrun.h"

#include <QDialog>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTableView;

namespace pelmora::gui {

namespace Ui { class DictionaryTableDialog; }
class DictionaryTableModel;

class DictionaryTableDialog final : public QDialog {
    Q_OBJECT
public:
    // The usage is counted over `usageFiles` (none: the column stays empty and the status says why).
    DictionaryTableDialog(const CDictionary& dictionary, std::vector<std::string> usageFiles,
                          QWidget* parent = nullptr);
    ~DictionaryTableDialog() override;

    // What a double-click or Enter on a row does: opens the analysis in the dictionary editor,
    // which may change the dictionary, and returns the analysis the editor ended on (or null).
    // The tables are read again afterwards.
    void setOpenAnalysis(std::function<XmlNode(DictSection, XmlNode)> open) { m_open = std::move(open); }

    DictionaryTableModel& model(DictSection section) const { return *m_models[sectionIndex(section)]; }
    QTableView& view(DictSection section) const { return *m_views[sectionIndex(section)]; }
    // True while the usage is being counted.
    bool counting() const { return m_counting.running(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DictSection currentSection() const;
    void filterChanged(const QString& text);
    void openRow(DictSection section, int row);
    void showStatus();
    void startCounting();
    void counted(std::shared_ptr<DictionaryUsage> usage, DictionaryUsageResult result);
    void stopCounting();
    void hideProgress();

    std::unique_ptr<Ui::DictionaryTableDialog> m_ui;
    std::array<DictionaryTableModel*, 3> m_models{};
    std::array<QTableView*, 3> m_views{};
    std::function<XmlNode(DictSection, XmlNode)> m_open;
    std::vector<std::string> m_files;
    std::shared_ptr<DictionaryUsage> m_usage;
    DictionaryUsageResult m_result;
    BackgroundRun m_counting;  // the usage counts from the corpus files
    bool m_cancelled = false;
};

}  // namespace pelmora::gui
