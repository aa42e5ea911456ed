#include "club/ClubList.h"

#include "platform/core/CArchive.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/COleDateTime.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace {

// The fewest bytes a record takes in the file: two words, an empty 8-bit text, two words,
// another empty text and two date-times.
constexpr std::uint64_t kSmallestRecordBytes = 4 + 4 + 1 + 4 + 4 + 1 + 12 + 12;
// What a record takes in the list's storage beyond the bytes of its texts in the file.
constexpr std::size_t kStorageBeyondFile = sizeof(CGolfClub) + 2 * CString::StorageSize(0);

std::uint32_t Le32(const BYTE* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4); // only on little-endian machines (LoadBufferedRecord)
    return v;
}

// A date-time at p, when its status is one that the archive accepts.
bool DateTimeAt(const BYTE* p, COleDateTime& dt) {
    const std::uint32_t status = Le32(p);
    if (status > COleDateTime::null) {
        return false;
    }
    std::uint64_t days = 0;
    std::memcpy(&days, p + 4, 8);
    dt.m_status = static_cast<COleDateTime::DateTimeStatus>(status);
    dt.m_dt = std::bit_cast<double>(days);
    return true;
}

// The length of a text in its usual short form at p (the UTF-16 tag and a one-byte length),
// or -1 for any other form.
int ShortTextLengthAt(const BYTE* p) {
    const std::uint32_t word = Le32(p);
    return (word & 0x00FFFFFFU) == 0x00FFFEFFU && (word >> 24) != 0xFF
               ? static_cast<int>(word >> 24)
               : -1;
}

// Copies the few bytes of a short text; small copies in two overlapping moves cost less
// than a general copy's start.
void CopyText(void* to, const void* from, std::size_t bytes) {
    auto* out = static_cast<char*>(to);
    const auto* in = static_cast<const char*>(from);
    if (bytes >= 16 && bytes <= 32) {
        std::memcpy(out, in, 16);
        std::memcpy(out + bytes - 16, in + bytes - 16, 16);
    } else if (bytes >= 8 && bytes < 16) {
        std::memcpy(out, in, 8);
        std::memcpy(out + bytes - 8, in + bytes - 8, 8);
    } else {
        std::memcpy(out, in, bytes);
    }
}

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
        static_cast<std::uint64_t>(count), ar.GetRemainingBytes() / kSmallestRecordBytes));
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

// The common case, taken whole from the archive's buffer: a record whose texts are short and
// in their usual form, and whose date-times are sound. The record and its texts go into the
// list's storage in one piece. False, with nothing read, for anything else; the general
// reading below then takes the record (and finds any damage in it).
bool CClubList::LoadBufferedRecord(CArchive& ar) {
    if constexpr (std::endian::native != std::endian::little) {
        return false;
    }
    const BYTE* in = ar.GetBufferedData();
    const UINT buffered = ar.GetBufferedBytes();
    constexpr UINT kExtraAt = 8;
    const int extra = buffered >= kExtraAt + 4 ? ShortTextLengthAt(in + kExtraAt) : -1;
    if (extra < 0) {
        return false;
    }
    const UINT nameAt = kExtraAt + 4 + 2 * static_cast<UINT>(extra) + 8;
    const int name = buffered >= nameAt + 4 ? ShortTextLengthAt(in + nameAt) : -1;
    if (name < 0) {
        return false;
    }
    const UINT datesAt = nameAt + 4 + 2 * static_cast<UINT>(name);
    const UINT end = datesAt + 24;
    COleDateTime created;
    COleDateTime modified;
    if (buffered < end || !DateTimeAt(in + datesAt, created) ||
        !DateTimeAt(in + datesAt + 12, modified) || m_index.Size() == m_index.Capacity()) {
        return false;
    }
    const std::size_t extraBytes =
        extra > 0 ? CString::StorageSize(static_cast<std::size_t>(extra)) : 0;
    const std::size_t nameBytes =
        name > 0 ? CString::StorageSize(static_cast<std::size_t>(name)) : 0;
    char* storage = nullptr;
    try {
        storage = static_cast<char*>(
            m_arena.Allocate(sizeof(CGolfClub) + extraBytes + nameBytes, alignof(CGolfClub)));
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    auto* club = new (storage) CGolfClub(CGolfClub::Unread{});
    club->m_nClubId = static_cast<std::int32_t>(Le32(in + 4));
    if (extra > 0) {
        CopyText(club->m_strExtra.UseStorage(storage + sizeof(CGolfClub), extra), in + kExtraAt + 4,
                 2 * static_cast<std::size_t>(extra));
    }
    club->m_nMaleDistance = static_cast<std::int32_t>(Le32(in + nameAt - 8));
    club->m_nFemaleDistance = static_cast<std::int32_t>(Le32(in + nameAt - 4));
    if (name > 0) {
        CopyText(club->m_strName.UseStorage(storage + sizeof(CGolfClub) + extraBytes, name),
                 in + nameAt + 4, 2 * static_cast<std::size_t>(name));
    }
    club->m_dtCreated = created;
    club->m_dtModified = modified;
    ar.SkipBuffered(end);
    // The index has room: appending cannot fail.
    club->m_nListIndex = static_cast<std::int32_t>(m_index.Size());
    m_index.PushBack(club, club->m_nClubId);
    return true;
}
