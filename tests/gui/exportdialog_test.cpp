// "&Ekspordi tekst ...": the file dialog, the two questions that choose what is written, the
// file that lands on disk, and a stopped export.
#include "commands/iocommands.h"
#include "guitestsupport.h"
#include "iodialogsupport.h"

#include "app/filechooser.h"
#include "common/utf16text.h"

#include <QDir>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using namespace pelmora::gui::test;

namespace {

// Two sentences; a Latvian token in the first, a token without lemma in the second.
const char* const kText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"T7\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\" lk=\"3\" keel=\"eesti\" lemma=\"kala\" liik=\"S\">Kalā+</sone>"
    "<sone id=\"l1_s2\" lk=\"3\" keel=\"läti\">zivs</sone></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\" lk=\"4\" keel=\"eesti\">um</sone></lause>"
    "</sisu></pelmora>";

const char* const kAskAnnotated = "Kas lisan faili märksõnad jm info?";
const char* const kAskSearchForm = "Kas väljastan märksõnastamata teksti\r\nveebi päringusüsteemi jaoks?";

}  // namespace

class ExportDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<QueuedFileChooser> m_files;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QWidget> m_window;
    IoCommands* m_commands = nullptr;

    QString path(const QString& name) const { return m_dir->filePath(name); }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& entry : m_prompter->entries())
            out << QString::fromStdString(entry.text);
        return out;
    }
    // The exported file as text; its first two bytes must be the byte-order mark.
    QString exported(const QString& file) const
    {
        const QByteArray bytes = readFile(file);
        if (!bytes.startsWith("\xFF\xFE"))
            return QStringLiteral("<no byte-order mark>");
        return QString::fromStdString(utf16LeToUtf8(std::string_view(bytes.constData() + 2, bytes.size() - 2)));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = std::make_unique<RecordingPrompter>();
        m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
        QVERIFY(m_doc->openFromBuffer(kText, "t.xml"));
        m_doc->setModifiedFlag(false);
        m_files = std::make_unique<QueuedFileChooser>();
        m_runner = std::make_unique<ScriptedDialogRunner>();
        m_window = std::make_unique<QWidget>();
        m_commands = new IoCommands(*m_doc, *m_prompter, *m_files, *m_runner, m_window.get());
    }

    void answersChooseWhatIsWritten_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QString>("expected");
        QTest::newRow("annotated") << QList<bool>{true} << QStringList{kAskAnnotated}
                                   << QString("<<T7_3.1>> |Kalā+_MS:kala_SL:S_| <läti> zivs </läti> \r\n"
                                              "<<T7_4.2>> |um_| ");
        QTest::newRow("search form") << QList<bool>{false, true} << QStringList{kAskAnnotated, kAskSearchForm}
                                     << QString("<<T7_3.1>> @Kalā+|kalā@  <läti> @zivs|zivs@  </läti> \r\n"
                                                "<<T7_4.2>> @um|um@  ");
        QTest::newRow("plain") << QList<bool>{false, false} << QStringList{kAskAnnotated, kAskSearchForm}
                               << QString("<<T7_3.1>> Kalā+ <läti> zivs </läti> \r\n<<T7_4.2>> um ");
    }

    void answersChooseWhatIsWritten()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, questions);
        QFETCH(QString, expected);
        for (bool yes : answers)
            m_prompter->queueAnswer(yes);
        m_files->queue(path("out.txt"));
        m_commands->exportText();
        // Expected: the questions in their order, then the file; the text itself is untouched.
        QCOMPARE(texts(), questions);
        for (const auto& entry : m_prompter->entries())
            QVERIFY(entry.question);
        QCOMPARE(exported(path("out.txt")), expected);
        QVERIFY(!m_doc->isModified());
        const FileRequest& request = m_files->requests().front();
        QCOMPARE(request.title, QString("Vali fail"));
        QCOMPARE(request.filter, QString("Tekstifailid (*.txt)"));
        QCOMPARE(request.defaultSuffix, QString("txt"));
        QCOMPARE(request.mode, FileRequest::Mode::Save);
    }

    void cancelledFileDialogAsksNothing()
    {
        m_commands->exportText();
        QVERIFY(texts().isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 0);
    }

    void stoppedExportKeepsTheOldFile()
    {
        writeFile(path("out.txt"), "old");
        m_commands->setProgressObserver(PressCancel{1});
        m_files->queue(path("out.txt"));
        m_prompter->queueAnswer(true);
        m_commands->exportText();
        // Expected: the question, no error; the old file byte for byte, nothing beside it.
        QCOMPARE(texts(), QStringList{kAskAnnotated});
        QCOMPARE(readFile(path("out.txt")), QByteArray("old"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"out.txt"});
    }

    void unwritableFileIsReported()
    {
        m_files->queue(path("no-such-folder/out.txt"));
        m_prompter->queueAnswer(false);
        m_prompter->queueAnswer(false);
        m_commands->exportText();
        QCOMPARE(texts().back(), QString("Ei saanud faili avada"));
        QCOMPARE(QString::fromStdString(m_prompter->entries().back().title), QString("Viga"));
    }

    void withoutATextNothingIsAsked()
    {
        m_doc->closeDocument();
        m_files->queue(path("out.txt"));
        m_commands->exportText();
        QVERIFY(m_files->requests().empty());
        QVERIFY(texts().isEmpty());
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
