// A 32-bit top-down DIB section in its own memory device context, so that
// whatever a window paints into it can be read back pixel by pixel exactly.
#pragma once
#include <windows.h>

#include <string>

class CCanvas
{
public:
    CCanvas(int nWidth, int nHeight, COLORREF crFill);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    HDC GetDC() const { return m_hDC; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    void Fill(COLORREF cr);
    COLORREF At(int x, int y) const;
    // Copies the bitmap in at (0, 0) through a second memory context.
    void CopyFrom(HBITMAP hBitmap);
    // Copies the screen from (xScreen, yScreen) in at (0, 0).
    void CaptureScreen(int xScreen, int yScreen);

    // The first pixel where the two differ, described, or empty when alike.
    std::string FirstDifference(const CCanvas& other) const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    DWORD* m_pBits = nullptr; // 0x00RRGGBB, top row first
};

// "(r, g, b)" of a colour, for messages.
std::string ColorText(COLORREF cr);
