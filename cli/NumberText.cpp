#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// from_chars leaves a value out of range unread; strtod gives zero on underflow
// and an infinity on overflow. The text is known to be a plain decimal here,
// and no locale is ever set, so the point is '.'.
double ReadOutOfRange(std::string_view text)
{
    const std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}
} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ENumberText ParseNumber(std::string_view text, double* pd)
{
    text = TrimBlanks(text);
    if (text.empty())
        return NUMBER_EMPTY;
    // from_chars takes no plus sign; a second sign after it stays an error.
    if (text.front() == '+' && text.size() > 1 && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    double d = 0.0;
    const char* pEnd = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), pEnd, d, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument || result.ptr != pEnd)
        return NUMBER_SYNTAX;
    if (result.ec == std::errc::result_out_of_range)
        d = ReadOutOfRange(text);
    if (result.ec == std::errc::result_out_of_range && std::isinf(d))
        return NUMBER_TOO_LARGE;
    if (!std::isfinite(d))
        return NUMBER_NOT_FINITE;
    *pd = d;
    return NUMBER_OK;
}

char* FormatFixed(char* p, double d, int nDecimals)
{
    char* pEnd = std::to_chars(p, p + kMaxFixedChars, d, std::chars_format::fixed, nDecimals).ptr;
    if (*p == '-' && pEnd[-1] == '0')
    {
        // "-0.000": every digit zero, so the sign goes.
        const char* q = p + 1;
        while (q < pEnd && (*q == '0' || *q == '.'))
            ++q;
        if (q == pEnd)
        {
            for (char* r = p; r + 1 < pEnd; ++r)
                *r = r[1];
            --pEnd;
        }
    }
    return pEnd;
}

int DecimalsOfText(std::string_view text)
{
    text = TrimBlanks(text);
    const size_t nExp = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, nExp);
    const size_t nPoint = mantissa.find('.');
    long nDecimals = nPoint == std::string_view::npos ? 0 : static_cast<long>(mantissa.size() - nPoint - 1);
    if (nExp != std::string_view::npos)
    {
        long nExponent = 0;
        std::string_view exponent = text.substr(nExp + 1);
        if (!exponent.empty() && exponent.front() == '+')
            exponent.remove_prefix(1);
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), nExponent);
        nDecimals -= nExponent;
    }
    return static_cast<int>(nDecimals < 0 ? 0 : nDecimals > kMaxDecimals ? kMaxDecimals : nDecimals);
}

std::string ShortNumberText(double d)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, d).ptr);
}
