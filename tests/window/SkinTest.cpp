// The two skinned windows as they stand: cut out by the colour key, holding
// their own background, and laid out by their templates' font so that every
// control sits on the painted panel.
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <cstdio>
#include <vector>

namespace {

const DWORD KEY_PIXEL = 0x00FFFF00; // pure yellow as a 32-bit DIB pixel

template <class TDialog>
class CLiveSkinnedDlg : public CLiveDialog<TDialog>
{
public:
    using TDialog::m_hBackground;
};

// Layered with the yellow key; every visible control lies on the panel of the
// background, painted at the client origin, and above the outline's bottom rows.
void ExpectSkin(HWND hDlg, HBITMAP hBackground, int nWidth, int nHeight)
{
    EXPECT_NE(::GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    COLORREF crKey = 0;
    DWORD nFlags = 0;
    EXPECT_TRUE(::GetLayeredWindowAttributes(hDlg, &crKey, nullptr, &nFlags));
    EXPECT_EQ(crKey, RGB(255, 255, 0));
    EXPECT_EQ(nFlags, static_cast<DWORD>(LWA_COLORKEY));

    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(nWidth * nHeight));
    HDC hDC = ::GetDC(nullptr);
    int nRows = ::GetDIBits(hDC, hBackground, 0, static_cast<UINT>(nHeight), pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    ASSERT_EQ(nRows, nHeight);
    auto pixel = [&](int x, int y) { return pixels[static_cast<size_t>(y * nWidth + x)] & 0x00FFFFFF; };

    // Up the middle column: the key below the panel, then the outline's rows.
    int nFrameTop = nHeight - 1;
    while (nFrameTop > 0 && pixel(nWidth / 2, nFrameTop) == KEY_PIXEL)
        --nFrameTop;
    while (nFrameTop > 0 && pixel(nWidth / 2, nFrameTop - 1) == pixel(nWidth / 2, nFrameTop))
        --nFrameTop;

    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
    {
        if ((::GetWindowLongA(hCtrl, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        RECT rc;
        ::GetWindowRect(hCtrl, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        int nOffPanel = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nOffPanel += x < 0 || y < 0 || x >= nWidth || y >= nHeight || pixel(x, y) == KEY_PIXEL;
        EXPECT_EQ(nOffPanel, 0) << "control " << ::GetDlgCtrlID(hCtrl) << " at (" << rc.left << ", " << rc.top
                                << ")-(" << rc.right << ", " << rc.bottom << ")";
        EXPECT_LE(rc.bottom, nFrameTop) << "control " << ::GetDlgCtrlID(hCtrl) << " covers the bottom outline";
    }
}

TEST(Skin, MainWindowIsCutOutAndItsFontFitsThePanel)
{
    CLiveSkinnedDlg<CConverterDlg> dlg;
    dlg.Then([&] {
        // The templates were laid out for base units of 7 x 12 pixels.
        RECT rcUnits = {0, 0, 4, 8};
        ::MapDialogRect(dlg.m_hWnd, &rcUnits);
        std::printf("dialog base units: %ld x %ld pixels\n", rcUnits.right, rcUnits.bottom);
        EXPECT_EQ(rcUnits.right, 7);
        EXPECT_EQ(rcUnits.bottom, 12);
        ExpectSkin(dlg.m_hWnd, dlg.m_hBackground, 228, 172);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST(Skin, SettingsDialogIsCutOutAndItsFontFitsThePanel)
{
    CLiveSkinnedDlg<COptionDlg> dlg;
    dlg.Then([&] {
        ExpectSkin(dlg.m_hWnd, dlg.m_hBackground, 209, 172);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST(Skin, TheDialogOwnsItsBackground)
{
    HBITMAP hReplacement = ::CreateBitmap(8, 8, 1, 32, nullptr);
    {
        CLiveSkinnedDlg<COptionDlg> dlg;
        dlg.Then([&] {
            HBITMAP hLoaded = dlg.m_hBackground;
            ASSERT_EQ(::GetObjectType(hLoaded), static_cast<DWORD>(OBJ_BITMAP));
            EXPECT_TRUE(dlg.SetBackground(hReplacement));
            EXPECT_EQ(::GetObjectType(hLoaded), 0u) << "the former background is freed";
            dlg.SendMessage(WM_ERASEBKGND, 0, 0); // no device context: nothing to copy to
            dlg.EndDialog(IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(::GetObjectType(hReplacement), static_cast<DWORD>(OBJ_BITMAP)) << "it outlives the window";
    }
    EXPECT_EQ(::GetObjectType(hReplacement), 0u) << "freed with the dialog";
}

} // namespace
