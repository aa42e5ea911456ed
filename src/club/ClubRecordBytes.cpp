#include "club/ClubRecordBytes.h"

#include "platform/core/CArchive.h"

namespace club_record {
namespace {

using detail::kByteEscape;
using detail::kShortTextHeader;

void PutLe32(BYTE* out, std::uint32_t v) {
    std::memcpy(out, &v, 4);
}

BYTE* PutShortText(BYTE* out, const CString& text) {
    const auto length = static_cast<std::size_t>(text.GetLength());
    out[0] = kByteEscape;
    out[1] = 0xFE;
    out[2] = 0xFF;
    out[3] = static_cast<BYTE>(length);
    std::memcpy(out + kShortTextHeader, text.GetString(), length * 2);
    return out + kShortTextHeader + length * 2;
}

BYTE* PutDateTime(BYTE* out, const COleDateTime& dt) {
    PutLe32(out, static_cast<std::uint32_t>(dt.m_status));
    const auto days = std::bit_cast<std::uint64_t>(dt.m_dt);
    std::memcpy(out + 4, &days, 8);
    return out + kDateTimeBytes;
}

} // namespace

bool detail::FindLongText(const BYTE* in, std::size_t available, std::size_t at, Text& text) {
    std::size_t p = at;
    std::uint64_t length = 0;
    // The next `bytes` little-endian bytes as the length; false when they are not at hand.
    const auto take = [&](std::size_t bytes) {
        if (p > available || available - p < bytes) {
            return false;
        }
        length = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            length |= std::uint64_t{in[p + i]} << (8 * i);
        }
        p += bytes;
        return true;
    };
    text.wide = false;
    if (!take(1) || (length == kByteEscape && !take(2))) {
        return false;
    }
    if (length == 0xFFFE) { // the UTF-16 tag: the length forms begin again after it
        text.wide = true;
        if (!take(1) || (length == kByteEscape && !take(2))) {
            return false;
        }
    }
    if ((length == 0xFFFF && !take(4)) || (length == 0xFFFFFFFF && !take(8))) {
        return false;
    }
    text.at = p;
    text.length = static_cast<std::size_t>(length);
    return length <= CString::kMaxLength;
}

std::uint64_t StoredBytes(const CGolfClub& club) {
    return kExtraAt + StoredTextBytes(static_cast<std::uint64_t>(club.m_strExtra.GetLength())) +
           kDistancesBytes +
           StoredTextBytes(static_cast<std::uint64_t>(club.m_strName.GetLength())) +
           2 * kDateTimeBytes;
}

BYTE* Write(BYTE* out, const CGolfClub& club) {
    PutLe32(out, 0);
    PutLe32(out + kIdAt, static_cast<std::uint32_t>(club.m_nClubId));
    out = PutShortText(out + kExtraAt, club.m_strExtra);
    PutLe32(out, static_cast<std::uint32_t>(club.m_nMaleDistance));
    PutLe32(out + 4, static_cast<std::uint32_t>(club.m_nFemaleDistance));
    out = PutShortText(out + kDistancesBytes, club.m_strName);
    out = PutDateTime(out, club.m_dtCreated);
    return PutDateTime(out, club.m_dtModified);
}

} // namespace club_record
