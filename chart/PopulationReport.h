#pragma once

// How many values of one kind the population met, and their range.
struct SValueTally {
    long long nCount = 0;
    double dMin = 0.0;
    double dMax = 0.0;

    void Add(double dValue) {
        dMin = nCount == 0 || dValue < dMin ? dValue : dMin;
        dMax = nCount == 0 || dValue > dMax ? dValue : dMax;
        ++nCount;
    }
};

// What the population could not show as the store holds it. The chart gets exactly the
// calls it always gets; this only lets the viewer say what the picture leaves out.
struct SPopulationReport {
    long long nPointsAdded = 0;   // points handed to the chart with an x and a y it can draw
    long long nNonFiniteY = 0;    // points handed over with a y that is no finite number
    double dLargestFiniteY = 0.0; // of the points drawn, never below 0
    SValueTally refusedDates;     // x above 200000 that is no date of the years 100 to 9999
    SValueTally plainOnDateAxis;  // x of 200000 or less, drawn as day counts among dates
    SValueTally nonFiniteX;       // x of NaN or minus infinity: such a point has no place
};
