#pragma once

#include "platform/core/CException.h"

// A failure inside an archive: the data ended early or could not be read as what was asked.
class CArchiveException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
        bufferFull = 8,
    };

    explicit CArchiveException(Cause cause = none) : m_cause(cause) {}
    const char* what() const noexcept override {
        return m_cause == endOfFile ? "archive: unexpected end of file" : "archive: bad data";
    }

    Cause m_cause;
};
