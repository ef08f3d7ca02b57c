// The commands of the page "Ebakõlad": opening an occurrence's text at its token, and "Rakenda
// valitutele", which gives the chosen analysis to the selected occurrences after a preview of
// the count and a confirmation. Other files change through the core's safe, one-file-at-a-time
// application (a file changed on disk since it was read is left alone and reported); the open
// text changes in the window as one undoable step, and its file is not written behind its back.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace pelmora::gui {

class CPelmoraApp;
class FileCommands;
class OverviewDock;

class InconsistencyCommands final : public QObject {
    Q_OBJECT
public:
    // `textView` takes the keyboard after an occurrence opens; progress windows stand over `parent`.
    InconsistencyCommands(CPelmoraApp& app, FileCommands& files, OverviewDock& dock, QWidget& textView,
                          QWidget* parent);

    // Gives the chosen analysis to the selected occurrences (see the header's comment).
    void applyToSelected();
    // Tests press "&Loobu" here: called after each update of the progress window.
    void setProgressHook(std::function<void(QProgressDialog&)> hook) { m_progressHook = std::move(hook); }

private:
    void openOccurrence(const QString& file, const QString& tokenId);

    CPelmoraApp& m_app;
    FileCommands& m_files;
    OverviewDock& m_dock;
    QWidget& m_textView;
    QWidget* m_parent;
    std::function<void(QProgressDialog&)> m_progressHook;
};

}  // namespace pelmora::gui
