// The digit display on the seven picture controls of the main window.
#pragma once
#include "DigitDisplay.h"
#include <Afxwin.h>

#include <map>

class CDigitPlaces : public CDigitDisplay
{
public:
    // ppPlace: the window's seven place pointers, slot 0 rightmost.
    explicit CDigitPlaces(CWnd* const* ppPlace);
    ~CDigitPlaces() override;

protected:
    bool IsBound(int nSlot) const override;
    void SetGlyph(int nSlot, UINT nGlyph) override;

private:
    HBITMAP GetGlyph(UINT nGlyph);

    CWnd* const* m_ppPlace;
    std::map<UINT, HBITMAP> m_glyphs; // each glyph loaded once, released with the display
};
