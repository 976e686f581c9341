// A user's text inside a message, safe to print and short enough to read.
// A short word of printable ASCII stands bare (50, t/4, --bogus); anything
// else goes in double quotes, with control characters (\n, \t, \x1b), bytes
// that are not UTF-8 (\xff), and invisible or direction-changing characters
// (\u{202e}) escaped, and is cut after kMaxQuotedChars characters with its
// length after it:  ""  "26 x"  "a\nb"  "1111...1111"... (100000 bytes)
#pragma once
#include <string>
#include <string_view>

const int kMaxQuotedChars = 40;

std::string QuotedText(std::string_view text);

// True when QuotedText shows only the start of text.
bool IsCutWhenQuoted(std::string_view text);
