// The corpus overview driven as a user would: Ctrl+Shift+O fills the table from the open text's
// folder (the open text as it stands in the window), the table sorts numbers as numbers with the
// totals last, a double-click opens a text, a bar opens the concordance; the status line follows
// the open text's progress.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "commands/overviewcommands.h"
#include "form/pelmoraformview.h"
#include "guitestsupport.h"
#include "search/tokenwalk.h"
#include "ui_pelmoraformview.h"
#include "views/concordancedock.h"
#include "views/overviewcharts.h"
#include "views/overviewdock.h"
#include "views/textview.h"
#include "windowharness.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QTableView>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// The open text: three words to annotate, one of them annotated, and a full stop.
const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp><keelejuht id="K1">Mari</keelejuht></info><sisu id="t">
<lause id="l1"><sone id="l1_s1" lemma="kala" liik="S">Kala</sone><sone id="l1_s2">ujub</sone><sone id="l1_s3">vee</sone><sone id="l1_s4" meta="kirjavahemärk">.</sone></lause>
</sisu></pelmora>
)";

// Ten tokens "vesi", the first five annotated.
QByteArray tenTokens()
{
    QByteArray sentence;
    for (int i = 1; i <= 10; ++i)
        sentence += "<sone id=\"l1_s" + QByteArray::number(i) + "\"" + (i <= 5 ? " lemma=\"vesi\" liik=\"S\"" : "") +
                    ">vesi</sone>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"m\"><lause id=\"l1\">" + sentence +
           "</lause></sisu></pelmora>";
}

// Two tokens, one with a reason not to annotate it.
const QByteArray kThird = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><sisu id="k"><lause id="l1"><sone id="l1_s1" lemma="a">a</sone><sone id="l1_s2" meta="nimi">Riga</sone></lause></sisu></pelmora>
)";

struct Workbench : test::WindowHarness {
    Workbench()
    {
        test::writeFile(path("teine.xml"), tenTokens());
        test::writeFile(path("kolmas.xml"), kThird);
        start(kText, "SuggestionType=2\nTamberlin=0\n");
    }
    OverviewDock& dock() { return frame().overview().dock(); }
    QTableView& table() { return *dock().table(); }
    // The shown column, top to bottom.
    QStringList column(int column)
    {
        QStringList values;
        for (int row = 0; row < table().model()->rowCount(); ++row)
            values << table().model()->index(row, column).data().toString();
        return values;
    }
    void pressCtrlShiftO()
    {
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QTest::keyClick(&frame(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(dock().isVisible());
        QVERIFY(QTest::qWaitFor([this] { return !dock().isRunning(); }, 10000));
    }
    QBarSet& bars(OverviewCharts::Chart chart)
    {
        auto* series = qobject_cast<QHorizontalBarSeries*>(dock().charts().view(chart)->chart()->series().value(0));
        return *series->barSets().value(0);
    }
};

}  // namespace

class OverviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ctrlShiftOCountsTheFolderWithTheOpenTextAsItStands();
    void numbersSortAsNumbersWithTheTotalsLast();
    void doubleClickOpensATextAfterTheSaveQuestion();
    void barsShowTheirConcordance();
    void statusLineFollowsTheRememberedTokens();
    void savingReadsTheShownOverviewAgain();
    void greySettingQuietsTheAnnotatedTokens();
};

void OverviewTest::ctrlShiftOCountsTheFolderWithTheOpenTextAsItStands()
{
    Workbench bench;
    // An unsaved lemma counts.
    bench.doc().setLemma(findTokenById(bench.doc(), "l1_s2"), "ujuma");
    bench.pressCtrlShiftO();
    QCOMPARE(bench.column(OverviewModel::File),
             (QStringList{"kolmas.xml", "teine.xml", "tekst.xml *", "Kokku (3 teksti)"}));
    QCOMPARE(bench.column(OverviewModel::Type), (QStringList{"", "", "suuline", ""}));
    QCOMPARE(bench.column(OverviewModel::Speakers), (QStringList{"", "", "Mari", ""}));
    QCOMPARE(bench.column(OverviewModel::Tokens), (QStringList{"2", "10", "3", "15"}));
    QCOMPARE(bench.column(OverviewModel::ToAnnotate), (QStringList{"1", "10", "3", "14"}));
    QCOMPARE(bench.column(OverviewModel::Annotated), (QStringList{"1", "5", "2", "8"}));
    QCOMPARE(bench.column(OverviewModel::Share), (QStringList{"100%", "50%", "66%", "57%"}));
    // The dictionary beside the texts is no text: left out and said so.
    QVERIFY2(bench.dock().statusLabel()->text().contains("vahele jäetud 1 faili"), qPrintable(bench.dock().statusLabel()->text()));
    QCOMPARE(bench.dock().charts().figures(OverviewCharts::UnannotatedForms),
             (std::vector<std::pair<QString, double>>{{"vesi", 5}, {"vee", 1}}));

    // The table goes out as TSV, with full paths and the share as a fraction.
    const QStringList lines = bench.dock().tableTsv().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[2].section('\t', 0, 0), bench.path("teine.xml"));
    QCOMPARE(lines[4].section('\t', 4, 7), QString("15\t14\t8\t0.5714"));
    // Each chart saves as PNG and SVG.
    for (const char* name : {"osa.png", "osa.svg"}) {
        QVERIFY(bench.dock().charts().save(OverviewCharts::Shares, bench.path(name)));
        QVERIFY(QFileInfo(bench.path(name)).size() > 100);
    }
    QVERIFY(test::readFile(bench.path("osa.svg")).contains("<svg"));
}

void OverviewTest::numbersSortAsNumbersWithTheTotalsLast()
{
    Workbench bench;
    bench.pressCtrlShiftO();
    bench.table().sortByColumn(OverviewModel::Tokens, Qt::AscendingOrder);
    QCOMPARE(bench.column(OverviewModel::Tokens), (QStringList{"2", "3", "10", "15"}));
    bench.table().sortByColumn(OverviewModel::Tokens, Qt::DescendingOrder);
    QCOMPARE(bench.column(OverviewModel::Tokens), (QStringList{"10", "3", "2", "15"}));
    bench.table().sortByColumn(OverviewModel::Share, Qt::AscendingOrder);
    QCOMPARE(bench.column(OverviewModel::File),
             (QStringList{"tekst.xml *", "teine.xml", "kolmas.xml", "Kokku (3 teksti)"}));
}

void OverviewTest::doubleClickOpensATextAfterTheSaveQuestion()
{
    Workbench bench;
    bench.doc().setLemma(findTokenById(bench.doc(), "l1_s2"), "ujuma");
    bench.pressCtrlShiftO();
    QStringList asked;
    bench.frame().setSaveQuestion([&](const QString& name) {
        asked << name;
        return QMessageBox::No;
    });
    const QRect cell = bench.table().visualRect(bench.table().model()->index(1, OverviewModel::File));
    QTest::mouseClick(bench.table().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(bench.table().viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(asked, QStringList{"tekst.xml"});
    QCOMPARE(bench.frame().documentPath(), bench.path("teine.xml"));
}

void OverviewTest::barsShowTheirConcordance()
{
    Workbench bench;
    bench.pressCtrlShiftO();
    // The top bar of the word forms is "vesi": its tokens without an analysis and with one.
    QBarSet& forms = bench.bars(OverviewCharts::UnannotatedForms);
    Q_EMIT forms.clicked(forms.count() - 1);
    ConcordanceDock& concordance = bench.frame().concordance();
    QVERIFY(concordance.isVisible());
    QVERIFY(QTest::qWaitFor([&] { return !concordance.isRunning(); }, 10000));
    QCOMPARE(concordance.model().rowCount(), 10);
    // A part of speech shows its annotated tokens: "S" has the most.
    QBarSet& kinds = bench.bars(OverviewCharts::PartsOfSpeech);
    Q_EMIT kinds.clicked(kinds.count() - 1);
    QVERIFY(QTest::qWaitFor([&] { return !concordance.isRunning(); }, 10000));
    QCOMPARE(concordance.model().rowCount(), 6);
}

void OverviewTest::statusLineFollowsTheRememberedTokens()
{
    Workbench bench;
    QLabel& progress = bench.frame().overview().progressLabel();
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.text(), QString("Märgendatud 1/3 (33%)"));
    bench.doc().setCurrentToken(findTokenById(bench.doc(), "l1_s2"));
    CPelmoraFormView& form = *bench.frame().formView();
    test::typeInto(*form.headwordEdit(), "ujuma");
    QTest::mouseClick(form.ui().rememberButton, Qt::LeftButton);
    QCOMPARE(progress.text(), QString("Märgendatud 2/3 (66%)"));
    QVERIFY(bench.doc().undo());
    QCOMPARE(progress.text(), QString("Märgendatud 1/3 (33%)"));
}

void OverviewTest::savingReadsTheShownOverviewAgain()
{
    Workbench bench;
    bench.pressCtrlShiftO();
    bench.doc().setLemma(findTokenById(bench.doc(), "l1_s2"), "ujuma");
    // The open text's row and the totals follow the window at once.
    QCOMPARE(bench.column(OverviewModel::Annotated), (QStringList{"1", "5", "2", "8"}));
    QVERIFY(bench.frame().saveText());
    QVERIFY(QTest::qWaitFor([&] { return !bench.dock().isRunning(); }, 10000));
    QCOMPARE(bench.column(OverviewModel::Annotated), (QStringList{"1", "5", "2", "8"}));
}

// With the setting, once the settings are applied, the annotated token "Kala" is drawn grey (nothing of it darker), while "vee",
// still to annotate, keeps its black; without it "Kala" is black too.
void OverviewTest::greySettingQuietsTheAnnotatedTokens()
{
    const auto darkest = [](bool quiet, const char* id) {
        Workbench bench;
        // As the settings dialog's OK leaves it.
        bench.app->settings().quietAnnotated = quiet ? 1 : 0;
        bench.frame().settingsChanged();
        bench.doc().setCurrentToken(findTokenById(bench.doc(), "l1_s2"));
        CTextView& text = bench.frame().textView();
        text.viewport()->repaint();
        const QImage image = text.viewport()->grab().toImage();
        const QRect box = text.tokenRect(findTokenById(bench.doc(), id)).intersected(image.rect());
        int least = 255;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                least = std::min(least, qGray(image.pixel(x, y)));
        return least;
    };
    QVERIFY(darkest(true, "l1_s1") >= 150);
    QVERIFY(darkest(true, "l1_s3") < 100);
    QVERIFY(darkest(false, "l1_s1") < 100);
}

QTEST_MAIN(OverviewTest)
#include "overview_test.moc"
