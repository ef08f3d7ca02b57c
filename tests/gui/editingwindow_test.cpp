// The editing commands in the started window: the running text's context menu and the keys reach
// the dialogs, the delete question, and the form's audio-position hook with its label.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "form/pelmoraformview.h"
#include "guitestsupport.h"
#include "windowharness.h"

#include "ui_pelmoraformview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp><lindistus fail="a.mp3">PA</lindistus></info><sisu id="t">
<lause id="l1"><sone id="l1_s1">Minā</sone><sone id="l1_s2">um</sone></lause>
<lause id="l2"><sone id="l2_s1">Mēg</sone></lause>
</sisu></pelmora>
)";

struct Workbench : test::WindowHarness {
    explicit Workbench(const QByteArray& settings = {}, const QByteArray& text = kText) { start(text, settings); }
    QString text(XmlNode token) const { return QString::fromStdString(CPelmoraDoc::tokenText(token)); }
    // The context menu's entry with the given text.
    QAction* contextEntry(const QString& text)
    {
        for (QAction* action : frame().findChildren<QAction*>())
            if (action->text() == text && action->parent() == &frame() && action->shortcuts().isEmpty())
                return action;
        return nullptr;
    }
};

}  // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyboardWorksFromTheStart();
    void contextMenuEntriesOpenTheDialogs();
    void ctrlMOpensTheMergeDialog();
    void deleteAsksFirstAndNoKeepsTheToken();
    void formHookLinksTheSentenceAndItsLabelFollows();
    void normalisingLettersIsOneStepAndTypedLettersAreStoredComposed();
};

void EditingWindowTest::keyboardWorksFromTheStart()
{
    Workbench bench;
    bench.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&bench.frame()));
    // Expected: the headword field has the focus, so typing and Enter annotate without a click.
    QLineEdit* headword = bench.frame().formView()->headwordEdit();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(headword));
    QVERIFY(bench.doc().setCurrentToken(bench.doc().firstToken()));
    QTest::keyClicks(QApplication::focusWidget(), "mina");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(CPelmoraDoc::attribute(bench.doc().firstToken(), "lemma"), std::string("mina"));
    QCOMPARE(CPelmoraDoc::attribute(bench.doc().currentToken(), "id"), std::string("l1_s2"));
}

void EditingWindowTest::contextMenuEntriesOpenTheDialogs()
{
    Workbench bench;
    struct Entry {
        const char* text;
        const char* title;
    };
    for (const Entry& entry : {Entry{"Muuda sõnet ...", "Sõne muutmine"}, Entry{"Lisa sõne ...", "Sõne lisamine"},
                               Entry{"Ühenda laused", "Ühenda laused ..."}}) {
        QAction* action = bench.contextEntry(QString::fromUtf8(entry.text));
        QVERIFY2(action, entry.text);
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(bench.dialogs.titles().back(), QString::fromUtf8(entry.title));
    }
    // Every dialog was rejected: nothing changed.
    QVERIFY(!bench.doc().isModified());
}

void EditingWindowTest::ctrlMOpensTheMergeDialog()
{
    Workbench bench;
    bench.dialogs.queue([](QDialog& dialog) {
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("otherEdit");
        QTest::keyClick(field, Qt::Key_Return);
        return dialog.result();
    });
    bench.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&bench.frame()));
    QTest::keyClick(&bench.frame(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(bench.dialogs.titles(), QStringList{"Ühenda laused ..."});
    // l2 went into l1.
    QCOMPARE(bench.text(bench.doc().lastToken()), QString("Mēg"));
    QCOMPARE(QString::fromUtf8(attributeValue(bench.doc().lastToken(), "id").data()), QString("l1_s3"));
}

void EditingWindowTest::deleteAsksFirstAndNoKeepsTheToken()
{
    Workbench bench;
    bench.prompter.queueAnswer(false);
    bench.frame().action(Command::DeleteToken)->trigger();
    QCOMPARE(QString::fromStdString(bench.prompter.lastText()), QString("Kas oled kindel,\net soovid kustutada sõne\nMinā?"));
    QVERIFY(bench.prompter.entries().back().question);
    QCOMPARE(bench.text(bench.doc().firstToken()), QString("Minā"));
    bench.prompter.queueAnswer(true);
    bench.frame().action(Command::DeleteToken)->trigger();
    QCOMPARE(bench.text(bench.doc().firstToken()), QString("um"));
    QCOMPARE(QString::fromUtf8(attributeValue(bench.doc().firstToken(), "id").data()), QString("l1_s1"));
}

void EditingWindowTest::formHookLinksTheSentenceAndItsLabelFollows()
{
    Workbench bench("HeliPos=1\n");
    CPelmoraFormView& form = *bench.frame().formView();
    bench.doc().setCurrentToken(bench.doc().nextToken(bench.doc().firstToken()));  // l1_s2, last of l1
    QTRY_COMPARE(form.ui().audioLabel->text(), QString("määramata"));
    bench.dialogs.queue([](QDialog& dialog) {
        auto* minutes = dialog.findChild<QLineEdit*>("minutesEdit");
        auto* seconds = dialog.findChild<QLineEdit*>("secondsEdit");
        minutes->setText("2");
        seconds->setText("5");
        return int(QDialog::Accepted);
    });
    // Leaving the sentence with the form's next button asks where the sentence reached starts.
    QTest::mouseClick(form.ui().showNextButton, Qt::LeftButton);
    QCOMPARE(bench.dialogs.titles(), QStringList{"Helifailiga sidumine"});
    const XmlNode second = bench.doc().body().child("lause").next_sibling("lause");
    QCOMPARE(bench.doc().currentToken().parent(), second);
    QCOMPARE(QString::fromUtf8(attributeValue(second, "helipos").data()), QString("125"));
    QTRY_COMPARE(form.ui().audioLabel->text(), QString("2 min 5 s"));

    // Ctrl+F on the shown sentence: the label follows at once.
    bench.dialogs.queue([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("minutesEdit")->setText("0");
        dialog.findChild<QLineEdit*>("secondsEdit")->setText("7");
        return int(QDialog::Accepted);
    });
    bench.frame().action(Command::AudioPosition)->trigger();
    QCOMPARE(QString::fromUtf8(attributeValue(bench.doc().currentToken().parent(), "helipos").data()), QString("7"));
    QCOMPARE(form.ui().audioLabel->text(), QString("0 min 7 s"));
}

void EditingWindowTest::normalisingLettersIsOneStepAndTypedLettersAreStoredComposed()
{
    // The first token and the second's lemma are spelled with combining marks.
    QByteArray text = kText;
    text.replace("Minā", "Mina\xCC\x84").replace("<sone id=\"l1_s2\">", "<sone id=\"l1_s2\" lemma=\"o\xCC\x83\">");
    Workbench bench({}, text);
    bench.frame().action(Command::NormaliseText)->trigger();
    // Expected: both values composed, the count said, one step to take back.
    QCOMPARE(bench.text(bench.doc().firstToken()), QString("Minā"));
    QVERIFY(bench.messages().back().contains("NFC-kujule viidi 2 väärtust"));
    QTRY_COMPARE(bench.frame().action(Command::Undo)->text(), QString("&Võta tagasi: normaliseeri tähed\tCtrl+Z"));
    bench.frame().action(Command::Undo)->trigger();
    QCOMPARE(bench.text(bench.doc().firstToken()), QString::fromUtf8("Mina\xCC\x84"));
    QVERIFY(!bench.doc().isModified());

    // A headword typed with a combining mark is stored with the composed letter.
    QLineEdit* headword = bench.frame().formView()->headwordEdit();
    headword->setFocus();
    headword->selectAll();
    QTest::keyClicks(headword, "mina");
    // A keyboard layout that types the macron as a combining mark after the letter.
    QTest::sendKeyEvent(QTest::Press, headword, Qt::Key_unknown, QString(QChar(0x0304)), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, headword, Qt::Key_unknown, QString(QChar(0x0304)), Qt::NoModifier);
    QTest::keyClick(headword, Qt::Key_Return);
    QCOMPARE(CPelmoraDoc::attribute(bench.doc().firstToken(), "lemma"), std::string("min\xC4\x81"));
}

QTEST_MAIN(EditingWindowTest)
#include "editingwindow_test.moc"
