#include "DisplayedResult.h"

void CDisplayedResult::Calculated(double dResult)
{
    m_dResult = dResult;
    m_bBlank = false;
}

void CDisplayedResult::ShowOn(CDigitDisplay& display) const
{
    if (m_bBlank)
        display.ClearDisplay();
    else
        display.ShowResult(m_dResult);
}
