// The English interface: every text a menu or dialog shows is translated, no two entries of a
// menu or dialog share a mnemonic in either language, and the language is a setting.
#include "annotation/preannotation.h"
#include "app/appearance.h"
#include "app/commands.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/settingsdialog.h"
#include "app/settingsstore.h"
#include "app/translations.h"
#include "commands/undosteps.h"
#include "common/files.h"
#include "common/strings.h"
#include "corpus/corpusfiles.h"
#include "form/formtagdialog.h"
#include "search/searchcriteria.h"
#include "dialogs/choicelists.h"
#include "guitestsupport.h"
#include "text/stepnames.h"
#include "xml/xmldocument.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace pelmora;
using namespace pelmora::gui;
using namespace pelmora::gui::test;

namespace {

// One text a screen shows: where it is (stable across languages) and whether it is a mnemonic's
// owner (a button, a label with a buddy, a group box, a tab or a menu entry).
struct Shown {
    QString where;
    QString text;
};

// What one menu or one dialog (one tab page at a time) shows.
struct Screen {
    QString name;
    QList<Shown> texts;
};

// Texts that are the same in both languages: symbols, numbers, names and codes.
bool sameInBothLanguages(const QString& text)
{
    static const QSet<QString> allowed = {
        "OK", "&OK", "...", "+", "X", "<<", ">>", "ID", "&ID", "Lemma", "&Lemma", "&Lemma:", "LI&FT", "Tamberlin",
        "m&in", "&s", " s", "Pelmora", "Pelmora: seadistus - Pelmora", "Singular (sg)", "verb", "adverb", "number",
        "Recent File"};
    const QString bare = QString(text).remove('&');
    const bool hasWord = bare.contains(QRegularExpression(QStringLiteral("[^\\W\\d_]{2,}")));
    // File names and paths are data.
    const bool file = text.contains(QStringLiteral(".xml")) || text.contains('/');
    return allowed.contains(text) || !hasWord || file || text.startsWith(QStringLiteral("Pelmora, "));
}

QString pathOf(const QWidget* widget, const QWidget* top)
{
    QStringList parts;
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget())
        parts.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return parts.join('/');
}

// Every text the visible widgets of `top` show, in the tree's order.
QList<Shown> textsOf(QWidget& top)
{
    QList<Shown> texts;
    const auto add = [&](const QWidget* widget, const QString& what, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts.push_back({pathOf(widget, &top) + what, text});
    };
    if (top.isWindow())
        add(&top, QStringLiteral("#title"), top.windowTitle());
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&top) || qobject_cast<QMenu*>(widget))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
            add(label, QString(), label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button, QString(), button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group, QString(), group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, QStringLiteral("#tab%1").arg(i), tabs->tabText(i));
        else if (auto* dock = qobject_cast<QDockWidget*>(widget))
            add(dock, QStringLiteral("#title"), dock->windowTitle());
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
            for (int column = 0; column < view->model()->columnCount(); ++column)
                add(view, QStringLiteral("#column%1").arg(column),
                    view->model()->headerData(column, Qt::Horizontal).toString());
    }
    return texts;
}

// A dialog's screens: one for each page of its (first) tab widget, or one for the dialog.
QList<Screen> screensOf(QWidget& dialog, const QString& name)
{
    QList<Screen> screens;
    auto* tabs = dialog.findChild<QTabWidget*>();
    const int pages = tabs ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        screens.push_back({name + (tabs ? QStringLiteral(" [%1]").arg(page) : QString()), textsOf(dialog)});
    }
    return screens;
}

// Shows each dialog, notes its screens and cancels it.
class NotingRunner final : public DialogRunner {
public:
    QString command;
    QList<Screen> screens;
    int run(QDialog& dialog) override
    {
        dialog.show();
        QCoreApplication::processEvents();
        screens += screensOf(dialog, command);
        return QDialog::Rejected;
    }
};

// The menus, the window's panes and every dialog the menus open, on the sample text, in `language`.
QList<Screen> everyScreen(Language language)
{
    useLanguage(language);
    QTemporaryDir dir;
    QFile::copy(samplePath("kuolka.xml"), dir.filePath("kuolka.xml"));
    QFile::copy(samplePath("sonastik.xml"), dir.filePath("sonastik.xml"));
    QFile::setPermissions(dir.filePath("sonastik.xml"), QFile::ReadOwner | QFile::WriteOwner);
    writeFile(dir.filePath("pelmora.ini"),
              "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nDictionaryPathName=" +
                  dir.filePath("sonastik.xml").toUtf8() + "\nTaggingInfoPath=" + dir.filePath("notes.xml").toUtf8() + "\n");
    RecordingPrompter prompter;
    QueuedFileChooser files;
    NotingRunner dialogs;
    CPelmoraApp app(dir.filePath("pelmora.ini"), prompter, files, dialogs);
    if (!app.start(dir.filePath("kuolka.xml"), true))
        qFatal("the workbench did not start");
    CMainFrame& frame = *app.frame();
    // The form's mnemonics win over the menu titles' (F10 reaches the menus): two screens.
    QList<Screen> screens{{QStringLiteral("window"), textsOf(frame)}, {QStringLiteral("menu bar"), {}}};
    for (QAction* title : frame.menuBar()->actions()) {
        screens[1].texts.push_back({title->text(), title->text()});
        if (!title->menu())
            continue;
        Screen entries{QStringLiteral("menu ") + title->text(), {}};
        for (QAction* entry : title->menu()->actions())
            if (!entry->isSeparator() && !entry->text().contains(QRegularExpression(QStringLiteral("^&\\d "))))
                entries.texts.push_back({entry->text(), entry->text()});  // not the recent files
        screens.push_back(entries);
    }
    // Every menu command but the exit, in the table's order.
    for (const MenuInfo& menu : menuTable()) {
        for (Command command : menu.entries) {
            if (command == Command::Count || command == Command::Exit)
                continue;
            dialogs.command = commandInfo(command).text;
            frame.action(command)->trigger();
            QCoreApplication::processEvents();
        }
    }
    // The panes the commands opened (the corpus overview, the concordance and the others).
    screens.push_back({QStringLiteral("window with its panes"), textsOf(frame)});
    // The form-tag editor, opened from the form, with a tag ticked.
    {
        dialogs.command = QStringLiteral("form tag");
        FormTagDialog editor("pers.ind.pr.sg.1.");
        dialogs.run(editor);
    }
    app.doc().setModifiedFlag(false);
    useLanguage(Language::Estonian);
    return screens + dialogs.screens;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setUpAppearance();
        if (!useLanguage(Language::English))
            QSKIP("the English texts were not built in (Qt's Linguist tools missing)");
        useLanguage(Language::Estonian);
    }

    void englishTranslatesEveryShownText()
    {
        const QList<Screen> estonian = everyScreen(Language::Estonian);
        const QList<Screen> english = everyScreen(Language::English);
        // The same screens with the same texts in the same places, each text translated.
        QCOMPARE(english.size(), estonian.size());
        QStringList untranslated;
        for (qsizetype s = 0; s < estonian.size(); ++s) {
            // A place shown in one language only (a background reading's button, say) is left out.
            QMap<QString, QString> shownInEnglish;
            for (const Shown& shown : english[s].texts)
                shownInEnglish[shown.where] = shown.text;
            for (const Shown& shown : estonian[s].texts) {
                if (shownInEnglish.value(shown.where, QString()) == shown.text && !sameInBothLanguages(shown.text))
                    untranslated << estonian[s].name + ": " + shown.text;
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
        // The dialogs and menus were all seen (a menu command that stops opening its dialog
        // would leave its texts unchecked).
        QStringList names;
        for (const Screen& screen : estonian)
            names << screen.name;
        for (const char* seen : {"&Soovitaja seaded ...", "Teksti in&fo ...", "&Redigeeri sõnastikku ... [2]",
                                 "&Päring mitmest failist", "form tag", "menu Töö&vahendid"})
            QVERIFY2(names.contains(QString::fromUtf8(seen)), seen);
        // The panes the menu commands open were seen too (their titles, labels and columns).
        const auto panes = std::find_if(estonian.begin(), estonian.end(),
                                        [](const Screen& screen) { return screen.name == "window with its panes"; });
        QVERIFY(panes != estonian.end() && panes->texts.size() > estonian.front().texts.size() + 10);
    }

    void mnemonicsDoNotClash()
    {
        // Two entries of a menu or dialog page that share a mnemonic, per screen.
        const auto clashesOf = [](const QList<Screen>& screens) {
            QMap<QString, QStringList> clashes;
            for (const Screen& screen : screens) {
                QMap<QString, QString> owners;
                for (const Shown& shown : screen.texts) {
                    const QKeySequence key = QKeySequence::mnemonic(shown.text.section('\t', 0, 0));
                    if (key.isEmpty())
                        continue;
                    if (owners.contains(key.toString()))
                        clashes[screen.name] << owners[key.toString()] + " / " + shown.text;
                    owners[key.toString()] = shown.text;
                }
            }
            return clashes;
        };
        const QMap<QString, QStringList> estonian = clashesOf(everyScreen(Language::Estonian));
        const QMap<QString, QStringList> english = clashesOf(everyScreen(Language::English));
        // The menus share no mnemonic in either language. Some dialogs' Estonian texts share
        // some (the text data's 28 fields, the query's two token groups); English adds no clash
        // anywhere and has no more than the Estonian texts where those have some.
        QStringList faults;
        for (const QString& screen : estonian.keys())
            if (screen.startsWith(QStringLiteral("menu")))
                faults << "et " + screen + ": " + estonian[screen].join(", ");
        for (const QString& screen : english.keys())
            if (english[screen].size() > estonian.value(screen).size())
                faults << "en " + screen + ": " + english[screen].join(", ");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void englishKeepsTheShortcuts()
    {
        // The accelerators written in the menus are the same in both languages.
        useLanguage(Language::English);
        for (const CommandInfo& info : commandTable()) {
            const QString shown = shownText(info.text);
            QCOMPARE(shown.section('\t', 1), info.text.section('\t', 1));
        }
        // A display name is translated, the value it stands for is not.
        QCOMPARE(shownName("substantiiv"), QStringLiteral("noun"));
        useLanguage(Language::Estonian);
        QCOMPARE(shownName("substantiiv"), QStringLiteral("substantiiv"));
    }

    void coreTextsWithValuesFollowTheLanguage()
    {
        // Translated before the values go in; the values themselves stay as they are.
        PreannotationResult counts;
        counts.filled = 3;
        SearchCriteria sought;
        sought.set(SearchField::Text, "KATA");
        sought.set(SearchField::Lemma, "*");
        std::string unread;
        std::string bytes;
        useLanguage(Language::English);
        const std::string searched = describeSearchCriteria(sought);
        QVERIFY(!readWholeFile("/nonexistent-pelmora-folder/a.xml", bytes, &unread));
        const std::string skipped = formatMessage(kCorpusEmptyFile, "tühi.xml");
        const std::string report = preannotationReport(counts);
        const QString undo = stepText(QStringLiteral("&Undo\tCtrl+Z"), step::kModifyToken);
        XmlDocument xml;
        const std::string broken = xml.loadFromBuffer("<sisu>\n<lause>").describe();
        useLanguage(Language::Estonian);
        QCOMPARE(QString::fromStdString(broken), QStringLiteral("line 2: an element is not closed"));
        QCOMPARE(QString::fromStdString(skipped), QStringLiteral("The file tühi.xml is empty."));
        QVERIFY2(report.rfind("Tokens pre-annotated: 3\n", 0) == 0, report.c_str());
        QCOMPARE(undo, QStringLiteral("&Undo: edit token\tCtrl+Z"));
        QCOMPARE(QString::fromStdString(searched), QString::fromUtf8("token „KATA“, lemma any"));
        QCOMPARE(QString::fromStdString(unread), QStringLiteral("the file or folder does not exist"));
        QCOMPARE(QString::fromStdString(describeSearchCriteria(sought)), QString::fromUtf8("sõne „KATA“, märksõna suvaline"));
        QCOMPARE(QString::fromStdString(formatMessage(kCorpusEmptyFile, "a.xml")),
                 QString::fromUtf8("Fail a.xml on tühi."));
        QCOMPARE(stepText(QStringLiteral("&Undo"), step::kModifyToken), QString::fromUtf8("&Undo: muuda sõne"));
    }

    void languageIsASettingThatTakesARestart()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("pelmora.ini"), "[Settings]\nShowOptionsDialog=0\n");
        RecordingPrompter prompter;
        QueuedFileChooser files;
        ScriptedDialogRunner dialogs;
        CPelmoraApp app(dir.filePath("pelmora.ini"), prompter, files, dialogs);
        QVERIFY(app.start(QString(), false));
        QCOMPARE(app.settings().language, std::string("et"));  // Estonian unless chosen
        dialogs.queue([](QDialog& dialog) {
            auto* combo = dialog.findChild<QComboBox*>("languageCombo");
            combo->setCurrentIndex(combo->findData(QStringLiteral("en")));
            return int(QDialog::Accepted);
        });
        prompter.clear();
        QVERIFY(app.runSettingsDialog());
        // Written as Language=en, and the user is told that a restart applies it.
        QCOMPARE(SettingsStore(dir.filePath("pelmora.ini")).read().language, std::string("en"));
        QVERIFY(readFile(dir.filePath("pelmora.ini")).contains("Language=en"));
        const std::vector<std::string> texts = prompter.texts();
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
            return text.find("uuesti käivitada") != std::string::npos;
        }));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
