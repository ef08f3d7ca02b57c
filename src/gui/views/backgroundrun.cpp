#include "views/backgroundrun.h"

#include <utility>

namespace pelmora::gui {

int BackgroundRun::start(Work work)
{
    stop();
    const int run = ++m_run;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_thread = QThread::create([work = std::move(work), run, flag = m_stop] { work(run, *flag); });
    m_thread->start();
    return run;
}

void BackgroundRun::stop()
{
    if (!m_thread)
        return;
    m_stop->store(true);
    finished();
    ++m_run;
}

void BackgroundRun::finished()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

}  // namespace pelmora::gui
