#include "CommandLine.h"
#include "NumberText.h"
#include "QuotedText.h"

#include <cstring>

namespace
{
const char kFormat[] = "format";

// A leading minus starts an option unless a number follows: "-1.5" is a value.
bool LooksLikeOption(const char* pszArg)
{
    return pszArg[0] == '-' && pszArg[1] != '\0' && !(pszArg[1] >= '0' && pszArg[1] <= '9') && pszArg[1] != '.';
}

// No value begins with two dashes: such a word after an option is the next
// option (or --), and the option before it lacks its value.
bool IsOptionWord(const char* pszArg) { return std::strncmp(pszArg, "--", 2) == 0; }

bool IsHelp(const char* pszArg) { return std::strcmp(pszArg, "--help") == 0 || std::strcmp(pszArg, "-h") == 0; }
} // namespace

CCommandLine::CCommandLine(std::vector<const CParameter*> apOptions, const char* pszPositional)
    : m_apOptions(std::move(apOptions)), m_pszPositional(pszPositional)
{
}

bool CCommandLine::Parse(int argc, const char* const* argv)
{
    for (int i = 0; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (IsHelp(argv[i]))
            return m_bHelp = true;
    bool bOptionsEnded = false;
    for (int i = 0; i < argc; ++i)
    {
        const char* pszArg = argv[i];
        if (!bOptionsEnded && std::strcmp(pszArg, "--") == 0)
            bOptionsEnded = true;
        else if (bOptionsEnded || !LooksLikeOption(pszArg))
        {
            if (!ReadPositional(pszArg))
                return false;
        }
        else if (!ReadOption(pszArg, argc, argv, i))
            return false;
    }
    return true;
}

const char* CCommandLine::Text(const char* pszName) const
{
    for (const CGiven& given : m_given)
        if (given.name == pszName)
            return given.text.c_str();
    return nullptr;
}

std::vector<std::string> CCommandLine::GivenNames() const
{
    std::vector<std::string> names;
    for (const CGiven& given : m_given)
        if (given.name != kFormat)
            names.push_back(given.name);
    return names;
}

std::string CCommandLine::Bind(const CParameter* pParameters, int nParameters, double* adValues) const
{
    // An option of the subcommand that this computation does not take.
    for (const std::string& name : GivenNames())
    {
        bool bTaken = false;
        for (int i = 0; i < nParameters; ++i)
            bTaken = bTaken || name == pParameters[i].pszName;
        if (!bTaken)
            return "--" + name + " does not go with --" + pParameters[0].pszName;
    }
    std::vector<OptionalText> texts;
    for (int i = 0; i < nParameters; ++i)
    {
        const char* pszText = Text(pParameters[i].pszName);
        texts.push_back(pszText ? OptionalText(pszText) : std::nullopt);
    }
    EArgumentProblem problem = ARGUMENT_OK;
    const int nRefused = BindArguments(pParameters, nParameters, texts.data(), adValues, &problem);
    if (nRefused < 0)
        return "";
    const std::string label = std::string("--") + pParameters[nRefused].pszName;
    return ArgumentMessage(pParameters[nRefused], label.c_str(), texts[nRefused].value_or(""), problem);
}

CNamedArgument CCommandLine::Named(const CParameter& param) const
{
    const char* pszText = Text(param.pszName);
    return {std::string("--") + param.pszName, pszText ? QuotedText(pszText) : ValueText(param, param.dDefault)};
}

bool CCommandLine::ReadOption(const std::string& arg, int argc, const char* const* argv, int& i)
{
    if (arg.compare(0, 2, "--") != 0)
        return Fail("unknown option " + QuotedText(arg));
    const size_t nEquals = arg.find('=');
    const std::string name = arg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
    const bool bInline = nEquals != std::string::npos;
    const CParameter* pSwitch = name.compare(0, 3, "no-") == 0 ? FindOption(name.substr(3)) : nullptr;
    const CParameter* pOption = FindOption(name);
    if (pSwitch != nullptr && pSwitch->kind == PARAMETER_SWITCH)
        return bInline ? Fail("--" + name + " takes no value") : Store({pSwitch->pszName, "0", arg});
    if (pOption != nullptr && pOption->kind == PARAMETER_SWITCH)
        return bInline ? Fail("--" + name + " takes no value") : Store({name, "1", arg});
    if (pOption == nullptr && name != kFormat)
        return Fail("unknown option " + QuotedText("--" + name));
    std::string text;
    if (bInline)
        text = arg.substr(nEquals + 1);
    else if (i + 1 < argc && !IsOptionWord(argv[i + 1]))
        text = argv[++i];
    else
        return Fail("--" + name + " needs a value");
    if (!Store({name, text, "--" + name + " " + QuotedText(text)}))
        return false;
    if (name != kFormat)
        return true;
    if (TrimBlanks(text).empty())
        return Fail("--format " + QuotedText(text) + ": empty; accepts text, csv or json");
    return ReadOutputFormat(text, &m_format) || Fail("--format " + QuotedText(text) + ": unknown; accepts text, csv or json");
}

bool CCommandLine::ReadPositional(const char* pszArg)
{
    if (m_pszPositional == nullptr || Text(m_pszPositional) != nullptr)
        return Fail("unexpected argument " + QuotedText(pszArg));
    return Store({m_pszPositional, pszArg, QuotedText(pszArg)});
}

bool CCommandLine::Store(CGiven given)
{
    for (const CGiven& earlier : m_given)
    {
        if (earlier.name != given.name)
            continue;
        if (earlier.text == given.text)
            return Fail("--" + given.name + " given twice");
        return Fail(earlier.spelling + " and " + given.spelling + " conflict; give --" + given.name + " once");
    }
    m_given.push_back(std::move(given));
    return true;
}

const CParameter* CCommandLine::FindOption(const std::string& name) const
{
    for (const CParameter* pOption : m_apOptions)
        if (name == pOption->pszName)
            return pOption;
    return nullptr;
}

bool CCommandLine::Fail(std::string error)
{
    m_error = std::move(error);
    return false;
}
