#include "app/panesplitter.h"

#include <algorithm>

namespace pelmora::gui {

PaneSplitter::PaneSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent)
{
    // Only the user's drag changes the strip's height; resizing the window never does.
    connect(this, &QSplitter::splitterMoved, this, [this] {
        if (count() == 3)
            m_strip = sizes()[1];
    });
}

void PaneSplitter::setPanes(QWidget* text, QWidget* strip, QWidget* form, int textHeight, int stripHeight)
{
    form->setMinimumHeight(form->sizeHint().height());
    addWidget(text);
    addWidget(strip);
    addWidget(form);
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
    setStretchFactor(2, 0);
    setChildrenCollapsible(false);
    setCollapsible(0, true);
    setSizes({textHeight, stripHeight, form->sizeHint().height()});
    m_strip = stripHeight;
    text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
}

void PaneSplitter::replaceForm(QWidget* form)
{
    const QList<int> heights = sizes();
    delete replaceWidget(2, form);
    form->setMinimumHeight(form->sizeHint().height());
    setCollapsible(2, false);
    setSizes(heights);
    keepFormHeight();
}

void PaneSplitter::keepFormHeight()
{
    if (count() != 3)
        return;
    const QList<int> heights = sizes();
    const int form = widget(2)->sizeHint().height();
    const int strip = m_strip >= 0 ? m_strip : heights[1];
    const int text = std::max(0, heights[0] + heights[1] + heights[2] - strip - form);
    setSizes({text, strip, form});
}

void PaneSplitter::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    keepFormHeight();
}

}  // namespace pelmora::gui
