// The window's building blocks exist and the strings cross the boundary unchanged.
#include "app/qtstrings.h"

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
};

QTEST_MAIN(SmokeTest)
#include "smoke_test.moc"
