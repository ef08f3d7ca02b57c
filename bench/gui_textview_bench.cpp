// The running text on a long corpus text, against opening the same text in the core: the first
// layout, moving the current token, a width change, painting a screen and peak memory.
//
// Usage: gui_textview_bench TEXT.xml   (QT_QPA_PLATFORM=offscreen)
#include "app/appearance.h"
#include "common/prompter.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"
#include "views/textview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>

#include <sys/resource.h>

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

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The batch open: the core alone, no window; best of three opens into one document, as the
// window's opens below are.
double coreOpen(const std::string& path)
{
    SilentPrompter prompter;
    CPelmoraDoc doc(prompter);
    double best = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        if (!doc.openDocument(path)) {
            std::fprintf(stderr, "cannot open %s\n", path.c_str());
            std::exit(1);
        }
        const double took = secondsSince(start);
        best = run == 0 ? took : std::min(best, took);
    }
    return best;
}

void report(const char* name, double ratio, const char* target)
{
    std::printf("%s: ratio %.4g (target <= %s)\n", name, ratio, target);
}

// Counts the paints of a widget, to show that the moves really repaint.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A child process for one phase, as a user starts the program: prints its peak resident size in
// kB and the seconds of its one open (the window's with the first layout and paint).
int memoryPhase(const std::string& phase, const std::string& path, int argc, char** argv)
{
    if (phase == "core") {
        SilentPrompter prompter;
        CPelmoraDoc doc(prompter);
        const auto start = Clock::now();
        if (!doc.openDocument(path))
            return 1;
        const double took = secondsSince(start);
        std::printf("%ld %.6f\n", peakKilobytes(), took);
        return 0;
    }
    QApplication app(argc, argv);
    gui::setUpAppearance();  // the style the workbench runs with
    SilentPrompter prompter;
    CPelmoraDoc doc(prompter);
    Settings settings;
    gui::CTextView view(doc, settings);
    view.resize(1000, 700);
    view.show();
    QCoreApplication::processEvents();
    const auto start = Clock::now();
    if (!doc.openDocument(path))
        return 1;
    view.ensureLayout();
    QCoreApplication::processEvents();
    const double took = secondsSince(start);
    for (int i = 0; i < 100; ++i)
        doc.goToNextToken();
    QCoreApplication::processEvents();
    std::printf("%ld %.6f\n", peakKilobytes(), took);
    return 0;
}

struct PhaseResult {
    long peak = 0;
    double seconds = 0;
};

PhaseResult childPhase(const char* self, const char* phase, const std::string& path)
{
    QProcess child;
    child.start(QString::fromLocal8Bit(self), {QStringLiteral("--memory"), QString::fromLatin1(phase),
                                              QString::fromStdString(path)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "memory phase %s failed\n", phase);
        std::exit(1);
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    return {fields.value(0).toLong(), fields.value(1).toDouble()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--memory")
        return memoryPhase(argv[2], argv[3], argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TEXT.xml\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    QApplication app(argc, argv);
    gui::setUpAppearance();  // the style the workbench runs with

    // (e) peak memory, each phase in a process of its own, started while this one is still small
    // (a child starts with the peak of its parent).
    // (a) too: each open as a fresh process makes it, best of three alternating runs.
    PhaseResult core = childPhase(argv[0], "core", path);
    PhaseResult window = childPhase(argv[0], "window", path);
    const long corePeak = core.peak;
    const long windowPeak = window.peak;
    for (int run = 1; run < 3; ++run) {
        core.seconds = std::min(core.seconds, childPhase(argv[0], "core", path).seconds);
        window.seconds = std::min(window.seconds, childPhase(argv[0], "window", path).seconds);
    }

    // The core open is timed before and after the window's work, and the better one counts: the
    // first opens of a process pay for fresh memory that later ones find ready.
    double open = coreOpen(path);

    SilentPrompter prompter;
    CPelmoraDoc doc(prompter);
    Settings settings;
    gui::CTextView view(doc, settings);
    view.resize(1000, 700);
    view.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);

    // (a) open with the view attached, first layout and first paint; best of three like the
    // core open (each open replaces the text).
    double firstLayout = 0;
    auto start = Clock::now();
    for (int run = 0; run < 3; ++run) {
        start = Clock::now();
        if (!doc.openDocument(path))
            return 1;
        view.ensureLayout();
        QCoreApplication::processEvents();
        const double took = secondsSince(start);
        firstLayout = run == 0 ? took : std::min(firstLayout, took);
    }
    std::size_t tokens = 0;
    // The layout alone, in a second view of the open text.
    double layoutAlone = 0;
    {
        gui::CTextView second(doc, settings);
        second.resize(1000, 700);
        start = Clock::now();
        second.ensureLayout();
        layoutAlone = secondsSince(start);
        tokens = second.measuredTokenCount();
    }

    // (b) 1000 moves to the next token, each with its update and repaint.
    const std::size_t measuredBefore = view.measuredTokenCount();
    const int paintsBefore = counter.paints;
    const int moves = 1000;
    start = Clock::now();
    for (int i = 0; i < moves; ++i) {
        doc.goToNextToken();
        QCoreApplication::processEvents();
    }
    const double perMove = secondsSince(start) / moves;
    const double measuredPerMove = double(view.measuredTokenCount() - measuredBefore) / moves;
    const int movePaints = counter.paints - paintsBefore;

    // (c) a width change: reflow only.
    const std::size_t measuredBeforeResize = view.measuredTokenCount();
    start = Clock::now();
    view.resize(800, 700);
    view.ensureLayout();
    const double reflow = secondsSince(start);
    const bool remeasured = view.measuredTokenCount() != measuredBeforeResize;

    // (d) painting a screen in the middle of the text, average of 20.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int paints = 20;
    start = Clock::now();
    for (int i = 0; i < paints; ++i)
        view.viewport()->render(&image);
    const double screen = secondsSince(start) / paints;
    doc.closeDocument();
    open = std::min(open, coreOpen(path));

    std::printf("text: %s, %zu tokens; core open %.3f s, open + first layout %.3f s (layout alone %.3f s)\n",
                path.c_str(), tokens, open, firstLayout, layoutAlone);
    std::printf("move: %.1f us, %d paints in %d moves; reflow %.1f ms%s; screen paint %.2f ms\n", perMove * 1e6,
                movePaints, moves, reflow * 1e3, remeasured ? " (measured again!)" : "", screen * 1e3);
    std::printf("peak memory: core open %ld kB, window %ld kB\n", corePeak, windowPeak);
    std::printf("fresh processes: core open %.3f s, window open + first layout %.3f s\n", core.seconds,
                window.seconds);
    report("open + first layout vs core open (fresh processes)", window.seconds / core.seconds, "2");
    report("open + first layout vs core open (same process, warm)", firstLayout / open, "2");
    std::printf("tokens measured per move: %.4g (target 0)\n", measuredPerMove);
    report("move to next token vs core open", perMove / open, "0.001");
    report("width change reflow vs core open", reflow / open, "0.5");
    report("screen paint vs core open", screen / open, "0.01");
    report("window peak memory vs core open", double(windowPeak) / double(corePeak), "1.5");
    return 0;
}
