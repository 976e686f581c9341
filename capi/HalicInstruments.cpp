// The C interface of the instruments: refractive index, refractometer scales,
// the glass hydrometer and Baume, each body checking its arguments (Fault.h)
// before it computes through the instruments' classes.
#include "halic.h"
#include "ArrayForm.h"
#include "Baume.h"
#include "Convention.h"
#include "Fault.h"
#include "GlassHydrometer.h"
#include "Ranges.h"
#include "RefractiveIndex.h"
#include "Refractometer.h"
#include "RelativeDensity.h"

#include <cmath>

using namespace halic;

namespace {

// The reading no salinity in range gives: its range is what salinities from
// the lowest to the highest give, so that the text can say which end it is
// past.
double NoSalinity(const char* pszName, double dValue, double dLowReading, double dHighReading, const char* pszUnit,
                  SFault& fault)
{
    const SRange readings = {pszName, dLowReading, dHighReading, pszUnit, HALIC_E_NO_SALINITY, false};
    fault.Set(HALIC_E_NO_SALINITY, readings, dValue);
    return kNaN;
}

// A value off an instrument's scale, which takes dLow to dHigh.
double OffScale(const char* pszName, double dValue, double dLow, double dHigh, const char* pszUnit, SFault& fault)
{
    const SRange scale = {pszName, dLow, dHigh, pszUnit, HALIC_E_READING, false};
    fault.Set(HALIC_E_READING, scale, dValue);
    return kNaN;
}

double RefractiveIndex(double SP, double t, double wavelength, SFault& fault)
{
    if (!Check(SP, kSalinity, fault) || !Check(t, kRefractionTemperature, fault) ||
        !Check(wavelength, kWavelength, fault))
        return kNaN;
    return CRefractiveIndex::Get(SP, t, wavelength);
}

double SalinityFromRefractiveIndex(double n, double t, double wavelength, SFault& fault)
{
    if (!Check(n, kIndex, fault) || !Check(t, kRefractionTemperature, fault) || !Check(wavelength, kWavelength, fault))
        return kNaN;
    const double dSalinity = CRefractiveIndex::GetSalinity(n, t, wavelength);
    if (std::isnan(dSalinity))
        return NoSalinity("n", n, CRefractiveIndex::Get(HALIC_SP_MIN, t, wavelength),
                          CRefractiveIndex::Get(HALIC_SP_MAX, t, wavelength), "", fault);
    return dSalinity;
}

// A refractometer's scale by its name.
struct SScaleName
{
    const char* pszName;
    CRefractometer::EScale eKind;
    const char* pszUnit; // of its readings, with its leading space, or ""
};
const SScaleName kScales[HALIC_SCALES] = {
    {"seawater", CRefractometer::kSeawater, " per mille"},
    {"sg", CRefractometer::kGravity, ""},
    {"nacl", CRefractometer::kSodiumChloride, " per mille"},
};

// The scale's name, or null after recording why there is none.
const SScaleName* FindScaleName(int nScale, SFault& fault)
{
    if (nScale < 0 || nScale >= HALIC_SCALES)
    {
        fault.Set(HALIC_E_SCALE, kScale, nScale);
        return nullptr;
    }
    return &kScales[nScale];
}

// The scale (with its convention's temperatures, drawn for the scales'
// temperature where the convention leaves the sample's free), or false after
// recording why there is none.
bool FindScale(int nScale, int nConvention, SFault& fault, CRefractometer::SScale& scale)
{
    const SScaleName* pName = FindScaleName(nScale, fault);
    if (pName == nullptr)
        return false;
    scale = {pName->eKind, kNaN, kNaN};
    if (scale.eKind != CRefractometer::kGravity)
        return true;
    const SConvention* pConvention = FindConvention(nConvention, fault);
    if (pConvention == nullptr)
        return false;
    scale.dSampleTemp = std::isnan(pConvention->dSample) ? HALIC_REFRACTOMETER_T : pConvention->dSample;
    scale.dRefTemp = std::isnan(pConvention->dReference) ? scale.dSampleTemp : pConvention->dReference;
    return true;
}

// The readings of salinity 0 and 42 at t and t_zero, each held to the scale.
void SeawaterReadings(double t, double t_zero, const CRefractometer::SScale& scale, double& dLow, double& dHigh)
{
    const double dTopRise = CRefractometer::GetMaxRise();
    const double dLowRise = CRefractometer::GetIndexRise(HALIC_SP_MIN, t, t_zero);
    const double dHighRise = CRefractometer::GetIndexRise(HALIC_SP_MAX, t, t_zero);
    dLow = CRefractometer::GetReading(std::fmin(std::fmax(dLowRise, 0.0), dTopRise), scale);
    dHigh = CRefractometer::GetReading(std::fmin(std::fmax(dHighRise, 0.0), dTopRise), scale);
}

double RefractometerReading(double SP, double t, double t_zero, int nScale, int nConvention, SFault& fault)
{
    CRefractometer::SScale scale;
    if (!FindScale(nScale, nConvention, fault, scale) || !Check(SP, kSalinity, fault) ||
        !Check(t, kRefractionTemperature, fault) || !Check(t_zero, kZeroTemperature, fault))
        return kNaN;
    const double dReading = CRefractometer::GetReading(CRefractometer::GetIndexRise(SP, t, t_zero), scale);
    if (std::isnan(dReading))
    {
        // The salinities whose rise is on the scale at these temperatures.
        const double dLowRise = CRefractometer::GetIndexRise(HALIC_SP_MIN, t, t_zero);
        const double dHighRise = CRefractometer::GetIndexRise(HALIC_SP_MAX, t, t_zero);
        const double dTopRise = CRefractometer::GetMaxRise();
        return OffScale("SP", SP, dLowRise >= 0.0 ? HALIC_SP_MIN : CRefractometer::GetSalinity(0.0, t, t_zero),
                        dHighRise <= dTopRise ? HALIC_SP_MAX : CRefractometer::GetSalinity(dTopRise, t, t_zero), "",
                        fault);
    }
    return dReading;
}

double SalinityFromRefractometer(double reading, double t, double t_zero, int nScale, int nConvention,
                                 SFault& fault)
{
    CRefractometer::SScale scale;
    if (!FindScale(nScale, nConvention, fault, scale) || !Check(reading, kAnyReading, fault) ||
        !Check(t, kRefractionTemperature, fault) || !Check(t_zero, kZeroTemperature, fault))
        return kNaN;
    const char* pszUnit = kScales[nScale].pszUnit;
    const double dRise = CRefractometer::GetRise(reading, scale);
    if (std::isnan(dRise))
        return OffScale("reading", reading, CRefractometer::GetReading(0.0, scale),
                        CRefractometer::GetReading(CRefractometer::GetMaxRise(), scale), pszUnit, fault);
    const double dSalinity = CRefractometer::GetSalinity(dRise, t, t_zero);
    if (std::isnan(dSalinity))
    {
        double dLow = 0.0, dHigh = 0.0;
        SeawaterReadings(t, t_zero, scale, dLow, dHigh);
        return NoSalinity("reading", reading, dLow, dHigh, pszUnit, fault);
    }
    return dSalinity;
}

// A glass hydrometer's arguments checked in the order declared, dValue (the
// salinity or the reading) against its range: its reference water's and
// calibration temperatures, the convention's sample temperature being the
// calibration's where it fixes one; or false after recording why.
bool HydrometerArguments(int nConvention, double dValue, const SRange& range, double t, double t_cal, double gamma,
                         SFault& fault, double& dReference, double& dCalibration)
{
    const SConvention* pConvention = FindConvention(nConvention, fault);
    double dConventionReference = 0.0;
    if (pConvention == nullptr || !Check(dValue, range, fault) || !Check(t, kTemperature, fault) ||
        !ConventionTemperatures(*pConvention, t_cal, fault, dCalibration, dConventionReference, kCalTemperature) ||
        !Check(gamma, kExpansion, fault))
        return false;
    dReference = std::isnan(pConvention->dReference) ? t : pConvention->dReference;
    return true;
}

double HydrometerReading(double SP, double t, double t_cal, double gamma, int nConvention, SFault& fault)
{
    double dReference = 0.0, dCalibration = 0.0;
    if (!HydrometerArguments(nConvention, SP, kSalinity, t, t_cal, gamma, fault, dReference, dCalibration))
        return kNaN;
    return CGlassHydrometer::GetReading(SP, t, dReference, dCalibration, gamma);
}

double SalinityFromHydrometer(double reading, double t, double t_cal, double gamma, int nConvention, SFault& fault)
{
    double dReference = 0.0, dCalibration = 0.0;
    if (!HydrometerArguments(nConvention, reading, kHydrometerReading, t, t_cal, gamma, fault, dReference,
                             dCalibration))
        return kNaN;
    const double dSalinity = CGlassHydrometer::GetSalinity(reading, t, dReference, dCalibration, gamma);
    if (std::isnan(dSalinity))
        return NoSalinity("reading", reading,
                          CGlassHydrometer::GetReading(HALIC_SP_MIN, t, dReference, dCalibration, gamma),
                          CGlassHydrometer::GetReading(HALIC_SP_MAX, t, dReference, dCalibration, gamma), "", fault);
    return dSalinity;
}

// A Baume scale by its name.
struct SBaumeScale
{
    const char* pszName;
    double dModulus; // m, degrees
};
const SBaumeScale kBaumeScales[HALIC_BAUME_SCALES] = {
    {"american", CBaume::kAmerican},
    {"dutch", CBaume::kDutch},
    {"gerlach", CBaume::kGerlach},
};

// The Baume scale, or null after recording why there is none.
const SBaumeScale* FindBaumeScale(int nScale, SFault& fault)
{
    if (nScale < 0 || nScale >= HALIC_BAUME_SCALES)
    {
        fault.Set(HALIC_E_SCALE, kBaumeScale, nScale);
        return nullptr;
    }
    return &kBaumeScales[nScale];
}

// The degrees a Baume scale takes: those of HALIC_BAUME_SG_MIN to HALIC_SG_MAX.
bool CheckDegrees(double degrees, double dModulus, SFault& fault)
{
    const SRange range = {"degrees", CBaume::GetDegrees(HALIC_BAUME_SG_MIN, dModulus),
                          CBaume::GetDegrees(HALIC_SG_MAX, dModulus), "", HALIC_E_READING, false};
    return Check(degrees, range, fault);
}

double Baume(double sg, int nScale, SFault& fault)
{
    const SBaumeScale* pScale = FindBaumeScale(nScale, fault);
    if (pScale == nullptr || !Check(sg, kBaumeGravity, fault))
        return kNaN;
    return CBaume::GetDegrees(sg, pScale->dModulus);
}

double SgFromBaume(double degrees, int nScale, SFault& fault)
{
    const SBaumeScale* pScale = FindBaumeScale(nScale, fault);
    if (pScale == nullptr || !CheckDegrees(degrees, pScale->dModulus, fault))
        return kNaN;
    return CBaume::GetGravity(degrees, pScale->dModulus);
}

double SalinityFromBaume(double degrees, double t, int nConvention, int nScale, SFault& fault)
{
    const SConvention* pConvention = FindConvention(nConvention, fault);
    if (pConvention == nullptr)
        return kNaN;
    const SBaumeScale* pScale = FindBaumeScale(nScale, fault);
    double dSample = 0.0, dReference = 0.0;
    if (pScale == nullptr || !CheckDegrees(degrees, pScale->dModulus, fault) ||
        !ConventionTemperatures(*pConvention, t, fault, dSample, dReference))
        return kNaN;
    const double m = pScale->dModulus;
    const double dSalinity = CRelativeDensity::GetSalinity(CBaume::GetGravity(degrees, m), dSample, dReference);
    if (std::isnan(dSalinity))
    {
        const double dLow = CBaume::GetDegrees(CRelativeDensity::Get(HALIC_SP_MIN, dSample, dReference), m);
        const double dHigh = CBaume::GetDegrees(CRelativeDensity::Get(HALIC_SP_MAX, dSample, dReference), m);
        return NoSalinity("degrees", degrees, dLow, dHigh, "", fault);
    }
    return dSalinity;
}

// A member of the entry numbered nNumber in one of the tables above (found by
// pfnFind, which records why there is none), or missing; the fault reported.
template <class Entry, class Value>
Value Lookup(const Entry* (*pfnFind)(int, SFault&), int nNumber, Value Entry::*pMember, Value missing)
{
    SFault fault;
    const Entry* pEntry = pfnFind(nNumber, fault);
    Report(0.0, fault);
    return pEntry != nullptr ? pEntry->*pMember : missing;
}

} // namespace

extern "C" {

const char* halic_scale_name(int scale)
{
    return Lookup(FindScaleName, scale, &SScaleName::pszName, static_cast<const char*>(nullptr));
}

double halic_refractive_index(double SP, double t, double wavelength)
{
    return Run(RefractiveIndex, SP, t, wavelength);
}

double halic_salinity_from_refractive_index(double n, double t, double wavelength)
{
    return Run(SalinityFromRefractiveIndex, n, t, wavelength);
}

double halic_refractometer_reading(double SP, double t, double t_zero, int scale, int convention)
{
    return Run(RefractometerReading, SP, t, t_zero, scale, convention);
}

double halic_salinity_from_refractometer(double reading, double t, double t_zero, int scale, int convention)
{
    return Run(SalinityFromRefractometer, reading, t, t_zero, scale, convention);
}

double halic_hydrometer_reading(double SP, double t, double t_cal, double gamma, int convention)
{
    return Run(HydrometerReading, SP, t, t_cal, gamma, convention);
}

double halic_salinity_from_hydrometer(double reading, double t, double t_cal, double gamma, int convention)
{
    return Run(SalinityFromHydrometer, reading, t, t_cal, gamma, convention);
}

const char* halic_baume_name(int scale)
{
    return Lookup(FindBaumeScale, scale, &SBaumeScale::pszName, static_cast<const char*>(nullptr));
}

double halic_baume_modulus(int scale)
{
    return Lookup(FindBaumeScale, scale, &SBaumeScale::dModulus, kNaN);
}

double halic_baume(double sg, int scale)
{
    return Run(Baume, sg, scale);
}

double halic_sg_from_baume(double degrees, int scale)
{
    return Run(SgFromBaume, degrees, scale);
}

double halic_salinity_from_baume(double degrees, double t, int convention, int scale)
{
    return Run(SalinityFromBaume, degrees, t, convention, scale);
}

ptrdiff_t halic_refractive_index_n(ptrdiff_t n, const double* SP, const double* t, const double* wavelength,
                                   double* index)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"wavelength", wavelength, false}},
                     {"index", index, false}))
        return -1;
    return ForEach(n, index,
                   [&](ptrdiff_t i, SFault& fault) { return RefractiveIndex(SP[i], t[i], wavelength[i], fault); });
}

ptrdiff_t halic_salinity_from_refractive_index_n(ptrdiff_t n, const double* index, const double* t,
                                                 const double* wavelength, double* SP)
{
    if (!CheckArrays(n, {{"index", index, false}, {"t", t, false}, {"wavelength", wavelength, false}},
                     {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) {
        return SalinityFromRefractiveIndex(index[i], t[i], wavelength[i], fault);
    });
}

ptrdiff_t halic_refractometer_reading_n(ptrdiff_t n, const double* SP, const double* t, const double* t_zero,
                                        int scale, int convention, double* reading)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"t_zero", t_zero, false}}, {"reading", reading, false}))
        return -1;
    return ForEach(n, reading, [&](ptrdiff_t i, SFault& fault) {
        return RefractometerReading(SP[i], t[i], t_zero[i], scale, convention, fault);
    });
}

ptrdiff_t halic_salinity_from_refractometer_n(ptrdiff_t n, const double* reading, const double* t,
                                              const double* t_zero, int scale, int convention, double* SP)
{
    if (!CheckArrays(n, {{"reading", reading, false}, {"t", t, false}, {"t_zero", t_zero, false}}, {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) {
        return SalinityFromRefractometer(reading[i], t[i], t_zero[i], scale, convention, fault);
    });
}

ptrdiff_t halic_hydrometer_reading_n(ptrdiff_t n, const double* SP, const double* t, const double* t_cal,
                                     const double* gamma, int convention, double* reading)
{
    if (!CheckArrays(n,
                     {{"SP", SP, false}, {"t", t, false}, {"t_cal", t_cal, FixesSampleTemperature(convention)},
                      {"gamma", gamma, false}},
                     {"reading", reading, false}))
        return -1;
    return ForEach(n, reading, [&](ptrdiff_t i, SFault& fault) {
        return HydrometerReading(SP[i], t[i], t_cal != nullptr ? t_cal[i] : kNaN, gamma[i], convention, fault);
    });
}

ptrdiff_t halic_salinity_from_hydrometer_n(ptrdiff_t n, const double* reading, const double* t, const double* t_cal,
                                           const double* gamma, int convention, double* SP)
{
    if (!CheckArrays(n,
                     {{"reading", reading, false}, {"t", t, false},
                      {"t_cal", t_cal, FixesSampleTemperature(convention)}, {"gamma", gamma, false}},
                     {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) {
        return SalinityFromHydrometer(reading[i], t[i], t_cal != nullptr ? t_cal[i] : kNaN, gamma[i], convention,
                                      fault);
    });
}

ptrdiff_t halic_baume_n(ptrdiff_t n, const double* sg, int scale, double* degrees)
{
    if (!CheckArrays(n, {{"sg", sg, false}}, {"degrees", degrees, false}))
        return -1;
    return ForEach(n, degrees, [&](ptrdiff_t i, SFault& fault) { return Baume(sg[i], scale, fault); });
}

ptrdiff_t halic_sg_from_baume_n(ptrdiff_t n, const double* degrees, int scale, double* sg)
{
    if (!CheckArrays(n, {{"degrees", degrees, false}}, {"sg", sg, false}))
        return -1;
    return ForEach(n, sg, [&](ptrdiff_t i, SFault& fault) { return SgFromBaume(degrees[i], scale, fault); });
}

ptrdiff_t halic_salinity_from_baume_n(ptrdiff_t n, const double* degrees, const double* t, int convention, int scale,
                                      double* SP)
{
    if (!CheckArrays(n, {{"degrees", degrees, false}, {"t", t, FixesSampleTemperature(convention)}}, {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) {
        return SalinityFromBaume(degrees[i], t != nullptr ? t[i] : kNaN, convention, scale, fault);
    });
}

} // extern "C"
