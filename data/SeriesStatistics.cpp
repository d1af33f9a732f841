#include "data/SeriesStatistics.h"

#include "data/TimeConstants.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double NaN = SSeriesStatistics::NaN;

// Neumaier's variant of Kahan summation: the rounding error of every addition is kept and
// added back at the end, whichever of the two terms is the larger.
class CCompensatedSum {
public:
    void Add(double d) {
        const double dSum = m_dSum + d;
        if (std::fabs(m_dSum) >= std::fabs(d))
            m_dCompensation += (m_dSum - dSum) + d;
        else
            m_dCompensation += (d - dSum) + m_dSum;
        m_dSum = dSum;
    }
    double Total() const { return m_dSum + m_dCompensation; }

private:
    double m_dSum = 0.0;
    double m_dCompensation = 0.0;
};

// The power of two that brings dMaxAbs near 1, bounded so that 2 to its negative is itself a
// normal double. Zero needs no scale.
int ScaleExponent(double dMaxAbs) {
    return dMaxAbs > 0.0 ? std::clamp(std::ilogb(dMaxAbs), -1000, 1000) : 0;
}

// Sums of products of deviations from means that are a little off by rounding, less what
// that error puts in (the corrected two-pass form of Chan, Golub and LeVeque).
double CorrectedProducts(const CCompensatedSum& products, const CCompensatedSum& deviationsA,
                         const CCompensatedSum& deviationsB, double dCount) {
    return products.Total() - deviationsA.Total() * deviationsB.Total() / dCount;
}
double CorrectedSquares(const CCompensatedSum& squares, const CCompensatedSum& deviations,
                        double dCount) {
    return std::max(0.0, CorrectedProducts(squares, deviations, deviations, dCount));
}

// The points [nBegin, nEnd) of the arrays, point i at pX[i * nStrideX] and pY[i * nStrideY].
struct SSpan {
    const double* pX;
    const double* pY;
    std::size_t nBegin, nEnd;
    std::size_t nStrideX, nStrideY;

    double X(std::size_t i) const { return pX[i * nStrideX]; }
    double Y(std::size_t i) const { return pY[i * nStrideY]; }
    bool IsFinite(std::size_t i) const { return std::isfinite(X(i)) && std::isfinite(Y(i)); }
    // Calls use(x, y) for each finite point, in order.
    template <typename F> void ForEachFinite(F use) const {
        for (std::size_t i = nBegin; i < nEnd; ++i) {
            if (IsFinite(i))
                use(X(i), Y(i));
        }
    }
};

SSeriesStatistics Compute(const SSpan& span) {
    SSeriesStatistics stats;
    double dMaxAbsX = 0.0;
    for (std::size_t i = span.nBegin; i < span.nEnd; ++i) {
        if (!span.IsFinite(i)) {
            ++stats.nSkipped;
            continue;
        }
        const double dX = span.X(i);
        const double dY = span.Y(i);
        if (stats.nCount++ == 0) {
            stats.dFirstX = stats.dXOfMin = stats.dXOfMax = dX;
            stats.dMin = stats.dMax = dY;
        }
        if (dY < stats.dMin) {
            stats.dMin = dY;
            stats.dXOfMin = dX;
        }
        if (dY > stats.dMax) {
            stats.dMax = dY;
            stats.dXOfMax = dX;
        }
        stats.dLastX = dX;
        dMaxAbsX = std::max(dMaxAbsX, std::fabs(dX));
    }
    if (stats.nCount == 0)
        return stats;
    stats.dPeakToPeak = stats.dMax - stats.dMin;

    // u and v: x and y scaled by powers of two, exactly, and x taken relative to the first x.
    const int nExpX = ScaleExponent(dMaxAbsX);
    const int nExpY = ScaleExponent(std::max(std::fabs(stats.dMin), std::fabs(stats.dMax)));
    const double dScaleX = std::ldexp(1.0, -nExpX);
    const double dScaleY = std::ldexp(1.0, -nExpY);
    const double dU0 = stats.dFirstX * dScaleX;
    const auto u = [&](double dX) { return dX * dScaleX - dU0; };
    const auto v = [&](double dY) { return dY * dScaleY; };
    const double dCount = static_cast<double>(stats.nCount);

    CCompensatedSum sumU, sumV;
    span.ForEachFinite([&](double dX, double dY) {
        sumU.Add(u(dX));
        sumV.Add(v(dY));
    });
    const double dMeanU = sumU.Total() / dCount;
    const double dMeanV = sumV.Total() / dCount;

    // The sums that need the means alone in one pass, those that need the line in another: a
    // pass over a million points costs more in reading them than in adding.
    CCompensatedSum devU, devV, squaresU, squaresV, productsUV, cubesU;
    span.ForEachFinite([&](double dX, double dY) {
        const double dDevU = u(dX) - dMeanU;
        const double dDevV = v(dY) - dMeanV;
        devU.Add(dDevU);
        devV.Add(dDevV);
        squaresU.Add(dDevU * dDevU);
        squaresV.Add(dDevV * dDevV);
        productsUV.Add(dDevU * dDevV);
        cubesU.Add(dDevU * dDevU * dDevU);
    });
    const double dSuu = CorrectedSquares(squaresU, devU, dCount);
    const double dSvv = CorrectedSquares(squaresV, devV, dCount);
    const double dSuv = CorrectedProducts(productsUV, devU, devV, dCount);

    stats.dMean = std::ldexp(dMeanV, nExpY);
    stats.dRms = std::ldexp(std::sqrt(dMeanV * dMeanV + dSvv / dCount), nExpY);
    if (stats.nCount < 2)
        return stats;
    stats.dStd = std::ldexp(std::sqrt(dSvv / (dCount - 1.0)), nExpY);
    if (!(dSuu > 0.0))
        return stats;
    const double dSlope = dSuv / dSuu;
    stats.dSlope = std::ldexp(dSlope, nExpY - nExpX);
    stats.dFitY0 = std::ldexp(dMeanV - dSlope * dMeanU, nExpY);
    if (stats.nCount < 3)
        return stats;

    // The residuals of the line; and the parabola through orthogonal polynomials of the
    // deviations of u: the coefficient of the second, p2 = du^2 - (S3 / S2) du - S2 / n, is that
    // of u^2, free of the line's.
    const double dLinear = cubesU.Total() / dSuu;
    const double dConstant = dSuu / dCount;
    CCompensatedSum residuals, squaresResiduals, productsP2, squaresP2;
    span.ForEachFinite([&](double dX, double dY) {
        const double dDevU = u(dX) - dMeanU;
        const double dDevV = v(dY) - dMeanV;
        const double dResidual = dDevV - dSlope * dDevU;
        residuals.Add(dResidual);
        squaresResiduals.Add(dResidual * dResidual);
        const double dP2 = dDevU * dDevU - dLinear * dDevU - dConstant;
        productsP2.Add(dDevV * dP2);
        squaresP2.Add(dP2 * dP2);
    });
    const double dRss = CorrectedSquares(squaresResiduals, residuals, dCount);
    stats.dResidualStd = std::ldexp(std::sqrt(dRss / (dCount - 2.0)), nExpY);

    // Two different x leave p2 at 0 but for rounding.
    if (squaresP2.Total() > 1e-12 * dSuu * dSuu / dCount)
        stats.dQuadratic = std::ldexp(productsP2.Total() / squaresP2.Total(), nExpY - 2 * nExpX);
    return stats;
}

// The first index whose x is past the bound, by bisection on the ascending x. A NaN x has no
// place in the order: it takes that of the x before it, so that it neither hides the points
// around it from the search nor sends the search the wrong way. Stays within the array,
// whatever the order.
template <typename Past> std::size_t FirstIndexPast(const SSpan& span, Past bPast) {
    std::size_t nLow = span.nBegin;
    std::size_t nHigh = span.nEnd;
    while (nLow < nHigh) {
        const std::size_t nMiddle = nLow + (nHigh - nLow) / 2;
        // Every index before nLow is known not to be past: a run of NaN down to it is not.
        std::size_t nProbe = nMiddle;
        while (nProbe > nLow && std::isnan(span.X(nProbe)))
            --nProbe;
        if (bPast(span.X(nProbe)))
            nHigh = nProbe;
        else
            nLow = nMiddle + 1;
    }
    return nLow;
}

} // namespace

SSeriesStatistics ComputeStatistics(const double* pX, const double* pY, std::size_t nPoints,
                                    std::size_t nStride) {
    return Compute(SSpan{pX, pY, 0, nPoints, nStride, nStride});
}

SSeriesStatistics ComputeStatistics(const double* pX, std::size_t nStrideX, const double* pY,
                                    std::size_t nStrideY, std::size_t nPoints) {
    return Compute(SSpan{pX, pY, 0, nPoints, nStrideX, nStrideY});
}

SSeriesStatistics ComputeStatisticsIn(const double* pX, const double* pY, std::size_t nPoints,
                                      double dFromX, double dToX, std::size_t nStride) {
    const SSpan all{pX, pY, 0, nPoints, nStride, nStride};
    const std::size_t nBegin = FirstIndexPast(all, [dFromX](double dX) { return dX >= dFromX; });
    const std::size_t nEnd = FirstIndexPast(all, [dToX](double dX) { return dX > dToX; });
    return Compute(SSpan{pX, pY, nBegin, std::max(nBegin, nEnd), nStride, nStride});
}

SFrequency FrequencyOf(const SSeriesStatistics& stats, double dSecondsPerUnit) {
    return {stats.dSlope * dSecondsPerUnit / SECONDS_PER_DAY,
            2.0 * stats.dQuadratic * dSecondsPerUnit / SECONDS_PER_DAY};
}
