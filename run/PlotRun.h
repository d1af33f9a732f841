#pragma once

#include "chart/DataNotes.h"
#include "chartcontrol/ChartExport.h"
#include "platform/Status.h"
#include "run/FileMark.h"
#include "run/PlotRequest.h"

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
    // Reads the request's input into a fresh store. Usage when the command line named none;
    // CannotOpen or CannotRead when the input could not be had (the store then holds what
    // was read, if anything).
    SStatus Read();
    // Fills chart, bound to control, with the requested graph of the last read, and tells
    // what the picture leaves out. ChartFailed, in the chart's own words, when one of its
    // calls failed: the chart stays as far as it got. The run keeps both for --watch.
    SStatus Show(const CTChart& chart, CChartControl& control);
    // Writes the chart (filled by Show) to strPath, the kind chosen by options or the name;
    // a CSV holds the numbers of the last read as its file has them.
    SStatus Write(CChartControl& control, const QString& strPath, SExportOptions options) const;
    // --export from start to end on control, a chart component without a window: read, fill,
    // write to the request's path. Nothing is written for an input that could not be had.
    SStatus Export(CChartControl& control);

    // --stats or --stability: read, and print the statistics or the frequency stability of
    // each series of the graph over the request's x range on standard output. Nothing is
    // printed for an input that could not be had.
    SStatus PrintTable();

    // The store the chart shows; null before the first read.
    const CPlotData* ShownData() const { return m_pData.get(); }

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
    // Whether strPath names the input file, under any name: writing there would lose it.
    bool WritesOverInput(const std::string& strPath) const;
    // With --watch, when the file's writer is done with it: shown anew, unless it is gone,
    // a set of the shown graph is still being written, or it holds fewer points than before
    // and a second look after a quiet moment has not confirmed that.
    void Reload();
    // With --watch: the file read anew, or, when it only grew since the last read, read on
    // from there into the store. False when it is gone.
    bool ReadAgain();
    // Notes where the read just made ended, for the next to tell whether the file only grew.
    void MarkRead();
    // Keeps the chart as it is, with a note why.
    void Hold(const std::string& strWhy, long long nLine);
    void SetNotes(std::vector<SDataNote> notes);

    SPlotRequest m_request;
    std::unique_ptr<CPlotData> m_pData;
    std::vector<SDataNote> m_notes;
    // What went to stderr last: a note repeated by the next read is not said again.
    std::vector<SDataNote> m_printed;
    const CTChart* m_pChart = nullptr;
    CChartControl* m_pControl = nullptr;
    CFileWatch* m_pWatch = nullptr;
    CFileMark m_mark;
    long long m_nShownPoints = 0;
    long long m_nFewerPoints = -1; // a smaller count once read, waiting to be read again
    SStatus m_outcome;
};
