// One argument of a computation: its name on the command line and in batch
// lines, what it accepts, and its default. The tables of arguments live in
// Computation.cpp, TablePlan.cpp and HaliCommand.cpp; this is how a text
// becomes its value.
#pragma once
#include <optional>
#include <string>
#include <string_view>

enum EParameterKind
{
    PARAMETER_NUMBER,     // a decimal number from dLow to dHigh
    PARAMETER_CONVENTION, // a specific-gravity convention by its name; the value is its HALIC_SG_ number
    PARAMETER_SWITCH,     // 1 or 0; on the command line --NAME and --no-NAME
    PARAMETER_UNIT,       // a temperature unit, C or F; the value is 0 (degC) or 1 (degF)
    PARAMETER_SCALE,      // a refractometer scale by its name; the value is its HALIC_SCALE_ number
    PARAMETER_BAUME_SCALE,// a Baume scale by its name; the value is its HALIC_BAUME_ number
    PARAMETER_INSTRUMENT  // the instrument of a table of readings: hydrometer or refractometer
};

// The instruments a table of readings is made for, the values of a PARAMETER_INSTRUMENT.
enum EInstrument
{
    INSTRUMENT_HYDROMETER,
    INSTRUMENT_REFRACTOMETER
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
    const char* pszArgument = nullptr; // the library's name of the argument it is passed as ("t0"), for
                                       // naming it in the library's reasons; nullptr when it is not passed
};

// How a message names an argument, and its value as given or its default:
// {"--sg", "1.5"}, {"sg (field 3)", "1.5"}.
struct CNamedArgument
{
    std::string label;
    std::string value;
};

// A parameter's text as given, or nullopt when it was not given.
using OptionalText = std::optional<std::string_view>;

enum EArgumentProblem
{
    ARGUMENT_OK,
    ARGUMENT_MISSING,      // not given, and needed
    ARGUMENT_EMPTY,        // given, but empty or blank: never the default
    ARGUMENT_NOT_NUMBER,
    ARGUMENT_NOT_FINITE,   // NaN or an infinity
    ARGUMENT_TOO_LARGE,    // a number beyond the largest the command holds ("1e400")
    ARGUMENT_OUT_OF_RANGE,
    ARGUMENT_TOO_SMALL,    // a number above 0 too small to tell from the 0 the range excludes (1e-400)
    ARGUMENT_UNKNOWN_NAME  // no such convention, unit or switch value
};

// The value of param's text, checked: ARGUMENT_OK and *pd set, or the problem
// (*pd untouched). Blanks around the text are ignored.
EArgumentProblem ReadArgument(const CParameter& param, std::string_view text, double* pd);

// What param accepts, as the help and the messages say it: "-2 to 40 degC",
// "above 0 to 2", "0 or more mS/cm", "t/t, t/4, ...", "C or F".
std::string AcceptedText(const CParameter& param);

// A value of param as a person writes it: a number shortest, a named choice
// by its name ("20/20", "seawater").
std::string ValueText(const CParameter& param, double dValue);

// A usage message naming the argument (pszLabel, "--salinity" or "salinity
// (field 2)"), the text given, quoted as QuotedText does, and the range it
// accepts: "--salinity 50: outside the range; accepts 0 to 42". A number cut
// short in the message is followed by the value it reads as.
std::string ArgumentMessage(const CParameter& param, const char* pszLabel, std::string_view text,
                            EArgumentProblem problem);

// The same parameter in degrees Fahrenheit when bFahrenheit and it is a
// temperature in degC: range and default converted (bounds to two decimals).
CParameter InTemperatureUnit(const CParameter& param, bool bFahrenheit);

// Temperature conversions, degF to degC and back.
double CelsiusOfFahrenheit(double dFahrenheit);
double FahrenheitOfCelsius(double dCelsius);

// Reads the texts of a list of parameters (one each, in order) into
// adValues: a default where one is not given, NaN for a sample temperature
// the convention bound before it fixes. Returns -1 when all are accepted,
// else the index of the first refused with *pProblem set.
int BindArguments(const CParameter* pParameters, int nParameters, const OptionalText* aTexts, double* adValues,
                  EArgumentProblem* pProblem);
