// The framework's string: loading from the string table of the module's resources, and formatting long output.
#include "AfxModule.h"
#include "CString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// pszPart repeated to nLength bytes
std::string Repeat(const char* pszPart, size_t nLength)
{
    std::string text;
    while (text.size() < nLength)
        text += pszPart;
    return text.substr(0, nLength);
}
const char kAToZ[] = "abcdefghijklmnopqrstuvwxyz";

#ifdef _WIN32
// What StringTable.rc holds, in code page 932, loaded long to short into one string; string 7 is empty. 253 to
// 1000 characters and 400 double-byte bytes (水 two hundred times) lie around and beyond the loader's first buffer,
// which only Windows' loader has (elsewhere a module's strings are a table in memory).
const struct { UINT nID; std::string text; } kTable[] = {
    {6, Repeat(kAToZ, 1000)}, {9, Repeat("\x90\x85", 400)}, {5, Repeat(kAToZ, 255)}, {4, Repeat(kAToZ, 254)},
    {3, Repeat(kAToZ, 253)}, {2, "\x90\x85\x89\xb7"}, {1, "Seawater"},
};

TEST(String, LoadsStringsLongerThanTheFirstBuffer)
{
    const HINSTANCE hSaved = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    CString text;
    for (const auto& s : kTable)
    {
        EXPECT_TRUE(text.LoadString(s.nID)) << s.nID;
        EXPECT_EQ(std::string(text), s.text) << s.nID;
    }
    EXPECT_FALSE(text.LoadString(7)); // empty
    EXPECT_TRUE(text.IsEmpty());
    text = "previous";
    EXPECT_FALSE(text.LoadString(999)); // missing
    EXPECT_TRUE(text.IsEmpty());
    AfxSetResourceHandle(hSaved);
}
#endif

// The settings store writes "%lf" texts, 300 digits and more for a large value.
TEST(String, FormatsLongOutputWhole)
{
    const std::string big = Repeat(kAToZ, 100000);
    CString text;
    text.Format("<%s>%0*d", big.c_str(), 5000, 7);
    EXPECT_EQ(std::string(text), "<" + big + ">" + std::string(4999, '0') + "7");
}

} // namespace
