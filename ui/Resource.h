#pragma once

// Identifiers of the viewer's dialogs, strings, commands, icons and controls.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDS_ABOUTBOX = 101;
inline constexpr unsigned IDD_PLOT_DIALOG = 102;
inline constexpr unsigned IDR_MAINFRAME = 128;
inline constexpr unsigned IDI_PLOT = 130;
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr int IDC_CHART = 1000;

// The window commands of the system menu.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// The string table: the text of a string resource, or an empty text when there is none.
const char* LoadResourceString(unsigned nId);
