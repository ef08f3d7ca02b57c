#include "app/analyserloader.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <atomic>
#include <memory>
#include <optional>

namespace pelmora::gui {

AnalyserLoader::AnalyserLoader(QObject* parent) : QObject(parent) {}

AnalyserLoader::~AnalyserLoader()
{
    if (m_textsStop)
        m_textsStop->store(true);
    finish(m_textsThread);
    finish(m_thread);
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
    finish(m_thread);  // a load for a former path: its result would not be taken anyway
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

void AnalyserLoader::finish(QThread*& thread)
{
    if (!thread)
        return;
    thread->wait();
    delete thread;
    thread = nullptr;
}

void AnalyserLoader::readConfirmedTexts(std::vector<std::string> files)
{
    if (files == m_confirmedFiles)
        return;
    if (m_textsStop)
        m_textsStop->store(true);
    finish(m_textsThread);
    m_confirmedFiles = files;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_textsStop = stop;
    m_textsThread = QThread::create([this, files = std::move(files), stop] {
        std::optional<ConfirmedAnalyses> read =
            ConfirmedAnalyses::build(files, [&stop](std::size_t, std::size_t) { return !stop->load(); });
        if (!read)
            return;
        auto built = std::make_shared<ConfirmedAnalyses>(std::move(*read));
        QMetaObject::invokeMethod(
            this,
            [this, built, stop] {
                if (stop->load())
                    return;  // a newer reading was asked for
                m_confirmed = std::make_unique<ConfirmedAnalyses>(std::move(*built));
                Q_EMIT confirmedTextsRead();
            },
            Qt::QueuedConnection);
    });
    m_textsThread->start();
}

void AnalyserLoader::textSaved(const std::string& path, XmlNode body)
{
    if (!m_confirmed)
        return;
    std::error_code error;
    const std::filesystem::path saved = std::filesystem::weakly_canonical(path, error);
    for (const std::string& file : m_confirmedFiles) {
        if (std::filesystem::weakly_canonical(file, error) == saved) {
            m_confirmed->setText(path, body);
            return;
        }
    }
}

}  // namespace pelmora::gui
