// The "&Redaktor" menu's dialogs driven as a user would through EditingCommands: modify, add and
// merge, and the sentence's audio position; what lands in the text, the messages and the undo steps.
#include "dialogs/audiopositiondialog.h"
#include "commands/editingcommands.h"
#include "dialogs/mergesentencesdialog.h"
#include "dialogs/tokentextdialog.h"
#include "guitestsupport.h"

#include "search/tokenwalk.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using pelmora::gui::test::ScriptedDialogRunner;

namespace {

using test::child;
using test::typeInto;

// Sentence l1 with a two-word combination of tokens 2 and 3 and a three-word one; l2 on page 4.
const char* const kText =
    "<pelmora><info><lindistus fail=\"a.mp3\">PA</lindistus></info><sisu id=\"t\">"
    "<lause id=\"l1\" koneleja=\"k1\">"
    "<sone id=\"l1_s1\">Minā</sone><sone id=\"l1_s2\" yhend=\"+\">um</sone>"
    "<sone id=\"l1_s3\" yhend=\"+\">kalāmīez</sone><sone id=\"l1_s4\">.</sone>"
    "<yhend id=\"l1_s2_s3\" ylemma=\"um kala\"/><yhend id=\"l1_s1_s2_s3\"/></lause>"
    "<lause id=\"l2\" helipos=\"12\"><sone id=\"l2_s1\" lk=\"4\">Mēg</sone><sone id=\"l2_s2\" lk=\"4\">jelābõ</sone></lause>"
    "<lause id=\"l3\"><sone id=\"l3_s1\">Ne</sone></lause>"
    "</sisu></pelmora>";

QString ids(const CPelmoraDoc& doc, XmlNode sentence)
{
    QStringList out;
    for (XmlNode node = sentence.first_child(); node; node = node.next_sibling())
        out << QString::fromUtf8(attributeValue(node, "id").data()) + "=" +
                   QString::fromUtf8(CPelmoraDoc::tokenText(node).c_str());
    Q_UNUSED(doc);
    return out.join(' ');
}

}  // namespace

class EditingDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QueuedFileChooser> m_files;
    std::unique_ptr<QWidget> m_window;
    EditingCommands* m_commands = nullptr;

    XmlNode sentence(int n) const
    {
        XmlNode s = m_doc->body().child("lause");
        for (int i = 1; i < n; ++i)
            s = s.next_sibling("lause");
        return s;
    }
    void goTo(const char* id) { QVERIFY(m_doc->setCurrentToken(findTokenById(*m_doc, id))); }
    QString messages() const { return QString::fromStdString(m_prompter->lastText()); }
    // Queues a step that types into the dialog's one field and presses Enter.
    template <class Dialog>
    void queueEnter(const char* field, const QString& text)
    {
        m_runner->queue([field, text](QDialog& dialog) {
            [&] { QVERIFY(qobject_cast<Dialog*>(&dialog)); }();
            dialog.show();
            QLineEdit& edit = child<QLineEdit>(dialog, field);
            typeInto(edit, text);
            QTest::keyClick(&edit, Qt::Key_Return);
            return dialog.result();
        });
    }

private Q_SLOTS:
    void init();
    void cleanup();
    void modifyToken_data();
    void modifyToken();
    void addTokenShiftsTheCombinationsAfterIt();
    void addTokenOnAPageAndBlankInput();
    void escapeAddsNothing();
    void mergeProposesTheNextSentenceAndAppendsIt();
    void mergeWithAnUnknownSentenceChangesNothing();
    void dialogsStartInTheirFieldWithCaptionsAndMnemonics();
    void audioPosition_data();
    void audioPosition();
    void audioPositionWithoutAnAudioFileRemovesIt();
    void audioPositionProposesThePlayersPosition_data();
    void audioPositionProposesThePlayersPosition();
    void audioFieldsTakeWholeNumbersOnly();
};

void EditingDialogsTest::init()
{
    m_prompter = std::make_unique<RecordingPrompter>();
    m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
    QVERIFY(m_doc->openFromBuffer(kText, "t.xml"));
    m_runner = std::make_unique<ScriptedDialogRunner>();
    m_files = std::make_unique<QueuedFileChooser>();
    m_window = std::make_unique<QWidget>();
    m_commands = new EditingCommands(*m_doc, *m_prompter, *m_runner, *m_files, m_window.get());
}

void EditingDialogsTest::cleanup()
{
    QVERIFY(m_runner->idle());
    m_window.reset();
    m_doc.reset();
}

void EditingDialogsTest::modifyToken_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("modified");
    QTest::newRow("blanks trimmed") << "  umā " << "umā" << "" << true;
    QTest::newRow("only blanks refused") << "   " << "um" << "Sõnet ei saa kustutada" << false;
    QTest::newRow("same text changes nothing") << "um" << "um" << "" << false;
}

void EditingDialogsTest::modifyToken()
{
    QFETCH(QString, typed);
    goTo("l1_s2");
    m_runner->queue([&](QDialog& dialog) {
        // The field holds the token's text, all selected.
        QLineEdit& edit = child<QLineEdit>(dialog, "textEdit");
        [&] { QCOMPARE(edit.text(), QString("um")); QCOMPARE(dialog.windowTitle(), QString("Sõne muutmine")); }();
        dialog.show();
        typeInto(edit, typed);
        QTest::keyClick(&edit, Qt::Key_Return);
        return dialog.result();
    });
    m_commands->modifyToken();
    QTEST(QString::fromStdString(CPelmoraDoc::tokenText(findTokenById(*m_doc, "l1_s2"))), "text");
    QTEST(messages(), "message");
    QTEST(m_doc->isModified(), "modified");
    QCOMPARE(m_doc->undoCount(), m_doc->isModified() ? 1u : 0u);
    // The token's attributes stay.
    QCOMPARE(QString::fromUtf8(attributeValue(findTokenById(*m_doc, "l1_s2"), "yhend").data()), QString("+"));
}

void EditingDialogsTest::addTokenShiftsTheCombinationsAfterIt()
{
    goTo("l1_s1");
    queueEnter<TokenTextDialog>("textEdit", " ka ");
    m_commands->addToken();
    // The new token follows the first; both combinations follow their words (the three-word one
    // keeps its first word), nothing is said, and the current token stays.
    QCOMPARE(ids(*m_doc, sentence(1)),
             QString("l1_s1=Minā l1_s2=ka l1_s3=um l1_s4=kalāmīez l1_s5=. l1_s3_s4= l1_s1_s3_s4="));
    QCOMPARE(messages(), QString());
    QCOMPARE(QString::fromStdString(CPelmoraDoc::tokenText(m_doc->currentToken())), QString("Minā"));
    QCOMPARE(m_runner->titles(), QStringList{"Sõne lisamine"});
    // One undo takes the whole addition back.
    QVERIFY(m_doc->undo());
    QCOMPARE(ids(*m_doc, sentence(1)),
             QString("l1_s1=Minā l1_s2=um l1_s3=kalāmīez l1_s4=. l1_s2_s3= l1_s1_s2_s3="));
}

void EditingDialogsTest::addTokenOnAPageAndBlankInput()
{
    goTo("l2_s2");
    queueEnter<TokenTextDialog>("textEdit", "   ");
    m_commands->addToken();
    QCOMPARE(messages(), QString("Tühja sõnet ei saa lisaada"));
    QCOMPARE(m_prompter->entries().back().title, std::string("Teade"));
    QVERIFY(!m_doc->isModified());

    queueEnter<TokenTextDialog>("textEdit", "ka");
    m_commands->addToken();
    // After the last token: numbered one past it, with its page and the language "eesti".
    const XmlNode added = findTokenById(*m_doc, "l2_s3");
    QCOMPARE(QString::fromStdString(CPelmoraDoc::tokenText(added)), QString("ka"));
    QCOMPARE(QString::fromUtf8(attributeValue(added, "lk").data()), QString("4"));
    QCOMPARE(QString::fromUtf8(attributeValue(added, "keel").data()), QString("eesti"));
}

void EditingDialogsTest::escapeAddsNothing()
{
    goTo("l1_s1");
    m_runner->queue([](QDialog& dialog) {
        dialog.show();
        QLineEdit& edit = child<QLineEdit>(dialog, "textEdit");
        QTest::keyClicks(&edit, "ka");
        QTest::keyClick(&edit, Qt::Key_Escape);
        return dialog.result();
    });
    m_commands->addToken();
    QVERIFY(!m_doc->isModified());
    QVERIFY(m_prompter->entries().empty());
}

void EditingDialogsTest::mergeProposesTheNextSentenceAndAppendsIt()
{
    goTo("l1_s2");
    m_runner->queue([](QDialog& dialog) {
        dialog.show();
        // The current sentence is shown and the next one proposed.
        [&] {
            QCOMPARE(child<QLabel>(dialog, "currentLabel").text(), QString("l1"));
            QCOMPARE(child<QLineEdit>(dialog, "otherEdit").text(), QString("l2"));
        }();
        QTest::keyClick(&child<QLineEdit>(dialog, "otherEdit"), Qt::Key_Return);
        return dialog.result();
    });
    m_commands->mergeSentences();
    // l2's tokens follow l1's with their page; l2 is gone with its position and l3 moved up.
    QCOMPARE(ids(*m_doc, sentence(1)),
             QString("l1_s1=Minā l1_s2=um l1_s3=kalāmīez l1_s4=. l1_s5=Mēg l1_s6=jelābõ l1_s2_s3= l1_s1_s2_s3="));
    QCOMPARE(ids(*m_doc, sentence(2)), QString("l2_s1=Ne"));
    QCOMPARE(QString::fromUtf8(attributeValue(sentence(1), "koneleja").data()), QString("k1"));
    QCOMPARE(QString::fromStdString(CPelmoraDoc::tokenText(m_doc->currentToken())), QString("jelābõ"));
    QCOMPARE(m_doc->undoCount(), 1u);
}

void EditingDialogsTest::mergeWithAnUnknownSentenceChangesNothing()
{
    goTo("l1_s1");
    queueEnter<MergeSentencesDialog>("otherEdit", "l9");
    m_commands->mergeSentences();
    QCOMPARE(messages(), QString("Ei leia soovitud lauset."));
    QVERIFY(!m_doc->isModified());
    QCOMPARE(ids(*m_doc, sentence(3)), QString("l3_s1=Ne"));
}

void EditingDialogsTest::dialogsStartInTheirFieldWithCaptionsAndMnemonics()
{
    struct Case {
        std::unique_ptr<QDialog> dialog;
        const char* field;
        QString title;
    };
    Case cases[] = {
        {std::make_unique<TokenTextDialog>(TokenTextDialog::Purpose::Modify, "um"), "textEdit", "Sõne muutmine"},
        {std::make_unique<TokenTextDialog>(TokenTextDialog::Purpose::Add, ""), "textEdit", "Sõne lisamine"},
        {std::make_unique<MergeSentencesDialog>("l1", "l2"), "otherEdit", "Ühenda laused ..."},
        {std::make_unique<AudioPositionDialog>(-1, -1), "minutesEdit", "Helifailiga sidumine"},
    };
    for (Case& c : cases) {
        c.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.dialog.get()));
        QCOMPARE(c.dialog->windowTitle(), c.title);
        QCOMPARE(QApplication::focusWidget(), &child<QLineEdit>(*c.dialog, c.field));
        // Every field is reached by its caption's mnemonic.
        for (QLabel* label : c.dialog->findChildren<QLabel*>()) {
            if (label->buddy())
                QVERIFY2(label->text().contains('&'), qPrintable(label->text()));
        }
        auto* ok = child<QDialogButtonBox>(*c.dialog, "buttonBox").button(QDialogButtonBox::Ok);
        QVERIFY(ok->isDefault());
        c.dialog->close();
    }
}

void EditingDialogsTest::audioPosition_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("shown");  // minutes and seconds the dialog opens with
    QTest::addColumn<QString>("action"); // "m s" typed and OK, "notset", or "cancel"
    QTest::addColumn<QString>("stored"); // helipos afterwards ("" absent)
    QTest::addColumn<bool>("modified");
    QTest::newRow("unlinked 2 min 5 s gives 125") << "l1_s1" << "-1 -1" << "2 5" << "125" << true;
    QTest::newRow("seconds past 59") << "l1_s1" << "-1 -1" << "1 75" << "135" << true;
    QTest::newRow("12 s shown as 0 and 12") << "l2_s1" << "0 12" << "0 12" << "12" << false;
    QTest::newRow("not set removes") << "l2_s1" << "0 12" << "notset" << "" << true;
    QTest::newRow("not set on an unlinked sentence") << "l1_s1" << "-1 -1" << "notset" << "" << false;
    QTest::newRow("negative minutes remove") << "l2_s2" << "0 12" << "-1 0" << "" << true;
    QTest::newRow("cancel keeps") << "l2_s1" << "0 12" << "cancel" << "12" << false;
}

void EditingDialogsTest::audioPosition()
{
    QFETCH(QString, token);
    QFETCH(QString, shown);
    QFETCH(QString, action);
    goTo(token.toUtf8().constData());
    m_runner->queue([&](QDialog& dialog) {
        dialog.show();
        QLineEdit& minutes = child<QLineEdit>(dialog, "minutesEdit");
        QLineEdit& seconds = child<QLineEdit>(dialog, "secondsEdit");
        [&] { QCOMPARE(minutes.text() + " " + seconds.text(), shown); }();
        if (action == "notset") {
            QTest::mouseClick(static_cast<AudioPositionDialog&>(dialog).notSetButton(), Qt::LeftButton);
        } else if (action == "cancel") {
            typeInto(minutes, "9");
            QTest::keyClick(&minutes, Qt::Key_Escape);
        } else {
            const QStringList parts = action.split(' ');
            typeInto(minutes, parts[0]);
            QTest::keyClick(&minutes, Qt::Key_Tab);
            typeInto(seconds, parts[1]);
            QTest::keyClick(&seconds, Qt::Key_Return);
        }
        return dialog.result();
    });
    m_commands->audioPosition();
    QTEST(QString::fromUtf8(attributeValue(m_doc->currentToken().parent(), "helipos").data()), "stored");
    QTEST(m_doc->isModified(), "modified");
    QVERIFY(m_prompter->entries().empty());
}

void EditingDialogsTest::audioPositionWithoutAnAudioFileRemovesIt()
{
    QVERIFY(m_doc->openFromBuffer(
        "<pelmora><sisu><lause id=\"l1\" helipos=\"70\"><sone id=\"l1_s1\">a</sone></lause></sisu></pelmora>", "t"));
    m_runner->queue([](QDialog& dialog) {
        [&] {
            QCOMPARE(child<QLineEdit>(dialog, "minutesEdit").text(), QString("1"));
            QCOMPARE(child<QLineEdit>(dialog, "secondsEdit").text(), QString("10"));
        }();
        return int(QDialog::Accepted);
    });
    m_commands->audioPosition();
    QCOMPARE(messages(), QString("Helifaili pole määratud."));
    QCOMPARE(m_prompter->entries().back().title, std::string("Hoiatus"));
    QVERIFY(attributeValue(m_doc->currentToken().parent(), "helipos").empty());
    QVERIFY(m_doc->isModified());
}

void EditingDialogsTest::audioPositionProposesThePlayersPosition_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("heard");      // the player's position in seconds, -1 when nothing plays
    QTest::addColumn<QString>("shown");  // minutes and seconds the dialog opens with
    QTest::newRow("unlinked sentence gets 2 min 5 s") << "l1_s1" << 125 << "2 5";
    QTest::newRow("unlinked sentence at the very start") << "l1_s1" << 0 << "0 0";
    QTest::newRow("nothing playing keeps -1 and -1") << "l1_s1" << -1 << "-1 -1";
    QTest::newRow("a linked sentence shows its own start") << "l2_s1" << 125 << "0 12";
}

void EditingDialogsTest::audioPositionProposesThePlayersPosition()
{
    QFETCH(QString, token);
    QFETCH(int, heard);
    QFETCH(QString, shown);
    m_commands->setHeardPosition([heard]() -> std::optional<int> {
        if (heard < 0)
            return std::nullopt;
        return heard;
    });
    goTo(token.toUtf8().constData());
    QString opened;
    m_runner->queue([&](QDialog& dialog) {
        opened = child<QLineEdit>(dialog, "minutesEdit").text() + " " + child<QLineEdit>(dialog, "secondsEdit").text();
        return int(QDialog::Accepted);
    });
    m_commands->audioPosition();
    QCOMPARE(opened, shown);
    // OK on the proposal links the sentence there; without one it stays unlinked.
    const std::string stored(attributeValue(m_doc->currentToken().parent(), "helipos"));
    if (token == "l1_s1")
        QCOMPARE(QString::fromStdString(stored), heard < 0 ? QString() : QString::number(heard));
}

void EditingDialogsTest::audioFieldsTakeWholeNumbersOnly()
{
    AudioPositionDialog dialog(-1, -1);
    dialog.show();
    QLineEdit& minutes = child<QLineEdit>(dialog, "minutesEdit");
    QPushButton* ok = child<QDialogButtonBox>(dialog, "buttonBox").button(QDialogButtonBox::Ok);
    typeInto(minutes, "2x.5");
    // Only the digits get in.
    QCOMPARE(minutes.text(), QString("25"));
    minutes.clear();
    // An empty field is no number: OK waits for one.
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(&minutes, "3");
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog.minutes(), 3);
}

QTEST_MAIN(EditingDialogsTest)
#include "editingdialogs_test.moc"
