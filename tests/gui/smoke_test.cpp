// The window's building blocks exist and the strings cross the boundary unchanged.
#include "app/appearance.h"
#include "app/qtstrings.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class SmokeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stringsRoundTrip()
    {
        const std::string text = "Ühendi sõnade valimine on pooleli";
        // Every byte of a UTF-8 text comes back after a trip through QString.
        QCOMPARE(pelmora::gui::toStd(pelmora::gui::toQt(text)), text);
    }

    void standardButtonsSpeakEstonian()
    {
        pelmora::gui::setUpAppearance();
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("&Loobu"));
        QMessageBox question(QMessageBox::Question, "Küsimus", "Kas?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QString("&Jah"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QString("&Ei"));
        // The toolbar finds its pictures in the installed icon theme.
        QVERIFY(!QIcon::fromTheme("document-open").isNull());
    }
};

QTEST_MAIN(SmokeTest)
#include "smoke_test.moc"
