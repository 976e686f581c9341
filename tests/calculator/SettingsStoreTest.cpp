// The calculator's settings in their key: what each stored value loads as,
// whatever its type and size, and the texts and numbers that saving writes.
#include "SettingsStore.h"
#include "MemorySettingsKey.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace
{
typedef CMemorySettingsKey Key;
const unsigned long SZ = Key::kTypeSz, BIN = Key::kTypeBinary, DW = Key::kTypeDword;

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
CConverterSettings Scrambled()
{
    CConverterSettings s;
    s.dBaseTemp = s.dBaseGravity = s.dDepth = s.dSalinity = -9.0;
    s.bPotential = s.nPosX = s.nPosY = 9;
    return s;
}

std::string Dword(std::uint32_t n)
{
    return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
}

// 1e22 (exact in a double) right-aligned in nSize bytes of blanks.
std::string Padded(size_t nSize)
{
    return std::string(nSize - 23, ' ') + "1" + std::string(22, '0');
}

struct LoadRow
{
    const char* pszName;
    unsigned long dwType;
    std::string bytes;
    int nFill; // what the query leaves beyond the value, or -1
    double dLoaded;
};

const LoadRow kLoadRows[] = {
    {"baseTemperature", SZ, std::string("25.500000\0", 10), -1, 25.5},
    {"baseGravity", SZ, std::string("1.024568\0", 9), -1, 1.024568},
    {"depth", SZ, std::string("12.5\0", 5), -1, 12.5},
    {"density", SZ, std::string("33.25\0", 6), -1, 33.25},
    {"depth", SZ, std::string("abc\0", 4), -1, 0.0},
    {"depth", SZ, std::string("  -7.25m\0", 9), -1, -7.25},
    {"depth", SZ, std::string("1e3\0", 4), -1, 1000.0},
    {"depth", SZ, "", '9', 0.0},
    {"depth", SZ, "4.5", '9', 4.5}, // no terminating zero: only the value's own bytes count
    {"depth", SZ, Padded(1023), '9', 1e22},
    {"depth", SZ, Padded(1023) + '\0', -1, 1e22},
    {"depth", SZ, Padded(1024), '9', 1e22},
    {"depth", BIN, Padded(1024), '9', 1e22},
    {"depth", SZ, Padded(1024) + '\0', -1, 1.0}, // 1025 bytes: too large
    {"depth", SZ, std::string(100000, '5'), -1, 1.0},
    {"depth", DW, std::string("32\0\0", 4), -1, 32.0}, // the type is not examined
    {"potential", DW, Dword(0), -1, 0},
    {"potential", DW, Dword(1), -1, 1},
    {"potential", DW, Dword(7), -1, 1},
    {"potential", DW, Dword(0x80000000u), -1, 1},
    {"potential", BIN, "", -1, 0},
    {"posx", DW, Dword(300), -1, 300},
    {"posx", DW, Dword(std::uint32_t(-40)), -1, -40},
    {"posy", DW, Dword(std::uint32_t(INT_MIN)), -1, INT_MIN},
    {"posx", SZ, std::string("12\0", 3), -1, 0x3231}, // short: zero-padded
    {"posy", BIN, "\xff\xff", -1, 0xffff},
    {"posx", SZ, std::string("1234\0", 5), -1, -5000}, // too large
};
}

TEST(SettingsStore, EachStoredValueLoadsIntoItsFieldAlone)
{
    for (const LoadRow& row : kLoadRows)
    {
        Key key;
        key.m_nFillUnused = row.nFill;
        key.m_values[row.pszName] = Key::CValue{row.dwType, row.bytes};
        CConverterSettings s = Scrambled();
        CSettingsStore(key).Load(s);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(Field(s, i), std::string(row.pszName) == kNames[i] ? row.dLoaded : kDefaults[i])
                << kNames[i] << " after \"" << row.pszName << "\" of " << row.bytes.size() << " bytes";
        EXPECT_FALSE(key.m_bOpen);
        EXPECT_EQ(key.m_values.size(), 1u) << "loading writes nothing";
    }
}

TEST(SettingsStore, EachShortValueIsPaddedAfresh)
{
    Key key;
    key.m_values["potential"] = Key::CValue{DW, Dword(0xffffffffu)};
    key.m_values["posx"] = Key::CValue{SZ, std::string("12\0", 3)};
    key.m_values["posy"] = Key::CValue{BIN, ""};
    CConverterSettings s;
    CSettingsStore(key).Load(s);
    EXPECT_EQ(s.bPotential, 1);
    EXPECT_EQ(s.nPosX, 0x3231);
    EXPECT_EQ(s.nPosY, 0);
}

TEST(SettingsStore, SavesSixDecimalTextsAndAFlag)
{
    struct { double d[4]; int bPotential; const char* pszTexts[4]; std::uint32_t dwPotential; } rows[] = {
        {{25.5, 1.024, 1.0, 35.0}, 7, {"25.500000", "1.024000", "1.000000", "35.000000"}, 1},
        {{-2.5, 1.0245678, 1234.5, 0.0000004}, 0, {"-2.500000", "1.024568", "1234.500000", "0.000000"}, 0},
    };
    for (const auto& row : rows)
    {
        Key key;
        CConverterSettings s;
        s.dBaseTemp = row.d[0], s.dBaseGravity = row.d[1], s.dDepth = row.d[2], s.dSalinity = row.d[3];
        s.bPotential = row.bPotential;
        CSettingsStore(key).SaveSettings(s);
        ASSERT_EQ(key.m_values.size(), 5u);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(key.m_values[kNames[i]].bytes, std::string(row.pszTexts[i]) + '\0') << kNames[i];
            EXPECT_EQ(key.m_values[kNames[i]].dwType, SZ) << kNames[i];
        }
        EXPECT_EQ(key.m_values["potential"].bytes, Dword(row.dwPotential));
        EXPECT_EQ(key.m_values["potential"].dwType, DW);
        EXPECT_FALSE(key.m_bOpen);
    }
}

TEST(SettingsStore, SavesThePositionWithItsSign)
{
    const int positions[][2] = {{INT_MIN, INT_MAX}, {-5000, 0}, {-40, -30}, {398, 298}};
    for (const auto& p : positions)
    {
        Key key;
        CSettingsStore(key).SavePosition(p[0], p[1]);
        ASSERT_EQ(key.m_values.size(), 2u);
        EXPECT_EQ(key.m_values["posx"].bytes, Dword(std::uint32_t(p[0])));
        EXPECT_EQ(key.m_values["posy"].bytes, Dword(std::uint32_t(p[1])));
        EXPECT_EQ(key.m_values["posy"].dwType, DW);
        EXPECT_FALSE(key.m_bOpen);
    }
}

TEST(SettingsStore, KeyThatWillNotOpenGivesDefaultsAndTakesNothing)
{
    Key key;
    key.m_bFailOpen = true;
    key.m_values["depth"] = Key::CValue{SZ, std::string("12.5\0", 5)};
    CSettingsStore store(key);
    CConverterSettings s = Scrambled();
    store.Load(s);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Field(s, i), kDefaults[i]) << kNames[i];
    store.SaveSettings(Scrambled());
    store.SavePosition(1, 2);
    EXPECT_EQ(key.m_values.size(), 1u);
}
