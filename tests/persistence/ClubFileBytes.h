#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

// Little-endian words, texts and club records, to write the bytes a test expects or feeds in.
class ClubFileBytes {
public:
    ClubFileBytes& Word(std::int32_t v) {
        for (int i = 0; i < 4; ++i) {
            m_bytes.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(v) >> (8 * i)));
        }
        return *this;
    }
    ClubFileBytes& Raw(std::initializer_list<unsigned char> bytes) {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    ClubFileBytes& Text(const std::u16string& text) {
        Raw({0xFF, 0xFE, 0xFF, static_cast<unsigned char>(text.size())});
        for (char16_t c : text) {
            Raw({static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8)});
        }
        return *this;
    }
    ClubFileBytes& Date(std::int32_t status, double days) {
        Word(status);
        unsigned char raw[8];
        std::memcpy(raw, &days, 8);
        m_bytes.insert(m_bytes.end(), raw, raw + 8);
        return *this;
    }
    // One club record as the file holds it.
    ClubFileBytes& Club(std::int32_t leading, std::int32_t id, const std::u16string& name,
                        std::int32_t male = 100, std::int32_t female = 90) {
        return Word(leading)
            .Word(id)
            .Text(u"")
            .Word(male)
            .Word(female)
            .Text(name)
            .Date(0, 1.0)
            .Date(0, 2.0);
    }
    const std::vector<unsigned char>& Get() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};
