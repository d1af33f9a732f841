#include "data/ByteDigest.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t PRIME = (std::uint64_t{1} << 61) - 1;
// Any number from 2 to PRIME - 2 does; this one has no pattern a text could echo.
constexpr std::uint64_t BASE = 0x0B5AD4ECEDA1CE2AULL % PRIME;
// Words summed a chunk at a time: small enough to stay in the first-level cache.
constexpr std::size_t CHUNK_WORDS = 2048;
// Independent sums over every LANES-th word, so that the multiplications overlap.
constexpr std::size_t LANES = 4;

// The full product of two 64-bit numbers: one instruction on the machines Verlo runs on.
__extension__ typedef unsigned __int128 UInt128;

// Below 2^61 + 8, congruent to n.
constexpr std::uint64_t Fold(std::uint64_t n) {
    return (n & PRIME) + (n >> 61);
}

// For a * b below 2^124 (both folded, one plus a folded word, say): below 2^61 + 8,
// congruent to a * b.
constexpr std::uint64_t MultiplyFolded(std::uint64_t a, std::uint64_t b) {
    const UInt128 product = static_cast<UInt128>(a) * b;
    return Fold((static_cast<std::uint64_t>(product) & PRIME) +
                static_cast<std::uint64_t>(product >> 61));
}

constexpr std::uint64_t Power(std::uint64_t nBase, std::uint64_t nExponent) {
    std::uint64_t nResult = 1;
    for (; nExponent != 0; nExponent >>= 1) {
        if (nExponent & 1)
            nResult = MultiplyFolded(nResult, nBase);
        nBase = MultiplyFolded(nBase, nBase);
    }
    return nResult;
}

constexpr std::uint64_t BASE_LANES = Power(BASE, LANES);
constexpr std::uint64_t BASE_CHUNK = Power(BASE, CHUNK_WORDS);

std::uint64_t Word(const unsigned char* p) {
    std::uint64_t n = 0;
    std::memcpy(&n, p, sizeof n);
    return n;
}

// The sum of nWords words (a multiple of LANES), each times BASE to the power of its place in
// them. Each lane sums its words backwards, by Horner's rule in BASE^LANES.
std::uint64_t ChunkSum(const unsigned char* pWords, std::size_t nWords) {
    std::uint64_t lane[LANES] = {};
    for (std::size_t i = nWords; i != 0;) {
        i -= LANES;
        for (std::size_t l = 0; l < LANES; ++l)
            lane[l] = MultiplyFolded(lane[l], BASE_LANES) + Fold(Word(pWords + 8 * (i + l)));
    }
    std::uint64_t nSum = 0;
    std::uint64_t nWeight = 1;
    for (std::size_t l = 0; l < LANES; ++l) {
        nSum = Fold(nSum + MultiplyFolded(Fold(lane[l]), nWeight));
        nWeight = MultiplyFolded(nWeight, BASE);
    }
    return nSum;
}

} // namespace

void CByteDigest::AddFew(const unsigned char* pBytes, std::size_t nBytes) {
    for (std::size_t i = 0; i < nBytes; ++i, ++m_nEnd) {
        const auto nPlace = static_cast<std::uint64_t>(m_nEnd);
        const std::uint64_t nShare = Fold(std::uint64_t{pBytes[i]} << (8 * (nPlace % 8)));
        m_nSum = Fold(m_nSum + MultiplyFolded(nShare, Power(BASE, nPlace / 8)));
    }
}

void CByteDigest::Add(const void* pBytes, std::size_t nBytes) {
    const auto* p = static_cast<const unsigned char*>(pBytes);
    // Bytes up to a word's start one at a time; then whole groups of LANES words.
    const std::size_t nHead = std::min<std::size_t>(nBytes, (8 - m_nEnd % 8) % 8);
    AddFew(p, nHead);
    p += nHead;
    nBytes -= nHead;
    std::size_t nWords = nBytes / 8 / LANES * LANES;
    std::uint64_t nWeight = Power(BASE, static_cast<std::uint64_t>(m_nEnd) / 8);
    while (nWords != 0) {
        const std::size_t nChunk = std::min(nWords, CHUNK_WORDS);
        m_nSum = Fold(m_nSum + MultiplyFolded(ChunkSum(p, nChunk), nWeight));
        nWeight = MultiplyFolded(nWeight, BASE_CHUNK);
        p += 8 * nChunk;
        nBytes -= 8 * nChunk;
        m_nEnd += static_cast<long long>(8 * nChunk);
        nWords -= nChunk;
    }
    AddFew(p, nBytes);
}

bool CByteDigest::Append(const CByteDigest& next) {
    if (next.m_nStart != m_nEnd)
        return false;
    m_nSum = Fold(m_nSum + next.m_nSum);
    m_nEnd = next.m_nEnd;
    return true;
}

std::uint64_t CByteDigest::Value() const {
    std::uint64_t nValue = Fold(m_nSum);
    while (nValue >= PRIME)
        nValue -= PRIME;
    return nValue;
}
