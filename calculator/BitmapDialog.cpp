#include "BitmapDialog.h"

PFN_SET_LAYERED_WINDOW_ATTRIBUTES g_pfnSetLayeredWindowAttributes = nullptr;

BEGIN_MESSAGE_MAP(CBitmapDialog, CDialog)
    ON_WM(WM_LBUTTONDOWN, OnLButtonDown) // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM(WM_ERASEBKGND, OnEraseBkgnd)   // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM(WM_SIZE, OnSize)               // void OnSize(UINT nType, int cx, int cy)
END_MESSAGE_MAP()

CBitmapDialog::CBitmapDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd),
      m_bDraggable(1),
      m_hBackground(nullptr),
      m_nBkWidth(0),
      m_nBkHeight(0),
      m_nDrawMode(DRAW_ORIGIN)
{
    // Looked up, not linked, so the program still runs where it is missing. An
    // export's address comes untyped; void (*)() converts to its own type.
    HMODULE hUser32 = ::GetModuleHandleA("USER32.DLL");
    FARPROC pfnExport = hUser32 != nullptr ? ::GetProcAddress(hUser32, "SetLayeredWindowAttributes") : nullptr;
    g_pfnSetLayeredWindowAttributes =
        reinterpret_cast<PFN_SET_LAYERED_WINDOW_ATTRIBUTES>(reinterpret_cast<void (*)()>(pfnExport));
}

CBitmapDialog::~CBitmapDialog()
{
    FreeBackground();
}

// A skinned window exchanges nothing of its own; the derived windows' do.
void CBitmapDialog::DoDataExchange(CDataExchange*) {}

// The derived windows call this first; the focus always goes to the first tab stop.
BOOL CBitmapDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

void CBitmapDialog::SetDraggable(BOOL bDraggable)
{
    m_bDraggable = bDraggable;
}

BOOL CBitmapDialog::LoadBackground(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(LOWORD(nIDResource));
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, AFX_RT_BITMAP);
    HANDLE hImage = ::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    return SetBackground(static_cast<HBITMAP>(hImage));
}

BOOL CBitmapDialog::SetBackground(HBITMAP hBitmap)
{
    FreeBackground();
    if (hBitmap != nullptr)
    {
        m_hBackground = hBitmap;
        BITMAP bm;
        if (::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        {
            FreeBackground();
            return FALSE;
        }
        m_nBkWidth = static_cast<UINT>(bm.bmWidth);
        m_nBkHeight = static_cast<UINT>(bm.bmHeight);
    }
    if (::IsWindow(m_hWnd))
        InvalidateRect(nullptr, TRUE);
    return TRUE;
}

void CBitmapDialog::FreeBackground()
{
    if (m_hBackground != nullptr)
        ::DeleteObject(m_hBackground);
    m_hBackground = nullptr;
}

void CBitmapDialog::SetDrawMode(int nDrawMode)
{
    m_nDrawMode = nDrawMode;
    if (nDrawMode == DRAW_FIT && m_hBackground != nullptr)
        SetWindowPos(nullptr, 0, 0, static_cast<int>(m_nBkWidth), static_cast<int>(m_nBkHeight),
                     SWP_NOMOVE | SWP_NOOWNERZORDER);
}

BOOL CBitmapDialog::SetTransparent(COLORREF crKey, BOOL bEnable)
{
    if (g_pfnSetLayeredWindowAttributes == nullptr)
        return FALSE;
    LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    if (bEnable)
    {
        ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        g_pfnSetLayeredWindowAttributes(m_hWnd, crKey, 0, LWA_COLORKEY);
    }
    else
    {
        ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
    return TRUE;
}

void CBitmapDialog::LoadSkin(UINT nIDBackground)
{
    SetDraggable(TRUE);
    LoadBackground(nIDBackground); // without its background the window shows the default erase
    SetDrawMode(DRAW_FIT);
    SetTransparent(COLOR_KEY, TRUE); // without layering it stays rectangular; nothing to tell the user
    // The face is painted around the controls, which paint themselves: a repaint
    // of the window (every calculation's) leaves alone the controls it does not change.
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
}

void CBitmapDialog::OnLButtonDown(UINT, CPoint point)
{
    // The caption-drag move loop follows the mouse as if the caption were held.
    if (m_bDraggable)
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    Default();
}

BOOL CBitmapDialog::OnEraseBkgnd(CDC* pDC)
{
    BOOL bErased = static_cast<BOOL>(Default());
    // Without a device to paint on there is nothing to copy to.
    if (m_hBackground == nullptr || pDC == nullptr)
        return bErased;

    CRect rcClient;
    GetClientRect(rcClient);
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = memDC.SelectObject(m_hBackground);
    for (const CBlit& blit : PlanBackground(m_nDrawMode, rcClient.Width(), rcClient.Height(),
                                            static_cast<int>(m_nBkWidth), static_cast<int>(m_nBkHeight)))
    {
        if (blit.bStretch)
            pDC->StretchBlt(blit.x, blit.y, blit.cx, blit.cy, &memDC, 0, 0, blit.cxSrc, blit.cySrc, SRCCOPY);
        else
            pDC->BitBlt(blit.x, blit.y, blit.cx, blit.cy, &memDC, 0, 0, SRCCOPY);
    }
    memDC.SelectObject(hOld);
    RedrawSeeThroughControls();
    return bErased;
}

// The window's clipping leaves out the controls but those that let the face
// show through (WS_EX_TRANSPARENT): the face has just covered them, so they
// draw again over it.
void CBitmapDialog::RedrawSeeThroughControls()
{
    for (HWND hCtrl = ::GetWindow(m_hWnd, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
        if ((::GetWindowLongA(hCtrl, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0 && ::IsWindowVisible(hCtrl))
            ::InvalidateRect(hCtrl, nullptr, FALSE);
}

void CBitmapDialog::OnSize(UINT, int, int)
{
    Default();
    if (m_hBackground != nullptr)
        InvalidateRect(nullptr, TRUE);
}

void CBitmapDialog::LoadButton(CBitmapButton& button, UINT nIDUp, UINT nIDDown, UINT nIDFocus, UINT nIDDisabled)
{
    button.LoadBitmaps(nIDUp, nIDDown, nIDFocus, nIDDisabled); // a missing face is drawn as the up face
    button.SizeToContent();
}

void CBitmapDialog::MoveOnScreen(const CRect& rcWindow, const std::function<CPlacement(int, int, int, int)>& fnPlace)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    const CPlacement place = fnPlace(rcWindow.Width(), rcWindow.Height(), cxScreen, cyScreen);
    MoveWindow(place.x, place.y, rcWindow.Width(), rcWindow.Height(), TRUE);
}
