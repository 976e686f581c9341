#include "TablePlan.h"
#include "Computation.h"
#include "QuotedText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace
{
const double kStepSlack = 1e-9; // a step count this close to a whole number is that number

} // namespace

CTablePlan::CTablePlan(double dFrom, double dTo, double dStep) : m_dFrom(dFrom), m_dTo(dTo), m_dStep(dStep) {}

std::string CTablePlan::Problem(std::string_view from, std::string_view to, std::string_view step,
                                const char* pszPrefix) const
{
    const std::string dashes = std::string("--") + pszPrefix;
    if (m_dTo < m_dFrom)
        return dashes + "to " + QuotedText(to) + ": below " + dashes + "from " + QuotedText(from);
    if (Steps() + 1 > kMaxRows)
        return dashes + "step " + QuotedText(step) + ": makes more than " + std::to_string(kMaxRows) +
               " rows; accepts a step that makes at most that many";
    return "";
}

long CTablePlan::RowCount() const { return static_cast<long>(Steps()) + 1; }

double CTablePlan::Temperature(long nRow) const
{
    const double dTemperature = m_dFrom + nRow * m_dStep;
    return dTemperature > m_dTo ? m_dTo : dTemperature;
}

double CTablePlan::Steps() const { return std::floor((m_dTo - m_dFrom) / m_dStep + kStepSlack); }

std::string BindInTableUnit(const CCommandLine& line, const CParameter* pParameters, int nParameters,
                            double* adValues, bool* pbFahrenheit)
{
    const CParameter* pUnit = std::find_if(pParameters, pParameters + nParameters,
                                           [](const CParameter& param) { return param.kind == PARAMETER_UNIT; });
    double dUnit = pUnit->dDefault;
    const char* pszUnit = line.Text(pUnit->pszName);
    const EArgumentProblem problem = pszUnit ? ReadArgument(*pUnit, pszUnit, &dUnit) : ARGUMENT_OK;
    if (problem != ARGUMENT_OK)
        return ArgumentMessage(*pUnit, (std::string("--") + pUnit->pszName).c_str(), pszUnit, problem);
    *pbFahrenheit = dUnit != 0.0;
    std::vector<CParameter> parameters;
    for (int i = 0; i < nParameters; ++i)
        parameters.push_back(InTemperatureUnit(pParameters[i], *pbFahrenheit));
    return line.Bind(parameters.data(), nParameters, adValues);
}

const CParameter* GetTableParameters(int* pnCount)
{
    // The water's settings are convert's, in convert's order after its temperature.
    const CParameter* pConvert = GetComputation(COMPUTE_CONVERT).pParameters;
    const CParameter& temperature = pConvert[0];
    static const CParameter kTableParameters[TABLE_PARAMETERS] = {
        {"from", "T", "first temperature of the table", PARAMETER_NUMBER, "degC", temperature.dLow, temperature.dHigh,
         false, PRESENCE_REQUIRED, 0, "t"},
        {"to", "T", "last temperature of the table (included when a step meets it)", PARAMETER_NUMBER, "degC",
         temperature.dLow, temperature.dHigh, false, PRESENCE_REQUIRED, 0, "t"},
        {"step", "T", "step between rows, in the table's unit", PARAMETER_NUMBER, "", 0,
         std::numeric_limits<double>::infinity(), true, PRESENCE_DEFAULT, 1},
        {"unit", "C|F", "unit of every temperature of the table, the base temperature's too", PARAMETER_UNIT, "", 0,
         1, false, PRESENCE_DEFAULT, 0},
        pConvert[1], pConvert[2], pConvert[3], pConvert[4], pConvert[5]};
    *pnCount = TABLE_PARAMETERS;
    return kTableParameters;
}
