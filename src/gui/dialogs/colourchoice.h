// The background colour of a marking rule in the dialogs: the swatch that shows it and the
// colour dialog that changes it.
#pragma once

#include "app/dialogrunner.h"
#include "search/searchcriteria.h"

#include <QColor>
#include <QString>

#include <optional>

class QFrame;
class QWidget;

namespace pelmora::gui {

// The colour a new search marks its hits with: a light yellow that black and red text stay
// readable on.
inline constexpr Colour kDefaultMarkingColour{255, 236, 120};

QColor toQColor(Colour colour);
Colour toColour(const QColor& colour);

// Fills the swatch with the colour; its frame keeps a light colour visible on the dialog.
void showColour(QFrame& swatch, const QColor& colour);

// Runs the colour dialog, titled `title`, starting at `initial`; the chosen colour, or nothing
// when the user cancelled.
std::optional<QColor> chooseColour(DialogRunner& dialogs, QWidget* parent, const QColor& initial,
                                   const QString& title);

}  // namespace pelmora::gui
