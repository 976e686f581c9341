#include "MemorySettingsKey.h"

#include <cstring>

BOOL CMemorySettingsKey::Open()
{
    if (m_bFailOpen)
        return FALSE;
    m_bOpen = true;
    ++m_nOpens;
    return TRUE;
}

void CMemorySettingsKey::Close()
{
    if (m_bOpen)
        ++m_nCloses;
    m_bOpen = false;
}

BOOL CMemorySettingsKey::QueryValue(const char* pszName, void* pData, unsigned long* pcbData)
{
    if (!m_bOpen)
    {
        ++m_nClosedAccesses;
        return FALSE;
    }
    auto it = m_values.find(pszName);
    if (it == m_values.end())
        return FALSE;
    const std::vector<unsigned char>& data = it->second.data;
    const unsigned long cbCapacity = *pcbData;
    *pcbData = static_cast<unsigned long>(data.size());
    if (data.size() > cbCapacity)
        return FALSE; // like ERROR_MORE_DATA, with the size needed
    if (!data.empty())
        std::memcpy(pData, data.data(), data.size());
    // The registry promises nothing about the rest of the buffer.
    if (m_nFillUnused >= 0)
        std::memset(static_cast<unsigned char*>(pData) + data.size(), m_nFillUnused, cbCapacity - data.size());
    return TRUE;
}

void CMemorySettingsKey::SetText(const char* pszName, const char* pszText)
{
    if (!m_bOpen)
    {
        ++m_nClosedAccesses;
        return;
    }
    m_writes.push_back(pszName);
    Put(pszName, kTypeSz, std::string(pszText, std::strlen(pszText) + 1));
}

void CMemorySettingsKey::SetDword(const char* pszName, unsigned long dwValue)
{
    if (!m_bOpen)
    {
        ++m_nClosedAccesses;
        return;
    }
    m_writes.push_back(pszName);
    PutDword(pszName, static_cast<unsigned int>(dwValue));
}

void CMemorySettingsKey::Put(const char* pszName, unsigned long dwType, const std::string& strBytes)
{
    m_values[pszName] = CValue{dwType, std::vector<unsigned char>(strBytes.begin(), strBytes.end())};
}

void CMemorySettingsKey::PutDword(const char* pszName, unsigned int dwValue)
{
    const char bytes[4] = {
        static_cast<char>(dwValue & 0xFF), static_cast<char>((dwValue >> 8) & 0xFF),
        static_cast<char>((dwValue >> 16) & 0xFF), static_cast<char>((dwValue >> 24) & 0xFF)};
    Put(pszName, kTypeDword, std::string(bytes, 4));
}

bool CMemorySettingsKey::Has(const char* pszName) const
{
    return m_values.count(pszName) != 0;
}

std::string CMemorySettingsKey::Bytes(const char* pszName) const
{
    auto it = m_values.find(pszName);
    if (it == m_values.end())
        return std::string();
    return std::string(it->second.data.begin(), it->second.data.end());
}

unsigned long CMemorySettingsKey::Type(const char* pszName) const
{
    auto it = m_values.find(pszName);
    return it == m_values.end() ? 0 : it->second.dwType;
}

unsigned int CMemorySettingsKey::Dword(const char* pszName) const
{
    const std::string strBytes = Bytes(pszName);
    unsigned int dwValue = 0;
    for (size_t i = strBytes.size(); i-- > 0;)
        dwValue = (dwValue << 8) | static_cast<unsigned char>(strBytes[i]);
    return dwValue;
}
