#pragma once

#include "platform/core/CMemFile.h"

#include <cstdlib>
#include <vector>

// What a memory file holds, taken out of it: the file gives up its block, which is freed
// here once copied.
inline std::vector<BYTE> TakeBytes(CMemFile& file) {
    const auto length = static_cast<std::size_t>(file.GetLength());
    BYTE* block = file.Detach();
    std::vector<BYTE> bytes(block, block + length);
    std::free(block);
    return bytes;
}
