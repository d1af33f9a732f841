#include "tests/chartcontrol/DrawnChart.h"

#include <QApplication>

#include <utility>

namespace {

// The view's drawings (D) and paints (P) in the order they happen.
struct SDrawingsAndPaints : QObject {
    explicit SDrawingsAndPaints(CChartView& view) {
        connect(&view, &QCustomPlot::afterReplot, this, [this] { m_strEvents += 'D'; });
        view.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* pEvent) override {
        m_strEvents += pEvent->type() == QEvent::Paint ? "P" : "";
        return false;
    }
    // What happened since the last call, once the event loop has run what the view queued.
    QString Take() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        return std::exchange(m_strEvents, QString());
    }

    QString m_strEvents;
};

using DrawSchedule = DrawnChart;

TEST_F(DrawSchedule, TheChartIsDrawnOnceBeforeItsFirstPaint) {
    AddSeries("s", {{0, 0}, {1, 1}});
    for (const bool bEventLoopBeforeShowing : {false, true}) {
        CChartView view(m_pDocument);
        SDrawingsAndPaints events(view);
        for (int i = 0; i < 3; ++i)
            m_pDocument->Changed();
        for (int i = 0; bEventLoopBeforeShowing && i < 5; ++i)
            QApplication::processEvents();
        view.resize(555, 449);
        view.show();
        for (int i = 0; i < 1000 && !events.m_strEvents.contains('P'); ++i)
            QApplication::processEvents();
        const QString strEvents = events.Take();
        EXPECT_TRUE(strEvents.startsWith(QStringLiteral("DP"))) << strEvents.toStdString();
        EXPECT_EQ(strEvents.count('D'), 1) << strEvents.toStdString();
        EXPECT_EQ(view.graphCount(), 1);
    }
}

} // namespace
