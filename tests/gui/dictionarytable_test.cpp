// "Sõnastiku ta&bel": the dictionary as tables, filtered as the user types, with the usage counted
// in the background, and a row opened in the dictionary editor by double-click and by Enter.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "dialogs/dictionarytabledialog.h"
#include "guitestsupport.h"
#include "views/dictionarytablemodel.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

using test::child;

// A started workbench on copies of the sample text and its dictionary, in one folder: the usage
// is counted over that folder (the dictionary there is no corpus text and is passed over).
struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }

    Workbench()
    {
        QFile::copy(test::samplePath("kuolka.xml"), path("kuolka.xml"));
        QFile::copy(test::samplePath("sonastik.xml"), path("sonastik.xml"));
        QFile::setPermissions(path("sonastik.xml"), QFile::ReadOwner | QFile::WriteOwner);
        test::writeFile(path("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=" +
                                                 path("sonastik.xml").toUtf8() + "\n");
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(path("kuolka.xml"), false))
            qFatal("the workbench did not start");
    }
};

// The first column of every row the table shows, with the usage count after a colon.
QStringList rows(const DictionaryTableModel& model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.index(row, 0).data().toString() + ":" + model.index(row, model.usageColumn()).data().toString();
    return out;
}

QString shownInEditor(QDialog& editor)
{
    return child<QLineEdit>(editor, "wordEdit").text() + " " + child<QLineEdit>(editor, "wordLemmaEdit").text() +
           " " + child<QLineEdit>(editor, "wordFormEdit").text();
}

}  // namespace

class DictionaryTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterCountsAndOpeningARowInTheEditor();
};

void DictionaryTableTest::filterCountsAndOpeningARowInTheEditor()
{
    Workbench bench;
    QStringList all;
    QStringList filtered;
    QStringList lemmas;
    QStringList edited;
    bool closed = false;
    const auto steps = [&](QDialog& dialog) {
        auto& table = dynamic_cast<DictionaryTableDialog&>(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_VERIFY(!table.counting());
        // The placeholder is not listed; "um" and "minā" are used once in the text.
        all = rows(table.model(DictSection::WordForms));
        lemmas = rows(table.model(DictSection::Lemmas));
        // The filter has the keyboard; capitals do not count.
        QCOMPARE(QApplication::focusWidget(), &child<QLineEdit>(dialog, "filterEdit"));
        QTest::keyClicks(QApplication::focusWidget(), "KAL");
        filtered = rows(table.model(DictSection::WordForms));

        // A double-click on "kalāmīez" opens it in the editor.
        bench.dialogs.queue([&](QDialog& editor) {
            edited << shownInEditor(editor);
            return QDialog::Rejected;
        });
        QTableView& words = table.view(DictSection::WordForms);
        const QModelIndex third = words.model()->index(2, 1);
        QTest::mouseClick(words.viewport(), Qt::LeftButton, {}, words.visualRect(third).center());
        QTest::mouseDClick(words.viewport(), Qt::LeftButton, {}, words.visualRect(third).center());
        QCOMPARE(edited.size(), 1);
        // Back in the table the filter still holds, and the row is current: Enter opens it again.
        QCOMPARE(words.model()->rowCount(), 3);
        QCOMPARE(words.currentIndex().row(), 2);
        bench.dialogs.queue([&](QDialog& editor) {
            edited << shownInEditor(editor);
            return QDialog::Rejected;
        });
        QTest::keyClick(&words, Qt::Key_Return);
        QTest::keyClick(&words, Qt::Key_Escape);
        closed = !dialog.isVisible();
    };
    bench.dialogs.queue([&](QDialog& dialog) {
        steps(dialog);
        return QDialog::Rejected;
    });
    bench.app->frame()->action(Command::DictionaryTable)->trigger();
    QCOMPARE(bench.dialogs.titles(), (QStringList{"Sõnastiku tabel", "Sõnastik", "Sõnastik"}));
    QCOMPARE(all, (QStringList{"jelābõ:0", "kalā:0", "kalā:0", "kalāmīez:0", "kuolkas:0", "minā:1", "mēg:0", "um:1",
                               "vȯļ:0"}));
    QCOMPARE(lemmas.filter("vȱlda"), (QStringList{"vȱlda:1", "vȱlda:0"}));
    QCOMPARE(filtered, (QStringList{"kalā:0", "kalā:0", "kalāmīez:0"}));
    QCOMPARE(edited, (QStringList{"kalāmīez kalāmīez sg.nom.", "kalāmīez kalāmīez sg.nom."}));
    QVERIFY(closed);
    QVERIFY(bench.prompter.texts().empty());
}

QTEST_MAIN(DictionaryTableTest)
#include "dictionarytable_test.moc"
