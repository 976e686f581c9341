#include "AfxNumber.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Advances p over a run of digits; how many there were.
size_t SkipDigits(const char*& p)
{
    const char* pStart = p;
    while (IsDigit(*p))
        ++p;
    return static_cast<size_t>(p - pStart);
}

} // namespace

CString AfxFormatDouble(double d)
{
    // The shortest of fifteen, sixteen or seventeen significant digits that
    // reads back as the same double: what the user typed comes back as typed,
    // and a shown value is the value the next exchange reads.
    CString text;
    for (int nDigits = 15; nDigits <= 17; ++nDigits)
    {
        text.Format("%.*g", nDigits, d);
        double dBack;
        if (!std::isfinite(d) || (AfxParseDouble(text, &dBack) && dBack == d))
            break;
    }
    return text;
}

BOOL AfxParseDouble(const char* pszText, double* pd)
{
    if (pszText == nullptr)
        return FALSE;
    const char* p = pszText;
    while (IsBlank(*p))
        ++p;
    const char* pNumber = p;

    if (*p == '+' || *p == '-')
        ++p;
    size_t nDigits = SkipDigits(p);
    if (*p == '.')
    {
        ++p;
        nDigits += SkipDigits(p);
    }
    if (nDigits == 0)
        return FALSE;
    if (*p == 'e' || *p == 'E')
    {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        if (SkipDigits(p) == 0)
            return FALSE;
    }
    const char* pEnd = p;
    while (IsBlank(*p))
        ++p;
    if (*p != '\0')
        return FALSE;

    // The text is a plain decimal number from here on; strtod reads it.
    std::string number(pNumber, pEnd);
    double d = std::strtod(number.c_str(), nullptr);
    if (std::isinf(d))
        return FALSE;
    *pd = d;
    return TRUE;
}
