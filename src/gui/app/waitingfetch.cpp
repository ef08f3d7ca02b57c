#include "app/waitingfetch.h"

#include "app/overridecursor.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

namespace pelmora::gui {

HttpFetch waitingFetch(HttpFetch fetch)
{
    if (!fetch)
        fetch = httpGet;
    return [fetch](const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes) {
        HttpResult result;
        QEventLoop loop;
        const OverrideCursor wait;
        std::thread worker([&] {
            try {
                result = fetch(url, timeout, maxBytes);
            } catch (const std::exception& error) {
                result = HttpResult{};
                result.error = error.what();
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        worker.join();
        return result;
    };
}

}  // namespace pelmora::gui
