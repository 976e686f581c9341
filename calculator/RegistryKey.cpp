#include "RegistryKey.h"

#include <cstring>

CRegistryKey::CRegistryKey(const char* pszPath) : m_strPath(pszPath), m_hKey(NULL) {}

CRegistryKey::~CRegistryKey()
{
    Close();
}

BOOL CRegistryKey::Open()
{
    Close();
    HKEY hKey = NULL;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_strPath, 0, NULL, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

void CRegistryKey::Close()
{
    if (m_hKey != NULL)
    {
        ::RegCloseKey(m_hKey);
        m_hKey = NULL;
    }
}

BOOL CRegistryKey::QueryValue(const char* pszName, void* pData, unsigned long* pcbData)
{
    if (m_hKey == NULL)
        return FALSE;
    DWORD dwType = 0;
    DWORD cbData = *pcbData;
    const LONG nResult = ::RegQueryValueExA(m_hKey, pszName, NULL, &dwType,
                                            static_cast<LPBYTE>(pData), &cbData);
    if (nResult != ERROR_SUCCESS)
        return FALSE;
    *pcbData = cbData;
    return TRUE;
}

void CRegistryKey::SetText(const char* pszName, const char* pszText)
{
    if (m_hKey == NULL)
        return;
    ::RegSetValueExA(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                     static_cast<DWORD>(std::strlen(pszText) + 1));
}

void CRegistryKey::SetDword(const char* pszName, unsigned long dwValue)
{
    if (m_hKey == NULL)
        return;
    const DWORD dwData = dwValue;
    ::RegSetValueExA(m_hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwData),
                     sizeof(dwData));
}
