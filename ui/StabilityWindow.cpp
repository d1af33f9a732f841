#include "ui/StabilityWindow.h"

#include "chartcontrol/ChartStyle.h"
#include "chartcontrol/ChartView.h"
#include "data/TimeUnit.h"
#include "data/TsvWriter.h"
#include "run/GraphStability.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace {

constexpr int GAP_BESIDE = 8;
// A burst of views (a wheel zoom) is measured once, when it has settled.
constexpr int SETTLE_MS = 150;
const char* const DEVIATIONS[] = {"Allan deviation (ADEV)", "modified Allan deviation (MDEV)",
                                  "time deviation (TDEV, s)"};

// The deviation of a kind at one tau, and its ±1σ bounds.
void Deviation(const SStabilityPoint& point, int nKind, double& dValue, double& dLow,
               double& dHigh) {
    const double values[][3] = {{point.dAdev, point.dAdevLow, point.dAdevHigh},
                                {point.dMdev, point.dMdevLow, point.dMdevHigh},
                                {point.dTdev, point.dTdevLow, point.dTdevHigh}};
    dValue = values[nKind][0];
    dLow = values[nKind][1];
    dHigh = values[nKind][2];
}

} // namespace

CStabilityWindow::CStabilityWindow(CChartView& view, QWidget* pMainWindow, double dSecondsPerUnit,
                                   ETauSpacing spacing)
    : QWidget(pMainWindow, Qt::Window), m_view(view), m_pMainWindow(pMainWindow),
      m_dSecondsPerUnit(dSecondsPerUnit), m_spacing(spacing), m_pUnit(new QComboBox(this)),
      m_pDeviation(new QComboBox(this)), m_pHeading(new QLabel(this)),
      m_pPlot(new QCustomPlot(this)), m_pTable(new QTableWidget(this)) {
    setWindowTitle(tr("Stability"));
    m_pUnit->addItem(tr("unit of y?"), 0.0);
    for (const STimeUnit& unit : TIME_UNITS)
        m_pUnit->addItem(tr("y in %1").arg(QLatin1String(unit.pszName)), unit.dSeconds);
    m_pUnit->setCurrentIndex(std::max(0, m_pUnit->findData(dSecondsPerUnit)));
    for (const char* pszDeviation : DEVIATIONS)
        m_pDeviation->addItem(tr(pszDeviation));
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
    m_pPlot->legend->setVisible(true);
    resize(600, 640);

    connect(m_pUnit, &QComboBox::currentIndexChanged, this, [this] {
        m_dSecondsPerUnit = m_pUnit->currentData().toDouble();
        Measure();
    });
    connect(m_pDeviation, &QComboBox::currentIndexChanged, this, &CStabilityWindow::ShowResults);
    connect(pCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText()); });
    connect(pSave, &QPushButton::clicked, this, &CStabilityWindow::Save);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(SETTLE_MS);
    connect(&m_refresh, &QTimer::timeout, this, &CStabilityWindow::Measure);
    connect(&m_view, &CChartView::MeasuresChanged, this, &CStabilityWindow::Refresh);
}

void CStabilityWindow::Toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    // Beside the main window, right or left, where there is room; where there is none, the
    // main window moves to the screen's left edge to make it, if the screen is wide enough.
    const QRect screen = m_pMainWindow->screen()->availableGeometry();
    QRect main = m_pMainWindow->frameGeometry();
    const bool bRoomRight = main.right() + GAP_BESIDE + width() <= screen.right();
    const bool bRoomLeft = main.left() - GAP_BESIDE - width() >= screen.left();
    if (!bRoomRight && !bRoomLeft && main.width() + GAP_BESIDE + width() <= screen.width()) {
        m_pMainWindow->move(screen.left() + m_pMainWindow->x() - main.left(), m_pMainWindow->y());
        main = m_pMainWindow->frameGeometry();
    }
    const int nX = bRoomLeft && !bRoomRight
                       ? main.left() - GAP_BESIDE - width()
                       : std::min(main.right() + GAP_BESIDE, screen.right() - width());
    move(nX, std::max(screen.top(), main.top()));
    Measure();
    show();
    raise();
}

void CStabilityWindow::Refresh() {
    if (isVisible())
        m_refresh.start();
}

void CStabilityWindow::Measure() {
    m_results.clear();
    const SMeasures span = m_view.Measures();
    for (int g = 0; g < m_view.graphCount() && span.bDates && m_dSecondsPerUnit > 0.0; ++g) {
        const auto pData = m_view.graph(g)->data();
        std::vector<double> seconds, phase;
        double dFirstKey = 0.0;
        for (auto it = pData->findBegin(span.dFrom, false); it != pData->findEnd(span.dTo, false);
             ++it) {
            // Points without a value (a break, a y that is no number) are missing samples.
            if (std::isnan(it->value))
                continue;
            // Seconds from the first point: the steps keep their digits.
            if (seconds.empty())
                dFirstKey = it->key;
            seconds.push_back(it->key - dFirstKey);
            phase.push_back(it->value * m_dSecondsPerUnit);
        }
        m_results.push_back(
            {m_view.graph(g)->name(), ComputeStability(seconds.data(), phase.data(), seconds.size(),
                                                       {.spacing = m_spacing})});
    }
    QString strHeading;
    if (!span.bDates)
        strHeading = tr("Stability needs x as dates: this chart's x are plain numbers.");
    else if (m_dSecondsPerUnit <= 0.0)
        strHeading = tr("Choose the unit of y (a phase, as a time): a stability in the wrong "
                        "unit is a wrong number.");
    else
        strHeading = (span.bBetweenCursors ? tr("Between the cursors") : tr("In view"));
    for (const SSeriesStability& series : m_results) {
        if (!series.result.bComputed)
            strHeading +=
                QStringLiteral("\n%1: %2")
                    .arg(series.strTitle, QString::fromStdString(series.result.strWhyNot));
    }
    m_pHeading->setText(strHeading);
    ShowResults();
}

void CStabilityWindow::ShowResults() {
    const int nKind = m_pDeviation->currentIndex();
    m_pPlot->clearPlottables();
    m_pTable->clear();
    m_pTable->setColumnCount(6);
    m_pTable->setHorizontalHeaderLabels(
        {tr("series"), tr("τ (s)"), tr("terms"), tr("ADEV"), tr("MDEV"), tr("TDEV (s)")});
    int nRows = 0;
    for (const SSeriesStability& series : m_results)
        nRows += static_cast<int>(series.result.points.size());
    m_pTable->setRowCount(nRows);
    int nRow = 0;
    for (std::size_t s = 0; s < m_results.size(); ++s) {
        const SSeriesStability& series = m_results[s];
        if (!series.result.bComputed)
            continue;
        auto* pGraph = m_pPlot->addGraph();
        pGraph->setName(series.strTitle);
        pGraph->setPen(QPen(PaletteColour(s), CHART_LINE_WIDTH));
        pGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 5));
        auto* pBars = new QCPErrorBars(m_pPlot->xAxis, m_pPlot->yAxis);
        pBars->removeFromLegend();
        pBars->setDataPlottable(pGraph);
        pBars->setPen(QPen(PaletteColour(s)));
        QVector<double> taus, values, minus, plus;
        for (const SStabilityPoint& point : series.result.points) {
            double dValue = 0.0, dLow = 0.0, dHigh = 0.0;
            Deviation(point, nKind, dValue, dLow, dHigh);
            if (std::isfinite(dValue) && dValue > 0.0) {
                taus << point.dTau;
                values << dValue;
                minus << dValue - dLow;
                plus << dHigh - dValue;
            }
            const QString cells[] = {series.strTitle,
                                     QString::number(point.dTau, 'g', 6),
                                     QString::number(point.nAdevTerms),
                                     QString::number(point.dAdev, 'g', 4),
                                     QString::number(point.dMdev, 'g', 4),
                                     QString::number(point.dTdev, 'g', 4)};
            for (int c = 0; c < 6; ++c)
                m_pTable->setItem(nRow, c, new QTableWidgetItem(cells[c]));
            ++nRow;
        }
        pGraph->setData(taus, values, true);
        pBars->setData(minus, plus);
    }
    m_pPlot->yAxis->setLabel(tr(DEVIATIONS[nKind]));
    m_pPlot->rescaleAxes();
    // A margin on the logarithmic axes: a factor, not a sum.
    for (QCPAxis* pAxis : {m_pPlot->xAxis, m_pPlot->yAxis})
        pAxis->setRange(pAxis->range().lower / 1.5, pAxis->range().upper * 1.5);
    m_pTable->resizeColumnsToContents();
    // Without a number to show, not even an axis's: the unit may still be unknown.
    m_pPlot->setVisible(nRows > 0);
    m_pTable->setVisible(nRows > 0);
    m_pPlot->replot();
}

QString CStabilityWindow::TableText() const {
    return QString::fromStdString(TsvText([this](CTsvWriter& out) {
        out.Texts(STABILITY_COLUMNS).EndRow();
        for (const SSeriesStability& series : m_results) {
            for (const SStabilityPoint& point : series.result.points) {
                out.Text(series.strTitle.toStdString()).Number(point.dTau).Count(point.nAdevTerms);
                out.Number(point.dAdev).Number(point.dMdev).Number(point.dTdev).EndRow();
            }
        }
    }));
}

void CStabilityWindow::Save() {
    QString strFilter = tr("PNG image (*.png)");
    const QString strPath = QFileDialog::getSaveFileName(
        this, tr("Save Stability As"), QStringLiteral("stability.png"),
        tr("PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;CSV table (*.csv)"),
        &strFilter);
    if (strPath.isEmpty())
        return;
    const QString strKind = QFileInfo(strPath).suffix().toLower();
    bool bWritten = false;
    if (strKind == QLatin1String("csv")) {
        // Tab-separated values become comma-separated ones, a field with a comma or a quote in
        // quotes.
        QString strCsv;
        for (const QString& strLine : TableText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QStringList fields = strLine.split(QLatin1Char('\t'));
            for (QString& strField : fields) {
                if (strField.contains(QLatin1Char(',')) || strField.contains(QLatin1Char('"')))
                    strField = QLatin1Char('"') +
                               strField.replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                               QLatin1Char('"');
            }
            strCsv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
        QSaveFile file(strPath);
        bWritten =
            file.open(QIODevice::WriteOnly) && file.write(strCsv.toUtf8()) >= 0 && file.commit();
    } else if (strKind == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setFileName(strPath);
        generator.setSize(m_pPlot->size());
        generator.setViewBox(m_pPlot->rect());
        QCPPainter painter;
        bWritten = painter.begin(&generator);
        if (bWritten) {
            m_pPlot->toPainter(&painter, m_pPlot->width(), m_pPlot->height());
            bWritten = painter.end();
        }
    } else if (strKind == QLatin1String("pdf")) {
        bWritten = m_pPlot->savePdf(strPath);
    } else {
        bWritten = m_pPlot->savePng(strPath);
    }
    if (!bWritten)
        ShowFailure(this, SStatus::Failed(ECause::NotWritten,
                                          "cannot write '" + strPath.toStdString() + "'"));
}
