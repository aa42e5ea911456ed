#include "persistence/RegistryKey.h"

#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <typeinfo>
#include <vector>

namespace {

LPCWSTR Wide(const CString& text) {
    return reinterpret_cast<LPCWSTR>(text.GetString());
}

struct FreeBlock {
    void operator()(BYTE* block) const { std::free(block); }
};
using Block = std::unique_ptr<BYTE, FreeBlock>;

// The object's own serialization, as an object value holds it.
std::vector<BYTE> Store(CObject& object) {
    CMemFile file(1024);
    CArchive ar(&file, CArchive::store, 4096, nullptr);
    object.Serialize(ar);
    ar.Close();
    const auto length = static_cast<std::size_t>(file.GetLength());
    const Block block(file.Detach());
    return block ? std::vector<BYTE>(block.get(), block.get() + length) : std::vector<BYTE>();
}

// Loads the object from the bytes; false when they end before the object does or cannot be
// read as it.
bool Load(BYTE* bytes, DWORD size, CObject& object) {
    CMemFile file(bytes, size, 0);
    try {
        CArchive ar(&file, CArchive::load, 4096, nullptr);
        object.Serialize(ar);
        ar.Close();
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// A new, empty object of exactly the object's class, when its run-time class can make one;
// null otherwise.
std::unique_ptr<CObject> NewObjectLike(const CObject& object) {
    try {
        std::unique_ptr<CObject> made = object.GetRuntimeClass()->CreateObject();
        const CObject* const raw = made.get();
        return raw != nullptr && typeid(*raw) == typeid(object) ? std::move(made) : nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

CRegistryKey::CRegistryKey(HKEY hKeyRoot) : m_hKey(hKeyRoot) {}

CRegistryKey::~CRegistryKey() {
    Close();
}

BOOL CRegistryKey::Open(HKEY hKeyParent, const CString& strKeyPath, REGSAM samDesired) {
    m_strKeyPath = strKeyPath;
    m_bWriteFailed = FALSE;
    return RegOpenKeyExW(hKeyParent, Wide(strKeyPath), 0, samDesired, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Open(const CString& strKeyPath) {
    m_strKeyPath = strKeyPath;
    m_bWriteFailed = FALSE;
    return RegOpenKeyExW(m_hKey, Wide(strKeyPath), 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Exists(HKEY hKeyParent, const CString& strKeyPath) {
    return RegOpenKeyExW(hKeyParent, Wide(strKeyPath), 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Exists(const CString& strKeyPath) {
    return RegOpenKeyExW(m_hKey, Wide(strKeyPath), 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Create(HKEY hKeyParent, const CString& strKeyPath, DWORD dwOptions) {
    DWORD dwDisposition = 0;
    return RegCreateKeyExW(hKeyParent, Wide(strKeyPath), 0, nullptr, dwOptions, KEY_ALL_ACCESS,
                           nullptr, &m_hKey, &dwDisposition) == ERROR_SUCCESS;
}

void CRegistryKey::Close() {
    if (m_hKey != nullptr) {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

BOOL CRegistryKey::ValueExists(const CString& strName) {
    return RegQueryValueExW(m_hKey, Wide(strName), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

BOOL CRegistryKey::SetStringValue(const CString& strName, const CString& strValue) {
    const auto cbData = static_cast<DWORD>((strValue.GetLength() + 1) * 2);
    return Written(RegSetValueExW(m_hKey, Wide(strName), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(strValue.GetString()), cbData));
}

BOOL CRegistryKey::GetStringValue(const CString& strName, CString& strValue) {
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (RegQueryValueExW(m_hKey, Wide(strName), nullptr, &dwType, nullptr, &cbData) !=
        ERROR_SUCCESS) {
        return FALSE;
    }
    char16_t* buffer = strValue.GetBuffer(static_cast<int>(cbData) + 1);
    const LSTATUS result = RegQueryValueExW(m_hKey, Wide(strName), nullptr, &dwType,
                                            reinterpret_cast<LPBYTE>(buffer), &cbData);
    if (result != ERROR_SUCCESS) {
        strValue.ReleaseBuffer();
        return FALSE;
    }
    // The text ends at its first null, or with the stored data when it holds none.
    const int stored = static_cast<int>(cbData / 2);
    int length = 0;
    while (length < stored && buffer[length] != u'\0') {
        ++length;
    }
    strValue.ReleaseBuffer(length);
    return TRUE;
}

BOOL CRegistryKey::SetDWordValue(const CString& strName, const DWORD& dwValue) {
    return Written(RegSetValueExW(m_hKey, Wide(strName), 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&dwValue), 4));
}

BOOL CRegistryKey::GetDWordValue(const CString& strName, DWORD& dwValue) {
    BYTE data[4];
    DWORD cbData = 4;
    if (RegQueryValueExW(m_hKey, Wide(strName), nullptr, nullptr, data, &cbData) != ERROR_SUCCESS) {
        return FALSE;
    }
    // A shorter value fills only its own bytes; the others keep what the DWORD held.
    BYTE* target = reinterpret_cast<BYTE*>(&dwValue);
    for (DWORD i = 0; i < cbData && i < 4; ++i) {
        target[i] = data[i];
    }
    return TRUE;
}

BOOL CRegistryKey::SetObjectValue(const CString& strName, CObject& object) {
    const std::vector<BYTE> bytes = Store(object);
    return Written(RegSetValueExW(m_hKey, Wide(strName), 0, REG_BINARY, bytes.data(),
                                  static_cast<DWORD>(bytes.size())));
}

BOOL CRegistryKey::Written(LSTATUS result) {
    if (result != ERROR_SUCCESS) {
        m_bWriteFailed = TRUE;
        return FALSE;
    }
    return TRUE;
}

BOOL CRegistryKey::GetObjectValue(const CString& strName, CObject& object) {
    DWORD dwType = REG_NONE;
    DWORD cbData = 0;
    Block block;
    if (RegQueryValueExW(m_hKey, Wide(strName), nullptr, &dwType, nullptr, &cbData) ==
            ERROR_SUCCESS &&
        dwType == REG_BINARY) {
        block.reset(static_cast<BYTE*>(std::malloc(cbData > 0 ? cbData : 1)));
        if (!block) {
            return FALSE;
        }
    }
    const LSTATUS result =
        RegQueryValueExW(m_hKey, Wide(strName), nullptr, nullptr, block.get(), &cbData);
    if (result != ERROR_SUCCESS || dwType != REG_BINARY) {
        return FALSE;
    }
    // A value that the object cannot read whole leaves the object as it was. A load may add
    // to what the object holds (a list appends), so the value is read first into a new object
    // of the same class, and only a value read whole there is read into the object. An object
    // whose class cannot make one, or that memory fails on the way, gets what it held before
    // loaded back.
    std::vector<BYTE> before;
    try {
        before = Store(object);
    } catch (const CException&) {
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (const auto trial = NewObjectLike(object); trial && !Load(block.get(), cbData, *trial)) {
        return FALSE;
    }
    if (!Load(block.get(), cbData, object)) {
        Load(before.data(), static_cast<DWORD>(before.size()), object);
        return FALSE;
    }
    return TRUE;
}
