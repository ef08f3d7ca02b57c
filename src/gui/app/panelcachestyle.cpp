#include "app/panelcachestyle.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>
#include <QWidget>

namespace pelmora::gui {

namespace {

// Panels larger than this are drawn directly: a multi-line field's pixmap would cost more memory
// than its frame costs time.
constexpr int kLargestCachedArea = 400 * 60;

// The states the panel's look depends on.
constexpr QStyle::State kPanelStates = QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_ReadOnly |
                                       QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_Raised |
                                       QStyle::State_KeyboardFocusChange | QStyle::State_Active;

}  // namespace

PanelCacheStyle::PanelCacheStyle() : QProxyStyle(nullptr) {}

void PanelCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    // Only a plain line edit's panel, painted on the screen: a field inside a combo box or spin box
    // has its panel drawn by its owner, and a scaled or rotated painter (printing) gets the real thing.
    const bool plain = widget && widget->parentWidget() && !qobject_cast<const QComboBox*>(widget->parentWidget()) &&
                       !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
    if (element != PE_PanelLineEdit || !frame || !plain || frame->rect.isEmpty() ||
        frame->rect.width() * frame->rect.height() > kLargestCachedArea ||
        painter->deviceTransform().type() > QTransform::TxTranslate) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QString key = QStringLiteral("pelmora-panel-%1x%2-%3-%4-%5-%6-%7-%8")
                            .arg(frame->rect.width())
                            .arg(frame->rect.height())
                            .arg(int(frame->state & kPanelStates))
                            .arg(frame->palette.cacheKey())
                            .arg(frame->lineWidth)
                            .arg(frame->midLineWidth)
                            .arg(int(frame->features))
                            .arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap((QSizeF(frame->rect.size()) * ratio).toSize());
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame placed = *frame;
        placed.rect = QRect(QPoint(0, 0), frame->rect.size());
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &placed, &onPanel, widget);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(frame->rect.topLeft(), panel);
}

}  // namespace pelmora::gui
