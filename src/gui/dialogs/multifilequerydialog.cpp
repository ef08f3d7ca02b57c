#include "dialogs/multifilequerydialog.h"

#include "annotation/vocabularies.h"
#include "app/qtstrings.h"
#include "dialogs/choicelists.h"
#include "dialogs/filelistfield.h"
#include "form/formtagdialog.h"
#include "ui_multifilequerydialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora::gui {

namespace {

// The ways of matching are the query's own words, passed to it as written (the combo boxes are
// editable): they stay Estonian in every interface language.
const QStringList kMatchKinds{QStringLiteral("Täpne vaste"), QStringLiteral("Alguses"), QStringLiteral("Keskel"),
                              QStringLiteral("Lõpus")};

QString patternText(const QWidget* field)
{
    if (auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return static_cast<const QLineEdit*>(field)->text();
}

void setPatternText(QWidget* field, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        const int index = combo->findText(text);
        combo->setCurrentIndex(index >= 0 ? index : 0);
        return;
    }
    static_cast<QLineEdit*>(field)->setText(text);
}

}  // namespace

MultiFileQueryDialog::MultiFileQueryDialog(const QuerySettings& values, Prompter& prompter, FileChooser& files,
                                           DialogRunner& dialogs, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MultiFileQueryDialog>()), m_dialogs(dialogs)
{
    m_ui->setupUi(this);
    m_search = m_ui->buttonBox->addButton(QCoreApplication::translate("MultiFileQueryDialog", "Otsi"), QDialogButtonBox::AcceptRole);
    QPushButton* close = m_ui->buttonBox->addButton(QCoreApplication::translate("MultiFileQueryDialog", "S&ulge"), QDialogButtonBox::RejectRole);
    m_search->setDefault(true);
    close->setAutoDefault(false);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    FileRequest output;
    output.mode = FileRequest::Mode::Save;
    output.title = QCoreApplication::translate("MultiFileQueryDialog", "Vali väljundfailfail");
    output.filter = QCoreApplication::translate("MultiFileQueryDialog", "Tekstifailid (*.txt);;XML-failid (*.xml);;Kõik failid (*)");
    output.defaultSuffix = QStringLiteral("txt");
    m_fileList = new FileListField(*m_ui->fileList, *m_ui->outputEdit, output, prompter, files, this);
    connect(m_ui->addButton, &QPushButton::clicked, m_fileList, &FileListField::add);
    connect(m_ui->removeButton, &QPushButton::clicked, m_fileList, &FileListField::removeSelected);
    connect(m_ui->outputButton, &QPushButton::clicked, m_fileList, &FileListField::chooseOutput);
    connect(m_fileList, &FileListField::changed, this, &MultiFileQueryDialog::updateSearchButton);

    for (int token = 1; token <= 2; ++token) {
        const TokenFields fields = tokenFields(token);
        auto* partOfSpeech = static_cast<QComboBox*>(fields.patterns[static_cast<std::size_t>(QueryField::PartOfSpeech)]);
        partOfSpeech->addItem(QString());
        for (int i = 1; i < kPartOfSpeechFormCount; ++i) {
            partOfSpeech->addItem(toQt(partOfSpeechCode(i)));
            partOfSpeech->setItemData(i, shownName(partOfSpeechName(i)), Qt::ToolTipRole);
        }
        for (QComboBox* kind : fields.kinds)
            kind->addItems(kMatchKinds);
        auto* form = static_cast<QLineEdit*>(fields.patterns[static_cast<std::size_t>(QueryField::Form)]);
        QToolButton* formButton = token == 1 ? m_ui->token1FormButton : m_ui->token2FormButton;
        connect(formButton, &QToolButton::clicked, this, [this, form] { editFormTagOf(*form, m_dialogs, this); });
    }
    m_ui->relationCombo->addItems({QString(), toQt(kRelationEither), toQt(kRelationBefore), toQt(kRelationAfter)});

    m_fileList->setPaths(values.files);
    m_ui->outputEdit->setText(toQt(values.outputPath));
    m_ui->prefixEdit->setText(toQt(values.foundPrefix));
    m_ui->foundInfoCheck->setChecked(values.foundTokenInfo);
    m_ui->markupCheck->setChecked(values.markupAllTokens);
    m_ui->fileInfoCheck->setChecked(values.fileInfo);
    m_ui->xmlCheck->setChecked(values.xmlOutput);
    m_ui->bomCheck->setChecked(values.byteOrderMark);
    showConditions(tokenFields(1), values.token1);
    m_ui->relationCombo->setCurrentText(toQt(values.relation));
    m_ui->distanceSpin->setValue(values.distance);
    showConditions(tokenFields(2), values.token2);
    m_ui->speakersCheck->setChecked(values.speakersOnly);
    updateSearchButton();
    m_ui->fileList->setFocus();
}

MultiFileQueryDialog::~MultiFileQueryDialog() = default;

MultiFileQueryDialog::TokenFields MultiFileQueryDialog::tokenFields(int token) const
{
    const Ui::MultiFileQueryDialog& ui = *m_ui;
    if (token == 1)
        return {{ui.token1TextEdit, ui.token1LemmaEdit, ui.token1MeaningEdit, ui.token1PosEdit, ui.token1FormEdit,
                 ui.token1CommentEdit},
                {ui.token1TextKind, ui.token1LemmaKind, ui.token1MeaningKind, ui.token1PosKind, ui.token1FormKind,
                 ui.token1CommentKind}};
    return {{ui.token2TextEdit, ui.token2LemmaEdit, ui.token2MeaningEdit, ui.token2PosEdit, ui.token2FormEdit,
             ui.token2CommentEdit},
            {ui.token2TextKind, ui.token2LemmaKind, ui.token2MeaningKind, ui.token2PosKind, ui.token2FormKind,
             ui.token2CommentKind}};
}

void MultiFileQueryDialog::showConditions(const TokenFields& fields, const TokenConditions& conditions)
{
    for (std::size_t i = 0; i < kQueryFieldCount; ++i) {
        setPatternText(fields.patterns[i], toQt(conditions.fields[i].pattern));
        fields.kinds[i]->setCurrentText(toQt(conditions.fields[i].kind));
    }
}

TokenConditions MultiFileQueryDialog::conditions(const TokenFields& fields) const
{
    TokenConditions out;
    for (std::size_t i = 0; i < kQueryFieldCount; ++i)
        out.fields[i] = {toStd(patternText(fields.patterns[i])), toStd(fields.kinds[i]->currentText())};
    return out;
}

QuerySettings MultiFileQueryDialog::settings() const
{
    QuerySettings out;
    out.files = m_fileList->stdPaths();
    out.outputPath = toStd(m_ui->outputEdit->text());
    out.foundPrefix = toStd(m_ui->prefixEdit->text());
    out.foundTokenInfo = m_ui->foundInfoCheck->isChecked();
    out.markupAllTokens = m_ui->markupCheck->isChecked();
    out.fileInfo = m_ui->fileInfoCheck->isChecked();
    out.xmlOutput = m_ui->xmlCheck->isChecked();
    out.byteOrderMark = m_ui->bomCheck->isChecked();
    out.token1 = conditions(tokenFields(1));
    out.relation = toStd(m_ui->relationCombo->currentText());
    out.distance = m_ui->distanceSpin->value();
    out.token2 = conditions(tokenFields(2));
    out.speakersOnly = m_ui->speakersCheck->isChecked();
    return out;
}

void MultiFileQueryDialog::updateSearchButton()
{
    // A query needs something to search and somewhere to write.
    m_search->setEnabled(m_ui->fileList->count() > 0 && !m_ui->outputEdit->text().trimmed().isEmpty());
}

}  // namespace pelmora::gui
