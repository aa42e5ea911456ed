#include "platform/core/PageMemory.h"

#include "platform/core/Win32Api.h"

#include <algorithm>
#include <new>

namespace {

std::size_t PageSize() {
    static const std::size_t size = [] {
        SYSTEM_INFO info{};
        ::GetSystemInfo(&info);
        return static_cast<std::size_t>(info.dwPageSize);
    }();
    return size;
}

// The size a block of `bytes` takes: `bytes` rounded up to whole pages, at least one page.
std::size_t RoundUpToPages(std::size_t bytes) {
    const std::size_t unit = PageSize();
    return (std::max<std::size_t>(bytes, 1) + unit - 1) / unit * unit;
}

} // namespace

void* AllocatePages(std::size_t bytes) {
    // Committed pages take no memory before they are first written.
    void* block =
        ::VirtualAlloc(nullptr, bytes == 0 ? 1 : bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void TrimPages(void* block, std::size_t bytes, std::size_t keepBytes) noexcept {
    const std::size_t size = RoundUpToPages(bytes);
    const std::size_t keep = RoundUpToPages(keepBytes);
    if (block != nullptr && keep < size) {
        ::VirtualFree(static_cast<char*>(block) + keep, size - keep, MEM_DECOMMIT);
    }
}

void FreePages(void* block, std::size_t /*bytes*/) noexcept {
    if (block != nullptr) {
        ::VirtualFree(block, 0, MEM_RELEASE);
    }
}
