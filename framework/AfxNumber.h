// The text form of numbers in edit controls: written short enough to give
// back what the user typed, read as plain decimal numbers only.
#pragma once
#include "CString.h"

// "%.15g" of d; "%.17g" where fifteen digits would not read back as a number.
CString AfxFormatDouble(double d);

// A decimal number with optional blanks (spaces, tabs) around it: an optional
// sign, digits with an optional decimal point, an optional exponent. Anything
// else (empty text, letters, infinities, NaN, hexadecimal, numbers too large
// for a double) is rejected with FALSE and *pd unchanged.
BOOL AfxParseDouble(const char* pszText, double* pd);
