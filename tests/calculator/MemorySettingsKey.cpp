#include "MemorySettingsKey.h"

#include <gtest/gtest.h>

#include <cstring>

BOOL CMemorySettingsKey::QueryValue(const char* pszName, void* pData, unsigned long* pcbData)
{
    EXPECT_TRUE(m_bOpen) << pszName << " read while the key is closed";
    auto it = m_values.find(pszName);
    if (it == m_values.end())
        return FALSE;
    const unsigned long cbCapacity = *pcbData;
    *pcbData = static_cast<unsigned long>(it->second.size());
    if (*pcbData > cbCapacity)
        return FALSE; // like ERROR_MORE_DATA, with the size needed
    std::memcpy(pData, it->second.data(), *pcbData);
    // The registry promises nothing about the rest of the buffer.
    if (m_nFillUnused >= 0)
        std::memset(static_cast<char*>(pData) + *pcbData, m_nFillUnused, cbCapacity - *pcbData);
    return TRUE;
}

void CMemorySettingsKey::SetText(const char* pszName, const char* pszText)
{
    EXPECT_TRUE(m_bOpen) << pszName << " written while the key is closed";
    m_values[pszName] = std::string(pszText, std::strlen(pszText) + 1);
}

void CMemorySettingsKey::SetDword(const char* pszName, unsigned long dwValue)
{
    EXPECT_TRUE(m_bOpen) << pszName << " written while the key is closed";
    m_values[pszName] = {char(dwValue), char(dwValue >> 8), char(dwValue >> 16), char(dwValue >> 24)};
}
