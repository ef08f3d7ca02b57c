#include "views/dictionarytablemodel.h"

#include "app/qtstrings.h"
#include "search/dictionaryusage.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <string_view>

namespace pelmora::gui {

namespace {

// The captions of the section's attributes (sectionAttributes order), then the usage column.
QStringList captions(DictSection section)
{
    const auto shown = [](std::initializer_list<const char*> sources) {
        QStringList texts;
        for (const char* source : sources)
            texts.push_back(QCoreApplication::translate("DictionaryTableModel", source));
        return texts;
    };
    switch (section) {
    case DictSection::WordForms:
        return shown({QT_TRANSLATE_NOOP("DictionaryTableModel", "Sõne"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Märksõna"),
                      QT_TRANSLATE_NOOP("DictionaryTableModel", "Morf. vorm"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Kaal"),
                      QT_TRANSLATE_NOOP("DictionaryTableModel", "Kasutus")});
    case DictSection::Lemmas:
        return shown({QT_TRANSLATE_NOOP("DictionaryTableModel", "Märksõna"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Tähendus"),
                      QT_TRANSLATE_NOOP("DictionaryTableModel", "Sõnaliik"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Läti"),
                      QT_TRANSLATE_NOOP("DictionaryTableModel", "Inglise"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Kaal"),
                      QT_TRANSLATE_NOOP("DictionaryTableModel", "Kasutus")});
    case DictSection::Combinations: break;
    }
    return shown({QT_TRANSLATE_NOOP("DictionaryTableModel", "Märksõna"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Tähendus"),
                  QT_TRANSLATE_NOOP("DictionaryTableModel", "Sõnaliik"), QT_TRANSLATE_NOOP("DictionaryTableModel", "Kasutus")});
}

}  // namespace

DictionaryTableModel::DictionaryTableModel(const CDictionary& dictionary, DictSection section, QObject* parent)
    : QAbstractTableModel(parent), m_dictionary(dictionary), m_section(section),
      m_listing(std::make_unique<DictionaryListing>(dictionary, section)),
      m_collator(QLocale(QLocale::Estonian, QLocale::Estonia))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    arrange();
}

DictionaryTableModel::~DictionaryTableModel() = default;

int DictionaryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int DictionaryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(captions(m_section).size());
}

bool DictionaryTableModel::isNumberColumn(int column) const
{
    const std::vector<const char*>& attributes = sectionAttributes(m_section);
    return column == usageColumn() ||
           std::string_view(attributes[static_cast<std::size_t>(column)]) == std::string_view(dict::kWeight);
}

long long DictionaryTableModel::numberAt(std::size_t row, int column) const
{
    if (column == usageColumn())
        return m_counts.empty() ? -1 : m_counts[row];
    return analysisWeight(m_listing->row(row));
}

QString DictionaryTableModel::textAt(std::size_t row, int column) const
{
    return toQt(attributeValue(m_listing->row(row), sectionAttributes(m_section)[static_cast<std::size_t>(column)]));
}

QVariant DictionaryTableModel::data(const QModelIndex& index, int role) const
{
    if (m_suspended || !index.isValid() || static_cast<std::size_t>(index.row()) >= m_shown.size())
        return {};
    const std::size_t row = m_shown[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole && isNumberColumn(column))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (!isNumberColumn(column))
        return textAt(row, column);
    const long long number = numberAt(row, column);
    if (number < 0 || (column != usageColumn() && attributeValue(m_listing->row(row), dict::kWeight).empty()))
        return {};  // not counted yet, or no weight stored
    return number;
}

QVariant DictionaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return captions(m_section).value(section);
}

const std::vector<std::uint32_t>& DictionaryTableModel::orderOf(int column) const
{
    if (m_orders.size() != static_cast<std::size_t>(columnCount()))
        m_orders.assign(static_cast<std::size_t>(columnCount()), std::nullopt);
    std::optional<std::vector<std::uint32_t>>& order = m_orders[static_cast<std::size_t>(column)];
    if (order)
        return *order;
    order.emplace(m_listing->size());
    std::iota(order->begin(), order->end(), 0u);
    if (isNumberColumn(column)) {
        std::stable_sort(order->begin(), order->end(),
                         [&](std::uint32_t a, std::uint32_t b) { return numberAt(a, column) < numberAt(b, column); });
    } else {
        // Sort keys made once per row, compared as Estonian is alphabetised, case aside.
        std::vector<QCollatorSortKey> keys;
        keys.reserve(m_listing->size());
        for (std::size_t row = 0; row < m_listing->size(); ++row)
            keys.push_back(m_collator.sortKey(textAt(row, column)));
        std::stable_sort(order->begin(), order->end(),
                         [&](std::uint32_t a, std::uint32_t b) { return keys[a].compare(keys[b]) < 0; });
    }
    return *order;
}

void DictionaryTableModel::arrange()
{
    m_shown.clear();
    const auto take = [&](std::uint32_t row) {
        if (m_matching.empty() || m_matching[row])
            m_shown.push_back(row);
    };
    if (m_sortColumn < 0) {
        for (std::uint32_t row = 0; row < m_listing->size(); ++row)
            take(row);
    } else if (m_sortOrder == Qt::AscendingOrder) {
        for (std::uint32_t row : orderOf(m_sortColumn))
            take(row);
    } else {
        const std::vector<std::uint32_t>& order = orderOf(m_sortColumn);
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            take(*it);
    }
}

void DictionaryTableModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    arrange();
    endResetModel();
}

void DictionaryTableModel::match()
{
    m_matching.clear();
    const std::vector<std::uint32_t> rows = m_listing->rowsMatching(toStd(m_filter));
    if (rows.size() == m_listing->size())
        return;
    m_matching.assign(m_listing->size(), false);
    for (std::uint32_t row : rows)
        m_matching[row] = true;
}

void DictionaryTableModel::countUsage()
{
    m_counts.clear();
    if (!m_usage)
        return;
    m_counts.resize(m_listing->size());
    for (std::size_t row = 0; row < m_listing->size(); ++row)
        m_counts[row] = static_cast<int>(m_usage->count(m_section, m_listing->row(row)));
}

void DictionaryTableModel::setFilter(const QString& text)
{
    beginResetModel();
    m_filter = text;
    match();
    arrange();
    endResetModel();
}

void DictionaryTableModel::rebuild()
{
    beginResetModel();
    m_suspended = false;
    m_listing = std::make_unique<DictionaryListing>(m_dictionary, m_section);
    m_orders.clear();
    match();
    countUsage();
    arrange();
    endResetModel();
}

void DictionaryTableModel::setUsage(const DictionaryUsage* usage)
{
    m_usage = usage;
    countUsage();
    if (!m_orders.empty())
        m_orders[static_cast<std::size_t>(usageColumn())].reset();
    if (m_sortColumn == usageColumn()) {
        sort(m_sortColumn, m_sortOrder);
        return;
    }
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, usageColumn()), index(rowCount() - 1, usageColumn()));
}

XmlNode DictionaryTableModel::analysisAt(int row) const
{
    if (m_suspended || row < 0 || static_cast<std::size_t>(row) >= m_shown.size())
        return {};
    return m_listing->row(m_shown[static_cast<std::size_t>(row)]);
}

int DictionaryTableModel::rowOf(XmlNode analysis) const
{
    const std::size_t row = m_listing->rowOf(analysis);
    const auto at = std::find(m_shown.begin(), m_shown.end(), row);
    return at == m_shown.end() ? -1 : static_cast<int>(at - m_shown.begin());
}

}  // namespace pelmora::gui
