#include "form/translationdialog.h"

#include "app/qtstrings.h"
#include "form/enterkeyaccepts.h"
#include "ui_translationdialog.h"

namespace pelmora::gui {

TranslationDialog::TranslationDialog(CPelmoraDoc& doc, XmlNode sentence, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::TranslationDialog>()), m_doc(doc), m_sentence(sentence)
{
    m_ui->setupUi(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &TranslationDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QPlainTextEdit* field : {m_ui->estonianEdit, m_ui->englishEdit, m_ui->latvianEdit})
        EnterKeyAccepts::install(field, this);

    const SentenceTranslations current = sentenceTranslations(sentence);
    m_ui->estonianEdit->setPlainText(toQt(current.estonian));
    m_ui->englishEdit->setPlainText(toQt(current.english));
    m_ui->latvianEdit->setPlainText(toQt(current.latvian));
    m_ui->estonianEdit->setFocus();
}

TranslationDialog::~TranslationDialog() = default;

SentenceTranslations TranslationDialog::translations() const
{
    return {toStd(m_ui->estonianEdit->toPlainText()), toStd(m_ui->englishEdit->toPlainText()),
            toStd(m_ui->latvianEdit->toPlainText())};
}

void TranslationDialog::accept()
{
    acceptSentenceTranslations(m_doc, m_sentence, translations());
    QDialog::accept();
}

}  // namespace pelmora::gui
