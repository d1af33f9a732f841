#pragma once

#include "chartcontrol/ValueIndex.h"

#include <cstddef>
#include <memory>

// A series' points given as one block of (x, y) pairs, x of point i at 2i and y at 2i + 1,
// kept as the block itself, shared with whoever gave it, so that the chart draws from the block
// with no copy; the values are indexed once. x of a date axis come as their places on it: Unix
// seconds of dates to the millisecond, from which the automation dates come back exactly.
class CPointPairs {
public:
    // bDatePlaces: every x is a date to the millisecond as its Unix seconds.
    CPointPairs(std::shared_ptr<double> pPairs, std::size_t nPoints, bool bDatePlaces);

    std::size_t Size() const { return m_nPoints; }
    double X(std::size_t i) const;
    double Y(std::size_t i) const { return m_pPairs.get()[2 * i + 1]; }

    // Whether the block draws as it is on a date axis (bDates) or another: places for that
    // axis, finite and in order, and each y a finite number or none (a break in the line).
    bool DrawsAsItIs(bool bDates) const { return m_bDrawable && bDates == m_bDates; }
    // The places and values in pairs, as the chart draws them.
    const std::shared_ptr<double>& Pairs() const { return m_pPairs; }
    const std::shared_ptr<const CValueIndex>& Index() const { return m_pIndex; }
    // The first and last place; the points with a value that is a number, their first and last
    // place and their least and largest value. Known when the block draws as it is.
    struct SExtents {
        double dFirstKey = 0.0;
        double dLastKey = 0.0;
        std::size_t nDrawn = 0;
        double dFirstDrawnKey = 0.0;
        double dLastDrawnKey = 0.0;
        double dMinY = 0.0;
        double dMaxY = 0.0;
    };
    const SExtents& Extents() const { return m_extents; }

private:
    double Key(std::size_t i) const { return m_pPairs.get()[2 * i]; }

    std::shared_ptr<double> m_pPairs;
    std::size_t m_nPoints;
    bool m_bDates;
    bool m_bDrawable = true;
    std::shared_ptr<const CValueIndex> m_pIndex;
    SExtents m_extents;
};
