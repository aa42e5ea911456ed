#pragma once

#include "WinTypes.h"

#include <compare>
#include <string>
#include <string_view>

// Text of 16-bit characters with value semantics.
class CString {
public:
    CString() = default;
    CString(const char* ascii);    // NOLINT: widened, as the built-in names are
    CString(const char16_t* text); // NOLINT
    CString(std::u16string text) : m_text(std::move(text)) {} // NOLINT
    CString(std::u16string_view text) : m_text(text) {}       // NOLINT

    static CString FromUtf8(std::string_view utf8);
    // 8-bit text in the Windows-1252 code page, as older data files hold it.
    static CString FromWindows1252(std::string_view bytes);
    std::string ToUtf8() const;

    // Loads string resource nID; the text is empty (and the result FALSE) when there is none.
    BOOL LoadString(UINT nID);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char16_t* GetString() const { return m_text.c_str(); }
    const std::u16string& Str() const { return m_text; }
    char16_t GetAt(int i) const { return m_text.at(static_cast<std::size_t>(i)); }

    // Replaces the text with fmt, each "%d" taking the next value and "%%" giving "%".
    template <class... Ints> void Format(std::u16string_view fmt, Ints... values) {
        const long long args[] = {static_cast<long long>(values)..., 0};
        FormatInts(fmt, args, sizeof...(values));
    }

    int ReverseFind(char16_t ch) const;
    CString Left(int count) const;
    CString Mid(int first) const;

    // A writable buffer of at least minLength characters that keeps the current text;
    // ReleaseBuffer takes the text up to the first null (or newLength characters).
    char16_t* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);
    void FreeExtra() { m_text.shrink_to_fit(); }

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend bool operator==(const CString&, const CString&) = default;
    friend auto operator<=>(const CString&, const CString&) = default;

private:
    void FormatInts(std::u16string_view fmt, const long long* values, std::size_t count);

    std::u16string m_text;
};

// The string resources the program has. Resource texts that depend on the machine (such
// as the preferred data directory) are registered at start-up by the layer that knows them.
void RegisterStringResource(UINT nID, CString text);
