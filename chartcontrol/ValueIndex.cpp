#include "chartcontrol/ValueIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

void CValueIndex::CountNumbersBefore() {
    m_numbersBefore.assign(m_blocks.size() + 1, 0);
    for (std::size_t b = 0; b < m_blocks.size(); ++b)
        m_numbersBefore[b + 1] = m_numbersBefore[b] + m_blocks[b].nNumbers;
}

void CValueIndex::IndexBlock(std::size_t b, std::size_t nPoints) {
    // The extremes first, with no branch on the data, then where they lie first: the smallest
    // and largest in the order of the points.
    const std::size_t nBegin = b * BLOCK;
    const std::size_t nEnd = std::min(nPoints, nBegin + BLOCK);
    double dMin = std::numeric_limits<double>::infinity();
    double dMax = -dMin;
    std::size_t nNumbers = 0;
    for (std::size_t i = nBegin; i < nEnd; ++i) {
        const double dValue = Value(i);
        nNumbers += !std::isnan(dValue);
        dMin = dValue < dMin ? dValue : dMin;
        dMax = dValue > dMax ? dValue : dMax;
    }
    SBlock& block = m_blocks[b];
    block.nNumbers = nNumbers;
    if (nNumbers > 0) {
        block.nMin = nBegin;
        while (!(Value(block.nMin) == dMin))
            ++block.nMin;
        block.nMax = nBegin;
        while (!(Value(block.nMax) == dMax))
            ++block.nMax;
    }
}

template <class Point, class Block>
void CValueIndex::Walk(std::size_t nBegin, std::size_t nEnd, Point visit, Block visitBlock) const {
    std::size_t i = nBegin;
    for (; i < nEnd && i % BLOCK != 0; ++i)
        visit(i);
    for (; i + BLOCK <= nEnd; i += BLOCK)
        visitBlock(i / BLOCK);
    for (; i < nEnd; ++i)
        visit(i);
}

bool CValueIndex::Extremes(std::size_t nBegin, std::size_t nEnd, std::size_t& nMin,
                           std::size_t& nMax) const {
    bool bFound = false;
    const auto take = [&](std::size_t nLow, std::size_t nHigh) {
        if (!bFound || Value(nLow) < Value(nMin))
            nMin = nLow;
        if (!bFound || Value(nHigh) > Value(nMax))
            nMax = nHigh;
        bFound = true;
    };
    Walk(
        nBegin, nEnd,
        [&](std::size_t i) {
            if (!std::isnan(Value(i)))
                take(i, i);
        },
        [&](std::size_t b) {
            if (m_blocks[b].nNumbers)
                take(m_blocks[b].nMin, m_blocks[b].nMax);
        });
    return bFound;
}

std::size_t CValueIndex::Numbers(std::size_t nBegin, std::size_t nEnd) const {
    std::size_t nCount = 0;
    const std::size_t nFirstWhole = (nBegin + BLOCK - 1) / BLOCK;
    const std::size_t nEndWhole = nEnd / BLOCK;
    if (nFirstWhole >= nEndWhole) {
        for (std::size_t i = nBegin; i < nEnd; ++i)
            nCount += !std::isnan(Value(i));
        return nCount;
    }
    for (std::size_t i = nBegin; i < nFirstWhole * BLOCK; ++i)
        nCount += !std::isnan(Value(i));
    for (std::size_t i = nEndWhole * BLOCK; i < nEnd; ++i)
        nCount += !std::isnan(Value(i));
    return nCount + m_numbersBefore[nEndWhole] - m_numbersBefore[nFirstWhole];
}

void CValueIndex::Outside(std::size_t nBegin, std::size_t nEnd, double dLower, double dUpper,
                          std::size_t& nBelow, std::size_t& nAbove) const {
    nBelow = nAbove = 0;
    const auto count = [&](std::size_t i) {
        nBelow += Value(i) < dLower;
        nAbove += Value(i) > dUpper;
    };
    Walk(nBegin, nEnd, count, [&](std::size_t b) {
        const SBlock& block = m_blocks[b];
        if (block.nNumbers == 0 || (Value(block.nMin) >= dLower && Value(block.nMax) <= dUpper))
            return;
        // A block wholly on one side counts at once.
        if (dLower <= dUpper && Value(block.nMax) < dLower) {
            nBelow += block.nNumbers;
            return;
        }
        if (dLower <= dUpper && Value(block.nMin) > dUpper) {
            nAbove += block.nNumbers;
            return;
        }
        for (std::size_t i = b * BLOCK; i < (b + 1) * BLOCK; ++i)
            count(i);
    });
}
