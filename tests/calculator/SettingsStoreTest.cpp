#include "SettingsStore.h"
#include "MemorySettingsKey.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace
{
typedef CMemorySettingsKey Key;

// Settings far from every default, so a load that skips a field shows.
CConverterSettings Scrambled()
{
    CConverterSettings s;
    s.dBaseTemp = -1.0;
    s.dBaseGravity = -2.0;
    s.dDepth = -3.0;
    s.dSalinity = -4.0;
    s.bPotential = 5;
    s.nPosX = 6;
    s.nPosY = 7;
    return s;
}

void ExpectDefaults(const CConverterSettings& s)
{
    EXPECT_EQ(s.dBaseTemp, 24.0);
    EXPECT_EQ(s.dBaseGravity, 1.024);
    EXPECT_EQ(s.dDepth, 1.0);
    EXPECT_EQ(s.dSalinity, 35.0);
    EXPECT_EQ(s.bPotential, 1);
    EXPECT_EQ(s.nPosX, -5000);
    EXPECT_EQ(s.nPosY, -5000);
}

CConverterSettings Load(Key& key)
{
    CConverterSettings s = Scrambled();
    CSettingsStore(key).Load(s);
    return s;
}

// Loads value "depth" stored as the given bytes.
double DepthFrom(const std::string& strBytes, unsigned long dwType = Key::kTypeSz, int nFill = -1)
{
    Key key;
    key.m_nFillUnused = nFill;
    key.Put("depth", dwType, strBytes);
    return Load(key).dDepth;
}

// Loads value "posx" stored as the given bytes.
int PosXFrom(const std::string& strBytes, unsigned long dwType = Key::kTypeDword)
{
    Key key;
    key.Put("posx", dwType, strBytes);
    return Load(key).nPosX;
}
}

TEST(SettingsStoreLoad, EmptyKeyGivesDefaultsAndStaysEmpty)
{
    Key key;
    ExpectDefaults(Load(key));
    EXPECT_TRUE(key.m_values.empty());
    EXPECT_TRUE(key.m_writes.empty());
    EXPECT_EQ(key.m_nOpens, 1);
    EXPECT_EQ(key.m_nCloses, 1);
    EXPECT_EQ(key.m_nClosedAccesses, 0);
}

TEST(SettingsStoreLoad, KeyThatWillNotOpenGivesDefaults)
{
    Key key;
    key.m_bFailOpen = true;
    ExpectDefaults(Load(key));
    EXPECT_EQ(key.m_nClosedAccesses, 0);
}

TEST(SettingsStoreLoad, EachValueIndependently)
{
    Key key;
    key.Put("depth", Key::kTypeSz, std::string("12.5\0", 5));
    key.PutDword("posx", 300);
    const CConverterSettings s = Load(key);
    EXPECT_EQ(s.dDepth, 12.5);
    EXPECT_EQ(s.nPosX, 300);
    EXPECT_EQ(s.nPosY, -5000); // only posx saved: not centred
    EXPECT_EQ(s.dBaseTemp, 24.0);
    EXPECT_EQ(s.dBaseGravity, 1.024);
    EXPECT_EQ(s.dSalinity, 35.0);
    EXPECT_EQ(s.bPotential, 1);

    Key salinity;
    salinity.Put("density", Key::kTypeSz, std::string("33.25\0", 6));
    EXPECT_EQ(Load(salinity).dSalinity, 33.25);
}

TEST(SettingsStoreLoad, TextIsReadByAtof)
{
    EXPECT_EQ(DepthFrom(std::string("abc\0", 4)), 0.0);
    EXPECT_EQ(DepthFrom(std::string("  -7.25m\0", 9)), -7.25);
    EXPECT_EQ(DepthFrom(std::string("1e3\0", 4)), 1000.0);
    EXPECT_EQ(DepthFrom(std::string()), 0.0);       // empty value
    EXPECT_EQ(DepthFrom("42"), 42.0);               // no terminating zero
    EXPECT_EQ(DepthFrom("42", Key::kTypeSz, '9'), 42.0); // whatever follows in the buffer
}

TEST(SettingsStoreLoad, TextSizeLimit)
{
    const std::string strNumber = "1" + std::string(22, '0'); // 1e22, exact in a double
    const std::string strPadded = std::string(1024 - strNumber.size(), ' ') + strNumber;
    ASSERT_EQ(strPadded.size(), 1024u);
    EXPECT_EQ(DepthFrom(strPadded.substr(1) + '\0'), 1e22); // 1024 bytes with its zero
    EXPECT_EQ(DepthFrom(strPadded), 1e22);                  // 1024 bytes, none of them zero
    EXPECT_EQ(DepthFrom(strPadded, Key::kTypeBinary, '9'), 1e22);
    EXPECT_EQ(DepthFrom(strPadded + '\0'), 1.0);             // 1025 bytes: too large
    EXPECT_EQ(DepthFrom(std::string(100000, '5')), 1.0);
}

TEST(SettingsStoreLoad, TypeIsNotExamined)
{
    // A dword holding the characters "32".
    EXPECT_EQ(DepthFrom(std::string("32\0\0", 4), Key::kTypeDword), 32.0);
    EXPECT_EQ(DepthFrom(std::string("\x05\0\0\0", 4), Key::kTypeDword), 0.0);
    // Text read as a 4-byte value: the bytes, zero-padded when shorter.
    EXPECT_EQ(PosXFrom(std::string("12\0", 3), Key::kTypeSz), 0x3231);
    EXPECT_EQ(PosXFrom(std::string("\xff\xff", 2), Key::kTypeBinary), 0xffff);
    EXPECT_EQ(PosXFrom(std::string("1234\0", 5), Key::kTypeSz), -5000); // too large
    EXPECT_EQ(PosXFrom(std::string()), 0);

    // Each short value is padded with zeros, whatever was read before it.
    Key key;
    key.PutDword("potential", 0xffffffffu);
    key.Put("posx", Key::kTypeSz, std::string("12\0", 3));
    key.Put("posy", Key::kTypeBinary, std::string());
    const CConverterSettings s = Load(key);
    EXPECT_EQ(s.nPosX, 0x3231);
    EXPECT_EQ(s.nPosY, 0);
}

TEST(SettingsStoreLoad, PotentialIsAFlag)
{
    const struct { unsigned int dwStored; int bLoaded; } cases[] = {
        {0, 0}, {1, 1}, {7, 1}, {0x80000000u, 1}, {0xffffffffu, 1}};
    for (const auto& c : cases)
    {
        Key key;
        key.PutDword("potential", c.dwStored);
        EXPECT_EQ(Load(key).bPotential, c.bLoaded) << c.dwStored;
    }
    Key key;
    key.Put("potential", Key::kTypeBinary, std::string());
    EXPECT_EQ(Load(key).bPotential, 0);
}

TEST(SettingsStoreSave, SettingsAsTextsAndFlag)
{
    Key key;
    CConverterSettings s;
    s.dBaseTemp = 25.5;
    s.bPotential = 7;
    CSettingsStore(key).SaveSettings(s);

    EXPECT_EQ(key.m_writes, (std::vector<std::string>{"baseTemperature", "baseGravity", "depth", "density", "potential"}));
    EXPECT_EQ(key.Bytes("baseTemperature"), std::string("25.500000\0", 10));
    EXPECT_EQ(key.Bytes("baseGravity"), std::string("1.024000\0", 9));
    EXPECT_EQ(key.Bytes("depth"), std::string("1.000000\0", 9));
    EXPECT_EQ(key.Bytes("density"), std::string("35.000000\0", 10));
    EXPECT_EQ(key.Type("density"), static_cast<unsigned long>(Key::kTypeSz));
    EXPECT_EQ(key.Bytes("potential").size(), 4u);
    EXPECT_EQ(key.Type("potential"), static_cast<unsigned long>(Key::kTypeDword));
    EXPECT_EQ(key.Dword("potential"), 1u);
    EXPECT_FALSE(key.Has("posx"));
    EXPECT_EQ(key.m_nOpens, 1);
    EXPECT_EQ(key.m_nCloses, 1);

    s.bPotential = 0;
    CSettingsStore(key).SaveSettings(s);
    EXPECT_EQ(key.Dword("potential"), 0u);
}

TEST(SettingsStoreSave, RoundTripKeepsSixDecimals)
{
    Key key;
    CConverterSettings s;
    s.dBaseTemp = -2.5;
    s.dBaseGravity = 1.0245678;
    s.dDepth = 1234.5;
    s.dSalinity = 0.0000004;
    s.bPotential = 0;
    CSettingsStore(key).SaveSettings(s);
    const CConverterSettings t = Load(key);
    EXPECT_EQ(t.dBaseTemp, -2.5);
    EXPECT_EQ(t.dBaseGravity, 1.024568);
    EXPECT_EQ(t.dDepth, 1234.5);
    EXPECT_EQ(t.dSalinity, 0.0);
    EXPECT_EQ(t.bPotential, 0);
    EXPECT_EQ(t.nPosX, -5000);

    Key seven;
    seven.PutDword("potential", 7);
    CConverterSettings u = Load(seven);
    CSettingsStore(seven).SaveSettings(u);
    EXPECT_EQ(seven.Dword("potential"), 1u);
}

TEST(SettingsStoreSave, PositionKeepsItsSign)
{
    const int positions[][2] = {{INT_MIN, INT_MAX}, {-5000, 0}, {-1, 1}, {398, 298}};
    for (const auto& p : positions)
    {
        Key key;
        CSettingsStore(key).SavePosition(p[0], p[1]);
        EXPECT_EQ(key.m_writes, (std::vector<std::string>{"posx", "posy"}));
        EXPECT_EQ(key.Bytes("posx").size(), 4u);
        EXPECT_EQ(key.Type("posy"), static_cast<unsigned long>(Key::kTypeDword));
        EXPECT_EQ(key.Dword("posx"), static_cast<unsigned int>(p[0]));
        const CConverterSettings s = Load(key);
        EXPECT_EQ(s.nPosX, p[0]);
        EXPECT_EQ(s.nPosY, p[1]);
        EXPECT_EQ(key.m_nOpens, 2);
        EXPECT_EQ(key.m_nCloses, 2);
    }
}

TEST(SettingsStoreSave, NothingWrittenWhenTheKeyWillNotOpen)
{
    Key key;
    key.m_bFailOpen = true;
    CSettingsStore store(key);
    store.SaveSettings(CConverterSettings());
    store.SavePosition(1, 2);
    EXPECT_TRUE(key.m_values.empty());
    EXPECT_EQ(key.m_nCloses, 0);
    EXPECT_EQ(key.m_nClosedAccesses, 0);
}
