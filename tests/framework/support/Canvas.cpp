#include "Canvas.h"

#include <cstdio>

CCanvas::CCanvas(int nWidth, int nHeight, COLORREF crFill) : m_nWidth(nWidth), m_nHeight(nHeight)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    Fill(crFill);
}

CCanvas::~CCanvas()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    ::DeleteObject(m_hBitmap);
}

void CCanvas::Fill(COLORREF cr)
{
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    RECT rc = {0, 0, m_nWidth, m_nHeight};
    ::FillRect(m_hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
}

COLORREF CCanvas::At(int x, int y) const
{
    ::GdiFlush();
    DWORD n = m_pBits[static_cast<size_t>(y) * static_cast<size_t>(m_nWidth) + static_cast<size_t>(x)];
    return RGB((n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF);
}

void CCanvas::CopyFrom(HBITMAP hBitmap)
{
    HDC hSource = ::CreateCompatibleDC(m_hDC);
    HGDIOBJ hOld = ::SelectObject(hSource, hBitmap);
    ::BitBlt(m_hDC, 0, 0, m_nWidth, m_nHeight, hSource, 0, 0, SRCCOPY);
    ::SelectObject(hSource, hOld);
    ::DeleteDC(hSource);
}

void CCanvas::CaptureScreen(int xScreen, int yScreen)
{
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(m_hDC, 0, 0, m_nWidth, m_nHeight, hScreen, xScreen, yScreen, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
}

std::string CCanvas::FirstDifference(const CCanvas& other) const
{
    if (other.m_nWidth != m_nWidth || other.m_nHeight != m_nHeight)
        return "sizes differ";
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            if (At(x, y) != other.At(x, y))
            {
                char sz[64];
                std::snprintf(sz, sizeof sz, "at (%d, %d): ", x, y);
                return sz + ColorText(At(x, y)) + " against " + ColorText(other.At(x, y));
            }
    return std::string();
}

std::string ColorText(COLORREF cr)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "(%d, %d, %d)", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return sz;
}
