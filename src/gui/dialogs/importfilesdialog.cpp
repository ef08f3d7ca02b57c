#include "dialogs/importfilesdialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_importfilesdialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

namespace pelmora::gui {

ImportFilesDialog::ImportFilesDialog(Kind kind, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ImportFilesDialog>()), m_kind(kind), m_files(files)
{
    m_ui->setupUi(this);
    if (kind == Kind::PlainText) {
        setWindowTitle(QCoreApplication::translate("ImportFilesDialog", "Faili import"));
        m_ui->inputLabel->setText(QCoreApplication::translate("ImportFilesDialog", "&Sisendfail"));
    } else {
        setWindowTitle(QCoreApplication::translate("ImportFilesDialog", "Murdekorpuse import"));
        m_ui->inputLabel->setText(QCoreApplication::translate("ImportFilesDialog", "&Impordi fail (ISO-8859-1, XML)"));
        for (QWidget* widget : {static_cast<QWidget*>(m_ui->outputLabel), static_cast<QWidget*>(m_ui->outputEdit),
                                static_cast<QWidget*>(m_ui->outputButton), static_cast<QWidget*>(m_ui->splitCheck),
                                static_cast<QWidget*>(m_ui->abbreviationsLabel),
                                static_cast<QWidget*>(m_ui->abbreviationsEdit)})
            widget->hide();
    }
    connect(m_ui->splitCheck, &QCheckBox::toggled, m_ui->abbreviationsEdit, &QWidget::setEnabled);
    connect(m_ui->splitCheck, &QCheckBox::toggled, m_ui->abbreviationsLabel, &QWidget::setEnabled);
    setSentenceChoices(false, QString());
    connect(m_ui->inputButton, &QPushButton::clicked, this, &ImportFilesDialog::chooseInput);
    connect(m_ui->outputButton, &QPushButton::clicked, this, &ImportFilesDialog::chooseOutput);
    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("ImportFilesDialog", "&Loobu"));
    m_ui->inputEdit->setFocus();
}

ImportFilesDialog::~ImportFilesDialog() = default;

QString ImportFilesDialog::inputPath() const
{
    return m_ui->inputEdit->text().trimmed();
}

QString ImportFilesDialog::outputPath() const
{
    return m_kind == Kind::PlainText ? m_ui->outputEdit->text().trimmed() : QString();
}

void ImportFilesDialog::setPaths(const QString& input, const QString& output)
{
    m_ui->inputEdit->setText(input);
    m_ui->outputEdit->setText(output);
}

bool ImportFilesDialog::splitSentences() const
{
    return m_ui->splitCheck->isChecked();
}

QString ImportFilesDialog::abbreviations() const
{
    return m_ui->abbreviationsEdit->text().trimmed();
}

void ImportFilesDialog::setSentenceChoices(bool split, const QString& abbreviations)
{
    m_ui->splitCheck->setChecked(split);
    m_ui->abbreviationsEdit->setText(abbreviations);
    m_ui->abbreviationsEdit->setCursorPosition(0);
    m_ui->abbreviationsEdit->setEnabled(split);
    m_ui->abbreviationsLabel->setEnabled(split);
}

void ImportFilesDialog::chooseInput()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    if (m_kind == Kind::PlainText) {
        request.title = QCoreApplication::translate("ImportFilesDialog", "Vali sisendfail");
        request.defaultSuffix = QStringLiteral("txt");
        request.filter = QCoreApplication::translate("ImportFilesDialog", "Tekstifailid (*.txt);;Kõik failid (*)");
    } else {
        request.title = QCoreApplication::translate("ImportFilesDialog", "Vali väljundfail");
        request.defaultSuffix = QStringLiteral("xml");
        request.filter = QCoreApplication::translate("ImportFilesDialog", "Tekstifailid (*.xml);;Kõik failid (*)");
    }
    request.start = inputPath();
    const QString path = m_files.chooseOne(this, request);
    if (!path.isEmpty())
        m_ui->inputEdit->setText(path);
}

void ImportFilesDialog::chooseOutput()
{
    const FileRequest request =
        FileRequest::xml(FileRequest::Mode::Save, QCoreApplication::translate("ImportFilesDialog", "Vali väljundfail"),
                         outputPath().isEmpty() ? QFileInfo(inputPath()).absolutePath() : outputPath());
    const QString path = m_files.chooseOne(this, request);
    if (!path.isEmpty())
        m_ui->outputEdit->setText(path);
}

}  // namespace pelmora::gui
