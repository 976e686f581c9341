// The resources inside hali.dll: its version resource and its string table.
#include "Halin.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// hali.dll as this program loaded it.
HMODULE HaliModule()
{
    CHalin::GetVersion(); // the import keeps hali.dll attached
    return ::GetModuleHandleA("hali.dll");
}

std::vector<BYTE> ReadVersionInfo()
{
    char szPath[MAX_PATH] = {};
    if (::GetModuleFileNameA(HaliModule(), szPath, MAX_PATH) == 0)
        return {};
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    std::vector<BYTE> info(dwSize);
    if (dwSize == 0 || !::GetFileVersionInfoA(szPath, 0, dwSize, info.data()))
        return {};
    return info;
}

TEST(HaliVersionResource, FileVersionIsOneBuildAheadOfProductVersion)
{
    std::vector<BYTE> info = ReadVersionInfo();
    ASSERT_FALSE(info.empty());
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLen = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&pFixed), &nLen));
    ASSERT_GE(nLen, sizeof(VS_FIXEDFILEINFO));

    EXPECT_EQ(pFixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(pFixed->dwFileVersionMS, MAKELONG(0, 1));   // 1.0
    EXPECT_EQ(pFixed->dwFileVersionLS, MAKELONG(1, 0));   // .0.1
    EXPECT_EQ(pFixed->dwProductVersionMS, MAKELONG(0, 1)); // 1.0
    EXPECT_EQ(pFixed->dwProductVersionLS, MAKELONG(0, 0)); // .0.0
    EXPECT_EQ(pFixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST(HaliVersionResource, StringsNameTheVersions)
{
    std::vector<BYTE> info = ReadVersionInfo();
    ASSERT_FALSE(info.empty());
    WORD* pTranslation = nullptr;
    UINT nLen = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&pTranslation), &nLen));
    ASSERT_GE(nLen, 2 * sizeof(WORD));
    EXPECT_EQ(pTranslation[0], 0x0411); // Japanese
    EXPECT_EQ(pTranslation[1], 1200);   // Unicode

    char* pszValue = nullptr;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\StringFileInfo\\041104b0\\FileVersion",
                                 reinterpret_cast<void**>(&pszValue), &nLen));
    EXPECT_STREQ(pszValue, "1.0.0.1");
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\StringFileInfo\\041104b0\\ProductVersion",
                                 reinterpret_cast<void**>(&pszValue), &nLen));
    EXPECT_STREQ(pszValue, "1.0.0.0");
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<ULONG_PTR>*>(lParam)->push_back(reinterpret_cast<ULONG_PTR>(lpName));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD wLanguage, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<WORD>*>(lParam)->push_back(wLanguage);
    return TRUE;
}

TEST(HaliStringTable, HoldsOnlyTheJapaneseVersionString)
{
    HMODULE hHali = HaliModule();
    ASSERT_NE(hHali, nullptr);

    // Strings 0 to 15 share block 1; no other block exists.
    std::vector<ULONG_PTR> blocks;
    ::EnumResourceNamesA(hHali, RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], 1u);

    std::vector<WORD> languages;
    ::EnumResourceLanguagesA(hHali, RT_STRING, MAKEINTRESOURCEA(1), CollectLanguage,
                             reinterpret_cast<LONG_PTR>(&languages));
    ASSERT_EQ(languages.size(), 1u);
    EXPECT_EQ(languages[0], MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));

    char szText[64];
    EXPECT_EQ(::LoadStringA(hHali, 1, szText, sizeof szText), 7);
    EXPECT_STREQ(szText, "1.0.0.0");
    for (UINT nID = 0; nID < 16; ++nID)
    {
        if (nID != 1)
        {
            EXPECT_EQ(::LoadStringA(hHali, nID, szText, sizeof szText), 0) << nID;
        }
    }
}

} // namespace
