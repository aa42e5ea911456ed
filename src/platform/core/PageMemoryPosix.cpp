#include "platform/core/PageMemory.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The size of a large page (a transparent huge page on Linux).
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t PageSize() {
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

// The size a block of `bytes` takes: `bytes` rounded up to whole pages, at least one page.
std::size_t RoundUpToPages(std::size_t bytes) {
    const std::size_t unit = PageSize();
    return (std::max<std::size_t>(bytes, 1) + unit - 1) / unit * unit;
}

} // namespace

void* AllocatePages(std::size_t bytes) {
    const std::size_t size = RoundUpToPages(bytes);
    if (size < kLargePage) {
        void* block =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) {
            throw std::bad_alloc();
        }
        return block;
    }
    // Reserved with room to start at a large page's boundary, the rest given back at once.
    const std::size_t reserved = size + kLargePage;
    void* raw =
        ::mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kLargePage - 1) & ~(std::uintptr_t{kLargePage} - 1);
    if (aligned > start) {
        ::munmap(raw, aligned - start);
    }
    const std::uintptr_t end = start + reserved;
    if (end > aligned + size) {
        ::munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    }
    void* block = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
    ::madvise(block, size, MADV_HUGEPAGE); // a hint: without it the block still works
#endif
    return block;
}

void TrimPages(void* block, std::size_t bytes, std::size_t keepBytes) noexcept {
    const std::size_t size = RoundUpToPages(bytes);
    const std::size_t keep = RoundUpToPages(keepBytes);
    if (block != nullptr && keep < size) {
        ::munmap(static_cast<char*>(block) + keep, size - keep);
    }
}

void FreePages(void* block, std::size_t bytes) noexcept {
    if (block != nullptr) {
        ::munmap(block, RoundUpToPages(bytes));
    }
}
