// The "Otsing" menu's commands: each opens its dialog where it has one, then calls the text
// view's search state and redraws.
#pragma once

#include "app/dialogrunner.h"
#include "common/prompter.h"
#include "search/textsearch.h"
#include "text/pelmoradoc.h"

#include <QObject>

class QWidget;

namespace pelmora::gui {

class SearchCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs, `dialogs` runs them; the clipboard is read through QGuiApplication.
    SearchCommands(CPelmoraDoc& doc, TextSearch& search, DialogRunner& dialogs, QWidget* parent);

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

private:
    CPelmoraDoc& m_doc;
    TextSearch& m_search;
    DialogRunner& m_dialogs;
    QWidget* m_parent;
};

}  // namespace pelmora::gui
