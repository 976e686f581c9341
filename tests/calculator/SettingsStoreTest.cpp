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

// A settings key held in memory, as the registry would hold it; touching a value outside Open and Close fails.
class Key : public CSettingsKey
{
public:
    BOOL Open() override { return m_bOpen = !m_bFailOpen; }
    void Close() override { m_bOpen = false; }
    BOOL QueryValue(const char* pszName, void* pData, unsigned long* pcbData) override
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
        if (m_nFillUnused >= 0) // the registry promises nothing about the rest of the buffer
            std::memset(static_cast<char*>(pData) + *pcbData, m_nFillUnused, cbCapacity - *pcbData);
        return TRUE;
    }
    void SetText(const char* pszName, const char* pszText) override
    {
        EXPECT_TRUE(m_bOpen) << pszName << " written while the key is closed";
        m_values[pszName] = std::string(pszText, std::strlen(pszText) + 1);
    }
    void SetDword(const char* pszName, unsigned long dwValue) override
    {
        EXPECT_TRUE(m_bOpen) << pszName << " written while the key is closed";
        m_values[pszName] = Dword(std::uint32_t(dwValue));
    }

    std::map<std::string, std::string> m_values; // the bytes of each value; the store never sees their types
    bool m_bFailOpen = false;
    int m_nFillUnused = -1; // byte a query leaves in the buffer beyond the value; -1 leaves it alone
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

// Settings far from every default, so a load that skips a field shows.
const CConverterSettings kScrambled = {-9.0, -9.0, -9.0, -9.0, 9, 9, 9};

// 1e22 (exact in a double) right-aligned in 1024 bytes of blanks: the largest text that loads.
const std::string kFullText = std::string(1001, ' ') + "1" + std::string(22, '0');

const struct
{
    const char* pszName;
    std::string bytes;
    int nFill; // what the query leaves beyond the value, or -1
    double dLoaded;
    bool bFailOpen = false;
} kLoadRows[] = {
    {"baseTemperature", std::string("25.500000\0", 10), -1, 25.5},
    {"baseGravity", std::string("1.024568\0", 9), -1, 1.024568},
    {"depth", std::string("12.5\0", 5), -1, 12.5},
    {"density", std::string("33.25\0", 6), -1, 33.25},
    {"depth", std::string("abc\0", 4), -1, 0.0},
    {"depth", "4.5", '9', 4.5}, // no terminating zero: only the value's own bytes count
    {"depth", kFullText, '9', 1e22},
    {"depth", kFullText + '\0', -1, 1.0}, // 1025 bytes: too large
    {"potential", Dword(0), -1, 0},
    {"potential", Dword(7), -1, 1},
    {"potential", Dword(0x80000000u), -1, 1},
    {"posx", Dword(std::uint32_t(-40)), -1, -40},
    {"posy", Dword(std::uint32_t(INT_MIN)), -1, INT_MIN},
    {"posx", std::string("1234\0", 5), -1, -5000}, // too large
    {"posx", std::string("12\0", 3), '9', 0x3231}, // shorter than a dword: zero-padded, whatever the buffer held
    {"posy", "", '9', 0},
    {"depth", std::string("12.5\0", 5), -1, 1.0, true}, // a key that will not open gives the defaults
};
}

TEST(SettingsStore, EachStoredValueLoadsIntoItsFieldAlone)
{
    for (const auto& row : kLoadRows)
    {
        Key key;
        key.m_nFillUnused = row.nFill;
        key.m_bFailOpen = row.bFailOpen;
        key.m_values[row.pszName] = row.bytes;
        CConverterSettings s = kScrambled;
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
        key.m_values.clear();
        key.m_bFailOpen = true; // nothing is written to a key that will not open
        CSettingsStore(key).SaveSettings(row.s);
        CSettingsStore(key).SavePosition(row.s.nPosX, row.s.nPosY);
        EXPECT_TRUE(key.m_values.empty());
    }
}
