// The framework's string: formatting, comparison and loading from the string
// table of the current resource module. On Windows the table is StringTable.rc
// linked into this program; elsewhere a module table with the same texts.
#include "AfxModule.h"
#include "CString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The letters a to z repeated to nLength characters.
std::string Letters(size_t nLength)
{
    std::string text;
    for (size_t i = 0; i < nLength; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

std::string Repeat(const std::string& part, size_t nTimes)
{
    std::string text;
    for (size_t i = 0; i < nTimes; ++i)
        text += part;
    return text;
}

struct TableString
{
    UINT nID;
    std::string text; // code page 932
};

// What StringTable.rc holds.
const std::vector<TableString>& ExpectedTable()
{
    static const std::vector<TableString> table = {
        {1, "Seawater"},
        {2, "\x90\x85\x89\xb7"}, // 水温
        {3, Letters(253)},
        {4, Letters(254)},
        {5, Letters(255)},
        {6, Letters(1000)},
        {8, "%s [%d]"},
        {9, Repeat("\x90\x85", 200)}, // 水 two hundred times: double-byte text beyond the first buffer
    };
    return table;
}

const UINT kEmptyStringID = 7;
const UINT kMissingID = 999;

// Makes this program's string table the current resource module for one test.
class StringTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hSaved = AfxGetResourceHandle();
#ifdef _WIN32
        AfxSetResourceHandle(::GetModuleHandleA(nullptr));
#else
        m_strings.clear();
        for (const TableString& s : ExpectedTable())
            m_strings.push_back({s.nID, s.text.c_str()});
        m_strings.push_back({kEmptyStringID, ""});
        m_module = {m_strings.data(), m_strings.size()};
        AfxSetResourceHandle(&m_module);
#endif
    }

    void TearDown() override { AfxSetResourceHandle(m_hSaved); }

private:
    HINSTANCE m_hSaved = nullptr;
#ifndef _WIN32
    std::vector<AFX_STRING_RESOURCE> m_strings;
    AFX_RESOURCE_MODULE m_module = {nullptr, 0};
#endif
};

// ------------------------------------------------------------------ construction and comparison

TEST(CStringBasics, EmptyAndNullConstruction)
{
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetLength(), 0);
    EXPECT_STREQ(empty, "");
    CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
    EXPECT_TRUE(empty == fromNull);
}

TEST(CStringBasics, LengthCountsBytesIncludingEmbeddedZeros)
{
    CString text("ab\0cd", 5);
    EXPECT_EQ(text.GetLength(), 5);
    EXPECT_EQ(text.GetAt(2), '\0');
    EXPECT_EQ(text.GetAt(4), 'd');
    EXPECT_EQ(CString("\x90\x85\x89\xb7").GetLength(), 4); // two double-byte characters
}

TEST(CStringBasics, EqualityComparesEveryByte)
{
    EXPECT_TRUE(CString("1.024") == CString("1.024"));
    EXPECT_FALSE(CString("1.024") != CString("1.024"));
    EXPECT_FALSE(CString("1.024") == CString("1.0240"));
    EXPECT_TRUE(CString("1.024") != CString("1.0240"));
    EXPECT_FALSE(CString("abc") == CString("abC"));
    EXPECT_FALSE(CString("") == CString("\0", 1));
    EXPECT_FALSE(CString("ab\0c", 4) == CString("ab\0d", 4));
    EXPECT_TRUE(CString("ab\0c", 4) == CString("ab\0c", 4));
    EXPECT_FALSE(CString("\x90\x85") == CString("\x90\x86"));
}

TEST(CStringBasics, AppendingAndEmptying)
{
    CString text("Base");
    text += CString(":");
    text += CString("\x90\x85\x89\xb7");
    EXPECT_STREQ(text, "Base:\x90\x85\x89\xb7");
    EXPECT_EQ(text.GetLength(), 9);
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
}

// ------------------------------------------------------------------ Format

TEST(CStringFormat, PrintfConversions)
{
    CString text;
    text.Format("%d|%s|%.2f|%c|%5s|%-5s|%x|%%", 42, "abc", 3.14159, 'x', "r", "l", 255u);
    EXPECT_STREQ(text, "42|abc|3.14|x|    r|l    |ff|%");
    text.Format("%.5f", 1.024);
    EXPECT_STREQ(text, "1.02400");
    text.Format("%.15g", 0.1);
    EXPECT_STREQ(text, "0.1");
}

TEST(CStringFormat, ReplacesThePreviousText)
{
    CString text("a much longer previous text");
    text.Format("%d", 7);
    EXPECT_STREQ(text, "7");
    EXPECT_EQ(text.GetLength(), 1);
    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringFormat, LongOutputsAreComplete)
{
    const std::string big = Letters(100000);
    CString text;
    text.Format("<%s>", big.c_str());
    ASSERT_EQ(text.GetLength(), 100002);
    EXPECT_EQ(std::string(text), "<" + big + ">");

    text.Format("%0*d", 5000, 7);
    ASSERT_EQ(text.GetLength(), 5000);
    EXPECT_EQ(std::string(text), std::string(4999, '0') + "7");

    text.Format("%s%s%s%s", big.c_str(), big.c_str(), big.c_str(), "end");
    EXPECT_EQ(text.GetLength(), 300003);
    EXPECT_EQ(std::string(text).substr(199998), big.substr(99998) + big + "end");
}

TEST(CStringFormat, MayFormatItsOwnText)
{
    CString text("Tervane");
    text.Format("[%s] %s", static_cast<const char*>(text), static_cast<const char*>(text));
    EXPECT_STREQ(text, "[Tervane] Tervane");
}

TEST(CStringFormat, PassesDoubleByteTextThrough)
{
    CString text;
    text.Format("\x8a\xee\x8f\x80%s", "\x90\x85\x89\xb7"); // 基準%s with 水温
    EXPECT_STREQ(text, "\x8a\xee\x8f\x80\x90\x85\x89\xb7");
}

// ------------------------------------------------------------------ LoadString

TEST_F(StringTable, LoadsEveryStringExactly)
{
    for (const TableString& expected : ExpectedTable())
    {
        CString text("previous");
        EXPECT_TRUE(text.LoadString(expected.nID)) << "string " << expected.nID;
        EXPECT_EQ(text.GetLength(), static_cast<int>(expected.text.size())) << "string " << expected.nID;
        EXPECT_EQ(std::string(text), expected.text) << "string " << expected.nID;
    }
}

TEST_F(StringTable, MissingStringGivesFalseAndEmpty)
{
    CString text("previous");
    EXPECT_FALSE(text.LoadString(kMissingID));
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(StringTable, EmptyStringGivesFalseAndEmpty)
{
    CString text("previous");
    EXPECT_FALSE(text.LoadString(kEmptyStringID));
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(StringTable, LoadedFormatFormatsLikeALiteral)
{
    CString format;
    ASSERT_TRUE(format.LoadString(8));
    CString text;
    text.Format(format, "Depth", 3);
    EXPECT_STREQ(text, "Depth [3]");
}

TEST_F(StringTable, ReloadingReplacesTheText)
{
    CString text;
    ASSERT_TRUE(text.LoadString(6));
    ASSERT_TRUE(text.LoadString(1));
    EXPECT_STREQ(text, "Seawater");
}

} // namespace
