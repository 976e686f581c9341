// The digit display on the seven picture controls of the main window.
#pragma once
#include "DigitDisplay.h"
#include <Afxwin.h>

class CDigitPlaces : public CDigitDisplay
{
public:
    // ppPlace: the window's seven place pointers, slot 0 rightmost.
    explicit CDigitPlaces(CWnd* const* ppPlace);
    ~CDigitPlaces() override;

protected:
    bool IsBound(int nSlot) const override;
    // Loads the glyph and hands it to the place; the image it replaces is released.
    void SetGlyph(int nSlot, UINT nGlyph) override;

private:
    CWnd* const* m_ppPlace;
    HBITMAP m_hShown[PLACES]; // the glyph each place shows, owned
};
