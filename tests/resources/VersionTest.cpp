// The version block, read through the version API from this program's file,
// which carries the calculator's resource script.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class VersionBlock : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t path[MAX_PATH] = {};
        ASSERT_NE(0u, GetModuleFileNameW(nullptr, path, MAX_PATH));
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(path, &handle);
        ASSERT_NE(0u, size) << "no version block, error " << GetLastError();
        m_data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, m_data.data()));
    }

    // A value of the Japanese, UTF-16 string table, or nothing.
    bool Value(const wchar_t* name, std::wstring& text)
    {
        std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(m_data.data(), key.c_str(), &value, &length) || value == nullptr)
            return false;
        text = static_cast<const wchar_t*>(value);
        return true;
    }

    std::vector<BYTE> m_data;  // the whole version block
};

}  // namespace

TEST_F(VersionBlock, FixedFileAndProductVersions)
{
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);     // 1.0
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);     // .0.1
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);  // 1.0
    EXPECT_EQ(0x00000000u, fixed->dwProductVersionLS);  // .0.0
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
}

TEST_F(VersionBlock, OneJapaneseUnicodeTranslation)
{
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0411, translation[0]);
    EXPECT_EQ(1200, translation[1]);
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_VERSION, 1));
}

TEST_F(VersionBlock, StringValues)
{
    std::wstring text;
    ASSERT_TRUE(Value(L"Comments", text));
    // 基準海水温での比重を指定海水温での比重に換算する簡易ﾂｰﾙ。
    EXPECT_EQ(std::wstring(L"\x57fa\x6e96\x6d77\x6c34\x6e29\x3067\x306e\x6bd4\x91cd\x3092"
                           L"\x6307\x5b9a\x6d77\x6c34\x6e29\x3067\x306e\x6bd4\x91cd\x306b"
                           L"\x63db\x7b97\x3059\x308b\x7c21\x6613\xff82\xff70\xff99\x3002"),
              text);
    ASSERT_TRUE(Value(L"InternalName", text));
    EXPECT_EQ(L"Varnok", text);
    ASSERT_TRUE(Value(L"OriginalFilename", text));
    EXPECT_EQ(L"Varnok.exe", text);
    ASSERT_TRUE(Value(L"FileVersion", text));
    EXPECT_EQ(L"1, 0, 0, 1", text);
    ASSERT_TRUE(Value(L"ProductVersion", text));
    EXPECT_EQ(L"1, 0, 0, 0", text);
    // The maker's own entries carry some wording.
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"ProductName", L"LegalCopyright"}) {
        ASSERT_TRUE(Value(name, text)) << "no " << testing::PrintToString(std::wstring(name));
        EXPECT_FALSE(text.empty());
    }
}
