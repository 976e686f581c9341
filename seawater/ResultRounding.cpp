#include "ResultRounding.h"

#include <limits>

namespace
{
const double kScale = 100000.0; // decimals to units of the fifth decimal
const double kStep = 0.00001;   // multiplied, never divided, so results match the display's text
const double kHalf = 0.5;

// Open bounds of the values whose truncation fits a signed 32-bit integer.
const double kTruncLow = -2147483649.0;
const double kTruncHigh = 2147483648.0;
}

double RoundToFiveDecimals(double g)
{
    double s = g * kScale;
    s = s + kHalf;
    // Converting NaN or a value beyond the int range is undefined; neither has a displayable result.
    if (!(s > kTruncLow && s < kTruncHigh))
        return std::numeric_limits<double>::quiet_NaN();
    const int n = static_cast<int>(s);
    return n * kStep;
}
