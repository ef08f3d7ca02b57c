// The main window: its menus and accelerators, the pane rule, the title, the file commands and
// the commands that need no dialog, driven as a user would.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "guitestsupport.h"
#include "views/textview.h"
#include "text/editing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

#include <tuple>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

const QByteArray kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora><info><tyyp>suuline</tyyp></info><sisu id="t">
<lause id="l1"><sone id="l1_s1" lk="4">Minā</sone><sone id="l1_s2">um</sone><sone id="l1_s3">kalāmīez</sone></lause>
<lause id="l2"><sone id="l2_s1">Mēg</sone><sone id="l2_s2">jelābõ</sone></lause>
</sisu></pelmora>
)";

// One started workbench on a copy of a small text and of the sample dictionary.
struct Workbench {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    std::unique_ptr<CPelmoraApp> app;

    QString path(const QString& name) const { return dir.filePath(name); }

    explicit Workbench(const QByteArray& ini = {})
    {
        test::writeFile(path("tekst.xml"), kText);
        QFile::copy(test::samplePath("sonastik.xml"), path("sonastik.xml"));
        test::writeFile(path("pelmora.ini"), ini.isEmpty() ? defaultIni() : ini);
        app = std::make_unique<CPelmoraApp>(path("pelmora.ini"), prompter, files, dialogs);
    }
    QByteArray defaultIni() const
    {
        return "[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nLiivi=7\nSomethingElse=kept\nDictionaryPathName=" +
               path("sonastik.xml").toUtf8() + "\n";
    }
    CMainFrame& start(const QString& text)
    {
        if (!app->start(text, false))
            qFatal("the workbench did not start");
        CMainFrame& frame = *app->frame();
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame))
            qFatal("no window");
        return frame;
    }
    CMainFrame& start() { return start(path("tekst.xml")); }
    std::string currentId() { return CPelmoraDoc::attribute(app->doc().currentToken(), "id"); }
};

QAction* menuAction(QMenuBar* bar, const QString& menuTitle, const QString& entry)
{
    for (QAction* menu : bar->actions()) {
        if (menu->text() != menuTitle || !menu->menu())
            continue;
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == entry)
                return item;
        }
    }
    return nullptr;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menusHaveTheirEntriesAndKeys_data();
    void menusHaveTheirEntriesAndKeys();
    void acceleratorsWithoutMenuEntry();
    void toolbarButtonsInOrder();
    void laterDialogsArePresentAndDisabled();
    void formKeepsItsHeightAndStripItsDraggedHeight();
    void windowLowerThanFormLeavesNoRunningText();
    void titleNamesTheFileAndShowsModification();
    void keyboardMovesReachTheDocument();
    void windowKeysWinOverAFocusedField();
    void copyTokenAndSentenceGoToTheClipboard();
    void copyInAFieldWithSelectionCopiesTheSelection();
    void clipboardCommandsFollowTheFocusedField_data();
    void clipboardCommandsFollowTheFocusedField();
    void dictionaryAnalysisOnlyWarns();
    void cancelKeepsAModifiedText();
    void noDropsTheChangesAndYesSavesThem();
    void openThroughTheFileDialogAddsARecentFile();
    void unreadableTextOnTheCommandLineStopsBeforeTheWindow();
    void brokenFileLeavesTheOpenTextAlone();
    void failedSaveSaysWhyAndOffersACopyElsewhere();
    void exitWritesEverySettingAndKeepsUnknownKeys();
    void firstStartShowsTheSettingsDialog();
    void formButtonsOpenTheirDialogs();
    void notesWithoutANotesFileSayWhereToChooseOne();
};

void MainFrameTest::menusHaveTheirEntriesAndKeys_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QList<QKeySequence>>("keys");
    using K = QKeySequence;
    const auto row = [](const char* menu, const char* entry, QList<QKeySequence> keys = {}) {
        QTest::newRow(entry) << QString(menu) << QString(entry) << keys;
    };
    row("&Tekst", "&Ava ...\tCtrl+O", {K("Ctrl+O")});
    row("&Tekst", "&Impordi tekst ...");
    row("&Tekst", "Impordi vana &murdekorpuse tekst ...");
    row("&Tekst", "&Salvesta\tCtrl+S", {K("Ctrl+S")});
    row("&Tekst", "Salvesta &koopia ...");
    row("&Tekst", "&Ekspordi tekst ...");
    row("&Tekst", "Ü&henda tekstid ...");
    row("&Tekst", "Teksti in&fo ...");
    row("&Tekst", "Lemmatiseeri aut&omaatselt ...");
    row("&Tekst", "&Lisa avatud teksti sõned sõnastikku ...");
    row("&Tekst", "P&uhkaks vahepeal");
    for (const char* entry :
         {"&Otsi ...", "&Sõnaosa otsing ...", "&Asenda ...", "Otsi vi&gu ...", "Otsi a&utomaatselt muudetud kirjed",
          "&Kustusta failist automaatsete muutuste märgendid", "&Tühista senised otsingud",
          "Jäta meelde &praegune asukoht", "&Mine meelde jäetud kohta", "Mine &leheküljele ...", "Otsi I&D ...",
          "Jä&rgmine värviga märgitud sõna", "&Eelmine värviga märgitud sõna"})
        row("&Otsing", entry);
    row("&Otsing", "Otsi &järgmine\tF3", {K("F3")});
    row("&Päringud", "&Lihtne sõnastik ...");
    row("&Päringud", "&Statistika");
    row("&Päringud", "&Päring mitmest failist");
    row("&Päringud", "&Korpuse ülevaade\tCtrl+Shift+O", {K("Ctrl+Shift+O")});
    row("Töö&vahendid", "&Soovitaja seaded ...");
    row("Töö&vahendid", "&Redigeeri sõnastikku ...");
    row("Töö&vahendid", "&Ekspordi sõnastik ...");
    row("Töö&vahendid", "Sõnastiku &analüüs");
    row("Töö&vahendid", "&Teisendused ...");
    row("&Redaktor", "&Võta tagasi\tCtrl+Z", {K("Ctrl+Z")});
    row("&Redaktor", "T&ee uuesti\tCtrl+Y", {K("Ctrl+Y"), K("Ctrl+Shift+Z")});
    row("&Redaktor", "&Lõika\tCtrl+X", {K("Ctrl+X"), K("Shift+Del")});
    row("&Redaktor", "&Kopeeri\tCtrl+C", {K("Ctrl+C"), K("Ctrl+Ins")});
    row("&Redaktor", "&Pista\tCtrl+V", {K("Ctrl+V"), K("Shift+Ins")});
    row("&Redaktor", "Kopeeri &sõne\tCtrl+W", {K("Ctrl+W")});
    row("&Redaktor", "&Muuda sõnet ...");
    row("&Redaktor", "K&ustuta sõne");
    row("&Redaktor", "L&isa sõne ...");
    row("&Redaktor", "Ü&henda laused ...\tCtrl+M", {K("Ctrl+M")});
    row("&Redaktor", "&Tükelda lause\tCtrl+D", {K("Ctrl+D")});
    row("&Redaktor", "Lause algus heli&failis ...\tCtrl+F", {K("Ctrl+F")});
    row("&Redaktor", "Mä&ngi lause\tCtrl+Space", {K("Ctrl+Space")});
    row("&Aken", "&Nupuriba");
    row("&Info", "&Mis on Pelmora...");
}

void MainFrameTest::menusHaveTheirEntriesAndKeys()
{
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QList<QKeySequence>, keys);
    Workbench bench;
    CMainFrame& frame = bench.start();
    QAction* item = menuAction(frame.menuBar(), menu, entry);
    QVERIFY2(item, qPrintable(entry));
    // Every key of the entry runs it.
    for (const QKeySequence& key : keys)
        QVERIFY2(item->shortcuts().contains(key), qPrintable(key.toString()));
}

void MainFrameTest::acceleratorsWithoutMenuEntry()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    const struct {
        Command command;
        QKeySequence key;
    } cases[] = {
        {Command::NewDocument, QKeySequence("Ctrl+N")},     {Command::Print, QKeySequence("Ctrl+P")},
        {Command::NextPane, QKeySequence("F6")},            {Command::PreviousPane, QKeySequence("Shift+F6")},
        {Command::FirstToken, QKeySequence("Ctrl+Home")},   {Command::LastToken, QKeySequence("Ctrl+End")},
        {Command::NextToken, QKeySequence("Shift+Right")},  {Command::PreviousToken, QKeySequence("Shift+Left")},
        {Command::NextSentence, QKeySequence("Shift+PgDown")},
        {Command::PreviousSentence, QKeySequence("Shift+PgUp")},
    };
    for (const auto& c : cases) {
        QAction* action = frame.action(c.command);
        // The window holds the action, so its key works wherever the focus is.
        QVERIFY(frame.actions().contains(action));
        QVERIFY2(action->shortcuts().contains(c.key), qPrintable(c.key.toString()));
    }
}

void MainFrameTest::toolbarButtonsInOrder()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    QStringList seen;
    for (QAction* action : frame.toolBar().actions())
        seen.push_back(action->isSeparator() ? QString("|") : action->toolTip());
    const QStringList expected = {"Ava tekst", "Impordi tekst", "Salvesta tekst", "|", "Prindi tekst", "|",
                                  "Lisa avatud teksti sõned sõnastikku", "Redigeeri sõnastikku", "|",
                                  "Soovitaja seaded", "Lemmatiseeri automaatselt", "|", "Otsi", "|",
                                  "Otsib sõneID (lõikelaual olev sõne ID)", "|", "Võta tagasi", "Tee uuesti", "|", "Lõika", "Kopeeri", "Pista", "|",
                                  "Mis on Pelmora"};
    QCOMPARE(seen, expected);
    for (QAction* action : frame.toolBar().actions())
        QVERIFY(action->isSeparator() || !action->icon().isNull());
}

void MainFrameTest::laterDialogsArePresentAndDisabled()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    // Commands that need no dialog work now; the entries whose dialogs are still to come wait.
    QVERIFY(frame.action(Command::SplitSentence)->isEnabled());
    QVERIFY(frame.action(Command::DeleteToken)->isEnabled());
    QVERIFY(frame.action(Command::AnalyseDictionary)->isEnabled());
    QVERIFY(frame.action(Command::Find)->isEnabled());
    for (const CommandInfo& info : commandTable()) {
        if (info.later)
            QVERIFY2(!frame.action(info.command)->isEnabled(), qPrintable(info.text));
    }
}

void MainFrameTest::formKeepsItsHeightAndStripItsDraggedHeight()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    PaneSplitter& panes = frame.splitter();
    const int form = frame.formPane().sizeHint().height();
    frame.resize(900, 700);
    QTRY_COMPARE(panes.sizes()[2], form);
    // The user drags the strip taller; growing and shrinking the window keeps it so, and the
    // running text takes what is left.
    const int stripBefore = panes.sizes()[1];
    QSplitterHandle* handle = panes.handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(0, 20));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(0, 20));
    const int strip = panes.sizes()[1];
    QCOMPARE(strip, stripBefore + 20);
    for (int height : {760, 640, 720}) {
        frame.resize(900, height);
        QTRY_COMPARE(panes.height(), frame.centralWidget()->height());
        QApplication::processEvents();
        QCOMPARE(panes.sizes()[1], strip);
        QCOMPARE(panes.sizes()[2], form);
        QCOMPARE(panes.sizes()[0], panes.height() - 2 * panes.handleWidth() - strip - form);
    }
}

void MainFrameTest::windowLowerThanFormLeavesNoRunningText()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    const int form = frame.formPane().sizeHint().height();
    frame.resize(900, form / 2);
    QApplication::processEvents();
    // The form keeps its full height; the running text has none left.
    QTRY_COMPARE(frame.splitter().sizes()[0], 0);
    QCOMPARE(frame.splitter().sizes()[2], form);
}

void MainFrameTest::titleNamesTheFileAndShowsModification()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    QCOMPARE(frame.windowTitle(), QString("tekst.xml[*] - Pelmora"));
    QVERIFY(!frame.isWindowModified());
    frame.action(Command::SplitSentence)->trigger();
    QVERIFY(frame.isWindowModified());
    QVERIFY(frame.saveText());
    QVERIFY(!frame.isWindowModified());
}

void MainFrameTest::keyboardMovesReachTheDocument()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    frame.textView().setFocus();
    const struct {
        QKeyCombination key;
        const char* expected;
    } steps[] = {
        {Qt::SHIFT | Qt::Key_Right, "l1_s2"},   {Qt::SHIFT | Qt::Key_PageDown, "l2_s1"},
        {Qt::SHIFT | Qt::Key_Left, "l1_s3"},    {Qt::SHIFT | Qt::Key_PageUp, "l1_s3"},  // no sentence before
        {Qt::CTRL | Qt::Key_End, "l2_s2"},      {Qt::SHIFT | Qt::Key_PageUp, "l1_s1"},
        {Qt::CTRL | Qt::Key_End, "l2_s2"},      {Qt::CTRL | Qt::Key_Home, "l1_s1"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(&frame.textView(), step.key.key(), step.key.keyboardModifiers());
        QVERIFY2(bench.currentId() == step.expected, qPrintable(QKeySequence(step.key).toString() + " " + QString::fromStdString(bench.currentId())));
    }
}

void MainFrameTest::windowKeysWinOverAFocusedField()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    auto* field = new QLineEdit;
    frame.setFormWidget(field);
    field->setText("kirjutan");
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    // With the focus in a field, Shift+Right still moves the token and Ctrl+D still splits.
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(bench.currentId(), std::string("l1_s2"));
    QTest::keyClick(field, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(bench.currentId(), std::string("l1_s2"));
    QVERIFY(CPelmoraDoc::lastTokenOfSentence(bench.app->doc().currentToken()) == bench.app->doc().currentToken());
    QCOMPARE(field->text(), QString("kirjutan"));
}

void MainFrameTest::copyTokenAndSentenceGoToTheClipboard()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    frame.textView().setFocus();
    QTest::keyClick(&frame.textView(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Minā"));
    QTest::keyClick(&frame.textView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(copySentenceWithReference(bench.app->doc())));
    QVERIFY(QGuiApplication::clipboard()->text().contains("*Minā*"));
}

void MainFrameTest::copyInAFieldWithSelectionCopiesTheSelection()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    auto* field = new QLineEdit;
    frame.setFormWidget(field);
    field->setText("lemmad");
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    // The form takes copy for its fields: without a selection nothing is copied.
    QGuiApplication::clipboard()->setText("enne");
    field->deselect();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("enne"));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("lemmad"));
}

void MainFrameTest::clipboardCommandsFollowTheFocusedField_data()
{
    QTest::addColumn<QString>("focus");  // text, field, readOnly, button
    QTest::addColumn<bool>("selection");
    QTest::addColumn<bool>("clipboardText");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<bool>("paste");
    QTest::newRow("running text: copy sentence only") << "text" << false << true << false << true << false;
    QTest::newRow("field without selection") << "field" << false << true << false << false << true;
    QTest::newRow("field without selection, empty clipboard") << "field" << false << false << false << false << false;
    QTest::newRow("field with selection") << "field" << true << true << true << true << true;
    QTest::newRow("read-only field with selection") << "readOnly" << true << true << false << true << false;
    QTest::newRow("form button") << "button" << false << true << false << false << false;
}

void MainFrameTest::clipboardCommandsFollowTheFocusedField()
{
    QFETCH(QString, focus);
    QFETCH(bool, selection);
    QFETCH(bool, clipboardText);
    QFETCH(bool, cut);
    QFETCH(bool, copy);
    QFETCH(bool, paste);

    Workbench bench;
    CMainFrame& frame = bench.start();
    auto* form = new QWidget;
    auto* field = new QLineEdit(form);
    auto* readOnly = new QLineEdit(form);
    auto* button = new QPushButton("x", form);
    auto* layout = new QVBoxLayout(form);
    for (QWidget* w : std::initializer_list<QWidget*>{field, readOnly, button})
        layout->addWidget(w);
    readOnly->setReadOnly(true);
    field->setText("lemmad");
    readOnly->setText("sg.nom.");
    frame.setFormWidget(form);
    QGuiApplication::clipboard()->setText(clipboardText ? "kala" : "");

    QWidget* target = button;
    if (focus == "text")
        target = &frame.textView();
    else if (focus == "field")
        target = field;
    else if (focus == "readOnly")
        target = readOnly;
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    if (auto* line = qobject_cast<QLineEdit*>(target))
        selection ? line->selectAll() : line->deselect();

    // Expected: a document update leaves the three as they are (no flicker, no relayout of the
    // toolbar at every step of the annotation).
    QSignalSpy changes(frame.action(Command::Cut), &QAction::changed);
    QSignalSpy undoChanges(frame.action(Command::Undo), &QAction::changed);
    bench.app->doc().updateAllViews();
    QCOMPARE(changes.count(), 0);
    QCOMPARE(undoChanges.count(), 0);
    QCOMPARE(frame.action(Command::Cut)->isEnabled(), cut);
    QCOMPARE(frame.action(Command::Copy)->isEnabled(), copy);
    QCOMPARE(frame.action(Command::Paste)->isEnabled(), paste);
    if (paste) {
        // Expected: the menu's paste goes into the focused field.
        field->deselect();
        field->setCursorPosition(0);
        frame.action(Command::Paste)->trigger();
        QCOMPARE(field->text(), QString("kalalemmad"));
    }
}

void MainFrameTest::dictionaryAnalysisOnlyWarns()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    bench.prompter.clear();
    frame.action(Command::AnalyseDictionary)->trigger();
    QCOMPARE(bench.prompter.entries().size(), std::size_t(1));
    const RecordingPrompter::Entry& warning = bench.prompter.entries().front();
    QCOMPARE(warning.title, std::string("Tekstide ühendamine"));
    QVERIFY(warning.kind == MessageKind::Warning);
    QVERIFY(warning.text.starts_with("See funktsioon ei tööta veel õigesti\nmurdetekstidega ja liivi tekstidega\n"
                                     "Ei soovita kasutada.\n\nKui seda on siiski vaja, anna teada\n"));
    QVERIFY(!bench.app->doc().isModified());
}

void MainFrameTest::cancelKeepsAModifiedText()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    const QByteArray before = test::readFile(bench.path("tekst.xml"));
    frame.action(Command::SplitSentence)->trigger();
    QStringList asked;
    frame.setSaveQuestion([&](const QString& name) {
        asked.push_back(name);
        return QMessageBox::Cancel;
    });
    // Closing asks; Cancel keeps the window, the text and its changes.
    QVERIFY(!frame.close());
    QCOMPARE(asked, QStringList{"tekst.xml"});
    QVERIFY(frame.isVisible());
    QVERIFY(bench.app->doc().isModified());
    // Opening another text asks the same way and keeps this one on Cancel.
    frame.action(Command::NewDocument)->trigger();
    QVERIFY(bench.app->doc().hasText());
    QCOMPARE(test::readFile(bench.path("tekst.xml")), before);
}

void MainFrameTest::noDropsTheChangesAndYesSavesThem()
{
    {
        Workbench bench;
        CMainFrame& frame = bench.start();
        const QByteArray before = test::readFile(bench.path("tekst.xml"));
        frame.action(Command::SplitSentence)->trigger();
        frame.setSaveQuestion([](const QString&) { return QMessageBox::No; });
        QVERIFY(frame.close());
        QCOMPARE(test::readFile(bench.path("tekst.xml")), before);
    }
    {
        Workbench bench;
        CMainFrame& frame = bench.start();
        frame.action(Command::SplitSentence)->trigger();
        frame.setSaveQuestion([](const QString&) { return QMessageBox::Yes; });
        QVERIFY(frame.close());
        // The split is in the file: three sentences now.
        QCOMPARE(test::readFile(bench.path("tekst.xml")).count("<lause"), 3);
    }
}

void MainFrameTest::openThroughTheFileDialogAddsARecentFile()
{
    Workbench bench;
    CMainFrame& frame = bench.start(QString());
    QCOMPARE(frame.windowTitle(), QString("Nimetu[*] - Pelmora"));
    QVERIFY(!frame.action(Command::Save)->isEnabled());
    test::writeFile(bench.path("teine.xml"), kText);
    bench.files.queue(bench.path("teine.xml"));
    QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(bench.files.requests().size(), std::size_t(1));
    QCOMPARE(frame.windowTitle(), QString("teine.xml[*] - Pelmora"));
    QCOMPARE(bench.currentId(), std::string("l1_s1"));
    QCOMPARE(frame.recentFiles().front(), QFileInfo(bench.path("teine.xml")).absoluteFilePath());
    QVERIFY(menuAction(frame.menuBar(), "&Tekst", "&1 " + QFileInfo(bench.path("teine.xml")).absoluteFilePath()));
    // A cancelled file dialog changes nothing.
    frame.action(Command::Open)->trigger();
    QCOMPARE(frame.windowTitle(), QString("teine.xml[*] - Pelmora"));
}

void MainFrameTest::unreadableTextOnTheCommandLineStopsBeforeTheWindow()
{
    Workbench bench;
    const QByteArray broken = "<pelmora><sisu><lause>";
    test::writeFile(bench.path("katki.xml"), broken);
    QVERIFY(!bench.app->start(bench.path("katki.xml"), false));
    QVERIFY(bench.app->frame() == nullptr);
    QCOMPARE(bench.prompter.entries().back().title, std::string("Viga"));
    QCOMPARE(QString::fromStdString(bench.prompter.entries().back().text),
             QString("Vigane fail %1: rida 1: elemendi lõpp puudub").arg(bench.path("katki.xml")));
    QCOMPARE(test::readFile(bench.path("katki.xml")), broken);
}

void MainFrameTest::brokenFileLeavesTheOpenTextAlone()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    bench.app->doc().goToNextToken();
    const std::string current = bench.currentId();
    const QString title = frame.windowTitle();
    frame.setSaveQuestion([](const QString&) { return QMessageBox::No; });
    for (const auto& [name, bytes, reason] :
         {std::tuple<QString, QByteArray, QString>{"katki.xml", "<pelmora>\n<sisu>\n<lause><sone>a</sone>\n", "rida 3: elemendi lõpp puudub"},
          {"pilt.png", QByteArray("\x89PNG\r\n\x1A\n\0\0", 10), "enne esimest märgendit on teksti (fail pole XML)"}}) {
        test::writeFile(bench.path(name), bytes);
        bench.files.queue(bench.path(name));
        frame.action(Command::Open)->trigger();
        // Expected: why, with the line; the open text, its place, its name and its commands stay.
        QCOMPARE(QString::fromStdString(bench.prompter.lastText()), QString("Vigane fail %1: %2").arg(bench.path(name), reason));
        QCOMPARE(bench.currentId(), current);
        QCOMPARE(frame.windowTitle(), title);
        QCOMPARE(frame.documentPath(), bench.path("tekst.xml"));
        QVERIFY(frame.action(Command::Save)->isEnabled());
    }
}

void MainFrameTest::failedSaveSaysWhyAndOffersACopyElsewhere()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    bench.app->doc().setLemma(bench.app->doc().currentToken(), "uus");
    const QString missing = bench.path("puudub/tekst.xml");
    QStringList failures;
    frame.fileCommands().setSaveFailureChoice([&](const QString& message) {
        failures << message;
        return true;
    });
    bench.files.queue(bench.path("koopia.xml"));
    QVERIFY(frame.fileCommands().saveTextAs(missing));
    // Expected: the reason, then the save-as chooser; the copy holds the change and is the text's
    // file now, the old file untouched.
    QCOMPARE(failures, QStringList{QString("Viga faili %1 salvestamisel: faili või kausta pole olemas.").arg(missing)});
    QCOMPARE(bench.files.requests().size(), std::size_t(1));
    QVERIFY(test::readFile(bench.path("koopia.xml")).contains("lemma=\"uus\""));
    QCOMPARE(frame.documentPath(), bench.path("koopia.xml"));
    QVERIFY(!bench.app->doc().isModified());
    QVERIFY(!test::readFile(bench.path("tekst.xml")).contains("uus"));
    // Declining the copy keeps the text modified.
    bench.app->doc().setLemma(bench.app->doc().currentToken(), "teine");
    frame.fileCommands().setSaveFailureChoice([](const QString&) { return false; });
    QVERIFY(!frame.fileCommands().saveTextAs(missing));
    QVERIFY(bench.app->doc().isModified());
}

void MainFrameTest::exitWritesEverySettingAndKeepsUnknownKeys()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    QVERIFY(frame.close());
    QSettings ini(bench.path("pelmora.ini"), QSettings::IniFormat);
    ini.beginGroup("Settings");
    for (const SettingKey& key : settingKeys())
        QVERIFY2(ini.contains(key.name), key.name);
    QCOMPARE(ini.value("Liivi").toString(), QString("7"));
    QCOMPARE(ini.value("SomethingElse").toString(), QString("kept"));
    // Integers are plain numbers in the file.
    QVERIFY(test::readFile(bench.path("pelmora.ini")).contains("\nShowOptionsDialog=0\n"));
}

void MainFrameTest::firstStartShowsTheSettingsDialog()
{
    QTemporaryDir dir;
    RecordingPrompter prompter;
    QueuedFileChooser files;
    test::ScriptedDialogRunner dialogs;
    CPelmoraApp app(dir.filePath("uus/pelmora.ini"), prompter, files, dialogs);
    QVERIFY(app.start(QString(), false));
    // The settings dialog comes first; with no dictionary named the dictionary asks for one and
    // offers the dialog again.
    QVERIFY(!dialogs.titles().isEmpty());
    QCOMPARE(dialogs.titles().front(), QString("Pelmora: seadistus"));
    QVERIFY(prompter.texts().front() == "Sisesta sõnastikufaili nimi.");
}

namespace {

QPushButton* formButton(CMainFrame& frame, const QString& text)
{
    for (QPushButton* button : frame.formPane().findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

}  // namespace

void MainFrameTest::formButtonsOpenTheirDialogs()
{
    QTemporaryDir notesDir;
    const QString notes = notesDir.filePath("markmed.xml");
    test::writeFile(notes, "<pelmora><info lemma=\"minā\">mina</info></pelmora>");
    Workbench bench;
    CMainFrame& frame = bench.start();
    bench.app->settings().taggingInfoPath = notes.toStdString();
    const struct {
        const char* button;
        const char* dialog;
    } cases[] = {
        {"La&use kontroll", "Kontrolli märgendust"},
        {"Lisa lause t&õlge", "Lause tõlge"},
        {"Märksõna in&fo", "Märkmed"},
    };
    for (const auto& c : cases) {
        QPushButton* button = formButton(frame, c.button);
        QVERIFY2(button, c.button);
        button->click();
        QCOMPARE(bench.dialogs.titles().back(), QString(c.dialog));
    }
    // The small button beside the form opens the form-tag editor; its tag comes back to the form.
    auto* tagButton = frame.formPane().findChild<QPushButton*>("formTagButton");
    QVERIFY(tagButton);
    tagButton->click();
    QCOMPARE(bench.dialogs.titles().back(), QString("Vormiinfo"));
}

void MainFrameTest::notesWithoutANotesFileSayWhereToChooseOne()
{
    Workbench bench;
    CMainFrame& frame = bench.start();
    bench.prompter.clear();
    formButton(frame, "Märksõna in&fo")->click();
    QVERIFY(bench.dialogs.titles().isEmpty());
    QVERIFY(bench.prompter.lastText().starts_with("Märkmete faili pole valitud."));
}

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
