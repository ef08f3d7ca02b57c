// The annotation form: fields and candidate lists from the suggester, remember, the moves and
// the letter keyboard.
#include "dialogs/choicelists.h"
#include "form/pelmoraformview.h"

#include "annotation/formtag.h"
#include "annotation/lemmatiser.h"
#include "annotation/lettercomposition.h"
#include "annotation/vocabularies.h"
#include "app/qtstrings.h"
#include "app/waitingfetch.h"
#include "form/formmnemonics.h"
#include "form/proposalmarkers.h"
#include "text/textformat.h"
#include "ui_pelmoraformview.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <cstring>

namespace pelmora::gui {

namespace {

// Sets a field's text only when it differs, so that the caret of a field being typed in stays.
void setText(QLineEdit* edit, const std::string& text)
{
    const QString value = toQt(text);
    if (edit->text() != value)
        edit->setText(value);
}

// Enter in a one-line field, a drop-down box or a candidate list presses the default button.
class EnterPresses final : public QObject {
public:
    EnterPresses(QObject* parent, std::function<void()> press) : QObject(parent), m_press(std::move(press)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_press();
        return true;
    }

private:
    std::function<void()> m_press;
};

// The form-tag field takes no typing: a letter typed or Enter opens the form-tag editor.
class FormTagKeys final : public QObject {
public:
    FormTagKeys(QObject* parent, std::function<void(const QString&)> typed, std::function<void()> enter)
        : QObject(parent), m_typed(std::move(typed)), m_enter(std::move(enter))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_enter();
            return true;
        }
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (command || key->text().isEmpty() || !key->text().front().isPrint())
            return false;
        m_typed(key->text());
        return true;
    }

private:
    std::function<void(const QString&)> m_typed;
    std::function<void()> m_enter;
};

// Selects the choice; a stored value the list does not hold is shown as an extra entry after the
// list's, there only while the token has it.
void showChoice(QComboBox& combo, int listed, int index, const std::string& other)
{
    const bool extra = index >= listed;
    while (combo.count() > listed)
        combo.removeItem(combo.count() - 1);
    if (extra)
        combo.addItem(toQt(other));
    combo.setCurrentIndex(extra ? listed : index);
}

}  // namespace

CPelmoraFormView::CPelmoraFormView(CPelmoraDoc& doc, Settings& settings, CDictionary* dictionary, Prompter& prompter,
                                   QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_settings(settings),
      m_dictionary(dictionary),
      m_analyser(settings.analyserUrl),
      m_suggester(doc, settings, SuggestionSources{}, prompter),
      m_navigation(doc),
      m_ui(std::make_unique<::Ui::CPelmoraFormView>()),
      m_shown(doc, OnTokenRemoved::Drop)
{
    m_ui->setupUi(this);
    m_analyser.setFetch(waitingFetch());
    // The counter and the audio position change at every step; with a fixed size their new text
    // repaints the label alone instead of laying out the whole form again.
    for (QLabel* label : {m_ui->countLabel, m_ui->audioLabel}) {
        const QFontMetrics metrics(label->font());
        const int wide = std::max({metrics.horizontalAdvance(QStringLiteral("0000000")),
                                   metrics.horizontalAdvance(QStringLiteral("määramata")),
                                   metrics.horizontalAdvance(QStringLiteral("000 min 00 s")), label->minimumWidth()});
        label->setFixedSize(wide + 2 * label->margin() + 4, label->sizeHint().height());
    }
    m_suggester.setSources(sources());

    for (int i = 0; i < kPartOfSpeechFormCount; ++i)
        m_ui->partOfSpeechCombo->addItem(shownName(partOfSpeechName(i)));
    for (int i = 0; i < kStyleFormCount; ++i)
        m_ui->styleCombo->addItem(shownName(styleText(i)));
    for (int i = 0; i < kReasonFormCount; ++i)
        m_ui->reasonCombo->addItem(shownName(reasonText(i)));
    for (QComboBox* box : {m_ui->partOfSpeechCombo, m_ui->styleCombo, m_ui->reasonCombo})
        box->setCurrentIndex(-1);

    // The form tag is only edited through its editor, and looks it: the background of a
    // read-only field, and a tool tip that tells how to change it.
    QPalette readOnly = m_ui->formEdit->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    m_ui->formEdit->setPalette(readOnly);
    m_ui->formEdit->setToolTip(QCoreApplication::translate("PelmoraFormView", "Vormi muudetakse vormiinfo aknas: nupp „...“, Enter või kirjutamine"));

    // Why a token is not annotated, under the reason it has.
    m_notToTagHint = new QLabel(this);
    m_notToTagHint->setObjectName(QStringLiteral("notToTagHint"));
    QPalette hintColour = m_notToTagHint->palette();
    hintColour.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_notToTagHint->setPalette(hintColour);
    m_ui->tagsGrid->addWidget(m_notToTagHint, 2, 0, 1, 2);

    m_navigationMenu = new QMenu(QStringLiteral("FormView"), this);
    for (std::size_t i = 0; i < kNavigationKindCount; ++i) {
        const auto kind = static_cast<NavigationKind>(i);
        QAction* entry = m_navigationMenu->addAction(shownName(navigationKindTexts(kind).menuEntry));
        connect(entry, &QAction::triggered, this, [this, kind] { chooseNavigationKind(kind); });
    }

    for (QListWidget* list : {m_ui->headwordList, m_ui->meaningList, m_ui->partOfSpeechList, m_ui->formList,
                              m_ui->latvianList, m_ui->englishList})
        list->setItemDelegate(new ProposalMarkerDelegate(list));
    buildLetterKeyboard();
    connectFields();
    // The button shows the player's state, not its own: a click only asks the player.
    connect(m_ui->playButton, &QPushButton::clicked, this, [this] {
        m_ui->playButton->setChecked(!m_ui->playButton->isChecked());
        if (m_playSentence)
            m_playSentence();
    });
    m_mnemonics = new FormMnemonics(this);

    m_doc.addObserver(this);
    m_shown.set(m_doc.currentToken());
    m_shownStructure = m_doc.structureRevision();
    m_suggester.showCurrentToken();
    showModel();
}

CPelmoraFormView::~CPelmoraFormView()
{
    m_doc.removeObserver(this);
}

SuggestionSources CPelmoraFormView::sources()
{
    return SuggestionSources{m_settings.suggestionType == 1 ? m_dictionary : nullptr, &m_analyser, m_localAnalyser,
                             m_confirmedTexts, m_openTextPath};
}

void CPelmoraFormView::setConfirmedTexts(const ConfirmedAnalyses* texts, const std::string& openTextPath)
{
    m_confirmedTexts = texts;
    m_openTextPath = openTextPath;
    m_suggester.setSources(sources());
}

void CPelmoraFormView::setLocalAnalyser(LocalAnalyserHolder* holder)
{
    m_localAnalyser = holder;
    m_suggester.setSources(sources());
}

void CPelmoraFormView::localAnalyserLoaded()
{
    // The proposals are asked again unless the user has begun on the token: nothing typed is
    // replaced; the next token has them anyway.
    for (std::size_t i = 0; i < kSuggestionListCount; ++i)
        if (m_suggester.isTouched(static_cast<SuggestionList>(i)))
            return;
    m_shownEdited = true;
    documentUpdated();
}

void CPelmoraFormView::settingsChanged()
{
    m_analyser.settingsConfirmed(m_settings);
    m_suggester.setSources(sources());
    m_suggester.settingsChanged();
    // The candidates depend on the settings: the current token is filled anew.
    m_shownEdited = true;
    documentUpdated();
}

// --- Hooks -----------------------------------------------------------------------------------

void CPelmoraFormView::setFormTagEditor(FormTagEditor editor)
{
    m_formTagEditor = std::move(editor);
}
void CPelmoraFormView::setSentenceCheck(std::function<void(XmlNode)> check) { m_sentenceCheck = std::move(check); }
void CPelmoraFormView::setTranslation(std::function<void(XmlNode)> translation)
{
    m_translation = std::move(translation);
}
void CPelmoraFormView::setHeadwordNotes(std::function<void(const std::string&)> notes)
{
    m_headwordNotes = std::move(notes);
}
void CPelmoraFormView::setAudioPosition(std::function<void()> audioPosition)
{
    m_audioPosition = std::move(audioPosition);
}
void CPelmoraFormView::setPlaying(bool playing)
{
    m_ui->playButton->setChecked(playing);
}

// --- Building --------------------------------------------------------------------------------

void CPelmoraFormView::buildLetterKeyboard()
{
    // Small letters above their capitals: the cedilla row's two halves, the Livonian vowels and the
    // Latvian letters; the apostrophe closes the upper line.
    const auto& rows = specialLetterRows();
    const std::u16string_view cedillas = rows[0].letters;
    const std::size_t half = cedillas.size() / 2;
    const std::array<std::u16string, 2> lines = {
        std::u16string(cedillas.substr(0, half)) + std::u16string(rows[1].letters) + std::u16string(rows[3].letters) +
            std::u16string(rows[5].letters),
        std::u16string(cedillas.substr(half)) + std::u16string(rows[2].letters) + std::u16string(rows[4].letters),
    };
    auto* grid = new QGridLayout(m_ui->lettersPane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(11);
    for (int line = 0; line < 2; ++line) {
        const std::u16string& letters = lines[static_cast<std::size_t>(line)];
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const QChar letter(letters[i]);
            auto* button = new QToolButton(m_ui->lettersPane);
            button->setText(QString(letter));
            button->setFont(font);
            button->setFixedSize(24, 22);
            button->setFocusPolicy(Qt::NoFocus);  // the field keeps its caret
            button->setAutoRaise(false);
            button->setObjectName(QStringLiteral("letter_%1").arg(letter.unicode(), 4, 16, QChar('0')));
            connect(button, &QToolButton::clicked, this, [this, letter] { insertSpecialLetter(letter); });
            grid->addWidget(button, line, static_cast<int>(i));
        }
    }
}

void CPelmoraFormView::connectFields()
{
    ::Ui::CPelmoraFormView& ui = *m_ui;
    connect(ui.rememberButton, &QPushButton::clicked, this, &CPelmoraFormView::remember);
    connect(ui.showNextButton, &QPushButton::clicked, this, &CPelmoraFormView::showNext);
    connect(ui.rememberAndShowNextButton, &QPushButton::clicked, this, &CPelmoraFormView::rememberAndShowNext);
    connect(ui.backButton, &QPushButton::clicked, this, &CPelmoraFormView::back);
    connect(ui.navigationMenuButton, &QToolButton::clicked, this, &CPelmoraFormView::showNavigationMenu);
    connect(ui.sentenceCheckButton, &QPushButton::clicked, this, &CPelmoraFormView::checkSentence);
    connect(ui.headwordNotesButton, &QPushButton::clicked, this, &CPelmoraFormView::headwordNotes);
    connect(ui.translationButton, &QPushButton::clicked, this, &CPelmoraFormView::translateSentence);
    connect(ui.formTagButton, &QPushButton::clicked, this, &CPelmoraFormView::editFormTag);

    auto* enter = new EnterPresses(this, [this] { m_ui->rememberAndShowNextButton->click(); });
    for (QWidget* field : std::initializer_list<QWidget*>{ui.headwordEdit, ui.meaningEdit, ui.latvianEdit,
                                                          ui.englishEdit, ui.partOfSpeechCombo, ui.styleCombo,
                                                          ui.reasonCombo})
        field->installEventFilter(enter);
    ui.formEdit->installEventFilter(new FormTagKeys(
        this, [this](const QString& typed) { editFormTagTyped(typed); }, [this] { editFormTag(); }));
    // Enter in a candidate list takes the entry under the focus and is then confirmed as well.
    for (std::size_t i = 0; i < 6; ++i) {
        QListWidget* list = candidateList(static_cast<SuggestionList>(i));
        list->installEventFilter(new EnterPresses(this, [this, list] {
            candidateConfirmed(list);
            m_ui->rememberAndShowNextButton->click();
        }));
    }

    for (QLineEdit* edit : {ui.headwordEdit, ui.meaningEdit, ui.latvianEdit, ui.englishEdit})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { fieldTyped(edit); });
    connect(ui.partOfSpeechCombo, &QComboBox::activated, this, [this](int index) {
        if (m_updating)
            return;
        m_suggester.partOfSpeechChanged(index);
        showModel();
    });
    connect(ui.styleCombo, &QComboBox::activated, this, [this](int index) { m_suggester.fields().style = index; });
    connect(ui.reasonCombo, &QComboBox::activated, this, [this](int index) {
        m_suggester.reasonChanged(index);
        showModel();
    });
    connect(ui.commentEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_updating)
            m_suggester.fields().comment = toStd(m_ui->commentEdit->toPlainText());
    });

    const std::array<std::pair<SuggestionList, QListWidget*>, 6> lists = {{
        {SuggestionList::Lemma, ui.headwordList},
        {SuggestionList::Meaning, ui.meaningList},
        {SuggestionList::PartOfSpeech, ui.partOfSpeechList},
        {SuggestionList::Form, ui.formList},
        {SuggestionList::Latvian, ui.latvianList},
        {SuggestionList::English, ui.englishList},
    }};
    for (const auto& [which, list] : lists) {
        const SuggestionList kind = which;
        // Only a choice writes into the field: the focus entering a list makes an entry current
        // without selecting it.
        QListWidget* widget = list;
        connect(list, &QListWidget::itemSelectionChanged, this, [this, kind, widget] { candidateChosen(kind, widget); });
    }
    connect(qApp, &QApplication::focusChanged, this, &CPelmoraFormView::focusChanged);
}

// --- Showing ---------------------------------------------------------------------------------

void CPelmoraFormView::documentUpdated()
{
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QMetaObject::invokeMethod(this, &CPelmoraFormView::redrawFromDocument, Qt::QueuedConnection);
}

void CPelmoraFormView::attributeChanged(XmlNode element, const char* name, std::string_view)
{
    // The combination mark is not among the fields: a combination made of the shown token keeps
    // what is typed in them.
    if (element && element == m_shown.token() && std::strcmp(name, text::kCombinationMark) != 0)
        m_shownEdited = true;
    // The sentence's audio position changed: only its label follows, the fields keep what is typed.
    if (element && m_shown.token() && element == CPelmoraDoc::sentenceOf(m_shown.token()))
        m_ui->audioLabel->setText(shownName(audioPositionLabel(element)));
}

void CPelmoraFormView::documentAboutToBeCleared()
{
    m_documentReplaced = true;
}

void CPelmoraFormView::redrawFromDocument()
{
    m_redrawPending = false;
    const XmlNode current = m_doc.currentToken();
    const bool changed = current != m_shown.token() || m_shownEdited || m_documentReplaced ||
                         m_shownStructure != m_doc.structureRevision();
    if (m_documentReplaced) {
        // Values typed for the previous text are not carried into this one.
        m_suggester.fields() = SuggestionFields();
        m_documentReplaced = false;
    }
    if (changed) {
        m_shown.set(current);
        m_shownEdited = false;
        m_shownStructure = m_doc.structureRevision();
        m_suggester.showCurrentToken();
        showModel();
    }
    m_ui->backButton->setEnabled(m_navigation.canGoBack());
}

void CPelmoraFormView::showList(SuggestionList which, QListWidget* list)
{
    const CandidateList& candidates = m_suggester.list(which);
    // Parts of speech are shown by their names in the interface's language, as in the combo box;
    // a choice is taken by its row, so the stored value stays as it is.
    const bool named = which == SuggestionList::PartOfSpeech;
    QStringList items;
    for (const std::string& item : candidates.items())
        items << (named ? shownName(item) : toQt(item));
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = list->item(i)->text() == items[i];
    if (!same) {
        list->clear();
        list->addItems(items);
    }
    list->setCurrentRow(candidates.selected, QItemSelectionModel::ClearAndSelect);
    if (candidates.selected < 0)
        list->clearSelection();
    showProposalMarkers(*list, candidates);
}

void CPelmoraFormView::showModel()
{
    m_updating = true;
    const SuggestionFields& f = m_suggester.fields();
    ::Ui::CPelmoraFormView& ui = *m_ui;
    setText(ui.headwordEdit, f.lemma);
    setText(ui.meaningEdit, f.meaning);
    ui.partOfSpeechCombo->setCurrentIndex(f.partOfSpeech < kPartOfSpeechFormCount ? f.partOfSpeech : -1);
    setText(ui.formEdit, f.form);
    setText(ui.latvianEdit, f.latvian);
    setText(ui.englishEdit, f.english);
    showChoice(*ui.styleCombo, kStyleFormCount, f.style, f.otherStyle);
    showChoice(*ui.reasonCombo, kReasonFormCount, f.reason, f.otherReason);
    if (ui.commentEdit->toPlainText() != toQt(f.comment))
        ui.commentEdit->setPlainText(toQt(f.comment));
    showList(SuggestionList::Lemma, ui.headwordList);
    showList(SuggestionList::Meaning, ui.meaningList);
    showList(SuggestionList::PartOfSpeech, ui.partOfSpeechList);
    showList(SuggestionList::Form, ui.formList);
    showList(SuggestionList::Latvian, ui.latvianList);
    showList(SuggestionList::English, ui.englishList);
    const XmlNode token = m_doc.currentToken();
    ui.audioLabel->setText(shownName(audioPositionLabel(token ? CPelmoraDoc::sentenceOf(token) : XmlNode())));
    showWhetherToTag();
    m_updating = false;
}

void CPelmoraFormView::showWhetherToTag()
{
    ::Ui::CPelmoraFormView& ui = *m_ui;
    const bool toTag = !m_suggester.isNotToTag();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui.headwordLabel, ui.headwordEdit, ui.headwordList, ui.meaningLabel, ui.meaningEdit, ui.meaningList,
             ui.partOfSpeechLabel, ui.partOfSpeechCombo, ui.partOfSpeechList, ui.formLabel, ui.formEdit,
             ui.formTagButton, ui.formList, ui.latvianLabel, ui.latvianEdit, ui.latvianList, ui.englishLabel,
             ui.englishEdit, ui.englishList, ui.styleLabel, ui.styleCombo, ui.lettersPane})
        widget->setEnabled(toTag);
    m_notToTagHint->setText(toTag ? QString()
                                  : QCoreApplication::translate("PelmoraFormView", "Seda sõnet ei märgendata: ") +
                                        shownName(reasonValue(m_suggester.fields())));
}

// --- Typing and choosing ---------------------------------------------------------------------

void CPelmoraFormView::candidateChosen(SuggestionList which, QListWidget* list)
{
    if (m_updating)
        return;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    m_suggester.choose(which, static_cast<std::size_t>(list->row(selected.front())));
    showModel();
}

void CPelmoraFormView::candidateConfirmed(QListWidget* list)
{
    QListWidgetItem* current = list->currentItem();
    if (current && !current->isSelected())
        list->setCurrentItem(current, QItemSelectionModel::ClearAndSelect);
}

void CPelmoraFormView::fieldTyped(QLineEdit* edit)
{
    if (m_updating)
        return;
    if (edit == m_ui->headwordEdit || edit == m_ui->latvianEdit)
        replaceWhileTyping(edit);
    const std::string text = toStd(edit->text());
    if (edit == m_ui->headwordEdit) {
        m_suggester.headwordEdited(text);
        showModel();
    } else if (edit == m_ui->meaningEdit) {
        m_suggester.meaningEdited(text);
        showModel();
    } else if (edit == m_ui->latvianEdit) {
        m_suggester.fields().latvian = text;
        m_suggester.touch(SuggestionList::Latvian);
    } else if (edit == m_ui->englishEdit) {
        m_suggester.fields().english = text;
        m_suggester.touch(SuggestionList::English);
    }
}

void CPelmoraFormView::replaceWhileTyping(QLineEdit* edit)
{
    if (!m_doc.currentToken())
        return;
    const QString text = edit->text();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    const auto replacement = replacementWhileTyping(view, static_cast<std::size_t>(edit->cursorPosition()),
                                                    m_ui->replaceCheck->isChecked());
    if (!replacement)
        return;
    const QString replaced = QString(text).replace(static_cast<qsizetype>(replacement->start),
                                                   static_cast<qsizetype>(replacement->length),
                                                   QChar(replacement->replacement));
    edit->setText(replaced);
    edit->setCursorPosition(static_cast<int>(replacement->start) + 1);
}

void CPelmoraFormView::focusChanged(QWidget*, QWidget* now)
{
    if (!now)
        return;  // the window lost the focus; the field still counts as the last one
    if (now == m_ui->headwordEdit || now == m_ui->latvianEdit)
        m_letterTarget = static_cast<QLineEdit*>(now);
    else
        m_letterTarget = nullptr;
}

void CPelmoraFormView::insertSpecialLetter(QChar letter)
{
    QLineEdit* edit = m_letterTarget;
    if (!edit)
        return;
    edit->setFocus(Qt::OtherFocusReason);
    edit->insert(QString(letter));  // a user's edit: the suggester follows through textEdited
}

// --- Remember --------------------------------------------------------------------------------

SuggestionFields CPelmoraFormView::fieldsFromControls() const
{
    const ::Ui::CPelmoraFormView& ui = *m_ui;
    SuggestionFields f;
    f.lemma = toStd(ui.headwordEdit->text());
    f.meaning = toStd(ui.meaningEdit->text());
    f.partOfSpeech = ui.partOfSpeechCombo->currentIndex();
    f.form = toStd(ui.formEdit->text());
    f.latvian = toStd(ui.latvianEdit->text());
    f.english = toStd(ui.englishEdit->text());
    f.reason = ui.reasonCombo->currentIndex();
    f.style = ui.styleCombo->currentIndex();
    f.otherReason = m_suggester.fields().otherReason;
    f.otherStyle = m_suggester.fields().otherStyle;
    f.comment = toStd(ui.commentEdit->toPlainText());
    return f;
}

void CPelmoraFormView::writeToken()
{
    rememberToken(m_doc, fieldsFromControls(), m_dictionary, m_settings.newToDictionary != 0);
}

void CPelmoraFormView::countRemembered()
{
    ++m_remembered;
    m_ui->countLabel->setText(QString::number(m_remembered));
}

// A token not to annotate that keeps its reason and comment has nothing to be remembered: it is
// neither written again nor counted.
bool CPelmoraFormView::nothingToRemember() const
{
    return rememberLeavesNotTaggedTokenAsItIs(m_doc, fieldsFromControls());
}

void CPelmoraFormView::remember()
{
    if (!m_doc.currentToken())
        return;
    if (!nothingToRemember()) {
        writeToken();
        countRemembered();
    }
    focusFirstField();
    redrawFromDocument();
}

void CPelmoraFormView::rememberAndShowNext()
{
    if (!m_doc.currentToken())
        return;
    if (!nothingToRemember()) {
        writeToken();
        countRemembered();
    }
    showNext();
}

void CPelmoraFormView::focusFirstField()
{
    // A token not to annotate takes no headword: the reason is where its keys go.
    QWidget* first = m_ui->headwordEdit->isEnabled() ? static_cast<QWidget*>(m_ui->headwordEdit) : m_ui->reasonCombo;
    first->setFocus(Qt::OtherFocusReason);
}

// --- Moves -----------------------------------------------------------------------------------

void CPelmoraFormView::sentenceLeft(XmlNode sentence)
{
    if (m_settings.heliPos && m_audioPosition)
        m_audioPosition();
    if (m_settings.viewSentence && m_sentenceCheck)
        m_sentenceCheck(sentence);
    if (m_settings.translateSentence && m_translation)
        m_translation(sentence);
}

void CPelmoraFormView::showNext()
{
    if (!m_doc.currentToken())
        return;
    m_suggester.setMoving(true);
    const ShowNextResult result =
        m_navigation.showNext(m_kind, m_marked, [this](XmlNode sentence) { sentenceLeft(sentence); });
    redrawFromDocument();
    m_suggester.setMoving(false);
    if (result == ShowNextResult::Moved)
        focusFirstField();
}

void CPelmoraFormView::back()
{
    m_suggester.setMoving(true);
    const bool moved = m_navigation.back();
    redrawFromDocument();
    if (moved)
        focusFirstField();
    m_suggester.setMoving(false);
}

void CPelmoraFormView::chooseNavigationKind(NavigationKind kind)
{
    m_kind = kind;
    const NavigationKindTexts& texts = navigationKindTexts(kind);
    m_ui->showNextButton->setText(shownName(texts.showNextCaption));
    m_ui->rememberAndShowNextButton->setText(shownName(texts.rememberAndShowNextCaption));
    showNext();
}

void CPelmoraFormView::showNavigationMenu()
{
    m_ui->showNextButton->setFocus(Qt::OtherFocusReason);
    QWidget* button = m_ui->navigationMenuButton;
    m_navigationMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// --- Buttons with hooks ----------------------------------------------------------------------

void CPelmoraFormView::checkSentence()
{
    const XmlNode token = m_doc.currentToken();
    if (token && m_sentenceCheck)
        m_sentenceCheck(CPelmoraDoc::sentenceOf(token));
}

void CPelmoraFormView::translateSentence()
{
    const XmlNode token = m_doc.currentToken();
    if (token && m_translation)
        m_translation(CPelmoraDoc::sentenceOf(token));
}

void CPelmoraFormView::headwordNotes()
{
    if (m_doc.currentToken() && m_headwordNotes)
        m_headwordNotes(toStd(m_ui->headwordEdit->text()));
}

void CPelmoraFormView::editFormTag()
{
    openFormTagEditor(toStd(m_ui->formEdit->text()), false);
}

void CPelmoraFormView::editFormTagTyped(const QString& typed)
{
    FormTagTicks ticks = takeApartFormTag(toStd(m_ui->formEdit->text()));
    ticks.extraInfo += toStd(typed);
    openFormTagEditor(putTogetherFormTag(ticks), true);
}

void CPelmoraFormView::openFormTagEditor(const std::string& tag, bool typing)
{
    if (!m_doc.currentToken() || !m_formTagEditor || m_suggester.isNotToTag())
        return;
    if (const std::optional<std::string> edited = m_formTagEditor(tag, typing)) {
        m_ui->formEdit->setText(toQt(*edited));
        m_suggester.fields().form = *edited;
        m_suggester.touch(SuggestionList::Form);
    }
    m_ui->formEdit->setFocus(Qt::OtherFocusReason);
}

// --- Accessors -------------------------------------------------------------------------------

QLineEdit* CPelmoraFormView::headwordEdit() const { return m_ui->headwordEdit; }
QLineEdit* CPelmoraFormView::meaningEdit() const { return m_ui->meaningEdit; }
QLineEdit* CPelmoraFormView::latvianEdit() const { return m_ui->latvianEdit; }
QComboBox* CPelmoraFormView::partOfSpeechBox() const { return m_ui->partOfSpeechCombo; }
QComboBox* CPelmoraFormView::reasonBox() const { return m_ui->reasonCombo; }
QComboBox* CPelmoraFormView::styleBox() const { return m_ui->styleCombo; }
QPushButton* CPelmoraFormView::backButton() const { return m_ui->backButton; }

QListWidget* CPelmoraFormView::candidateList(SuggestionList which) const
{
    switch (which) {
    case SuggestionList::Lemma:
        return m_ui->headwordList;
    case SuggestionList::Meaning:
        return m_ui->meaningList;
    case SuggestionList::PartOfSpeech:
        return m_ui->partOfSpeechList;
    case SuggestionList::Form:
        return m_ui->formList;
    case SuggestionList::Latvian:
        return m_ui->latvianList;
    case SuggestionList::English:
        return m_ui->englishList;
    }
    return nullptr;
}

}  // namespace pelmora::gui
