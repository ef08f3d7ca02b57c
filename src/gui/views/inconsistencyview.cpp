#include "views/inconsistencyview.h"

#include "app/qtstrings.h"
#include "text/pelmoradoc.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <future>
#include <map>

namespace pelmora::gui {

namespace {

QTableView* makeTable(const char* name, QWidget* parent)
{
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QStandardItem* item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* made = new QStandardItem(text);
    made->setTextAlignment(alignment);
    return made;
}

}  // namespace

InconsistencyView::InconsistencyView(const CPelmoraDoc& doc, const CDictionary& dictionary, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_dictionary(dictionary)
{
    setObjectName("inconsistencyView");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(makeTopRow());

    m_proxy.setSourceModel(&m_groups);
    m_proxy.setSortRole(InconsistencyGroupModel::SortRole);
    m_groupTable = makeTable("groupTable", this);
    m_groupTable->setModel(&m_proxy);
    m_groupTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groupTable->setSortingEnabled(true);
    m_groupTable->sortByColumn(-1, Qt::AscendingOrder);  // the most tokens first, as found
    // The kind column fits its longest name in the interface's language.
    int kindWidth = 0;
    for (const InconsistencyKind kind :
         {InconsistencyKind::Analyses, InconsistencyKind::Dictionary, InconsistencyKind::Combination})
        kindWidth = std::max(kindWidth, m_groupTable->fontMetrics().horizontalAdvance(kindText(kind)) + 16);
    const int widths[InconsistencyGroupModel::ColumnCount] = {kindWidth, 100, 62, 300};
    for (int column = 0; column < InconsistencyGroupModel::ColumnCount; ++column)
        m_groupTable->setColumnWidth(column, widths[column]);
    m_groupTable->horizontalHeader()->setStretchLastSection(true);

    auto* groupsPane = new QWidget(this);
    auto* groupsLayout = new QVBoxLayout(groupsPane);
    groupsLayout->setContentsMargins(0, 0, 0, 0);
    groupsLayout->addWidget(buddyLabel(QCoreApplication::translate("InconsistencyView", "Rü&hmad:"), m_groupTable, groupsPane));
    groupsLayout->addWidget(m_groupTable, 1);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName("inconsistencySplitter");
    split->setChildrenCollapsible(false);
    split->addWidget(groupsPane);
    split->addWidget(makeDetails());
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    layout->addWidget(split, 1);

    connect(m_groupTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &InconsistencyView::showGroup);
    connect(&m_proxy, &QAbstractItemModel::modelReset, this, &InconsistencyView::showGroup);
    connect(m_occurrenceTable, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QModelIndex first = index.siblingAtColumn(Left);
        Q_EMIT occurrenceActivated(first.data(FileRole).toString(), first.data(TokenIdRole).toString());
    });
    connect(m_analysisTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &InconsistencyView::enableApply);
    connect(m_occurrenceTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &InconsistencyView::enableApply);
    connect(m_apply, &QPushButton::clicked, this, &InconsistencyView::applyRequested);
    // Enter on a group goes to its occurrences; Enter on an analysis applies it to the selected ones.
    connect(m_groupTable, &QTableView::activated, this, [this] { m_occurrenceTable->setFocus(Qt::OtherFocusReason); });
    connect(m_analysisTable, &QTableView::activated, this, [this] {
        if (m_apply->isEnabled())
            Q_EMIT applyRequested();
    });
    showStatus();
}

QWidget* InconsistencyView::makeTopRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_kind = new QComboBox(row);
    m_kind->setObjectName("kindCombo");
    m_kind->addItem(QCoreApplication::translate("InconsistencyView", "Kõik rühmad"));
    for (const InconsistencyKind kind :
         {InconsistencyKind::Analyses, InconsistencyKind::Dictionary, InconsistencyKind::Combination})
        m_kind->addItem(kindText(kind), static_cast<int>(kind));
    layout->addWidget(buddyLabel(QCoreApplication::translate("InconsistencyView", "&Näita:"), m_kind, row));
    layout->addWidget(m_kind);
    m_status = new QLabel(row);
    m_status->setObjectName("inconsistencyStatus");
    layout->addWidget(m_status, 1);
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
        const QVariant kind = m_kind->currentData();
        m_proxy.setKind(kind.isValid() ? std::optional(static_cast<InconsistencyKind>(kind.toInt())) : std::nullopt);
        showGroup();
        showStatus();
    });
    return row;
}

QWidget* InconsistencyView::makeDetails()
{
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    m_analysisTable = makeTable("analysisTable", pane);
    m_analysisTable->setModel(&m_analyses);
    m_analysisTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_analysisTable->horizontalHeader()->setStretchLastSection(true);
    m_analysisTable->setToolTip(QCoreApplication::translate("InconsistencyView", "Vali analüüs, mis antakse valitud esinemistele"));
    layout->addWidget(buddyLabel(QCoreApplication::translate("InconsistencyView", "Analü&üsid:"), m_analysisTable, pane));
    layout->addWidget(m_analysisTable);

    m_occurrenceTable = makeTable("occurrenceTable", pane);
    m_occurrenceTable->setModel(&m_occurrences);
    m_occurrenceTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_occurrenceTable->setSortingEnabled(true);
    m_occurrenceTable->setToolTip(QCoreApplication::translate("InconsistencyView", "Topeltklõps või Enter avab teksti selle sõne juurest"));
    auto* occurrenceRow = new QHBoxLayout;
    occurrenceRow->addWidget(buddyLabel(QCoreApplication::translate("InconsistencyView", "Esine&mised:"), m_occurrenceTable, pane));
    m_lineStatus = new QLabel(pane);
    m_lineStatus->setObjectName("occurrenceStatus");
    occurrenceRow->addWidget(m_lineStatus, 1);
    m_apply = new QPushButton(QCoreApplication::translate("InconsistencyView", "Ra&kenda valitutele"), pane);
    m_apply->setObjectName("applyButton");
    m_apply->setAutoDefault(false);
    m_apply->setToolTip(QCoreApplication::translate("InconsistencyView", "Annab valitud analüüsi valitud esinemistele (enne küsib kinnitust)"));
    occurrenceRow->addWidget(m_apply);
    layout->addLayout(occurrenceRow);
    layout->addWidget(m_occurrenceTable, 1);
    m_analyses.setHorizontalHeaderLabels({QCoreApplication::translate("InconsistencyView", "Lemma"), QCoreApplication::translate("InconsistencyView", "Vorm"), QCoreApplication::translate("InconsistencyView", "Liik"),
                                          QCoreApplication::translate("InconsistencyView", "Sõnesid"), QCoreApplication::translate("InconsistencyView", "Osa")});
    m_occurrences.setHorizontalHeaderLabels({QCoreApplication::translate("InconsistencyView", "Vasak kontekst"), QCoreApplication::translate("InconsistencyView", "Sõne"),
                                             QCoreApplication::translate("InconsistencyView", "Parem kontekst"), QCoreApplication::translate("InconsistencyView", "Analüüs"),
                                             QCoreApplication::translate("InconsistencyView", "Fail")});
    return pane;
}

InconsistencyView::~InconsistencyView()
{
    stopLines();
    stopChecks();
}

void InconsistencyView::startReading()
{
    stopLines();
    stopChecks();
    m_groups.setGroups({});
    m_state = State::Reading;
    showStatus();
}

void InconsistencyView::check(std::shared_ptr<const CorpusRead> read, const QString& openFile)
{
    stopChecks();
    m_openFile = openFile;
    m_state = State::Checking;
    showStatus();
    // The dictionary is looked up on this thread (it belongs to the window); the worker waits.
    const auto lookUp = [this](int run, std::vector<std::string> keys,
                               std::shared_ptr<std::promise<DictionaryForms>> forms) {
        forms->set_value(m_checks.isCurrent(run) ? dictionaryForms(m_dictionary, keys) : DictionaryForms{});
    };
    m_checks.start([this, read, lookUp](int run, const std::atomic<bool>& stop) {
        std::vector<InconsistencyGroup> groups = findInconsistencies(*read).groups;
        std::vector<InconsistencyGroup> combinations = findCombinationMismatches(*read);
        auto forms = std::make_shared<std::promise<DictionaryForms>>();
        std::future<DictionaryForms> answer = forms->get_future();
        QMetaObject::invokeMethod(
            this, [lookUp, run, keys = analysedKeys(*read), forms]() mutable { lookUp(run, std::move(keys), forms); },
            Qt::QueuedConnection);
        while (answer.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (stop.load())
                return;
        std::vector<InconsistencyGroup> dictionary = findDictionaryMismatches(*read, answer.get());
        for (auto* more : {&dictionary, &combinations})
            groups.insert(groups.end(), std::make_move_iterator(more->begin()), std::make_move_iterator(more->end()));
        sortInconsistencyGroups(groups);
        if (stop.load())
            return;
        QMetaObject::invokeMethod(
            this, [this, run, found = std::move(groups)]() mutable { receive(run, std::move(found)); },
            Qt::QueuedConnection);
    });
}

void InconsistencyView::receive(int run, std::vector<InconsistencyGroup> groups)
{
    if (!m_checks.isCurrent(run))
        return;
    m_checks.finished();
    m_groups.setGroups(std::move(groups));
    m_state = State::Done;
    if (m_proxy.rowCount() > 0)
        m_groupTable->selectRow(0);
    showStatus();
    Q_EMIT finished();
}

void InconsistencyView::cancel()
{
    stopLines();
    if (!m_checks.running() && m_state != State::Reading)
        return;
    stopChecks();
    m_state = State::Cancelled;
    showStatus();
    Q_EMIT finished();
}

void InconsistencyView::stopChecks()
{
    m_checks.stop();
}

void InconsistencyView::stopLines()
{
    m_lines.stop();
}

const InconsistencyGroup* InconsistencyView::currentGroup() const
{
    if (m_shownGroup < 0 || m_shownGroup >= m_groups.rowCount())
        return nullptr;
    return &m_groups.group(m_shownGroup);
}

std::optional<std::size_t> InconsistencyView::chosenAnalysis() const
{
    const QModelIndexList rows = m_analysisTable->selectionModel()->selectedRows();
    if (rows.isEmpty() || !currentGroup())
        return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

std::vector<TokenPlace> InconsistencyView::selectedOccurrences() const
{
    std::vector<TokenPlace> places;
    for (const QModelIndex& row : m_occurrenceTable->selectionModel()->selectedRows(Left))
        places.push_back({toStd(row.data(FileRole).toString()), toStd(row.data(TokenIdRole).toString())});
    return places;
}

QString InconsistencyView::selectedTokenText() const
{
    const QModelIndexList rows = m_occurrenceTable->selectionModel()->selectedRows(Token);
    return rows.isEmpty() ? QString() : rows.front().data().toString();
}

void InconsistencyView::showGroup()
{
    stopLines();
    const QModelIndex current = m_proxy.mapToSource(m_groupTable->selectionModel()->currentIndex());
    m_shownGroup = current.isValid() ? current.row() : -1;
    m_analyses.removeRows(0, m_analyses.rowCount());
    m_occurrences.removeRows(0, m_occurrences.rowCount());
    m_lineSkipped.clear();
    m_lineStatus->clear();
    const InconsistencyGroup* group = currentGroup();
    if (!group) {
        enableApply();
        return;
    }
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    std::map<std::string, std::vector<std::string>> idsByFile;
    for (const GroupAnalysis& analysis : group->analyses) {
        const int percent = group->tokenCount > 0 ? int(analysis.tokens.size() * 100 / group->tokenCount) : 0;
        m_analyses.appendRow({item(toQt(analysis.lemma)), item(toQt(analysis.form)), item(toQt(analysis.partOfSpeech)),
                              item(analysis.fromDictionary ? QCoreApplication::translate("InconsistencyView", "sõnastikus")
                                                           : QString::number(analysis.tokens.size()), right),
                              item(analysis.fromDictionary ? QString() : QStringLiteral("%1%").arg(percent), right)});
        for (const TokenPlace& place : analysis.tokens)
            idsByFile[place.file].push_back(place.id);
    }
    m_analysisTable->resizeColumnsToContents();
    // As high as its rows, up to five; the occurrences take the rest.
    const int rows = std::clamp(m_analyses.rowCount(), 2, 5);
    m_analysisTable->setFixedHeight(m_analysisTable->horizontalHeader()->sizeHint().height() +
                                    rows * m_analysisTable->verticalHeader()->defaultSectionSize() +
                                    2 * m_analysisTable->frameWidth());
    // The open text's lines come from the window's tree, the others from their files on a worker.
    std::vector<std::pair<std::string, std::vector<std::string>>> files;
    for (auto& [file, ids] : idsByFile) {
        if (!m_openFile.isEmpty() && toQt(file) == m_openFile && m_doc.hasText())
            addLines(tokenLines(m_doc.body(), file, ids));
        else
            files.emplace_back(file, std::move(ids));
    }
    if (!files.empty()) {
        m_lineStatus->setText(QCoreApplication::translate("InconsistencyView", "Loen ..."));
        m_lines.start([this, files = std::move(files)](int run, const std::atomic<bool>& stop) {
            for (std::size_t at = 0; at < files.size() && !stop.load(); ++at) {
                std::vector<ConcordanceLine> lines;
                std::vector<CorpusSkippedFile> skipped(1);
                if (tokenLinesOfFile(files[at].first, files[at].second, lines, skipped.front()))
                    skipped.clear();
                const bool ended = at + 1 == files.size();
                QMetaObject::invokeMethod(
                    this,
                    [this, run, ended, found = std::move(lines), missed = std::move(skipped)]() mutable {
                        receiveLines(run, std::move(found), std::move(missed), ended);
                    },
                    Qt::QueuedConnection);
            }
        });
    }
    enableApply();
}

void InconsistencyView::receiveLines(int run, std::vector<ConcordanceLine> lines, std::vector<CorpusSkippedFile> skipped,
                                     bool ended)
{
    if (!m_lines.isCurrent(run))
        return;
    addLines(lines);
    m_lineSkipped.insert(m_lineSkipped.end(), skipped.begin(), skipped.end());
    if (!ended)
        return;
    m_lines.finished();
    QStringList messages;
    for (const CorpusSkippedFile& file : m_lineSkipped)
        messages.push_back(toQt(file.message));
    m_lineStatus->setText(m_lineSkipped.empty() ? QString()
                                                : QCoreApplication::translate("InconsistencyView", "vahele jäetud %n faili",
                                                                              "",
                                                                              int(m_lineSkipped.size())));
    m_lineStatus->setToolTip(messages.join('\n'));
}

void InconsistencyView::addLines(const std::vector<ConcordanceLine>& lines)
{
    const InconsistencyGroup* group = currentGroup();
    if (!group)
        return;
    // Which analysis each token carries in the group.
    std::map<std::pair<std::string, std::string>, int> analysisOf;
    for (std::size_t at = 0; at < group->analyses.size(); ++at)
        for (const TokenPlace& place : group->analyses[at].tokens)
            analysisOf[{place.file, place.id}] = static_cast<int>(at);
    const bool sorted = m_occurrenceTable->isSortingEnabled();
    m_occurrenceTable->setSortingEnabled(false);
    for (const ConcordanceLine& line : lines) {
        const auto found = analysisOf.find({line.file, line.tokenId});
        const int analysis = found == analysisOf.end() ? -1 : found->second;
        auto* left = item(toQt(line.left), Qt::AlignRight | Qt::AlignVCenter);
        left->setData(toQt(line.file), FileRole);
        left->setData(toQt(line.tokenId), TokenIdRole);
        left->setData(analysis, AnalysisRole);
        auto* token = item(toQt(line.token), Qt::AlignCenter);
        QFont bold = token->font();
        bold.setBold(true);
        token->setFont(bold);
        const QString analysisName =
            analysis < 0 ? QString() : analysisText(group->analyses[static_cast<std::size_t>(analysis)]);
        auto* file = item(QFileInfo(toQt(line.file)).fileName() +
                          (!m_openFile.isEmpty() && toQt(line.file) == m_openFile ? QStringLiteral(" *") : QString()));
        file->setToolTip(toQt(line.file));
        m_occurrences.appendRow({left, token, item(toQt(line.right)), item(analysisName), file});
    }
    m_occurrenceTable->setSortingEnabled(sorted);
    if (m_occurrences.rowCount() == static_cast<int>(lines.size())) {
        m_occurrenceTable->resizeColumnsToContents();
        for (const int column : {int(Left), int(Right)})
            m_occurrenceTable->setColumnWidth(column, std::min(m_occurrenceTable->columnWidth(column), 260));
    }
}

void InconsistencyView::showStatus()
{
    QString text;
    switch (m_state) {
    case State::Empty: text = QCoreApplication::translate("InconsistencyView", "Ebakõlad leitakse ülevaate failidest"); break;
    case State::Reading: text = QCoreApplication::translate("InconsistencyView", "Loen faile ..."); break;
    case State::Checking: text = QCoreApplication::translate("InconsistencyView", "Otsin ebakõlasid ..."); break;
    case State::Done:
    case State::Cancelled: {
        std::size_t tokens = 0;
        for (int row = 0; row < m_proxy.rowCount(); ++row)
            tokens += m_groups.group(m_proxy.mapToSource(m_proxy.index(row, 0)).row()).tokenCount;
        text = m_proxy.rowCount() == 0 && m_state == State::Done
                   ? QCoreApplication::translate("InconsistencyView", "Ebakõlasid ei leitud")
                   : QCoreApplication::translate("InconsistencyView", "%1 rühma, %2 sõnet").arg(m_proxy.rowCount()).arg(tokens);
        if (m_state == State::Cancelled)
            text += QCoreApplication::translate("InconsistencyView", " (katkestatud)");
        break;
    }
    }
    m_status->setText(text);
}

void InconsistencyView::enableApply()
{
    m_apply->setEnabled(!m_checks.running() && chosenAnalysis().has_value() &&
                        m_occurrenceTable->selectionModel()->hasSelection());
}

}  // namespace pelmora::gui
