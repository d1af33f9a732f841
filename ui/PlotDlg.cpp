#include "ui/PlotDlg.h"

#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "platform/automation/OleExceptions.h"
#include "run/PlotRun.h"
#include "run/Reporter.h"
#include "ui/AboutDlg.h"
#include "ui/ChartSaving.h"
#include "ui/DialogUnits.h"
#include "ui/DifferenceDialog.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/NotesLabel.h"
#include "ui/PlotDialogInit.h"
#include "ui/Resource.h"
#include "ui/SaveName.h"
#include "ui/StabilityWindow.h"
#include "ui/StatisticsPanel.h"
#include "ui/SystemMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

#include <new>

CPlotDlg::CPlotDlg(CPlotRun& run, QWidget* pParent)
    : CPlotDlg(run, pParent, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE) {}

CPlotDlg::CPlotDlg(CPlotRun& run, QWidget* pParent, const std::uint8_t* pInit,
                   std::size_t nInitSize)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_hIcon(PlotIcon()), m_run(run), m_pInit(pInit), m_nInitSize(nInitSize) {}

// The chart control's window goes with the dialog's; the control's own parts go here.
CPlotDlg::~CPlotDlg() {
    m_chart.DetachControlSite();
}

bool CPlotDlg::CreateControls() {
    setWindowTitle(QStringLiteral("Differences Graph"));
    const QSize size = DialogUnitsToPixels(0, 0, 437, 290).size();
    resize(size);
    // No layout: maximising the window leaves every control where it is.
    setMinimumSize(size);
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setGeometry(DialogUnitsToPixels(380, 7, 50, 16));
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    pCancel->setGeometry(DialogUnitsToPixels(380, 25, 50, 16));
    pCancel->hide();
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Under the OK button, in the free column beside the chart: no control moves for it.
    m_pNotes = new CNotesLabel(this);
    m_pNotes->setGeometry(DialogUnitsToPixels(380, 45, 50, 24));

    if (SStatus status =
            CChartControl::Create(this, m_pInit, m_nInitSize, IDC_CHART, m_pChartControl);
        !status.Ok()) {
        status.strMessage = "cannot create the chart: " + status.strMessage;
        m_run.EndWith(status);
        return false;
    }
    CChartView* pView = m_pChartControl->View();
    pView->setGeometry(DialogUnitsToPixels(7, 7, 370, 276));
    connect(pView, &CChartView::SaveRequested, this, &CPlotDlg::SaveChart);
    connect(pView, &CChartView::CopyRequested, this, [pView] { CopyChartImage(*pView); });
    // The statistics and the stability are made when first asked for: most windows are opened
    // to look at the chart, and making them would hold up its first drawing.
    connect(pView, &CChartView::StatisticsRequested, this, [this, pView] {
        if (!m_pStatistics)
            m_pStatistics = new CStatisticsPanel(*pView, this, m_run.Request().dSecondsPerUnit);
        m_pStatistics->Toggle();
    });
    connect(pView, &CChartView::StabilityRequested, this, [this, pView] {
        if (!m_pStability)
            m_pStability = MakeStabilityWindow(*pView);
        m_pStability->Toggle();
    });
    m_pChartControl->SetEventSink([this](DISPID dispid) {
        if (dispid == ChartIds::EVENT_DRAWN)
            OnChartEvent();
    });
    connect(&m_run, &CPlotRun::NotesChanged, this, &CPlotDlg::ShowNotes);
    return true;
}

CStabilityWindow* CPlotDlg::MakeStabilityWindow(CChartView& view) {
    return new CStabilityWindow(
        view, this,
        [this](const SXRange& julian, double dSecondsPerUnit, const SStabilityOptions& options,
               const std::vector<int>& hat) {
            const SDateRule& dates = m_run.Request().dates;
            const SXRange range{dates.FromJulian(julian.dFrom), dates.FromJulian(julian.dTo),
                                julian.dFromStep, julian.dToStep};
            const std::vector<CGraphSeries> series = m_run.Series();
            if (hat.size() == 3 && std::all_of(hat.begin(), hat.end(), [&](int n) {
                    return n < static_cast<int>(series.size());
                }))
                return MeasureHat(series[static_cast<std::size_t>(hat[0])],
                                  series[static_cast<std::size_t>(hat[1])],
                                  series[static_cast<std::size_t>(hat[2])], range, dSecondsPerUnit,
                                  options, dates);
            return MeasureGraphStability(series, range, dSecondsPerUnit, options, dates);
        },
        [this] {
            std::vector<std::string> titles;
            for (const CGraphSeries& series : m_run.Series())
                titles.push_back(series.Title());
            return titles;
        },
        m_run.Request().dSecondsPerUnit, m_run.Request().stability);
}

void CPlotDlg::DoDataExchange() {
    m_chart.AttachControlSite(m_pChartControl->GetDispatch());
}

int CPlotDlg::DoModal() {
    if (!CreateControls()) {
        Report(m_run.Outcome().strMessage);
        return -1;
    }
    // Where the framework reports a failure inside a message handler: the dialog stays open,
    // with the chart as far as it got.
    if (const SStatus status = StatusOfCall([this] { OnInitDialog(); }); !status.Ok())
        ShowFailure(this, status);
    if (!m_run.Outcome().Ok())
        return -1;
    m_pOk->setFocus();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

BOOL CPlotDlg::OnInitDialog() {
    DoDataExchange();
    BuildSystemMenu();
    setWindowIcon(m_hIcon);
    m_run.Watch();
    if (const SStatus status = m_run.Read(); status.cause == ECause::Usage) {
        ShowFailure(nullptr, status);
        m_run.EndWith(status);
        return FALSE;
    }
    if (const SStatus status = m_run.Show(m_chart, *m_pChartControl); !status.Ok())
        ShowFailure(this, status);
    return TRUE;
}

void CPlotDlg::ShowNotes() {
    QStringList lines;
    for (const SDataNote& note : m_run.Notes()) {
        const QString strText = QString::fromStdString(note.strText);
        lines << (note.nLine ? tr("line %1: %2").arg(note.nLine).arg(strText) : strText);
    }
    m_pNotes->SetNotes(QString::fromStdString(m_run.InputName()), lines);
}

void CPlotDlg::SaveChart() {
    // Save as proposes the data file's name, or a name in the current folder for standard input.
    const SDataSource& source = m_run.Request().source;
    const QString strName = ProposedSaveName(source.kind == SDataSource::EKind::File
                                                 ? QString::fromStdString(source.strPath)
                                                 : QString());
    const QString strPath = AskWhereToSave(*m_pChartControl->View(), strName);
    if (strPath.isEmpty())
        return;
    if (const SStatus status = m_run.Write(*m_pChartControl, strPath, {}); !status.Ok())
        ShowFailure(this, status);
}

void CPlotDlg::BuildSystemMenu() {
    QAction* pAbout = nullptr;
    m_pSystemMenu = NewSystemMenu(
        *this, [this](unsigned nCommand) { OnSysCommand(nCommand, 0); }, pAbout);
    // A window manager that keeps Alt+Space for its own menu leaves the chart's menu as the
    // place where a user looks for About.
    // A - B of two series, shown after them from then on.
    auto* pDifference = new QAction(tr("Differe&nce A − B..."), this);
    pDifference->setShortcut(Qt::Key_Minus);
    pDifference->setShortcutContext(Qt::WindowShortcut);
    addAction(pDifference);
    connect(pDifference, &QAction::triggered, this, &CPlotDlg::AskForDifference);
    QList<QAction*> actions{pDifference};
    if (pAbout)
        actions << pAbout;
    m_pChartControl->View()->AddMenuActions(actions);
}

void CPlotDlg::AskForDifference() {
    QStringList titles;
    for (const CGraphSeries& series : m_run.Series())
        titles << QString::fromStdString(series.Title());
    int nA = 0;
    int nB = 0;
    if (::AskForDifference(this, titles, nA, nB))
        m_run.AddDifference(nA, nB);
}

void CPlotDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
    m_pSystemMenu->popup(pEvent->globalPos());
}

void CPlotDlg::OnSysCommand(unsigned nID, long) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout(this);
        dlgAbout.DoModal();
        return;
    }
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_MAXIMIZE:
        showMaximized();
        break;
    case SC_RESTORE:
        showNormal();
        break;
    case SC_CLOSE:
        reject();
        break;
    default:
        break;
    }
}

void CPlotDlg::OnChartEvent() {}
