#include "dialogs/audiopositiondialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_audiopositiondialog.h"

#include <QCoreApplication>
#include <QIntValidator>
#include <QPushButton>

namespace pelmora::gui {

namespace {

bool holdsWholeNumber(const QLineEdit& edit)
{
    bool ok = false;
    edit.text().toInt(&ok);
    return ok;
}

}  // namespace

AudioPositionDialog::AudioPositionDialog(int minutes, int seconds, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AudioPositionDialog>())
{
    m_ui->setupUi(this);
    // Whole numbers only; -1 stands for "not set".
    for (QLineEdit* edit : {m_ui->minutesEdit, m_ui->secondsEdit}) {
        edit->setValidator(new QIntValidator(edit));
        connect(edit, &QLineEdit::textChanged, this, &AudioPositionDialog::updateOk);
    }
    m_ui->minutesEdit->setText(QString::number(minutes));
    m_ui->secondsEdit->setText(QString::number(seconds));

    m_notSet = m_ui->buttonBox->addButton(QCoreApplication::translate("AudioPositionDialog", "&Määramata"), QDialogButtonBox::ResetRole);
    QPushButton* ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(m_notSet, &QPushButton::clicked, this, [this] {
        m_ui->minutesEdit->setText(QStringLiteral("-1"));
        m_ui->secondsEdit->setText(QStringLiteral("-1"));
        accept();
    });
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("AudioPositionDialog", "&Loobu"));
    m_ui->minutesEdit->selectAll();
    m_ui->minutesEdit->setFocus();
}

AudioPositionDialog::~AudioPositionDialog() = default;

int AudioPositionDialog::minutes() const
{
    return m_ui->minutesEdit->text().toInt();
}

int AudioPositionDialog::seconds() const
{
    return m_ui->secondsEdit->text().toInt();
}

void AudioPositionDialog::updateOk()
{
    m_ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled(holdsWholeNumber(*m_ui->minutesEdit) && holdsWholeNumber(*m_ui->secondsEdit));
}

}  // namespace pelmora::gui
