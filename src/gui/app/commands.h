// The command table of the window: every command once, with its text, shortcuts and icon.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace pelmora::gui {

enum class Command {
    // "&Tekst"
    Open, ImportText, ImportDialect, ImportExchange, Save, SaveAs, ExportText, ExportExchange, MergeTexts, TextInfo,
    Lemmatise, Preannotate,
    AddTextToDictionary, Exit,
    // "&Otsing"
    Find, FindNext, PartOfWordSearch, Replace, SuspectedErrors, AutomaticChanges, RemoveAutomaticMarks,
    ClearSearches, RememberPosition, GoToRememberedPosition, GoToPage, GoToIdentifier, NextMarked,
    PreviousMarked,
    // "&Päringud"
    SimpleDictionary, Statistics, MultiFileQuery, ShowUsage, CorpusOverview,
    // "Töö&vahendid"
    SuggesterSettings, EditDictionary, DictionaryTable, ExportDictionary, AnalyseDictionary, Transformations, NormaliseText,
    // "&Redaktor"
    Undo, Redo, Cut, Copy, Paste, CopyToken, ModifyToken, DeleteToken, AddToken, MergeSentences, SplitSentence,
    AudioPosition, PlaySentence,
    // "&Aken", "&Info"
    ToggleToolbar, About,
    // Without a menu entry: the toolbar, the accelerators, the context menu.
    NewDocument, Print, GoToClipboardIdentifier, CopySentence, ShowWordFormUsage, FirstToken,
    LastToken, NextToken, PreviousToken, NextSentence, PreviousSentence, NextPane, PreviousPane,
    StartCombination,
    Count
};

// What a command needs before it can run. OwnRule: its controller enables it (the clipboard
// commands follow the focused field, undo and redo the history), the window's update leaves it.
enum class Needs { Nothing, Text, CurrentToken, OwnRule };

struct CommandInfo {
    Command command;
    QString text;                    // the menu text with its mnemonic and "\t" accelerator text
    QList<QKeySequence> shortcuts;   // every key that runs it
    Needs needs = Needs::Nothing;
    QString icon;                    // theme icon name for the toolbar; empty when it has none
    QString toolTip;                 // the toolbar's tool tip
    bool later = false;              // its dialog is not built yet: present and disabled
};

// The texts of these tables are the Estonian source texts (context "Command"); this is the text
// a user sees: its translation into the interface's language, the text itself in Estonian.
QString shownText(const QString& tableText);

// Every command in the order of the enumeration.
const std::vector<CommandInfo>& commandTable();
const CommandInfo& commandInfo(Command command);

// The menus: their titles and entries in order; Command::Count stands for a separator and
// Command::Exit is preceded by the recent files.
struct MenuInfo {
    QString title;
    std::vector<Command> entries;
};
const std::vector<MenuInfo>& menuTable();

// The commands whose keys win over an edit field's own key bindings (see WindowKeys).
const std::vector<Command>& windowKeyTable();

// The toolbar's buttons in order; Command::Count stands for a separator.
const std::vector<Command>& toolbarTable();

// The running text's context menu in order, with its own texts; Command::Count stands for a
// separator.
struct ContextEntry {
    Command command;
    QString text;
};
const std::vector<ContextEntry>& contextMenuTable();

}  // namespace pelmora::gui
