// The four windows the annotation form opens: the form-tag editor, the headword notes, the
// sentence translation and the tagging check, driven with the mouse and the keyboard.
#include "app/qtstrings.h"
#include "form/formtagdialog.h"
#include "form/notesdialog.h"
#include "form/sentencecheckdialog.h"
#include "form/translationdialog.h"
#include "guitestsupport.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QColor kGreen(30, 225, 60);
const QColor kOrange(255, 120, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// Saves a picture of the window into $PELMORA_SHOTS, when set, for looking at it.
void takePicture(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("PELMORA_SHOTS");
    if (folder.isEmpty())
        return;
    window.show();
    QCoreApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
}

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Clicks a check box on its indicator, where a click always toggles it.
void clickBox(QCheckBox* box)
{
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Types text as key presses; QTest::keyClicks takes Latin-1 only, Livonian letters are beyond it.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QColor captionColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

QGroupBox* group(const QDialog& dialog, const QString& title)
{
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == title)
            return box;
    return nullptr;
}

QLabel* labelWithText(const QDialog& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

QPushButton* button(const QDialog& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

const QByteArray kNotes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora>\n"
    "<info lemma=\"ama\">kõik</info>\n"
    "<info lemma=\"kalā\">kala</info>\n"
    "<info lemma=\"minā\">mina, ma</info>\n"
    "</pelmora>\n";

// The headword=text pairs of a notes file in file order, or "unreadable".
QString notesInFile(const QString& path)
{
    XmlDocument xml;
    if (!xml.load(toStd(path)) || !isElement(xml.root(), "pelmora"))
        return QStringLiteral("unreadable");
    QString all;
    for (XmlNode note = firstChildElement(xml.root(), "info"); note; note = nextSiblingElement(note, "info"))
        all += toQt(attributeValue(note, "lemma")) + "=" + toQt(elementText(note)) + ";";
    return all;
}

const std::string kText =
    "<?xml version=\"1.0\"?><pelmora><sisu id=\"t\">"
    "<lause id=\"l1\" eelause=\"Mina olen kalur.\" ltlause=\"Es esmu zvejnieks.\">"
    "<sone id=\"l1_s1\" lemma=\"minā\" tahendus=\"mina\" liik=\"ProS\" vorm=\"sg.nom.\">Minā</sone>"
    "<sone id=\"l1_s2\" lemma=\"vȱlda\" liik=\"V\" vorm=\"pers.ind.pr.sg.1.\">um</sone>"
    "<sone id=\"l1_s3\" meta=\"vahemärk\">.</sone>"
    "</lause></sisu></pelmora>";

}  // namespace

class FormDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // --- Form-tag editor ---------------------------------------------------------------
    void formTagRoundTrip_data();
    void formTagRoundTrip();
    void formTagTicksChangeTagAndColours();
    void formTagClearAndCancel();
    void formTagKeyboard();

    // --- Headword notes ----------------------------------------------------------------
    void notesEmptyHeadwordOpensEmptyWithoutReading();
    void notesBrokenFileIsReportedAndNothingElseHappens();
    void notesLookupFallsBackToTheFirstNote();
    void notesTypingLooksUp();
    void notesSaveInsertsAtTheSortedPlace();
    void notesSaveAfterOpeningEmptyKeepsTheOtherNotes();
    void notesFailedSaveIsReportedWithThePath();
    void notesKeyboard();

    // --- Sentence translation ----------------------------------------------------------
    void translationOkStoresAndRemovesInOneUndoStep();
    void translationCancelChangesNothing();
    void translationKeyboard();

    // --- Tagging check -----------------------------------------------------------------
    void checkWindowShowsPiecesInTheirFormats();
    void checkWindowLargeFonts();
    void checkWindowKeyboard();
};

// ---------------------------------------------------------------------------------------

void FormDialogsTest::formTagRoundTrip_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("ticked");  // abbreviations, blank-separated
    QTest::addColumn<QString>("extraInfo");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("reordered") << "sg.pers.ind.1.pr." << "pers. ind. pr. sg. 1." << "" << "pers.ind.pr.sg.1.";
    QTest::newRow("undotted dropped") << "pl.ill #vana vorm" << "pl." << "vana vorm" << "pl. #vana vorm";
    QTest::newRow("abbreviation in free text stays a note") << "sg. #vt ka pl." << "sg." << "vt ka pl." << "sg. #vt ka pl.";
    QTest::newRow("duplicates") << "sup.el.sup." << "sup. el." << "" << "sup.el.";
    QTest::newRow("negation and clitic") << "neg.cli.pers.ind.pr." << "pers. ind. pr. neg. cli." << ""
                                         << "pers.ind.pr.neg.cli.";
}

void FormDialogsTest::formTagRoundTrip()
{
    QFETCH(QString, tag);
    QFETCH(QString, ticked);
    QFETCH(QString, extraInfo);
    QFETCH(QString, result);
    FormTagDialog dialog(toStd(tag));
    const QStringList expected = ticked.split(' ', Qt::SkipEmptyParts);
    int count = 0;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        count += box->isChecked() ? 1 : 0;
    // Expected: exactly the listed boxes ticked, the free text in "Lisainfo:".
    QCOMPARE(count, expected.size());
    for (const QString& abbreviation : expected)
        QVERIFY2(dialog.box(toStd(abbreviation))->isChecked(), qPrintable(abbreviation));
    QCOMPARE(dialog.findChild<QLineEdit*>()->text(), extraInfo);
    QCOMPARE(toQt(dialog.tag()), result);
}

void FormDialogsTest::formTagTicksChangeTagAndColours()
{
    FormTagDialog dialog("");
    showActive(dialog);
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 49);
    // Expected: nothing ticked, every coloured caption black.
    for (const char* title : {"Kääne", "Arv", "Isik", "Aeg", "Kõneviis", "Tegumood", "Käändeline vorm", "Võrre"})
        QCOMPARE(captionColour(group(dialog, title)), kBlack);

    clickBox(dialog.box("sg."));
    QCOMPARE(dialog.tag(), std::string("sg."));
    // A number alone calls for a case: "Kääne" red, "Arv" ticked but not called for, orange.
    QCOMPARE(captionColour(group(dialog, "Kääne")), kRed);
    QCOMPARE(captionColour(group(dialog, "Arv")), kOrange);

    dialog.box("nom.")->setFocus();
    QTest::keyClick(dialog.box("nom."), Qt::Key_Space);
    QCOMPARE(dialog.tag(), std::string("sg.nom."));
    QCOMPARE(captionColour(group(dialog, "Kääne")), kGreen);
    QCOMPARE(captionColour(group(dialog, "Arv")), kGreen);
    QCOMPARE(captionColour(group(dialog, "Isik")), kBlack);
    // The boxes inside a coloured group keep the usual colour.
    QCOMPARE(captionColour(dialog.box("nom.")), kBlack);
    // A second case is no form: the case group turns red until one is unticked.
    clickBox(dialog.box("gen."));
    QCOMPARE(captionColour(group(dialog, "Kääne")), kRed);
    clickBox(dialog.box("gen."));
    QCOMPARE(captionColour(group(dialog, "Kääne")), kGreen);

    clickBox(dialog.box("poss."));
    // The possessive suffix wants a person too: orange until one is ticked.
    QCOMPARE(captionColour(dialog.box("poss.")), kOrange);
    clickBox(dialog.box("3."));
    QCOMPARE(captionColour(dialog.box("poss.")), kGreen);
    QCOMPARE(captionColour(group(dialog, "Isik")), kGreen);
    QCOMPARE(dialog.tag(), std::string("sg.3.nom.poss."));

    // Unticking follows as well.
    clickBox(dialog.box("sg."));
    QCOMPARE(captionColour(dialog.box("poss.")), kOrange);
    QCOMPARE(dialog.tag(), std::string("3.nom.poss."));

    // The negation box wants tense, mood and voice: orange without them, and its own caption only.
    clickBox(dialog.box("neg."));
    QCOMPARE(captionColour(dialog.box("neg.")), kOrange);
    QCOMPARE(captionColour(dialog.box("cli.")), kBlack);
    clickBox(dialog.box("neg."));
    QCOMPARE(captionColour(dialog.box("neg.")), kBlack);
    takePicture(dialog, "formtag");
}

void FormDialogsTest::formTagClearAndCancel()
{
    FormTagDialog dialog("pers.ind.pr.sg.1. #murdes");
    showActive(dialog);
    takePicture(dialog, "formtag-verb");
    QTest::mouseClick(button(dialog, "Tühista kõik valikud"), Qt::LeftButton);
    // Expected: no box ticked, "Lisainfo:" empty, every caption black again.
    QCOMPARE(dialog.tag(), std::string());
    QCOMPARE(dialog.findChild<QLineEdit*>()->text(), QString());
    QCOMPARE(captionColour(group(dialog, "Isik")), kBlack);
    QVERIFY(dialog.isVisible());

    QTest::mouseClick(button(dialog, "&Loobu"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void FormDialogsTest::formTagKeyboard()
{
    FormTagDialog dialog("sg.");
    showActive(dialog);
    // Expected: the focus on the first case box; Tab goes down the case column first.
    QCOMPARE(dialog.focusWidget(), dialog.box("nom."));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), dialog.box("gen."));
    QCOMPARE(labelWithText(dialog, "Lisainfo:")->buddy(), dialog.findChild<QLineEdit*>());

    // Typing the free text and Enter is OK.
    dialog.findChild<QLineEdit*>()->setFocus();
    QTest::keyClicks(dialog.findChild<QLineEdit*>(), "murdes");
    QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.tag(), std::string("sg. #murdes"));

    FormTagDialog other("sg.");
    showActive(other);
    QTest::keyClick(other.focusWidget(), Qt::Key_Escape);
    QCOMPARE(other.result(), int(QDialog::Rejected));
}

// ---------------------------------------------------------------------------------------

void FormDialogsTest::notesEmptyHeadwordOpensEmptyWithoutReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, "not a notes file");
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "", prompter);
    // Expected: no message (the broken file was not read), both fields empty.
    QVERIFY(prompter.entries().empty());
    QCOMPARE(dialog.headword(), QString());
    QCOMPARE(dialog.noteText(), QString());
}

void FormDialogsTest::notesBrokenFileIsReportedAndNothingElseHappens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    const QByteArray broken = "<pelmora><muu/></pelmora>";
    test::writeFile(path, broken);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "kalā", prompter);
    QCOMPARE(prompter.entries().size(), std::size_t(1));
    QCOMPARE(prompter.entries()[0].title, std::string("Viga"));
    QCOMPARE(prompter.entries()[0].kind, MessageKind::Error);
    QCOMPARE(prompter.entries()[0].text, "Vigane fail " + toStd(path) + ".");
    QCOMPARE(dialog.headword(), QString());
    QCOMPARE(dialog.noteText(), QString());

    // Expected: search, typing and save do nothing, the file stays as it was.
    showActive(dialog);
    typeText(dialog.findChild<QLineEdit*>(), "kalā");
    dialog.findChild<QPlainTextEdit*>()->setPlainText("uus");
    QTest::mouseClick(button(dialog, "&Otsi"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "&Salvesta"), Qt::LeftButton);
    QCOMPARE(prompter.entries().size(), std::size_t(1));
    QCOMPARE(dialog.noteText(), QString("uus"));
    QCOMPARE(test::readFile(path), broken);
}

void FormDialogsTest::notesLookupFallsBackToTheFirstNote()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    {
        NotesDialog dialog(toStd(path), "minā", prompter);
        QCOMPARE(dialog.headword(), QString("minā"));
        QCOMPARE(dialog.noteText(), QString("mina, ma"));
    }
    NotesDialog dialog(toStd(path), "puudub", prompter);
    // Expected: without a note of its own the first note is shown, headword and all.
    QCOMPARE(dialog.headword(), QString("ama"));
    QCOMPARE(dialog.noteText(), QString("kõik"));

    showActive(dialog);
    dialog.findChild<QLineEdit*>()->setText("kalā");
    QTest::mouseClick(button(dialog, "&Otsi"), Qt::LeftButton);
    QCOMPARE(dialog.noteText(), QString("kala"));
    dialog.findChild<QLineEdit*>()->setText("zzz");
    QTest::mouseClick(button(dialog, "&Otsi"), Qt::LeftButton);
    QCOMPARE(dialog.headword(), QString("ama"));
    QCOMPARE(dialog.noteText(), QString("kõik"));
    QVERIFY(prompter.entries().empty());
    takePicture(dialog, "notes");
}

void FormDialogsTest::notesTypingLooksUp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "", prompter);
    showActive(dialog);
    auto* headword = dialog.findChild<QLineEdit*>();
    QTest::keyClicks(headword, "kal");
    // Expected: "kal" has no note, so the text is empty; "kalā" has one.
    QCOMPARE(dialog.noteText(), QString());
    typeText(headword, "ā");
    QCOMPARE(dialog.noteText(), QString("kala"));
    QTest::keyClick(headword, Qt::Key_Backspace);
    QCOMPARE(dialog.noteText(), QString());
    QVERIFY(prompter.entries().empty());
}

void FormDialogsTest::notesSaveInsertsAtTheSortedPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "kala", prompter);
    showActive(dialog);
    // "kala" has no note: the first one is shown; the user types the headword and a note.
    auto* headword = dialog.findChild<QLineEdit*>();
    headword->selectAll();
    QTest::keyClicks(headword, "kala");
    QTest::keyClicks(dialog.findChild<QPlainTextEdit*>(), "uus");
    QTest::mouseClick(button(dialog, "&Salvesta"), Qt::LeftButton);
    // Expected: "kala" before "kalā" (a before ā), the file valid and read back whole.
    QCOMPARE(notesInFile(path), QString("ama=kõik;kala=uus;kalā=kala;minā=mina, ma;"));
    QVERIFY(prompter.entries().empty());

    // Changing an existing note's text keeps the order.
    headword->setText("ama");
    dialog.findChild<QPlainTextEdit*>()->setPlainText("kõik, terve");
    QTest::mouseClick(button(dialog, "&Salvesta"), Qt::LeftButton);
    QCOMPARE(notesInFile(path), QString("ama=kõik, terve;kala=uus;kalā=kala;minā=mina, ma;"));
    QVERIFY(dialog.isVisible());
}

void FormDialogsTest::notesSaveAfterOpeningEmptyKeepsTheOtherNotes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "", prompter);
    showActive(dialog);
    // Opened without a headword the file was not read; saving must read it first, not write an
    // empty tree over it.
    QTest::keyClicks(dialog.findChild<QLineEdit*>(), "ohh");
    QTest::keyClicks(dialog.findChild<QPlainTextEdit*>(), "uus");
    QTest::mouseClick(button(dialog, "&Salvesta"), Qt::LeftButton);
    QCOMPARE(notesInFile(path), QString("ama=kõik;kalā=kala;minā=mina, ma;ohh=uus;"));
    QVERIFY(prompter.entries().empty());
}

void FormDialogsTest::notesFailedSaveIsReportedWithThePath()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("markmed"));
    QVERIFY(QDir(dir.path()).mkdir("hoiul"));
    const QString path = dir.filePath("markmed/markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "minā", prompter);
    // The folder moves away while the window is open, so the save cannot write there.
    QVERIFY(QDir(dir.path()).rename("markmed", "hoiul/markmed"));
    dialog.findChild<QPlainTextEdit*>()->setPlainText("uus");
    showActive(dialog);
    QTest::mouseClick(button(dialog, "&Salvesta"), Qt::LeftButton);
    // Expected: the path as text, "Viga salvestamisel" as caption; the moved file unchanged.
    QCOMPARE(prompter.entries().size(), std::size_t(1));
    QCOMPARE(prompter.entries()[0].title, std::string("Viga salvestamisel"));
    QCOMPARE(prompter.entries()[0].kind, MessageKind::Error);
    QCOMPARE(prompter.entries()[0].text, toStd(path));
    QCOMPARE(test::readFile(dir.filePath("hoiul/markmed/markmed.xml")), kNotes);
    QVERIFY(!QFile::exists(path));
}

void FormDialogsTest::notesKeyboard()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("markmed.xml");
    test::writeFile(path, kNotes);
    RecordingPrompter prompter;
    NotesDialog dialog(toStd(path), "minā", prompter);
    showActive(dialog);
    auto* headword = dialog.findChild<QLineEdit*>();
    auto* note = dialog.findChild<QPlainTextEdit*>();
    // Expected: the focus in the headword field, its caption its buddy.
    QCOMPARE(dialog.focusWidget(), headword);
    QCOMPARE(labelWithText(dialog, "Otsi märksõna")->buddy(), headword);
    // Enter in the headword field searches.
    headword->setText("kalā");
    QTest::keyClick(headword, Qt::Key_Return);
    QCOMPARE(dialog.noteText(), QString("kala"));
    QVERIFY(dialog.isVisible());
    // Tab: search button, then the note, where Enter breaks the line.
    QTest::keyClick(headword, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), button(dialog, "&Otsi"));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), note);
    note->moveCursor(QTextCursor::End);
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(dialog.noteText(), QString("kala\n"));
    // Alt+S saves, Escape closes.
    QTest::keyClick(note, Qt::Key_S, Qt::AltModifier);
    // A mnemonic clicks its button with a short animation, so the save comes a moment later.
    QTRY_COMPARE(notesInFile(path), QString("ama=kõik;kalā=kala\n;minā=mina, ma;"));
    QTest::keyClick(note, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

// ---------------------------------------------------------------------------------------

void FormDialogsTest::translationOkStoresAndRemovesInOneUndoStep()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    XmlNode sentence = CPelmoraDoc::sentenceOf(doc.firstToken());
    TranslationDialog dialog(doc, sentence);
    auto* estonian = dialog.findChild<QPlainTextEdit*>("estonianEdit");
    auto* english = dialog.findChild<QPlainTextEdit*>("englishEdit");
    auto* latvian = dialog.findChild<QPlainTextEdit*>("latvianEdit");
    QCOMPARE(estonian->toPlainText(), QString("Mina olen kalur."));
    QCOMPARE(english->toPlainText(), QString());
    QCOMPARE(latvian->toPlainText(), QString("Es esmu zvejnieks."));
    takePicture(dialog, "translation");

    showActive(dialog);
    estonian->setPlainText("Mina olen kalamees.");
    QTest::keyClicks(english, "I am a fisherman.");
    latvian->clear();
    QTest::mouseClick(button(dialog, "&OK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Expected: two texts stored, the emptied Latvian one removed, all in one undo step.
    QCOMPARE(attributeValue(sentence, text::kEstonianTranslation), std::string_view("Mina olen kalamees."));
    QCOMPARE(attributeValue(sentence, text::kEnglishTranslation), std::string_view("I am a fisherman."));
    QVERIFY(!sentence.attribute(text::kLatvianTranslation));
    QVERIFY(doc.isModified());
    QCOMPARE(doc.undoCount(), std::size_t(1));
    QVERIFY(doc.undo());
    QCOMPARE(sentenceTranslations(sentence),
             (SentenceTranslations{"Mina olen kalur.", "", "Es esmu zvejnieks."}));
}

void FormDialogsTest::translationCancelChangesNothing()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    XmlNode sentence = CPelmoraDoc::sentenceOf(doc.firstToken());
    TranslationDialog dialog(doc, sentence);
    showActive(dialog);
    dialog.findChild<QPlainTextEdit*>("estonianEdit")->clear();
    QTest::keyClicks(dialog.findChild<QPlainTextEdit*>("englishEdit"), "anything");
    QTest::mouseClick(button(dialog, "&Loobu"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(sentenceTranslations(sentence),
             (SentenceTranslations{"Mina olen kalur.", "", "Es esmu zvejnieks."}));
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.canUndo());
}

void FormDialogsTest::translationKeyboard()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    XmlNode sentence = CPelmoraDoc::sentenceOf(doc.firstToken());
    TranslationDialog dialog(doc, sentence);
    showActive(dialog);
    auto* estonian = dialog.findChild<QPlainTextEdit*>("estonianEdit");
    auto* english = dialog.findChild<QPlainTextEdit*>("englishEdit");
    auto* latvian = dialog.findChild<QPlainTextEdit*>("latvianEdit");
    // Expected: focus in the Estonian field, each caption the buddy of its field.
    QCOMPARE(dialog.focusWidget(), estonian);
    QCOMPARE(labelWithText(dialog, "&Eesti keeles:")->buddy(), estonian);
    QCOMPARE(labelWithText(dialog, "&Inglise keeles:")->buddy(), english);
    QCOMPARE(labelWithText(dialog, "Lä&ti keeles:")->buddy(), latvian);
    // Alt+I goes to the English field, Tab to the Latvian one.
    QTest::keyClick(&dialog, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(dialog.focusWidget(), english);
    QTest::keyClicks(english, "I am");
    QTest::keyClick(english, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(english, "here.");
    QTest::keyClick(english, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), latvian);
    // Shift+Enter broke the line; a plain Enter is OK.
    QTest::keyClick(latvian, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(attributeValue(sentence, text::kEnglishTranslation), std::string_view("I am\nhere."));

    TranslationDialog other(doc, sentence);
    showActive(other);
    QTest::keyClicks(other.focusWidget(), "x");
    QTest::keyClick(other.focusWidget(), Qt::Key_Escape);
    QCOMPARE(other.result(), int(QDialog::Rejected));
    QCOMPARE(attributeValue(sentence, text::kEstonianTranslation), std::string_view("Mina olen kalur."));
}

// ---------------------------------------------------------------------------------------

namespace {

struct Fragment {
    QString text;
    double size;
    bool bold;
    bool italic;
    QColor colour;
};

std::vector<Fragment> fragments(const QTextDocument& document)
{
    std::vector<Fragment> all;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        all.push_back({fragment.text(), format.fontPointSize(), format.fontWeight() == QFont::Bold,
                       format.fontItalic(), format.foreground().color()});
    }
    return all;
}

void compareFragments(const std::vector<Fragment>& actual, const std::vector<Fragment>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i].text, expected[i].text);
        QCOMPARE(actual[i].size, expected[i].size);
        QCOMPARE(actual[i].bold, expected[i].bold);
        QCOMPARE(actual[i].italic, expected[i].italic);
        QCOMPARE(actual[i].colour, expected[i].colour);
    }
}

const QColor kDarkBlue(0, 0, 128);

}  // namespace

void FormDialogsTest::checkWindowShowsPiecesInTheirFormats()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    SentenceCheckDialog dialog(CPelmoraDoc::sentenceOf(doc.firstToken()), false);
    QCOMPARE(dialog.windowTitle(), QString("Kontrolli märgendust"));
    // Expected: one paragraph; each value in its format, each blank in the format before it.
    QCOMPARE(dialog.document()->blockCount(), 1);
    compareFragments(fragments(*dialog.document()),
                     {{" ", 11, false, false, kBlack},
                      {"Minā ", 12, true, false, kBlack},
                      {"minā 'mina' ", 11, false, false, kBlack},
                      {"ProS    ", 11, false, true, kBlack},
                      {"sg.nom.  ", 8, false, false, kBlack},
                      {"um ", 12, true, false, kBlack},
                      {"vȱlda ", 11, false, false, kBlack},
                      {"V    ", 11, false, true, kBlack},
                      {"pers.ind.pr.sg.1.  ", 8, false, false, kBlack},
                      {". ", 12, true, false, kBlack},
                      {"vahemärk ", 8, false, false, kDarkBlue}});
    QVERIFY(dialog.findChild<QTextBrowser*>()->isReadOnly());
    takePicture(dialog, "check");
}

void FormDialogsTest::checkWindowLargeFonts()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    SentenceCheckDialog dialog(CPelmoraDoc::sentenceOf(doc.firstToken()), true);
    const std::vector<Fragment> all = fragments(*dialog.document());
    QCOMPARE(all.size(), std::size_t(11));
    QCOMPARE(all[1].size, 13.5);
    QCOMPARE(all[2].size, 12.5);
    QCOMPARE(all[4].size, 9.5);
    QCOMPARE(all[10].size, 9.5);
    takePicture(dialog, "check-large");
}

void FormDialogsTest::checkWindowKeyboard()
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    QVERIFY(doc.openFromBuffer(kText, "t.xml"));
    XmlNode sentence = CPelmoraDoc::sentenceOf(doc.firstToken());
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
        SentenceCheckDialog dialog(sentence, false);
        showActive(dialog);
        auto* closeButton = button(dialog, "Sulge (klõpsa siia või vajuta Enter või Esc)");
        QVERIFY(closeButton && closeButton->isDefault());
        // Expected: the focus in the text; Enter and Escape close the window from there.
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QTextBrowser*>());
        QTest::keyClick(dialog.focusWidget(), Qt::Key(key));
        QVERIFY(!dialog.isVisible());
    }
    SentenceCheckDialog dialog(sentence, false);
    showActive(dialog);
    auto* closeButton = button(dialog, "Sulge (klõpsa siia või vajuta Enter või Esc)");
    // The button spans the window.
    QVERIFY(closeButton->width() > dialog.width() * 9 / 10);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(FormDialogsTest)
#include "formdialogs_test.moc"
