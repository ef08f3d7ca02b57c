#include "dialogs/combinationdialog.h"

#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"

#include "ui_combinationdialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

namespace {

// A candidate as the list shows it: "lemma 'meaning' _ part of speech", and where it comes from.
QString candidateText(const CombinationCandidate& candidate)
{
    QString text = toQt(candidate.lemma);
    if (!candidate.meaning.empty())
        text += QStringLiteral(" '") + toQt(candidate.meaning) + QLatin1Char('\'');
    if (!candidate.partOfSpeech.empty())
        text += QStringLiteral(" _ ") + toQt(candidate.partOfSpeech);
    text += candidate.fromDictionary ? QCoreApplication::translate("CombinationDialog", "   (sõnastik)") : QCoreApplication::translate("CombinationDialog", "   (tekst)");
    return text;
}

}  // namespace

CombinationDialog::CombinationDialog(const QString& words, const QString& proposedLemma,
                                     std::vector<CombinationCandidate> candidates, bool toDictionary,
                                     QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CombinationDialog>()), m_candidates(std::move(candidates)),
      m_partsOfSpeech(partOfSpeechChoices(false))
{
    m_ui->setupUi(this);
    m_ui->wordsLabel->setText(words);
    m_ui->lemmaEdit->setText(proposedLemma);
    fillCombo(*m_ui->partOfSpeechCombo, m_partsOfSpeech);
    for (const CombinationCandidate& candidate : m_candidates)
        m_ui->candidateList->addItem(candidateText(candidate));
    m_ui->toDictionaryCheck->setChecked(toDictionary);
    // "Sõna&liik" owns Alt+L here; Escape cancels.
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("CombinationDialog", "Loobu"));
    connect(m_ui->candidateList, &QListWidget::currentRowChanged, this, &CombinationDialog::takeCandidate);
    connect(m_ui->lemmaEdit, &QLineEdit::textChanged, this, &CombinationDialog::updateOk);
    updateOk();
    m_ui->lemmaEdit->selectAll();
    m_ui->lemmaEdit->setFocus();
}

CombinationDialog::~CombinationDialog() = default;

void CombinationDialog::takeCandidate(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_candidates.size())
        return;
    const CombinationCandidate& candidate = m_candidates[static_cast<std::size_t>(row)];
    m_ui->lemmaEdit->setText(toQt(candidate.lemma));
    m_ui->meaningEdit->setText(toQt(candidate.meaning));
    selectValue(*m_ui->partOfSpeechCombo, m_partsOfSpeech, candidate.partOfSpeech);
}

void CombinationDialog::updateOk()
{
    // A combination needs its lemma; OK waits for one.
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_ui->lemmaEdit->text().trimmed().isEmpty());
}

CombinationFields CombinationDialog::fields() const
{
    return {toStd(m_ui->lemmaEdit->text()), toStd(m_ui->meaningEdit->text()),
            chosenValue(*m_ui->partOfSpeechCombo, m_partsOfSpeech)};
}

bool CombinationDialog::toDictionary() const
{
    return m_ui->toDictionaryCheck->isChecked();
}

}  // namespace pelmora::gui
