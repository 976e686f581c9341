// The subcommands of hali: their names, what they do in words, and the
// computations behind them.
#pragma once
#include "Computation.h"

#include <string>

enum ESubcommandKind
{
    SUBCOMMAND_COMPUTATION, // one result of one of its computations
    SUBCOMMAND_TABLE,       // a correction table
    SUBCOMMAND_BATCH        // a computation per line of the standard input
};

const int kMaxSources = 6; // computations under one subcommand, told apart by their first option

struct CSubcommand
{
    const char* pszName;
    ESubcommandKind kind;
    const char* pszSynopsis;    // what follows the name in the usage line
    const char* pszSummary;     // one line, for the overview
    const char* pszDescription; // what it does and an example, for its help
    EComputation aComputations[kMaxSources]; // for SUBCOMMAND_COMPUTATION, the first nComputations
    int nComputations;
    const char* pszPositional;  // the parameter that may be given without its name, or nullptr
};

// The subcommand named pszName, or nullptr.
const CSubcommand* FindSubcommand(const char* pszName);
// All of them, in the order the overview lists them; *pnCount is set.
const CSubcommand* GetSubcommands(int* pnCount);
// The batch mode's one option, --jobs.
const CParameter& BatchJobs();
// Their names, "convert, table, ...".
std::string SubcommandList();
