#include "dialogs/dictionarytabledialog.h"

#include "app/qtstrings.h"
#include "views/dictionarytablemodel.h"

#include "ui_dictionarytabledialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace pelmora::gui {

DictionaryTableDialog::DictionaryTableDialog(const CDictionary& dictionary, std::vector<std::string> usageFiles,
                                             QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DictionaryTableDialog>()), m_files(std::move(usageFiles))
{
    m_ui->setupUi(this);
    m_views = {m_ui->wordTable, m_ui->lemmaTable, m_ui->combinationTable};
    // No default button: Enter in the tables opens the analysis, and Enter in the filter goes there.
    for (QAbstractButton* button : m_ui->buttonBox->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    m_ui->buttonBox->button(QDialogButtonBox::Close)->setText(QCoreApplication::translate("DictionaryTableDialog", "Sulge"));
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (DictSection section : kDictSections) {
        auto* model = new DictionaryTableModel(dictionary, section, this);
        QTableView* view = m_views[sectionIndex(section)];
        m_models[sectionIndex(section)] = model;
        view->setModel(model);
        view->setSortingEnabled(false);  // no sort until a header is clicked: the dictionary's own order
        view->horizontalHeader()->setSortIndicatorShown(true);
        view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        view->horizontalHeader()->setSectionsClickable(true);
        connect(view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model,
                [model](int column, Qt::SortOrder order) { model->sort(column, order); });
        // The second column (lemma or meaning) takes the room the others leave.
        view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        view->verticalHeader()->setVisible(false);
        // Rows of one height, so the view never measures tens of thousands of them.
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setAlternatingRowColors(true);
        view->setWordWrap(false);
        for (int column = 0; column < model->columnCount(); ++column)
            view->setColumnWidth(column, model->isNumberColumn(column) ? 80 : 150);
        view->installEventFilter(this);
        connect(view, &QTableView::doubleClicked, this,
                [this, section](const QModelIndex& index) { openRow(section, index.row()); });
    }
    m_ui->filterEdit->installEventFilter(this);
    connect(m_ui->filterEdit, &QLineEdit::textChanged, this, &DictionaryTableDialog::filterChanged);
    connect(m_ui->pages, &QTabWidget::currentChanged, this, &DictionaryTableDialog::showStatus);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &DictionaryTableDialog::stopCounting);
    resize(820, 560);
    m_ui->filterEdit->setFocus(Qt::OtherFocusReason);
    startCounting();
    showStatus();
}

DictionaryTableDialog::~DictionaryTableDialog()
{
    stopCounting();
}

DictSection DictionaryTableDialog::currentSection() const
{
    return kDictSections[static_cast<std::size_t>(std::max(0, m_ui->pages->currentIndex()))];
}

void DictionaryTableDialog::filterChanged(const QString& text)
{
    for (DictionaryTableModel* model : m_models)
        model->setFilter(text);
    showStatus();
}

bool DictionaryTableDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_ui->filterEdit && (enter || key == Qt::Key_Down)) {
        // From the filter to the first row shown.
        QTableView& table = view(currentSection());
        table.setFocus(Qt::OtherFocusReason);
        if (!table.currentIndex().isValid() && table.model()->rowCount() > 0)
            table.setCurrentIndex(table.model()->index(0, 0));
        return true;
    }
    for (DictSection section : kDictSections) {
        if (watched == m_views[sectionIndex(section)] && enter) {
            openRow(section, m_views[sectionIndex(section)]->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DictionaryTableDialog::openRow(DictSection section, int row)
{
    DictionaryTableModel& table = model(section);
    const XmlNode analysis = table.analysisAt(row);
    if (!analysis || !m_open)
        return;
    // The editor may delete or reload what the tables point at: they read nothing meanwhile.
    for (DictionaryTableModel* model : m_models)
        model->suspend();
    for (QTableView* v : m_views)
        v->setUpdatesEnabled(false);
    const XmlNode shown = m_open(section, analysis);
    for (DictionaryTableModel* model : m_models)
        model->rebuild();
    for (QTableView* v : m_views)
        v->setUpdatesEnabled(true);
    // The row of the analysis the editor ended on, when the filter lets it be seen.
    QTableView& tableView = view(section);
    const int at = shown ? table.rowOf(shown) : -1;
    if (at >= 0) {
        tableView.setCurrentIndex(table.index(at, 0));
        tableView.scrollTo(table.index(at, 0));
    }
    tableView.setFocus(Qt::OtherFocusReason);
    showStatus();
}

void DictionaryTableDialog::showStatus()
{
    const DictionaryTableModel& shown = model(currentSection());
    QString text = QCoreApplication::translate("DictionaryTableDialog", "%1 kirjet, näha %2").arg(shown.total()).arg(shown.rowCount());
    if (m_files.empty())
        text += QCoreApplication::translate("DictionaryTableDialog", " · kasutuse lugemiseks pole korpuse faile");
    else if (m_counting.running())
        text += QCoreApplication::translate("DictionaryTableDialog", " · loen kasutust failidest");
    else if (m_cancelled)
        text += QCoreApplication::translate("DictionaryTableDialog", " · kasutuse lugemine katkestati");
    else if (m_usage)
        text += QCoreApplication::translate("DictionaryTableDialog", " · kasutus %1 failist, %2 sõnet").arg(m_result.filesRead).arg(m_usage->tokens());
    if (!m_counting.running() && !m_result.skipped.empty())
        text += QCoreApplication::translate("DictionaryTableDialog", ", %n faili jäi vahele", "",
                                            int(m_result.skipped.size()));
    m_ui->statusLabel->setText(text);
}

void DictionaryTableDialog::startCounting()
{
    if (m_files.empty()) {
        hideProgress();
        return;
    }
    m_ui->usageProgress->setRange(0, static_cast<int>(m_files.size()));
    m_ui->usageProgress->setValue(0);
    m_counting.start([this, files = m_files](int run, const std::atomic<bool>& stop) {
        auto usage = std::make_shared<DictionaryUsage>();
        const auto progress = [&](std::size_t done, std::size_t) {
            QMetaObject::invokeMethod(
                this,
                [this, done, run] {
                    if (m_counting.isCurrent(run))
                        m_ui->usageProgress->setValue(static_cast<int>(done));
                },
                Qt::QueuedConnection);
        };
        DictionaryUsageResult result = countDictionaryUsage(files, *usage, progress, &stop);
        QMetaObject::invokeMethod(
            this,
            [this, usage, result = std::move(result), run]() mutable {
                if (m_counting.isCurrent(run))
                    counted(std::move(usage), std::move(result));
            },
            Qt::QueuedConnection);
    });
}

void DictionaryTableDialog::counted(std::shared_ptr<DictionaryUsage> usage, DictionaryUsageResult result)
{
    m_counting.finished();
    m_usage = std::move(usage);
    m_result = std::move(result);
    for (DictionaryTableModel* model : m_models)
        model->setUsage(m_usage.get());
    hideProgress();
    showStatus();
}

void DictionaryTableDialog::stopCounting()
{
    if (!m_counting.running())
        return;
    m_counting.stop();
    m_cancelled = true;
    hideProgress();
    showStatus();
}

void DictionaryTableDialog::hideProgress()
{
    m_ui->usageProgress->hide();
    m_ui->cancelButton->hide();
}

}  // namespace pelmora::gui
