// "Korpuse ülevaade" (Ctrl+Shift+O): the overview dock with its texts opened through the window's
// open-text path and its chart bars shown in the concordance; and the open text's progress in the
// status line ("Märgendatud 120/450 (27%)"), kept as the text changes.
#pragma once

#include "corpus/texttally.h"

#include <QObject>
#include <QString>

#include <memory>

class QDockWidget;
class QLabel;
class QMainWindow;

namespace pelmora::gui {

class CPelmoraApp;
class CommandActions;
class FileCommands;
class InconsistencyCommands;
class OverviewDock;
class UsageCommands;

class OverviewCommands final : public QObject {
    Q_OBJECT
public:
    // The dock and the status label go into `window`; `textView` takes the keyboard after a text
    // opens from the overview.
    OverviewCommands(CPelmoraApp& app, FileCommands& files, UsageCommands& usage, QDockWidget& concordance,
                     QMainWindow& window, QWidget& textView);
    ~OverviewCommands() override;

    void bind(const CommandActions& actions);
    // Shows the dock and reads the files; the first time it takes a third of the window's height.
    void showOverview();

    OverviewDock& dock() { return *m_dock; }
    InconsistencyCommands& inconsistencies() { return *m_inconsistencies; }
    // The status line's progress of the open text; hidden without a text.
    QLabel& progressLabel() { return *m_progressLabel; }

private:
    void openText(const QString& file);
    void showProgress();

    CPelmoraApp& m_app;
    FileCommands& m_files;
    QMainWindow& m_window;
    QWidget& m_textView;
    OverviewDock* m_dock = nullptr;
    InconsistencyCommands* m_inconsistencies = nullptr;
    QLabel* m_progressLabel = nullptr;
    QString m_shownPath;  // the open text's path the dock was last told
    std::unique_ptr<TextProgress> m_progress;
};

// "Märgendatud 120/450 (27%)".
QString progressText(const TextCounts& counts);

}  // namespace pelmora::gui
