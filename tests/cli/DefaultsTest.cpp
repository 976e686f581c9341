// The defaults as the help states them: for every "(default X)" in a command's --help, leaving the option out
// gives the computation the same values, bit for bit, as giving X; every default the tables hold is stated. An
// option given an empty or blank value is refused, naming it, at every option of every command. (A batch line's
// empty field is the default by the same parameters and BindArguments; BatchLineTest proves its reading.)
#include "CommandLine.h"
#include "HelpText.h"
#include "InstrumentTable.h"
#include "Subcommand.h"
#include "TablePlan.h"

#include "StreamText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Each computation a command makes, with the options that make it: a section of the command's help.
struct CCommandCase
{
    const char* pszCommand;
    const char* pszSection;            // "Options", "From --sg"
    EComputation computation;          // COMPUTE_COUNT: the table
    std::vector<const char*> required; // the required options with good values, the defaulted ones left out
    int nInstrument = -1;              // a table of an instrument's readings: its EInstrument

    std::vector<CParameter> Parameters() const
    {
        if (nInstrument >= 0)
            return CInstrumentTable::Parameters(static_cast<EInstrument>(nInstrument));
        int nCount = 0;
        const CParameter* pTable = GetTableParameters(&nCount); // the correction table's
        if (computation == COMPUTE_COUNT)
            return {pTable, pTable + nCount};
        const CComputation& computed = GetComputation(computation);
        return {computed.pParameters, computed.pParameters + computed.nParameters};
    }
};

const CCommandCase kCases[] = {
    {"convert", "Options", COMPUTE_CONVERT, {"--temperature", "10"}},
    {"table", "Options", COMPUTE_COUNT, {"--from", "10", "--to", "12.5"}},
    {"salinity", "From --sg", COMPUTE_SALINITY_FROM_SG, {"--sg", "1.023", "--convention", "t/4", "--temperature", "5"}},
    {"salinity", "From --conductivity", COMPUTE_SALINITY_FROM_C, {"--conductivity", "53", "--temperature", "5"}},
    {"sg", "Options", COMPUTE_SG, {"--salinity", "35", "--convention", "25/25"}}, // a fixed sample temperature
    {"density", "Options", COMPUTE_DENSITY, {"--salinity", "35", "--temperature", "5"}},
    {"ptemp", "Options", COMPUTE_PTEMP, {"--salinity", "35", "--temperature", "5", "--pressure", "4000"}},
    {"depth", "Options", COMPUTE_DEPTH, {"--pressure", "4000", "--latitude", "5"}},
    {"refractive-index", "Options", COMPUTE_REFRACTIVE_INDEX, {"--salinity", "35", "--temperature", "5"}},
    {"salinity", "From --refractive-index", COMPUTE_SALINITY_FROM_INDEX,
     {"--refractive-index", "1.339", "--temperature", "5"}},
    {"refractometer", "Options", COMPUTE_REFRACTOMETER, {"--salinity", "35"}},
    {"salinity", "From --refractometer", COMPUTE_SALINITY_FROM_REFRACTOMETER, {"--refractometer", "35"}},
    {"hydrometer", "Options", COMPUTE_HYDROMETER,
     {"--salinity", "35", "--convention", "t/4", "--temperature", "5", "--calibrated-at", "15"}},
    {"salinity", "From --hydrometer", COMPUTE_SALINITY_FROM_HYDROMETER,
     {"--hydrometer", "1.02", "--convention", "t/4", "--temperature", "5", "--calibrated-at", "15"}},
    {"baume", "From --sg", COMPUTE_BAUME, {"--sg", "1.02"}},
    {"baume", "From --degrees", COMPUTE_SG_FROM_BAUME, {"--degrees", "3"}},
    {"salinity", "From --baume", COMPUTE_SALINITY_FROM_BAUME, {"--baume", "3"}},
    {"table", "With --instrument hydrometer", COMPUTE_COUNT,
     {"--instrument", "hydrometer", "--salinity-from", "30", "--salinity-to", "31", "--from", "10", "--to", "12",
      "--convention", "t/4", "--calibrated-at", "15"}, INSTRUMENT_HYDROMETER},
    {"table", "With --instrument refractometer", COMPUTE_COUNT,
     {"--instrument", "refractometer", "--salinity-from", "30", "--salinity-to", "31", "--from", "10", "--to", "12"},
     INSTRUMENT_REFRACTOMETER},
};

// The defaults a help text states in one of its sections and under "Every command": each option ("--depth") with
// its default ("1", "--potential").
std::map<std::string, std::string> StatedDefaults(const std::string& help, const std::string& wanted)
{
    std::map<std::string, std::string> defaults;
    std::istringstream lines(help);
    std::string line, section, option;
    while (std::getline(lines, line))
    {
        const size_t nDefault = line.rfind("(default");
        const size_t nDashes = line.find("--");
        if (!line.empty() && line[0] != ' ' && line.back() == ':')
            section = line.substr(0, std::min(line.find(" ("), line.size() - 1)); // "Options (in degC...):"
        else if (line.compare(0, 6, "      ") != 0 && nDashes != std::string::npos)
            option = line.substr(nDashes, line.find_first_of(" ,", nDashes) - nDashes);
        else if (nDefault != std::string::npos && (section == wanted || section == "Every command"))
            defaults[option] = line.compare(nDefault, 9, "(default)") == 0 // --format's "text (default): ..."
                                   ? line.substr(6, nDefault - 7)
                                   : line.substr(nDefault + 9, line.size() - nDefault - 10); // "... (default 24)"
    }
    return defaults;
}

// What the options give a parameter list: the format and each value's bits, or "error: " and the usage error.
std::string Bound(const std::vector<CParameter>& parameters, std::vector<const char*> args)
{
    std::vector<const CParameter*> options;
    for (const CParameter& param : parameters)
        options.push_back(&param);
    CCommandLine line(options, nullptr);
    std::vector<double> values(parameters.size());
    const std::string error = line.Parse(static_cast<int>(args.size()), args.data())
                                  ? line.Bind(parameters.data(), static_cast<int>(parameters.size()), values.data())
                                  : line.Error();
    const std::string bits(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(double));
    return error.empty() ? "format " + std::to_string(line.Format()) + " values " + bits : "error: " + error;
}
} // namespace

TEST(Defaults, AsTheHelpStatesThemAndNeverForAnEmptyValue)
{
    int nEmpty = 0;
    for (const CCommandCase& c : kCases)
    {
        const std::vector<CParameter> parameters = c.Parameters();
        std::set<std::string> stated, declared = {"--format"};
        for (const CParameter& param : parameters)
        {
            const std::string name = std::string("--") + param.pszName, inlineTab = name + "=\t";
            if (param.presence == PRESENCE_DEFAULT)
                declared.insert(name);
            if (param.kind == PARAMETER_SWITCH)
                continue; // takes no value
            std::vector<const char*> word = {c.pszCommand}; // the required options but this one
            for (size_t n = 0; n < c.required.size(); n += 2)
                if (c.required[n] != name)
                    word.insert(word.end(), {c.required[n], c.required[n + 1]});
            std::vector<const char*> blank = word;
            // An empty word and a blank inline value: CommandLineTest and ArgumentTest hold the other spellings.
            word.insert(word.end(), {name.c_str(), ""});
            blank.push_back(inlineTab.c_str());
            for (const auto& [args, shown] : {std::make_pair(word, "\"\""), std::make_pair(blank, "\"\\t\"")})
            {
                const CRun run = RunHali(args);
                const std::string expected =
                    std::string("hali ") + c.pszCommand + ": " + name + " " + shown + ": empty; accepts ";
                EXPECT_EQ(run.nExitCode, kExitUsage) << c.pszCommand << " " << name << shown << "\n" << run.out;
                EXPECT_EQ(run.err.compare(0, expected.size(), expected), 0) << run.err;
                ++nEmpty;
            }
        }
        const std::string leftOut = Bound(parameters, c.required);
        EXPECT_NE(leftOut.substr(0, 6), "error:") << c.pszCommand << " " << leftOut;
        for (const auto& [option, text] : StatedDefaults(SubcommandHelp(*FindSubcommand(c.pszCommand)), c.pszSection))
        {
            stated.insert(option);
            std::vector<const char*> given = c.required;
            if (text.compare(0, 2, "--") == 0)
                given.push_back(text.c_str()); // a switch: --potential or --no-potential
            else
                given.insert(given.end(), {option.c_str(), text.c_str()});
            EXPECT_EQ(Bound(parameters, given), leftOut) << c.pszCommand << " " << option << "=" << text;
        }
        EXPECT_EQ(stated, declared) << c.pszCommand << " " << c.pszSection; // every default stated, only those
    }
    EXPECT_EQ(nEmpty, 2 * 87); // every option with a value, of every command
}
