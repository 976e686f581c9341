// The texts the skinned windows paint over their backgrounds.
#pragma once
#include "CString.h"

#include <functional>
#include <vector>

// d in fixed notation with nDecimals decimals, rounded, with a leading minus
// for negative values: 24.0 and 1 give "24.0", 1.02 and 3 give "1.020".
CString FormatFixed(double d, int nDecimals);

// pszFormat with each "%s" replaced by pszText and each "%%" by "%". The
// program's formats take one text; nothing else in a translated format is
// read as a printf conversion.
CString FillFormat(LPCSTR pszFormat, LPCSTR pszText);

// One text and the control whose box it is painted into.
struct CPaintedLabel
{
    UINT nIDBox;     // hidden static control of the template
    CString strText; // in the user's code page
};

// The main window's texts in painting order, made from the program's strings
// (loadString(id)) and the two base values: the word for base, the water
// temperature's word, the degree sign, the word for specific gravity, the base
// temperature with one decimal, the base gravity with three, then the
// potential-density box's label.
//   dBaseTemp     base water temperature [degC]
//   dBaseGravity  specific gravity read at the base temperature
std::vector<CPaintedLabel> MainWindowLabels(const std::function<CString(UINT)>& loadString, double dBaseTemp,
                                            double dBaseGravity);

// The settings dialog's labels in painting order, made from the program's
// strings (loadString(id)): the salinity's name, then its unit in the unit
// format; the base temperature's name (the main window's word for water
// temperature in the base format) and its unit; the depth's name and unit;
// the base gravity's name (the word for specific gravity in the base format).
std::vector<CPaintedLabel> OptionDialogLabels(const std::function<CString(UINT)>& loadString);
