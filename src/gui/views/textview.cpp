// Placeholder until the running text is painted.
#include "views/textview.h"

namespace pelmora::gui {

CTextView::CTextView(CPelmoraDoc& doc, const Settings& settings, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_settings(settings), m_search(doc)
{
    m_doc.addObserver(this);
}

CTextView::~CTextView() { m_doc.removeObserver(this); }

void CTextView::print(QPrinter&) {}
void CTextView::ensureLayout() {}
QRect CTextView::tokenRect(XmlNode) const { return {}; }
XmlNode CTextView::tokenAt(QPoint) const { return {}; }
void CTextView::documentUpdated() { viewport()->update(); }
void CTextView::nodeAboutToBeRemoved(XmlNode) {}
void CTextView::documentAboutToBeCleared() {}
void CTextView::paintEvent(QPaintEvent*) {}
void CTextView::resizeEvent(QResizeEvent*) {}
void CTextView::mouseReleaseEvent(QMouseEvent*) {}
void CTextView::contextMenuEvent(QContextMenuEvent*) {}
bool CTextView::viewportEvent(QEvent* event) { return QAbstractScrollArea::viewportEvent(event); }

}  // namespace pelmora::gui
