// SConvention: the specific-gravity conventions halic names (halic.h's
// HALIC_SG_xxx), each the temperatures of its sample and of its reference
// water, and how a caller's temperature is taken under one.
#pragma once
#include "Ranges.h"

namespace halic {

// A specific-gravity convention; NaN for a temperature that is the caller's.
// A temperature the convention fixes is also the one value t may take.
struct SConvention
{
    const char* pszName;
    double dSample;    // the sample's temperature, degC
    double dReference; // the reference water's, degC; NaN: the sample's
    SRange fixed;
};

constexpr SConvention Convention(const char* pszName, double dSample, double dReference)
{
    return {pszName, dSample, dReference, {"t", dSample, dSample, " degC", HALIC_E_CONVENTION_TEMPERATURE, false}};
}

inline const double k60F = 15.555555555555555; // 60 degF in degC, the double nearest 140/9
inline const SConvention kConventions[HALIC_SG_CONVENTIONS] = {
    Convention("t/t", kNaN, kNaN),     Convention("t/4", kNaN, 4.0),      Convention("15/4", 15.0, 4.0),
    Convention("20/20", 20.0, 20.0), Convention("25/25", 25.0, 25.0), Convention("60/60F", k60F, k60F),
};
// How far a temperature given to a fixed convention may lie from the one it
// fixes, degC: half a unit in the fourth decimal, as the conventions are
// written (15.5556 for 60 degF).
inline const double kFixedTemperatureDecimals = 1e4;
inline const double kFixedTemperatureTolerance = 0.5 / kFixedTemperatureDecimals;

// The convention, or null after recording why there is none.
inline const SConvention* FindConvention(int nConvention, SFault& fault)
{
    if (nConvention < 0 || nConvention >= HALIC_SG_CONVENTIONS)
    {
        fault.Set(HALIC_E_CONVENTION, kConvention, nConvention);
        return nullptr;
    }
    return &kConventions[nConvention];
}

// The sample's and the reference water's temperatures under a convention,
// degC, from the caller's t (NaN allowed where the convention fixes it);
// range names t and what it may be where the convention leaves it free.
inline bool ConventionTemperatures(const SConvention& convention, double t, SFault& fault, double& dSample,
                                   double& dReference, const SRange& range = kTemperature)
{
    if (std::isnan(convention.dSample))
    {
        if (!Check(t, range, fault))
            return false;
        dSample = t;
    }
    else
    {
        if (std::isinf(t))
            return fault.Set(HALIC_E_NOT_FINITE, range, t);
        if (!std::isnan(t) && !(std::fabs(t - convention.dSample) <= kFixedTemperatureTolerance))
        {
            SRange fixed = convention.fixed;
            fixed.pszName = range.pszName;
            return fault.Set(HALIC_E_CONVENTION_TEMPERATURE, fixed, t);
        }
        dSample = convention.dSample;
    }
    dReference = std::isnan(convention.dReference) ? dSample : convention.dReference;
    return true;
}

// True for a known convention that fixes the sample's temperature.
inline bool FixesSampleTemperature(int nConvention)
{
    return nConvention >= 0 && nConvention < HALIC_SG_CONVENTIONS && !std::isnan(kConventions[nConvention].dSample);
}

} // namespace halic
