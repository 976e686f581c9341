// The C interface of hali: specific gravity under a convention and its
// inverse, PSS-78 both ways, and hali's own quantities, each body checking its
// arguments (Fault.h) before it computes through CHalin, CRelativeDensity and
// CPss78. The instruments' functions are in HalicInstruments.cpp.
#include "halic.h"
#include "ArrayForm.h"
#include "Convention.h"
#include "Fault.h"
#include "Halin.h"
#include "Identity.h"
#include "Pss78.h"
#include "Ranges.h"
#include "RelativeDensity.h"

#include <cmath>

using namespace halic;

namespace {

// How far PSS-78's salinity may stray from the truth by rounding alone: a few
// units in the last place of 42 (7e-15), with a margin.
const double kSalinityRoundOff = 1e-12;

// The scalar bodies: NaN with the fault recorded, or the result.

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
    return ErrorMessage(error);
}

const char* halic_last_error_text(void)
{
    return LastErrorText();
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

} // extern "C"
