#include "app/settingsdialog.h"

#include "app/qtstrings.h"
#include "pelmora_version.h"
#include "app/translations.h"
#include "ui_aboutbox.h"
#include "ui_settingsdialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace pelmora::gui {

namespace Ui {
class SettingsDialog : public ::Ui::SettingsDialog {};
}  // namespace Ui

namespace {

// The check boxes and the fields they stand for, in the dialog's reading order.
struct CheckField {
    QCheckBox* ::Ui::SettingsDialog::*box;
    int Settings::*field;
};

constexpr CheckField kCheckFields[] = {
    {&::Ui::SettingsDialog::newToDictionaryCheck, &Settings::newToDictionary},
    {&::Ui::SettingsDialog::compareWithoutEndingsCheck, &Settings::compareWithoutEndings},
    {&::Ui::SettingsDialog::onlyIfCheck, &Settings::onlyIf},
    {&::Ui::SettingsDialog::noLatvianCheck, &Settings::noLatvian},
    {&::Ui::SettingsDialog::noEnglishCheck, &Settings::noEnglish},
    {&::Ui::SettingsDialog::morfCheck, &Settings::morf},
    {&::Ui::SettingsDialog::tamberlinCheck, &Settings::tamberlin},
    {&::Ui::SettingsDialog::heliPosCheck, &Settings::heliPos},
    {&::Ui::SettingsDialog::translateSentenceCheck, &Settings::translateSentence},
    {&::Ui::SettingsDialog::viewSentenceCheck, &Settings::viewSentence},
    {&::Ui::SettingsDialog::largeFontsCheck, &Settings::largeFonts},
    {&::Ui::SettingsDialog::draftFontsCheck, &Settings::draftFonts},
    {&::Ui::SettingsDialog::quietAnnotatedCheck, &Settings::quietAnnotated},
    {&::Ui::SettingsDialog::showOptionsDialogCheck, &Settings::showOptionsDialog},
};

}  // namespace

SettingsDialog::SettingsDialog(const Settings& current, FileChooser& files,
                               std::function<void(const std::string&)> notesFileChosen, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SettingsDialog>()), m_initial(current), m_files(files),
      m_notesFileChosen(std::move(notesFileChosen))
{
    m_ui->setupUi(this);

    // A stored source the program does not know counts as the open text, as everywhere else.
    QRadioButton* const sources[] = {m_ui->openTextRadio, m_ui->dictionaryRadio, m_ui->noSuggestionsRadio};
    QRadioButton* const source = sources[static_cast<int>(current.suggestionSource())];
    source->setChecked(true);
    m_ui->dictionaryPathEdit->setText(toQt(current.dictionaryPathName));
    m_ui->endingsEdit->setPlainText(toQt(current.endings));
    m_ui->analyserUrlEdit->setText(toQt(current.analyserUrl));
    m_ui->analyserFileEdit->setText(toQt(current.analyserFile));
    m_ui->notesPathEdit->setText(toQt(current.taggingInfoPath));
    m_ui->autosaveSpin->setValue(std::clamp(current.autosaveSeconds, 0, m_ui->autosaveSpin->maximum()));
    for (const CheckField& check : kCheckFields)
        ((*m_ui).*check.box)->setChecked(current.*check.field != 0);
    // Each language by its own name, in both interfaces.
    m_ui->languageCombo->addItem(QStringLiteral("eesti"), languageCode(Language::Estonian));
    m_ui->languageCombo->addItem(QStringLiteral("English"), languageCode(Language::English));
    m_ui->languageCombo->setCurrentIndex(languageFromCode(toQt(current.language)) == Language::English ? 1 : 0);

    m_ui->endingsEdit->installEventFilter(this);
    connect(m_ui->chooseDictionaryButton, &QPushButton::clicked, this, &SettingsDialog::chooseDictionary);
    connect(m_ui->chooseNotesButton, &QPushButton::clicked, this, &SettingsDialog::chooseNotesFile);
    connect(m_ui->chooseAnalyserButton, &QPushButton::clicked, this, &SettingsDialog::chooseAnalyserFile);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The source choice is the first control; Tab enters a radio group at its chosen button.
    source->setFocus(Qt::OtherFocusReason);
}

SettingsDialog::~SettingsDialog() = default;

Settings SettingsDialog::edited() const
{
    Settings settings = m_initial;
    settings.suggestionType = m_ui->dictionaryRadio->isChecked()      ? 1
                              : m_ui->noSuggestionsRadio->isChecked() ? 2
                                                                      : 0;
    settings.dictionaryPathName = toStd(m_ui->dictionaryPathEdit->text());
    settings.endings = toStd(m_ui->endingsEdit->toPlainText());
    settings.analyserUrl = toStd(m_ui->analyserUrlEdit->text());
    settings.analyserFile = toStd(m_ui->analyserFileEdit->text().trimmed());
    settings.taggingInfoPath = toStd(m_ui->notesPathEdit->text());
    // A value beyond the field's range, set in the settings file, stays as it was.
    if (m_ui->autosaveSpin->value() != std::clamp(m_initial.autosaveSeconds, 0, m_ui->autosaveSpin->maximum()))
        settings.autosaveSeconds = m_ui->autosaveSpin->value();
    for (const CheckField& check : kCheckFields)
        settings.*check.field = ((*m_ui).*check.box)->isChecked() ? 1 : 0;
    // A stored value the program does not know stays until another language is chosen.
    const QString chosen = m_ui->languageCombo->currentData().toString();
    if (chosen != languageCode(languageFromCode(toQt(m_initial.language))))
        settings.language = toStd(chosen);
    return settings;
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->endingsEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_ui->okButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::chooseDictionary()
{
    const QString path = m_files.chooseOne(
        this, {FileRequest::Mode::Open, QCoreApplication::translate("SettingsDialog", "Vali sõnastikufail"), QCoreApplication::translate("SettingsDialog", "XML-failid (*.xml)"),
               QStringLiteral("xml"), m_ui->dictionaryPathEdit->text()});
    if (path.isEmpty())
        return;
    m_ui->dictionaryPathEdit->setText(path);
    m_ui->dictionaryRadio->setChecked(true);
}

void SettingsDialog::chooseAnalyserFile()
{
    const QString path = m_files.chooseOne(this, {FileRequest::Mode::Open, QCoreApplication::translate("SettingsDialog", "Vali analüsaatori fail"),
                                                  QCoreApplication::translate("SettingsDialog", "HFST-i analüsaatorid (*.hfstol *.hfst)"),
                                                  QStringLiteral("hfstol"), m_ui->analyserFileEdit->text()});
    if (!path.isEmpty())
        m_ui->analyserFileEdit->setText(path);
}

void SettingsDialog::chooseNotesFile()
{
    const QString path = m_files.chooseOne(
        this, {FileRequest::Mode::Open, QCoreApplication::translate("SettingsDialog", "Vali märkmete fail"), QCoreApplication::translate("SettingsDialog", "Märkmete failid (*.xml)"),
               QStringLiteral("xml"), m_ui->notesPathEdit->text()});
    if (path.isEmpty())
        return;
    m_ui->notesPathEdit->setText(path);
    if (m_notesFileChosen)
        m_notesFileChosen(toStd(path));
}

void showAboutBox(QWidget* parent, DialogRunner& runner)
{
    QDialog box(parent);
    ::Ui::AboutBox ui;
    ui.setupUi(&box);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = box.style()->standardIcon(QStyle::SP_MessageBoxInformation);
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    ui.iconLabel->setPixmap(icon.pixmap(size, size));
    ui.versionLabel->setText(QCoreApplication::translate("AboutBox", "Pelmora, versioon %1 ").arg(QStringLiteral(PELMORA_VERSION)));
    QObject::connect(ui.okButton, &QPushButton::clicked, &box, &QDialog::accept);
    box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    runner.run(box);
}

}  // namespace pelmora::gui
