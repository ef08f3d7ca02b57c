// The cached line edit panels look exactly as the style draws them, for every state, size and
// palette in turn (so a panel is never taken from the cache for another look), also where the
// cache is passed by: a field inside a combo box, a scaled painter.
#include "app/panelcachestyle.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>
#include <QtTest>

#include <cstdlib>

using namespace pelmora::gui;

namespace {

struct Panel {
    QStyle::State state;
    QSize size;
    QColor base;  // the palette's base colour; invalid: the style's own
    qreal scale;
};

Panel look(QStyle::State state, QSize size = {120, 24}, QColor base = {}, qreal scale = 1)
{
    return {state, size, base, scale};
}

QImage paint(const QStyle& style, const Panel& panel, const QWidget& widget)
{
    QImage image(260, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xEF, 0xEF, 0xEF));
    QPainter painter(&image);
    painter.scale(panel.scale, panel.scale);
    QStyleOptionFrame option;
    option.initFrom(&widget);
    option.state = panel.state;
    option.rect = QRect(QPoint(7, 5), panel.size);
    option.lineWidth = 1;
    if (panel.base.isValid())
        option.palette.setColor(QPalette::Base, panel.base);
    style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &widget);
    return image;
}

// The largest difference of one colour channel between the two pictures.
int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

}  // namespace

class PanelCacheStyleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void panelsLookAsTheStyleDrawsThem()
    {
        PanelCacheStyle cached;
        QStyle& style = *cached.baseStyle();
        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* disabledField = new QLineEdit(&window);
        disabledField->setEnabled(false);
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        const QStyle::State enabled = QStyle::State_Enabled;
        const struct {
            const char* name;
            Panel panel;
            const QWidget* widget;
        } cases[] = {
            // the same size one after the other: the cache must tell the states apart
            {"enabled", look(enabled), field},
            {"focused", look(enabled | QStyle::State_HasFocus), field},
            {"enabled again", look(enabled), field},
            {"read-only", look(enabled | QStyle::State_ReadOnly), field},
            {"disabled", look(QStyle::State_None), disabledField},
            {"another palette", look(enabled, {120, 24}, QColor(0xFF, 0xEE, 0xCC)), field},
            {"another size", look(enabled, {200, 30}), field},
            {"scaled painter (printing)", look(enabled | QStyle::State_HasFocus, {120, 24}, {}, 2), field},
            {"field of a combo box", look(enabled), combo->lineEdit()},
        };
        for (const auto& c : cases) {
            const QImage expected = paint(style, c.panel, *c.widget);
            const QImage first = paint(cached, c.panel, *c.widget);
            const QImage again = paint(cached, c.panel, *c.widget);
            // Expected: the same picture (antialiased edges may round one step apart), and the
            // second drawing, from the cache, equal to the first.
            QVERIFY2(largestDifference(first, expected) <= 2, c.name);
            QVERIFY2(first == again, c.name);
        }
        // Sanity: the states do look different, so the comparisons above can fail.
        QVERIFY(paint(style, cases[0].panel, *field) != paint(style, cases[1].panel, *field));
        QVERIFY(paint(style, cases[0].panel, *field) != paint(style, cases[5].panel, *field));
    }
};

QTEST_MAIN(PanelCacheStyleTest)
#include "panelcachestyle_test.moc"
