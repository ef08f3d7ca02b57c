#include "dialogs/dictionaryeditordialog.h"

#include "app/qtstrings.h"
#include "dialogs/choicelists.h"
#include "form/formtagdialog.h"

#include "ui_dictionaryeditordialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace pelmora::gui {

namespace {

// The entries of a part-of-speech list: the names, each holding its code ("" for "-").
void fillPartsOfSpeech(QComboBox& combo)
{
    combo.clear();
    for (const Choice& choice : partOfSpeechChoices(false))
        combo.addItem(choice.shown, toQt(choice.value == "-" ? std::string() : choice.value));
}

// Selects the entry of the code. A code the list does not know (a hand-edited file) gets an entry
// of its own, so that showing the analysis and reading it back does not change it.
void selectPartOfSpeech(QComboBox& combo, const std::string& stored)
{
    const int listed = static_cast<int>(partOfSpeechChoices(false).size());
    while (combo.count() > listed)
        combo.removeItem(combo.count() - 1);
    const QString code = toQt(stored == "-" ? std::string() : stored);
    int found = combo.findData(code);
    if (found < 0) {
        combo.addItem(code, code);
        found = combo.count() - 1;
    }
    combo.setCurrentIndex(found);
}

}  // namespace

DictionaryEditorDialog::DictionaryEditorDialog(CDictionary& dictionary, Prompter& prompter, DialogRunner& dialogs,
                                               EditorPositions& positions, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DictionaryEditorDialog>()), m_dialogs(dialogs)
{
    m_ui->setupUi(this);
    Ui::DictionaryEditorDialog& ui = *m_ui;
    ui.buttonBox->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("DictionaryEditorDialog", "Lõpeta"));
    connect(ui.buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (DictSection section : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations})
        m_pages[index(section)] = std::make_unique<Page>(dictionary, section, prompter, positions[index(section)]);

    Page& words = *m_pages[index(DictSection::WordForms)];
    words.widget = ui.wordPage;
    words.edits = {ui.wordEdit, ui.wordLemmaEdit, ui.wordFormEdit, nullptr, nullptr};
    words.search = ui.wordSearchEdit;
    words.variant = ui.wordVariantLabel;
    words.searchButton = ui.wordSearchButton;
    words.previous = ui.wordPreviousButton;
    words.next = ui.wordNextButton;
    words.add = ui.wordAddButton;
    words.remove = ui.wordDeleteButton;

    Page& lemmas = *m_pages[index(DictSection::Lemmas)];
    lemmas.widget = ui.lemmaPage;
    lemmas.edits = {ui.lemmaEdit, ui.lemmaMeaningEdit, nullptr, ui.lemmaLatvianEdit, ui.lemmaEnglishEdit};
    lemmas.partOfSpeech = ui.lemmaPartOfSpeechCombo;
    lemmas.search = ui.lemmaSearchEdit;
    lemmas.variant = ui.lemmaVariantLabel;
    lemmas.searchButton = ui.lemmaSearchButton;
    lemmas.previous = ui.lemmaPreviousButton;
    lemmas.next = ui.lemmaNextButton;
    lemmas.add = ui.lemmaAddButton;
    lemmas.remove = ui.lemmaDeleteButton;

    Page& combinations = *m_pages[index(DictSection::Combinations)];
    combinations.widget = ui.combinationPage;
    combinations.edits = {ui.combinationEdit, ui.combinationMeaningEdit, nullptr, nullptr, nullptr};
    combinations.partOfSpeech = ui.combinationPartOfSpeechCombo;
    combinations.search = ui.combinationSearchEdit;
    combinations.variant = ui.combinationVariantLabel;
    combinations.searchButton = ui.combinationSearchButton;
    combinations.previous = ui.combinationPreviousButton;
    combinations.next = ui.combinationNextButton;
    combinations.add = ui.combinationAddButton;
    combinations.remove = ui.combinationDeleteButton;

    for (auto& page : m_pages)
        setUpPage(*page);

    connect(ui.wordFormTagButton, &QToolButton::clicked, this,
            [this] { editFormTagOf(*m_ui->wordFormEdit, m_dialogs, this); });
    connect(ui.pages, &QTabWidget::currentChanged, this, &DictionaryEditorDialog::pageChanged);
    pageChanged(ui.pages->currentIndex());
}

DictionaryEditorDialog::~DictionaryEditorDialog() = default;

void DictionaryEditorDialog::setUpPage(Page& page)
{
    if (page.partOfSpeech)
        fillPartsOfSpeech(*page.partOfSpeech);
    page.previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    page.next->setShortcut(QKeySequence(Qt::Key_PageDown));
    Page* p = &page;
    connect(page.add, &QPushButton::clicked, this, [this, p] { fill(*p, p->model.add(read(*p))); });
    connect(page.next, &QPushButton::clicked, this, [this, p] { fill(*p, p->model.next(read(*p))); });
    connect(page.previous, &QPushButton::clicked, this, [this, p] { fill(*p, p->model.previous(read(*p))); });
    connect(page.remove, &QPushButton::clicked, this, [this, p] { fill(*p, p->model.remove()); });
    connect(page.searchButton, &QPushButton::clicked, this,
            [this, p] { fill(*p, p->model.find(toStd(p->search->text()))); });
    fill(page, page.model.show());
}

EditorFields DictionaryEditorDialog::read(const Page& page) const
{
    EditorFields fields;
    for (std::size_t i = 0; i < page.model.fieldCount(); ++i) {
        if (page.edits[i])
            fields[i] = toStd(page.edits[i]->text());
        else if (page.partOfSpeech)
            fields[i] = toStd(page.partOfSpeech->currentData().toString());
    }
    return fields;
}

void DictionaryEditorDialog::fill(Page& page, const EditorFields& fields)
{
    for (std::size_t i = 0; i < page.model.fieldCount(); ++i) {
        if (page.edits[i]) {
            page.edits[i]->setText(toQt(fields[i]));
            page.edits[i]->setCursorPosition(0);
        } else if (page.partOfSpeech) {
            selectPartOfSpeech(*page.partOfSpeech, fields[i]);
        }
    }
    page.variant->setText(toQt(page.model.variantText()));
    m_ui->statusLabel->setText(toQt(page.model.status()));
}

void DictionaryEditorDialog::showSection(DictSection section)
{
    m_ui->pages->setCurrentWidget(m_pages[index(section)]->widget);
}

void DictionaryEditorDialog::setShowUsage(std::function<void(ConcordanceBy, const QString&)> show)
{
    m_showUsage = std::move(show);
    if (!m_showUsage || m_showUsageButton)
        return;
    m_showUsageButton = m_ui->buttonBox->addButton(QCoreApplication::translate("DictionaryEditorDialog", "Näita &kasutust ..."), QDialogButtonBox::ActionRole);
    m_showUsageButton->setObjectName("showUsageButton");
    m_showUsageButton->setAutoDefault(false);
    connect(m_showUsageButton, &QPushButton::clicked, this, &DictionaryEditorDialog::showUsage);
    pageChanged(m_ui->pages->currentIndex());
}

void DictionaryEditorDialog::setLiftExchange(std::function<void(QWidget*)> exportLift,
                                             std::function<void(QWidget*)> importLift)
{
    if (m_liftButton || !exportLift || !importLift)
        return;
    m_liftButton = m_ui->buttonBox->addButton(QCoreApplication::translate("DictionaryEditorDialog", "LI&FT"), QDialogButtonBox::ActionRole);
    m_liftButton->setObjectName("liftButton");
    m_liftButton->setAutoDefault(false);
    m_liftButton->setToolTip(QCoreApplication::translate("DictionaryEditorDialog", "Sõnastik LIFT-vormingus teistele programmidele ja neilt"));
    auto* menu = new QMenu(m_liftButton);
    menu->setObjectName("liftMenu");
    menu->addAction(QCoreApplication::translate("DictionaryEditorDialog", "&Ekspordi LIFT-vormingusse ..."), this,
                    [this, exportLift = std::move(exportLift)] { exportLift(this); });
    menu->addAction(QCoreApplication::translate("DictionaryEditorDialog", "&Impordi LIFT-vormingust ..."), this, [this, importLift = std::move(importLift)] {
        importLift(this);
        pageChanged(m_ui->pages->currentIndex());
    });
    m_liftButton->setMenu(menu);
    pageChanged(m_ui->pages->currentIndex());
}

void DictionaryEditorDialog::showUsage()
{
    // The dialog stays open; the concordance fills the window's table behind it meanwhile.
    const QWidget* front = m_ui->pages->currentWidget();
    if (!m_showUsage)
        return;
    if (front == m_ui->wordPage && !m_ui->wordEdit->text().trimmed().isEmpty())
        m_showUsage(ConcordanceBy::WordForm, m_ui->wordEdit->text());
    else if (front == m_ui->lemmaPage && !m_ui->lemmaEdit->text().trimmed().isEmpty())
        m_showUsage(ConcordanceBy::Lemma, m_ui->lemmaEdit->text());
    else if (front == m_ui->combinationPage && !m_ui->combinationEdit->text().trimmed().isEmpty())
        m_showUsage(ConcordanceBy::Combination, m_ui->combinationEdit->text());
}

void DictionaryEditorDialog::pageChanged(int tab)
{
    for (auto& page : m_pages) {
        if (m_ui->pages->indexOf(page->widget) != tab)
            continue;
        // Another page's change may have reloaded the file and moved this page's position: an
        // unedited page shows where it now stands.
        if (!page->model.isEdited(read(*page)))
            fill(*page, page->model.show());
        m_ui->statusLabel->setText(toQt(page->model.status()));
        // Enter searches on the page in front; the keyboard starts in its first field.
        page->searchButton->setDefault(true);
        page->edits[0]->setFocus(Qt::TabFocusReason);
        page->edits[0]->selectAll();
    }
}

}  // namespace pelmora::gui
