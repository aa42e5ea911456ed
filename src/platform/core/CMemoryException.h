#pragma once

#include "platform/core/CException.h"

// The heap (or a fixed memory block) could not give what was asked for.
class CMemoryException : public CException {
public:
    const char* what() const noexcept override { return "out of memory"; }
};
