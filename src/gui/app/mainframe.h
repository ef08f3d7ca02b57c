// CMainFrame: the main window with its menu, toolbar and the three panes stacked (running text,
// token strip, annotation form), the title, the recent files and the file commands.
#pragma once

#include "app/commands.h"
#include "search/concordance.h"
#include "text/pelmoradoc.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QSplitter>
#include <QTimer>

#include <array>
#include <functional>

class QToolBar;

namespace pelmora::gui {

class CPelmoraApp;
class CPelmoraFormView;
class CTextView;
class CWordInfoView;
class CombinationCommands;
class ConcordanceDock;
class DictionaryCommands;
class EditingCommands;
class IoCommands;
class SearchCommands;
class SentencePlayer;
class WindowKeys;

// The splitter of the three panes: after every resize the form gets its full natural height, the
// strip keeps its height and the running text takes the rest.
class PaneSplitter final : public QSplitter {
    Q_OBJECT
public:
    explicit PaneSplitter(QWidget* parent = nullptr);
    // Applies the rule now.
    void keepFormHeight();
    // The strip's height as the user last dragged it (or as it started).
    int stripHeight() const { return m_strip; }
    void setStripHeight(int height) { m_strip = height; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_strip = -1;
};

class CMainFrame final : public QMainWindow, public DocumentObserver {
    Q_OBJECT
public:
    explicit CMainFrame(CPelmoraApp& app);
    ~CMainFrame() override;

    QAction* action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }
    CTextView& textView() { return *m_textView; }
    CWordInfoView& infoView() { return *m_infoView; }
    QWidget& formPane() { return *m_form; }
    // The annotation form (null once setFormWidget has put another widget in its place).
    CPelmoraFormView* formView() { return m_formView; }
    PaneSplitter& splitter() { return *m_splitter; }
    QToolBar& toolBar() { return *m_toolBar; }
    SearchCommands& searchCommands() { return *m_search; }
    DictionaryCommands& dictionaryCommands() { return *m_dictionaryCommands; }
    EditingCommands& editingCommands() { return *m_editing; }
    IoCommands& ioCommands() { return *m_io; }
    CombinationCommands& combinationCommands() { return *m_combinations; }
    ConcordanceDock& concordance() { return *m_concordance; }
    // The player of the text's recording and its strip at the bottom of the window.
    SentencePlayer& player() { return *m_player; }

    // After the settings or the dictionary changed: the form takes its sources and fills anew.
    void settingsChanged();

    // Puts the annotation form into the bottom pane in place of what is there.
    void setFormWidget(QWidget* form);

    // The path of the open text ("" for a new or empty document).
    const QString& documentPath() const { return m_path; }
    void setDocumentPath(const QString& path);
    // The recent files, newest first.
    QStringList recentFiles() const { return m_recent; }

    // The question before a modified text is dropped: Yes saves, No drops, Cancel keeps it.
    // Tests put an answer in place of the box.
    using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& name)>;
    void setSaveQuestion(SaveQuestion question) { m_saveQuestion = std::move(question); }
    // Asks about a modified text; true when the caller may go on (saved, dropped, or unmodified).
    bool maybeSave();

    // The file commands without their dialogs.
    bool openText(const QString& path);
    bool saveText();
    bool saveTextAs(const QString& path);

    // DocumentObserver
    void documentUpdated() override;
    void attributeChanged(XmlNode, const char*, std::string_view) override { updateTitle(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createPanes();
    void connectCommands();
    // The form's buttons that open a dialog: the form-tag editor, the check window, the
    // translation and the headword notes.
    void connectFormDialogs();
    // The recording's player: Ctrl+Space and the form's button, its strip in the status area, the
    // running text's mark and the proposals of the audio position dialog.
    void createPlayer();
    void updateTitle();
    void updateActions();
    void updateClipboardActions();
    bool concordanceHasFocus() const;
    // Names the newest undo and redo steps in their entries. While a command is half-way its
    // step is not there yet: the entries keep what they show and are named once it has closed.
    void updateUndoSteps();
    void focusChanged(QWidget* now);
    void updateRecentMenu();
    void addRecentFile(const QString& path);
    void run(Command command);
    // The recovery timer follows AutosaveSeconds; each tick writes a modified text's recovery.
    void restartAutosave();
    void writeRecovery();

    // Commands
    void newDocument();
    void open();
    void saveAs();
    void print();
    void cut();
    void copy();
    void paste();
    void copyToken();
    void copySentence();
    void deleteToken();
    void splitSentence();
    void analyseDictionary();
    void about();
    void focusPane(int step);
    // The concordance: of the form's headword (or the token's word form when it has none), of
    // a word form, and opening a hit at its token.
    void createConcordance();
    void showHeadwordUsage();
    void showUsage(ConcordanceBy by, const QString& word);
    void openConcordanceHit(const QString& file, const QString& tokenId);

    CPelmoraApp& m_app;
    CPelmoraDoc& m_doc;
    QTimer m_autosave;
    QTimer m_undoSteps;  // names the undo steps once a command's change group has closed
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> m_actions{};
    QList<QAction*> m_contextActions;
    QMenu* m_textMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    PaneSplitter* m_splitter = nullptr;
    CTextView* m_textView = nullptr;
    CWordInfoView* m_infoView = nullptr;
    QWidget* m_form = nullptr;
    CPelmoraFormView* m_formView = nullptr;
    SearchCommands* m_search = nullptr;
    DictionaryCommands* m_dictionaryCommands = nullptr;
    EditingCommands* m_editing = nullptr;
    IoCommands* m_io = nullptr;
    CombinationCommands* m_combinations = nullptr;
    ConcordanceDock* m_concordance = nullptr;
    WindowKeys* m_keys = nullptr;
    SentencePlayer* m_player = nullptr;
    QString m_path;
    QStringList m_recent;
    SaveQuestion m_saveQuestion;
    QMetaObject::Connection m_selectionWatch;  // the focused field's selection
};

}  // namespace pelmora::gui
