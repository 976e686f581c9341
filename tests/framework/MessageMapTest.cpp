// Message maps on a running dialog: a derived map chained to its base map,
// commands from controls, menus and accelerators, and handlers that receive
// their arguments already cracked.
#include "TestResource.h"
#include "support/Canvas.h"
#include "support/ModalScript.h"
#include "support/WindowTest.h"

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

std::string Call(const char* pszName, long long a, long long b, long long c)
{
    return std::string(pszName) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + ")";
}

// The base of the routing test: entries the derived map overrides and
// entries only it has.
class CRoutingBaseDlg : public CDialog
{
public:
    CRoutingBaseDlg() : CDialog(IDD_FIELDS) {}
    Calls m_calls;

protected:
    void OnBaseAction() { m_calls.push_back("OnBaseAction"); }
    void OnOther() { m_calls.push_back("OnOther"); }
    void OnLButtonDown(UINT nFlags, CPoint point) { m_calls.push_back(Call("OnLButtonDown", nFlags, point.x, point.y)); }
    void OnSize(UINT nType, int cx, int cy) { m_calls.push_back(Call("BaseOnSize", nType, cx, cy)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingBaseDlg, CDialog)
    ON_BN_CLICKED(IDC_ACTION, OnBaseAction) // void OnBaseAction()
    ON_BN_CLICKED(IDC_OTHER, OnOther)       // void OnOther()
    ON_WM_LBUTTONDOWN()                     // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_SIZE()                            // void OnSize(UINT nType, int cx, int cy)
END_MESSAGE_MAP()

class CRoutingDlg : public CRoutingBaseDlg
{
public:
    // A test device context whose erase answers kErased.
    static constexpr BOOL kErased = 7;
    HDC m_hTestDC = nullptr;
    HACCEL m_hAccel = nullptr;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
            return TRUE;
        return CRoutingBaseDlg::PreTranslateMessage(pMsg);
    }

protected:
    void OnAction() { m_calls.push_back("OnAction"); }
    void OnMove(int x, int y) { m_calls.push_back(Call("OnMove", x, y, 0)); }
    void OnSize(UINT nType, int cx, int cy) { m_calls.push_back(Call("OnSize", nType, cx, cy)); }
    void OnSysCommand(UINT nID, LPARAM lParam)
    {
        m_calls.push_back(Call("OnSysCommand", nID, lParam, 0));
        if ((nID & 0xFFF0) == SC_CLOSE)
            CWnd::OnSysCommand(nID, lParam);
    }
    BOOL OnEraseBkgnd(CDC* pDC)
    {
        if (pDC == nullptr || pDC->m_hDC != m_hTestDC)
            return CWnd::OnEraseBkgnd(pDC);
        m_calls.push_back("OnEraseBkgnd");
        return kErased;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingDlg, CRoutingBaseDlg)
    ON_BN_CLICKED(IDC_ACTION, OnAction) // void OnAction()
    ON_WM_MOVE()                        // void OnMove(int x, int y)
    ON_WM_SIZE()                        // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SYSCOMMAND()                  // void OnSysCommand(UINT nID, LPARAM lParam)
    ON_WM_ERASEBKGND()                  // BOOL OnEraseBkgnd(CDC* pDC)
END_MESSAGE_MAP()

class MessageMap : public CWindowTest
{
protected:
    // Runs the dialog; fnBody runs once inside its loop, with the log emptied
    // first, and the dialog is cancelled afterwards.
    INT_PTR RunWith(std::function<void()> fnBody)
    {
        CModalScript script;
        script.Do([&] {
            m_dlg.m_calls.clear();
            fnBody();
            m_dlg.EndDialog(IDCANCEL);
        });
        return script.Run(m_dlg);
    }

    LRESULT Command(int nID, int nCode, HWND hWndControl)
    {
        return ::SendMessageA(m_dlg, WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndControl));
    }
    HWND Item(int nID) { return ::GetDlgItem(m_dlg, nID); }

    CRoutingDlg m_dlg;
};

// ------------------------------------------------------------------ commands

TEST_F(MessageMap, DerivedEntryOverridesTheBaseEntry)
{
    RunWith([&] {
        Command(IDC_ACTION, BN_CLICKED, Item(IDC_ACTION));
        EXPECT_EQ(m_dlg.m_calls, Calls({"OnAction"}));
    });
}

TEST_F(MessageMap, BaseEntriesAreReachedThroughTheChain)
{
    RunWith([&] {
        Command(IDC_OTHER, BN_CLICKED, Item(IDC_OTHER));
        ::SendMessageA(m_dlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
        EXPECT_EQ(m_dlg.m_calls, Calls({"OnOther", Call("OnLButtonDown", MK_LBUTTON, 12, 34)}));
    });
}

TEST_F(MessageMap, ClickOfARealButtonReachesItsHandler)
{
    RunWith([&] {
        ::SendMessageA(Item(IDC_ACTION), BM_CLICK, 0, 0);
        ::SendMessageA(Item(IDC_OTHER), BM_CLICK, 0, 0);
        EXPECT_EQ(m_dlg.m_calls, Calls({"OnAction", "OnOther"}));
    });
}

TEST_F(MessageMap, MenuAndAcceleratorCommandsRouteLikeClicks)
{
    RunWith([&] {
        Command(IDC_ACTION, 1, nullptr); // from an accelerator
        Command(IDC_OTHER, 1, nullptr);
        Command(IDC_ACTION, 0, nullptr); // from a menu
        EXPECT_EQ(m_dlg.m_calls, Calls({"OnAction", "OnOther", "OnAction"}));
    });
}

TEST_F(MessageMap, KeyOfAnAcceleratorTableReachesTheHandler)
{
    ACCEL accel = {FVIRTKEY, VK_F5, IDC_ACTION};
    m_dlg.m_hAccel = ::CreateAcceleratorTableA(&accel, 1);
    ASSERT_NE(m_dlg.m_hAccel, nullptr);
    CModalScript script;
    script.Do([&] {
            m_dlg.m_calls.clear();
            ::PostMessageA(Item(IDC_FIELD1), WM_KEYDOWN, VK_F5, 0x003F0001);
        })
        .WaitUntil("F5 runs the command", [&] { return !m_dlg.m_calls.empty(); })
        .Do([&] {
            EXPECT_EQ(m_dlg.m_calls, Calls({"OnAction"}));
            m_dlg.EndDialog(IDCANCEL);
        });
    script.Run(m_dlg);
    ::DestroyAcceleratorTable(m_dlg.m_hAccel);
}

TEST_F(MessageMap, OtherNotificationsOfAControlAreNotTaken)
{
    RunWith([&] {
        const int codes[] = {BN_DOUBLECLICKED, BN_SETFOCUS, BN_KILLFOCUS, 1, EN_CHANGE, EN_KILLFOCUS};
        for (int nCode : codes)
            EXPECT_EQ(Command(IDC_ACTION, nCode, Item(IDC_ACTION)), 0);
        EXPECT_EQ(m_dlg.m_calls, Calls());
        EXPECT_TRUE(::IsWindowVisible(m_dlg));
    });
}

TEST_F(MessageMap, UnknownCommandsDoNothing)
{
    INT_PTR nResult = RunWith([&] {
        EXPECT_EQ(Command(4321, BN_CLICKED, Item(IDC_ACTION)), 0);
        EXPECT_EQ(Command(4321, 1, nullptr), 0);
        EXPECT_EQ(Command(0, 0, nullptr), 0);
        EXPECT_EQ(m_dlg.m_calls, Calls());
        EXPECT_TRUE(::IsWindowVisible(m_dlg));
    });
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(MessageMap, WindowsWithoutObjectGetTemporaryWrappers)
{
    RunWith([&] {
        EXPECT_EQ(CWnd::FromHandle(m_dlg.m_hWnd), &m_dlg);
        HWND hWndEdit = Item(IDC_FIELD1);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
        CWnd* pEdit = CWnd::FromHandle(hWndEdit);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_EQ(pEdit->m_hWnd, hWndEdit);
        EXPECT_EQ(CWnd::FromHandle(hWndEdit), pEdit); // one wrapper per window
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
        EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
        // A wrapper only wraps: messages still go to the control itself.
        pEdit->SetWindowText("3.5");
        EXPECT_STREQ(ItemText(m_dlg, IDC_FIELD1), "3.5");
    });
}

// ------------------------------------------------------------------ typed handlers

TEST_F(MessageMap, MovePositionIsSigned)
{
    RunWith([&] {
        ::SendMessageA(m_dlg, WM_MOVE, 0, MAKELPARAM(-20, -30));
        ::SendMessageA(m_dlg, WM_MOVE, 0, MAKELPARAM(40000, 5)); // beyond a short: wraps negative
        EXPECT_EQ(m_dlg.m_calls, Calls({Call("OnMove", -20, -30, 0), Call("OnMove", -25536, 5, 0)}));
    });
}

TEST_F(MessageMap, RealMoveReportsTheClientOriginOnTheScreen)
{
    RunWith([&] {
        ::SetWindowPos(m_dlg, nullptr, -200, -150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        POINT ptOrigin = {0, 0};
        ::ClientToScreen(m_dlg, &ptOrigin);
        ASSERT_LT(ptOrigin.x, 0);
        ASSERT_LT(ptOrigin.y, 0);
        ASSERT_FALSE(m_dlg.m_calls.empty());
        EXPECT_EQ(m_dlg.m_calls.back(), Call("OnMove", ptOrigin.x, ptOrigin.y, 0));
    });
}

TEST_F(MessageMap, SizeReachesOnlyTheDerivedHandler)
{
    RunWith([&] {
        ::SendMessageA(m_dlg, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(321, 123));
        EXPECT_EQ(m_dlg.m_calls, Calls({Call("OnSize", SIZE_MAXIMIZED, 321, 123)}));

        m_dlg.m_calls.clear();
        ::SetWindowPos(m_dlg, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT rc;
        ::GetClientRect(m_dlg, &rc);
        ASSERT_FALSE(m_dlg.m_calls.empty());
        EXPECT_EQ(m_dlg.m_calls.back(), Call("OnSize", SIZE_RESTORED, rc.right, rc.bottom));
    });
}

TEST_F(MessageMap, ButtonPressGivesKeyFlagsAndSignedPoint)
{
    RunWith([&] {
        ::SendMessageA(m_dlg, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 7));
        ::SendMessageA(m_dlg, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(65535, 32768));
        EXPECT_EQ(m_dlg.m_calls, Calls({Call("OnLButtonDown", MK_LBUTTON | MK_SHIFT, -3, 7),
                                        Call("OnLButtonDown", MK_LBUTTON | MK_CONTROL, -1, -32768)}));
    });
}

TEST_F(MessageMap, SystemCommandGivesIdAndParameter)
{
    RunWith([&] {
        ::SendMessageA(m_dlg, WM_SYSCOMMAND, 0x1230, 0x12345);
        EXPECT_EQ(m_dlg.m_calls, Calls({Call("OnSysCommand", 0x1230, 0x12345, 0)}));
    });
}

TEST_F(MessageMap, DefaultProcessingOfASystemCommandClosesTheDialog)
{
    CModalScript script;
    script.Do([&] {
        m_dlg.m_calls.clear();
        ::PostMessageA(m_dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(script.Run(m_dlg), IDCANCEL);
    EXPECT_EQ(m_dlg.m_calls, Calls({Call("OnSysCommand", SC_CLOSE, 0, 0)}));
}

TEST_F(MessageMap, EraseHandlerGetsTheContextAndGivesItsResult)
{
    CCanvas canvas(10, 10, RGB(1, 2, 3));
    m_dlg.m_hTestDC = canvas.GetDC();
    RunWith([&] {
        LRESULT lResult = ::SendMessageA(m_dlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.GetDC()), 0);
        EXPECT_EQ(lResult, CRoutingDlg::kErased);
        EXPECT_EQ(m_dlg.m_calls, Calls({"OnEraseBkgnd"}));
    });
}

} // namespace
