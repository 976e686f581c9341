#include "MemorySettingsKey.h"

#include <gtest/gtest.h>

#include <cstring>

BOOL CMemorySettingsKey::Open()
{
    m_bOpen = !m_bFailOpen;
    return m_bOpen ? TRUE : FALSE;
}

void CMemorySettingsKey::Close()
{
    m_bOpen = false;
}

bool CMemorySettingsKey::CheckOpen(const char* pszName) const
{
    if (!m_bOpen)
        ADD_FAILURE() << "value " << pszName << " used while the key is closed";
    return m_bOpen;
}

BOOL CMemorySettingsKey::QueryValue(const char* pszName, void* pData, unsigned long* pcbData)
{
    auto it = m_values.find(pszName);
    if (!CheckOpen(pszName) || it == m_values.end())
        return FALSE;
    const std::string& bytes = it->second.bytes;
    const unsigned long cbCapacity = *pcbData;
    *pcbData = static_cast<unsigned long>(bytes.size());
    if (bytes.size() > cbCapacity)
        return FALSE; // like ERROR_MORE_DATA, with the size needed
    std::memcpy(pData, bytes.data(), bytes.size());
    // The registry promises nothing about the rest of the buffer.
    if (m_nFillUnused >= 0)
        std::memset(static_cast<char*>(pData) + bytes.size(), m_nFillUnused, cbCapacity - bytes.size());
    return TRUE;
}

void CMemorySettingsKey::SetText(const char* pszName, const char* pszText)
{
    if (CheckOpen(pszName))
        m_values[pszName] = CValue{kTypeSz, std::string(pszText, std::strlen(pszText) + 1)};
}

void CMemorySettingsKey::SetDword(const char* pszName, unsigned long dwValue)
{
    const char bytes[4] = {static_cast<char>(dwValue), static_cast<char>(dwValue >> 8),
                           static_cast<char>(dwValue >> 16), static_cast<char>(dwValue >> 24)};
    if (CheckOpen(pszName))
        m_values[pszName] = CValue{kTypeDword, std::string(bytes, 4)};
}
