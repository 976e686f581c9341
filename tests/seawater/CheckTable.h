// Check tables: a row is a call as written, its result, the value expected and the tolerance; a NaN expected
// asks for NaN. The seawater library's tables and halic's use them.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

struct Check { const char* pszCall; double dGot, dExpected, dTolerance; };
#define ROW(call, expected, tolerance) Check{#call, call, expected, tolerance}

inline void ExpectChecks(std::initializer_list<Check> checks)
{
    for (const Check& c : checks)
    {
        if (std::isnan(c.dExpected))
            EXPECT_TRUE(std::isnan(c.dGot)) << c.pszCall << " gave " << c.dGot;
        else
            EXPECT_NEAR(c.dGot, c.dExpected, c.dTolerance) << c.pszCall;
    }
}
