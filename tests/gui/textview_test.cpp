// The running text driven as a user would: layout, clicks, scrolling, colours, tips, printing.
#include "app/qtstrings.h"
#include "search/tokenwalk.h"
#include "views/textview.h"
#include "text/editing.h"

#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QScreen>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// A text of `sentences` sentences of `tokens` tokens each; token texts "w<s>_<t>".
std::string makeText(int sentences, int tokens, const std::string& extraToken = {})
{
    std::string xml = "<pelmora><sisu id=\"t\">";
    for (int s = 1; s <= sentences; ++s) {
        xml += "<lause id=\"l" + std::to_string(s) + "\" koneleja=\"k1\">";
        for (int t = 1; t <= tokens; ++t)
            xml += "<sone id=\"l" + std::to_string(s) + "_s" + std::to_string(t) + "\" lemma=\"lem" + std::to_string(t)
                   + "\">w" + std::to_string(s) + "_" + std::to_string(t) + "</sone>";
        if (s == 1)
            xml += extraToken;
        xml += "</lause>";
    }
    return xml + "</sisu></pelmora>";
}

std::vector<XmlNode> tokensOf(const CPelmoraDoc& doc)
{
    std::vector<XmlNode> tokens;
    forEachToken(doc, [&](XmlNode t) { tokens.push_back(t); });
    return tokens;
}

// Counts the pixels of a colour inside a rectangle of an image; text is smoothed, so its edges
// only come near the colour.
int countPixels(const QImage& image, const QRect& rect, QColor colour, int tolerance = 40)
{
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance
                && std::abs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}

struct Fixture {
    explicit Fixture(const std::string& xml, Settings settings = {}, QSize size = {400, 300})
    {
        if (!doc.openFromBuffer(xml, "t.xml"))
            qFatal("the test text does not open");
        view = std::make_unique<CTextView>(doc, settings);
        view->resize(size);
        view->show();
        QCoreApplication::processEvents();
        view->ensureLayout();
        QCoreApplication::processEvents();
        prompter.clear();
    }
    QImage grab() const { return view->viewport()->grab().toImage(); }
    // The token's box in viewport coordinates.
    QRect visibleRect(XmlNode token) const
    {
        return view->tokenRect(token).translated(0, -view->verticalScrollBar()->value());
    }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
    std::unique_ptr<CTextView> view;
};

}  // namespace

class TextViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everySentenceStartsANewLineOneAndAHalfLinesDown()
    {
        Fixture f(makeText(3, 2));
        const auto tokens = tokensOf(f.doc);
        const int h = f.view->lineHeight();
        QVERIFY(h > 0);
        // Expected: the first line at int(1.5 h), each sentence int(1.5 h) below the last line of
        // the one before, tokens of a sentence side by side.
        QCOMPARE(f.view->tokenRect(tokens[0]).top(), h * 3 / 2);
        QCOMPARE(f.view->tokenRect(tokens[0]).left(), 0);
        QCOMPARE(f.view->tokenRect(tokens[1]).top(), h * 3 / 2);
        QCOMPARE(f.view->tokenRect(tokens[1]).left(), f.view->tokenRect(tokens[0]).right() + 1);
        QCOMPARE(f.view->tokenRect(tokens[2]).top(), 2 * (h * 3 / 2));
        QCOMPARE(f.view->tokenRect(tokens[2]).left(), 0);
        QCOMPARE(f.view->tokenRect(tokens[4]).top(), 3 * (h * 3 / 2));
        QCOMPARE(f.view->contentHeight(), 3 * (h * 3 / 2) + h);
    }

    void aTokenWiderThanTheViewStandsAloneOnItsLine()
    {
        const std::string wide = "<sone id=\"l1_s9\">" + std::string(200, 'M') + "</sone><sone id=\"l1_s10\">x</sone>";
        Fixture f(makeText(1, 2, wide), {}, {300, 300});
        const auto tokens = tokensOf(f.doc);
        const int h = f.view->lineHeight();
        const QRect wideBox = f.view->tokenRect(tokens[2]);
        // Expected: the wide token is not broken, starts its own line, and the next one follows below.
        QVERIFY(wideBox.width() > f.view->viewport()->width());
        QCOMPARE(wideBox.left(), 0);
        QCOMPARE(wideBox.top(), h * 3 / 2 + h);
        QCOMPARE(f.view->tokenRect(tokens[3]).left(), 0);
        QCOMPARE(f.view->tokenRect(tokens[3]).top(), wideBox.top() + h);
    }

    void widthChangeReflowsWithoutMeasuring()
    {
        Fixture f(makeText(2, 40), {}, {600, 300});
        const std::size_t measured = f.view->measuredTokenCount();
        const std::size_t flows = f.view->flowCount();
        const int height = f.view->contentHeight();
        QCOMPARE(measured, std::size_t(80));
        f.view->resize(250, 300);
        QCoreApplication::processEvents();
        f.view->ensureLayout();
        // Expected: more lines, one more flow, nothing measured again.
        QVERIFY(f.view->contentHeight() > height);
        QVERIFY(f.view->flowCount() > flows);
        QCOMPARE(f.view->measuredTokenCount(), measured);
        for (XmlNode token : tokensOf(f.doc)) {
            const QRect box = f.view->tokenRect(token);
            QVERIFY(box.left() == 0 || box.right() < f.view->viewport()->width());
        }
    }

    void movingTheCurrentTokenMeasuresNothing()
    {
        Fixture f(makeText(20, 10));
        const std::size_t measured = f.view->measuredTokenCount();
        const std::size_t flows = f.view->flowCount();
        for (int i = 0; i < 50; ++i) {
            QVERIFY(f.doc.goToNextToken());
            QCoreApplication::processEvents();
        }
        QCOMPARE(f.view->measuredTokenCount(), measured);
        QCOMPARE(f.view->flowCount(), flows);
    }

    void aStyleOrMetaChangeMeasuresAgain()
    {
        Fixture f("<pelmora><sisu><lause><sone>mmmmmmmm</sone><sone>b</sone></lause></sisu></pelmora>");
        const auto tokens = tokensOf(f.doc);
        const int width = f.view->tokenRect(tokens[0]).width();
        const std::size_t measured = f.view->measuredTokenCount();
        f.doc.setMeta(tokens[0], "muu");
        f.doc.updateAllViews();
        // Expected: the token is measured again in the italic font.
        QVERIFY(f.view->measuredTokenCount() > measured);
        f.doc.setStyle(tokens[0], "pealkiri");
        f.doc.updateAllViews();
        QVERIFY2(f.view->tokenRect(tokens[0]).width() != width, qPrintable(QString::number(width)));
    }

    void aLookChangeMeasuresOnlyItsTokenAndFlowsLikeAFreshLayout_data()
    {
        QTest::addColumn<int>("token");      // index of the changed token
        QTest::addColumn<QString>("style");  // its new style ("" removes it)
        QTest::addColumn<QString>("meta");
        QTest::newRow("heading widens a word and adds lines") << 13 << "pealkiri" << "";
        QTest::newRow("foreign word in italics") << 3 << "" << "muukeelne";
        QTest::newRow("last token of the text") << 59 << "pealkiri" << "";
        QTest::newRow("first token, back to plain") << 0 << "" << "";
    }

    void aLookChangeMeasuresOnlyItsTokenAndFlowsLikeAFreshLayout()
    {
        QFETCH(int, token);
        QFETCH(QString, style);
        QFETCH(QString, meta);
        Fixture f(makeText(3, 20), {}, {300, 1000});  // tall enough for no scroll bar
        const auto tokens = tokensOf(f.doc);
        const std::size_t measured = f.view->measuredTokenCount();
        f.doc.setStyle(tokens[static_cast<std::size_t>(token)], style.toStdString());
        f.doc.setMeta(tokens[static_cast<std::size_t>(token)], meta.toStdString());
        f.doc.updateAllViews();
        // Expected: at most the token itself measured again (once per change) ...
        QVERIFY(f.view->measuredTokenCount() - measured <= 2);
        // ... and every box where a view laid out from scratch puts it.
        CTextView fresh(f.doc, Settings{});
        fresh.resize(f.view->size());
        fresh.show();
        QCoreApplication::processEvents();
        fresh.ensureLayout();
        QCOMPARE(fresh.viewport()->width(), f.view->viewport()->width());
        for (XmlNode t : tokens)
            QCOMPARE(f.view->tokenRect(t), fresh.tokenRect(t));
        QCOMPARE(f.view->contentHeight(), fresh.contentHeight());
    }

    void clickMakesTheTokenCurrentAndTakesFocus()
    {
        Fixture f(makeText(3, 3));
        const auto tokens = tokensOf(f.doc);
        f.view->clearFocus();
        QVERIFY(!f.view->hasFocus());
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.visibleRect(tokens[4]).center());
        QCOMPARE(f.doc.currentToken(), tokens[4]);
        QVERIFY(f.view->hasFocus());
        // A click beside every token changes nothing.
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, QPoint(390, 290));
        QCOMPARE(f.doc.currentToken(), tokens[4]);
    }

    void clickDuringACombinationSelectionKeepsTheCurrentToken()
    {
        Fixture f(makeText(2, 3));
        const auto tokens = tokensOf(f.doc);
        f.doc.setCombinationSelectionCheck([] { return true; });
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.visibleRect(tokens[2]).center());
        QCOMPARE(f.doc.currentToken(), tokens[0]);
        QCOMPARE(f.prompter.lastText(), std::string("Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta"));
    }

    void theViewFollowsTheCurrentToken()
    {
        Fixture f(makeText(60, 3), {}, {300, 120});
        const auto tokens = tokensOf(f.doc);
        QScrollBar* bar = f.view->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        const int visible = f.view->viewport()->height();

        // Expected: below the view, it scrolls just far enough that the box's bottom is the last line.
        QVERIFY(f.doc.goToLastToken());
        const QRect last = f.view->tokenRect(tokens.back());
        QCOMPARE(bar->value(), last.bottom() + 1 - visible);

        // Expected: a visible box causes no scrolling.
        const int before = bar->value();
        QVERIFY(f.doc.goToPreviousToken());
        QCOMPARE(bar->value(), before);

        // Expected: above the view, its top becomes the first visible line.
        QVERIFY(f.doc.setCurrentToken(tokens[30]));
        QCOMPARE(bar->value(), f.view->tokenRect(tokens[30]).top());
        QVERIFY(f.doc.goToFirstToken());
        QCOMPARE(bar->value(), f.view->tokenRect(tokens[0]).top());
    }

    void theFirstCurrentTokenLosesItsRedOnTheFirstMove()
    {
        Fixture f(makeText(1, 3));
        const auto tokens = tokensOf(f.doc);
        QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
        f.doc.goToNextToken();
        QCoreApplication::processEvents();
        // What the screen shows, not a fresh rendering: the old box must have been repainted.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(f.view->winId()).toImage();
        const QPoint offset = f.view->viewport()->mapTo(f.view.get(), QPoint(0, 0));
        QVERIFY(countPixels(screen, f.visibleRect(tokens[1]).translated(offset), QColor(255, 0, 0)) > 5);
        QCOMPARE(countPixels(screen, f.visibleRect(tokens[0]).translated(offset), QColor(255, 0, 0)), 0);
    }

    void currentTokenIsRedAndMarkingColoursTheBackground()
    {
        Fixture f(makeText(2, 3));
        const auto tokens = tokensOf(f.doc);
        QImage image = f.grab();
        // Expected: the current token has red text, the others none.
        QVERIFY(countPixels(image, f.visibleRect(tokens[0]), QColor(255, 0, 0)) > 5);
        QCOMPARE(countPixels(image, f.visibleRect(tokens[1]), QColor(255, 0, 0)), 0);

        SearchCriteria criteria;
        criteria.set(SearchField::Lemma, "lem2");
        criteria.colour = {100, 200, 50};
        f.view->search().searchFromDialog(criteria, true, false, SearchDirection::FromStart);
        QCoreApplication::processEvents();
        image = f.grab();
        // Expected: both tokens with lemma "lem2" on the marking colour, the others white.
        QVERIFY(countPixels(image, f.visibleRect(tokens[1]), QColor(100, 200, 50)) > 20);
        QVERIFY(countPixels(image, f.visibleRect(tokens[4]), QColor(100, 200, 50)) > 20);
        QCOMPARE(countPixels(image, f.visibleRect(tokens[2]), QColor(100, 200, 50)), 0);

        // Moving on repaints the old and the new current token.
        QVERIFY(f.doc.goToNextToken());
        QCoreApplication::processEvents();
        image = f.grab();
        QCOMPARE(countPixels(image, f.visibleRect(tokens[0]), QColor(255, 0, 0)), 0);
        QVERIFY(countPixels(image, f.visibleRect(tokens[1]), QColor(255, 0, 0)) > 5);

        // Clearing the searches removes every background at once.
        f.view->search().clearSearches();
        QCoreApplication::processEvents();
        image = f.grab();
        QCOMPARE(countPixels(image, image.rect(), QColor(100, 200, 50)), 0);
    }

    void untaggedTokensAreDarkBlueUnlessDraftFonts()
    {
        const std::string xml =
            "<pelmora><sisu><lause><sone>a</sone><sone meta=\"muu\" stiil=\"pealkiri\">MMMM</sone></lause></sisu></pelmora>";
        {
            Fixture f(xml);
            const auto tokens = tokensOf(f.doc);
            QVERIFY(countPixels(f.grab(), f.visibleRect(tokens[1]), QColor(0, 0, 128)) > 5);
        }
        Settings draft;
        draft.draftFonts = 1;
        Fixture f(xml, draft);
        const auto tokens = tokensOf(f.doc);
        Fixture plain("<pelmora><sisu><lause><sone>a</sone><sone>MMMM</sone></lause></sisu></pelmora>", draft);
        // Expected: a heading of untagged text looks like an ordinary token: black, same width.
        QCOMPARE(countPixels(f.grab(), f.visibleRect(tokens[1]), QColor(0, 0, 128)), 0);
        QCOMPARE(f.view->tokenRect(tokens[1]), plain.view->tokenRect(tokensOf(plain.doc)[1]));
        // The current token is still red.
        QVERIFY(f.doc.setCurrentToken(tokens[1]));
        QCoreApplication::processEvents();
        QVERIFY(countPixels(f.grab(), f.visibleRect(tokens[1]), QColor(255, 0, 0)) > 5);
    }

    void smallAndBoldTokensStandOnTheLinesBaseLine()
    {
        // The current (red) token stands in a sentence of its own; the line checked is all black.
        Fixture f("<pelmora><sisu><lause><sone>x</sone></lause><lause><sone>mmm</sone>"
                  "<sone stiil=\"märkus\">mmm</sone><sone stiil=\"pealkiri\">mmm</sone></lause></sisu></pelmora>");
        const auto tokens = tokensOf(f.doc);
        const QImage image = f.grab();
        // The lowest row with ink in a box: letters without descenders end on the base line.
        auto lowestInk = [&](XmlNode token) {
            const QRect box = f.visibleRect(token);
            for (int y = box.bottom(); y >= box.top(); --y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (image.pixelColor(x, y).lightness() < 128)
                        return y;
            return -1;
        };
        const int normal = lowestInk(tokens[1]);
        QVERIFY(normal > 0);
        QCOMPARE(lowestInk(tokens[2]), normal);
        QCOMPARE(lowestInk(tokens[3]), normal);
    }

    void toolTipShowsTheTokensAnalysis()
    {
        Fixture f("<pelmora><sisu><lause><sone lemma=\"vȱlda\" tahendus=\"olema\" liik=\"V\">um</sone></lause></sisu></pelmora>");
        const QPoint point = f.visibleRect(tokensOf(f.doc)[0]).center();
        QHelpEvent help(QEvent::ToolTip, point, f.view->viewport()->mapToGlobal(point));
        QCoreApplication::sendEvent(f.view->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("vȱlda 'olema' _ V"));
        QToolTip::hideText();
    }

    void removedTokensLeaveNoBoxBehind()
    {
        Fixture f(makeText(3, 3));
        auto tokens = tokensOf(f.doc);
        QVERIFY(f.doc.setCurrentToken(tokens[4]));
        f.prompter.setDefaultAnswer(true);
        QVERIFY(deleteToken(f.doc));
        QCoreApplication::processEvents();
        tokens = tokensOf(f.doc);
        QCOMPARE(tokens.size(), std::size_t(8));
        for (XmlNode token : tokens)
            QVERIFY(!f.view->tokenRect(token).isEmpty());
        // Closing the text leaves an empty view.
        f.doc.closeDocument();
        f.doc.updateAllViews();
        QCoreApplication::processEvents();
        QCOMPARE(f.view->contentHeight(), 0);
    }

    void contextMenuOnlyWithACurrentToken()
    {
        Fixture f(makeText(1, 2));
        QAction copy(QStringLiteral("Kopeeri sõne"));
        QAction sentence(QStringLiteral("Kopeeri lause"));
        QAction modify(QStringLiteral("Muuda sõnet ..."));
        f.view->setContextMenuActions({&copy, &sentence, nullptr, &modify});
        QStringList seen;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions())
                    seen << (a->isSeparator() ? QStringLiteral("-") : a->text());
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), f.view->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(f.view->viewport(), &event);
        QCOMPARE(seen, (QStringList{"Kopeeri sõne", "Kopeeri lause", "-", "Muuda sõnet ..."}));

        f.doc.closeDocument();
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                shown = true;
                popup->close();
            }
        });
        QCoreApplication::sendEvent(f.view->viewport(), &event);
        QCoreApplication::processEvents();
        QVERIFY(!shown);
    }

    // From the keyboard the menu opens at the current token, whatever the mouse does; from the
    // mouse at the pointer.
    void contextMenuOpensAtTheCurrentTokenFromTheKeyboard()
    {
        Fixture f(makeText(3, 4));
        QAction copy(QStringLiteral("Kopeeri sõne"));
        f.view->setContextMenuActions({&copy});
        const XmlNode token = CPelmoraDoc::nextToken(CPelmoraDoc::nextToken(f.doc.firstToken()));
        f.doc.setCurrentToken(token);
        f.view->ensureLayout();
        const QPoint tokenCorner = f.view->viewport()->mapToGlobal(f.visibleRect(token).bottomLeft());
        const QPoint far = f.view->viewport()->mapToGlobal(QPoint(300, 200));
        struct Case { QContextMenuEvent::Reason reason; QPoint expected; };
        for (const Case& c : {Case{QContextMenuEvent::Keyboard, tokenCorner}, Case{QContextMenuEvent::Mouse, far}}) {
            QPoint openedAt(-1, -1);
            QTimer::singleShot(0, [&] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    openedAt = popup->pos();
                    popup->close();
                }
            });
            QContextMenuEvent event(c.reason, f.view->viewport()->mapFromGlobal(far), far);
            QCoreApplication::sendEvent(f.view->viewport(), &event);
            QCOMPARE(openedAt, c.expected);
        }
    }

    void printingALongTextMakesSeveralWholePages()
    {
        Fixture f(makeText(400, 12));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("text.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        f.view->print(printer);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        const int pages = static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ")
                                           + pdf.count("/Type /Page>") + pdf.count("/Type /Page/"));
        // 400 sentences of one line each, 1.5 lines apart, at about 60 lines a page.
        QVERIFY2(pages >= 5 && pages <= 40, qPrintable(QString::number(pages)));
    }
};

QTEST_MAIN(TextViewTest)
#include "textview_test.moc"
