// CTextView: the running text of the open document as word boxes, with the current token in red,
// the search marking as backgrounds, click to choose a token, tool tips and the context menu.
#pragma once

#include "search/textsearch.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"
#include "text/tokendisplay.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QStaticText>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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
    // Draws the annotated tokens (and punctuation and numbers) grey, or in their own colours;
    // starts as "QuietAnnotated" of the settings and changes at once.
    void setQuietAnnotated(bool quiet);
    ~CTextView() override;

    // The search state of the "Otsing" menu, which this view draws with.
    TextSearch& search() { return m_search; }

    // The actions of the context menu in order; a null entry stands for a separator.
    void setContextMenuActions(const QList<QAction*>& actions) { m_contextActions = actions; }

    // --- Choosing the words of a combination ---------------------------------------------------
    // Starts the choice with the current token; while it lasts the chosen words are drawn marked,
    // a click on a token of the same sentence adds or removes it (Space does so for the current
    // token, which the keyboard moves), and the document refuses to change its current token
    // otherwise. Enter finishes, Escape cancels. Nothing without a current token.
    void startCombinationSelection();
    void cancelCombinationSelection();
    // Hands the chosen words to the finishing hook; the choice ends when it returns true.
    void finishCombinationSelection();
    bool isSelectingCombination() const { return !m_chosenWords.empty(); }
    // The chosen words in the order they were chosen.
    const std::vector<XmlNode>& chosenCombinationWords() const { return m_chosenWords; }
    // `finish` gets the chosen words and says whether the choice is done; `remove` is called by
    // the context menu's "Kustuta ühend" with a combination of the current token, `showUsage` by
    // its "Näita ühendi kasutust ...".
    void setCombinationHooks(std::function<bool(const std::vector<XmlNode>&)> finish,
                             std::function<void(XmlNode)> remove, std::function<void(XmlNode)> showUsage = {});

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
    // Marks the sentence being played from the recording with a band behind its lines; a null
    // handle clears the mark. The mark goes with the sentence when it leaves the tree.
    void setPlayingSentence(XmlNode sentence);
    XmlNode playingSentence() const { return m_playing; }
    // The band of the sentence being played in content coordinates, or an empty rectangle.
    QRect playingRect() const;

    // The total height of the laid-out text.
    int contentHeight() const { return m_totalHeight; }
    int lineHeight() const { return m_lineHeight; }

    // DocumentObserver
    void documentUpdated() override;
    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override;
    void attributeChanged(XmlNode element, const char* name, std::string_view oldValue) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One token's place; 24 bytes, so a long text's boxes
    // stay small beside its tree.
    struct Box {
        int left = 0;
        int top = 0;
        int width = 0;
        TokenFont font = TokenFont::Normal;
        bool startsSentence = false;
        XmlNode token;
    };
    // Widths of "text + blank" in one font, by the token's UTF-8 text: corpus words repeat, so
    // most tokens are measured by one lookup.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using WidthCache = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;
    struct Measurer {
        std::vector<QFontMetrics> metrics;
        std::array<WidthCache, kTokenFontCount> widths;
        int width(TokenFont font, std::string_view text);
    };
    void dropLayout();
    // The boxes of every token in text order, measured but not flowed.
    std::vector<Box> measureText(Measurer& measurer, std::size_t expected) const;
    void measure();
    // Measures one token again after its look changed and flows its sentence; `moved` tells
    // whether any box changed. False when the token has no box.
    bool remeasureToken(XmlNode token, bool& moved);
    void flow(int width);
    void followCurrentToken();
    void updateScrollRange();
    // The index of the first box whose bottom lies below y (content coordinates).
    std::size_t firstBoxBelow(int y) const;
    // The index of the token's box, or npos.
    std::size_t boxIndexOf(XmlNode token) const;
    QRect boxRect(const Box& box) const { return {box.left, box.top, box.width, m_lineHeight}; }
    // The box's rectangle in viewport coordinates.
    QRect viewportRect(const Box& box) const;
    void updateToken(XmlNode token);
    // Adds the token to the chosen words, or takes it out when it is there already.
    void toggleChosenWord(XmlNode token);
    // Draws the boxes [first, last) with the look of the screen, shifted up by `top`, on lines of
    // the given height and base line. The screen draws from laid-out words kept per font; a
    // printer lays each word out on its own page device.
    void drawBoxes(QPainter& painter, const std::vector<Box>& boxes, std::size_t first, std::size_t last,
                   int top, const std::array<QFont, kTokenFontCount>& fonts, int lineHeight, int ascent,
                   bool screen) const;
    // The laid-out word for the screen, made at its first drawing.
    const QStaticText& staticText(TokenFont font, std::string_view text) const;

    CPelmoraDoc& m_doc;
    Settings m_settings;
    bool m_quietAnnotated = false;
    TextSearch m_search;
    std::array<QFont, 8> m_fonts;
    QList<QAction*> m_contextActions;
    // The combination's words chosen so far; empty when no choice is under way.
    std::vector<XmlNode> m_chosenWords;
    std::function<bool(const std::vector<XmlNode>&)> m_finishCombination;
    std::function<void(XmlNode)> m_removeCombination;
    std::function<void(XmlNode)> m_showCombinationUsage;
    Measurer m_measurer;
    // Words as drawn, by font and text: rebuilt on demand, dropped when they grow too many.
    mutable std::array<std::unordered_map<std::string, QStaticText, TextHash, std::equal_to<>>, kTokenFontCount>
        m_staticTexts;
    std::vector<Box> m_boxes;
    // (token, box index), sorted by token: half the memory of a hash map and built by one sort.
    std::vector<std::pair<const void*, std::uint32_t>> m_boxOfToken;
    // The token drawn red at the last update, and the marking the backgrounds were drawn with.
    XmlNode m_drawnCurrent;
    XmlNode m_playing;  // the sentence being played
    std::uint64_t m_drawnMarking = 0;
    bool m_attributesChanged = false;  // repaint the screen at the next update
    std::vector<XmlNode> m_changedTokens;  // tokens whose attributes changed since the last update
    bool m_measured = false;
    std::int32_t m_measuredRevision = 0;
    int m_flowedWidth = -1;
    int m_lineHeight = 0;
    int m_totalHeight = 0;
    std::size_t m_measuredTokens = 0;
    std::size_t m_flows = 0;
};

}  // namespace pelmora::gui
