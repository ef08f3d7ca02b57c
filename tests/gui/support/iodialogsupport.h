// Helpers of the tests of the export, query and merge dialogs: finding their widgets, answering
// the question boxes and pressing "&Loobu" in a progress window.
#pragma once

#include "guitestsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace pelmora::gui::test {

// The button of a dialog with the given caption (mnemonic included).
inline QPushButton& buttonNamed(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return *button;
    qFatal("no button %s in %s", qPrintable(text), qPrintable(dialog.windowTitle()));
}

// A mouse click as a user makes it, with the dialog laid out as it would be shown.
inline void click(QAbstractButton& button)
{
    QWidget* dialog = button.window();
    if (!dialog->isVisible())
        dialog->adjustSize();
    const bool box = qobject_cast<QCheckBox*>(&button) || qobject_cast<QRadioButton*>(&button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, box ? QPoint(6, button.height() / 2) : QPoint());
}

// A scripted step that answers a question box with the button of that caption ("&Yes" boxes
// are named by their standard button instead).
inline int answerBox(QDialog& dialog, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (!box)
        qFatal("expected a question, got %s", qPrintable(dialog.windowTitle()));
    box->button(which)->click();
    return box->result();
}

inline int answerBox(QDialog& dialog, const QString& caption)
{
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (!box)
        qFatal("expected a question, got %s", qPrintable(dialog.windowTitle()));
    for (QAbstractButton* button : box->buttons())
        if (button->text() == caption) {
            button->click();
            return box->result();
        }
    qFatal("no button %s", qPrintable(caption));
}

// Presses "&Loobu" of the progress window at its `at`-th update (from 1), as the user would.
struct PressCancel {
    int at = 1;
    int updates = 0;
    void operator()(QProgressDialog& progress)
    {
        if (++updates != at)
            return;
        for (QPushButton* button : progress.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("&Loobu"))
                QTest::mouseClick(button, Qt::LeftButton);
    }
};

// Every label with a buddy has a mnemonic, every check box, radio button and push button outside
// the button row too (there Enter and Escape serve), and the dialog starts with the keyboard in
// `first`.
inline void verifyKeyboardReady(QDialog& dialog, QWidget& first)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            QVERIFY2(label->text().contains('&'), qPrintable(label->text()));
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        auto* push = qobject_cast<QPushButton*>(button);
        if (qobject_cast<QDialogButtonBox*>(button->parentWidget()))
            continue;
        if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button) || push)
            QVERIFY2(button->text().contains('&'), qPrintable(button->text()));
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.focusWidget(), &first);
}

// Tab from the field that has the keyboard walks the fields in the given order (object names).
inline void verifyTabOrder(QDialog& dialog, const QStringList& names)
{
    QStringList walked;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        walked << (focus ? focus->objectName() : QString());
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Tab);
    }
    QCOMPARE(walked, names);
}

}  // namespace pelmora::gui::test
