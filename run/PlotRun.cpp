#include "run/PlotRun.h"

#include "chart/ChartAxes.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartHeader.h"
#include "chart/ChartLegend.h"
#include "chart/ChartPopulation.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPart.h"
#include "chart/ChartStrings.h"
#include "chart/TChart.h"
#include "chartcontrol/ChartControl.h"
#include "chartcontrol/ChartView.h"
#include "data/PlotData.h"
#include "data/SeriesDifference.h"
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
    m_strWatchProblem = m_pWatch->Problem();
    connect(m_pWatch, &CFileWatch::Changed, this, &CPlotRun::Reload);
    connect(m_pWatch, &CFileWatch::WaitingChanged, this, &CPlotRun::ShowWaiting);
}

SStatus CPlotRun::Read() {
    // About 800 KB: kept off the stack.
    m_pShown = std::make_unique<CPlotData>(m_request.nMaxPoints);
    switch (m_request.source.kind) {
    case SDataSource::EKind::Usage:
        return SStatus::Failed(ECause::Usage, USAGE_MESSAGE);
    case SDataSource::EKind::Pipe:
        m_pShown->ReadFromStdin();
        break;
    case SDataSource::EKind::File:
        // The file that was read, whatever its name leads to by the time the read is over.
        m_pShown->ReadFromFile(m_request.source.strPath, [this](std::FILE* pStream) {
            if (m_pWatch)
                m_policy.Mark(fileno(pStream), m_pShown->GetReadReport());
        });
        break;
    }
    const CReadReport& report = m_pShown->GetReadReport();
    if (report.bOpenFailed)
        return SStatus::CannotOpen(InputName(), report.nOpenError);
    if (report.bReadFailed)
        return SStatus::CannotRead(InputName(), report.nReadError);
    return {};
}

SStatus CPlotRun::Show(const CTChart& chart, CChartControl& control) {
    m_pChart = &chart;
    m_pControl = &control;
    const CPlotData& data = *m_pShown;
    const int nGraph = m_request.nGraph;
    SPopulationReport population;
    std::vector<SDataNote> differenceNotes;
    // The chart fails as automation does; here the viewer meets it.
    const SStatus status = StatusOfCall([&] {
        PopulateChart(chart, data, population, nGraph, m_request.dates);
        differenceNotes = AddDifferences(chart, population);
    });
    // What was read is worth its notes even when the chart gave up half way.
    std::vector<SDataNote> notes = DescribeData(data, population, nGraph, m_request.dates);
    notes.insert(notes.end(), differenceNotes.begin(), differenceNotes.end());
    if (!m_strWatchProblem.empty())
        notes.push_back({0, m_strWatchProblem});
    SetNotes(std::move(notes));
    CChartView& view = *control.View();
    view.SetStartWithAllData(m_request.bAll);
    if (m_request.bMjdAxis && !view.MjdAxis())
        view.SetMjdAxis(true);
    view.SetFallbackMaximum(FallbackScaleMaximum(population));
    view.SetEmptyText(QString::fromStdString(
        EmptyChartReason(data, population, InputName(), nGraph, m_request.dates)));
    m_policy.Shown(PointsOfTheGraph(data));
    return status;
}

std::vector<CGraphSeries> CPlotRun::Series() const {
    std::vector<CGraphSeries> series = SetsOfGraph(*m_pShown, m_request.nGraph);
    // Each difference may take any series before it, a difference among them.
    for (const auto& [nA, nB] : m_request.differences) {
        const auto nSeries = static_cast<int>(series.size());
        if (nA < nSeries && nB < nSeries)
            series.push_back(Difference(series[static_cast<std::size_t>(nA)],
                                        series[static_cast<std::size_t>(nB)], m_request.dates)
                                 .series);
    }
    return series;
}

std::vector<SDataNote> CPlotRun::AddDifferences(const CTChart& chart,
                                                SPopulationReport& population) const {
    std::vector<SDataNote> notes;
    std::vector<CGraphSeries> series = SetsOfGraph(*m_pShown, m_request.nGraph);
    // Each difference may take any series before it, a difference among them.
    for (const auto& [nA, nB] : m_request.differences) {
        const auto nSeries = static_cast<int>(series.size());
        if (nA >= nSeries || nB >= nSeries) {
            notes.push_back({0, "no difference " + std::to_string(nA) + " - " + std::to_string(nB) +
                                    ": graph " + std::to_string(m_request.nGraph) + " shows " +
                                    std::to_string(nSeries) + " series"});
            continue;
        }
        const CGraphSeries& a = series[static_cast<std::size_t>(nA)];
        const CGraphSeries& b = series[static_cast<std::size_t>(nB)];
        SDifference difference = Difference(a, b, m_request.dates);
        chart.AddSeries(0);
        AddPointsInBulk(chart, nSeries, difference.series, population, m_request.dates);
        chart.GetSeries(nSeries).SetTitle(difference.series.Title().c_str());
        if (difference.nAloneA || difference.nAloneB)
            notes.push_back({0, "'" + difference.series.Title() +
                                    "': " + std::to_string(difference.nAloneA) + " epochs of '" +
                                    a.Title() + "' and " + std::to_string(difference.nAloneB) +
                                    " of '" + b.Title() +
                                    "' had no partner within 1 % of the step, and are left out"});
        series.push_back(std::move(difference.series));
    }
    return notes;
}

void CPlotRun::AddDifference(int nA, int nB) {
    m_request.differences.emplace_back(nA, nB);
    // A difference is signed: the view from 0 up would hide half of it.
    m_request.bAll = true;
    if (!m_pChart || !m_pControl)
        return;
    m_pControl->ResetToSavedState();
    if (const SStatus status = Show(*m_pChart, *m_pControl); !status.Ok())
        ReportAbout(m_request.source.Name(), 0, status.strMessage);
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

void CPlotRun::AddNote(const std::string& strWhy, long long nLine) {
    std::vector<SDataNote> notes = m_notes;
    if (std::none_of(notes.begin(), notes.end(),
                     [&](const SDataNote& note) { return note.strText == strWhy; }))
        notes.push_back({nLine, strWhy});
    SetNotes(std::move(notes));
}

void CPlotRun::ShowWaiting() {
    if (m_pControl)
        m_pControl->View()->SetWaitText(m_pPending || (m_pWatch && m_pWatch->Waiting())
                                            ? QStringLiteral("waiting for the writer")
                                            : QString());
}

bool CPlotRun::ReadAgain() {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pFile(
        std::fopen(m_request.source.strPath.c_str(), "r"), &std::fclose);
    if (!pFile) {
        AddNote("gone: the chart shows what was read last", 0);
        return false;
    }
    // Each look reads the file it compared: a file renamed into place after the comparison
    // waits for the next look.
    const int nFile = fileno(pFile.get());
    CReloadPolicy::ERead read = m_policy.HowToRead(nFile);
    if (read == CReloadPolicy::ERead::Grown &&
        std::fseek(pFile.get(), m_policy.Offset(), SEEK_SET) != 0)
        read = CReloadPolicy::ERead::Rewritten;
    switch (read) {
    case CReloadPolicy::ERead::Unchanged:
        return m_pPending != nullptr;
    case CReloadPolicy::ERead::Grown:
        // A monitoring program appends: a month of seconds is not read again for a line more.
        // The shown store stays as it is shown, for Save as: the read goes on in a copy.
        if (!m_pPending)
            m_pPending = std::make_unique<CPlotData>(*m_pShown);
        m_pPending->ContinueFromStream(pFile.get());
        break;
    case CReloadPolicy::ERead::Rewritten:
        m_pPending = std::make_unique<CPlotData>(m_request.nMaxPoints);
        m_pPending->ReadFromStream(pFile.get());
        break;
    }
    m_policy.Mark(nFile, m_pPending->GetReadReport());
    return true;
}

void CPlotRun::Reload() {
    if (m_pWatch->Problem() != m_strWatchProblem) {
        m_strWatchProblem = m_pWatch->Problem();
        AddNote(m_strWatchProblem, 0);
    }
    if (!ReadAgain())
        return;
    const long long nOpenLine = m_pPending->GetReadReport().nOpenSetLine[m_request.nGraph];
    const long long nPoints = PointsOfTheGraph(*m_pPending);
    const long long nShownPoints = m_policy.ShownPoints();
    const CReloadPolicy::EVerdict verdict = m_policy.Judge(nPoints, nOpenLine != 0);
    switch (verdict) {
    case CReloadPolicy::EVerdict::Hold:
        AddNote("a set is still being written (no \"&\" after it yet): the chart shows the last "
                "whole read",
                nOpenLine);
        ShowWaiting();
        return;
    case CReloadPolicy::EVerdict::SecondLook:
        QTimer::singleShot(CFileWatch::SETTLE_MS, this, &CPlotRun::Reload);
        ShowWaiting();
        return;
    case CReloadPolicy::EVerdict::Show:
    case CReloadPolicy::EVerdict::ShowFewer:
        break;
    }
    m_pShown = std::move(m_pPending);
    m_pControl->ResetToSavedState();
    const SStatus status = Show(*m_pChart, *m_pControl);
    if (!status.Ok())
        ReportAbout(m_request.source.Name(), 0, status.strMessage);
    if (verdict == CReloadPolicy::EVerdict::ShowFewer) {
        const SDataNote fewer = FewerPointsNote(nPoints, nShownPoints);
        AddNote(fewer.strText, fewer.nLine);
    }
    ShowWaiting();
}

SStatus CPlotRun::Write(CChartControl& control, const QString& strPath,
                        SExportOptions options) const {
    if (WritesOverInput(strPath.toStdString()))
        return SStatus::Failed(ECause::NotWritten,
                               "not written: '" + strPath.toStdString() +
                                   "' is the data file itself, which it would replace");
    options.table = [this](const OutputSink& sink) {
        WriteGraphCsv(Series(), m_request.dates, sink);
    };
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
    PopulateChart(CTChart(), *m_pShown, population, m_request.nGraph, m_request.dates);
    std::vector<SDataNote> notes =
        DescribeData(*m_pShown, population, m_request.nGraph, m_request.dates);
    const std::vector<SDataNote> differenceNotes = AddDifferences(CTChart(), population);
    notes.insert(notes.end(), differenceNotes.begin(), differenceNotes.end());
    SetNotes(std::move(notes));
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
    const std::vector<CGraphSeries> series = Series();
    if (m_request.bStability) {
        std::vector<SSeriesStability> measured;
        if (m_request.hat.size() == 3) {
            const int nLast = *std::max_element(m_request.hat.begin(), m_request.hat.end());
            if (nLast >= static_cast<int>(series.size())) {
                unmeasured.push_back("no three-cornered hat: graph " +
                                     std::to_string(m_request.nGraph) + " holds " +
                                     std::to_string(series.size()) + " series");
            } else {
                const auto At = [&](int n) -> const CGraphSeries& {
                    return series[static_cast<std::size_t>(n)];
                };
                measured =
                    MeasureHat(At(m_request.hat[0]), At(m_request.hat[1]), At(m_request.hat[2]),
                               m_request.range, m_request.dSecondsPerUnit, m_request.stability,
                               m_request.dates);
            }
        } else {
            measured = MeasureGraphStability(series, m_request.range, m_request.dSecondsPerUnit,
                                             m_request.stability, m_request.dates);
        }
        for (const SSeriesStability& series : measured) {
            if (!series.strNote.empty())
                unmeasured.push_back(series.strNote);
        }
        WriteStabilityTable(measured, out);
    } else {
        WriteStatisticsTable(series, m_request.range, m_request.dates, m_request.dSecondsPerUnit,
                             out, unmeasured);
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
    const SStatus failed = SStatus::NotWritten("to standard output", nWriteError);
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
