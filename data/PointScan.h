#pragma once

// Reads x and y from a point line exactly as sscanf(pszLine, "%lf%lf", &dX, &dY) does in the
// "C" locale, whatever the process locale, only faster: the same characters make up each
// number (the C library's greedy match, which may take characters it then cannot use, as
// the "e" of "1e 5"), and the same double comes out, bit for bit.
//
// Returns what sscanf returns: -1 when the line is empty or white space, otherwise the count
// of numbers read (0, 1 or 2). dX is written when at least one number was read, dY when two;
// pszAfter, when given, then points after the characters the scan took.
int ScanPoint(const char* pszLine, double& dX, double& dY, const char** pszAfter = nullptr);
