// The local analyser the setting "AnalyserFile" names, loaded on a worker thread so that a large
// transducer never holds up the window; the form and the pre-annotation share it.
#pragma once

#include "annotation/localanalyser.h"

#include <QObject>

#include <string>

class QThread;

namespace pelmora {
struct Settings;
}

namespace pelmora::gui {

class AnalyserLoader final : public QObject {
    Q_OBJECT
public:
    explicit AnalyserLoader(QObject* parent = nullptr);
    ~AnalyserLoader() override;
    AnalyserLoader(const AnalyserLoader&) = delete;
    AnalyserLoader& operator=(const AnalyserLoader&) = delete;

    // Takes the confirmed settings; a file that is named and not yet loaded starts loading.
    void settingsConfirmed(const Settings& settings);

    LocalAnalyserHolder& holder() { return m_holder; }
    // Waits for a load that is running (for commands that cannot go on without the analyser).
    void waitForLoad();

Q_SIGNALS:
    // A load was handed in (the analyser or its failure): proposals can be asked again.
    void loaded();

private:
    void startLoading();
    void finishThread();

    LocalAnalyserHolder m_holder;
    QThread* m_thread = nullptr;
};

}  // namespace pelmora::gui
