// The settings file, the settings dialog and the about box, driven the way a user would.
#include "app/settingsdialog.h"
#include "app/settingsstore.h"
#include "app/qtstrings.h"
#include "guitestsupport.h"
#include "pelmora_version.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// The one button of the dialog with exactly this caption, or nullptr.
QAbstractButton* buttonWithText(QWidget& dialog, const QString& text)
{
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text() != text)
            continue;
        if (found)
            return nullptr;  // a caption that is not unique is a fault of its own
        found = button;
    }
    return found;
}

// Sets an integer key to the other of 0 and 1 from its default.
Settings withKeyFlipped(const Settings& settings, const QString& key)
{
    Settings flipped = settings;
    const SettingKey* setting = findSettingKey(toStd(key));
    flipped.*setting->integerField = Settings().*setting->integerField != 0 ? 0 : 1;
    return flipped;
}

// Settings that differ from the defaults in every key, so that a value left behind shows.
Settings unusualSettings()
{
    Settings settings;
    settings.dictionaryPathName = "/jagatud/sõnastik.xml";
    settings.taggingInfoPath = "/märkmed/märkmed.xml";
    settings.endings = " s t ";
    settings.analyserUrl = "http://localhost:8080/analyys";
    settings.concordanceFolder = "/korpus, vana/tekstid";
    settings.overviewFolder = "/korpus/ülevaade;/korpus/teine.xml";
    settings.changes = 2;
    settings.changesPath = "/muutused.vtf";
    settings.liivi = 1;
    return settings;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // --- The settings file ---

    void firstStartGivesTheDefaults()
    {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("Pelmora/Pelmora.ini"));
        QVERIFY(store.isFirstStart());
        const Settings settings = store.read();
        // Expected: the dialog shows at start, the open text is the source, the shipped endings.
        QCOMPARE(settings.showOptionsDialog, 1);
        QCOMPARE(settings.suggestionType, 0);
        QCOMPARE(settings.endings, std::string(kDefaultEndings));
        QVERIFY(settings == Settings());
    }

    void writeStoresEveryKeyAndReadsItBack()
    {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("Pelmora/Pelmora.ini"));
        Settings written = unusualSettings();
        written.suggestionType = 2;
        written.endings = "  a  b  ";  // blanks at both ends and between
        written.dictionaryPathName = "/kaust, teine/sõnastik.xml";  // a comma and a letter beyond ASCII
        QVERIFY(store.write(written));
        QVERIFY(!store.isFirstStart());

        const QString text = QString::fromUtf8(test::readFile(store.path()));
        QVERIFY(text.startsWith("[Settings]\n"));
        for (const SettingKey& key : settingKeys())
            QVERIFY2(text.contains("\n" + QString(key.name) + "="), key.name);
        // Integers are plain numbers, not typed variants.
        QVERIFY(text.contains("\nSuggestionType=2\n"));
        QVERIFY(text.contains("\nChanges=2\n"));
        QVERIFY(text.contains("\nLiivi=1\n"));
        QVERIFY(!text.contains("@Variant"));

        // Every value comes back as it was, the endings with all their blanks.
        const Settings read = SettingsStore(store.path()).read();
        QCOMPARE(read.endings, written.endings);
        QCOMPARE(read.dictionaryPathName, written.dictionaryPathName);
        QVERIFY(read == written);
    }

    void writeKeepsOtherKeysAndSections()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pelmora.ini");
        QVERIFY(test::writeFile(path, "[Settings]\nShowOptionsDialog=0\nOmaVoti=jääb alles\n\n"
                                      "[Muu]\nvoti=vaartus\n"));
        const SettingsStore store(path);
        Settings settings = store.read();
        QCOMPARE(settings.showOptionsDialog, 0);
        settings.showOptionsDialog = 1;
        QVERIFY(store.write(settings));

        const QString text = QString::fromUtf8(test::readFile(path));
        QVERIFY(text.contains("\nOmaVoti=jääb alles\n"));
        QVERIFY(text.contains("[Muu]\nvoti=vaartus\n"));
        QVERIFY(text.contains("\nShowOptionsDialog=1\n"));
    }

    void handEditedValuesAreReadSoundly()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pelmora.ini");
        // The INI reader drops the blanks of an unquoted value and reads a comma as a list.
        QVERIFY(test::writeFile(path, "[Settings]\nEndings= s  t \nTaggingInfoPath=/a, b/m.xml\n"
                                      "Morf=0\nSuggestionType=kaks\n"));
        const Settings settings = SettingsStore(path).read();
        // Expected: the endings still start and end with one blank, the path is whole, a
        // number that is not one gives 0, and a missing key its default.
        QCOMPARE(settings.endings, std::string(" s  t "));
        QCOMPARE(settings.taggingInfoPath, std::string("/a, b/m.xml"));
        QCOMPARE(settings.morf, 0);
        QCOMPARE(settings.suggestionType, 0);
        QCOMPARE(settings.tamberlin, 1);
    }

    void writeIntoAnUnwritablePlaceFails()
    {
        QTemporaryDir folder;
        QVERIFY(test::writeFile(folder.filePath("fail"), "not a folder"));
        QVERIFY(!SettingsStore(folder.filePath("fail/Pelmora.ini")).write(Settings()));
    }

    void recentFilesKeepTheFiveNewest()
    {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("Pelmora.ini"));
        store.writeRecentFiles({"1.xml", "2.xml", "3.xml", "4.xml", "5.xml", "6.xml"});
        QCOMPARE(store.recentFiles(), QStringList({"1.xml", "2.xml", "3.xml", "4.xml", "5.xml"}));
        store.writeRecentFiles({"7.xml"});
        QCOMPARE(store.recentFiles(), QStringList({"7.xml"}));
        QVERIFY(store.write(Settings()));  // the settings leave the list alone
        QCOMPARE(store.recentFiles(), QStringList({"7.xml"}));
    }

    // --- The settings dialog: values in and out ---

    void checkBoxEditsItsKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        const std::pair<const char*, const char*> rows[] = {
            {"Lisa kõik uued sõnad sõnastikku", "NewToDictionary"},
            {"Ignoreeri järgmisi sõnalõppe:", "CompareWithoutEndings"},
            {"Näita soovitusi ainult siis, kui sõne kohta pole veel vastavat infot sisestatud", "OnlyIf"},
            {"Ära soovita läti vasteid", "NoLatvian"},
            {"Ära soovita inglise vasteid", "NoEnglish"},
            {"Soovita morfoloogilist vormi sõnalõpu järgi", "Morf"},
            {"Tamberlin", "Tamberlin"},
            {"Lisan lausetele alguspositsiooni helifailis", "HeliPos"},
            {"Lisan lausetele tõlked", "TranslateSentence"},
            {"Näita märksõnastatud lauseid", "ViewSentence"},
            {"Suured fondid", "LargeFonts"},
            {"Ära näita tekstiaknas vormingut ", "DraftFonts"},
            {"Näita tekstiaknas märgendatud sõnu &hallina", "QuietAnnotated"},
            {"Näita järgmisel programmi käivitamisel seda seadistusdialoogi", "ShowOptionsDialog"},
        };
        for (const auto& [caption, key] : rows)
            QTest::newRow(key) << QString::fromUtf8(caption) << QString(key);
    }

    void checkBoxEditsItsKey()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QueuedFileChooser files;
        for (const Settings& initial : {unusualSettings(), withKeyFlipped(unusualSettings(), key)}) {
            SettingsDialog dialog(initial, files, {});
            auto* box = qobject_cast<QCheckBox*>(buttonWithText(dialog, caption));
            QVERIFY2(box, qPrintable(caption));
            const SettingKey* setting = findSettingKey(toStd(key));
            // The box shows the key's value; unchanged, every value comes back as it went in.
            QCOMPARE(box->isChecked(), initial.*setting->integerField != 0);
            QVERIFY(dialog.edited() == initial);

            // Ticking or clearing the box changes its key and no other.
            QTest::keyClick(box, Qt::Key_Space);
            Settings expected = initial;
            expected.*setting->integerField = initial.*setting->integerField != 0 ? 0 : 1;
            QVERIFY(dialog.edited() == expected);
        }
    }

    void radioButtonsChooseTheSource_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("open text") << 0 << "Kasuta ainult avatud faili";
        QTest::newRow("dictionary") << 1 << "Kasuta tekstipõhist sõnastikku:";
        QTest::newRow("none") << 2 << "Ära soovita";
        QTest::newRow("unknown counts as the open text") << 7 << "Kasuta ainult avatud faili";
    }

    void radioButtonsChooseTheSource()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        Settings initial = unusualSettings();
        initial.suggestionType = stored;
        QueuedFileChooser files;
        SettingsDialog dialog(initial, files, {});
        QVERIFY(buttonWithText(dialog, shown)->isChecked());

        const QStringList captions = {"Kasuta ainult avatud faili", "Kasuta tekstipõhist sõnastikku:", "Ära soovita"};
        for (int choice = 0; choice < 3; ++choice) {
            buttonWithText(dialog, captions[choice])->click();
            // Only the source changes, to the chosen one.
            Settings expected = initial;
            expected.suggestionType = choice;
            QVERIFY(dialog.edited() == expected);
        }
    }

    void textFieldsEditTheirKeys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key");
        QTest::newRow("dictionary") << "dictionaryPathEdit" << "DictionaryPathName";
        QTest::newRow("endings") << "endingsEdit" << "Endings";
        QTest::newRow("analyser") << "analyserUrlEdit" << "AnalyserUrl";
        QTest::newRow("analyser file") << "analyserFileEdit" << "AnalyserFile";
        QTest::newRow("notes") << "notesPathEdit" << "TaggingInfoPath";
    }

    void textFieldsEditTheirKeys()
    {
        QFETCH(QString, field);
        QFETCH(QString, key);
        const Settings initial = unusualSettings();
        QueuedFileChooser files;
        SettingsDialog dialog(initial, files, {});
        QWidget* edit = dialog.findChild<QWidget*>(field);
        QVERIFY(edit);
        const auto text = [&] {
            if (auto* line = qobject_cast<QLineEdit*>(edit))
                return line->text();
            return qobject_cast<QPlainTextEdit*>(edit)->toPlainText();
        };
        const SettingKey* setting = findSettingKey(toStd(key));
        QCOMPARE(text(), toQt(initial.*setting->stringField));

        // Typing at the end of the field adds to its key only.
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, "/x");
        Settings expected = initial;
        expected.*setting->stringField += "/x";
        QVERIFY(dialog.edited() == expected);
    }

    void keysWithoutControlKeepTheirValues()
    {
        const Settings initial = unusualSettings();
        QueuedFileChooser files;
        SettingsDialog dialog(initial, files, {});
        buttonWithText(dialog, "Tamberlin")->click();
        const Settings edited = dialog.edited();
        QCOMPARE(edited.changes, 2);
        QCOMPARE(edited.changesPath, std::string("/muutused.vtf"));
        QCOMPARE(edited.liivi, 1);
    }

    void appliedEndingsGetOneBlankAtEachEnd()
    {
        QueuedFileChooser files;
        SettingsDialog dialog(Settings(), files, {});
        auto* endings = dialog.findChild<QPlainTextEdit*>("endingsEdit");
        endings->setPlainText("    s  t   ");
        // Blanks at the ends become exactly one; blanks between the endings stay as typed.
        QCOMPARE(applySettings(dialog.edited()).endings, std::string(" s  t "));
    }

    // --- The settings dialog: file choices ---

    void choosingADictionarySelectsTheDictionarySource()
    {
        QueuedFileChooser files;
        files.queue(QString());  // the first file dialog is cancelled
        files.queue("/jagatud/uus.xml");
        SettingsDialog dialog(Settings(), files, {});
        QAbstractButton* choose = buttonWithText(dialog, "&Vali sõnastik");

        choose->click();
        // A cancelled file dialog changes nothing.
        QVERIFY(dialog.edited() == Settings());

        choose->click();
        QCOMPARE(files.requests().size(), 2u);
        const FileRequest& request = files.requests().back();
        QVERIFY(request.mode == FileRequest::Mode::Open);
        QCOMPARE(request.title, QString("Vali sõnastikufail"));
        QCOMPARE(request.filter, QString("XML-failid (*.xml)"));
        QCOMPARE(request.defaultSuffix, QString("xml"));
        QVERIFY(buttonWithText(dialog, "Kasuta tekstipõhist sõnastikku:")->isChecked());
        QCOMPARE(dialog.edited().dictionaryPathName, std::string("/jagatud/uus.xml"));
        QCOMPARE(dialog.edited().suggestionType, 1);
    }

    void choosingAnAnalyserFillsItsField()
    {
        QueuedFileChooser files;
        files.queue("/analüsaatorid/liv.hfstol");
        SettingsDialog dialog(Settings(), files, {});
        buttonWithText(dialog, "Vali ...")->click();
        QCOMPARE(files.requests().back().filter, QString("HFST-i analüsaatorid (*.hfstol *.hfst)"));
        QCOMPARE(dialog.edited().analyserFile, std::string("/analüsaatorid/liv.hfstol"));
    }

    void choosingANotesFileHoldsEvenWhenCancelled()
    {
        QueuedFileChooser files;
        files.queue(QString());
        files.queue("/märkmed/uued.xml");
        std::vector<std::string> chosen;
        SettingsDialog dialog(Settings(), files, [&](const std::string& path) { chosen.push_back(path); });
        QAbstractButton* choose = buttonWithText(dialog, "Vali fail");

        choose->click();
        // A cancelled file dialog chooses nothing.
        QVERIFY(chosen.empty());

        choose->click();
        const FileRequest& request = files.requests().back();
        QCOMPARE(request.title, QString("Vali märkmete fail"));
        QCOMPARE(request.filter, QString("Märkmete failid (*.xml)"));
        QCOMPARE(request.defaultSuffix, QString("xml"));
        // The choice is passed on at once, before the dialog is answered at all.
        QCOMPARE(chosen, std::vector<std::string>{"/märkmed/uued.xml"});
        QCOMPARE(dialog.findChild<QLineEdit*>("notesPathEdit")->text(), QString("/märkmed/uued.xml"));
        buttonWithText(dialog, "&Loobu")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(chosen.size(), 1u);
    }

    // --- The settings dialog: keyboard ---

    void focusStartsAtTheChosenSource_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("focused");
        QTest::newRow("first start") << 0 << "Kasuta ainult avatud faili";
        QTest::newRow("none") << 2 << "Ära soovita";
    }

    void focusStartsAtTheChosenSource()
    {
        QFETCH(int, stored);
        QFETCH(QString, focused);
        Settings settings;
        settings.suggestionType = stored;
        QueuedFileChooser files;
        SettingsDialog dialog(settings, files, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), buttonWithText(dialog, focused));
    }

    void tabFollowsTheReadingOrder()
    {
        QueuedFileChooser files;
        SettingsDialog dialog(Settings(), files, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList visited;
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget();
            visited.push_back(focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
            if (QApplication::focusWidget() == buttonWithText(dialog, "Kasuta ainult avatud faili"))
                break;
        }
        // Left column top to bottom, then the right one, then the bottom row; the radio group
        // is one stop, and Tab leaves the endings edit.
        const QStringList expected = {
            "openTextRadio", "dictionaryPathEdit", "chooseDictionaryButton", "newToDictionaryCheck",
            "compareWithoutEndingsCheck", "endingsEdit", "onlyIfCheck", "noLatvianCheck", "noEnglishCheck",
            "morfCheck", "tamberlinCheck", "analyserUrlEdit", "analyserFileEdit", "chooseAnalyserButton",
            "heliPosCheck", "translateSentenceCheck",
            "notesPathEdit", "chooseNotesButton", "viewSentenceCheck", "largeFontsCheck", "draftFontsCheck",
            "quietAnnotatedCheck", "autosaveSpin", "languageCombo", "showOptionsDialogCheck", "cancelButton", "okButton"};
        QCOMPARE(visited, expected);
    }

    void keysAnswerTheDialog_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter on a check box is OK") << "morfCheck" << int(Qt::Key_Return) << 0 << int(QDialog::Accepted);
        QTest::newRow("keypad Enter on a field is OK") << "analyserUrlEdit" << int(Qt::Key_Enter)
                                                       << int(Qt::KeypadModifier) << int(QDialog::Accepted);
        QTest::newRow("Enter in the endings is OK") << "endingsEdit" << int(Qt::Key_Return) << 0 << int(QDialog::Accepted);
        QTest::newRow("Escape cancels") << "endingsEdit" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
        QTest::newRow("Escape in a field cancels") << "notesPathEdit" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    }

    void keysAnswerTheDialog()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, result);
        QueuedFileChooser files;
        SettingsDialog dialog(Settings(), files, {});
        dialog.setResult(-1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* target = dialog.findChild<QWidget*>(focused);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(dialog.result(), result);
        QVERIFY(dialog.isHidden());
        // Enter never puts a line break into the endings.
        QCOMPARE(dialog.edited().endings, std::string(kDefaultEndings));
    }

    void mnemonicsAreUniqueAndReachTheirControls()
    {
        QueuedFileChooser files;
        SettingsDialog dialog(Settings(), files, {});
        QStringList keys;
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (!button->shortcut().isEmpty())
                keys.push_back(button->shortcut().toString());
        QMap<QString, QWidget*> buddies;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            if (key.isEmpty())
                continue;
            keys.push_back(key.toString());
            buddies[key.toString()] = label->buddy();
        }
        keys.sort();
        // Expected: Alt+A the analyser's address, Alt+F its file, Alt+H the grey annotated tokens,
        // Alt+K the language, Alt+L "&Loobu", Alt+T the recovery interval, Alt+V "&Vali sõnastik",
        // each once.
        QCOMPARE(keys, QStringList({"Alt+A", "Alt+F", "Alt+H", "Alt+K", "Alt+L", "Alt+T", "Alt+V"}));
        QCOMPARE(buddies["Alt+K"], dialog.findChild<QWidget*>("languageCombo"));
        QCOMPARE(buddies["Alt+A"], dialog.findChild<QWidget*>("analyserUrlEdit"));
        QCOMPARE(buddies["Alt+F"], dialog.findChild<QWidget*>("analyserFileEdit"));
        QCOMPARE(buddies["Alt+T"], dialog.findChild<QWidget*>("autosaveSpin"));
        QCOMPARE(buttonWithText(dialog, "&Loobu")->shortcut(), QKeySequence("Alt+L"));
    }

    void screenshotForReview()
    {
        // Saved where PELMORA_SCREENSHOTS points, for a look at the layout.
        const QString folder = qEnvironmentVariable("PELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("PELMORA_SCREENSHOTS not set");
        QueuedFileChooser files;
        SettingsDialog dialog(unusualSettings(), files, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(folder + "/settingsdialog.png"));
        test::ScriptedDialogRunner runner;
        runner.queue([&](QDialog& box) {
            box.show();
            box.grab().save(folder + "/aboutbox.png");
            return int(QDialog::Accepted);
        });
        showAboutBox(nullptr, runner);
    }

    // --- The about box ---

    void aboutBoxShowsVersionAndIcon()
    {
        test::ScriptedDialogRunner runner;
        QStringList lines;
        bool icon = false;
        bool okIsDefault = false;
        runner.queue([&](QDialog& box) {
            for (QLabel* label : box.findChildren<QLabel*>()) {
                lines.push_back(label->text());
                icon = icon || !label->pixmap().isNull();
            }
            auto* ok = qobject_cast<QPushButton*>(buttonWithText(box, "OK"));
            okIsDefault = ok && ok->isDefault();
            box.show();
            QTest::keyClick(&box, Qt::Key_Return);
            return box.result();
        });
        showAboutBox(nullptr, runner);
        QCOMPARE(runner.titles(), QStringList{"Mis on Pelmora"});
        // The version line stands exactly so, trailing blank included; an author line and the icon.
        QVERIFY(lines.contains("Pelmora, versioon " PELMORA_VERSION " "));
        QVERIFY(lines.contains("Pelmora arendajad, 2026"));
        QVERIFY(icon);
        // OK is the default: Enter closes the box.
        QVERIFY(okIsDefault);
        QVERIFY(runner.idle());
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
