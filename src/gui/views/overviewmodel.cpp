#include "views/overviewmodel.h"

#include "app/qtstrings.h"
#include "common/strings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pelmora::gui {

namespace {

const char* const kHeaders[OverviewModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("OverviewModel", "Fail"),
    QT_TRANSLATE_NOOP("OverviewModel", "Teksti ID"),
    QT_TRANSLATE_NOOP("OverviewModel", "Tüüp"),
    QT_TRANSLATE_NOOP("OverviewModel", "Keelejuhid"),
    QT_TRANSLATE_NOOP("OverviewModel", "Sõnesid"),
    QT_TRANSLATE_NOOP("OverviewModel", "Märgendada"),
    QT_TRANSLATE_NOOP("OverviewModel", "Märgendatud"),
    QT_TRANSLATE_NOOP("OverviewModel", "Osa"),
    QT_TRANSLATE_NOOP("OverviewModel", "Muudetud"),
};

QString joined(const std::vector<std::string>& values)
{
    QStringList out;
    for (const std::string& value : values)
        out.push_back(toQt(value));
    return out.join(QStringLiteral(", "));
}

QString timeText(std::int64_t seconds)
{
    return seconds > 0 ? QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

// Tabs and line breaks within a value become blanks.
QString cell(QString value)
{
    value.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
    return value;
}

}  // namespace

QString shareText(const TextCounts& counts)
{
    return QStringLiteral("%1%").arg(static_cast<int>(std::floor(annotatedShare(counts) * 100.0 + 1e-9)));
}

int OverviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_texts.empty() ? 0 : static_cast<int>(m_texts.size()) + 1;
}

int OverviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OverviewModel::display(const OverviewText* text, const TextCounts& counts, Column column) const
{
    switch (column) {
    case File:
        return text ? QFileInfo(toQt(text->file)).fileName() + (text->open ? QStringLiteral(" *") : QString())
                    : QCoreApplication::translate("OverviewModel", "Kokku (%n teksti)", "",
                                                  int(m_texts.size()));
    case Id: return text ? toQt(text->id) : QVariant();
    case Type: return text ? toQt(text->type) : QVariant();
    case Speakers: return text ? joined(text->speakers) : QVariant();
    case Tokens: return QString::number(counts.tokens);
    case ToAnnotate: return QString::number(counts.toAnnotate);
    case Annotated: return QString::number(counts.annotated);
    case Share: return shareText(counts);
    case Modified: return text ? timeText(text->modified) : QVariant();
    case ColumnCount: break;
    }
    return {};
}

QVariant OverviewModel::sortValue(const OverviewText& text, Column column) const
{
    const TextCounts& counts = text.tally.counts;
    switch (column) {
    case File: return QFileInfo(toQt(text.file)).fileName().toLower();
    case Tokens: return qlonglong(counts.tokens);
    case ToAnnotate: return qlonglong(counts.toAnnotate);
    case Annotated: return qlonglong(counts.annotated);
    case Share: return annotatedShare(counts);
    case Modified: return qlonglong(text.modified);
    default: return display(&text, counts, column);
    }
}

QVariant OverviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const bool totals = isTotalsRow(index.row());
    const OverviewText* text = totals ? nullptr : &m_texts[static_cast<std::size_t>(index.row())];
    const TextCounts& counts = totals ? m_totals.counts : text->tally.counts;
    const auto column = static_cast<Column>(index.column());
    switch (role) {
    case Qt::DisplayRole: return display(text, counts, column);
    case SortRole: return text ? sortValue(*text, column) : QVariant();
    case ShareRole: return annotatedShare(counts);
    case TotalsRole: return totals;
    case Qt::TextAlignmentRole:
        return column >= Tokens && column <= Annotated ? QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter)
                                                        : QVariant();
    case Qt::FontRole:
        if (totals) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole:
        if (text && column == File)
            return QDir::toNativeSeparators(toQt(text->file)) +
                   (text->open ? QCoreApplication::translate("OverviewModel", "\n(avatud tekst, salvestamata muudatustega)") : QString());
        return {};
    default: return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QCoreApplication::translate("OverviewModel", kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void OverviewModel::setOpenCounts(const TextCounts& counts)
{
    const auto open = std::find_if(m_texts.begin(), m_texts.end(), [](const OverviewText& text) { return text.open; });
    if (open == m_texts.end() || open->tally.counts == counts)
        return;
    TextCounts& totals = m_totals.counts;
    totals.tokens += counts.tokens - open->tally.counts.tokens;
    totals.toAnnotate += counts.toAnnotate - open->tally.counts.toAnnotate;
    totals.annotated += counts.annotated - open->tally.counts.annotated;
    totals.combinations += counts.combinations - open->tally.counts.combinations;
    open->tally.counts = counts;
    const int row = static_cast<int>(open - m_texts.begin());
    Q_EMIT dataChanged(index(row, Tokens), index(row, Share));
    Q_EMIT dataChanged(index(rowCount() - 1, Tokens), index(rowCount() - 1, Share));
}

void OverviewModel::clear()
{
    beginResetModel();
    m_texts.clear();
    m_totals = {};
    endResetModel();
}

void OverviewModel::append(std::vector<OverviewText>&& texts)
{
    if (texts.empty())
        return;
    // The totals row moves down: the rows go in before it, and it shows the new sums.
    const int first = static_cast<int>(m_texts.size());
    const int added = static_cast<int>(texts.size()) + (m_texts.empty() ? 1 : 0);
    beginInsertRows({}, first, first + added - 1);
    for (OverviewText& text : texts) {
        m_totals += text.tally;
        m_texts.push_back(std::move(text));
    }
    endInsertRows();
    const int totalsRow = static_cast<int>(m_texts.size());
    Q_EMIT dataChanged(index(totalsRow, 0), index(totalsRow, ColumnCount - 1));
}

QString OverviewModel::tsv(const std::vector<int>& rows) const
{
    QStringList lines;
    QStringList header;
    for (const char* title : kHeaders)
        header.push_back(QString(title));
    lines.push_back(header.join('\t'));
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column) {
            const QVariant value = column == Share ? QVariant(QString::number(data(index(row, column), ShareRole).toDouble(), 'f', 4))
                                                   : data(index(row, column));
            cells.push_back(cell(column == File && !isTotalsRow(row) ? toQt(m_texts[static_cast<std::size_t>(row)].file)
                                                                    : value.toString()));
        }
        lines.push_back(cells.join('\t'));
    }
    return lines.join('\n') + '\n';
}

bool OverviewSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // The proxy turns the order round for a descending sort: the totals row is then the least.
    const bool leftTotals = left.data(OverviewModel::TotalsRole).toBool();
    const bool rightTotals = right.data(OverviewModel::TotalsRole).toBool();
    if (leftTotals || rightTotals)
        return (sortOrder() == Qt::AscendingOrder) ? rightTotals && !leftTotals : leftTotals && !rightTotals;
    return QSortFilterProxyModel::lessThan(left, right);
}

void ShareBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    // The cell's ground and selection as usual; then the bar, and the percentage beside it.
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect cell = option.rect.adjusted(4, 4, -4, -4);
    const int textWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("100%")) + 6;
    const QRect track(cell.left(), cell.top(), std::max(0, cell.width() - textWidth), cell.height());
    const double share = std::clamp(index.data(OverviewModel::ShareRole).toDouble(), 0.0, 1.0);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->setBrush(option.palette.color(QPalette::Base));
    painter->drawRect(track.adjusted(0, 0, -1, -1));
    painter->fillRect(QRect(track.left() + 1, track.top() + 1, static_cast<int>(std::lround((track.width() - 2) * share)),
                            track.height() - 2),
                      option.palette.color(QPalette::Active, QPalette::Highlight));
    painter->setFont(item.font);
    painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRect(track.right(), cell.top(), textWidth, cell.height()), Qt::AlignRight | Qt::AlignVCenter, text);
    painter->restore();
}

}  // namespace pelmora::gui
