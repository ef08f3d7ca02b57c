#include "dialogs/transformationsdialog.h"

#include "app/qtstrings.h"

#include "dialogs/dialogbuttons.h"
#include "ui_transformationsdialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidgetItem>

namespace pelmora::gui {

namespace {

// Blanks mark word boundaries: the list shows them.
QString visibleBlanks(const std::string& text)
{
    QString shown = toQt(text);
    shown.replace(QLatin1Char(' '), QChar(0x2423));
    return shown;
}

FileRequest transformationsFileRequest(FileRequest::Mode mode, const std::string& current)
{
    FileRequest request;
    request.mode = mode;
    request.title = QCoreApplication::translate("TransformationsDialog", "Vali teisenduste fail");
    request.filter = QCoreApplication::translate("TransformationsDialog", "Teisenduste failid (*.vtf)");
    request.defaultSuffix = QStringLiteral("vtf");
    request.start = toQt(current);
    return request;
}

}  // namespace

TransformationsDialog::TransformationsDialog(TransformationEditor editor, Prompter& prompter, FileChooser& files,
                                             QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TransformationsDialog>()), m_editor(std::move(editor)),
      m_prompter(prompter), m_files(files)
{
    m_ui->setupUi(this);
    // Two equal columns and rows no taller than a line of text: the built-in list has 208 rows.
    m_ui->rowsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_ui->rowsTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ui->rowsTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setUpOkCancel(*this, *m_ui->buttonBox);
    connect(m_ui->addButton, &QPushButton::clicked, this, &TransformationsDialog::addRow);
    connect(m_ui->replaceButton, &QPushButton::clicked, this, &TransformationsDialog::replaceRow);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &TransformationsDialog::removeRow);
    connect(m_ui->removeAllButton, &QPushButton::clicked, this, [this] {
        m_editor.removeAll();
        showRows(-1);
    });
    connect(m_ui->upButton, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(m_ui->downButton, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(m_ui->irregularButton, &QPushButton::clicked, this, [this] {
        m_editor.useBuiltIn(kChangesIrregular);
        showRows(-1);
    });
    connect(m_ui->oldSpellingButton, &QPushButton::clicked, this, [this] {
        m_editor.useBuiltIn(kChangesOldSpelling);
        showRows(-1);
    });
    connect(m_ui->loadButton, &QPushButton::clicked, this, &TransformationsDialog::loadFile);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &TransformationsDialog::saveFile);
    connect(m_ui->rowsTable, &QTableWidget::itemSelectionChanged, this, &TransformationsDialog::rowChosen);

    // The keyboard moves and removes the selected row in the list.
    auto* up = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), m_ui->rowsTable);
    connect(up, &QShortcut::activated, this, [this] { moveRow(-1); });
    auto* down = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), m_ui->rowsTable);
    connect(down, &QShortcut::activated, this, [this] { moveRow(1); });
    auto* remove = new QShortcut(QKeySequence(Qt::Key_Delete), m_ui->rowsTable);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &TransformationsDialog::removeRow);

    showRows(-1);
    m_ui->sourceEdit->setFocus();
}

TransformationsDialog::~TransformationsDialog() = default;

int TransformationsDialog::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_ui->rowsTable->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

void TransformationsDialog::showRows(int select)
{
    QTableWidget& table = *m_ui->rowsTable;
    const QSignalBlocker quiet(&table);
    const TransformationList& rows = m_editor.rows();
    table.clearContents();
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        table.setItem(row, 0, new QTableWidgetItem(visibleBlanks(rows[i].source)));
        table.setItem(row, 1, new QTableWidgetItem(visibleBlanks(rows[i].target)));
    }
    table.clearSelection();
    if (select >= 0 && select < table.rowCount()) {
        table.selectRow(select);
        table.scrollToItem(table.item(select, 0));
    }
    const bool selected = selectedRow() >= 0;
    m_ui->replaceButton->setEnabled(selected);
    m_ui->removeButton->setEnabled(selected);
    m_ui->upButton->setEnabled(selected && select > 0);
    m_ui->downButton->setEnabled(selected && select + 1 < table.rowCount());
    m_ui->removeAllButton->setEnabled(!rows.empty());
}

void TransformationsDialog::rowChosen()
{
    const int row = selectedRow();
    if (row >= 0) {
        const TransformationPair& pair = m_editor.rows()[static_cast<std::size_t>(row)];
        m_ui->sourceEdit->setText(toQt(pair.source));
        m_ui->targetEdit->setText(toQt(pair.target));
    }
    m_ui->replaceButton->setEnabled(row >= 0);
    m_ui->removeButton->setEnabled(row >= 0);
    m_ui->upButton->setEnabled(row > 0);
    m_ui->downButton->setEnabled(row >= 0 && row + 1 < m_ui->rowsTable->rowCount());
}

void TransformationsDialog::addRow()
{
    if (!m_editor.addPair(toStd(m_ui->sourceEdit->text()), toStd(m_ui->targetEdit->text()), m_prompter))
        return;
    showRows(static_cast<int>(m_editor.rows().size()) - 1);
    // Both fields are emptied for the next pair.
    m_ui->sourceEdit->clear();
    m_ui->targetEdit->clear();
    m_ui->sourceEdit->setFocus();
}

void TransformationsDialog::replaceRow()
{
    const int row = selectedRow();
    if (m_editor.replaceRow(row, toStd(m_ui->sourceEdit->text()), toStd(m_ui->targetEdit->text()), m_prompter))
        showRows(row);
}

void TransformationsDialog::removeRow()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_editor.removeRow(row);
    showRows(std::min(row, static_cast<int>(m_editor.rows().size()) - 1));
}

void TransformationsDialog::moveRow(int step)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    showRows(m_editor.moveRow(row, step));
}

void TransformationsDialog::loadFile()
{
    // The rows go only when a file was chosen.
    const QString path =
        m_files.chooseOne(this, transformationsFileRequest(FileRequest::Mode::Open, m_editor.changesPath()));
    if (path.isEmpty())
        return;
    m_editor.loadFile(toStd(path), m_prompter);
    showRows(-1);
}

void TransformationsDialog::saveFile()
{
    const QString path =
        m_files.chooseOne(this, transformationsFileRequest(FileRequest::Mode::Save, m_editor.changesPath()));
    if (!path.isEmpty())
        m_editor.saveFile(toStd(path), m_prompter);
}

}  // namespace pelmora::gui
