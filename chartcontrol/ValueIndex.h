#pragma once

#include "data/Parallel.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// Where the smallest and largest values of a long series lie over any run of its points, and
// how many of its values lie below or above a range, without looking at every point: the
// values in blocks of BLOCK points, each block's extremes and count of numbers kept. A run
// costs the blocks it spans and the points of the two blocks at its ends. Values that are not
// numbers (breaks in the line) count nowhere.
class CValueIndex {
public:
    static constexpr std::size_t BLOCK = 64;
    // Shorter series draw as fast point by point, without one.
    static constexpr std::size_t LONG_SERIES = 20000;

    // Indexes the values of nPoints points, one every nStride doubles from pValues; they must
    // stay as they are while the index is used. A long series is indexed in nRuns runs of
    // blocks at once; onBlock(nRun, nBegin, nEnd) sees the points of each block right after it,
    // on the run's thread, while they are in the caches.
    template <class OnBlock>
    void Build(const double* pValues, std::size_t nStride, std::size_t nPoints, std::size_t nRuns,
               const OnBlock& onBlock) {
        m_pValues = pValues;
        m_nStride = nStride;
        m_blocks.assign((nPoints + BLOCK - 1) / BLOCK, SBlock());
        InRuns(m_blocks.size(), nRuns, 1,
               [&](std::size_t nRun, std::size_t nFirst, std::size_t nEnd) {
                   for (std::size_t b = nFirst; b < nEnd; ++b) {
                       IndexBlock(b, nPoints);
                       onBlock(nRun, b * BLOCK, std::min(nPoints, (b + 1) * BLOCK));
                   }
               });
        CountNumbersBefore();
    }
    void Build(const double* pValues, std::size_t nStride, std::size_t nPoints) {
        // A million points take a millisecond a core; starting a thread, some microseconds.
        Build(pValues, nStride, nPoints, RunsFor(nPoints, 100000),
              [](std::size_t, std::size_t, std::size_t) {});
    }
    bool IsEmpty() const { return m_blocks.empty(); }

    // The indices of the smallest and of the largest value among points [nBegin, nEnd); false
    // when none of them is a number.
    bool Extremes(std::size_t nBegin, std::size_t nEnd, std::size_t& nMin, std::size_t& nMax) const;
    // How many values among points [nBegin, nEnd) are numbers.
    std::size_t Numbers(std::size_t nBegin, std::size_t nEnd) const;
    // How many values among points [nBegin, nEnd) lie below dLower and above dUpper.
    void Outside(std::size_t nBegin, std::size_t nEnd, double dLower, double dUpper,
                 std::size_t& nBelow, std::size_t& nAbove) const;

private:
    struct SBlock {
        std::size_t nMin = 0; // index of the smallest number
        std::size_t nMax = 0;
        std::size_t nNumbers = 0;
    };
    double Value(std::size_t i) const { return m_pValues[i * m_nStride]; }
    void IndexBlock(std::size_t b, std::size_t nPoints);
    void CountNumbersBefore();
    // Calls visit(i) for the points at the ends of [nBegin, nEnd) and visitBlock(b) for the
    // whole blocks between.
    template <class Point, class Block>
    void Walk(std::size_t nBegin, std::size_t nEnd, Point visit, Block visitBlock) const;

    const double* m_pValues = nullptr;
    std::size_t m_nStride = 1;
    std::vector<SBlock> m_blocks;
    // Numbers in the blocks before each block, for counts of long runs at once.
    std::vector<std::size_t> m_numbersBefore;
};
