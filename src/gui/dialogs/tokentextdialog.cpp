#include "dialogs/tokentextdialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_tokentextdialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

TokenTextDialog::TokenTextDialog(Purpose purpose, const QString& text, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TokenTextDialog>())
{
    m_ui->setupUi(this);
    const bool modify = purpose == Purpose::Modify;
    setWindowTitle(modify ? QCoreApplication::translate("TokenTextDialog", "Sõne muutmine") : QCoreApplication::translate("TokenTextDialog", "Sõne lisamine"));
    m_ui->textLabel->setText(modify ? QCoreApplication::translate("TokenTextDialog", "&Sõne:") : QCoreApplication::translate("TokenTextDialog", "&Sisesta sõne"));
    QPushButton* ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setText(modify ? QStringLiteral("OK") : QCoreApplication::translate("TokenTextDialog", "&OK"));
    ok->setDefault(true);
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("TokenTextDialog", "&Loobu"));
    m_ui->textEdit->setText(text);
    m_ui->textEdit->selectAll();
    m_ui->textEdit->setFocus();
}

TokenTextDialog::~TokenTextDialog() = default;

QString TokenTextDialog::text() const
{
    return m_ui->textEdit->text();
}

}  // namespace pelmora::gui
