// The texts of halic's faults: each value the shortest text that reads back
// as the same double, each range worded from halic.h's macros.
#include "Convention.h"
#include "Fault.h"
#include "Ranges.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace halic {

namespace {

thread_local char t_szLastErrorText[320];

// A number as the error texts show it: the shortest text that reads back as
// the same double, so that a value never shows as the bound it passed.
struct SNumberText
{
    char sz[32];
    explicit SNumberText(double d)
    {
        if (std::isnan(d))
            std::snprintf(sz, sizeof sz, "NaN");
        else
        {
#if defined(__cpp_lib_to_chars)
            *std::to_chars(sz, sz + sizeof sz - 1, d).ptr = '\0'; // "inf" and "-inf" too
#else
            // A C++ library without to_chars for doubles (emscripten's, for the page, which words its own
            // messages): the fewest significant digits that read back, though 10000 comes out as 1e+04.
            for (int nDigits = 1; nDigits <= 17; ++nDigits)
                if (std::snprintf(sz, sizeof sz, "%.*g", nDigits, d), std::strtod(sz, nullptr) == d)
                    break;
#endif
        }
    }
    // (Not to_chars: its integer form would export a static table of its own.)
    explicit SNumberText(ptrdiff_t n) { std::snprintf(sz, sizeof sz, "%lld", static_cast<long long>(n)); }
};

// "-2 to 40 degC": a range as the texts word it.
struct SRangeWords
{
    char sz[80];
    explicit SRangeWords(const SRange& range)
    {
        std::snprintf(sz, sizeof sz, "%s to %s%s", SNumberText(range.dLow).sz, SNumberText(range.dHigh).sz,
                      range.pszUnit);
    }
};

// One line for each reason, worded once from the ranges it names.
class CErrorMessages
{
public:
    CErrorMessages()
    {
        const SRangeWords salinity(kSalinity);
        Set(HALIC_OK, "no error");
        Set(HALIC_E_NOT_FINITE, "an argument is NaN or infinite");
        Set(HALIC_E_SALINITY, "salinity outside %s", salinity.sz);
        Set(HALIC_E_TEMPERATURE, "temperature outside the function's range");
        Set(HALIC_E_PRESSURE, "pressure outside %s", SRangeWords(kPressure).sz);
        Set(HALIC_E_CONVENTION, "no such convention");
        Set(HALIC_E_CONVENTION_TEMPERATURE, "a temperature other than the one the convention fixes");
        Set(HALIC_E_GRAVITY, "a specific gravity outside %s, 0 itself excluded", SRangeWords(kGravity).sz);
        Set(HALIC_E_NO_SALINITY, "a reading that no salinity from %s gives at that temperature", salinity.sz);
        Set(HALIC_E_CONDUCTIVITY, "a negative conductivity, or one that gives no salinity from %s", salinity.sz);
        Set(HALIC_E_LATITUDE, "latitude outside %s", SRangeWords(kLatitude).sz);
        Set(HALIC_E_ARGUMENT, "a negative or impossible count, a null array, or arrays that overlap other than exactly");
        Set(HALIC_E_RESULT, "no finite result");
        Set(HALIC_E_WAVELENGTH, "wavelength outside %s", SRangeWords(kWavelength).sz);
        Set(HALIC_E_SCALE, "no such refractometer or Baume scale");
        Set(HALIC_E_EXPANSION, "expansion coefficient outside %s", SRangeWords(kExpansion).sz);
        Set(HALIC_E_READING, "a reading off the instrument's scale");
    }
    const char* Get(int nError) const { return nError >= 0 && nError < kCount ? m_aszTexts[nError] : "unknown error"; }

private:
    static const int kCount = HALIC_E_READING + 1;
    char m_aszTexts[kCount][160] = {};

    void Set(int nError, const char* pszFormat, const char* pszRange = "")
    {
        std::snprintf(m_aszTexts[nError], sizeof m_aszTexts[nError], pszFormat, pszRange);
    }
};

// The text of a fault of the arrays themselves.
void FormatArrayFault(const SFault& f, char* psz, size_t n)
{
    switch (f.arrayFault)
    {
    case ARRAY_NEGATIVE_COUNT:
        std::snprintf(psz, n, "n = %s is negative", SNumberText(f.nElement).sz);
        break;
    case ARRAY_COUNT_TOO_LARGE:
        std::snprintf(psz, n, "n = %s is more doubles than memory holds", SNumberText(f.nElement).sz);
        break;
    case ARRAY_NULL:
        std::snprintf(psz, n, "%s is a null array", f.pszArray);
        break;
    case ARRAY_OVERLAP:
        std::snprintf(psz, n, "%s overlaps %s other than exactly", f.pszArray, f.pszOverlapped);
        break;
    case ARRAY_OK:
        psz[0] = '\0';
        break;
    }
}

// The text of a fault of an argument's value, after the element's prefix.
void FormatValueFault(const SFault& f, char* psz, size_t n)
{
    if (f.nError == HALIC_E_RESULT)
    {
        std::snprintf(psz, n, "no finite result for these arguments");
        return;
    }
    const SRange& range = f.range;
    const char* pszName = range.pszName;
    const SNumberText value(f.dValue);
    switch (f.nError)
    {
    case HALIC_E_NOT_FINITE:
        std::snprintf(psz, n, "%s = %s is not a finite number", pszName, value.sz);
        break;
    case HALIC_E_CONVENTION:
        std::snprintf(psz, n, "%s = %s is no convention (%s)", pszName, value.sz, SRangeWords(range).sz);
        break;
    case HALIC_E_CONVENTION_TEMPERATURE:
    {
        // The fixed temperature as the convention is written, which is also
        // a value the convention takes.
        const SNumberText fixed(std::round(range.dLow * kFixedTemperatureDecimals) / kFixedTemperatureDecimals);
        std::snprintf(psz, n, "%s = %s%s differs from the %s%s the convention fixes (give %s)", pszName, value.sz,
                      range.pszUnit, fixed.sz, range.pszUnit, fixed.sz);
        break;
    }
    case HALIC_E_GRAVITY:
        std::snprintf(psz, n, "%s = %s is outside %s, %s itself excluded", pszName, value.sz, SRangeWords(range).sz,
                      SNumberText(range.dLow).sz);
        break;
    case HALIC_E_NO_SALINITY:
        // The instruments record what salinities 0 and 42 read: say which end the reading is past.
        if (f.dValue > range.dHigh)
            std::snprintf(psz, n, "%s = %s is past %s%s, what salinity %s gives at these temperatures: the seawater "
                          "equations stop there", pszName, value.sz, SNumberText(range.dHigh).sz, range.pszUnit,
                          SNumberText(kSalinity.dHigh).sz);
        else if (f.dValue < range.dLow)
            std::snprintf(psz, n, "%s = %s is below %s%s, what pure water (salinity %s) gives at these temperatures",
                          pszName, value.sz, SNumberText(range.dLow).sz, range.pszUnit, SNumberText(kSalinity.dLow).sz);
        else
            std::snprintf(psz, n, "%s = %s is read by no salinity from %s at these temperatures", pszName, value.sz,
                          SRangeWords(kSalinity).sz);
        break;
    case HALIC_E_SCALE:
        std::snprintf(psz, n, "%s = %s is no scale (%s)", pszName, value.sz, SRangeWords(range).sz);
        break;
    case HALIC_E_READING:
        std::snprintf(psz, n, "%s = %s is outside %s, what the instrument reads", pszName, value.sz,
                      SRangeWords(range).sz);
        break;
    case HALIC_E_CONDUCTIVITY:
        if (f.dValue < 0.0)
            std::snprintf(psz, n, "%s = %s%s is negative", pszName, value.sz, range.pszUnit);
        else
            std::snprintf(psz, n, "%s = %s%s gives no salinity from %s at this t and p", pszName, value.sz,
                          range.pszUnit, SRangeWords(kSalinity).sz);
        break;
    default: // the ranges
        std::snprintf(psz, n, "%s = %s is outside %s", pszName, value.sz, SRangeWords(range).sz);
        break;
    }
}

} // namespace

const char* ErrorMessage(int nError)
{
    static const CErrorMessages messages;
    return messages.Get(nError);
}

const char* LastErrorText()
{
    const SFault& f = t_lastFault;
    char* const psz = t_szLastErrorText;
    const size_t n = sizeof t_szLastErrorText;
    if (f.nError == HALIC_OK)
        psz[0] = '\0';
    else if (f.arrayFault != ARRAY_OK)
        FormatArrayFault(f, psz, n);
    else
    {
        size_t nPrefix = 0;
        if (f.nElement >= 0)
            nPrefix = static_cast<size_t>(std::snprintf(psz, n, "element %s: ", SNumberText(f.nElement).sz));
        FormatValueFault(f, psz + nPrefix, n - nPrefix);
    }
    return psz;
}

} // namespace halic
