// The calculation behind Calc: the settings and a water temperature to the
// specific gravity the display shows.
#pragma once
#include "ConverterSettings.h"

// The specific gravity at dWaterTemp of water that read settings.dBaseGravity
// at settings.dBaseTemp, by CHalin::GetSpecificGravity at settings.dSalinity,
// with the depth in metres passed as the pressure in decibars, then rounded
// by RoundToFiveDecimals (NaN where that cannot round).
//   dWaterTemp  water temperature [degC]
//   bPotential  non-zero: the conversion works on potential temperatures
//   returns     specific gravity, a multiple of 0.00001, or NaN
double ConvertAndRound(const CConverterSettings& settings, double dWaterTemp, int bPotential);
