// The "Otsing" menu's dialogs, driven as a user would through SearchCommands: what each dialog's
// OK does to the text, the marking and the current token, and that every dialog works from the
// keyboard.
#include "commands/searchcommands.h"
#include "form/formtagdialog.h"
#include "guitestsupport.h"

#include "search/tokenwalk.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using pelmora::gui::test::ScriptedDialogRunner;

namespace {

using test::child;
using test::typeInto;

// Two sentences; pages 1 to 3 on the tokens, "kata" twice in different case.
const char* const kText =
    "<pelmora><sisu id=\"t\">"
    "<lause id=\"l1\" lk=\"7\">"
    "<sone id=\"l1_s1\" lk=\"1\" lemma=\"kala\" liik=\"S\" vorm=\"sg.nom.\">kalā</sone>"
    "<sone id=\"l1_s2\" lk=\"1\" lemma=\"vȱlda\" liik=\"V\">um</sone>"
    "<sone id=\"l1_s3\" lk=\"2\">kata</sone></lause>"
    "<lause id=\"l2\">"
    "<sone id=\"l2_s1\" lk=\"2\" lemma=\"kala\" liik=\"S\" vorm=\"pl.nom.\">kalād</sone>"
    "<sone id=\"l2_s2\" lk=\"3\" liik=\"X\">KATA</sone></lause>"
    "</sisu></pelmora>";

QPushButton& okButton(QWidget& dialog)
{
    return *child<QDialogButtonBox>(dialog, "buttonBox").button(QDialogButtonBox::Ok);
}

// A mouse click with the dialog laid out as it would be shown: on the box of a check box or
// radio button (which may be much wider than its caption), on the middle of other buttons.
void click(QAbstractButton& button)
{
    QWidget* dialog = button.window();
    if (!dialog->isVisible())
        dialog->adjustSize();
    const bool box = qobject_cast<QCheckBox*>(&button) || qobject_cast<QRadioButton*>(&button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, box ? QPoint(6, button.height() / 2) : QPoint());
}

// Shows the dialog offscreen and waits until it has the keyboard.
bool showActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

}  // namespace

class SearchDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<TextSearch> m_search;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QWidget> m_window;
    SearchCommands* m_commands = nullptr;

    XmlNode token(const char* id) const { return findTokenById(*m_doc, id); }
    QString currentId() const { return QString::fromUtf8(attributeValue(m_doc->currentToken(), "id").data()); }
    QString attribute(const char* id, const char* name) const
    {
        return QString::fromStdString(std::string(attributeValue(token(id), name)));
    }
    void goTo(const char* id) { QVERIFY(m_doc->setCurrentToken(token(id))); }
    QStringList markedIds() const
    {
        QStringList ids;
        forEachToken(*m_doc, [&](XmlNode t) {
            if (m_search->markingColour(t))
                ids << QString::fromStdString(std::string(attributeValue(t, "id")));
        });
        return ids;
    }
    // The last message as "title: text".
    QString lastMessage() const
    {
        if (m_prompter->entries().empty())
            return {};
        const auto& entry = m_prompter->entries().back();
        return QString::fromStdString(entry.title + ": " + entry.text);
    }
    // The command that opens the dialog of a table row.
    using Command = void (SearchCommands::*)();
    static Command commandOf(const QString& dialog)
    {
        if (dialog == "Otsi")
            return &SearchCommands::find;
        if (dialog == "Otsi ...")
            return &SearchCommands::partOfWordSearch;
        if (dialog == "Asenda")
            return &SearchCommands::replace;
        if (dialog == "Mine leheküljele ...")
            return &SearchCommands::goToPage;
        return &SearchCommands::goToIdentifier;
    }

private Q_SLOTS:
    void init()
    {
        m_prompter = std::make_unique<RecordingPrompter>();
        m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
        QVERIFY(m_doc->openFromBuffer(kText, "t.xml"));
        m_search = std::make_unique<TextSearch>(*m_doc);
        m_runner = std::make_unique<ScriptedDialogRunner>();
        m_window = std::make_unique<QWidget>();
        m_commands = new SearchCommands(*m_doc, *m_search, *m_runner, m_window.get());
        m_doc->setModifiedFlag(false);
    }

    void cleanup()
    {
        m_window.reset();
        m_runner.reset();
        m_search.reset();
        m_doc.reset();
        m_prompter.reset();
    }

    // --- "Otsi ..." and F3 ----------------------------------------------------------------

    void searchGoesToTheFirstHitAndF3WalksOn()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "textEdit"), "KATA");
            click(child<QRadioButton>(dialog, "fromStartRadio"));
            return QDialog::Accepted;
        });
        QSignalSpy reports(m_commands, &SearchCommands::searchReported);
        m_commands->find();
        // Every search says in the status line how many tokens it found and with what.
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.back().at(0).toString(), QString("Leitud 2 sõnet: sõne „KATA“"));
        // Typing ticked the field; the first "kata" of the text is current and both are marked.
        QCOMPARE(m_runner->titles(), QStringList{"Otsi"});
        QVERIFY(m_commands->lastSearch().criteria.isChecked(SearchField::Text));
        QCOMPARE(currentId(), QString("l1_s3"));
        QCOMPARE(markedIds(), (QStringList{"l1_s3", "l2_s2"}));
        QCOMPARE(m_search->markingRules()[0].colour, kDefaultMarkingColour);

        m_commands->findNext();
        QCOMPARE(currentId(), QString("l2_s2"));
        // Past the last hit: "Ei leia", and the current token stays.
        m_commands->findNext();
        QCOMPARE(currentId(), QString("l2_s2"));
        QCOMPARE(lastMessage(), QString("Otsing: Ei leia\nOtsiti: sõne „KATA“"));
        QCOMPARE(reports.size(), 3);

        // The dialog comes back with the word still ticked: a lemma search then finds nothing,
        // and the message says that the word was sought too.
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaEdit"), "kala");
            click(child<QRadioButton>(dialog, "fromStartRadio"));
            return QDialog::Accepted;
        });
        m_commands->find();
        QCOMPARE(lastMessage(), QString("Otsing: Ei leia\nOtsiti: sõne „KATA“, märksõna „kala“"));
        QCOMPARE(reports.back().at(0).toString(), QString("Leitud 0 sõnet: sõne „KATA“, märksõna „kala“"));
        QCOMPARE(m_prompter->entries().back().kind, MessageKind::Warning);
        QCOMPARE(m_runner->titles().size(), 2);
    }

    void searchWithoutMarkingOrMovingOnlySetsTheSearch()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaEdit"), "kala");
            click(child<QCheckBox>(dialog, "markCheck"));
            click(child<QCheckBox>(dialog, "goToFirstCheck"));
            // Without going to a hit the direction does not apply.
            return child<QRadioButton>(dialog, "forwardRadio").isEnabled() ? QDialog::Rejected : QDialog::Accepted;
        });
        m_commands->find();
        QVERIFY(!m_search->markingOn());
        QCOMPARE(currentId(), QString("l1_s1"));
        // F3 then uses the search: the next token with the lemma.
        m_commands->findNext();
        QCOMPARE(currentId(), QString("l2_s1"));
    }

    void searchListsSeekTheAttributeValues_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<QString>("hit");
        // The part of speech is shown by name and sought by code.
        QTest::newRow("part of speech") << "partOfSpeechCombo" << "partOfSpeechCheck" << "verb"
                                        << int(SearchField::PartOfSpeech) << "V" << "l1_s2";
        // "-" seeks tokens without the value.
        QTest::newRow("no part of speech") << "partOfSpeechCombo" << "partOfSpeechCheck" << "-"
                                           << int(SearchField::PartOfSpeech) << "" << "l1_s3";
        // "- - suvaline - -" seeks any value.
        QTest::newRow("any part of speech") << "partOfSpeechCombo" << "partOfSpeechCheck" << "- - suvaline - -"
                                            << int(SearchField::PartOfSpeech) << "*" << "l1_s2";
        QTest::newRow("any style") << "styleCombo" << "styleCheck" << "- - suvaline - -"
                                   << int(SearchField::Style) << "*" << "";
        QTest::newRow("reason") << "metaCombo" << "metaCheck" << "poolik sõna" << int(SearchField::Meta)
                                << "poolik sõna" << "";
    }

    void searchListsSeekTheAttributeValues()
    {
        QFETCH(QString, combo);
        QFETCH(QString, check);
        QFETCH(QString, entry);
        QFETCH(int, field);
        QFETCH(QString, sought);
        QFETCH(QString, hit);
        m_runner->queue([&](QDialog& dialog) -> int {
            auto& list = child<QComboBox>(dialog, qPrintable(combo));
            list.setCurrentIndex(list.findText(entry));
            click(child<QCheckBox>(dialog, qPrintable(check)));
            return QDialog::Accepted;
        });
        m_commands->find();
        const SearchCriteria& criteria = m_commands->lastSearch().criteria;
        QVERIFY(criteria.isChecked(static_cast<SearchField>(field)));
        QCOMPARE(QString::fromStdString(criteria.value(static_cast<SearchField>(field))), sought);
        if (hit.isEmpty()) {
            QCOMPARE(currentId(), QString("l1_s1"));
            QVERIFY(lastMessage().startsWith(QString("Otsing: Ei leia\nOtsiti: ")));
        } else {
            QCOMPARE(currentId(), hit);
        }
    }

    void choosingFromAListByKeyTicksItsField()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            // Down on the part-of-speech list moves from "-" to "verb".
            QTest::keyClick(&child<QComboBox>(dialog, "partOfSpeechCombo"), Qt::Key_Down);
            click(child<QCheckBox>(dialog, "goToFirstCheck"));
            return QDialog::Accepted;
        });
        m_commands->find();
        const SearchCriteria& criteria = m_commands->lastSearch().criteria;
        QVERIFY(criteria.isChecked(SearchField::PartOfSpeech));
        QCOMPARE(QString::fromStdString(criteria.value(SearchField::PartOfSpeech)), QString("V"));
        QCOMPARE(markedIds(), QStringList{"l1_s2"});
    }

    void searchDialogComesBackWithTheLastSearch()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaEdit"), "kala");
            auto& list = child<QComboBox>(dialog, "styleCombo");
            list.setCurrentIndex(list.findText("pealkiri"));
            click(child<QCheckBox>(dialog, "markCheck"));
            click(child<QRadioButton>(dialog, "backwardRadio"));
            return QDialog::Accepted;
        });
        m_commands->find();
        goTo("l2_s2");
        bool shownAgain = false;
        m_runner->queue([&](QDialog& dialog) -> int {
            // Expected: every value as accepted last time; the style was not ticked.
            shownAgain = child<QLineEdit>(dialog, "lemmaEdit").text() == "kala"
                && child<QCheckBox>(dialog, "lemmaCheck").isChecked()
                && child<QComboBox>(dialog, "styleCombo").currentText() == "pealkiri"
                && !child<QCheckBox>(dialog, "styleCheck").isChecked()
                && !child<QCheckBox>(dialog, "markCheck").isChecked()
                && child<QRadioButton>(dialog, "backwardRadio").isChecked();
            typeInto(child<QLineEdit>(dialog, "lemmaEdit"), "muu");
            return QDialog::Rejected;
        });
        m_commands->find();
        QVERIFY(shownAgain);
        // Cancel keeps the last search and moves nothing.
        QCOMPARE(QString::fromStdString(m_commands->lastSearch().criteria.value(SearchField::Lemma)), QString("kala"));
        QCOMPARE(currentId(), QString("l2_s2"));
        QVERIFY(!m_search->markingOn());
        // F3 repeats the accepted search, forwards.
        goTo("l1_s1");
        m_commands->findNext();
        QCOMPARE(currentId(), QString("l2_s1"));
    }

    void findNextWithoutADialogSearchOpensTheDialog()
    {
        m_commands->findNext();
        QCOMPARE(m_runner->titles(), QStringList{"Otsi"});
        // A part-of-word search is no dialog search either.
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "textEdit"), "ta");
            return QDialog::Accepted;
        });
        m_commands->partOfWordSearch();
        m_commands->findNext();
        QCOMPARE(m_runner->titles(), (QStringList{"Otsi", "Otsi ...", "Otsi"}));
    }

    void otherColourMarksTheHits()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaEdit"), "kala");
            click(child<QPushButton>(dialog, "colourButton"));
            return QDialog::Accepted;
        });
        m_runner->queue([](QDialog& dialog) -> int {
            static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(10, 20, 30));
            return QDialog::Accepted;
        });
        m_commands->find();
        QCOMPARE(m_runner->titles(), (QStringList{"Otsi", "Vali muu värv"}));
        QCOMPARE(m_search->markingColour(token("l2_s1")), std::optional<Colour>(Colour{10, 20, 30}));

        // A cancelled colour dialog keeps the colour the search dialog had.
        m_runner->queue([](QDialog& dialog) -> int {
            click(child<QPushButton>(dialog, "colourButton"));
            return QDialog::Accepted;
        });
        m_runner->queue([](QDialog& dialog) -> int {
            static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(200, 0, 0));
            return QDialog::Rejected;
        });
        m_commands->find();
        QCOMPARE(m_search->markingRules()[1].colour, (Colour{10, 20, 30}));
    }

    // --- "Sõnaosa otsing ..." -----------------------------------------------------------------

    void partOfWordSearchMarksTheEndingInAnyCase()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "textEdit"), "ta");
            click(child<QRadioButton>(dialog, "endsRadio"));
            return QDialog::Accepted;
        });
        m_commands->partOfWordSearch();
        QCOMPARE(m_search->markingRules().size(), std::size_t(1));
        QCOMPARE(m_search->markingRules()[0].mode, SearchMode::Ends);
        QCOMPARE(markedIds(), (QStringList{"l1_s3", "l2_s2"}));
        // Marking only: the current token stays.
        QCOMPARE(currentId(), QString("l1_s1"));

        // Any ticked field may hold it: the lemma "vȱlda" begins with "v".
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "textEdit"), "V");
            click(child<QCheckBox>(dialog, "lemmaCheck"));
            click(child<QRadioButton>(dialog, "beginsRadio"));
            return QDialog::Accepted;
        });
        m_commands->partOfWordSearch();
        QCOMPARE(markedIds(), (QStringList{"l1_s2", "l1_s3", "l2_s2"}));
    }

    void partOfWordOkNeedsATextAndAField()
    {
        bool emptyRefused = false;
        bool typedAccepted = false;
        bool noFieldRefused = false;
        m_runner->queue([&](QDialog& dialog) -> int {
            emptyRefused = !okButton(dialog).isEnabled();
            typeInto(child<QLineEdit>(dialog, "textEdit"), "ka");
            typedAccepted = okButton(dialog).isEnabled();
            click(child<QCheckBox>(dialog, "textCheck"));
            noFieldRefused = !okButton(dialog).isEnabled();
            return QDialog::Rejected;
        });
        m_commands->partOfWordSearch();
        QVERIFY(emptyRefused);
        QVERIFY(typedAccepted);
        QVERIFY(noFieldRefused);
        QVERIFY(!m_search->markingOn());
    }

    // --- "Asenda ..." ---------------------------------------------------------------------

    void replaceChangesTheValuesAndMarksTheTokens()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaFindEdit"), "KALA");
            typeInto(child<QLineEdit>(dialog, "lemmaReplaceEdit"), "kala2");
            auto& find = child<QComboBox>(dialog, "partOfSpeechFindCombo");
            find.setCurrentIndex(find.findText("verb"));
            auto& replaceWith = child<QComboBox>(dialog, "partOfSpeechReplaceCombo");
            replaceWith.setCurrentIndex(replaceWith.findText("adverb"));
            // The sought form comes from the form-tag editor behind "+".
            child<QToolButton>(dialog, "formFindTagButton").click();
            if (child<QLineEdit>(dialog, "formFindEdit").text() != "pl.nom.")
                return QDialog::Rejected;
            click(child<QPushButton>(dialog, "colourButton"));
            return QDialog::Accepted;
        });
        m_runner->queue([](QDialog& dialog) -> int {
            auto& editor = static_cast<FormTagDialog&>(dialog);
            editor.box("pl.")->click();
            editor.box("nom.")->click();
            return QDialog::Accepted;
        });
        m_runner->queue([](QDialog& dialog) -> int {
            static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(1, 2, 3));
            return QDialog::Accepted;
        });
        m_commands->replace();
        QCOMPARE(m_runner->titles(), (QStringList{"Asenda", "Vormiinfo", "Vali uus värv"}));
        // The lemma in both tokens, the code "V" to "Adv", the plural form removed.
        QCOMPARE(attribute("l1_s1", "lemma"), QString("kala2"));
        QCOMPARE(attribute("l2_s1", "lemma"), QString("kala2"));
        QCOMPARE(attribute("l1_s2", "liik"), QString("Adv"));
        QVERIFY(!token("l2_s1").attribute("vorm"));
        QCOMPARE(attribute("l1_s1", "vorm"), QString("sg.nom."));
        QCOMPARE(markedIds(), (QStringList{"l1_s1", "l1_s2", "l2_s1"}));
        QCOMPARE(attribute("l1_s2", "auto"), QString("+"));
        QCOMPARE(m_search->markingRules()[0].mode, SearchMode::AutomaticChanges);
        QCOMPARE(m_search->markingColour(token("l1_s1")), std::optional<Colour>(Colour{1, 2, 3}));
        QVERIFY(m_doc->isModified());

        // The next replace dialog starts with that colour.
        bool colourKept = false;
        m_runner->queue([&](QDialog& dialog) -> int {
            colourKept = child<QFrame>(dialog, "colourSwatch").toolTip() == QColor(1, 2, 3).name()
                && child<QLineEdit>(dialog, "lemmaFindEdit").text().isEmpty();
            return QDialog::Rejected;
        });
        m_commands->replace();
        QVERIFY(colourKept);

        // Removing the marks takes every "auto" and the rule away.
        m_commands->removeAutomaticMarks();
        QVERIFY(!token("l1_s2").attribute("auto"));
        QVERIFY(!m_search->markingOn());
    }

    void replacePartOfSpeechDashRemovesIt()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            auto& find = child<QComboBox>(dialog, "partOfSpeechFindCombo");
            find.setCurrentIndex(find.findText("substantiiv"));
            // The replacement list stays at "-".
            return QDialog::Accepted;
        });
        m_commands->replace();
        QVERIFY(!token("l1_s1").attribute("liik"));
        QVERIFY(!token("l2_s1").attribute("liik"));
        QCOMPARE(attribute("l1_s2", "liik"), QString("V"));
    }

    void replaceCancelledChangesNothing()
    {
        m_runner->queue([](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "lemmaFindEdit"), "kala");
            typeInto(child<QLineEdit>(dialog, "lemmaReplaceEdit"), "x");
            return QDialog::Rejected;
        });
        m_commands->replace();
        QCOMPARE(attribute("l1_s1", "lemma"), QString("kala"));
        QVERIFY(!token("l1_s1").attribute("auto"));
        QVERIFY(!m_search->markingOn());
        QVERIFY(!m_doc->isModified());
    }

    // --- Marking rules without a dialog, the remembered position -------------------------

    void markedTokensAndTheRememberedPosition()
    {
        m_commands->suspectedErrors();
        // "V" without a form and the unknown "X" are suspicious.
        QCOMPARE(markedIds(), (QStringList{"l1_s2", "l2_s2"}));
        m_commands->nextMarked();
        QCOMPARE(currentId(), QString("l1_s2"));
        m_commands->nextMarked();
        QCOMPARE(currentId(), QString("l2_s2"));
        m_commands->nextMarked();
        QCOMPARE(currentId(), QString("l2_s2"));
        m_commands->previousMarked();
        QCOMPARE(currentId(), QString("l1_s2"));

        m_commands->rememberPosition();
        goTo("l2_s1");
        m_commands->goToRememberedPosition();
        QCOMPARE(currentId(), QString("l1_s2"));

        m_commands->clearSearches();
        QVERIFY(!m_search->markingOn());
        m_commands->nextMarked();
        QCOMPARE(currentId(), QString("l1_s2"));

        // Nothing is marked "auto" yet, but the rule stands until the marks are removed.
        m_commands->automaticChanges();
        QCOMPARE(m_search->markingRules()[0].mode, SearchMode::AutomaticChanges);
        QCOMPARE(m_search->markingRules()[0].colour, kAutomaticChangeColour);
        m_commands->removeAutomaticMarks();
        QVERIFY(!m_search->markingOn());
        QVERIFY(m_prompter->entries().empty());
    }

    void commandsWithoutATextDoNothing()
    {
        m_doc->closeDocument();
        for (auto command : {&SearchCommands::find, &SearchCommands::findNext, &SearchCommands::partOfWordSearch,
                             &SearchCommands::replace, &SearchCommands::suspectedErrors,
                             &SearchCommands::automaticChanges, &SearchCommands::removeAutomaticMarks,
                             &SearchCommands::clearSearches, &SearchCommands::rememberPosition,
                             &SearchCommands::goToRememberedPosition, &SearchCommands::goToPage,
                             &SearchCommands::goToIdentifier, &SearchCommands::goToClipboardIdentifier,
                             &SearchCommands::nextMarked, &SearchCommands::previousMarked})
            (m_commands->*command)();
        // Expected: no dialog opened, no message, no rule, the empty document unchanged.
        QVERIFY(m_runner->titles().isEmpty());
        QVERIFY(m_prompter->entries().empty());
        QVERIFY(!m_search->markingOn());
        QVERIFY(!m_doc->isModified());
    }

    // --- Go to page, identifier, clipboard identifier ------------------------------------

    void goToPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("message");
        QTest::newRow("found") << "2" << "l1_s3" << "";
        // The sentence's own "lk" of 7 does not count.
        QTest::newRow("only a sentence has it") << "7" << "l1_s1" << "Viga: Ei leidnud lehekülge";
        QTest::newRow("empty") << "" << "l1_s1" << "";
    }

    void goToPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, current);
        QFETCH(QString, message);
        m_runner->queue([&](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "pageEdit"), page);
            return QDialog::Accepted;
        });
        m_commands->goToPage();
        QCOMPARE(m_runner->titles(), QStringList{"Mine leheküljele ..."});
        QCOMPARE(currentId(), current);
        QCOMPARE(lastMessage(), message);
        if (!message.isEmpty())
            QCOMPARE(m_prompter->entries().back().kind, MessageKind::Error);
    }

    void goToIdentifier_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("message");
        QTest::newRow("found") << "2" << "1" << "l2_s1" << "";
        QTest::newRow("no such sentence") << "9" << "1" << "l1_s1" << "ID otsing: Ei leia 9, 1.";
        // The sentence's last token, and the error caption.
        QTest::newRow("no such token") << "2" << "7" << "l2_s2" << "ID viga: Ei leia 2, 7.";
    }

    void goToIdentifier()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, token);
        QFETCH(QString, current);
        QFETCH(QString, message);
        m_runner->queue([&](QDialog& dialog) -> int {
            typeInto(child<QLineEdit>(dialog, "sentenceEdit"), sentence);
            typeInto(child<QLineEdit>(dialog, "tokenEdit"), token);
            return QDialog::Accepted;
        });
        m_commands->goToIdentifier();
        QCOMPARE(m_runner->titles(), QStringList{"Otsi ID järgi"});
        QCOMPARE(currentId(), current);
        QCOMPARE(lastMessage(), message);
        if (!message.isEmpty())
            QCOMPARE(m_prompter->entries().back().kind, MessageKind::Warning);
    }

    void identifierOkNeedsNumbersAboveZero_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("both above 0") << "3" << "12" << true;
        QTest::newRow("zero sentence") << "0" << "1" << false;
        QTest::newRow("zero token") << "1" << "0" << false;
        QTest::newRow("empty token") << "1" << "" << false;
        // The minus and the letters cannot be typed: the field stays empty.
        QTest::newRow("negative") << "-4" << "1" << true;
        QTest::newRow("letters") << "l2" << "s1" << true;
    }

    void identifierOkNeedsNumbersAboveZero()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, token);
        QFETCH(bool, enabled);
        bool okEnabled = !enabled;
        QString typed;
        m_runner->queue([&](QDialog& dialog) -> int {
            auto& sentenceEdit = child<QLineEdit>(dialog, "sentenceEdit");
            typeInto(sentenceEdit, sentence);
            auto& tokenEdit = child<QLineEdit>(dialog, "tokenEdit");
            tokenEdit.selectAll();
            QTest::keyClick(&tokenEdit, Qt::Key_Delete);
            QTest::keyClicks(&tokenEdit, token);
            okEnabled = okButton(dialog).isEnabled();
            typed = sentenceEdit.text();
            return QDialog::Rejected;
        });
        m_commands->goToIdentifier();
        QCOMPARE(okEnabled, enabled);
        QVERIFY(!typed.contains('-'));
        QCOMPARE(currentId(), QString("l1_s1"));
    }

    void clipboardIdentifier_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "l1_s1" << "Otsing: Lõikelaud tühi";
        QTest::newRow("found") << "l2_s1" << "l2_s1" << "";
        QTest::newRow("no such sentence") << "l7_s1" << "l1_s1" << "ID otsing: Ei leia l7_s1.";
        QTest::newRow("no such token") << "l1_s9" << "l1_s3" << "ID viga: Ei leia l1_s9.";
        QTest::newRow("no identifier") << "kala" << "l1_s1" << "ID otsing: Ei leia kala.";
    }

    void clipboardIdentifier()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, current);
        QFETCH(QString, message);
        QGuiApplication::clipboard()->setText(clipboard);
        m_commands->goToClipboardIdentifier();
        QCOMPARE(currentId(), current);
        QCOMPARE(lastMessage(), message);
    }

    // --- Keyboard ------------------------------------------------------------------------

    void keyboard_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<QString>("typed");  // what a user types into the first field before OK
        QTest::newRow("search") << "Otsi" << "textEdit" << "kata";
        QTest::newRow("part of word") << "Otsi ..." << "textEdit" << "ta";
        QTest::newRow("replace") << "Asenda" << "lemmaFindEdit" << "";
        QTest::newRow("page") << "Mine leheküljele ..." << "pageEdit" << "2";
        QTest::newRow("identifier") << "Otsi ID järgi" << "sentenceEdit" << "2";
    }

    // Focus starts in the first field, Enter there is OK, and a screenshot for review.
    void keyboard()
    {
        QFETCH(QString, title);
        QFETCH(QString, firstField);
        QFETCH(QString, typed);
        QString focused;
        bool active = false;
        m_runner->queue([&](QDialog& dialog) -> int {
            active = showActive(dialog);
            QWidget* focus = QApplication::focusWidget();
            focused = focus ? focus->objectName() : QString();
            if (!focus)
                return QDialog::Rejected;
            QTest::keyClicks(focus, typed);
            const QString folder = qEnvironmentVariable("PELMORA_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                dialog.grab().save(QDir(folder).filePath(dialog.objectName() + ".png"));
            QTest::keyClick(focus, Qt::Key_Return);
            // Enter closed the dialog with OK.
            return dialog.isVisible() ? QDialog::Rejected : dialog.result();
        });
        (m_commands->*commandOf(title))();
        QVERIFY(active);
        QCOMPARE(m_runner->titles(), QStringList{title});
        QCOMPARE(focused, firstField);
        // OK took effect: each dialog's values are kept for the next opening or acted upon.
        if (title == "Otsi")
            QCOMPARE(currentId(), QString("l1_s3"));
        else if (title == "Otsi ...")
            QVERIFY(m_search->markingOn());
        else if (title == "Mine leheküljele ...")
            QCOMPARE(currentId(), QString("l1_s3"));
        else if (title == "Otsi ID järgi")
            QCOMPARE(currentId(), QString("l2_s1"));
        else
            QVERIFY(m_prompter->entries().empty());
    }

    void escapeCancels_data() { keyboard_data(); }

    void escapeCancels()
    {
        QFETCH(QString, title);
        QFETCH(QString, typed);
        int result = -1;
        m_runner->queue([&](QDialog& dialog) -> int {
            if (!showActive(dialog) || !QApplication::focusWidget())
                return QDialog::Accepted;
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            result = dialog.isVisible() ? -1 : dialog.result();
            return result;
        });
        (m_commands->*commandOf(title))();
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(currentId(), QString("l1_s1"));
        QVERIFY(!m_search->markingOn());
        QVERIFY(m_prompter->entries().empty());
    }

    void tabFollowsReadingOrder_data() { keyboard_data(); }

    // Tab from the first field visits every field, row by row and left to right, then the buttons.
    void tabFollowsReadingOrder()
    {
        QFETCH(QString, title);
        QStringList visited;
        QStringList outOfOrder;
        QStringList missed;
        m_runner->queue([&](QDialog& dialog) -> int {
            if (!showActive(dialog))
                return QDialog::Rejected;
            QWidget* buttons = &child<QDialogButtonBox>(dialog, "buttonBox");
            // The button box is one stop in reading order, whatever the order of its buttons.
            const auto stopOf = [&](QWidget* widget) { return buttons->isAncestorOf(widget) ? buttons : widget; };
            QWidget* first = QApplication::focusWidget();
            QWidget* previous = nullptr;
            bool reachedButtons = false;
            for (QWidget* focus = first; focus && visited.size() < 80;) {
                QWidget* stop = stopOf(focus);
                if (previous == buttons && stop != buttons) {
                    // Round again from the top, up to the first field.
                    reachedButtons = true;
                    previous = nullptr;
                }
                if (stop != previous) {
                    visited << stop->objectName();
                    if (previous) {
                        const QRect a(previous->mapTo(&dialog, QPoint(0, 0)), previous->size());
                        const QRect b(stop->mapTo(&dialog, QPoint(0, 0)), stop->size());
                        const bool sameRow = std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2;
                        const bool follows = sameRow ? b.left() > a.left() : b.center().y() > a.center().y();
                        if (!follows)
                            outOfOrder << previous->objectName() + " -> " + stop->objectName();
                    }
                    previous = stop;
                }
                QTest::keyClick(focus, Qt::Key_Tab);
                focus = QApplication::focusWidget();
                if (focus == first)
                    break;
            }
            if (!reachedButtons && previous != buttons)
                outOfOrder << "never reached the buttons";
            // Every enabled field and check box is a stop.
            for (QWidget* widget : dialog.findChildren<QWidget*>()) {
                const bool field = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)
                    || qobject_cast<QCheckBox*>(widget);
                if (field && widget->isEnabled() && widget->isVisible() && !visited.contains(widget->objectName()))
                    missed << widget->objectName();
            }
            return QDialog::Rejected;
        });
        (m_commands->*commandOf(title))();
        QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join(", ") + " in " + visited.join(", ")));
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));
        QVERIFY(visited.contains("buttonBox"));
    }

    void mnemonicsReachTheirFields_data() { keyboard_data(); }

    // Every caption with a mnemonic names the control it stands for, and Alt with its letter
    // goes there when no other caption of the dialog shares the letter.
    void mnemonicsReachTheirFields()
    {
        QFETCH(QString, title);
        QStringList withoutBuddy;
        QStringList notReached;
        int captions = 0;
        m_runner->queue([&](QDialog& dialog) -> int {
            if (!showActive(dialog))
                return QDialog::Rejected;
            // The letters of every mnemonic in the dialog, labels and buttons alike.
            QMap<QChar, int> letters;
            const auto letterOf = [](const QString& text) {
                const qsizetype at = text.indexOf('&');
                return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
            };
            for (QLabel* label : dialog.findChildren<QLabel*>())
                if (!letterOf(label->text()).isNull())
                    ++letters[letterOf(label->text())];
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                if (!letterOf(button->text()).isNull())
                    ++letters[letterOf(button->text())];
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                const QChar letter = letterOf(label->text());
                if (letter.isNull())
                    continue;
                ++captions;
                if (!label->buddy()) {
                    withoutBuddy << label->objectName();
                    continue;
                }
                if (letters.value(letter) > 1 || !label->buddy()->isEnabled())
                    continue;
                dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->setFocus();
                QTest::keyClick(&dialog, Qt::Key(letter.toUpper().unicode()), Qt::AltModifier);
                if (QApplication::focusWidget() != label->buddy())
                    notReached << label->objectName();
            }
            return QDialog::Rejected;
        });
        (m_commands->*commandOf(title))();
        QVERIFY2(withoutBuddy.isEmpty(), qPrintable(withoutBuddy.join(", ")));
        QVERIFY2(notReached.isEmpty(), qPrintable(notReached.join(", ")));
        // The part-of-word dialog has one caption, the others one per field (the search dialog's
        // captions are its check boxes).
        if (title != "Otsi")
            QVERIFY(captions > 0);
    }
};

QTEST_MAIN(SearchDialogsTest)
#include "searchdialogs_test.moc"
