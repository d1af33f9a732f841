#pragma once

#include "data/ByteDigest.h"

#include <sys/types.h>

struct CReadReport;

// How --watch treats the file at each look, whoever tells it when to look: whether the file
// only grew since the last read, so that reading on from there gives the whole, or must be
// read anew; and whether what a read found is shown, held back, or looked at again first.
class CReloadPolicy {
public:
    enum class ERead {
        Unchanged, // the same file with the bytes of the last read, and nothing more
        Grown,     // the same file with the bytes of the last read first: read on from Offset
        Rewritten, // another file, or a byte of the last read changed or gone: read it anew
    };
    enum class EVerdict {
        Show,
        Hold,       // a set of the shown graph still waits for its "&": keep the chart, with a note
        SecondLook, // fewer points than shown: look again after a quiet moment before believing it
        ShowFewer,  // the same fewer points at the second look: show them, with a note
    };

    // After a read of the open file nFile into a store that reports report (every read of
    // that store so far): the next look compares the file with what was read.
    void Mark(int nFile, const CReadReport& report);
    // How to read the file open as nFile now.
    ERead HowToRead(int nFile) const;
    long long Offset() const { return m_read.End(); }

    // What to do with a read that holds nPoints points of the shown graph, bOpenSet when a set
    // of that graph waits for its "&".
    EVerdict Judge(long long nPoints, bool bOpenSet);
    // A read that holds nPoints points of the shown graph is shown.
    void Shown(long long nPoints);
    long long ShownPoints() const { return m_nShownPoints; }

private:
    bool m_bMarked = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    CByteDigest m_read;
    long long m_nShownPoints = 0;
    long long m_nFewerPoints = -1; // a smaller count once read, waiting to be read again
};
