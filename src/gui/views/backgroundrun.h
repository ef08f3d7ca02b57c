// One piece of a view's work on a thread of its own, a run at a time.
#pragma once

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace pelmora::gui {

// The worker thread of a view. Each run has its own stop flag and number; what a run posts back
// carries its number, and `isCurrent` tells apart what a stopped or replaced run still posted,
// which the view drops. The owner stops the run in its destructor, before the members the work
// uses go.
class BackgroundRun {
public:
    using Work = std::function<void(int run, const std::atomic<bool>& stop)>;

    BackgroundRun() = default;
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;
    ~BackgroundRun() { stop(); }

    // Starts `work` with the new run's number and stop flag; a run under way is stopped first.
    int start(Work work);
    // Stops the run under way and waits for it; what it still posts is no longer current.
    void stop();
    // The run said it has ended: its thread is let go (it posts nothing more).
    void finished();

    bool running() const { return m_thread != nullptr; }
    bool isCurrent(int run) const { return run == m_run; }

private:
    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop;
    int m_run = 0;
};

}  // namespace pelmora::gui
