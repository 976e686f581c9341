// libFuzzer target for the number text of the edits: whatever the text, AfxParseDouble reads within it, accepts
// exactly the plain decimal numbers that fit a double, and an accepted value is the one strtod gives; and what
// AfxFormatDouble writes of it reads back as the same double.
#include "AfxNumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace {

const std::regex kPlainNumber("[ \\t]*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?)[ \\t]*");

void Check(bool bCondition)
{
    if (!bCondition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::string text(reinterpret_cast<const char*>(pData), nSize);
    text = text.c_str(); // the edit's text ends at its first zero byte

    double dValue = -12345.0;
    BOOL bAccepted = AfxParseDouble(text.c_str(), &dValue);

    std::smatch match;
    bool bPlain = std::regex_match(text, match, kPlainNumber);
    double dExpected = bPlain ? std::strtod(match[1].str().c_str(), nullptr) : 0.0;
    Check(static_cast<bool>(bAccepted) == (bPlain && std::isfinite(dExpected)));
    if (!bAccepted)
    {
        Check(dValue == -12345.0); // a refused text leaves the value alone
        return 0;
    }
    Check(std::memcmp(&dValue, &dExpected, sizeof(double)) == 0);

    double dBack = 0.0;
    Check(AfxParseDouble(AfxFormatDouble(dValue), &dBack));
    Check(std::memcmp(&dValue, &dBack, sizeof(double)) == 0 || (dValue == 0.0 && dBack == 0.0));
    return 0;
}
