#include "club/GolfClub.h"

#include "platform/core/CArchive.h"

#include <bit>
#include <cstring>

namespace {

void PutLe32(BYTE* out, std::uint32_t v) {
    std::memcpy(out, &v, 4); // little-endian machines only (StoreInBuffer)
}

// The usual short form of a text: the UTF-16 tag, a one-byte length, the characters.
BYTE* PutShortText(BYTE* out, const CString& text) {
    const auto length = static_cast<std::size_t>(text.GetLength());
    out[0] = 0xFF;
    out[1] = 0xFE;
    out[2] = 0xFF;
    out[3] = static_cast<BYTE>(length);
    std::memcpy(out + 4, text.GetString(), length * 2);
    return out + 4 + length * 2;
}

BYTE* PutDateTime(BYTE* out, const COleDateTime& dt) {
    PutLe32(out, static_cast<std::uint32_t>(dt.m_status));
    const auto days = std::bit_cast<std::uint64_t>(dt.m_dt);
    std::memcpy(out + 4, &days, 8);
    return out + 12;
}

// Stores the record in one piece when both its texts are short: the same bytes as the
// field-by-field writing below, put straight into the archive's buffer.
bool StoreInBuffer(CArchive& ar, const CGolfClub& club) {
    if constexpr (std::endian::native != std::endian::little) {
        return false;
    }
    constexpr int kShort = 0xFF;
    const int extra = club.m_strExtra.GetLength();
    const int name = club.m_strName.GetLength();
    if (extra >= kShort || name >= kShort) {
        return false;
    }
    const auto size = static_cast<UINT>(8 + 4 + 2 * extra + 8 + 4 + 2 * name + 24);
    BYTE* out = ar.GetWritable(size);
    if (out == nullptr) {
        return false;
    }
    BYTE* const start = out;
    PutLe32(out, 0);
    PutLe32(out + 4, static_cast<std::uint32_t>(club.m_nClubId));
    out = PutShortText(out + 8, club.m_strExtra);
    PutLe32(out, static_cast<std::uint32_t>(club.m_nMaleDistance));
    PutLe32(out + 4, static_cast<std::uint32_t>(club.m_nFemaleDistance));
    out = PutShortText(out + 8, club.m_strName);
    out = PutDateTime(out, club.m_dtCreated);
    out = PutDateTime(out, club.m_dtModified);
    ar.CommitWritten(static_cast<UINT>(out - start));
    return true;
}

} // namespace

void CGolfClub::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        if (StoreInBuffer(ar, *this)) {
            return;
        }
        ar << std::int32_t{0};
        ar << m_nClubId;
        ar << m_strExtra;
        ar << m_nMaleDistance;
        ar << m_nFemaleDistance;
        ar << m_strName;
        ar << m_dtCreated;
        ar << m_dtModified;
    } else {
        std::int32_t leading = 0;
        ar >> leading;
        ar >> m_nClubId;
        ar >> m_strExtra;
        ar >> m_nMaleDistance;
        ar >> m_nFemaleDistance;
        ar >> m_strName;
        ar >> m_dtCreated;
        ar >> m_dtModified;
    }
}
