#pragma once

#include "chart/DataNotes.h"
#include "chartcontrol/ChartExport.h"
#include "data/GraphSeries.h"
#include "platform/Status.h"
#include "run/PlotRequest.h"
#include "run/ReloadPolicy.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class CChartControl;
class CFileWatch;
class CPlotData;
class CTChart;

// One run of the viewer, whatever shows it: the request, the reading of its input, the
// filling of a chart, the notes on what the picture leaves out, following the file as it
// changes (--watch) and writing the chart out. The main dialog shows what a run holds; an
// export runs one on a chart component without any window.
class CPlotRun : public QObject {
    Q_OBJECT
public:
    explicit CPlotRun(SPlotRequest request, QObject* pParent = nullptr);
    ~CPlotRun() override;

    const SPlotRequest& Request() const { return m_request; }

    // With --watch: follows the request's file from now on, so that no change after the
    // read can go unseen.
    void Watch();
    // Reads the request's input into a fresh store, the one shown from now on. Usage when the
    // command line named none; CannotOpen or CannotRead when the input could not be had (the store
    // then holds what was read, if anything).
    SStatus Read();
    // Fills chart, bound to control, with the requested graph of the shown store, and tells
    // what the picture leaves out. ChartFailed, in the chart's own words, when one of its
    // calls failed: the chart stays as far as it got. The run keeps both for --watch.
    SStatus Show(const CTChart& chart, CChartControl& control);
    // Writes the chart (filled by Show) to strPath, the kind chosen by options or the name;
    // a CSV holds the numbers of the shown store as its file has them.
    SStatus Write(CChartControl& control, const QString& strPath, SExportOptions options) const;
    // --export from start to end on control, a chart component without a window: read, fill,
    // write to the request's path. Nothing is written for an input that could not be had.
    SStatus Export(CChartControl& control);

    // --stats or --stability: read, and print the statistics or the frequency stability of
    // each series of the graph over the request's x range on standard output. Nothing is
    // printed for an input that could not be had.
    SStatus PrintTable();

    // The series the chart shows: the shown graph's sets, then the differences asked for.
    // Refers to the shown store: good until the next read is shown.
    std::vector<CGraphSeries> Series() const;
    // Shows A - B of two of the shown graph's series (from 0) after them from now on.
    void AddDifference(int nA, int nB);

    // The notes on the last read as it is shown, in their order.
    const std::vector<SDataNote>& Notes() const { return m_notes; }
    // The input as the notes' heading names it: "'x.dat'" or "standard input".
    std::string InputName() const;

    // How the run ended, for whoever ends the process: fine unless someone says otherwise.
    const SStatus& Outcome() const { return m_outcome; }
    void EndWith(SStatus status) { m_outcome = std::move(status); }

signals:
    // Notes() changed: a new read, a file gone, a set still being written.
    void NotesChanged();

private:
    long long PointsOfTheGraph(const CPlotData& data) const;
    // The differences asked for, added to chart after the sets; notes on epochs left out.
    std::vector<SDataNote> AddDifferences(const CTChart& chart,
                                          SPopulationReport& population) const;
    // Whether strPath names the input file, under any name: writing there would lose it.
    bool WritesOverInput(const std::string& strPath) const;
    // With --watch, when the file may have changed: read into the pending store (anew, or on
    // from the last read when the file only grew) and shown, as the policy judges.
    void Reload();
    // With --watch: the file read as the policy says into the pending store. False when it is
    // gone, or holds nothing new and nothing waits to be shown.
    bool ReadAgain();
    // One more note on the chart as it is (why it stays, say), unless it is there already.
    void AddNote(const std::string& strWhy, long long nLine);
    void SetNotes(std::vector<SDataNote> notes);
    // The chart's corner says whether what it shows may be behind the file.
    void ShowWaiting();

    SPlotRequest m_request;
    std::unique_ptr<CPlotData> m_pShown;
    // With --watch: a read not shown yet (held, or waiting for a second look).
    std::unique_ptr<CPlotData> m_pPending;
    std::vector<SDataNote> m_notes;
    // What went to stderr last: a note repeated by the next read is not said again.
    std::vector<SDataNote> m_printed;
    const CTChart* m_pChart = nullptr;
    CChartControl* m_pControl = nullptr;
    CFileWatch* m_pWatch = nullptr;
    CReloadPolicy m_policy;
    std::string m_strWatchProblem;
    SStatus m_outcome;
};
