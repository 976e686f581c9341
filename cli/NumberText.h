// Numbers as the command line and batch lines write them: read exactly and
// fast, written with a fixed count of decimals. No locale, no iostreams.
#pragma once
#include <string>
#include <string_view>

enum ENumberText
{
    NUMBER_OK,         // a finite decimal number
    NUMBER_EMPTY,      // nothing but blanks
    NUMBER_SYNTAX,     // not a decimal number ("abc", "1,5", "0x10", "1e")
    NUMBER_NOT_FINITE, // NaN or an infinity
    NUMBER_TOO_LARGE   // a number beyond the range of a double ("1e400")
};

// text without the blanks (spaces, tabs) at its ends.
std::string_view TrimBlanks(std::string_view text);

// Reads a decimal number with optional blanks (spaces, tabs) around it and an
// optional sign; *pd is set only for NUMBER_OK. Underflow reads as zero.
ENumberText ParseNumber(std::string_view text, double* pd);

// The most characters FormatFixed writes: a double's 309 integer digits, a
// sign, a point and kMaxDecimals decimals.
const int kMaxDecimals = 9;
const int kMaxFixedChars = 320;

// Writes d rounded to nDecimals (0 to kMaxDecimals) decimals, "%.*f" style,
// at p and returns the end; never "-0.000" (a value that rounds to zero has no
// sign). d must be finite.
char* FormatFixed(char* p, double d, int nDecimals);

// The decimals a number's text shows: "0.25" 2, "20" 0, "2.5e-1" 2, "1.5e3" 0,
// at most kMaxDecimals. Says how finely a user's table steps.
int DecimalsOfText(std::string_view text);

// A number in the shortest text that reads back as it: "24", "1.024", "1e-05".
std::string ShortNumberText(double d);
