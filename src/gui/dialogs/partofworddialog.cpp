#include "dialogs/partofworddialog.h"

#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"
#include "ui_partofworddialog.h"

#include <QPushButton>

namespace pelmora::gui {

namespace {

// The field check boxes in the order of the fields.
std::array<QCheckBox*, kSearchFieldCount> checksOf(Ui::PartOfWordDialog& ui)
{
    std::array<QCheckBox*, kSearchFieldCount> checks{};
    checks[static_cast<std::size_t>(SearchField::Text)] = ui.textCheck;
    checks[static_cast<std::size_t>(SearchField::Lemma)] = ui.lemmaCheck;
    checks[static_cast<std::size_t>(SearchField::Meaning)] = ui.meaningCheck;
    checks[static_cast<std::size_t>(SearchField::PartOfSpeech)] = ui.partOfSpeechCheck;
    checks[static_cast<std::size_t>(SearchField::Form)] = ui.formCheck;
    checks[static_cast<std::size_t>(SearchField::Meta)] = ui.metaCheck;
    checks[static_cast<std::size_t>(SearchField::Style)] = ui.styleCheck;
    checks[static_cast<std::size_t>(SearchField::Latvian)] = ui.latvianCheck;
    checks[static_cast<std::size_t>(SearchField::English)] = ui.englishCheck;
    checks[static_cast<std::size_t>(SearchField::Comment)] = ui.commentCheck;
    return checks;
}

}  // namespace

SearchCriteria PartOfWordValues::criteria() const
{
    SearchCriteria criteria;
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        if (checked[i])
            criteria.set(static_cast<SearchField>(i), text);
    }
    criteria.mode = mode;
    criteria.colour = colour;
    return criteria;
}

PartOfWordDialog::PartOfWordDialog(const PartOfWordValues& values, DialogRunner& dialogs, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PartOfWordDialog>()), m_dialogs(dialogs),
      m_colour(toQColor(values.colour))
{
    m_ui->setupUi(this);
    m_ui->textEdit->setText(toQt(values.text));
    const auto checks = checksOf(*m_ui);
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        checks[i]->setChecked(values.checked[i]);
        connect(checks[i], &QCheckBox::toggled, this, &PartOfWordDialog::updateOk);
    }
    switch (values.mode) {
    case SearchMode::Begins: m_ui->beginsRadio->setChecked(true); break;
    case SearchMode::Ends: m_ui->endsRadio->setChecked(true); break;
    default: m_ui->containsRadio->setChecked(true); break;
    }
    showColour(*m_ui->colourSwatch, m_colour);

    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->colourButton, &QPushButton::clicked, this, &PartOfWordDialog::chooseOtherColour);
    connect(m_ui->textEdit, &QLineEdit::textChanged, this, &PartOfWordDialog::updateOk);
    updateOk();

    m_ui->textEdit->selectAll();
    m_ui->textEdit->setFocus();
}

PartOfWordDialog::~PartOfWordDialog() = default;

PartOfWordValues PartOfWordDialog::values() const
{
    PartOfWordValues values;
    values.text = toStd(m_ui->textEdit->text());
    const auto checks = checksOf(*m_ui);
    for (std::size_t i = 0; i < kSearchFieldCount; ++i)
        values.checked[i] = checks[i]->isChecked();
    if (m_ui->beginsRadio->isChecked())
        values.mode = SearchMode::Begins;
    else if (m_ui->endsRadio->isChecked())
        values.mode = SearchMode::Ends;
    else
        values.mode = SearchMode::Contains;
    values.colour = toColour(m_colour);
    return values;
}

void PartOfWordDialog::chooseOtherColour()
{
    if (const auto chosen = chooseColour(m_dialogs, this, m_colour, m_ui->colourButton->text().remove('&'))) {
        m_colour = *chosen;
        showColour(*m_ui->colourSwatch, m_colour);
    }
}

void PartOfWordDialog::updateOk()
{
    const auto checks = checksOf(*m_ui);
    const bool anyField = std::any_of(checks.begin(), checks.end(), [](QCheckBox* check) { return check->isChecked(); });
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(anyField && !m_ui->textEdit->text().isEmpty());
}

}  // namespace pelmora::gui
