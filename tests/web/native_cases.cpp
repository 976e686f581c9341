/* Random cases for every computing function the page's WebAssembly module exports, with the native halic's answers:
 * one line per case, "function argument... result error", each double as its 64 bits in hex, so that
 * wasm_cases.js can ask the module the same and compare bit for bit.
 *   native_cases [CASES_PER_FUNCTION] */
#include <halic.h>
#include "ResultRounding.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

enum { MAX_ARGUMENTS = 6, NONE = -1 };

/* Each argument is drawn from [low, high], a little wider than the range the library accepts, so that refusals
 * are compared too; one marked in wholeMask is an int (a convention, a scale, the potential flag), drawn as a whole
 * number from low to high. */
struct Function
{
    const char* pszName; /* the export, as the module names it without its underscore */
    double (*call)(const double* a);
    int nArguments;
    double adLow[MAX_ARGUMENTS];
    double adHigh[MAX_ARGUMENTS];
    unsigned wholeMask;     /* bit i: argument i is an int */
    int nConvention = NONE; /* the argument that is a convention */
    int nHeld = NONE;       /* the temperature it may fix: NaN nine times in ten then, its answers compared */
    void (*adjust)(double* a) = nullptr; /* after the draw */
};

#define CALL(expression) [](const double* a) { return expression; }
const double C = HALIC_SG_CONVENTIONS, R = HALIC_SCALES, B = HALIC_BAUME_SCALES;
const Function kFunctions[] = {
    {"halic_sg", CALL(halic_sg(a[0], a[1], (int)a[2])), 3, {-1, -3, -1}, {43, 41, C}, 4, 2, 1},
    {"halic_salinity_from_sg", CALL(halic_salinity_from_sg(a[0], a[1], (int)a[2])), 3, {0.99, -3, -1}, {1.04, 41, C},
     4, 2, 1},
    {"halic_sp_from_c", CALL(halic_sp_from_c(a[0], a[1], a[2])), 3, {-1, -3, -100}, {75, 36, 10100}, 0},
    {"halic_convert", CALL(halic_convert(a[0], a[1], a[2], a[3], a[4], (int)a[5])), 6, {-3, 0.99, -3, -1, -100, 0},
     {41, 1.04, 41, 43, 10100, 2}, 32},
    /* The page's own export: the conversion as Varnok's display rounds it. */
    {"page_convert", CALL(RoundToFiveDecimals(halic_convert(a[0], a[1], a[2], a[3], a[4], (int)a[5]))), 6,
     {-3, 0.99, -3, -1, -100, 0}, {41, 1.04, 41, 43, 10100, 2}, 32},
    {"halic_refractive_index", CALL(halic_refractive_index(a[0], a[1], a[2])), 3, {-1, -3, 390}, {43, 33, 710}, 0},
    {"halic_refractometer_reading", CALL(halic_refractometer_reading(a[0], a[1], a[2], (int)a[3], (int)a[4])), 5,
     {-1, -3, -3, -1, -1}, {43, 33, 33, R, C}, 24},
    /* A reading drawn as per mille, on the sg scale made the specific gravity 1 + reading / 1000. */
    {"halic_salinity_from_refractometer",
     CALL(halic_salinity_from_refractometer(a[0], a[1], a[2], (int)a[3], (int)a[4])), 5, {-1, -3, -3, -1, -1},
     {46, 33, 33, R, C}, 24, NONE, NONE, [](double* a) { a[0] = a[3] == HALIC_SCALE_SG ? 1 + a[0] / 1000 : a[0]; }},
    {"halic_hydrometer_reading", CALL(halic_hydrometer_reading(a[0], a[1], a[2], a[3], (int)a[4])), 5,
     {-1, -3, -3, -1e-4, -1}, {43, 41, 41, 1.1e-3, C}, 16, 4, 2},
    {"halic_salinity_from_hydrometer", CALL(halic_salinity_from_hydrometer(a[0], a[1], a[2], a[3], (int)a[4])), 5,
     {0.99, -3, -3, -1e-4, -1}, {1.04, 41, 41, 1.1e-3, C}, 16, 4, 2},
    {"halic_baume", CALL(halic_baume(a[0], (int)a[1])), 2, {0.9, -1}, {2.1, B}, 2},
    {"halic_sg_from_baume", CALL(halic_sg_from_baume(a[0], (int)a[1])), 2, {-1, -1}, {75, B}, 2},
    {"halic_salinity_from_baume", CALL(halic_salinity_from_baume(a[0], a[1], (int)a[2], (int)a[3])), 4,
     {-0.5, -3, -1, -1}, {6, 41, C, B}, 12, 2, 1},
};

/* The same cases on every machine: mt19937_64's sequence is fixed by the C++ standard. */
std::mt19937_64 s_random;
double Uniform(double low, double high) { return low + (high - low) * ((s_random() >> 11) * 0x1.0p-53); }

unsigned long long Bits(double d)
{
    uint64_t u;
    memcpy(&u, &d, sizeof u);
    return u;
}

int main(int argc, char** argv)
{
    const long nCases = argc > 1 ? atol(argv[1]) : 10000;
    for (const Function& f : kFunctions)
        for (long n = 0; n < nCases; ++n)
        {
            double a[MAX_ARGUMENTS];
            for (int i = 0; i < f.nArguments; ++i)
            {
                if (f.wholeMask & (1u << i))
                    a[i] = std::floor(Uniform(f.adLow[i], f.adHigh[i] + 1));
                else if (s_random() % 50 == 0) /* one argument in fifty is not a number */
                    a[i] = std::nan("");
                else
                    a[i] = Uniform(f.adLow[i], f.adHigh[i]);
            }
            if (f.nHeld != NONE && !std::isnan(halic_convention_sample_temperature((int)a[f.nConvention])) &&
                s_random() % 10 != 0)
                a[f.nHeld] = std::nan("");
            if (f.adjust)
                f.adjust(a);
            printf("%s", f.pszName);
            for (int i = 0; i < f.nArguments; ++i)
                printf(" %016llx", Bits(a[i]));
            const double dResult = f.call(a);
            printf(" %016llx %d\n", Bits(dResult), halic_last_error());
        }
    return 0;
}
