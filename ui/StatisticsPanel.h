#pragma once

#include <QTimer>
#include <QWidget>

class CChartView;
class QLabel;
class QTableWidget;
struct SMeasures;

// Beside the chart, in room the main window makes for it on its right (no control of the
// window moves, nothing covers the chart): the statistics of each series over the points in
// view (or between the cursors when both are set), a column a series, kept current as the
// view, the cursors and the data change. Copy puts them on the clipboard as tab-separated
// text, a header line and a row a series.
class CStatisticsPanel : public QWidget {
    Q_OBJECT
public:
    CStatisticsPanel(CChartView& view, QWidget* pWindow);

    // Shows the panel, the window widened for it, or hides it and gives the room back.
    void Toggle();
    // What Copy puts on the clipboard.
    QString TableText() const;

private:
    void Refresh();
    void Fill(const SMeasures& measures);

    CChartView& m_view;
    QWidget* m_pWindow;
    QLabel* m_pRange;
    QTableWidget* m_pTable;
    QTimer m_refresh;
    QString m_strText;
};
