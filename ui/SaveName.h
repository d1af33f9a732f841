#pragma once

#include <QString>

// What Save as proposes for a chart of the data file strDataPath: its base name with .png
// beside it; chart.png in the current folder when the data came from standard input (empty).
QString ProposedSaveName(const QString& strDataPath);

// The name with the extension of the chosen filter ("SVG image (*.svg)") appended, unless it
// already ends in one of the kinds the chart is written as.
QString WithFilterExtension(const QString& strPath, const QString& strFilter);
