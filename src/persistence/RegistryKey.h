#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Registry.h"

// One open registry key and typed values under it. Every operation that touches the
// registry answers nonzero exactly when the registry call succeeded.
class CRegistryKey : public CObject {
public:
    explicit CRegistryKey(HKEY hKeyRoot);
    ~CRegistryKey() override;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // A key opened with KEY_READ is only read through: no value is written through it, and
    // looking at the settings that way changes no file.
    BOOL Open(HKEY hKeyParent, const CString& strKeyPath, REGSAM samDesired = KEY_ALL_ACCESS);
    // Opens the path below the key held, which the child then replaces.
    BOOL Open(const CString& strKeyPath);
    BOOL Exists(HKEY hKeyParent, const CString& strKeyPath);
    BOOL Exists(const CString& strKeyPath);
    BOOL Create(HKEY hKeyParent, const CString& strKeyPath, DWORD dwOptions);
    void Close();

    BOOL ValueExists(const CString& strName);
    BOOL SetStringValue(const CString& strName, const CString& strValue);
    BOOL GetStringValue(const CString& strName, CString& strValue);
    BOOL SetDWordValue(const CString& strName, const DWORD& dwValue);
    BOOL GetDWordValue(const CString& strName, DWORD& dwValue);
    // The object's own serialization as a REG_BINARY value, and back. A read that fails
    // leaves the object as it was (for an object that a load adds to, such as a list, as far
    // as its class has a run-time class that makes objects).
    BOOL SetObjectValue(const CString& strName, CObject& object);
    BOOL GetObjectValue(const CString& strName, CObject& object);

    HKEY m_hKey;
    CString m_strKeyPath;
    // Whether a value could not be written since the key was last opened: a change that is
    // lost, for the player to be told.
    BOOL m_bWriteFailed = FALSE;

private:
    // A write's result, noted when it failed.
    BOOL Written(LSTATUS result);
};
