// The "Päringud" menu's commands driven as a user would: the multi-file query with its dialog,
// repeat question and result button, the simple dictionary and the statistics.
#include "dialogs/filelistfield.h"
#include "commands/iocommands.h"
#include "dialogs/multifilequerydialog.h"
#include "dialogs/simpledictionarydialog.h"
#include "guitestsupport.h"
#include "iodialogsupport.h"

#include "app/filechooser.h"
#include "app/translations.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using namespace pelmora::gui::test;

namespace {

QByteArray corpus(const char* id, const char* tokens)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"") + id +
           "\"><lause id=\"l1\">" + tokens + "</lause></sisu></pelmora>";
}

// Three sentences of four tokens: two with a lemma "kala", one "vesi", punctuation.
const char* const kOpenText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"T\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\" lk=\"1\" lemma=\"kala\" tahendus=\"fish\" liik=\"S\">kalā</sone>"
    "<sone id=\"l1_s2\" lk=\"1\" lemma=\"vesi\" liik=\"S\">vie</sone>"
    "<sone id=\"l1_s3\" lk=\"1\">um</sone>"
    "<sone id=\"l1_s4\" lk=\"1\" keel=\"kirjavahemärk\" lemma=\".\">.</sone></lause>"
    "</sisu></pelmora>";

QStringList linesOf(const QString& path)
{
    return QString::fromUtf8(readFile(path)).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

class QueryDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<QueuedFileChooser> m_files;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QWidget> m_window;
    IoCommands* m_commands = nullptr;
    QList<QUrl> m_opened;

    QString path(const QString& name) const { return QDir::toNativeSeparators(m_dir->filePath(name)); }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& entry : m_prompter->entries())
            out << QString::fromStdString(entry.text);
        return out;
    }
    // A scripted step that fills the query dialog: the files through "Lisa", the output through
    // "Vali fail", the lemma of token 1; then "Otsi".
    ScriptedDialogRunner::Step fillQuery(QStringList files, QString output, QString lemma)
    {
        return [this, files, output, lemma](QDialog& dialog) {
            if (!files.isEmpty()) {
                m_files->queue(files);
                click(buttonNamed(dialog, "Lis&a"));
            }
            if (!output.isEmpty()) {
                m_files->queue(output);
                click(buttonNamed(dialog, "Vali &fail"));
            }
            QLineEdit& lemmaEdit = child<QLineEdit>(dialog, "token1LemmaEdit");
            lemmaEdit.selectAll();
            QTest::keyClicks(&lemmaEdit, lemma);
            auto& query = static_cast<MultiFileQueryDialog&>(dialog);
            if (!query.searchButton().isEnabled())
                return int(QDialog::Rejected);
            click(query.searchButton());
            return dialog.result();
        };
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = std::make_unique<RecordingPrompter>();
        m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
        QVERIFY(m_doc->openFromBuffer(kOpenText, "open.xml"));
        m_doc->setModifiedFlag(false);
        m_files = std::make_unique<QueuedFileChooser>();
        m_runner = std::make_unique<ScriptedDialogRunner>();
        m_window = std::make_unique<QWidget>();
        m_commands = new IoCommands(*m_doc, *m_prompter, *m_files, *m_runner, m_window.get());
        m_opened.clear();
        m_commands->setUrlOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
        writeFile(path("a.xml"), corpus("A", "<sone id=\"l1_s1\" lemma=\"kala\">kalā</sone><sone id=\"l1_s2\">ujub</sone>"));
        writeFile(path("b.xml"), corpus("B", "<sone id=\"l1_s1\" lemma=\"vesi\">vie</sone><sone id=\"l1_s2\" lemma=\"kala\">kalā</sone>"));
        writeFile(path("c.xml"), corpus("C", "<sone id=\"l1_s1\" lemma=\"vesi\">vie</sone><sone id=\"l1_s2\">um</sone>"));
    }

    void cleanup() { QVERIFY(m_runner->idle()); }

    // --- Multi-file query ---

    void queryAnsweredYesOnceThenNoRunsTwiceWithTheSameDialogValues()
    {
        const QString out = path("out.txt");
        m_runner->queue([this, out](QDialog& dialog) {
            m_files->queue(QStringList{path("a.xml"), path("b.xml")});
            click(buttonNamed(dialog, "Lis&a"));
            // A third file, and "a.xml" once more, which is refused.
            m_files->queue(QStringList{path("c.xml"), path("a.xml")});
            click(buttonNamed(dialog, "Lis&a"));
            return fillQuery({}, out, "kala")(dialog);
        });
        QString question;
        int linesAfterFirst = 0;
        m_runner->queue([&](QDialog& d) {
            question = static_cast<QMessageBox&>(d).text();
            linesAfterFirst = int(linesOf(out).size());
            return answerBox(d, QMessageBox::Yes);
        });
        int filesShownAgain = 0;
        QString lemmaShownAgain;
        QString outputShownAgain;
        m_runner->queue([&](QDialog& dialog) {
            filesShownAgain = child<QListWidget>(dialog, "fileList").count();
            lemmaShownAgain = child<QLineEdit>(dialog, "token1LemmaEdit").text();
            outputShownAgain = child<QLineEdit>(dialog, "outputEdit").text();
            return fillQuery({}, {}, "vesi")(dialog);
        });
        m_runner->queue([](QDialog& d) { return answerBox(d, QMessageBox::No); });
        m_commands->multiFileQuery();

        // Expected: the first query found two lines (a.xml, b.xml) under its header.
        QCOMPARE(question, QString("Leidsin 2 rida.\nKas jätkad uue päringuga?"));
        QCOMPARE(linesAfterFirst, 3);
        // Expected: the dialog came back with the files, the output and the lemma it had.
        QCOMPARE(filesShownAgain, 3);
        QCOMPARE(lemmaShownAgain, QString("kala"));
        QCOMPARE(outputShownAgain, out);
        // Expected: "a.xml" was refused the second time; the second query rewrote the file.
        QCOMPARE(texts(), QStringList{"Fail " + path("a.xml") + "\non juba loendis või uue faili lahtris."});
        const QStringList lines = linesOf(out);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("Päring: lemma: vesi [Täpne vaste] "));
        QCOMPARE(lines[1], QString("B»:\tvie kalā "));
        QCOMPARE(lines[2], QString("C»:\tvie um "));
        QCOMPARE(m_runner->titles().count("Päring mitmest failist"), 4);
        QVERIFY(m_opened.isEmpty());
    }

    void resultButtonOpensTheFileAndTheQuestionStays()
    {
        const QString out = path("out.txt");
        m_runner->queue(fillQuery({path("a.xml")}, out, "kala"));
        m_runner->queue([](QDialog& d) { return answerBox(d, IoCommands::openResultText()); });
        m_runner->queue([](QDialog& d) { return answerBox(d, QMessageBox::No); });
        m_commands->multiFileQuery();
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_dir->filePath("out.txt"))});
        QCOMPARE(linesOf(out).size(), 2);
    }

    void cancelledQueryLeavesNoFileAndAsksNothing()
    {
        m_commands->setProgressObserver(PressCancel{1});
        m_runner->queue(fillQuery({path("a.xml"), path("b.xml"), path("c.xml")}, path("out.txt"), ""));
        m_commands->multiFileQuery();
        // Expected: no result, no leftover beside it, no repeat question.
        QVERIFY(!QFile::exists(path("out.txt")));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 3);
        QCOMPARE(m_runner->titles(), QStringList{"Päring mitmest failist"});
        QVERIFY(texts().isEmpty());
    }

    void invalidFileIsSkippedOrStopsTheSearch_data()
    {
        QTest::addColumn<bool>("skip");
        QTest::addColumn<int>("lines");
        QTest::newRow("Yes skips the file") << true << 2;
        QTest::newRow("No stops the search") << false << 1;
    }

    void invalidFileIsSkippedOrStopsTheSearch()
    {
        QFETCH(bool, skip);
        QFETCH(int, lines);
        writeFile(path("bad.xml"), "<pelmora><sisu id=\"X\"/></pelmora>");
        m_prompter->queueAnswer(skip);
        m_runner->queue(fillQuery({path("a.xml"), path("bad.xml"), path("b.xml")}, path("out.txt"), "kala"));
        QString question;
        m_runner->queue([&](QDialog& d) {
            question = static_cast<QMessageBox&>(d).text();
            return answerBox(d, QMessageBox::No);
        });
        m_commands->multiFileQuery();
        // Expected: the question about the invalid file; the result is finished either way.
        QCOMPARE(texts().size(), 1);
        QVERIFY(texts()[0].startsWith("Vigane fail " + path("bad.xml") +
                                       ": tekstis pole ühtegi lauset\nKui soovid selle faili vahele jätta"));
        QVERIFY(m_prompter->entries()[0].question);
        QCOMPARE(question, QString("Leidsin %1 rida.\nKas jätkad uue päringuga?").arg(lines));
        QCOMPARE(linesOf(path("out.txt")).size(), lines + 1);
    }

    void outputThatIsListedIsRefusedAndSearchWaitsForAnOutput()
    {
        QList<bool> searchEnabled;
        QString outputAfterRefusal = "unset";
        int filesAfterRemoval = -1;
        m_runner->queue([&](QDialog& dialog) {
            auto& query = static_cast<MultiFileQueryDialog&>(dialog);
            searchEnabled << query.searchButton().isEnabled();
            m_files->queue(QStringList{path("a.xml")});
            click(buttonNamed(dialog, "Lis&a"));
            searchEnabled << query.searchButton().isEnabled();
            m_files->queue(path("a.xml"));
            click(buttonNamed(dialog, "Vali &fail"));
            outputAfterRefusal = child<QLineEdit>(dialog, "outputEdit").text();
            searchEnabled << query.searchButton().isEnabled();
            m_files->queue(path("out.txt"));
            click(buttonNamed(dialog, "Vali &fail"));
            searchEnabled << query.searchButton().isEnabled();
            click(buttonNamed(dialog, "&Eemalda"));
            filesAfterRemoval = child<QListWidget>(dialog, "fileList").count();
            searchEnabled << query.searchButton().isEnabled();
            return int(QDialog::Rejected);
        });
        m_commands->multiFileQuery();
        // Expected: "Otsi" waits for a file and an output; the listed file is refused as output.
        QCOMPARE(searchEnabled, QList<bool>({false, false, false, true, false}));
        QCOMPARE(outputAfterRefusal, QString());
        QCOMPARE(filesAfterRemoval, 0);
        QCOMPARE(texts(), QStringList{"Fail " + path("a.xml") + "\non loendis olemas.\nVali mõni muu fail."});
        // Expected: the file dialogs of "Lisa" and "Vali fail".
        const FileRequest& add = m_files->requests().front();
        QCOMPARE(add.title, QString("Vali failid"));
        QCOMPARE(add.mode, FileRequest::Mode::OpenMany);
        QCOMPARE(add.filter, QString("XML-failid (*.xml)"));
        const FileRequest& output = m_files->requests().back();
        QCOMPARE(output.title, QString("Vali väljundfailfail"));
        QCOMPARE(output.defaultSuffix, QString("txt"));
        QCOMPARE(output.filter, QString("Tekstifailid (*.txt);;XML-failid (*.xml);;Kõik failid (*)"));
        QVERIFY(!QFile::exists(path("out.txt")));
    }

    void queryWordsAreShownInTheInterfacesLanguage()
    {
        if (!useLanguage(Language::English))
            QSKIP("the English texts were not built in (Qt's Linguist tools missing)");
        QuerySettings stored;
        stored.token1[QueryField::Lemma].kind = "Alguses";
        stored.relation = "varem";
        MultiFileQueryDialog dialog(stored, *m_prompter, *m_files, *m_runner);
        const QString lemmaKind = child<QComboBox>(dialog, "token1LemmaKind").currentText();
        const QString relation = child<QComboBox>(dialog, "relationCombo").currentText();
        child<QComboBox>(dialog, "relationCombo").setCurrentText("after");
        child<QComboBox>(dialog, "token2TextKind").setCurrentText(QString::fromUtf8("Lõpus"));  // typed as stored
        const QuerySettings settings = dialog.settings();
        useLanguage(Language::Estonian);
        // Shown in English; the query and the settings get its own words.
        QCOMPARE(lemmaKind, QString("At the start"));
        QCOMPARE(relation, QString("before"));
        QCOMPARE(settings.token1[QueryField::Lemma].kind, std::string("Alguses"));
        QCOMPARE(settings.relation, std::string("hiljem"));
        QCOMPARE(settings.token2[QueryField::Text].kind, std::string("Lõpus"));
    }

    void queryDialogDefaultsAndLimits()
    {
        MultiFileQueryDialog dialog(QuerySettings{}, *m_prompter, *m_files, *m_runner);
        // Expected: the documented defaults; the distance and prefix limits hold in the fields.
        QCOMPARE(child<QComboBox>(dialog, "token1FormKind").currentText(), QString("Keskel"));
        QCOMPARE(child<QComboBox>(dialog, "token2LemmaKind").currentText(), QString("Täpne vaste"));
        QCOMPARE(child<QSpinBox>(dialog, "distanceSpin").value(), 10);
        QCOMPARE(child<QSpinBox>(dialog, "distanceSpin").maximum(), 20);
        QCOMPARE(child<QLineEdit>(dialog, "prefixEdit").maxLength(), 60);
        QVERIFY(child<QCheckBox>(dialog, "speakersCheck").isChecked());
        QCOMPARE(child<QComboBox>(dialog, "token1PosEdit").count(), 25);
        QCOMPARE(child<QComboBox>(dialog, "relationCombo").itemText(1), QString("varem v. hiljem"));
        // The fields come back as the query's settings.
        QComboBox& pos = child<QComboBox>(dialog, "token2PosEdit");
        pos.setCurrentIndex(pos.findText("Adv"));
        child<QComboBox>(dialog, "relationCombo").setCurrentText("hiljem");
        child<QSpinBox>(dialog, "distanceSpin").setValue(2);
        const QuerySettings settings = dialog.settings();
        QCOMPARE(settings.token2[QueryField::PartOfSpeech].pattern, std::string("Adv"));
        QCOMPARE(settings.relation, std::string("hiljem"));
        QCOMPARE(settings.distance, 2);
        verifyKeyboardReady(dialog, child<QListWidget>(dialog, "fileList"));
        verifyTabOrder(dialog, {"fileList", "addButton", "removeButton", "prefixEdit", "foundInfoCheck",
                                "markupCheck", "fileInfoCheck", "xmlCheck", "bomCheck", "outputEdit",
                                "outputButton", "token1TextEdit", "token1TextKind", "token1LemmaEdit"});
        // Escape closes the dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // --- Simple dictionary and statistics ---

    void simpleDictionaryWritesItsFileAndReportsTheCounts()
    {
        const QString out = path("sonastik.xml");
        bool okAtStart = true;
        m_runner->queue([&](QDialog& dialog) {
            auto& options = static_cast<SimpleDictionaryDialog&>(dialog);
            okAtStart = options.okButton().isEnabled();
            m_files->queue(out);
            click(buttonNamed(dialog, "&Vali fail ..."));
            click(child<QCheckBox>(dialog, "examplesCheck"));
            click(options.okButton());
            return dialog.result();
        });
        m_commands->simpleDictionary();
        // Expected: OK waited for the file; the warning first, then the counts of the finished run.
        QVERIFY(!okAtStart);
        const QStringList said = texts();
        QCOMPARE(said.size(), 2);
        QVERIFY(said[0].startsWith("See funktsioon ei tööta veel õigesti\nmurdetekstidega"));
        QCOMPARE(said[1], QString("Sõnu loetud: 4\nÜhendeid loetud: 0\nSõnesid sõnastikus: 3\n"
                                  "Lemmasid sõnastikus: 3\nÜhendeid sõnastikus: 0\n\nValmis"));
        const QString written = QString::fromUtf8(readFile(out));
        QVERIFY(written.contains("<nimi>kala</nimi>"));
        QVERIFY(written.contains("<nimi>kalā</nimi>"));
        // Expected: without "näitelaused" no example sentence.
        QVERIFY(!written.contains("*kalā*"));
        QVERIFY(!m_doc->isModified());
    }

    void simpleDictionaryFileThatCannotBeWrittenShowsTheDialogAgain()
    {
        const QString bad = path("no-such-folder/s.xml");
        const QString good = path("s.xml");
        for (const QString& target : {bad, good})
            m_runner->queue([target](QDialog& dialog) {
                dialog.show();  // Enter presses the default button of a shown dialog
                QLineEdit& edit = child<QLineEdit>(dialog, "outputEdit");
                edit.selectAll();
                QTest::keyClicks(&edit, target);
                QTest::keyClick(&edit, Qt::Key_Return);
                return dialog.result();
            });
        m_commands->simpleDictionary();
        QCOMPARE(m_runner->titles(), QStringList({"Päring: Lihtne sõnastik", "Päring: Lihtne sõnastik"}));
        QCOMPARE(texts()[1], "Ei saa avada/luua faili " + bad + ".\nVali uus fail.");
        QVERIFY(QFile::exists(good));
    }

    void simpleDictionaryStoppedWritesNoFile()
    {
        m_commands->setProgressObserver(PressCancel{1});
        m_runner->queue([this](QDialog& dialog) {
            child<QLineEdit>(dialog, "outputEdit").setText(path("s.xml"));
            click(static_cast<SimpleDictionaryDialog&>(dialog).okButton());
            return dialog.result();
        });
        m_commands->simpleDictionary();
        QVERIFY(!QFile::exists(path("s.xml")));
        QCOMPARE(texts().size(), 1);  // the warning alone
    }

    void simpleDictionaryDialogFromTheKeyboard()
    {
        SimpleDictionaryDialog dialog(SimpleDictionaryOptions{}, *m_files);
        QVERIFY(child<QCheckBox>(dialog, "combinationsCheck").isChecked());
        QVERIFY(child<QCheckBox>(dialog, "examplesCheck").isChecked());
        verifyKeyboardReady(dialog, child<QCheckBox>(dialog, "combinationsCheck"));
        verifyTabOrder(dialog, {"combinationsCheck", "examplesCheck", "outputEdit", "outputButton"});
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void statisticsCountTokensWithoutPunctuationAndTokensWithALemma()
    {
        m_commands->statistics();
        // Expected: three tokens (the full stop left out), three with a lemma (the full stop's too).
        QCOMPARE(texts(), QStringList{"Sõnesid: 3\nMärksõnaga sõnesid: 3\n(Ei arvestata kirjavahemärke ja numbreid)"});
        QCOMPARE(QString::fromStdString(m_prompter->entries().back().title), QString("Statistika"));
    }

    void statisticsWithoutATextSaysSo()
    {
        m_doc->closeDocument();
        m_commands->statistics();
        QCOMPARE(texts(), QStringList{"Ühtegi faili pole avatud"});
    }
};

QTEST_MAIN(QueryDialogsTest)
#include "querydialogs_test.moc"
