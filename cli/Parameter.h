// One argument of a computation: its name on the command line and in batch
// lines, what it accepts, and its default. The tables of arguments live in
// Computation.cpp and CliCommand.cpp; this is how a text becomes its value.
#pragma once
#include <string>
#include <string_view>

enum EParameterKind
{
    PARAMETER_NUMBER,     // a decimal number from dLow to dHigh
    PARAMETER_CONVENTION, // a specific-gravity convention by its name; the value is its HALIC_SG_ number
    PARAMETER_SWITCH,     // 1 or 0; on the command line --NAME and --no-NAME
    PARAMETER_UNIT        // a temperature unit, C or F; the value is 0 (degC) or 1 (degF)
};

enum EPresence
{
    PRESENCE_REQUIRED,   // must be given
    PRESENCE_DEFAULT,    // dDefault when absent
    PRESENCE_CONVENTION  // required unless the convention fixes it (a sample temperature); NaN when absent
};

struct CParameter
{
    const char* pszName;   // option without its dashes, and the field's name in batch lines
    const char* pszMeta;   // placeholder of its value in the help, e.g. "DEGC"
    const char* pszHelp;   // what it is, for the help
    EParameterKind kind;
    const char* pszUnit;   // unit of dLow, dHigh and dDefault ("degC", "dbar"), "" for none
    double dLow;           // lowest value accepted [pszUnit]
    double dHigh;          // highest value accepted [pszUnit]; infinity for no bound
    bool bLowExclusive;    // dLow itself is refused (a gravity is above 0)
    EPresence presence;
    double dDefault;       // the value when absent and PRESENCE_DEFAULT [pszUnit]
};

enum EArgumentProblem
{
    ARGUMENT_OK,
    ARGUMENT_MISSING,
    ARGUMENT_NOT_NUMBER,
    ARGUMENT_NOT_FINITE,
    ARGUMENT_OUT_OF_RANGE,
    ARGUMENT_UNKNOWN_NAME // no such convention, unit or switch value
};

// The value of param's text, checked: ARGUMENT_OK and *pd set, or the problem
// (*pd untouched). Blanks around the text are ignored.
EArgumentProblem ReadArgument(const CParameter& param, std::string_view text, double* pd);

// What param accepts, as the help and the messages say it: "-2 to 40 degC",
// "above 0 to 2", "0 or more mS/cm", "t/t, t/4, ...", "C or F".
std::string AcceptedText(const CParameter& param);

// A usage message naming the argument (pszLabel, "--salinity" or "salinity
// (field 2)"), the text given and the range it accepts:
// "--salinity 50: outside the range; accepts 0 to 42".
std::string ArgumentMessage(const CParameter& param, const char* pszLabel, std::string_view text,
                            EArgumentProblem problem);

// The same parameter in degrees Fahrenheit when bFahrenheit and it is a
// temperature in degC: range and default converted (bounds to two decimals).
CParameter InTemperatureUnit(const CParameter& param, bool bFahrenheit);

// Temperature conversions, degF to degC and back.
double CelsiusOfFahrenheit(double dFahrenheit);
double FahrenheitOfCelsius(double dCelsius);

// Reads the texts of a list of parameters (one each, in order; empty for a
// parameter not given) into adValues: a default where one is absent, NaN for
// a sample temperature the convention bound before it fixes. Returns -1 when
// all are accepted, else the index of the first refused with *pProblem set.
int BindArguments(const CParameter* pParameters, int nParameters, const std::string_view* aTexts, double* adValues,
                  EArgumentProblem* pProblem);
