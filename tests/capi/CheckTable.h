// The check tables of halic's tests: a row is a call as written with its result, the value expected and the
// tolerance; a call without an answer must give NaN, its reason, and a text naming the argument.
#pragma once

#include "halic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

struct Check { const char* pszCall; double dGot, dExpected, dTolerance; };
#define ROW(call, expected, tolerance) Check{#call, call, expected, tolerance}

inline void ExpectChecks(std::initializer_list<Check> checks)
{
    for (const Check& c : checks)
        EXPECT_NEAR(c.dGot, c.dExpected, c.dTolerance) << c.pszCall;
}

// A halic call that has no answer: NaN, the reason, and a text that starts with the argument's name.
struct Bad { const char* pszCall; std::function<double()> call; int nReason; const char* pszArgument; };
#define BAD(call, reason, argument) Bad{#call, [] { return static_cast<double>(call); }, reason, argument}

inline void ExpectBad(std::initializer_list<Bad> rows)
{
    for (const Bad& row : rows)
    {
        halic_sg(35, 25, HALIC_SG_T_T); // a good call first: the reason must be this call's
        const double dGot = row.call();
        EXPECT_TRUE(std::isnan(dGot)) << row.pszCall << " gave " << dGot;
        EXPECT_EQ(halic_last_error(), row.nReason) << row.pszCall;
        const std::string text = halic_last_error_text();
        EXPECT_EQ(text.rfind(std::string(row.pszArgument) + " = ", 0), 0u) << row.pszCall << ": " << text;
    }
}

// An array form beside its scalar form: array(out) writes n results and returns its count of NaNs, scalar(i) is
// the scalar call on element i.
struct ArrayForm
{
    const char* pszName;
    std::function<ptrdiff_t(double*)> array;
    std::function<double(ptrdiff_t)> scalar;
};

// Each form gives, element by element, what its scalar form gives, numbers and NaNs alike, with the count of NaNs
// and the first one's reason; the inputs must hold bad elements.
inline void ExpectArrayFormsAgree(std::initializer_list<ArrayForm> forms, ptrdiff_t n)
{
    for (const ArrayForm& form : forms)
    {
        std::vector<double> out(n);
        const ptrdiff_t nNaN = form.array(out.data());
        const int nReason = halic_last_error();
        ptrdiff_t nExpectedNaN = 0;
        int nFirstReason = HALIC_OK;
        for (ptrdiff_t i = 0; i < n; ++i)
        {
            const double dScalar = form.scalar(i);
            if (std::isnan(dScalar))
            {
                EXPECT_TRUE(std::isnan(out[i])) << form.pszName << " [" << i << "]";
                if (nExpectedNaN++ == 0)
                    nFirstReason = halic_last_error();
            }
            else
                EXPECT_EQ(out[i], dScalar) << form.pszName << " [" << i << "]";
        }
        EXPECT_EQ(nNaN, nExpectedNaN) << form.pszName;
        EXPECT_EQ(nReason, nFirstReason) << form.pszName;
        EXPECT_GT(nNaN, 0) << form.pszName << ": the inputs should hold bad elements";
    }
}
