// The syntax of a subcommand's arguments: options with their values, switches,
// the one bare value, --format, --help, and every way to get them wrong.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const CParameter kTemperature = {"temperature", "DEGC", "", PARAMETER_NUMBER, "degC", -2, 40, false,
                                 PRESENCE_REQUIRED, 0};
const CParameter kSalinity = {"salinity", "S", "", PARAMETER_NUMBER, "", 0, 42, false, PRESENCE_DEFAULT, 35};
const CParameter kPotential = {"potential", "", "", PARAMETER_SWITCH, "", 0, 1, false, PRESENCE_DEFAULT, 1};

// "name=text;name=text" of what a parse stored, or "error: ..." or "help".
std::string Parsed(std::vector<const char*> args)
{
    CCommandLine line({&kTemperature, &kSalinity, &kPotential}, "temperature");
    if (!line.Parse(static_cast<int>(args.size()), args.data()))
        return "error: " + line.Error();
    if (line.WantsHelp())
        return "help";
    std::string text = line.Format() == FORMAT_JSON ? "json;" : line.Format() == FORMAT_CSV ? "csv;" : "";
    for (const std::string& name : line.GivenNames())
        text += name + "=" + line.Text(name.c_str()) + ";";
    return text;
}
} // namespace

TEST(CommandLine, Syntax)
{
    const struct { std::vector<const char*> args; const char* pszParsed; } rows[] = {
        {{"26"}, "temperature=26;"},
        {{"-1.5"}, "temperature=-1.5;"}, // a negative number is a value, not an option
        {{"--salinity", "30", "26"}, "salinity=30;temperature=26;"},
        {{"--salinity", "-1"}, "salinity=-1;"}, // the value after an option is its value, as it reads
        {{"--no-potential"}, "potential=0;"}, {{"--potential"}, "potential=1;"},
        {{"--format", "json", "26"}, "json;temperature=26;"}, {{"--format=csv"}, "csv;"},
        {{"--", "-5"}, "temperature=-5;"},
        {{"--salinity", "", "--temperature=", "--format=json"}, "json;salinity=;temperature=;"}, // Bind refuses them
        {{"--salinity", "x", "--help"}, "help"}, {{"-h", "--bogus"}, "help"},
        // after -- every word is a value
        {{"--", "--help"}, "temperature=--help;"}, {{"--", "-h"}, "temperature=-h;"},
        {{"--", "26", "--salinity", "30"}, "error: unexpected argument --salinity"},
        {{"--bogus", "1"}, "error: unknown option --bogus"},
        {{"--b\x1bogus"}, "error: unknown option \"--b\\x1bogus\""},
        {{"--salinity"}, "error: --salinity needs a value"},
        // the next option is not a value
        {{"--salinity", "--temperature", "25"}, "error: --salinity needs a value"},
        {{"--salinity", "--", "30"}, "error: --salinity needs a value"},
        {{"--salinity", "30", "--salinity=30"}, "error: --salinity given twice"},
        {{"26", "--temperature", "26"}, "error: --temperature given twice"},
        {{"--temperature", "26", "27"}, "error: unexpected argument 27"},
        // two that say different things
        {{"--salinity", "30", "--salinity=31"}, "error: --salinity 30 and --salinity 31 conflict; give --salinity once"},
        {{"26", "--temperature", "27"}, "error: 26 and --temperature 27 conflict; give --temperature once"},
        {{"--potential", "--no-potential"}, "error: --potential and --no-potential conflict; give --potential once"},
        {{"--format=json", "--format", "csv"}, "error: --format json and --format csv conflict; give --format once"},
        {{"--potential=0"}, "error: --potential takes no value"},
        {{"--format", "xml"}, "error: --format xml: unknown; accepts text, csv or json"},
        {{"--format", " "}, "error: --format \" \": empty; accepts text, csv or json"},
        {{"--no-salinity"}, "error: unknown option --no-salinity"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Parsed(row.args), row.pszParsed) << row.args[0];
}
