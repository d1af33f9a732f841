#include "chartcontrol/PointPairs.h"

#include "chartcontrol/AutomationDate.h"
#include "data/Parallel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

CPointPairs::CPointPairs(std::shared_ptr<double> pPairs, std::size_t nPoints, bool bDatePlaces)
    : m_pPairs(std::move(pPairs)), m_nPoints(nPoints), m_bDates(bDatePlaces) {
    // Drawn as it is when the places are finite and in order and no y is infinite: seen block
    // by block as the values are indexed, in runs on every core for a long block.
    constexpr std::size_t ALONE_BELOW = 100000;
    std::vector<char> drawable(RunsFor(nPoints, ALONE_BELOW), true);
    auto pIndex = std::make_shared<CValueIndex>();
    pIndex->Build(m_pPairs.get() + 1, 2, nPoints, drawable.size(),
                  [&](std::size_t nRun, std::size_t nBegin, std::size_t nEnd) {
                      const double* pPair = m_pPairs.get() + 2 * nBegin;
                      bool bDrawable = true;
                      double dLastKey = nBegin > 0 ? pPair[-2] : pPair[0];
                      for (std::size_t i = nBegin; i < nEnd; ++i, pPair += 2) {
                          bDrawable &= std::isfinite(pPair[0]) & (pPair[0] >= dLastKey) &
                                       !std::isinf(pPair[1]);
                          dLastKey = pPair[0];
                      }
                      drawable[nRun] &= bDrawable;
                  });
    m_bDrawable = std::all_of(drawable.begin(), drawable.end(), [](char b) { return b != 0; });
    if (!m_bDrawable || nPoints == 0)
        return;
    m_extents.dFirstKey = Key(0);
    m_extents.dLastKey = Key(nPoints - 1);
    std::size_t nMin = 0;
    std::size_t nMax = 0;
    if (pIndex->Extremes(0, nPoints, nMin, nMax)) {
        m_extents.nDrawn = pIndex->Numbers(0, nPoints);
        m_extents.dMinY = Y(nMin);
        m_extents.dMaxY = Y(nMax);
        std::size_t nFirst = 0;
        while (std::isnan(Y(nFirst)))
            ++nFirst;
        std::size_t nLast = nPoints - 1;
        while (std::isnan(Y(nLast)))
            --nLast;
        m_extents.dFirstDrawnKey = Key(nFirst);
        m_extents.dLastDrawnKey = Key(nLast);
    }
    m_pIndex = std::move(pIndex);
}

double CPointPairs::X(std::size_t i) const {
    return m_bDates ? UnixSecondsToAutomationDate(Key(i)) : Key(i);
}
