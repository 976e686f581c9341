// The two skinned windows as they stand: cut out by the colour key, and laid out by their templates' font so that
// every control sits on the painted panel.
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

namespace {

const COLORREF KEY = RGB(255, 255, 0);

template <class TDialog>
struct CLiveSkinnedDlg : CLiveDialog<TDialog>
{
    using TDialog::m_hBackground;
};

template <class TDialog>
void ExpectSkinned()
{
    CLiveSkinnedDlg<TDialog> dlg;
    dlg.Then([&] {
        COLORREF crKey = 0;
        DWORD nFlags = 0;
        EXPECT_TRUE(::GetLayeredWindowAttributes(dlg.m_hWnd, &crKey, nullptr, &nFlags));
        EXPECT_EQ(crKey, KEY);
        EXPECT_EQ(nFlags, static_cast<DWORD>(LWA_COLORKEY));
        // The templates were laid out for base units of 7 x 12 pixels in Japanese, 7 x 14 in English.
        RECT rcUnits = {0, 0, 4, 8};
        ::MapDialogRect(dlg.m_hWnd, &rcUnits);
        EXPECT_EQ(rcUnits.right, 7);
        EXPECT_EQ(rcUnits.bottom, PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE ? 12 : 14);

        // Every visible control lies on the panel of the background, painted at the client origin, and above the
        // outline's bottom rows, found up the middle column: the key below the panel, then the outline's rows.
        BITMAP bm = {};
        ::GetObjectA(dlg.m_hBackground, sizeof bm, &bm);
        HDC hDC = ::CreateCompatibleDC(nullptr);
        ::SelectObject(hDC, dlg.m_hBackground); // until the DC goes
        int xMiddle = bm.bmWidth / 2, nFrameTop = bm.bmHeight - 1;
        while (nFrameTop > 0 && ::GetPixel(hDC, xMiddle, nFrameTop) == KEY)
            --nFrameTop;
        while (nFrameTop > 0 && ::GetPixel(hDC, xMiddle, nFrameTop - 1) == ::GetPixel(hDC, xMiddle, nFrameTop))
            --nFrameTop;
        for (HWND hCtrl = ::GetWindow(dlg.m_hWnd, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
        {
            if ((::GetWindowLongA(hCtrl, GWL_STYLE) & WS_VISIBLE) == 0)
                continue;
            RECT rc;
            ::GetWindowRect(hCtrl, &rc);
            ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
            int nOffPanel = 0;
            for (int y = rc.top; y < rc.bottom; ++y)
                for (int x = rc.left; x < rc.right; ++x)
                    nOffPanel += x < 0 || y < 0 || x >= bm.bmWidth || y >= bm.bmHeight || ::GetPixel(hDC, x, y) == KEY;
            EXPECT_EQ(nOffPanel, 0) << "control " << ::GetDlgCtrlID(hCtrl) << " at " << rc.left << ", " << rc.top;
            EXPECT_LE(rc.bottom, nFrameTop) << "control " << ::GetDlgCtrlID(hCtrl) << " covers the bottom outline";
        }
        ::DeleteDC(hDC);

        dlg.SendMessage(WM_ERASEBKGND, 0, 0); // no device context: nothing to copy to, and no crash
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST(Skin, MainWindowIsCutOutAndItsFontFitsThePanel) { ExpectSkinned<CConverterDlg>(); }
TEST(Skin, SettingsDialogIsCutOutAndItsFontFitsThePanel) { ExpectSkinned<COptionDlg>(); }

} // namespace
