#include "Parameter.h"
#include "NumberText.h"
#include "QuotedText.h"

#include <halic.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
// Names compare without regard to ASCII case: "60/60f" is "60/60F".
bool SameName(std::string_view text, const char* pszName)
{
    if (text.size() != std::strlen(pszName))
        return false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char a = text[i], b = pszName[i];
        if (a != b && !(a >= 'A' && a <= 'Z' && a + ('a' - 'A') == b) && !(b >= 'A' && b <= 'Z' && b + ('a' - 'A') == a))
            return false;
    }
    return true;
}

// The library's names of a choice (conventions, scales), by number. Read
// once as the program starts: asking the library for a name clears its last
// error, which a message may be about to word.
std::vector<std::string> LoadNames(const char* (*pfnName)(int))
{
    std::vector<std::string> names;
    for (int n = 0; pfnName(n) != nullptr; ++n)
        names.push_back(pfnName(n));
    return names;
}

const std::vector<std::string> kConventionNames = LoadNames(halic_convention_name);
const std::vector<std::string> kScaleNames = LoadNames(halic_scale_name);
const std::vector<std::string> kBaumeScaleNames = LoadNames(halic_baume_name);

const std::vector<std::string>& LibraryNames(EParameterKind kind)
{
    switch (kind)
    {
    case PARAMETER_SCALE: return kScaleNames;
    case PARAMETER_BAUME_SCALE: return kBaumeScaleNames;
    default: return kConventionNames;
    }
}

// The choice named by text, from the library's own names; -1 for none.
int FindLibraryName(const std::vector<std::string>& names, std::string_view text)
{
    for (size_t n = 0; n < names.size(); ++n)
        if (SameName(text, names[n].c_str()))
            return static_cast<int>(n);
    return -1;
}

// True when the digits before any exponent are not all zero: "1e-400" is
// not 0, though it reads as 0.
bool HasNonzeroDigit(std::string_view text)
{
    for (char ch : text.substr(0, text.find_first_of("eE")))
        if (ch >= '1' && ch <= '9')
            return true;
    return false;
}

EArgumentProblem ReadNumber(const CParameter& param, std::string_view text, double* pd)
{
    double d = 0.0;
    switch (ParseNumber(text, &d))
    {
    case NUMBER_EMPTY: return ARGUMENT_EMPTY;
    case NUMBER_SYNTAX: return ARGUMENT_NOT_NUMBER;
    case NUMBER_NOT_FINITE: return ARGUMENT_NOT_FINITE;
    case NUMBER_TOO_LARGE: return ARGUMENT_TOO_LARGE;
    case NUMBER_OK: break;
    }
    if (param.bLowExclusive && d == 0.0 && !std::signbit(d) && param.dLow == 0.0 && HasNonzeroDigit(text))
        return ARGUMENT_TOO_SMALL;
    const bool bAboveLow = param.bLowExclusive ? d > param.dLow : d >= param.dLow;
    if (!bAboveLow || d > param.dHigh)
        return ARGUMENT_OUT_OF_RANGE;
    *pd = d;
    return ARGUMENT_OK;
}

// Looks text up among names; the value is its index.
EArgumentProblem ReadName(std::string_view text, const char* const* apszNames, int nNames, double* pd)
{
    for (int i = 0; i < nNames; ++i)
        if (SameName(text, apszNames[i]))
        {
            *pd = i;
            return ARGUMENT_OK;
        }
    return ARGUMENT_UNKNOWN_NAME;
}

const char* const kSwitchNames[] = {"0", "1"};
const char* const kUnitNames[] = {"C", "F"};
const char* const kInstrumentNames[] = {"hydrometer", "refractometer"}; // by EInstrument

const char* ProblemText(EArgumentProblem problem)
{
    switch (problem)
    {
    case ARGUMENT_OK: return "accepted";
    case ARGUMENT_MISSING: return "missing";
    case ARGUMENT_EMPTY: return "empty";
    case ARGUMENT_NOT_NUMBER: return "not a number";
    case ARGUMENT_NOT_FINITE: return "not a finite number";
    case ARGUMENT_TOO_LARGE: return "larger in size than 1.8e308, the largest number held";
    case ARGUMENT_OUT_OF_RANGE: return "outside the range";
    case ARGUMENT_TOO_SMALL: return "too small to tell from 0";
    case ARGUMENT_UNKNOWN_NAME: return "unknown";
    }
    return "refused";
}

// Two decimals at most, so the degF bounds read as a person writes them.
double RoundToHundredths(double d) { return std::round(d * 100.0) / 100.0; }
} // namespace

EArgumentProblem ReadArgument(const CParameter& param, std::string_view text, double* pd)
{
    text = TrimBlanks(text);
    if (text.empty())
        return ARGUMENT_EMPTY;
    switch (param.kind)
    {
    case PARAMETER_NUMBER: return ReadNumber(param, text, pd);
    case PARAMETER_SWITCH: return ReadName(text, kSwitchNames, 2, pd);
    case PARAMETER_UNIT: return ReadName(text, kUnitNames, 2, pd);
    case PARAMETER_INSTRUMENT: return ReadName(text, kInstrumentNames, 2, pd);
    case PARAMETER_CONVENTION: case PARAMETER_SCALE: case PARAMETER_BAUME_SCALE: break;
    }
    const int nChoice = FindLibraryName(LibraryNames(param.kind), text);
    if (nChoice < 0)
        return ARGUMENT_UNKNOWN_NAME;
    *pd = nChoice;
    return ARGUMENT_OK;
}

std::string AcceptedText(const CParameter& param)
{
    std::string text;
    switch (param.kind)
    {
    case PARAMETER_SWITCH: return "1 or 0";
    case PARAMETER_UNIT: return "C or F";
    case PARAMETER_INSTRUMENT: return "hydrometer or refractometer";
    case PARAMETER_CONVENTION: case PARAMETER_SCALE: case PARAMETER_BAUME_SCALE:
        for (const std::string& name : LibraryNames(param.kind))
            text += (text.empty() ? "" : ", ") + name;
        return text;
    case PARAMETER_NUMBER: break;
    }
    if (std::isinf(param.dHigh))
        text = param.bLowExclusive ? "above " + ShortNumberText(param.dLow) : ShortNumberText(param.dLow) + " or more";
    else
        text = (param.bLowExclusive ? "above " : "") + ShortNumberText(param.dLow) + " to " + ShortNumberText(param.dHigh);
    if (*param.pszUnit != '\0')
        text += std::string(" ") + param.pszUnit;
    return text;
}

std::string ValueText(const CParameter& param, double dValue)
{
    const int n = static_cast<int>(dValue);
    switch (param.kind)
    {
    case PARAMETER_UNIT: return kUnitNames[n];
    case PARAMETER_INSTRUMENT: return kInstrumentNames[n];
    case PARAMETER_CONVENTION: case PARAMETER_SCALE: case PARAMETER_BAUME_SCALE: return LibraryNames(param.kind)[n];
    case PARAMETER_NUMBER: case PARAMETER_SWITCH: break;
    }
    return ShortNumberText(dValue);
}

std::string ArgumentMessage(const CParameter& param, const char* pszLabel, std::string_view text,
                            EArgumentProblem problem)
{
    std::string message = pszLabel;
    if (problem != ARGUMENT_MISSING)
        message += " " + QuotedText(text);
    double d = 0.0;
    if (problem == ARGUMENT_OUT_OF_RANGE && IsCutWhenQuoted(text) && ParseNumber(text, &d) == NUMBER_OK)
        message += " (reads as " + ShortNumberText(d) + ")";
    return message + ": " + ProblemText(problem) + "; accepts " + AcceptedText(param);
}

CParameter InTemperatureUnit(const CParameter& param, bool bFahrenheit)
{
    if (!bFahrenheit || std::strcmp(param.pszUnit, "degC") != 0)
        return param;
    CParameter fahrenheit = param;
    fahrenheit.pszUnit = "degF";
    fahrenheit.dLow = RoundToHundredths(FahrenheitOfCelsius(param.dLow));
    fahrenheit.dHigh = RoundToHundredths(FahrenheitOfCelsius(param.dHigh));
    fahrenheit.dDefault = FahrenheitOfCelsius(param.dDefault);
    return fahrenheit;
}

double CelsiusOfFahrenheit(double dFahrenheit) { return (dFahrenheit - 32.0) * 5.0 / 9.0; }
double FahrenheitOfCelsius(double dCelsius) { return dCelsius * 9.0 / 5.0 + 32.0; }

int BindArguments(const CParameter* pParameters, int nParameters, const OptionalText* aTexts, double* adValues,
                  EArgumentProblem* pProblem)
{
    double dConvention = std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < nParameters; ++i)
    {
        const CParameter& param = pParameters[i];
        EArgumentProblem problem = aTexts[i] ? ReadArgument(param, *aTexts[i], &adValues[i]) : ARGUMENT_MISSING;
        if (problem == ARGUMENT_MISSING && param.presence == PRESENCE_DEFAULT)
        {
            adValues[i] = param.dDefault;
            problem = ARGUMENT_OK;
        }
        // A convention that fixes the sample's temperature needs none given.
        const bool bFixed = !std::isnan(dConvention) &&
                            !std::isnan(halic_convention_sample_temperature(static_cast<int>(dConvention)));
        if (problem == ARGUMENT_MISSING && param.presence == PRESENCE_CONVENTION && bFixed)
        {
            adValues[i] = std::numeric_limits<double>::quiet_NaN();
            problem = ARGUMENT_OK;
        }
        if (problem != ARGUMENT_OK)
        {
            *pProblem = problem;
            return i;
        }
        if (param.kind == PARAMETER_CONVENTION)
            dConvention = adValues[i];
    }
    return -1;
}
