#include "commands/searchcommands.h"

#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "dialogs/gotoidentifierdialog.h"
#include "dialogs/gotopagedialog.h"
#include "dialogs/replacedialog.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pelmora::gui {

SearchCommands::SearchCommands(CPelmoraDoc& doc, TextSearch& search, DialogRunner& dialogs, QWidget* parent)
    : QObject(parent), m_doc(doc), m_search(search), m_dialogs(dialogs), m_parent(parent)
{
}

void SearchCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::Find, &SearchCommands::find},
                        {Command::FindNext, &SearchCommands::findNext},
                        {Command::PartOfWordSearch, &SearchCommands::partOfWordSearch},
                        {Command::Replace, &SearchCommands::replace},
                        {Command::SuspectedErrors, &SearchCommands::suspectedErrors},
                        {Command::AutomaticChanges, &SearchCommands::automaticChanges},
                        {Command::RemoveAutomaticMarks, &SearchCommands::removeAutomaticMarks},
                        {Command::ClearSearches, &SearchCommands::clearSearches},
                        {Command::RememberPosition, &SearchCommands::rememberPosition},
                        {Command::GoToRememberedPosition, &SearchCommands::goToRememberedPosition},
                        {Command::GoToPage, &SearchCommands::goToPage},
                        {Command::GoToIdentifier, &SearchCommands::goToIdentifier},
                        {Command::GoToClipboardIdentifier, &SearchCommands::goToClipboardIdentifier},
                        {Command::NextMarked, &SearchCommands::nextMarked},
                        {Command::PreviousMarked, &SearchCommands::previousMarked}});
}

bool SearchCommands::hasCurrentToken() const
{
    return static_cast<bool>(m_doc.currentToken());
}

void SearchCommands::find()
{
    if (!hasCurrentToken())
        return;
    SearchDialog dialog(m_lastSearch, m_dialogs, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    m_lastSearch = dialog.values();
    Q_EMIT searchReported(toQt(m_search.foundSummary(m_lastSearch.criteria)));
    // No wait cursor: the walk is quick, and "Ei leia" would show under it.
    m_search.searchFromDialog(m_lastSearch.criteria, m_lastSearch.mark, m_lastSearch.goToFirst,
                              m_lastSearch.direction);
    m_doc.updateAllViews();
}

void SearchCommands::findNext()
{
    if (!hasCurrentToken())
        return;
    if (m_search.findNext() == FindNextResult::NeedsDialog) {
        find();
        return;
    }
    Q_EMIT searchReported(toQt(m_search.foundSummary(*m_search.currentSearch())));
    m_doc.updateAllViews();
}

void SearchCommands::partOfWordSearch()
{
    if (!hasCurrentToken())
        return;
    PartOfWordDialog dialog(m_lastPartOfWord, m_dialogs, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    m_lastPartOfWord = dialog.values();
    m_search.partOfWordSearch(m_lastPartOfWord.criteria());
    Q_EMIT searchReported(toQt(m_search.foundSummary(*m_search.currentSearch())));
    m_doc.updateAllViews();
}

void SearchCommands::replace()
{
    if (!hasCurrentToken())
        return;
    ReplaceDialog dialog(m_search.automaticChangeColour(), m_dialogs, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    {
        const OverrideCursor wait;  // the command changes every token and shows no message
        m_search.replace(dialog.request());
    }
    m_doc.updateAllViews();
}

void SearchCommands::suspectedErrors()
{
    if (!hasCurrentToken())
        return;
    m_search.addSuspectedErrorsRule();
    m_doc.updateAllViews();
}

void SearchCommands::automaticChanges()
{
    if (!hasCurrentToken())
        return;
    m_search.addAutomaticChangesRule();
    m_doc.updateAllViews();
}

void SearchCommands::removeAutomaticMarks()
{
    if (!hasCurrentToken())
        return;
    {
        const OverrideCursor wait;  // the command changes every token and shows no message
        m_search.removeAutomaticChangeMarks();
    }
    m_doc.updateAllViews();
}

void SearchCommands::clearSearches()
{
    if (!hasCurrentToken())
        return;
    m_search.clearSearches();
    m_doc.updateAllViews();
}

void SearchCommands::rememberPosition()
{
    if (!hasCurrentToken())
        return;
    m_search.rememberPosition();
}

void SearchCommands::goToRememberedPosition()
{
    if (!hasCurrentToken())
        return;
    m_search.goToRememberedPosition();
    m_doc.updateAllViews();
}

void SearchCommands::goToPage()
{
    if (!hasCurrentToken())
        return;
    GoToPageDialog dialog(m_lastPage, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    m_lastPage = dialog.page();
    // As for the search: "Ei leidnud lehekülge" must not show under a wait cursor.
    m_search.goToPage(toStd(m_lastPage));
    m_doc.updateAllViews();
}

void SearchCommands::goToIdentifier()
{
    if (!hasCurrentToken())
        return;
    GoToIdentifierDialog dialog(m_lastSentence, m_lastToken, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    m_lastSentence = dialog.sentence();
    m_lastToken = dialog.token();
    m_search.goToIdentifier(m_lastSentence, m_lastToken);
    m_doc.updateAllViews();
}

void SearchCommands::goToClipboardIdentifier()
{
    if (!hasCurrentToken())
        return;
    m_search.goToClipboardIdentifier(toStd(QGuiApplication::clipboard()->text()));
    m_doc.updateAllViews();
}

void SearchCommands::nextMarked()
{
    if (!hasCurrentToken())
        return;
    m_search.goToNextMarkedToken();
    m_doc.updateAllViews();
}

void SearchCommands::previousMarked()
{
    if (!hasCurrentToken())
        return;
    m_search.goToPreviousMarkedToken();
    m_doc.updateAllViews();
}

}  // namespace pelmora::gui
