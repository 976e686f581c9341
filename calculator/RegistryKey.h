// A key of the current user's registry hive.
#pragma once
#include "SettingsKey.h"
#include "CString.h"

// One key below HKEY_CURRENT_USER, created on opening when it is missing.
class CRegistryKey : public CSettingsKey
{
public:
    // pszPath: the key's path below HKEY_CURRENT_USER, such as SETTINGS_KEY_PATH.
    explicit CRegistryKey(const char* pszPath);
    ~CRegistryKey() override;

    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    BOOL Open() override;
    void Close() override;
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override;
    void SetText(const char* pszName, const char* pszText) override;
    void SetDword(const char* pszName, unsigned long dwValue) override;

private:
    CString m_strPath; // key path below HKEY_CURRENT_USER
    HKEY m_hKey;       // open key, or NULL
};
