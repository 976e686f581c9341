// The array forms' machinery: their arrays checked before any element, and
// the loop that runs a scalar body over the elements, with runs computed
// ahead where a computation takes several elements at once.
#pragma once
#include "Fault.h"

#include <algorithm>
#include <initializer_list>

namespace halic {

// An array argument: its name as declared, where it points, and whether it
// may be null (a temperature that a convention fixes).
struct SArray
{
    const char* pszName;
    const double* pData;
    bool bMayBeNull;
};

// False, with the last error recorded, when n is negative or larger than any
// array of doubles, an array null, or the output overlapping an input other
// than exactly; checked in that order, before any element.
bool CheckArrays(ptrdiff_t n, std::initializer_list<SArray> inputs, SArray output);

// Computes no element ahead of the body.
struct SNoneAhead
{
    ptrdiff_t operator()(ptrdiff_t, ptrdiff_t, double*) const { return 0; }
};

// Runs body(i, fault) for each element, writes its result and returns the
// count of NaNs; the first element's fault becomes the last error. A body
// writes the fault only when it fails, so one serves every element. Where
// ahead(i, n - i, pResults) computes elements from i on together, it writes
// the first m of them (finite numbers, no fault) and returns m; the element
// after them goes through the body.
template <class Body, class Ahead = SNoneAhead>
ptrdiff_t ForEach(ptrdiff_t n, double* pResults, Body body, Ahead ahead = Ahead())
{
    SFault fault, first;
    ptrdiff_t nNaN = 0;
    for (ptrdiff_t i = 0; i < n; ++i)
    {
        i += ahead(i, n - i, pResults);
        if (i == n)
            break;
        const double dResult = body(i, fault);
        if (std::isfinite(dResult))
            pResults[i] = dResult;
        else
        {
            pResults[i] = Unanswered(fault);
            if (nNaN++ == 0)
            {
                first = fault;
                first.nElement = i;
            }
            fault = SFault();
        }
    }
    Report(0.0, first);
    return nNaN;
}

// How many elements an array form computes ahead of its body at most.
inline const ptrdiff_t kAhead = 64;

// The elements from i on (up to kAhead of them) whose arguments pass
// inRange(j), computed together: batch(i, m, buffer) gives their m results,
// finish(result) turns each into the answer. Stops before the first that is
// not a finite number, for the body to take. The count written.
template <class InRange, class Batch, class Finish>
ptrdiff_t ComputeAhead(ptrdiff_t i, ptrdiff_t nLeft, double* pResults, InRange inRange, Batch batch, Finish finish)
{
    const ptrdiff_t nMost = std::min(nLeft, kAhead);
    ptrdiff_t m = 0;
    while (m < nMost && inRange(i + m))
        ++m;
    double dBatch[kAhead];
    batch(i, m, dBatch);
    for (ptrdiff_t k = 0; k < m; ++k)
    {
        const double dResult = finish(dBatch[k]);
        if (!std::isfinite(dResult))
            return k;
        pResults[i + k] = dResult;
    }
    return m;
}

} // namespace halic
