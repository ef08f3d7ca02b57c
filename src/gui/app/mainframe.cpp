#include "app/mainframe.h"

#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "app/sentenceplayer.h"
#include "app/settingsdialog.h"
#include "app/undosteps.h"
#include "app/windowkeys.h"
#include "common/strings.h"
#include "dialogs/combinationcommands.h"
#include "dialogs/dictionarycommands.h"
#include "dialogs/editingcommands.h"
#include "dialogs/iocommands.h"
#include "dialogs/searchcommands.h"
#include "form/formtagdialog.h"
#include "form/notesdialog.h"
#include "form/pelmoraformview.h"
#include "form/sentencecheckdialog.h"
#include "form/translationdialog.h"
#include "search/tokenwalk.h"
#include "text/editing.h"
#include "text/textformat.h"
#include "ui_pelmoraformview.h"
#include "views/concordancedock.h"
#include "views/textview.h"
#include "views/wordinfoview.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>
#include <limits>

namespace pelmora::gui {

namespace {

constexpr int kTextHeight = 180;
constexpr int kStripHeight = 30;
// About the annotation form's natural height, for the first size of the window.
constexpr int kFormHeight = 360;
constexpr const char* kUntitled = "Nimetu";
constexpr const char* kAnalysisWarning =
    "See funktsioon ei tööta veel õigesti\nmurdetekstidega ja liivi tekstidega\nEi soovita kasutada.\n\n"
    "Kui seda on siiski vaja, anna teada\npelmora@example.org";

// Standard pictures for the toolbar when the icon theme lacks one.
QIcon commandIcon(const CommandInfo& info, const QStyle& style)
{
    if (info.icon.isEmpty())
        return {};
    QStyle::StandardPixmap fallback = QStyle::SP_FileIcon;
    switch (info.command) {
    case Command::Open: fallback = QStyle::SP_DialogOpenButton; break;
    case Command::Save: fallback = QStyle::SP_DialogSaveButton; break;
    case Command::ImportText: fallback = QStyle::SP_FileDialogNewFolder; break;
    case Command::Print: fallback = QStyle::SP_ComputerIcon; break;
    case Command::Find: fallback = QStyle::SP_FileDialogContentsView; break;
    case Command::GoToClipboardIdentifier: fallback = QStyle::SP_ArrowForward; break;
    case Command::About: fallback = QStyle::SP_MessageBoxInformation; break;
    case Command::SuggesterSettings: fallback = QStyle::SP_FileDialogDetailedView; break;
    case Command::Lemmatise: fallback = QStyle::SP_MediaPlay; break;
    case Command::AddTextToDictionary: fallback = QStyle::SP_FileDialogListView; break;
    case Command::EditDictionary: fallback = QStyle::SP_FileDialogInfoView; break;
    default: break;
    }
    return QIcon::fromTheme(info.icon, style.standardIcon(fallback));
}

// The edit field that has the keyboard focus, as a line edit or a text edit; null when none.
QLineEdit* focusedLineEdit()
{
    QWidget* widget = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

template <class Edit>
Edit* focusedEdit()
{
    return qobject_cast<Edit*>(QApplication::focusWidget());
}

// What an edit field offers the clipboard commands.
struct EditFieldState {
    bool isEdit = false;
    bool hasSelection = false;
    bool readOnly = false;
};

EditFieldState editFieldState(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        widget = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return {true, line->hasSelectedText(), line->isReadOnly()};
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return {true, plain->textCursor().hasSelection(), plain->isReadOnly()};
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return {true, rich->textCursor().hasSelection(), rich->isReadOnly()};
    return {};
}

}  // namespace

// --- PaneSplitter ---------------------------------------------------------------------------

PaneSplitter::PaneSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent)
{
    // Only the user's drag changes the strip's height; resizing the window never does.
    connect(this, &QSplitter::splitterMoved, this, [this] {
        if (count() == 3)
            m_strip = sizes()[1];
    });
}

void PaneSplitter::keepFormHeight()
{
    if (count() != 3)
        return;
    const QList<int> heights = sizes();
    const int form = widget(2)->sizeHint().height();
    const int strip = m_strip >= 0 ? m_strip : heights[1];
    const int text = std::max(0, heights[0] + heights[1] + heights[2] - strip - form);
    setSizes({text, strip, form});
}

void PaneSplitter::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    keepFormHeight();
}

// --- CMainFrame -----------------------------------------------------------------------------

CMainFrame::CMainFrame(CPelmoraApp& app) : m_app(app), m_doc(app.doc())
{
    m_recent = app.store().recentFiles();
    createPanes();
    createActions();
    createMenus();
    createToolBar();
    connectCommands();
    createConcordance();
    createPlayer();
    connect(&m_autosave, &QTimer::timeout, this, &CMainFrame::writeRecovery);
    m_undoSteps.setSingleShot(true);
    connect(&m_undoSteps, &QTimer::timeout, this, [this] {
        if (m_doc.isChangeOpen())
            m_undoSteps.start(50);
        else
            updateUndoSteps();
    });

    QList<QKeySequence> windowKeys;
    for (Command command : {Command::CopyToken, Command::MergeSentences, Command::SplitSentence,
                            Command::AudioPosition, Command::PlaySentence, Command::FindNext,
                            Command::FirstToken, Command::LastToken,
                            Command::NextToken, Command::PreviousToken, Command::NextSentence,
                            Command::PreviousSentence, Command::NextPane, Command::PreviousPane,
                            Command::Open, Command::Save, Command::Print, Command::NewDocument,
                            Command::ShowUsage})
        windowKeys += commandInfo(command).shortcuts;
    m_keys = new WindowKeys(this, windowKeys);
    qApp->installEventFilter(m_keys);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::updateClipboardActions);

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
    // The panes go after this: their focus and selection changes must not reach the frame.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    QObject::disconnect(m_selectionWatch);
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
    m_form = m_formView;
    m_form->setMinimumHeight(m_form->sizeHint().height());
    m_splitter->addWidget(m_textView);
    m_splitter->addWidget(m_infoView);
    m_splitter->addWidget(m_form);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setStretchFactor(2, 0);
    m_splitter->setCollapsible(0, true);
    m_splitter->setCollapsible(1, false);
    m_splitter->setCollapsible(2, false);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setCollapsible(0, true);
    m_splitter->setSizes({kTextHeight, kStripHeight, m_form->sizeHint().height()});
    m_splitter->setStripHeight(kStripHeight);
    // The running text gives up all its height when the window gets too low for the form.
    m_textView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    setCentralWidget(m_splitter);
}

void CMainFrame::createPlayer()
{
    m_player = new SentencePlayer(m_doc, m_app.prompter(), [this] { return m_path; }, this);
    statusBar()->addPermanentWidget(m_player, 1);
    statusBar()->setSizeGripEnabled(false);
    // The strip shows once a recording has been played and goes with it.
    statusBar()->hide();
    connect(m_player, &SentencePlayer::loadedChanged, statusBar(), &QStatusBar::setVisible);
    m_player->setSentenceMarker([this](XmlNode sentence) { m_textView->setPlayingSentence(sentence); });
    connect(action(Command::PlaySentence), &QAction::triggered, m_player, &SentencePlayer::toggleCurrentSentence);
    m_editing->setHeardPosition([this] { return m_player->heardSeconds(); });
    if (m_formView) {
        m_formView->setPlaySentence([this] { m_player->toggleCurrentSentence(); });
        connect(m_player, &SentencePlayer::playingChanged, m_formView, &CPelmoraFormView::setPlaying);
    }
}

void CMainFrame::settingsChanged()
{
    if (m_formView)
        m_formView->settingsChanged();
    restartAutosave();
}

void CMainFrame::restartAutosave()
{
    const int seconds = m_app.settings().autosaveSeconds;
    if (seconds <= 0) {
        m_autosave.stop();
        return;
    }
    m_autosave.start(std::min(seconds, std::numeric_limits<int>::max() / 1000) * 1000);
}

void CMainFrame::writeRecovery()
{
    m_app.recovery().write(m_doc, toStd(m_path), static_cast<std::int64_t>(std::time(nullptr)));
}

void CMainFrame::connectFormDialogs()
{
    DialogRunner& dialogs = m_app.dialogs();
    m_formView->setFormTagEditor(
        [this, &dialogs](const std::string& tag) { return editFormTag(tag, dialogs, this); });
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
                                     "Märkmete faili pole valitud.\nVali see: Töövahendid, Soovitaja seaded, "
                                     "Märkmed failist.");
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
    const QList<int> heights = m_splitter->sizes();
    QWidget* old = m_splitter->replaceWidget(2, form);
    if (old == m_formView)
        m_formView = nullptr;
    delete old;
    m_form = form;
    m_form->setMinimumHeight(m_form->sizeHint().height());
    m_splitter->setCollapsible(2, false);
    m_splitter->setSizes(heights);
    m_splitter->keepFormHeight();
}

void CMainFrame::createActions()
{
    const QStyle& look = *style();
    for (const CommandInfo& info : commandTable()) {
        auto* action = new QAction(info.text, this);
        // The menu shows the accelerator written after the tab; the shortcuts do the work.
        action->setShortcuts(info.shortcuts);
        action->setIcon(commandIcon(info, look));
        action->setIconVisibleInMenu(false);
        if (!info.toolTip.isEmpty())
            action->setToolTip(info.toolTip);
        m_actions[static_cast<std::size_t>(info.command)] = action;
        addAction(action);  // accelerators without a menu entry work too
    }
    QAction* toolbar = action(Command::ToggleToolbar);
    toolbar->setCheckable(true);
    toolbar->setChecked(true);

    for (const ContextEntry& entry : contextMenuTable()) {
        if (entry.command == Command::Count) {
            m_contextActions.push_back(nullptr);
            continue;
        }
        auto* item = new QAction(entry.text, this);
        QAction* main = action(entry.command);
        connect(item, &QAction::triggered, main, &QAction::trigger);
        m_contextActions.push_back(item);
    }
    m_textView->setContextMenuActions(m_contextActions);
}

void CMainFrame::createMenus()
{
    for (const MenuInfo& info : menuTable()) {
        QMenu* menu = menuBar()->addMenu(info.title);
        if (info.title == "&Tekst")
            m_textMenu = menu;
        for (Command command : info.entries) {
            if (command == Command::Count) {
                menu->addSeparator();
                continue;
            }
            if (command == Command::Exit && menu == m_textMenu) {
                m_recentPlaceholder = new QAction(QStringLiteral("Recent File"), this);
                m_recentPlaceholder->setEnabled(false);
                menu->addAction(m_recentPlaceholder);
                menu->addSeparator();
            }
            menu->addAction(action(command));
        }
    }
    // The form's Alt mnemonics win over the menu titles' (Alt+T is "Tähendus"); F10 opens the
    // menu bar from anywhere instead.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    updateRecentMenu();
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Nupuriba"));
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

void CMainFrame::connectCommands()
{
    m_search = new SearchCommands(m_doc, m_textView->search(), m_app.dialogs(), this);
    const auto bind = [this](Command command, auto&& slot) {
        connect(action(command), &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    const auto bindSearch = [this](Command command, void (SearchCommands::*slot)()) {
        connect(action(command), &QAction::triggered, m_search, slot);
    };
    bind(Command::NewDocument, [this] { newDocument(); });
    bind(Command::Open, [this] { open(); });
    bind(Command::Save, [this] { saveText(); });
    bind(Command::SaveAs, [this] { saveAs(); });
    bind(Command::Exit, [this] { close(); });
    bind(Command::Print, [this] { print(); });

    bindSearch(Command::Find, &SearchCommands::find);
    bindSearch(Command::FindNext, &SearchCommands::findNext);
    bindSearch(Command::PartOfWordSearch, &SearchCommands::partOfWordSearch);
    bindSearch(Command::Replace, &SearchCommands::replace);
    bindSearch(Command::SuspectedErrors, &SearchCommands::suspectedErrors);
    bindSearch(Command::AutomaticChanges, &SearchCommands::automaticChanges);
    bindSearch(Command::RemoveAutomaticMarks, &SearchCommands::removeAutomaticMarks);
    bindSearch(Command::ClearSearches, &SearchCommands::clearSearches);
    bindSearch(Command::RememberPosition, &SearchCommands::rememberPosition);
    bindSearch(Command::GoToRememberedPosition, &SearchCommands::goToRememberedPosition);
    bindSearch(Command::GoToPage, &SearchCommands::goToPage);
    bindSearch(Command::GoToIdentifier, &SearchCommands::goToIdentifier);
    bindSearch(Command::GoToClipboardIdentifier, &SearchCommands::goToClipboardIdentifier);
    bindSearch(Command::NextMarked, &SearchCommands::nextMarked);
    bindSearch(Command::PreviousMarked, &SearchCommands::previousMarked);

    m_editing = new EditingCommands(m_doc, m_app.prompter(), m_app.dialogs(), m_app.files(), this);
    m_editing->setWindowHooks([this] { return maybeSave(); },
                              [this](const QString& path) {
                                  setDocumentPath(path);
                                  updateActions();
                              });
    m_editing->setSuspiciousMarking([this](const SearchCriteria& marked) {
        m_textView->search().partOfWordSearch(marked);
        m_doc.updateAllViews();
    });
    const auto bindEditing = [this](Command command, void (EditingCommands::*slot)()) {
        connect(action(command), &QAction::triggered, m_editing, slot);
    };
    bindEditing(Command::ImportText, &EditingCommands::importText);
    bindEditing(Command::ImportDialect, &EditingCommands::importDialect);
    bindEditing(Command::TextInfo, &EditingCommands::textInfo);
    bindEditing(Command::ModifyToken, &EditingCommands::modifyToken);
    bindEditing(Command::AddToken, &EditingCommands::addToken);
    bindEditing(Command::MergeSentences, &EditingCommands::mergeSentences);
    bindEditing(Command::AudioPosition, &EditingCommands::audioPosition);
    bindEditing(Command::NormaliseText, &EditingCommands::normaliseText);
    m_io = new IoCommands(m_doc, m_app.prompter(), m_app.files(), m_app.dialogs(), this);
    m_io->setBeforeReplacingText([this] { return maybeSave(); });
    m_io->setTextReplaced([this](const QString& path) { setDocumentPath(path); });
    const auto bindIo = [this](Command command, void (IoCommands::*slot)()) {
        connect(action(command), &QAction::triggered, m_io, slot);
    };
    bindIo(Command::ExportText, &IoCommands::exportText);
    bindIo(Command::MergeTexts, &IoCommands::mergeTexts);
    bindIo(Command::SimpleDictionary, &IoCommands::simpleDictionary);
    bindIo(Command::Statistics, &IoCommands::statistics);
    bindIo(Command::MultiFileQuery, &IoCommands::multiFileQuery);

    m_combinations = new CombinationCommands(m_doc, m_app.dictionary(), m_app.settings(), m_app.dialogs(), this);
    m_textView->setCombinationHooks([this](const std::vector<XmlNode>& words) { return m_combinations->combine(words); },
                                    [this](XmlNode combination) { m_combinations->remove(combination); },
                                    [this](XmlNode combination) {
                                        showUsage(ConcordanceBy::Combination,
                                                  toQt(attributeValue(combination, text::kCombinationLemma)));
                                    });
    connect(action(Command::StartCombination), &QAction::triggered, m_textView, &CTextView::startCombinationSelection);

    bind(Command::SuggesterSettings, [this] { m_app.runSettingsDialog(); });
    bind(Command::AnalyseDictionary, [this] { analyseDictionary(); });
    m_dictionaryCommands = new DictionaryCommands(m_app, this);
    const auto bindDictionary = [this](Command command, void (DictionaryCommands::*slot)()) {
        connect(action(command), &QAction::triggered, m_dictionaryCommands, slot);
    };
    bindDictionary(Command::EditDictionary, &DictionaryCommands::editDictionary);
    bindDictionary(Command::AddTextToDictionary, &DictionaryCommands::addTextToDictionary);
    bindDictionary(Command::ExportDictionary, &DictionaryCommands::exportDictionary);
    bindDictionary(Command::Lemmatise, &DictionaryCommands::lemmatise);
    bindDictionary(Command::Transformations, &DictionaryCommands::transformations);

    bind(Command::Cut, [this] { cut(); });
    bind(Command::Copy, [this] { copy(); });
    bind(Command::Paste, [this] { paste(); });
    bind(Command::CopyToken, [this] { copyToken(); });
    bind(Command::CopySentence, [this] { copySentence(); });
    bind(Command::DeleteToken, [this] { deleteToken(); });
    bind(Command::SplitSentence, [this] { splitSentence(); });
    bind(Command::About, [this] { about(); });
    bind(Command::Undo, [this] { m_doc.undo(); });
    bind(Command::Redo, [this] { m_doc.redo(); });

    bind(Command::FirstToken, [this] { m_doc.goToFirstToken(); });
    bind(Command::LastToken, [this] { m_doc.goToLastToken(); });
    bind(Command::NextToken, [this] { m_doc.goToNextToken(); });
    bind(Command::PreviousToken, [this] { m_doc.goToPreviousToken(); });
    bind(Command::NextSentence, [this] { m_doc.goToNextSentence(); });
    bind(Command::PreviousSentence, [this] { m_doc.goToPreviousSentence(); });
    bind(Command::NextPane, [this] { focusPane(1); });
    bind(Command::PreviousPane, [this] { focusPane(-1); });
}

void CMainFrame::createConcordance()
{
    m_concordance = new ConcordanceDock(m_app.settings(), m_app.files(), this);
    addDockWidget(Qt::BottomDockWidgetArea, m_concordance);
    m_concordance->hide();
    connect(m_concordance, &ConcordanceDock::hitActivated, this, &CMainFrame::openConcordanceHit);
    connect(m_concordance, &ConcordanceDock::selectionChanged, this, &CMainFrame::updateClipboardActions);
    connect(action(Command::ShowUsage), &QAction::triggered, this, &CMainFrame::showHeadwordUsage);
    connect(action(Command::ShowWordFormUsage), &QAction::triggered, this, [this] {
        if (const XmlNode token = m_doc.currentToken())
            showUsage(ConcordanceBy::WordForm, toQt(elementText(token)));
    });
    if (m_formView)
        connect(m_formView->ui().showUsageButton, &QPushButton::clicked, action(Command::ShowUsage), &QAction::trigger);
    m_dictionaryCommands->setShowUsage([this](ConcordanceBy by, const QString& word) { showUsage(by, word); });
}

void CMainFrame::showHeadwordUsage()
{
    const XmlNode token = m_doc.currentToken();
    if (!token)
        return;
    // The headword as the form shows it (typed or proposed); the token's own lemma without a form.
    const QString headword = m_formView ? m_formView->headwordEdit()->text().trimmed()
                                        : toQt(attributeValue(token, text::kLemma));
    if (headword.isEmpty())
        showUsage(ConcordanceBy::WordForm, toQt(elementText(token)));
    else
        showUsage(ConcordanceBy::Lemma, headword);
}

void CMainFrame::showUsage(ConcordanceBy by, const QString& word)
{
    const bool first = m_concordance->isHidden();
    m_concordance->showUsage(by, word, m_path);
    // The running text keeps most of the height when the window first opens.
    if (first)
        resizeDocks({m_concordance}, {height() / 4}, Qt::Vertical);
}

void CMainFrame::openConcordanceHit(const QString& file, const QString& tokenId)
{
    // A hit in the open text needs no opening, so its changes stay; another text asks first.
    const bool isOpen = m_doc.hasText() && !m_path.isEmpty() && QFileInfo(file) == QFileInfo(m_path);
    if (!isOpen && (!maybeSave() || !openText(file)))
        return;
    if (const XmlNode token = findTokenById(m_doc, toStd(tokenId)))
        m_doc.setCurrentToken(token);
    m_textView->setFocus(Qt::OtherFocusReason);
}

// --- State ------------------------------------------------------------------------------------

void CMainFrame::documentUpdated()
{
    updateTitle();
    updateActions();
}

void CMainFrame::updateUndoSteps()
{
    if (!m_doc.isChangeOpen()) {
        m_undoSteps.stop();
        showUndoSteps(m_doc, action(Command::Undo), action(Command::Redo));
    } else if (!m_undoSteps.isActive()) {
        // A command redraws before its group closes; a long one (with a progress window) is
        // looked at again now and then.
        m_undoSteps.start(0);
    }
}

void CMainFrame::setDocumentPath(const QString& path)
{
    m_path = path;
    if (!path.isEmpty())
        addRecentFile(path);
    updateTitle();
}

void CMainFrame::updateTitle()
{
    const QString name = m_path.isEmpty() ? QString(kUntitled) : QFileInfo(m_path).fileName();
    setWindowTitle(name + "[*] - Pelmora");
    setWindowModified(m_doc.isModified());
}

void CMainFrame::updateActions()
{
    const bool text = m_doc.hasText();
    const bool token = static_cast<bool>(m_doc.currentToken());
    for (const CommandInfo& info : commandTable()) {
        // The clipboard commands follow the focused field and undo and redo the history (below);
        // setting them here first would switch them on and off at every update.
        if (info.command == Command::Cut || info.command == Command::Copy || info.command == Command::Paste ||
            info.command == Command::Undo || info.command == Command::Redo)
            continue;
        bool enabled = !info.later;
        if (info.needs == Needs::Text)
            enabled = enabled && text;
        else if (info.needs == Needs::CurrentToken)
            enabled = enabled && token;
        action(info.command)->setEnabled(enabled);
    }
    updateClipboardActions();
    updateUndoSteps();
    for (std::size_t i = 0; i < contextMenuTable().size(); ++i) {
        if (m_contextActions[static_cast<qsizetype>(i)])
            m_contextActions[static_cast<qsizetype>(i)]->setEnabled(
                action(contextMenuTable()[i].command)->isEnabled());
    }
}

void CMainFrame::addRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > SettingsStore::kRecentFiles)
        m_recent.removeLast();
    updateRecentMenu();
}

void CMainFrame::updateRecentMenu()
{
    if (!m_textMenu)
        return;
    for (QAction* old : m_recentActions) {
        m_textMenu->removeAction(old);
        old->deleteLater();
    }
    m_recentActions.clear();
    m_recentPlaceholder->setVisible(m_recent.isEmpty());
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
        connect(item, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openText(path);
        });
        m_textMenu->insertAction(m_recentPlaceholder, item);
        m_recentActions.push_back(item);
    }
}

// --- File commands ----------------------------------------------------------------------------

bool CMainFrame::maybeSave()
{
    if (!m_doc.hasText())
        return true;
    if (!m_doc.isModified()) {
        m_app.recovery().discard(toStd(m_path));
        return true;
    }
    const QString name = m_path.isEmpty() ? QString(kUntitled) : QFileInfo(m_path).fileName();
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    if (m_saveQuestion) {
        answer = m_saveQuestion(name);
    } else {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Pelmora"),
                        QStringLiteral("Kas salvestada muudatused failis %1?").arg(name),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        answer = static_cast<QMessageBox::StandardButton>(box.exec());
    }
    if (answer == QMessageBox::Yes)
        return saveText();
    if (answer != QMessageBox::No)
        return false;
    m_app.recovery().discard(toStd(m_path));
    return true;
}

void CMainFrame::newDocument()
{
    if (!maybeSave())
        return;
    m_doc.closeDocument();
    m_path.clear();
    m_doc.updateAllViews();
}

void CMainFrame::open()
{
    if (!maybeSave())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QStringLiteral("Ava");
    request.start = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString path = m_app.files().chooseOne(this, request);
    if (!path.isEmpty())
        openText(path);
}

bool CMainFrame::openText(const QString& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool opened = m_doc.openDocument(toStd(path));
    QApplication::restoreOverrideCursor();
    // A recovery newer than the text is offered; one that cannot be used is set aside and named.
    if (m_app.recovery().offer(m_doc, toStd(path), opened) == RecoveryKeeper::Offer::Restored)
        opened = true;
    m_path = opened ? path : QString();
    if (opened)
        addRecentFile(path);
    updateTitle();
    updateActions();
    m_doc.updateAllViews();
    return opened;
}

bool CMainFrame::saveText()
{
    if (!m_doc.hasText())
        return false;
    if (m_path.isEmpty()) {
        saveAs();
        return !m_doc.isModified();
    }
    return saveTextAs(m_path);
}

void CMainFrame::saveAs()
{
    if (!m_doc.hasText())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QStringLiteral("Salvesta koopia");
    request.filter = QStringLiteral("XML-failid (*.xml);;Kõik failid (*)");
    request.defaultSuffix = QStringLiteral("xml");
    request.start = m_path;
    const QString path = m_app.files().chooseOne(this, request);
    if (!path.isEmpty())
        saveTextAs(path);
}

bool CMainFrame::saveTextAs(const QString& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = m_doc.saveDocument(toStd(path));
    QApplication::restoreOverrideCursor();
    if (saved) {
        m_app.recovery().discard(toStd(m_path));
        m_app.recovery().discard(toStd(path));
    }
    if (saved && path != m_path) {
        m_path = path;
        addRecentFile(path);
    }
    updateTitle();
    return saved;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    m_app.writeSettings();
    event->accept();
}

void CMainFrame::print()
{
    if (!m_doc.hasText())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_path.isEmpty() ? QString(kUntitled) : QFileInfo(m_path).fileName());
    QPrintDialog dialog(&printer, this);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_textView->print(printer);
    QApplication::restoreOverrideCursor();
}

// --- Clipboard: the focused field first, then the document -----------------------------------

// An edit field with the focus takes the three commands: cut and copy need a selection (cut an
// editable field), paste an editable field and text on the clipboard. The form's other controls
// take them too and offer none; elsewhere copy reaches the document and copies the sentence.
void CMainFrame::updateClipboardActions()
{
    QWidget* focus = QApplication::focusWidget();
    const EditFieldState field = editFieldState(focus);
    bool cut = false;
    bool copy = false;
    bool paste = false;
    if (field.isEdit) {
        cut = field.hasSelection && !field.readOnly;
        copy = field.hasSelection;
        paste = !field.readOnly && !QGuiApplication::clipboard()->text().isEmpty();
    } else if (concordanceHasFocus()) {
        copy = m_concordance->hasSelectedLines();
    } else if (!(focus && m_form && m_form->isAncestorOf(focus))) {
        copy = static_cast<bool>(m_doc.currentToken());
    }
    action(Command::Cut)->setEnabled(cut);
    action(Command::Copy)->setEnabled(copy);
    action(Command::Paste)->setEnabled(paste);
}

bool CMainFrame::concordanceHasFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus && m_concordance && m_concordance->isAncestorOf(focus);
}

void CMainFrame::focusChanged(QWidget* now)
{
    // Only the focused field's selection is followed.
    QObject::disconnect(m_selectionWatch);
    if (auto* combo = qobject_cast<QComboBox*>(now); combo && combo->lineEdit())
        now = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(now))
        m_selectionWatch = connect(line, &QLineEdit::selectionChanged, this, &CMainFrame::updateClipboardActions);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(now))
        m_selectionWatch = connect(plain, &QPlainTextEdit::selectionChanged, this, &CMainFrame::updateClipboardActions);
    else if (auto* rich = qobject_cast<QTextEdit*>(now))
        m_selectionWatch = connect(rich, &QTextEdit::selectionChanged, this, &CMainFrame::updateClipboardActions);
    updateClipboardActions();
}

void CMainFrame::cut()
{
    if (QLineEdit* line = focusedLineEdit())
        line->cut();
    else if (auto* plain = focusedEdit<QPlainTextEdit>())
        plain->cut();
    else if (auto* rich = focusedEdit<QTextEdit>())
        rich->cut();
}

void CMainFrame::copy()
{
    if (QLineEdit* line = focusedLineEdit())
        return line->copy();
    if (auto* plain = focusedEdit<QPlainTextEdit>())
        return plain->copy();
    if (auto* rich = focusedEdit<QTextEdit>())
        return rich->copy();
    // Elsewhere in the concordance (its table): its selected lines.
    if (concordanceHasFocus()) {
        if (m_concordance->hasSelectedLines())
            QGuiApplication::clipboard()->setText(m_concordance->selectedLinesText());
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!(focus && m_form && m_form->isAncestorOf(focus)))
        copySentence();
}

void CMainFrame::paste()
{
    if (QLineEdit* line = focusedLineEdit())
        line->paste();
    else if (auto* plain = focusedEdit<QPlainTextEdit>())
        plain->paste();
    else if (auto* rich = focusedEdit<QTextEdit>())
        rich->paste();
}

void CMainFrame::copyToken()
{
    if (m_doc.currentToken())
        QGuiApplication::clipboard()->setText(toQt(copyTokenText(m_doc)));
}

void CMainFrame::copySentence()
{
    if (m_doc.currentToken())
        QGuiApplication::clipboard()->setText(toQt(copySentenceWithReference(m_doc)));
}

// --- Editing and the rest --------------------------------------------------------------------

void CMainFrame::deleteToken()
{
    pelmora::deleteToken(m_doc);
}

void CMainFrame::splitSentence()
{
    pelmora::splitSentence(m_doc);
}

void CMainFrame::analyseDictionary()
{
    m_app.prompter().message(MessageKind::Warning, "Tekstide ühendamine", kAnalysisWarning);
}

void CMainFrame::about()
{
    showAboutBox(this, m_app.dialogs());
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
