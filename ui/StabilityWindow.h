#pragma once

#include "data/Stability.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class CChartView;
class QComboBox;
class QCustomPlot;
class QLabel;
class QTableWidget;

// A window of its own beside the chart: the frequency stability of each dated series over the
// points in view, or between the cursors when both are set. A log-log plot of the deviation
// chosen (Allan, modified Allan, time) against tau, with a marker and ±1σ bars at each tau, a
// table below (series, tau, terms, ADEV, MDEV, TDEV), Copy (tab-separated) and Save (PNG, SVG,
// PDF, CSV). Nothing numeric shows until the unit of y is known (--y-unit, or chosen here and
// kept while the window lives). It follows zooms, cursors and reloads.
class CStabilityWindow : public QWidget {
    Q_OBJECT
public:
    // dSecondsPerUnit: seconds in a unit of y, 0 while it is not known.
    CStabilityWindow(CChartView& view, QWidget* pMainWindow, double dSecondsPerUnit,
                     ETauSpacing spacing);

    // Shows the window beside the main one, or hides it.
    void Toggle();
    // What Copy puts on the clipboard: the table as tab-separated values with a header line.
    QString TableText() const;

private:
    struct SSeriesStability {
        QString strTitle;
        SStabilityResult result;
    };
    void Refresh();
    void Measure();
    void ShowResults();
    void Save();

    CChartView& m_view;
    QWidget* m_pMainWindow;
    double m_dSecondsPerUnit;
    ETauSpacing m_spacing;
    QComboBox* m_pUnit;
    QComboBox* m_pDeviation;
    QLabel* m_pHeading;
    QCustomPlot* m_pPlot;
    QTableWidget* m_pTable;
    QTimer m_refresh;
    std::vector<SSeriesStability> m_results;
};
