#include "dialogs/colourchoice.h"

#include <QColorDialog>
#include <QFrame>

namespace pelmora::gui {

QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

Colour toColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

void showColour(QFrame& swatch, const QColor& colour)
{
    swatch.setStyleSheet(QStringLiteral("QFrame { background-color: %1; border: 1px solid #808080; }")
                             .arg(colour.name()));
    swatch.setToolTip(colour.name());
}

std::optional<QColor> chooseColour(DialogRunner& dialogs, QWidget* parent, const QColor& initial,
                                   const QString& title)
{
    QColorDialog dialog(initial, parent);
    dialog.setWindowTitle(title);
    // Qt's own dialog, so that it runs the same on every desktop and under the tests.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialogs.run(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.currentColor();
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

}  // namespace pelmora::gui
