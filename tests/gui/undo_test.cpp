// Undo and redo in the started window: the "&Redaktor" entries name the step they would take,
// Ctrl+Z and Ctrl+Y reach an edit field that has its own step and the text everywhere else, and
// undoing back to the saved state clears the modified marker.
#include "app/commands.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "form/pelmoraformview.h"
#include "guitestsupport.h"
#include "windowharness.h"
#include "views/textview.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1"><sone id="l1_s1">Minā</sone><sone id="l1_s2">um</sone></lause>
<lause id="l2"><sone id="l2_s1">Mēg</sone></lause>
</sisu></pelmora>
)";

struct Workbench : test::WindowHarness {
    Workbench()
    {
        start(kText);
        prompter.setDefaultAnswer(true);
    }
    QAction* undo() { return frame().action(Command::Undo); }
    QAction* redo() { return frame().action(Command::Redo); }
    int sentences()
    {
        int n = 0;
        for (XmlNode s = firstChildElement(doc().body(), "lause"); s; s = nextSiblingElement(s, "lause"))
            ++n;
        return n;
    }
    // An editable line field of the window (the form's).
    QLineEdit* field()
    {
        for (QLineEdit* line : frame().findChildren<QLineEdit*>())
            if (line->isVisible() && line->isEnabled() && !line->isReadOnly())
                return line;
        return nullptr;
    }
};

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The entries stand at the top of "&Redaktor" and on the toolbar, off while there is no step.
    void entriesStandFirstInTheEditMenu()
    {
        Workbench w;
        QMenu* edit = nullptr;
        for (QAction* menu : w.frame().menuBar()->actions())
            if (menu->text() == "&Redaktor")
                edit = menu->menu();
        QVERIFY(edit);
        QCOMPARE(edit->actions().at(0), w.undo());
        QCOMPARE(edit->actions().at(1), w.redo());
        QCOMPARE(w.undo()->text(), QString("&Võta tagasi\tCtrl+Z"));
        QCOMPARE(w.redo()->text(), QString("T&ee uuesti\tCtrl+Y"));
        QVERIFY(w.redo()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(!w.undo()->isEnabled());
        QVERIFY(!w.redo()->isEnabled());
        QToolBar* bar = w.frame().findChild<QToolBar*>();
        QVERIFY(bar && bar->actions().contains(w.undo()) && bar->actions().contains(w.redo()));
    }

    // A step names itself in text and tool tip; undo restores the text and the saved state.
    void entriesNameTheStepAndFollowTheSavedState()
    {
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.doc().firstToken()));
        w.frame().action(Command::SplitSentence)->trigger();
        QTRY_VERIFY(w.undo()->isEnabled());
        QCOMPARE(w.sentences(), 3);
        QVERIFY(w.frame().isWindowModified());
        QVERIFY(w.undo()->isEnabled());
        QCOMPARE(w.undo()->text(), QString("&Võta tagasi: tükelda lause\tCtrl+Z"));
        QCOMPARE(w.undo()->toolTip(), QString("Võta tagasi: tükelda lause"));

        w.undo()->trigger();
        QCOMPARE(w.sentences(), 2);
        QVERIFY(!w.frame().isWindowModified());
        QTRY_VERIFY(w.redo()->isEnabled());
        QCOMPARE(w.doc().currentToken(), w.doc().firstToken());
        QVERIFY(!w.undo()->isEnabled());
        QCOMPARE(w.redo()->text(), QString("T&ee uuesti: tükelda lause\tCtrl+Y"));

        w.redo()->trigger();
        QCOMPARE(w.sentences(), 3);
        QVERIFY(w.frame().isWindowModified());
        QTRY_VERIFY(!w.redo()->isEnabled());
        QCOMPARE(w.redo()->text(), QString("T&ee uuesti\tCtrl+Y"));
        QVERIFY(!w.redo()->isEnabled());
    }

    // Annotating token after token leaves the entries alone (no relayout of the toolbar at every
    // step); a step that stays open over several passes of the event loop is named once it closes.
    void entriesChangeOnlyWhenTheStepDoes()
    {
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.doc().firstToken()));
        CPelmoraFormView& form = *w.frame().formView();
        form.rememberAndShowNext();
        QTRY_COMPARE(w.undo()->text(), QString("&Võta tagasi: jäta meelde\tCtrl+Z"));
        QSignalSpy changes(w.undo(), &QAction::changed);
        form.rememberAndShowNext();
        QTest::qWait(20);
        QCOMPARE(changes.count(), 0);

        {
            CPelmoraDoc::ChangeGroup group(w.doc(), "pikk samm");
            w.doc().setTokenAttribute(w.doc().currentToken(), TokenAttribute::Comment, "x");
            w.doc().updateAllViews();
            QTest::qWait(120);
            QCOMPARE(w.undo()->text(), QString("&Võta tagasi: jäta meelde\tCtrl+Z"));
        }
        QTRY_COMPARE(w.undo()->text(), QString("&Võta tagasi: pikk samm\tCtrl+Z"));
        QVERIFY(w.undo()->isEnabled());
    }

    void keysGoToTheFieldOrTheText_data()
    {
        QTest::addColumn<bool>("inField");
        QTest::addColumn<bool>("typeFirst");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("sentencesAfter");  // 3 split, 2 undone
        // Undo: the field takes its own typing back; with nothing of its own the text's step goes.
        QTest::newRow("undo in a field with typing") << true << true << int(Qt::ControlModifier) << int(Qt::Key_Z) << 3;
        QTest::newRow("undo in a field without typing") << true << false << int(Qt::ControlModifier) << int(Qt::Key_Z) << 2;
        QTest::newRow("undo in the running text") << false << false << int(Qt::ControlModifier) << int(Qt::Key_Z) << 2;
    }
    void keysGoToTheFieldOrTheText()
    {
        QFETCH(bool, inField);
        QFETCH(bool, typeFirst);
        QFETCH(int, modifiers);
        QFETCH(int, key);
        QFETCH(int, sentencesAfter);
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.doc().firstToken()));
        w.frame().action(Command::SplitSentence)->trigger();
        QTRY_VERIFY(w.undo()->isEnabled());
        QCOMPARE(w.sentences(), 3);
        QWidget* target = &w.frame().textView();
        QString typed;
        if (inField) {
            QLineEdit* line = w.field();
            QVERIFY(line);
            target = line;
        }
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        if (typeFirst) {
            auto* line = static_cast<QLineEdit*>(target);
            typed = line->text();
            QTest::keyClicks(line, "xy");
            QCOMPARE(line->text(), typed + "xy");
        }
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.sentences(), sentencesAfter);
        if (typeFirst)
            QCOMPARE(static_cast<QLineEdit*>(target)->text(), typed);
    }

    // Ctrl+Y and Ctrl+Shift+Z redo the text's step from the running text.
    void redoKeysReachTheText_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+Y") << int(Qt::ControlModifier) << int(Qt::Key_Y);
        QTest::newRow("Ctrl+Shift+Z") << int(Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_Z);
    }
    void redoKeysReachTheText()
    {
        QFETCH(int, modifiers);
        QFETCH(int, key);
        Workbench w;
        QVERIFY(w.doc().setCurrentToken(w.doc().firstToken()));
        w.frame().action(Command::SplitSentence)->trigger();
        QTRY_VERIFY(w.undo()->isEnabled());
        w.undo()->trigger();
        QCOMPARE(w.sentences(), 2);
        QTRY_VERIFY(w.redo()->isEnabled());
        w.frame().textView().setFocus();
        QTest::keyClick(&w.frame().textView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.sentences(), 3);
        QVERIFY(w.frame().isWindowModified());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
