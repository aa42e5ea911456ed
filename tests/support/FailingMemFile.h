#pragma once

#include "platform/core/CMemFile.h"

#include <algorithm>
#include <cstdint>

// A memory file that takes nBytes and then fails every write as a full disk does, having
// written what still fitted: to drive a writer into its failure paths at any byte.
class CFailingMemFile : public CMemFile {
public:
    explicit CFailingMemFile(std::uint64_t nBytes) : m_nLeft(nBytes) {}

    void Write(const void* lpBuf, UINT nCount) override {
        const auto n = static_cast<UINT>(std::min<std::uint64_t>(nCount, m_nLeft));
        CMemFile::Write(lpBuf, n);
        m_nLeft -= n;
        if (n < nCount) {
            throw CFileException(CFileException::diskFull);
        }
    }

private:
    std::uint64_t m_nLeft;
};
