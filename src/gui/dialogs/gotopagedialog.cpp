#include "dialogs/gotopagedialog.h"

#include "ui_gotopagedialog.h"

#include <QPushButton>

namespace pelmora::gui {

GoToPageDialog::GoToPageDialog(const QString& page, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::GoToPageDialog>())
{
    m_ui->setupUi(this);
    m_ui->pageEdit->setText(page);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ui->pageEdit->selectAll();
    m_ui->pageEdit->setFocus();
}

GoToPageDialog::~GoToPageDialog() = default;

QString GoToPageDialog::page() const
{
    return m_ui->pageEdit->text();
}

}  // namespace pelmora::gui
