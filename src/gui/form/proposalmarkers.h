// Where a proposal of the analyser or the inflection rules comes from ("sõnastik", "tekstid",
// "oletus", ...): a short grey marker at the right end of its row, and the same as its tool tip.
#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace pelmora {
class CandidateList;
}

namespace pelmora::gui {

// The item data role that holds a row's marker.
inline constexpr int kProposalMarkerRole = Qt::UserRole + 1;

class ProposalMarkerDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Puts each listed candidate's marker (none for entries of the text or the dictionary's lists) on
// the list's rows, which show the candidates in the same order.
void showProposalMarkers(QListWidget& list, const CandidateList& candidates);

}  // namespace pelmora::gui
