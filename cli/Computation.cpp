#include "Computation.h"
#include "NumberText.h"
#include "ResultRounding.h"

#include <halic.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace
{
const double kInfinity = std::numeric_limits<double>::infinity();

// The ranges are the library's (halic.h): arguments outside them are usage
// errors here, before the library is asked.
const CParameter kTemperature = {"temperature", "DEGC", "water temperature", PARAMETER_NUMBER, "degC", HALIC_T_MIN,
                                 HALIC_T_MAX, false, PRESENCE_REQUIRED, 0, "t"};
const CParameter kSampleTemperature = {"temperature", "DEGC", "the sample's temperature", PARAMETER_NUMBER, "degC",
                                       HALIC_T_MIN, HALIC_T_MAX, false, PRESENCE_CONVENTION, 0, "t"};
const CParameter kConductivityTemperature = {"temperature", "DEGC", "in-situ temperature, ITS-90", PARAMETER_NUMBER,
                                             "degC", HALIC_T_MIN, HALIC_PSS78_T_MAX, false, PRESENCE_REQUIRED, 0, "t"};
const CParameter kSalinity = {"salinity", "S", "Practical Salinity (per mille)", PARAMETER_NUMBER, "", HALIC_SP_MIN,
                              HALIC_SP_MAX, false, PRESENCE_REQUIRED, 0, "SP"};
const CParameter kPressure = {"pressure", "DBAR", "sea pressure, 0 at the surface", PARAMETER_NUMBER, "dbar", 0,
                              HALIC_P_MAX, false, PRESENCE_DEFAULT, 0, "p"};
const CParameter kConvention = {"convention", "NAME", "specific-gravity convention, sample/reference temperature",
                                PARAMETER_CONVENTION, "", 0, 0, false, PRESENCE_REQUIRED, 0, "convention"};
const CParameter kGravity = {"sg", "SG", "specific gravity read", PARAMETER_NUMBER, "", 0, HALIC_SG_MAX, true,
                             PRESENCE_REQUIRED, 0, "sg"};

const CParameter kConvertParameters[] = {
    {"temperature", "DEGC", "water temperature to convert to", PARAMETER_NUMBER, "degC", HALIC_T_MIN, HALIC_T_MAX,
     false, PRESENCE_REQUIRED, 0, "t"},
    {"base-temperature", "DEGC", "water temperature the base gravity was read at", PARAMETER_NUMBER, "degC",
     HALIC_T_MIN, HALIC_T_MAX, false, PRESENCE_DEFAULT, 24, "t0"},
    {"base-gravity", "SG", "specific gravity read at the base temperature", PARAMETER_NUMBER, "", 0, HALIC_SG_MAX,
     true, PRESENCE_DEFAULT, 1.024, "sg0"},
    {"depth", "M", "water depth, taken as the pressure in dbar as Varnok does", PARAMETER_NUMBER, "m", 0, HALIC_P_MAX,
     false, PRESENCE_DEFAULT, 1, "depth_m"},
    {"salinity", "S", "Practical Salinity (per mille)", PARAMETER_NUMBER, "", HALIC_SP_MIN, HALIC_SP_MAX, false,
     PRESENCE_DEFAULT, 35, "SP"},
    {"potential", "", "work on potential temperatures (Varnok's potential-density box)", PARAMETER_SWITCH, "", 0, 1,
     false, PRESENCE_DEFAULT, 1, "potential"},
    {"expansion", "PER_DEGC", "a glass hydrometer's cubical expansion coefficient, for its glass term (Varnok has none)",
     PARAMETER_NUMBER, "per degC", 0, HALIC_EXPANSION_MAX, false, PRESENCE_DEFAULT, 0, "gamma"},
};
const CParameter kSgParameters[] = {kSalinity, kConvention, kSampleTemperature};
const CParameter kSalinityFromSgParameters[] = {kGravity, kConvention, kSampleTemperature};
const CParameter kSalinityFromCParameters[] = {
    {"conductivity", "MS_CM", "conductivity", PARAMETER_NUMBER, "mS/cm", 0, kInfinity, false, PRESENCE_REQUIRED, 0,
     "C"},
    kConductivityTemperature, kPressure};
const CParameter kDensityParameters[] = {kSalinity, kTemperature, kPressure};

// The instruments'. A reading or an index is checked against its scale by the library.
const CParameter kRefractionTemperature = {"temperature", "DEGC", "the sample's temperature", PARAMETER_NUMBER, "degC",
                                           HALIC_T_MIN, HALIC_REFRACTION_T_MAX, false, PRESENCE_REQUIRED, 0, "t"};
const CParameter kWavelength = {"wavelength", "NM", "wavelength of the light in air (the sodium D line by default)",
                                PARAMETER_NUMBER, "nm", HALIC_WAVELENGTH_MIN, HALIC_WAVELENGTH_MAX, false,
                                PRESENCE_DEFAULT, HALIC_SODIUM_D, "wavelength"};
const CParameter kRefractiveIndexParameters[] = {kSalinity, kRefractionTemperature, kWavelength};
const CParameter kSalinityFromIndexParameters[] = {
    {"refractive-index", "N", "refractive index relative to air", PARAMETER_NUMBER, "", -kInfinity, kInfinity, false,
     PRESENCE_REQUIRED, 0, "n"},
    kRefractionTemperature, kWavelength};

const CParameter kScale = {"scale", "NAME",
                           "the scale: per mille of seawater, specific gravity, per mille of NaCl",
                           PARAMETER_SCALE, "", 0, 0, false, PRESENCE_DEFAULT, HALIC_SCALE_SEAWATER, "scale"};
const CParameter kScaleConvention = {"convention", "NAME",
                                     "the sg scale's convention (t/t, t/4 at 20 degC)",
                                     PARAMETER_CONVENTION, "", 0, 0, false, PRESENCE_DEFAULT, HALIC_SG_20_20,
                                     "convention"};
const CParameter kRefractometerTemperature = {
    "temperature", "DEGC", "the sample's temperature; 20 for a temperature-compensated refractometer",
    PARAMETER_NUMBER, "degC", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, false, PRESENCE_DEFAULT, HALIC_REFRACTOMETER_T, "t"};
const CParameter kZeroedAt = {"zeroed-at", "DEGC",
                              "temperature it was set to zero on pure water at (the sample's, if beside it)",
                              PARAMETER_NUMBER, "degC", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, false, PRESENCE_DEFAULT,
                              HALIC_REFRACTOMETER_T, "t_zero"};
const CParameter kRefractometerParameters[] = {kSalinity, kScale, kScaleConvention, kRefractometerTemperature,
                                               kZeroedAt};
const CParameter kSalinityFromRefractometerParameters[] = {
    {"refractometer", "READING",
     "the reading: per mille, or a specific gravity on the sg scale",
     PARAMETER_NUMBER, "", -kInfinity, kInfinity, false, PRESENCE_REQUIRED, 0, "reading"},
    kScale, kScaleConvention, kRefractometerTemperature, kZeroedAt};

const CParameter kReadTemperature = {"temperature", "DEGC", "the sample's temperature as read", PARAMETER_NUMBER,
                                     "degC", HALIC_T_MIN, HALIC_T_MAX, false, PRESENCE_REQUIRED, 0, "t"};
const CParameter kCalibratedAt = {"calibrated-at", "DEGC",
                                  "calibration temperature (a fixed convention's sample temperature)",
                                  PARAMETER_NUMBER, "degC", HALIC_T_MIN, HALIC_T_MAX, false, PRESENCE_CONVENTION, 0,
                                  "t_cal"};
const CParameter kExpansion = {"expansion", "PER_DEGC",
                               "cubical expansion: glass 2.5e-05 (ISO 1768), plastic or swing-arm 0",
                               PARAMETER_NUMBER, "per degC", 0, HALIC_EXPANSION_MAX, false, PRESENCE_DEFAULT,
                               HALIC_GLASS_EXPANSION, "gamma"};
const CParameter kHydrometerParameters[] = {kSalinity, kConvention, kReadTemperature, kCalibratedAt, kExpansion};
const CParameter kSalinityFromHydrometerParameters[] = {
    {"hydrometer", "SG", "the hydrometer's reading", PARAMETER_NUMBER, "", 0, HALIC_SG_MAX, true, PRESENCE_REQUIRED, 0,
     "reading"},
    kConvention, kReadTemperature, kCalibratedAt, kExpansion};

const CParameter kBaumeScale = {"scale", "NAME",
                                "the Baume scale, modulus 145 (at 60/60 degF), 144, 146.78",
                                PARAMETER_BAUME_SCALE, "", 0, 0, false, PRESENCE_DEFAULT, HALIC_BAUME_AMERICAN,
                                "scale"};
const CParameter kBaumeParameters[] = {
    {"sg", "SG", "specific gravity under the scale's convention", PARAMETER_NUMBER, "", HALIC_BAUME_SG_MIN,
     HALIC_SG_MAX, false, PRESENCE_REQUIRED, 0, "sg"},
    kBaumeScale};
const CParameter kSgFromBaumeParameters[] = {
    {"degrees", "DEG", "Baume degrees, 0 to those of specific gravity 2 (m / 2)", PARAMETER_NUMBER, "", -kInfinity,
     kInfinity, false, PRESENCE_REQUIRED, 0, "degrees"},
    kBaumeScale};
const CParameter kSalinityFromBaumeParameters[] = {
    {"baume", "DEG", "Baume degrees read", PARAMETER_NUMBER, "", -kInfinity, kInfinity, false, PRESENCE_REQUIRED, 0,
     "degrees"},
    {"convention", "NAME", "the convention of the degrees' specific gravity", PARAMETER_CONVENTION, "", 0, 0, false, PRESENCE_DEFAULT, HALIC_SG_60_60F,
     "convention"},
    kSampleTemperature, kBaumeScale};
const CParameter kPtempParameters[] = {
    kSalinity, kTemperature,
    {"pressure", "DBAR", "sea pressure the water is at", PARAMETER_NUMBER, "dbar", 0, HALIC_P_MAX, false,
     PRESENCE_REQUIRED, 0, "p"}};
const CParameter kDepthParameters[] = {
    {"pressure", "DBAR", "sea pressure", PARAMETER_NUMBER, "dbar", 0, HALIC_P_MAX, false, PRESENCE_REQUIRED, 0, "p"},
    {"latitude", "DEG", "latitude, north or south", PARAMETER_NUMBER, "degrees", -HALIC_LATITUDE_MAX,
     HALIC_LATITUDE_MAX, false, PRESENCE_REQUIRED, 0, "latitude"}};

double Convert(const double* a)
{
    // A glass hydrometer read at t rather than t0 reads high by its glass's
    // growth, 1 + gamma (t - t0): what it reads in pure water against pure
    // water at t, calibrated at t0. Varnok's conversion has none (gamma 0).
    const double dGlass = a[6] == 0.0 ? 1.0 : halic_hydrometer_reading(0.0, a[0], a[1], a[6], HALIC_SG_T_T);
    if (std::isnan(dGlass))
        return dGlass;
    return RoundToFiveDecimals(halic_convert(a[0], a[2], a[1], a[4], a[3], static_cast<int>(a[5])) * dGlass);
}
double Sg(const double* a) { return halic_sg(a[0], a[2], static_cast<int>(a[1])); }
double SalinityFromSg(const double* a) { return halic_salinity_from_sg(a[0], a[2], static_cast<int>(a[1])); }
double SalinityFromC(const double* a) { return halic_sp_from_c(a[0], a[1], a[2]); }
double Density(const double* a) { return halic_density(a[0], a[1], a[2]); }
double Ptemp(const double* a) { return halic_potential_temperature(a[0], a[1], a[2]); }
double Depth(const double* a) { return halic_depth(a[0], a[1]); }
double RefractiveIndex(const double* a) { return halic_refractive_index(a[0], a[1], a[2]); }
double SalinityFromIndex(const double* a) { return halic_salinity_from_refractive_index(a[0], a[1], a[2]); }
double Refractometer(const double* a)
{
    return halic_refractometer_reading(a[0], a[3], a[4], static_cast<int>(a[1]), static_cast<int>(a[2]));
}
double SalinityFromRefractometer(const double* a)
{
    return halic_salinity_from_refractometer(a[0], a[3], a[4], static_cast<int>(a[1]), static_cast<int>(a[2]));
}
double Hydrometer(const double* a) { return halic_hydrometer_reading(a[0], a[2], a[3], a[4], static_cast<int>(a[1])); }
double SalinityFromHydrometer(const double* a)
{
    return halic_salinity_from_hydrometer(a[0], a[2], a[3], a[4], static_cast<int>(a[1]));
}
double Baume(const double* a) { return halic_baume(a[0], static_cast<int>(a[1])); }
double SgFromBaume(const double* a) { return halic_sg_from_baume(a[0], static_cast<int>(a[1])); }
double SalinityFromBaume(const double* a)
{
    return halic_salinity_from_baume(a[0], a[2], static_cast<int>(a[1]), static_cast<int>(a[3]));
}
// A refractometer's per mille to two decimals, its specific gravity to five, as sg writes it.
int RefractometerDecimals(const double* a) { return static_cast<int>(a[1]) == HALIC_SCALE_SG ? 5 : 2; }

bool IsWordChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; }

// The parameter passed as the library's argument name, or -1.
int ParameterOf(const CParameter* pParameters, int nParameters, std::string_view name)
{
    for (int i = 0; i < nParameters; ++i)
        if (pParameters[i].pszArgument != nullptr && name == pParameters[i].pszArgument)
            return i;
    return -1;
}

#define PARAMETERS(table) table, static_cast<int>(sizeof table / sizeof table[0])

const CComputation kComputations[COMPUTE_COUNT] = {
    {"convert", nullptr, PARAMETERS(kConvertParameters), "sg", "specific gravity at the water temperature", 5,
     "rounded half up, as Varnok shows it", Convert},
    {"sg", nullptr, PARAMETERS(kSgParameters), "sg", "specific gravity under the convention", 5,
     "the places a hydrometer is read to", Sg},
    {"salinity", "sg", PARAMETERS(kSalinityFromSgParameters), "salinity", "Practical Salinity", 2,
     "a reading's fifth decimal is worth about 0.013 in salinity", SalinityFromSg},
    {"salinity", "conductivity", PARAMETERS(kSalinityFromCParameters), "salinity", "Practical Salinity (PSS-78)", 4,
     "as PSS-78's check values", SalinityFromC},
    {"density", nullptr, PARAMETERS(kDensityParameters), "density", "in-situ density, kg/m^3 (EOS-80)", 3,
     "EOS-80 is good to about 0.003 kg/m^3", Density},
    {"ptemp", nullptr, PARAMETERS(kPtempParameters), "ptemp", "potential temperature at the surface, degC", 4,
     "a tenth of a millikelvin, as the check values", Ptemp},
    {"depth", nullptr, PARAMETERS(kDepthParameters), "depth", "depth, metres, positive downwards", 2,
     "centimetres", Depth},
    {"refractive-index", nullptr, PARAMETERS(kRefractiveIndexParameters), "n", "refractive index relative to air", 6,
     "as Quan and Fry's check values", RefractiveIndex},
    {"salinity", "refractive-index", PARAMETERS(kSalinityFromIndexParameters), "salinity", "Practical Salinity", 2,
     "an index's sixth decimal is worth about 0.005 in salinity", SalinityFromIndex},
    {"refractometer", nullptr, PARAMETERS(kRefractometerParameters), "reading",
     "reading, per mille on the seawater and nacl scales, specific gravity on the sg scale", 2,
     "5 on the sg scale, as sg writes a specific gravity", Refractometer, RefractometerDecimals},
    {"salinity", "refractometer", PARAMETERS(kSalinityFromRefractometerParameters), "salinity", "Practical Salinity",
     2, "as a refractometer is read", SalinityFromRefractometer},
    {"hydrometer", nullptr, PARAMETERS(kHydrometerParameters), "reading", "hydrometer's reading", 5,
     "the places a hydrometer is read to", Hydrometer},
    {"salinity", "hydrometer", PARAMETERS(kSalinityFromHydrometerParameters), "salinity", "Practical Salinity", 2,
     "a reading's fifth decimal is worth about 0.013 in salinity", SalinityFromHydrometer},
    {"baume", "sg", PARAMETERS(kBaumeParameters), "degrees", "Baume degrees", 2, "as Baume hydrometers are read",
     Baume},
    {"baume", "degrees", PARAMETERS(kSgFromBaumeParameters), "sg", "specific gravity", 5,
     "the places a hydrometer is read to", SgFromBaume},
    {"salinity", "baume", PARAMETERS(kSalinityFromBaumeParameters), "salinity", "Practical Salinity", 2,
     "a hundredth of a degree is worth about 0.1 in salinity", SalinityFromBaume},
};
} // namespace

const CComputation& GetComputation(EComputation computation) { return kComputations[computation]; }

int ResultDecimals(const CComputation& computation, const double* adArguments)
{
    return computation.pfnDecimals != nullptr ? computation.pfnDecimals(adArguments) : computation.nDecimals;
}

std::string NoAnswerReason(const CParameter* pParameters, int nParameters, const CNamedArgument* aNamed)
{
    if (halic_last_error() == HALIC_OK)
        return "the result is too large to round to five decimals";
    // The library's text, "NAME = VALUE and the reason", names its arguments
    // and the value as it holds it; the command names its own.
    std::string_view text = halic_last_error_text();
    std::string reason;
    const size_t nEquals = text.find(" = ");
    const int nAtFault = nEquals == std::string_view::npos ? -1 : ParameterOf(pParameters, nParameters, text.substr(0, nEquals));
    if (nAtFault >= 0)
    {
        reason = aNamed[nAtFault].label + " " + aNamed[nAtFault].value;
        text.remove_prefix(std::min(text.find(' ', nEquals + 3), text.size()));
    }
    // Other arguments the reason mentions ("at this t and p"), word by word.
    while (!text.empty())
    {
        size_t nWord = 0;
        while (nWord < text.size() && IsWordChar(text[nWord]))
            ++nWord;
        const int nParameter = ParameterOf(pParameters, nParameters, text.substr(0, nWord));
        reason += nParameter >= 0 ? aNamed[nParameter].label : std::string(text.substr(0, std::max<size_t>(nWord, 1)));
        text.remove_prefix(std::max<size_t>(nWord, 1));
    }
    return reason;
}

void SampleTemperatureOf(const CComputation& computation, const double* adArguments, int* pnParameter,
                         int* pnConvention)
{
    for (int i = 0; i < computation.nParameters; ++i)
    {
        if (computation.pParameters[i].presence == PRESENCE_CONVENTION)
            *pnParameter = i;
        if (computation.pParameters[i].kind == PARAMETER_CONVENTION)
            *pnConvention = static_cast<int>(adArguments[i]);
    }
}

std::string FixedTemperatureReason(int nConvention)
{
    // The library takes the temperature to half a unit in the fourth decimal.
    const double dFixed = std::round(halic_convention_sample_temperature(nConvention) * 1e4) / 1e4;
    return std::string("convention ") + halic_convention_name(nConvention) + " fixes the sample's temperature at " +
           ShortNumberText(dFixed) + " degC";
}
