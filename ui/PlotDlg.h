#pragma once

#include "TChart.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <memory>
#include <string>

class CChartControl;
class CPlotData;
class QMenu;
class QPushButton;

// The main window, "Differences Graph": the hosted chart beside an OK button. Its
// initialisation reads the data the command line names and shows graph 0 on the chart.
class CPlotDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlotDlg(QWidget* pParent = nullptr);
    // With other control initialisation data than the dialog's own.
    CPlotDlg(QWidget* pParent, const std::uint8_t* pInit, std::size_t nInitSize);
    ~CPlotDlg() override;

    // Creates the controls, initialises the dialog and runs it until it is closed: IDOK or
    // IDCANCEL, or -1 when its controls could not be created (nothing is read or shown then).
    int DoModal();
    // The same initialisation without a window, then the chart written to strPath (its kind
    // by extension). The process's exit status.
    int ExportTo(const std::string& strPath);

    virtual BOOL OnInitDialog();
    void OnSysCommand(unsigned nID, long lParam);
    void OnChartEvent();

    CChartControl* ChartControl() const { return m_pChartControl.get(); }
    QMenu* SystemMenu() const { return m_pSystemMenu; }

protected:
    void DoDataExchange();
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    bool CreateControls();
    bool RunInitDialog();
    void PopulateChart(const CPlotData& data);
    void BuildSystemMenu();
    void ShowSystemMenu(const QPoint& globalPos);

    QIcon m_hIcon;
    CTChart m_chart;
    std::unique_ptr<CChartControl> m_pChartControl;
    const std::uint8_t* m_pInit;
    std::size_t m_nInitSize;
    bool m_bHeadless = false;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QMenu* m_pSystemMenu = nullptr;
};

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
