// "Sõnastik", the dictionary editor, opened from the menu and driven with the mouse and the
// keyboard: what its buttons leave in the dictionary file on disk, its messages, and its keys.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "dialogs/dictionaryeditordialog.h"
#include "guitestsupport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

using test::child;

// A started workbench on copies of the sample text and dictionary.
struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString dictionaryPath() const { return path("sonastik.xml"); }

    Workbench()
    {
        QFile::copy(test::samplePath("kuolka.xml"), path("kuolka.xml"));
        QFile::copy(test::samplePath("sonastik.xml"), dictionaryPath());
        QFile::setPermissions(dictionaryPath(), QFile::ReadOwner | QFile::WriteOwner);
        test::writeFile(path("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=" +
                                                 dictionaryPath().toUtf8() + "\n");
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(path("kuolka.xml"), false))
            qFatal("the workbench did not start");
    }
    CMainFrame& frame() { return *app->frame(); }

    // Every analysis of a section as a fresh reader of the file sees it, "id|values|weight" a line.
    QStringList onDisk(DictSection section) const
    {
        SilentPrompter quiet;
        CDictionary reader(quiet);
        if (!reader.openWithPath(dictionaryPath().toStdString()))
            return {"unreadable"};
        QStringList lines;
        for (XmlNode entry = reader.firstEntry(section); entry; entry = CDictionary::nextEntry(entry)) {
            QStringList values;
            for (const char* attribute : sectionAttributes(section))
                values << QString::fromUtf8(std::string(attributeValue(entry, attribute)).c_str());
            lines << values.join('|');
        }
        return lines;
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const std::string& text : prompter.texts())
            texts << QString::fromStdString(text);
        return texts;
    }
    // Runs "&Redigeeri sõnastikku ..." with the steps done in the shown sheet.
    void editDictionary(const std::function<void(QDialog&)>& steps)
    {
        dialogs.queue([&steps](QDialog& dialog) {
            dialog.show();
            dialog.activateWindow();
            if (!QTest::qWaitForWindowActive(&dialog))
                qWarning("the dictionary editor did not become active");
            steps(dialog);
            return dialog.isVisible() ? QDialog::Rejected : dialog.result();
        });
        frame().action(Command::EditDictionary)->trigger();
    }
};

QLineEdit& edit(QWidget& dialog, const char* name) { return child<QLineEdit>(dialog, name); }

void click(QWidget& dialog, const char* button)
{
    QTest::mouseClick(&child<QPushButton>(dialog, button), Qt::LeftButton);
}

// Types the text as key presses; letters beyond Latin-1 ("ē", "ȱ") come as the text of a key
// without a key code, as an input method delivers them.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x100) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void retype(QLineEdit& field, const QString& text)
{
    field.setFocus();
    field.selectAll();
    if (text.isEmpty())
        QTest::keyClick(&field, Qt::Key_Delete);
    else
        typeText(&field, text);
}

QString shownWord(QWidget& dialog)
{
    return edit(dialog, "wordEdit").text() + " " + edit(dialog, "wordLemmaEdit").text() + " " +
           edit(dialog, "wordFormEdit").text();
}

}  // namespace

class DictionaryEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetHasItsPagesAndFinishButton();
    void nextOverAnEditedAndAnEmptiedWordFormChangesTheFile();
    void nextAfterTheLastWordFormSaysSoAndShowsTheFirst();
    void searchIsExactSoKalaWithCapitalFindsNothing();
    void lemmaPageShowsPartsOfSpeechByNameAndKeepsUnknownCodes();
    void emptiedCombinationIsDeletedAndOtherUsersChangeIsReported();
    void keyboardEnterSearchesPageDownStepsEscapeFinishes();
    void tabWalksTheWordPageInReadingOrder();
    void plusButtonPutsTheComposedFormTagIntoTheField();
    void editorOpensAgainWhereItWasLeft();
    void placeholderIsNeverShownAndAddShowsWhatWasStored();
};

void DictionaryEditorTest::sheetHasItsPagesAndFinishButton()
{
    Workbench bench;
    QStringList pages;
    QString finish;
    bench.editDictionary([&](QDialog& dialog) {
        auto& tabs = child<QTabWidget>(dialog, "pages");
        for (int i = 0; i < tabs.count(); ++i)
            pages << tabs.tabText(i);
        finish = child<QDialogButtonBox>(dialog, "buttonBox").buttons().value(0)->text();
        // The first page shows the first analysis of the file after the placeholder "__".
        QCOMPARE(shownWord(dialog), QString("jelābõ jelāmõst pers.ind.pr.pl.1."));
    });
    QCOMPARE(bench.dialogs.titles(), QStringList{"Sõnastik"});
    QCOMPARE(pages, (QStringList{"Sõned", "Lemmad", "Ühendid"}));
    QCOMPARE(finish, QString("Lõpeta"));
}

void DictionaryEditorTest::nextOverAnEditedAndAnEmptiedWordFormChangesTheFile()
{
    Workbench bench;
    bench.editDictionary([&](QDialog& dialog) {
        QCOMPARE(shownWord(dialog), QString("jelābõ jelāmõst pers.ind.pr.pl.1."));
        // Only the form tag is changed: ">>" replaces the analysis.
        retype(edit(dialog, "wordFormEdit"), "pers.ind.pr.pl.3.");
        click(dialog, "wordNextButton");
        // The search finds "mēg"; emptying its lemma and form tag deletes it on ">>".
        retype(edit(dialog, "wordSearchEdit"), "mēg");
        click(dialog, "wordSearchButton");
        QCOMPARE(shownWord(dialog), QString("mēg mēg pl.nom."));
        retype(edit(dialog, "wordLemmaEdit"), "");
        retype(edit(dialog, "wordFormEdit"), "");
        click(dialog, "wordNextButton");
        // The page goes on from where "mēg" stood.
        QCOMPARE(shownWord(dialog), QString("um vȱlda pers.ind.pr.sg.1."));
    });
    const QStringList words = bench.onDisk(DictSection::WordForms);
    // The edited analysis is new (weight 1), the old one and "mēg" are gone, the rest as before.
    QVERIFY(words.contains("jelābõ|jelāmõst|pers.ind.pr.pl.3.|1"));
    QVERIFY(!words.contains("jelābõ|jelāmõst|pers.ind.pr.pl.1.|1"));
    QVERIFY(!words.filter("mēg|").size());
    QCOMPARE(words.size(), 9);
    QVERIFY(words.contains("um|vȱlda|pers.ind.pr.sg.1.|3"));
    QVERIFY(bench.messages().isEmpty());
}

void DictionaryEditorTest::nextAfterTheLastWordFormSaysSoAndShowsTheFirst()
{
    Workbench bench;
    const QByteArray before = test::readFile(bench.dictionaryPath());
    bench.editDictionary([&](QDialog& dialog) {
        retype(edit(dialog, "wordSearchEdit"), "vȯļ");
        click(dialog, "wordSearchButton");
        QCOMPARE(edit(dialog, "wordEdit").text(), QString("vȯļ"));
        click(dialog, "wordNextButton");
        QCOMPARE(shownWord(dialog), QString("jelābõ jelāmõst pers.ind.pr.pl.1."));
    });
    QCOMPARE(bench.messages(), QStringList{"Pole rohkem sõnesid"});
    // Looking is not changing.
    QCOMPARE(test::readFile(bench.dictionaryPath()), before);
}

void DictionaryEditorTest::searchIsExactSoKalaWithCapitalFindsNothing()
{
    Workbench bench;
    bench.editDictionary([&](QDialog& dialog) {
        click(dialog, "wordNextButton");
        retype(edit(dialog, "wordSearchEdit"), "Kalā");
        click(dialog, "wordSearchButton");
        QCOMPARE(shownWord(dialog), QString("jelābõ jelāmõst pers.ind.pr.pl.1."));
        retype(edit(dialog, "wordSearchEdit"), "kalā");
        click(dialog, "wordSearchButton");
        QCOMPARE(shownWord(dialog), QString("kalā kalā sg.nom."));
        // The lemma page searches its own section.
        child<QTabWidget>(dialog, "pages").setCurrentIndex(1);
        retype(edit(dialog, "lemmaSearchEdit"), "Kala");
        click(dialog, "lemmaSearchButton");
    });
    QCOMPARE(bench.messages(), (QStringList{"Ei leidnud.", "Ei leidnud."}));
}

void DictionaryEditorTest::lemmaPageShowsPartsOfSpeechByNameAndKeepsUnknownCodes()
{
    Workbench bench;
    // A hand-edited file may hold a code the list does not know.
    QByteArray bytes = test::readFile(bench.dictionaryPath());
    bytes.replace("tahendus=\"meie\" liik=\"ProS\"", "tahendus=\"meie\" liik=\"Xyz\"");
    test::writeFile(bench.dictionaryPath(), bytes);
    bench.editDictionary([&](QDialog& dialog) {
        child<QTabWidget>(dialog, "pages").setCurrentIndex(1);
        retype(edit(dialog, "lemmaSearchEdit"), "vȱlda");
        click(dialog, "lemmaSearchButton");
        QCOMPARE(child<QComboBox>(dialog, "lemmaPartOfSpeechCombo").currentText(), QString("verb"));
        // ">>" without an edit walks to the second meaning, then on to nothing more.
        click(dialog, "lemmaNextButton");
        QCOMPARE(edit(dialog, "lemmaMeaningEdit").text(), QString("pidama"));
        retype(edit(dialog, "lemmaSearchEdit"), "mēg");
        click(dialog, "lemmaSearchButton");
        QCOMPARE(child<QComboBox>(dialog, "lemmaPartOfSpeechCombo").currentText(), QString("Xyz"));
        click(dialog, "lemmaNextButton");
    });
    QVERIFY(bench.messages().isEmpty());
    // Walking over the unknown code left it as it was.
    QVERIFY(bench.onDisk(DictSection::Lemmas).contains("mēg|meie|Xyz|mēs|we|1"));
}

void DictionaryEditorTest::emptiedCombinationIsDeletedAndOtherUsersChangeIsReported()
{
    Workbench bench;
    bench.editDictionary([&](QDialog& dialog) {
        child<QTabWidget>(dialog, "pages").setCurrentIndex(2);
        QCOMPARE(edit(dialog, "combinationEdit").text(), QString("jūrõ vīeres"));
        // Meanwhile another user adds a word form.
        SilentPrompter quiet;
        CDictionary other(quiet);
        QVERIFY(other.openWithPath(bench.dictionaryPath().toStdString()));
        QVERIFY(other.storeWordForm("kivi", "kivi", "").saved);
        retype(edit(dialog, "combinationEdit"), "");
        click(dialog, "combinationNextButton");
    });
    QCOMPARE(bench.messages(),
             QStringList{"Teine kasutaja on vahepeal sõnestikku muutnud.\nMuudatusi võib olla ka juba läbi vaadatud "
                         "ühendite seas."});
    QCOMPARE(bench.onDisk(DictSection::Combinations), QStringList{"__|__|"});
    // The other user's word form is kept.
    QVERIFY(bench.onDisk(DictSection::WordForms).contains("kivi|kivi||1"));
}

void DictionaryEditorTest::keyboardEnterSearchesPageDownStepsEscapeFinishes()
{
    Workbench bench;
    bool closed = false;
    bench.editDictionary([&](QDialog& dialog) {
        // The keyboard starts in the first field.
        QCOMPARE(QApplication::focusWidget(), &edit(dialog, "wordEdit"));
        // The button's key clicks it after a short animation.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QTRY_COMPARE(edit(dialog, "wordEdit").text(), QString("kalā"));
        // Alt+O goes to the search field; Enter there searches.
        QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), &edit(dialog, "wordSearchEdit"));
        typeText(QApplication::focusWidget(), "minā");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(shownWord(dialog), QString("minā minā sg.nom."));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTRY_COMPARE(edit(dialog, "wordEdit").text(), QString("kuolkas"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        closed = !dialog.isVisible();
    });
    QVERIFY(closed);
    QVERIFY(bench.messages().isEmpty());
}

void DictionaryEditorTest::tabWalksTheWordPageInReadingOrder()
{
    Workbench bench;
    QStringList order;
    bench.editDictionary([&](QDialog&) {
        for (int i = 0; i < 10; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    });
    QCOMPARE(order, (QStringList{"wordEdit", "wordLemmaEdit", "wordFormEdit", "wordFormTagButton",
                                 "wordPreviousButton", "wordNextButton", "wordAddButton", "wordDeleteButton",
                                 "wordSearchEdit", "wordSearchButton"}));
}

void DictionaryEditorTest::plusButtonPutsTheComposedFormTagIntoTheField()
{
    Workbench bench;
    QString tag;
    bench.editDictionary([&](QDialog& dialog) {
        // The form-tag editor is the next dialog; accepting it unchanged gives the field's tag back.
        bench.dialogs.queue([](QDialog&) { return QDialog::Accepted; });
        QTest::mouseClick(&child<QToolButton>(dialog, "wordFormTagButton"), Qt::LeftButton);
        tag = edit(dialog, "wordFormEdit").text();
    });
    QCOMPARE(bench.dialogs.titles().size(), 2);
    QCOMPARE(tag, QString("pers.ind.pr.pl.1."));
}

void DictionaryEditorTest::editorOpensAgainWhereItWasLeft()
{
    Workbench bench;
    bench.editDictionary([&](QDialog& dialog) {
        click(dialog, "wordNextButton");
        click(dialog, "wordNextButton");
    });
    QString shown;
    bench.editDictionary([&](QDialog& dialog) { shown = shownWord(dialog); });
    QCOMPARE(shown, QString("kalā kalā sg.part."));
}

void DictionaryEditorTest::placeholderIsNeverShownAndAddShowsWhatWasStored()
{
    Workbench bench;
    QString status;
    bench.editDictionary([&](QDialog& dialog) {
        // "<<" on the first word form stays there rather than showing the placeholder before it.
        click(dialog, "wordPreviousButton");
        QCOMPARE(shownWord(dialog), QString("jelābõ jelāmõst pers.ind.pr.pl.1."));
        // A word form with two analyses says which one is shown.
        click(dialog, "wordNextButton");
        QCOMPARE(child<QLabel>(dialog, "wordVariantLabel").text(), QString("kirje 1/2"));
        // "Lisa" of "Um" with no form tag is taken by the stored "um" (an empty form tag is no new
        // confirmation): the page shows it as the dictionary holds it, form tag and all.
        retype(edit(dialog, "wordEdit"), "Um");
        retype(edit(dialog, "wordLemmaEdit"), "vȱlda");
        retype(edit(dialog, "wordFormEdit"), "");
        click(dialog, "wordAddButton");
        QCOMPARE(shownWord(dialog), QString("um vȱlda pers.ind.pr.sg.1."));
        status = child<QLabel>(dialog, "statusLabel").text();
        QCOMPARE(child<QLabel>(dialog, "wordVariantLabel").text(), QString());
        // The lemma page's "Otsi" does not find the placeholder.
        child<QTabWidget>(dialog, "pages").setCurrentIndex(1);
        retype(edit(dialog, "lemmaSearchEdit"), "__");
        click(dialog, "lemmaSearchButton");
        QCOMPARE(edit(dialog, "lemmaEdit").text(), QString("Kuolka"));
        // The status belongs to the word page.
        QCOMPARE(child<QLabel>(dialog, "statusLabel").text(), QString());
    });
    QCOMPARE(status, QString("Sõnastikus on nüüd see kirje (kaal 3)."));
    QCOMPARE(bench.messages(), QStringList{"Ei leidnud."});
    QVERIFY(bench.onDisk(DictSection::WordForms).contains("um|vȱlda|pers.ind.pr.sg.1.|3"));
}

QTEST_MAIN(DictionaryEditorTest)
#include "dictionaryeditor_test.moc"
