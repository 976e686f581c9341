// The defaults as the help states them: for every "(default X)" in a
// command's --help, leaving the option out gives the computation the same
// values, bit for bit, as giving X, and so does an empty batch field; every
// default the tables hold is stated.
#include "BatchLine.h"
#include "CommandLine.h"
#include "HelpText.h"
#include "Subcommand.h"

#include "CommandCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Each "(default X)" of a help text in a section ("Options", "From --sg", "Every command"), as
// "section --name=X".
std::vector<std::string> StatedDefaults(const std::string& help)
{
    std::vector<std::string> defaults;
    std::istringstream lines(help);
    std::string line, section, option;
    while (std::getline(lines, line))
    {
        const size_t nDefault = line.rfind("(default");
        if (!line.empty() && line[0] != ' ' && line.back() == ':')
            section = line.substr(0, std::min(line.find(" ("), line.size() - 1)); // "Options (in degC...):"
        else if (line.compare(0, 6, "      ") != 0 && line.find("--") != std::string::npos)
            option = line.substr(line.find("--"), line.find_first_of(" ,", line.find("--")) - line.find("--"));
        else if (nDefault != std::string::npos && line.compare(nDefault, 9, "(default)") == 0) // "text (default):"
            defaults.push_back(section + " " + option + "=" + line.substr(6, nDefault - 7));
        else if (nDefault != std::string::npos)
            defaults.push_back(section + " " + option + "=" + line.substr(nDefault + 9, line.size() - nDefault - 10));
    }
    return defaults;
}

// The values the options give a parameter list, "" or the usage error in *pError; the format in *pFormat.
std::vector<double> Bound(const CParameter* pParameters, int nParameters, std::vector<const char*> args,
                          std::string* pError, EOutputFormat* pFormat)
{
    std::vector<const CParameter*> options;
    for (int i = 0; i < nParameters; ++i)
        options.push_back(&pParameters[i]);
    CCommandLine line(options, nullptr);
    std::vector<double> values(nParameters);
    *pError = line.Parse(static_cast<int>(args.size()), args.data()) ? line.Bind(pParameters, nParameters, values.data())
                                                                     : line.Error();
    *pFormat = line.Format();
    return values;
}
} // namespace

TEST(Defaults, AsTheHelpStatesThem)
{
    for (const CCommandCase& c : CommandCases())
    {
        int nParameters = 0;
        const CParameter* pParameters = c.Parameters(&nParameters);
        std::set<std::string> stated, declared = {"--format"};
        for (int i = 0; i < nParameters; ++i)
            if (pParameters[i].presence == PRESENCE_DEFAULT)
                declared.insert(std::string("--") + pParameters[i].pszName);
        for (const std::string& named : StatedDefaults(SubcommandHelp(*FindSubcommand(c.pszCommand))))
        {
            const size_t nSpace = named.rfind(' ', named.find('=')), nEquals = named.find('=');
            if (named.compare(0, nSpace, c.pszSection) != 0 && named.compare(0, nSpace, "Every command") != 0)
                continue;
            const std::string option = named.substr(nSpace + 1, nEquals - nSpace - 1), text = named.substr(nEquals + 1);
            stated.insert(option);
            std::vector<const char*> given = c.required;
            if (text.compare(0, 2, "--") == 0)
                given.push_back(text.c_str()); // a switch: --potential or --no-potential
            else
                given.insert(given.end(), {option.c_str(), text.c_str()});
            std::string leftOutError, givenError;
            EOutputFormat leftOutFormat, givenFormat;
            const std::vector<double> leftOut = Bound(pParameters, nParameters, c.required, &leftOutError, &leftOutFormat);
            const std::vector<double> asStated = Bound(pParameters, nParameters, given, &givenError, &givenFormat);
            EXPECT_EQ(leftOutError + givenError, "") << c.pszCommand << " " << named;
            EXPECT_EQ(std::memcmp(leftOut.data(), asStated.data(), nParameters * sizeof(double)), 0)
                << c.pszCommand << " " << named;
            EXPECT_EQ(leftOutFormat, givenFormat) << c.pszCommand << " " << named;
            if (c.computation == COMPUTE_COUNT || option == "--format")
                continue;

            // A batch line's empty field is the same default.
            const CComputation& computation = GetComputation(c.computation);
            std::string emptyField = computation.pszCommand, statedField = emptyField;
            if (computation.pszSource)
                emptyField = statedField += std::string(",") + computation.pszSource;
            const std::string fieldText = text == option ? "1" : text == "--no-" + option.substr(2) ? "0" : text;
            for (int i = 0; i < nParameters; ++i)
            {
                std::string required; // the field of a required option, else empty
                for (size_t n = 0; n + 1 < c.required.size(); n += 2)
                    if (c.required[n] == std::string("--") + pParameters[i].pszName)
                        required = c.required[n + 1];
                emptyField += "," + required;
                statedField += "," + (std::string("--") + pParameters[i].pszName == option ? fieldText : required);
            }
            CBatchLine fromEmpty, fromStated;
            std::string error;
            ASSERT_EQ(ParseBatchLine(emptyField, &fromEmpty, &error), BATCH_LINE_RESULT) << emptyField << error;
            ASSERT_EQ(ParseBatchLine(statedField, &fromStated, &error), BATCH_LINE_RESULT) << statedField << error;
            EXPECT_EQ(std::memcmp(fromEmpty.adArguments, fromStated.adArguments, nParameters * sizeof(double)), 0)
                << emptyField << " and " << statedField;
        }
        EXPECT_EQ(stated, declared) << c.pszCommand << " " << c.pszSection; // every default stated, only those
    }
}
