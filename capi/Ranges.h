// The ranges halic's arguments are checked against, each built from
// halic.h's macros, where the numbers are written once.
#pragma once
#include "Fault.h"

namespace halic {

inline const SRange kSalinity = {"SP", HALIC_SP_MIN, HALIC_SP_MAX, "", HALIC_E_SALINITY, false};
inline const SRange kTemperature = {"t", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kRefTemperature = {"t_ref", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kBaseTemperature = {"t0", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kPss78Temperature = {"t", HALIC_T_MIN, HALIC_PSS78_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kPressure = {"p", 0.0, HALIC_P_MAX, " dbar", HALIC_E_PRESSURE, false};
inline const SRange kDepth = {"depth_m", 0.0, HALIC_P_MAX, " m", HALIC_E_PRESSURE, false};
inline const SRange kLatitude = {"latitude", -HALIC_LATITUDE_MAX, HALIC_LATITUDE_MAX, " degrees", HALIC_E_LATITUDE, false};
inline const SRange kGravity = {"sg", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
inline const SRange kBaseGravity = {"sg0", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
// A conductivity has no bound of its own above: the salinity it gives at its
// t and p has, and is checked where it is made.
inline const SRange kConductivity = {"C", 0.0, kInf, " mS/cm", HALIC_E_CONDUCTIVITY, false};
inline const SRange kConvention = {"convention", 0.0, HALIC_SG_CONVENTIONS - 1, "", HALIC_E_CONVENTION, false};
inline const SRange kRefractionTemperature = {"t", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kZeroTemperature = {"t_zero", HALIC_T_MIN, HALIC_REFRACTION_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kWavelength = {"wavelength", HALIC_WAVELENGTH_MIN, HALIC_WAVELENGTH_MAX, " nm", HALIC_E_WAVELENGTH, false};
inline const SRange kIndex = {"n", -kInf, kInf, "", HALIC_E_NO_SALINITY, false};
inline const SRange kScale = {"scale", 0.0, HALIC_SCALES - 1, "", HALIC_E_SCALE, false};
inline const SRange kAnyReading = {"reading", -kInf, kInf, "", HALIC_E_READING, false};
inline const SRange kCalTemperature = {"t_cal", HALIC_T_MIN, HALIC_T_MAX, " degC", HALIC_E_TEMPERATURE, false};
inline const SRange kExpansion = {"gamma", 0.0, HALIC_EXPANSION_MAX, " per degC", HALIC_E_EXPANSION, false};
inline const SRange kHydrometerReading = {"reading", 0.0, HALIC_SG_MAX, "", HALIC_E_GRAVITY, true};
inline const SRange kBaumeScale = {"scale", 0.0, HALIC_BAUME_SCALES - 1, "", HALIC_E_SCALE, false};
inline const SRange kBaumeGravity = {"sg", HALIC_BAUME_SG_MIN, HALIC_SG_MAX, "", HALIC_E_READING, false};

} // namespace halic
