// Making combinations in the started window: the running text's choice of words (marked drawing,
// clicks in the sentence, the refusal elsewhere, Enter and Escape), the dialog "Ühend" with its
// candidates and the dictionary check box, "Kustuta ühend", and undo through the menu.
#include "app/commands.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "dialogs/combinationdialog.h"
#include "guitestsupport.h"
#include "windowharness.h"
#include "search/tokenwalk.h"
#include "text/combinations.h"
#include "views/textview.h"
#include "text/combinationediting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1"><sone id="l1_s1">Minā</sone><sone id="l1_s2">jūrõ</sone><sone id="l1_s3">vīeres</sone><sone id="l1_s4">.</sone></lause>
<lause id="l2"><sone id="l2_s1" yhend="+">Jūrõ</sone><sone id="l2_s2" yhend="+">vīeres</sone><yhend id="l2_s1_s2" ylemma="jūrõ vīeres" ytahendus="rannas" yliik="Adv"/></lause>
</sisu></pelmora>
)";

struct Workbench : test::WindowHarness {
    explicit Workbench(const QByteArray& settings = {})
    {
        start(kText, settings);
        view().ensureLayout();
        prompter.clear();
    }
    CTextView& view() { return frame().textView(); }
    XmlNode token(const char* id) { return findTokenById(doc(), id); }
    QPoint pointOf(const char* id)
    {
        view().ensureLayout();
        return view().tokenRect(token(id)).center() - QPoint(0, view().verticalScrollBar()->value());
    }
    void click(const char* id) { QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, pointOf(id)); }
    // The context menu's entry with the given text (the menu's own action, not the command's).
    QAction* contextEntry(const QString& text)
    {
        for (QAction* action : frame().findChildren<QAction*>())
            if (action->text() == text && action->parent() == &frame() && action->shortcuts().isEmpty())
                return action;
        return nullptr;
    }
    // The combinations of the sentence as "id=lemma|meaning|part of speech".
    QStringList combinations(const char* sentenceId)
    {
        QStringList out;
        const XmlNode sentence = findSentenceById(doc(), sentenceId);
        for (XmlNode c = firstChildElement(sentence, "yhend"); c; c = nextSiblingElement(c, "yhend"))
            out << QString::fromStdString(CPelmoraDoc::attribute(c, "id") + "=" + CPelmoraDoc::attribute(c, "ylemma") +
                                          "|" + CPelmoraDoc::attribute(c, "ytahendus") + "|" +
                                          CPelmoraDoc::attribute(c, "yliik"));
        return out;
    }
    QString mark(const char* id) { return QString::fromStdString(CPelmoraDoc::attribute(token(id), "yhend")); }
};

int countPixels(const QImage& image, const QRect& rect, QColor colour)
{
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

}  // namespace

class CombinationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The context entry starts the choice on the current token; clicks in its sentence add and
    // remove words, a click elsewhere is refused with the document's message; the chosen words
    // are drawn on their own ground.
    void choosingWordsMarksThemAndKeepsTheCurrentToken()
    {
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.token("l1_s2")));
        QAction* start = w.contextEntry(QString::fromUtf8("1. ühendi täiendsõna"));
        QVERIFY(start);
        QVERIFY(start->isEnabled());
        start->trigger();
        QVERIFY(w.view().isSelectingCombination());
        QCOMPARE(w.view().chosenCombinationWords(), std::vector<XmlNode>{w.token("l1_s2")});

        w.click("l1_s3");
        w.click("l1_s1");
        // Expected: three words chosen, the current token still the first.
        QCOMPARE(w.view().chosenCombinationWords().size(), 3u);
        QCOMPARE(w.doc().currentToken(), w.token("l1_s2"));
        w.click("l1_s1");
        QCOMPARE(w.view().chosenCombinationWords(), (std::vector<XmlNode>{w.token("l1_s2"), w.token("l1_s3")}));

        w.click("l2_s1");
        QCOMPARE(w.doc().currentToken(), w.token("l1_s2"));
        QCOMPARE(QString::fromStdString(w.prompter.lastText()),
                 QString::fromUtf8("Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta"));
        QCOMPARE(w.view().chosenCombinationWords().size(), 2u);

        // The chosen words stand on the amber ground, the others do not.
        QCoreApplication::processEvents();
        const QImage image = w.view().viewport()->grab().toImage();
        image.save(QDir(QDir::tempPath()).filePath("pelmora-combination-choice.png"));
        const QColor ground(255, 226, 150);
        auto rectOf = [&](const char* id) {
            return w.view().tokenRect(w.token(id)).translated(0, -w.view().verticalScrollBar()->value());
        };
        QVERIFY(countPixels(image, rectOf("l1_s3"), ground) > 20);
        QVERIFY(countPixels(image, rectOf("l1_s1"), ground) == 0);
    }

    // Escape ends the choice: nothing is written and clicks move the current token again.
    void escapeCancels()
    {
        Workbench w;
        w.view().startCombinationSelection();
        w.click("l1_s3");
        QTest::keyClick(&w.view(), Qt::Key_Escape);
        QVERIFY(!w.view().isSelectingCombination());
        QVERIFY(w.dialogs.titles().isEmpty());
        w.click("l1_s3");
        QCOMPARE(w.doc().currentToken(), w.token("l1_s3"));
        QVERIFY(!w.doc().isModified());
    }

    // The keyboard chooses too: Shift+Right moves on, Space adds the current token or takes it out.
    void spaceChoosesTheCurrentToken()
    {
        Workbench w;
        w.view().startCombinationSelection();
        QVERIFY(w.doc().goToNextToken());
        QTest::keyClick(&w.view(), Qt::Key_Space);
        QCOMPARE(w.view().chosenCombinationWords(), (std::vector<XmlNode>{w.token("l1_s1"), w.token("l1_s2")}));
        QTest::keyClick(&w.view(), Qt::Key_Space);
        QCOMPARE(w.view().chosenCombinationWords(), std::vector<XmlNode>{w.token("l1_s1")});
        // A token of another sentence stays out.
        QVERIFY(w.doc().goToNextSentence());
        QTest::keyClick(&w.view(), Qt::Key_Space);
        QCOMPARE(w.view().chosenCombinationWords(), std::vector<XmlNode>{w.token("l1_s1")});
    }

    // Enter with one word says why and opens nothing; the choice goes on.
    void enterWithOneWordIsRefused()
    {
        Workbench w;
        w.view().startCombinationSelection();
        QTest::keyClick(&w.view(), Qt::Key_Return);
        QVERIFY(w.dialogs.titles().isEmpty());
        QCOMPARE(QString::fromStdString(w.prompter.lastText()), QString::fromUtf8("Ühendis peab olema vähemalt kaks sõna."));
        QVERIFY(w.view().isSelectingCombination());
    }

    // Enter opens "Ühend" with the proposed lemma and the candidates; OK writes one step, which
    // the menu names and takes back, and redo brings again.
    void dialogWritesOneStepThatTheMenuUndoes()
    {
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.token("l1_s3")));
        w.view().startCombinationSelection();
        w.click("l1_s2");
        QStringList candidates;
        bool checked = true;
        w.dialogs.queue([&](QDialog& dialog) {
            dialog.show();
            auto* lemma = dialog.findChild<QLineEdit*>("lemmaEdit");
            auto* list = dialog.findChild<QListWidget*>("candidateList");
            // The words in text order, whatever the order they were chosen in.
            [&] { QCOMPARE(lemma->text(), QString::fromUtf8("jūrõ vīeres")); }();
            for (int i = 0; i < list->count(); ++i)
                candidates << list->item(i)->text();
            checked = dialog.findChild<QCheckBox*>("toDictionaryCheck")->isChecked();
            // Choosing the text's combination fills the three fields.
            list->setCurrentRow(0);
            QTest::keyClicks(dialog.findChild<QLineEdit*>("meaningEdit"), "2");
            QTest::keyClick(dialog.findChild<QLineEdit*>("meaningEdit"), Qt::Key_Return);
            return dialog.result();
        });
        QTest::keyClick(&w.view(), Qt::Key_Return);

        QCOMPARE(w.dialogs.titles(), QStringList{QString::fromUtf8("Ühend")});
        QCOMPARE(candidates, (QStringList{QString::fromUtf8("jūrõ vīeres 'rannas' _ Adv   (tekst)"),
                                          QString::fromUtf8("jūrõ vīeres 'mere ääres' _ Post   (sõnastik)")}));
        QVERIFY(!checked);
        QCOMPARE(w.combinations("l1"), QStringList{QString::fromUtf8("l1_s2_s3=jūrõ vīeres|rannas2|Adv")});
        QCOMPARE(w.mark("l1_s2"), QString("+"));
        QCOMPARE(w.mark("l1_s3"), QString("+"));
        QVERIFY(!w.view().isSelectingCombination());
        QCOMPARE(w.doc().currentToken(), w.token("l1_s3"));

        QAction* undo = w.frame().action(Command::Undo);
        QTRY_VERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QString::fromUtf8("&Võta tagasi: loo ühend\tCtrl+Z"));
        undo->trigger();
        QVERIFY(w.combinations("l1").isEmpty());
        QCOMPARE(w.mark("l1_s2"), QString());
        QVERIFY(!w.doc().isModified());
        w.frame().action(Command::Redo)->trigger();
        QCOMPARE(w.combinations("l1").size(), 1);
    }

    // Ctrl+Z in the running text takes a combination back like any other step, Ctrl+Y redoes it.
    void ctrlZInTheRunningTextUndoesTheCombination()
    {
        Workbench w;
        QVERIFY(createCombination(w.doc(), {w.token("l1_s1"), w.token("l1_s4")}, {"minā .", "", ""}));
        QTRY_VERIFY(w.frame().action(Command::Undo)->isEnabled());
        w.view().setFocus();
        QTRY_VERIFY(w.view().hasFocus());
        QTest::keyClick(&w.view(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.combinations("l1").isEmpty());
        QCOMPARE(w.mark("l1_s1"), QString());
        QTRY_VERIFY(w.frame().action(Command::Redo)->isEnabled());
        QTest::keyClick(&w.view(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.combinations("l1"), QStringList{QString::fromUtf8("l1_s1_s4=minā .||")});
    }

    // Making a combination of the shown token leaves what is typed in the form.
    void formKeepsItsTypingWhenTheTokenIsCombined()
    {
        Workbench w;
        QLineEdit* headword = w.frame().findChild<QLineEdit*>("headwordEdit");
        QVERIFY(headword);
        headword->setText(QStringLiteral("kirjutatud"));
        QVERIFY(createCombination(w.doc(), {w.token("l1_s1"), w.token("l1_s2")}, {"minā jūrõ", "", ""}));
        QCoreApplication::processEvents();
        QCOMPARE(w.mark("l1_s1"), QString("+"));
        QCOMPARE(headword->text(), QStringLiteral("kirjutatud"));
    }

    // With "Lisa kõik uued sõnad sõnastikku" the dictionary keeps the combination, and the step
    // says that undo leaves it there.
    void checkBoxStoresInTheDictionary()
    {
        Workbench w("NewToDictionary=1\n");
        QVERIFY(w.doc().setCurrentToken(w.token("l1_s1")));
        w.view().startCombinationSelection();
        w.click("l1_s2");
        bool checked = false;
        w.dialogs.queue([&](QDialog& dialog) {
            dialog.show();
            checked = dialog.findChild<QCheckBox*>("toDictionaryCheck")->isChecked();
            auto* lemma = dialog.findChild<QLineEdit*>("lemmaEdit");
            // Typed letters beyond ASCII go in as the letter keyboard puts them.
            lemma->setText(QString::fromUtf8("minā jūrõ"));
            QTest::keyClicks(dialog.findChild<QLineEdit*>("meaningEdit"), "mina meri");
            QTest::keyClick(dialog.findChild<QLineEdit*>("meaningEdit"), Qt::Key_Return);
            return dialog.result();
        });
        QTest::keyClick(&w.view(), Qt::Key_Enter);
        QVERIFY(checked);
        QCOMPARE(w.combinations("l1"), QStringList{QString::fromUtf8("l1_s1_s2=minā jūrõ|mina meri|")});
        QCOMPARE(QString::fromStdString(w.doc().undoName()), QString::fromUtf8("loo ühend (sõnastik jääb)"));
        QVERIFY(test::readFile(w.path("sonastik.xml")).contains(QString::fromUtf8("id=\"minā jūrõ\"").toUtf8()));
    }

    // OK waits for a lemma; the dialog's fields have their mnemonics.
    void dialogNeedsALemma()
    {
        CombinationDialog dialog(QStringLiteral("a b"), QStringLiteral("a b"), {}, false);
        auto* ok = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());
        dialog.findChild<QLineEdit*>("lemmaEdit")->setText(QStringLiteral("  "));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("lemmaLabel")->text(), QString::fromUtf8("&Märksõna"));
        QCOMPARE(dialog.findChild<QLabel*>("meaningLabel")->text(), QString::fromUtf8("&Tähendus"));
        QCOMPARE(dialog.findChild<QLabel*>("partOfSpeechLabel")->text(), QString::fromUtf8("Sõna&liik"));
        QCOMPARE(dialog.findChild<QLabel*>("meaningLabel")->buddy(), dialog.findChild<QLineEdit*>("meaningEdit"));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Ühend"));
        // No two controls share a mnemonic, so Alt+letter always lands on one.
        QStringList keys;
        auto addKey = [&keys](const QString& text) {
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at >= 0 && at + 1 < text.size())
                keys << text.mid(at + 1, 1).toLower();
        };
        for (QLabel* label : dialog.findChildren<QLabel*>())
            addKey(label->text());
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            addKey(button->text());
        QVERIFY(keys.size() >= 4);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // "Kustuta ühend" stands in the context menu of each word of a combination, with its lemma
    // beside it; choosing it removes the combination and the marks, in one step.
    void contextMenuRemovesTheCombination()
    {
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.token("l2_s1")));
        const std::size_t measured = w.view().measuredTokenCount();
        const QStringList offered =
            test::chooseFromContextMenu(*w.view().viewport(), w.pointOf("l2_s1"), QString::fromUtf8("Kustuta ühend"));
        // No token moved: at most the combination's own two words are measured again, not the text.
        w.view().ensureLayout();
        QVERIFY(w.view().measuredTokenCount() <= measured + 2);
        QVERIFY(offered.contains(QString::fromUtf8("Kustuta ühend\tjūrõ vīeres")));
        QVERIFY(offered.contains(QString::fromUtf8("1. ühendi täiendsõna")));
        QVERIFY(w.combinations("l2").isEmpty());
        QCOMPARE(w.mark("l2_s1"), QString());
        QCOMPARE(w.mark("l2_s2"), QString());
        QCOMPARE(QString::fromStdString(w.doc().undoName()), QString::fromUtf8("kustuta ühend"));
        QVERIFY(w.doc().undo());
        QCOMPARE(w.combinations("l2").size(), 1);
    }

    // A word without a combination is offered no removal and no combination usage.
    void plainWordOffersNoRemoval()
    {
        Workbench w;
        const QStringList offered = test::chooseFromContextMenu(*w.view().viewport(), w.pointOf("l1_s1"), {});
        QVERIFY(!offered.isEmpty());
        for (const QString& text : offered) {
            QVERIFY2(!text.startsWith(QString::fromUtf8("Kustuta ühend")), qPrintable(text));
            QVERIFY2(!text.startsWith(QString::fromUtf8("Näita ühendi kasutust")), qPrintable(text));
        }
    }
};

QTEST_MAIN(CombinationTest)
#include "combination_test.moc"
