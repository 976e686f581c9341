// A settings key held in memory, with counters for what the store did to it.
#pragma once
#include "SettingsKey.h"

#include <map>
#include <string>
#include <vector>

class CMemorySettingsKey : public CSettingsKey
{
public:
    // Registry type numbers, kept alongside the bytes.
    enum { kTypeBinary = 3, kTypeSz = 1, kTypeDword = 4 };

    struct CValue
    {
        unsigned long dwType;
        std::vector<unsigned char> data;
    };

    BOOL Open() override;
    void Close() override;
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override;
    void SetText(const char* pszName, const char* pszText) override;
    void SetDword(const char* pszName, unsigned long dwValue) override;

    // Stores raw bytes as value pszName, as another program might have.
    void Put(const char* pszName, unsigned long dwType, const std::string& strBytes);
    void PutDword(const char* pszName, unsigned int dwValue);
    bool Has(const char* pszName) const;
    // Bytes of value pszName; empty when it is missing.
    std::string Bytes(const char* pszName) const;
    unsigned long Type(const char* pszName) const;
    // Value pszName read as a little-endian number of up to 4 bytes.
    unsigned int Dword(const char* pszName) const;

    std::map<std::string, CValue> m_values;
    std::vector<std::string> m_writes; // value names in the order they were written
    bool m_bFailOpen = false;          // Open fails while set
    int m_nFillUnused = -1;            // byte a query leaves in the buffer beyond the value; -1 leaves it alone
    int m_nOpens = 0;                  // successful opens
    int m_nCloses = 0;                 // closes of an open key
    int m_nClosedAccesses = 0;         // reads or writes while not open

private:
    bool m_bOpen = false;
};
