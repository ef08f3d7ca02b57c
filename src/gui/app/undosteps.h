// The undo and redo entries name the step they would take ("Võta tagasi: tükelda lause").
#pragma once

#include <QString>

#include <string>

class QAction;

namespace pelmora {
class CPelmoraDoc;
}

namespace pelmora::gui {

// The menu text for a step: the entry's own text with ": <step>" before the accelerator.
QString stepText(const QString& entry, const std::string& step);
// Enables the two entries as the document allows and names their steps in text and tool tip.
void showUndoSteps(const CPelmoraDoc& doc, QAction* undo, QAction* redo);

}  // namespace pelmora::gui
