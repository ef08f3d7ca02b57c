#include "dialogs/searchdialog.h"

#include "dialogs/dialogbuttons.h"
#include "form/formtagdialog.h"

#include "app/qtstrings.h"
#include "dialogs/choicelists.h"
#include "ui_searchdialog.h"

#include <QPushButton>

namespace pelmora::gui {

namespace {

// One row of the dialog: the field, its check box and its value control (an edit or a list).
struct FieldRow {
    SearchField field;
    QCheckBox* check;
    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    const ChoiceList* choices = nullptr;
};

const ChoiceList& partOfSpeechList()
{
    static const ChoiceList list = partOfSpeechChoices(true);
    return list;
}

const ChoiceList& reasonList()
{
    static const ChoiceList list = reasonChoicesWithAny();
    return list;
}

const ChoiceList& styleList()
{
    static const ChoiceList list = styleChoicesWithAny();
    return list;
}

std::vector<FieldRow> rowsOf(Ui::SearchDialog& ui)
{
    return {
        {SearchField::Text, ui.textCheck, ui.textEdit},
        {SearchField::Lemma, ui.lemmaCheck, ui.lemmaEdit},
        {SearchField::Meaning, ui.meaningCheck, ui.meaningEdit},
        {SearchField::PartOfSpeech, ui.partOfSpeechCheck, nullptr, ui.partOfSpeechCombo, &partOfSpeechList()},
        {SearchField::Form, ui.formCheck, ui.formEdit},
        {SearchField::Meta, ui.metaCheck, nullptr, ui.metaCombo, &reasonList()},
        {SearchField::Style, ui.styleCheck, nullptr, ui.styleCombo, &styleList()},
        {SearchField::English, ui.englishCheck, ui.englishEdit},
        {SearchField::Latvian, ui.latvianCheck, ui.latvianEdit},
        {SearchField::Comment, ui.commentCheck, ui.commentEdit},
    };
}

}  // namespace

SearchDialog::SearchDialog(const SearchDialogValues& values, DialogRunner& dialogs, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SearchDialog>()), m_dialogs(dialogs),
      m_colour(toQColor(values.criteria.colour))
{
    m_ui->setupUi(this);
    connect(m_ui->formTagButton, &QToolButton::clicked, this,
            [this] { editFormTagOf(*m_ui->formEdit, m_dialogs, this); });
    for (const FieldRow& row : rowsOf(*m_ui)) {
        row.check->setChecked(values.criteria.isChecked(row.field));
        const std::string& value = values.criteria.value(row.field);
        if (row.edit) {
            row.edit->setText(toQt(value));
            // Typing a value means searching for it.
            connect(row.edit, &QLineEdit::textEdited, row.check, [check = row.check] { check->setChecked(true); });
        } else {
            fillCombo(*row.combo, *row.choices);
            selectValue(*row.combo, *row.choices, value);
            connect(row.combo, &QComboBox::activated, row.check, [check = row.check] { check->setChecked(true); });
        }
    }
    m_ui->markCheck->setChecked(values.mark);
    m_ui->goToFirstCheck->setChecked(values.goToFirst);
    switch (values.direction) {
    case SearchDirection::BackwardFromCurrent: m_ui->backwardRadio->setChecked(true); break;
    case SearchDirection::ForwardFromCurrent: m_ui->forwardRadio->setChecked(true); break;
    case SearchDirection::FromStart: m_ui->fromStartRadio->setChecked(true); break;
    }
    showColour(*m_ui->colourSwatch, m_colour);

    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->colourButton, &QPushButton::clicked, this, &SearchDialog::chooseOtherColour);
    connect(m_ui->markCheck, &QCheckBox::toggled, this, &SearchDialog::updateEnabling);
    connect(m_ui->goToFirstCheck, &QCheckBox::toggled, this, &SearchDialog::updateEnabling);
    updateEnabling();

    // The last search comes back selected, so typing replaces it.
    m_ui->textEdit->selectAll();
    m_ui->textEdit->setFocus();
}

SearchDialog::~SearchDialog() = default;

SearchDialogValues SearchDialog::values() const
{
    SearchDialogValues values;
    for (const FieldRow& row : rowsOf(*m_ui)) {
        if (row.edit)
            values.criteria.set(row.field, toStd(row.edit->text()));
        else
            values.criteria.setChoice(row.field, chosenValue(*row.combo, *row.choices));
        values.criteria.checked[static_cast<std::size_t>(row.field)] = row.check->isChecked();
    }
    values.criteria.colour = toColour(m_colour);
    values.mark = m_ui->markCheck->isChecked();
    values.goToFirst = m_ui->goToFirstCheck->isChecked();
    if (m_ui->backwardRadio->isChecked())
        values.direction = SearchDirection::BackwardFromCurrent;
    else if (m_ui->fromStartRadio->isChecked())
        values.direction = SearchDirection::FromStart;
    else
        values.direction = SearchDirection::ForwardFromCurrent;
    return values;
}

void SearchDialog::chooseOtherColour()
{
    if (const auto chosen = chooseColour(m_dialogs, this, m_colour, m_ui->colourButton->text().remove('&'))) {
        m_colour = *chosen;
        showColour(*m_ui->colourSwatch, m_colour);
    }
}

// The colour only matters when marking, the direction only when going to the first hit.
void SearchDialog::updateEnabling()
{
    const bool mark = m_ui->markCheck->isChecked();
    m_ui->colourSwatch->setEnabled(mark);
    m_ui->colourButton->setEnabled(mark);
    const bool go = m_ui->goToFirstCheck->isChecked();
    m_ui->backwardRadio->setEnabled(go);
    m_ui->forwardRadio->setEnabled(go);
    m_ui->fromStartRadio->setEnabled(go);
}

}  // namespace pelmora::gui
