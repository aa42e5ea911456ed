// Every form a club record may take in a data file must read the same through the load's
// whole-record path (club_record, as the list's load takes it) as through the record's own
// Serialize, field by field with the archive's operators; and the table saved again must be
// the bytes those operators write.
#include "club/ClubList.h"
#include "club/ClubRecordBytes.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include "support/MemoryFileBytes.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using Clubs = std::vector<std::unique_ptr<CGolfClub>>;

void PutLe(Bytes& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
    }
}

// A text's length forms: one byte; FF and 16 bits; FF FFFF and 32 bits; then 64 bits.
enum class Length { byte, word, dword, qword };

// A text's bytes: the UTF-16 tag when `wide`, the length in `form`, the characters (in the
// 8-bit form each character is one byte).
Bytes Text(std::u16string_view chars, bool wide, Length form = Length::byte) {
    Bytes out;
    if (wide) {
        PutLe(out, 0xFFFEFF, 3);
    }
    const std::uint64_t n = chars.size();
    if (form != Length::byte) {
        PutLe(out, 0xFF, 1);
    }
    if (form == Length::dword || form == Length::qword) {
        PutLe(out, 0xFFFF, 2);
    }
    if (form == Length::qword) {
        PutLe(out, 0xFFFFFFFF, 4);
    }
    PutLe(out, n,
          form == Length::byte    ? 1
          : form == Length::word  ? 2
          : form == Length::dword ? 4
                                  : 8);
    for (char16_t c : chars) {
        PutLe(out, c, wide ? 2 : 1);
    }
    return out;
}

struct Form {
    const char* what;
    Bytes extra;
    Bytes name;
    std::int32_t createdStatus = COleDateTime::valid;
    double createdDays = 46000.5;
    std::int32_t modifiedStatus = COleDateTime::valid;
    double modifiedDays = 46001.25;
};

Bytes Record(const Form& form, std::int32_t id) {
    Bytes out;
    PutLe(out, 0x5A5A, 4); // a leading word other than 0: read and dropped
    PutLe(out, static_cast<std::uint32_t>(id), 4);
    out.insert(out.end(), form.extra.begin(), form.extra.end());
    PutLe(out, 180, 4);
    PutLe(out, static_cast<std::uint32_t>(-7), 4);
    out.insert(out.end(), form.name.begin(), form.name.end());
    PutLe(out, static_cast<std::uint32_t>(form.createdStatus), 4);
    PutLe(out, std::bit_cast<std::uint64_t>(form.createdDays), 8);
    PutLe(out, static_cast<std::uint32_t>(form.modifiedStatus), 4);
    PutLe(out, std::bit_cast<std::uint64_t>(form.modifiedDays), 8);
    return out;
}

// A table of the record three times: at the start of the archive's 4096-byte buffer, then
// (after a filler record, when it is short enough for one) across the buffer's end, 7 bytes
// of it still in the buffer, and once more after the buffer was filled again.
Bytes Table(const Form& form) {
    const Bytes record = Record(form, 1);
    // The filler takes 44 bytes and its text's characters.
    const std::size_t fillerAt = 8 + record.size();
    const bool filler = fillerAt + 44 <= 4096 - 7;
    Bytes out;
    PutLe(out, 0, 4);
    PutLe(out, filler ? 4 : 3, 4);
    out.insert(out.end(), record.begin(), record.end());
    if (filler) {
        const std::size_t length = 4096 - 7 - fillerAt - 44;
        const Bytes extra = Text(std::u16string(length, u'f'), false, Length::word);
        const Bytes bytes = Record(Form{"filler", extra, Text(u"", false)}, 2);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    for (std::int32_t id : {3, 4}) {
        const Bytes bytes = Record(form, id);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

auto Fields(const CGolfClub& c) {
    return std::tuple(c.m_nClubId, std::u16string(c.m_strExtra.Str()), c.m_nMaleDistance,
                      c.m_nFemaleDistance, std::u16string(c.m_strName.Str()),
                      c.m_dtCreated.m_status, std::bit_cast<std::uint64_t>(c.m_dtCreated.m_dt),
                      c.m_dtModified.m_status, std::bit_cast<std::uint64_t>(c.m_dtModified.m_dt));
}

// The table read record by record through CGolfClub::Serialize.
Clubs ReadEach(Bytes bytes) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    std::int32_t leading = 0;
    std::int32_t count = 0;
    ar >> leading >> count;
    Clubs clubs;
    for (std::int32_t i = 0; i < count; ++i) {
        clubs.push_back(std::make_unique<CGolfClub>());
        clubs.back()->Serialize(ar);
    }
    return clubs;
}

void LoadList(Bytes bytes, CClubList& clubs) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    clubs.Serialize(ar);
}

Bytes SaveList(CClubList& clubs) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    clubs.Serialize(ar);
    ar.Close();
    return TakeBytes(file);
}

// The table written field by field with the archive's operators.
Bytes WriteEach(const Clubs& clubs) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << std::int32_t{0} << static_cast<std::int32_t>(clubs.size());
    for (const auto& c : clubs) {
        ar << std::int32_t{0} << c->m_nClubId << c->m_strExtra << c->m_nMaleDistance
           << c->m_nFemaleDistance << c->m_strName << c->m_dtCreated << c->m_dtModified;
    }
    ar.Close();
    return TakeBytes(file);
}

} // namespace

TEST(RecordForms, WholeRecordPathAgreesWithSerializeOnEveryForm) {
    const std::u16string letters = u"Fer \u00E0 \u0080\u0081\u008D\u009F\u00FF";
    const Form forms[] = {
        {"UTF-16, short", Text(u"", true), Text(u"Driver (1 Wood)", true)},
        {"8-bit, short, with Windows-1252 letters", Text(u"x", false), Text(letters, false)},
        {"empty, in both forms", Text(u"", false), Text(u"", true)},
        {"UTF-16, 254 and 255 characters", Text(std::u16string(254, u'\u00E9'), true),
         Text(std::u16string(255, u'\u20AC'), true, Length::word)},
        {"8-bit, 254 and 255 characters", Text(std::u16string(254, u'\u00E9'), false),
         Text(std::u16string(255, u'\u0080'), false, Length::word)},
        {"longer length forms holding short lengths", Text(u"ab", false, Length::word),
         Text(u"cd", true, Length::dword)},
        {"64-bit length forms", Text(u"q", true, Length::qword), Text(u"r", false, Length::qword)},
        {"0xFFFF 8-bit and 0xFFFE UTF-16 characters, beyond the buffer",
         Text(std::u16string(0xFFFF, u'x'), false, Length::dword),
         Text(std::u16string(0xFFFE, u'n'), true, Length::dword)},
        {"null and invalid date-times", Text(u"", true), Text(u"7 Iron", true), COleDateTime::null,
         -0.0, COleDateTime::invalid, 1e300},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.what);
        const Bytes table = Table(form);
        const Clubs general = ReadEach(table);

        // The record alone: found whole (and not in a byte less), read as Serialize reads it.
        const Bytes record = Record(form, 1);
        club_record::Found found;
        ASSERT_TRUE(club_record::Find(record.data(), record.size(), found));
        EXPECT_EQ(found.end, record.size());
        club_record::Found cut;
        EXPECT_FALSE(club_record::Find(record.data(), record.size() - 1, cut));
        std::vector<std::uint32_t> storage(club_record::TextStorageBytes(found) / 4 + 1);
        CGolfClub fast;
        club_record::Read(record.data(), found, fast, reinterpret_cast<char*>(storage.data()));
        EXPECT_EQ(Fields(fast), Fields(*general[0]));

        // The list's load, across the buffer's end, and its save.
        CClubList loaded;
        LoadList(table, loaded);
        ASSERT_EQ(static_cast<std::size_t>(loaded.GetCount()), general.size());
        auto pos = loaded.GetHeadPosition();
        for (const auto& want : general) {
            EXPECT_EQ(Fields(*loaded.GetNext(pos)), Fields(*want));
        }
        EXPECT_EQ(SaveList(loaded), WriteEach(general));
    }
}
