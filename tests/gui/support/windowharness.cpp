#include "windowharness.h"

#include <QFile>
#include <QtTest>

namespace pelmora::gui::test {

void WindowHarness::start(const QByteArray& text, const QByteArray& settings)
{
    writeFile(path("tekst.xml"), text);
    QFile::copy(samplePath("sonastik.xml"), path("sonastik.xml"));
    QFile::setPermissions(path("sonastik.xml"), QFile::ReadOwner | QFile::WriteOwner);
    writeFile(path("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\nDictionaryPathName=" +
                                       path("sonastik.xml").toUtf8() + "\n" + settings);
    app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
    if (!app->start(path("tekst.xml"), false))
        qFatal("the workbench did not start");
    frame().show();
    if (!QTest::qWaitForWindowExposed(&frame()))
        qFatal("no window");
}

QStringList WindowHarness::messages() const
{
    QStringList texts;
    for (const std::string& text : prompter.texts())
        texts << QString::fromStdString(text);
    return texts;
}

}  // namespace pelmora::gui::test
