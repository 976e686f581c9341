// The power and trigonometric functions the formulas take. MinGW links its
// own pow and sin (libmingwex) in place of the C runtime's, and they miss by
// several units in the last place (10^-7 among them); the results here must
// not move by a bit, so on Windows the library calls msvcrt.dll's accurate
// functions by their import names. Elsewhere the C library's are accurate
// already.
#pragma once
#include <cmath>

#ifdef _WIN32
extern "C" __declspec(dllimport) double __cdecl HaliCrtPow(double x, double y) __asm__("pow");
extern "C" __declspec(dllimport) double __cdecl HaliCrtSin(double x) __asm__("sin");
extern "C" __declspec(dllimport) double __cdecl HaliCrtAcos(double x) __asm__("acos");

namespace crt {
inline double pow(double x, double y) { return HaliCrtPow(x, y); }
inline double sin(double x) { return HaliCrtSin(x); }
inline double acos(double x) { return HaliCrtAcos(x); }
} // namespace crt
#else
namespace crt {
using std::acos;
using std::pow;
using std::sin;
} // namespace crt
#endif
