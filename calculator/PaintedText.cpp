#include "PaintedText.h"
#include "resource.h"

#include <string>

CString FormatFixed(double d, int nDecimals)
{
    CString text;
    text.Format("%.*f", nDecimals, d);
    return text;
}

CString FillFormat(LPCSTR pszFormat, LPCSTR pszText)
{
    std::string filled;
    for (const char* p = pszFormat; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] == 's')
            filled += pszText;
        else if (p[0] == '%' && p[1] == '%')
            filled += '%';
        else
        {
            filled += *p;
            continue;
        }
        ++p;
    }
    return CString(filled.c_str());
}

std::vector<CPaintedLabel> MainWindowLabels(const std::function<CString(UINT)>& loadString, double dBaseTemp,
                                            double dBaseGravity)
{
    return {
        {IDC_LABEL_BASE, loadString(IDS_BASE)},
        {IDC_LABEL_WATERTEMP, loadString(IDS_WATERTEMP)},
        {IDC_LABEL_DEGREE, loadString(IDS_CELSIUS)},
        {IDC_LABEL_GRAVITY, loadString(IDS_GRAVITY)},
        {IDC_VALUE_BASE_TEMP, FormatFixed(dBaseTemp, 1)},
        {IDC_VALUE_BASE_GRAVITY, FormatFixed(dBaseGravity, 3)},
        {IDC_LABEL_POTENTIAL, loadString(IDS_POTENTIAL)},
    };
}

std::vector<CPaintedLabel> OptionDialogLabels(const std::function<CString(UINT)>& loadString)
{
    const CString unitFormat = loadString(IDS_UNIT_FORMAT);
    const CString baseFormat = loadString(IDS_BASE_FORMAT);
    return {
        {IDC_LABEL_SALINITY, loadString(IDS_SALINITY)},
        {IDC_LABEL_PERMILLE, FillFormat(unitFormat, loadString(IDS_PERMILLE))},
        {IDC_LABEL_BASE_TEMP, FillFormat(baseFormat, loadString(IDS_WATERTEMP))},
        {IDC_LABEL_CELSIUS, FillFormat(unitFormat, loadString(IDS_CELSIUS))},
        {IDC_LABEL_DEPTH, loadString(IDS_DEPTH)},
        {IDC_LABEL_METRE, FillFormat(unitFormat, loadString(IDS_METRE))},
        {IDC_LABEL_BASE_GRAVITY, FillFormat(baseFormat, loadString(IDS_GRAVITY))},
    };
}
