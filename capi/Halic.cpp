// The C interface of hali. Each function checks its arguments in the order
// declared, records the first fault as this thread's last error and returns
// NaN, or computes through CHalin, CRelativeDensity, CPss78 and the
// instruments' classes, and makes sure that what it returns is a finite
// number. The array forms run the scalar forms' bodies element by element.
#include "halic.h"
#include "Baume.h"
#include "GlassHydrometer.h"
#include "Halin.h"
#include "Identity.h"
#include "Pss78.h"
#include "RefractiveIndex.h"
#include "Refractometer.h"
#include "RelativeDensity.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace {

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

const SRange kSalinity = {"SP", HALIC_SP_MIN, HALIC_SP_MAX, "", HALIC_E_SALINITY, false};
const SRange kTemperature = {"t", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kRefTemperature = {"t_ref", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kBaseTemperature = {"t0", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kPss78Temperature = {"t", HALIC_T_MIN, HALIC_PSS78_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kPressure = {"p", 0.0, HALIC_P_MAX, " dbar", HALIC_E_PRESSURE, false};
const SRange kDepth = {"depth_m", 0.0, HALIC_P_MAX, " m", HALIC_E_PRESSURE, false};
const SRange kLatitude = {"latitude", -HALIC_LATITUDE_MAX, HALIC_LATITUDE_MAX, " degrees", HALIC_E_LATITUDE, false};
const SRange kGravity = {"sg", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
const SRange kBaseGravity = {"sg0", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
// A conductivity has no bound of its own above: the salinity it gives at its
// t and p has, and is checked where it is made.
const SRange kConductivity = {"C", 0.0, kInf, " mS/cm", HALIC_E_CONDUCTIVITY, false};
const SRange kConvention = {"convention", 0.0, HALIC_SG_CONVENTIONS - 1, "", HALIC_E_CONVENTION, false};
const SRange kRefractionTemperature = {"t", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kZeroTemperature = {"t_zero", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kWavelength = {"wavelength", HALIC_WAVELENGTH_MIN, HALIC_WAVELENGTH_MAX, " nm", HALIC_E_WAVELENGTH, false};
const SRange kIndex = {"n", -kInf, kInf, "", HALIC_E_NO_SALINITY, false};
const SRange kScale = {"scale", 0.0, HALIC_SCALES - 1, "", HALIC_E_SCALE, false};
const SRange kAnyReading = {"reading", -kInf, kInf, "", HALIC_E_READING, false};
const SRange kCalTemperature = {"t_cal", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
const SRange kExpansion = {"gamma", 0.0, HALIC_EXPANSION_MAX, " per degC", HALIC_E_EXPANSION, false};
const SRange kHydrometerReading = {"reading", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
const SRange kBaumeScale = {"scale", 0.0, HALIC_BAUME_SCALES - 1, "", HALIC_E_SCALE, false};
const SRange kBaumeGravity = {"sg", HALIC_BAUME_SG_MIN, HALIC_SG_MAX, "", HALIC_E_READING, false};

// How far PSS-78's salinity may stray from the truth by rounding alone: a few
// units in the last place of 42 (7e-15), with a margin.
const double kSalinityRoundOff = 1e-12;

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

const double k60F = 15.555555555555555; // 60 degF in degC, the double nearest 140/9
const SConvention kConventions[HALIC_SG_CONVENTIONS] = {
    Convention("t/t", kNaN, kNaN),     Convention("t/4", kNaN, 4.0),      Convention("15/4", 15.0, 4.0),
    Convention("20/20", 20.0, 20.0), Convention("25/25", 25.0, 25.0), Convention("60/60F", k60F, k60F),
};
// How far a temperature given to a fixed convention may lie from the one it
// fixes, degC: half a unit in the fourth decimal, as the conventions are
// written (15.5556 for 60 degF).
const double kFixedTemperatureDecimals = 1e4;
const double kFixedTemperatureTolerance = 0.5 / kFixedTemperatureDecimals;

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

thread_local SFault t_lastFault;
thread_local char t_szLastErrorText[320];

// Records the call's fault (or none) as this thread's last error.
double Report(double dResult, const SFault& fault)
{
    t_lastFault = fault;
    return dResult;
}

// NaN for a result that is no finite number, with the reason the body
// recorded; where it recorded none, the result itself is at fault.
double Unanswered(SFault& fault)
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
bool Check(double dValue, const SRange& range, SFault& fault)
{
    if (!std::isfinite(dValue))
        return fault.Set(HALIC_E_NOT_FINITE, range, dValue);
    if (dValue < range.dLow || dValue > range.dHigh || (range.bPositive && dValue <= range.dLow))
        return fault.Set(range.nError, range, dValue);
    return true;
}

// The convention, or null after recording why there is none.
const SConvention* FindConvention(int nConvention, SFault& fault)
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
bool ConventionTemperatures(const SConvention& convention, double t, SFault& fault, double& dSample,
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
bool FixesSampleTemperature(int nConvention)
{
    return nConvention >= 0 && nConvention < HALIC_SG_CONVENTIONS && !std::isnan(kConventions[nConvention].dSample);
}

// ---- The scalar bodies: NaN with the fault recorded, or the result ----

double SpecificGravity(double SP, double t, int nConvention, SFault& fault)
{
    const SConvention* pConvention = FindConvention(nConvention, fault);
    double dSample = 0.0, dReference = 0.0;
    if (pConvention == nullptr || !Check(SP, kSalinity, fault) ||
        !ConventionTemperatures(*pConvention, t, fault, dSample, dReference))
        return kNaN;
    return CRelativeDensity::Get(SP, dSample, dReference);
}

double SpecificGravityAt(double SP, double t, double t_ref, SFault& fault)
{
    if (!Check(SP, kSalinity, fault) || !Check(t, kTemperature, fault) || !Check(t_ref, kRefTemperature, fault))
        return kNaN;
    return CRelativeDensity::Get(SP, t, t_ref);
}

// The inverse once the temperatures are known good.
double SalinityFromGravity(double sg, double dSample, double dReference, SFault& fault)
{
    const double dSalinity = CRelativeDensity::GetSalinity(sg, dSample, dReference);
    if (std::isnan(dSalinity))
        fault.Set(HALIC_E_NO_SALINITY, kGravity, sg);
    return dSalinity;
}

double SalinityFromSg(double sg, double t, int nConvention, SFault& fault)
{
    const SConvention* pConvention = FindConvention(nConvention, fault);
    double dSample = 0.0, dReference = 0.0;
    if (pConvention == nullptr || !Check(sg, kGravity, fault) ||
        !ConventionTemperatures(*pConvention, t, fault, dSample, dReference))
        return kNaN;
    return SalinityFromGravity(sg, dSample, dReference, fault);
}

double SalinityFromSgAt(double sg, double t, double t_ref, SFault& fault)
{
    if (!Check(sg, kGravity, fault) || !Check(t, kTemperature, fault) || !Check(t_ref, kRefTemperature, fault))
        return kNaN;
    return SalinityFromGravity(sg, t, t_ref, fault);
}

bool CheckSpFromC(double C, double t, double p, SFault& fault)
{
    return Check(C, kConductivity, fault) && Check(t, kPss78Temperature, fault) && Check(p, kPressure, fault);
}

// PSS-78's salinity within halic's range, or NaN. A salinity beyond an end by
// no more than rounding is that end, so that the conductivities
// halic_c_from_sp gives for 0 and 42 come back as such.
double SalinityInRange(double dSalinity)
{
    if (dSalinity < kSalinity.dLow && dSalinity >= kSalinity.dLow - kSalinityRoundOff)
        return kSalinity.dLow;
    if (dSalinity > kSalinity.dHigh && dSalinity <= kSalinity.dHigh + kSalinityRoundOff)
        return kSalinity.dHigh;
    return dSalinity >= kSalinity.dLow && dSalinity <= kSalinity.dHigh ? dSalinity : kNaN;
}

double SpFromC(double C, double t, double p, SFault& fault)
{
    if (!CheckSpFromC(C, t, p, fault))
        return kNaN;
    const double dSalinity = SalinityInRange(CPss78::GetSalinity(C / CPss78::kC3515, t, p));
    if (std::isnan(dSalinity))
        fault.Set(HALIC_E_CONDUCTIVITY, kConductivity, C);
    return dSalinity;
}

bool CheckRFromSp(double SP, double t, double p, SFault& fault)
{
    return Check(SP, kSalinity, fault) && Check(t, kPss78Temperature, fault) && Check(p, kPressure, fault);
}

double RFromSp(double SP, double t, double p, SFault& fault)
{
    if (!CheckRFromSp(SP, t, p, fault))
        return kNaN;
    return CPss78::GetRatio(SP, t, p);
}

double ConductivityFromRatio(double R)
{
    return R * CPss78::kC3515;
}

double CFromSp(double SP, double t, double p, SFault& fault)
{
    return ConductivityFromRatio(RFromSp(SP, t, p, fault));
}

// How many elements an array form computes ahead of its body at most.
const ptrdiff_t kAhead = 64;

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

// The PSS-78 array forms' runs ahead: CPss78 computes them two at a time,
// at about the cost of one.
ptrdiff_t SpFromCAhead(const double* C, const double* t, const double* p, ptrdiff_t i, ptrdiff_t nLeft, double* SP)
{
    SFault unused;
    return ComputeAhead(
        i, nLeft, SP, [&](ptrdiff_t j) { return CheckSpFromC(C[j], t[j], p[j], unused); },
        [&](ptrdiff_t j, ptrdiff_t m, double* pBatch) {
            double dRatio[kAhead];
            for (ptrdiff_t k = 0; k < m; ++k)
                dRatio[k] = C[j + k] / CPss78::kC3515;
            CPss78::GetSalinities(m, dRatio, t + j, p + j, pBatch);
        },
        SalinityInRange);
}

template <class Finish>
ptrdiff_t RFromSpAhead(const double* SP, const double* t, const double* p, ptrdiff_t i, ptrdiff_t nLeft, double* R,
                       Finish finish)
{
    SFault unused;
    return ComputeAhead(
        i, nLeft, R, [&](ptrdiff_t j) { return CheckRFromSp(SP[j], t[j], p[j], unused); },
        [&](ptrdiff_t j, ptrdiff_t m, double* pBatch) { CPss78::GetRatios(m, SP + j, t + j, p + j, pBatch); }, finish);
}

double Density(double SP, double t, double p, SFault& fault)
{
    if (!Check(SP, kSalinity, fault) || !Check(t, kTemperature, fault) || !Check(p, kPressure, fault))
        return kNaN;
    return CHalin::GetDensity(SP, t, p);
}

double PotentialTemperature(double SP, double t, double p, SFault& fault)
{
    if (!Check(SP, kSalinity, fault) || !Check(t, kTemperature, fault) || !Check(p, kPressure, fault))
        return kNaN;
    return CHalin::GetPotentialTemp(SP, t, p);
}

double Depth(double p, double latitude, SFault& fault)
{
    if (!Check(p, kPressure, fault) || !Check(latitude, kLatitude, fault))
        return kNaN;
    return CHalin::GetDepth(p, latitude);
}

double Convert(double t, double sg0, double t0, double SP, double depth_m, int potential, SFault& fault)
{
    if (!Check(t, kTemperature, fault) || !Check(sg0, kBaseGravity, fault) || !Check(t0, kBaseTemperature, fault) ||
        !Check(SP, kSalinity, fault) || !Check(depth_m, kDepth, fault))
        return kNaN;
    return CHalin::GetSpecificGravity(t, sg0, t0, SP, depth_m, potential);
}

// ---- The instruments ----

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

// ---- Array forms ----

// An array argument: its name as declared, where it points, and whether it
// may be null (a temperature that a convention fixes).
struct SArray
{
    const char* pszName;
    const double* pData;
    bool bMayBeNull;
};

// True when the bytes of two arrays of n doubles overlap but do not coincide.
bool OverlapsInexactly(const double* pIn, const double* pOut, ptrdiff_t n)
{
    const std::uintptr_t in = reinterpret_cast<std::uintptr_t>(pIn);
    const std::uintptr_t out = reinterpret_cast<std::uintptr_t>(pOut);
    const std::uintptr_t bytes = static_cast<std::uintptr_t>(n) * sizeof(double);
    return in != out && in < out + bytes && out < in + bytes;
}

// False, with the last error recorded, when n is negative or larger than any
// array of doubles, an array null, or the output overlapping an input other
// than exactly; checked in that order, before any element.
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

// A number as the error texts show it: the shortest text that reads back as
// the same double, so that a value never shows as the bound it passed.
struct SNumberText
{
    char sz[32];
    explicit SNumberText(double d)
    {
        if (std::isnan(d))
            std::snprintf(sz, sizeof sz, "NaN");
        else
        {
#if defined(__cpp_lib_to_chars)
            *std::to_chars(sz, sz + sizeof sz - 1, d).ptr = '\0'; // "inf" and "-inf" too
#else
            // A C++ library without to_chars for doubles (emscripten's, for the page, which words its own
            // messages): the fewest significant digits that read back, though 10000 comes out as 1e+04.
            for (int nDigits = 1; nDigits <= 17; ++nDigits)
                if (std::snprintf(sz, sizeof sz, "%.*g", nDigits, d), std::strtod(sz, nullptr) == d)
                    break;
#endif
        }
    }
    // (Not to_chars: its integer form would export a static table of its own.)
    explicit SNumberText(ptrdiff_t n) { std::snprintf(sz, sizeof sz, "%lld", static_cast<long long>(n)); }
};

// "-2 to 40 degC": a range as the texts word it.
struct SRangeWords
{
    char sz[80];
    explicit SRangeWords(const SRange& range)
    {
        std::snprintf(sz, sizeof sz, "%s to %s%s", SNumberText(range.dLow).sz, SNumberText(range.dHigh).sz,
                      range.pszUnit);
    }
};

// One line for each reason, worded once from the ranges it names.
class CErrorMessages
{
public:
    CErrorMessages()
    {
        const SRangeWords salinity(kSalinity);
        Set(HALIC_OK, "no error");
        Set(HALIC_E_NOT_FINITE, "an argument is NaN or infinite");
        Set(HALIC_E_SALINITY, "salinity outside %s", salinity.sz);
        Set(HALIC_E_TEMPERATURE, "temperature outside the function's range");
        Set(HALIC_E_PRESSURE, "pressure outside %s", SRangeWords(kPressure).sz);
        Set(HALIC_E_CONVENTION, "no such convention");
        Set(HALIC_E_CONVENTION_TEMPERATURE, "a temperature other than the one the convention fixes");
        Set(HALIC_E_GRAVITY, "a specific gravity outside %s, 0 itself excluded", SRangeWords(kGravity).sz);
        Set(HALIC_E_NO_SALINITY, "a reading that no salinity from %s gives at that temperature", salinity.sz);
        Set(HALIC_E_CONDUCTIVITY, "a negative conductivity, or one that gives no salinity from %s", salinity.sz);
        Set(HALIC_E_LATITUDE, "latitude outside %s", SRangeWords(kLatitude).sz);
        Set(HALIC_E_ARGUMENT, "a negative or impossible count, a null array, or arrays that overlap other than exactly");
        Set(HALIC_E_RESULT, "no finite result");
        Set(HALIC_E_WAVELENGTH, "wavelength outside %s", SRangeWords(kWavelength).sz);
        Set(HALIC_E_SCALE, "no such refractometer or Baume scale");
        Set(HALIC_E_EXPANSION, "expansion coefficient outside %s", SRangeWords(kExpansion).sz);
        Set(HALIC_E_READING, "a reading off the instrument's scale");
    }
    const char* Get(int nError) const { return nError >= 0 && nError < kCount ? m_aszTexts[nError] : "unknown error"; }

private:
    static const int kCount = HALIC_E_READING + 1;
    char m_aszTexts[kCount][160] = {};

    void Set(int nError, const char* pszFormat, const char* pszRange = "")
    {
        std::snprintf(m_aszTexts[nError], sizeof m_aszTexts[nError], pszFormat, pszRange);
    }
};

// The text of a fault of the arrays themselves.
void FormatArrayFault(const SFault& f, char* psz, size_t n)
{
    switch (f.arrayFault)
    {
    case ARRAY_NEGATIVE_COUNT:
        std::snprintf(psz, n, "n = %s is negative", SNumberText(f.nElement).sz);
        break;
    case ARRAY_COUNT_TOO_LARGE:
        std::snprintf(psz, n, "n = %s is more doubles than memory holds", SNumberText(f.nElement).sz);
        break;
    case ARRAY_NULL:
        std::snprintf(psz, n, "%s is a null array", f.pszArray);
        break;
    case ARRAY_OVERLAP:
        std::snprintf(psz, n, "%s overlaps %s other than exactly", f.pszArray, f.pszOverlapped);
        break;
    case ARRAY_OK:
        psz[0] = '\0';
        break;
    }
}

// The text of a fault of an argument's value, after the element's prefix.
void FormatValueFault(const SFault& f, char* psz, size_t n)
{
    if (f.nError == HALIC_E_RESULT)
    {
        std::snprintf(psz, n, "no finite result for these arguments");
        return;
    }
    const SRange& range = f.range;
    const char* pszName = range.pszName;
    const SNumberText value(f.dValue);
    switch (f.nError)
    {
    case HALIC_E_NOT_FINITE:
        std::snprintf(psz, n, "%s = %s is not a finite number", pszName, value.sz);
        break;
    case HALIC_E_CONVENTION:
        std::snprintf(psz, n, "%s = %s is no convention (%s)", pszName, value.sz, SRangeWords(range).sz);
        break;
    case HALIC_E_CONVENTION_TEMPERATURE:
    {
        // The fixed temperature as the convention is written, which is also
        // a value the convention takes.
        const SNumberText fixed(std::round(range.dLow * kFixedTemperatureDecimals) / kFixedTemperatureDecimals);
        std::snprintf(psz, n, "%s = %s%s differs from the %s%s the convention fixes (give %s)", pszName, value.sz,
                      range.pszUnit, fixed.sz, range.pszUnit, fixed.sz);
        break;
    }
    case HALIC_E_GRAVITY:
        std::snprintf(psz, n, "%s = %s is outside %s, %s itself excluded", pszName, value.sz, SRangeWords(range).sz,
                      SNumberText(range.dLow).sz);
        break;
    case HALIC_E_NO_SALINITY:
        // The instruments record what salinities 0 and 42 read: say which end the reading is past.
        if (f.dValue > range.dHigh)
            std::snprintf(psz, n, "%s = %s is past %s%s, what salinity %s gives at these temperatures: the seawater "
                          "equations stop there", pszName, value.sz, SNumberText(range.dHigh).sz, range.pszUnit,
                          SNumberText(kSalinity.dHigh).sz);
        else if (f.dValue < range.dLow)
            std::snprintf(psz, n, "%s = %s is below %s%s, what pure water (salinity %s) gives at these temperatures",
                          pszName, value.sz, SNumberText(range.dLow).sz, range.pszUnit, SNumberText(kSalinity.dLow).sz);
        else
            std::snprintf(psz, n, "%s = %s is read by no salinity from %s at these temperatures", pszName, value.sz,
                          SRangeWords(kSalinity).sz);
        break;
    case HALIC_E_SCALE:
        std::snprintf(psz, n, "%s = %s is no scale (%s)", pszName, value.sz, SRangeWords(range).sz);
        break;
    case HALIC_E_READING:
        std::snprintf(psz, n, "%s = %s is outside %s, what the instrument reads", pszName, value.sz,
                      SRangeWords(range).sz);
        break;
    case HALIC_E_CONDUCTIVITY:
        if (f.dValue < 0.0)
            std::snprintf(psz, n, "%s = %s%s is negative", pszName, value.sz, range.pszUnit);
        else
            std::snprintf(psz, n, "%s = %s%s gives no salinity from %s at this t and p", pszName, value.sz,
                          range.pszUnit, SRangeWords(kSalinity).sz);
        break;
    default: // the ranges
        std::snprintf(psz, n, "%s = %s is outside %s", pszName, value.sz, SRangeWords(range).sz);
        break;
    }
}

} // namespace

extern "C" {

const char* halic_version(void)
{
    return VARNOK_VERSION_STRING;
}

int halic_version_number(void)
{
    return HALIC_VERSION_NUMBER;
}

int halic_last_error(void)
{
    return t_lastFault.nError;
}

const char* halic_error_message(int error)
{
    static const CErrorMessages messages;
    return messages.Get(error);
}

const char* halic_last_error_text(void)
{
    const SFault& f = t_lastFault;
    char* const psz = t_szLastErrorText;
    const size_t n = sizeof t_szLastErrorText;
    if (f.nError == HALIC_OK)
        psz[0] = '\0';
    else if (f.arrayFault != ARRAY_OK)
        FormatArrayFault(f, psz, n);
    else
    {
        size_t nPrefix = 0;
        if (f.nElement >= 0)
            nPrefix = static_cast<size_t>(std::snprintf(psz, n, "element %s: ", SNumberText(f.nElement).sz));
        FormatValueFault(f, psz + nPrefix, n - nPrefix);
    }
    return psz;
}

const char* halic_convention_name(int convention)
{
    SFault fault;
    const SConvention* pConvention = FindConvention(convention, fault);
    Report(0.0, fault);
    return pConvention != nullptr ? pConvention->pszName : nullptr;
}

double halic_convention_sample_temperature(int convention)
{
    SFault fault;
    const SConvention* pConvention = FindConvention(convention, fault);
    return Report(pConvention != nullptr ? pConvention->dSample : kNaN, fault);
}

double halic_convention_reference_temperature(int convention)
{
    SFault fault;
    const SConvention* pConvention = FindConvention(convention, fault);
    return Report(pConvention != nullptr ? pConvention->dReference : kNaN, fault);
}

double halic_sg(double SP, double t, int convention)
{
    return Run(SpecificGravity, SP, t, convention);
}

double halic_sg_at(double SP, double t, double t_ref)
{
    return Run(SpecificGravityAt, SP, t, t_ref);
}

double halic_salinity_from_sg(double sg, double t, int convention)
{
    return Run(SalinityFromSg, sg, t, convention);
}

double halic_salinity_from_sg_at(double sg, double t, double t_ref)
{
    return Run(SalinityFromSgAt, sg, t, t_ref);
}

double halic_sp_from_c(double C, double t, double p)
{
    return Run(SpFromC, C, t, p);
}

double halic_c_from_sp(double SP, double t, double p)
{
    return Run(CFromSp, SP, t, p);
}

double halic_r_from_sp(double SP, double t, double p)
{
    return Run(RFromSp, SP, t, p);
}

double halic_density(double SP, double t, double p)
{
    return Run(Density, SP, t, p);
}

double halic_potential_temperature(double SP, double t, double p)
{
    return Run(PotentialTemperature, SP, t, p);
}

double halic_depth(double p, double latitude)
{
    return Run(Depth, p, latitude);
}

double halic_convert(double t, double sg0, double t0, double SP, double depth_m, int potential)
{
    return Run(Convert, t, sg0, t0, SP, depth_m, potential);
}

ptrdiff_t halic_sg_n(ptrdiff_t n, const double* SP, const double* t, int convention, double* sg)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, FixesSampleTemperature(convention)}}, {"sg", sg, false}))
        return -1;
    return ForEach(n, sg, [&](ptrdiff_t i, SFault& fault) {
        return SpecificGravity(SP[i], t != nullptr ? t[i] : kNaN, convention, fault);
    });
}

ptrdiff_t halic_sg_at_n(ptrdiff_t n, const double* SP, const double* t, const double* t_ref, double* sg)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"t_ref", t_ref, false}}, {"sg", sg, false}))
        return -1;
    return ForEach(n, sg, [&](ptrdiff_t i, SFault& fault) { return SpecificGravityAt(SP[i], t[i], t_ref[i], fault); });
}

ptrdiff_t halic_salinity_from_sg_n(ptrdiff_t n, const double* sg, const double* t, int convention, double* SP)
{
    if (!CheckArrays(n, {{"sg", sg, false}, {"t", t, FixesSampleTemperature(convention)}}, {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) {
        return SalinityFromSg(sg[i], t != nullptr ? t[i] : kNaN, convention, fault);
    });
}

ptrdiff_t halic_salinity_from_sg_at_n(ptrdiff_t n, const double* sg, const double* t, const double* t_ref, double* SP)
{
    if (!CheckArrays(n, {{"sg", sg, false}, {"t", t, false}, {"t_ref", t_ref, false}}, {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) { return SalinityFromSgAt(sg[i], t[i], t_ref[i], fault); });
}

ptrdiff_t halic_sp_from_c_n(ptrdiff_t n, const double* C, const double* t, const double* p, double* SP)
{
    if (!CheckArrays(n, {{"C", C, false}, {"t", t, false}, {"p", p, false}}, {"SP", SP, false}))
        return -1;
    return ForEach(n, SP, [&](ptrdiff_t i, SFault& fault) { return SpFromC(C[i], t[i], p[i], fault); },
                   [&](ptrdiff_t i, ptrdiff_t nLeft, double* pResults) {
                       return SpFromCAhead(C, t, p, i, nLeft, pResults);
                   });
}

ptrdiff_t halic_c_from_sp_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* C)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"p", p, false}}, {"C", C, false}))
        return -1;
    return ForEach(n, C, [&](ptrdiff_t i, SFault& fault) { return CFromSp(SP[i], t[i], p[i], fault); },
                   [&](ptrdiff_t i, ptrdiff_t nLeft, double* pResults) {
                       return RFromSpAhead(SP, t, p, i, nLeft, pResults, ConductivityFromRatio);
                   });
}

ptrdiff_t halic_r_from_sp_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* R)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"p", p, false}}, {"R", R, false}))
        return -1;
    return ForEach(n, R, [&](ptrdiff_t i, SFault& fault) { return RFromSp(SP[i], t[i], p[i], fault); },
                   [&](ptrdiff_t i, ptrdiff_t nLeft, double* pResults) {
                       return RFromSpAhead(SP, t, p, i, nLeft, pResults, [](double R) { return R; });
                   });
}

ptrdiff_t halic_density_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* rho)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"p", p, false}}, {"rho", rho, false}))
        return -1;
    return ForEach(n, rho, [&](ptrdiff_t i, SFault& fault) { return Density(SP[i], t[i], p[i], fault); });
}

ptrdiff_t halic_potential_temperature_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* theta)
{
    if (!CheckArrays(n, {{"SP", SP, false}, {"t", t, false}, {"p", p, false}}, {"theta", theta, false}))
        return -1;
    return ForEach(n, theta,
                   [&](ptrdiff_t i, SFault& fault) { return PotentialTemperature(SP[i], t[i], p[i], fault); });
}

ptrdiff_t halic_depth_n(ptrdiff_t n, const double* p, const double* latitude, double* z)
{
    if (!CheckArrays(n, {{"p", p, false}, {"latitude", latitude, false}}, {"z", z, false}))
        return -1;
    return ForEach(n, z, [&](ptrdiff_t i, SFault& fault) { return Depth(p[i], latitude[i], fault); });
}

ptrdiff_t halic_convert_n(ptrdiff_t n, const double* t, double sg0, double t0, double SP, double depth_m,
                          int potential, double* sg)
{
    if (!CheckArrays(n, {{"t", t, false}}, {"sg", sg, false}))
        return -1;
    return ForEach(n, sg, [&](ptrdiff_t i, SFault& fault) {
        return Convert(t[i], sg0, t0, SP, depth_m, potential, fault);
    });
}

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
