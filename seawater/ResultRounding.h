// Rounding of a converted specific gravity to the five decimals the display shows.
#pragma once

// Rounds half up at the fifth decimal by truncating g x 100000 + 0.5 into a
// signed 32-bit integer n and returning n x 0.00001 (a multiple of 1e-5).
//   g: specific gravity as the library returns it, dimensionless
//   result: the rounded value; a quiet NaN when g is NaN or g x 100000 + 0.5
//           does not fit a signed 32-bit integer (|g| above about 21474.8),
//           which the display shows as its error pattern
double RoundToFiveDecimals(double g);
