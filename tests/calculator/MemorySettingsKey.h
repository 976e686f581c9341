// A settings key held in memory, as the registry would hold it.
#pragma once
#include "SettingsKey.h"

#include <map>
#include <string>

class CMemorySettingsKey : public CSettingsKey
{
public:
    // Registry type numbers, kept with the bytes; the store never looks at them.
    enum { kTypeSz = 1, kTypeBinary = 3, kTypeDword = 4 };

    struct CValue
    {
        unsigned long dwType;
        std::string bytes;
    };

    BOOL Open() override;
    void Close() override;
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override;
    void SetText(const char* pszName, const char* pszText) override;
    void SetDword(const char* pszName, unsigned long dwValue) override;

    std::map<std::string, CValue> m_values;
    bool m_bFailOpen = false; // Open fails while set
    int m_nFillUnused = -1;   // byte a query leaves in the buffer beyond the value; -1 leaves it alone
    bool m_bOpen = false;

private:
    // Fails the test when the store touches a value outside Open and Close.
    bool CheckOpen(const char* pszName) const;
};
