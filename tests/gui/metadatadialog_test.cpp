// "Teksti andmed" and "Keelejuhi andmed" driven through EditingCommands::textInfo: what the dialog
// shows, the asking again, the type, audio file and participant warnings, and the list buttons.
#include "app/commands.h"
#include "commands/editingcommands.h"
#include "dialogs/speakerdialog.h"
#include "dialogs/textinfodialog.h"
#include "guitestsupport.h"

#include "text/metadata.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using pelmora::gui::test::ScriptedDialogRunner;

namespace {

using test::child;
using test::typeInto;

const char* const kWithInfo =
    "<pelmora><info><tyyp>suuline</tyyp><teema>Meri</teema><kihelkond>Rei (Reigi)</kihelkond>"
    "<lindistus lindistaja=\"M. Ots\" aasta=\"2019\" fail=\"k.mp3\">PA 14</lindistus>"
    "<keelejuht id=\"k1\" synniaasta=\"1931\" sugu=\"N\">Marta</keelejuht>"
    "<intervjueerija id=\"i1\">Jaan</intervjueerija></info>"
    "<sisu id=\"t1\"><lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause></sisu></pelmora>";
const char* const kWithoutInfo = "<pelmora><sisu><lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause></sisu></pelmora>";

void pressOk(QDialog& dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox").button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void clickRadio(QRadioButton& radio)
{
    radio.window()->adjustSize();
    QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(6, radio.height() / 2));
}

QString rowText(QTreeWidget& list, int row)
{
    QStringList cells;
    for (int c = 0; c < list.columnCount(); ++c)
        cells << list.topLevelItem(row)->text(c);
    return cells.join('|');
}

}  // namespace

class MetadataDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<CPelmoraDoc> m_doc;
    std::unique_ptr<ScriptedDialogRunner> m_runner;
    std::unique_ptr<QueuedFileChooser> m_files;
    std::unique_ptr<QWidget> m_window;
    EditingCommands* m_commands = nullptr;

    void open(const char* text)
    {
        QVERIFY(m_doc->openFromBuffer(text, "t.xml"));
    }
    XmlNode info() const { return firstChildElement(m_doc->xml().root(), "info"); }
    QString infoText(const char* name) const
    {
        return QString::fromUtf8(elementText(firstChildElement(info(), name)).data(),
                                 static_cast<qsizetype>(elementText(firstChildElement(info(), name)).size()));
    }
    QStringList messages() const
    {
        QStringList out;
        for (const auto& entry : m_prompter->entries())
            out << QString::fromStdString(entry.title + ": " + entry.text);
        return out;
    }
    // Queues a participant dialog step: fills the given values and presses OK (or cancels).
    void queueSpeaker(const SpeakerRow& row, bool ok = true)
    {
        m_runner->queue([row, ok](QDialog& dialog) {
            [&] { QVERIFY(qobject_cast<SpeakerDialog*>(&dialog)); }();
            dialog.show();
            typeInto(child<QLineEdit>(dialog, "idEdit"), QString::fromStdString(row.id));
            typeInto(child<QLineEdit>(dialog, "nameEdit"), QString::fromStdString(row.name));
            if (row.role == "keelejuht")
                clickRadio(child<QRadioButton>(dialog, "speakerRadio"));
            else if (row.role == "intervjueerija")
                clickRadio(child<QRadioButton>(dialog, "interviewerRadio"));
            child<QComboBox>(dialog, "sexCombo").setCurrentText(QString::fromStdString(row.sex));
            typeInto(child<QLineEdit>(dialog, "birthPlaceEdit"), QString::fromStdString(row.birthPlace));
            if (!ok) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                return dialog.result();
            }
            pressOk(dialog);
            return dialog.result();
        });
    }

private Q_SLOTS:
    void init();
    void cleanup();
    void showsTheTextsData();
    void asksAgainWithTheEnteredValuesUntilIdAndType();
    void cancelChangesNothing();
    void firstAcceptanceMakesInfoAsOneUndoStep();
    void typeCannotChangeButTheRestIsSaved();
    void audioFile_data();
    void audioFile();
    void participantDialogAsksAgainUntilComplete();
    void modifyAndDeleteParticipants();
    void incompleteParticipantFromTheFileIsReported();
    void fixedChoiceLists();
    void keyboard();
};

void MetadataDialogTest::init()
{
    m_prompter = std::make_unique<RecordingPrompter>();
    m_doc = std::make_unique<CPelmoraDoc>(*m_prompter);
    m_runner = std::make_unique<ScriptedDialogRunner>();
    m_files = std::make_unique<QueuedFileChooser>();
    m_window = std::make_unique<QWidget>();
    m_commands = new EditingCommands(*m_doc, *m_prompter, *m_runner, *m_files, m_window.get());
}

void MetadataDialogTest::cleanup()
{
    QVERIFY(m_runner->idle());
    m_window.reset();
    m_doc.reset();
}

void MetadataDialogTest::showsTheTextsData()
{
    open(kWithInfo);
    m_runner->queue([](QDialog& dialog) {
        [&] {
            QCOMPARE(dialog.windowTitle(), QString("Teksti andmed"));
            QCOMPARE(child<QLineEdit>(dialog, "idEdit").text(), QString("t1"));
            QVERIFY(child<QRadioButton>(dialog, "oralRadio").isChecked());
            QCOMPARE(child<QLineEdit>(dialog, "topicEdit").text(), QString("Meri"));
            QCOMPARE(child<QComboBox>(dialog, "parishCombo").currentText(), QString("Rei (Reigi)"));
            QCOMPARE(child<QComboBox>(dialog, "spellingCombo").currentText(), QString("-"));
            QCOMPARE(child<QComboBox>(dialog, "languageCombo").currentText(), QString());
            QCOMPARE(child<QLineEdit>(dialog, "recorderEdit").text(), QString("M. Ots"));
            QCOMPARE(child<QLineEdit>(dialog, "audioFileEdit").text(), QString("k.mp3"));
            QTreeWidget& list = child<QTreeWidget>(dialog, "speakerList");
            QStringList headers;
            for (int c = 0; c < list.columnCount(); ++c)
                headers << list.headerItem()->text(c);
            QCOMPARE(headers, (QStringList{"ID", "Nimi", "Snd", "Vanus", "Haridus", "Sünnikoht", "Roll", "Sugu"}));
            QCOMPARE(list.topLevelItemCount(), 2);
            QCOMPARE(rowText(list, 0), QString("k1|Marta|1931||||keelejuht|N"));
            QCOMPARE(rowText(list, 1), QString("i1|Jaan|||||intervjueerija|"));
        }();
        return int(QDialog::Rejected);
    });
    m_commands->textInfo();
}

void MetadataDialogTest::asksAgainWithTheEnteredValuesUntilIdAndType()
{
    open(kWithoutInfo);
    m_runner->queue([](QDialog& dialog) {
        dialog.show();
        typeInto(child<QLineEdit>(dialog, "topicEdit"), "Kalad");
        typeInto(child<QLineEdit>(dialog, "idEdit"), "uus");
        pressOk(dialog);  // no type
        return dialog.result();
    });
    m_runner->queue([](QDialog& dialog) {
        dialog.show();
        // Shown again with what was entered.
        [&] {
            QCOMPARE(child<QLineEdit>(dialog, "topicEdit").text(), QString("Kalad"));
            QCOMPARE(child<QLineEdit>(dialog, "idEdit").text(), QString("uus"));
        }();
        clickRadio(child<QRadioButton>(dialog, "writtenRadio"));
        pressOk(dialog);
        return dialog.result();
    });
    m_commands->textInfo();
    QCOMPARE(messages(), QStringList{"Viga: Sisesta teksti ID\nja vali teksti tüüp."});
    QCOMPARE(infoText("tyyp"), QString("kirjalik"));
    QCOMPARE(infoText("teema"), QString("Kalad"));
    QCOMPARE(QString::fromUtf8(attributeValue(m_doc->body(), "id").data()), QString("uus"));
}

void MetadataDialogTest::cancelChangesNothing()
{
    open(kWithoutInfo);
    // A refused answer, then Loobu on the second showing.
    m_runner->queue([](QDialog& dialog) {
        typeInto(child<QLineEdit>(dialog, "topicEdit"), "Kalad");
        return int(QDialog::Accepted);
    });
    m_runner->queue([](QDialog&) { return int(QDialog::Rejected); });
    m_commands->textInfo();
    QVERIFY(!info());
    QVERIFY(!m_doc->isModified());
}

void MetadataDialogTest::firstAcceptanceMakesInfoAsOneUndoStep()
{
    open(kWithoutInfo);
    m_runner->queue([](QDialog& dialog) {
        typeInto(child<QLineEdit>(dialog, "idEdit"), "uus");
        child<QRadioButton>(dialog, "oralRadio").setChecked(true);
        typeInto(child<QLineEdit>(dialog, "villageEdit"), "Kuolka");
        child<QComboBox>(dialog, "dialectCombo").setCurrentText("Ida");
        child<QComboBox>(dialog, "parishCombo").setCurrentText("Jõhvi (Jõh)");
        child<QPlainTextEdit>(dialog, "otherEdit").setPlainText("rida\nteine");
        return int(QDialog::Accepted);
    });
    m_commands->textInfo();
    QVERIFY(m_prompter->entries().empty());
    QCOMPARE(m_doc->xml().root().first_child(), info());
    QCOMPARE(infoText("murre"), QString("Ida"));
    QCOMPARE(infoText("kihelkond"), QString("Jõhvi (Jõh)"));
    QCOMPARE(infoText("muu"), QString("rida\nteine"));
    QCOMPARE(infoText("kyla"), QString("Kuolka"));
    // "-" chosen for the spelling stores none.
    QVERIFY(!firstChildElement(info(), "kirjaviis"));
    QCOMPARE(m_doc->undoCount(), 1u);
    QVERIFY(m_doc->undo());
    QVERIFY(!info());
}

void MetadataDialogTest::typeCannotChangeButTheRestIsSaved()
{
    open(kWithInfo);
    m_runner->queue([](QDialog& dialog) {
        clickRadio(child<QRadioButton>(dialog, "writtenRadio"));
        typeInto(child<QLineEdit>(dialog, "topicEdit"), "Mets");
        return int(QDialog::Accepted);
    });
    m_commands->textInfo();
    QCOMPARE(messages(), QStringList{"Hoiatus: Teksti tüüpi ei saa muuta"});
    QCOMPARE(infoText("tyyp"), QString("suuline"));
    QCOMPARE(infoText("teema"), QString("Mets"));
}

void MetadataDialogTest::audioFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("warned");
    QTest::newRow("mp3 written") << "uus.mp3" << "uus.mp3" << false;
    QTest::newRow("wav refused, old name stays") << "uus.wav" << "k.mp3" << true;
    QTest::newRow("capital MP3 refused") << "uus.MP3" << "k.mp3" << true;
}

void MetadataDialogTest::audioFile()
{
    QFETCH(QString, typed);
    open(kWithInfo);
    m_runner->queue([typed](QDialog& dialog) {
        typeInto(child<QLineEdit>(dialog, "audioFileEdit"), typed);
        typeInto(child<QLineEdit>(dialog, "recorderEdit"), "A. Uus");
        return int(QDialog::Accepted);
    });
    m_commands->textInfo();
    const XmlNode recording = firstChildElement(info(), "lindistus");
    QTEST(QString::fromUtf8(attributeValue(recording, "fail").data()), "stored");
    QCOMPARE(QString::fromUtf8(attributeValue(recording, "lindistaja").data()), QString("A. Uus"));
    QFETCH(bool, warned);
    QCOMPARE(messages(), warned ? QStringList{"Hoiatus: Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime."}
                                : QStringList{});
}

void MetadataDialogTest::participantDialogAsksAgainUntilComplete()
{
    open(kWithInfo);
    m_runner->queue([this](QDialog& dialog) {
        dialog.show();
        // Lisa: first without a role, then complete.
        queueSpeaker({"", "k2", "Anna", "", "", "", "", ""});
        m_runner->queue([](QDialog& speaker) {
            speaker.show();
            [&] {
                QCOMPARE(speaker.windowTitle(), QString("Keelejuhi andmed"));
                // Shown again with what was entered.
                QCOMPARE(child<QLineEdit>(speaker, "idEdit").text(), QString("k2"));
                QCOMPARE(child<QLineEdit>(speaker, "nameEdit").text(), QString("Anna"));
            }();
            clickRadio(child<QRadioButton>(speaker, "speakerRadio"));
            child<QComboBox>(speaker, "sexCombo").setCurrentText("N");
            pressOk(speaker);
            return speaker.result();
        });
        QTest::mouseClick(&child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
        QTreeWidget& list = child<QTreeWidget>(dialog, "speakerList");
        [&] {
            QCOMPARE(list.topLevelItemCount(), 3);
            QCOMPARE(rowText(list, 2), QString("k2|Anna|||||keelejuht|N"));
        }();
        // Lisa again, cancelled: nothing added.
        queueSpeaker({"keelejuht", "k3", "Mari", "", "", "", "", ""}, false);
        QTest::mouseClick(&child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
        [&] { QCOMPARE(list.topLevelItemCount(), 3); }();
        pressOk(dialog);
        return dialog.result();
    });
    m_commands->textInfo();
    QCOMPARE(messages(), QStringList{"Viga: Sisesta ID, nimi ja roll"});
    // Written in list order: speakers first, interviewers after them, new rows at the end.
    QStringList written;
    for (XmlNode node = firstChildElement(info()); node; node = node.next_sibling())
        if (QString(node.name()) == "keelejuht" || QString(node.name()) == "intervjueerija")
            written << QString(node.name()) + ":" + QString::fromUtf8(attributeValue(node, "id").data());
    QCOMPARE(written, (QStringList{"keelejuht:k1", "intervjueerija:i1", "keelejuht:k2"}));
}

void MetadataDialogTest::modifyAndDeleteParticipants()
{
    open(kWithInfo);
    m_runner->queue([this](QDialog& dialog) {
        dialog.show();
        QTreeWidget& list = child<QTreeWidget>(dialog, "speakerList");
        // Muuda the first row, cancelled: the row stays as it was.
        list.setCurrentItem(list.topLevelItem(0));
        queueSpeaker({"keelejuht", "k9", "X", "", "", "", "", ""}, false);
        QTest::mouseClick(&child<QPushButton>(dialog, "modifyButton"), Qt::LeftButton);
        [&] { QCOMPARE(rowText(list, 0), QString("k1|Marta|1931||||keelejuht|N")); }();
        // Muuda with OK: the dialog opens filled from the row and the row changes in place.
        m_runner->queue([](QDialog& speaker) {
            [&] {
                QVERIFY(child<QRadioButton>(speaker, "speakerRadio").isChecked());
                QCOMPARE(child<QComboBox>(speaker, "sexCombo").currentText(), QString("N"));
                QCOMPARE(child<QLineEdit>(speaker, "birthYearEdit").text(), QString("1931"));
            }();
            typeInto(child<QLineEdit>(speaker, "birthPlaceEdit"), "Kuolka");
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(&child<QPushButton>(dialog, "modifyButton"), Qt::LeftButton);
        [&] { QCOMPARE(rowText(list, 0), QString("k1|Marta|1931|||Kuolka|keelejuht|N")); }();
        // Kustuta the interviewer at once.
        list.setCurrentItem(list.topLevelItem(1));
        QTest::mouseClick(&child<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        [&] { QCOMPARE(list.topLevelItemCount(), 1); }();
        pressOk(dialog);
        return dialog.result();
    });
    m_commands->textInfo();
    QVERIFY(m_prompter->entries().empty());
    QVERIFY(!firstChildElement(info(), "intervjueerija"));
    const XmlNode speaker = firstChildElement(info(), "keelejuht");
    QCOMPARE(QString::fromUtf8(attributeValue(speaker, "synnikoht").data()), QString("Kuolka"));
    // The attributes in their order; empty ones are not stored.
    QStringList names;
    for (const pugi::xml_attribute a : speaker.attributes())
        names << a.name();
    QCOMPARE(names, (QStringList{"id", "synniaasta", "synnikoht", "sugu"}));
}

void MetadataDialogTest::incompleteParticipantFromTheFileIsReported()
{
    open("<pelmora><info><tyyp>suuline</tyyp><keelejuht id=\"k1\">Marta</keelejuht><keelejuht>Anna</keelejuht>"
         "</info><sisu id=\"t\"><lause id=\"l1\"><sone id=\"l1_s1\">a</sone></lause></sisu></pelmora>");
    m_runner->queue([](QDialog&) { return int(QDialog::Accepted); });
    m_commands->textInfo();
    QCOMPARE(messages(), QStringList{"Hoiatus: Keelejuhi/intervjueerija nr 2 andmetest\npuudu ID, nimi või roll\n"
                                     "Ei salvestanud selle keelejuhi andmeid.\nTeksti andmete muutmiseks menüüst "
                                     "Tekst > Teksti info."});
    QCOMPARE(info().select_nodes("keelejuht").size(), 1u);
    // The menu and entry the warning names are the window's own.
    const auto plain = [](QString text) { return text.remove(QLatin1Char('&')).remove(QStringLiteral(" ...")); };
    bool named = false;
    for (const MenuInfo& menu : menuTable())
        for (Command command : menu.entries)
            named = named || (plain(menu.title) == QStringLiteral("Tekst") && command != Command::Count &&
                              plain(commandInfo(command).text) == QStringLiteral("Teksti info"));
    QVERIFY(named);
}

void MetadataDialogTest::fixedChoiceLists()
{
    TextInfoDialog dialog(TextMetadata{}, *m_prompter, *m_runner);
    const auto items = [&](const char* name) {
        QStringList out;
        QComboBox& combo = child<QComboBox>(dialog, name);
        for (int i = 0; i < combo.count(); ++i)
            out << combo.itemText(i);
        return out;
    };
    QCOMPARE(items("languageCombo"), (QStringList{"eesti", "liivi", "vadja"}));
    QCOMPARE(items("dialectCombo"), (QStringList{"Saarte", "Lääne", "Kesk", "Mulgi", "Tartu", "Võru", "Setu", "Ida",
                                                 "Ranna", "Alutaguse"}));
    QCOMPARE(items("spellingCombo"), (QStringList{"-", "foneetiline transkriptsioon", "lihtsustatud transkriptsioon",
                                                  "kirjakeel"}));
    QVERIFY(!child<QComboBox>(dialog, "languageCombo").isEditable());
    // The parishes: "-" and the names, sorted, and typed text is taken too.
    const QStringList parishes = items("parishCombo");
    QCOMPARE(parishes.size(), static_cast<qsizetype>(parishChoices().size()));
    QCOMPARE(parishes.front(), QString("-"));
    QVERIFY(parishes.indexOf("Anna (Ann)") < parishes.indexOf("Rei (Reigi)"));
    QVERIFY(child<QComboBox>(dialog, "parishCombo").isEditable());
    SpeakerDialog speaker(SpeakerRow{});
    QComboBox& sex = child<QComboBox>(speaker, "sexCombo");
    QCOMPARE(sex.count(), 3);
    QCOMPARE(sex.itemText(1) + sex.itemText(2), QString("MN"));
}

void MetadataDialogTest::keyboard()
{
    TextInfoDialog dialog(TextMetadata{}, *m_prompter, *m_runner);
    dialog.show();
    // The fields stand close together: the dialog fits a small screen.
    QVERIFY2(dialog.minimumSizeHint().height() < 600, qPrintable(QString::number(dialog.minimumSizeHint().height())));
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Focus starts in the ID; every field's caption carries a mnemonic; Enter is OK.
    QCOMPARE(QApplication::focusWidget(), &child<QLineEdit>(dialog, "idEdit"));
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy())
            QVERIFY2(label->text().contains('&'), qPrintable(label->text()));
    }
    QVERIFY(child<QDialogButtonBox>(dialog, "buttonBox").button(QDialogButtonBox::Ok)->isDefault());
    QCOMPARE(child<QDialogButtonBox>(dialog, "buttonBox").button(QDialogButtonBox::Cancel)->text(), QString("Loo&bu"));
    // Tab goes down the left column first.
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &child<QRadioButton>(dialog, "oralRadio"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // Enter in the participant list is OK too; it opens no participant dialog.
    TextMetadata withSpeaker;
    withSpeaker.speakers = {{"keelejuht", "k1", "Marta", "", "", "", "", ""}};
    TextInfoDialog listed(withSpeaker, *m_prompter, *m_runner);
    listed.show();
    QVERIFY(QTest::qWaitForWindowActive(&listed));
    QTreeWidget& list = child<QTreeWidget>(listed, "speakerList");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(listed.result(), int(QDialog::Accepted));
    QVERIFY(m_runner->titles().isEmpty());

    SpeakerDialog speaker(SpeakerRow{});
    speaker.show();
    QVERIFY(QTest::qWaitForWindowActive(&speaker));
    QCOMPARE(QApplication::focusWidget(), &child<QLineEdit>(speaker, "idEdit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(speaker.result(), int(QDialog::Rejected));
}

QTEST_MAIN(MetadataDialogTest)
#include "metadatadialog_test.moc"
