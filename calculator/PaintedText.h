// The texts the skinned windows paint over their backgrounds.
#pragma once
#include "CString.h"

#include <vector>

// d in fixed notation with nDecimals decimals, rounded, with a leading minus
// for negative values: 24.0 and 1 give "24.0", 1.02 and 3 give "1.020".
CString FormatFixed(double d, int nDecimals);

// One text and the control whose box it is painted into.
struct CPaintedLabel
{
    UINT nIDBox;     // hidden static control of the template
    CString strText; // code page 932 bytes
};

// The settings dialog's labels in painting order: the salinity's name, its
// unit put into the unit format (the program's "[%s]", which takes one text),
// then the fixed names and units of the other three settings.
std::vector<CPaintedLabel> OptionDialogLabels(LPCSTR pszSalinity, LPCSTR pszPermille, LPCSTR pszUnitFormat);
