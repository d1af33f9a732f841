#pragma once

#include "chart/TChart.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <memory>

class CChartControl;
class CChartView;
class CNotesLabel;
class CPlotRun;
class CStabilityWindow;
class CStatisticsPanel;
class QMenu;
class QPushButton;

// The main window, "Differences Graph": the hosted chart beside an OK button. Its
// initialisation has the run read its input and fill the chart; the window shows the chart
// and the run's notes on what the picture leaves out.
class CPlotDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlotDlg(CPlotRun& run, QWidget* pParent = nullptr);
    // With other control initialisation data than the dialog's own.
    CPlotDlg(CPlotRun& run, QWidget* pParent, const std::uint8_t* pInit, std::size_t nInitSize);
    ~CPlotDlg() override;

    // Creates the controls, initialises the dialog and runs it until it is closed: IDOK or
    // IDCANCEL, or -1 when it ended before showing (no chart, or the usage message); the run
    // then holds why.
    int DoModal();

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
    void ShowNotes();
    void SaveChart();
    void BuildSystemMenu();
    void AskForDifference();
    CStabilityWindow* MakeStabilityWindow(CChartView& view);

    QIcon m_hIcon;
    CTChart m_chart;
    std::unique_ptr<CChartControl> m_pChartControl;
    CPlotRun& m_run;
    const std::uint8_t* m_pInit;
    std::size_t m_nInitSize;
    QPushButton* m_pOk = nullptr;
    CNotesLabel* m_pNotes = nullptr;
    QMenu* m_pSystemMenu = nullptr;
    CStatisticsPanel* m_pStatistics = nullptr;
    CStabilityWindow* m_pStability = nullptr;
};

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
