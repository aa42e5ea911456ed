#include "CString.h"

#include <map>
#include <stdexcept>

namespace {

std::map<UINT, CString>& StringTable() {
    static std::map<UINT, CString> table;
    return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 code points for the bytes 0x80 to 0x9F; the rest map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

CString::CString(const char* ascii) {
    if (ascii != nullptr) {
        for (const char* p = ascii; *p != '\0'; ++p) {
            m_text += static_cast<char16_t>(static_cast<unsigned char>(*p));
        }
    }
}

CString::CString(const char16_t* text) {
    if (text != nullptr) {
        m_text = text;
    }
}

CString CString::FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1, cp = b0 & 0x1F, min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2, cp = b0 & 0x0F, min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3, cp = b0 & 0x07, min = 0x10000;
        } else {
            AppendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        bool ok = i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            ok = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            AppendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return CString(std::move(out));
}

CString CString::FromWindows1252(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
    }
    return CString(std::move(out));
}

std::string CString::ToUtf8() const {
    std::string out;
    out.reserve(m_text.size());
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        char32_t cp = m_text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < m_text.size() && m_text[i + 1] >= 0xDC00 &&
            m_text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (m_text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

BOOL CString::LoadString(UINT nID) {
    const auto& table = StringTable();
    const auto it = table.find(nID);
    if (it == table.end()) {
        m_text.clear();
        return FALSE;
    }
    *this = it->second;
    return TRUE;
}

void RegisterStringResource(UINT nID, CString text) {
    StringTable()[nID] = std::move(text);
}

int CString::ReverseFind(char16_t ch) const {
    const auto pos = m_text.rfind(ch);
    return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const {
    if (count <= 0) {
        return {};
    }
    return CString(m_text.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Mid(int first) const {
    if (first >= GetLength()) {
        return {};
    }
    return CString(m_text.substr(static_cast<std::size_t>(first < 0 ? 0 : first)));
}

char16_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) {
        m_text.resize(static_cast<std::size_t>(minLength), u'\0');
    }
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        const auto nul = m_text.find(u'\0');
        if (nul != std::u16string::npos) {
            m_text.resize(nul);
        }
    } else if (static_cast<std::size_t>(newLength) <= m_text.size()) {
        m_text.resize(static_cast<std::size_t>(newLength));
    }
}

void CString::FormatInts(std::u16string_view fmt, const long long* values, std::size_t count) {
    std::u16string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == u'%' && i + 1 < fmt.size() && fmt[i + 1] == u'%') {
            out += u'%';
            ++i;
        } else if (fmt[i] == u'%' && i + 1 < fmt.size() && fmt[i + 1] == u'd') {
            if (next >= count) {
                throw std::invalid_argument("CString::Format: more %d than values");
            }
            for (char c : std::to_string(values[next++])) {
                out += static_cast<char16_t>(c);
            }
            ++i;
        } else {
            out += fmt[i];
        }
    }
    m_text = std::move(out);
}
