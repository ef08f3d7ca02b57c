// The concordance window driven as a user would: Ctrl+K on the form's headword, the running text's
// word form, the dictionary editor's button; sorting, filtering, cancelling and opening a hit.
#include "app/mainframe.h"
#include "annotation/combining.h"
#include "app/pelmoraapp.h"
#include "dialogs/dictionaryeditordialog.h"
#include "form/pelmoraformview.h"
#include "ui_pelmoraformview.h"
#include "guitestsupport.h"
#include "windowharness.h"
#include "views/concordancedock.h"
#include "search/tokenwalk.h"
#include "views/textview.h"
#include "text/editing.h"

#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// The open text: "kala" twice as a lemma, once as a bare word form.
const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><sisu id="t">
<lause id="l1"><sone id="l1_s1" lk="4" lemma="kala">Kalad</sone><sone id="l1_s2">ujuvad</sone><sone id="l1_s3">.</sone></lause>
<lause id="l2"><sone id="l2_s1">Suur</sone><sone id="l2_s2" lk="5" lemma="kala">kala</sone><sone id="l2_s3">kala</sone></lause>
</sisu></pelmora>
)";

// Another text of the folder: one more "kala", after an "Arg" that sorts first; the two make a
// combination.
const QByteArray kOther = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><sisu id="m">
<lause id="l1"><sone id="l1_s1" yhend="+">Arg</sone><sone id="l1_s2" lk="9" lemma="kala" vorm="sg.nom." yhend="+">kala</sone><yhend id="l1_s1_s2" ylemma="arg kala"/></lause>
</sisu></pelmora>
)";

struct Workbench : test::WindowHarness {
    Workbench()
    {
        test::writeFile(path("teine.xml"), kOther);
        test::writeFile(path("tyhi.xml"), "");
        start(kText, "SuggestionType=0\nTamberlin=0\n");
    }
    ConcordanceDock& dock() { return frame().concordance(); }
    QTableView& table() { return *dock().table(); }
    std::string currentId() { return CPelmoraDoc::attribute(app->doc().currentToken(), "id"); }
    // The shown column, top to bottom.
    QStringList column(int column)
    {
        QStringList values;
        for (int row = 0; row < dock().proxy().rowCount(); ++row)
            values << dock().proxy().index(row, column).data().toString();
        return values;
    }
    // Waits until the run has ended.
    bool finished() { return QTest::qWaitFor([this] { return !dock().isRunning(); }, 10000); }
    // The user presses Ctrl+K in the window.
    void pressCtrlK()
    {
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        // The form shows the token's headword once it has redrawn.
        QTRY_VERIFY(!frame().formView()->headwordEdit()->text().isEmpty());
        QTest::keyClick(&frame(), Qt::Key_K, Qt::ControlModifier);
    }
    void doubleClick(int row)
    {
        const QRect cell = table().visualRect(table().model()->index(row, ConcordanceModel::Token));
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, cell.center());
    }
};

}  // namespace

class ConcordanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ctrlKShowsTheHeadwordsLinesFromTheTextsFolder();
    void everyColumnStaysInViewAsTheWindowNarrows();
    void contextMenuSearchesTheWordFormByKey();
    void contextMenuOfACombinationWordSearchesTheCombination();
    void sortingByAColumnAndBackByTheLeftContext();
    void columnsSortInEstonianOrder_data();
    void columnsSortInEstonianOrder();
    void typingFilters();
    void copyTakesTheSelectedLines();
    void cancelKeepsWhatWasFound();
    void doubleClickOpensAnotherTextAfterTheSaveQuestion();
    void doubleClickInTheOpenTextKeepsItsChanges();
    void chosenFolderIsKeptInTheSettings();
    void dictionaryEditorShowsTheUsageOfItsPage();
};

void ConcordanceTest::ctrlKShowsTheHeadwordsLinesFromTheTextsFolder()
{
    Workbench bench;
    QVERIFY(bench.dock().isHidden());
    // The form's headword of the first token is "kala"; the button says what Ctrl+K does.
    QTRY_COMPARE(bench.frame().formView()->headwordEdit()->text(), QString("kala"));
    QCOMPARE(bench.frame().formView()->ui().showUsageButton->text(), QString("Näita kasutust ..."));
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    QVERIFY(bench.dock().isVisible());
    // Expected: the three lemma hits of the folder; the dictionary beside the texts and the empty
    // file are named and skipped.
    QCOMPARE(bench.dock().model().rowCount(), 3);
    QCOMPARE(bench.dock().findChild<QLabel*>("searchedLabel")->text(), QString("Lemma: kala"));
    QVERIFY2(bench.dock().statusLabel()->text().startsWith("Leitud 3 rida, vahele jäetud 2 faili"),
             qPrintable(bench.dock().statusLabel()->text()));
    QVERIFY(bench.dock().statusLabel()->toolTip().contains("Fail " + bench.path("tyhi.xml") + " on tühi."));
    QVERIFY(bench.dock().statusLabel()->toolTip().contains("Fail " + bench.path("sonastik.xml") +
                                                           " ei ole korpuse tekst."));
    // The files in name order: "teine.xml" before "tekst.xml".
    QCOMPARE(bench.column(ConcordanceModel::File), (QStringList{"teine.xml", "tekst.xml", "tekst.xml"}));
    QCOMPARE(bench.column(ConcordanceModel::Left), (QStringList{"Arg", "", "Suur"}));
    QCOMPARE(bench.column(ConcordanceModel::Right), (QStringList{"", "ujuvad.", "kala"}));
    QCOMPARE(bench.column(ConcordanceModel::Page), (QStringList{"9", "4", "5"}));
    QCOMPARE(bench.column(ConcordanceModel::Form), (QStringList{"sg.nom.", "", ""}));
}

void ConcordanceTest::everyColumnStaysInViewAsTheWindowNarrows()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    QHeaderView* header = bench.table().horizontalHeader();
    // down to the narrowest the window goes (the form decides that)
    const int narrowest = bench.frame().minimumSizeHint().width();
    for (const int width : {1400, 1100, narrowest}) {
        bench.frame().resize(width, 800);
        QTRY_COMPARE(bench.frame().width(), width);
        // Expected: the page column ends inside the table, and the contexts share the rest evenly.
        const int viewport = bench.table().viewport()->width();
        QVERIFY2(header->sectionViewportPosition(ConcordanceModel::Page) + header->sectionSize(ConcordanceModel::Page) <=
                     viewport,
                 qPrintable(QString("window %1: columns %2 px, table %3 px").arg(width).arg(header->length()).arg(viewport)));
        QVERIFY(std::abs(header->sectionSize(ConcordanceModel::Left) - header->sectionSize(ConcordanceModel::Right)) <= 1);
        QVERIFY(header->sectionSize(ConcordanceModel::Left) >= 100);
    }
}

void ConcordanceTest::contextMenuSearchesTheWordFormByKey()
{
    Workbench bench;
    bench.app->doc().goToLastToken();
    QAction* entry = nullptr;
    for (QAction* action : bench.frame().findChildren<QAction*>())
        if (action->text() == QString("Näita kasutust ...") && action->shortcuts().isEmpty())
            entry = action;
    QVERIFY(entry);
    entry->trigger();
    QVERIFY(bench.finished());
    // Expected: every "kala" of the folder by its text, whatever its lemma; "Kalad" is another form.
    QCOMPARE(bench.dock().findChild<QLabel*>("searchedLabel")->text(), QString("Sõnavorm: kala"));
    QCOMPARE(bench.column(ConcordanceModel::Token), (QStringList{"kala", "kala", "kala"}));
}

void ConcordanceTest::contextMenuOfACombinationWordSearchesTheCombination()
{
    Workbench bench;
    // The open text gets a combination of the same lemma as the other text's: "Suur kala".
    CombinationFields fields;
    fields.lemma = "arg kala";
    std::vector<XmlNode> words{findTokenById(bench.app->doc(), "l2_s1"), findTokenById(bench.app->doc(), "l2_s2")};
    QVERIFY(combineWords(bench.app->doc(), words, fields, nullptr, false));
    QVERIFY(bench.frame().saveText());  // the concordance reads the files as saved
    QVERIFY(bench.app->doc().setCurrentToken(words[1]));
    CTextView& view = bench.frame().textView();
    view.ensureLayout();
    const QPoint at = view.tokenRect(words[1]).center() - QPoint(0, view.verticalScrollBar()->value());
    const QStringList offered = test::chooseFromContextMenu(*view.viewport(), at, QString::fromUtf8("Näita ühendi kasutust"));
    QVERIFY2(offered.contains(QString::fromUtf8("Näita ühendi kasutust ...\targ kala")), qPrintable(offered.join('|')));
    QVERIFY(bench.finished());
    // Expected: both texts' combinations, each with its words as they stand.
    QCOMPARE(bench.dock().findChild<QLabel*>("searchedLabel")->text(), QString("Ühend: arg kala"));
    QCOMPARE(bench.column(ConcordanceModel::Token), (QStringList{"Arg kala", "Suur kala"}));
}

void ConcordanceTest::sortingByAColumnAndBackByTheLeftContext()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    QHeaderView* header = bench.table().horizontalHeader();
    const auto clickHeader = [header](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    // The page column sorts as numbers, ascending and then descending.
    clickHeader(ConcordanceModel::Page);
    QCOMPARE(bench.column(ConcordanceModel::Page), (QStringList{"4", "5", "9"}));
    clickHeader(ConcordanceModel::Page);
    QCOMPARE(bench.column(ConcordanceModel::Page), (QStringList{"9", "5", "4"}));
    // Another column starts ascending; the token column ignores case.
    clickHeader(ConcordanceModel::Token);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(bench.column(ConcordanceModel::Token), (QStringList{"kala", "kala", "Kalad"}));
    // The left context sorts by the word next to the token: the empty one first, "Arg" before "Suur".
    clickHeader(ConcordanceModel::Left);
    QCOMPARE(bench.column(ConcordanceModel::Left), (QStringList{"", "Arg", "Suur"}));
    clickHeader(ConcordanceModel::Left);
    QCOMPARE(bench.column(ConcordanceModel::Left), (QStringList{"Suur", "Arg", ""}));
}

void ConcordanceTest::columnsSortInEstonianOrder_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("sorted");
    // š and z after s, then t; w before õ ä ö ü
    QTest::newRow("estonian letters") << QStringList{"ülo", "zeb", "õun", "tee", "šamp", "äiņ", "sõna", "wõ", "öö"}
                                      << QStringList{"sõna", "šamp", "zeb", "tee", "wõ", "õun", "äiņ", "öö", "ülo"};
    // a Livonian long or dotted vowel stays beside its plain letter instead of after z
    QTest::newRow("livonian vowels") << QStringList{"zīnda", "ȯdā", "bāl", "āiga", "ǟrga", "ozā", "aiga"}
                                     << QStringList{"aiga", "āiga", "bāl", "ȯdā", "ozā", "zīnda", "ǟrga"};
    // ū sorts as u, before õ; a capital does not come first
    QTest::newRow("case is ignored") << QStringList{"kala", "jõgi", "Kala", "Jūrõ", "jumal"}
                                     << QStringList{"jumal", "Jūrõ", "jõgi", "kala", "Kala"};
}

void ConcordanceTest::columnsSortInEstonianOrder()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, sorted);
    ConcordanceModel model;
    const auto fill = [&model](const QStringList& texts) {
        std::vector<ConcordanceLine> lines;
        for (const QString& text : texts) {
            ConcordanceLine line;
            line.token = line.lemma = line.left = line.right = text.toStdString();
            lines.push_back(std::move(line));
        }
        model.append(std::move(lines));
    };
    ConcordanceSortModel order;
    order.setSourceModel(&model);
    order.setSortRole(ConcordanceModel::SortRole);
    const auto check = [&order](int column, const QStringList& expected) {
        order.sort(column, Qt::AscendingOrder);
        QStringList shown;
        for (int row = 0; row < order.rowCount(); ++row)
            shown << order.index(row, column).data().toString();
        return shown == expected;
    };
    fill(words);
    for (const int column : {int(ConcordanceModel::Left), int(ConcordanceModel::Token), int(ConcordanceModel::Lemma)})
        QVERIFY2(check(column, sorted), qPrintable(QString::number(column)));
    // A new run replaces the lines: their order is found anew, not from the lines before, and
    // lines that arrive later are sorted in among them.
    model.clear();
    fill(QStringList{"xylofon", "abi"});
    fill(QStringList{"kala"});
    QVERIFY(check(ConcordanceModel::Token, (QStringList{"abi", "kala", "xylofon"})));
}

void ConcordanceTest::typingFilters()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    QTest::keyClicks(bench.dock().filterEdit(), "UJU");
    // Expected: only the line whose right context holds "ujuvad", and the status says so.
    QCOMPARE(bench.column(ConcordanceModel::Right), QStringList{"ujuvad."});
    QVERIFY(bench.dock().statusLabel()->text().startsWith("Näitan 1 rida 3-st"));
    QTest::keyClicks(bench.dock().filterEdit(), "x");
    QCOMPARE(bench.dock().proxy().rowCount(), 0);
    bench.dock().filterEdit()->clear();
    QCOMPARE(bench.dock().proxy().rowCount(), 3);
}

void ConcordanceTest::copyTakesTheSelectedLines()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    QAction* copy = bench.frame().action(Command::Copy);
    bench.table().setFocus();
    QTRY_VERIFY(bench.table().hasFocus());
    QGuiApplication::clipboard()->setText("enne");
    // Nothing selected: copying offers nothing, and Ctrl+C leaves the clipboard (not the sentence).
    bench.table().clearSelection();
    QTRY_VERIFY(!copy->isEnabled());
    QTest::keyClick(&bench.table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("enne"));
    // Two lines selected, the second first: they come in the order shown, as the batch command
    // writes them.
    QItemSelectionModel& selection = *bench.table().selectionModel();
    const auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    selection.select(bench.dock().proxy().index(2, 0), rows);
    selection.select(bench.dock().proxy().index(0, 0), rows);
    QTRY_VERIFY(copy->isEnabled());
    QTest::keyClick(&bench.table(), Qt::Key_C, Qt::ControlModifier);
    const QString other = bench.path("teine.xml");
    const QString text = bench.path("tekst.xml");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Arg\tkala\t\tkala\tsg.nom.\t" + other + "\tl1\t9\tl1_s2\n" + "Suur\tkala\tkala\tkala\t\t" + text +
                 "\tl2\t5\tl2_s2\n");
    // In the filter field the menu's and toolbar's copy takes the field's own selection, whatever
    // lines are selected.
    QLineEdit* filter = bench.dock().filterEdit();
    filter->setFocus();
    QTRY_VERIFY(filter->hasFocus());
    QTest::keyClicks(filter, "kala");
    filter->selectAll();
    QTRY_VERIFY(copy->isEnabled());
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("kala"));
}

void ConcordanceTest::cancelKeepsWhatWasFound()
{
    Workbench bench;
    for (int i = 0; i < 300; ++i)
        test::writeFile(bench.path(QString("lisa%1.xml").arg(i, 3, 10, QChar('0'))), kOther);
    bench.pressCtrlK();
    // Before the window has taken any of the worker's lines, the user cancels.
    QVERIFY(bench.dock().isRunning());
    QVERIFY(bench.dock().cancelButton()->isVisibleTo(&bench.dock()));
    bench.dock().cancelButton()->click();
    QVERIFY(!bench.dock().isRunning());
    QVERIFY(!bench.dock().cancelButton()->isVisibleTo(&bench.dock()));
    QVERIFY(bench.dock().statusLabel()->text().contains("(katkestatud)"));
    // What the stopped run still sent is not shown.
    const int rows = bench.dock().model().rowCount();
    QTest::qWait(50);
    QCOMPARE(bench.dock().model().rowCount(), rows);
    QVERIFY(rows < 303);
    // Escape in the table stops a run as well.
    bench.pressCtrlK();
    QVERIFY(bench.dock().isRunning());
    QTest::keyClick(&bench.table(), Qt::Key_Escape);
    QVERIFY(!bench.dock().isRunning());
}

void ConcordanceTest::doubleClickOpensAnotherTextAfterTheSaveQuestion()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    splitSentence(bench.app->doc());
    QVERIFY(bench.app->doc().isModified());
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    bench.frame().setSaveQuestion([&](const QString& name) {
        asked << name;
        return answer;
    });
    // Cancel keeps the modified text where it was.
    bench.doubleClick(0);
    QCOMPARE(asked, QStringList{"tekst.xml"});
    QCOMPARE(bench.frame().documentPath(), bench.path("tekst.xml"));
    QVERIFY(bench.app->doc().isModified());
    // No drops the changes and opens the other text at the hit's token.
    answer = QMessageBox::No;
    bench.doubleClick(0);
    QCOMPARE(asked.size(), 2);
    QCOMPARE(bench.frame().documentPath(), bench.path("teine.xml"));
    QCOMPARE(bench.currentId(), std::string("l1_s2"));
    QVERIFY(bench.frame().textView().hasFocus());
}

void ConcordanceTest::doubleClickInTheOpenTextKeepsItsChanges()
{
    Workbench bench;
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    bench.app->doc().setMeaning(bench.app->doc().currentToken(), "fish");
    QStringList asked;
    bench.frame().setSaveQuestion([&](const QString& name) {
        asked << name;
        return QMessageBox::No;
    });
    // Row 2 is "kala" of l2 in the open text: no question, no reopening, the change stays.
    bench.doubleClick(2);
    QVERIFY(asked.isEmpty());
    QCOMPARE(bench.currentId(), std::string("l2_s2"));
    QVERIFY(bench.app->doc().isModified());
    QCOMPARE(CPelmoraDoc::attribute(bench.app->doc().firstToken(), "tahendus"), std::string("fish"));
    // Enter on a selected line opens it too.
    bench.table().setFocus();
    bench.table().selectRow(1);
    QTest::keyClick(&bench.table(), Qt::Key_Return);
    QCOMPARE(bench.currentId(), std::string("l1_s1"));
}

void ConcordanceTest::chosenFolderIsKeptInTheSettings()
{
    Workbench bench;
    QDir(bench.dir.path()).mkdir("korpus");
    test::writeFile(bench.path("korpus/a.xml"), kOther);
    bench.pressCtrlK();
    QVERIFY(bench.finished());
    bench.files.queue(bench.path("korpus"));
    QTest::mouseClick(bench.dock().findChild<QPushButton*>("chooseFolderButton"), Qt::LeftButton);
    QVERIFY(bench.finished());
    // Expected: the search runs again over the chosen folder, which the settings keep.
    QCOMPARE(bench.files.requests().back().mode, FileRequest::Mode::Folder);
    QCOMPARE(bench.column(ConcordanceModel::File), QStringList{"a.xml"});
    QCOMPARE(bench.app->settings().concordanceFolder, bench.path("korpus").toStdString());
    // Back to the open text's folder.
    QTest::mouseClick(bench.dock().findChild<QPushButton*>("textFolderButton"), Qt::LeftButton);
    QVERIFY(bench.finished());
    QCOMPARE(bench.dock().model().rowCount(), 3);
    QCOMPARE(bench.app->settings().concordanceFolder, std::string());
}

void ConcordanceTest::dictionaryEditorShowsTheUsageOfItsPage()
{
    Workbench bench;
    QString word;
    QString wordSearched;
    QString buttonText;
    bench.dialogs.queue([&](QDialog& dialog) {
        auto& editor = static_cast<DictionaryEditorDialog&>(dialog);
        QPushButton* button = editor.showUsageButton();
        if (!button)
            return int(QDialog::Rejected);
        buttonText = button->text();
        word = dialog.findChild<QLineEdit*>("wordEdit")->text();
        button->click();
        wordSearched = bench.dock().findChild<QLabel*>("searchedLabel")->text();
        // The combinations' page: the lemma in its field goes to the concordance of combinations.
        auto* pages = dialog.findChild<QTabWidget*>("pages");
        pages->setCurrentIndex(pages->count() - 1);
        dialog.findChild<QLineEdit*>("combinationEdit")->setText("Arg kala");
        button->click();
        return int(QDialog::Rejected);
    });
    bench.frame().action(Command::EditDictionary)->trigger();
    QVERIFY(!word.isEmpty());
    QCOMPARE(buttonText, QString("Näita &kasutust ..."));  // Alt+K in the editor
    // Expected: the word page's word form went to the concordance, then the combination.
    QCOMPARE(wordSearched, "Sõnavorm: " + word);
    QCOMPARE(bench.dock().findChild<QLabel*>("searchedLabel")->text(), QString("Ühend: Arg kala"));
    QVERIFY(bench.finished());
    QCOMPARE(bench.column(ConcordanceModel::Token), QStringList{"Arg kala"});
    QCOMPARE(bench.column(ConcordanceModel::Lemma), QStringList{"arg kala"});
    QCOMPARE(bench.column(ConcordanceModel::File), QStringList{"teine.xml"});
}

QTEST_MAIN(ConcordanceTest)
#include "concordance_test.moc"
