#include "run/PlotRun.h"

#include "chart/ChartPopulation.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "data/PlotData.h"
#include "platform/automation/OleExceptions.h"
#include "run/FileWatch.h"
#include "run/GraphCsv.h"
#include "run/GraphStability.h"
#include "run/GraphStatistics.h"
#include "run/Reporter.h"

#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include <utility>

namespace {

bool SameNote(const SDataNote& first, const SDataNote& second) {
    return first.nLine == second.nLine && first.strText == second.strText;
}

// Whether two names lead to one file, whatever links and folders lie on the way.
bool SameFile(const std::string& strFirst, const std::string& strSecond) {
    struct stat first {};
    struct stat second {};
    return ::stat(strFirst.c_str(), &first) == 0 && ::stat(strSecond.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

CPlotRun::CPlotRun(SPlotRequest request, QObject* pParent)
    : QObject(pParent), m_request(std::move(request)) {}

CPlotRun::~CPlotRun() = default;

std::string CPlotRun::InputName() const {
    return m_request.source.kind == SDataSource::EKind::File ? "'" + m_request.source.strPath + "'"
                                                             : std::string("standard input");
}

void CPlotRun::Watch() {
    if (m_pWatch || m_request.source.kind != SDataSource::EKind::File)
        return;
    m_pWatch = new CFileWatch(QString::fromStdString(m_request.source.strPath), this);
    connect(m_pWatch, &CFileWatch::Settled, this, &CPlotRun::Reload);
}

SStatus CPlotRun::Read() {
    // About 800 KB: kept off the stack.
    m_pData = std::make_unique<CPlotData>(m_request.nMaxPoints);
    switch (m_request.source.kind) {
    case SDataSource::EKind::Usage:
        return SStatus::Failed(ECause::Usage, USAGE_MESSAGE);
    case SDataSource::EKind::Pipe:
        m_pData->ReadFromStdin();
        break;
    case SDataSource::EKind::File:
        m_pData->ReadFromFile(m_request.source.strPath);
        break;
    }
    MarkRead();
    const CReadReport& report = m_pData->GetReadReport();
    if (report.bOpenFailed)
        return SStatus::SystemFailed(ECause::CannotOpen, "cannot open " + InputName(),
                                     report.nOpenError);
    if (report.bReadFailed)
        return SStatus::SystemFailed(ECause::CannotRead, "cannot read " + InputName(),
                                     report.nReadError);
    return {};
}

SStatus CPlotRun::Show(const CTChart& chart, CChartControl& control) {
    m_pChart = &chart;
    m_pControl = &control;
    const CPlotData& data = *m_pData;
    const int nGraph = m_request.nGraph;
    SPopulationReport population;
    // The chart fails as automation does; here the viewer meets it.
    const SStatus status = StatusOfCall([&] { PopulateChart(chart, data, population, nGraph); });
    // What was read is worth its notes even when the chart gave up half way.
    SetNotes(DescribeData(data, population, nGraph));
    CChartView& view = *control.View();
    view.SetStartWithAllData(m_request.bAll);
    view.SetFallbackMaximum(FallbackScaleMaximum(population));
    view.SetEmptyText(
        QString::fromStdString(EmptyChartReason(data, population, InputName(), nGraph)));
    m_nShownPoints = PointsOfTheGraph(data);
    return status;
}

long long CPlotRun::PointsOfTheGraph(const CPlotData& data) const {
    long long nPoints = 0;
    for (int j = 0; j < data.GetSetCount(m_request.nGraph); ++j)
        nPoints += data.GetPointCount(m_request.nGraph, j);
    return nPoints;
}

void CPlotRun::SetNotes(std::vector<SDataNote> notes) {
    for (const SDataNote& note : notes) {
        const bool bSaid = std::any_of(m_printed.begin(), m_printed.end(),
                                       [&](const SDataNote& said) { return SameNote(said, note); });
        if (!bSaid)
            ReportAbout(m_request.source.Name(), note.nLine, note.strText);
    }
    m_printed = notes;
    m_notes = std::move(notes);
    emit NotesChanged();
}

void CPlotRun::Hold(const std::string& strWhy, long long nLine) {
    std::vector<SDataNote> notes = m_notes;
    if (std::none_of(notes.begin(), notes.end(),
                     [&](const SDataNote& note) { return note.strText == strWhy; }))
        notes.push_back({nLine, strWhy});
    SetNotes(std::move(notes));
}

void CPlotRun::MarkRead() {
    const CReadReport& report = m_pData->GetReadReport();
    if (m_pWatch && !report.bOpenFailed && !report.bReadFailed && report.bEndsWithLineFeed)
        m_mark.Take(m_request.source.strPath, report.nBytes);
    else
        m_mark.Forget();
}

bool CPlotRun::ReadAgain() {
    const std::string& strPath = m_request.source.strPath;
    // A monitoring program appends: a month of seconds is not read again for a line more.
    if (m_mark.OnlyGrown(strPath) && m_pData->ContinueFromFile(strPath, m_mark.Offset())) {
        MarkRead();
        return true;
    }
    auto pData = std::make_unique<CPlotData>(m_request.nMaxPoints);
    pData->ReadFromFile(strPath);
    if (pData->GetReadReport().bOpenFailed)
        return false;
    m_pData = std::move(pData);
    MarkRead();
    return true;
}

void CPlotRun::Reload() {
    if (!ReadAgain()) {
        Hold("gone: the chart shows what was read last", 0);
        return;
    }
    const CPlotData* pData = m_pData.get();
    const CReadReport& report = pData->GetReadReport();
    // A set caught half way would show as a legend without its line.
    if (const long long nOpenLine = report.nOpenSetLine[m_request.nGraph]) {
        Hold("a set is still being written (no \"&\" after it yet): the chart shows the last "
             "whole read",
             nOpenLine);
        return;
    }
    // Fewer points than before may be a file caught while it is written: a second read after
    // another quiet moment tells.
    const long long nPoints = PointsOfTheGraph(*pData);
    std::vector<SDataNote> extraNotes;
    if (nPoints < m_nShownPoints) {
        if (std::exchange(m_nFewerPoints, nPoints) != nPoints) {
            QTimer::singleShot(CFileWatch::SETTLE_MS, this, &CPlotRun::Reload);
            return;
        }
        extraNotes.push_back(FewerPointsNote(nPoints, m_nShownPoints));
    }
    m_nFewerPoints = -1;
    m_pControl->ResetToSavedState();
    const SStatus status = Show(*m_pChart, *m_pControl);
    if (!status.Ok())
        ReportAbout(m_request.source.Name(), 0, status.strMessage);
    if (!extraNotes.empty()) {
        std::vector<SDataNote> notes = m_notes;
        notes.insert(notes.end(), extraNotes.begin(), extraNotes.end());
        SetNotes(std::move(notes));
    }
}

SStatus CPlotRun::Write(CChartControl& control, const QString& strPath,
                        SExportOptions options) const {
    if (WritesOverInput(strPath.toStdString()))
        return SStatus::Failed(ECause::NotWritten,
                               "not written: '" + strPath.toStdString() +
                                   "' is the data file itself, which it would replace");
    options.table = [this] { return GraphToCsv(*m_pData, m_request.nGraph); };
    return ExportChart(*control.View(), control.Model(), strPath, options);
}

SStatus CPlotRun::PrintTable() {
    const SStatus status = Read();
    if (status.cause == ECause::Usage) {
        Report(status.strMessage);
        return status;
    }
    // The notes are those of the window: what the chart would leave out, the statistics do.
    SPopulationReport population;
    PopulateChart(CTChart(), *m_pData, population, m_request.nGraph);
    SetNotes(DescribeData(*m_pData, population, m_request.nGraph));
    if (!status.Ok())
        return status;
    std::vector<std::string> unmeasured;
    int nWriteError = 0;
    CTableWriter out([&](std::string_view strPiece) {
        if (std::fwrite(strPiece.data(), 1, strPiece.size(), stdout) == strPiece.size())
            return true;
        nWriteError = errno;
        return false;
    });
    if (m_request.bStability) {
        const std::vector<SSeriesStability> measured =
            MeasureGraphStability(*m_pData, m_request.nGraph, m_request.range,
                                  m_request.dSecondsPerUnit, m_request.stability);
        for (const SSeriesStability& series : measured) {
            if (!series.strNote.empty())
                unmeasured.push_back(series.strNote);
        }
        WriteStabilityTable(measured, out);
    } else {
        WriteStatisticsTable(*m_pData, m_request.nGraph, m_request.range, out, unmeasured);
    }
    for (const std::string& strNote : unmeasured)
        ReportAbout(m_request.source.Name(), 0, strNote);
    if (out.Finish() && std::fflush(stdout) == 0)
        return {};
    if (nWriteError == 0)
        nWriteError = errno;
    // A reader that took what it wanted and left (| head) is no failure of ours.
    if (nWriteError == EPIPE)
        return {};
    const SStatus failed =
        SStatus::SystemFailed(ECause::NotWritten, "cannot write to standard output", nWriteError);
    Report(failed.strMessage);
    return failed;
}

bool CPlotRun::WritesOverInput(const std::string& strPath) const {
    return m_request.source.kind == SDataSource::EKind::File && strPath != "-" &&
           SameFile(strPath, m_request.source.strPath);
}

SStatus CPlotRun::Export(CChartControl& control) {
    if (WritesOverInput(m_request.strExportPath)) {
        const SStatus refused = SStatus::Failed(
            ECause::Usage, "--export '" + m_request.strExportPath +
                               "' is the data file itself: it would be replaced, so nothing is "
                               "written");
        Report(refused.strMessage);
        return refused;
    }
    const SStatus readStatus = Read();
    if (readStatus.cause == ECause::Usage) {
        Report(readStatus.strMessage);
        return readStatus;
    }
    CTChart chart;
    chart.AttachControlSite(control.GetDispatch());
    const SStatus showStatus = Show(chart, control);
    chart.DetachControlSite();
    // A picture of nothing, written for an input that could not be had, would pass for data;
    // the notes have said why.
    if (!readStatus.Ok())
        return readStatus;
    SStatus status = showStatus;
    if (status.Ok()) {
        SExportOptions options;
        if (m_request.nExportWidth > 0)
            options.size = QSize(m_request.nExportWidth, m_request.nExportHeight);
        options.nPngScale = m_request.nExportScale;
        options.strKind = QString::fromStdString(m_request.strExportFormat);
        status = Write(control, QString::fromStdString(m_request.strExportPath), options);
    }
    if (!status.Ok())
        Report(status.strMessage);
    return status;
}
