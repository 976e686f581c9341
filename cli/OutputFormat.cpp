#include "OutputFormat.h"

bool ReadOutputFormat(std::string_view text, EOutputFormat* pFormat)
{
    const struct { const char* pszName; EOutputFormat format; } kNames[] = {
        {"text", FORMAT_TEXT}, {"csv", FORMAT_CSV}, {"json", FORMAT_JSON}};
    for (const auto& name : kNames)
        if (text == name.pszName)
        {
            *pFormat = name.format;
            return true;
        }
    return false;
}
