// The arguments of one subcommand: --NAME VALUE, --NAME=VALUE, the switches
// --NAME and --no-NAME, at most one value without a name, --format, --help,
// and -- after which every word is a value. Only the syntax is checked here;
// Bind reads the values.
#pragma once
#include "OutputFormat.h"
#include "Parameter.h"

#include <string>
#include <vector>

class CCommandLine
{
public:
    // apOptions: the parameters the subcommand takes as options (a name may
    // repeat across its computations); pszPositional: the one that may also be
    // given without its name, or nullptr.
    CCommandLine(std::vector<const CParameter*> apOptions, const char* pszPositional);

    // Reads the arguments after the subcommand's name. False on a usage error,
    // which Error() words; true at once when --help or -h comes before any --.
    bool Parse(int argc, const char* const* argv);

    bool WantsHelp() const { return m_bHelp; }
    EOutputFormat Format() const { return m_format; }
    // The text given for the option pszName, or nullptr when it was not given.
    const char* Text(const char* pszName) const;
    // The names of the options given, in the order given.
    std::vector<std::string> GivenNames() const;
    const std::string& Error() const { return m_error; }

    // Reads the options of a parameter list into adValues, one per parameter;
    // "" or the usage error, which names the option as given.
    std::string Bind(const CParameter* pParameters, int nParameters, double* adValues) const;
    // How a message names param and its value as given, or its default:
    // {"--sg", "1.5"}, {"--salinity", "35"}.
    CNamedArgument Named(const CParameter& param) const;

private:
    struct CGiven
    {
        std::string name;     // the option's name
        std::string text;     // its value's text
        std::string spelling; // as written, for a message: "--unit F", "--no-potential", "26"
    };

    bool ReadOption(const std::string& arg, int argc, const char* const* argv, int& i);
    bool ReadPositional(const char* pszArg);
    bool Store(CGiven given);
    const CParameter* FindOption(const std::string& name) const;
    bool Fail(std::string error);

    std::vector<const CParameter*> m_apOptions; // what may be given
    const char* m_pszPositional;                // the option a bare value stands for, or nullptr
    std::vector<CGiven> m_given;                // each option given, --format among them
    EOutputFormat m_format = FORMAT_TEXT;
    bool m_bHelp = false;
    std::string m_error; // the usage error, empty when none
};
