#include "ui/StatisticsPanel.h"

#include "chartcontrol/ChartView.h"
#include "chartcontrol/DateTicker.h"
#include "data/TableWriter.h"
#include "data/TimeConstants.h"
#include "run/GraphStatistics.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int PANEL_WIDTH = 440;
constexpr int MARGIN = 8;

const char* const QUANTITIES[] = {
    "N",     "first x",         "last x", "mean",     "std dev",      "RMS",
    "min",   "x of min",        "max",    "x of max", "peak-to-peak", "line at first x",
    "slope", "residual std dev"};

// The shortest text that reads back as the same double.
QString IsoTime(double dUnixSeconds) {
    return QDateTime::fromMSecsSinceEpoch(std::llround(dUnixSeconds * 1000.0), Qt::UTC)
        .toString(Qt::ISODateWithMs);
}

} // namespace

CStatisticsPanel::CStatisticsPanel(CChartView& view, QWidget* pWindow)
    : QWidget(pWindow), m_view(view), m_pWindow(pWindow), m_pRange(new QLabel(this)),
      m_pTable(new QTableWidget(this)) {
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pRange);
    pLayout->addWidget(m_pTable);
    auto* pCopy = new QPushButton(tr("&Copy"), this);
    pLayout->addWidget(pCopy, 0, Qt::AlignRight);
    connect(pCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText()); });
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_pTable->setRowCount(static_cast<int>(std::size(QUANTITIES)));
    for (int r = 0; r < m_pTable->rowCount(); ++r)
        m_pTable->setVerticalHeaderItem(r, new QTableWidgetItem(tr(QUANTITIES[r])));
    // Many views in a burst (a wheel zoom) are measured once, after the burst.
    m_refresh.setSingleShot(true);
    connect(&m_refresh, &QTimer::timeout, this, &CStatisticsPanel::Refresh);
    connect(&m_view, &CChartView::MeasuresChanged, this, [this] {
        if (isVisible())
            m_refresh.start(0);
    });
    hide();
}

void CStatisticsPanel::Toggle() {
    const QSize base = m_pWindow->minimumSize();
    if (isVisible()) {
        hide();
        m_pWindow->resize(base);
        return;
    }
    const QRect chart = m_view.geometry();
    setGeometry(base.width(), chart.top(), PANEL_WIDTH, chart.height());
    m_pWindow->resize(base.width() + PANEL_WIDTH + MARGIN, m_pWindow->height());
    // The wider window stays on its screen.
    const QRect screen = m_pWindow->screen()->availableGeometry();
    const int nOver = m_pWindow->frameGeometry().right() - screen.right();
    if (nOver > 0)
        m_pWindow->move(std::max(screen.left(), m_pWindow->x() - nOver), m_pWindow->y());
    Refresh();
    show();
}

void CStatisticsPanel::Refresh() {
    Fill(m_view.Measures());
}

void CStatisticsPanel::Fill(const SMeasures& measures) {
    const auto x = [&](double dX) {
        return measures.bDates ? DescribeDate(dX) : QString::number(dX, 'g', 12);
    };
    m_pRange->setText(
        (measures.bBetweenCursors ? tr("Between the cursors: %1 to %2") : tr("In view: %1 to %2"))
            .arg(x(measures.dFrom), x(measures.dTo)));
    // Slopes per day on a date axis, whose x are seconds.
    const double dSlopeScale = measures.bDates ? SECONDS_PER_DAY : 1.0;
    m_pTable->setColumnCount(static_cast<int>(measures.series.size()));
    CTableWriter copied([this](std::string_view strPiece) {
        m_strText += QString::fromUtf8(strPiece.data(), static_cast<qsizetype>(strPiece.size()));
        return true;
    });
    m_strText.clear();
    copied.Texts(STATISTICS_COLUMNS).EndRow();
    for (std::size_t s = 0; s < measures.series.size(); ++s) {
        const SSeriesMeasure& measure = measures.series[s];
        const SSeriesStatistics& st = measure.stats;
        m_pTable->setHorizontalHeaderItem(static_cast<int>(s),
                                          new QTableWidgetItem(measure.strTitle));
        const QString shown[] = {QString::number(st.nCount),
                                 x(st.dFirstX),
                                 x(st.dLastX),
                                 QString::number(st.dMean, 'g', 12),
                                 QString::number(st.dStd, 'g', 6),
                                 QString::number(st.dRms, 'g', 12),
                                 QString::number(st.dMin, 'g', 12),
                                 x(st.dXOfMin),
                                 QString::number(st.dMax, 'g', 12),
                                 x(st.dXOfMax),
                                 QString::number(st.dPeakToPeak, 'g', 10),
                                 QString::number(st.dFitY0, 'g', 12),
                                 QString::number(st.dSlope * dSlopeScale, 'g', 8) +
                                     (measures.bDates ? tr(" /d") : QString()),
                                 QString::number(st.dResidualStd, 'g', 6)};
        for (int r = 0; r < m_pTable->rowCount(); ++r)
            m_pTable->setItem(r, static_cast<int>(s), new QTableWidgetItem(shown[r]));
        const auto copiedX = [&](double dX) {
            if (measures.bDates)
                copied.Text(IsoTime(dX).toStdString());
            else
                copied.Number(dX);
        };
        copied.Text(measure.strTitle.toStdString()).Count(st.nCount);
        copiedX(st.dFirstX);
        copiedX(st.dLastX);
        copied.Number(st.dMean).Number(st.dStd).Number(st.dRms).Number(st.dMin);
        copiedX(st.dXOfMin);
        copied.Number(st.dMax);
        copiedX(st.dXOfMax);
        copied.Number(st.dPeakToPeak).Number(st.dFitY0).Number(st.dSlope * dSlopeScale);
        copied.Number(st.dResidualStd).EndRow();
    }
    copied.Finish();
    m_pTable->resizeColumnsToContents();
}

QString CStatisticsPanel::TableText() const {
    return m_strText;
}
