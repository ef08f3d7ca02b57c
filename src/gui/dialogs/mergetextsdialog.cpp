#include "dialogs/mergetextsdialog.h"

#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"
#include "dialogs/filelistfield.h"
#include "ui_mergetextsdialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

MergeTextsDialog::MergeTextsDialog(Prompter& prompter, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MergeTextsDialog>())
{
    m_ui->setupUi(this);
    m_ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("MergeTextsDialog", "Loobu"));

    const FileRequest output = FileRequest::xml(FileRequest::Mode::Save, QCoreApplication::translate("MergeTextsDialog", "Vali ühendatud fail"));
    m_fileList = new FileListField(*m_ui->fileList, *m_ui->outputEdit, output, prompter, files, this);
    connect(m_ui->addButton, &QPushButton::clicked, m_fileList, &FileListField::add);
    connect(m_ui->removeButton, &QPushButton::clicked, m_fileList, &FileListField::removeSelected);
    connect(m_ui->upButton, &QPushButton::clicked, m_fileList, &FileListField::moveUp);
    connect(m_ui->downButton, &QPushButton::clicked, m_fileList, &FileListField::moveDown);
    connect(m_ui->outputButton, &QPushButton::clicked, m_fileList, &FileListField::chooseOutput);
    connect(m_fileList, &FileListField::changed, this, &MergeTextsDialog::updateButtons);
    updateButtons();
    m_ui->fileList->setFocus();
}

MergeTextsDialog::~MergeTextsDialog() = default;

QPushButton& MergeTextsDialog::okButton() const
{
    return *m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

MergeSettings MergeTextsDialog::settings() const
{
    MergeSettings out;
    out.files = m_fileList->stdPaths();
    out.newPath = toStd(m_ui->outputEdit->text());
    out.prefixPages = m_ui->pagesPrefixedRadio->isChecked();
    return out;
}

void MergeTextsDialog::updateButtons()
{
    // Joining needs at least one text and the new file's name.
    okButton().setEnabled(m_ui->fileList->count() > 0 && !m_ui->outputEdit->text().trimmed().isEmpty());
}

}  // namespace pelmora::gui
