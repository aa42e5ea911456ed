#include "platform/core/CString.h"

#include "platform/core/Utf.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

std::map<UINT, CString>& StringTable() {
    static std::map<UINT, CString> table;
    return table;
}

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 code points for the bytes 0x80 to 0x9F; the rest map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

CString::Block* CString::Allocate(std::size_t capacity) {
    if (capacity > kMaxLength) {
        TooLong();
    }
    auto* block = static_cast<Block*>(::operator new(StorageSize(capacity)));
    block->length = 0;
    block->capacity = static_cast<std::uint32_t>(capacity);
    Chars(block)[0] = u'\0';
    return block;
}

void CString::Free(Block* block) noexcept {
    ::operator delete(block);
}

void CString::TooLong() {
    throw std::length_error("CString: text too long");
}

void CString::Assign(std::u16string_view text) {
    if (text.empty()) {
        Release();
        return;
    }
    // Copied before the old block goes: the text may be part of it.
    Block* block = Allocate(text.size());
    std::memcpy(Chars(block), text.data(), text.size() * sizeof(char16_t));
    block->length = static_cast<std::uint32_t>(text.size());
    Chars(block)[text.size()] = u'\0';
    Release();
    m_block = block;
}

void CString::Reserve(std::size_t capacity) {
    if (Owned() && Capacity() >= capacity) {
        return;
    }
    Block* block = Allocate(std::max(capacity, static_cast<std::size_t>(GetLength())));
    const std::size_t length = static_cast<std::size_t>(GetLength());
    std::memcpy(Chars(block), GetString(), (length + 1) * sizeof(char16_t));
    block->length = static_cast<std::uint32_t>(length);
    Release();
    m_block = block;
}

CString::CString(const char* ascii) {
    if (ascii == nullptr || *ascii == '\0') {
        return;
    }
    const std::size_t length = std::strlen(ascii);
    m_block = Allocate(length);
    char16_t* out = Chars(m_block);
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(ascii[i]));
    }
    out[length] = u'\0';
    m_block->length = static_cast<std::uint32_t>(length);
}

CString::CString(const char16_t* text) {
    if (text != nullptr) {
        Assign(std::u16string_view(text));
    }
}

CString::CString(std::u16string_view text) {
    Assign(text);
}

CString::CString(CString&& other) {
    if (other.Owned()) {
        m_block = std::exchange(other.m_block, nullptr);
    } else {
        Assign(other.Str());
    }
}

CString& CString::operator=(const CString& other) {
    if (this != &other) {
        Assign(other.Str());
    }
    return *this;
}

CString& CString::operator=(CString&& other) {
    if (this == &other) {
        return *this;
    }
    if (other.Owned()) {
        Release();
        m_block = std::exchange(other.m_block, nullptr);
    } else {
        Assign(other.Str());
    }
    return *this;
}

char16_t CString::GetAt(int i) const {
    if (i < 0 || i >= GetLength()) {
        throw std::out_of_range("CString::GetAt");
    }
    return GetString()[i];
}

CString CString::FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = utf::DecodeUtf8(utf8, i, cp);
        // Each byte that begins no valid sequence stands for one replacement character.
        utf::AppendUtf16(out, n == 0 ? kReplacement : cp);
        i += n == 0 ? 1 : n;
    }
    return CString(std::u16string_view(out));
}

CString CString::FromWindows1252(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    Windows1252ToUtf16(bytes, out.data());
    return CString(std::u16string_view(out));
}

void CString::Windows1252ToUtf16(std::string_view bytes, char16_t* out) {
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
    }
}

std::string CString::ToUtf8() const {
    const std::u16string_view text = Str();
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = utf::NextUtf16(text, i);
        utf::AppendUtf8(out, utf::IsSurrogate(cp) ? kReplacement : cp);
    }
    return out;
}

BOOL CString::LoadString(UINT nID) {
    const auto& table = StringTable();
    const auto it = table.find(nID);
    if (it == table.end()) {
        Release();
        return FALSE;
    }
    *this = it->second;
    return TRUE;
}

void RegisterStringResource(UINT nID, CString text) {
    StringTable()[nID] = std::move(text);
}

int CString::ReverseFind(char16_t ch) const {
    const auto pos = Str().rfind(ch);
    return pos == std::u16string_view::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const {
    if (count <= 0) {
        return {};
    }
    return CString(Str().substr(0, static_cast<std::size_t>(count)));
}

CString CString::Mid(int first) const {
    if (first >= GetLength()) {
        return {};
    }
    return CString(Str().substr(static_cast<std::size_t>(first < 0 ? 0 : first)));
}

char16_t* CString::GetBuffer(int minLength) {
    const auto length = static_cast<std::size_t>(GetLength());
    const std::size_t wanted = minLength > 0 ? static_cast<std::size_t>(minLength) : 0;
    Reserve(std::max({wanted, length, std::size_t{1}}));
    if (wanted > length) {
        // The text grows to the buffer's length; ReleaseBuffer cuts it at the first null.
        std::fill(Chars(m_block) + length, Chars(m_block) + wanted + 1, u'\0');
        m_block->length = static_cast<std::uint32_t>(wanted);
    }
    return Chars(m_block);
}

void CString::ReleaseBuffer(int newLength) {
    if (m_block == nullptr) {
        return;
    }
    const std::u16string_view text = Str();
    std::size_t length = text.size();
    if (newLength < 0) {
        const auto nul = text.find(u'\0');
        if (nul != std::u16string_view::npos) {
            length = nul;
        }
    } else if (static_cast<std::size_t>(newLength) <= text.size()) {
        length = static_cast<std::size_t>(newLength);
    }
    if (length == text.size()) {
        return;
    }
    if (length == 0) {
        Release();
        return;
    }
    Reserve(length); // a text in kept storage is never written to
    m_block->length = static_cast<std::uint32_t>(length);
    Chars(m_block)[length] = u'\0';
}

void CString::FreeExtra() {
    if (Owned() && Capacity() > static_cast<std::size_t>(GetLength())) {
        Assign(Str());
    }
}

CString& CString::operator+=(const CString& other) {
    if (other.IsEmpty()) {
        return *this;
    }
    const auto length = static_cast<std::size_t>(GetLength());
    const std::size_t added = static_cast<std::size_t>(other.GetLength());
    if (added > kMaxLength - length) {
        TooLong();
    }
    if (!Owned() || Capacity() < length + added) {
        // Kept before the old block goes: `other` may be this very text.
        CString joined;
        joined.m_block = Allocate(std::max(length + added, std::min(kMaxLength, length * 2)));
        std::memcpy(Chars(joined.m_block), GetString(), length * sizeof(char16_t));
        std::memcpy(Chars(joined.m_block) + length, other.GetString(), added * sizeof(char16_t));
        joined.m_block->length = static_cast<std::uint32_t>(length + added);
        Chars(joined.m_block)[length + added] = u'\0';
        std::swap(m_block, joined.m_block);
        return *this;
    }
    std::memmove(Chars(m_block) + length, other.GetString(), added * sizeof(char16_t));
    m_block->length = static_cast<std::uint32_t>(length + added);
    Chars(m_block)[length + added] = u'\0';
    return *this;
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
    Assign(out);
}
