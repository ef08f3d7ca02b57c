#include "dialogs/gotopagedialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_gotopagedialog.h"

#include <QPushButton>

namespace pelmora::gui {

GoToPageDialog::GoToPageDialog(const QString& page, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::GoToPageDialog>())
{
    m_ui->setupUi(this);
    m_ui->pageEdit->setText(page);
    setUpOkCancel(*this, *m_ui->buttonBox);
    m_ui->pageEdit->selectAll();
    m_ui->pageEdit->setFocus();
}

GoToPageDialog::~GoToPageDialog() = default;

QString GoToPageDialog::page() const
{
    return m_ui->pageEdit->text();
}

}  // namespace pelmora::gui
