// Dragging by any point: a press in the client area queues a press on the
// caption at the same point, which the window's move loop then follows.
#include "SkinTestDialog.h"

namespace {

class Drag : public SkinnedDialog
{
protected:
    // Sends a press at (x, y) and takes the caption press it queued, if any.
    bool PressQueuesCaptionPress(int x, int y, MSG& msg)
    {
        ::SendMessageA(m_dlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        if (!::PeekMessageA(&msg, m_dlg, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE))
            return false;
        // Taken out again: the move loop is not for this test to run.
        MSG removed;
        ::PeekMessageA(&removed, m_dlg, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
        return true;
    }

    bool NothingQueued()
    {
        MSG msg;
        return !::PeekMessageA(&msg, m_dlg, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE);
    }
};

TEST_F(Drag, IsOnByDefault)
{
    EXPECT_EQ(m_dlg.Draggable(), 1);
}

TEST_F(Drag, PressQueuesACaptionPressAtThePoint)
{
    RunWith([&] {
        MSG msg = {};
        ASSERT_TRUE(PressQueuesCaptionPress(37, 21, msg));
        EXPECT_EQ(msg.hwnd, m_dlg.m_hWnd);
        EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
        EXPECT_EQ(msg.lParam, MAKELPARAM(37, 21));
        EXPECT_TRUE(NothingQueued()); // exactly one
    });
}

TEST_F(Drag, PointIsPassedAsSixteenBitHalves)
{
    RunWith([&] {
        MSG msg = {};
        ASSERT_TRUE(PressQueuesCaptionPress(-5, 300, msg));
        EXPECT_EQ(LOWORD(msg.lParam), 0xFFFB);
        EXPECT_EQ(HIWORD(msg.lParam), 300);
        ASSERT_TRUE(PressQueuesCaptionPress(0, 0, msg));
        EXPECT_EQ(msg.lParam, 0);
    });
}

TEST_F(Drag, SwitchedOffNothingIsQueued)
{
    RunWith([&] {
        m_dlg.SetDraggable(FALSE);
        EXPECT_EQ(m_dlg.Draggable(), 0);
        MSG msg;
        EXPECT_FALSE(PressQueuesCaptionPress(37, 21, msg));
        m_dlg.SetDraggable(TRUE);
        EXPECT_TRUE(PressQueuesCaptionPress(37, 21, msg));
    });
}

} // namespace
