#pragma once

#include <QTimer>
#include <QWidget>

class CChartView;
class QLabel;
class QTableWidget;
struct SMeasures;

// Beside the chart, in room the main window makes for it on its right (no control of the
// window moves, nothing covers the chart): the statistics of each series over the points in
// view (or between the cursors when both are set), kept current as the view, the cursors and
// the data change. A column a series, headed by a stripe of its colour and its title over up to
// three lines (whole on hover), a date over two lines, values shortened to about the width of a
// time of day: five series fit beside the chart on a screen 1280 pixels wide. Copy puts them
// on the clipboard with every digit as tab-separated text, a header line and a row a series.
class CStatisticsPanel : public QWidget {
    Q_OBJECT
public:
    // dSecondsPerUnit: seconds in a unit of y, 0 while it is not known; when known, a date
    // series also shows its fractional frequency and drift per day, as --stats gives them.
    CStatisticsPanel(CChartView& view, QWidget* pWindow, double dSecondsPerUnit = 0.0);

    // Shows the panel, the window widened for it, or hides it and gives the room back.
    void Toggle();
    // What Copy puts on the clipboard.
    QString TableText() const;
    // The width that shows every column whole.
    int WidthWanted() const;

private:
    void Refresh();
    void Fill(const SMeasures& measures);
    // Widens the window for the panel, at least nLeast wide, as far as it wants and its screen
    // allows; while shown the panel only grows, so that a zoom does not make the window jump.
    void FitWindow(int nLeast);

    CChartView& m_view;
    QWidget* m_pWindow;
    double m_dSecondsPerUnit;
    QLabel* m_pRange;
    QTableWidget* m_pTable;
    QTimer m_refresh;
    QString m_strText;
};
