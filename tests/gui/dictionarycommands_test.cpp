// The commands on the dictionary as a whole, run from their menu entries as a user would: adding
// the open text (and cancelling it), the export, the automatic lemmatisation and the
// transformations editor, checked in the files on disk and in the document.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "common/utf16text.h"
#include "commands/dictionarycommands.h"
#include "guitestsupport.h"
#include "views/textview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

using test::child;

// Tokens in Estonian without lemmas, known to the dictionary below.
QByteArray estonianText(int sentences)
{
    QByteArray body;
    for (int i = 1; i <= sentences; ++i)
        body += "<lause id=\"l" + QByteArray::number(i) + "\"><sone id=\"l" + QByteArray::number(i) +
                "_s1\" keel=\"eesti\">Kala</sone><sone id=\"l" + QByteArray::number(i) +
                "_s2\" keel=\"eesti\">ujub</sone><sone id=\"l" + QByteArray::number(i) +
                "_s3\" keel=\"eesti\" lemma=\"oma\">on</sone></lause>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"t\">" + body + "</sisu></pelmora>\n";
}

const QByteArray kEstonianDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned><sone id=\"__\" lemma=\"__\"/>"
    "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"2\"/>"
    "<sone id=\"ujub\" lemma=\"ujuma\" vorm=\"pers.ind.pr.sg.3.\" kaal=\"1\"/></soned>\n"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/><lemma id=\"kala\" tahendus=\"fish\" liik=\"S\" kaal=\"1\"/></lemmad>\n"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString dictionaryPath() const { return path("sonastik.xml"); }
    QString iniPath() const { return path("pelmora.ini"); }

    // The sample text and dictionary, or the given ones.
    explicit Workbench(const QByteArray& text = {}, const QByteArray& dictionary = {})
    {
        if (text.isEmpty())
            QFile::copy(test::samplePath("kuolka.xml"), path("tekst.xml"));
        else
            test::writeFile(path("tekst.xml"), text);
        if (dictionary.isEmpty()) {
            QFile::copy(test::samplePath("sonastik.xml"), dictionaryPath());
            QFile::setPermissions(dictionaryPath(), QFile::ReadOwner | QFile::WriteOwner);
        } else {
            test::writeFile(dictionaryPath(), dictionary);
        }
        test::writeFile(iniPath(), "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=" +
                                       dictionaryPath().toUtf8() + "\n");
        app = std::make_unique<CPelmoraApp>(iniPath(), prompter, files, dialogs);
        if (!app->start(path("tekst.xml"), false))
            qFatal("the workbench did not start");
    }
    CMainFrame& frame() { return *app->frame(); }
    void run(Command command) { frame().action(command)->trigger(); }
    QStringList messages() const
    {
        QStringList texts;
        for (const std::string& text : prompter.texts())
            texts << QString::fromStdString(text);
        return texts;
    }
    // The weight of a word-form analysis in the file on disk ("" when it is not there).
    QString weightOnDisk(const char* key, const char* lemma) const
    {
        SilentPrompter quiet;
        CDictionary reader(quiet);
        if (!reader.openWithPath(dictionaryPath().toStdString()))
            return "unreadable";
        for (XmlNode analysis : reader.lookUpWordForm(key))
            if (attributeValue(analysis, "lemma") == lemma)
                return QString::fromUtf8(std::string(attributeValue(analysis, "kaal")).c_str());
        return {};
    }
    QString tokenAttribute(const char* id, const char* name)
    {
        for (XmlNode t = app->doc().firstToken(); t; t = CPelmoraDoc::nextToken(t))
            if (CPelmoraDoc::attribute(t, "id") == id)
                return toQt(CPelmoraDoc::attribute(t, name));
        return "no token";
    }
};

// Shows a dialog the way the user would meet it.
void showActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("dialog not active");
}

}  // namespace

class DictionaryCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addingTheTextRaisesTheWeightsOnDisk();
    void cancelledAdditionChangesNothing();
    void answeringNoToTheAdditionChangesNothing();
    void exportWritesTheFileAfterTheQuestion();
    void exportCancelledInTheFileDialogWritesNothing();
    void dictionaryAnalysisOnlyWarns();
    void lemmatisationIsOneUndoStep();
    void cancelledLemmatisationChangesNothing();
    void windowCommandsWaitWhileLemmatising();
    void lemmatisationDialogCancelledKeepsThePath();
    void lemmatisationWithAnotherDictionaryStoresItsPath();
    void lemmatisationWithTheAnalyserSaysItIsNotThere();
    void transformationsEditorStoresChangesAndTheList();
    void transformationsEditorKeysAndBuiltInLists();
};

void DictionaryCommandsTest::addingTheTextRaisesTheWeightsOnDisk()
{
    Workbench bench;
    QCOMPARE(bench.weightOnDisk("um", "vȱlda"), QString("3"));
    QCOMPARE(bench.weightOnDisk("minā", "minā"), QString("2"));
    bench.prompter.queueAnswer(true);
    bench.run(Command::AddTextToDictionary);
    QCOMPARE(bench.messages(), QStringList{"Kas lisan sõned faili?\n" + bench.dictionaryPath()});
    // Each annotated token of the text confirmed its analysis once.
    QCOMPARE(bench.weightOnDisk("um", "vȱlda"), QString("4"));
    QCOMPARE(bench.weightOnDisk("minā", "minā"), QString("3"));
    // Nothing of the text changed.
    QVERIFY(!bench.app->doc().isModified());
    QCOMPARE(bench.app->doc().undoCount(), std::size_t(0));
}

void DictionaryCommandsTest::cancelledAdditionChangesNothing()
{
    Workbench bench;
    const QByteArray before = test::readFile(bench.dictionaryPath());
    int shown = 0;
    bench.frame().dictionaryCommands().setProgressHook([&shown](QProgressDialog& progress) {
        ++shown;
        // The user presses "Loobu" in the progress window.
        QCOMPARE(progress.windowModality(), Qt::WindowModal);
        progress.cancel();
    });
    bench.prompter.queueAnswer(true);
    bench.run(Command::AddTextToDictionary);
    QVERIFY(shown >= 1);
    QCOMPARE(test::readFile(bench.dictionaryPath()), before);
    // The dictionary in memory is as the file holds it too.
    QVERIFY(bench.app->dictionary().lookUpWordForm("um").size() == 1);
    QCOMPARE(bench.app->dictionary().lookUpWordForm("um").front().attribute("kaal").value(), "3");
    QVERIFY(!QFile::exists(bench.dictionaryPath() + ".lock"));
}

void DictionaryCommandsTest::answeringNoToTheAdditionChangesNothing()
{
    Workbench bench;
    const QByteArray before = test::readFile(bench.dictionaryPath());
    bench.prompter.queueAnswer(false);
    bench.run(Command::AddTextToDictionary);
    QCOMPARE(bench.messages().last(), QString("Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!"));
    QCOMPARE(test::readFile(bench.dictionaryPath()), before);
}

void DictionaryCommandsTest::exportWritesTheFileAfterTheQuestion()
{
    Workbench bench;
    SilentPrompter quiet;
    CDictionary other(quiet);
    QVERIFY(other.openWithPath(bench.dictionaryPath().toStdString()));
    QVERIFY(other.storeWordForm("kivi", "kivi", "").saved);
    const QString out = bench.path("eksport.txt");
    bench.files.queue(out);
    bench.prompter.queueAnswer(true);
    bench.run(Command::ExportDictionary);
    // Warning, then the file dialog, then the question.
    QCOMPARE(bench.prompter.entries().size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(bench.prompter.entries()[0].title), QString("Tekstide ühendamine"));
    QCOMPARE(bench.messages()[1], "Kas ekspordin sõnastiku\n" + bench.dictionaryPath() + "?");
    QCOMPARE(bench.files.requests().size(), std::size_t(1));
    const FileRequest& request = bench.files.requests().front();
    QCOMPARE(request.mode, FileRequest::Mode::Save);
    QCOMPARE(request.filter, QString("Tekstifailid (*.txt)"));
    QCOMPARE(request.defaultSuffix, QString("txt"));
    const Utf16ReadResult read = readUtf16LeFile(out.toStdString());
    QCOMPARE(read.status, Utf16ReadStatus::Ok);
    QVERIFY(read.text.find("'um\t'vȱlda\t'pers.ind.pr.sg.1.\r\n") != std::string::npos);
    // What another user stored before the export is in it.
    QVERIFY(read.text.find("'kivi\t'kivi\t'\r\n") != std::string::npos);
    QVERIFY(read.text.find("jūrõ vīeres\tmere ääres\tPost\r\n") != std::string::npos);
}

void DictionaryCommandsTest::exportCancelledInTheFileDialogWritesNothing()
{
    Workbench bench;
    bench.files.queue(QString());
    bench.run(Command::ExportDictionary);
    // Only the warning; no question after a cancelled file dialog.
    QCOMPARE(bench.prompter.entries().size(), std::size_t(1));
    QCOMPARE(QDir(bench.dir.path()).entryList({"*.txt"}), QStringList());
}

void DictionaryCommandsTest::dictionaryAnalysisOnlyWarns()
{
    Workbench bench;
    const QByteArray before = test::readFile(bench.dictionaryPath());
    bench.run(Command::AnalyseDictionary);
    QCOMPARE(bench.prompter.entries().size(), std::size_t(1));
    QCOMPARE(bench.prompter.entries()[0].kind, MessageKind::Warning);
    QVERIFY(bench.messages()[0].startsWith("See funktsioon ei tööta veel õigesti\nmurdetekstidega"));
    QCOMPARE(test::readFile(bench.dictionaryPath()), before);
    QVERIFY(bench.dialogs.titles().isEmpty());
}

void DictionaryCommandsTest::lemmatisationIsOneUndoStep()
{
    Workbench bench(estonianText(3), kEstonianDictionary);
    bench.dialogs.queue([](QDialog& dialog) -> int {
        showActive(dialog);
        // The dictionary is preselected and the check box is off.
        if (!child<QRadioButton>(dialog, "dictionaryRadio").isChecked() ||
            child<QCheckBox>(dialog, "skipAmbiguousCheck").isChecked())
            return QDialog::Rejected;
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    bench.run(Command::Lemmatise);
    QCOMPARE(bench.dialogs.titles(), QStringList{"Automaatne lemmatiseerimine"});
    QCOMPARE(bench.prompter.entries().size(), std::size_t(1));
    QVERIFY(bench.messages()[0].contains("murdekorpuse ja liivi korpuse failidega"));
    QCOMPARE(bench.tokenAttribute("l2_s1", "lemma"), QString("kala"));
    QCOMPARE(bench.tokenAttribute("l2_s1", "vorm"), QString("sg.nom."));
    QCOMPARE(bench.tokenAttribute("l2_s1", "tahendus"), QString("fish"));
    QCOMPARE(bench.tokenAttribute("l3_s2", "lemma"), QString("ujuma"));
    // A token with a lemma keeps it.
    QCOMPARE(bench.tokenAttribute("l3_s3", "lemma"), QString("oma"));
    CPelmoraDoc& doc = bench.app->doc();
    QCOMPARE(doc.undoCount(), std::size_t(1));
    QVERIFY(doc.isModified());
    QVERIFY(doc.undo());
    QCOMPARE(bench.tokenAttribute("l2_s1", "lemma"), QString());
    QCOMPARE(bench.tokenAttribute("l3_s2", "lemma"), QString());
    QVERIFY(!doc.isModified());
}

void DictionaryCommandsTest::cancelledLemmatisationChangesNothing()
{
    // Enough tokens for reports along the way.
    Workbench bench(estonianText(400), kEstonianDictionary);
    int reports = 0;
    bench.frame().dictionaryCommands().setProgressHook([&reports](QProgressDialog& progress) {
        if (++reports == 3)
            progress.cancel();
    });
    bench.dialogs.queue([](QDialog&) { return QDialog::Accepted; });
    bench.run(Command::Lemmatise);
    QCOMPARE(reports, 3);
    for (const char* id : {"l1_s1", "l1_s2", "l400_s1"})
        QCOMPARE(bench.tokenAttribute(id, "lemma"), QString());
    QCOMPARE(bench.app->doc().undoCount(), std::size_t(0));
    QVERIFY(!bench.app->doc().isModified());
}

void DictionaryCommandsTest::windowCommandsWaitWhileLemmatising()
{
    Workbench bench(estonianText(400), kEstonianDictionary);
    CMainFrame& frame = bench.frame();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const XmlNode first = bench.app->doc().currentToken();
    bool pressed = false;
    bench.frame().dictionaryCommands().setProgressHook([&](QProgressDialog&) {
        if (pressed)
            return;
        pressed = true;
        // Ctrl+End (go to the last token) in the running text while the run is under way: no
        // command of the window may run inside it.
        QTest::keyClick(&frame.textView(), Qt::Key_End, Qt::ControlModifier);
    });
    bench.dialogs.queue([](QDialog&) { return QDialog::Accepted; });
    bench.run(Command::Lemmatise);
    QVERIFY(pressed);
    QVERIFY(bench.app->doc().currentToken() == first);
    QCOMPARE(bench.tokenAttribute("l400_s2", "lemma"), QString("ujuma"));
    // Once the run is over the window's keys work again.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame.textView(), Qt::Key_End, Qt::ControlModifier);
    QTRY_VERIFY(bench.app->doc().currentToken() == bench.app->doc().lastToken());
}

void DictionaryCommandsTest::lemmatisationDialogCancelledKeepsThePath()
{
    Workbench bench(estonianText(1), kEstonianDictionary);
    const QByteArray ini = test::readFile(bench.iniPath());
    bench.files.queue(bench.path("muu.xml"));
    bench.dialogs.queue([](QDialog& dialog) -> int {
        showActive(dialog);
        QTest::mouseClick(&child<QPushButton>(dialog, "chooseButton"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    bench.run(Command::Lemmatise);
    QCOMPARE(test::readFile(bench.iniPath()), ini);
    QCOMPARE(bench.app->settings().dictionaryPathName, bench.dictionaryPath().toStdString());
    QCOMPARE(bench.tokenAttribute("l1_s1", "lemma"), QString());
    const FileRequest& request = bench.files.requests().front();
    QCOMPARE(request.title, QString("Vali sõnastikufail"));
    QCOMPARE(request.filter, QString("XML-failid (*.xml)"));
}

void DictionaryCommandsTest::lemmatisationWithAnotherDictionaryStoresItsPath()
{
    Workbench bench(estonianText(1), kEstonianDictionary);
    const QString other = bench.path("teine.xml");
    QByteArray bytes = kEstonianDictionary;
    test::writeFile(other, bytes.replace("lemma=\"ujuma\"", "lemma=\"ujuda\""));
    bench.files.queue(other);
    bench.dialogs.queue([other](QDialog& dialog) -> int {
        showActive(dialog);
        // "Vali sõnastik" from the keyboard; the mnemonic clicks after a short animation.
        QTest::keyClick(&dialog, Qt::Key_V, Qt::AltModifier);
        if (!QTest::qWaitFor([&] { return child<QLineEdit>(dialog, "pathEdit").text() == other; }))
            return QDialog::Rejected;
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    bench.run(Command::Lemmatise);
    QCOMPARE(bench.tokenAttribute("l1_s2", "lemma"), QString("ujuda"));
    QSettings ini(bench.iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Settings/DictionaryPathName").toString(), other);
    QCOMPARE(QString::fromStdString(bench.app->dictionary().path()), other);
}

void DictionaryCommandsTest::lemmatisationWithTheAnalyserSaysItIsNotThere()
{
    Workbench bench(estonianText(1), kEstonianDictionary);
    bench.dialogs.queue([](QDialog& dialog) -> int {
        showActive(dialog);
        QTest::keyClick(&dialog, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
        if (!QTest::qWaitFor([&] { return child<QCheckBox>(dialog, "skipAmbiguousCheck").isChecked(); }))
            return QDialog::Rejected;
        // The file field belongs to the dictionary option.
        if (child<QLineEdit>(dialog, "pathEdit").isEnabled())
            return QDialog::Rejected;
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    bench.run(Command::Lemmatise);
    QCOMPARE(bench.prompter.entries().back().title, std::string(":-("));
    QCOMPARE(bench.messages().last(), QString("Seda funktsiooni veel pole, sry."));
    QCOMPARE(bench.tokenAttribute("l1_s1", "lemma"), QString());
}

void DictionaryCommandsTest::transformationsEditorStoresChangesAndTheList()
{
    Workbench bench;
    QCOMPARE(bench.app->transformations(), irregularSpellingList());
    bench.dialogs.queue([](QDialog& dialog) -> int {
        showActive(dialog);
        // The keyboard starts in "Mis"; both fields are typed and the pair added.
        QTest::keyClicks(QApplication::focusWidget(), "sch");
        QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "sk");
        QTest::mouseClick(&child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
        if (!child<QLineEdit>(dialog, "sourceEdit").text().isEmpty())
            return QDialog::Rejected;
        // The new last row moves up one place.
        QTest::mouseClick(&child<QPushButton>(dialog, "upButton"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    bench.run(Command::Transformations);
    QCOMPARE(bench.dialogs.titles(), QStringList{"Teisendused"});
    const TransformationList& list = bench.app->transformations();
    QCOMPARE(list.size(), irregularSpellingList().size() + 1);
    QCOMPARE(list[list.size() - 2], (TransformationPair{"sch", "sk"}));
    QCOMPARE(list.back(), irregularSpellingList().back());
    QCOMPARE(bench.app->settings().changes, 3);
    QSettings ini(bench.iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Settings/Changes").toInt(), 3);
}

void DictionaryCommandsTest::transformationsEditorKeysAndBuiltInLists()
{
    Workbench bench;
    const QString file = bench.path("vana.vtf");
    bench.files.queue(file);
    int rowsAfterOldSpelling = 0;
    bench.dialogs.queue([&](QDialog& dialog) -> int {
        showActive(dialog);
        QTest::mouseClick(&child<QPushButton>(dialog, "oldSpellingButton"), Qt::LeftButton);
        rowsAfterOldSpelling = child<QTableWidget>(dialog, "rowsTable").rowCount();
        // An empty field is refused with a notice.
        QTest::mouseClick(&child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
        // The list written to a file points the settings at it.
        QTest::mouseClick(&child<QPushButton>(dialog, "saveButton"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    bench.run(Command::Transformations);
    QCOMPARE(rowsAfterOldSpelling, 28);
    QCOMPARE(bench.messages(), QStringList{"\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad"});
    QCOMPARE(bench.app->settings().changes, 2);
    QCOMPARE(QString::fromStdString(bench.app->settings().changesPath), file);
    QCOMPARE(bench.files.requests().front().title, QString("Vali teisenduste fail"));
    TransformationList read;
    SilentPrompter quiet;
    QVERIFY(readTransformationsFile(file.toStdString(), read, quiet));
    QCOMPARE(read, oldSpellingList());

    // Escape drops what the dialog did.
    bench.dialogs.queue([](QDialog& dialog) -> int {
        showActive(dialog);
        QTest::mouseClick(&child<QPushButton>(dialog, "removeAllButton"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    bench.run(Command::Transformations);
    QCOMPARE(bench.app->transformations(), oldSpellingList());
}

QTEST_MAIN(DictionaryCommandsTest)
#include "dictionarycommands_test.moc"
