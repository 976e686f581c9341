// The main window run for real in this process, so its system menu, command
// routing and painting can be looked at from inside.
#include "AboutDlg.h"
#include "ConverterDlg.h"
#include "RegistryKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_RUN_CHECK = WM_APP + 1;

// The main window, with a check run once it is up; the check's end closes it.
class CTestConverterDlg : public CConverterDlg
{
public:
    std::function<void(CTestConverterDlg&)> m_check;
    bool m_bWithSystemMenu = false;

    using CConverterDlg::m_dBaseTemp;
    using CConverterDlg::m_dResult;
    using CConverterDlg::m_bBlankDisplay;

protected:
    BOOL OnInitDialog() override
    {
        // Where the platform gives caption-less windows a system menu too.
        if (m_bWithSystemMenu)
            ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU);
        BOOL bFocusFirst = CConverterDlg::OnInitDialog();
        PostMessage(WM_RUN_CHECK);
        return bFocusFirst;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_RUN_CHECK && pMsg->hwnd == m_hWnd)
        {
            if (m_check)
                m_check(*this);
            EndDialog(IDCANCEL);
            return TRUE;
        }
        return CConverterDlg::PreTranslateMessage(pMsg);
    }
};

void RunDialog(const std::function<void(CTestConverterDlg&)>& check, bool bWithSystemMenu = false)
{
    CTestConverterDlg dlg;
    dlg.m_check = check;
    dlg.m_bWithSystemMenu = bWithSystemMenu;
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
}

std::string MenuText(HMENU hMenu, int nPos)
{
    char text[256] = "";
    ::GetMenuStringA(hMenu, static_cast<UINT>(nPos), text, sizeof(text), MF_BYPOSITION);
    return text;
}

// Windows of this thread that a modal loop may show, with their captions.
std::vector<HWND> ThreadDialogs()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        char cls[32];
        ::GetClassNameA(hWnd, cls, sizeof(cls));
        if (std::string(cls) == "#32770" && ::IsWindowVisible(hWnd))
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// Code page 932 bytes of "Varnokのﾊﾞｰｼﾞｮﾝ情報", the About box's caption.
const char ABOUT_CAPTION[] = "Varnok\x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1";

std::vector<std::string> g_aboutSeen;

// Runs inside the About box's modal loop: notes its caption and closes it.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    for (HWND hWnd : ThreadDialogs())
    {
        char caption[256] = "";
        ::GetWindowTextA(hWnd, caption, sizeof(caption));
        if (std::string(caption) == ABOUT_CAPTION)
        {
            g_aboutSeen.push_back(caption);
            ::KillTimer(nullptr, idEvent);
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
    }
}

bool OpensAboutBox(CTestConverterDlg& dlg, UINT nCommand)
{
    g_aboutSeen.clear();
    UINT_PTR idTimer = ::SetTimer(nullptr, 0, 50, CloseAboutBox);
    // A deadline for a command that opens nothing: the handler returns at once.
    dlg.SendMessage(WM_SYSCOMMAND, nCommand, 0);
    ::KillTimer(nullptr, idTimer);
    return !g_aboutSeen.empty();
}

class ConverterDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\brenmoor\\Varnok"); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\brenmoor\\Varnok"); }
};

TEST_F(ConverterDlgTest, SystemMenuEndsWithTheAboutEntry)
{
    RunDialog([](CTestConverterDlg& dlg) {
        HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        ASSERT_NE(hMenu, nullptr);
        int nCount = ::GetMenuItemCount(hMenu);
        ASSERT_GE(nCount, 2);
        EXPECT_EQ(::GetMenuState(hMenu, static_cast<UINT>(nCount - 2), MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(::GetMenuItemID(hMenu, nCount - 1), 16u);
        // "Tervane のﾊﾞｰｼﾞｮﾝ情報(&A)..." in code page 932.
        EXPECT_EQ(MenuText(hMenu, nCount - 1), "Tervane \x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)...");
    }, true);
}

// The window as its template makes it has no system menu here; it starts all the same.
TEST_F(ConverterDlgTest, WithoutASystemMenuTheWindowStartsWithoutTheEntry)
{
    RunDialog([](CTestConverterDlg& dlg) {
        HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        if (hMenu != nullptr)
            GTEST_SKIP() << "this platform gives every window a system menu";
        char caption[64] = "";
        ::GetWindowTextA(dlg.m_hWnd, caption, sizeof(caption));
        EXPECT_STREQ(caption, "Tervane") << "initialisation went on past the menu";
    });
}

TEST_F(ConverterDlgTest, EverySystemCommandFrom0x10To0x1FOpensTheAboutBox)
{
    RunDialog([](CTestConverterDlg& dlg) {
        for (UINT nCommand : { 0x10u, 0x13u, 0x1Fu })
        {
            EXPECT_TRUE(OpensAboutBox(dlg, nCommand)) << std::hex << nCommand;
            EXPECT_TRUE(dlg.IsWindowEnabled()) << "the main window takes input again";
        }
        EXPECT_FALSE(OpensAboutBox(dlg, 0x20u));
    });
}

TEST_F(ConverterDlgTest, CommandsFromAcceleratorsRouteLikeClicks)
{
    RunDialog([](CTestConverterDlg& dlg) {
        // Enter's command: as from an accelerator, no control.
        ::SetWindowTextA(::GetDlgItem(dlg.m_hWnd, IDC_EDIT_WATERTEMP), "24");
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CALC, 1), 0);
        EXPECT_EQ(dlg.m_bBlankDisplay, 0);
        EXPECT_DOUBLE_EQ(dlg.m_dResult, 1.024);

        // Ctrl+P's command toggles the box; Ctrl+E's puts the focus into the edit.
        HWND hBox = ::GetDlgItem(dlg.m_hWnd, IDC_POTENTIAL);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_POTENTIAL, 1), 0);
        EXPECT_EQ(::SendMessageA(hBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDC_CALC));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT_WATERTEMP, 1), 0);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_EDIT_WATERTEMP));

        // The edit's own notifications are not Ctrl+E.
        ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDC_CALC));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT_WATERTEMP, EN_CHANGE),
                        reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDC_EDIT_WATERTEMP)));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_CALC));
    });
}

// The window's own pixels in the box of control nID, taken from its device context.
std::vector<COLORREF> BoxPixels(HWND hWnd, int nID, int nExtraWidth)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hWnd, nID), &rc);
    ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rc), 2);
    std::vector<COLORREF> pixels;
    HDC hDC = ::GetDC(hWnd);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right + nExtraWidth; ++x)
            pixels.push_back(::GetPixel(hDC, x, y));
    ::ReleaseDC(hWnd, hDC);
    return pixels;
}

TEST_F(ConverterDlgTest, BaseValuesArePaintedInTheLabelColourAndFollowTheSettings)
{
    RunDialog([](CTestConverterDlg& dlg) {
        ::UpdateWindow(dlg.m_hWnd);
        std::vector<COLORREF> before = BoxPixels(dlg.m_hWnd, IDC_VALUE_BASE_TEMP, 20);
        size_t nInk = 0;
        for (COLORREF c : before)
            nInk += c == RGB(10, 0, 100);
        EXPECT_GT(nInk, 10u) << "the text of 24.0 in the label colour";

        dlg.m_dBaseTemp = -1.5;
        dlg.InvalidateRect(nullptr, TRUE);
        ::UpdateWindow(dlg.m_hWnd);
        EXPECT_NE(BoxPixels(dlg.m_hWnd, IDC_VALUE_BASE_TEMP, 20), before) << "-1.5 is painted instead";
    });
}

} // namespace
