#pragma once
// Stand-in: the settings key wrapper with the agreed interface, values kept in memory.
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Registry.h"

class CRegistryKey : public CObject {
public:
    explicit CRegistryKey(HKEY hKeyRoot);
    ~CRegistryKey() override;
    BOOL Open(HKEY hKeyParent, const CString& strKeyPath);
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
    BOOL SetObjectValue(const CString& strName, CObject& object);
    BOOL GetObjectValue(const CString& strName, CObject& object);
    HKEY m_hKey;
    CString m_strKeyPath;

private:
    HKEY m_hKeyRoot;
};
