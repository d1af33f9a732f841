#include "data/ByteDigest.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::uint64_t GOLDEN = 0x9E3779B97F4A7C15ULL;
// Words a block: the keys of a block's places come from a table, offset by the block's place.
constexpr std::size_t BLOCK_WORDS = 64;

// SplitMix64's outputs: keys without a pattern a text could echo.
constexpr std::array<std::uint64_t, BLOCK_WORDS> MakeKeys() {
    std::array<std::uint64_t, BLOCK_WORDS> keys{};
    std::uint64_t nState = 0x243F6A8885A308D3ULL;
    for (std::uint64_t& nKey : keys) {
        std::uint64_t z = nState += GOLDEN;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        nKey = z ^ (z >> 31);
    }
    return keys;
}
constexpr std::array<std::uint64_t, BLOCK_WORDS> KEYS = MakeKeys();

// The share of word nWord at word place nPlace. The halves' product is 32 by 32 bits, which
// the vector units do two or four at a time.
std::uint64_t Share(std::uint64_t nWord, std::uint64_t nKey) {
    const std::uint64_t nMixed = nWord ^ nKey;
    return nWord + static_cast<std::uint64_t>(static_cast<std::uint32_t>(nMixed)) *
                       static_cast<std::uint32_t>(nMixed >> 32);
}

std::uint64_t KeyOf(std::uint64_t nPlace) {
    return KEYS[nPlace % BLOCK_WORDS] + nPlace / BLOCK_WORDS * GOLDEN;
}

std::uint64_t Word(const unsigned char* p) {
    std::uint64_t n = 0;
    std::memcpy(&n, p, sizeof n);
    return n;
}

// The shares of nWords whole words from word place nPlace on.
std::uint64_t SumOfWords(const unsigned char* p, std::uint64_t nPlace, std::size_t nWords) {
    std::uint64_t nSum = 0;
    // One at a time up to a block's start and after the last whole block; blocks in one loop
    // of fixed length, which the compiler turns into vector code.
    for (; nWords != 0 && nPlace % BLOCK_WORDS != 0; --nWords, ++nPlace, p += 8)
        nSum += Share(Word(p), KeyOf(nPlace));
    for (; nWords >= BLOCK_WORDS; nWords -= BLOCK_WORDS, nPlace += BLOCK_WORDS) {
        const std::uint64_t nBlockKey = nPlace / BLOCK_WORDS * GOLDEN;
        for (std::size_t i = 0; i < BLOCK_WORDS; ++i, p += 8)
            nSum += Share(Word(p), KEYS[i] + nBlockKey);
    }
    for (; nWords != 0; --nWords, ++nPlace, p += 8)
        nSum += Share(Word(p), KeyOf(nPlace));
    return nSum;
}

} // namespace

void CByteDigest::Hold(const SPartWord& part) {
    SPartWord* pHeld = std::find_if(m_parts, m_parts + m_nParts, [&](const SPartWord& held) {
        return held.nPlace == part.nPlace;
    });
    if (pHeld == m_parts + m_nParts) {
        *pHeld = part;
        ++m_nParts;
    } else {
        pHeld->nBytes |= part.nBytes;
        pHeld->nHeld |= part.nHeld;
    }
    if (pHeld->nHeld == 0xFF) {
        m_nSum += Share(pHeld->nBytes, KeyOf(pHeld->nPlace));
        *pHeld = m_parts[--m_nParts];
    }
}

void CByteDigest::AddWithinWord(const unsigned char* pBytes, std::size_t nBytes) {
    SPartWord part;
    part.nPlace = static_cast<std::uint64_t>(m_nEnd) / 8;
    for (std::size_t i = 0; i < nBytes; ++i, ++m_nEnd) {
        const unsigned nByte = static_cast<unsigned>(m_nEnd % 8);
        part.nBytes |= std::uint64_t{pBytes[i]} << (8 * nByte);
        part.nHeld |= 1u << nByte;
    }
    if (nBytes != 0)
        Hold(part);
}

void CByteDigest::Add(const void* pBytes, std::size_t nBytes) {
    const auto* p = static_cast<const unsigned char*>(pBytes);
    const std::size_t nHead = std::min<std::size_t>(nBytes, (8 - m_nEnd % 8) % 8);
    AddWithinWord(p, nHead);
    p += nHead;
    nBytes -= nHead;
    const std::size_t nWords = nBytes / 8;
    m_nSum += SumOfWords(p, static_cast<std::uint64_t>(m_nEnd) / 8, nWords);
    m_nEnd += static_cast<long long>(8 * nWords);
    AddWithinWord(p + 8 * nWords, nBytes % 8);
}

bool CByteDigest::Append(const CByteDigest& next) {
    if (next.m_nStart != m_nEnd)
        return false;
    m_nSum += next.m_nSum;
    for (int i = 0; i < next.m_nParts; ++i)
        Hold(next.m_parts[i]);
    m_nEnd = next.m_nEnd;
    return true;
}

std::uint64_t CByteDigest::Value() const {
    std::uint64_t nValue = m_nSum;
    for (int i = 0; i < m_nParts; ++i)
        nValue += Share(m_parts[i].nBytes, KeyOf(m_parts[i].nPlace));
    return nValue;
}
