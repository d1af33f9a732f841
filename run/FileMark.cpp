#include "run/FileMark.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

std::string CFileMark::Tail(const std::string& strPath, long long nEnd) {
    std::string strTail(static_cast<std::size_t>(std::min(TAIL_BYTES, nEnd)), '\0');
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
        return {};
    const bool bRead =
        std::fseek(pFile, static_cast<long>(nEnd) - static_cast<long>(strTail.size()), SEEK_SET) ==
            0 &&
        std::fread(strTail.data(), 1, strTail.size(), pFile) == strTail.size();
    std::fclose(pFile);
    return bRead ? strTail : std::string();
}

void CFileMark::Take(const std::string& strPath, long long nBytes) {
    struct stat status {};
    m_bTaken = ::stat(strPath.c_str(), &status) == 0;
    m_device = status.st_dev;
    m_inode = status.st_ino;
    m_nBytes = nBytes;
    m_strTail = Tail(strPath, nBytes);
}

bool CFileMark::OnlyGrown(const std::string& strPath) const {
    struct stat status {};
    return m_bTaken && m_nBytes > 0 && ::stat(strPath.c_str(), &status) == 0 &&
           status.st_dev == m_device && status.st_ino == m_inode && status.st_size >= m_nBytes &&
           Tail(strPath, m_nBytes) == m_strTail;
}
