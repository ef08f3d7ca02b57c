// The commands that work with the local analyser: pre-annotating the open text for review.
#pragma once

#include "annotation/preannotation.h"

#include <QObject>

#include <functional>

class QProgressDialog;
class QWidget;

namespace pelmora::gui {

class AnalyserLoader;
class CPelmoraApp;
class CommandActions;

class AnalyserCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs; the loader holds the analyser the setting "AnalyserFile" names.
    AnalyserCommands(CPelmoraApp& app, AnalyserLoader& loader, QWidget* parent);

    void bind(const CommandActions& actions);
    // Called with the progress window after each of its updates (tests press "Loobu" there).
    void setProgressHook(std::function<void(QProgressDialog&)> hook) { m_progressHook = std::move(hook); }

public Q_SLOTS:
    void preannotate();  // "Eelmärgenda analüsaatoriga ..."

private:
    // True when the setting names an analyser file, after offering the settings dialog if not.
    bool haveAnalyserFile();

    CPelmoraApp& m_app;
    AnalyserLoader& m_loader;
    QWidget* m_parent;
    std::function<void(QProgressDialog&)> m_progressHook;
    double m_factor = kDefaultPreannotationFactor;  // the dialog's last value while the window is open
};

}  // namespace pelmora::gui
