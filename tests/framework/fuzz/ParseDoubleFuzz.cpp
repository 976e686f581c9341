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
    // The edit's text ends at its first zero byte.
    const std::string text = std::string(reinterpret_cast<const char*>(pData), nSize).c_str();
    double dValue = -12345.0;
    const BOOL bAccepted = AfxParseDouble(text.c_str(), &dValue);

    std::smatch match;
    const bool bPlain = std::regex_match(text, match, kPlainNumber);
    const double dExpected = bPlain ? std::strtod(match[1].str().c_str(), nullptr) : 0.0;
    Check(static_cast<bool>(bAccepted) == (bPlain && std::isfinite(dExpected)));
    Check(bAccepted || dValue == -12345.0); // a refused text leaves the value alone
    if (!bAccepted)
        return 0;
    Check(std::memcmp(&dValue, &dExpected, sizeof(double)) == 0);
    double dBack = 0.0;
    Check(AfxParseDouble(AfxFormatDouble(dValue), &dBack));
    Check(std::memcmp(&dValue, &dBack, sizeof(double)) == 0 || (dValue == 0.0 && dBack == 0.0));
    return 0;
}
