#include "ClubList.h"

#include "platform/core/CArchive.h"
#include "platform/core/CMemoryException.h"

#include <algorithm>
#include <new>

void CClubList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::int32_t{0};
        ar << static_cast<std::int32_t>(GetCount());
        for (POSITION pos = GetHeadPosition(); pos;) {
            GetNext(pos)->Serialize(ar);
        }
        return;
    }
    std::int32_t leading = 0;
    std::int32_t count = 0;
    ar >> leading;
    ar >> count;
    for (std::int32_t i = 0; i < std::min(count, kMaxClubs); ++i) {
        std::unique_ptr<CGolfClub> club;
        try {
            club = std::make_unique<CGolfClub>();
        } catch (const std::bad_alloc&) {
            throw CMemoryException();
        }
        // A record that cannot be read whole never enters the list.
        club->Serialize(ar);
        AddTail(std::move(club));
    }
    if (count > kMaxClubs) { // the first of them are kept; the table is damaged
        throw CArchiveException(CArchiveException::badIndex);
    }
}
