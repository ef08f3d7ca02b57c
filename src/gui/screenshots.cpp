// The pictures of the user guide: the window on copies of the bundled sample text and dictionary
// and the dialogs its commands open, each saved as a PNG. Nobody answers meanwhile: every dialog
// is photographed once it is laid out and then cancelled, messages are dropped, questions get No
// and file questions are cancelled, so no file outside the temporary folder changes.
//
// Usage: pelmora_screenshots [--language en] SAMPLES_FOLDER OUTPUT_FOLDER   (QT_QPA_PLATFORM=offscreen)
// With --language en the window and its dialogs are English.
// Exit status 1 when a picture could not be made (a command showed no dialog, or saving failed).
#include "app/appearance.h"
#include "app/commands.h"
#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/translations.h"
#include "commands/overviewcommands.h"
#include "common/prompter.h"
#include "form/pelmoraformview.h"
#include "search/tokenwalk.h"
#include "text/combinationediting.h"
#include "text/pelmoradoc.h"
#include "views/inconsistencyview.h"
#include "views/overviewdock.h"
#include "views/textview.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

constexpr int kWidth = 1100;
constexpr int kHeight = 800;

// Saves the dialogs it is given under the name set before each command.
class GrabbingRunner final : public DialogRunner {
public:
    explicit GrabbingRunner(QString folder) : m_folder(std::move(folder)) {}
    void expect(const QString& name)
    {
        m_name = name;
        m_shown = 0;
    }
    int shown() const { return m_shown; }
    int run(QDialog& dialog) override
    {
        // Only the first dialog of a command; one it opens in turn is cancelled unseen.
        if (m_name.isEmpty() || m_shown++ > 0)
            return QDialog::Rejected;
        dialog.show();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        m_saved = dialog.grab().save(QDir(m_folder).filePath(m_name + ".png"), "PNG");
        dialog.reject();
        return QDialog::Rejected;
    }
    bool saved() const { return m_saved; }

private:
    QString m_folder;
    QString m_name;
    int m_shown = 0;
    bool m_saved = false;
};

class NoFiles final : public FileChooser {
public:
    QStringList choose(QWidget*, const FileRequest&) override { return {}; }
};

bool copySample(const QString& samples, const QString& name, const QDir& into)
{
    const QString target = into.filePath(name);
    return QFile::copy(QDir(samples).filePath(name), target) &&
           QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Pelmora");
    QStringList arguments = QApplication::arguments().mid(1);
    Language language = Language::Estonian;
    if (arguments.size() == 4 && arguments[0] == QStringLiteral("--language")) {
        language = languageFromCode(arguments[1]);
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s [--language en] SAMPLES_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    setUpAppearance();
    if (!useLanguage(language)) {
        std::fprintf(stderr, "the English texts were not built in\n");
        return 1;
    }
    const QString samples = arguments[0];
    const QString output = arguments[1];
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(output));
        return 1;
    }

    // A folder of a fixed name, so that the paths the dialogs show are the same on every run and
    // the pictures change only when the windows do.
    QDir work(QDir::tempPath() + "/pelmora-naide");
    work.removeRecursively();
    if (!QDir().mkpath(work.path()) || !copySample(samples, "kuolka.xml", work) ||
        !copySample(samples, "sonastik.xml", work)) {
        std::fprintf(stderr, "cannot copy the samples from %s\n", qPrintable(samples));
        return 1;
    }
    QFile notes(work.filePath("markmed.txt"));
    notes.open(QIODevice::WriteOnly);
    notes.close();
    QFile ini(work.filePath("pelmora.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(QStringLiteral("[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nNewToDictionary=0\n"
                             "DictionaryPathName=%1\nTaggingInfoPath=%2\n")
                  .arg(work.filePath("sonastik.xml"), notes.fileName())
                  .toUtf8());
    ini.close();

    SilentPrompter prompter;
    NoFiles files;
    GrabbingRunner dialogs(output);
    CPelmoraApp app(ini.fileName(), prompter, files, dialogs);
    if (!app.start(work.filePath("kuolka.xml"), true)) {
        std::fprintf(stderr, "cannot start on the sample\n");
        return 1;
    }
    CMainFrame& frame = *app.frame();
    frame.resize(kWidth, kHeight);
    // A token of the third sentence ("jelābõ") with its proposals, as in the middle of the work.
    app.doc().setCurrentToken(findTokenById(app.doc(), "l3_s2"));
    settle();

    int failures = 0;
    const auto report = [&](const QString& name, bool ok) {
        if (ok)
            std::printf("%s.png\n", qPrintable(name));
        else {
            std::fprintf(stderr, "no picture of %s\n", qPrintable(name));
            ++failures;
        }
    };
    const auto grabWindow = [&](const QString& name) {
        settle();
        report(name, frame.grab().save(QDir(output).filePath(name + ".png"), "PNG"));
    };
    const auto grabDialog = [&](const QString& name, const std::function<void()>& open) {
        dialogs.expect(name);
        open();
        settle();
        report(name, dialogs.shown() > 0 && dialogs.saved());
        dialogs.expect(QString());
    };
    const auto command = [&](Command c) { return [&frame, c] { frame.action(c)->trigger(); }; };

    // Let the window be laid out and painted once, as a user first sees it.
    QTimer::singleShot(300, &application, [&] {
        grabWindow("main-window");
        if (CPelmoraFormView* form = frame.formView()) {
            grabDialog("form-tag-editor", [form] { form->editFormTag(); });
        }
        // The menu "Töö&vahendid" opened, drawn over the window.
        for (QAction* menuAction : frame.menuBar()->actions()) {
            if (menuAction->text() != shownText(QStringLiteral("Töö&vahendid")) || !menuAction->menu())
                continue;
            QMenu* menu = menuAction->menu();
            menu->popup(frame.mapToGlobal(QPoint(0, 0)));
            settle();
            report("menu-tools", menu->grab().save(QDir(output).filePath("menu-tools.png"), "PNG"));
            menu->hide();
        }
        grabDialog("settings", command(Command::SuggesterSettings));
        grabDialog("search", command(Command::Find));
        grabDialog("replace", command(Command::Replace));
        grabDialog("token-edit", command(Command::ModifyToken));
        grabDialog("merge-sentences", command(Command::MergeSentences));
        grabDialog("audio-position", command(Command::AudioPosition));
        grabDialog("text-info", command(Command::TextInfo));
        grabDialog("import-text", command(Command::ImportText));
        grabDialog("import-dialect", command(Command::ImportDialect));
        grabDialog("multi-file-query", command(Command::MultiFileQuery));
        grabDialog("simple-dictionary", command(Command::SimpleDictionary));
        grabDialog("merge-texts", command(Command::MergeTexts));
        grabDialog("dictionary-editor", command(Command::EditDictionary));
        grabDialog("lemmatise", command(Command::Lemmatise));
        grabDialog("transformations", command(Command::Transformations));
        // Choosing the words of a combination, drawn marked, and the dialog "Ühend" that follows;
        // the sample's own combination of the two words goes for the picture and comes back.
        {
            CPelmoraDoc& doc = app.doc();
            CTextView& view = frame.textView();
            const XmlNode combination = nextSiblingElement(findTokenById(doc, "l3_s4"), "yhend");
            if (removeCombination(doc, combination) && doc.setCurrentToken(findTokenById(doc, "l3_s3"))) {
                view.startCombinationSelection();
                doc.goToNextToken();
                QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                QApplication::sendEvent(&view, &space);
                grabWindow("combination-words");
                grabDialog("combination", [&view] { view.finishCombinationSelection(); });
                view.cancelCombinationSelection();
                doc.undo();
            } else {
                report("combination", false);
            }
        }
        // The corpus overview of the sample's folder, with a second text beside it.
        {
            QFile::copy(QDir(samples).filePath("kalamiez/kalamiez.xml"), work.filePath("kalamiez.xml"));
            // A fixed modification time, so that the picture changes only when the window does.
            for (const char* name : {"kuolka.xml", "kalamiez.xml"}) {
                QFile text(work.filePath(name));
                if (text.open(QIODevice::ReadWrite))
                    text.setFileTime(QDateTime(QDate(2026, 3, 2), QTime(10, 30), Qt::UTC),
                                     QFileDevice::FileModificationTime);
            }
            frame.action(Command::CorpusOverview)->trigger();
            OverviewDock& overview = frame.overview().dock();
            QElapsedTimer waited;
            waited.start();
            while (overview.isRunning() && waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            grabWindow("corpus-overview");
            // Its page "Ebakõlad", with the first group's occurrences read.
            overview.pages()->setCurrentWidget(&overview.inconsistencies());
            waited.restart();
            while ((overview.isRunning() || overview.inconsistencies().isReadingOccurrences()) &&
                   waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            grabWindow("corpus-inconsistencies");
            overview.pages()->setCurrentIndex(0);
            overview.hide();
        }
        app.doc().setModifiedFlag(false);
        QApplication::exit(failures == 0 ? 0 : 1);
    });
    return QApplication::exec();
}
