// A user's text in a message: a plain word bare, anything else quoted with
// what a terminal would act on or hide escaped, and long texts cut.
#include "QuotedText.h"

#include <gtest/gtest.h>

#include <string>

TEST(QuotedText, SafeAndShort)
{
    auto Repeat = [](const std::string& text, int nTimes) {
        std::string repeated;
        while (nTimes-- > 0)
            repeated += text;
        return repeated;
    };
    const std::string kForty(40, '1');
    const struct { std::string text; std::string quoted; } rows[] = {
        {"50", "50"}, {"t/4", "t/4"}, {"--bogus", "--bogus"}, {"-1e400", "-1e400"},
        {"", "\"\""}, {" 26", "\" 26\""}, {"26 x", "\"26 x\""}, {"it's", "\"it's\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"a\nb\r\t", "\"a\\nb\\r\\t\""}, {std::string("\0x", 2), "\"\\x00x\""}, {"\x1b[31m", "\"\\x1b[31m\""},
        {"\x7f", "\"\\x7f\""},
        // not UTF-8: a stray byte, an overlong slash, a surrogate, a sequence cut short, beyond U+10FFFF
        {"\xff", "\"\\xff\""}, {"\xc0\xaf", "\"\\xc0\\xaf\""}, {"\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},
        {"\xe2\x82", "\"\\xe2\\x82\""}, {"\xf4\x90\x80\x80", "\"\\xf4\\x90\\x80\\x80\""},
        // UTF-8 that shows stays; what hides or turns text around is named
        {"\xd9\xa1\xd9\xa2", "\"\xd9\xa1\xd9\xa2\""}, {"\xc2\xb0" "C", "\"\xc2\xb0" "C\""},
        {"\xe2\x80\xae" "12", "\"\\u{202e}12\""}, {"\xef\xbb\xbf" "1", "\"\\u{feff}1\""},
        {"\xc2\x85", "\"\\u{85}\""}, {"\xe2\x80\x8b", "\"\\u{200b}\""},
        // cut after 40 characters, never inside one
        {kForty, kForty}, {kForty + "1", "\"" + kForty + "\"... (41 bytes)"},
        {std::string(100000, '7'), "\"" + std::string(40, '7') + "\"... (100000 bytes)"},
        {std::string(2 << 20, '\n'), "\"" + Repeat("\\n", 40) + "\"... (2097152 bytes)"},
        {Repeat("\xc3\xa9", 41), "\"" + Repeat("\xc3\xa9", 40) + "\"... (82 bytes)"},
    };
    for (const auto& row : rows)
    {
        EXPECT_EQ(QuotedText(row.text), row.quoted) << row.text.substr(0, 50);
        EXPECT_EQ(IsCutWhenQuoted(row.text), row.quoted.find("... (") != std::string::npos) << row.text.substr(0, 50);
    }
}
