// The panes' fonts: face "Arial" at a size in points, as the core's display rules describe them.
#pragma once

#include "text/tokendisplay.h"

#include <QFont>

namespace pelmora::gui {

inline QFont makeFont(const FontSpec& spec)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

}  // namespace pelmora::gui
