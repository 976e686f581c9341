#include "SkinTestDialog.h"

#include "support/Canvas.h"

const COLORREF SkinnedDialog::kUntouched = RGB(1, 2, 3);

COLORREF CoordinateColor(int x, int y)
{
    return RGB(40 + 4 * x, 50 + 5 * y, 90);
}

HBITMAP CreateCoordinateBitmap(int nWidth, int nHeight)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    DWORD* pPixel = static_cast<DWORD*>(pBits);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
        {
            COLORREF cr = CoordinateColor(x, y);
            *pPixel++ = (static_cast<DWORD>(GetRValue(cr)) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
        }
    return hBitmap;
}

void SetClientSize(HWND hWnd, int cx, int cy)
{
    RECT rc = {0, 0, cx, cy};
    ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

HBITMAP LoadProgramBitmap(UINT nID)
{
    return static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

bool HasUpdateRegion(HWND hWnd)
{
    return ::GetUpdateRect(hWnd, nullptr, FALSE) != FALSE;
}

void SkinnedDialog::RunWith(std::function<void()> fnBody)
{
    CModalScript script;
    script.Do([&] {
        fnBody();
        m_dlg.EndDialog(IDCANCEL);
    });
    script.Run(m_dlg);
}

LRESULT SkinnedDialog::EraseInto(CCanvas& canvas)
{
    canvas.Fill(kUntouched);
    return ::SendMessageA(m_dlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.GetDC()), 0);
}
