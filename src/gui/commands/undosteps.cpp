#include "commands/undosteps.h"

#include "app/commandactions.h"

#include <QAction>
#include <QCoreApplication>

namespace pelmora::gui {

QString stepText(const QString& entry, const std::string& step)
{
    if (step.empty())
        return entry;
    const qsizetype tab = entry.indexOf('\t');
    const QString name = QCoreApplication::translate("core", step.c_str());
    if (tab < 0)
        return entry + ": " + name;
    return entry.left(tab) + ": " + name + entry.mid(tab);
}

namespace {

void showStep(QAction* action, Command command, bool possible, const std::string& step)
{
    if (!action)
        return;
    const CommandInfo& info = commandInfo(command);
    action->setEnabled(possible);
    action->setText(stepText(shownText(info.text), possible ? step : std::string()));
    action->setToolTip(stepText(shownText(info.toolTip), possible ? step : std::string()));
}

}  // namespace

void showUndoSteps(const CPelmoraDoc& doc, QAction* undo, QAction* redo)
{
    showStep(undo, Command::Undo, doc.canUndo(), doc.undoName());
    showStep(redo, Command::Redo, doc.canRedo(), doc.redoName());
}

UndoCommands::UndoCommands(CPelmoraDoc& doc, const CommandActions& actions)
    : m_doc(doc), m_undo(actions[Command::Undo]), m_redo(actions[Command::Redo])
{
    QObject::connect(m_undo, &QAction::triggered, m_undo, [this] { m_doc.undo(); });
    QObject::connect(m_redo, &QAction::triggered, m_redo, [this] { m_doc.redo(); });
    m_doc.addObserver(this);
    historyChanged();
}

UndoCommands::~UndoCommands()
{
    m_doc.removeObserver(this);
}

}  // namespace pelmora::gui
