/* Random cases for every computing function the page's WebAssembly module exports, with the native halic's answers:
 * one line per case, "function argument... result error", each double as its 64 bits in hex, so that
 * wasm_cases.js can ask the module the same and compare bit for bit.
 *   native_cases CASES_PER_FUNCTION [SEED] */
#include <halic.h>
#include "ResultRounding.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

enum { MAX_ARGUMENTS = 6 };

typedef double (*Call)(const double* a);

/* Each argument is drawn from [low, high], a little wider than the range the library accepts, so that
 * refusals are compared too; one marked in wholeMask is an int (a convention or the potential flag), drawn
 * as a whole number from low to high. */
typedef struct
{
    const char* pszName; /* the export, as the module names it without its underscore */
    Call call;
    int nArguments;
    double adLow[MAX_ARGUMENTS];
    double adHigh[MAX_ARGUMENTS];
    unsigned wholeMask; /* bit i: argument i is an int */
    void (*adjust)(double* a); /* after the draw, or null */
} Function;

static double Sg(const double* a) { return halic_sg(a[0], a[1], (int)a[2]); }
static double SalinityFromSg(const double* a) { return halic_salinity_from_sg(a[0], a[1], (int)a[2]); }
static double SpFromC(const double* a) { return halic_sp_from_c(a[0], a[1], a[2]); }
static double Convert(const double* a) { return halic_convert(a[0], a[1], a[2], a[3], a[4], (int)a[5]); }
// The page's own export: the conversion as Varnok's display rounds it.
static double ConvertRounded(const double* a) { return RoundToFiveDecimals(Convert(a)); }

/* xorshift64*: the same cases on every machine for a seed. */
static uint64_t s_state;
static uint64_t Next(void)
{
    s_state ^= s_state >> 12;
    s_state ^= s_state << 25;
    s_state ^= s_state >> 27;
    return s_state * 2685821657736338717ULL;
}
static double Uniform(double low, double high) { return low + (high - low) * ((Next() >> 11) * 0x1.0p-53); }

/* A convention that fixes the sample's temperature takes NaN for it (argument 1), nine times in ten: its
 * answers, not only its refusals of another temperature, are compared. */
static void FixedTemperature(double* a)
{
    if (!std::isnan(halic_convention_sample_temperature((int)a[2])) && Next() % 10 != 0)
        a[1] = std::nan("");
}

static const Function kFunctions[] = {
    {"halic_sg", Sg, 3, {-1, -3, -1}, {43, 41, HALIC_SG_CONVENTIONS}, 4, FixedTemperature},
    {"halic_salinity_from_sg", SalinityFromSg, 3, {0.99, -3, -1}, {1.04, 41, HALIC_SG_CONVENTIONS}, 4,
     FixedTemperature},
    {"halic_sp_from_c", SpFromC, 3, {-1, -3, -100}, {75, 36, 10100}, 0, nullptr},
    {"halic_convert", Convert, 6, {-3, 0.99, -3, -1, -100, 0}, {41, 1.04, 41, 43, 10100, 2}, 32, nullptr},
    {"page_convert", ConvertRounded, 6, {-3, 0.99, -3, -1, -100, 0}, {41, 1.04, 41, 43, 10100, 2}, 32, nullptr},
};

static uint64_t Bits(double d)
{
    uint64_t u;
    memcpy(&u, &d, sizeof u);
    return u;
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        fprintf(stderr, "usage: native_cases CASES_PER_FUNCTION [SEED]\n");
        return 2;
    }
    const long nCases = atol(argv[1]);
    s_state = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 0x9E3779B97F4A7C15ULL;
    for (size_t f = 0; f < sizeof kFunctions / sizeof kFunctions[0]; ++f)
    {
        const Function* pFunction = &kFunctions[f];
        for (long n = 0; n < nCases; ++n)
        {
            double a[MAX_ARGUMENTS];
            for (int i = 0; i < pFunction->nArguments; ++i)
            {
                if (pFunction->wholeMask & (1u << i))
                    a[i] = std::floor(Uniform(pFunction->adLow[i], pFunction->adHigh[i] + 1));
                else if (Next() % 50 == 0) /* one argument in fifty is not a number */
                    a[i] = std::nan("");
                else
                    a[i] = Uniform(pFunction->adLow[i], pFunction->adHigh[i]);
            }
            if (pFunction->adjust)
                pFunction->adjust(a);
            printf("%s", pFunction->pszName);
            for (int i = 0; i < pFunction->nArguments; ++i)
                printf(" %016llx", (unsigned long long)Bits(a[i]));
            const double dResult = pFunction->call(a);
            printf(" %016llx %d\n", (unsigned long long)Bits(dResult), halic_last_error());
        }
    }
    return 0;
}
