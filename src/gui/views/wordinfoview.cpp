// The information strip: the current token's pieces on one line, on their common base line.
#include "views/wordinfoview.h"

#include "app/qtstrings.h"
#include "views/viewfonts.h"
#include "text/tokendisplay.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <QtMath>

#include <algorithm>

namespace pelmora::gui {

namespace {

constexpr int kLeft = 10;
// The top of the regular, bold and italic pieces; small pieces share their base line.
constexpr int kTop = 5;

}  // namespace

CWordInfoView::CWordInfoView(CPelmoraDoc& doc, const Settings& settings, QWidget* parent)
    : QWidget(parent), m_doc(doc)
{
    for (std::size_t i = 0; i < kStripFontCount; ++i)
        m_fonts[i] = makeFont(stripFontSpec(static_cast<StripFont>(i), settings.largeFonts != 0));
    for (std::size_t i = 0; i < kStripFontCount; ++i)
        m_ascents[i] = QFontMetrics(m_fonts[i]).ascent();
    m_smallBlank = QFontMetrics(m_fonts[static_cast<std::size_t>(StripFont::Small)]).horizontalAdvance(QLatin1Char(' '));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_doc.addObserver(this);
}

CWordInfoView::~CWordInfoView() { m_doc.removeObserver(this); }

QSize CWordInfoView::sizeHint() const
{
    // Room for the regular font with the same margin below as above.
    const int height = kTop + QFontMetrics(m_fonts[0]).height() + kTop;
    return {400, std::max(30, height)};
}

void CWordInfoView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const Colour background = kStripBackground;
    painter.fillRect(event->rect(), QColor(background.red, background.green, background.blue));
    if (!m_doc.hasText() || !m_doc.currentToken())
        return;
    const int baseLine = kTop + m_ascents[0];
    // Lemma, part of speech, form, style and meta carry no blanks of their own; a blank's width
    // between two pieces that meet without one keeps them from running together.
    const int gap = m_smallBlank;
    int x = kLeft;
    bool endsWithBlank = true;
    for (const StripPiece& piece : tokenStripPieces(m_doc.currentToken())) {
        const QString text = toQt(piece.text);
        if (!endsWithBlank && !text.startsWith(QLatin1Char(' ')))
            x += gap;
        endsWithBlank = text.endsWith(QLatin1Char(' '));
        if (x >= width())
            break;  // the strip does not wrap; the rest is cut off
        const auto font = static_cast<std::size_t>(piece.font);
        // Laid out once, then measured and drawn from the same glyphs.
        QStaticText word(text);
        word.setTextFormat(Qt::PlainText);
        word.setPerformanceHint(QStaticText::AggressiveCaching);
        word.prepare(QTransform(), m_fonts[font]);
        painter.setFont(m_fonts[font]);
        painter.setPen(QColor(piece.colour.red, piece.colour.green, piece.colour.blue));
        painter.drawStaticText(QPointF(x, baseLine - m_ascents[font]), word);
        x += qRound(word.size().width());
    }
}

}  // namespace pelmora::gui
