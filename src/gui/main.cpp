// The workbench program: pelmora [--settings FILE] [--language et|en] [--screenshot PNG] [TEXT]
#include "app/appearance.h"
#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/guiprompter.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/settingsstore.h"
#include "pelmora_version.h"
#include "app/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <cstdio>

using namespace pelmora::gui;

namespace {

// While a picture is taken nobody is there to answer: messages go to standard error, questions
// are answered No and dialogs are cancelled, so the program always ends.
class UnattendedPrompter final : public pelmora::Prompter {
public:
    void message(pelmora::MessageKind, const std::string& title, const std::string& text) override
    {
        std::fprintf(stderr, "pelmora: %s: %s\n", title.c_str(), text.c_str());
    }
    bool askYesNo(const std::string& title, const std::string& text) override
    {
        std::fprintf(stderr, "pelmora: %s: %s (Ei)\n", title.c_str(), text.c_str());
        return false;
    }
};

class UnattendedDialogs final : public DialogRunner {
public:
    int run(QDialog&) override { return QDialog::Rejected; }
};

class UnattendedFiles final : public FileChooser {
public:
    QStringList choose(QWidget*, const FileRequest&) override { return {}; }
};

struct Options {
    QCommandLineOption settings{"settings", "Seaded sellest INI-failist (luuakse, kui puudub).", "FILE"};
    QCommandLineOption screenshot{"screenshot", "Salvesta peaaken PNG-pildina ja lõpeta.", "PNG"};
    QCommandLineOption language{"language", "Liidese keel selleks korraks: et (eesti) või en (inglise).", "et|en"};
};

void describeOptions(QCommandLineParser& parser, const Options& options)
{
    QCoreApplication::setApplicationName("Pelmora");
    QCoreApplication::setApplicationVersion(PELMORA_VERSION);
    parser.setApplicationDescription("Pelmora: liivi keele tekstide märgendamise töölaud");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.settings);
    parser.addOption(options.screenshot);
    parser.addOption(options.language);
    parser.addPositionalArgument("TEXT", "Avatav korpusetekst.", "[TEXT]");
}

// --help and --version only print, so they need no display (a man page is made from them on
// machines without one); --help-all lists the window's own Qt options, so it still needs one.
bool onlyPrints(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "-?" || argument == "--help" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options;
    if (onlyPrints(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        describeOptions(parser, options);
        parser.process(core);  // prints and ends the program
        return 0;
    }
    QApplication application(argc, argv);
    setUpAppearance();

    QCommandLineParser parser;
    describeOptions(parser, options);
    parser.process(application);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("pelmora: anna ainult üks avatav tekst\n", stderr);
        return 2;
    }

    const QString settingsPath =
        parser.isSet(options.settings) ? parser.value(options.settings) : defaultSettingsPath();
    // The settings' language, or the command line's for this run only (the file keeps its own).
    QString code = QString::fromStdString(SettingsStore(settingsPath).read().language);
    if (parser.isSet(options.language)) {
        code = parser.value(options.language).trimmed().toLower();
        if (code != "et" && code != "en") {
            std::fputs("pelmora: --language on et või en\n", stderr);
            return 2;
        }
    }
    if (!useLanguage(languageFromCode(code)))
        std::fputs("pelmora: ingliskeelseid tekste ei leitud, aken on eesti keeles\n", stderr);
    const QString textPath = parser.positionalArguments().isEmpty() ? QString() : parser.positionalArguments().front();

    const bool screenshot = parser.isSet(options.screenshot);
    GuiPrompter boxes;
    UnattendedPrompter unattendedPrompter;
    DialogFileChooser fileDialogs;
    UnattendedFiles unattendedFiles;
    DialogRunner modal;
    UnattendedDialogs unattendedDialogs;
    pelmora::Prompter& prompter = screenshot ? static_cast<pelmora::Prompter&>(unattendedPrompter) : boxes;
    FileChooser& files = screenshot ? static_cast<FileChooser&>(unattendedFiles) : fileDialogs;
    DialogRunner& dialogs = screenshot ? static_cast<DialogRunner&>(unattendedDialogs) : modal;
    CPelmoraApp app(settingsPath, prompter, files, dialogs);
    if (!app.start(textPath))
        return 1;
    boxes.setParent(app.frame());

    if (screenshot) {
        const QString png = parser.value(options.screenshot);
        int status = 0;
        // Once the window is laid out and painted.
        QTimer::singleShot(300, &application, [&] {
            if (!app.frame()->grab().save(png, "PNG")) {
                std::fprintf(stderr, "pelmora: ei saanud pilti %s salvestada\n", qPrintable(png));
                status = 1;
            }
            app.writeSettings();
            QApplication::exit(status);
        });
        const int result = QApplication::exec();
        return status != 0 ? status : result;
    }
    return QApplication::exec();
}
