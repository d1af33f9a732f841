#include "ui/PlotDlg.h"

#include "chart/ChartPopulation.h"
#include "chart/DataNotes.h"
#include "chart/GraphCsv.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartExport.h"
#include "chartcontrol/ChartView.h"
#include "data/PlotData.h"
#include "ui/AboutDlg.h"
#include "ui/ChartSaving.h"
#include "ui/DialogUnits.h"
#include "ui/FileWatch.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/NotesLabel.h"
#include "ui/PlotDialogInit.h"
#include "ui/Reporter.h"
#include "ui/Resource.h"
#include "ui/SaveName.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <new>
#include <utility>

CPlotDlg::CPlotDlg(SPlotRequest request, QWidget* pParent)
    : CPlotDlg(std::move(request), pParent, PLOT_DIALOG_INIT, PLOT_DIALOG_INIT_SIZE) {}

CPlotDlg::CPlotDlg(SPlotRequest request, QWidget* pParent, const std::uint8_t* pInit,
                   std::size_t nInitSize)
    : QDialog(pParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_hIcon(PlotIcon()), m_request(std::move(request)), m_pInit(pInit), m_nInitSize(nInitSize) {}

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

    // Without a window nobody presses a button: an export makes only the chart.
    if (!m_bHeadless) {
        m_pOk = new QPushButton(QStringLiteral("OK"), this);
        m_pOk->setGeometry(DialogUnitsToPixels(380, 7, 50, 16));
        m_pOk->setDefault(true);
        connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
        m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
        m_pCancel->setGeometry(DialogUnitsToPixels(380, 25, 50, 16));
        m_pCancel->hide();
        connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
        // Under the OK button, in the free column beside the chart: no control moves for it.
        m_pNotes = new CNotesLabel(this);
        m_pNotes->setGeometry(DialogUnitsToPixels(380, 45, 50, 24));
    }

    if (const SStatus status =
            CChartControl::Create(this, m_pInit, m_nInitSize, IDC_CHART, m_pChartControl);
        !status.Ok()) {
        Report("cannot create the chart: " + status.strMessage);
        return false;
    }
    CChartView* pView = m_pChartControl->View();
    pView->setGeometry(DialogUnitsToPixels(7, 7, 370, 276));
    pView->SetStartWithAllData(m_request.bAll);
    // Save as proposes the data file's name, or a name in the current folder for standard input.
    const QString strSaveName =
        ProposedSaveName(m_request.source.kind == SDataSource::EKind::File
                             ? QString::fromStdString(m_request.source.strPath)
                             : QString());
    connect(pView, &CChartView::SaveRequested, this, [this, strSaveName] {
        SaveChartAs(*m_pChartControl->View(), m_pChartControl->Model(), strSaveName,
                    [this] { return GraphToCsv(*m_pData, m_request.nGraph); });
    });
    connect(pView, &CChartView::CopyRequested, this,
            [this] { CopyChartImage(*m_pChartControl->View()); });
    m_pChartControl->SetEventSink([this](DISPID dispid) {
        if (dispid == ChartIds::EVENT_DRAWN)
            OnChartEvent();
    });
    return true;
}

void CPlotDlg::DoDataExchange() {
    m_chart.AttachControlSite(m_pChartControl->GetDispatch());
}

template <class Step> bool CPlotDlg::ReportingChartFailures(Step step) {
    // Where the framework reports a failure inside a message handler: the dialog stays open,
    // with the chart as far as it got.
    try {
        step();
        return true;
    } catch (const CException& e) {
        ReportException(this, e, m_bHeadless);
    } catch (const std::bad_alloc&) {
        ReportException(this, CMemoryException(), m_bHeadless);
    }
    return false;
}

bool CPlotDlg::RunInitDialog() {
    return ReportingChartFailures([this] { OnInitDialog(); });
}

int CPlotDlg::DoModal() {
    if (!CreateControls()) {
        m_exitStatus = EExitStatus::NoChart;
        return -1;
    }
    RunInitDialog();
    if (m_exitStatus == EExitStatus::Usage)
        return -1;
    m_pOk->setFocus();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

EExitStatus CPlotDlg::ExportTo() {
    m_bHeadless = true;
    if (!CreateControls())
        return EExitStatus::NoChart;
    const bool bFilled = RunInitDialog();
    if (m_exitStatus != EExitStatus::Success)
        return m_exitStatus;
    // A picture of nothing, written for an input that could not be had, would pass for data.
    if (m_bInputFailed)
        return EExitStatus::NoInput;
    if (!bFilled)
        return EExitStatus::NotWritten;
    SExportOptions options;
    if (m_request.nExportWidth > 0)
        options.size = QSize(m_request.nExportWidth, m_request.nExportHeight);
    options.nPngScale = m_request.nExportScale;
    options.strKind = QString::fromStdString(m_request.strExportFormat);
    options.table = [this] { return GraphToCsv(*m_pData, m_request.nGraph); };
    const SStatus status = ExportChart(*m_pChartControl->View(), m_pChartControl->Model(),
                                       QString::fromStdString(m_request.strExportPath), options);
    if (!status.Ok())
        Report(status.strMessage);
    return status.kind;
}

BOOL CPlotDlg::OnInitDialog() {
    DoDataExchange();
    if (!m_bHeadless) {
        BuildSystemMenu();
        setWindowIcon(m_hIcon);
    }

    // Watching starts before the read, so that no change after the read can go unseen.
    if (m_request.bWatch && m_request.source.kind == SDataSource::EKind::File) {
        auto* pWatch = new CFileWatch(QString::fromStdString(m_request.source.strPath), this);
        connect(pWatch, &CFileWatch::Settled, this, &CPlotDlg::Reload);
    }
    // About 800 KB: kept off the stack.
    m_pData = std::make_unique<CPlotData>();
    CPlotData* pData = m_pData.get();
    switch (m_request.source.kind) {
    case SDataSource::EKind::Pipe:
        pData->ReadFromStdin();
        break;
    case SDataSource::EKind::Usage:
        ShowUsageMessage(m_bHeadless);
        m_exitStatus = EExitStatus::Usage;
        return FALSE;
    case SDataSource::EKind::File:
        pData->ReadFromFile(m_request.source.strPath);
        break;
    }
    m_bInputFailed = pData->GetReadReport().bOpenFailed || pData->GetReadReport().bReadFailed;
    ShowData(*pData, {});
    return TRUE;
}

void CPlotDlg::ShowData(const CPlotData& data, const std::vector<SDataNote>& extraNotes) {
    SPopulationReport population;
    try {
        PopulateChart(data, population);
    } catch (...) {
        // What was read is worth its notes even when the chart gave up half way.
        ShowNotes(data, population, extraNotes);
        throw;
    }
    ShowNotes(data, population, extraNotes);
    m_nShownPoints = PointsOfTheGraph(data);
}

long long CPlotDlg::PointsOfTheGraph(const CPlotData& data) const {
    long long nPoints = 0;
    for (int j = 0; j < data.GetSetCount(m_request.nGraph); ++j)
        nPoints += data.GetPointCount(m_request.nGraph, j);
    return nPoints;
}

void CPlotDlg::Reload() {
    const std::string& strPath = m_request.source.strPath;
    auto pData = std::make_unique<CPlotData>();
    pData->ReadFromFile(strPath);
    if (pData->GetReadReport().bOpenFailed) {
        // Keep what the user has been looking at, and say why it no longer changes.
        const std::string strGone = "gone: the chart shows what was read last";
        ReportAbout(strPath, 0, strGone);
        m_pNotes->SetNotes(m_pNotes->Input(), m_pNotes->Notes() << QString::fromStdString(strGone));
        return;
    }
    // Fewer points than before may be a file caught while it is written: a second read after
    // another quiet moment tells.
    const long long nPoints = PointsOfTheGraph(*pData);
    std::vector<SDataNote> extraNotes;
    if (nPoints < m_nShownPoints) {
        if (std::exchange(m_nFewerPoints, nPoints) != nPoints) {
            QTimer::singleShot(CFileWatch::QUIET_MS, this, &CPlotDlg::Reload);
            return;
        }
        extraNotes.push_back(FewerPointsNote(nPoints, m_nShownPoints));
    }
    m_nFewerPoints = -1;
    m_pData = std::move(pData);
    m_pChartControl->ResetToSavedState();
    ReportingChartFailures([&] { ShowData(*m_pData, extraNotes); });
}

void CPlotDlg::PopulateChart(const CPlotData& data, SPopulationReport& population) {
    ::PopulateChart(m_chart, data, population, m_request.nGraph);
}

void CPlotDlg::ShowNotes(const CPlotData& data, const SPopulationReport& population,
                         const std::vector<SDataNote>& extraNotes) {
    const SDataSource& source = m_request.source;
    const std::string strInput = source.kind == SDataSource::EKind::File
                                     ? "'" + source.strPath + "'"
                                     : std::string("standard input");
    std::vector<SDataNote> notes = DescribeData(data, population, m_request.nGraph);
    notes.insert(notes.end(), extraNotes.begin(), extraNotes.end());
    QStringList lines;
    for (const SDataNote& note : notes) {
        ReportAbout(source.Name(), note.nLine, note.strText);
        const QString strText = QString::fromStdString(note.strText);
        lines << (note.nLine ? tr("line %1: %2").arg(note.nLine).arg(strText) : strText);
    }
    if (m_pNotes)
        m_pNotes->SetNotes(QString::fromStdString(strInput), lines);
    m_pChartControl->View()->SetFallbackMaximum(FallbackScaleMaximum(population));
    m_pChartControl->View()->SetEmptyText(
        QString::fromStdString(EmptyChartReason(data, population, strInput, m_request.nGraph)));
}

void CPlotDlg::BuildSystemMenu() {
    // The window manager's own menu cannot take entries from a program, so the dialog
    // keeps one of its own: Alt+Space, or a right-click beside the chart.
    m_pSystemMenu = new QMenu(this);
    const struct {
        const char* pszText;
        unsigned nCommand;
    } commands[] = {{"&Restore", SC_RESTORE},
                    {"Mi&nimize", SC_MINIMIZE},
                    {"Ma&ximize", SC_MAXIMIZE},
                    {"&Close\tAlt+F4", SC_CLOSE}};
    // Each entry says its command itself: the About entry is in the chart's menu too.
    const auto addCommand = [this](const QString& strText, unsigned nCommand) {
        QAction* pAction = m_pSystemMenu->addAction(strText);
        pAction->setData(nCommand);
        connect(pAction, &QAction::triggered, this,
                [this, nCommand] { OnSysCommand(nCommand, 0); });
        return pAction;
    };
    for (const auto& command : commands)
        addCommand(QString::fromLatin1(command.pszText), command.nCommand);
    const QString strAbout = QString::fromLatin1(LoadResourceString(IDS_ABOUTBOX));
    if (!strAbout.isEmpty()) {
        m_pSystemMenu->addSeparator();
        // A window manager that keeps Alt+Space for its own menu leaves the chart's menu as
        // the place where a user looks for About.
        m_pChartControl->View()->AddMenuActions({addCommand(strAbout, IDM_ABOUTBOX)});
    }
    connect(m_pSystemMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* pAction : m_pSystemMenu->actions()) {
            const unsigned nCommand = pAction->data().toUInt();
            if (nCommand == SC_RESTORE)
                pAction->setEnabled(isMaximized() || isMinimized());
            else if (nCommand == SC_MAXIMIZE)
                pAction->setEnabled(!isMaximized());
        }
    });
    auto* pMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(pMenuKey, &QShortcut::activated, this,
            [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });
    auto* pCloseKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(pCloseKey, &QShortcut::activated, this, [this] { OnSysCommand(SC_CLOSE, 0); });
}

void CPlotDlg::ShowSystemMenu(const QPoint& globalPos) {
    m_pSystemMenu->popup(globalPos);
}

void CPlotDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
    ShowSystemMenu(pEvent->globalPos());
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
