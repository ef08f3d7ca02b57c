// The annotation form on a long text with a large shared dictionary, against opening the text in
// the core: one remember-and-show-next step (remember, move, fill, repaint) and one keystroke in
// the headword field (fill and cascade), for two texts of which the second is ten times longer.
//
// Usage: gui_form_bench DICTIONARY.xml TEXT.xml LONGER_TEXT.xml   (QT_QPA_PLATFORM=offscreen)
#include "app/appearance.h"
#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "common/prompter.h"
#include "form/pelmoraformview.h"
#include "text/pelmoradoc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace pelmora;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class NoDialogs final : public gui::DialogRunner {
public:
    int run(QDialog&) override { return QDialog::Rejected; }
};

class NoFiles final : public gui::FileChooser {
public:
    QStringList choose(QWidget*, const gui::FileRequest&) override { return {}; }
};

// The batch open: the core alone, no window; median of three.
double coreOpen(const std::string& path)
{
    std::vector<double> opens;
    for (int run = 0; run < 3; ++run) {
        SilentPrompter prompter;
        CPelmoraDoc doc(prompter);
        const auto start = Clock::now();
        if (!doc.openDocument(path)) {
            std::fprintf(stderr, "cannot open %s\n", path.c_str());
            std::exit(1);
        }
        opens.push_back(secondsSince(start));
    }
    return median(opens);
}

// The batch open as the batch tool makes it: one open in a fresh process; best of three.
double freshOpen(const char* self, const QString& text)
{
    double best = 0;
    for (int run = 0; run < 3; ++run) {
        QProcess child;
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--open"), text});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            std::fprintf(stderr, "the open in a fresh process failed\n");
            std::exit(1);
        }
        const double took = child.readAllStandardOutput().trimmed().toDouble();
        best = run == 0 ? took : std::min(best, took);
    }
    return best;
}

// Counts the paint and layout events each widget gets, to show what a step repaints.
class EventCensus final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Paint || event->type() == QEvent::LayoutRequest) && watched->isWidgetType()) {
            QString name = QString::fromLatin1(watched->metaObject()->className()) + ' ' + watched->objectName();
            if (const auto* button = qobject_cast<QToolButton*>(watched); button && button->defaultAction())
                name += '"' + button->defaultAction()->text() + '"';
            name +=
                                 (event->type() == QEvent::Paint ? QStringLiteral(" paint") : QStringLiteral(" layout"));
            ++counts[name];
            if (event->type() == QEvent::Paint) {
                const QRect r = static_cast<QPaintEvent*>(event)->region().boundingRect();
                pixels[name] += qint64(r.width()) * r.height();
            }
        }
        return false;
    }
    void print(int steps) const
    {
        std::vector<std::pair<int, QString>> sorted;
        for (auto it = counts.begin(); it != counts.end(); ++it)
            sorted.emplace_back(it.value(), it.key());
        std::sort(sorted.rbegin(), sorted.rend());
        for (const auto& [count, name] : sorted)
            std::printf("  %6.2f per step %9lld px  %s\n", double(count) / steps, count ? pixels.value(name) / count : 0,
                        qPrintable(name));
    }
    QHash<QString, int> counts;
    QHash<QString, qint64> pixels;  // the painted bounding rectangles' areas
};

struct FormTimes {
    double open = 0;
    double freshOpen = 0;  // the same open in a process of its own
    double step = 0;
    double keystroke = 0;
    int steps = 0;
    int keystrokes = 0;
    double rememberPart = 0;  // the step's parts: remember, move and fill, repaint
    double movePart = 0;
    double paintPart = 0;
};

void sendKey(QWidget* widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// The whole window on the text and a copy of the dictionary, as a user starts it.
FormTimes measure(const QString& dictionary, const QString& text)
{
    FormTimes times;
    times.open = coreOpen(text.toStdString());

    QTemporaryDir dir;
    const QString dictionaryCopy = dir.filePath("sonastik.xml");
    const QString textCopy = dir.filePath("tekst.xml");
    QFile::copy(dictionary, dictionaryCopy);
    QFile::copy(text, textCopy);
    QFile ini(dir.filePath("pelmora.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(QStringLiteral("[Settings]\nShowOptionsDialog=0\nSuggestionType=1\nNewToDictionary=0\n"
                             "DictionaryPathName=%1\n")
                  .arg(dictionaryCopy)
                  .toUtf8());
    ini.close();

    SilentPrompter prompter;
    NoFiles files;
    NoDialogs dialogs;
    gui::CPelmoraApp app(ini.fileName(), prompter, files, dialogs);
    if (!app.start(textCopy, true)) {
        std::fprintf(stderr, "cannot start on %s\n", qPrintable(text));
        std::exit(1);
    }
    gui::CMainFrame& frame = *app.frame();
    frame.resize(1100, 800);
    QCoreApplication::processEvents();
    gui::CPelmoraFormView& form = *frame.formView();

    // A few steps first, as a user's first minutes: the fonts' glyphs and the words' layouts are
    // made on the first paints.
    for (int i = 0; i < 50; ++i) {
        form.rememberAndShowNext();
        QCoreApplication::processEvents();
    }
    // Remember and show next, each with the window's update and repaint.
    times.steps = std::getenv("FORM_BENCH_STEPS") ? std::atoi(std::getenv("FORM_BENCH_STEPS")) : 500;
    const auto start = Clock::now();
    for (int i = 0; i < times.steps; ++i) {
        form.rememberAndShowNext();
        QCoreApplication::processEvents();
    }
    times.step = secondsSince(start) / times.steps;

    // The same step in its parts, to show where the time goes.
    const int parts = 200;
    EventCensus census;
    const bool countEvents = std::getenv("FORM_BENCH_EVENTS") != nullptr;
    if (countEvents)
        QCoreApplication::instance()->installEventFilter(&census);
    for (int i = 0; i < parts; ++i) {
        auto t = Clock::now();
        form.remember();
        times.rememberPart += secondsSince(t);
        t = Clock::now();
        form.showNext();
        times.movePart += secondsSince(t);
        t = Clock::now();
        QCoreApplication::processEvents();
        times.paintPart += secondsSince(t);
    }
    if (countEvents) {
        QCoreApplication::instance()->removeEventFilter(&census);
        std::printf("events per step on %s:\n", qPrintable(QFileInfo(text).fileName()));
        census.print(parts);
    }
    times.rememberPart /= parts;
    times.movePart /= parts;
    times.paintPart /= parts;

    // Keystrokes in the headword field: a letter typed and taken back, each with its fills.
    QLineEdit* headword = form.headwordEdit();
    headword->setFocus();
    headword->end(false);
    times.keystrokes = 400;
    const auto typing = Clock::now();
    for (int i = 0; i < times.keystrokes / 2; ++i) {
        sendKey(headword, Qt::Key_A, QStringLiteral("a"));
        QCoreApplication::processEvents();
        sendKey(headword, Qt::Key_Backspace, QString());
        QCoreApplication::processEvents();
    }
    times.keystroke = secondsSince(typing) / times.keystrokes;
    app.doc().setModifiedFlag(false);
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--open") {
        SilentPrompter prompter;
        CPelmoraDoc doc(prompter);
        const auto start = Clock::now();
        if (!doc.openDocument(argv[2]))
            return 1;
        std::printf("%.6f\n", secondsSince(start));
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DICTIONARY.xml TEXT.xml LONGER_TEXT.xml\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    gui::setUpAppearance();  // the style the workbench runs with
    const QString dictionary = QString::fromLocal8Bit(argv[1]);
    FormTimes small = measure(dictionary, QString::fromLocal8Bit(argv[2]));
    FormTimes large = measure(dictionary, QString::fromLocal8Bit(argv[3]));
    small.freshOpen = freshOpen(argv[0], QString::fromLocal8Bit(argv[2]));
    large.freshOpen = freshOpen(argv[0], QString::fromLocal8Bit(argv[3]));

    std::printf("%-40s %14s %14s\n", "", "text", "10x text");
    std::printf("%-40s %12.3f s %12.3f s\n", "core open, same process (median of 3)", small.open, large.open);
    std::printf("%-40s %12.3f s %12.3f s\n", "core open, fresh process (best of 3)", small.freshOpen,
                large.freshOpen);
    std::printf("%-40s %11.3f ms %11.3f ms\n", "remember and show next (mean)", small.step * 1e3, large.step * 1e3);
    std::printf("%-40s %11.3f ms %11.3f ms\n", "  of it: remember", small.rememberPart * 1e3, large.rememberPart * 1e3);
    std::printf("%-40s %11.3f ms %11.3f ms\n", "  of it: move and fill", small.movePart * 1e3, large.movePart * 1e3);
    std::printf("%-40s %11.3f ms %11.3f ms\n", "  of it: repaint", small.paintPart * 1e3, large.paintPart * 1e3);
    std::printf("%-40s %11.3f ms %11.3f ms\n", "headword keystroke (mean)", small.keystroke * 1e3,
                large.keystroke * 1e3);
    std::printf("remember and show next vs core open, same process: ratio %.5f, 10x text %.5f (target <= %.5f)\n",
                small.step / small.open, large.step / large.open, 1.0 / 200);
    std::printf("remember and show next vs core open in a fresh process: ratio %.5f, 10x text %.5f (target <= %.5f)\n",
                small.step / small.freshOpen, large.step / large.freshOpen, 1.0 / 200);
    std::printf("headword keystroke vs core open: ratio %.5f, 10x text %.5f (target <= %.5f)\n",
                small.keystroke / small.open, large.keystroke / large.open, 1.0 / 500);
    std::printf("10x text / text, absolute: step %.2f, keystroke %.2f (flat: near 1)\n", large.step / small.step,
                large.keystroke / small.keystroke);
    return 0;
}
