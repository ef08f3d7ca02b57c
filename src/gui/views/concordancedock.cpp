#include "views/concordancedock.h"

#include "app/filechooser.h"
#include "app/qtstrings.h"
#include "common/strings.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QFont>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora::gui {

namespace {

// Lines go to the window in batches: after every file, and within a long file every so many.
constexpr std::size_t kLinesPerBatch = 200;

const char* const kHeaders[ConcordanceModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("ConcordanceDock", "Vasak kontekst"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Sõne"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Parem kontekst"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Lemma"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Vorm"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Fail"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Lause"),
    QT_TRANSLATE_NOOP("ConcordanceDock", "Lehekülg"),
};

// Draws the left context cut off at its start, so that the words next to the token stay in view.
class LeftElidingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideLeft;
    }
};

// The left context from the token outwards, so that sorting it groups the words just before it.
QString leftSortKey(const std::string& left)
{
    QStringList words = toQt(left).split(' ', Qt::SkipEmptyParts);
    std::reverse(words.begin(), words.end());
    return words.join(' ');
}

}  // namespace

// --- ConcordanceModel --------------------------------------------------------------------------

int ConcordanceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int ConcordanceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ConcordanceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ConcordanceLine& l = line(index.row());
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::DisplayRole || role == SortRole) {
        switch (column) {
        case Left:
            return role == SortRole ? QVariant(m_leftKeys[static_cast<std::size_t>(index.row())])
                                    : QVariant(toQt(l.left));
        case Token: return toQt(l.token);
        case Right: return toQt(l.right);
        case Lemma: return toQt(l.lemma);
        case Form: return toQt(l.form);
        case File: return role == SortRole ? toQt(l.file) : QFileInfo(toQt(l.file)).fileName();
        case Sentence:
            return role == SortRole ? QVariant(qlonglong(leadingInteger(std::string_view(l.sentenceId).substr(
                                          l.sentenceId.empty() ? 0 : 1))))
                                    : QVariant(toQt(l.sentenceId));
        case Page: return role == SortRole ? QVariant(qlonglong(leadingInteger(l.page))) : QVariant(toQt(l.page));
        case ColumnCount: break;
        }
        return {};
    }
    if (role == Qt::ToolTipRole && column == File)
        return QDir::toNativeSeparators(toQt(l.file));
    if (role == Qt::FontRole && column == Token) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && column == Left)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ConcordanceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QCoreApplication::translate("ConcordanceDock", kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ConcordanceModel::clear()
{
    beginResetModel();
    m_lines.clear();
    m_leftKeys.clear();
    endResetModel();
}

void ConcordanceModel::append(std::vector<ConcordanceLine>&& lines)
{
    if (lines.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1);
    for (const ConcordanceLine& added : lines)
        m_leftKeys.push_back(leftSortKey(added.left));
    m_lines.insert(m_lines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    endInsertRows();
}

// --- ConcordanceSortModel ----------------------------------------------------------------------

ConcordanceSortModel::ConcordanceSortModel(QObject* parent)
    : QSortFilterProxyModel(parent), m_order(QLocale(QLocale::Estonian, QLocale::Estonia))
{
    m_order.setCaseSensitivity(Qt::CaseInsensitive);
}

void ConcordanceSortModel::setSourceModel(QAbstractItemModel* source)
{
    disconnect(m_sourceReset);
    m_columns.clear();
    // Before the rows change, so no sort meanwhile meets a key of a line that is gone.
    if (source)
        m_sourceReset =
            connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_columns.clear(); });
    QSortFilterProxyModel::setSourceModel(source);
}

const QCollatorSortKey* ConcordanceSortModel::keyOf(const QModelIndex& index) const
{
    const auto at = static_cast<std::size_t>(index.column());
    if (m_columns.size() <= at)
        m_columns.resize(at + 1);
    ColumnKeys& column = m_columns[at];
    // A column sorts by text or by numbers throughout; its first value tells which.
    if (!column.text)
        column.text = index.data(sortRole()).typeId() == QMetaType::QString;
    if (!*column.text)
        return nullptr;
    const auto row = static_cast<std::size_t>(index.row());
    if (column.keys.size() <= row)
        column.keys.resize(static_cast<std::size_t>(sourceModel()->rowCount()));
    std::optional<QCollatorSortKey>& key = column.keys[row];
    if (!key)
        key = m_order.sortKey(index.data(sortRole()).toString());
    return &*key;
}

bool ConcordanceSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QCollatorSortKey* a = keyOf(left);
    const QCollatorSortKey* b = keyOf(right);
    if (a && b)
        return a->compare(*b) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}

// --- ConcordanceDock ---------------------------------------------------------------------------

ConcordanceDock::ConcordanceDock(Settings& settings, FileChooser& files, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("ConcordanceDock", "Kasutus"), parent), m_settings(settings), m_files(files)
{
    setObjectName("concordanceDock");
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(6, 4, 6, 6);

    auto* filesRow = new QHBoxLayout;
    m_searched = new QLabel(pane);
    m_searched->setObjectName("searchedLabel");
    m_searched->setTextFormat(Qt::PlainText);
    filesRow->addWidget(m_searched);
    filesRow->addSpacing(12);
    filesRow->addWidget(new QLabel(QCoreApplication::translate("ConcordanceDock", "Failid:"), pane));
    m_fileField = new QLineEdit(pane);
    m_fileField->setObjectName("filesField");
    m_fileField->setReadOnly(true);
    m_fileField->setFocusPolicy(Qt::ClickFocus);
    filesRow->addWidget(m_fileField, 1);
    auto* folderButton = new QPushButton(QCoreApplication::translate("ConcordanceDock", "Vali k&aust ..."), pane);
    folderButton->setObjectName("chooseFolderButton");
    auto* filesButton = new QPushButton(QCoreApplication::translate("ConcordanceDock", "Vali faili&d ..."), pane);
    filesButton->setObjectName("chooseFilesButton");
    auto* textFolderButton = new QPushButton(QCoreApplication::translate("ConcordanceDock", "&Praeguse teksti kaust"), pane);
    textFolderButton->setObjectName("textFolderButton");
    for (QPushButton* button : {folderButton, filesButton, textFolderButton}) {
        button->setAutoDefault(false);
        filesRow->addWidget(button);
    }
    layout->addLayout(filesRow);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QCoreApplication::translate("ConcordanceDock", "Filt&reeri:"), pane);
    m_filter = new QLineEdit(pane);
    m_filter->setObjectName("filterEdit");
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(QCoreApplication::translate("ConcordanceDock", "näita ridu, kus see tekst esineb"));
    filterLabel->setBuddy(m_filter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    m_progress = new QProgressBar(pane);
    m_progress->setObjectName("progressBar");
    m_progress->setMaximumWidth(220);
    m_progress->setFormat(QCoreApplication::translate("ConcordanceDock", "%v / %m faili"));
    m_progress->hide();
    filterRow->addWidget(m_progress);
    m_cancel = new QPushButton(QCoreApplication::translate("ConcordanceDock", "&Katkesta"), pane);
    m_cancel->setObjectName("cancelButton");
    m_cancel->setAutoDefault(false);
    m_cancel->hide();
    filterRow->addWidget(m_cancel);
    m_status = new QLabel(pane);
    m_status->setObjectName("statusLabel");
    filterRow->addWidget(m_status);
    layout->addLayout(filterRow);

    m_proxy.setSourceModel(&m_model);
    m_proxy.setSortRole(ConcordanceModel::SortRole);
    m_proxy.setFilterKeyColumn(-1);
    m_proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy.setDynamicSortFilter(true);

    m_table = new QTableView(pane);
    m_table->setObjectName("concordanceTable");
    m_table->setModel(&m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);  // the order of finding until a column is chosen
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // The two contexts share what the other columns leave, so every column stays in view; the
    // others keep their widths and can be widened.
    const int widths[ConcordanceModel::ColumnCount] = {0, 110, 0, 100, 90, 120, 60, 80};
    QHeaderView* header = m_table->horizontalHeader();
    header->setMinimumSectionSize(60);
    for (int column = 0; column < ConcordanceModel::ColumnCount; ++column) {
        if (widths[column] == 0)
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        else
            m_table->setColumnWidth(column, widths[column]);
    }
    header->setHighlightSections(false);
    m_table->setItemDelegateForColumn(ConcordanceModel::Left, new LeftElidingDelegate(m_table));
    layout->addWidget(m_table, 1);
    setWidget(pane);

    // The lines come in the normal form (NFC); so is what is typed, however it was typed.
    connect(m_filter, &QLineEdit::textChanged, &m_proxy, [this](const QString& text) {
        m_proxy.setFilterFixedString(text.normalized(QString::NormalizationForm_C));
    });
    connect(m_filter, &QLineEdit::textChanged, this, &ConcordanceDock::showStatus);
    connect(m_table, &QTableView::activated, this, &ConcordanceDock::activate);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ConcordanceDock::selectionChanged);
    connect(m_cancel, &QPushButton::clicked, this, &ConcordanceDock::cancel);
    connect(folderButton, &QPushButton::clicked, this, &ConcordanceDock::chooseFolder);
    connect(filesButton, &QPushButton::clicked, this, &ConcordanceDock::chooseFiles);
    connect(textFolderButton, &QPushButton::clicked, this, [this] {
        m_settings.concordanceFolder.clear();
        showFiles();
        start();
    });
    showFiles();
    showStatus();
}

ConcordanceDock::~ConcordanceDock()
{
    stopWorker();
}

void ConcordanceDock::showUsage(ConcordanceBy by, const QString& word, const QString& openTextPath)
{
    m_request.by = by;
    m_request.word = toStd(word.trimmed());
    m_openTextPath = openTextPath;
    const QString searched = by == ConcordanceBy::Lemma          ? QCoreApplication::translate("ConcordanceDock", "Lemma: %1")
                             : by == ConcordanceBy::Combination  ? QCoreApplication::translate("ConcordanceDock", "Ühend: %1")
                             : by == ConcordanceBy::PartOfSpeech ? QCoreApplication::translate("ConcordanceDock", "Sõnaliik: %1")
                                                                 : QCoreApplication::translate("ConcordanceDock", "Sõnavorm: %1");
    m_searched->setText(searched.arg(word.trimmed()));
    showFiles();
    show();
    raise();
    start();
    m_table->setFocus(Qt::OtherFocusReason);
}

void ConcordanceDock::start()
{
    stopWorker();
    m_model.clear();
    m_skipped.clear();
    m_cancelled = false;
    if (m_request.word.empty()) {
        showStatus();
        return;
    }
    m_request.files = concordanceFiles(m_settings.concordanceFolder, toStd(m_openTextPath));
    m_progress->setRange(0, std::max<int>(1, static_cast<int>(m_request.files.size())));
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();

    m_work.start([this, request = m_request](int run, const std::atomic<bool>& stop) {
        std::vector<ConcordanceLine> lines;
        std::vector<ConcordanceSkippedFile> skipped;
        const auto post = [&](std::size_t done, std::size_t total, bool ended) {
            QMetaObject::invokeMethod(
                this,
                [this, run, done, total, ended, batch = std::move(lines), missed = std::move(skipped)]() mutable {
                    receive(run, std::move(batch), std::move(missed), done, total, ended);
                },
                Qt::QueuedConnection);
            lines.clear();
            skipped.clear();
        };
        std::size_t filesDone = 0;
        ConcordanceSink sink;
        sink.line = [&](ConcordanceLine&& line) {
            lines.push_back(std::move(line));
            if (lines.size() >= kLinesPerBatch)
                post(filesDone, request.files.size(), false);
        };
        sink.skipped = [&](const ConcordanceSkippedFile& file) { skipped.push_back(file); };
        sink.progress = [&](std::size_t done, std::size_t total) {
            filesDone = done;
            post(done, total, false);
        };
        runConcordance(request, sink, &stop);
        post(filesDone, request.files.size(), true);
    });
    showStatus();
}

void ConcordanceDock::receive(int run, std::vector<ConcordanceLine> lines, std::vector<ConcordanceSkippedFile> skipped,
                              std::size_t done, std::size_t total, bool ended)
{
    if (!m_work.isCurrent(run))
        return;  // a run that was cancelled and replaced
    m_model.append(std::move(lines));
    m_skipped.insert(m_skipped.end(), skipped.begin(), skipped.end());
    m_progress->setRange(0, std::max<int>(1, static_cast<int>(total)));
    m_progress->setValue(static_cast<int>(done));
    if (ended) {
        m_work.finished();
        m_progress->hide();
        m_cancel->hide();
    }
    showStatus();
    if (ended)
        Q_EMIT finished();
}

void ConcordanceDock::cancel()
{
    if (!m_work.running())
        return;
    stopWorker();
    m_cancelled = true;
    m_progress->hide();
    m_cancel->hide();
    showStatus();
    Q_EMIT finished();
}

void ConcordanceDock::stopWorker()
{
    m_work.stop();  // what the stopped run still posted is dropped
}

void ConcordanceDock::chooseFolder()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Folder;
    request.title = QCoreApplication::translate("ConcordanceDock", "Vali kaust");
    request.start = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
    const QString folder = m_files.chooseOne(this, request);
    if (folder.isEmpty())
        return;
    m_settings.concordanceFolder = toStd(folder);
    showFiles();
    start();
}

void ConcordanceDock::chooseFiles()
{
    FileRequest request;
    request.mode = FileRequest::Mode::OpenMany;
    request.title = QCoreApplication::translate("ConcordanceDock", "Vali failid");
    request.filter = QCoreApplication::translate("ConcordanceDock", "XML-failid (*.xml)");
    request.start = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
    const QStringList chosen = m_files.choose(this, request);
    if (chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(toStd(path));
    m_settings.concordanceFolder = concordanceFileSetting(paths);
    showFiles();
    start();
}

void ConcordanceDock::showFiles()
{
    const QString setting = toQt(m_settings.concordanceFolder);
    if (setting.isEmpty()) {
        const QString folder = m_openTextPath.isEmpty() ? QString() : QFileInfo(m_openTextPath).absolutePath();
        m_fileField->setText(folder.isEmpty() ? QCoreApplication::translate("ConcordanceDock", "(avatud teksti kaust)")
                                              : QDir::toNativeSeparators(folder) + QCoreApplication::translate("ConcordanceDock", "  (avatud teksti kaust)"));
    } else {
        m_fileField->setText(QDir::toNativeSeparators(setting));
    }
    m_fileField->setCursorPosition(0);
    m_fileField->setToolTip(m_fileField->text());
}

void ConcordanceDock::showStatus()
{
    const int all = m_model.rowCount();
    const int shown = m_proxy.rowCount();
    QString text = shown == all ? QCoreApplication::translate("ConcordanceDock", "Leitud %1 rida").arg(all)
                                : QCoreApplication::translate("ConcordanceDock", "Näitan %1 rida %2-st").arg(shown).arg(all);
    if (m_cancelled)
        text += QCoreApplication::translate("ConcordanceDock", " (katkestatud)");
    if (!m_skipped.empty()) {
        text += QCoreApplication::translate("ConcordanceDock", ", vahele jäetud %n faili", "",
                                            int(m_skipped.size()));
        QStringList messages;
        for (const ConcordanceSkippedFile& file : m_skipped)
            messages.push_back(toQt(file.message) + (file.reason.empty() ? QString() : " (" + toQt(file.reason) + ")"));
        m_status->setToolTip(messages.join('\n'));
    } else {
        m_status->setToolTip({});
    }
    if (!m_work.running() && m_request.files.empty() && !m_request.word.empty())
        text = QCoreApplication::translate("ConcordanceDock", "Faile pole: vali kaust või failid");
    m_status->setText(text);
}

void ConcordanceDock::activate(const QModelIndex& proxyIndex)
{
    const QModelIndex source = m_proxy.mapToSource(proxyIndex);
    if (!source.isValid())
        return;
    const ConcordanceLine& line = m_model.line(source.row());
    Q_EMIT hitActivated(toQt(line.file), toQt(line.tokenId));
}

bool ConcordanceDock::hasSelectedLines() const
{
    return m_table->selectionModel()->hasSelection();
}

QString ConcordanceDock::selectedLinesText() const
{
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::string text;
    for (const QModelIndex& row : rows) {
        const QModelIndex source = m_proxy.mapToSource(row);
        if (source.isValid())
            text += concordanceTsvLine(m_model.line(source.row()));
    }
    return toQt(text);
}

void ConcordanceDock::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_work.running()) {
        cancel();
        return;
    }
    QDockWidget::keyPressEvent(event);
}

}  // namespace pelmora::gui
