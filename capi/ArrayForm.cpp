#include "ArrayForm.h"

#include <cstdint>

namespace halic {

namespace {

// True when the bytes of two arrays of n doubles overlap but do not coincide.
bool OverlapsInexactly(const double* pIn, const double* pOut, ptrdiff_t n)
{
    const std::uintptr_t in = reinterpret_cast<std::uintptr_t>(pIn);
    const std::uintptr_t out = reinterpret_cast<std::uintptr_t>(pOut);
    const std::uintptr_t bytes = static_cast<std::uintptr_t>(n) * sizeof(double);
    return in != out && in < out + bytes && out < in + bytes;
}

} // namespace

bool CheckArrays(ptrdiff_t n, std::initializer_list<SArray> inputs, SArray output)
{
    SFault fault;
    auto refuse = [&](EArrayFault arrayFault, const char* pszArray) {
        fault.nError = HALIC_E_ARGUMENT;
        fault.arrayFault = arrayFault;
        fault.pszArray = pszArray;
        fault.nElement = n;
    };
    if (n < 0)
        refuse(ARRAY_NEGATIVE_COUNT, "n");
    else if (n > PTRDIFF_MAX / static_cast<ptrdiff_t>(sizeof(double)))
        refuse(ARRAY_COUNT_TOO_LARGE, "n");
    else
    {
        for (const SArray& array : inputs)
            if (fault.nError == HALIC_OK && array.pData == nullptr && !array.bMayBeNull)
                refuse(ARRAY_NULL, array.pszName);
        if (fault.nError == HALIC_OK && output.pData == nullptr && !output.bMayBeNull)
            refuse(ARRAY_NULL, output.pszName);
        for (const SArray& array : inputs)
            if (fault.nError == HALIC_OK && array.pData != nullptr && OverlapsInexactly(array.pData, output.pData, n))
            {
                refuse(ARRAY_OVERLAP, output.pszName);
                fault.pszOverlapped = array.pszName;
            }
    }
    Report(0.0, fault);
    return fault.nError == HALIC_OK;
}

} // namespace halic
