#include "SettingsStore.h"
#include "CString.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
const char kPotential[] = "potential";
const char kPosX[] = "posx";
const char kPosY[] = "posy";

const unsigned long kTextCapacity = 1024; // largest text value that loads
const unsigned long kDwordSize = 4;

std::int32_t ToInt32(const unsigned char (&data)[4])
{
    std::int32_t n;
    std::memcpy(&n, data, sizeof(n));
    return n;
}
}

CSettingsStore::CSettingsStore(CSettingsKey& key) : m_key(key) {}

void CSettingsStore::Load(CConverterSettings& settings)
{
    const CConverterSettings defaults;
    if (!m_key.Open())
    {
        settings = defaults;
        return;
    }

#define VARNOK_LOAD_SETTING(name, access, value, first, edit) settings.d##name = ReadText(value, defaults.d##name);
    VARNOK_CONVERSION_SETTINGS(VARNOK_LOAD_SETTING)
#undef VARNOK_LOAD_SETTING

    unsigned char data[4];
    settings.bPotential = ReadDword(kPotential, data) ? (ToInt32(data) != 0 ? 1 : 0) : defaults.bPotential;
    settings.nPosX = ReadDword(kPosX, data) ? ToInt32(data) : defaults.nPosX;
    settings.nPosY = ReadDword(kPosY, data) ? ToInt32(data) : defaults.nPosY;

    m_key.Close();
}

void CSettingsStore::SaveSettings(const CConverterSettings& settings)
{
    if (!m_key.Open())
        return;
#define VARNOK_SAVE_SETTING(name, access, value, first, edit) WriteText(value, settings.d##name);
    VARNOK_CONVERSION_SETTINGS(VARNOK_SAVE_SETTING)
#undef VARNOK_SAVE_SETTING
    m_key.SetDword(kPotential, settings.bPotential != 0 ? 1 : 0);
    m_key.Close();
}

void CSettingsStore::SavePosition(int nPosX, int nPosY)
{
    if (!m_key.Open())
        return;
    // Through uint32_t so that a negative position keeps its 32-bit pattern
    // where unsigned long is wider.
    m_key.SetDword(kPosX, static_cast<std::uint32_t>(nPosX));
    m_key.SetDword(kPosY, static_cast<std::uint32_t>(nPosY));
    m_key.Close();
}

// atof of text value pszName; dDefault when it cannot be read.
double CSettingsStore::ReadText(const char* pszName, double dDefault)
{
    // One byte beyond the capacity for the zero a full-length value lacks.
    char szText[kTextCapacity + 1] = {};
    unsigned long cbText = kTextCapacity;
    if (!m_key.QueryValue(pszName, szText, &cbText))
        return dDefault;
    szText[cbText < kTextCapacity ? cbText : kTextCapacity] = '\0';
    return std::atof(szText);
}

// The first 4 bytes of value pszName, zero-padded when it is shorter.
BOOL CSettingsStore::ReadDword(const char* pszName, unsigned char (&data)[4])
{
    unsigned long cbData = kDwordSize;
    if (!m_key.QueryValue(pszName, data, &cbData))
        return FALSE;
    // Only the value's own bytes count, whatever the rest of the buffer holds.
    std::memset(data + cbData, 0, sizeof(data) - cbData);
    return TRUE;
}

void CSettingsStore::WriteText(const char* pszName, double dValue)
{
    CString strValue;
    strValue.Format("%lf", dValue);
    m_key.SetText(pszName, strValue);
}
