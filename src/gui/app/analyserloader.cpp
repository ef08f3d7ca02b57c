#include "app/analyserloader.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>

namespace pelmora::gui {

AnalyserLoader::AnalyserLoader(QObject* parent) : QObject(parent) {}

AnalyserLoader::~AnalyserLoader()
{
    finishThread();
}

void AnalyserLoader::settingsConfirmed(const Settings& settings)
{
    m_holder.settingsConfirmed(settings);
    startLoading();
}

void AnalyserLoader::startLoading()
{
    if (!m_holder.needsLoading() || m_holder.isLoading())
        return;
    finishThread();  // a load for a former path: its result would not be taken anyway
    const std::string path = m_holder.path();
    m_holder.markLoading();
    m_thread = QThread::create([this, path] {
        auto load = std::make_shared<AnalyserLoad>(LocalAnalyser::load(path));
        QMetaObject::invokeMethod(
            this,
            [this, path, load] {
                const bool awaited = path == m_holder.path() && m_holder.isLoading();
                m_holder.adopt(path, std::move(*load));
                if (awaited)
                    Q_EMIT loaded();
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
}

void AnalyserLoader::waitForLoad()
{
    if (!m_holder.isLoading() || !m_thread)
        return;
    m_thread->wait();
    // The result is queued to this thread: take it now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void AnalyserLoader::finishThread()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

}  // namespace pelmora::gui
