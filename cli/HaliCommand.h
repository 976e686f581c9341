// The hali command: reads its arguments, runs a subcommand, writes results to
// one stream and messages to another, and says how it went in its exit code.
#pragma once
#include "CommandLine.h"
#include "ResultWriter.h"
#include "Subcommand.h"
#include "TablePlan.h"

#include <cstdio>
#include <string>
#include <vector>

const int kExitOk = 0;       // every result written
const int kExitNoAnswer = 1; // a computation without an answer, or results that could not be written
const int kExitUsage = 2;    // arguments that do not make a computation

class CHaliCommand
{
public:
    // pIn: the batch mode's lines; pOut: results; pErr: messages.
    CHaliCommand(FILE* pIn, FILE* pOut, FILE* pErr);

    // Runs hali with the program's arguments (argv[0] is the program's name);
    // returns the exit code.
    int Run(int argc, const char* const* argv);

private:
    int RunSubcommand(const CSubcommand& subcommand, const std::vector<const char*>& args);
    int RunComputation(const CSubcommand& subcommand, const CCommandLine& line);
    int RunTable(const CCommandLine& line);
    // A table of an instrument's readings (--instrument).
    int RunInstrumentTable(const CCommandLine& line);
    // Reads the table's options, its temperatures in the unit it names; "" or the usage error.
    std::string BindTable(const CCommandLine& line, double* adArguments, bool* pbFahrenheit) const;
    // Computes the plan's rows into writer; kExitNoAnswer (each reported) if a row has no answer.
    int AddTableRows(const CTablePlan& plan, const double* adArguments, bool bFahrenheit, const CCommandLine& line,
                     CResultWriter& writer);
    int RunBatch(const CCommandLine& line);
    // The computation the options select (salinity has two), or nullptr with *pError set.
    const CComputation* SelectComputation(const CSubcommand& subcommand, const CCommandLine& line,
                                          std::string* pError) const;
    // Why the computation just run has no answer, naming the options as given.
    std::string NoAnswerReason(const CComputation& computation, const CCommandLine& line) const;
    // What --version prints in a format: "hali 1.0.0.0", csv's header and row, a json object.
    static std::string VersionText(EOutputFormat format);

    int UsageError(const char* pszCommand, const std::string& message);
    int Message(const char* pszCommand, const std::string& message, int nExitCode);
    // Writes results to pOut; kExitOk, or kExitNoAnswer when they cannot be written.
    int WriteResults(const std::string& results);

    FILE* m_pIn;
    FILE* m_pOut;
    FILE* m_pErr;
};
