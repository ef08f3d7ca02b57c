// The local analyser the setting "AnalyserFile" names, loaded on a worker thread so that a large
// transducer never holds up the window; the form and the pre-annotation share it. Beside it, what
// the texts of the concordance folder confirm, read on a worker thread too and kept up to date as
// texts are saved: the evidence its proposals are ranked by.
#pragma once

#include "annotation/confirmedanalyses.h"
#include "annotation/localanalyser.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

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

    // Reads what the files confirm, unless these are the files read last; the former evidence
    // stays in use until the new one is in.
    void readConfirmedTexts(std::vector<std::string> files);
    // A text was saved: what it confirms now replaces what it confirmed (texts of the folder only).
    void textSaved(const std::string& path, XmlNode body);
    // Null until the first reading is in.
    const ConfirmedAnalyses* confirmedTexts() const { return m_confirmed.get(); }

Q_SIGNALS:
    // A load was handed in (the analyser or its failure): proposals can be asked again.
    void loaded();
    // The texts' evidence was read anew: confirmedTexts() has changed.
    void confirmedTextsRead();

private:
    void startLoading();
    static void finish(QThread*& thread);

    LocalAnalyserHolder m_holder;
    QThread* m_thread = nullptr;
    std::unique_ptr<ConfirmedAnalyses> m_confirmed;
    std::vector<std::string> m_confirmedFiles;  // the files of the last reading asked for
    QThread* m_textsThread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_textsStop;
};

}  // namespace pelmora::gui
