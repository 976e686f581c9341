// A settings key held in memory, as the registry would hold it.
#pragma once
#include "SettingsKey.h"

#include <map>
#include <string>

class CMemorySettingsKey : public CSettingsKey
{
public:
    BOOL Open() override { return m_bOpen = !m_bFailOpen; }
    void Close() override { m_bOpen = false; }
    // Each of these fails the test when the store touches a value outside Open and Close.
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override;
    void SetText(const char* pszName, const char* pszText) override;
    void SetDword(const char* pszName, unsigned long dwValue) override;

    std::map<std::string, std::string> m_values; // the bytes of each value; the store never sees their types
    bool m_bFailOpen = false; // Open fails while set
    int m_nFillUnused = -1;   // byte a query leaves in the buffer beyond the value; -1 leaves it alone
    bool m_bOpen = false;
};
