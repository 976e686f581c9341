// A table of an instrument's readings: what a glass hydrometer or a
// refractometer reads for each salinity of a range (a row each) at each
// temperature of a range (a column each). Each cell is the number the
// hydrometer or refractometer command gives for it; a line before the rows
// names the formulas and their sources.
#pragma once
#include "CommandLine.h"
#include "Computation.h"
#include "ResultWriter.h"
#include "TablePlan.h"

#include <string>
#include <vector>

class CInstrumentTable
{
public:
    // The options the table subcommand takes for tables of readings, beyond
    // the correction table's (a name may repeat: the instruments' conventions).
    static std::vector<const CParameter*> Options();
    // The options of one instrument's table, in the order its help lists them.
    static const std::vector<CParameter>& Parameters(EInstrument instrument);

    // Reads the options given for the instrument; "" or the usage error.
    std::string Bind(const CCommandLine& line, EInstrument instrument);

    // The line that names the instrument, its settings, the formulas and their
    // sources: "# ..." in text and csv, {"source":"..."} in json.
    std::string SourceLine(EOutputFormat format) const;
    // Computes the rows into a writer; a row that has a cell without an answer
    // is left out, and the message for its first such cell added to messages.
    CResultWriter Rows(EOutputFormat format, std::vector<std::string>& messages) const;

private:
    double Value(const char* pszName) const;       // an option's value as bound
    double Celsius(double dTemperature) const;     // a temperature of the table's unit in degC
    // The computation's arguments for one cell: the salinity and the
    // temperature (the table's unit), the other options as bound.
    void CellArguments(double dSalinity, double dTemperature, double* adArguments) const;

    EInstrument m_instrument = INSTRUMENT_HYDROMETER;
    const CComputation* m_pComputation = nullptr; // the single-value command each cell is
    std::vector<CParameter> m_parameters;         // as bound: the temperatures in the table's unit
    std::vector<double> m_adValues;               // their values, in m_parameters' order
    std::vector<CNamedArgument> m_named;          // how messages name them
    bool m_bFahrenheit = false;
    CTablePlan m_salinities = CTablePlan(0, 0, 1);   // the rows
    CTablePlan m_temperatures = CTablePlan(0, 0, 1); // the columns [table unit]
    int m_nSalinityDecimals = 0, m_nTemperatureDecimals = 0; // as the user wrote the ranges
    mutable std::vector<std::string> m_columnNames; // the temperatures as the columns are headed
};
