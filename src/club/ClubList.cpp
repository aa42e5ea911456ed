#include "club/ClubList.h"

IMPLEMENT_DYNCREATE(CClubList, CObject, 0)

namespace {

// Asks the processor to bring the memory at p closer; a hint only.
void PrefetchForReading(const void* p) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(p, 0, 3);
#else
    (void)p;
#endif
}

} // namespace

CClubList::POSITION CClubList::GetHeadPosition() const {
    return m_index.Empty() ? POSITION() : POSITION(m_index.Record(0));
}

CClubList::POSITION CClubList::GetTailPosition() const {
    return m_index.Empty() ? POSITION() : POSITION(m_index.Record(m_index.Size() - 1));
}

CClubList::POSITION CClubList::FindIndex(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return POSITION();
    }
    return POSITION(m_index.Record(static_cast<std::size_t>(nIndex)));
}

CGolfClub* CClubList::GetNext(POSITION& pos) const {
    CGolfClub* club = pos.m_record;
    const std::size_t next = IndexOf(club) + 1;
    pos = next < m_index.Size() ? POSITION(m_index.Record(next)) : POSITION();
    return club;
}

CGolfClub* CClubList::GetPrev(POSITION& pos) const {
    CGolfClub* club = pos.m_record;
    const std::size_t index = IndexOf(club);
    pos = index > 0 ? POSITION(m_index.Record(index - 1)) : POSITION();
    return club;
}

void CClubList::Renumber(std::size_t first) {
    for (std::size_t i = first; i < m_index.Size(); ++i) {
        m_index.Record(i)->m_nListIndex = static_cast<std::int32_t>(i);
    }
}

CClubList::POSITION CClubList::InsertAt(std::size_t index, CGolfClub* record) {
    m_index.Insert(index, record, record->m_nClubId); // may throw; then nothing changed
    Renumber(index);
    return POSITION(record);
}

CClubList::POSITION CClubList::AddTail(std::unique_ptr<CGolfClub> club) {
    if (!club) {
        return POSITION();
    }
    const POSITION pos = InsertAt(m_index.Size(), club.get());
    club.release(); // the list owns it now
    return pos;
}

CClubList::POSITION CClubList::AddHead(std::unique_ptr<CGolfClub> club) {
    if (!club) {
        return POSITION();
    }
    const POSITION pos = InsertAt(0, club.get());
    club.release();
    return pos;
}

CClubList::POSITION CClubList::InsertAfter(POSITION pos, std::unique_ptr<CGolfClub> club) {
    if (!club) {
        return POSITION();
    }
    const POSITION added = InsertAt(IndexOf(pos.m_record) + 1, club.get());
    club.release();
    return added;
}

std::unique_ptr<CGolfClub> CClubList::RemoveAt(POSITION pos) {
    CGolfClub* record = pos.m_record;
    std::unique_ptr<CGolfClub> club;
    const bool inStorage = m_arena.Owns(record);
    if (inStorage) {
        // Its storage stays with the list: the caller gets a record of its own.
        club = std::make_unique<CGolfClub>();
        club->CopyFrom(*record);
    } else {
        club.reset(record);
    }
    const std::size_t index = IndexOf(record);
    m_index.Erase(index);
    Renumber(index);
    if (inStorage) {
        record->~CGolfClub();
    }
    club->m_nListIndex = -1;
    return club;
}

CClubList::POSITION CClubList::FindClubPosition(std::int32_t nClubId) const {
    const std::int32_t* ids = m_index.Ids();
    const auto found = BisectClubIndex(
        GetCount(),
        [ids, nClubId](int index) {
            // The probed record's CompareId, from the id kept beside it.
            const std::int32_t probed = ids[index];
            return static_cast<int>(probed > nClubId) - static_cast<int>(probed < nClubId);
        },
        [ids](int index) { PrefetchForReading(ids + index); });
    return found ? POSITION(m_index.Record(static_cast<std::size_t>(*found))) : POSITION();
}

CGolfClub* CClubList::FindClub(std::int32_t nClubId) const {
    return GetAt(FindClubPosition(nClubId));
}

CClubList::POSITION CClubList::AddClub(std::unique_ptr<CGolfClub>& club) {
    // From the tail towards the head, as the ids kept beside the records give them.
    const std::int32_t id = club->m_nClubId;
    const std::int32_t* ids = m_index.Ids();
    std::size_t at = 0;
    for (std::size_t i = m_index.Size(); i > 0; --i) {
        if (ids[i - 1] == id) {
            return POSITION();
        }
        if (ids[i - 1] < id) {
            at = i;
            break;
        }
    }
    const POSITION pos = InsertAt(at, club.get());
    club.release();
    return pos;
}

std::unique_ptr<CGolfClub> CClubList::RemoveClub(std::int32_t nClubId) {
    const POSITION pos = FindClubPosition(nClubId);
    return pos ? RemoveAt(pos) : nullptr;
}

void CClubList::DeleteAll() {
    for (std::size_t i = 0; i < m_index.Size(); ++i) {
        CGolfClub* record = m_index.Record(i);
        if (m_arena.Owns(record)) {
            record->~CGolfClub(); // its storage goes with the arena's
        } else {
            delete record;
        }
    }
    m_index.Clear();
    m_arena.Release();
}
