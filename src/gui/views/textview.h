// CTextView: the running text of the open document as word boxes, with the current token in red,
// the search marking as backgrounds, click to choose a token, tool tips and the context menu.
#pragma once

#include "search/textsearch.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QList>

#include <array>
#include <cstddef>
#include <unordered_map>
#include <vector>

class QAction;
class QPrinter;

namespace pelmora::gui {

class CTextView final : public QAbstractScrollArea, public DocumentObserver {
    Q_OBJECT
public:
    // The fonts follow `largeFonts` and `draftFonts` of the settings as they are now; they stay
    // for the life of the view (a change takes effect at the next start).
    CTextView(CPelmoraDoc& doc, const Settings& settings, QWidget* parent = nullptr);
    ~CTextView() override;

    // The search state of the "Otsing" menu, which this view draws with.
    TextSearch& search() { return m_search; }

    // The actions of the context menu in order; a null entry stands for a separator.
    void setContextMenuActions(const QList<QAction*>& actions) { m_contextActions = actions; }

    // Prints the running text, page after page, in the view's fonts and colours.
    void print(QPrinter& printer);

    // Lays the text out now when the layout revision or the width changed (painting does it too).
    void ensureLayout();
    // The box of a token in content coordinates (scroll position 0), or an empty rectangle.
    QRect tokenRect(XmlNode token) const;
    // The token whose box holds the point of the viewport, or null.
    XmlNode tokenAt(QPoint viewportPoint) const;
    // How many tokens were measured and how many flows ran since the view was made (for the tests
    // and the benchmark: moving the current token must measure nothing).
    std::size_t measuredTokenCount() const { return m_measuredTokens; }
    std::size_t flowCount() const { return m_flows; }
    // The total height of the laid-out text.
    int contentHeight() const { return m_totalHeight; }
    int lineHeight() const { return m_lineHeight; }

    // DocumentObserver
    void documentUpdated() override;
    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct Box {
        int left = 0;
        int top = 0;
        int width = 0;
        XmlNode token;
        XmlNode sentence;
    };
    void measure();
    void flow(int width);
    void followCurrentToken();
    void updateScrollRange();
    // The index of the first box whose bottom lies below y.
    std::size_t firstBoxBelow(int y) const;
    const QFont& fontOf(XmlNode token) const;

    CPelmoraDoc& m_doc;
    Settings m_settings;
    TextSearch m_search;
    std::array<QFont, 8> m_fonts;
    QList<QAction*> m_contextActions;
    std::vector<Box> m_boxes;
    std::unordered_map<const void*, std::size_t> m_boxOfToken;
    std::int32_t m_measuredRevision = -1;
    int m_flowedWidth = -1;
    int m_lineHeight = 0;
    int m_totalHeight = 0;
    std::size_t m_measuredTokens = 0;
    std::size_t m_flows = 0;
};

}  // namespace pelmora::gui
