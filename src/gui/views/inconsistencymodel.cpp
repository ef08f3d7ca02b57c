#include "views/inconsistencymodel.h"

#include "app/qtstrings.h"

#include <QCoreApplication>
#include <QStringList>

namespace pelmora::gui {

namespace {

const char* const kHeaders[InconsistencyGroupModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("InconsistencyModel", "Liik"), QT_TRANSLATE_NOOP("InconsistencyModel", "Sõnavorm"),
    QT_TRANSLATE_NOOP("InconsistencyModel", "Sõnesid"), QT_TRANSLATE_NOOP("InconsistencyModel", "Analüüsid")};

}  // namespace

QString kindText(InconsistencyKind kind)
{
    switch (kind) {
    case InconsistencyKind::Analyses: return QCoreApplication::translate("InconsistencyModel", "Eri analüüsid");
    case InconsistencyKind::Dictionary: return QCoreApplication::translate("InconsistencyModel", "Sõnastikus pole");
    case InconsistencyKind::Combination: return QCoreApplication::translate("InconsistencyModel", "Ühendis");
    }
    return {};
}

QString analysisText(const GroupAnalysis& analysis)
{
    QString text = analysis.lemma.empty() ? QCoreApplication::translate("InconsistencyModel", "(lemmata)") : toQt(analysis.lemma);
    if (!analysis.form.empty())
        text += ' ' + toQt(analysis.form);
    if (!analysis.partOfSpeech.empty())
        text += QStringLiteral(" (%1)").arg(toQt(analysis.partOfSpeech));
    return text;
}

QString analysisShareText(const GroupAnalysis& analysis, std::size_t groupTokens)
{
    if (analysis.fromDictionary)
        return analysisText(analysis) + QCoreApplication::translate("InconsistencyModel", " sõnastikus");
    const int percent = groupTokens > 0 ? static_cast<int>(analysis.tokens.size() * 100 / groupTokens) : 0;
    return QStringLiteral("%1 %2 (%3%)").arg(analysisText(analysis)).arg(analysis.tokens.size()).arg(percent);
}

QString groupFormText(const InconsistencyGroup& group)
{
    if (group.combination.empty())
        return toQt(group.key);
    return QCoreApplication::translate("InconsistencyModel", "%1 (ühendis „%2“)").arg(toQt(group.key), toQt(group.combination));
}

int InconsistencyGroupModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_groups.size());
}

int InconsistencyGroupModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant InconsistencyGroupModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const InconsistencyGroup& found = group(index.row());
    if (role == KindRole)
        return static_cast<int>(found.kind);
    if (role == SortRole && index.column() == Tokens)
        return static_cast<qulonglong>(found.tokenCount);
    if (role == Qt::TextAlignmentRole && index.column() == Tokens)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::ToolTipRole)
        return {};
    switch (static_cast<Column>(index.column())) {
    case Kind: return kindText(found.kind);
    case Form: return groupFormText(found);
    case Tokens: return QString::number(found.tokenCount);
    case Analyses: {
        QStringList parts;
        for (const GroupAnalysis& analysis : found.analyses)
            parts.push_back(analysisShareText(analysis, found.tokenCount));
        return parts.join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral(" · "));
    }
    case ColumnCount: break;
    }
    return {};
}

QVariant InconsistencyGroupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QCoreApplication::translate("InconsistencyModel", kHeaders[section]);
}

void InconsistencyGroupModel::setGroups(std::vector<InconsistencyGroup> groups)
{
    beginResetModel();
    m_groups = std::move(groups);
    endResetModel();
}

void InconsistencyFilterModel::setKind(std::optional<InconsistencyKind> kind)
{
    m_kind = kind;
    invalidateFilter();
}

bool InconsistencyFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_kind)
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return index.data(InconsistencyGroupModel::KindRole).toInt() == static_cast<int>(*m_kind);
}

}  // namespace pelmora::gui
