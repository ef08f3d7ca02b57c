// The exchange with other programs' formats in the window: the open text exported to CoNLL-U,
// FlexText or EAF, an EAF file's preview and import into a new text, and the dictionary editor's
// LIFT export and import.
#include "commands/exchangecommands.h"
#include "dialogs/exchangeimportdialog.h"
#include "guitestsupport.h"
#include "iodialogsupport.h"
#include "windowharness.h"

#include "app/filechooser.h"
#include "commands/dictionarycommands.h"
#include "exchange/convert.h"
#include "text/editing.h"

#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using namespace pelmora::gui::test;

namespace {

// Two sentences; the second starts at 1.5 seconds, which no exchange format holds.
const char* const kText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora><sisu id=\"T7\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"kala\">Kalā</sone><sone id=\"l1_s2\">um</sone></lause>"
    "<lause id=\"l2\" helipos=\"1.5\"><sone id=\"l2_s1\">vȱlda</sone></lause>"
    "</sisu></pelmora>";

// Two transcription tiers of different lengths.
QByteArray twoTierEaf()
{
    const auto tier = [](const char* id, const char* slot2, const char* value) {
        return QByteArray("<TIER LINGUISTIC_TYPE_REF=\"") + id + "\" TIER_ID=\"" + id + "\"><ANNOTATION><ALIGNABLE_ANNOTATION "
               "ANNOTATION_ID=\"" + id + "1\" TIME_SLOT_REF1=\"ts1\" TIME_SLOT_REF2=\"" + slot2 +
               "\"><ANNOTATION_VALUE>" + value + "</ANNOTATION_VALUE></ALIGNABLE_ANNOTATION></ANNOTATION></TIER>";
    };
    return "<ANNOTATION_DOCUMENT FORMAT=\"3.0\" VERSION=\"3.0\"><HEADER/><TIME_ORDER>"
           "<TIME_SLOT TIME_SLOT_ID=\"ts1\" TIME_VALUE=\"0\"/><TIME_SLOT TIME_SLOT_ID=\"ts2\" TIME_VALUE=\"900\"/>"
           "</TIME_ORDER>" +
           tier("lause", "ts2", "Minā um.") + tier("teine", "ts2", "Kalā um jūrõ vīeres .") +
           "<LINGUISTIC_TYPE LINGUISTIC_TYPE_ID=\"lause\" TIME_ALIGNABLE=\"true\"/>"
           "<LINGUISTIC_TYPE LINGUISTIC_TYPE_ID=\"teine\" TIME_ALIGNABLE=\"true\"/></ANNOTATION_DOCUMENT>";
}

// The counts of the preview's first text: sentences, tokens, tokens with a lemma.
QStringList counts(QDialog& dialog)
{
    QTreeWidgetItem* row = child<QTreeWidget>(dialog, "contentsTable").topLevelItem(0);
    return row ? QStringList{row->text(1), row->text(2), row->text(3)} : QStringList();
}

int showAndPress(QDialog& dialog, Qt::Key key)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        qWarning("the preview did not show");
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, key);
    return dialog.result();
}

}  // namespace

class ExchangeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<QueuedFileChooser> m_files;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QWidget> m_window;
    ExchangeCommands* m_commands = nullptr;
    QStringList m_opened;

    QString path(const QString& name) const { return m_dir->filePath(name); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = std::make_unique<RecordingPrompter>();
        m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
        QVERIFY(m_doc->openFromBuffer(kText, path("tekst.xml").toStdString()));
        m_files = std::make_unique<QueuedFileChooser>();
        m_runner = std::make_unique<ScriptedDialogRunner>();
        m_window = std::make_unique<QWidget>();
        m_commands = new ExchangeCommands(*m_doc, *m_prompter, *m_files, *m_runner, m_window.get());
        m_opened.clear();
        m_commands->setWindowHooks([] { return true; }, [this](const QString& opened) { m_opened << opened; });
        m_commands->setOpenTextPath([this] { return path("tekst.xml"); });
    }

    // The text as it stands in the window, unsaved change included, is what the file holds; what
    // the format could not hold is told after it.
    void exportWritesTheOpenTextWithItsChangesAndTellsWhatWasLeftOut()
    {
        QVERIFY(modifyToken(*m_doc, "Kalād"));
        QVERIFY(m_doc->isModified());
        QSignalSpy reported(m_commands, &ExchangeCommands::exportReported);
        m_files->queue(path("tekst.conllu"));
        m_commands->exportToFormat();
        // The status bar names the written file.
        QCOMPARE(reported.size(), 1);
        QVERIFY(reported.front().front().toString().contains("tekst.conllu"));
        QCOMPARE(m_files->requests().front().filter,
                 QStringLiteral("CoNLL-U (*.conllu);;FlexText (*.flextext);;EAF (*.eaf)"));
        const exchange::ImportResult back =
            exchange::importExchangeFile(path("tekst.conllu").toStdString(), exchange::ExchangeFormat::Conllu, {});
        QVERIFY2(back.ok, back.reason.c_str());
        QVERIFY(readFile(path("tekst.conllu")).contains("\tKalād\t"));
        QCOMPARE(m_prompter->entries().size(), std::size_t(1));
        QVERIFY2(m_prompter->lastText().find("Vorming CoNLL-U ei hoia kõike") != std::string::npos,
                 m_prompter->lastText().c_str());

        // A name of no exchange format writes nothing and says so.
        m_files->queue(path("tekst.txt"));
        m_commands->exportToFormat();
        QVERIFY(!QFile::exists(path("tekst.txt")));
        QVERIFY(m_prompter->lastText().find("vormingut ei tunne") != std::string::npos);
        QCOMPARE(reported.size(), 1);
    }

    // The preview lists the EAF's tiers; another tier reads the file again with its counts. Escape
    // leaves the open text as it was; Enter imports into a new text saved where the user said.
    void importPreviewFollowsTheTierAndOnlyOkReplacesTheText()
    {
        writeFile(path("kaks.eaf"), twoTierEaf());
        const std::string before = m_doc->xml().serialize();
        // Cancel at the question about a modified text ends the import before anything is chosen.
        m_commands->setWindowHooks([] { return false; }, [this](const QString& opened) { m_opened << opened; });
        m_commands->importFromFormat();
        QVERIFY(m_files->requests().empty());
        m_commands->setWindowHooks([] { return true; }, [this](const QString& opened) { m_opened << opened; });

        QStringList seen;
        m_runner->queue([&](QDialog& dialog) {
            auto& tiers = child<QComboBox>(dialog, "tierCombo");
            for (int i = 0; i < tiers.count(); ++i)
                seen << tiers.itemText(i);
            seen << counts(dialog).join(',');
            tiers.setCurrentIndex(tiers.findText("teine"));
            seen << counts(dialog).join(',');
            return showAndPress(dialog, Qt::Key_Escape);
        });
        m_files->queue(path("kaks.eaf"));
        m_commands->importFromFormat();
        QCOMPARE(seen, (QStringList{"lause", "teine", "1,3,0", "1,5,0"}));
        QCOMPARE(m_doc->xml().serialize(), before);
        QCOMPARE(m_files->requests().size(), std::size_t(1));
        QVERIFY(m_opened.isEmpty());

        m_runner->queue([](QDialog& dialog) {
            auto& tiers = child<QComboBox>(dialog, "tierCombo");
            tiers.setCurrentIndex(tiers.findText("teine"));
            return showAndPress(dialog, Qt::Key_Return);
        });
        m_files->queue(path("kaks.eaf"));
        m_files->queue(path("kaks.xml"));
        m_commands->importFromFormat();
        QCOMPARE(m_opened, QStringList{path("kaks.xml")});
        QCOMPARE(QString::fromStdString(CPelmoraDoc::tokenText(m_doc->firstToken())), QStringLiteral("Kalā"));
        QVERIFY(!m_doc->isModified());
        CPelmoraDoc saved(*m_prompter);
        QVERIFY(saved.openDocument(path("kaks.xml").toStdString()));
        QCOMPARE(saved.xml().serialize(), m_doc->xml().serialize());
    }

    // A file the reader refuses is told with the reason; no preview, no change.
    void aBadFileIsToldAndChangesNothing()
    {
        writeFile(path("vigane.eaf"), "<ANNOTATION_DOCUMENT><TIER");
        const std::string before = m_doc->xml().serialize();
        m_files->queue(path("vigane.eaf"));
        m_commands->importFromFormat();
        QVERIFY(m_runner->titles().isEmpty());
        QVERIFY2(m_prompter->lastText().rfind("Vigane fail " + path("vigane.eaf").toStdString() + ".\n", 0) == 0,
                 m_prompter->lastText().c_str());
        QCOMPARE(m_doc->xml().serialize(), before);
        QVERIFY(m_opened.isEmpty());
    }

    // The dictionary editor's LIFT menu: the dictionary exported reads back as the same entries;
    // a lexicon with a new entry is counted and merged only after Yes.
    void dictionaryEditorExportsAndImportsLift()
    {
        WindowHarness bench;
        bench.start(readFile(samplePath("kuolka.xml")));
        const QString lexicon = bench.path("sonastik.lift");
        QStringList entries;
        const auto runMenuEntry = [&](int entry) {
            bench.dialogs.queue([entry, &entries](QDialog& dialog) {
                auto& menu = child<QMenu>(dialog, "liftMenu");
                entries.clear();
                for (const QAction* action : menu.actions())
                    entries << action->text();
                menu.actions().at(entry)->trigger();
                return int(QDialog::Rejected);
            });
            bench.frame().dictionaryCommands().editDictionary();
        };
        bench.files.queue(lexicon);
        runMenuEntry(0);
        QCOMPARE(entries, (QStringList{"&Ekspordi LIFT-vormingusse ...", "&Impordi LIFT-vormingust ..."}));
        QVERIFY(QFile::exists(lexicon));

        bench.prompter.clear();
        bench.files.queue(lexicon);
        runMenuEntry(1);
        QVERIFY2(bench.messages().value(0).contains("uusi kirjeid 0,"), qPrintable(bench.messages().join('|')));
        QVERIFY(bench.messages().value(0).contains("erinevaid 0."));

        writeFile(lexicon, "<lift version=\"0.13\"><entry><lexical-unit><form lang=\"liv\"><text>pūtõks</text></form>"
                           "</lexical-unit><sense><grammatical-info value=\"S\"/><gloss lang=\"et\"><text>katse</text>"
                           "</gloss></sense></entry></lift>");
        const QByteArray dictionary = readFile(bench.path("sonastik.xml"));
        for (const bool yes : {false, true}) {
            bench.prompter.clear();
            bench.prompter.queueAnswer(yes);
            bench.files.queue(lexicon);
            runMenuEntry(1);
            QVERIFY2(bench.messages().value(0).contains("uusi kirjeid 1, samu 0, erinevaid 0."),
                     qPrintable(bench.messages().join('|')));
            QCOMPARE(readFile(bench.path("sonastik.xml")) == dictionary, !yes);
        }
        QVERIFY(readFile(bench.path("sonastik.xml")).contains("pūtõks"));
    }
};

QTEST_MAIN(ExchangeTest)
#include "exchange_test.moc"
