#include "dialogs/mergesentencesdialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_mergesentencesdialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

MergeSentencesDialog::MergeSentencesDialog(const QString& current, const QString& proposed, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MergeSentencesDialog>())
{
    m_ui->setupUi(this);
    m_ui->currentLabel->setText(current);
    m_ui->otherEdit->setText(proposed);
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("MergeSentencesDialog", "&Loobu"));
    m_ui->otherEdit->selectAll();
    m_ui->otherEdit->setFocus();
}

MergeSentencesDialog::~MergeSentencesDialog() = default;

QString MergeSentencesDialog::otherSentence() const
{
    return m_ui->otherEdit->text();
}

}  // namespace pelmora::gui
