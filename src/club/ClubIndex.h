#pragma once
// The club list's two arrays side by side: its records in list order, and each record's id
// beside it for the search. Both live in one piece of memory, which is either the index's own
// or, ahead of a load, a piece of the list's storage handed to it (Adopt), so that a large
// table fills one block of memory; when it outgrows a borrowed piece it moves to one of its
// own.

#include <cstddef>
#include <cstdint>

class CGolfClub;

class ClubIndex {
public:
    ClubIndex() = default;
    ~ClubIndex() { Clear(); }
    ClubIndex(const ClubIndex&) = delete;
    ClubIndex& operator=(const ClubIndex&) = delete;

    // The bytes that room for `count` entries takes.
    static constexpr std::size_t BytesFor(std::size_t count) {
        return count * (sizeof(CGolfClub*) + sizeof(std::int32_t));
    }

    std::size_t Size() const { return m_size; }
    std::size_t Capacity() const { return m_capacity; }
    bool Empty() const { return m_size == 0; }
    CGolfClub* Record(std::size_t i) const { return m_records[i]; }
    const std::int32_t* Ids() const { return m_ids; }

    // Room for `count` entries in all; throws std::bad_alloc when there is none.
    void Reserve(std::size_t count);
    // Room for `count` entries in `storage` (BytesFor(count) bytes, aligned for a pointer),
    // which the caller keeps for as long as the index uses it; ignored unless it is more room
    // than the index has.
    void Adopt(void* storage, std::size_t count);
    // Appends; the room must be there (Reserve).
    void PushBack(CGolfClub* record, std::int32_t id) {
        m_records[m_size] = record;
        m_ids[m_size] = id;
        ++m_size;
    }
    // Inserts before entry `index`, making room when needed.
    void Insert(std::size_t index, CGolfClub* record, std::int32_t id);
    void Erase(std::size_t index);
    // Empties the index and gives back its own memory.
    void Clear();

private:
    enum class Storage { Borrowed, Heap, Pages };
    void MoveTo(void* storage, std::size_t capacity, Storage kind);
    void FreeStorage() noexcept;

    CGolfClub** m_records = nullptr;
    std::int32_t* m_ids = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    Storage m_storage = Storage::Borrowed;
};
