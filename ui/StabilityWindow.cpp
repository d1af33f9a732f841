#include "ui/StabilityWindow.h"

#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/ChartView.h"
#include "chartcontrol/OutputFile.h"
#include "data/TableWriter.h"
#include "data/TimeConstants.h"
#include "data/TimeUnit.h"
#include "ui/Messages.h"
#include "ui/SaveName.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <cmath>

namespace {

constexpr int PREFERRED_WIDTH = 640;
constexpr int PREFERRED_HEIGHT = 680;
// Narrower than this, the table and the plot's labels no longer read.
constexpr int SMALLEST_WIDTH = 420;
// A burst of views (a wheel zoom) is measured once, when it has settled.
constexpr int SETTLE_MS = 150;
// Each series' markers and bars sit this far apart at one tau, in decades of tau.
constexpr double SERIES_DODGE_DECADES = 0.015;

// One deviation the window can show: its name, its members in a point and whether it is a
// time (shown in the unit of y) rather than a fraction.
struct SKind {
    const char* pszName;
    const char* pszShort;
    double SStabilityPoint::*pValue;
    double SStabilityPoint::*pLow;
    double SStabilityPoint::*pHigh;
    bool bTime;
};
const SKind KINDS[] = {
    {"Allan deviation (ADEV)", "ADEV", &SStabilityPoint::dAdev, &SStabilityPoint::dAdevLow,
     &SStabilityPoint::dAdevHigh, false},
    {"modified Allan deviation (MDEV)", "MDEV", &SStabilityPoint::dMdev, &SStabilityPoint::dMdevLow,
     &SStabilityPoint::dMdevHigh, false},
    {"time deviation (TDEV)", "TDEV", &SStabilityPoint::dTdev, &SStabilityPoint::dTdevLow,
     &SStabilityPoint::dTdevHigh, true},
    {"Hadamard deviation (HDEV)", "HDEV", &SStabilityPoint::dHdev, &SStabilityPoint::dHdevLow,
     &SStabilityPoint::dHdevHigh, false},
};
constexpr int MDEV = 1;
constexpr int TDEV = 2;

QString NoiseName(int nAlpha) {
    switch (nAlpha) {
    case 2:
        return QObject::tr("white PM");
    case 1:
        return QObject::tr("flicker PM");
    case 0:
        return QObject::tr("white FM");
    case -1:
        return QObject::tr("flicker FM");
    default:
        return QObject::tr("random-walk FM");
    }
}

// How the deviation of a kind grows with tau under the noise of alpha: twice the exponent.
// The Allan and Hadamard deviations cannot tell the two phase noises apart (both fall as
// 1/tau); the modified one can, and the time deviation is tau times it.
int TwiceSlope(int nKind, int nAlpha) {
    const int nModified = -nAlpha - 1;
    if (nKind == MDEV)
        return nModified;
    if (nKind == TDEV)
        return nModified + 2;
    return nAlpha >= 1 ? -2 : nModified;
}

QString SlopeText(int nTwiceSlope) {
    static const char* const EXPONENTS[] = {"−3/2", "−1", "−½", "0", "½", "1", "3/2"};
    return QStringLiteral("τ^%1").arg(QString::fromUtf8(EXPONENTS[nTwiceSlope + 3]));
}

// The markers' tau of series s of n, apart from the others' on the log axis.
double Dodged(double dTau, std::size_t s, std::size_t n) {
    const double dOffset = static_cast<double>(s) - static_cast<double>(n - 1) / 2.0;
    return dTau * std::pow(10.0, SERIES_DODGE_DECADES * dOffset);
}

} // namespace

CStabilityWindow::CStabilityWindow(CChartView& view, QWidget* pMainWindow, Measure measure,
                                   Titles titles, double dSecondsPerUnit,
                                   const SStabilityOptions& options)
    : QWidget(pMainWindow, Qt::Window), m_view(view), m_pMainWindow(pMainWindow),
      m_measure(std::move(measure)), m_titles(std::move(titles)),
      m_dSecondsPerUnit(dSecondsPerUnit), m_options(options), m_pUnit(new QComboBox(this)),
      m_pDeviation(new QComboBox(this)), m_pWhat(new QComboBox(this)), m_pHeading(new QLabel(this)),
      m_pPlot(new QCustomPlot(this)), m_pTable(new QTableWidget(this)) {
    setWindowTitle(tr("Stability"));
    m_pUnit->addItem(tr("unit of y?"), 0.0);
    for (const STimeUnit& unit : TIME_UNITS)
        m_pUnit->addItem(tr("y in %1").arg(QLatin1String(unit.pszName)), unit.dSeconds);
    m_pUnit->setCurrentIndex(std::max(0, m_pUnit->findData(dSecondsPerUnit)));
    for (const SKind& kind : KINDS)
        m_pDeviation->addItem(tr(kind.pszName));
    auto* pCopy = new QPushButton(tr("&Copy"), this);
    auto* pSave = new QPushButton(tr("&Save..."), this);
    auto* pBar = new QHBoxLayout;
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pUnit, m_pDeviation})
        pBar->addWidget(pWidget);
    pBar->addStretch();
    pBar->addWidget(pCopy);
    pBar->addWidget(pSave);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBar);
    pLayout->addWidget(m_pWhat, 0, Qt::AlignLeft);
    m_pWhat->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pLayout->addWidget(m_pHeading);
    pLayout->addWidget(m_pPlot, 3);
    pLayout->addWidget(m_pTable, 2);
    m_pHeading->setWordWrap(true);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pPlot->setFont(ChartFont(CHART_TEXT_PIXELS));
    for (QCPAxis* pAxis : {m_pPlot->xAxis, m_pPlot->yAxis}) {
        pAxis->setScaleType(QCPAxis::stLogarithmic);
        pAxis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
        pAxis->setNumberFormat(QStringLiteral("eb"));
        pAxis->setNumberPrecision(0);
    }
    m_pPlot->xAxis->setLabel(tr("τ (s)"));
    // The legend below the plot, in a row of its own: inside, it hides the curves.
    QCPLegend* pLegend = m_pPlot->legend;
    pLegend->setVisible(true);
    m_pPlot->axisRect()->insetLayout()->take(pLegend);
    m_pPlot->plotLayout()->addElement(1, 0, pLegend);
    m_pPlot->plotLayout()->setRowStretchFactor(1, 0.001);
    pLegend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    pLegend->setWrap(3);
    pLegend->setBorderPen(Qt::NoPen);
    resize(PREFERRED_WIDTH, PREFERRED_HEIGHT);

    connect(m_pUnit, &QComboBox::currentIndexChanged, this, [this] {
        m_dSecondsPerUnit = m_pUnit->currentData().toDouble();
        MeasureNow();
    });
    connect(m_pDeviation, &QComboBox::currentIndexChanged, this, &CStabilityWindow::ShowResults);
    connect(m_pWhat, &QComboBox::activated, this, &CStabilityWindow::MeasureNow);
    connect(pCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText()); });
    connect(pSave, &QPushButton::clicked, this, &CStabilityWindow::Save);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(SETTLE_MS);
    connect(&m_refresh, &QTimer::timeout, this, &CStabilityWindow::MeasureNow);
    connect(&m_view, &CChartView::MeasuresChanged, this, &CStabilityWindow::Refresh);
    connect(m_pPlot, &QCustomPlot::afterLayout, this, &CStabilityWindow::HideCrowdedLabels);
}

void CStabilityWindow::Toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    PlaceBeside();
    MeasureNow();
    show();
    raise();
}

void CStabilityWindow::PlaceBeside() {
    const SBesidePlacement placement =
        ::PlaceBeside(m_pMainWindow->screen()->availableGeometry(), m_pMainWindow->frameGeometry(),
                      QSize(PREFERRED_WIDTH, PREFERRED_HEIGHT),
                      std::max(SMALLEST_WIDTH, minimumSizeHint().width()));
    if (placement.nMainShift)
        m_pMainWindow->move(m_pMainWindow->x() - placement.nMainShift, m_pMainWindow->y());
    resize(placement.window.size());
    move(placement.window.topLeft());
}

void CStabilityWindow::Refresh() {
    if (isVisible())
        m_refresh.start();
}

void CStabilityWindow::OfferHats() {
    // The choice is kept by its text while the series keep their titles.
    const QString strChosen = m_pWhat->currentText();
    const std::vector<std::string> titles = m_titles();
    m_pWhat->clear();
    m_pWhat->addItem(tr("each series"));
    const auto n = static_cast<int>(titles.size());
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            for (int c = b + 1; c < n; ++c) {
                const QString strText =
                    tr("three-cornered hat: %1, %2, %3")
                        .arg(QString::fromStdString(titles[a]), QString::fromStdString(titles[b]),
                             QString::fromStdString(titles[c]));
                m_pWhat->addItem(strText, QVariantList{a, b, c});
            }
        }
    }
    m_pWhat->setCurrentIndex(std::max(0, m_pWhat->findText(strChosen)));
    m_pWhat->setVisible(n >= 3);
}

void CStabilityWindow::MeasureNow() {
    OfferHats();
    m_results.clear();
    const SMeasures span = m_view.Measures();
    if (span.bDates && m_dSecondsPerUnit > 0.0) {
        // The chart's x are Unix seconds rounded to the millisecond: the range takes each point
        // within half a millisecond of its place.
        constexpr double MILLISECOND = 1e-3 / SECONDS_PER_DAY;
        const SXRange range{span.dFrom / SECONDS_PER_DAY + UNIX_EPOCH_JULIAN_DATE,
                            span.dTo / SECONDS_PER_DAY + UNIX_EPOCH_JULIAN_DATE, MILLISECOND,
                            MILLISECOND};
        std::vector<int> hat;
        for (const QVariant& series : m_pWhat->currentData().toList())
            hat.push_back(series.toInt());
        m_results = m_measure(range, m_dSecondsPerUnit, m_options, hat);
    }
    QString strHeading;
    if (!span.bDates)
        strHeading = tr("Stability needs x as dates: this chart's x are plain numbers.");
    else if (m_dSecondsPerUnit <= 0.0)
        strHeading = tr("Choose the unit of y (a phase, as a time): a stability in the wrong "
                        "unit is a wrong number.");
    else
        strHeading = (span.bBetweenCursors ? tr("Between the cursors") : tr("In view")) +
                     tr(", bounds at %1 % confidence").arg(100.0 * m_options.dConfidence);
    for (const SSeriesStability& series : m_results) {
        if (!series.strNote.empty())
            strHeading += QLatin1Char('\n') + QString::fromStdString(series.strNote);
    }
    m_pHeading->setText(strHeading);
    ShowResults();
}

void CStabilityWindow::ShowResults() {
    const int nKind = m_pDeviation->currentIndex();
    const SKind& kind = KINDS[nKind];
    // A time in the unit of y, a fraction as it is.
    const double dScale = kind.bTime ? 1.0 / m_dSecondsPerUnit : 1.0;
    m_pPlot->clearPlottables();
    m_pPlot->clearItems();
    m_pTable->clear();
    const QString strUnit = m_pUnit->currentIndex() > 0
                                ? QLatin1String(TIME_UNITS[m_pUnit->currentIndex() - 1].pszName)
                                : QStringLiteral("s");
    const QStringList headers = {tr("series"),
                                 tr("τ (s)"),
                                 tr("terms"),
                                 tr("noise"),
                                 tr("ADEV"),
                                 tr("MDEV"),
                                 tr("TDEV (%1)").arg(strUnit),
                                 tr("HDEV"),
                                 tr("%1 low").arg(QLatin1String(kind.pszShort)),
                                 tr("%1 high").arg(QLatin1String(kind.pszShort))};
    m_pTable->setColumnCount(static_cast<int>(headers.size()));
    m_pTable->setHorizontalHeaderLabels(headers);
    std::size_t nMeasured = 0;
    int nRows = 0;
    for (const SSeriesStability& series : m_results) {
        nRows += static_cast<int>(series.result.points.size());
        nMeasured += series.result.bComputed;
    }
    m_pTable->setRowCount(nRows);
    int nRow = 0;
    std::size_t nShown = 0;
    for (std::size_t s = 0; s < m_results.size(); ++s) {
        const SSeriesStability& series = m_results[s];
        if (!series.result.bComputed)
            continue;
        const QString strTitle = QString::fromStdString(series.strTitle);
        auto* pGraph = m_pPlot->addGraph();
        pGraph->setName(strTitle);
        pGraph->setPen(QPen(PaletteColour(s), CHART_LINE_WIDTH));
        pGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 5));
        auto* pBars = new QCPErrorBars(m_pPlot->xAxis, m_pPlot->yAxis);
        pBars->removeFromLegend();
        pBars->setDataPlottable(pGraph);
        pBars->setPen(QPen(PaletteColour(s)));
        QVector<double> taus, values, below, above;
        for (const SStabilityPoint& point : series.result.points) {
            const double dValue = point.*kind.pValue * dScale;
            if (std::isfinite(dValue) && dValue > 0.0) {
                taus << Dodged(point.dTau, nShown, nMeasured);
                values << dValue;
                below << dValue - point.*kind.pLow * dScale;
                above << point.*kind.pHigh * dScale - dValue;
            }
            const QString cells[] = {strTitle,
                                     QString::number(point.dTau, 'g', 6),
                                     QString::number(point.nAdevTerms),
                                     series.bHat ? QStringLiteral("–") : NoiseName(point.nAlpha),
                                     QString::number(point.dAdev, 'g', 4),
                                     QString::number(point.dMdev, 'g', 4),
                                     QString::number(point.dTdev / m_dSecondsPerUnit, 'g', 4),
                                     QString::number(point.dHdev, 'g', 4),
                                     QString::number(point.*kind.pLow * dScale, 'g', 4),
                                     QString::number(point.*kind.pHigh * dScale, 'g', 4)};
            for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
                m_pTable->setItem(nRow, c, new QTableWidgetItem(cells[c]));
            ++nRow;
        }
        pGraph->setData(taus, values, true);
        pBars->setData(below, above);
        ++nShown;
    }
    m_pPlot->yAxis->setLabel(kind.bTime ? tr("%1, %2").arg(tr(kind.pszName), strUnit)
                                        : tr(kind.pszName));
    m_pPlot->rescaleAxes();
    // A margin on the logarithmic axes: a factor, not a sum.
    for (QCPAxis* pAxis : {m_pPlot->xAxis, m_pPlot->yAxis})
        pAxis->setRange(pAxis->range().lower / 1.5, pAxis->range().upper * 1.5);
    m_pTable->resizeColumnsToContents();
    // Without a number to show, not even an axis's: the unit may still be unknown.
    m_pPlot->setVisible(nRows > 0);
    m_pTable->setVisible(nRows > 0);
    LabelSlopes(nKind);
    MarkBelowZero(nKind);
    m_pPlot->replot();
}

void CStabilityWindow::LabelSlopes(int nKind) {
    // Each run of taus under one noise gets its slope and the noise's name above the run's
    // middle; which labels fit is for the layout to tell (HideCrowdedLabels).
    const SKind& kind = KINDS[nKind];
    const double dScale = kind.bTime ? 1.0 / m_dSecondsPerUnit : 1.0;
    std::size_t nGraph = 0;
    for (const SSeriesStability& series : m_results) {
        // A hat's clocks have no noise of their own identified.
        if (!series.result.bComputed || series.bHat)
            continue;
        const std::vector<SStabilityPoint>& points = series.result.points;
        for (std::size_t nStart = 0; nStart < points.size();) {
            std::size_t nEnd = nStart + 1;
            while (nEnd < points.size() && points[nEnd].nAlpha == points[nStart].nAlpha)
                ++nEnd;
            const SStabilityPoint& middle = points[(nStart + nEnd) / 2];
            const double dValue = middle.*kind.pValue * dScale;
            if (nEnd - nStart >= 2 && std::isfinite(dValue) && dValue > 0.0) {
                auto* pLabel = new QCPItemText(m_pPlot);
                pLabel->position->setCoords(middle.dTau, dValue);
                pLabel->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                pLabel->setPadding(QMargins(2, 1, 2, 1));
                pLabel->setText(SlopeText(TwiceSlope(nKind, middle.nAlpha)) + QStringLiteral(", ") +
                                NoiseName(middle.nAlpha));
                pLabel->setColor(PaletteColour(nGraph));
                // Over the curves, but the curves still show through.
                pLabel->setBrush(QColor(255, 255, 255, 210));
                pLabel->setFont(m_pPlot->font());
            }
            nStart = nEnd;
        }
        ++nGraph;
    }
}

void CStabilityWindow::MarkBelowZero(int nKind) {
    const SKind& kind = KINDS[nKind];
    const double dFoot = m_pPlot->yAxis->range().lower * 1.3;
    std::size_t nGraph = 0;
    for (const SSeriesStability& series : m_results) {
        if (!series.result.bComputed)
            continue;
        QVector<double> taus;
        for (const SStabilityPoint& point : series.result.points) {
            if (series.bHat && std::isnan(point.*kind.pValue))
                taus << point.dTau;
        }
        if (!taus.isEmpty()) {
            auto* pMarks = m_pPlot->addGraph();
            pMarks->removeFromLegend();
            pMarks->setLineStyle(QCPGraph::lsNone);
            pMarks->setScatterStyle(
                QCPScatterStyle(QCPScatterStyle::ssCross, PaletteColour(nGraph), 9));
            pMarks->setData(taus, QVector<double>(taus.size(), dFoot), true);
        }
        ++nGraph;
    }
}

void CStabilityWindow::HideCrowdedLabels() {
    // In the order they were made: a label that would cover an earlier one, or stick out of
    // the plot, stays hidden.
    QList<QRectF> taken;
    const QRectF plot = m_pPlot->axisRect()->rect();
    for (int i = 0; i < m_pPlot->itemCount(); ++i) {
        auto* pLabel = qobject_cast<QCPItemText*>(m_pPlot->item(i));
        if (!pLabel)
            continue;
        const QRectF rect(pLabel->topLeft->pixelPosition(), pLabel->bottomRight->pixelPosition());
        const bool bFree = plot.contains(rect) &&
                           std::none_of(taken.begin(), taken.end(), [&](const QRectF& other) {
                               return other.intersects(rect);
                           });
        pLabel->setVisible(bFree);
        if (bFree)
            taken << rect;
    }
}

QString CStabilityWindow::TableText() const {
    return QString::fromStdString(
        WholeTable([this](CTableWriter& out) { WriteStabilityTable(m_results, out); }));
}

void CStabilityWindow::Save() {
    const QStringList kinds = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf"),
                               QStringLiteral("csv")};
    const QStringList filters = ExportFilters(kinds);
    QString strFilter = filters.first();
    QString strPath =
        QFileDialog::getSaveFileName(this, tr("Save Stability As"), QStringLiteral("stability.png"),
                                     filters.join(QStringLiteral(";;")), &strFilter);
    if (strPath.isEmpty())
        return;
    strPath = WithFilterExtension(strPath, strFilter);
    const QString strKind = QFileInfo(strPath).suffix().toLower();
    SStatus status;
    if (strKind == QLatin1String("csv")) {
        const std::string strCsv =
            WholeTable([this](CTableWriter& out) { WriteStabilityTable(m_results, out); },
                       CTableWriter::EFormat::Csv);
        status =
            WriteOutput(strPath, QByteArray(strCsv.data(), static_cast<qsizetype>(strCsv.size())));
    } else {
        const SPictureSource source{
            [this](const QSize& size, qreal dRatio) {
                return m_pPlot->toPixmap(size.width(), size.height(), dRatio).toImage();
            },
            [this](QCPPainter& painter, const QSize& size) {
                m_pPlot->toPainter(&painter, size.width(), size.height());
            }};
        status = kinds.contains(strKind)
                     ? ExportPicture(source, strPath, strKind, m_pPlot->size(), devicePixelRatioF())
                     : FileNotWritten(strPath, "the stability is saved as PNG, SVG, PDF or CSV");
    }
    if (!status.Ok())
        ShowFailure(this, status);
}
