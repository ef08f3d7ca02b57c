// Undo and redo: the entries take the document's steps and name the step they would take
// ("Võta tagasi: tükelda lause") whenever the document says that its history changed.
#pragma once

#include "text/pelmoradoc.h"

#include <QString>

#include <string>

class QAction;

namespace pelmora::gui {

class CommandActions;

// The menu text for a step: the entry's own text with ": <step>" before the accelerator.
QString stepText(const QString& entry, const std::string& step);
// Enables the two entries as the document allows and names their steps in text and tool tip.
void showUndoSteps(const CPelmoraDoc& doc, QAction* undo, QAction* redo);

// Binds "&Võta tagasi" and "T&ee uuesti" to the document and names them now and at every
// change of its history. While a command is half-way its step is not there yet: the entries
// keep what they show and are named once its change group has closed.
class UndoCommands final : public DocumentObserver {
public:
    UndoCommands(CPelmoraDoc& doc, const CommandActions& actions);
    ~UndoCommands() override;
    UndoCommands(const UndoCommands&) = delete;
    UndoCommands& operator=(const UndoCommands&) = delete;

    void historyChanged() override { showUndoSteps(m_doc, m_undo, m_redo); }

private:
    CPelmoraDoc& m_doc;
    QAction* m_undo;
    QAction* m_redo;
};

}  // namespace pelmora::gui
