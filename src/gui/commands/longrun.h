// What a long run on the document or the dictionary needs in the window: a progress window that
// shows once the work has gone on for a moment and says stop after "&Loobu", and a guard that
// keeps the keyboard and the mouse from the main window meanwhile.
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace pelmora::gui {

// While a long run works on the document or the dictionary, the progress window lets events
// through (so that "Loobu" can be pressed), also before it shows itself. From the first report
// on, the keyboard and the mouse do not reach the main window and its commands meanwhile, so no
// command can run inside the run; message boxes and the progress window itself still work.
class InputGuard final : public QObject {
public:
    InputGuard(QWidget* mainWindow, const std::unique_ptr<QProgressDialog>& window);
    ~InputGuard() override;
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inMainWindow(QObject* object) const;

    QWidget* m_main;
    const std::unique_ptr<QProgressDialog>& m_window;
};

// A progress function for the core: the window is made at the first report (after the questions
// the core asks first), window-modal over `parent`, with the label's "%1" and "%2" as done and
// total; `hook` sees it after each update (tests press "&Loobu" there). False once cancelled.
std::function<bool(std::size_t, std::size_t)> longRunProgress(std::unique_ptr<QProgressDialog>& window,
                                                              QWidget* parent, const QString& label,
                                                              std::function<void(QProgressDialog&)> hook);

}  // namespace pelmora::gui
