#pragma once

#include "platform/core/CException.h"
#include "platform/core/CString.h"

// A failure of a file operation, with the cause and the file it concerned.
class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(Cause cause = none, CString strFileName = {})
        : m_cause(cause), m_strFileName(std::move(strFileName)) {}
    const char* what() const noexcept override { return "file operation failed"; }

    Cause m_cause;
    CString m_strFileName;
};
