#include "club/ClubIndex.h"

#include "platform/core/PageMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// An index from this size on takes its memory straight from the system, in large pages where
// there are some: a search then meets few misses of the address translation.
constexpr std::size_t kIndexPagesFrom = std::size_t{1} << 20;

} // namespace

void ClubIndex::FreeStorage() noexcept {
    if (m_storage == Storage::Heap) {
        ::operator delete(m_records);
    } else if (m_storage == Storage::Pages) {
        FreePages(m_records, BytesFor(m_capacity));
    }
}

void ClubIndex::MoveTo(void* storage, std::size_t capacity, Storage kind) {
    auto* records = static_cast<CGolfClub**>(storage);
    auto* ids = reinterpret_cast<std::int32_t*>(records + capacity);
    if (m_size > 0) {
        std::memcpy(records, m_records, m_size * sizeof *records);
        std::memcpy(ids, m_ids, m_size * sizeof *ids);
    }
    FreeStorage();
    m_records = records;
    m_ids = ids;
    m_capacity = capacity;
    m_storage = kind;
}

void ClubIndex::Reserve(std::size_t count) {
    if (count <= m_capacity) {
        return;
    }
    const std::size_t bytes = BytesFor(count);
    if (bytes >= kIndexPagesFrom) {
        MoveTo(AllocatePages(bytes), count, Storage::Pages);
    } else {
        MoveTo(::operator new(bytes), count, Storage::Heap);
    }
}

void ClubIndex::Adopt(void* storage, std::size_t count) {
    if (count > m_capacity) {
        MoveTo(storage, count, Storage::Borrowed);
    }
}

void ClubIndex::Insert(std::size_t index, CGolfClub* record, std::int32_t id) {
    if (m_size == m_capacity) {
        Reserve(std::max<std::size_t>(8, m_capacity * 2));
    }
    const std::size_t after = m_size - index;
    std::memmove(m_records + index + 1, m_records + index, after * sizeof *m_records);
    std::memmove(m_ids + index + 1, m_ids + index, after * sizeof *m_ids);
    m_records[index] = record;
    m_ids[index] = id;
    ++m_size;
}

void ClubIndex::Erase(std::size_t index) {
    const std::size_t after = m_size - index - 1;
    std::memmove(m_records + index, m_records + index + 1, after * sizeof *m_records);
    std::memmove(m_ids + index, m_ids + index + 1, after * sizeof *m_ids);
    --m_size;
}

void ClubIndex::Clear() {
    FreeStorage();
    m_records = nullptr;
    m_ids = nullptr;
    m_size = 0;
    m_capacity = 0;
    m_storage = Storage::Borrowed;
}
