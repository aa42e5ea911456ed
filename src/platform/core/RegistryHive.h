#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The keys and values of a registry hive file in the registry editor's text format
// ("Windows Registry Editor Version 5.00", [key] lines, "name"=dword:/hex:/"text" lines).
// Key paths are full ("HKEY_CURRENT_USER\Software\..."); names compare case-insensitively.
class CRegistryHive {
public:
    struct Value {
        std::u16string name; // empty for the key's default value ("@")
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct Key {
        std::u16string path;
        std::vector<Value> values;
    };

    // The largest hive file and the largest value that are read; anything larger is damage.
    static constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;
    static constexpr std::size_t kMaxValueBytes = std::size_t{1} << 20;

    // Reads a file's bytes (UTF-16LE with its byte-order mark, or UTF-8). False when they
    // are not such a text; the hive is then empty. The time taken grows with the size of the
    // text (times a logarithm), however many keys and values it holds.
    bool Parse(std::string_view bytes);
    // The text of the hive in UTF-8 with CRLF line ends, as the registry editor imports it.
    std::string Format() const;

    // A key exists when it is listed or something below it is; a root always exists.
    bool KeyExists(std::u16string_view path) const;
    const Key* FindKey(std::u16string_view path) const;
    Key& CreateKey(std::u16string_view path);
    const Value* FindValue(std::u16string_view keyPath, std::u16string_view name) const;
    void SetValue(std::u16string_view keyPath, Value value);

    const std::vector<Key>& Keys() const { return m_keys; }

    // Whether Parse gives back exactly this key, and this value under it, from what Format
    // writes of them: what the writer may store without making the file damage.
    static bool CanStore(std::u16string_view keyPath, const Value* value);

    static bool SameName(std::u16string_view a, std::u16string_view b);
    // The path with empty parts (doubled or trailing separators) left out.
    static std::u16string NormalizePath(std::u16string_view path);

private:
    Key* FindKeyMutable(std::u16string_view path);

    std::vector<Key> m_keys;
};
