// The formats every subcommand writes its results in.
#pragma once
#include <string_view>

enum EOutputFormat
{
    FORMAT_TEXT, // numbers alone, or a table with aligned columns
    FORMAT_CSV,  // a header line, then one line per result
    FORMAT_JSON  // one object per result, one per line
};

// "text", "csv" or "json" to its format; false for anything else.
bool ReadOutputFormat(std::string_view text, EOutputFormat* pFormat);
