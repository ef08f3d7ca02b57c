// The workbench program: pelmora [--settings FILE] [--screenshot PNG] [TEXT]
#include "app/appearance.h"
#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/guiprompter.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/settingsstore.h"

#include <QApplication>
#include <QCommandLineParser>
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

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Pelmora");
    QApplication::setApplicationVersion(PELMORA_VERSION);
    setUpAppearance();

    QCommandLineParser parser;
    parser.setApplicationDescription("Pelmora: liivi keele tekstide märgendamise töölaud");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsOption("settings", "Seaded sellest INI-failist (luuakse, kui puudub).", "FILE");
    const QCommandLineOption screenshotOption("screenshot", "Salvesta peaaken PNG-pildina ja lõpeta.", "PNG");
    parser.addOption(settingsOption);
    parser.addOption(screenshotOption);
    parser.addPositionalArgument("TEXT", "Avatav korpusetekst.");
    parser.process(application);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("pelmora: anna ainult üks avatav tekst\n", stderr);
        return 2;
    }

    const QString settingsPath =
        parser.isSet(settingsOption) ? parser.value(settingsOption) : defaultSettingsPath();
    const QString textPath = parser.positionalArguments().isEmpty() ? QString() : parser.positionalArguments().front();

    const bool screenshot = parser.isSet(screenshotOption);
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
        const QString png = parser.value(screenshotOption);
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
