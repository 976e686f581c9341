// The defaults as the help states them: for every default a command's --help
// names, leaving the option out gives what giving that default gives, in the
// values the computation receives (bit for bit) and in what the command
// prints; an empty batch field gives the same. Every default is named.
#include "BatchLine.h"
#include "CommandLine.h"
#include "HaliCommand.h"
#include "HelpText.h"
#include "Subcommand.h"
#include "TablePlan.h"

#include "StreamText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct CStatedDefault
{
    std::string section; // "Options", "From --sg", "Every command"
    std::string name;    // the option without its dashes
    std::string text;    // the default as the help words it: "24", "--potential", "C", "text"
};

// Every "(default X)" of a help text, with the option it belongs to.
std::vector<CStatedDefault> StatedDefaults(const std::string& help)
{
    std::vector<CStatedDefault> defaults;
    std::istringstream lines(help);
    std::string line, section, option;
    while (std::getline(lines, line))
    {
        if (!line.empty() && line[0] != ' ' && line.back() == ':')
            section = line.substr(0, std::min(line.find(" ("), line.size() - 1)); // "Options (in degC...):"
        else if (line.compare(0, 2, "  ") == 0 && line.compare(0, 6, "      ") != 0)
        {
            const size_t nDashes = line.find("--");
            option = nDashes == std::string::npos ? "" : line.substr(nDashes + 2, line.find_first_of(" ,", nDashes) - nDashes - 2);
        }
        else if (line.size() > 2 && line.compare(line.size() - 1, 1, ")") == 0 && line.rfind("(default ") != std::string::npos)
        {
            const size_t nStart = line.rfind("(default ") + 9;
            defaults.push_back({section, option, line.substr(nStart, line.size() - 1 - nStart)});
        }
        else if (line.find(" (default)") != std::string::npos)
            defaults.push_back({section, option, line.substr(6, line.find(" (default)") - 6)});
    }
    return defaults;
}

// What a command prints, run in-process.
std::string Printed(const std::vector<std::string>& args)
{
    std::vector<const char*> argv = {"hali"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    FILE* pOut = std::tmpfile();
    FILE* pErr = std::tmpfile();
    if (pOut == nullptr || pErr == nullptr)
        return "no temporary file";
    const int nExitCode = CHaliCommand(nullptr, pOut, pErr).Run(static_cast<int>(argv.size()), argv.data());
    const std::string printed = std::to_string(nExitCode) + "\n" + ReadAll(pOut) + ReadAll(pErr);
    std::fclose(pOut);
    std::fclose(pErr);
    return printed;
}

// The values a computation receives from its options.
std::vector<double> Bound(const CParameter* pParameters, int nParameters, const std::vector<std::string>& args,
                          std::string* pError)
{
    std::vector<const CParameter*> options;
    for (int i = 0; i < nParameters; ++i)
        options.push_back(&pParameters[i]);
    CCommandLine line(options, nullptr);
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::vector<double> values(nParameters);
    if (!line.Parse(static_cast<int>(argv.size()), argv.data()))
        *pError = line.Error();
    else
        *pError = line.Bind(pParameters, nParameters, values.data());
    return values;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The section of a command's help and the options that make a computation there, each default left out.
struct CCase
{
    const char* pszCommand;
    const char* pszSection;
    EComputation computation; // COMPUTE_COUNT for the table
    std::vector<std::string> required;
};
const CCase kCases[] = {
    {"convert", "Options", COMPUTE_CONVERT, {"--temperature", "10"}},
    {"table", "Options", COMPUTE_COUNT, {"--from", "10", "--to", "12.5"}},
    {"salinity", "From --sg", COMPUTE_SALINITY_FROM_SG, {"--sg", "1.023", "--convention", "t/4", "--temperature", "5"}},
    {"salinity", "From --conductivity", COMPUTE_SALINITY_FROM_C, {"--conductivity", "53", "--temperature", "5"}},
    {"sg", "Options", COMPUTE_SG, {"--salinity", "35", "--convention", "t/4", "--temperature", "5"}},
    {"density", "Options", COMPUTE_DENSITY, {"--salinity", "35", "--temperature", "5"}},
    {"ptemp", "Options", COMPUTE_PTEMP, {"--salinity", "35", "--temperature", "5", "--pressure", "4000"}},
    {"depth", "Options", COMPUTE_DEPTH, {"--pressure", "4000", "--latitude", "5"}},
};

void ParametersOf(const CCase& c, const CParameter** ppParameters, int* pnParameters)
{
    if (c.computation == COMPUTE_COUNT)
    {
        *ppParameters = GetTableParameters(pnParameters);
        return;
    }
    *ppParameters = GetComputation(c.computation).pParameters;
    *pnParameters = GetComputation(c.computation).nParameters;
}

// The batch line of a case, with the field of parameter nStated given as text, or every default field empty.
std::string BatchLineOf(const CCase& c, int nStated, const std::string& text)
{
    const CComputation& computation = GetComputation(c.computation);
    std::string line = std::string(computation.pszCommand) + (computation.pszSource ? std::string(",") + computation.pszSource : "");
    for (int i = 0; i < computation.nParameters; ++i)
    {
        std::string field = i == nStated ? text : "";
        for (size_t n = 0; n + 1 < c.required.size(); n += 2)
            if (c.required[n] == std::string("--") + computation.pParameters[i].pszName)
                field = c.required[n + 1];
        line += "," + field;
    }
    return line;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST(Defaults, AsTheHelpStatesThem)
{
    std::set<std::string> stated, declared; // "command section --name"
    for (const CCase& c : kCases)
    {
        const CParameter* pParameters = nullptr;
        int nParameters = 0;
        ParametersOf(c, &pParameters, &nParameters);
        for (int i = 0; i < nParameters; ++i)
            if (pParameters[i].presence == PRESENCE_DEFAULT)
                declared.insert(std::string(c.pszCommand) + " " + c.pszSection + " --" + pParameters[i].pszName);
    }
    int nSubcommands = 0;
    const CSubcommand* pSubcommands = GetSubcommands(&nSubcommands);
    for (int n = 0; n < nSubcommands; ++n)
    {
        const std::string command = pSubcommands[n].pszName;
        if (pSubcommands[n].kind == SUBCOMMAND_BATCH)
            continue; // its one option, --jobs, changes no result
        for (const CStatedDefault& named : StatedDefaults(SubcommandHelp(pSubcommands[n])))
        {
            const std::string what = command + " " + named.section + " --" + named.name;
            const bool bSwitch = named.text.compare(0, 2, "--") == 0;
            const std::vector<std::string> given =
                bSwitch ? std::vector<std::string>{named.text} : std::vector<std::string>{"--" + named.name, named.text};
            const CCase* pCase = nullptr;
            for (const CCase& c : kCases)
                if (c.pszCommand == command && (c.pszSection == named.section || (!pCase && named.section == "Every command")))
                    pCase = &c;
            ASSERT_NE(pCase, nullptr) << what;
            const std::vector<std::string> args = Joined({command}, pCase->required);
            EXPECT_EQ(Printed(args), Printed(Joined(args, given))) << what;
            if (named.section == "Every command")
                continue; // --format: what is printed is all it sets
            stated.insert(what);

            const CParameter* pParameters = nullptr;
            int nParameters = 0;
            ParametersOf(*pCase, &pParameters, &nParameters);
            std::string leftOutError, givenError;
            const std::vector<double> leftOut = Bound(pParameters, nParameters, pCase->required, &leftOutError);
            const std::vector<double> asNamed = Bound(pParameters, nParameters, Joined(pCase->required, given), &givenError);
            EXPECT_EQ(leftOutError + givenError, "") << what;
            EXPECT_TRUE(SameBits(leftOut, asNamed)) << what;

            // A batch line's empty field is that default too.
            if (pCase->computation == COMPUTE_COUNT)
                continue;
            int nStated = 0;
            while (pParameters[nStated].pszName != named.name)
                ++nStated;
            const std::string fieldText = !bSwitch ? named.text : named.text == "--" + named.name ? "1" : "0";
            CBatchLine fromEmpty, fromNamed;
            std::string error;
            const std::string emptyLine = BatchLineOf(*pCase, -1, ""), namedLine = BatchLineOf(*pCase, nStated, fieldText);
            ASSERT_EQ(ParseBatchLine(emptyLine, &fromEmpty, &error), BATCH_LINE_RESULT) << emptyLine << error;
            ASSERT_EQ(ParseBatchLine(namedLine, &fromNamed, &error), BATCH_LINE_RESULT) << namedLine << error;
            EXPECT_EQ(std::memcmp(fromEmpty.adArguments, fromNamed.adArguments, nParameters * sizeof(double)), 0)
                << emptyLine << " and " << namedLine;
        }
    }
    EXPECT_EQ(stated, declared); // every default is named in the help, and only those
}
