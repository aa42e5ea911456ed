#include "platform/core/RegistryHive.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr std::u16string_view kHeader5 = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kHeader4 = u"REGEDIT4";
constexpr std::size_t kMaxValueBytes = CRegistryHive::kMaxValueBytes;

char16_t Upper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<char16_t>(c - 0x20);
    }
    return c;
}

std::u16string Decode(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return text;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    return std::u16string(CString::FromUtf8(bytes).Str());
}

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t' || s.back() == u'\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// The logical lines of the text: a hex value's physical lines joined where one ends with a
// backslash (the registry editor's way of wrapping long values).
std::vector<std::u16string> LogicalLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    bool continuing = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        std::u16string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        const bool wraps = !line.empty() && line.back() == u'\\' &&
                           (continuing || line.find(u"=hex") != std::u16string_view::npos);
        if (wraps) {
            line.remove_suffix(1);
        }
        if (continuing) {
            lines.back().append(line);
        } else {
            lines.emplace_back(line);
        }
        continuing = wraps;
    }
    return lines;
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

bool ParseHexNumber(std::u16string_view s, std::size_t maxDigits, std::uint32_t& out) {
    if (s.empty() || s.size() > maxDigits) {
        return false;
    }
    out = 0;
    for (char16_t c : s) {
        const int d = HexDigit(c);
        if (d < 0) {
            return false;
        }
        out = out << 4 | static_cast<std::uint32_t>(d);
    }
    return true;
}

bool ParseHexBytes(std::u16string_view s, std::vector<std::uint8_t>& out) {
    out.clear();
    s = Trim(s);
    if (s.empty()) {
        return true;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = s.find(u',', start);
        const std::u16string_view part = Trim(
            s.substr(start, comma == std::u16string_view::npos ? s.size() - start : comma - start));
        std::uint32_t byte = 0;
        if (!ParseHexNumber(part, 2, byte) || out.size() >= kMaxValueBytes) {
            return false;
        }
        out.push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::u16string_view::npos) {
            return true;
        }
        start = comma + 1;
    }
}

// A quoted text with \\ and \" escapes, starting at s[pos] == '"'. Moves pos past it.
bool ParseQuoted(std::u16string_view s, std::size_t& pos, std::u16string& out) {
    if (pos >= s.size() || s[pos] != u'"') {
        return false;
    }
    out.clear();
    for (++pos; pos < s.size(); ++pos) {
        const char16_t c = s[pos];
        if (c == u'"') {
            ++pos;
            return true;
        }
        if (c == u'\\' && pos + 1 < s.size()) {
            out += s[++pos];
        } else {
            out += c;
        }
    }
    return false;
}

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view text, bool withNull) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (withNull) {
        bytes.push_back(0);
        bytes.push_back(0);
    }
    return bytes;
}

// Parses the data part of a value line; `deleted` when it is "-".
bool ParseData(std::u16string_view s, CRegistryHive::Value& value, bool& deleted) {
    deleted = false;
    s = Trim(s);
    if (s == u"-") {
        deleted = true;
        return true;
    }
    if (!s.empty() && s.front() == u'"') {
        std::size_t pos = 0;
        std::u16string text;
        if (!ParseQuoted(s, pos, text) || !Trim(s.substr(pos)).empty()) {
            return false;
        }
        value.type = 1; // REG_SZ
        value.data = Utf16Bytes(text, true);
        return value.data.size() <= kMaxValueBytes;
    }
    if (s.substr(0, 6) == u"dword:") {
        std::uint32_t dw = 0;
        if (!ParseHexNumber(Trim(s.substr(6)), 8, dw)) {
            return false;
        }
        value.type = 4; // REG_DWORD
        value.data = {static_cast<std::uint8_t>(dw), static_cast<std::uint8_t>(dw >> 8),
                      static_cast<std::uint8_t>(dw >> 16), static_cast<std::uint8_t>(dw >> 24)};
        return true;
    }
    if (s.substr(0, 4) == u"hex:") {
        value.type = 3; // REG_BINARY
        return ParseHexBytes(s.substr(4), value.data);
    }
    if (s.substr(0, 4) == u"hex(") {
        const std::size_t close = s.find(u"):");
        std::uint32_t type = 0;
        if (close == std::u16string_view::npos ||
            !ParseHexNumber(s.substr(4, close - 4), 8, type)) {
            return false;
        }
        value.type = type;
        return ParseHexBytes(s.substr(close + 2), value.data);
    }
    return false;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    out += CString(std::u16string(text)).ToUtf8();
}

void AppendQuoted(std::string& out, std::u16string_view text) {
    out += '"';
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"') {
            out += '\\';
        }
        AppendUtf8(out, std::u16string_view(&c, 1));
    }
    out += '"';
}

// A REG_SZ whose text the editor reads back the same: printable ASCII ending in one null.
bool IsPlainText(const CRegistryHive::Value& v) {
    if (v.type != 1 || v.data.size() < 2 || v.data.size() % 2 != 0 || v.data[v.data.size() - 1] ||
        v.data[v.data.size() - 2]) {
        return false;
    }
    for (std::size_t i = 0; i + 2 < v.data.size(); i += 2) {
        if (v.data[i + 1] != 0 || v.data[i] < 0x20 || v.data[i] > 0x7E) {
            return false;
        }
    }
    return true;
}

void AppendHex(std::string& out, const std::vector<std::uint8_t>& data, std::size_t prefixLength) {
    static const char kDigits[] = "0123456789abcdef";
    std::size_t column = prefixLength;
    for (std::size_t i = 0; i < data.size(); ++i) {
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 0xF];
        column += 2;
        if (i + 1 < data.size()) {
            out += ',';
            ++column;
            if (column > 76) {
                out += "\\\r\n  ";
                column = 2;
            }
        }
    }
}

bool IsBelow(std::u16string_view path, std::u16string_view ancestor) {
    return path.size() > ancestor.size() && path[ancestor.size()] == u'\\' &&
           CRegistryHive::SameName(path.substr(0, ancestor.size()), ancestor);
}

// A name as SameName compares it.
std::u16string Folded(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& c : out) {
        c = Upper(c);
    }
    return out;
}

// The hive as a file builds it up, line by line: keys and values are found through ordered
// indexes instead of a walk over all of them, and deletions mark entries instead of moving
// the rest, so that a file of many keys or values reads in time proportional to its size
// (times a logarithm). Ordered indexes, unlike hashing, cannot be made slow by chosen names.
class HiveBuilder {
public:
    using Key = CRegistryHive::Key;
    using Value = CRegistryHive::Value;

    std::size_t CreateKey(const std::u16string& path) {
        const auto [it, added] = m_index.try_emplace(Folded(path), m_entries.size());
        if (added) {
            m_entries.push_back(Entry{Key{path, {}}, true, {}, {}});
        }
        return it->second;
    }
    // The key and every key below it.
    void DeleteKey(const std::u16string& path) {
        const std::u16string folded = Folded(path);
        if (const auto it = m_index.find(folded); it != m_index.end()) {
            Drop(it->second);
            m_index.erase(it);
        }
        // The folded paths below it run from "<path>\" up to "<path>]", the next character.
        const auto first = m_index.lower_bound(folded + u'\\');
        const auto last = m_index.lower_bound(folded + u']');
        for (auto it = first; it != last; ++it) {
            Drop(it->second);
        }
        m_index.erase(first, last);
    }
    void SetValue(std::size_t key, Value value) {
        Entry& entry = m_entries[key];
        const auto [it, added] = entry.valueIndex.try_emplace(Folded(value.name), 0);
        if (added) {
            it->second = entry.key.values.size();
            entry.key.values.push_back(std::move(value));
            entry.valueAlive.push_back(true);
        } else {
            Value& old = entry.key.values[it->second];
            old.type = value.type;
            old.data = std::move(value.data);
        }
    }
    void DeleteValue(std::size_t key, std::u16string_view name) {
        Entry& entry = m_entries[key];
        if (const auto it = entry.valueIndex.find(Folded(name)); it != entry.valueIndex.end()) {
            entry.valueAlive[it->second] = false;
            entry.valueIndex.erase(it);
        }
    }
    // The keys left, in the order they were first made, each with its values left.
    std::vector<Key> Finish() {
        std::vector<Key> keys;
        for (Entry& entry : m_entries) {
            if (!entry.alive) {
                continue;
            }
            Key key{std::move(entry.key.path), {}};
            for (std::size_t i = 0; i < entry.key.values.size(); ++i) {
                if (entry.valueAlive[i]) {
                    key.values.push_back(std::move(entry.key.values[i]));
                }
            }
            keys.push_back(std::move(key));
        }
        return keys;
    }

private:
    struct Entry {
        Key key;
        bool alive;
        std::vector<bool> valueAlive;
        std::map<std::u16string, std::size_t> valueIndex;
    };
    void Drop(std::size_t key) {
        Entry& entry = m_entries[key];
        entry.alive = false;
        entry.key.values.clear();
        entry.valueAlive.clear();
        entry.valueIndex.clear();
    }

    std::vector<Entry> m_entries;
    std::map<std::u16string, std::size_t> m_index;
};

// The key that a file's value lines belong to: none before the first key line, and none
// under a key the file deletes, whose values are still read (and dropped).
struct KeyInForce {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t index = kNone;
    bool deleted = false;
};

// A "[key]" or "[-key]" line; false when it is damage.
bool ParseKeyLine(std::u16string_view l, HiveBuilder& built, KeyInForce& current) {
    const std::size_t close = l.rfind(u']');
    if (close == std::u16string_view::npos || close < 2 || !Trim(l.substr(close + 1)).empty()) {
        return false;
    }
    const std::u16string_view path = l.substr(1, close - 1);
    current.deleted = path.front() == u'-';
    if (current.deleted) {
        built.DeleteKey(CRegistryHive::NormalizePath(path.substr(1)));
        current.index = KeyInForce::kNone;
        return true;
    }
    const std::u16string normalized = CRegistryHive::NormalizePath(path);
    // "[\-Name]" names a key "-Name", which would be written back as a deletion.
    if (normalized.empty() || normalized.front() == u'-') {
        return false;
    }
    current.index = built.CreateKey(normalized);
    return true;
}

// A value line ("name"=data, or @=data for the default value) under the key in force;
// false when it is damage.
bool ParseValueLine(std::u16string_view l, HiveBuilder& built, const KeyInForce& current) {
    if (current.index == KeyInForce::kNone && !current.deleted) {
        return false; // a value before any key
    }
    CRegistryHive::Value value;
    std::size_t pos = 0;
    if (l.front() == u'@') {
        pos = 1;
    } else if (!ParseQuoted(l, pos, value.name)) {
        return false;
    }
    while (pos < l.size() && (l[pos] == u' ' || l[pos] == u'\t')) {
        ++pos;
    }
    bool deleted = false;
    if (pos >= l.size() || l[pos] != u'=' || !ParseData(l.substr(pos + 1), value, deleted)) {
        return false;
    }
    if (current.index == KeyInForce::kNone) {
        return true; // a value of a key the file deletes
    }
    if (deleted) {
        built.DeleteValue(current.index, value.name);
    } else {
        built.SetValue(current.index, std::move(value));
    }
    return true;
}

} // namespace

bool CRegistryHive::CanStore(std::u16string_view keyPath, const Value* value) {
    const std::u16string path = NormalizePath(keyPath);
    if (path.empty()) {
        return false;
    }
    CRegistryHive written;
    Key& key = written.CreateKey(path);
    if (value != nullptr) {
        key.values.push_back(*value);
    }
    CRegistryHive read;
    if (!read.Parse(written.Format()) || read.m_keys.size() != 1 || read.m_keys[0].path != path) {
        return false;
    }
    if (value == nullptr) {
        return true;
    }
    const std::vector<Value>& values = read.m_keys[0].values;
    return values.size() == 1 && values[0].name == value->name && values[0].type == value->type &&
           values[0].data == value->data;
}

bool CRegistryHive::SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::u16string CRegistryHive::NormalizePath(std::u16string_view path) {
    std::u16string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            if (!out.empty()) {
                out += u'\\';
            }
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

bool CRegistryHive::Parse(std::string_view bytes) {
    m_keys.clear();
    if (bytes.size() > kMaxFileBytes) {
        return false;
    }
    const std::u16string text = Decode(bytes);
    const std::vector<std::u16string> lines = LogicalLines(text);
    HiveBuilder built;
    bool headerSeen = false;
    KeyInForce current;
    for (const std::u16string& line : lines) {
        const std::u16string_view l = Trim(line);
        if (l.empty() || l.front() == u';') {
            continue;
        }
        if (!headerSeen) {
            if (l != kHeader5 && l != kHeader4) {
                return false;
            }
            headerSeen = true;
            continue;
        }
        const bool sound =
            l.front() == u'[' ? ParseKeyLine(l, built, current) : ParseValueLine(l, built, current);
        if (!sound) {
            return false;
        }
    }
    if (!headerSeen) {
        return false;
    }
    m_keys = built.Finish();
    return true;
}

std::string CRegistryHive::Format() const {
    std::string out = "Windows Registry Editor Version 5.00\r\n\r\n";
    for (const Key& key : m_keys) {
        out += '[';
        AppendUtf8(out, key.path);
        out += "]\r\n";
        for (const Value& v : key.values) {
            const std::size_t lineStart = out.size();
            if (v.name.empty()) {
                out += '@';
            } else {
                AppendQuoted(out, v.name);
            }
            out += '=';
            if (IsPlainText(v)) {
                std::u16string text;
                for (std::size_t i = 0; i + 2 < v.data.size(); i += 2) {
                    text += static_cast<char16_t>(v.data[i]);
                }
                AppendQuoted(out, text);
            } else if (v.type == 4 && v.data.size() == 4) {
                static const char kDigits[] = "0123456789abcdef";
                out += "dword:";
                for (int i = 3; i >= 0; --i) {
                    out += kDigits[v.data[static_cast<std::size_t>(i)] >> 4];
                    out += kDigits[v.data[static_cast<std::size_t>(i)] & 0xF];
                }
            } else {
                if (v.type == 3) {
                    out += "hex:";
                } else {
                    static const char kDigits[] = "0123456789abcdef";
                    std::string type;
                    for (std::uint32_t t = v.type; t != 0 || type.empty(); t >>= 4) {
                        type.insert(type.begin(), kDigits[t & 0xF]);
                    }
                    out += "hex(" + type + "):";
                }
                AppendHex(out, v.data, out.size() - lineStart);
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

bool CRegistryHive::KeyExists(std::u16string_view path) const {
    const std::u16string normalized = NormalizePath(path);
    if (normalized.find(u'\\') == std::u16string::npos) {
        return !normalized.empty();
    }
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const Key& k) {
        return SameName(k.path, normalized) || IsBelow(k.path, normalized);
    });
}

const CRegistryHive::Key* CRegistryHive::FindKey(std::u16string_view path) const {
    const std::u16string normalized = NormalizePath(path);
    const auto it = std::find_if(m_keys.begin(), m_keys.end(),
                                 [&](const Key& k) { return SameName(k.path, normalized); });
    return it == m_keys.end() ? nullptr : &*it;
}

CRegistryHive::Key* CRegistryHive::FindKeyMutable(std::u16string_view path) {
    return const_cast<Key*>(std::as_const(*this).FindKey(path));
}

CRegistryHive::Key& CRegistryHive::CreateKey(std::u16string_view path) {
    if (Key* key = FindKeyMutable(path)) {
        return *key;
    }
    m_keys.push_back(Key{NormalizePath(path), {}});
    return m_keys.back();
}

const CRegistryHive::Value* CRegistryHive::FindValue(std::u16string_view keyPath,
                                                     std::u16string_view name) const {
    const Key* key = FindKey(keyPath);
    if (key == nullptr) {
        return nullptr;
    }
    const auto it = std::find_if(key->values.begin(), key->values.end(),
                                 [&](const Value& v) { return SameName(v.name, name); });
    return it == key->values.end() ? nullptr : &*it;
}

void CRegistryHive::SetValue(std::u16string_view keyPath, Value value) {
    Key& key = CreateKey(keyPath);
    const auto it = std::find_if(key.values.begin(), key.values.end(),
                                 [&](const Value& v) { return SameName(v.name, value.name); });
    if (it != key.values.end()) {
        it->type = value.type;
        it->data = std::move(value.data);
    } else {
        key.values.push_back(std::move(value));
    }
}
