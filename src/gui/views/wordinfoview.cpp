// Placeholder until the strip is painted.
#include "views/wordinfoview.h"

namespace pelmora::gui {

CWordInfoView::CWordInfoView(CPelmoraDoc& doc, const Settings&, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    m_doc.addObserver(this);
}

CWordInfoView::~CWordInfoView() { m_doc.removeObserver(this); }

QSize CWordInfoView::sizeHint() const { return {400, 30}; }

void CWordInfoView::paintEvent(QPaintEvent*) {}

}  // namespace pelmora::gui
