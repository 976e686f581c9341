// The computations hali offers, one result each: the command line runs one,
// a batch line names one. Each lists its arguments in the order a batch line
// gives them and the digits its result is written with.
#pragma once
#include "Parameter.h"

#include <string>

enum EComputation
{
    COMPUTE_CONVERT,          // Varnok's conversion, rounded as Varnok shows it
    COMPUTE_SG,               // specific gravity of a salinity under a convention
    COMPUTE_SALINITY_FROM_SG, // salinity of a reading under a convention
    COMPUTE_SALINITY_FROM_C,  // Practical Salinity of a conductivity (PSS-78)
    COMPUTE_DENSITY,          // in-situ density, EOS-80
    COMPUTE_PTEMP,            // potential temperature at the surface
    COMPUTE_DEPTH,            // depth of a pressure
    COMPUTE_REFRACTIVE_INDEX, // refractive index of seawater (Quan and Fry)
    COMPUTE_SALINITY_FROM_INDEX,         // salinity of a refractive index
    COMPUTE_REFRACTOMETER,               // a refractometer's reading of a salinity, on a scale
    COMPUTE_SALINITY_FROM_REFRACTOMETER, // salinity of a refractometer's reading
    COMPUTE_HYDROMETER,                  // a glass hydrometer's reading of a salinity
    COMPUTE_SALINITY_FROM_HYDROMETER,    // salinity of a glass hydrometer's reading
    COMPUTE_BAUME,                       // Baume degrees of a specific gravity
    COMPUTE_SG_FROM_BAUME,               // specific gravity of Baume degrees
    COMPUTE_SALINITY_FROM_BAUME,         // salinity of Baume degrees under a convention
    COMPUTE_COUNT
};

const int kMaxParameters = 7;

struct CComputation
{
    const char* pszCommand;  // the subcommand, and the first field of a batch line
    const char* pszSource;   // for two computations under one subcommand: the name of the first
                             // parameter, which selects it, and a batch line's second field; else nullptr
    const CParameter* pParameters; // in batch order
    int nParameters;
    const char* pszQuantity; // the result's name in csv and json
    const char* pszResult;   // the result in words, with its unit, for the help
    int nDecimals;           // decimals the result is written with
    const char* pszDigitsWhy;// why that many, for the help
    // The result of checked arguments (one per parameter, in order); NaN when
    // there is none, halic_last_error() then says why.
    double (*pfnCompute)(const double* adArguments);
    // The decimals where they depend on the arguments (a refractometer's on
    // its scale), else nullptr: nDecimals.
    int (*pfnDecimals)(const double* adArguments) = nullptr;
};

const CComputation& GetComputation(EComputation computation);

// The decimals a computation's result of these arguments is written with.
int ResultDecimals(const CComputation& computation, const double* adArguments);

// The reason of the last NaN on this thread, in the library's words, with
// each of the library's arguments named as the user knows it: aNamed[i] names
// parameter i of the list ("--sg 1.5 is read by no salinity ...").
std::string NoAnswerReason(const CParameter* pParameters, int nParameters, const CNamedArgument* aNamed);

// For a computation under a convention: the index of its sample temperature
// among its parameters, and the convention its checked arguments name.
void SampleTemperatureOf(const CComputation& computation, const double* adArguments, int* pnParameter,
                         int* pnConvention);

// Why a sample temperature is refused by a convention that fixes another:
// "convention 60/60F fixes the sample's temperature at 15.5556 degC".
std::string FixedTemperatureReason(int nConvention);
