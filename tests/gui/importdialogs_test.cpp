// "Faili import" and "Murdekorpuse import" in the started window: the file dialogs, the text data,
// the save question first, the new text shown in the window, and a stopped import.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/settingsstore.h"
#include "commands/editingcommands.h"
#include "dialogs/importfilesdialog.h"
#include "dialogs/textinfodialog.h"
#include "guitestsupport.h"
#include "views/textview.h"
#include "text/editing.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

using test::child;
using test::typeInto;

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><sisu id="vana"><lause id="l1"><sone id="l1_s1">Vana</sone></lause></sisu></pelmora>
)";

// A UTF-16 little-endian file with its byte-order mark.
QByteArray utf16(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

// An old dialect-corpus file in ISO-8859-1.
const QByteArray kDialect = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                            "<record kla=\"Kuolka\" khk=\"Ira\"><com>algus</com>\r\n"
                            "<u who=\"K1\"><mark><sne>kala</sne><msn>kala</msn><mrf slk=\"S\">sg g</mrf></mark>"
                            " paljas (...)</u>\r\n"
                            "</record>\r\n";

// Records like RecordingPrompter and lets a test look at the window when a message comes.
class WatchingPrompter final : public Prompter {
public:
    void message(MessageKind kind, const std::string& title, const std::string& text) override
    {
        if (onMessage)
            onMessage();
        m_log.message(kind, title, text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override { return m_log.askYesNo(title, text); }
    const std::vector<RecordingPrompter::Entry>& entries() const { return m_log.entries(); }
    std::string lastText() const { return m_log.lastText(); }
    void clear() { m_log.clear(); }
    std::function<void()> onMessage;

private:
    RecordingPrompter m_log;
};

struct Workbench {
    QTemporaryDir dir;
    WatchingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }

    Workbench()
    {
        test::writeFile(path("tekst.xml"), kText);
        QFile::copy(test::samplePath("sonastik.xml"), path("sonastik.xml"));
        test::writeFile(path("pelmora.ini"),
                        "[Settings]\nShowOptionsDialog=0\nDictionaryPathName=" + path("sonastik.xml").toUtf8() + "\n");
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(path("tekst.xml"), false))
            qFatal("the workbench did not start");
        app->frame()->show();
    }
    CMainFrame& frame() { return *app->frame(); }
    CPelmoraDoc& doc() { return app->doc(); }
    QString current() const { return QString::fromStdString(CPelmoraDoc::tokenText(app->doc().currentToken())); }

    // Queues the file dialog: the given names typed, then Enter.
    void queueFiles(const QString& input, const QString& output = {})
    {
        dialogs.queue([input, output](QDialog& dialog) {
            dialog.show();
            typeInto(child<QLineEdit>(dialog, "inputEdit"), input);
            if (child<QLineEdit>(dialog, "outputEdit").isVisible())
                typeInto(child<QLineEdit>(dialog, "outputEdit"), output);
            QTest::keyClick(&child<QLineEdit>(dialog, "inputEdit"), Qt::Key_Return);
            return dialog.result();
        });
    }
    // Queues the text data dialog: an ID and the oral type.
    void queueTextData(const QString& id)
    {
        dialogs.queue([id](QDialog& dialog) {
            [&] { QVERIFY(qobject_cast<TextInfoDialog*>(&dialog)); }();
            typeInto(child<QLineEdit>(dialog, "idEdit"), id);
            child<QRadioButton>(dialog, "oralRadio").setChecked(true);
            return int(QDialog::Accepted);
        });
    }
};

}  // namespace

class ImportDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plainTextImportOpensTheNewText();
    void emptyNamesAskAgain();
    void chooseButtonsAskWithTheirTitlesAndFilters();
    void aModifiedTextIsAskedAboutFirst();
    void stoppedImportLeavesNoFileAndTheOpenText();
    void refusedImportShowsTheDialogAgainAsItWas();
    void dialectImportOpensTheNewText();
    void stoppedDialectImportLeavesNoText();
};

void ImportDialogsTest::plainTextImportOpensTheNewText()
{
    Workbench bench;
    test::writeFile(bench.path("in.txt"), utf16("<u who=K1>Minā um, kalāmīez!</u>\r\n<u who=K1>Mēg</u>\r\n"));
    bench.queueFiles(bench.path("in.txt"), bench.path("uus.xml"));
    bench.queueTextData("T1");
    bench.frame().action(Command::ImportText)->trigger();
    QVERIFY(bench.dialogs.idle());
    QCOMPARE(bench.dialogs.titles(), (QStringList{"Faili import", "Teksti andmed"}));
    // The window shows the new text, modified and named after the output file, which holds the
    // template until it is saved.
    QCOMPARE(bench.current(), QString("Minā"));
    QCOMPARE(bench.frame().documentPath(), bench.path("uus.xml"));
    QVERIFY(bench.frame().windowTitle().startsWith("uus.xml"));
    QVERIFY(bench.doc().isModified());
    QCOMPARE(QString::fromUtf8(attributeValue(bench.doc().body(), "id").data()), QString("T1"));
    const XmlNode last = bench.doc().lastToken();
    QCOMPARE(QString::fromUtf8(attributeValue(last, "id").data()), QString("l2_s1"));
    QCOMPARE(QString::fromUtf8(attributeValue(last.parent(), "koneleja").data()), QString("K1"));
    QVERIFY(test::readFile(bench.path("uus.xml")).contains("__UUS_FAIL__"));
    // Saving writes the imported text there.
    bench.frame().action(Command::Save)->trigger();
    QVERIFY(test::readFile(bench.path("uus.xml")).contains("kalāmīez"));
}

void ImportDialogsTest::emptyNamesAskAgain()
{
    Workbench bench;
    bench.queueFiles(bench.path("in.txt"), "");
    bench.dialogs.queue([&](QDialog& dialog) {
        // Shown again with the name entered.
        [&] { QCOMPARE(child<QLineEdit>(dialog, "inputEdit").text(), bench.path("in.txt")); }();
        return int(QDialog::Rejected);
    });
    bench.frame().action(Command::ImportText)->trigger();
    QCOMPARE(QString::fromStdString(bench.prompter.lastText()), QString("Sisesta faili nimi"));
    QCOMPARE(bench.current(), QString("Vana"));

    bench.prompter.clear();
    bench.queueFiles("");
    bench.dialogs.queue([](QDialog&) { return int(QDialog::Rejected); });
    bench.frame().action(Command::ImportDialect)->trigger();
    QCOMPARE(QString::fromStdString(bench.prompter.lastText()), QString("Sisesta faili nimi"));
    QVERIFY(bench.dialogs.idle());
}

void ImportDialogsTest::chooseButtonsAskWithTheirTitlesAndFilters()
{
    QueuedFileChooser files;
    files.queue(QString("/tmp/a.txt"));
    files.queue(QString("/tmp/b.xml"));
    files.queue(QString("/tmp/c.xml"));
    ImportFilesDialog plain(ImportFilesDialog::Kind::PlainText, files);
    QTest::mouseClick(&child<QPushButton>(plain, "inputButton"), Qt::LeftButton);
    QTest::mouseClick(&child<QPushButton>(plain, "outputButton"), Qt::LeftButton);
    QCOMPARE(plain.inputPath(), QString("/tmp/a.txt"));
    QCOMPARE(plain.outputPath(), QString("/tmp/b.xml"));
    ImportFilesDialog dialect(ImportFilesDialog::Kind::Dialect, files);
    QTest::mouseClick(&child<QPushButton>(dialect, "inputButton"), Qt::LeftButton);
    QCOMPARE(dialect.inputPath(), QString("/tmp/c.xml"));
    QCOMPARE(dialect.windowTitle(), QString("Murdekorpuse import"));
    struct Expected {
        const char* title;
        const char* suffix;
        const char* filter;
    };
    const Expected expected[] = {{"Vali sisendfail", "txt", "Tekstifailid (*.txt);;Kõik failid (*)"},
                                 {"Vali väljundfail", "xml", "XML-failid (*.xml)"},
                                 {"Vali väljundfail", "xml", "Tekstifailid (*.xml);;Kõik failid (*)"}};
    QCOMPARE(files.requests().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        QCOMPARE(files.requests()[i].title, QString(expected[i].title));
        QCOMPARE(files.requests()[i].defaultSuffix, QString(expected[i].suffix));
        QCOMPARE(files.requests()[i].filter, QString(expected[i].filter));
    }
}

void ImportDialogsTest::aModifiedTextIsAskedAboutFirst()
{
    Workbench bench;
    modifyToken(bench.doc(), "Muudetud");
    QStringList asked;
    bench.frame().setSaveQuestion([&](const QString& name) {
        asked << name;
        return QMessageBox::Cancel;
    });
    bench.frame().action(Command::ImportText)->trigger();
    bench.frame().action(Command::ImportDialect)->trigger();
    // Cancel keeps the text and no import dialog opens.
    QCOMPARE(asked, (QStringList{"tekst.xml", "tekst.xml"}));
    QVERIFY(bench.dialogs.titles().isEmpty());
    QCOMPARE(bench.current(), QString("Muudetud"));
}

void ImportDialogsTest::stoppedImportLeavesNoFileAndTheOpenText()
{
    Workbench bench;
    QString body;
    for (int line = 0; line < 4000; ++line)
        body += "<u who=K1>sõna teine sõna.\r\n";
    test::writeFile(bench.path("in.txt"), utf16(body));
    bench.queueFiles(bench.path("in.txt"), bench.path("uus.xml"));
    bench.queueTextData("T1");
    int steps = 0;
    bench.frame().editingCommands().setProgressHook([&](QProgressDialog& progress) {
        // The window counts: "done / total".
        QVERIFY(progress.labelText().contains(" / "));
        if (++steps == 2)
            progress.cancel();
    });
    bench.frame().action(Command::ImportText)->trigger();
    QCOMPARE(steps, 2);
    QVERIFY(!QFile::exists(bench.path("uus.xml")));
    QCOMPARE(bench.current(), QString("Vana"));
    QCOMPARE(bench.frame().documentPath(), bench.path("tekst.xml"));
    QVERIFY(!bench.doc().isModified());
    QVERIFY(bench.prompter.entries().empty());
}

void ImportDialogsTest::refusedImportShowsTheDialogAgainAsItWas()
{
    Workbench bench;
    // A UTF-8 text without the leading mark-up, several sentences on a line.
    test::writeFile(bench.path("in.txt"), "Minā um kalāmīez. Tuli nt. Jaan! Kalā?\n");
    bench.dialogs.queue([&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("dialog not active");
        typeInto(child<QLineEdit>(dialog, "inputEdit"), bench.path("in.txt"));
        typeInto(child<QLineEdit>(dialog, "outputEdit"), bench.path("uus.xml"));
        // "Jaga laused lõpumärkide järgi" by its mnemonic (it clicks after a short animation), then
        // an own list of abbreviations.
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
        if (!QTest::qWaitFor([&] { return child<QCheckBox>(dialog, "splitCheck").isChecked(); }))
            return int(QDialog::Rejected);
        QLineEdit& abbreviations = child<QLineEdit>(dialog, "abbreviationsEdit");
        abbreviations.clear();
        typeInto(abbreviations, "nt.");
        return int(QDialog::Accepted);
    });
    bench.dialogs.queue([&](QDialog& dialog) {
        // Shown again after the refusal with everything as it was; the user adds the mark-up.
        [&] {
            QCOMPARE(child<QLineEdit>(dialog, "inputEdit").text(), bench.path("in.txt"));
            QCOMPARE(child<QLineEdit>(dialog, "outputEdit").text(), bench.path("uus.xml"));
            QVERIFY(child<QCheckBox>(dialog, "splitCheck").isChecked());
            QCOMPARE(child<QLineEdit>(dialog, "abbreviationsEdit").text(), QString("nt."));
        }();
        test::writeFile(bench.path("in.txt"), "<u who=K1>Minā um kalāmīez. Tuli nt. Jaan! Kalā?\n");
        return int(QDialog::Accepted);
    });
    bench.queueTextData("T1");
    bench.frame().action(Command::ImportText)->trigger();
    QVERIFY(bench.dialogs.idle());
    QCOMPARE(bench.dialogs.titles(), (QStringList{"Faili import", "Faili import", "Teksti andmed"}));
    // Expected: the refusal explains the mark-up; the text comes in as three sentences.
    QVERIFY(bench.prompter.entries().front().text.starts_with("Fail ei alga märgendiga.\nImporditav tekst"));
    QCOMPARE(QString::fromUtf8(attributeValue(bench.doc().lastToken().parent(), "id").data()), QString("l3"));
    QCOMPARE(bench.current(), QString("Minā"));
    // Expected: the choices are kept in the settings file for the next session.
    bench.app->writeSettings();
    const Settings kept = SettingsStore(bench.path("pelmora.ini")).read();
    QCOMPARE(kept.importSplitSentences, 1);
    QCOMPARE(kept.importAbbreviations, std::string("nt."));
}

void ImportDialogsTest::dialectImportOpensTheNewText()
{
    Workbench bench;
    test::writeFile(bench.path("vana.xml"), kDialect);
    bench.queueFiles(bench.path("vana.xml"));
    bench.dialogs.queue([](QDialog& dialog) {
        // Village and parish from the record, the type oral.
        [&] {
            QCOMPARE(child<QLineEdit>(dialog, "villageEdit").text(), QString("Kuolka"));
            QVERIFY(child<QRadioButton>(dialog, "oralRadio").isChecked());
        }();
        typeInto(child<QLineEdit>(dialog, "idEdit"), "M1");
        return int(QDialog::Accepted);
    });
    // The progress window is gone when the closing message comes.
    QStringList progressWindows;
    bench.prompter.onMessage = [&] {
        progressWindows << QString::number(bench.frame().findChildren<QProgressDialog*>().size());
    };
    bench.frame().action(Command::ImportDialect)->trigger();
    QCOMPARE(progressWindows, QStringList{"0"});
    QCOMPARE(bench.dialogs.titles(), (QStringList{"Murdekorpuse import", "Teksti andmed"}));
    QCOMPARE(bench.frame().documentPath(), bench.path("vana[UTF-8].xml"));
    // The comment before the first utterance holds no wrapped word: the text starts with "kala".
    QCOMPARE(bench.current(), QString("kala"));
    // The bare word is counted as a suspicious place and said so at the end.
    QVERIFY(QString::fromStdString(bench.prompter.lastText()).startsWith("Kahtlased kohad (~1)"));
    // The running text marks the suspicious places on a coloured background.
    const XmlNode bare = bench.doc().nextToken(bench.doc().firstToken());
    QCOMPARE(QString::fromStdString(CPelmoraDoc::tokenText(bare)), QString("paljas"));
    QVERIFY(bench.frame().textView().search().markingColour(bare).has_value());
    QVERIFY(!bench.frame().textView().search().markingColour(bench.doc().firstToken()).has_value());
    const XmlNode gen = bench.doc().firstToken();
    QCOMPARE(QString::fromUtf8(attributeValue(gen, "vorm").data()), QString("sg.gen."));
    QVERIFY(bench.doc().isModified());
}

void ImportDialogsTest::stoppedDialectImportLeavesNoText()
{
    Workbench bench;
    test::writeFile(bench.path("vana.xml"), kDialect);
    bench.queueFiles(bench.path("vana.xml"));
    bench.queueTextData("M1");
    bench.frame().editingCommands().setProgressHook([](QProgressDialog& progress) { progress.cancel(); });
    bench.frame().action(Command::ImportDialect)->trigger();
    QVERIFY(!QFile::exists(bench.path("vana[UTF-8].xml")));
    QCOMPARE(bench.current(), QString("Vana"));
    QCOMPARE(bench.frame().documentPath(), bench.path("tekst.xml"));
}

QTEST_MAIN(ImportDialogsTest)
#include "importdialogs_test.moc"
