// The information strip: background, the current token in red from the left margin, its height.
#include "views/textview.h"
#include "views/wordinfoview.h"

#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const char* const kText =
    "<pelmora><sisu>"
    "<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"vȱlda\">MMM</sone></lause>"
    "<lause id=\"l2\" koneleja=\"k1\"><sone id=\"l2_s1\" lk=\"3\" lemma=\"vȱlda\" tahendus=\"olema\" liik=\"V\" "
    "vorm=\"pers.ind.pr.sg.1.\" stiil=\"märkus\" lati=\"būt\" ingl=\"be\" kommentaar=\"vrd\">um</sone></lause>"
    "</sisu></pelmora>";

bool isRed(QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

// The leftmost column holding a red pixel, or -1.
int firstRedColumn(const QImage& image)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isRed(image.pixelColor(x, y)))
                return x;
    return -1;
}

}  // namespace

class WordInfoViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheCurrentTokenInRedFromTheMargin()
    {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        QVERIFY(doc.openFromBuffer(kText, "t.xml"));
        Settings settings;
        CWordInfoView strip(doc, settings);
        strip.resize(700, strip.sizeHint().height());
        strip.show();
        QCoreApplication::processEvents();

        QImage image = strip.grab().toImage();
        // Expected: the background colour at the edges, the token (no speaker, no page) red from x = 10.
        QCOMPARE(image.pixelColor(1, 1), QColor(230, 240, 250));
        const int red = firstRedColumn(image);
        QVERIFY2(red >= 10 && red <= 13, qPrintable(QString::number(red)));

        // With speaker and page in front the token moves right; the strip follows the document.
        QVERIFY(doc.goToNextToken());
        QCoreApplication::processEvents();
        image = strip.grab().toImage();
        QVERIFY(firstRedColumn(image) > 30);
        if (!qEnvironmentVariableIsEmpty("PELMORA_SCREENSHOTS"))
            image.save(qEnvironmentVariable("PELMORA_SCREENSHOTS") + QStringLiteral("/strip.png"));

        // Without a text only the background is left.
        doc.closeDocument();
        doc.updateAllViews();
        QCoreApplication::processEvents();
        QCOMPARE(firstRedColumn(strip.grab().toImage()), -1);
    }

    void heightFitsTheFont()
    {
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        Settings settings;
        CWordInfoView strip(doc, settings);
        settings.largeFonts = 1;
        CWordInfoView large(doc, settings);
        // Expected: at least the 30 pixels of the frame's row, more for the large fonts if needed.
        QVERIFY(strip.sizeHint().height() >= 30);
        QVERIFY(large.sizeHint().height() >= strip.sizeHint().height());
        QVERIFY(large.sizeHint().height() >= 10 + QFontMetrics(QFont(QStringLiteral("Arial"), 12)).height());
    }

    void screenshotOfTheRunningText()
    {
        // Not a check: a picture for whoever looks at the panes (PELMORA_SCREENSHOTS=folder).
        if (qEnvironmentVariableIsEmpty("PELMORA_SCREENSHOTS"))
            QSKIP("no screenshot folder");
        RecordingPrompter prompter;
        CPelmoraDoc doc(prompter);
        QVERIFY(doc.openDocument(PELMORA_SAMPLES "/kuolka.xml"));
        Settings settings;
        CTextView view(doc, settings);
        view.resize(420, 200);
        view.show();
        QVERIFY(doc.goToNextSentence());
        QVERIFY(doc.goToNextToken());
        SearchCriteria criteria;
        criteria.set(SearchField::Text, "Kuolkas");
        criteria.colour = {255, 255, 0};
        view.search().searchFromDialog(criteria, true, false, SearchDirection::FromStart);
        QCoreApplication::processEvents();
        view.grab().save(qEnvironmentVariable("PELMORA_SCREENSHOTS") + QStringLiteral("/text.png"));
    }
};

QTEST_MAIN(WordInfoViewTest)
#include "wordinfoview_test.moc"
