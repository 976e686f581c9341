// The power and trigonometric functions the formulas are specified with.
// MinGW links its own x87 versions of pow and sin in place of the C
// runtime's, and they miss by several units in the last place (10^-7 comes
// out 8 ulp high); the results here are given to the last digit, so on
// Windows the library calls msvcrt.dll's accurate functions by their
// import names. Elsewhere the C library's are accurate already.
#pragma once
#include <cmath>

#ifdef _WIN32
extern "C" __declspec(dllimport) double __cdecl HaliCrtPow(double x, double y) __asm__("pow");
extern "C" __declspec(dllimport) double __cdecl HaliCrtSin(double x) __asm__("sin");
extern "C" __declspec(dllimport) double __cdecl HaliCrtAcos(double x) __asm__("acos");
#endif

namespace crt {

inline double pow(double x, double y)
{
#ifdef _WIN32
    return HaliCrtPow(x, y);
#else
    return std::pow(x, y);
#endif
}

inline double sin(double x)
{
#ifdef _WIN32
    return HaliCrtSin(x);
#else
    return std::sin(x);
#endif
}

inline double acos(double x)
{
#ifdef _WIN32
    return HaliCrtAcos(x);
#else
    return std::acos(x);
#endif
}

} // namespace crt
