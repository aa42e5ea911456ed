#include "club/ClubArena.h"

#include "platform/core/PageMemory.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <new>

namespace {

// The smallest block.
constexpr std::size_t kSmallestBlock = 4096;
// Blocks from this size on come straight from the system, in pages; smaller ones (the
// tables people keep) from the heap, which costs no call to the system.
constexpr std::size_t kBlockPagesFrom = 256 * 1024;

} // namespace

void ClubArena::AddBlock(std::size_t bytes) {
    const std::size_t size = std::max(bytes, kSmallestBlock);
    m_blocks.reserve(m_blocks.size() + 1); // before the block, so that it cannot be lost
    const bool pages = size >= kBlockPagesFrom;
    void* start = pages ? AllocatePages(size) : ::operator new(size);
    m_blocks.push_back(Block{static_cast<char*>(start), size, 0, pages});
}

void ClubArena::Reserve(std::size_t bytes) {
    if (!m_blocks.empty() && m_blocks.back().size - m_blocks.back().used >= bytes) {
        return;
    }
    AddBlock(bytes);
}

void* ClubArena::AllocateInNewBlock(std::size_t bytes, std::size_t alignment) {
    // Each new block at least doubles what the arena holds, so that a table read in many
    // pieces still takes few blocks.
    const std::size_t held = m_blocks.empty() ? 0 : m_blocks.back().size;
    AddBlock(std::max(bytes + alignment, held * 2));
    Block& last = m_blocks.back();
    const std::size_t at = AlignUp(last.used, alignment);
    last.used = at + bytes;
    return last.start + at;
}

void ClubArena::RollBack(const Mark& mark) {
    // Blocks begun after the mark stay for what comes next; they are empty again.
    for (std::size_t i = mark.block; i < m_blocks.size(); ++i) {
        m_blocks[i].used = i == mark.block ? std::min(m_blocks[i].used, mark.used) : 0;
    }
}

void ClubArena::Trim() {
    if (m_blocks.empty()) {
        return;
    }
    Block& last = m_blocks.back();
    if (last.used == 0) {
        FreeBlock(last);
        m_blocks.pop_back();
        return;
    }
    if (last.pages) {
        TrimPages(last.start, last.size, last.used);
        last.size = last.used;
    }
}

bool ClubArena::Owns(const void* p) const {
    const std::less<const void*> before;
    return std::any_of(m_blocks.begin(), m_blocks.end(), [&](const Block& block) {
        return !before(p, block.start) && before(p, block.start + block.size);
    });
}

void ClubArena::FreeBlock(const Block& block) noexcept {
    if (block.pages) {
        FreePages(block.start, block.size);
    } else {
        ::operator delete(block.start);
    }
}

void ClubArena::Release() {
    for (const Block& block : m_blocks) {
        FreeBlock(block);
    }
    m_blocks.clear();
}
