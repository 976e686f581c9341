// The rows of a correction table: temperatures from, from + step, ... up to
// and including to, in the table's unit (degC or degF).
#pragma once
#include "CommandLine.h"
#include "Parameter.h"

#include <string>
#include <string_view>

class CTablePlan
{
public:
    static const long kMaxRows = 100000; // more is a mistake in the step, not a table

    // dFrom, dTo, dStep: first and last temperature and the step [table unit]
    CTablePlan(double dFrom, double dTo, double dStep);

    // Why these bounds make no table ("--to 10: below --from 20", too many
    // rows), or "" when they make one; the texts are the options as given,
    // whose names start with pszPrefix ("salinity-").
    std::string Problem(std::string_view from, std::string_view to, std::string_view step,
                        const char* pszPrefix = "") const;
    // How many rows: to itself is the last when a whole number of steps
    // (within 1e-9 of a step) reaches it. Only valid when Problem() is "".
    long RowCount() const;
    // The temperature of row nRow, from + nRow x step, never past to [table unit].
    double Temperature(long nRow) const;

private:
    double Steps() const; // whole steps from from to to, as a double: absurd counts do not overflow

    double m_dFrom; // first row [table unit]
    double m_dTo;   // last row at most [table unit]
    double m_dStep; // between rows [table unit], above 0
};

// Reads a table's options into adValues, every temperature in the unit that
// its --unit (a PARAMETER_UNIT among them) names, which is read first;
// *pbFahrenheit set. "" or the usage error.
std::string BindInTableUnit(const CCommandLine& line, const CParameter* pParameters, int nParameters,
                            double* adValues, bool* pbFahrenheit);

// The table's arguments, in the order its help lists them; nCount is set.
const CParameter* GetTableParameters(int* pnCount);
// Their indexes in that list: the range and step, then convert's settings of the water.
enum ETableParameter
{
    TABLE_FROM, TABLE_TO, TABLE_STEP, TABLE_UNIT, TABLE_BASE_TEMPERATURE, TABLE_BASE_GRAVITY, TABLE_DEPTH,
    TABLE_SALINITY, TABLE_POTENTIAL, TABLE_PARAMETERS
};
