#pragma once
// Memory straight from the operating system, in whole pages, for large tables that are
// filled at once: no allocator's bookkeeping per piece, and large blocks are backed by large
// pages where the system offers them, so that filling them costs a fraction of the page
// faults. New pages read as zero.

#include <cstddef>

// At least `bytes` of memory, aligned to a page; throws std::bad_alloc when there is none.
void* AllocatePages(std::size_t bytes);
// Gives back all pages from `keepBytes` on of a block of `bytes` (both as passed before);
// the block keeps its address and its first keepBytes.
void TrimPages(void* block, std::size_t bytes, std::size_t keepBytes) noexcept;
// Frees a block of `bytes` (as passed to AllocatePages, or kept by TrimPages).
void FreePages(void* block, std::size_t bytes) noexcept;
