#include "app/undosteps.h"

#include "app/commands.h"
#include "text/pelmoradoc.h"

#include <QAction>

namespace pelmora::gui {

QString stepText(const QString& entry, const std::string& step)
{
    if (step.empty())
        return entry;
    const qsizetype tab = entry.indexOf('\t');
    const QString name = QString::fromStdString(step);
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
    action->setText(stepText(info.text, possible ? step : std::string()));
    action->setToolTip(stepText(info.toolTip, possible ? step : std::string()));
}

}  // namespace

void showUndoSteps(const CPelmoraDoc& doc, QAction* undo, QAction* redo)
{
    showStep(undo, Command::Undo, doc.canUndo(), doc.undoName());
    showStep(redo, Command::Redo, doc.canRedo(), doc.redoName());
}

}  // namespace pelmora::gui
