#include "QuotedText.h"

namespace
{
// Length of the UTF-8 sequence at the start of text and its code point, or 0
// when the first byte does not start a well-formed one (overlong, surrogate,
// beyond U+10FFFF or cut short).
size_t DecodeUtf8(std::string_view text, unsigned* pnCode)
{
    const unsigned char c = static_cast<unsigned char>(text[0]);
    size_t nLength = 0;
    unsigned nLow = 0x80, nHigh = 0xBF; // the second byte's range
    if (c < 0x80)
    {
        *pnCode = c;
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF)
        nLength = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        nLength = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        nLength = 4;
    else
        return 0;
    if (c == 0xE0)
        nLow = 0xA0;
    else if (c == 0xED)
        nHigh = 0x9F;
    else if (c == 0xF0)
        nLow = 0x90;
    else if (c == 0xF4)
        nHigh = 0x8F;
    if (text.size() < nLength)
        return 0;
    unsigned nCode = c & (0xFF >> (nLength + 1));
    for (size_t i = 1; i < nLength; ++i)
    {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < (i == 1 ? nLow : 0x80) || b > (i == 1 ? nHigh : 0xBF))
            return 0;
        nCode = (nCode << 6) | (b & 0x3F);
    }
    *pnCode = nCode;
    return nLength;
}

// Characters a terminal shows as nothing, or that turn the text around it.
bool IsInvisible(unsigned nCode)
{
    return (nCode >= 0x80 && nCode <= 0x9F) || nCode == 0xAD || nCode == 0x061C || (nCode >= 0x200B && nCode <= 0x200F) ||
           (nCode >= 0x2028 && nCode <= 0x202E) || (nCode >= 0x2060 && nCode <= 0x206F) || nCode == 0xFEFF;
}

bool IsBareChar(char ch) { return ch > ' ' && ch < 0x7F && ch != '"' && ch != '\\' && ch != '\''; }

const char kHex[] = "0123456789abcdef";

void AppendHexByte(std::string& out, unsigned char b)
{
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
}

// Appends one character of text (or one byte that is not UTF-8), escaped as
// needed; returns the bytes it took.
size_t AppendChar(std::string& out, std::string_view text)
{
    unsigned nCode = 0;
    const size_t nLength = DecodeUtf8(text, &nCode);
    if (nLength == 0)
    {
        AppendHexByte(out, static_cast<unsigned char>(text[0]));
        return 1;
    }
    switch (nCode)
    {
    case '\n': out += "\\n"; return 1;
    case '\r': out += "\\r"; return 1;
    case '\t': out += "\\t"; return 1;
    case '"': out += "\\\""; return 1;
    case '\\': out += "\\\\"; return 1;
    }
    if (nCode < 0x20 || nCode == 0x7F)
        AppendHexByte(out, static_cast<unsigned char>(nCode));
    else if (IsInvisible(nCode))
    {
        out += "\\u{";
        std::string digits;
        for (unsigned n = nCode; n != 0; n >>= 4)
            digits.insert(digits.begin(), kHex[n & 0xF]);
        out += digits + "}";
    }
    else
        out.append(text.data(), nLength);
    return nLength;
}

// The bytes of the first kMaxQuotedChars characters of text (a byte that is
// not UTF-8 counts as a character).
size_t ShownBytes(std::string_view text)
{
    size_t nAt = 0;
    for (int nChars = 0; nAt < text.size() && nChars < kMaxQuotedChars; ++nChars)
    {
        unsigned nCode = 0;
        const size_t nLength = DecodeUtf8(text.substr(nAt), &nCode);
        nAt += nLength == 0 ? 1 : nLength;
    }
    return nAt;
}

bool IsBare(std::string_view text)
{
    if (text.empty() || text.size() > static_cast<size_t>(kMaxQuotedChars))
        return false;
    for (char ch : text)
        if (!IsBareChar(ch))
            return false;
    return true;
}
} // namespace

std::string QuotedText(std::string_view text)
{
    if (IsBare(text))
        return std::string(text);
    const size_t nShown = ShownBytes(text);
    std::string out = "\"";
    for (size_t nAt = 0; nAt < nShown;)
        nAt += AppendChar(out, text.substr(nAt));
    out += '"';
    if (nShown < text.size())
        out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

bool IsCutWhenQuoted(std::string_view text) { return ShownBytes(text) < text.size(); }
