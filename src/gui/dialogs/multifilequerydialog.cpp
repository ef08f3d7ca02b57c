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

#include <initializer_list>
#include <string>

namespace pelmora::gui {

namespace {

// The ways of matching and the relations are the query's own words, kept in the settings as the
// query reads them. The lists show them in the interface's language and give the query its word;
// a text typed into the (editable) list goes to the query as it stands.
constexpr const char* kMatchKinds[] = {QT_TRANSLATE_NOOP("MultiFileQueryDialog", "Täpne vaste"),
                                       QT_TRANSLATE_NOOP("MultiFileQueryDialog", "Alguses"),
                                       QT_TRANSLATE_NOOP("MultiFileQueryDialog", "Keskel"),
                                       QT_TRANSLATE_NOOP("MultiFileQueryDialog", "Lõpus")};

void addWords(QComboBox* combo, const char* context, std::initializer_list<const char*> words)
{
    for (const char* word : words)
        combo->addItem(QCoreApplication::translate(context, word), QString::fromUtf8(word));
}

// The query's word of the list's text: the word of the entry shown, or the text as typed.
std::string queryWord(const QComboBox* combo)
{
    const int at = combo->findText(combo->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    return toStd(at >= 0 ? combo->itemData(at).toString() : combo->currentText());
}

void showQueryWord(QComboBox* combo, const std::string& word)
{
    const int at = combo->findData(toQt(word));
    if (at >= 0)
        combo->setCurrentIndex(at);
    else
        combo->setCurrentText(toQt(word));
}

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
            addWords(kind, "MultiFileQueryDialog", {kMatchKinds[0], kMatchKinds[1], kMatchKinds[2], kMatchKinds[3]});
        auto* form = static_cast<QLineEdit*>(fields.patterns[static_cast<std::size_t>(QueryField::Form)]);
        QToolButton* formButton = token == 1 ? m_ui->token1FormButton : m_ui->token2FormButton;
        connect(formButton, &QToolButton::clicked, this, [this, form] { editFormTagOf(*form, m_dialogs, this); });
    }
    addWords(m_ui->relationCombo, "core", {"", kRelationEither, kRelationBefore, kRelationAfter});

    m_fileList->setPaths(values.files);
    m_ui->outputEdit->setText(toQt(values.outputPath));
    m_ui->prefixEdit->setText(toQt(values.foundPrefix));
    m_ui->foundInfoCheck->setChecked(values.foundTokenInfo);
    m_ui->markupCheck->setChecked(values.markupAllTokens);
    m_ui->fileInfoCheck->setChecked(values.fileInfo);
    m_ui->xmlCheck->setChecked(values.xmlOutput);
    m_ui->bomCheck->setChecked(values.byteOrderMark);
    showConditions(tokenFields(1), values.token1);
    showQueryWord(m_ui->relationCombo, values.relation);
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
        showQueryWord(fields.kinds[i], conditions.fields[i].kind);
    }
}

TokenConditions MultiFileQueryDialog::conditions(const TokenFields& fields) const
{
    TokenConditions out;
    for (std::size_t i = 0; i < kQueryFieldCount; ++i)
        out.fields[i] = {toStd(patternText(fields.patterns[i])), queryWord(fields.kinds[i])};
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
    out.relation = queryWord(m_ui->relationCombo);
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
