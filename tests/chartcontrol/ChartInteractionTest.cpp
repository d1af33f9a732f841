#include "tests/chartcontrol/DrawnChart.h"

#include "chartcontrol/ChartNotes.h"

#include <QAction>
#include <QApplication>
#include <QToolTip>

// The dated chart laid out, and the user's mouse and keys sent to it.
class ChartInteraction : public DrawnChart {
protected:
    void SetUp() override {
        AddDatedSeries();
        Draw();
        m_x = m_view.xAxis->range();
        m_y = m_view.yAxis->range();
        m_centre = m_view.axisRect()->rect().center();
    }
    // A move carries the held button in buttons() only.
    void Mouse(QEvent::Type type, Qt::MouseButton button, const QPoint& pos) {
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        QMouseEvent event(type, pos, m_view.mapToGlobal(pos), changed, button, Qt::NoModifier);
        QApplication::sendEvent(&m_view, &event);
    }
    void Press(const QKeySequence& keys) {
        for (QAction* pAction : m_view.actions())
            if (pAction->shortcut() == keys)
                pAction->trigger();
    }
    void Zoom() {
        m_view.xAxis->setRange(m_x.lower + 1, m_x.upper - 1);
        m_view.yAxis->setRange(m_y.lower + 1, m_y.upper - 1);
    }
    bool Zoomed() const { return m_view.xAxis->range() != m_x || m_view.yAxis->range() != m_y; }

    QCPRange m_x, m_y;
    QPoint m_centre;
};

// Ctrl+S and Ctrl+C ask the owner to save and to copy.
TEST_F(ChartInteraction,
       ALeftDoubleClickOrHomeReturnsBothAxesToTheModelsViewCtrlSSavesCtrlCCopies) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Zoom();
        Mouse(QEvent::MouseButtonDblClick, button, m_centre);
        EXPECT_EQ(Zoomed(), button != Qt::LeftButton) << button;
    }
    Zoom();
    Press(Qt::Key_Home);
    EXPECT_FALSE(Zoomed());
    QString strAsked;
    QObject::connect(&m_view, &CChartView::SaveRequested, [&strAsked] { strAsked += 'S'; });
    QObject::connect(&m_view, &CChartView::CopyRequested, [&strAsked] { strAsked += 'C'; });
    Press(QKeySequence::Save);
    Press(QKeySequence::Copy);
    EXPECT_EQ(strAsked, QStringLiteral("SC"));
}

TEST_F(ChartInteraction, AOrAClickOnTheCountOutsideShowsAllDataWithAMarginOfFourPercent) {
    for (const bool bClick : {false, true}) {
        Zoom();
        m_view.replot();
        // The count sits inside the plot's top right corner.
        const QPoint count = m_view.axisRect()->rect().topRight() + QPoint(-20, 12);
        bClick ? Mouse(QEvent::MouseButtonPress, Qt::LeftButton, count) : Press(Qt::Key_A);
        EXPECT_DOUBLE_EQ(m_view.xAxis->range().lower, m_x.lower - 0.04 * m_x.size()) << bClick;
        EXPECT_DOUBLE_EQ(m_view.yAxis->range().upper, m_y.upper + 0.04 * m_y.size());
    }
}

TEST_F(ChartInteraction, DraggingWithTheRightOrMiddleButtonMovesTheDataAlong) {
    const double dShift = m_view.xAxis->pixelToCoord(100) - m_view.xAxis->pixelToCoord(0);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        m_view.ResetView();
        Mouse(QEvent::MouseButtonPress, button, m_centre);
        Mouse(QEvent::MouseMove, button, m_centre + QPoint(100, 0));
        Mouse(QEvent::MouseButtonRelease, button, m_centre + QPoint(100, 0));
        // The data follow the mouse to the right: the view starts at a smaller x.
        EXPECT_DOUBLE_EQ(m_view.xAxis->range().lower, m_x.lower - dShift) << button;
        EXPECT_DOUBLE_EQ(m_view.xAxis->range().upper, m_x.upper - dShift) << button;
        EXPECT_EQ(m_view.yAxis->range(), m_y) << button;
    }
}

TEST_F(ChartInteraction, ACursorWithNoPointInViewIsNotPlacedAndTheCornerSaysWhy) {
    // Panned away from the data, then without any.
    m_view.xAxis->setRange(m_x.upper + 10, m_x.upper + 20);
    m_view.replot();
    for (const bool bEmpty : {false, true}) {
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, m_centre);
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, m_centre);
        EXPECT_FALSE(m_view.Cursors().IsSet(CChartCursors::EWhich::A)) << bEmpty;
        EXPECT_EQ(m_view.Notes().CornerText(), QStringLiteral("No point in view for cursor A"));
        Model().series.clear();
        Draw();
    }
}

TEST_F(ChartInteraction, HoveringAPointReadsItOut) {
    const QCPGraphData& second = *(m_view.graph(0)->data()->constBegin() + 1);
    Mouse(QEvent::MouseMove, Qt::NoButton, QPoint(2, 2));
    EXPECT_EQ(QToolTip::text(), QString());
    Mouse(QEvent::MouseMove, Qt::NoButton,
          QPoint(qRound(m_view.xAxis->coordToPixel(second.key)) + 2,
                 qRound(m_view.yAxis->coordToPixel(second.value)) - 1));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("north\nx: 2 Jan 2026 12:00:00\ny: 10.84147098"));
}
