// Colour-key transparency: the layered style and attributes the window gets,
// switching back, the platform function looked up at construction, and what
// the screen shows through the yellow corners of the settings background.
#include "SkinTestDialog.h"

#include "support/Canvas.h"

#include <string>
#include <vector>

namespace {

const COLORREF kYellow = RGB(255, 255, 0); // the backgrounds' colour key, 0x00FFFF
const COLORREF kBackdrop = RGB(200, 0, 200);

bool IsLayered(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

PFN_SET_LAYERED_WINDOW_ATTRIBUTES PlatformFunction()
{
    return reinterpret_cast<PFN_SET_LAYERED_WINDOW_ATTRIBUTES>(
        ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetLayeredWindowAttributes"));
}

class Transparency : public SkinnedDialog
{
};

TEST_F(Transparency, ConstructionLooksUpThePlatformFunction)
{
    ASSERT_NE(PlatformFunction(), nullptr);
    g_pfnSetLayeredWindowAttributes = nullptr;
    CSkinTestDlg dlg;
    EXPECT_EQ(g_pfnSetLayeredWindowAttributes, PlatformFunction());
}

TEST_F(Transparency, EnablingLayersTheWindowWithTheColourKey)
{
    RunWith([&] {
        ASSERT_FALSE(IsLayered(m_dlg));
        EXPECT_TRUE(m_dlg.SetTransparent(kYellow, TRUE));
        EXPECT_TRUE(IsLayered(m_dlg));
        COLORREF crKey = 0;
        BYTE nAlpha = 0;
        DWORD nFlags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(m_dlg, &crKey, &nAlpha, &nFlags));
        EXPECT_EQ(crKey, 0x00FFFFu);
        EXPECT_EQ(nFlags, static_cast<DWORD>(LWA_COLORKEY));
    });
}

TEST_F(Transparency, DisablingRemovesTheLayerAndRedraws)
{
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetTransparent(kYellow, TRUE));
        ::ValidateRect(m_dlg, nullptr);
        EXPECT_TRUE(m_dlg.SetTransparent(kYellow, FALSE));
        EXPECT_FALSE(IsLayered(m_dlg));
        EXPECT_TRUE(HasUpdateRegion(m_dlg));
    });
}

TEST_F(Transparency, DisablingANeverLayeredWindowSucceedsAndRedraws)
{
    RunWith([&] {
        ASSERT_FALSE(IsLayered(m_dlg));
        ::ValidateRect(m_dlg, nullptr);
        EXPECT_TRUE(m_dlg.SetTransparent(kYellow, FALSE));
        EXPECT_FALSE(IsLayered(m_dlg));
        EXPECT_TRUE(HasUpdateRegion(m_dlg));
    });
}

TEST_F(Transparency, WithoutThePlatformFunctionNothingChanges)
{
    RunWith([&] {
        PFN_SET_LAYERED_WINDOW_ATTRIBUTES pfnSaved = g_pfnSetLayeredWindowAttributes;
        g_pfnSetLayeredWindowAttributes = nullptr;
        LONG nExStyle = ::GetWindowLongA(m_dlg, GWL_EXSTYLE);
        ::ValidateRect(m_dlg, nullptr);
        EXPECT_FALSE(m_dlg.SetTransparent(kYellow, TRUE));
        EXPECT_FALSE(m_dlg.SetTransparent(kYellow, FALSE));
        EXPECT_EQ(::GetWindowLongA(m_dlg, GWL_EXSTYLE), nExStyle);
        EXPECT_FALSE(HasUpdateRegion(m_dlg));
        g_pfnSetLayeredWindowAttributes = pfnSaved;
    });
}

// A window of one plain colour under the dialog.
class CBackdrop
{
public:
    CBackdrop(int x, int y, int cx, int cy)
    {
        m_hBrush = ::CreateSolidBrush(kBackdrop);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = m_hBrush;
        wc.lpszClassName = "SkinnedDialogBackdrop";
        ::RegisterClassA(&wc);
        // Above the windows of other programs on the display, below the dialog.
        m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, x, y, cx, cy,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        ::UpdateWindow(m_hWnd);
    }
    ~CBackdrop()
    {
        ::DestroyWindow(m_hWnd);
        ::UnregisterClassA("SkinnedDialogBackdrop", ::GetModuleHandleA(nullptr));
        ::DeleteObject(m_hBrush);
    }

    HWND m_hWnd;

private:
    HBRUSH m_hBrush;
};

// Rectangles of the dialog's visible controls, in client coordinates.
std::vector<RECT> ControlRects(HWND hDlg)
{
    std::vector<RECT> rects;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hChild))
            continue;
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        rects.push_back(rc);
    }
    return rects;
}

bool InAny(const std::vector<RECT>& rects, int x, int y)
{
    POINT pt = {x, y};
    for (const RECT& rc : rects)
        if (::PtInRect(&rc, pt))
            return true;
    return false;
}

// Compares the screen over the dialog with what should be seen: the
// backdrop wherever the background is yellow, the background elsewhere
// (controls aside). The first difference, or empty.
std::string ScreenDifference(HWND hDlg, const CCanvas& background, const std::vector<RECT>& controls)
{
    RECT rc;
    ::GetWindowRect(hDlg, &rc);
    CCanvas screen(background.Width(), background.Height(), RGB(0, 0, 0));
    screen.CaptureScreen(rc.left, rc.top);
    for (int y = 0; y < background.Height(); ++y)
        for (int x = 0; x < background.Width(); ++x)
        {
            if (InAny(controls, x, y))
                continue;
            COLORREF crImage = background.At(x, y);
            COLORREF crExpected = crImage == kYellow ? kBackdrop : crImage;
            if (screen.At(x, y) != crExpected)
                return "at (" + std::to_string(x) + ", " + std::to_string(y) + ") the screen shows " +
                       ColorText(screen.At(x, y)) + ", expected " + ColorText(crExpected);
        }
    return std::string();
}

TEST_F(Transparency, ScreenShowsWhatLiesBelowThroughTheYellowCorners)
{
    const int kWidth = 209, kHeight = 172;
    HBITMAP hImage = LoadProgramBitmap(IDB_OPTION_BACKGROUND);
    ASSERT_NE(hImage, nullptr);
    CCanvas background(kWidth, kHeight, RGB(0, 0, 0));
    background.CopyFrom(hImage);
    ::DeleteObject(hImage);
    // The image is what the test expects: yellow corners, a coloured centre.
    ASSERT_EQ(background.At(0, 0), kYellow);
    ASSERT_EQ(background.At(kWidth - 1, kHeight - 1), kYellow);
    ASSERT_NE(background.At(kWidth / 2, kHeight / 2), kYellow);

    CBackdrop backdrop(100, 80, 400, 320);
    std::vector<RECT> controls;
    std::string difference;
    CModalScript script;
    script.Do([&] {
            ::SetWindowPos(m_dlg, HWND_TOPMOST, 150, 120, 0, 0, SWP_NOSIZE);
            ASSERT_TRUE(m_dlg.LoadBackground(IDB_OPTION_BACKGROUND));
            m_dlg.SetDrawMode(CBitmapDialog::DRAW_FIT);
            ASSERT_TRUE(m_dlg.SetTransparent(kYellow, TRUE));
            controls = ControlRects(m_dlg);
        })
        .WaitUntil(
            "the screen shows the panel with see-through corners",
            [&] {
                difference = ScreenDifference(m_dlg, background, controls);
                return difference.empty();
            },
            10000)
        .Do([&] { m_dlg.EndDialog(IDCANCEL); });
    script.Run(m_dlg);
    EXPECT_EQ(difference, "");
}

} // namespace
