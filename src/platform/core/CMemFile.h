#pragma once

#include "platform/core/CFile.h"

// A file held in one block of memory. Created empty it grows in steps of nGrowBytes;
// attached over a caller's block with a grow step of 0 it is fixed to that block's size.
// The block comes from malloc, so that Detach can hand it over to be freed with free().
class CMemFile : public CFile {
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the block to the caller, who frees it; the file is left empty.
    [[nodiscard]] BYTE* Detach();

    BOOL Open(const CString& strFileName, UINT nOpenFlags,
              CFileException* pError = nullptr) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override {}
    void Close() override;
    void Abort() override;
    std::uint64_t GetLength() const override { return m_nFileSize; }
    std::uint64_t GetPosition() const override { return m_nPosition; }
    std::uint64_t Seek(std::int64_t lOff, UINT nFrom) override;

private:
    void Release();
    void GrowFile(std::size_t nNewSize);

    UINT m_nGrowBytes;
    std::size_t m_nPosition = 0;
    std::size_t m_nBufferSize = 0;
    std::size_t m_nFileSize = 0;
    BYTE* m_lpBuffer = nullptr;
    bool m_bAutoDelete = true;
};
