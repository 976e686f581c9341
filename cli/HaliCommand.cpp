#include "HaliCommand.h"
#include "BatchRunner.h"
#include "HelpText.h"
#include "InstrumentTable.h"
#include "NumberText.h"
#include "QuotedText.h"
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

bool StartsWith(const char* psz, const char* pszPrefix) { return std::strncmp(psz, pszPrefix, std::strlen(pszPrefix)) == 0; }

// The options a subcommand knows, each name once.
std::vector<const CParameter*> OptionsOf(const CSubcommand& subcommand)
{
    std::vector<const CParameter*> options;
    int nParameters = 0;
    const CParameter* pTable = GetTableParameters(&nParameters);
    if (subcommand.kind == SUBCOMMAND_TABLE)
    {
        for (int i = 0; i < nParameters; ++i)
            options.push_back(&pTable[i]);
        for (const CParameter* pOption : CInstrumentTable::Options())
            options.push_back(pOption);
    }
    if (subcommand.kind == SUBCOMMAND_BATCH)
        options.push_back(&BatchJobs());
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
        if (std::strcmp(argv[i], "--format") == 0 && i + 1 < argc && !StartsWith(argv[i + 1], "--"))
            args.push_back(argv[++i]);
    }
    if (i == argc && args.empty())
    {
        std::fputs(ShortUsage().c_str(), m_pErr);
        return kExitUsage;
    }
    const char* pszFirst = i < argc ? argv[i] : "";
    const bool bHelp = std::strcmp(pszFirst, "--help") == 0 || std::strcmp(pszFirst, "-h") == 0;
    const bool bVersion = std::strcmp(pszFirst, "--version") == 0;
    if (i == argc || bHelp || bVersion)
    {
        // Nothing but --format may go with them.
        if (i < argc)
            args.insert(args.end(), argv + i + 1, argv + argc);
        CCommandLine line({}, nullptr);
        if (!line.Parse(static_cast<int>(args.size()), args.data()))
            return UsageError(nullptr, line.Error());
        if (bHelp || line.WantsHelp())
            return WriteResults(OverviewHelp());
        if (!bVersion)
            return UsageError(nullptr, "no command; accepts " + SubcommandList());
        return WriteResults(VersionText(line.Format()));
    }
    const CSubcommand* pSubcommand = FindSubcommand(pszFirst);
    if (pSubcommand == nullptr)
        return UsageError(nullptr, "unknown command " + QuotedText(pszFirst) + "; accepts " + SubcommandList());
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
    error = line.Bind(pComputation->pParameters, pComputation->nParameters, adArguments);
    if (!error.empty())
        return UsageError(subcommand.pszName, error);
    const double dResult = pComputation->pfnCompute(adArguments);
    if (std::isnan(dResult) && halic_last_error() == HALIC_E_CONVENTION_TEMPERATURE)
    {
        // The library judges; the user is told what the convention takes instead.
        int nTemperature = 0, nConvention = 0;
        SampleTemperatureOf(*pComputation, adArguments, &nTemperature, &nConvention);
        const CNamedArgument temperature = line.Named(pComputation->pParameters[nTemperature]);
        return UsageError(subcommand.pszName, temperature.label + " " + temperature.value + ": " +
                                                  FixedTemperatureReason(nConvention) + "; leave " +
                                                  temperature.label + " out");
    }
    if (std::isnan(dResult))
        return Message(subcommand.pszName, "no answer: " + NoAnswerReason(*pComputation, line), kExitNoAnswer);
    CResultWriter writer(line.Format(), {{pComputation->pszQuantity, ResultDecimals(*pComputation, adArguments)}});
    writer.AddRow(&dResult);
    std::string results;
    writer.WriteTo(results);
    return WriteResults(results);
}

int CHaliCommand::RunTable(const CCommandLine& line)
{
    if (line.Text("instrument") != nullptr)
        return RunInstrumentTable(line);
    double a[TABLE_PARAMETERS] = {};
    bool bFahrenheit = false;
    std::string error = BindTable(line, a, &bFahrenheit);
    const CTablePlan plan(a[TABLE_FROM], a[TABLE_TO], a[TABLE_STEP]);
    if (error.empty())
        error = plan.Problem(line.Text("from"), line.Text("to"), line.Text("step") ? line.Text("step") : "1");
    if (!error.empty())
        return UsageError("table", error);
    // The temperature column shows as many decimals as the user wrote.
    const int nDecimals = std::max(DecimalsOfText(line.Text("from")),
                                   line.Text("step") ? DecimalsOfText(line.Text("step")) : 0);
    CResultWriter writer(line.Format(), {{bFahrenheit ? "temperature_degF" : "temperature_degC", nDecimals},
                                         {"sg", 5}, {"correction", 5}});
    const int nExitCode = AddTableRows(plan, a, bFahrenheit, line, writer);
    std::string results;
    writer.WriteTo(results);
    const int nWritten = WriteResults(results);
    return nExitCode != kExitOk ? nExitCode : nWritten;
}

std::string CHaliCommand::BindTable(const CCommandLine& line, double* adArguments, bool* pbFahrenheit) const
{
    int nParameters = 0;
    const CParameter* pParameters = GetTableParameters(&nParameters);
    return BindInTableUnit(line, pParameters, nParameters, adArguments, pbFahrenheit);
}

int CHaliCommand::AddTableRows(const CTablePlan& plan, const double* a, bool bFahrenheit, const CCommandLine& line,
                              CResultWriter& writer)
{
    // The degF bounds are rounded: a temperature accepted in degF is held to the degC range.
    int nParameters = 0;
    const CParameter* pParameters = GetTableParameters(&nParameters);
    const CParameter& celsius = pParameters[TABLE_FROM];
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
            // The row's temperature is named by the row; the other arguments as given.
            const std::string row = ShortNumberText(plan.Temperature(n));
            std::vector<CNamedArgument> named;
            for (int i = 0; i < nParameters; ++i)
                named.push_back(i == TABLE_FROM ? CNamedArgument{"the temperature", row} : line.Named(pParameters[i]));
            nExitCode = Message("table", "no answer at " + row + ": " +
                                             ::NoAnswerReason(pParameters, nParameters, named.data()), kExitNoAnswer);
            continue;
        }
        const double adRow[] = {plan.Temperature(n), dGravity, (nBase - FiveDecimalUnits(dGravity)) * 0.00001};
        writer.AddRow(adRow);
    }
    return nExitCode;
}

int CHaliCommand::RunInstrumentTable(const CCommandLine& line)
{
    const CParameter& instrument = CInstrumentTable::Parameters(INSTRUMENT_HYDROMETER)[0];
    double dInstrument = 0.0;
    const EArgumentProblem problem = ReadArgument(instrument, line.Text("instrument"), &dInstrument);
    if (problem != ARGUMENT_OK)
        return UsageError("table", ArgumentMessage(instrument, "--instrument", line.Text("instrument"), problem));
    CInstrumentTable table;
    const std::string error = table.Bind(line, static_cast<EInstrument>(dInstrument));
    if (!error.empty())
        return UsageError("table", error);
    std::vector<std::string> messages;
    const CResultWriter writer = table.Rows(line.Format(), messages);
    for (const std::string& message : messages)
        Message("table", message, kExitNoAnswer);
    std::string results = table.SourceLine(line.Format());
    writer.WriteTo(results);
    const int nWritten = WriteResults(results);
    return messages.empty() ? nWritten : kExitNoAnswer;
}

int CHaliCommand::RunBatch(const CCommandLine& line)
{
    double dJobs = 0.0;
    std::string error = line.Bind(&BatchJobs(), 1, &dJobs);
    if (error.empty() && dJobs != std::floor(dJobs))
        error = "--jobs " + QuotedText(line.Text("jobs")) + ": not a whole number; accepts " + AcceptedText(BatchJobs());
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

std::string CHaliCommand::NoAnswerReason(const CComputation& computation, const CCommandLine& line) const
{
    std::vector<CNamedArgument> named;
    for (int i = 0; i < computation.nParameters; ++i)
        named.push_back(line.Named(computation.pParameters[i]));
    return ::NoAnswerReason(computation.pParameters, computation.nParameters, named.data());
}

std::string CHaliCommand::VersionText(EOutputFormat format)
{
    const std::string version = halic_version();
    switch (format)
    {
    case FORMAT_CSV: return "version\n" + version + "\n";
    case FORMAT_JSON: return "{\"version\":\"" + version + "\"}\n";
    case FORMAT_TEXT: break;
    }
    return "hali " + version + "\n";
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
