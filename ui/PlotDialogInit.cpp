#include "ui/PlotDialogInit.h"

// One record for the chart (control 1000): load state from a stream (0x0376), 186 bytes of
// data, then the end of the record list. All numbers little-endian.
const std::uint8_t PLOT_DIALOG_INIT[PLOT_DIALOG_INIT_SIZE] = {
    0xE8, 0x03,             // control id 1000
    0x76, 0x03,             // message: load the control's state from a stream
    0xBA, 0x00, 0x00, 0x00, // 186 bytes of data follow
    0x00, 0x00, 0x00, 0x00, // the record's own 32-bit field
    // The property stream, 173 bytes.
    'T', 'P', 'F', '0',                                        //
    11, 'T', 'C', 'h', 'a', 'r', 't', 'C', 'h', 'a', 'r', 't', // class
    0,                                                         // object name
    4, 'L', 'e', 'f', 't', 0x02, 0x00,                         // Left = 0
    3, 'T', 'o', 'p', 0x02, 0x00,                              // Top = 0
    5, 'W', 'i', 'd', 't', 'h', 0x03, 0x2B, 0x02,              // Width = 555
    6, 'H', 'e', 'i', 'g', 'h', 't', 0x03, 0xC1, 0x01,         // Height = 449
    18, 'T', 'i', 't', 'l', 'e', '.', 'T', 'e', 'x', 't', '.', 'S', 't', 'r', 'i', 'n', 'g', 's',
    0x01, 0x06, 8, 'T', 'e', 'e', 'C', 'h', 'a', 'r', 't', 0x00, // one header line
    6, 'V', 'i', 'e', 'w', '3', 'D', 0x08,                       // View3D = false
    25, 'V', 'i', 'e', 'w', '3', 'D', 'O', 'p', 't', 'i', 'o', 'n', 's', '.', 'H', 'o', 'r', 'i',
    'z', 'O', 'f', 'f', 's', 'e', 't', 0x02, 0x0E, // 14
    24, 'V', 'i', 'e', 'w', '3', 'D', 'O', 'p', 't', 'i', 'o', 'n', 's', '.', 'O', 'r', 't', 'h',
    'o', 'A', 'n', 'g', 'l', 'e', 0x02, 0x32, // 50
    25, 'V', 'i', 'e', 'w', '3', 'D', 'O', 'p', 't', 'i', 'o', 'n', 's', '.', 'P', 'e', 'r', 's',
    'p', 'e', 'c', 't', 'i', 'v', 'e', 0x02, 0x09, // 9
    0x00, 0x00, // end of the properties, end of the (empty) child list
    // Further state of the component, after the stream.
    0x00, 0x00, 0x00, 0x00, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, // end of the record list
};
