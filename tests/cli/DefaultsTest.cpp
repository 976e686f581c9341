// The defaults as the help states them: for every "(default X)" in a command's --help, leaving the option out
// gives the computation the same values, bit for bit, as giving X; every default the tables hold is stated. An
// option given an empty or blank value is refused, naming it, at every option of every command. (A batch line's
// empty field is the default by the same parameters and BindArguments; BatchLineTest proves its reading.)
#include "CommandLine.h"
#include "HelpText.h"
#include "Subcommand.h"

#include "CommandCases.h"
#include "StreamText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct CStated
{
    std::string section; // the heading it is under: "Options", "From --sg", "Every command"
    std::string option;  // "--depth"
    std::string text;    // "1", "--potential"
};

// Each default a help text states.
std::vector<CStated> StatedDefaults(const std::string& help)
{
    std::vector<CStated> defaults;
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
        else if (nDefault != std::string::npos) // "... (default 24)", or --format's "text (default): ..."
            defaults.push_back({section, option, line.compare(nDefault, 9, "(default)") == 0
                                                     ? line.substr(6, nDefault - 7)
                                                     : line.substr(nDefault + 9, line.size() - nDefault - 10)});
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
    for (const CCommandCase& c : CommandCases())
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
            // Empty as a word of its own and blank inline: CommandLineTest and ArgumentTest hold the other spellings.
            const struct { std::vector<const char*> given; std::string shown; } spellings[] = {
                {{name.c_str(), ""}, "\"\""}, {{inlineTab.c_str()}, "\"\\t\""}};
            for (const auto& spelling : spellings)
            {
                std::vector<const char*> args = {c.pszCommand};
                for (size_t n = 0; n < c.required.size(); n += 2)
                    if (c.required[n] != name)
                        args.insert(args.end(), {c.required[n], c.required[n + 1]});
                args.insert(args.end(), spelling.given.begin(), spelling.given.end());
                const CRun run = RunHali(args);
                const std::string expected = std::string("hali ") + c.pszCommand + ": " + name + " " + spelling.shown +
                                             ": empty; accepts ";
                EXPECT_EQ(run.nExitCode, kExitUsage) << c.pszCommand << " " << spelling.given[0] << "\n" << run.out;
                EXPECT_EQ(run.err.compare(0, expected.size(), expected), 0) << run.err;
                ++nEmpty;
            }
        }
        const std::string leftOut = Bound(parameters, c.required);
        EXPECT_NE(leftOut.substr(0, 6), "error:") << c.pszCommand << " " << leftOut;
        for (const CStated& d : StatedDefaults(SubcommandHelp(*FindSubcommand(c.pszCommand))))
        {
            if (d.section != c.pszSection && d.section != "Every command")
                continue;
            stated.insert(d.option);
            std::vector<const char*> given = c.required;
            if (d.text.compare(0, 2, "--") == 0)
                given.push_back(d.text.c_str()); // a switch: --potential or --no-potential
            else
                given.insert(given.end(), {d.option.c_str(), d.text.c_str()});
            EXPECT_EQ(Bound(parameters, given), leftOut) << c.pszCommand << " " << d.option << "=" << d.text;
        }
        EXPECT_EQ(stated, declared) << c.pszCommand << " " << c.pszSection; // every default stated, only those
    }
    EXPECT_EQ(nEmpty, 2 * 87); // every option with a value, of every command
}
