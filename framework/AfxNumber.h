// The text form of numbers in edit controls: written short enough to give
// back what the user typed, read as plain decimal numbers only.
#pragma once
#include "CString.h"

// d in the shortest of "%.15g", "%.16g" and "%.17g" that reads back as d.
CString AfxFormatDouble(double d);

// A decimal number with optional blanks (spaces, tabs) around it: an optional
// sign, digits with an optional decimal point, an optional exponent. Anything
// else (empty text, letters, infinities, NaN, hexadecimal, numbers too large
// for a double) is rejected with FALSE and *pd unchanged.
BOOL AfxParseDouble(const char* pszText, double* pd);
