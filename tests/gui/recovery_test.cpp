// Crash recovery in the started window: a modified text's tree is written to the user's own data
// folder while the text stays untouched, and it comes back after the process was killed.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/settingsdialog.h"
#include "guitestsupport.h"
#include "text/recovery.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

#include <cstdlib>
#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1"><sone id="l1_s1">Minā</sone><sone id="l1_s2">um</sone></lause>
</sisu></pelmora>
)";

// The environment variable that makes this program the child that is killed.
constexpr const char* kChildFolder = "PELMORA_RECOVERY_CHILD";

QString recoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/taastamine");
}

std::string recoveryContent(const QString& text)
{
    return recoveryFiles(recoveryFolder().toStdString(), QFileInfo(text).absoluteFilePath().toStdString()).content;
}

std::string recoveryRecord(const QString& text)
{
    return recoveryFiles(recoveryFolder().toStdString(), QFileInfo(text).absoluteFilePath().toStdString()).record;
}

struct Workbench {
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    // Starts on the text in `folder` with the given recovery interval; false when it did not open.
    bool start(const QString& folder, int seconds, std::deque<bool> answers = {})
    {
        test::writeFile(folder + "/pelmora.ini", "[Settings]\nShowOptionsDialog=0\nSuggestionType=2\nAutosaveSeconds=" +
                                                   QByteArray::number(seconds) + "\n");
        for (bool answer : answers)
            prompter.queueAnswer(answer);
        app = std::make_unique<CPelmoraApp>(folder + "/pelmora.ini", prompter, files, dialogs);
        return app->start(folder + "/tekst.xml", false);
    }
    CMainFrame& frame() { return *app->frame(); }
    CPelmoraDoc& doc() { return app->doc(); }
    bool change(const char* lemma) { return doc().setNodeAttribute(doc().firstToken(), "lemma", lemma); }
};

int questions(const RecordingPrompter& prompter)
{
    int n = 0;
    for (const RecordingPrompter::Entry& entry : prompter.entries())
        n += entry.question ? 1 : 0;
    return n;
}

QString said(const RecordingPrompter& prompter)
{
    QString all;
    for (const std::string& text : prompter.texts())
        all += QString::fromStdString(text) + "\n";
    return all;
}

// The child: changes the text and keeps running until it is killed.
int runChild(const QString& folder)
{
    Workbench bench;
    if (!bench.start(folder, 1))
        return 3;
    if (!bench.change("mina"))
        return 4;
    bench.frame().show();
    return QApplication::exec();
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString folder() const { return m_dir.path(); }
    QString text() const { return m_dir.filePath("tekst.xml"); }
    bool recoveryExists() const { return QFile::exists(QString::fromStdString(recoveryContent(text()))); }
    // The record is written after the content; a kill between the two leaves a recovery that is set aside.
    bool recoveryWritten() const
    {
        return recoveryExists() && QFile::exists(QString::fromStdString(recoveryRecord(text())));
    }

private Q_SLOTS:
    void init()
    {
        QDir(recoveryFolder()).removeRecursively();
        QVERIFY(test::writeFile(text(), kText));
    }

    // A killed process loses nothing: the change comes back, the file stays as it was until saved.
    void changeSurvivesAKilledProcess()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildFolder, folder());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(recoveryWritten(), 60000);
        QCOMPARE(child.state(), QProcess::Running);
        child.kill();  // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(test::readFile(text()), kText);

        Workbench bench;
        QVERIFY(bench.start(folder(), 60, {true}));
        QCOMPARE(questions(bench.prompter), 1);
        QVERIFY(bench.doc().isModified());
        QCOMPARE(attributeValue(bench.doc().firstToken(), "lemma"), std::string_view("mina"));
        QCOMPARE(bench.frame().documentPath(), text());
        QVERIFY(bench.frame().isWindowModified());
        QCOMPARE(test::readFile(text()), kText);

        QVERIFY(bench.frame().saveText());
        QVERIFY(!recoveryExists());
        QVERIFY(test::readFile(text()).contains("lemma=\"mina\""));
    }

    // Each way of leaving the changes removes their recovery; 0 writes none.
    void leavingTheChangesRemovesTheRecovery_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("save") << "save";
        QTest::newRow("No to the save question") << "no";
        QTest::newRow("undone and closed unchanged") << "unchanged";
        QTest::newRow("save as") << "save as";
    }
    void leavingTheChangesRemovesTheRecovery()
    {
        QFETCH(QString, how);
        Workbench bench;
        QVERIFY(bench.start(folder(), 1));
        QVERIFY(bench.change("mina"));
        QTRY_VERIFY_WITH_TIMEOUT(recoveryExists(), 5000);
        QCOMPARE(test::readFile(text()), kText);
        if (how == "save") {
            QVERIFY(bench.frame().saveText());
        } else if (how == "no") {
            bench.frame().setSaveQuestion([](const QString&) { return QMessageBox::No; });
            QVERIFY(bench.frame().maybeSave());
        } else if (how == "unchanged") {
            QVERIFY(bench.doc().undo());
            QVERIFY(!bench.doc().isModified());
            QVERIFY(bench.frame().maybeSave());
        } else {
            QVERIFY(bench.frame().saveTextAs(m_dir.filePath("koopia.xml")));
        }
        QVERIFY(!recoveryExists());
    }

    void zeroWritesNoRecovery()
    {
        Workbench bench;
        QVERIFY(bench.start(folder(), 0));
        QVERIFY(bench.change("mina"));
        QTest::qWait(1500);
        QVERIFY(!recoveryExists());
    }

    // No removes the recovery and opens the file as it is; a recovery that cannot be read is set
    // aside and named, never dropped; an older one goes silently.
    void openingAsksAboutANewerRecovery()
    {
        const std::string path = QFileInfo(text()).absoluteFilePath().toStdString();
        QVERIFY(writeRecovery(recoveryFolder().toStdString(), path, kText.toStdString() + " ", 4102444800));
        {
            Workbench bench;
            QVERIFY(bench.start(folder(), 60, {false}));
            QVERIFY(!bench.doc().isModified());
            QVERIFY(!recoveryExists());
        }
        QVERIFY(writeRecovery(recoveryFolder().toStdString(), path, "<katki", 4102444800));
        {
            Workbench bench;
            QVERIFY(bench.start(folder(), 60, {true}));
            QVERIFY(bench.doc().hasText());
            QVERIFY(!bench.doc().isModified());
            QVERIFY(said(bench.prompter).contains(".vigane-"));
            QVERIFY(!QDir(recoveryFolder()).entryList({"*.vigane-*"}).isEmpty());
        }
        QVERIFY(writeRecovery(recoveryFolder().toStdString(), path, kText.toStdString(), 1000));
        {
            Workbench bench;
            QVERIFY(bench.start(folder(), 60));
            QCOMPARE(questions(bench.prompter), 0);
            QVERIFY(!recoveryExists());
        }
    }

    // The interval in the settings dialog: shown, changed, and a value beyond the field kept.
    void settingsDialogShowsTheInterval_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("result");
        QTest::newRow("default") << 60 << -1 << 60 << 60;
        QTest::newRow("switched off") << 60 << 0 << 60 << 0;
        QTest::newRow("every second") << 0 << 1 << 0 << 1;
        QTest::newRow("beyond the field, untouched") << 99999999 << -1 << 2147483 << 99999999;
    }
    void settingsDialogShowsTheInterval()
    {
        QFETCH(int, stored);
        QFETCH(int, typed);
        QFETCH(int, shown);
        QFETCH(int, result);
        Settings settings;
        settings.autosaveSeconds = stored;
        QueuedFileChooser files;
        SettingsDialog dialog(settings, files, {});
        auto* spin = dialog.findChild<QSpinBox*>("autosaveSpin");
        QVERIFY(spin);
        QCOMPARE(spin->value(), shown);
        QCOMPARE(spin->text(), shown == 0 ? QString("ei tee") : QString::number(shown) + " s");
        if (typed >= 0)
            spin->setValue(typed);
        QCOMPARE(dialog.edited().autosaveSeconds, result);
    }

    // "&Ava" asks as the start does.
    void openCommandOffersTheRecovery()
    {
        const std::string path = QFileInfo(text()).absoluteFilePath().toStdString();
        Workbench bench;
        QVERIFY(bench.start(folder(), 60));
        QVERIFY(writeRecovery(recoveryFolder().toStdString(), path,
                              QByteArray(kText).replace("Minā", "Mēg").toStdString(), 4102444800));
        bench.prompter.queueAnswer(true);
        QVERIFY(bench.frame().openText(text()));
        QVERIFY(bench.doc().isModified());
        QCOMPARE(bench.doc().tokenText(bench.doc().firstToken()), std::string("Mēg"));
        QCOMPARE(test::readFile(text()), kText);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (const char* child = std::getenv(kChildFolder))
        return runChild(QString::fromUtf8(child));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
