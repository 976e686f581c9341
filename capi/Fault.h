// SFault: why a halic call has no answer, kept per thread as its last error,
// and the checks that record it. Every function of halic.h runs its body
// through Run (or an array form through ForEach, ArrayForm.h): the body
// checks its arguments in the order declared, records the first fault and
// returns NaN, or computes; whatever is not a finite number becomes NaN with
// a reason.
#pragma once
#include "halic.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace halic {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// What an argument may be: its name as halic.h declares it, its closed range
// with unit (bPositive excludes the low end), and the reason when outside.
struct SRange
{
    const char* pszName;
    double dLow, dHigh;
    const char* pszUnit; // with its leading space, or ""
    int nError;
    bool bPositive;
};

// What is wrong with an array form's arrays, before any element.
enum EArrayFault
{
    ARRAY_OK,
    ARRAY_NEGATIVE_COUNT,
    ARRAY_COUNT_TOO_LARGE,
    ARRAY_NULL,
    ARRAY_OVERLAP,
};

// Why a call has no answer: the reason, the argument at fault, its value and
// what it may be (a copy: the instruments' ranges are worked out per call);
// for an array form the element, or what is wrong with the arrays themselves.
struct SFault
{
    int nError = HALIC_OK;
    EArrayFault arrayFault = ARRAY_OK;
    SRange range = {"", 0.0, 0.0, "", HALIC_OK, false};
    double dValue = 0.0;
    ptrdiff_t nElement = -1;        // -1 in a scalar call; n for a fault of the arrays
    const char* pszArray = "";      // the array at fault
    const char* pszOverlapped = ""; // the input it overlaps

    // Records the fault; false, for the checks to return.
    bool Set(int nReason, const SRange& range, double dGiven)
    {
        nError = nReason;
        this->range = range;
        dValue = dGiven;
        return false;
    }
};

inline thread_local SFault t_lastFault;

// Records the call's fault (or none) as this thread's last error.
inline double Report(double dResult, const SFault& fault)
{
    t_lastFault = fault;
    return dResult;
}

// NaN for a result that is no finite number, with the reason the body
// recorded; where it recorded none, the result itself is at fault.
inline double Unanswered(SFault& fault)
{
    if (fault.nError == HALIC_OK)
        fault.nError = HALIC_E_RESULT;
    return kNaN;
}

// A scalar call: body(args..., fault), its fault reported.
template <class Body, class... Args>
double Run(Body body, Args... args)
{
    SFault fault;
    const double dResult = body(args..., fault);
    return Report(std::isfinite(dResult) ? dResult : Unanswered(fault), fault);
}

// True when dValue is a number within range; else records why.
inline bool Check(double dValue, const SRange& range, SFault& fault)
{
    if (!std::isfinite(dValue))
        return fault.Set(HALIC_E_NOT_FINITE, range, dValue);
    if (dValue < range.dLow || dValue > range.dHigh || (range.bPositive && dValue <= range.dLow))
        return fault.Set(range.nError, range, dValue);
    return true;
}

// halic_error_message's and halic_last_error_text's words.
const char* ErrorMessage(int nError);
const char* LastErrorText();

} // namespace halic
