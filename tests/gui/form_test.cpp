// The annotation form in a started workbench, driven as the linguist drives it: typing, Enter,
// the candidate lists, the moves, the letter keyboard and the keys it shares with the window.
#include "annotation/lettercomposition.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "app/translations.h"
#include "app/waitingfetch.h"
#include "dictionary/dictionary.h"
#include "form/pelmoraformview.h"
#include "guitestsupport.h"
#include "ui_pelmoraformview.h"
#include "views/textview.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <chrono>
#include <thread>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// Seven tokens in three sentences; "Mēg" has a lemma, "." is punctuation.
const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1" helipos="75"><sone id="l1_s1">Minā</sone><sone id="l1_s2">um</sone><sone id="l1_s3">kalāmīez</sone></lause>
<lause id="l2"><sone id="l2_s1" lemma="mēg">Mēg</sone><sone id="l2_s2">jelābõ</sone></lause>
<lause id="l3"><sone id="l3_s1">minā</sone><sone id="l3_s2" meta="vahemärk">.</sone></lause>
</sisu></pelmora>
)";

struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;
    CMainFrame* frame = nullptr;

    QString path(const QString& name) const { return dir.filePath(name); }

    explicit Workbench(const QByteArray& extraSettings = {})
    {
        test::writeFile(path("tekst.xml"), kText);
        QFile::copy(test::samplePath("sonastik.xml"), path("sonastik.xml"));
        test::writeFile(path("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=" +
                                                 path("sonastik.xml").toUtf8() + "\n" + extraSettings);
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
        if (!app->start(path("tekst.xml"), false))
            qFatal("the workbench did not start");
        frame = app->frame();
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame))
            qFatal("no window");
        QCoreApplication::processEvents();
    }
    CPelmoraFormView& form() { return *frame->formView(); }
    const ::Ui::CPelmoraFormView& ui() { return form().ui(); }
    CPelmoraDoc& doc() { return app->doc(); }
    XmlNode token(const std::string& id)
    {
        for (XmlNode t = doc().firstToken(); t; t = CPelmoraDoc::nextToken(t)) {
            if (CPelmoraDoc::attribute(t, "id") == id)
                return t;
        }
        return XmlNode();
    }
    std::string currentId() { return CPelmoraDoc::attribute(doc().currentToken(), "id"); }
    std::string attribute(const std::string& id, const char* name) { return CPelmoraDoc::attribute(token(id), name); }
    void goTo(const std::string& id)
    {
        doc().setCurrentToken(token(id));
        QCoreApplication::processEvents();
    }
    void focus(QWidget* widget)
    {
        frame->activateWindow();
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }
    QToolButton* letterButton(char16_t letter)
    {
        return form().findChild<QToolButton*>(QStringLiteral("letter_%1").arg(letter, 4, 16, QChar('0')));
    }
};

}  // namespace

class FormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheCurrentTokenWithItsCandidates();
    void proposedPartsOfSpeechAreNamedAsTheComboNamesThem();
    void enterInTheHeadwordFieldRemembersAndMovesOn();
    void rememberWritesTheAttributes_data();
    void rememberWritesTheAttributes();
    void rememberIsOneUndoStep();
    void rememberTeachesTheDictionaryOnlyTaggedTokens();
    void rememberStoresIntoTheSharedDictionaryFile();
    void analyserCandidatesArriveWhileTheWindowWaits();
    void showNextByKind_data();
    void showNextByKind();
    void menuEntrySetsTheKindAndItsCaptions();
    void sixMovesKeepFiveAndBackEmptiesTheHistory();
    void leavingASentenceRunsItsHooks();
    void replacementWhileTyping_data();
    void replacementWhileTyping();
    void specialLettersGoWhereTheCaretWas();
    void choosingACandidateWithTheKeyboardRunsTheCascade();
    void windowKeysWorkInAFormField();
    void formMnemonicsWinOverTheMenuBar_data();
    void formMnemonicsWinOverTheMenuBar();
    void hooksGetTheSentenceAndTheHeadword();
    void tabGoesTopToBottom();
    void typedValuesAreNotThrownAway();
    void tokenNotToAnnotateTakesNoInputUntilItsReasonIsTakenBack();
    void aReasonTheListDoesNotHoldIsShownAndKept();
};

void FormTest::showsTheCurrentTokenWithItsCandidates()
{
    Workbench bench;
    // "Minā" is known to the dictionary: its lemma, meaning and part of speech are proposed.
    QCOMPARE(bench.ui().headwordEdit->text(), QString("minā"));
    QCOMPARE(bench.ui().meaningEdit->text(), QString("mina"));
    QVERIFY(bench.ui().headwordList->count() >= 1);
    QCOMPARE(bench.ui().audioLabel->text(), QString("1 min 15 s"));
    QCOMPARE(bench.ui().countLabel->text(), QString("0"));
    QVERIFY(!bench.ui().backButton->isEnabled());
    bench.goTo("l2_s1");
    QCOMPARE(bench.ui().audioLabel->text(), QString("määramata"));
    QCOMPARE(bench.ui().headwordEdit->text(), QString("mēg"));
}

void FormTest::proposedPartsOfSpeechAreNamedAsTheComboNamesThem()
{
    // "Minā": the dictionary proposes "ProS", which both the list and the combo box name in the
    // interface's language.
    QStringList listed;
    QStringList chosen;
    for (const Language language : {Language::Estonian, Language::English}) {
        useLanguage(language);
        Workbench bench;
        const QListWidget& list = *bench.ui().partOfSpeechList;
        listed << (list.count() > 0 ? list.item(0)->text() : QString());
        chosen << bench.ui().partOfSpeechCombo->currentText();
    }
    useLanguage(Language::Estonian);
    QCOMPARE(listed, chosen);
    QVERIFY(listed[0] != listed[1]);
}

void FormTest::enterInTheHeadwordFieldRemembersAndMovesOn()
{
    Workbench bench;
    bench.focus(bench.ui().headwordEdit);
    QTest::keyClick(bench.ui().headwordEdit, Qt::Key_Return);
    // The proposed annotation is written and the next token is shown, focus in the headword.
    QCOMPARE(bench.attribute("l1_s1", "lemma"), std::string("minā"));
    QCOMPARE(bench.attribute("l1_s1", "tahendus"), std::string("mina"));
    QCOMPARE(bench.currentId(), std::string("l1_s2"));
    QCOMPARE(bench.ui().countLabel->text(), QString("1"));
    QVERIFY(bench.ui().headwordEdit->hasFocus());
    QVERIFY(bench.ui().backButton->isEnabled());
    // Enter on the last token remembers it and says there is no more.
    bench.goTo("l3_s1");
    bench.focus(bench.ui().latvianEdit);
    QTest::keyClick(bench.ui().latvianEdit, Qt::Key_Enter);
    QCOMPARE(bench.currentId(), std::string("l3_s2"));
    QCOMPARE(bench.ui().countLabel->text(), QString("2"));
    // The full stop is not annotated: the focus is in its reason, and Enter moves on without
    // writing or counting it.
    QTRY_VERIFY(bench.ui().reasonCombo->hasFocus());
    QTest::keyClick(bench.ui().reasonCombo, Qt::Key_Enter);
    QCOMPARE(bench.prompter.lastText(), std::string("Rohkem sõnu pole"));
    QCOMPARE(bench.ui().countLabel->text(), QString("2"));
    QCOMPARE(bench.attribute("l3_s2", "meta"), std::string("vahemärk"));
}

void FormTest::rememberWritesTheAttributes_data()
{
    QTest::addColumn<QString>("partOfSpeech");  // the name chosen in the box ("" leaves it)
    QTest::addColumn<QString>("form");          // what the form-tag editor returns ("" leaves it)
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("expected");  // name=value of every attribute but id, in order
    QTest::newRow("annotation") << "verb" << "pers.ind.pr.sg.3." << "-"
                                << QStringList{"lemma=minā", "tahendus=mina", "lati=es", "ingl=I", "liik=V",
                                               "vorm=pers.ind.pr.sg.3.", "meta=-", "stiil=-", "kommentaar=vaata"};
    QTest::newRow("part of speech dash") << "-" << "" << "-"
                                         << QStringList{"lemma=minā", "tahendus=mina", "lati=es", "ingl=I", "liik=-",
                                                        "vorm=sg.nom.", "meta=-", "stiil=-", "kommentaar=vaata"};
    QTest::newRow("form dash") << "" << "-" << "-"
                               << QStringList{"lemma=minā", "tahendus=mina", "lati=es", "ingl=I", "liik=ProS", "meta=-",
                                              "stiil=-", "kommentaar=vaata"};
    QTest::newRow("punctuation keeps only the reason") << "" << "" << "vahemärk"
                                                       << QStringList{"meta=vahemärk", "kommentaar=vaata"};
}

void FormTest::rememberWritesTheAttributes()
{
    QFETCH(QString, partOfSpeech);
    QFETCH(QString, form);
    QFETCH(QString, reason);
    QFETCH(QStringList, expected);
    Workbench bench;
    const auto& ui = bench.ui();
    if (!partOfSpeech.isEmpty())
        ui.partOfSpeechCombo->setCurrentText(partOfSpeech);
    if (!form.isEmpty()) {
        bench.form().setFormTagEditor([form](const std::string&, bool) { return std::optional<std::string>(toStd(form)); });
        QTest::mouseClick(ui.formTagButton, Qt::LeftButton);
    }
    ui.reasonCombo->setCurrentText(reason);
    ui.commentEdit->setPlainText("vaata");
    QTest::mouseClick(ui.rememberButton, Qt::LeftButton);
    QStringList written;
    for (const pugi::xml_attribute attribute : bench.token("l1_s1").attributes()) {
        if (std::string_view(attribute.name()) != "id")
            written << QString::fromUtf8(attribute.name()) + "=" + QString::fromUtf8(attribute.value());
    }
    QCOMPARE(written, expected);
    // Remember stays on the token, counts it and gives the headword field the focus; a token
    // now not to annotate takes no headword, so its reason has the focus.
    QCOMPARE(bench.currentId(), std::string("l1_s1"));
    QCOMPARE(ui.countLabel->text(), QString("1"));
    QTRY_VERIFY((reason == "-" ? static_cast<QWidget*>(ui.headwordEdit) : ui.reasonCombo)->hasFocus());
}

void FormTest::rememberIsOneUndoStep()
{
    Workbench bench;
    const std::size_t before = bench.doc().undoCount();
    QTest::mouseClick(bench.ui().rememberButton, Qt::LeftButton);
    QCOMPARE(bench.doc().undoCount(), before + 1);
    bench.doc().undo();
    QCOMPARE(bench.attribute("l1_s1", "lemma"), std::string());
}

void FormTest::rememberTeachesTheDictionaryOnlyTaggedTokens()
{
    Workbench bench("NewToDictionary=1\n");
    const auto& ui = bench.ui();
    CDictionary& dictionary = bench.app->dictionary();
    // A token marked as foreign keeps no headword, so the dictionary does not learn one.
    bench.goTo("l1_s3");
    ui.headwordEdit->setText("uussõna");
    ui.meaningEdit->setText("uus");
    ui.reasonCombo->setCurrentText("muukeelne");
    QTest::mouseClick(ui.rememberButton, Qt::LeftButton);
    QCOMPARE(bench.attribute("l1_s3", "meta"), std::string("muukeelne"));
    QVERIFY(!dictionary.find(DictSection::Lemmas, "uussõna"));
    // Tagged, the same headword is stored with the word form.
    ui.headwordEdit->setText("uussõna");
    ui.meaningEdit->setText("uus");
    ui.reasonCombo->setCurrentText("-");
    QTest::mouseClick(ui.rememberButton, Qt::LeftButton);
    QCOMPARE(bench.attribute("l1_s3", "lemma"), std::string("uussõna"));
    QVERIFY(dictionary.find(DictSection::Lemmas, "uussõna"));
}

void FormTest::rememberStoresIntoTheSharedDictionaryFile()
{
    Workbench bench("NewToDictionary=1\n");
    const auto& ui = bench.ui();
    const std::string file = bench.path("sonastik.xml").toStdString();
    // What another user's copy of the program finds in the file.
    const auto weightOnDisk = [&](DictSection section, const std::string& id) -> long long {
        RecordingPrompter quiet;
        CDictionary reader(quiet);
        if (!reader.openWithPath(file))
            return -2;
        const XmlNode entry = reader.find(section, id);
        return entry ? analysisWeight(entry) : -1;
    };
    QCOMPARE(weightOnDisk(DictSection::WordForms, "minā"), 2LL);
    QCOMPARE(weightOnDisk(DictSection::Lemmas, "minā"), 2LL);

    // "Minā" confirmed as the dictionary proposes it: both analyses weigh one more in the file.
    bench.goTo("l1_s1");
    QCOMPARE(ui.headwordEdit->text(), QString("minā"));
    QTest::mouseClick(ui.rememberButton, Qt::LeftButton);
    QCOMPARE(weightOnDisk(DictSection::WordForms, "minā"), 3LL);
    QCOMPARE(weightOnDisk(DictSection::Lemmas, "minā"), 3LL);

    // Another user stores a lemma meanwhile; the next remember keeps it and adds ours.
    {
        RecordingPrompter quiet;
        CDictionary other(quiet);
        QVERIFY(other.openWithPath(file));
        QVERIFY(other.storeLemma("kala", "kala", "S", "zivs", "fish").applied);
    }
    QVERIFY(!bench.app->dictionary().findLemma("kala"));
    bench.goTo("l1_s3");
    ui.headwordEdit->setText("kalāmīez");
    ui.meaningEdit->setText("kalamees");
    QTest::mouseClick(ui.rememberButton, Qt::LeftButton);
    QCOMPARE(weightOnDisk(DictSection::Lemmas, "kala"), 1LL);
    QVERIFY(weightOnDisk(DictSection::Lemmas, "kalāmīez") >= 1);
    QVERIFY(weightOnDisk(DictSection::WordForms, "kalāmīez") >= 1);
    QCOMPARE(weightOnDisk(DictSection::Lemmas, "minā"), 3LL);
    // Expected: this copy has picked the other user's entry up, and the text has our annotation.
    QVERIFY(bench.app->dictionary().findLemma("kala"));
    QCOMPARE(bench.attribute("l1_s3", "lemma"), std::string("kalāmīez"));
}

void FormTest::analyserCandidatesArriveWhileTheWindowWaits()
{
    // No address at the start, so that opening the text asks nobody.
    Workbench bench("Tamberlin=1\n");
    CPelmoraFormView& form = bench.form();
    int requests = 0;
    int paintsWhileWaiting = 0;
    bool waitCursor = false;
    QWidget* running = bench.frame->textView().viewport();
    struct PaintCounter final : QObject {
        int* paints;
        explicit PaintCounter(int* p) : paints(p) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++*paints;
            return false;
        }
    };
    // A slow server: the answer comes after 300 ms from the worker thread.
    form.analyser().setFetch(gui::waitingFetch([&](const std::string& url, std::chrono::milliseconds, std::size_t) {
        ++requests;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        HttpResult result;
        if (url.find("analyser.invalid") == std::string::npos)
            return result;
        result.status = HttpStatus::Ok;
        result.body = "<html><body><pre><font color=\"red\">jelābõ</font>\n\t<font color=\"maroon\">jelāmi</font> "
                      "<b>V</b><font color=\"white\">+</font>Ind\n</pre></body></html>\n";
        return result;
    }));
    bench.app->settings().analyserUrl = "http://analyser.invalid";
    form.analyser().settingsConfirmed(bench.app->settings());
    PaintCounter counter(&paintsWhileWaiting);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, running, [&] {
        waitCursor = waitCursor || (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        running->update();
    });
    running->installEventFilter(&counter);
    repaint.start(20);
    bench.goTo("l2_s2");
    repaint.stop();
    running->removeEventFilter(&counter);

    QCOMPARE(requests, 1);
    QVERIFY(waitCursor);
    QVERIFY2(paintsWhileWaiting >= 3, qPrintable(QString::number(paintsWhileWaiting)));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!form.candidateList(SuggestionList::Lemma)->findItems("jelāmi", Qt::MatchExactly).isEmpty());
}

void FormTest::showNextByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("expected");  // the token reached, or the notice shown
    QTest::newRow("next") << 0 << "l1_s3" << "l2_s1";
    QTest::newRow("next on the last token") << 0 << "l3_s2" << "Rohkem sõnu pole";
    QTest::newRow("same word") << 1 << "l1_s1" << "l3_s1";
    QTest::newRow("same word none") << 1 << "l1_s2" << "Rohkem sobivaid sõnu pole";
    QTest::newRow("without lemma skips a lemma") << 2 << "l1_s3" << "l2_s2";
    QTest::newRow("colour-marked") << 3 << "l1_s1" << "l2_s2";
    QTest::newRow("needs tagging none") << 4 << "l3_s1" << "Rohkem sobivaid sõnu pole";
    QTest::newRow("needs tagging without lemma") << 5 << "l1_s3" << "l2_s2";
}

void FormTest::showNextByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, from);
    QFETCH(QString, expected);
    Workbench bench;
    // The text view's marking stands in: "jelābõ" is coloured.
    bench.form().setMarkedTokenTest([](XmlNode t) { return CPelmoraDoc::tokenText(t) == "jelābõ"; });
    bench.goTo(toStd(from));
    bench.prompter.clear();
    bench.form().navigationMenu()->actions().at(kind)->trigger();
    if (expected.startsWith("l")) {
        QCOMPARE(bench.currentId(), toStd(expected));
        QVERIFY(bench.prompter.entries().empty());
        QVERIFY(bench.ui().backButton->isEnabled());
    } else {
        // The notice, captioned "Teade" with a warning; the token and the history stay.
        QCOMPARE(bench.prompter.lastText(), toStd(expected));
        QCOMPARE(bench.prompter.entries().back().title, std::string("Teade"));
        QVERIFY(bench.prompter.entries().back().kind == MessageKind::Warning);
        QCOMPARE(bench.currentId(), toStd(from));
        QVERIFY(!bench.ui().backButton->isEnabled());
    }
}

void FormTest::menuEntrySetsTheKindAndItsCaptions()
{
    Workbench bench;
    QMenu* menu = bench.form().navigationMenu();
    QCOMPARE(menu->title(), QString("FormView"));
    QCOMPARE(menu->actions().size(), 6);
    menu->actions().at(2)->trigger();
    QCOMPARE(bench.ui().showNextButton->text(), QString(">> märk&sõnata"));
    QCOMPARE(bench.ui().rememberAndShowNextButton->text(), QString("Jäta &meelde ja >> märksõnata"));
    // The kind stays: the next "show next" skips "Mēg", which has a lemma.
    bench.goTo("l1_s3");
    QTest::mouseClick(bench.ui().showNextButton, Qt::LeftButton);
    QCOMPARE(bench.currentId(), std::string("l2_s2"));
    // The narrow button gives "show next" the focus and drops the menu down under itself.
    QTest::mouseClick(bench.ui().navigationMenuButton, Qt::LeftButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(bench.ui().showNextButton->hasFocus());
    menu->close();
}

void FormTest::sixMovesKeepFiveAndBackEmptiesTheHistory()
{
    Workbench bench;
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(bench.ui().showNextButton, Qt::LeftButton);
    QCOMPARE(bench.currentId(), std::string("l3_s2"));
    QCOMPARE(bench.form().navigation().historySize(), std::size_t(5));
    const std::vector<std::string> expected = {"l3_s1", "l2_s2", "l2_s1", "l1_s3", "l1_s2"};
    for (const std::string& id : expected) {
        QVERIFY(bench.ui().backButton->isEnabled());
        QTest::mouseClick(bench.ui().backButton, Qt::LeftButton);
        QCOMPARE(bench.currentId(), id);
    }
    QVERIFY(!bench.ui().backButton->isEnabled());
}

void FormTest::leavingASentenceRunsItsHooks()
{
    Workbench bench("HeliPos=1\nViewSentence=1\nTranslateSentence=1\n");
    QStringList calls;
    bench.form().setAudioPosition([&] { calls << "audio"; });
    bench.form().setSentenceCheck([&](XmlNode s) { calls << "check " + toQt(CPelmoraDoc::attribute(s, "id")); });
    bench.form().setTranslation([&](XmlNode s) { calls << "translate " + toQt(CPelmoraDoc::attribute(s, "id")); });
    QTest::mouseClick(bench.ui().showNextButton, Qt::LeftButton);  // l1_s2: same sentence
    QVERIFY(calls.isEmpty());
    bench.goTo("l1_s3");
    QTest::mouseClick(bench.ui().showNextButton, Qt::LeftButton);  // l2_s1
    QCOMPARE(calls, (QStringList{"audio", "check l1", "translate l1"}));
}

void FormTest::replacementWhileTyping_data()
{
    QTest::addColumn<bool>("latvian");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a then - gives ā") << false << true << "a-" << "ā";
    QTest::newRow("b then - stays") << false << true << "b-" << "b-";
    QTest::newRow("unticked stays") << false << false << "a-" << "a-";
    QTest::newRow("o then . gives ȯ") << false << true << "ko." << "kȯ";
    QTest::newRow("apostrophe ticked") << false << true << "t'" << "t’";
    QTest::newRow("apostrophe unticked") << false << false << "'" << "’";
    QTest::newRow("latvian s then ^ gives š") << true << true << "s^" << "š";
    QTest::newRow("latvian g then , gives ģ") << true << true << "g," << "ģ";
    QTest::newRow("latvian unticked") << true << false << "s^" << "s^";
    QTest::newRow("latvian apostrophe") << true << false << "'" << "’";
}

void FormTest::replacementWhileTyping()
{
    QFETCH(bool, latvian);
    QFETCH(bool, ticked);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Workbench bench;
    QLineEdit* field = latvian ? bench.ui().latvianEdit : bench.ui().headwordEdit;
    bench.ui().replaceCheck->setChecked(ticked);
    bench.focus(field);
    field->clear();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), expected);
    QCOMPARE(field->cursorPosition(), int(expected.size()));
}

void FormTest::specialLettersGoWhereTheCaretWas()
{
    Workbench bench;
    QCOMPARE(bench.form().findChildren<QToolButton*>(QRegularExpression("^letter_")).size(), int(kSpecialLetterCount));
    QLineEdit* headword = bench.ui().headwordEdit;
    bench.focus(headword);
    headword->setText("kl");
    headword->setCursorPosition(1);
    QTest::mouseClick(bench.letterButton(u'ā'), Qt::LeftButton);
    // Inserted at the caret, the field keeps the focus.
    QCOMPARE(headword->text(), QString("kāl"));
    QCOMPARE(headword->cursorPosition(), 2);
    QVERIFY(headword->hasFocus());
    // A selection is replaced in the Latvian field.
    QLineEdit* latvian = bench.ui().latvianEdit;
    bench.focus(latvian);
    latvian->setText("sa");
    latvian->setSelection(0, 1);
    QTest::mouseClick(bench.letterButton(u'š'), Qt::LeftButton);
    QCOMPARE(latvian->text(), QString("ša"));
    // Once another field took the focus, the letters insert nothing.
    bench.focus(bench.ui().meaningEdit);
    const QString meaning = bench.ui().meaningEdit->text();
    QTest::mouseClick(bench.letterButton(u'ž'), Qt::LeftButton);
    QCOMPARE(latvian->text(), QString("ša"));
    QCOMPARE(bench.ui().meaningEdit->text(), meaning);
}

void FormTest::choosingACandidateWithTheKeyboardRunsTheCascade()
{
    Workbench bench;
    bench.goTo("l1_s2");  // "um": the dictionary knows the lemma "vȱlda" with two meanings
    const auto& ui = bench.ui();
    QCOMPARE(ui.headwordEdit->text(), QString("vȱlda"));
    QVERIFY(ui.meaningList->count() >= 2);
    bench.focus(ui.meaningList);
    const int row = ui.meaningList->currentRow();
    QTest::keyClick(ui.meaningList, row + 1 < ui.meaningList->count() ? Qt::Key_Down : Qt::Key_Up);
    const int chosen = ui.meaningList->currentRow();
    QVERIFY(chosen != row);
    // The meaning field takes the entry; the part-of-speech list follows the meaning.
    QCOMPARE(ui.meaningEdit->text(), ui.meaningList->item(chosen)->text());
    QCOMPARE(toQt(bench.form().suggester().fields().meaning), ui.meaningEdit->text());
    QCOMPARE(ui.partOfSpeechCombo->currentText(), QString("verb"));
    // Enter in the list confirms the choice: the token takes it and the form moves on.
    const QString meaning = ui.meaningEdit->text();
    QTest::keyClick(ui.meaningList, Qt::Key_Return);
    QCOMPARE(bench.attribute("l1_s2", "tahendus"), meaning.toStdString());
    QCOMPARE(bench.currentId(), std::string("l1_s3"));
    // Typing a headword runs the fills for it: the meanings of "kalā".
    bench.focus(ui.headwordEdit);
    ui.headwordEdit->clear();
    QTest::keyClicks(ui.headwordEdit, "kala-");
    QCOMPARE(ui.headwordEdit->text(), QString("kalā"));
    QTRY_VERIFY(!ui.meaningList->findItems("kala", Qt::MatchExactly).isEmpty());
}

void FormTest::windowKeysWorkInAFormField()
{
    Workbench bench;
    QLineEdit* field = bench.ui().headwordEdit;
    bench.focus(field);
    // Shift+Right moves the token, the form follows.
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(bench.currentId(), std::string("l1_s2"));
    QTRY_COMPARE(field->text(), QString("vȱlda"));
    // Ctrl+W copies the token; Ctrl+C with a selection copies the field's selection.
    QTest::keyClick(field, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("um"));
    field->setSelection(0, 2);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("vȱ"));
    // Ctrl+D splits the sentence after "um".
    QTest::keyClick(field, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(CPelmoraDoc::lastTokenOfSentence(bench.doc().currentToken()) == bench.doc().currentToken());
}

void FormTest::formMnemonicsWinOverTheMenuBar_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("field");
    QTest::newRow("Alt+T meaning") << int(Qt::Key_T) << "meaningEdit";
    QTest::newRow("Alt+V form") << int(Qt::Key_V) << "formEdit";
    QTest::newRow("Alt+O comment") << int(Qt::Key_O) << "commentEdit";
    QTest::newRow("Alt+I style") << int(Qt::Key_I) << "styleCombo";
    QTest::newRow("Alt+N headword") << int(Qt::Key_N) << "headwordEdit";
    QTest::newRow("Alt+L part of speech") << int(Qt::Key_L) << "partOfSpeechCombo";
    QTest::newRow("Alt+E reason") << int(Qt::Key_E) << "reasonCombo";
    QTest::newRow("Alt+Ä Latvian") << int(Qt::Key_Adiaeresis) << "latvianEdit";
    QTest::newRow("Alt+A English") << int(Qt::Key_A) << "englishEdit";
}

void FormTest::formMnemonicsWinOverTheMenuBar()
{
    QFETCH(int, key);
    QFETCH(QString, field);
    Workbench bench;
    // Qt hands an ambiguous shortcut to its owners in turn: the second press is the telling one.
    for (int press = 0; press < 3; ++press) {
        bench.focus(bench.ui().rememberButton);
        QTest::keyClick(bench.ui().rememberButton, Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), field);
        QVERIFY(!QApplication::activePopupWidget());
    }
    // The menu bar stays reachable: F10 opens its first menu.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), QString("&Tekst"));
    QApplication::activePopupWidget()->close();
}

void FormTest::hooksGetTheSentenceAndTheHeadword()
{
    Workbench bench;
    const auto& ui = bench.ui();
    // Without hooks the buttons do nothing.
    QTest::mouseClick(ui.sentenceCheckButton, Qt::LeftButton);
    QTest::mouseClick(ui.formTagButton, Qt::LeftButton);
    QStringList calls;
    bench.form().setSentenceCheck([&](XmlNode s) { calls << "check " + toQt(CPelmoraDoc::attribute(s, "id")); });
    bench.form().setTranslation([&](XmlNode s) { calls << "translate " + toQt(CPelmoraDoc::attribute(s, "id")); });
    bench.form().setHeadwordNotes([&](const std::string& h) { calls << "notes " + toQt(h); });
    bench.form().setFormTagEditor([&](const std::string& tag, bool) {
        calls << "tag " + toQt(tag);
        return std::optional<std::string>();
    });
    bench.goTo("l2_s2");
    QTest::mouseClick(ui.sentenceCheckButton, Qt::LeftButton);
    QTest::mouseClick(ui.translationButton, Qt::LeftButton);
    QTest::mouseClick(ui.headwordNotesButton, Qt::LeftButton);
    QTest::mouseClick(ui.formTagButton, Qt::LeftButton);
    QCOMPARE(calls, (QStringList{"check l2", "translate l2", "notes jelāmõst", "tag pers.ind.pr.pl.1."}));
    // A cancelled editor leaves the form as it was.
    QCOMPARE(ui.formEdit->text(), QString("pers.ind.pr.pl.1."));
}

void FormTest::tabGoesTopToBottom()
{
    Workbench bench;
    bench.focus(bench.ui().headwordEdit);
    const QStringList expected = {"headwordList", "meaningEdit", "meaningList", "partOfSpeechCombo",
                                  "partOfSpeechList", "formEdit", "formTagButton", "formList", "latvianEdit",
                                  "latvianList", "englishEdit", "englishList", "styleCombo", "reasonCombo",
                                  "commentEdit", "rememberButton"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The comment lets Tab go on instead of taking it as text.
    QCOMPARE(visited, expected);
    QVERIFY(bench.ui().commentEdit->toPlainText().isEmpty());
}

void FormTest::typedValuesAreNotThrownAway()
{
    Workbench bench;
    const auto& ui = bench.ui();
    bench.goTo("l2_s2");
    // Headword, meaning and part of speech typed and chosen, then a letter more in the headword:
    // the lists follow it, the fields keep what the user gave them.
    bench.focus(ui.headwordEdit);
    ui.headwordEdit->clear();
    QTest::keyClicks(ui.headwordEdit, "jela");
    bench.focus(ui.meaningEdit);
    ui.meaningEdit->clear();
    QTest::keyClicks(ui.meaningEdit, "aares");
    bench.focus(ui.partOfSpeechCombo);
    ui.partOfSpeechCombo->setCurrentIndex(0);
    QTest::keyClick(ui.partOfSpeechCombo, Qt::Key_End);
    const QString partOfSpeech = ui.partOfSpeechCombo->currentText();
    bench.focus(ui.headwordEdit);
    QTest::keyClick(ui.headwordEdit, Qt::Key_End);
    QTest::keyClicks(ui.headwordEdit, "m");
    QCOMPARE(ui.meaningEdit->text(), QString("aares"));
    QCOMPARE(ui.partOfSpeechCombo->currentText(), partOfSpeech);

    // Equivalents typed, then Tab through the whole form: the lists take the focus and write nothing.
    for (QLineEdit* edit : {ui.latvianEdit, ui.englishEdit}) {
        bench.focus(edit);
        edit->clear();
        QTest::keyClicks(edit, edit == ui.latvianEdit ? "mala" : "edge");
    }
    bench.focus(ui.headwordEdit);
    for (int i = 0; i < 16; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(ui.latvianEdit->text(), QString("mala"));
    QCOMPARE(ui.englishEdit->text(), QString("edge"));
    QCOMPARE(ui.meaningEdit->text(), QString("aares"));
    QCOMPARE(toQt(bench.form().suggester().fields().english), QString("edge"));

    // The form-tag field reads as read-only; a letter typed there opens the editor with it, Enter
    // opens it too.
    QVERIFY(ui.formEdit->isReadOnly() && !ui.formEdit->toolTip().isEmpty());
    QCOMPARE(ui.formEdit->palette().color(QPalette::Base), ui.formEdit->palette().color(QPalette::Window));
    QStringList calls;
    bench.form().setFormTagEditor([&](const std::string& tag, bool typing) {
        calls << toQt(tag) + (typing ? " typing" : "");
        return typing ? std::optional<std::string>(tag) : std::nullopt;
    });
    ui.formEdit->clear();
    bench.focus(ui.formEdit);
    QTest::keyClick(ui.formEdit, Qt::Key_P);
    QTest::keyClick(ui.formEdit, Qt::Key_Return);
    QCOMPARE(calls, (QStringList{" #p typing", " #p"}));
    QCOMPARE(ui.formEdit->text(), QString(" #p"));
    QCOMPARE(bench.currentId(), std::string("l2_s2"));

    // Another text opened: nothing typed for this one stays, even with suggestions off.
    bench.app->settings().suggestionType = 2;
    ui.headwordEdit->setText("jäänud");
    Q_EMIT ui.headwordEdit->textEdited(ui.headwordEdit->text());
    QVERIFY(bench.doc().openFromBuffer(kText.toStdString(), "teine.xml"));
    bench.doc().updateAllViews();
    QTRY_COMPARE(ui.headwordEdit->text(), QString());
    QCOMPARE(ui.latvianEdit->text(), QString());
}

void FormTest::tokenNotToAnnotateTakesNoInputUntilItsReasonIsTakenBack()
{
    Workbench bench;
    const auto& ui = bench.ui();
    bench.goTo("l3_s2");
    QVERIFY(!ui.headwordEdit->isEnabled() && !ui.latvianEdit->isEnabled() && !ui.headwordList->isEnabled());
    QCOMPARE(bench.form().notToTagHint()->text(), QString("Seda sõnet ei märgendata: vahemärk"));
    // "-" as the reason: the token is one to annotate, its fields take typing and stay so.
    bench.focus(ui.reasonCombo);
    QTest::keyClick(ui.reasonCombo, Qt::Key_Home);
    QCOMPARE(ui.reasonCombo->currentText(), QString("-"));
    QVERIFY(ui.headwordEdit->isEnabled());
    QVERIFY(bench.form().notToTagHint()->text().isEmpty());
    bench.focus(ui.headwordEdit);
    QTest::keyClicks(ui.headwordEdit, "punkt");
    QCOMPARE(ui.headwordEdit->text(), QString("punkt"));
    QCOMPARE(ui.reasonCombo->currentText(), QString("-"));
    QTest::keyClick(ui.headwordEdit, Qt::Key_Return);
    QCOMPARE(bench.attribute("l3_s2", "lemma"), std::string("punkt"));
    QCOMPARE(bench.attribute("l3_s2", "meta"), std::string("-"));
    QCOMPARE(ui.countLabel->text(), QString("1"));
}

// A reason written by another tool is shown as it stands and survives Enter; the next token's
// list is the program's own again.
void FormTest::aReasonTheListDoesNotHoldIsShownAndKept()
{
    Workbench bench;
    const auto& ui = bench.ui();
    QVERIFY(bench.doc().setNodeAttribute(bench.token("l1_s2"), "meta", "tõlge"));
    bench.goTo("l1_s2");
    QCOMPARE(ui.reasonCombo->currentText(), QString("tõlge"));
    QCOMPARE(bench.form().notToTagHint()->text(), QString("Seda sõnet ei märgendata: tõlge"));
    const int listed = ui.reasonCombo->count() - 1;
    bench.focus(ui.reasonCombo);
    QTest::keyClick(ui.reasonCombo, Qt::Key_Return);
    QCOMPARE(bench.currentId(), std::string("l1_s3"));
    QCOMPARE(bench.attribute("l1_s2", "meta"), std::string("tõlge"));
    QCOMPARE(ui.reasonCombo->count(), listed);
    QCOMPARE(ui.reasonCombo->currentText(), QString("-"));
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
