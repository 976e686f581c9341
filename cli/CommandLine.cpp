#include "CommandLine.h"

#include <cstring>

namespace
{
// A leading minus starts an option unless a number follows: "-1.5" is a value.
bool LooksLikeOption(const char* pszArg)
{
    return pszArg[0] == '-' && pszArg[1] != '\0' && !(pszArg[1] >= '0' && pszArg[1] <= '9') && pszArg[1] != '.';
}
} // namespace

CCommandLine::CCommandLine(std::vector<const CParameter*> apOptions, const char* pszPositional)
    : m_apOptions(std::move(apOptions)), m_pszPositional(pszPositional)
{
}

bool CCommandLine::Parse(int argc, const char* const* argv)
{
    for (int i = 0; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
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
    for (const auto& given : m_given)
        if (given.first == pszName)
            return given.second.c_str();
    return nullptr;
}

std::vector<std::string> CCommandLine::GivenNames() const
{
    std::vector<std::string> names;
    for (const auto& given : m_given)
        names.push_back(given.first);
    return names;
}

bool CCommandLine::ReadOption(const std::string& arg, int argc, const char* const* argv, int& i)
{
    if (arg.compare(0, 2, "--") != 0)
        return Fail("unknown option " + arg);
    const size_t nEquals = arg.find('=');
    const std::string name = arg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
    const bool bInline = nEquals != std::string::npos;
    const CParameter* pSwitch = name.compare(0, 3, "no-") == 0 ? FindOption(name.substr(3)) : nullptr;
    const CParameter* pOption = FindOption(name);
    if (pSwitch != nullptr && pSwitch->kind == PARAMETER_SWITCH)
        return bInline ? Fail("--" + name + " takes no value") : Store(pSwitch->pszName, "0");
    if (pOption != nullptr && pOption->kind == PARAMETER_SWITCH)
        return bInline ? Fail("--" + name + " takes no value") : Store(name, "1");
    if (pOption == nullptr && name != "format")
        return Fail("unknown option --" + name);
    std::string text;
    if (bInline)
        text = arg.substr(nEquals + 1);
    else if (i + 1 < argc)
        text = argv[++i];
    else
        return Fail("--" + name + " needs a value");
    if (name != "format")
        return Store(name, text);
    if (m_bFormatGiven)
        return Fail("--format given twice");
    m_bFormatGiven = true;
    return ReadOutputFormat(text, &m_format) || Fail("--format " + text + ": unknown; accepts text, csv or json");
}

bool CCommandLine::ReadPositional(const char* pszArg)
{
    if (m_pszPositional == nullptr || Text(m_pszPositional) != nullptr)
        return Fail(std::string("unexpected argument ") + pszArg);
    return Store(m_pszPositional, pszArg);
}

bool CCommandLine::Store(const std::string& name, std::string text)
{
    if (Text(name.c_str()) != nullptr)
        return Fail("--" + name + " given twice");
    m_given.emplace_back(name, std::move(text));
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
