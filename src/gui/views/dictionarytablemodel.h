// DictionaryTableModel: one section of the dictionary as a table, read from the dictionary's own
// tree through a DictionaryListing (nothing is copied): filtered by word-form key, sorted by
// column, with the weights and, once counted, how many tokens of the corpus use each analysis.
#pragma once

#include "dictionary/dictionarylisting.h"

#include <QAbstractTableModel>
#include <QCollator>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace pelmora {
class DictionaryUsage;
}

namespace pelmora::gui {

class DictionaryTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    DictionaryTableModel(const CDictionary& dictionary, DictSection section, QObject* parent = nullptr);
    ~DictionaryTableModel() override;

    DictSection section() const { return m_section; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows only the analyses whose id's word-form key begins with the key of the text.
    void setFilter(const QString& text);
    // Reads the section again (after the dictionary changed), keeping the filter and the order.
    void rebuild();
    // While suspended the model reads nothing from the tree (its handles may be going stale) and
    // shows empty cells; rebuild() ends it.
    void suspend() { m_suspended = true; }

    // The counts of a finished count, which must outlive the model or be replaced; null
    // forgets them.
    void setUsage(const DictionaryUsage* usage);

    // The analysis of a shown row, or null; the shown row of an analysis, or -1.
    XmlNode analysisAt(int row) const;
    int rowOf(XmlNode analysis) const;
    // Analyses in the section, shown or not.
    std::size_t total() const { return m_listing->size(); }
    int usageColumn() const { return columnCount() - 1; }

    // The weight and the usage: numbers, aligned right.
    bool isNumberColumn(int column) const;

private:
    // The value a column sorts by, for a row of the listing.
    long long numberAt(std::size_t row, int column) const;
    QString textAt(std::size_t row, int column) const;
    const std::vector<std::uint32_t>& orderOf(int column) const;
    void arrange();
    void match();       // m_matching from the filter
    void countUsage();  // m_counts from the usage

    const CDictionary& m_dictionary;
    DictSection m_section;
    std::unique_ptr<DictionaryListing> m_listing;
    QString m_filter;
    std::vector<bool> m_matching;          // by listing row; empty: every row matches
    std::vector<std::uint32_t> m_shown;    // listing rows in the order shown
    const DictionaryUsage* m_usage = nullptr;
    std::vector<int> m_counts;             // by listing row; empty until counted
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    mutable std::vector<std::optional<std::vector<std::uint32_t>>> m_orders;  // ascending, by column
    QCollator m_collator;
    bool m_suspended = false;
};

}  // namespace pelmora::gui
