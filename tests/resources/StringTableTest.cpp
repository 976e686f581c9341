// The string table as the program reads it: narrow strings in code page 932.
// The expected texts are written as code-page-932 bytes so that they do not
// depend on how this file is encoded.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedString {
    UINT id;
    const char* bytes;  // code page 932
};

const ExpectedString kStrings[] = {
    {101, "Tervane \x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)..."},  // Tervane のﾊﾞｰｼﾞｮﾝ情報(&A)...
    {102, "Base:"},
    {103, "\x90\x85\x89\xb7"},                                  // 水温
    {104, "\x81\x8e"},                                          // ℃
    {105, "\x94\xe4\x8f\x64"},                                  // 比重
    {106, "\xce\xdf\xc3\xdd\xbc\xac\xd9\x96\xa7\x93\x78"},      // ﾎﾟﾃﾝｼｬﾙ密度
    {107, "\x89\x96\x95\xaa\x94\x5a\x93\x78"},                  // 塩分濃度
    {108, "\x81\xf1"},                                          // ‰
    {109, "\x90\x85\x90\x5b"},                                  // 水深
    {110, "\x82\x8d"},                                          // ｍ (full width)
    {111, "[%s]"},
    {112, "\x8a\xee\x8f\x80%s"},                                // 基準%s
    {113, "Tervane"},
};

// The text LoadStringA gives, or nothing when the id has no string.
bool LoadNarrow(UINT id, std::string& text)
{
    char buffer[512] = {};
    int length = LoadStringA(ThisModule(), id, buffer, sizeof buffer);
    text.assign(buffer, length > 0 ? length : 0);
    return length > 0;
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

}  // namespace

TEST(StringTable, TestRunsWithCodePage932)
{
    // Everything below compares code-page-932 bytes.
    ASSERT_EQ(932u, GetACP()) << "run the tests with LANG=ja_JP.UTF-8";
}

TEST(StringTable, TextsReachTheProgramAsCodePage932)
{
    ASSERT_EQ(932u, GetACP());
    for (const auto& want : kStrings) {
        SCOPED_TRACE(testing::Message() << "string " << want.id);
        std::string got;
        ASSERT_TRUE(LoadNarrow(want.id, got));
        EXPECT_EQ(want.bytes, got) << "got " << Hex(got) << " want " << Hex(want.bytes);
    }
}

TEST(StringTable, TheTwoBlocksHoldNoOtherStrings)
{
    for (UINT id = 96; id <= 127; ++id) {
        if (id >= 101 && id <= 113)
            continue;
        std::string got;
        EXPECT_FALSE(LoadNarrow(id, got)) << "unexpected string " << id << ": " << got;
    }
    // Strings group by sixteen: 101 to 111 lie in block 7 (ids 96 to 111),
    // 112 and 113 in block 8 (ids 112 to 127). There are no other blocks.
    EXPECT_EQ((std::vector<UINT>{7, 8}), ResourceIds(RT_STRING));
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_STRING, 7));
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_STRING, 8));
}

TEST(StringTable, WideTextsKeepHalfWidthKatakana)
{
    // The same strings through the wide loader: the resource holds UTF-16.
    wchar_t buffer[128] = {};
    ASSERT_GT(LoadStringW(ThisModule(), 106, buffer, 128), 0);
    EXPECT_EQ(std::wstring(L"\xff8e\xff9f\xff83\xff9d\xff7c\xff6c\xff99\x5bc6\x5ea6"), buffer);  // ﾎﾟﾃﾝｼｬﾙ密度
    ASSERT_GT(LoadStringW(ThisModule(), 101, buffer, 128), 0);
    EXPECT_EQ(std::wstring(L"Tervane \x306e\xff8a\xff9e\xff70\xff7c\xff9e\xff6e\xff9d\x60c5\x5831(&A)..."), buffer);
}
