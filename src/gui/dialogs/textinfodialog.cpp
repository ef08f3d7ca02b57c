#include "dialogs/textinfodialog.h"

#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"
#include "dialogs/speakerdialog.h"

#include "ui_textinfodialog.h"

#include <QButtonGroup>
#include <QCollator>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>

#include <algorithm>

namespace pelmora::gui {

namespace {

// The speaker list's columns and their widths, in the order shown.
struct Column {
    const char* title;
    int width;
};
constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("TextInfoDialog", "ID"), 40},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Nimi"), 115},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Snd"), 50},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Vanus"), 50},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Haridus"), 75},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Sünnikoht"), 90},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Roll"), 100},
    {QT_TRANSLATE_NOOP("TextInfoDialog", "Sugu"), 45},
};

QStringList rowTexts(const SpeakerRow& row)
{
    return {toQt(row.id),        toQt(row.name),       toQt(row.birthYear), toQt(row.age),
            toQt(row.education), toQt(row.birthPlace), toQt(row.role),      toQt(row.sex)};
}

// Fills a fixed list; a value from the file outside the list is offered too, so it is not lost.
void fillChoices(QComboBox& combo, std::span<const std::string_view> choices, const std::string& value)
{
    for (std::string_view choice : choices)
        combo.addItem(toQt(choice));
    if (value.empty() && combo.findText(toQt(meta::kNoChoice)) < 0) {
        combo.setCurrentIndex(-1);
        return;
    }
    const QString shown = value.empty() ? toQt(meta::kNoChoice) : toQt(value);
    if (combo.findText(shown) < 0)
        combo.addItem(shown);
    combo.setCurrentIndex(combo.findText(shown));
}

}  // namespace

TextInfoDialog::TextInfoDialog(const TextMetadata& values, Prompter& prompter, DialogRunner& dialogs,
                               QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TextInfoDialog>()), m_prompter(prompter), m_dialogs(dialogs),
      m_speakers(values.speakers)
{
    m_ui->setupUi(this);
    auto* types = new QButtonGroup(this);
    types->addButton(m_ui->oralRadio);
    types->addButton(m_ui->writtenRadio);

    m_ui->idEdit->setText(toQt(values.id));
    m_ui->oralRadio->setChecked(values.type == TextType::Oral);
    m_ui->writtenRadio->setChecked(values.type == TextType::Written);
    m_ui->topicEdit->setText(toQt(values.topic));
    m_ui->villageEdit->setText(toQt(values.village.name));
    m_ui->longitudeEdit->setText(toQt(values.village.longitude));
    m_ui->latitudeEdit->setText(toQt(values.village.latitude));

    // The parish list is shown sorted and also takes typed text.
    QStringList parishes;
    for (std::string_view parish : parishChoices())
        parishes << toQt(parish);
    QCollator order{QLocale(QLocale::Estonian, QLocale::Estonia)};
    std::sort(parishes.begin(), parishes.end(), [&](const QString& a, const QString& b) { return order(a, b); });
    m_ui->parishCombo->setEditable(true);
    m_ui->parishCombo->setInsertPolicy(QComboBox::NoInsert);
    m_ui->parishCombo->addItems(parishes);
    m_ui->parishCombo->setCurrentText(values.parish.empty() ? toQt(meta::kNoChoice) : toQt(values.parish));
    fillChoices(*m_ui->languageCombo, languageChoices(), values.language);
    fillChoices(*m_ui->dialectCombo, dialectChoices(), values.dialect);
    fillChoices(*m_ui->spellingCombo, spellingChoices(), values.spelling);

    m_ui->recordingReferenceEdit->setText(toQt(values.recording.reference));
    m_ui->recorderEdit->setText(toQt(values.recording.recorder));
    m_ui->recordingYearEdit->setText(toQt(values.recording.year));
    m_ui->audioFileEdit->setText(toQt(values.recording.audioFile));
    m_ui->transcriptionReferenceEdit->setText(toQt(values.transcription.reference));
    m_ui->transcriberEdit->setText(toQt(values.transcription.transcriber));
    m_ui->transcriptionYearEdit->setText(toQt(values.transcription.year));
    m_ui->authorEdit->setText(toQt(values.work.author));
    m_ui->titleEdit->setText(toQt(values.work.title));
    m_ui->publicationYearEdit->setText(toQt(values.work.year));
    m_ui->publicationPlaceEdit->setText(toQt(values.work.place));
    m_ui->otherEdit->setPlainText(toQt(values.other));

    QTreeWidget& list = *m_ui->speakerList;
    QStringList titles;
    for (const Column& column : kColumns)
        titles << QCoreApplication::translate("TextInfoDialog", column.title);
    list.setHeaderLabels(titles);
    int columnsWidth = 0;
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        list.setColumnWidth(i, kColumns[i].width);
        columnsWidth += kColumns[i].width;
    }
    // Every column shows without scrolling sideways.
    list.setMinimumWidth(columnsWidth + 2 * list.frameWidth() + 4);
    list.header()->setStretchLastSection(true);
    showSpeakers(0);

    connect(m_ui->addButton, &QPushButton::clicked, this, &TextInfoDialog::addSpeaker);
    connect(m_ui->modifyButton, &QPushButton::clicked, this, &TextInfoDialog::modifySpeaker);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &TextInfoDialog::deleteSpeaker);
    // A double click edits the row; Enter stays OK, as everywhere in the dialog.
    connect(&list, &QTreeWidget::itemDoubleClicked, this, &TextInfoDialog::modifySpeaker);

    setUpOkCancel(*this, *m_ui->buttonBox, QCoreApplication::translate("TextInfoDialog", "Loo&bu"));
    m_ui->idEdit->setFocus();
}

TextInfoDialog::~TextInfoDialog() = default;

QTreeWidget* TextInfoDialog::speakerList() const
{
    return m_ui->speakerList;
}

TextMetadata TextInfoDialog::values() const
{
    TextMetadata values;
    values.id = toStd(m_ui->idEdit->text());
    values.type = m_ui->oralRadio->isChecked()     ? TextType::Oral
                  : m_ui->writtenRadio->isChecked() ? TextType::Written
                                                    : TextType::None;
    values.topic = toStd(m_ui->topicEdit->text());
    values.village = {toStd(m_ui->villageEdit->text()), toStd(m_ui->longitudeEdit->text()),
                      toStd(m_ui->latitudeEdit->text())};
    values.parish = toStd(m_ui->parishCombo->currentText());
    values.language = toStd(m_ui->languageCombo->currentText());
    values.dialect = toStd(m_ui->dialectCombo->currentText());
    values.spelling = toStd(m_ui->spellingCombo->currentText());
    values.recording = {toStd(m_ui->recordingReferenceEdit->text()), toStd(m_ui->recorderEdit->text()),
                        toStd(m_ui->recordingYearEdit->text()), toStd(m_ui->audioFileEdit->text())};
    values.transcription = {toStd(m_ui->transcriptionReferenceEdit->text()), toStd(m_ui->transcriberEdit->text()),
                            toStd(m_ui->transcriptionYearEdit->text())};
    values.work = {toStd(m_ui->authorEdit->text()), toStd(m_ui->titleEdit->text()),
                   toStd(m_ui->publicationYearEdit->text()), toStd(m_ui->publicationPlaceEdit->text())};
    values.other = toStd(m_ui->otherEdit->toPlainText());
    values.speakers = m_speakers;
    return values;
}

std::optional<SpeakerRow> TextInfoDialog::askSpeaker(SpeakerRow row)
{
    while (true) {
        SpeakerDialog dialog(row, this);
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return std::nullopt;
        row = dialog.row();
        if (checkSpeakerEntry(row, m_prompter))
            return row;
    }
}

void TextInfoDialog::addSpeaker()
{
    if (std::optional<SpeakerRow> row = askSpeaker({})) {
        m_speakers.push_back(std::move(*row));
        showSpeakers(static_cast<int>(m_speakers.size()) - 1);
    }
}

void TextInfoDialog::modifySpeaker()
{
    const int index = m_ui->speakerList->indexOfTopLevelItem(m_ui->speakerList->currentItem());
    if (index < 0 || index >= static_cast<int>(m_speakers.size()))
        return;
    // The row changes in place; a cancel keeps it as it was.
    if (std::optional<SpeakerRow> row = askSpeaker(m_speakers[static_cast<std::size_t>(index)])) {
        m_speakers[static_cast<std::size_t>(index)] = std::move(*row);
        showSpeakers(index);
    }
}

void TextInfoDialog::deleteSpeaker()
{
    const int index = m_ui->speakerList->indexOfTopLevelItem(m_ui->speakerList->currentItem());
    if (index < 0 || index >= static_cast<int>(m_speakers.size()))
        return;
    m_speakers.erase(m_speakers.begin() + index);
    showSpeakers(std::min(index, static_cast<int>(m_speakers.size()) - 1));
}

void TextInfoDialog::showSpeakers(int selected)
{
    QTreeWidget& list = *m_ui->speakerList;
    list.clear();
    for (const SpeakerRow& row : m_speakers)
        list.addTopLevelItem(new QTreeWidgetItem(rowTexts(row)));
    if (selected >= 0 && selected < list.topLevelItemCount())
        list.setCurrentItem(list.topLevelItem(selected));
    m_ui->modifyButton->setEnabled(!m_speakers.empty());
    m_ui->deleteButton->setEnabled(!m_speakers.empty());
}

}  // namespace pelmora::gui
