#include "tests/chartcontrol/DrawnChart.h"

#include <QApplication>

#include <utility>

namespace {

// The view's drawings (D) and paints (P) in the order they happen.
class DrawSchedule : public DrawnChart {
protected:
    struct SPaints : QObject {
        explicit SPaints(QString& events) : m_events(events) {}
        bool eventFilter(QObject*, QEvent* pEvent) override {
            m_events += pEvent->type() == QEvent::Paint ? "P" : "";
            return false;
        }
        QString& m_events;
    };

    void SetUp() override {
        QObject::connect(&m_view, &QCustomPlot::afterReplot, [this] { m_events += 'D'; });
        m_view.installEventFilter(&m_paints);
        AddSeries("s", {{0, 0}, {1, 1}});
    }
    // Lets the event loop run what the view queued, and what that queued in turn.
    static void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    QString m_events;
    SPaints m_paints{m_events};
};

TEST_F(DrawSchedule, OnceBeforeTheFirstPaintThenOncePerBurstAndNeverForNothing) {
    const auto drawings = [this] {
        Settle();
        return std::exchange(m_events, QString()).count('D');
    };
    for (int i = 0; i < 3; ++i)
        m_pDocument->Changed();
    m_view.resize(555, 449);
    m_view.show();
    for (int i = 0; i < 1000 && !m_events.contains('P'); ++i)
        QApplication::processEvents();
    EXPECT_TRUE(m_events.startsWith(QStringLiteral("DP"))) << m_events.toStdString();
    EXPECT_EQ(drawings(), 1);
    EXPECT_EQ(m_view.graphCount(), 1);
    for (int i = 0; i < 3; ++i)
        m_view.SetEmptyText(QString::number(i));
    EXPECT_EQ(drawings(), 1);
    for (int i = 0; i < 3; ++i)
        m_pDocument->Changed();
    EXPECT_EQ(drawings(), 1);
    QResizeEvent same(m_view.size(), m_view.size());
    QApplication::sendEvent(&m_view, &same);
    EXPECT_EQ(drawings(), 0);
    m_view.resize(500, 400);
    EXPECT_EQ(drawings(), 1);
}

} // namespace
