// The overview's page "Ebakõlad" driven as a user would: it fills from the folder (the open text
// as it stands in the window), an occurrence opens at its token, "Rakenda valitutele" changes the
// other file on disk and the open text in one undo step after a preview, and a file changed on
// disk since it was read is left alone and reported.
#include "app/mainframe.h"
#include "commands/overviewcommands.h"
#include "guitestsupport.h"
#include "search/tokenwalk.h"
#include "views/inconsistencyview.h"
#include "views/overviewdock.h"
#include "windowharness.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <set>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

QByteArray text(const QByteArray& id, const QByteArray& tokens)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"" + id + "\"><lause id=\"l1\">" + tokens +
           "</lause></sisu></pelmora>\n";
}

// The open text: "kala" once as the others have it, once otherwise, and "vesi" still to annotate.
const QByteArray kOpen = text("t", R"(<sone id="l1_s1" lemma="kala" vorm="sg.nom." liik="S">Kala</sone>)"
                                   R"(<sone id="l1_s2" lemma="kalu">kala</sone><sone id="l1_s3">vesi</sone>)");
const QByteArray kSecond = text("m", R"(<sone id="l1_s1" lemma="kalu">kala</sone><sone id="l1_s2">ja</sone>)"
                                     R"(<sone id="l1_s3" lemma="kalu">kala</sone>)");
const QByteArray kThird = text("k", R"(<sone id="l1_s1" lemma="kalu">kala</sone>)");

struct Workbench : test::WindowHarness {
    Workbench()
    {
        test::writeFile(path("teine.xml"), kSecond);
        test::writeFile(path("kolmas.xml"), kThird);
        start(kOpen, "SuggestionType=2\nTamberlin=0\n");
    }
    OverviewDock& dock() { return frame().overview().dock(); }
    InconsistencyView& view() { return dock().inconsistencies(); }
    void showInconsistencies()
    {
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QTest::keyClick(&frame(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QTest::qWaitFor([this] { return !dock().isRunning(); }, 20000));
        QTest::keyClick(dock().pages(), Qt::Key_B, Qt::AltModifier);  // "E&bakõlad"
        QCOMPARE(dock().pages()->currentWidget(), &view());
        view().kindCombo()->setCurrentIndex(1);  // "Eri analüüsid"
    }
    // The shown values of a table's column, top to bottom.
    static QStringList column(const QTableView& table, int column)
    {
        QStringList values;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            values << table.model()->index(row, column).data().toString();
        return values;
    }
    void waitForOccurrences(int rows)
    {
        QVERIFY(QTest::qWaitFor(
            [&] { return !view().isReadingOccurrences() && view().occurrenceTable()->model()->rowCount() == rows; },
            10000));
    }
};

}  // namespace

class InconsistencyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageFillsAndAnOccurrenceOpensAtItsToken();
    void applyingChangesTheOtherFileAndTheOpenTextInOneUndoStepAndSkipsAChangedFile();
    void openTextsRowFollowsTheRememberedTokens();
    void mnemonicsOfTheDockDoNotClash();
};

void InconsistencyTest::pageFillsAndAnOccurrenceOpensAtItsToken()
{
    Workbench bench;
    bench.showInconsistencies();
    // Expected: one group "kala" of five tokens: four "kalu" (80%), one "kala sg.nom. (S)".
    QTableView& groups = *bench.view().groupTable();
    QCOMPARE(Workbench::column(groups, InconsistencyGroupModel::Form), QStringList{"kala"});
    QCOMPARE(Workbench::column(groups, InconsistencyGroupModel::Tokens), QStringList{"5"});
    QCOMPARE(Workbench::column(groups, InconsistencyGroupModel::Analyses),
             QStringList{"kalu 4 (80%) · kala sg.nom. (S) 1 (20%)"});
    QCOMPARE(Workbench::column(*bench.view().analysisTable(), 3), (QStringList{"4", "1"}));
    bench.waitForOccurrences(5);
    QTableView& occurrences = *bench.view().occurrenceTable();
    QCOMPARE(Workbench::column(occurrences, InconsistencyView::File).count("tekst.xml *"), 2);
    QVERIFY(Workbench::column(occurrences, InconsistencyView::Right).contains("ja kala"));

    // Enter on the open text's second "kala" makes it the current token.
    const int row = static_cast<int>(Workbench::column(occurrences, InconsistencyView::Left).indexOf("Kala"));
    QVERIFY(row >= 0);
    occurrences.setCurrentIndex(occurrences.model()->index(row, 0));
    occurrences.setFocus();
    QTest::keyClick(&occurrences, Qt::Key_Return);
    QCOMPARE(attributeValue(bench.doc().currentToken(), "id"), std::string_view("l1_s2"));
}

void InconsistencyTest::applyingChangesTheOtherFileAndTheOpenTextInOneUndoStepAndSkipsAChangedFile()
{
    Workbench bench;
    bench.showInconsistencies();
    bench.waitForOccurrences(5);
    // "kolmas.xml" changes on disk after it was read.
    const QByteArray changed = text("k", R"(<sone id="l1_s1" lemma="kalu" tahendus="uus">kala</sone>)");
    test::writeFile(bench.path("kolmas.xml"), changed);
    const QByteArray openOnDisk = test::readFile(bench.path("tekst.xml"));
    const std::size_t steps = bench.doc().undoCount();

    bench.view().analysisTable()->selectRow(1);  // "kala sg.nom. (S)"
    bench.view().occurrenceTable()->selectAll();
    bench.prompter.queueAnswer(true);
    QVERIFY(bench.view().applyButton()->isEnabled());
    // "Ra&kenda valitutele" from the keyboard, the dock's mnemonic before the form's.
    bench.view().occurrenceTable()->setFocus();
    QTest::keyClick(bench.view().occurrenceTable(), Qt::Key_K, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return !bench.dock().isRunning(); }, 20000));

    // Expected: the preview asked about three tokens in two files, naming the changed file.
    const QStringList messages = bench.messages();
    QVERIFY2(messages.size() >= 2, qPrintable(messages.join("\n---\n")));
    const QString question = messages[messages.size() - 2];
    QVERIFY2(question.startsWith("Rakendan analüüsi „kala sg.nom. (S)“ 3 sõnele 2 failis."), qPrintable(question));
    QVERIFY2(question.contains("kolmas.xml on pärast lugemist muutunud."), qPrintable(question));
    const QString report = messages.back();
    QVERIFY2(report.startsWith("Muudetud 3 sõnet 2 failis."), qPrintable(report));
    QVERIFY2(report.contains("Vahele jäetud:\nFail " + bench.path("kolmas.xml") + " on pärast lugemist muutunud."),
             qPrintable(report));
    // The other file holds the analysis; the changed file and the open text's file are as they were.
    const QByteArray second = test::readFile(bench.path("teine.xml"));
    QCOMPARE(second.count("lemma=\"kala\" vorm=\"sg.nom.\" liik=\"S\""), 2);
    QCOMPARE(test::readFile(bench.path("kolmas.xml")), changed);
    QCOMPARE(test::readFile(bench.path("tekst.xml")), openOnDisk);
    // The open text changed in the window, as one step that undo takes back.
    const XmlNode token = findTokenById(bench.doc(), "l1_s2");
    QCOMPARE(attributeValue(token, "lemma"), std::string_view("kala"));
    QCOMPARE(attributeValue(token, "vorm"), std::string_view("sg.nom."));
    QCOMPARE(bench.doc().undoCount(), steps + 1);
    QVERIFY(bench.doc().undo());
    QCOMPARE(attributeValue(findTokenById(bench.doc(), "l1_s2"), "lemma"), std::string_view("kalu"));
}

void InconsistencyTest::openTextsRowFollowsTheRememberedTokens()
{
    Workbench bench;
    bench.showInconsistencies();
    QTableView& table = *bench.dock().table();
    const auto annotated = [&] { return Workbench::column(table, OverviewModel::Annotated); };
    const int open = static_cast<int>(Workbench::column(table, OverviewModel::File).indexOf("tekst.xml *"));
    QVERIFY(open >= 0);
    const QStringList before = annotated();
    // A lemma given in the window counts at once, in the row and in the totals.
    bench.doc().setLemma(findTokenById(bench.doc(), "l1_s3"), "vesi");
    QCOMPARE(annotated()[open].toInt(), before[open].toInt() + 1);
    QCOMPARE(annotated().back().toInt(), before.back().toInt() + 1);
}

void InconsistencyTest::mnemonicsOfTheDockDoNotClash()
{
    Workbench bench;
    bench.showInconsistencies();
    QStringList texts;
    for (const QAbstractButton* button : bench.dock().findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : bench.dock().findChildren<QLabel*>())
        if (label->buddy())
            texts << label->text();
    for (int tab = 0; tab < bench.dock().pages()->count(); ++tab)
        texts << bench.dock().pages()->tabText(tab);
    std::set<QChar> letters;
    static const QRegularExpression mnemonic("&([^&])");
    for (const QString& text : texts) {
        const QRegularExpressionMatch match = mnemonic.match(text);
        if (!match.hasMatch())
            continue;
        const QChar letter = match.captured(1).at(0).toLower();
        QVERIFY2(letters.insert(letter).second, qPrintable("clash on " + QString(letter) + " in " + text));
    }
    QVERIFY(letters.size() >= 15);
}

QTEST_MAIN(InconsistencyTest)
#include "inconsistency_test.moc"
