#include "commands/analysercommands.h"

#include "app/analyserloader.h"
#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "commands/longrun.h"
#include "dialogs/preannotationdialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace pelmora::gui {

namespace {

constexpr const char* kNoAnalyserFile = QT_TRANSLATE_NOOP(
    "AnalyserCommands", "Eelmärgendamiseks on vaja kohalikku analüsaatorit (.hfstol faili).\nKas valid selle soovitaja seadetes?");

}  // namespace

AnalyserCommands::AnalyserCommands(CPelmoraApp& app, AnalyserLoader& loader, QWidget* parent)
    : QObject(parent), m_app(app), m_loader(loader), m_parent(parent)
{
}

void AnalyserCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::Preannotate, &AnalyserCommands::preannotate}});
}

bool AnalyserCommands::haveAnalyserFile()
{
    if (!m_app.settings().analyserFile.empty())
        return true;
    if (!m_app.prompter().askYesNo(toStd(QCoreApplication::translate("AnalyserCommands", "Eelmärgendamine")), toStd(QCoreApplication::translate("AnalyserCommands", kNoAnalyserFile))))
        return false;
    return m_app.runSettingsDialog() && !m_app.settings().analyserFile.empty();
}

void AnalyserCommands::preannotate()
{
    CPelmoraDoc& doc = m_app.doc();
    if (!doc.hasText() || !haveAnalyserFile())
        return;
    PreannotationDialog dialog(toQt(m_app.settings().analyserFile), m_factor, m_parent);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    m_factor = dialog.factor();

    std::shared_ptr<const LocalAnalyser> analyser;
    {
        const OverrideCursor busy(Qt::BusyCursor);
        m_loader.waitForLoad();
        analyser = m_loader.holder().analyser(m_app.prompter());  // a failure is told here, once
    }
    if (!analyser)
        return;
    CDictionary& dictionary = m_app.dictionary();
    const CDictionary* evidence = nullptr;
    if (dictionary.isValid()) {
        dictionary.reloadIfChanged();  // other users' confirmations count too
        evidence = &dictionary;
    }
    PreannotationResult result;
    std::unique_ptr<QProgressDialog> window;
    {
        const OverrideCursor busy(Qt::BusyCursor);
        const InputGuard guard(m_parent ? m_parent->window() : nullptr, window);
        result = preannotateText(doc, *analyser, evidence, m_factor,
                                 longRunProgress(window, m_parent, QCoreApplication::translate("AnalyserCommands", "Eelmärgendan: %1 / %2 sõnet"),
                                                 m_progressHook));
    }
    window.reset();
    if (!result.cancelled)
        m_app.prompter().message(MessageKind::Information, toStd(QCoreApplication::translate("AnalyserCommands", "Eelmärgendamine")), preannotationReport(result));
}

}  // namespace pelmora::gui
