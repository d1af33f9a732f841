#include "run/GraphStability.h"

#include "data/Parallel.h"
#include "data/SeriesDifference.h"
#include "data/StabilityInput.h"
#include "data/ThreeCorneredHat.h"
#include "run/TableText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// " (line 3456, 2025-03-01T12:15:00.000Z)" for point i of a series.
std::string Where(const CGraphSeries& series, int i, const SDateRule& rule) {
    const SDateTime time = JulianToDateTime(rule.Julian(series.X(i)));
    char szDate[48];
    std::snprintf(szDate, sizeof szDate, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", time.nYear,
                  time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond,
                  time.nMillisecond);
    return " (line " + std::to_string(series.Line(i)) + ", " + szDate + ")";
}

SSeriesStability MeasureSeries(const CGraphSeries& series, const SXRange& range,
                               double dSecondsPerUnit, const SStabilityOptions& options,
                               const SDateRule& rule) {
    SSeriesStability measured{series.Title(), {}, {}, false};
    const SStabilityInput input = PrepareStabilityInput(series, range, dSecondsPerUnit, rule);
    if (input.bPlain) {
        measured.strNote = "'" + series.Title() + "': not measured: its x are no dates";
    } else if (input.points.empty()) {
        measured.strNote = NoPointNote(series.Title(), range);
    } else {
        measured.result = ComputeStability(input.seconds.data(), input.phase.data(),
                                           input.seconds.size(), options);
        if (!measured.result.bComputed) {
            measured.strNote =
                "'" + series.Title() + "': not measured: " + measured.result.strWhyNot;
            if (measured.result.nBadPoint >= 0)
                measured.strNote +=
                    Where(series, input.points[static_cast<std::size_t>(measured.result.nBadPoint)],
                          rule);
        }
    }
    return measured;
}

// The variance behind a deviation, and the deviation of a variance (NaN below 0).
double Squared(double dDeviation) {
    return dDeviation * dDeviation;
}
double Root(double dVariance) {
    return dVariance >= 0.0 ? std::sqrt(dVariance) : NaN;
}

} // namespace

std::vector<SSeriesStability> MeasureGraphStability(const std::vector<CGraphSeries>& series,
                                                    const SXRange& range, double dSecondsPerUnit,
                                                    const SStabilityOptions& options,
                                                    const SDateRule& rule) {
    // A series a core at a time: each is measured on its own.
    std::vector<SSeriesStability> measured(series.size());
    InRuns(series.size(), RunsFor(series.size(), 2), 1,
           [&](std::size_t, std::size_t nBegin, std::size_t nEnd) {
               for (std::size_t i = nBegin; i < nEnd; ++i)
                   measured[i] = MeasureSeries(series[i], range, dSecondsPerUnit, options, rule);
           });
    return measured;
}

std::vector<SSeriesStability> MeasureHat(const CGraphSeries& a, const CGraphSeries& b,
                                         const CGraphSeries& c, const SXRange& range,
                                         double dSecondsPerUnit, const SStabilityOptions& options,
                                         const SDateRule& rule) {
    // The differences at the epochs all three hold: A's epochs with a partner in B and in C.
    const SDifference ab = Difference(a, b, rule);
    const SDifference ac = Difference(a, c, rule);
    std::vector<double> x, yAB, yAC, yBC;
    std::vector<long long> lines;
    const SPlacedPoints abPoints = PlacedPoints(ab.series, rule);
    const SPlacedPoints acPoints = PlacedPoints(ac.series, rule);
    const std::vector<int> partners =
        MatchEpochs(abPoints.x, acPoints.x, EpochTolerance(abPoints.x, acPoints.x));
    for (std::size_t i = 0; i < partners.size(); ++i) {
        if (partners[i] < 0)
            continue;
        const double dAC = acPoints.y[static_cast<std::size_t>(partners[i])];
        x.push_back(abPoints.x[i]);
        yAB.push_back(abPoints.y[i]);
        yAC.push_back(dAC);
        yBC.push_back(dAC - abPoints.y[i]); // (A - C) - (A - B) = B - C
        lines.push_back(ab.series.Line(abPoints.index[i]));
    }
    const CGraphSeries pairs[] = {CGraphSeries(a.Title() + " \u2212 " + b.Title(), x, yAB, lines),
                                  CGraphSeries(a.Title() + " \u2212 " + c.Title(), x, yAC, lines),
                                  CGraphSeries(b.Title() + " \u2212 " + c.Title(), x, yBC, lines)};
    std::vector<SSeriesStability> measuredPairs;
    for (const CGraphSeries& pair : pairs) {
        measuredPairs.push_back(MeasureSeries(pair, range, dSecondsPerUnit, options, rule));
        if (!measuredPairs.back().result.bComputed)
            return {measuredPairs.back()};
    }
    std::vector<SSeriesStability> clocks = {
        {a.Title(), {}, {}, true}, {b.Title(), {}, {}, true}, {c.Title(), {}, {}, true}};
    const SStabilityResult& first = measuredPairs[0].result;
    for (std::size_t p = 0; p < first.points.size(); ++p) {
        const SStabilityPoint* pPairs[3] = {};
        for (std::size_t k = 0; k < 3; ++k) {
            for (const SStabilityPoint& point : measuredPairs[k].result.points) {
                if (point.nFactor == first.points[p].nFactor)
                    pPairs[k] = &point;
            }
        }
        if (!pPairs[1] || !pPairs[2])
            continue;
        SStabilityPoint clock[3];
        for (SStabilityPoint& one : clock) {
            one = *pPairs[0];
            one.nAdevTerms =
                std::min({pPairs[0]->nAdevTerms, pPairs[1]->nAdevTerms, pPairs[2]->nAdevTerms});
            for (double* pBound : {&one.dAdevLow, &one.dAdevHigh, &one.dMdevLow, &one.dMdevHigh,
                                   &one.dTdevLow, &one.dTdevHigh, &one.dHdevLow, &one.dHdevHigh})
                *pBound = NaN;
        }
        for (double SStabilityPoint::*pValue : {&SStabilityPoint::dAdev, &SStabilityPoint::dMdev,
                                                &SStabilityPoint::dTdev, &SStabilityPoint::dHdev}) {
            const SHatVariances hat =
                HatVariances(Squared(pPairs[0]->*pValue), Squared(pPairs[1]->*pValue),
                             Squared(pPairs[2]->*pValue));
            clock[0].*pValue = Root(hat.dA);
            clock[1].*pValue = Root(hat.dB);
            clock[2].*pValue = Root(hat.dC);
        }
        for (std::size_t k = 0; k < 3; ++k)
            clocks[k].result.points.push_back(clock[k]);
    }
    for (SSeriesStability& clock : clocks) {
        long long nBelowZero = 0;
        double dFirstTau = 0.0;
        for (const SStabilityPoint& point : clock.result.points) {
            if (std::isnan(point.dAdev) || std::isnan(point.dMdev) || std::isnan(point.dHdev)) {
                if (nBelowZero++ == 0)
                    dFirstTau = point.dTau;
            }
        }
        if (nBelowZero > 0) {
            char szTau[32];
            std::snprintf(szTau, sizeof szTau, "%.6g", dFirstTau);
            clock.strNote =
                "'" + clock.strTitle + "': the three-cornered hat gives a variance below 0 at " +
                std::to_string(nBelowZero) + " of " + std::to_string(clock.result.points.size()) +
                " taus (first at " + szTau +
                " s), shown as nan: the clocks are correlated, or the data too short";
        }
        clock.result.bComputed = true;
        clock.result.dTau0 = first.dTau0;
        clock.result.nSamples = first.nSamples;
        clock.result.nMissing = first.nMissing;
    }
    return clocks;
}

void WriteStabilityTable(const std::vector<SSeriesStability>& series, CTableWriter& out) {
    out.Texts(STABILITY_COLUMNS).EndRow();
    for (const SSeriesStability& one : series) {
        for (const SStabilityPoint& point : one.result.points) {
            out.Text(one.strTitle).Number(point.dTau).Count(point.nAdevTerms);
            out.Number(point.dAdev).Number(point.dMdev).Number(point.dTdev).Number(point.dHdev);
            if (one.bHat)
                out.Number(NaN);
            else
                out.Count(point.nAlpha);
            for (double dValue : {point.dAdevLow, point.dAdevHigh, point.dMdevLow, point.dMdevHigh,
                                  point.dTdevLow, point.dTdevHigh, point.dHdevLow, point.dHdevHigh})
                out.Number(dValue);
            out.EndRow();
        }
    }
}
