// The help texts, written from the same tables the arguments are read by, so
// the ranges and defaults they state are the ones checked.
#pragma once
#include "Subcommand.h"

#include <string>

// hali --help: the commands, the common options, the exit codes.
std::string OverviewHelp();
// hali COMMAND --help.
std::string SubcommandHelp(const CSubcommand& subcommand);
// What hali with no command prints to stderr.
std::string ShortUsage();
