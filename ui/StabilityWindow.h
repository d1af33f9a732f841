#pragma once

#include "data/Stability.h"
#include "data/XRange.h"
#include "run/GraphStability.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class CChartView;
class QComboBox;
class QCustomPlot;
class QLabel;
class QTableWidget;

// A window of its own beside the main one: the frequency stability of each dated series over
// the points in view, or between the cursors when both are set. A log-log plot of the
// deviation chosen (Allan, modified Allan, time, Hadamard) against tau, with a marker and the
// bounds of its confidence interval at each tau (each series' a little apart), the noise
// behind each slope named on the curve, the legend below, and a table (series, tau, terms,
// noise, the four deviations and the chosen one's bounds); Copy (the table as tab-separated
// values) and Save (PNG, SVG, PDF, CSV). Nothing numeric shows until the unit of y is known
// (--y-unit, or chosen here and kept while the window lives). It follows zooms, cursors and
// reloads.
class CStabilityWindow : public QWidget {
    Q_OBJECT
public:
    // The stability of the shown graph's series over a range of Julian Dates, y in units of
    // dSecondsPerUnit seconds: the same measurement --stability prints; with three series in
    // hat (numbers from 0), their three-cornered hat instead, as --hat prints it.
    using Measure = std::function<std::vector<SSeriesStability>(
        const SXRange& range, double dSecondsPerUnit, const SStabilityOptions& options,
        const std::vector<int>& hat)>;
    // The titles of the shown graph's series, in their order.
    using Titles = std::function<std::vector<std::string>()>;

    // dSecondsPerUnit: seconds in a unit of y, 0 while it is not known.
    CStabilityWindow(CChartView& view, QWidget* pMainWindow, Measure measure, Titles titles,
                     double dSecondsPerUnit, const SStabilityOptions& options);

    // Shows the window beside the main one, or hides it.
    void Toggle();
    // What Copy puts on the clipboard: the table as tab-separated values with a header line,
    // as --stability prints it.
    QString TableText() const;

private:
    void Refresh();
    void MeasureNow();
    void ShowResults();
    void LabelSlopes(int nKind);
    // Each series, or the three-cornered hat of each three of them.
    void OfferHats();
    // Where a hat's variance came out below 0: a cross at the plot's foot at that tau.
    void MarkBelowZero(int nKind);
    void HideCrowdedLabels();
    void PlaceBeside();
    void Save();

    CChartView& m_view;
    QWidget* m_pMainWindow;
    Measure m_measure;
    Titles m_titles;
    double m_dSecondsPerUnit;
    SStabilityOptions m_options;
    QComboBox* m_pUnit;
    QComboBox* m_pDeviation;
    QComboBox* m_pWhat;
    QLabel* m_pHeading;
    QCustomPlot* m_pPlot;
    QTableWidget* m_pTable;
    QTimer m_refresh;
    std::vector<SSeriesStability> m_results;
};
