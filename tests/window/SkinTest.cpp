// The two skinned windows as they stand: cut out by the colour key, laid out
// by their templates' font so that every control sits on the painted panel,
// and holding their own background.
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <map>
#include <set>
#include <tuple>

namespace {

const COLORREF KEY = RGB(255, 255, 0);

template <class TDialog>
class CLiveSkinnedDlg : public CLiveDialog<TDialog>
{
public:
    using TDialog::m_hBackground;
};

// Every visible control lies on the panel of the background, painted at the
// client origin, and above the outline's bottom rows.
void ExpectControlsOnPanel(HWND hDlg, HBITMAP hBackground)
{
    BITMAP bm = {};
    ::GetObjectA(hBackground, sizeof bm, &bm);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBackground);
    // Up the middle column: the key below the panel, then the outline's rows.
    int xMiddle = bm.bmWidth / 2, nFrameTop = bm.bmHeight - 1;
    while (nFrameTop > 0 && ::GetPixel(hDC, xMiddle, nFrameTop) == KEY)
        --nFrameTop;
    while (nFrameTop > 0 && ::GetPixel(hDC, xMiddle, nFrameTop - 1) == ::GetPixel(hDC, xMiddle, nFrameTop))
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
                nOffPanel += x < 0 || y < 0 || x >= bm.bmWidth || y >= bm.bmHeight || ::GetPixel(hDC, x, y) == KEY;
        EXPECT_EQ(nOffPanel, 0) << "control " << ::GetDlgCtrlID(hCtrl) << " at " << rc.left << ", " << rc.top;
        EXPECT_LE(rc.bottom, nFrameTop) << "control " << ::GetDlgCtrlID(hCtrl) << " covers the bottom outline";
    }
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
}

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
        ExpectControlsOnPanel(dlg.m_hWnd, dlg.m_hBackground);

        HBITMAP hLoaded = dlg.m_hBackground;
        EXPECT_TRUE(dlg.SetBackground(::CreateBitmap(8, 8, 1, 32, nullptr)));
        EXPECT_EQ(::GetObjectType(hLoaded), 0u) << "the former background is freed";
        dlg.SendMessage(WM_ERASEBKGND, 0, 0); // no device context: nothing to copy to
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST(Skin, MainWindowIsCutOutAndItsFontFitsThePanel) { ExpectSkinned<CConverterDlg>(); }
TEST(Skin, SettingsDialogIsCutOutAndItsFontFitsThePanel) { ExpectSkinned<COptionDlg>(); }

// Each visible control of a template in the language's own block, by id: its rectangle in client pixels.
std::map<int, RECT> VisibleControls(UINT nIDTemplate, LANGID language)
{
    HMODULE hModule = ::GetModuleHandleA(nullptr);
    HRSRC hResource = ::FindResourceExA(hModule, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(nIDTemplate), language);
    const auto* pTemplate = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(hModule, hResource)));
    HWND hDlg = ::CreateDialogIndirectParamA(hModule, pTemplate, nullptr,
                                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    std::map<int, RECT> controls;
    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
    {
        RECT rc;
        ::GetWindowRect(hCtrl, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        if (::GetWindowLongA(hCtrl, GWL_STYLE) & WS_VISIBLE)
            controls[::GetDlgCtrlID(hCtrl)] = rc;
    }
    ::DestroyWindow(hDlg);
    return controls;
}

// The English templates put every visible control on the pixels of the Japanese layout, where the skins expect
// it, but for the rows no whole unit of the English font reaches: those stand one pixel higher.
TEST(Skin, EnglishControlsStandWhereTheJapaneseOnesDo)
{
    const struct { UINT nIDTemplate; std::set<int> higher; } rows[] = {
        {IDD_CONVERTER_DIALOG, {IDC_OPTION, IDCANCEL}},
        {IDD_OPTION_DIALOG, {IDC_EDIT_BASE_TEMP, IDC_EDIT_BASE_GRAVITY}},
    };
    for (const auto& row : rows)
    {
        const auto japanese = VisibleControls(row.nIDTemplate, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
        const auto english = VisibleControls(row.nIDTemplate, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        ASSERT_EQ(english.size(), japanese.size()) << row.nIDTemplate;
        ASSERT_FALSE(japanese.empty()) << row.nIDTemplate;
        for (const auto& [nID, rc] : japanese)
        {
            const RECT& en = english.at(nID);
            const int dy = row.higher.count(nID) ? -1 : 0;
            EXPECT_EQ(std::make_tuple(en.left, en.top, en.right, en.bottom),
                      std::make_tuple(rc.left, rc.top + dy, rc.right, rc.bottom + dy))
                << "control " << nID << " of template " << row.nIDTemplate;
        }
    }
}

} // namespace
