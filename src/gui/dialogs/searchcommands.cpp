// Placeholder until the search dialogs are built.
#include "dialogs/searchcommands.h"

namespace pelmora::gui {

SearchCommands::SearchCommands(CPelmoraDoc& doc, TextSearch& search, DialogRunner& dialogs, QWidget* parent)
    : QObject(parent), m_doc(doc), m_search(search), m_dialogs(dialogs), m_parent(parent)
{
}

void SearchCommands::find() {}
void SearchCommands::findNext() {}
void SearchCommands::partOfWordSearch() {}
void SearchCommands::replace() {}
void SearchCommands::suspectedErrors() {}
void SearchCommands::automaticChanges() {}
void SearchCommands::removeAutomaticMarks() {}
void SearchCommands::clearSearches() {}
void SearchCommands::rememberPosition() {}
void SearchCommands::goToRememberedPosition() {}
void SearchCommands::goToPage() {}
void SearchCommands::goToIdentifier() {}
void SearchCommands::goToClipboardIdentifier() {}
void SearchCommands::nextMarked() {}
void SearchCommands::previousMarked() {}

}  // namespace pelmora::gui
