// The calculator's settings in their key: what each stored value loads as,
// whatever its size, and the texts and numbers that saving writes.
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

namespace
{
std::string Dword(std::uint32_t n)
{
    return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
}

// A settings key held in memory as the registry holds it: each value's bytes, whatever its type, read and written
// only while the key is open. A query leaves '9' in the buffer beyond the value, as the registry promises nothing
// there.
class Key : public CSettingsKey
{
public:
    BOOL Open() override { return m_bOpen = !m_bFailOpen; }
    void Close() override { m_bOpen = false; }
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override
    {
        const auto it = m_values.find(pszName);
        if (!m_bOpen || it == m_values.end() || it->second.size() > *pcbData)
            return FALSE;
        std::memset(pData, '9', *pcbData);
        std::memcpy(pData, it->second.data(), it->second.size());
        *pcbData = static_cast<unsigned long>(it->second.size());
        return TRUE;
    }
    void SetText(const char* pszName, const char* pszText) override { Set(pszName, std::string(pszText) + '\0'); }
    void SetDword(const char* pszName, unsigned long dwValue) override { Set(pszName, Dword(std::uint32_t(dwValue))); }
    void Set(const char* pszName, const std::string& bytes)
    {
        if (m_bOpen)
            m_values[pszName] = bytes;
    }

    std::map<std::string, std::string> m_values;
    bool m_bFailOpen = false;
    bool m_bOpen = false;
};

const char* const kNames[] = {"baseTemperature", "baseGravity", "depth", "density", "potential", "posx", "posy"};
const double kDefaults[] = {24.0, 1.024, 1.0, 35.0, 1, -5000, -5000};

// The loaded field that value kNames[i] sets; "density" holds the salinity.
double Field(const CConverterSettings& s, int i)
{
    const double fields[] = {s.dBaseTemp, s.dBaseGravity, s.dDepth, s.dSalinity, double(s.bPotential),
                             double(s.nPosX), double(s.nPosY)};
    return fields[i];
}

// 1e22 (exact in a double) right-aligned in 1024 bytes of blanks: the largest text that loads.
const std::string kFullText = std::string(1001, ' ') + "1" + std::string(22, '0');

// One value's bytes in the key, what its field loads as; whether the key will not open.
const struct { const char* pszName; std::string bytes; double dLoaded; bool bFailOpen = false; } kLoadRows[] = {
    {"baseTemperature", std::string("25.500000\0", 10), 25.5},
    {"baseGravity", std::string("1.024568\0", 9), 1.024568},
    {"depth", std::string("12.5\0", 5), 12.5},
    {"density", std::string("33.25\0", 6), 33.25},
    {"depth", std::string("abc\0", 4), 0.0},
    {"depth", "4.5", 4.5}, // no terminating zero: only the value's own bytes count
    {"depth", kFullText, 1e22},
    {"depth", kFullText + '\0', 1.0}, // 1025 bytes: too large
    {"potential", Dword(0), 0},
    {"potential", Dword(0x80000000u), 1},
    {"posy", Dword(std::uint32_t(INT_MIN)), INT_MIN},
    {"posx", std::string("1234\0", 5), -5000},   // too large
    {"posx", std::string("12\0", 3), 0x3231},    // shorter than a dword: zero-padded, whatever the buffer held
    {"posy", "", 0},
    {"depth", std::string("12.5\0", 5), 1.0, true}, // a key that will not open gives the defaults
};
}

TEST(SettingsStore, EachStoredValueLoadsIntoItsFieldAlone)
{
    for (const auto& row : kLoadRows)
    {
        Key key;
        key.m_bFailOpen = row.bFailOpen;
        key.m_values[row.pszName] = row.bytes;
        CConverterSettings s = {-9.0, -9.0, -9.0, -9.0, 9, 9, 9}; // far from every default: a skipped field shows
        CSettingsStore(key).Load(s);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(Field(s, i), std::string(row.pszName) == kNames[i] ? row.dLoaded : kDefaults[i])
                << kNames[i] << " after \"" << row.pszName << "\" of " << row.bytes.size() << " bytes";
        EXPECT_FALSE(key.m_bOpen);
        EXPECT_EQ(key.m_values.size(), 1u) << "loading writes nothing";
    }
}

TEST(SettingsStore, SavesSixDecimalTextsAFlagAndTheSignedPosition)
{
    const struct { CConverterSettings s; const char* pszTexts[4]; std::uint32_t dwPotential; } rows[] = {
        {{25.5, 1.024, 1.0, 35.0, 7, INT_MIN, INT_MAX}, {"25.500000", "1.024000", "1.000000", "35.000000"}, 1},
        {{-2.5, 1.0245678, 1234.5, 0.0000004, 0, -40, 298}, {"-2.500000", "1.024568", "1234.500000", "0.000000"}, 0},
    };
    for (const auto& row : rows)
    {
        Key key;
        CSettingsStore(key).SaveSettings(row.s);
        EXPECT_FALSE(key.m_bOpen);
        CSettingsStore(key).SavePosition(row.s.nPosX, row.s.nPosY);
        EXPECT_FALSE(key.m_bOpen);
        std::map<std::string, std::string> expected = {{"potential", Dword(row.dwPotential)},
                                                       {"posx", Dword(std::uint32_t(row.s.nPosX))},
                                                       {"posy", Dword(std::uint32_t(row.s.nPosY))}};
        for (int i = 0; i < 4; ++i)
            expected[kNames[i]] = std::string(row.pszTexts[i]) + '\0';
        EXPECT_EQ(key.m_values, expected);
    }
}
