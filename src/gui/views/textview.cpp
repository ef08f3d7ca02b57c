// The running text: word boxes measured when the layout revision moves, flowed when the width
// changes, painted for the exposed rectangle only.
#include "views/textview.h"

#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "views/viewfonts.h"
#include "corpus/texttally.h"
#include "text/combinations.h"
#include "text/textformat.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QToolTip>
#include <QtMath>

#include <algorithm>

namespace pelmora::gui {

namespace {

QColor toColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

constexpr std::size_t kNoBox = static_cast<std::size_t>(-1);
constexpr int kMargin = 4;
// The words chosen for a combination: a pale amber ground with a darker frame.
constexpr QColor kChosenWordGround(255, 226, 150);
constexpr QColor kChosenWordFrame(200, 140, 0);
// The sentence being played: a band paler than any marking colour, and a bar at its left.
const QColor kPlayingBand(226, 236, 250);
const QColor kPlayingBar(52, 101, 164);
// With "QuietAnnotated": the annotated tokens and the punctuation and numbers, which need nothing,
// so that the tokens still to annotate stand out.
const QColor kQuietAnnotated(160, 160, 160);

bool isDone(XmlNode token)
{
    const TokenStanding standing = tokenStanding(token);
    return standing == TokenStanding::Annotated || standing == TokenStanding::LeftOut;
}

// Line height h: the height of "XqÄ" in the normal font.
int lineHeightOf(const QFontMetrics& normal) { return normal.size(0, QStringLiteral("XqÄ")).height(); }

}  // namespace

int CTextView::Measurer::width(TokenFont font, std::string_view text)
{
    WidthCache& cache = widths[static_cast<std::size_t>(font)];
    if (const auto found = cache.find(text); found != cache.end())
        return found->second;
    const int measured = metrics[static_cast<std::size_t>(font)].horizontalAdvance(toQt(text) + QLatin1Char(' '));
    cache.emplace(std::string(text), measured);
    return measured;
}

CTextView::CTextView(CPelmoraDoc& doc, const Settings& settings, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_settings(settings), m_quietAnnotated(settings.quietAnnotated != 0),
      m_search(doc)
{
    for (std::size_t i = 0; i < kTokenFontCount; ++i) {
        m_fonts[i] = makeFont(tokenFontSpec(static_cast<TokenFont>(i), m_settings.largeFonts != 0));
        m_measurer.metrics.emplace_back(m_fonts[i], viewport());
    }
    m_lineHeight = lineHeightOf(m_measurer.metrics[0]);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    // A narrow white margin, so the first letter of a line does not touch the frame.
    setViewportMargins(kMargin, 0, 0, 0);
    QPalette margin = this->palette();
    margin.setColor(QPalette::Window, Qt::white);
    setPalette(margin);
    setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    // A text opened before the view was made already has its current token: it is drawn red first.
    m_drawnCurrent = m_doc.currentToken();
    m_doc.addObserver(this);
    m_doc.setCombinationSelectionCheck([this] { return isSelectingCombination(); });
}

CTextView::~CTextView()
{
    m_doc.setCombinationSelectionCheck({});
    m_doc.removeObserver(this);
}

// --- Layout -------------------------------------------------------------------------------------

void CTextView::dropLayout()
{
    m_boxes.clear();
    m_boxes.shrink_to_fit();
    m_boxOfToken.clear();
    m_boxOfToken.shrink_to_fit();
    m_measured = false;
    m_flowedWidth = -1;
    m_totalHeight = 0;
    m_drawnCurrent = XmlNode();
    m_changedTokens.clear();
    m_attributesChanged = true;
}

std::vector<CTextView::Box> CTextView::measureText(Measurer& measurer, std::size_t expected) const
{
    const bool draft = m_settings.draftFonts != 0;
    std::vector<Box> boxes;
    boxes.reserve(expected);
    // The walk of forEachToken, sentence by sentence, so each box knows whether it opens one.
    for (XmlNode sentence = firstChildElement(m_doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        bool first = true;
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken)) {
            const TokenFont font = tokenLook(token, draft).font;
            boxes.push_back({0, 0, measurer.width(font, elementText(token)), font, first, token});
            first = false;
        }
    }
    return boxes;
}

void CTextView::measure()
{
    std::vector<Box> boxes = measureText(m_measurer, m_boxes.size());
    m_measuredTokens += boxes.size();
    m_boxes = std::move(boxes);
    m_boxOfToken.clear();
    m_boxOfToken.reserve(m_boxes.size());
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxOfToken.emplace_back(m_boxes[i].token.internal_object(), static_cast<std::uint32_t>(i));
    // Nodes parsed from a file lie in memory in text order, so this is mostly already sorted.
    if (!std::is_sorted(m_boxOfToken.begin(), m_boxOfToken.end()))
        std::sort(m_boxOfToken.begin(), m_boxOfToken.end());
    m_measured = true;
    m_measuredRevision = m_doc.layoutRevision();
    m_flowedWidth = -1;
}

namespace {

// Every sentence starts a new line one and a half lines below the previous one; within a sentence
// a box that would cross the right edge starts a new line, unless it is first on its line (so a
// token wider than the width stands alone). Returns the total height.
template <class BoxVector>
int flowBoxes(BoxVector& boxes, int width, int lineHeight)
{
    int x = 0;
    int y = 0;
    for (auto& box : boxes) {
        if (box.startsSentence) {
            y += lineHeight * 3 / 2;
            x = 0;
        } else if (x > 0 && x + box.width > width) {
            y += lineHeight;
            x = 0;
        }
        box.left = x;
        box.top = y;
        x += box.width;
    }
    return boxes.empty() ? 0 : y + lineHeight;
}

}  // namespace

void CTextView::flow(int width)
{
    m_totalHeight = flowBoxes(m_boxes, width, m_lineHeight);
    m_flowedWidth = width;
    ++m_flows;
}

void CTextView::ensureLayout()
{
    const bool remeasure = !m_measured || m_measuredRevision != m_doc.layoutRevision();
    const int width = viewport()->width();
    if (!remeasure && width == m_flowedWidth)
        return;
    if (remeasure) {
        const OverrideCursor wait;
        measure();
    }
    flow(width);
    updateScrollRange();
}

void CTextView::updateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    const int page = viewport()->height();
    bar->setRange(0, std::max(0, m_totalHeight - page));
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(std::max(1, m_lineHeight));
}

std::size_t CTextView::firstBoxBelow(int y) const
{
    // Boxes are in text order, so their tops never decrease; all are one line high.
    const auto found = std::upper_bound(m_boxes.begin(), m_boxes.end(), y - m_lineHeight,
                                        [](int value, const Box& box) { return value < box.top; });
    return static_cast<std::size_t>(found - m_boxes.begin());
}

std::size_t CTextView::boxIndexOf(XmlNode token) const
{
    if (!token)
        return kNoBox;
    const void* key = token.internal_object();
    const auto found = std::lower_bound(m_boxOfToken.begin(), m_boxOfToken.end(), key,
                                        [](const auto& entry, const void* k) { return entry.first < k; });
    if (found == m_boxOfToken.end() || found->first != key)
        return kNoBox;
    return found->second;
}

QRect CTextView::tokenRect(XmlNode token) const
{
    const std::size_t index = boxIndexOf(token);
    return index == kNoBox ? QRect() : boxRect(m_boxes[index]);
}

QRect CTextView::viewportRect(const Box& box) const
{
    return boxRect(box).translated(0, -verticalScrollBar()->value());
}

XmlNode CTextView::tokenAt(QPoint viewportPoint) const
{
    const int y = viewportPoint.y() + verticalScrollBar()->value();
    for (std::size_t i = firstBoxBelow(y); i < m_boxes.size() && m_boxes[i].top <= y; ++i) {
        const Box& box = m_boxes[i];
        if (viewportPoint.x() >= box.left && viewportPoint.x() < box.left + box.width)
            return box.token;
    }
    return {};
}

// --- Following the document ---------------------------------------------------------------------

void CTextView::followCurrentToken()
{
    const std::size_t index = boxIndexOf(m_doc.currentToken());
    if (index == kNoBox)
        return;
    const Box& box = m_boxes[index];
    QScrollBar* bar = verticalScrollBar();
    const int first = bar->value();
    const int visible = viewport()->height();
    // A box higher than the view shows its top rather than its bottom.
    if (box.top < first || m_lineHeight > visible)
        bar->setValue(std::max(0, box.top));
    else if (box.top + m_lineHeight > first + visible)
        bar->setValue(box.top + m_lineHeight - visible);
}

void CTextView::updateToken(XmlNode token)
{
    const std::size_t index = boxIndexOf(token);
    if (index != kNoBox)
        viewport()->update(viewportRect(m_boxes[index]).adjusted(-2, 0, 2, 0));  // with a chosen word's frame
}

void CTextView::documentUpdated()
{
    const bool layoutStale = !m_measured || m_measuredRevision != m_doc.layoutRevision();
    const bool markingChanged = m_search.markingRules().revision() != m_drawnMarking;
    const XmlNode current = m_doc.currentToken();
    ensureLayout();
    followCurrentToken();
    if (layoutStale || markingChanged || m_attributesChanged) {
        viewport()->update();
    } else {
        // Only a few tokens changed: their colour as the current token, or their attributes
        // (which may change what the marking rules say about them).
        if (current != m_drawnCurrent) {
            updateToken(m_drawnCurrent);
            updateToken(current);
        }
        for (const XmlNode token : m_changedTokens)
            updateToken(token);
    }
    m_drawnCurrent = current;
    m_drawnMarking = m_search.markingRules().revision();
    m_attributesChanged = false;
    m_changedTokens.clear();
}

void CTextView::attributeChanged(XmlNode element, const char* name, std::string_view)
{
    // A token's new look is measured alone when it is the only change since the layout was made
    // (the document moved the revision once, for it); anything else measures the whole text.
    const bool isToken = isElement(element, text::kToken);
    bool moved = false;
    if (isToken && decidesTokenLook(name)) {
        const bool onlyThisChange = static_cast<std::uint32_t>(m_doc.layoutRevision()) ==
                                    static_cast<std::uint32_t>(m_measuredRevision) + 1u;
        if (m_measured && m_flowedWidth >= 0 && onlyThisChange && remeasureToken(element, moved))
            m_measuredRevision = m_doc.layoutRevision();
    }
    // Changes of a few tokens repaint those tokens; anything else (a sentence's attribute, a
    // token that moved others, many tokens) repaints the screen.
    constexpr std::size_t kMostTokensRepaintedAlone = 64;
    if (!isToken || moved || m_changedTokens.size() >= kMostTokensRepaintedAlone)
        m_attributesChanged = true;
    else
        m_changedTokens.push_back(element);
}

bool CTextView::remeasureToken(XmlNode token, bool& moved)
{
    moved = false;
    const std::size_t index = boxIndexOf(token);
    if (index == kNoBox)
        return false;
    Box& box = m_boxes[index];
    const TokenFont font = tokenLook(token, m_settings.draftFonts != 0).font;
    const int width = m_measurer.width(font, elementText(token));
    ++m_measuredTokens;
    if (font == box.font && width == box.width)
        return true;
    box.font = font;
    box.width = width;
    moved = true;
    // The token's sentence flows again, as flowBoxes does it; later sentences move by the change
    // of its height.
    std::size_t first = index;
    while (first > 0 && !m_boxes[first].startsSentence)
        --first;
    std::size_t end = index + 1;
    while (end < m_boxes.size() && !m_boxes[end].startsSentence)
        ++end;
    const int oldLastTop = m_boxes[end - 1].top;
    int x = 0;
    int y = m_boxes[first].top;
    for (std::size_t i = first; i < end; ++i) {
        Box& b = m_boxes[i];
        if (i > first && x > 0 && x + b.width > m_flowedWidth) {
            y += m_lineHeight;
            x = 0;
        }
        b.left = x;
        b.top = y;
        x += b.width;
    }
    if (const int shift = m_boxes[end - 1].top - oldLastTop; shift != 0) {
        for (std::size_t i = end; i < m_boxes.size(); ++i)
            m_boxes[i].top += shift;
        m_totalHeight += shift;
        updateScrollRange();
    }
    return true;
}

void CTextView::nodeAboutToBeRemoved(XmlNode node)
{
    // A chosen word that leaves the text leaves the choice; undo can take the first one away too.
    std::erase_if(m_chosenWords, [&](XmlNode word) { return isInSubtree(word, node); });
    if (isInSubtree(m_playing, node))
        m_playing = XmlNode();
    // A combination element going holds no token: every box stays where it is.
    if (CPelmoraDoc::movesStructure(node))
        dropLayout();
    viewport()->update();
}

void CTextView::documentAboutToBeCleared()
{
    m_chosenWords.clear();
    m_playing = XmlNode();
    dropLayout();
    viewport()->update();
}

// --- Painting -----------------------------------------------------------------------------------

const QStaticText& CTextView::staticText(TokenFont font, std::string_view text) const
{
    auto& cache = m_staticTexts[static_cast<std::size_t>(font)];
    if (const auto found = cache.find(text); found != cache.end())
        return found->second;
    // A text of many different words keeps only the words of recent screens.
    constexpr std::size_t kMostWords = 20000;
    if (cache.size() >= kMostWords)
        cache.clear();
    QStaticText word(toQt(text));
    word.setTextFormat(Qt::PlainText);
    word.setPerformanceHint(QStaticText::AggressiveCaching);
    word.prepare(QTransform(), m_fonts[static_cast<std::size_t>(font)]);
    return cache.emplace(std::string(text), std::move(word)).first->second;
}

void CTextView::drawBoxes(QPainter& painter, const std::vector<Box>& boxes, std::size_t first, std::size_t last,
                          int top, const std::array<QFont, kTokenFontCount>& fonts, int lineHeight,
                          int ascent, bool screen) const
{
    const bool draft = m_settings.draftFonts != 0;
    const bool quiet = screen && m_quietAnnotated;  // a printout keeps every token's own colour
    const bool marking = m_search.markingOn();
    const XmlNode current = m_doc.currentToken();
    int selected = -1;
    for (std::size_t i = first; i < last; ++i) {
        const Box& box = boxes[i];
        const int font = static_cast<int>(box.font);
        if (font != selected) {
            painter.setFont(fonts[static_cast<std::size_t>(font)]);
            selected = font;
        }
        const std::string_view text = elementText(box.token);
        const int y = box.top - top;
        const QStaticText* word = screen ? &staticText(box.font, text) : nullptr;
        const QString printed = screen ? QString() : toQt(text);
        if (marking) {
            if (const std::optional<Colour> background = m_search.markingColour(box.token)) {
                const int width = word ? qCeil(word->size().width()) : painter.fontMetrics().horizontalAdvance(printed);
                painter.fillRect(QRect(box.left, y, width, lineHeight), toColor(*background));
            }
        }
        if (screen && !m_chosenWords.empty() &&
            std::find(m_chosenWords.begin(), m_chosenWords.end(), box.token) != m_chosenWords.end()) {
            const int width = qCeil(word->size().width());
            const QRect ground(box.left - 1, y, width + 2, lineHeight);
            painter.fillRect(ground, kChosenWordGround);
            painter.setPen(kChosenWordFrame);
            painter.drawRect(ground.adjusted(0, 0, -1, -1));
        }
        painter.setPen(box.token == current    ? toColor(kCurrentTokenColour)
                       : quiet && isDone(box.token) ? kQuietAnnotated
                                                    : toColor(tokenLook(box.token, draft).colour));
        // Every font stands on the line's base line, so a small token is not lifted above its
        // neighbours.
        if (word)
            painter.drawStaticText(QPoint(box.left, y + ascent - m_measurer.metrics[static_cast<std::size_t>(font)].ascent()),
                                   *word);
        else
            painter.drawText(QPoint(box.left, y + ascent), printed);
    }
}

void CTextView::setQuietAnnotated(bool quiet)
{
    if (quiet == m_quietAnnotated)
        return;
    m_quietAnnotated = quiet;
    viewport()->update();
}

void CTextView::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    QPainter painter(viewport());
    const int scroll = verticalScrollBar()->value();
    const QRect exposed = event->rect();
    // The sentence being played: a pale band over the whole width of its lines, a bar at the left.
    if (const QRect band = playingRect().translated(0, -scroll); band.intersects(exposed)) {
        painter.fillRect(band, kPlayingBand);
        painter.fillRect(QRect(band.left(), band.top(), 3, band.height()), kPlayingBar);
    }
    const std::size_t first = firstBoxBelow(exposed.top() + scroll);
    std::size_t last = first;
    while (last < m_boxes.size() && m_boxes[last].top <= exposed.bottom() + scroll)
        ++last;
    drawBoxes(painter, m_boxes, first, last, scroll, m_fonts, m_lineHeight, m_measurer.metrics[0].ascent(), true);
}

void CTextView::setPlayingSentence(XmlNode sentence)
{
    if (sentence == m_playing)
        return;
    const QRect before = playingRect();
    m_playing = sentence;
    const int scroll = verticalScrollBar()->value();
    viewport()->update(before.translated(0, -scroll));
    viewport()->update(playingRect().translated(0, -scroll));
}

QRect CTextView::playingRect() const
{
    const XmlNode first = m_playing ? m_playing.child(text::kToken) : XmlNode();
    const std::size_t from = boxIndexOf(first);
    const std::size_t to = boxIndexOf(CPelmoraDoc::lastTokenOfSentence(first));
    if (from == kNoBox || to == kNoBox)
        return {};
    const int top = m_boxes[from].top;
    return {0, top, std::max(viewport()->width(), 1), m_boxes[to].top + m_lineHeight - top};
}

void CTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Only a laid-out text is flowed at once; otherwise the next paint lays it out.
    if (m_measured && m_measuredRevision == m_doc.layoutRevision() && viewport()->width() != m_flowedWidth)
        flow(viewport()->width());
    updateScrollRange();
}

void CTextView::scrollContentsBy(int dx, int dy)
{
    // Move the pixels that stay visible; only the uncovered strip is painted.
    viewport()->scroll(dx, dy);
}

// --- Mouse --------------------------------------------------------------------------------------

void CTextView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    ensureLayout();
    const XmlNode token = tokenAt(event->position().toPoint());
    if (!token)
        return;
    // While combination words are chosen, a word of the same sentence joins or leaves them; any
    // other token would change the current token, which the document refuses and says why.
    if (isSelectingCombination() && token.parent() == m_chosenWords.front().parent()) {
        toggleChosenWord(token);
        return;
    }
    m_doc.setCurrentToken(token);
}

void CTextView::keyPressEvent(QKeyEvent* event)
{
    if (isSelectingCombination() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            finishCombinationSelection();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            cancelCombinationSelection();
            return;
        }
        // The keyboard's way to choose: move with Shift+arrows, then Space adds or removes the
        // current token when it stands in the same sentence.
        if (event->key() == Qt::Key_Space) {
            const XmlNode current = m_doc.currentToken();
            if (isElement(current, text::kToken) && current.parent() == m_chosenWords.front().parent())
                toggleChosenWord(current);
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// --- Combination words ----------------------------------------------------------------------------

void CTextView::setCombinationHooks(std::function<bool(const std::vector<XmlNode>&)> finish,
                                    std::function<void(XmlNode)> remove, std::function<void(XmlNode)> showUsage)
{
    m_finishCombination = std::move(finish);
    m_removeCombination = std::move(remove);
    m_showCombinationUsage = std::move(showUsage);
}

void CTextView::startCombinationSelection()
{
    const XmlNode current = m_doc.currentToken();
    if (!isElement(current, text::kToken))
        return;
    for (const XmlNode word : m_chosenWords)
        updateToken(word);
    m_chosenWords.assign(1, current);
    updateToken(current);
    // Enter and Escape come here.
    setFocus(Qt::OtherFocusReason);
}

void CTextView::cancelCombinationSelection()
{
    const std::vector<XmlNode> words = std::move(m_chosenWords);
    m_chosenWords.clear();
    for (const XmlNode word : words)
        updateToken(word);
}

void CTextView::finishCombinationSelection()
{
    if (!isSelectingCombination())
        return;
    const std::vector<XmlNode> words = m_chosenWords;
    // A cancelled or refused combination leaves the words chosen, to be changed or let go.
    if (!m_finishCombination || m_finishCombination(words))
        cancelCombinationSelection();
}

void CTextView::toggleChosenWord(XmlNode token)
{
    const auto found = std::find(m_chosenWords.begin(), m_chosenWords.end(), token);
    if (found == m_chosenWords.end())
        m_chosenWords.push_back(token);
    else
        m_chosenWords.erase(found);
    updateToken(token);
}

void CTextView::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu acts on the current token, so there is none without one.
    if (!m_doc.currentToken() || m_contextActions.isEmpty())
        return;
    QMenu menu(this);
    for (QAction* action : m_contextActions) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
    // For each combination the current token belongs to, its lemma beside them: "Kustuta ühend",
    // and "Näita ühendi kasutust ..." when the combination has a lemma to look for.
    const std::vector<XmlNode> combinations = combinationsContaining(m_doc.currentToken());
    if (!combinations.empty() && m_removeCombination) {
        menu.addSeparator();
        for (const XmlNode combination : combinations) {
            const QString lemma = toQt(attributeValue(combination, text::kCombinationLemma));
            QAction* remove = menu.addAction(QCoreApplication::translate("CTextView", "Kustuta ühend\t") + lemma);
            connect(remove, &QAction::triggered, this, [this, combination] { m_removeCombination(combination); });
            if (m_showCombinationUsage && !lemma.trimmed().isEmpty()) {
                QAction* usage = menu.addAction(QCoreApplication::translate("CTextView", "Näita ühendi kasutust ...\t") + lemma);
                connect(usage, &QAction::triggered, this, [this, combination] { m_showCombinationUsage(combination); });
            }
        }
    }
    // From the keyboard (the menu key, Shift+F10) the menu opens below the current token rather
    // than wherever the mouse pointer happens to rest.
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        ensureLayout();
        const std::size_t index = boxIndexOf(m_doc.currentToken());
        if (index != kNoBox)
            where = viewport()->mapToGlobal(viewportRect(m_boxes[index]).bottomLeft());
    }
    menu.exec(where);
}

bool CTextView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const XmlNode token = tokenAt(help->pos());
        QToolTip::hideText();
        if (token) {
            const std::size_t index = boxIndexOf(token);
            QToolTip::showText(help->globalPos(), toQt(tokenToolTip(token)), viewport(),
                               viewportRect(m_boxes[index]));
        } else {
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// --- Printing -----------------------------------------------------------------------------------

void CTextView::print(QPrinter& printer)
{
    if (!m_doc.hasText())
        return;
    // The page has its own resolution: the text is measured and flowed again for it, in the
    // same fonts, and each page takes whole lines only.
    std::array<QFont, kTokenFontCount> fonts;
    Measurer measurer;
    for (std::size_t i = 0; i < kTokenFontCount; ++i) {
        fonts[i] = QFont(m_fonts[i], &printer);
        measurer.metrics.emplace_back(fonts[i], &printer);
    }
    const int lineHeight = lineHeightOf(measurer.metrics[0]);
    std::vector<Box> boxes = measureText(measurer, m_boxes.size());
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    flowBoxes(boxes, page.width(), lineHeight);

    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int pageHeight = std::max(page.height(), lineHeight);
    std::size_t first = 0;
    int pageTop = 0;
    while (first < boxes.size()) {
        std::size_t last = first;
        while (last < boxes.size() && boxes[last].top + lineHeight <= pageTop + pageHeight)
            ++last;
        if (last == first)
            last = first + 1;  // a line cannot be split; it goes on a page of its own
        drawBoxes(painter, boxes, first, last, pageTop, fonts, lineHeight, measurer.metrics[0].ascent(), false);
        first = last;
        if (first < boxes.size()) {
            printer.newPage();
            pageTop = boxes[first].top;
        }
    }
    painter.end();
}

}  // namespace pelmora::gui
