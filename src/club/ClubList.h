#pragma once

#include "GolfClub.h"

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <vector>

// The player's clubs, kept in ascending id order. The list owns its records.
class CClubList : public CObject {
    using Nodes = std::list<std::unique_ptr<CGolfClub>>;

public:
    // A handle on one node; it stays valid while that node is in the list.
    class POSITION {
    public:
        POSITION() = default;
        explicit operator bool() const { return m_valid; }
        friend bool operator==(const POSITION& a, const POSITION& b) {
            return a.m_valid == b.m_valid && (!a.m_valid || a.m_it == b.m_it);
        }

    private:
        friend class CClubList;
        explicit POSITION(Nodes::iterator it) : m_it(it), m_valid(true) {}
        Nodes::iterator m_it{};
        bool m_valid = false;
    };

    // The most clubs a table holds. A data file that claims or holds more is damaged, and
    // loading keeps the first of them.
    static constexpr std::int32_t kMaxClubs = 1000000;

    CClubList() = default;
    CClubList(const CClubList&) = delete;
    CClubList& operator=(const CClubList&) = delete;
    ~CClubList() override = default;

    // Writes the list to, or reads it from, the club data file: a leading word 0, the
    // count, then each record. Loading appends in file order, without sorting or checking.
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
    int GetCount() const { return static_cast<int>(m_nodes.size()); }
    bool IsEmpty() const { return m_nodes.empty(); }
    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The node at the index, counting from the head at 0; none outside the list. Unlike an
    // id it names one record even in a list read from a file whose ids repeat or fall.
    POSITION FindIndex(int nIndex) const;
    CGolfClub* GetHead() const { return m_nodes.empty() ? nullptr : m_nodes.front().get(); }
    CGolfClub* GetAt(POSITION pos) const { return pos.m_it->get(); }
    CGolfClub* GetNext(POSITION& pos) const;
    CGolfClub* GetPrev(POSITION& pos) const;
    POSITION AddTail(std::unique_ptr<CGolfClub> club);
    POSITION AddHead(std::unique_ptr<CGolfClub> club);
    POSITION InsertAfter(POSITION pos, std::unique_ptr<CGolfClub> club);
    // Takes the node out of the list and hands its record to the caller.
    [[nodiscard]] std::unique_ptr<CGolfClub> RemoveAt(POSITION pos);

private:
    POSITION PositionAtIndex(int index) const;
    void Changed() { m_indexValid = false; }

    mutable Nodes m_nodes;
    // Node by index, so that a probe of the bisection reaches its node directly; rebuilt
    // on the first search after the list changed.
    mutable std::vector<Nodes::iterator> m_index;
    mutable bool m_indexValid = false;
};

// The bisection over node indices [0, count) that FindClubPosition makes: compareAt(i)
// answers the probed record's CompareId of the id sought. Returns the index found, if any.
template <class CompareAt> std::optional<int> BisectClubIndex(int count, CompareAt&& compareAt) {
    if (count <= 0) {
        return std::nullopt;
    }
    int low = 0;
    int high = count;
    int mid = count / 2;
    int last = -1;
    for (;;) {
        const int c = compareAt(mid);
        if (c == 0) {
            return mid;
        }
        if (c < 0) {
            low = mid;
            mid = mid + (high - mid) / 2;
        } else {
            high = mid;
            mid = low + (mid - low) / 2;
        }
        if (mid == last) {
            return std::nullopt;
        }
        last = mid;
    }
}
