// The seven-place glyph display of the main window, apart from its windows.
#pragma once
#include "AfxTypes.h"

// Chooses the glyph of each place; a subclass binds the places to windows.
// Slot 0 is the rightmost place, slot 6 the leftmost.
class CDigitDisplay
{
public:
    enum { PLACES = 7 };

    virtual ~CDigitDisplay() = default;

    // Shows dResult with one units digit, the point and five decimals; the
    // error pattern unless 0.0 <= dResult < 10.0 or when the text would not fit.
    void ShowResult(double dResult);
    // One digit's glyph in slot nSlot; a longer number shows its leading digit.
    void ShowDigit(int nSlot, int nValue);
    // Blanks the display, then minus in slots 0 and 2 and E in slot 1.
    void ShowError();
    // Blank everywhere, as before the first calculation; an unbound place is passed over.
    void ClearDisplay();

    // Bitmap id for the leading decimal digit of |nValue|.
    static UINT GlyphForDigit(int nValue);

protected:
    // TRUE once nSlot (0..6) has a place to show glyphs in.
    virtual bool IsBound(int nSlot) const = 0;
    // Makes bound place nSlot show bitmap nGlyph.
    virtual void SetGlyph(int nSlot, UINT nGlyph) = 0;

private:
    // SetGlyph for a slot in range and bound; any other slot is passed over.
    void PutGlyph(int nSlot, UINT nGlyph);
};
