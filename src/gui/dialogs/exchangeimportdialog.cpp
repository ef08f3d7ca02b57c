#include "dialogs/exchangeimportdialog.h"

#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "dialogs/dialogbuttons.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pelmora::gui {

namespace {

constexpr const char* kLeftOutHeading = QT_TRANSLATE_NOOP("ExchangeImportDialog", "Import jätab välja:");

QString textName(const exchange::ImportedText& text, std::size_t index)
{
    const QString number = QString::number(index + 1);
    return text.title.empty() ? number : QStringLiteral("%1. %2").arg(number, toQt(text.title));
}

}  // namespace

ExchangeImportDialog::ExchangeImportDialog(const QString& path, exchange::ExchangeFormat format,
                                           exchange::ImportResult first, Reader reread, QWidget* parent)
    : QDialog(parent), m_result(std::move(first)), m_reread(std::move(reread))
{
    setWindowTitle(QCoreApplication::translate("ExchangeImportDialog", "Impordi vormingust"));
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(QCoreApplication::translate("ExchangeImportDialog", "Fail: %1 (%2)")
                                .arg(QFileInfo(path).fileName(), toQt(std::string(exchange::formatTitle(format)))),
                            this);
    file->setObjectName("fileLabel");
    file->setToolTip(path);
    layout->addWidget(file);

    auto* form = new QFormLayout;
    m_tiers = new QComboBox(this);
    m_tiers->setObjectName("tierCombo");
    m_tiers->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const std::string& tier : m_result.tiers)
        m_tiers->addItem(toQt(tier));
    m_tiers->setCurrentIndex(m_tiers->findText(toQt(m_result.chosenTier)));
    auto* tiersLabel = new QLabel(QCoreApplication::translate("ExchangeImportDialog", "&Transkriptsiooni kiht:"), this);
    tiersLabel->setBuddy(m_tiers);
    form->addRow(tiersLabel, m_tiers);
    const bool eaf = format == exchange::ExchangeFormat::Eaf;
    tiersLabel->setVisible(eaf);
    m_tiers->setVisible(eaf);

    m_texts = new QComboBox(this);
    m_texts->setObjectName("textCombo");
    m_texts->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_textsLabel = new QLabel(QCoreApplication::translate("ExchangeImportDialog", "Te&kst:"), this);
    m_textsLabel->setBuddy(m_texts);
    form->addRow(m_textsLabel, m_texts);
    layout->addLayout(form);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName("contentsTable");
    m_contents->setRootIsDecorated(false);
    m_contents->setHeaderLabels({QCoreApplication::translate("ExchangeImportDialog", "Tekst"), QCoreApplication::translate("ExchangeImportDialog", "Laused"), QCoreApplication::translate("ExchangeImportDialog", "Sõned"),
                                 QCoreApplication::translate("ExchangeImportDialog", "Märgendatud sõned")});
    m_contents->header()->setStretchLastSection(false);
    m_contents->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        m_contents->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_contents->setMinimumWidth(460);
    m_contents->setMaximumHeight(150);
    auto* contentsLabel = new QLabel(QCoreApplication::translate("ExchangeImportDialog", "&Sisu:"), this);
    contentsLabel->setBuddy(m_contents);
    layout->addWidget(contentsLabel);
    layout->addWidget(m_contents);

    m_report = new QPlainTextEdit(this);
    m_report->setObjectName("reportView");
    m_report->setReadOnly(true);
    m_report->setMinimumHeight(90);
    auto* reportLabel = new QLabel(QCoreApplication::translate("ExchangeImportDialog", "&Välja jääb:"), this);
    reportLabel->setBuddy(m_report);
    layout->addWidget(reportLabel);
    layout->addWidget(m_report, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = &setUpOkCancel(*this, *buttons, QCoreApplication::translate("ExchangeImportDialog", "&Loobu"));
    m_ok->setText(QCoreApplication::translate("ExchangeImportDialog", "&Impordi"));
    layout->addWidget(buttons);

    connect(m_tiers, &QComboBox::currentIndexChanged, this, &ExchangeImportDialog::tierChanged);
    connect(m_texts, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < m_contents->topLevelItemCount())
            m_contents->setCurrentItem(m_contents->topLevelItem(index));
    });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && m_texts->isEnabled())
            m_texts->setCurrentIndex(m_contents->indexOfTopLevelItem(item));
    });
    showResult();
    QWidget* start = m_contents;
    if (eaf)
        start = m_tiers;
    else if (m_result.texts.size() > 1)
        start = m_texts;
    start->setFocus();
}

std::size_t ExchangeImportDialog::chosenText() const
{
    return m_texts->currentIndex() > 0 ? static_cast<std::size_t>(m_texts->currentIndex()) : 0;
}

void ExchangeImportDialog::tierChanged(int index)
{
    if (index < 0 || !m_reread)
        return;
    {
        const OverrideCursor wait;
        m_result = m_reread(toStd(m_tiers->itemText(index)));
    }
    showResult();
}

void ExchangeImportDialog::showResult()
{
    const std::size_t chosen = chosenText();
    m_contents->clear();
    const QSignalBlocker quiet(m_texts);
    m_texts->clear();
    for (std::size_t i = 0; i < m_result.texts.size(); ++i) {
        const exchange::ImportedText& text = m_result.texts[i];
        const QString name = textName(text, i);
        m_texts->addItem(name);
        auto* item = new QTreeWidgetItem(m_contents, {name, QString::number(text.sentences),
                                                      QString::number(text.tokens),
                                                      QString::number(text.annotatedTokens)});
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    const bool several = m_result.texts.size() > 1;
    m_texts->setVisible(several);
    m_textsLabel->setVisible(several);
    m_texts->setEnabled(several);
    if (chosen < m_result.texts.size())
        m_texts->setCurrentIndex(static_cast<int>(chosen));
    if (m_contents->topLevelItemCount() > 0)
        m_contents->setCurrentItem(m_contents->topLevelItem(m_texts->currentIndex() < 0 ? 0 : m_texts->currentIndex()));

    if (!m_result.ok)
        m_report->setPlainText(QCoreApplication::translate("ExchangeImportDialog", "Faili ei saa selle kihiga lugeda:\n%1").arg(toQt(m_result.reason)));
    else if (m_result.report.empty())
        m_report->setPlainText(QCoreApplication::translate("ExchangeImportDialog", "Midagi ei jää välja."));
    else
        m_report->setPlainText(toQt(m_result.report.text(toStd(QCoreApplication::translate("ExchangeImportDialog", kLeftOutHeading)))));
    m_ok->setEnabled(m_result.ok && !m_result.texts.empty());
}

}  // namespace pelmora::gui
