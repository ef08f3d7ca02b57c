#include "dialogs/speakerdialog.h"

#include "app/qtstrings.h"

#include "dialogs/dialogbuttons.h"
#include "ui_speakerdialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QPushButton>

namespace pelmora::gui {

SpeakerDialog::SpeakerDialog(const SpeakerRow& row, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SpeakerDialog>())
{
    m_ui->setupUi(this);
    auto* roles = new QButtonGroup(this);
    roles->addButton(m_ui->speakerRadio);
    roles->addButton(m_ui->interviewerRadio);
    // An empty first entry: the sex may stay unknown.
    m_ui->sexCombo->addItem(QString());
    for (std::string_view sex : sexChoices())
        m_ui->sexCombo->addItem(toQt(sex));

    m_ui->idEdit->setText(toQt(row.id));
    m_ui->speakerRadio->setChecked(row.role == meta::kSpeaker);
    m_ui->interviewerRadio->setChecked(row.role == meta::kInterviewer);
    m_ui->nameEdit->setText(toQt(row.name));
    const int sex = m_ui->sexCombo->findText(toQt(row.sex));
    if (sex >= 0) {
        m_ui->sexCombo->setCurrentIndex(sex);
    } else {
        // A value from the file outside the list is kept.
        m_ui->sexCombo->addItem(toQt(row.sex));
        m_ui->sexCombo->setCurrentIndex(m_ui->sexCombo->count() - 1);
    }
    m_ui->birthYearEdit->setText(toQt(row.birthYear));
    m_ui->ageEdit->setText(toQt(row.age));
    m_ui->birthPlaceEdit->setText(toQt(row.birthPlace));
    m_ui->educationEdit->setText(toQt(row.education));

    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("SpeakerDialog", "Loobu"));
    m_ui->idEdit->setFocus();
}

SpeakerDialog::~SpeakerDialog() = default;

SpeakerRow SpeakerDialog::row() const
{
    SpeakerRow row;
    if (m_ui->speakerRadio->isChecked())
        row.role = meta::kSpeaker;
    else if (m_ui->interviewerRadio->isChecked())
        row.role = meta::kInterviewer;
    row.id = toStd(m_ui->idEdit->text());
    row.name = toStd(m_ui->nameEdit->text());
    row.sex = toStd(m_ui->sexCombo->currentText());
    row.birthYear = toStd(m_ui->birthYearEdit->text());
    row.age = toStd(m_ui->ageEdit->text());
    row.birthPlace = toStd(m_ui->birthPlaceEdit->text());
    row.education = toStd(m_ui->educationEdit->text());
    return row;
}

}  // namespace pelmora::gui
