#pragma once

#include "platform/core/WinTypes.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text of 16-bit characters with value semantics. The object is one pointer wide: an empty
// text holds nothing, any other one block with its length, its capacity and its characters
// (always followed by a null). Every copy and every move of a text owns its characters, so
// a text never depends on another object's lifetime, with one exception made on purpose:
// a text placed in storage that its owner keeps (UseStorage), as a loaded club table keeps
// the texts of its records; that storage is never freed by the text.
class CString {
public:
    CString() noexcept = default;
    CString(const char* ascii);    // NOLINT: widened, as the built-in names are
    CString(const char16_t* text); // NOLINT
    CString(const std::u16string& text) : CString(std::u16string_view(text)) {} // NOLINT
    CString(std::u16string_view text);                                          // NOLINT
    CString(const CString& other) : CString(other.Str()) {}
    // A text in kept storage is copied: its characters stay where its owner keeps them.
    CString(CString&& other);
    CString& operator=(const CString& other);
    CString& operator=(CString&& other);
    ~CString() { Release(); }

    static CString FromUtf8(std::string_view utf8);
    // 8-bit text in the Windows-1252 code page, as older data files hold it.
    static CString FromWindows1252(std::string_view bytes);
    // The same characters written to `out`, one for each byte.
    static void Windows1252ToUtf16(std::string_view bytes, char16_t* out);
    std::string ToUtf8() const;

    // Loads string resource nID; the text is empty (and the result FALSE) when there is none.
    BOOL LoadString(UINT nID);

    int GetLength() const { return m_block != nullptr ? static_cast<int>(m_block->length) : 0; }
    bool IsEmpty() const { return m_block == nullptr || m_block->length == 0; }
    void Empty() { Release(); }
    // The characters, followed by a null.
    const char16_t* GetString() const { return m_block != nullptr ? Chars(m_block) : u""; }
    std::u16string_view Str() const { return {GetString(), static_cast<std::size_t>(GetLength())}; }
    char16_t GetAt(int i) const;

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
    // Gives back the capacity beyond the text.
    void FreeExtra();

    CString& operator+=(const CString& other);
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.Str() == b.Str(); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
        return a.Str() <=> b.Str();
    }

    // The longest text, in characters.
    static constexpr std::size_t kMaxLength = 0x3FFFFFFF;
    // The bytes (a multiple of 4) that storage for a text of `length` characters must hold.
    static constexpr std::size_t StorageSize(std::size_t length) {
        return (sizeof(Block) + (length + 1) * sizeof(char16_t) + 3) & ~std::size_t{3};
    }
    // Makes this a text of `length` characters held in `storage` (StorageSize(length) bytes,
    // aligned for 32-bit words), which the caller keeps for at least as long as this object:
    // the object never frees it, and a copy or a move of it owns its characters. Returns where
    // the characters go (the null after them is in place); null for an empty text.
    char16_t* UseStorage(void* storage, std::size_t length) {
        Release();
        if (length == 0) {
            return nullptr;
        }
        if (length > kMaxLength) {
            TooLong();
        }
        auto* block = static_cast<Block*>(storage);
        block->length = static_cast<std::uint32_t>(length);
        block->capacity = static_cast<std::uint32_t>(length) | kKept;
        Chars(block)[length] = u'\0';
        m_block = block;
        return Chars(block);
    }

private:
    struct Block {
        std::uint32_t length;
        std::uint32_t capacity; // kKept: the storage is its owner's, never freed here
    };
    static constexpr std::uint32_t kKept = 0x80000000U;

    static char16_t* Chars(Block* block) { return reinterpret_cast<char16_t*>(block + 1); }
    static Block* Allocate(std::size_t capacity);
    std::size_t Capacity() const { return m_block != nullptr ? m_block->capacity & ~kKept : 0; }
    bool Owned() const { return m_block != nullptr && (m_block->capacity & kKept) == 0; }
    void Release() noexcept {
        if (Owned()) {
            Free(m_block);
        }
        m_block = nullptr;
    }
    static void Free(Block* block) noexcept;
    [[noreturn]] static void TooLong();
    void Assign(std::u16string_view text);
    // Makes room for `capacity` characters in a block of this object's own, keeping the text.
    void Reserve(std::size_t capacity);
    void FormatInts(std::u16string_view fmt, const long long* values, std::size_t count);

    Block* m_block = nullptr;
};

// The string resources the program has. Resource texts that depend on the machine (such
// as the preferred data directory) are registered at start-up by the layer that knows them.
void RegisterStringResource(UINT nID, CString text);
