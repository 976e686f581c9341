#include "GravityConversion.h"
#include "ResultRounding.h"

#include <Halin.h>

double ConvertAndRound(const CConverterSettings& settings, double dWaterTemp, int bPotential)
{
    const double dGravity = CHalin::GetSpecificGravity(dWaterTemp, settings.dBaseGravity, settings.dBaseTemp,
                                                       settings.dSalinity, settings.dDepth, bPotential);
    return RoundToFiveDecimals(dGravity);
}
