#pragma once

#include "chart/TChart.h"
#include "platform/Status.h"
#include "ui/PlotRequest.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CChartControl;
class CNotesLabel;
class CPlotData;
struct SDataNote;
struct SPopulationReport;
class QMenu;
class QPushButton;

// The main window, "Differences Graph": the hosted chart beside an OK button. Its
// initialisation reads the data the request names and shows graph 0 on the chart, with a
// word on what the picture leaves out.
class CPlotDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlotDlg(SPlotRequest request, QWidget* pParent = nullptr);
    // With other control initialisation data than the dialog's own.
    CPlotDlg(SPlotRequest request, QWidget* pParent, const std::uint8_t* pInit,
             std::size_t nInitSize);
    ~CPlotDlg() override;

    // Creates the controls, initialises the dialog and runs it until it is closed: IDOK or
    // IDCANCEL, or -1 when it ended before showing (no chart, or the usage message).
    int DoModal();
    // The same initialisation without a window, then the chart written to the request's
    // export path (its kind by extension).
    EExitStatus ExportTo();
    // How the viewer should end after DoModal.
    EExitStatus ExitStatus() const { return m_exitStatus; }

    virtual BOOL OnInitDialog();
    void OnSysCommand(unsigned nID, long lParam);
    void OnChartEvent();

    CChartControl* ChartControl() const { return m_pChartControl.get(); }
    QMenu* SystemMenu() const { return m_pSystemMenu; }
    CNotesLabel* NotesLabel() const { return m_pNotes; }

protected:
    void DoDataExchange();
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    bool CreateControls();
    template <class Step> bool ReportingChartFailures(Step step);
    bool RunInitDialog();
    // Populates the chart from the store and tells what the picture leaves out.
    void ShowData(const CPlotData& data, const std::vector<SDataNote>& extraNotes);
    void PopulateChart(const CPlotData& data, SPopulationReport& population);
    void ShowNotes(const CPlotData& data, const SPopulationReport& population,
                   const std::vector<SDataNote>& extraNotes);
    long long PointsOfTheGraph(const CPlotData& data) const;
    // With --watch: the file again, into a fresh store and a fresh chart.
    void Reload();
    void BuildSystemMenu();
    void ShowSystemMenu(const QPoint& globalPos);

    QIcon m_hIcon;
    CTChart m_chart;
    std::unique_ptr<CChartControl> m_pChartControl;
    SPlotRequest m_request;
    const std::uint8_t* m_pInit;
    std::size_t m_nInitSize;
    // The last read: exports of the data's own numbers come from it.
    std::unique_ptr<CPlotData> m_pData;
    bool m_bHeadless = false;
    bool m_bInputFailed = false;
    EExitStatus m_exitStatus = EExitStatus::Success;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    CNotesLabel* m_pNotes = nullptr;
    long long m_nShownPoints = 0;
    long long m_nFewerPoints = -1; // a smaller count once read, waiting to be read again
    QMenu* m_pSystemMenu = nullptr;
};

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
