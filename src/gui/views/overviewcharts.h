// The corpus overview's charts: the annotated share of each text, the parts of speech of the
// annotated tokens and the word forms still without an analysis; a click on a bar asks for what
// stands behind it. Each chart can be saved as PNG or SVG, and its figures as TSV.
#pragma once

#include "views/overviewmodel.h"

#include <QTabWidget>

#include <utility>
#include <vector>

class QChartView;
class QScrollArea;

namespace pelmora::gui {

class OverviewCharts final : public QTabWidget {
    Q_OBJECT
public:
    enum Chart { Shares, PartsOfSpeech, UnannotatedForms, ChartCount };
    // How many of the most frequent word forms without an analysis the chart shows.
    static constexpr std::size_t kFormCount = 30;

    explicit OverviewCharts(QWidget* parent = nullptr);

    // Draws the charts anew from the texts and their totals.
    void showTexts(const std::vector<OverviewText>& texts, const TextTally& totals);

    QChartView* view(Chart chart) const { return m_views[chart]; }
    // The figures of a chart, label and value, in the order drawn (top first).
    const std::vector<std::pair<QString, double>>& figures(Chart chart) const { return m_figures[chart]; }
    // The figures of the chart as tab-separated lines under a header line.
    QString figuresTsv(Chart chart) const;
    // Writes the shown chart to the file: SVG for a ".svg" name, TSV for ".tsv", PNG otherwise.
    bool save(Chart chart, const QString& path) const;
    QImage image(Chart chart) const;

Q_SIGNALS:
    void textChosen(const QString& file);
    void partOfSpeechChosen(const QString& partOfSpeech);
    void wordFormChosen(const QString& form);

private:
    void draw(Chart chart, const QString& title, const QString& valueTitle, double maximum);
    void chosen(Chart chart, int index);

    QChartView* m_views[ChartCount] = {};
    QScrollArea* m_areas[ChartCount] = {};
    std::vector<std::pair<QString, double>> m_figures[ChartCount];
    // What a bar stands for (a file, a part of speech, a word-form key), in the order of m_figures.
    std::vector<QString> m_targets[ChartCount];
};

// The label of the part of speech "" (annotated tokens without one).
QString partOfSpeechLabel(const std::string& partOfSpeech);

}  // namespace pelmora::gui
