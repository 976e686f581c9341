// What the main window's display shows from one paint to the next.
#pragma once
#include "DigitDisplay.h"

// Blank until the first Calc, then the result of the last one. The window
// paints it again on every paint of its own and decides nothing itself.
class CDisplayedResult
{
public:
    // A Calc, its text accepted or refused alike (a refused text converts the
    // last accepted temperature): from now on the display shows dResult.
    //   dResult  specific gravity, a multiple of 0.00001, or NaN
    void Calculated(double dResult);
    // Puts it on the places: every place blank before the first Calc, then
    // the result as the display writes it (zero as 0.00000, not as the blank;
    // anything outside [0, 10) as the error pattern).
    void ShowOn(CDigitDisplay& display) const;
    // True until the first Calc.
    bool IsBlank() const { return m_bBlank; }

private:
    bool m_bBlank = true;   // no Calc yet
    double m_dResult = 0.0; // the last Calc's specific gravity; shown once m_bBlank is false
};
