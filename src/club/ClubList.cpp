#include "ClubList.h"

CClubList::POSITION CClubList::GetHeadPosition() const {
    return m_nodes.empty() ? POSITION() : POSITION(m_nodes.begin());
}

CClubList::POSITION CClubList::GetTailPosition() const {
    return m_nodes.empty() ? POSITION() : POSITION(std::prev(m_nodes.end()));
}

CClubList::POSITION CClubList::FindIndex(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return POSITION();
    }
    return PositionAtIndex(nIndex);
}

CGolfClub* CClubList::GetNext(POSITION& pos) const {
    CGolfClub* club = pos.m_it->get();
    auto next = std::next(pos.m_it);
    pos = next == m_nodes.end() ? POSITION() : POSITION(next);
    return club;
}

CGolfClub* CClubList::GetPrev(POSITION& pos) const {
    CGolfClub* club = pos.m_it->get();
    pos = pos.m_it == m_nodes.begin() ? POSITION() : POSITION(std::prev(pos.m_it));
    return club;
}

CClubList::POSITION CClubList::AddTail(std::unique_ptr<CGolfClub> club) {
    Changed();
    return POSITION(m_nodes.insert(m_nodes.end(), std::move(club)));
}

CClubList::POSITION CClubList::AddHead(std::unique_ptr<CGolfClub> club) {
    Changed();
    return POSITION(m_nodes.insert(m_nodes.begin(), std::move(club)));
}

CClubList::POSITION CClubList::InsertAfter(POSITION pos, std::unique_ptr<CGolfClub> club) {
    Changed();
    return POSITION(m_nodes.insert(std::next(pos.m_it), std::move(club)));
}

std::unique_ptr<CGolfClub> CClubList::RemoveAt(POSITION pos) {
    Changed();
    std::unique_ptr<CGolfClub> club = std::move(*pos.m_it);
    m_nodes.erase(pos.m_it);
    return club;
}

CClubList::POSITION CClubList::PositionAtIndex(int index) const {
    if (!m_indexValid) {
        m_index.clear();
        m_index.reserve(m_nodes.size());
        for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
            m_index.push_back(it);
        }
        m_indexValid = true;
    }
    return POSITION(m_index[static_cast<std::size_t>(index)]);
}

CClubList::POSITION CClubList::FindClubPosition(std::int32_t nClubId) const {
    const auto found = BisectClubIndex(
        GetCount(), [&](int index) { return GetAt(PositionAtIndex(index))->CompareId(nClubId); });
    return found ? PositionAtIndex(*found) : POSITION();
}

CGolfClub* CClubList::FindClub(std::int32_t nClubId) const {
    const POSITION pos = FindClubPosition(nClubId);
    return pos ? GetAt(pos) : nullptr;
}

CClubList::POSITION CClubList::AddClub(std::unique_ptr<CGolfClub>& club) {
    for (POSITION pos = GetTailPosition(); pos;) {
        const POSITION here = pos;
        const int c = GetPrev(pos)->Compare(*club);
        if (c == 0) {
            return POSITION();
        }
        if (c == -1) {
            return InsertAfter(here, std::move(club));
        }
    }
    return AddHead(std::move(club));
}

std::unique_ptr<CGolfClub> CClubList::RemoveClub(std::int32_t nClubId) {
    const POSITION pos = FindClubPosition(nClubId);
    return pos ? RemoveAt(pos) : nullptr;
}

void CClubList::DeleteAll() {
    m_nodes.clear();
    Changed();
}
