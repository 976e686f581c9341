// The settings store over the real registry, in a key of its own per run.
#include "RegistryKey.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace
{
class RegistryKeyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::snprintf(m_szPath, sizeof(m_szPath), "Software\\brenmoor\\VarnokTest-%lu",
                      static_cast<unsigned long>(::GetCurrentProcessId()));
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_szPath);
        ASSERT_FALSE(KeyExists());
    }

    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_szPath);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, m_szPath);
        EXPECT_FALSE(KeyExists());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\brenmoor"); // only when nothing else is in it
    }

    bool KeyExists() const
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_szPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }

    // Type and bytes of a value, read without the store.
    bool Read(const char* pszName, DWORD& dwType, std::string& strBytes) const
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_szPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        char buf[4096];
        DWORD cb = sizeof(buf);
        const LONG nResult = ::RegQueryValueExA(hKey, pszName, NULL, &dwType, reinterpret_cast<BYTE*>(buf), &cb);
        ::RegCloseKey(hKey);
        if (nResult != ERROR_SUCCESS)
            return false;
        strBytes.assign(buf, cb);
        return true;
    }

    // Stores raw bytes, as another program might have.
    void Write(const char* pszName, DWORD dwType, const std::string& strBytes) const
    {
        HKEY hKey;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, m_szPath, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExA(hKey, pszName, 0, dwType, reinterpret_cast<const BYTE*>(strBytes.data()),
                                   static_cast<DWORD>(strBytes.size())),
                  ERROR_SUCCESS);
        ::RegCloseKey(hKey);
    }

    // Stored size of a value; texts are held as UTF-16, so the A functions'
    // conversion cannot hide whether the terminating zero was stored.
    DWORD StoredSize(const wchar_t* pszName) const
    {
        HKEY hKey;
        DWORD cb = 0;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_szPath, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            if (::RegQueryValueExW(hKey, pszName, NULL, NULL, NULL, &cb) != ERROR_SUCCESS)
                cb = 0;
            ::RegCloseKey(hKey);
        }
        return cb;
    }

    DWORD ValueCount() const
    {
        HKEY hKey;
        DWORD nValues = ~0u;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_szPath, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            ::RegQueryInfoKeyA(hKey, NULL, NULL, NULL, NULL, NULL, NULL, &nValues, NULL, NULL, NULL, NULL);
            ::RegCloseKey(hKey);
        }
        return nValues;
    }

    char m_szPath[128];
};
}

TEST_F(RegistryKeyTest, FirstLoadCreatesAnEmptyKey)
{
    CRegistryKey key(m_szPath);
    CConverterSettings s;
    s.nPosX = 1;
    CSettingsStore(key).Load(s);
    EXPECT_EQ(s.dBaseGravity, 1.024);
    EXPECT_EQ(s.bPotential, 1);
    EXPECT_EQ(s.nPosX, -5000);
    EXPECT_EQ(s.nPosY, -5000);
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(ValueCount(), 0u);
}

TEST_F(RegistryKeyTest, ValuesAreStoredWithTheirTypesAndSizes)
{
    CRegistryKey key(m_szPath);
    CSettingsStore store(key);
    CConverterSettings s;
    s.dBaseTemp = 25.5;
    s.bPotential = 7;
    store.SaveSettings(s);
    store.SavePosition(-5000, INT_MAX);

    DWORD dwType = 0;
    std::string strBytes;
    ASSERT_TRUE(Read("baseTemperature", dwType, strBytes));
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(strBytes, std::string("25.500000\0", 10));
    EXPECT_EQ(StoredSize(L"baseTemperature"), 10 * sizeof(wchar_t));
    ASSERT_TRUE(Read("density", dwType, strBytes));
    EXPECT_EQ(strBytes, std::string("35.000000\0", 10));
    ASSERT_TRUE(Read("potential", dwType, strBytes));
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(strBytes, std::string("\1\0\0\0", 4));
    EXPECT_EQ(StoredSize(L"potential"), 4u);
    ASSERT_TRUE(Read("posx", dwType, strBytes));
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(strBytes, std::string("\x78\xec\xff\xff", 4)); // -5000
    EXPECT_EQ(ValueCount(), 7u);
}

TEST_F(RegistryKeyTest, SavedSettingsLoadBack)
{
    CRegistryKey key(m_szPath);
    CSettingsStore store(key);
    CConverterSettings s;
    s.dBaseTemp = 26.0;
    s.dBaseGravity = 1.0245678;
    s.dDepth = 12.0;
    s.dSalinity = 33.5;
    s.bPotential = 0;
    store.SaveSettings(s);
    store.SavePosition(INT_MIN, INT_MAX);

    CConverterSettings t;
    store.Load(t);
    EXPECT_EQ(t.dBaseTemp, 26.0);
    EXPECT_EQ(t.dBaseGravity, 1.024568);
    EXPECT_EQ(t.dDepth, 12.0);
    EXPECT_EQ(t.dSalinity, 33.5);
    EXPECT_EQ(t.bPotential, 0);
    EXPECT_EQ(t.nPosX, INT_MIN);
    EXPECT_EQ(t.nPosY, INT_MAX);
}

TEST_F(RegistryKeyTest, ForeignValuesLoadSafely)
{
    const std::string strNumber = "1" + std::string(22, '0');
    const std::string strFull = std::string(1024 - strNumber.size(), ' ') + strNumber; // no zero byte
    Write("baseTemperature", REG_BINARY, strFull);
    Write("baseGravity", REG_BINARY, strFull + ' ');
    Write("depth", REG_SZ, std::string("abc\0", 4));
    Write("density", REG_DWORD, std::string("32\0\0", 4));
    Write("potential", REG_DWORD, std::string("\7\0\0\0", 4));
    Write("posx", REG_SZ, std::string("1234\0", 5));
    Write("posy", REG_SZ, std::string("12\0", 3));

    CRegistryKey key(m_szPath);
    CConverterSettings s;
    CSettingsStore(key).Load(s);
    EXPECT_EQ(s.dBaseTemp, 1e22);
    EXPECT_EQ(s.dBaseGravity, 1.024); // 1025 bytes
    EXPECT_EQ(s.dDepth, 0.0);
    EXPECT_EQ(s.dSalinity, 32.0);
    EXPECT_EQ(s.bPotential, 1);
    EXPECT_EQ(s.nPosX, -5000);
    EXPECT_EQ(s.nPosY, 0x3231);
}

TEST_F(RegistryKeyTest, KeyOperations)
{
    CRegistryKey key(m_szPath);
    char buf[16];
    unsigned long cb = sizeof(buf);
    EXPECT_FALSE(key.QueryValue("posx", buf, &cb)); // not open
    key.SetDword("posx", 1);
    EXPECT_FALSE(KeyExists());

    ASSERT_TRUE(key.Open());
    ASSERT_TRUE(key.Open()); // again: the first handle is closed, not leaked
    key.SetText("depth", "2.5");
    cb = sizeof(buf);
    ASSERT_TRUE(key.QueryValue("depth", buf, &cb));
    EXPECT_EQ(cb, 4u);
    EXPECT_EQ(std::string(buf), "2.5");
    cb = 3;
    EXPECT_FALSE(key.QueryValue("depth", buf, &cb)); // larger than the buffer
    cb = sizeof(buf);
    EXPECT_FALSE(key.QueryValue("missing", buf, &cb));
    key.Close();
    key.Close();
    cb = sizeof(buf);
    EXPECT_FALSE(key.QueryValue("depth", buf, &cb));
}
