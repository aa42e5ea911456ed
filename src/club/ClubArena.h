#pragma once
// Where a club list keeps the records that a load reads, and their texts: large blocks
// taken from the system and filled front to back, record after record, so that a table of
// a hundred thousand clubs costs a handful of allocations instead of several per club. The
// list destroys the records in it; the blocks go back all at once.

#include <cstddef>
#include <vector>

class ClubArena {
public:
    ClubArena() = default;
    ~ClubArena() { Release(); }
    ClubArena(const ClubArena&) = delete;
    ClubArena& operator=(const ClubArena&) = delete;

    // Makes room for about `bytes` more ahead of a load, so that it fills one block.
    void Reserve(std::size_t bytes);
    // `bytes` of memory aligned to `alignment` (a power of two, at most 16); throws
    // std::bad_alloc when the system has none.
    void* Allocate(std::size_t bytes, std::size_t alignment) {
        if (!m_blocks.empty()) {
            Block& last = m_blocks.back();
            const std::size_t at = AlignUp(last.used, alignment);
            if (at <= last.size && last.size - at >= bytes) {
                last.used = at + bytes;
                return last.start + at;
            }
        }
        return AllocateInNewBlock(bytes, alignment);
    }

    // What has been allocated so far; RollBack gives back everything allocated after it
    // (a record that could not be read whole).
    struct Mark {
        std::size_t block = 0;
        std::size_t used = 0;
    };
    Mark GetMark() const {
        return m_blocks.empty() ? Mark{} : Mark{m_blocks.size() - 1, m_blocks.back().used};
    }
    void RollBack(const Mark& mark);

    // Gives back the pages that the last block does not use (once a load is done).
    void Trim();
    // Whether `p` lies in one of the blocks.
    bool Owns(const void* p) const;
    // Frees every block. Whatever was in them must be destroyed first.
    void Release();

private:
    static constexpr std::size_t AlignUp(std::size_t value, std::size_t alignment) {
        return (value + alignment - 1) & ~(alignment - 1);
    }
    struct Block {
        char* start;
        std::size_t size;
        std::size_t used;
        bool pages; // straight from the system (a large block), else from the heap
    };
    static void FreeBlock(const Block& block) noexcept;
    void AddBlock(std::size_t bytes);
    void* AllocateInNewBlock(std::size_t bytes, std::size_t alignment);

    std::vector<Block> m_blocks;
};
