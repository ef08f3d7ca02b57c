#include "app/mainframe.h"

#include "app/analyserloader.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "app/sentenceplayer.h"
#include "app/settingsdialog.h"
#include "app/windowkeys.h"
#include "commands/analysercommands.h"
#include "commands/clipboardcommands.h"
#include "commands/combinationcommands.h"
#include "commands/dictionarycommands.h"
#include "commands/editingcommands.h"
#include "commands/exchangecommands.h"
#include "commands/iocommands.h"
#include "commands/overviewcommands.h"
#include "commands/searchcommands.h"
#include "commands/undosteps.h"
#include "commands/usagecommands.h"
#include "common/strings.h"
#include "form/formtagdialog.h"
#include "form/notesdialog.h"
#include "form/pelmoraformview.h"
#include "form/sentencecheckdialog.h"
#include "form/translationdialog.h"
#include "search/concordance.h"
#include "text/textformat.h"
#include "views/concordancedock.h"
#include "views/textview.h"
#include "views/wordinfoview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <array>
#include <utility>

namespace pelmora::gui {

namespace {

constexpr int kTextHeight = 180;
constexpr int kStripHeight = 30;
// About the annotation form's natural height, for the first size of the window.
constexpr int kFormHeight = 360;
constexpr int kStatusMessageMs = 15000;  // how long a search's count stays in the status line
constexpr const char* kAnalysisWarning = QT_TRANSLATE_NOOP(
    "CMainFrame", "See funktsioon ei tööta veel õigesti\nmurdetekstidega ja liivi tekstidega\nEi soovita kasutada.\n\n"
    "Kui seda on siiski vaja, anna teada\npelmora@example.org");

}  // namespace

CMainFrame::CMainFrame(CPelmoraApp& app) : m_app(app), m_doc(app.doc())
{
    createPanes();
    m_actions = std::make_unique<CommandActions>(*this);
    m_textView->setContextMenuActions(m_actions->contextActions());
    createCommands();
    createMenus();
    createToolBar();
    createPlayer();
    createOverview();

    QList<QKeySequence> windowKeys;
    for (Command command : windowKeyTable())
        windowKeys += commandInfo(command).shortcuts;
    m_keys = new WindowKeys(this, windowKeys);
    qApp->installEventFilter(m_keys);

    m_doc.addObserver(this);
    resize(1100, kTextHeight + kStripHeight + kFormHeight + 260);
    updateTitle();
    updateActions();
    // The work starts in the form: typing goes into the headword and Enter remembers and moves on.
    if (m_formView)
        m_formView->headwordEdit()->setFocus(Qt::OtherFocusReason);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(m_keys);
    // The panes go after this: their focus and selection changes must not reach the commands.
    delete m_clipboard;
    m_clipboard = nullptr;
    m_doc.removeObserver(this);
}

void CMainFrame::createPanes()
{
    m_splitter = new PaneSplitter(this);
    m_textView = new CTextView(m_doc, m_app.settings(), m_splitter);
    m_infoView = new CWordInfoView(m_doc, m_app.settings(), m_splitter);
    m_formView = new CPelmoraFormView(m_doc, m_app.settings(), &m_app.dictionary(), m_app.prompter(), m_splitter);
    m_formView->setMarkedTokenTest([this](XmlNode token) { return m_textView->search().markingColour(token).has_value(); });
    connectFormDialogs();
    m_analyserLoader = new AnalyserLoader(this);
    m_formView->setLocalAnalyser(&m_analyserLoader->holder());
    connect(m_analyserLoader, &AnalyserLoader::loaded, m_formView, &CPelmoraFormView::localAnalyserLoaded);
    m_analyserLoader->settingsConfirmed(m_app.settings());
    m_form = m_formView;
    m_splitter->setPanes(m_textView, m_infoView, m_form, kTextHeight, kStripHeight);
    setCentralWidget(m_splitter);
}

void CMainFrame::createPlayer()
{
    m_player = new SentencePlayer(m_doc, m_app.prompter(), [this] { return m_files->path(); }, this);
    statusBar()->addPermanentWidget(m_player, 1);
    statusBar()->setSizeGripEnabled(false);
    // The player shows once a recording has been played and goes with it.
    m_player->hide();
    connect(m_player, &SentencePlayer::loadedChanged, this, [this](bool loaded) {
        m_recordingLoaded = loaded;
        m_player->setVisible(loaded);
        updateStatusBar();
    });
    connect(statusBar(), &QStatusBar::messageChanged, this, &CMainFrame::updateStatusBar);
    m_player->setSentenceMarker([this](XmlNode sentence) { m_textView->setPlayingSentence(sentence); });
    connect(action(Command::PlaySentence), &QAction::triggered, m_player, &SentencePlayer::toggleCurrentSentence);
    m_editing->setHeardPosition([this] { return m_player->heardSeconds(); });
    if (m_formView) {
        m_formView->setPlaySentence([this] { m_player->toggleCurrentSentence(); });
        connect(m_player, &SentencePlayer::playingChanged, m_formView, &CPelmoraFormView::setPlaying);
    }
}

// The folder's texts rank the analyser's proposals: read again when the text or the folder
// changes, and told of every save.
void CMainFrame::connectEvidence()
{
    connect(m_files, &FileCommands::pathChanged, this, &CMainFrame::readEvidenceTexts);
    connect(m_files, &FileCommands::textSaved, this,
            [this](const QString& path) { m_analyserLoader->textSaved(toStd(path), m_doc.body()); });
    // The new evidence ranks from the next token on: the shown one is not filled again, so that
    // nothing in the form changes under the user's hands.
    connect(m_analyserLoader, &AnalyserLoader::confirmedTextsRead, this, [this] {
        if (m_formView)
            m_formView->setConfirmedTexts(m_analyserLoader->confirmedTexts(), toStd(m_files->path()));
    });
    readEvidenceTexts();
}

void CMainFrame::readEvidenceTexts()
{
    const std::string open = toStd(m_files->path());
    m_analyserLoader->readConfirmedTexts(concordanceFiles(m_app.settings().concordanceFolder, open));
    if (m_formView)
        m_formView->setConfirmedTexts(m_analyserLoader->confirmedTexts(), open);
}

void CMainFrame::settingsChanged()
{
    m_analyserLoader->settingsConfirmed(m_app.settings());  // before the form asks it again
    readEvidenceTexts();
    if (m_formView)
        m_formView->settingsChanged();
    m_files->restartAutosave();
    m_textView->setQuietAnnotated(m_app.settings().quietAnnotated != 0);
}

void CMainFrame::connectFormDialogs()
{
    DialogRunner& dialogs = m_app.dialogs();
    m_formView->setFormTagEditor(
        [this, &dialogs](const std::string& tag, bool typing) { return editFormTag(tag, dialogs, this, typing); });
    m_formView->setSentenceCheck([this, &dialogs](XmlNode sentence) {
        SentenceCheckDialog dialog(sentence, m_app.settings().largeFonts != 0, this);
        dialogs.run(dialog);
    });
    m_formView->setTranslation([this, &dialogs](XmlNode sentence) {
        TranslationDialog dialog(m_doc, sentence, this);
        dialogs.run(dialog);
    });
    m_formView->setHeadwordNotes([this, &dialogs](const std::string& headword) {
        // Without a notes file there is nothing to read or write; say where one is chosen.
        if (trimBlanks(m_app.settings().taggingInfoPath).empty()) {
            m_app.prompter().message(MessageKind::Warning, kTitleNotice,
                                     toStd(QCoreApplication::translate("CMainFrame", "Märkmete faili pole valitud.\nVali see: Töövahendid, Soovitaja seaded, "
                                              "Märkmed failist.")));
            return;
        }
        NotesDialog dialog(m_app.settings().taggingInfoPath, headword, m_app.prompter(), this);
        dialogs.run(dialog);
    });
    m_formView->setAudioPosition([this] {
        if (m_editing)
            m_editing->audioPosition();
    });
}

void CMainFrame::setFormWidget(QWidget* form)
{
    if (m_form == m_formView)
        m_formView = nullptr;
    m_splitter->replaceForm(form);
    m_form = form;
}

void CMainFrame::createCommands()
{
    const CommandActions& actions = *m_actions;
    m_files = new FileCommands(m_app, *m_textView, this);
    m_files->bind(actions);
    connect(m_files, &FileCommands::pathChanged, this, &CMainFrame::documentUpdated);
    m_search = new SearchCommands(m_doc, m_textView->search(), m_app.dialogs(), this);
    m_search->bind(actions);
    connect(m_search, &SearchCommands::searchReported, this,
            [this](const QString& summary) { statusBar()->showMessage(summary, kStatusMessageMs); });

    m_editing = new EditingCommands(m_doc, m_app.prompter(), m_app.dialogs(), m_app.files(), this);
    m_editing->bind(actions);
    m_editing->keepImportChoicesIn(m_app.settings());
    m_editing->setWindowHooks([this] { return m_files->maybeSave(); },
                              [this](const QString& path) { m_files->setPath(path); });
    m_editing->setSuspiciousMarking([this](const SearchCriteria& marked) {
        m_textView->search().partOfWordSearch(marked);
        m_doc.updateAllViews();
    });
    m_io = new IoCommands(m_doc, m_app.prompter(), m_app.files(), m_app.dialogs(), this);
    m_io->bind(actions);
    m_io->setBeforeReplacingText([this] { return m_files->maybeSave(); });
    m_io->setTextReplaced([this](const QString& path) { m_files->setPath(path); });
    m_exchange = new ExchangeCommands(m_doc, m_app.prompter(), m_app.files(), m_app.dialogs(), this);
    m_exchange->bind(actions);
    m_exchange->setWindowHooks([this] { return m_files->maybeSave(); },
                               [this](const QString& path) { m_files->setPath(path); });
    m_exchange->setOpenTextPath([this] { return m_files->path(); });
    connect(m_exchange, &ExchangeCommands::exportReported, this,
            [this](const QString& summary) { statusBar()->showMessage(summary, kStatusMessageMs); });

    m_combinations = new CombinationCommands(m_doc, m_app.dictionary(), m_app.settings(), m_app.dialogs(), this);
    m_textView->setCombinationHooks([this](const std::vector<XmlNode>& words) { return m_combinations->combine(words); },
                                    [this](XmlNode combination) { m_combinations->remove(combination); },
                                    [this](XmlNode combination) {
                                        m_usage->showUsage(ConcordanceBy::Combination,
                                                           toQt(attributeValue(combination, text::kCombinationLemma)));
                                    });
    m_dictionaryCommands = new DictionaryCommands(m_app, this);
    m_dictionaryCommands->bind(actions);
    m_analyserCommands = new AnalyserCommands(m_app, *m_analyserLoader, this);
    m_analyserCommands->bind(actions);
    connectEvidence();
    createConcordance();
    m_dictionaryCommands->setShowUsage([this](ConcordanceBy by, const QString& word) { m_usage->showUsage(by, word); });
    m_dictionaryCommands->setOpenTextPath([this] { return m_files->path(); });
    m_clipboard = new ClipboardCommands(m_doc, *m_concordance, [this] { return m_form; }, this);
    m_clipboard->bind(actions);
    m_undo = std::make_unique<UndoCommands>(m_doc, actions);
    bindWindowCommands();
}

void CMainFrame::bindWindowCommands()
{
    const auto bind = [this](Command command, auto&& slot) {
        connect(action(command), &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    bind(Command::Exit, [this] { close(); });
    bind(Command::SuggesterSettings, [this] { m_app.runSettingsDialog(); });
    bind(Command::AnalyseDictionary,
         [this] { m_app.prompter().message(MessageKind::Warning, toStd(QCoreApplication::translate("CMainFrame", "Tekstide ühendamine")),
                                          toStd(QCoreApplication::translate("CMainFrame", kAnalysisWarning))); });
    bind(Command::About, [this] { showAboutBox(this, m_app.dialogs()); });
    connect(action(Command::StartCombination), &QAction::triggered, m_textView, &CTextView::startCombinationSelection);
    bind(Command::FirstToken, [this] { m_doc.goToFirstToken(); });
    bind(Command::LastToken, [this] { m_doc.goToLastToken(); });
    bind(Command::NextToken, [this] { m_doc.goToNextToken(); });
    bind(Command::PreviousToken, [this] { m_doc.goToPreviousToken(); });
    bind(Command::NextSentence, [this] { m_doc.goToNextSentence(); });
    bind(Command::PreviousSentence, [this] { m_doc.goToPreviousSentence(); });
    bind(Command::NextPane, [this] { focusPane(1); });
    bind(Command::PreviousPane, [this] { focusPane(-1); });
}

void CMainFrame::createMenus()
{
    QMenu* textMenu = nullptr;
    QAction* recentPlaceholder = nullptr;
    for (const MenuInfo& info : menuTable()) {
        QMenu* menu = menuBar()->addMenu(shownText(info.title));
        if (info.title == "&Tekst")
            textMenu = menu;
        for (Command command : info.entries) {
            if (command == Command::Count) {
                menu->addSeparator();
                continue;
            }
            if (command == Command::Exit && menu == textMenu) {
                recentPlaceholder = new QAction(QStringLiteral("Recent File"), this);
                recentPlaceholder->setEnabled(false);
                menu->addAction(recentPlaceholder);
                menu->addSeparator();
            }
            menu->addAction(action(command));
        }
    }
    // The form's Alt mnemonics win over the menu titles' (Alt+T is "Tähendus"); F10 opens the
    // menu bar from anywhere instead.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    if (textMenu && recentPlaceholder)
        m_files->setRecentMenu(textMenu, recentPlaceholder);
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(QCoreApplication::translate("CMainFrame", "Nupuriba"));
    m_toolBar->setObjectName("toolbar");
    m_toolBar->setMovable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(QSize(22, 22));
    for (Command command : toolbarTable()) {
        if (command == Command::Count)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(command));
    }
    QAction* toggle = action(Command::ToggleToolbar);
    connect(toggle, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::createConcordance()
{
    m_concordance = new ConcordanceDock(m_app.settings(), m_app.files(), this);
    addDockWidget(Qt::BottomDockWidgetArea, m_concordance);
    m_concordance->hide();
    m_usage = new UsageCommands(m_doc, *m_concordance, *m_files, *this, *m_textView, [this] { return m_formView; });
    m_usage->bind(*m_actions);
}

void CMainFrame::createOverview()
{
    m_overview = new OverviewCommands(m_app, *m_files, *m_usage, *m_concordance, *this, *m_textView);
    m_overview->bind(*m_actions);
}

// --- State ------------------------------------------------------------------------------------

void CMainFrame::documentUpdated()
{
    updateTitle();
    updateActions();
    updateStatusBar();
}

void CMainFrame::updateStatusBar()
{
    // The line shows the open text's progress, the player while a recording is loaded and a
    // search's count while it lasts; with none of them it takes no room.
    statusBar()->setVisible(m_doc.hasText() || m_recordingLoaded || !statusBar()->currentMessage().isEmpty());
}

void CMainFrame::updateTitle()
{
    setWindowTitle(m_files->displayName() + "[*] - Pelmora");
    setWindowModified(m_doc.isModified());
}

void CMainFrame::updateActions()
{
    m_actions->updateEnabling(m_doc.hasText(), static_cast<bool>(m_doc.currentToken()));
    if (m_clipboard)
        m_clipboard->updateEnabling();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_files->maybeSave()) {
        event->ignore();
        return;
    }
    m_app.writeSettings();
    event->accept();
}

void CMainFrame::focusPane(int step)
{
    // The strip takes no input: the keyboard moves between the running text and the form.
    const std::array<QWidget*, 2> panes = {m_textView, m_form};
    QWidget* focus = QApplication::focusWidget();
    int current = -1;
    for (int i = 0; i < 2; ++i) {
        QWidget* pane = panes[static_cast<std::size_t>(i)];
        if (pane == focus || pane->isAncestorOf(focus))
            current = i;
    }
    const int next = current < 0 ? 0 : (current + step + 2) % 2;
    QWidget* pane = panes[static_cast<std::size_t>(next)];
    if (pane->focusPolicy() != Qt::NoFocus) {
        pane->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A form: its first field.
    for (QWidget* child = pane->nextInFocusChain(); child != pane; child = child->nextInFocusChain()) {
        if (!pane->isAncestorOf(child))
            break;
        if (child->isEnabled() && child->focusPolicy() & Qt::TabFocus) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace pelmora::gui
