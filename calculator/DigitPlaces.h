// The digit display on the seven picture controls of the main window.
#pragma once
#include "DigitDisplay.h"
#include <Afxwin.h>

#include <map>

class CDigitPlaces : public CDigitDisplay
{
public:
    // ppPlace: the window's seven place pointers, in slot order.
    explicit CDigitPlaces(CWnd* const* ppPlace);
    ~CDigitPlaces() override;

    // Hands each place the last glyph chosen for it, where it shows another:
    // a place blanked and given a digit within one pattern changes once.
    void Apply();

protected:
    bool IsBound(int nSlot) const override;
    void SetGlyph(int nSlot, UINT nGlyph) override;

private:
    HBITMAP GetGlyph(UINT nGlyph);

    CWnd* const* m_ppPlace;
    UINT m_nChosen[PLACES];            // glyph id chosen for each place
    UINT m_nShown[PLACES];             // glyph id each place shows; the blank at first, from its template
    bool m_bTemplateImage[PLACES];     // the place still shows the image its template loaded, ours to delete
    std::map<UINT, HBITMAP> m_glyphs;  // each glyph loaded once, released with the display
};
