#include "PaintedText.h"
#include "resource.h"

CString FormatFixed(double d, int nDecimals)
{
    CString text;
    text.Format("%.*f", nDecimals, d);
    return text;
}

std::vector<CPaintedLabel> OptionDialogLabels(LPCSTR pszSalinity, LPCSTR pszPermille, LPCSTR pszUnitFormat)
{
    CString salinityUnit;
    salinityUnit.Format(pszUnitFormat, pszPermille);

    // The other labels are drawn as fixed code page 932 bytes: 基準水温, [℃],
    // 水深, [ｍ] and 基準比重.
    return {
        {IDC_LABEL_SALINITY, pszSalinity},
        {IDC_LABEL_PERMILLE, salinityUnit},
        {IDC_LABEL_BASE_TEMP, "\x8a\xee\x8f\x80\x90\x85\x89\xb7"},
        {IDC_LABEL_CELSIUS, "[\x81\x8e]"},
        {IDC_LABEL_DEPTH, "\x90\x85\x90\x5b"},
        {IDC_LABEL_METRE, "[\x82\x8d]"},
        {IDC_LABEL_BASE_GRAVITY, "\x8a\xee\x8f\x80\x94\xe4\x8f\x64"},
    };
}
