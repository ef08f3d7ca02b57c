// The platform's style with the line edits' panels drawn from a pixmap made once per size, state
// and palette. The default style strokes an antialiased rounded frame at every repaint of a line
// edit, which was most of the cost of showing the next token in the form's six fields.
#pragma once

#include <QProxyStyle>

namespace pelmora::gui {

class PanelCacheStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the application's default style.
    PanelCacheStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pelmora::gui
