// "Ü&henda tekstid ...": the list with "Lisa", "Eemalda", "Üles" and "Alla", the new file, the
// question about a modified text first, and the merged text open in the window afterwards.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "commands/iocommands.h"
#include "dialogs/mergetextsdialog.h"
#include "guitestsupport.h"
#include "iodialogsupport.h"

#include <QListWidget>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using namespace pelmora::gui::test;

namespace {

QByteArray corpus(const char* id, const char* word, int sentences)
{
    QByteArray body;
    for (int i = 1; i <= sentences; ++i) {
        const QByteArray n = QByteArray::number(i);
        body += "<lause id=\"l" + n + "\"><sone id=\"l" + n + "_s1\" lk=\"" + n + "\">" + word + n + "</sone></lause>";
    }
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><info><tyyp>") + id +
           "</tyyp></info><sisu id=\"" + id + "\">" + body + "</sisu></pelmora>";
}

struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;
    CMainFrame* frame = nullptr;
    int saveQuestions = 0;
    QMessageBox::StandardButton saveAnswer = QMessageBox::No;

    QString path(const QString& name) const { return dir.filePath(name); }

    Workbench()
    {
        writeFile(path("open.xml"), corpus("OPEN", "vana", 1));
        writeFile(path("a.xml"), corpus("A", "a", 2));
        writeFile(path("b.xml"), corpus("B", "b", 1));
        writeFile(path("c.xml"), corpus("C", "c", 3));
        writeFile(path("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\nDictionaryPathName=" +
                                           path("sonastik.xml").toUtf8() + "\n");
        QFile::copy(samplePath("sonastik.xml"), path("sonastik.xml"));
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(path("open.xml"), false))
            qFatal("the workbench did not start");
        frame = app->frame();
        frame->setSaveQuestion([this](const QString&) {
            ++saveQuestions;
            return saveAnswer;
        });
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame))
            qFatal("no window");
        prompter.clear();
    }
    QStringList sentenceTexts()
    {
        QStringList out;
        for (XmlNode token = app->doc().firstToken(); token; token = CPelmoraDoc::nextToken(token))
            out << QString::fromStdString(CPelmoraDoc::tokenText(token) + "@" + CPelmoraDoc::attribute(token, "lk"));
        return out;
    }
    // Fills the dialog with a, b and c, puts c first and a last, names the new file; then OK.
    ScriptedDialogRunner::Step reorderedMerge(bool prefixPages)
    {
        return [this, prefixPages](QDialog& dialog) {
            QListWidget& list = child<QListWidget>(dialog, "fileList");
            files.queue(QStringList{path("a.xml"), path("b.xml"), path("c.xml")});
            click(buttonNamed(dialog, "&Lisa"));
            // c is selected after adding: up twice, and once more at the top (nothing happens).
            for (int i = 0; i < 3; ++i)
                click(buttonNamed(dialog, "Ü&les"));
            // a is now second: select it and move it down twice (the second time at the end).
            list.setCurrentRow(1);
            click(buttonNamed(dialog, "&Alla"));
            click(buttonNamed(dialog, "&Alla"));
            files.queue(path("merged.xml"));
            click(buttonNamed(dialog, "&Vali fail"));
            if (prefixPages)
                click(child<QRadioButton>(dialog, "pagesPrefixedRadio"));
            click(static_cast<MergeTextsDialog&>(dialog).okButton());
            return dialog.result();
        };
    }
};

}  // namespace

class MergeDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reorderedMergeIsOpenInTheWindow_data()
    {
        QTest::addColumn<bool>("prefixPages");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("pages unchanged") << false
                                         << QStringList{"c1@1", "c2@2", "c3@3", "b1@1", "a1@1", "a2@2"};
        QTest::newRow("text identifier before the page")
            << true << QStringList{"c1@C, 1", "c2@C, 2", "c3@C, 3", "b1@B, 1", "a1@A, 1", "a2@A, 2"};
    }

    void reorderedMergeIsOpenInTheWindow()
    {
        QFETCH(bool, prefixPages);
        QFETCH(QStringList, tokens);
        Workbench bench;
        bench.dialogs.queue(bench.reorderedMerge(prefixPages));
        bench.frame->action(Command::MergeTexts)->trigger();
        // Expected: the warning, then the merged text in the order c, b, a, open and modified
        // under the new name; the file on disk holds the same text.
        QCOMPARE(bench.prompter.texts().size(), 1u);
        QVERIFY(bench.prompter.texts()[0].starts_with("See funktsioon ei tööta veel õigesti\nsuuliste tekstidega"));
        QCOMPARE(bench.dialogs.titles(), QStringList{"Tekstide ühendamine"});
        QCOMPARE(bench.sentenceTexts(), tokens);
        QCOMPARE(bench.frame->documentPath(), bench.path("merged.xml"));
        QVERIFY(bench.frame->windowTitle().startsWith("merged.xml"));
        QVERIFY(bench.frame->isWindowModified());
        QCOMPARE(bench.frame->recentFiles().front(), bench.path("merged.xml"));
        QCOMPARE(QString::fromStdString(CPelmoraDoc::attribute(bench.app->doc().currentToken(), "id")),
                 QString("l1_s1"));
        const QString written = QString::fromUtf8(readFile(bench.path("merged.xml")));
        QVERIFY(written.contains("<tyyp>C</tyyp>"));
        QVERIFY(written.contains("id=\"l6_s1\""));
        // Expected: the listed texts are only read.
        QCOMPARE(readFile(bench.path("a.xml")), corpus("A", "a", 2));
    }

    void modifiedTextIsAskedAboutBeforeItIsReplaced()
    {
        Workbench bench;
        CPelmoraDoc& doc = bench.app->doc();
        doc.setLemma(doc.firstToken(), "uus");
        // Cancel keeps the modified text: nothing is merged or written.
        bench.saveAnswer = QMessageBox::Cancel;
        bench.dialogs.queue(bench.reorderedMerge(false));
        bench.frame->action(Command::MergeTexts)->trigger();
        QCOMPARE(bench.saveQuestions, 1);
        QCOMPARE(bench.sentenceTexts(), QStringList{"vana1@1"});
        QVERIFY(doc.isModified());
        QVERIFY(!QFile::exists(bench.path("merged.xml")));
        // Yes saves the old text first, then the merge replaces it.
        bench.saveAnswer = QMessageBox::Yes;
        bench.dialogs.queue(bench.reorderedMerge(false));
        bench.frame->action(Command::MergeTexts)->trigger();
        QCOMPARE(bench.saveQuestions, 2);
        QVERIFY(QString::fromUtf8(readFile(bench.path("open.xml"))).contains("lemma=\"uus\""));
        QCOMPARE(bench.sentenceTexts().size(), 6);
    }

    void stoppedMergeLeavesTheOpenTextAndNoFile()
    {
        Workbench bench;
        bench.frame->ioCommands().setProgressObserver(PressCancel{2});
        bench.dialogs.queue(bench.reorderedMerge(false));
        bench.frame->action(Command::MergeTexts)->trigger();
        QCOMPARE(bench.sentenceTexts(), QStringList{"vana1@1"});
        QVERIFY(!bench.app->doc().isModified());
        QCOMPARE(bench.frame->documentPath(), bench.path("open.xml"));
        QVERIFY(!QFile::exists(bench.path("merged.xml")));
        QCOMPARE(QDir(bench.dir.path()).entryList({"*.xml"}, QDir::Files).size(), 5);
    }

    void listRefusesDoublesAndTheNewFile()
    {
        Workbench bench;
        QStringList listed;
        QString newName = "unset";
        bool okWithoutName = true;
        bench.dialogs.queue([&](QDialog& dialog) {
            bench.files.queue(bench.path("merged.xml"));
            click(buttonNamed(dialog, "&Vali fail"));
            bench.files.queue(QStringList{bench.path("a.xml"), bench.path("merged.xml"), bench.path("a.xml")});
            click(buttonNamed(dialog, "&Lisa"));
            // The new file's name may not be a listed text either.
            bench.files.queue(bench.path("a.xml"));
            click(buttonNamed(dialog, "&Vali fail"));
            newName = child<QLineEdit>(dialog, "outputEdit").text();
            click(buttonNamed(dialog, "&Eemalda"));
            child<QLineEdit>(dialog, "outputEdit").clear();
            bench.files.queue(QStringList{bench.path("b.xml")});
            click(buttonNamed(dialog, "&Lisa"));
            okWithoutName = static_cast<MergeTextsDialog&>(dialog).okButton().isEnabled();
            for (int row = 0; row < child<QListWidget>(dialog, "fileList").count(); ++row)
                listed << child<QListWidget>(dialog, "fileList").item(row)->text();
            return int(QDialog::Rejected);
        });
        bench.frame->action(Command::MergeTexts)->trigger();
        const std::string merged = bench.path("merged.xml").toStdString();
        const std::string a = bench.path("a.xml").toStdString();
        QCOMPARE(bench.prompter.texts(),
                 (std::vector<std::string>{bench.prompter.texts()[0],
                                           "Fail " + merged + "\non juba loendis või uue faili lahtris.",
                                           "Fail " + a + "\non juba loendis või uue faili lahtris.",
                                           "Fail " + a + "\non loendis olemas.\nVali mõni muu fail."}));
        QCOMPARE(newName, bench.path("merged.xml"));
        QCOMPARE(listed, QStringList{bench.path("b.xml")});
        QVERIFY(!okWithoutName);
        const FileRequest& output = bench.files.requests().front();
        QCOMPARE(output.title, QString("Vali ühendatud fail"));
        QCOMPARE(output.defaultSuffix, QString("xml"));
        QCOMPARE(bench.sentenceTexts(), QStringList{"vana1@1"});
    }

    void dialogFromTheKeyboard()
    {
        RecordingPrompter prompter;
        QueuedFileChooser files;
        MergeTextsDialog dialog(prompter, files);
        QVERIFY(child<QRadioButton>(dialog, "pagesUnchangedRadio").isChecked());
        verifyKeyboardReady(dialog, child<QListWidget>(dialog, "fileList"));
        // The buttons wait for a file; Tab walks the rest in reading order.
        verifyTabOrder(dialog, {"fileList", "addButton", "removeButton", "upButton", "downButton", "outputEdit",
                                "outputButton", "pagesUnchangedRadio"});
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(MergeDialogTest)
#include "mergedialog_test.moc"
