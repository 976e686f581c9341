#include "InstrumentTable.h"
#include "NumberText.h"

#include <halic.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace
{
const CParameter kInstrument = {"instrument", "NAME", "the instrument whose readings the table gives",
                                PARAMETER_INSTRUMENT, "", 0, 1, false, PRESENCE_REQUIRED, 0};
const CParameter kSalinityRange[] = {
    {"salinity-from", "S", "first salinity of the table (Practical Salinity)", PARAMETER_NUMBER, "", HALIC_SP_MIN,
     HALIC_SP_MAX, false, PRESENCE_REQUIRED, 0},
    {"salinity-to", "S", "last salinity of the table (included when a step meets it)", PARAMETER_NUMBER, "",
     HALIC_SP_MIN, HALIC_SP_MAX, false, PRESENCE_REQUIRED, 0},
    {"salinity-step", "S", "step between rows", PARAMETER_NUMBER, "", 0, std::numeric_limits<double>::infinity(),
     true, PRESENCE_DEFAULT, 1},
};

const CComputation& ComputationOf(EInstrument instrument)
{
    return GetComputation(instrument == INSTRUMENT_HYDROMETER ? COMPUTE_HYDROMETER : COMPUTE_REFRACTOMETER);
}

bool Named(const CParameter& param, const char* pszName) { return std::strcmp(param.pszName, pszName) == 0; }

// The instrument, the ranges, then the single-value command's options but its
// salinity and temperature, which the rows and columns give.
std::vector<CParameter> MakeParameters(EInstrument instrument)
{
    int nTable = 0;
    const CParameter* pTable = GetTableParameters(&nTable);
    std::vector<CParameter> parameters = {kInstrument};
    parameters.insert(parameters.end(), std::begin(kSalinityRange), std::end(kSalinityRange));
    parameters.insert(parameters.end(), pTable + TABLE_FROM, pTable + TABLE_UNIT + 1);
    const CComputation& computation = ComputationOf(instrument);
    for (int i = 0; i < computation.nParameters; ++i)
        if (!Named(computation.pParameters[i], "salinity") && !Named(computation.pParameters[i], "temperature"))
            parameters.push_back(computation.pParameters[i]);
    return parameters;
}

// "20.5" with the decimals the user wrote the range with.
std::string Fixed(double d, int nDecimals)
{
    char buffer[kMaxFixedChars];
    return std::string(buffer, FormatFixed(buffer, d, nDecimals));
}
} // namespace

std::vector<const CParameter*> CInstrumentTable::Options()
{
    std::vector<const CParameter*> options;
    for (EInstrument instrument : {INSTRUMENT_HYDROMETER, INSTRUMENT_REFRACTOMETER})
        for (const CParameter& param : Parameters(instrument))
            if (!Named(param, "from") && !Named(param, "to") && !Named(param, "step") && !Named(param, "unit"))
                options.push_back(&param);
    return options;
}

const std::vector<CParameter>& CInstrumentTable::Parameters(EInstrument instrument)
{
    static const std::vector<CParameter> kHydrometer = MakeParameters(INSTRUMENT_HYDROMETER);
    static const std::vector<CParameter> kRefractometer = MakeParameters(INSTRUMENT_REFRACTOMETER);
    return instrument == INSTRUMENT_HYDROMETER ? kHydrometer : kRefractometer;
}

std::string CInstrumentTable::Bind(const CCommandLine& line, EInstrument instrument)
{
    m_instrument = instrument;
    m_pComputation = &ComputationOf(instrument);
    const std::vector<CParameter>& parameters = Parameters(instrument);
    m_adValues.assign(parameters.size(), 0.0);
    std::string error = BindInTableUnit(line, parameters.data(), static_cast<int>(parameters.size()),
                                        m_adValues.data(), &m_bFahrenheit);
    if (!error.empty())
        return error;
    m_parameters.clear();
    m_named.clear();
    for (const CParameter& param : parameters)
    {
        m_parameters.push_back(InTemperatureUnit(param, m_bFahrenheit));
        m_named.push_back(line.Named(m_parameters.back()));
    }
    m_salinities = CTablePlan(Value("salinity-from"), Value("salinity-to"), Value("salinity-step"));
    m_temperatures = CTablePlan(Value("from"), Value("to"), Value("step"));
    auto text = [&](const char* pszName, const char* pszDefault) {
        return line.Text(pszName) ? line.Text(pszName) : pszDefault;
    };
    error = m_salinities.Problem(text("salinity-from", ""), text("salinity-to", ""), text("salinity-step", "1"),
                                 "salinity-");
    if (error.empty())
        error = m_temperatures.Problem(text("from", ""), text("to", ""), text("step", "1"));
    if (error.empty() && m_salinities.RowCount() * m_temperatures.RowCount() > CTablePlan::kMaxRows)
        error = "the ranges make more than " + std::to_string(CTablePlan::kMaxRows) +
                " cells; accepts ranges and steps that make at most that many";
    m_nSalinityDecimals =
        std::max(DecimalsOfText(text("salinity-from", "")), DecimalsOfText(text("salinity-step", "1")));
    m_nTemperatureDecimals = std::max(DecimalsOfText(text("from", "")), DecimalsOfText(text("step", "1")));
    return error;
}

double CInstrumentTable::Value(const char* pszName) const
{
    for (size_t i = 0; i < m_parameters.size(); ++i)
        if (Named(m_parameters[i], pszName))
            return m_adValues[i];
    return std::numeric_limits<double>::quiet_NaN();
}

double CInstrumentTable::Celsius(double dTemperature) const
{
    if (!m_bFahrenheit)
        return dTemperature;
    // The degF bounds are rounded: a temperature accepted in degF is held to the degC range.
    int nTable = 0;
    const CParameter& celsius = GetTableParameters(&nTable)[TABLE_FROM];
    return std::fmin(std::fmax(CelsiusOfFahrenheit(dTemperature), celsius.dLow), celsius.dHigh);
}

void CInstrumentTable::CellArguments(double dSalinity, double dTemperature, double* adArguments) const
{
    for (int i = 0; i < m_pComputation->nParameters; ++i)
    {
        const CParameter& param = m_pComputation->pParameters[i];
        if (Named(param, "salinity"))
            adArguments[i] = dSalinity;
        else if (Named(param, "temperature"))
            adArguments[i] = Celsius(dTemperature);
        else if (std::strcmp(param.pszUnit, "degC") == 0 && !std::isnan(Value(param.pszName)))
            adArguments[i] = Celsius(Value(param.pszName));
        else
            adArguments[i] = Value(param.pszName);
    }
}

std::string CInstrumentTable::SourceLine(EOutputFormat format) const
{
    const std::string unit = m_bFahrenheit ? "degF" : "degC";
    const int nConvention = static_cast<int>(Value("convention"));
    std::string text;
    if (m_instrument == INSTRUMENT_HYDROMETER)
    {
        const double dCalibration = std::isnan(Value("calibrated-at"))
                                        ? halic_convention_sample_temperature(nConvention)
                                        : Celsius(Value("calibrated-at"));
        text = std::string("glass hydrometer, convention ") + halic_convention_name(nConvention) +
               ", calibrated at " + ShortNumberText(std::round(dCalibration * 1e4) / 1e4) + " degC, expansion " +
               ShortNumberText(Value("expansion")) +
               " per degC: reading = SG (1 + gamma (t - t_cal)), SG = rho(S, t, 0) / rho(0, t_ref, 0) by EOS-80 "
               "(UNESCO 1981), gamma of glass by ISO 1768";
    }
    else
    {
        const int nScale = static_cast<int>(Value("scale"));
        text = std::string("refractometer, scale ") + halic_scale_name(nScale) + ", set to zero at " +
               ShortNumberText(Value("zeroed-at")) + " " + unit +
               ": the rise of seawater's refractive index over pure water's at " + ShortNumberText(HALIC_SODIUM_D) +
               " nm by Quan and Fry (1995), read on a scale drawn for " + ShortNumberText(HALIC_REFRACTOMETER_T) +
               " degC: ";
        if (nScale == HALIC_SCALE_SEAWATER)
            text += "the salinity with that rise";
        else if (nScale == HALIC_SCALE_SG)
            text += std::string("that salinity's specific gravity under ") + halic_convention_name(nConvention) +
                    " by EOS-80 (UNESCO 1981)";
        else
            text += "per mille of the NaCl solution with that rise, from the CRC Handbook of Chemistry and Physics' "
                    "concentrative properties of aqueous solutions";
    }
    text += "; rows: salinity (Practical Salinity), columns: the sample's temperature, " + unit;
    return format == FORMAT_JSON ? "{\"source\":\"" + text + "\"}\n" : "# " + text + "\n";
}

CResultWriter CInstrumentTable::Rows(EOutputFormat format, std::vector<std::string>& messages) const
{
    const long nColumns = m_temperatures.RowCount();
    double adArguments[kMaxParameters];
    CellArguments(m_salinities.Temperature(0), m_temperatures.Temperature(0), adArguments);
    const int nDecimals = ResultDecimals(*m_pComputation, adArguments); // the scale's, the same in every cell

    // The column names live as long as the table, which the writer's columns point into.
    m_columnNames.clear();
    for (long c = 0; c < nColumns; ++c)
        m_columnNames.push_back(Fixed(m_temperatures.Temperature(c), m_nTemperatureDecimals));
    std::vector<CColumn> columns = {{"salinity", m_nSalinityDecimals}};
    for (const std::string& name : m_columnNames)
        columns.push_back({name.c_str(), nDecimals});
    CResultWriter writer(format, columns);

    std::vector<double> adRow(nColumns + 1);
    for (long r = 0; r < m_salinities.RowCount(); ++r)
    {
        adRow[0] = m_salinities.Temperature(r);
        long c = 0;
        for (; c < nColumns; ++c)
        {
            CellArguments(adRow[0], m_temperatures.Temperature(c), adArguments);
            adRow[c + 1] = m_pComputation->pfnCompute(adArguments);
            if (std::isnan(adRow[c + 1]))
                break;
        }
        if (c == nColumns)
        {
            writer.AddRow(adRow.data());
            continue;
        }
        // The cell's salinity and temperature are named by the row and column; the other options as given.
        std::vector<CNamedArgument> named;
        for (int i = 0; i < m_pComputation->nParameters; ++i)
        {
            const CParameter& param = m_pComputation->pParameters[i];
            if (Named(param, "salinity"))
                named.push_back({"the salinity", Fixed(adRow[0], m_nSalinityDecimals)});
            else if (Named(param, "temperature"))
                named.push_back({"the temperature", m_columnNames[c]});
            else
                for (size_t n = 0; n < m_parameters.size(); ++n)
                    if (Named(m_parameters[n], param.pszName))
                        named.push_back(m_named[n]);
        }
        messages.push_back("no answer at salinity " + Fixed(adRow[0], m_nSalinityDecimals) + ", " +
                           m_columnNames[c] + " " + (m_bFahrenheit ? "degF" : "degC") + ": " +
                           NoAnswerReason(m_pComputation->pParameters, m_pComputation->nParameters, named.data()));
    }
    return writer;
}
