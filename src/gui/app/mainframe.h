// CMainFrame: the main window with its menu, toolbar and the three panes stacked (running text,
// token strip, annotation form) and the title. The commands live in their controllers
// (src/gui/commands), each bound to the actions of the command table.
#pragma once

#include "app/commandactions.h"
#include "app/panesplitter.h"
#include "commands/filecommands.h"
#include "text/pelmoradoc.h"

#include <QMainWindow>

#include <memory>

class QToolBar;

namespace pelmora::gui {

class AnalyserCommands;
class AnalyserLoader;
class CPelmoraApp;
class CPelmoraFormView;
class CTextView;
class CWordInfoView;
class ClipboardCommands;
class CombinationCommands;
class ConcordanceDock;
class DictionaryCommands;
class EditingCommands;
class ExchangeCommands;
class IoCommands;
class OverviewCommands;
class SearchCommands;
class SentencePlayer;
class UndoCommands;
class UsageCommands;
class WindowKeys;

class CMainFrame final : public QMainWindow, public DocumentObserver {
    Q_OBJECT
public:
    explicit CMainFrame(CPelmoraApp& app);
    ~CMainFrame() override;

    QAction* action(Command command) const { return (*m_actions)[command]; }
    CTextView& textView() { return *m_textView; }
    CWordInfoView& infoView() { return *m_infoView; }
    QWidget& formPane() { return *m_form; }
    // The annotation form (null once setFormWidget has put another widget in its place).
    CPelmoraFormView* formView() { return m_formView; }
    PaneSplitter& splitter() { return *m_splitter; }
    QToolBar& toolBar() { return *m_toolBar; }
    FileCommands& fileCommands() { return *m_files; }
    ClipboardCommands& clipboardCommands() { return *m_clipboard; }
    SearchCommands& searchCommands() { return *m_search; }
    DictionaryCommands& dictionaryCommands() { return *m_dictionaryCommands; }
    // The local analyser the form and the pre-annotation share.
    AnalyserLoader& analyserLoader() { return *m_analyserLoader; }
    AnalyserCommands& analyserCommands() { return *m_analyserCommands; }
    EditingCommands& editingCommands() { return *m_editing; }
    IoCommands& ioCommands() { return *m_io; }
    ExchangeCommands& exchangeCommands() { return *m_exchange; }
    CombinationCommands& combinationCommands() { return *m_combinations; }
    ConcordanceDock& concordance() { return *m_concordance; }
    // The corpus overview's dock and the status line's progress of the open text.
    OverviewCommands& overview() { return *m_overview; }
    // The player of the text's recording and its strip at the bottom of the window.
    SentencePlayer& player() { return *m_player; }

    // After the settings or the dictionary changed: the form takes its sources and fills anew,
    // the recovery timer follows AutosaveSeconds.
    void settingsChanged();

    // Puts the annotation form into the bottom pane in place of what is there.
    void setFormWidget(QWidget* form);

    // The file commands' state and their commands without dialogs (see FileCommands).
    const QString& documentPath() const { return m_files->path(); }
    void setDocumentPath(const QString& path) { m_files->setPath(path); }
    const QStringList& recentFiles() const { return m_files->recentFiles(); }
    using SaveQuestion = FileCommands::SaveQuestion;
    void setSaveQuestion(SaveQuestion question) { m_files->setSaveQuestion(std::move(question)); }
    bool maybeSave() { return m_files->maybeSave(); }
    bool openText(const QString& path) { return m_files->openText(path); }
    bool saveText() { return m_files->saveText(); }
    bool saveTextAs(const QString& path) { return m_files->saveTextAs(path); }

    // DocumentObserver
    void documentUpdated() override;
    void attributeChanged(XmlNode, const char*, std::string_view) override { updateTitle(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPanes();
    void createCommands();
    // The commands of the window itself: leaving, the settings, about, moving through the text
    // and between the panes.
    void bindWindowCommands();
    void connectEvidence();
    void readEvidenceTexts();
    void createMenus();
    void createToolBar();
    // The form's buttons that open a dialog: the form-tag editor, the check window, the
    // translation and the headword notes.
    void connectFormDialogs();
    // The recording's player: Ctrl+Space and the form's button, its strip in the status area, the
    // running text's mark and the proposals of the audio position dialog.
    void createPlayer();
    void updateTitle();
    void updateActions();
    void focusPane(int step);
    // The concordance's dock and its commands.
    void createConcordance();
    // The corpus overview's dock and its command, and the open text's progress in the status line.
    void createOverview();
    void updateStatusBar();

    CPelmoraApp& m_app;
    CPelmoraDoc& m_doc;
    std::unique_ptr<CommandActions> m_actions;
    QToolBar* m_toolBar = nullptr;
    PaneSplitter* m_splitter = nullptr;
    CTextView* m_textView = nullptr;
    CWordInfoView* m_infoView = nullptr;
    QWidget* m_form = nullptr;
    CPelmoraFormView* m_formView = nullptr;
    FileCommands* m_files = nullptr;
    ClipboardCommands* m_clipboard = nullptr;
    SearchCommands* m_search = nullptr;
    bool m_recordingLoaded = false;  // the status line shows the player while a recording is loaded
    DictionaryCommands* m_dictionaryCommands = nullptr;
    AnalyserLoader* m_analyserLoader = nullptr;
    AnalyserCommands* m_analyserCommands = nullptr;
    EditingCommands* m_editing = nullptr;
    IoCommands* m_io = nullptr;
    ExchangeCommands* m_exchange = nullptr;
    CombinationCommands* m_combinations = nullptr;
    std::unique_ptr<UndoCommands> m_undo;
    UsageCommands* m_usage = nullptr;
    ConcordanceDock* m_concordance = nullptr;
    OverviewCommands* m_overview = nullptr;
    WindowKeys* m_keys = nullptr;
    SentencePlayer* m_player = nullptr;
};

}  // namespace pelmora::gui
