#include "HaliCommand.h"
#include "BatchRunner.h"
#include "HelpText.h"
#include "NumberText.h"
#include "ResultWriter.h"
#include "TablePlan.h"

#include "ResultRounding.h"
#include <halic.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace
{
const size_t kBatchChunkBytes = 1 << 18; // about 10,000 lines a chunk, a few milliseconds of work

const CParameter kJobs = {"jobs", "N", "threads that compute lines", PARAMETER_NUMBER, "", 0, 64, false,
                          PRESENCE_DEFAULT, 0};

bool StartsWith(const char* psz, const char* pszPrefix) { return std::strncmp(psz, pszPrefix, std::strlen(pszPrefix)) == 0; }

// The options a subcommand knows, each name once.
std::vector<const CParameter*> OptionsOf(const CSubcommand& subcommand)
{
    std::vector<const CParameter*> options;
    int nParameters = 0;
    const CParameter* pTable = GetTableParameters(&nParameters);
    if (subcommand.kind == SUBCOMMAND_TABLE)
        for (int i = 0; i < nParameters; ++i)
            options.push_back(&pTable[i]);
    if (subcommand.kind == SUBCOMMAND_BATCH)
        options.push_back(&kJobs);
    for (int n = 0; n < subcommand.nComputations; ++n)
    {
        const CComputation& computation = GetComputation(subcommand.aComputations[n]);
        for (int i = 0; i < computation.nParameters; ++i)
            options.push_back(&computation.pParameters[i]);
    }
    return options;
}

// Five-decimal units of a value RoundToFiveDecimals gave, so that differences are exact.
long FiveDecimalUnits(double d) { return std::lround(d * 100000.0); }

// A sample temperature given where the convention fixes another: the library
// judges, and the user is told what it takes instead.
std::string FixedTemperatureMessage(const CCommandLine& line)
{
    double dConvention = 0.0;
    const CParameter convention = {"convention", "", "", PARAMETER_CONVENTION, "", 0, 0, false, PRESENCE_REQUIRED, 0};
    ReadArgument(convention, line.Text("convention"), &dConvention);
    const int nConvention = static_cast<int>(dConvention);
    return std::string("--temperature ") + line.Text("temperature") + ": convention " +
           halic_convention_name(nConvention) + " fixes the sample's temperature at " +
           ShortNumberText(std::round(halic_convention_sample_temperature(nConvention) * 1e4) / 1e4) + " degC; leave --temperature out";
}

double Clamp(double d, double dLow, double dHigh) { return d < dLow ? dLow : d > dHigh ? dHigh : d; }
} // namespace

CHaliCommand::CHaliCommand(FILE* pIn, FILE* pOut, FILE* pErr) : m_pIn(pIn), m_pOut(pOut), m_pErr(pErr) {}

int CHaliCommand::Run(int argc, const char* const* argv)
{
    // --format may also come before the command's name.
    std::vector<const char*> args;
    int i = 1;
    for (; i < argc && StartsWith(argv[i], "--format"); ++i)
    {
        args.push_back(argv[i]);
        if (std::strcmp(argv[i], "--format") == 0 && i + 1 < argc)
            args.push_back(argv[++i]);
    }
    if (i == argc)
    {
        std::fputs(ShortUsage().c_str(), m_pErr);
        return kExitUsage;
    }
    const char* pszFirst = argv[i];
    if (std::strcmp(pszFirst, "--help") == 0 || std::strcmp(pszFirst, "-h") == 0)
        return WriteResults(OverviewHelp());
    if (std::strcmp(pszFirst, "--version") == 0)
        return WriteResults(std::string("hali ") + halic_version() + "\n");
    const CSubcommand* pSubcommand = FindSubcommand(pszFirst);
    if (pSubcommand == nullptr)
        return UsageError(nullptr, std::string("unknown command ") + pszFirst + "; accepts " + SubcommandList());
    args.insert(args.end(), argv + i + 1, argv + argc);
    return RunSubcommand(*pSubcommand, args);
}

int CHaliCommand::RunSubcommand(const CSubcommand& subcommand, const std::vector<const char*>& args)
{
    CCommandLine line(OptionsOf(subcommand), subcommand.pszPositional);
    if (!line.Parse(static_cast<int>(args.size()), args.data()))
        return UsageError(subcommand.pszName, line.Error());
    if (line.WantsHelp())
        return WriteResults(SubcommandHelp(subcommand));
    switch (subcommand.kind)
    {
    case SUBCOMMAND_TABLE: return RunTable(line);
    case SUBCOMMAND_BATCH: return RunBatch(line);
    case SUBCOMMAND_COMPUTATION: break;
    }
    return RunComputation(subcommand, line);
}

int CHaliCommand::RunComputation(const CSubcommand& subcommand, const CCommandLine& line)
{
    std::string error;
    const CComputation* pComputation = SelectComputation(subcommand, line, &error);
    if (pComputation == nullptr)
        return UsageError(subcommand.pszName, error);
    double adArguments[kMaxParameters];
    error = BindOptions(pComputation->pParameters, pComputation->nParameters, line, adArguments);
    if (!error.empty())
        return UsageError(subcommand.pszName, error);
    const double dResult = pComputation->pfnCompute(adArguments);
    if (std::isnan(dResult) && halic_last_error() == HALIC_E_CONVENTION_TEMPERATURE)
        return UsageError(subcommand.pszName, FixedTemperatureMessage(line));
    if (std::isnan(dResult))
        return Message(subcommand.pszName, std::string("no answer: ") + NoAnswerReason(), kExitNoAnswer);
    CResultWriter writer(line.Format(), {{pComputation->pszQuantity, pComputation->nDecimals}});
    writer.AddRow(&dResult);
    std::string results;
    writer.WriteTo(results);
    return WriteResults(results);
}

int CHaliCommand::RunTable(const CCommandLine& line)
{
    double a[TABLE_PARAMETERS] = {};
    bool bFahrenheit = false;
    std::string error = BindTable(line, a, &bFahrenheit);
    const CTablePlan plan(a[TABLE_FROM], a[TABLE_TO], a[TABLE_STEP]);
    if (error.empty())
        error = plan.Problem();
    if (!error.empty())
        return UsageError("table", error);
    // The temperature column shows as many decimals as the user wrote.
    const int nDecimals = std::max(DecimalsOfText(line.Text("from")),
                                   line.Text("step") ? DecimalsOfText(line.Text("step")) : 0);
    CResultWriter writer(line.Format(), {{bFahrenheit ? "temperature_degF" : "temperature_degC", nDecimals},
                                         {"sg", 5}, {"correction", 5}});
    const int nExitCode = AddTableRows(plan, a, bFahrenheit, writer);
    std::string results;
    writer.WriteTo(results);
    const int nWritten = WriteResults(results);
    return nExitCode != kExitOk ? nExitCode : nWritten;
}

std::string CHaliCommand::BindTable(const CCommandLine& line, double* adArguments, bool* pbFahrenheit) const
{
    int nParameters = 0;
    const CParameter* pParameters = GetTableParameters(&nParameters);
    // The unit first: it says how the temperatures are read.
    double dUnit = 0.0;
    const char* pszUnit = line.Text("unit");
    if (pszUnit != nullptr && ReadArgument(pParameters[TABLE_UNIT], pszUnit, &dUnit) != ARGUMENT_OK)
        return ArgumentMessage(pParameters[TABLE_UNIT], "--unit", pszUnit, ARGUMENT_UNKNOWN_NAME);
    *pbFahrenheit = dUnit != 0.0;
    std::vector<CParameter> parameters;
    for (int i = 0; i < nParameters; ++i)
        parameters.push_back(InTemperatureUnit(pParameters[i], *pbFahrenheit));
    return BindOptions(parameters.data(), nParameters, line, adArguments);
}

int CHaliCommand::AddTableRows(const CTablePlan& plan, const double* a, bool bFahrenheit, CResultWriter& writer)
{
    // The degF bounds are rounded: a temperature accepted in degF is held to the degC range.
    int nParameters = 0;
    const CParameter& celsius = GetTableParameters(&nParameters)[TABLE_FROM];
    auto toCelsius = [&](double d) {
        return bFahrenheit ? Clamp(CelsiusOfFahrenheit(d), celsius.dLow, celsius.dHigh) : d;
    };
    const long nRows = plan.RowCount();
    std::vector<double> adTemperatures(nRows), adGravities(nRows);
    for (long n = 0; n < nRows; ++n)
        adTemperatures[n] = toCelsius(plan.Temperature(n));
    const double dBaseTemperature = toCelsius(a[TABLE_BASE_TEMPERATURE]);
    const int bPotential = static_cast<int>(a[TABLE_POTENTIAL]);
    halic_convert_n(nRows, adTemperatures.data(), a[TABLE_BASE_GRAVITY], dBaseTemperature, a[TABLE_SALINITY],
                    a[TABLE_DEPTH], bPotential, adGravities.data());

    const long nBase = FiveDecimalUnits(RoundToFiveDecimals(a[TABLE_BASE_GRAVITY]));
    int nExitCode = kExitOk;
    for (long n = 0; n < nRows; ++n)
    {
        const double dGravity = RoundToFiveDecimals(adGravities[n]);
        if (std::isnan(dGravity))
        {
            // The array form names the first NaN's reason; this row's own comes from its own call.
            halic_convert(adTemperatures[n], a[TABLE_BASE_GRAVITY], dBaseTemperature, a[TABLE_SALINITY],
                          a[TABLE_DEPTH], bPotential);
            nExitCode = Message("table", "no answer at " + ShortNumberText(plan.Temperature(n)) + ": " +
                                             NoAnswerReason(), kExitNoAnswer);
            continue;
        }
        const double adRow[] = {plan.Temperature(n), dGravity, (nBase - FiveDecimalUnits(dGravity)) * 0.00001};
        writer.AddRow(adRow);
    }
    return nExitCode;
}

int CHaliCommand::RunBatch(const CCommandLine& line)
{
    double dJobs = 0.0;
    std::string error = BindOptions(&kJobs, 1, line, &dJobs);
    if (error.empty() && dJobs != std::floor(dJobs))
        error = std::string("--jobs ") + line.Text("jobs") + ": not a whole number; accepts " + AcceptedText(kJobs);
    if (!error.empty())
        return UsageError("batch", error);
    const int nProcessors = static_cast<int>(std::thread::hardware_concurrency());
    const int nThreads = dJobs > 0 ? static_cast<int>(dJobs) : std::max(1, nProcessors);
    CBatchRunner runner(line.Format(), nThreads, kBatchChunkBytes);
    return runner.Run(m_pIn, m_pOut, m_pErr) == 0 ? kExitOk : kExitNoAnswer;
}

const CComputation* CHaliCommand::SelectComputation(const CSubcommand& subcommand, const CCommandLine& line,
                                                    std::string* pError) const
{
    const CComputation* pSelected = nullptr;
    std::string sources;
    for (int n = 0; n < subcommand.nComputations; ++n)
    {
        const CComputation& computation = GetComputation(subcommand.aComputations[n]);
        if (computation.pszSource == nullptr)
            return &computation;
        sources += std::string(n ? " or --" : "--") + computation.pszSource;
        if (line.Text(computation.pszSource) == nullptr)
            continue;
        if (pSelected != nullptr)
        {
            *pError = std::string("--") + pSelected->pszSource + " and --" + computation.pszSource + " exclude each other";
            return nullptr;
        }
        pSelected = &computation;
    }
    if (pSelected == nullptr)
        *pError = "needs " + sources;
    return pSelected;
}

std::string CHaliCommand::BindOptions(const CParameter* pParameters, int nParameters, const CCommandLine& line,
                                      double* adValues) const
{
    std::string_view aTexts[TABLE_PARAMETERS > kMaxParameters ? TABLE_PARAMETERS : kMaxParameters];
    for (int i = 0; i < nParameters; ++i)
    {
        const char* pszText = line.Text(pParameters[i].pszName);
        aTexts[i] = pszText != nullptr ? pszText : "";
    }
    // An option of the subcommand that this computation does not take.
    for (const std::string& name : line.GivenNames())
    {
        bool bTaken = false;
        for (int i = 0; i < nParameters; ++i)
            bTaken = bTaken || name == pParameters[i].pszName;
        if (!bTaken)
            return "--" + name + " does not go with --" + pParameters[0].pszName;
    }
    EArgumentProblem problem = ARGUMENT_OK;
    const int nRefused = BindArguments(pParameters, nParameters, aTexts, adValues, &problem);
    if (nRefused < 0)
        return "";
    const std::string label = std::string("--") + pParameters[nRefused].pszName;
    return ArgumentMessage(pParameters[nRefused], label.c_str(), aTexts[nRefused], problem);
}

int CHaliCommand::UsageError(const char* pszCommand, const std::string& message)
{
    const std::string help = pszCommand ? std::string("hali ") + pszCommand + " --help" : "hali --help";
    return Message(pszCommand, message + "\n(" + help + " tells the options)", kExitUsage);
}

int CHaliCommand::Message(const char* pszCommand, const std::string& message, int nExitCode)
{
    std::fprintf(m_pErr, "hali%s%s: %s\n", pszCommand ? " " : "", pszCommand ? pszCommand : "", message.c_str());
    return nExitCode;
}

int CHaliCommand::WriteResults(const std::string& results)
{
    const bool bWritten = std::fwrite(results.data(), 1, results.size(), m_pOut) == results.size();
    if (bWritten && std::fflush(m_pOut) == 0)
        return kExitOk;
    return Message(nullptr, "the results cannot be written", kExitNoAnswer);
}
