// The groups of the corpus view "Ebakõlad" as a table: one row per group with its kind, word form,
// number of tokens and analyses with their shares; and a proxy that shows one kind or all.
#pragma once

#include "corpus/overview.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

namespace pelmora::gui {

// "Eri analüüsid", "Sõnastikus pole", "Ühendis".
QString kindText(InconsistencyKind kind);
// "kala sg.nom. (S)"; "(lemmata)" for an analysis without a lemma.
QString analysisText(const GroupAnalysis& analysis);
// "kala sg.nom. (S) 5 (62%)": the analysis with its tokens and their share of the group's.
QString analysisShareText(const GroupAnalysis& analysis, std::size_t groupTokens);
// The group's word form; for a combination's word "ära (ühendis „ära tegema“)".
QString groupFormText(const InconsistencyGroup& group);

class InconsistencyGroupModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Kind, Form, Tokens, Analyses, ColumnCount };
    // What the proxy sorts by: the number of tokens as a number, texts as they stand.
    static constexpr int SortRole = Qt::UserRole;
    // The group's kind as an int, for the proxy's filter.
    static constexpr int KindRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setGroups(std::vector<InconsistencyGroup> groups);
    const std::vector<InconsistencyGroup>& groups() const { return m_groups; }
    const InconsistencyGroup& group(int row) const { return m_groups[static_cast<std::size_t>(row)]; }

private:
    std::vector<InconsistencyGroup> m_groups;
};

// Shows the groups of one kind, or all; sorts by the model's sort role.
class InconsistencyFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setKind(std::optional<InconsistencyKind> kind);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::optional<InconsistencyKind> m_kind;
};

}  // namespace pelmora::gui
