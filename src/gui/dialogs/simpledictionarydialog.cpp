#include "dialogs/simpledictionarydialog.h"

#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"
#include "ui_simpledictionarydialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace pelmora::gui {

SimpleDictionaryDialog::SimpleDictionaryDialog(const SimpleDictionaryOptions& values, FileChooser& files,
                                               QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SimpleDictionaryDialog>()), m_values(values), m_files(files)
{
    m_ui->setupUi(this);
    m_ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("SimpleDictionaryDialog", "Loobu"));
    connect(m_ui->outputButton, &QPushButton::clicked, this, &SimpleDictionaryDialog::chooseFile);
    connect(m_ui->outputEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { okButton().setEnabled(!text.trimmed().isEmpty()); });

    m_ui->combinationsCheck->setChecked(values.combinations);
    m_ui->examplesCheck->setChecked(values.examples);
    m_ui->outputEdit->setText(toQt(values.outputPath));
    okButton().setEnabled(!m_ui->outputEdit->text().trimmed().isEmpty());
    m_ui->combinationsCheck->setFocus();
}

SimpleDictionaryDialog::~SimpleDictionaryDialog() = default;

QPushButton& SimpleDictionaryDialog::okButton() const
{
    return *m_ui->buttonBox->button(QDialogButtonBox::Ok);
}

SimpleDictionaryOptions SimpleDictionaryDialog::options() const
{
    SimpleDictionaryOptions out = m_values;
    out.combinations = m_ui->combinationsCheck->isChecked();
    out.examples = m_ui->examplesCheck->isChecked();
    out.outputPath = toStd(m_ui->outputEdit->text());
    return out;
}

void SimpleDictionaryDialog::chooseFile()
{
    const FileRequest request =
        FileRequest::xml(FileRequest::Mode::Save, QCoreApplication::translate("SimpleDictionaryDialog", "Vali fail"), m_ui->outputEdit->text());
    const QString path = m_files.chooseOne(this, request);
    if (!path.isEmpty())
        m_ui->outputEdit->setText(QDir::toNativeSeparators(path));
}

}  // namespace pelmora::gui
