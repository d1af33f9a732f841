#pragma once

#include <string>
#include <sys/types.h>

// Where the last read of a file ended, and enough of what it read to tell, at the next change,
// whether the file only grew: the same file (not one renamed into place), at least as long,
// and the bytes before that end as they were.
class CFileMark {
public:
    // After a read of nBytes of strPath that ended at the end of a line.
    void Take(const std::string& strPath, long long nBytes);
    void Forget() { m_bTaken = false; }
    // Whether strPath now holds what was read, with at most more after it.
    bool OnlyGrown(const std::string& strPath) const;
    long long Offset() const { return m_nBytes; }

private:
    static constexpr long long TAIL_BYTES = 4096;
    // The last TAIL_BYTES before nEnd; empty when the file cannot be read there.
    static std::string Tail(const std::string& strPath, long long nEnd);

    bool m_bTaken = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    long long m_nBytes = 0;
    std::string m_strTail;
};
