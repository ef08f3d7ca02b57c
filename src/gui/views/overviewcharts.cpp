#include "views/overviewcharts.h"

#include "app/qtstrings.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QScrollArea>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pelmora::gui {

namespace {

constexpr int kBarHeight = 22;      // the room of one bar, so that many texts stay readable
constexpr int kChartFrame = 110;    // the title and the value axis
constexpr int kLongestLabel = 28;   // characters of a bar's label before it is cut off

const char* const kTabTitles[OverviewCharts::ChartCount] = {QT_TRANSLATE_NOOP("OverviewCharts", "Tekstid"), QT_TRANSLATE_NOOP("OverviewCharts", "Sõnaliigid"),
                                                            QT_TRANSLATE_NOOP("OverviewCharts", "Märgendamata")};

QString shortLabel(const QString& label)
{
    return label.size() <= kLongestLabel ? label : label.left(kLongestLabel - 1) + QChar(0x2026);
}

}  // namespace

QString partOfSpeechLabel(const std::string& partOfSpeech)
{
    return partOfSpeech.empty() ? QCoreApplication::translate("OverviewCharts", "(liik puudub)") : toQt(partOfSpeech);
}

OverviewCharts::OverviewCharts(QWidget* parent) : QTabWidget(parent)
{
    setObjectName("overviewCharts");
    for (int chart = 0; chart < ChartCount; ++chart) {
        auto* area = new QScrollArea(this);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        auto* view = new QChartView(area);
        view->setObjectName(QStringLiteral("overviewChart%1").arg(chart));
        view->setRenderHint(QPainter::Antialiasing);
        area->setWidget(view);
        m_views[chart] = view;
        m_areas[chart] = area;
        addTab(area, QCoreApplication::translate("OverviewCharts", kTabTitles[chart]));
    }
    showTexts({}, {});
}

void OverviewCharts::showTexts(const std::vector<OverviewText>& texts, const TextTally& totals)
{
    for (int chart = 0; chart < ChartCount; ++chart) {
        m_figures[chart].clear();
        m_targets[chart].clear();
    }
    for (const OverviewText& text : texts) {
        // Whole percents rounded down, as the table shows them.
        m_figures[Shares].emplace_back(QFileInfo(toQt(text.file)).fileName(),
                                       std::floor(annotatedShare(text.tally.counts) * 100.0 + 1e-9));
        m_targets[Shares].push_back(toQt(text.file));
    }
    std::vector<std::pair<std::string, long long>> kinds(totals.partsOfSpeech.begin(), totals.partsOfSpeech.end());
    std::stable_sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [kind, count] : kinds) {
        m_figures[PartsOfSpeech].emplace_back(partOfSpeechLabel(kind), double(count));
        m_targets[PartsOfSpeech].push_back(toQt(kind));
    }
    for (const auto& [form, count] : mostFrequent(totals.unannotatedForms, kFormCount)) {
        m_figures[UnannotatedForms].emplace_back(toQt(form), double(count));
        m_targets[UnannotatedForms].push_back(toQt(form));
    }
    const auto largest = [this](Chart chart) {
        double most = 1;
        for (const auto& figure : m_figures[chart])
            most = std::max(most, figure.second);
        return most;
    };
    draw(Shares, QCoreApplication::translate("OverviewCharts", "Märgendatud osa tekstides (%)"), QCoreApplication::translate("OverviewCharts", "Märgendatud %"), 100.0);
    draw(PartsOfSpeech, QCoreApplication::translate("OverviewCharts", "Märgendatud sõnede sõnaliigid"), QCoreApplication::translate("OverviewCharts", "Sõnesid"),
         largest(PartsOfSpeech));
    draw(UnannotatedForms, QCoreApplication::translate("OverviewCharts", "%1 sagedasemat märgendamata sõnavormi").arg(kFormCount),
         QCoreApplication::translate("OverviewCharts", "Sõnesid"), largest(UnannotatedForms));
}

void OverviewCharts::draw(Chart chart, const QString& title, const QString& valueTitle, double maximum)
{
    const auto& figures = m_figures[chart];
    auto* drawn = new QChart;
    drawn->setTitle(figures.empty() ? title + QCoreApplication::translate("OverviewCharts", " – andmeid pole") : title);
    drawn->legend()->hide();
    drawn->setMargins(QMargins(4, 4, 12, 4));
    auto* set = new QBarSet(valueTitle);
    set->setLabelColor(palette().color(QPalette::WindowText));
    QStringList labels;
    // A horizontal chart draws its first bar at the bottom: the list goes in from its end.
    for (auto figure = figures.rbegin(); figure != figures.rend(); ++figure) {
        set->append(figure->second);
        labels.push_back(shortLabel(figure->first));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(chart == Shares ? QStringLiteral("@value%") : QStringLiteral("@value"));
    series->setLabelsPrecision(chart == Shares ? 3 : 9);
    drawn->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels.isEmpty() ? QStringList{QString()} : labels);
    // The labels are cut to a readable length above; the axis would otherwise cut them to "...".
    categories->setTruncateLabels(false);
    drawn->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    if (chart == Shares) {
        // Room beyond a full bar for its label, with lines at every quarter.
        values->setRange(0, 115.0);
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(0);
        values->setTickInterval(25);
    } else {
        values->setRange(0, maximum * 1.15);
        values->applyNiceNumbers();
    }
    drawn->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);

    const int count = static_cast<int>(figures.size());
    connect(set, &QBarSet::clicked, this, [this, chart, count](int index) { chosen(chart, count - 1 - index); });
    connect(set, &QBarSet::hovered, m_views[chart],
            [view = m_views[chart]](bool over, int) { view->setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor); });

    QChartView* view = m_views[chart];
    QChart* old = view->chart();
    view->setChart(drawn);
    delete old;
    view->setMinimumHeight(kChartFrame + std::max(1, count) * kBarHeight);
}

void OverviewCharts::chosen(Chart chart, int index)
{
    const std::vector<QString>& targets = m_targets[chart];
    if (index < 0 || index >= static_cast<int>(targets.size()))
        return;
    const QString& target = targets[static_cast<std::size_t>(index)];
    if (chart == Shares)
        Q_EMIT textChosen(target);
    else if (chart == PartsOfSpeech && !target.isEmpty())  // "no kind" cannot be looked for
        Q_EMIT partOfSpeechChosen(target);
    else if (chart == UnannotatedForms)
        Q_EMIT wordFormChosen(target);
}

QString OverviewCharts::figuresTsv(Chart chart) const
{
    static const char* const kColumns[ChartCount] = {"fail\tmärgendatud_protsent", "sõnaliik\tsõnesid",
                                                     "sõnavorm\tsõnesid"};
    QString text = QString(kColumns[chart]) + '\n';
    for (std::size_t i = 0; i < m_figures[chart].size(); ++i) {
        const auto& [label, value] = m_figures[chart][i];
        const QString name = chart == PartsOfSpeech ? m_targets[chart][i] : label;
        text += QString(name).replace('\t', ' ') + '\t' +
                QString::number(qlonglong(value)) + '\n';
    }
    return text;
}

QImage OverviewCharts::image(Chart chart) const
{
    return m_views[chart]->grab().toImage();
}

bool OverviewCharts::save(Chart chart, const QString& path) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("tsv")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const QByteArray bytes = figuresTsv(chart).toUtf8();
        return file.write(bytes) == bytes.size();
    }
    QChartView* view = m_views[chart];
    if (suffix == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(view->size());
        svg.setViewBox(QRect(QPoint(0, 0), view->size()));
        svg.setTitle(view->chart()->title());
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        view->render(&painter);
        return painter.end();
    }
    return image(chart).save(path, "PNG");
}

}  // namespace pelmora::gui
