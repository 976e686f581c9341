// The arguments of one subcommand: --NAME VALUE, --NAME=VALUE, the switches
// --NAME and --no-NAME, at most one value without a name, --format, --help.
// Only the syntax is checked here; the values are read by ReadArgument.
#pragma once
#include "OutputFormat.h"
#include "Parameter.h"

#include <string>
#include <utility>
#include <vector>

class CCommandLine
{
public:
    // apOptions: the parameters the subcommand takes as options (a name may
    // repeat across its computations); pszPositional: the one that may also be
    // given without its name, or nullptr.
    CCommandLine(std::vector<const CParameter*> apOptions, const char* pszPositional);

    // Reads the arguments after the subcommand's name. False on a usage error,
    // which Error() words; true at once when --help or -h is among them.
    bool Parse(int argc, const char* const* argv);

    bool WantsHelp() const { return m_bHelp; }
    EOutputFormat Format() const { return m_format; }
    // The text given for the option pszName, or nullptr when it was not given.
    const char* Text(const char* pszName) const;
    // The names of the options given, in the order given.
    std::vector<std::string> GivenNames() const;
    const std::string& Error() const { return m_error; }

private:
    bool ReadOption(const std::string& arg, int argc, const char* const* argv, int& i);
    bool ReadPositional(const char* pszArg);
    bool Store(const std::string& name, std::string text);
    const CParameter* FindOption(const std::string& name) const;
    bool Fail(std::string error);

    std::vector<const CParameter*> m_apOptions; // what may be given
    const char* m_pszPositional;                // the option a bare value stands for, or nullptr
    std::vector<std::pair<std::string, std::string>> m_given; // name and text of each option given
    EOutputFormat m_format = FORMAT_TEXT;
    bool m_bFormatGiven = false;
    bool m_bHelp = false;
    std::string m_error; // the usage error, empty when none
};
