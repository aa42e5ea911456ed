#include "club/ClubList.h"

#include "club/ClubRecordBytes.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemoryException.h"

#include <algorithm>
#include <new>

namespace {

// What a record takes in the list's storage beyond the bytes of its texts in the file.
constexpr std::size_t kStorageBeyondFile = sizeof(CGolfClub) + 2 * CString::StorageSize(0);

} // namespace

void CClubList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::int32_t{0};
        ar << static_cast<std::int32_t>(GetCount());
        for (std::size_t i = 0; i < m_index.Size(); ++i) {
            m_index.Record(i)->Serialize(ar);
        }
        return;
    }
    std::int32_t leading = 0;
    std::int32_t count = 0;
    ar >> leading;
    ar >> count;
    LoadRecords(ar, std::min(count, kMaxClubs));
    if (count > kMaxClubs) { // the first of them are kept; the table is damaged
        throw CArchiveException(CArchiveException::badIndex);
    }
}

void CClubList::LoadRecords(CArchive& ar, std::int32_t count) {
    if (count <= 0) {
        return;
    }
    // Room for as many records as the rest of the file can hold, and no more: a count that
    // claims more is damage, found when the file ends.
    const auto expected = static_cast<std::size_t>(std::min<std::uint64_t>(
        static_cast<std::uint64_t>(count), ar.GetRemainingBytes() / club_record::kSmallestBytes));
    // The index of the whole table and its records in one block: a large table then fills
    // one piece of memory.
    const std::size_t indexBytes = ClubIndex::BytesFor(m_index.Size() + expected);
    try {
        m_arena.Reserve(indexBytes + static_cast<std::size_t>(ar.GetRemainingBytes()) +
                        expected * kStorageBeyondFile);
        m_index.Adopt(m_arena.Allocate(indexBytes, alignof(CGolfClub*)), m_index.Size() + expected);
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    struct TrimWhenDone {
        ClubArena& arena;
        ~TrimWhenDone() { arena.Trim(); }
    } trim{m_arena};
    for (std::int32_t i = 0; i < count; ++i) {
        if (LoadBufferedRecord(ar)) {
            continue;
        }
        const ClubArena::Mark mark = m_arena.GetMark();
        CGolfClub* club = nullptr;
        try {
            club = new (m_arena.Allocate(sizeof(CGolfClub), alignof(CGolfClub)))
                CGolfClub(CGolfClub::Unread{});
        } catch (const std::bad_alloc&) {
            throw CMemoryException();
        }
        // A record that cannot be read whole never enters the list.
        try {
            club->Serialize(ar);
            InsertAt(m_index.Size(), club);
        } catch (...) {
            club->~CGolfClub();
            m_arena.RollBack(mark);
            throw;
        }
    }
}

// The common case, taken whole from the archive's buffer (club_record::Find). The record and
// its texts go into the list's storage in one piece. False, with nothing read, for anything
// else; the general reading above then takes the record (and finds any damage in it).
bool CClubList::LoadBufferedRecord(CArchive& ar) {
    const BYTE* in = ar.GetBufferedData();
    club_record::Found found;
    if (!club_record::Find(in, ar.GetBufferedBytes(), found) ||
        m_index.Size() == m_index.Capacity()) {
        return false;
    }
    char* storage = nullptr;
    try {
        storage = static_cast<char*>(m_arena.Allocate(
            sizeof(CGolfClub) + club_record::TextStorageBytes(found), alignof(CGolfClub)));
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    auto* club = new (storage) CGolfClub(CGolfClub::Unread{});
    club_record::Read(in, found, *club, storage + sizeof(CGolfClub));
    ar.SkipBuffered(static_cast<UINT>(found.end));
    // The index has room: appending cannot fail.
    club->m_nListIndex = static_cast<std::int32_t>(m_index.Size());
    m_index.PushBack(club, club->m_nClubId);
    return true;
}
