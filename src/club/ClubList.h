#pragma once

#include "club/ClubArena.h"
#include "club/ClubIndex.h"
#include "club/GolfClub.h"

#include <cstdint>
#include <memory>
#include <optional>

class CArchive;

// The player's clubs, kept in ascending id order. The list owns its records.
//
// The records stand in one array of pointers in list order, with each record's id in a
// second array beside it: a step of the bisection reads one id from a dense array and touches
// no record, and appending at the tail touches nothing else. A record knows its own place, so
// that a position (a record's address) finds its neighbours; inserting or removing anywhere
// but the tail moves the records after it along. Records that a load reads live in the list's
// own storage (ClubArena), with their texts; records handed in live where they were made.
//
// The id array is a copy: an id changed while its record is in the list is not seen by the
// search. Take the record out and add it again instead.
class CClubList : public CObject {
    DECLARE_DYNCREATE(CClubList)

public:
    // A handle on one node; it stays valid while that node is in the list.
    class POSITION {
    public:
        POSITION() = default;
        explicit operator bool() const { return m_record != nullptr; }
        friend bool operator==(const POSITION& a, const POSITION& b) {
            return a.m_record == b.m_record;
        }

    private:
        friend class CClubList;
        explicit POSITION(CGolfClub* record) : m_record(record) {}
        CGolfClub* m_record = nullptr;
    };

    // The most clubs a table holds. A data file that claims or holds more is damaged, and
    // loading keeps the first of them.
    static constexpr std::int32_t kMaxClubs = 1000000;

    CClubList() = default;
    CClubList(const CClubList&) = delete;
    CClubList& operator=(const CClubList&) = delete;
    ~CClubList() override { DeleteAll(); }

    // Writes the list to, or reads it from, the club data file: a leading word 0, the count,
    // then each record. Loading appends in file order, without sorting or checking.
    void Serialize(CArchive& ar) override;

    POSITION FindClubPosition(std::int32_t nClubId) const;
    CGolfClub* FindClub(std::int32_t nClubId) const;
    // Inserts in id order and takes the record; when the id is already there the record is
    // handed back through `club` unchanged and the position is none.
    POSITION AddClub(std::unique_ptr<CGolfClub>& club);
    // Takes the record out of the list and hands it to the caller; none for an absent id.
    [[nodiscard]] std::unique_ptr<CGolfClub> RemoveClub(std::int32_t nClubId);
    void DeleteAll();

    // The plain list operations that the system uses directly.
    int GetCount() const { return static_cast<int>(m_index.Size()); }
    bool IsEmpty() const { return m_index.Empty(); }
    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The node at the index, counting from the head at 0; none outside the list. Unlike an
    // id it names one record even in a list read from a file whose ids repeat or fall.
    POSITION FindIndex(int nIndex) const;
    CGolfClub* GetHead() const { return m_index.Empty() ? nullptr : m_index.Record(0); }
    CGolfClub* GetAt(POSITION pos) const { return pos.m_record; }
    CGolfClub* GetNext(POSITION& pos) const;
    CGolfClub* GetPrev(POSITION& pos) const;
    // Each adds the record and takes it; a null record is not added (the position is none).
    POSITION AddTail(std::unique_ptr<CGolfClub> club);
    POSITION AddHead(std::unique_ptr<CGolfClub> club);
    POSITION InsertAfter(POSITION pos, std::unique_ptr<CGolfClub> club);
    // Takes the node out of the list and hands its record to the caller. A record that a
    // load placed in the list's own storage is handed over as a record of its own, with the
    // same fields.
    [[nodiscard]] std::unique_ptr<CGolfClub> RemoveAt(POSITION pos);

private:
    static std::size_t IndexOf(const CGolfClub* record) {
        return static_cast<std::size_t>(record->m_nListIndex);
    }
    POSITION InsertAt(std::size_t index, CGolfClub* record);
    // Gives every record from `first` on its place again, after an insertion or a removal.
    void Renumber(std::size_t first);
    // A load's records: made in the list's own storage, appended once read whole.
    void LoadRecords(CArchive& ar, std::int32_t count);
    bool LoadBufferedRecord(CArchive& ar);

    ClubIndex m_index; // the records (owned) in list order, and their ids
    ClubArena m_arena;
};

// What BisectClubIndex is told of the probes ahead: nothing, unless the caller has memory to
// warm up for them.
struct NoProbesAhead {
    void operator()(int /*index*/) const {}
};

// The bisection over node indices [0, count) that FindClubPosition makes: compareAt(i)
// answers the probed record's CompareId of the id sought. Returns the index found, if any.
// Before each comparison `ahead` hears the indices that the next two probes can be, so that
// a caller can fetch them while the comparison waits for its own.
template <class CompareAt, class Ahead = NoProbesAhead>
std::optional<int> BisectClubIndex(int count, CompareAt&& compareAt, Ahead&& ahead = {}) {
    if (count <= 0) {
        return std::nullopt;
    }
    // Every operand is non-negative, so the halving is the same in unsigned arithmetic.
    auto low = 0U;
    auto high = static_cast<unsigned>(count);
    unsigned mid = high / 2;
    unsigned last = ~0U;
    for (;;) {
        // The next probe: the middle of what is above mid, or of what is below it; and the
        // four that can follow those.
        const unsigned up = mid + (high - mid) / 2;
        const unsigned down = low + (mid - low) / 2;
        ahead(static_cast<int>(up));
        ahead(static_cast<int>(down));
        ahead(static_cast<int>(up + (high - up) / 2));
        ahead(static_cast<int>(mid + (up - mid) / 2));
        ahead(static_cast<int>(down + (mid - down) / 2));
        ahead(static_cast<int>(low + (down - low) / 2));
        const int c = compareAt(static_cast<int>(mid));
        if (c == 0) {
            return static_cast<int>(mid);
        }
        // All ones when the probed id is smaller than the one sought: the search goes on
        // above mid (low = mid), else below it (high = mid). Chosen by masks rather than a
        // branch, which random ids would mispredict half the time.
        const unsigned below = 0U - static_cast<unsigned>(c < 0);
        low = (mid & below) | (low & ~below);
        high = (high & below) | (mid & ~below);
        mid = (up & below) | (down & ~below);
        if (mid == last) {
            return std::nullopt;
        }
        last = mid;
    }
}
