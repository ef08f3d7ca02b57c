#include "dialogs/gotoidentifierdialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_gotoidentifierdialog.h"

#include <QIntValidator>
#include <QPushButton>

namespace pelmora::gui {

namespace {

// Sentences and tokens are counted from 1; nine digits keep the number an int.
constexpr int kHighestNumber = 999'999'999;

void prepare(QLineEdit& edit, int number)
{
    auto* validator = new QIntValidator(1, kHighestNumber, &edit);
    validator->setLocale(QLocale::c());  // plain digits, no group separators of the user's locale
    edit.setValidator(validator);
    edit.setText(number > 0 ? QString::number(number) : QString());
}

int numberOf(const QLineEdit& edit)
{
    return edit.hasAcceptableInput() ? edit.text().toInt() : 0;
}

}  // namespace

GoToIdentifierDialog::GoToIdentifierDialog(int sentence, int token, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::GoToIdentifierDialog>())
{
    m_ui->setupUi(this);
    prepare(*m_ui->sentenceEdit, sentence);
    prepare(*m_ui->tokenEdit, token);
    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->sentenceEdit, &QLineEdit::textChanged, this, &GoToIdentifierDialog::updateOk);
    connect(m_ui->tokenEdit, &QLineEdit::textChanged, this, &GoToIdentifierDialog::updateOk);
    updateOk();
    m_ui->sentenceEdit->selectAll();
    m_ui->sentenceEdit->setFocus();
}

GoToIdentifierDialog::~GoToIdentifierDialog() = default;

int GoToIdentifierDialog::sentence() const
{
    return numberOf(*m_ui->sentenceEdit);
}

int GoToIdentifierDialog::token() const
{
    return numberOf(*m_ui->tokenEdit);
}

void GoToIdentifierDialog::updateOk()
{
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(sentence() > 0 && token() > 0);
}

}  // namespace pelmora::gui
