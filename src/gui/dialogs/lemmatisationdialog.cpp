#include "dialogs/lemmatisationdialog.h"

#include "dialogs/dialogbuttons.h"
#include "ui_lemmatisationdialog.h"

#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

LemmatisationDialog::LemmatisationDialog(const QString& dictionaryPath, FileChooser& files,
                                         std::function<void()> transformations, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::LemmatisationDialog>()), m_files(files),
      m_transformations(std::move(transformations))
{
    m_ui->setupUi(this);
    m_ui->pathEdit->setText(dictionaryPath);
    m_ui->pathEdit->setCursorPosition(0);
    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->chooseButton, &QPushButton::clicked, this, &LemmatisationDialog::chooseDictionary);
    connect(m_ui->dictionaryRadio, &QRadioButton::toggled, this, &LemmatisationDialog::sourceChanged);
    connect(m_ui->transformationsButton, &QPushButton::clicked, this, [this] {
        if (m_transformations)
            m_transformations();
    });
    m_ui->transformationsButton->setEnabled(static_cast<bool>(m_transformations));
    sourceChanged();
    m_ui->dictionaryRadio->setFocus();
}

LemmatisationDialog::~LemmatisationDialog() = default;

LemmatisationChoice LemmatisationDialog::choice() const
{
    return {m_ui->dictionaryRadio->isChecked(), m_ui->pathEdit->text(), m_ui->skipAmbiguousCheck->isChecked()};
}

void LemmatisationDialog::chooseDictionary()
{
    const FileRequest request =
        FileRequest::xml(FileRequest::Mode::Open, QCoreApplication::translate("LemmatisationDialog", "Vali sõnastikufail"), m_ui->pathEdit->text());
    const QString path = m_files.chooseOne(this, request);
    if (path.isEmpty())
        return;
    m_ui->pathEdit->setText(path);
    m_ui->pathEdit->setCursorPosition(0);
}

void LemmatisationDialog::sourceChanged()
{
    // The file belongs to the dictionary option only.
    const bool dictionary = m_ui->dictionaryRadio->isChecked();
    m_ui->pathLabel->setEnabled(dictionary);
    m_ui->pathEdit->setEnabled(dictionary);
    m_ui->chooseButton->setEnabled(dictionary);
}

}  // namespace pelmora::gui
