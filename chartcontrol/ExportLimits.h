#pragma once

// What an export can be asked for: a side of 1 to EXPORT_LARGEST_SIDE pixels (points for PDF
// and SVG) and 1 to EXPORT_LARGEST_SCALE device pixels per pixel of a PNG. The command line
// checks its options against the same numbers.
inline constexpr int EXPORT_LARGEST_SIDE = 20000;
inline constexpr int EXPORT_LARGEST_SCALE = 8;

// The kinds an export writes, as --format and file extensions name them, and what a Save
// dialog calls them.
struct SExportFormat {
    const char* pszKind;
    const char* pszName;
};
inline constexpr SExportFormat EXPORT_FORMATS[] = {{"png", "PNG image"},
                                                   {"svg", "SVG image"},
                                                   {"pdf", "PDF document"},
                                                   {"csv", "CSV table"},
                                                   {"json", "JSON data"}};
