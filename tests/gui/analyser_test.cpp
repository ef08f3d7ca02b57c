// The local analyser in the window: its proposals reach the form without the network, each with
// where it comes from, and "Eelmärgenda analüsaatoriga ..." fills the open text for review in one
// step to undo.
#include "app/analyserloader.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "commands/analysercommands.h"
#include "form/pelmoraformview.h"
#include "form/proposalmarkers.h"
#include "guitestsupport.h"
#include "ui_pelmoraformview.h"

#include <QDoubleSpinBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// "Rīgõs" and "minā" have one analysis each, "kalā" two (nominative and genitive); "um" has a lemma.
const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1"><sone id="l1_s1">Rīgõs</sone><sone id="l1_s2">kalā</sone><sone id="l1_s3">minā</sone><sone id="l1_s4" lemma="vȯlda">um</sone></lause>
</sisu></pelmora>
)";

struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    // The analyser's address goes nowhere: asking it would show a message. The sample dictionary
    // confirms "kalā" as a nominative, but not by enough to fill it.
    explicit Workbench(const QString& analyser, const std::function<void(const QString&)>& moreTexts = {})
    {
        test::writeFile(dir.filePath("tekst.xml"), kText);
        if (moreTexts)
            moreTexts(dir.path());
        QFile::copy(test::samplePath("sonastik.xml"), dir.filePath("sonastik.xml"));
        QFile::setPermissions(dir.filePath("sonastik.xml"), QFile::ReadOwner | QFile::WriteOwner);
        test::writeFile(dir.filePath("pelmora.ini"),
                        "[Settings]\nShowOptionsDialog=0\nSuggestionType=0\nTamberlin=1\n"
                        "AnalyserUrl=http://127.0.0.1:9/\nAnalyserFile=" + analyser.toUtf8() +
                            "\nDictionaryPathName=" + dir.filePath("sonastik.xml").toUtf8() + "\n");
        app = std::make_unique<CPelmoraApp>(dir.filePath("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(dir.filePath("tekst.xml"), false))
            qFatal("the workbench did not start");
    }
    CMainFrame& frame() { return *app->frame(); }
    QString attribute(int index, const char* name)
    {
        XmlNode token = app->doc().firstToken();
        for (int i = 0; i < index; ++i)
            token = CPelmoraDoc::nextToken(token);
        return toQt(CPelmoraDoc::attribute(token, name));
    }
};

}  // namespace

class AnalyserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (test::testTransducer("liv.hfstol").isEmpty())
            QSKIP("the hfst tools were missing when this build was configured; scripts/install-deps installs them");
    }

    // The transducer loads on a worker thread; once it is in, the shown token is filled again.
    void formShowsTheAnalysersProposalsWithTheirSource()
    {
        Workbench bench(test::testTransducer("liv.hfstol"));
        QTRY_VERIFY(!bench.frame().analyserLoader().holder().isLoading());
        const QListWidget& headwords = *bench.frame().formView()->ui().headwordList;
        QTRY_VERIFY(headwords.count() > 0);
        QCOMPARE(headwords.item(0)->text(), QString("Rīga"));
        QCOMPARE(headwords.item(0)->data(kProposalMarkerRole).toString(), QString("analüsaator"));
        QCOMPARE(headwords.item(0)->toolTip(), QString("Allikas: analüsaator"));
        QVERIFY(bench.prompter.entries().empty());  // the network was never asked
    }

    // Another text of the folder, annotated by hand, confirms the rarer reading of "kalā": it
    // comes first, marked as the texts'.
    void theFoldersTextsRankTheReadings()
    {
        Workbench bench(test::testTransducer("liv.hfstol"), [](const QString& folder) {
            test::writeFile(folder + "/muu.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><sisu id="m"><lause id="l1"><sone id="l1_s1" lemma="kalā" vorm="sg.gen.">kalā</sone></lause></sisu></pelmora>
)");
        });
        QTRY_VERIFY(bench.frame().analyserLoader().confirmedTexts() != nullptr);
        QTRY_VERIFY(!bench.frame().analyserLoader().holder().isLoading());
        bench.app->doc().setCurrentToken(CPelmoraDoc::nextToken(bench.app->doc().firstToken()));
        const QListWidget& forms = *bench.frame().formView()->ui().formList;
        QTRY_COMPARE(bench.frame().formView()->ui().headwordEdit->text(), QString("kalā"));
        QVERIFY(forms.count() > 1);
        QCOMPARE(forms.item(0)->text(), QString("sg.gen."));
        QCOMPARE(forms.item(0)->data(kProposalMarkerRole).toString(), QString("tekstid"));
    }

    void preannotationFillsForReviewInOneStep()
    {
        Workbench bench(test::testTransducer("liv.hfstol"));
        bench.dialogs.queue([](QDialog& dialog) {
            if (test::child<QDoubleSpinBox>(dialog, "factorSpin").value() != kDefaultPreannotationFactor)
                return int(QDialog::Rejected);
            dialog.show();
            if (!QTest::qWaitForWindowActive(&dialog))
                return int(QDialog::Rejected);
            // Enter in the factor's field presses the default button, "&Eelmärgenda".
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return dialog.result();
        });
        bench.frame().action(Command::Preannotate)->trigger();
        QCOMPARE(bench.dialogs.titles(), QStringList{"Eelmärgenda analüsaatoriga"});
        QCOMPARE(bench.attribute(0, "lemma"), QString("Rīga"));
        QCOMPARE(bench.attribute(0, "auto"), QString("+"));
        QCOMPARE(bench.attribute(1, "lemma"), QString());  // two readings: left for the linguist
        QCOMPARE(bench.attribute(2, "lemma"), QString("minā"));
        QCOMPARE(bench.attribute(3, "auto"), QString());
        QCOMPARE(bench.prompter.entries().size(), std::size_t(1));
        QCOMPARE(toQt(bench.prompter.entries()[0].title), QString("Eelmärgendamine"));
        CPelmoraDoc& doc = bench.app->doc();
        QCOMPARE(doc.undoCount(), std::size_t(1));
        QVERIFY(doc.undo());
        QCOMPARE(bench.attribute(0, "lemma"), QString());
        QVERIFY(!doc.isModified());
    }

    // Without an analyser file the command offers the settings; No leaves everything as it was.
    void preannotationWithoutAnAnalyserAsksFirst()
    {
        Workbench bench(QString{});
        bench.prompter.queueAnswer(false);
        bench.frame().action(Command::Preannotate)->trigger();
        // The online analyser's failure aside (no file: the form asks the address), one question.
        QCOMPARE(bench.prompter.entries().back().text.rfind("Eelmärgendamiseks", 0), 0u);
        QVERIFY(bench.prompter.entries().back().question);
        QVERIFY(bench.dialogs.titles().isEmpty());
        QVERIFY(!bench.app->doc().isModified());
    }
};

QTEST_MAIN(AnalyserTest)
#include "analyser_test.moc"
