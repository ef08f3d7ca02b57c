// The "Otsing" menu's commands: each opens its dialog where it has one, then calls the text
// view's search state and redraws.
#pragma once

#include "app/dialogrunner.h"
#include "common/prompter.h"
#include "dialogs/partofworddialog.h"
#include "dialogs/searchdialog.h"
#include "search/textsearch.h"
#include "text/pelmoradoc.h"

#include <QObject>
#include <QString>

class QWidget;

namespace pelmora::gui {

class CommandActions;

class SearchCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs, `dialogs` runs them; the clipboard is read through QGuiApplication.
    SearchCommands(CPelmoraDoc& doc, TextSearch& search, DialogRunner& dialogs, QWidget* parent);

    // Binds its commands' actions to its slots.
    void bind(const CommandActions& actions);

    // What the search dialog and the part-of-word dialog show at their next opening: the values
    // last accepted.
    const SearchDialogValues& lastSearch() const { return m_lastSearch; }
    const PartOfWordValues& lastPartOfWord() const { return m_lastPartOfWord; }

public Q_SLOTS:
    void find();                    // "&Otsi ..."
    void findNext();                // "Otsi &järgmine\tF3"
    void partOfWordSearch();        // "&Sõnaosa otsing ..."
    void replace();                 // "&Asenda ..."
    void suspectedErrors();         // "Otsi vi&gu ..."
    void automaticChanges();        // "Otsi a&utomaatselt muudetud kirjed"
    void removeAutomaticMarks();    // "&Kustusta failist automaatsete muutuste märgendid"
    void clearSearches();           // "&Tühista senised otsingud"
    void rememberPosition();        // "Jäta meelde &praegune asukoht"
    void goToRememberedPosition();  // "&Mine meelde jäetud kohta"
    void goToPage();                // "Mine &leheküljele ..."
    void goToIdentifier();          // "Otsi I&D ..."
    void goToClipboardIdentifier(); // toolbar "Otsib sõneID"
    void nextMarked();              // "Jä&rgmine värviga märgitud sõna"
    void previousMarked();          // "&Eelmine värviga märgitud sõna"

Q_SIGNALS:
    // After every search: how many tokens it found and with what, for the status line.
    void searchReported(const QString& summary);

private:
    // Every command needs a current token; without one it does nothing.
    bool hasCurrentToken() const;

    CPelmoraDoc& m_doc;
    TextSearch& m_search;
    DialogRunner& m_dialogs;
    QWidget* m_parent;
    SearchDialogValues m_lastSearch;
    PartOfWordValues m_lastPartOfWord;
    QString m_lastPage;
    int m_lastSentence = 1;
    int m_lastToken = 1;
};

}  // namespace pelmora::gui
