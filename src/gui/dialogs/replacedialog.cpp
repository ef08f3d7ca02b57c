#include "dialogs/replacedialog.h"

#include "dialogs/dialogbuttons.h"
#include "form/formtagdialog.h"

#include "app/qtstrings.h"
#include "dialogs/choicelists.h"
#include "dialogs/colourchoice.h"
#include "ui_replacedialog.h"

#include <QPushButton>

namespace pelmora::gui {

namespace {

const ChoiceList& partOfSpeechList()
{
    static const ChoiceList list = partOfSpeechChoices(false);
    return list;
}

}  // namespace

ReplaceDialog::ReplaceDialog(Colour colour, DialogRunner& dialogs, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ReplaceDialog>()), m_dialogs(dialogs), m_colour(toQColor(colour))
{
    m_ui->setupUi(this);
    fillCombo(*m_ui->partOfSpeechFindCombo, partOfSpeechList());
    fillCombo(*m_ui->partOfSpeechReplaceCombo, partOfSpeechList());
    showColour(*m_ui->colourSwatch, m_colour);

    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->colourButton, &QPushButton::clicked, this, &ReplaceDialog::chooseNewColour);
    connect(m_ui->formFindTagButton, &QToolButton::clicked, this,
            [this] { editFormTagOf(*m_ui->formFindEdit, m_dialogs, this); });
    connect(m_ui->formReplaceTagButton, &QToolButton::clicked, this,
            [this] { editFormTagOf(*m_ui->formReplaceEdit, m_dialogs, this); });
    m_ui->lemmaFindEdit->setFocus();
}

ReplaceDialog::~ReplaceDialog() = default;

ReplaceRequest ReplaceDialog::request() const
{
    ReplaceRequest request;
    const auto text = [](const QLineEdit* edit) { return toStd(edit->text()); };
    const std::string findPartOfSpeech = chosenValue(*m_ui->partOfSpeechFindCombo, partOfSpeechList());
    request.replacements = {
        {TokenAttribute::Lemma, text(m_ui->lemmaFindEdit), text(m_ui->lemmaReplaceEdit)},
        {TokenAttribute::Meaning, text(m_ui->meaningFindEdit), text(m_ui->meaningReplaceEdit)},
        {TokenAttribute::PartOfSpeech, findPartOfSpeech == "-" ? std::string() : findPartOfSpeech,
         chosenValue(*m_ui->partOfSpeechReplaceCombo, partOfSpeechList())},
        {TokenAttribute::Form, text(m_ui->formFindEdit), text(m_ui->formReplaceEdit)},
        {TokenAttribute::Latvian, text(m_ui->latvianFindEdit), text(m_ui->latvianReplaceEdit)},
        {TokenAttribute::English, text(m_ui->englishFindEdit), text(m_ui->englishReplaceEdit)},
    };
    request.colour = toColour(m_colour);
    return request;
}

void ReplaceDialog::chooseNewColour()
{
    if (const auto chosen = chooseColour(m_dialogs, this, m_colour, m_ui->colourButton->text().remove('&'))) {
        m_colour = *chosen;
        showColour(*m_ui->colourSwatch, m_colour);
    }
}

}  // namespace pelmora::gui
