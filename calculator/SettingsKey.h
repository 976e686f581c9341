// The one named key the calculator's settings live in.
#pragma once
#include "AfxTypes.h"
#include "Identity.h"

// The key's path below HKEY_CURRENT_USER.
const char SETTINGS_KEY_PATH[] = VARNOK_SETTINGS_KEY;

// The registry's operations on one key; natively a small store stands in.
// Values are opened, read and written only between Open and Close.
class CSettingsKey
{
public:
    virtual ~CSettingsKey() = default;

    // Opens the key, creating it when missing; TRUE when it is open.
    virtual BOOL Open() = 0;
    // Closes the key if it is open.
    virtual void Close() = 0;

    // Reads up to *pcbData bytes of value pszName into pData, whatever its type.
    // TRUE with the byte count in *pcbData on success; FALSE when the value
    // is missing or larger than the buffer.
    virtual BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) = 0;
    // Writes a text value (REG_SZ), its size counting the terminating zero.
    virtual void SetText(const char* pszName, const char* pszText) = 0;
    // Writes a 4-byte value (REG_DWORD); only the low 32 bits of dwValue are kept.
    virtual void SetDword(const char* pszName, unsigned long dwValue) = 0;
};
