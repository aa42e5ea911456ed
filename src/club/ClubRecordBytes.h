#pragma once
// One club record as the data file holds it: a leading word 0, the id, the extra text, the
// male and the female distance, the name, then the date-times created and modified. Words
// are 32-bit little-endian; texts and date-times take the archive's forms (CArchive.h).
//
// The load and the save move most records whole through the archive's buffer with these
// functions, which alone know where each field lies. Any other record goes field by field
// through CGolfClub::Serialize, the archive's own operators, which read and write the same
// bytes. The functions that every record meets are defined here, so that the loops of the
// load and the save inline them.

#include "club/GolfClub.h"
#include "platform/core/WinTypes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace club_record {

// Where the fields up to the first text lie, and the sizes of those that follow it.
inline constexpr std::size_t kIdAt = 4;
inline constexpr std::size_t kExtraAt = 8;
inline constexpr std::size_t kDistancesBytes = 8;
inline constexpr std::size_t kDateTimeBytes = 12;
// The fewest bytes a record takes: two words, an empty 8-bit text, two words, another empty
// text and two date-times.
inline constexpr std::size_t kSmallestBytes =
    kExtraAt + 1 + kDistancesBytes + 1 + 2 * kDateTimeBytes;

// One of a record's texts, found in bytes at hand.
struct Text {
    std::size_t at = 0;     // where its characters begin
    std::size_t length = 0; // in characters
    bool wide = false;      // UTF-16 characters, else 8-bit ones (Windows-1252)
    // The bytes of its characters.
    std::size_t Bytes() const { return wide ? 2 * length : length; }
    std::size_t End() const { return at + Bytes(); }
};

// Where the fields of one record lie in bytes at hand.
struct Found {
    Text extra;
    Text name;
    std::size_t distancesAt = 0; // the male distance, then the female one
    std::size_t datesAt = 0;     // created, then modified
    std::size_t end = 0;         // the bytes the record takes
};

namespace detail {

// The short UTF-16 form of a text: the tag FF, FE FF, then its length (below FF) in one byte.
inline constexpr BYTE kByteEscape = 0xFF;
inline constexpr std::size_t kShortTextHeader = 4;

// Words and characters are moved as they lie in memory: little-endian machines only.
inline constexpr bool kLittleEndian = std::endian::native == std::endian::little;

inline std::uint32_t GetLe32(const BYTE* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return v;
}

// A text in one of the longer length forms (FF then 16 bits, FF FFFF then 32 bits,
// FF FFFF FFFFFFFF then 64 bits, each with the UTF-16 tag or without it), read as the
// archive reads them. False when the length form goes on beyond the bytes at hand, or names
// more characters than a text can hold.
bool FindLongText(const BYTE* in, std::size_t available, std::size_t at, Text& text);

// The text whose length form begins at `at`, when its characters are in the bytes at hand.
// The two short forms, which nearly every text takes, are told apart here.
inline bool FindText(const BYTE* in, std::size_t available, std::size_t at, Text& text) {
    if (at >= available) {
        return false;
    }
    const BYTE* p = in + at;
    if (available - at >= kShortTextHeader && p[0] == kByteEscape && p[1] == 0xFE && p[2] == 0xFF &&
        p[3] != kByteEscape) {
        text = Text{at + kShortTextHeader, p[3], true};
    } else if (p[0] != kByteEscape) {
        text = Text{at + 1, p[0], false};
    } else {
        // Through a copy of its own, so that the caller's record of the fields need not
        // leave the registers for the rare call.
        Text longer;
        if (!FindLongText(in, available, at, longer)) {
            return false;
        }
        text = longer;
    }
    // No length here is near the size's limit: the longer forms stop at a text's largest.
    return text.Bytes() <= available - text.at;
}

inline bool StatusAccepted(const BYTE* p) {
    return GetLe32(p) <= static_cast<std::uint32_t>(COleDateTime::null);
}

inline COleDateTime DateTimeAt(const BYTE* p) {
    std::uint64_t days = 0;
    std::memcpy(&days, p + 4, 8);
    return COleDateTime(std::bit_cast<double>(days),
                        static_cast<COleDateTime::DateTimeStatus>(GetLe32(p)));
}

inline std::size_t StorageFor(const Text& text) {
    return text.length > 0 ? CString::StorageSize(text.length) : 0;
}

// Copies the few bytes of a short text; small copies in two overlapping moves cost less
// than a general copy's start.
inline void CopyText(void* to, const void* from, std::size_t bytes) {
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

// Makes `str` the text found, in `storage`; returns the storage after it.
inline char* ReadText(const BYTE* in, const Text& text, CString& str, char* storage) {
    if (text.length == 0) {
        str.Empty();
        return storage;
    }
    char16_t* chars = str.UseStorage(storage, text.length);
    if (text.wide) {
        CopyText(chars, in + text.at, text.Bytes());
    } else {
        CString::Windows1252ToUtf16(
            std::string_view(reinterpret_cast<const char*>(in + text.at), text.length), chars);
    }
    return storage + StorageFor(text);
}

} // namespace detail

// Finds the record that begins at `in` when the `available` bytes there hold all of it and
// its date-times have a status the archive accepts; its texts may take either form (UTF-16
// or 8-bit) and any length form. False for anything else (a record that goes on beyond these
// bytes, damage), which the field-by-field reading then takes.
inline bool Find(const BYTE* in, std::size_t available, Found& found) {
    using namespace detail;
    if (!kLittleEndian || !FindText(in, available, kExtraAt, found.extra)) {
        return false;
    }
    found.distancesAt = found.extra.End();
    if (!FindText(in, available, found.distancesAt + kDistancesBytes, found.name)) {
        return false;
    }
    found.datesAt = found.name.End();
    found.end = found.datesAt + 2 * kDateTimeBytes;
    return found.end <= available && StatusAccepted(in + found.datesAt) &&
           StatusAccepted(in + found.datesAt + kDateTimeBytes);
}

// The bytes the found record's texts take in storage of the list's own (CString::UseStorage).
inline std::size_t TextStorageBytes(const Found& found) {
    return detail::StorageFor(found.extra) + detail::StorageFor(found.name);
}

// Reads the found record into `club`, placing its texts in `textStorage`: TextStorageBytes
// of memory, aligned for 32-bit words, that outlives the record. The leading word is dropped.
inline void Read(const BYTE* in, const Found& found, CGolfClub& club, char* textStorage) {
    using namespace detail;
    club.m_nClubId = static_cast<std::int32_t>(GetLe32(in + kIdAt));
    textStorage = ReadText(in, found.extra, club.m_strExtra, textStorage);
    club.m_nMaleDistance = static_cast<std::int32_t>(GetLe32(in + found.distancesAt));
    club.m_nFemaleDistance = static_cast<std::int32_t>(GetLe32(in + found.distancesAt + 4));
    ReadText(in, found.name, club.m_strName, textStorage);
    club.m_dtCreated = DateTimeAt(in + found.datesAt);
    club.m_dtModified = DateTimeAt(in + found.datesAt + kDateTimeBytes);
}

// The bytes the record takes in the file as a save writes it, in whatever length form.
std::uint64_t StoredBytes(const CGolfClub& club);

// The bytes Write puts down for the record; 0 when it does not take the record (a text too
// long for the short form).
inline std::size_t WriteBytes(const CGolfClub& club) {
    using namespace detail;
    const auto extra = static_cast<std::size_t>(club.m_strExtra.GetLength());
    const auto name = static_cast<std::size_t>(club.m_strName.GetLength());
    if (!kLittleEndian || extra >= kByteEscape || name >= kByteEscape) {
        return 0;
    }
    return kExtraAt + kShortTextHeader + 2 * extra + kDistancesBytes + kShortTextHeader + 2 * name +
           2 * kDateTimeBytes;
}
// Writes the record at `out`, which has room for its WriteBytes (not 0), with the leading
// word 0. Returns the end of what was written.
BYTE* Write(BYTE* out, const CGolfClub& club);

} // namespace club_record
