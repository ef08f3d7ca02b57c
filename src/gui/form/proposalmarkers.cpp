#include "form/proposalmarkers.h"

#include "annotation/suggester.h"
#include "app/qtstrings.h"
#include "dialogs/choicelists.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPainter>

namespace pelmora::gui {

void ProposalMarkerDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    const QString marker = index.data(kProposalMarkerRole).toString();
    if (marker.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The marker keeps its room at the right; the candidate's text is elided before it.
    QStyleOptionViewItem textOption(option);
    QFont small = option.font;
    small.setPointSizeF(small.pointSizeF() * 0.85);
    const QFontMetrics metrics(small);
    const int room = metrics.horizontalAdvance(marker) + 8;
    const bool fits = option.rect.width() > 2 * room;
    if (fits)
        textOption.rect.setRight(option.rect.right() - room);
    QStyledItemDelegate::paint(painter, textOption, index);
    if (!fits)
        return;
    painter->save();
    painter->setFont(small);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, marker);
    painter->restore();
}

void showProposalMarkers(QListWidget& list, const CandidateList& candidates)
{
    const int rows = std::min<int>(list.count(), static_cast<int>(candidates.size()));
    for (int row = 0; row < rows; ++row) {
        const std::optional<ProposalSource> source = candidates.sourceOf(static_cast<std::size_t>(row));
        const QString marker = source ? shownName(proposalSourceMarker(*source)) : QString();
        QListWidgetItem* item = list.item(row);
        if (item->data(kProposalMarkerRole).toString() == marker)
            continue;
        item->setData(kProposalMarkerRole, marker);
        item->setToolTip(marker.isEmpty() ? QString() : QCoreApplication::translate("ProposalMarkers", "Allikas: ") + marker);
    }
}

}  // namespace pelmora::gui
