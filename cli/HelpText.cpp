#include "HelpText.h"
#include "InstrumentTable.h"
#include "NumberText.h"
#include "QuotedText.h"
#include "TablePlan.h"

#include <halic.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace
{
const char kFormatHelp[] =
    "  --format text|csv|json\n"
    "      text (default): a lone result as the bare number, a table with a header and aligned columns;\n"
    "      csv: a header line, then one line per result; json: one object per result and line,\n"
    "      numbers as JSON numbers\n"
    "  --help, -h\n"
    "      this help\n";

const char kExitCodes[] =
    "Exit status: 0 success; 1 a computation without an answer (the library's reason on stderr, no\n"
    "number printed for it), or results that could not be written; 2 a usage error (the argument and\n"
    "the range it accepts on stderr).\n";

std::string Upper(const char* psz)
{
    std::string text(psz);
    for (char& ch : text)
        ch = ch == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

// The conventions that leave the sample's temperature to the caller, by the library's names: "t/t, t/4".
std::string OpenConventions()
{
    std::string names;
    for (int nConvention = 0; nConvention < HALIC_SG_CONVENTIONS; ++nConvention)
        if (std::isnan(halic_convention_sample_temperature(nConvention)))
            names += (names.empty() ? "" : ", ") + std::string(halic_convention_name(nConvention));
    return names;
}

// The default in words: "default 24", "default --potential", "required".
std::string PresenceText(const CParameter& param)
{
    switch (param.presence)
    {
    case PRESENCE_REQUIRED: return "required";
    case PRESENCE_CONVENTION: return "required for " + OpenConventions();
    case PRESENCE_DEFAULT: break;
    }
    if (param.kind == PARAMETER_SWITCH)
        return std::string("default --") + (param.dDefault != 0 ? "" : "no-") + param.pszName;
    return "default " + ValueText(param, param.dDefault);
}

std::string OptionHelp(const CParameter& param, const char* pszPositional)
{
    std::string line = "  ";
    if (pszPositional != nullptr && std::string(pszPositional) == param.pszName)
        line += Upper(param.pszName) + ", ";
    if (param.kind == PARAMETER_SWITCH)
        line += std::string("--") + param.pszName + ", --no-" + param.pszName;
    else
        line += std::string("--") + param.pszName + " " + param.pszMeta;
    const std::string accepted = param.kind == PARAMETER_SWITCH ? " " : ": " + AcceptedText(param) + " ";
    return line + "\n      " + param.pszHelp + accepted + "(" + PresenceText(param) + ")\n";
}

std::string OptionsHelp(const CParameter* pParameters, int nParameters, const char* pszPositional)
{
    std::string text;
    for (int i = 0; i < nParameters; ++i)
        text += OptionHelp(pParameters[i], pszPositional);
    return text;
}

std::string ResultHelp(const CComputation& computation)
{
    return std::string("\nPrints ") + computation.pszQuantity + ", the " + computation.pszResult + ", with " +
           std::to_string(computation.nDecimals) + " decimals\n(" + computation.pszDigitsWhy + ").\n";
}

std::string ComputationHelp(const CSubcommand& subcommand)
{
    std::string text;
    for (int n = 0; n < subcommand.nComputations; ++n)
    {
        const CComputation& computation = GetComputation(subcommand.aComputations[n]);
        if (computation.pszSource != nullptr)
            text += std::string("\nFrom --") + computation.pszSource + ":\n";
        else
            text += "\nOptions:\n";
        text += OptionsHelp(computation.pParameters, computation.nParameters, subcommand.pszPositional);
        text += ResultHelp(computation);
    }
    return text + "\nEvery command:\n" + kFormatHelp;
}

std::string TableHelp()
{
    int nParameters = 0;
    const CParameter* pParameters = GetTableParameters(&nParameters);
    const CParameter& from = pParameters[TABLE_FROM];
    std::string text = "\nOptions (temperatures in degC, or with --unit F in degF: " + AcceptedText(from) + " is " +
                       AcceptedText(InTemperatureUnit(from, true)) + "):\n" +
                       OptionsHelp(pParameters, nParameters, nullptr);
    for (EInstrument instrument : {INSTRUMENT_HYDROMETER, INSTRUMENT_REFRACTOMETER})
    {
        const std::vector<CParameter>& parameters = CInstrumentTable::Parameters(instrument);
        text += "\nWith --instrument " + ValueText(parameters[0], instrument) + ":\n" +
                OptionsHelp(parameters.data(), static_cast<int>(parameters.size()), nullptr);
    }
    return text + "\nEvery command:\n" + kFormatHelp;
}

// Each computation's fields in order: its name in lower case, the arguments
// as their options' names in capitals ("salinity,sg,SG,CONVENTION,TEMPERATURE").
std::string BatchLineSynopsis()
{
    std::string synopsis;
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        synopsis += std::string("  ") + computation.pszCommand;
        if (computation.pszSource != nullptr)
            synopsis += std::string(",") + computation.pszSource;
        for (int i = 0; i < computation.nParameters; ++i)
            synopsis += "," + Upper(computation.pParameters[i].pszName);
        synopsis += "\n";
    }
    return synopsis;
}

std::string BatchHelp()
{
    return "Reads lines from the standard input, each a computation's name and its arguments in order,\n"
           "separated by commas. Each field is the option of that name (see each command's --help for\n"
           "ranges and defaults); POTENTIAL is 1 or 0. An empty or left-out field takes the option's\n"
           "default (\"convert,26,,,,30\" sets only the salinity); a required one is then missing.\n"
           "Blank lines and lines starting with # are skipped; blanks around fields and a carriage return\n"
           "before the newline are ignored.\n"
           "Fields per computation:\n" +
           BatchLineSynopsis() +
           "Examples: convert,26    convert,20,24,1.025,1,30,0    salinity,sg,1.023,t/4,25    depth,1000,45\n"
           "\nEach good line's result goes to the standard output in input order, with its line number and\n"
           "quantity: text \"12 sg 1.02339\", csv \"12,sg,1.02339\" after the header line \"line,quantity,value\",\n"
           "json {\"line\":12,\"sg\":1.02339}. Digits per quantity as the single commands write them.\n"
           "A bad line, or one without an answer, is reported on the standard error with its line number\n"
           "and the reason; the other lines are still computed. Exit status 1 if any line failed.\n"
           "From a pipe or a terminal each line is answered, and the answer flushed, as soon as it is\n"
           "complete, so a program may write a line and wait for its answer; from a file lines are read\n"
           "in large blocks.\n"
           "\nOptions:\n" +
           OptionHelp(BatchJobs(), nullptr) + kFormatHelp;
}
} // namespace

std::string OverviewHelp()
{
    std::string text = "Usage: hali COMMAND [options]\n"
                       "Seawater properties of the hali library, and Varnok's conversion, on the command line.\n"
                       "\nCommands:\n";
    int nSubcommands = 0;
    const CSubcommand* pSubcommands = GetSubcommands(&nSubcommands);
    size_t nWidth = 0; // the longest name's, and two blanks
    for (int i = 0; i < nSubcommands; ++i)
        nWidth = std::max(nWidth, std::strlen(pSubcommands[i].pszName) + 2);
    for (int i = 0; i < nSubcommands; ++i)
    {
        const std::string name = pSubcommands[i].pszName;
        text += "  " + name + std::string(nWidth - name.size(), ' ') + pSubcommands[i].pszSummary + "\n";
    }
    return text + "\nhali COMMAND --help tells a command's options, their ranges and defaults, and the digits of\n"
                  "its results. Every command takes --format text|csv|json. hali --version prints the version\n"
                  "(with --format csv or json, as a record). An option left out takes its default; one given\n"
                  "an empty value is an error. After -- every word is a value, even --help.\n"
                  "Messages show a value bare when it is a short plain word, else in double quotes with control\n"
                  "characters and bytes that are not UTF-8 escaped (\\n, \\x1b), cut after " +
           std::to_string(kMaxQuotedChars) + " characters\nwith the value's length in bytes after it.\n\n" +
           kExitCodes;
}

std::string SubcommandHelp(const CSubcommand& subcommand)
{
    std::string text = std::string("Usage: hali ") + subcommand.pszName + " " + subcommand.pszSynopsis + "\n" +
                       subcommand.pszDescription;
    switch (subcommand.kind)
    {
    case SUBCOMMAND_COMPUTATION: text += ComputationHelp(subcommand); break;
    case SUBCOMMAND_TABLE: text += TableHelp(); break;
    case SUBCOMMAND_BATCH: text += BatchHelp(); break;
    }
    return text + "\n" + kExitCodes;
}

std::string ShortUsage()
{
    return "Usage: hali COMMAND [options]; commands: " + SubcommandList() + ".\nhali --help tells more.\n";
}
