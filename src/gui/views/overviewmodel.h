// The texts of the corpus overview as a table: one row per text with its counts, and the totals
// in a last row that stays last however the table is sorted.
#pragma once

#include "corpus/overview.h"
#include "corpus/texttally.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora::gui {

// One text of the overview.
struct OverviewText {
    std::string file;
    std::string id;
    std::string type;
    std::vector<std::string> speakers;
    TextTally tally;
    std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
    bool open = false;          // the open text, counted as it stands in the window
};

class OverviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { File, Id, Type, Speakers, Tokens, ToAnnotate, Annotated, Share, Modified, ColumnCount };
    // What the proxy sorts by: numbers as numbers, the time as seconds, texts as they stand.
    static constexpr int SortRole = Qt::UserRole;
    // The annotated share, 0 to 1, which the share column's bar draws.
    static constexpr int ShareRole = Qt::UserRole + 1;
    // True for the totals row.
    static constexpr int TotalsRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    void append(std::vector<OverviewText>&& texts);
    // The open text's row (when there is one) takes these counts, and the totals with it.
    void setOpenCounts(const TextCounts& counts);
    // The texts, without the totals row.
    const std::vector<OverviewText>& texts() const { return m_texts; }
    const TextTally& totals() const { return m_totals; }
    bool isTotalsRow(int row) const { return row == static_cast<int>(m_texts.size()); }

    // The shown table as tab-separated lines under a header line, rows in the given order.
    QString tsv(const std::vector<int>& rows) const;

private:
    QVariant display(const OverviewText* text, const TextCounts& counts, Column column) const;
    QVariant sortValue(const OverviewText& text, Column column) const;

    std::vector<OverviewText> m_texts;
    TextTally m_totals;
};

// Sorts by the model's sort role and keeps the totals row last in either direction.
class OverviewSortModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// Draws the annotated share as a bar with its percentage.
class ShareBarDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// "27%": the share rounded down to whole percents, so that 100% means all done.
QString shareText(const TextCounts& counts);

}  // namespace pelmora::gui
