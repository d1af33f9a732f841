#include "ui/StatisticsPanel.h"

#include "chartcontrol/ChartView.h"
#include "chartcontrol/DateTicker.h"
#include "chartcontrol/MjdTicker.h"
#include "data/SeriesStatistics.h"
#include "data/TableWriter.h"
#include "data/TimeConstants.h"
#include "run/GraphStatistics.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MARGIN = 8;
constexpr int MAX_TITLE_LINES = 3;
constexpr int STRIPE_PIXELS = 4;
// A value of any scale in about the width of a time of day, so that five columns fit beside
// the chart on a screen 1280 pixels wide; Copy has every digit.
constexpr int VALUE_CHARACTERS = 11;
constexpr int VALUE_DIGITS = 12;

// The longest names over two lines, as narrow as the others.
const char* const QUANTITIES[] = {
    "N",     "first x",           "last x",       "mean",     "std dev",      "RMS",
    "min",   "x of min",          "max",          "x of max", "peak-to-peak", "line at\nfirst x",
    "slope", "residual\nstd dev", "frac.\nfreq.", "drift /d"};
constexpr int SLOPE_ROW = 12;
// Shown when y is a time in a known unit on a date axis.
constexpr int FREQUENCY_ROW = 14;
constexpr int DRIFT_ROW = 15;

// dValue with up to nDigits significant digits, as many as fit VALUE_CHARACTERS.
QString Value(double dValue, int nDigits = VALUE_DIGITS) {
    QString strValue = QString::number(dValue, 'g', nDigits);
    while (strValue.size() > VALUE_CHARACTERS && nDigits > 1)
        strValue = QString::number(dValue, 'g', --nDigits);
    return strValue;
}

// The shortest text that reads back as the same double.
QString IsoTime(double dUnixSeconds) {
    return QDateTime::fromMSecsSinceEpoch(std::llround(dUnixSeconds * 1000.0), Qt::UTC)
        .toString(Qt::ISODateWithMs);
}

// The title in lines broken at blanks, each cut to nWidth pixels; past the last line allowed,
// the rest is cut short with "…" (the tooltip has it whole).
QString WrapTitle(const QString& strTitle, int nWidth, const QFontMetrics& metrics) {
    QStringList lines;
    for (const QString& strWord : strTitle.simplified().split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + strWord) <= nWidth)
            lines.last() += u' ' + strWord;
        else
            lines << strWord;
    }
    if (lines.size() > MAX_TITLE_LINES) {
        const QString strRest = lines.mid(MAX_TITLE_LINES - 1).join(u' ');
        lines = lines.mid(0, MAX_TITLE_LINES - 1) << strRest;
    }
    for (QString& strLine : lines)
        strLine = metrics.elidedText(strLine, Qt::ElideRight, nWidth);
    return lines.join(u'\n');
}

// A header with a stripe along the top of each section in the colour the section holds as
// Qt::UserRole: a column is matched to its line at no cost in width.
class CColourHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int nSection) const override {
        return QHeaderView::sectionSizeFromContents(nSection) + QSize(0, STRIPE_PIXELS);
    }
    void paintSection(QPainter* pPainter, const QRect& rect, int nSection) const override {
        QHeaderView::paintSection(pPainter, rect.adjusted(0, STRIPE_PIXELS, 0, 0), nSection);
        // The style leaves its own clip behind.
        pPainter->setClipRect(rect);
        pPainter->fillRect(
            rect.x(), rect.y(), rect.width(), STRIPE_PIXELS,
            model()->headerData(nSection, orientation(), Qt::UserRole).value<QColor>());
    }
};

} // namespace

CStatisticsPanel::CStatisticsPanel(CChartView& view, QWidget* pWindow, double dSecondsPerUnit)
    : QWidget(pWindow), m_view(view), m_pWindow(pWindow), m_dSecondsPerUnit(dSecondsPerUnit),
      m_pRange(new QLabel(this)), m_pTable(new QTableWidget(this)) {
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pRange);
    pLayout->addWidget(m_pTable);
    auto* pCopy = new QPushButton(tr("&Copy"), this);
    pLayout->addWidget(pCopy, 0, Qt::AlignRight);
    connect(pCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText()); });
    m_pRange->setWordWrap(true);
    m_pTable->setHorizontalHeader(new CColourHeader(Qt::Horizontal, m_pTable));
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
    if (isVisible()) {
        hide();
        m_pWindow->resize(m_pWindow->minimumSize());
        return;
    }
    Fill(m_view.Measures());
    FitWindow(0);
    show();
}

void CStatisticsPanel::FitWindow(int nLeast) {
    const QSize base = m_pWindow->minimumSize();
    const QRect screen = m_pWindow->screen()->availableGeometry();
    const int nFrame = m_pWindow->frameGeometry().width() - m_pWindow->width();
    const int nRoom = screen.width() - nFrame - base.width() - MARGIN;
    const int nWidth = std::max(nLeast, std::min(WidthWanted(), nRoom));
    const QRect chart = m_view.geometry();
    setGeometry(base.width(), chart.top(), nWidth, chart.height());
    m_pWindow->resize(base.width() + nWidth + MARGIN, m_pWindow->height());
    // The wider window stays on its screen.
    const int nOver = m_pWindow->frameGeometry().right() - screen.right();
    if (nOver > 0)
        m_pWindow->move(std::max(screen.left(), m_pWindow->x() - nOver), m_pWindow->y());
}

int CStatisticsPanel::WidthWanted() const {
    return m_pTable->verticalHeader()->sizeHint().width() + m_pTable->horizontalHeader()->length() +
           2 * m_pTable->frameWidth();
}

void CStatisticsPanel::Refresh() {
    Fill(m_view.Measures());
    // A window the user sized is left alone while the panel has room enough.
    if (WidthWanted() > width())
        FitWindow(width());
}

void CStatisticsPanel::Fill(const SMeasures& measures) {
    const auto x = [&](double dX) {
        return measures.bDates ? m_view.DescribeX(dX) : QString::number(dX, 'g', 12);
    };
    // In the table the time of day goes under the date: a column of dates then is as narrow
    // as one of numbers.
    const auto cellX = [&](double dX) {
        QString strX = x(dX);
        const qsizetype nTime = strX.lastIndexOf(u' ');
        if (measures.bDates && nTime > 0)
            strX[nTime] = u'\n';
        return strX;
    };
    const QFontMetrics metrics = m_pTable->horizontalHeader()->fontMetrics();
    m_pRange->setText(
        (measures.bBetweenCursors ? tr("Between the cursors: %1 to %2") : tr("In view: %1 to %2"))
            .arg(x(measures.dFrom), x(measures.dTo)));
    // Slopes per day on a date axis, whose x are seconds.
    const double dSlopeScale = measures.bDates ? SECONDS_PER_DAY : 1.0;
    m_pTable->verticalHeaderItem(SLOPE_ROW)->setText(measures.bDates ? tr("slope /d")
                                                                     : tr("slope"));
    const bool bFrequency = measures.bDates && m_dSecondsPerUnit > 0.0;
    m_pTable->setRowHidden(FREQUENCY_ROW, !bFrequency);
    m_pTable->setRowHidden(DRIFT_ROW, !bFrequency);
    m_pTable->setColumnCount(static_cast<int>(measures.series.size()));
    CTableWriter copied([this](std::string_view strPiece) {
        m_strText += QString::fromUtf8(strPiece.data(), static_cast<qsizetype>(strPiece.size()));
        return true;
    });
    m_strText.clear();
    copied.Texts(STATISTICS_COLUMNS);
    if (bFrequency)
        copied.Texts(FREQUENCY_COLUMNS);
    copied.EndRow();
    for (std::size_t s = 0; s < measures.series.size(); ++s) {
        const SSeriesMeasure& measure = measures.series[s];
        const SSeriesStatistics& st = measure.stats;
        // The fit's coefficients per day, as --stats takes them from Julian Dates.
        SSeriesStatistics perDay = st;
        perDay.dSlope *= SECONDS_PER_DAY;
        perDay.dQuadratic *= SECONDS_PER_DAY * SECONDS_PER_DAY;
        const SFrequency frequency = FrequencyOf(perDay, m_dSecondsPerUnit);
        const QString shown[] = {QString::number(st.nCount),
                                 cellX(st.dFirstX),
                                 cellX(st.dLastX),
                                 Value(st.dMean),
                                 Value(st.dStd, 6),
                                 Value(st.dRms),
                                 Value(st.dMin),
                                 cellX(st.dXOfMin),
                                 Value(st.dMax),
                                 cellX(st.dXOfMax),
                                 Value(st.dPeakToPeak, 10),
                                 Value(st.dFitY0),
                                 Value(st.dSlope * dSlopeScale, 8),
                                 Value(st.dResidualStd, 6),
                                 bFrequency ? Value(frequency.dOffset, 6) : QString(),
                                 bFrequency ? Value(frequency.dDriftPerDay, 6) : QString()};
        // The title takes no more width than the column's values, ten digits at the least.
        int nWidth = metrics.horizontalAdvance(QString(10, u'0'));
        for (int r = 0; r < m_pTable->rowCount(); ++r) {
            m_pTable->setItem(r, static_cast<int>(s), new QTableWidgetItem(shown[r]));
            for (const QString& strLine : shown[r].split(u'\n'))
                nWidth = std::max(nWidth, metrics.horizontalAdvance(strLine));
        }
        auto* pHeader = new QTableWidgetItem(WrapTitle(measure.strTitle, nWidth, metrics));
        pHeader->setData(Qt::UserRole, measure.colour);
        pHeader->setToolTip(measure.strTitle);
        m_pTable->setHorizontalHeaderItem(static_cast<int>(s), pHeader);
        const auto copiedX = [&](double dX) {
            if (measures.bDates && m_view.MjdAxis())
                copied.Number(UnixSecondsToMjd(dX));
            else if (measures.bDates)
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
        copied.Number(st.dResidualStd);
        if (bFrequency)
            copied.Number(frequency.dOffset).Number(frequency.dDriftPerDay);
        copied.EndRow();
    }
    copied.Finish();
    m_pTable->resizeColumnsToContents();
    m_pTable->resizeRowsToContents();
}

QString CStatisticsPanel::TableText() const {
    return m_strText;
}
