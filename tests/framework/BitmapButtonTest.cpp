// The bitmap button: which face it draws in which state, where and how much
// of it, on a test surface and on the screen, and the size it takes.
#include "FieldsDialog.h"
#include "support/Canvas.h"
#include "support/ModalScript.h"
#include "support/WindowTest.h"

namespace {

// The faces of images/draw_faces.py: 40 x 24, a white top-left pixel and a
// black bottom-right pixel on a plain colour.
const int kFaceWidth = 40;
const int kFaceHeight = 24;
const COLORREF kUp = RGB(220, 40, 40);
const COLORREF kDown = RGB(40, 160, 40);
const COLORREF kFocus = RGB(40, 60, 220);
const COLORREF kDisabled = RGB(150, 110, 30);
const COLORREF kTopLeft = RGB(255, 255, 255);
const COLORREF kBottomRight = RGB(0, 0, 0);
const COLORREF kUntouched = RGB(1, 2, 3);

class BitmapButton : public CWindowTest
{
protected:
    // Runs the dialog with fnBody inside its loop, then cancels it.
    void RunWith(std::function<void()> fnBody)
    {
        CModalScript script;
        script.Do([&] {
            fnBody();
            m_dlg.EndDialog(IDCANCEL);
        });
        script.Run(m_dlg);
    }

    // Asks the dialog to draw the button in state nState into the canvas at
    // rcItem, as the button's owner is asked; what the dialog answered.
    LRESULT Draw(UINT nState, CCanvas& canvas, RECT rcItem)
    {
        canvas.Fill(kUntouched);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = IDC_FACES;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = ::GetDlgItem(m_dlg, IDC_FACES);
        dis.hDC = canvas.GetDC();
        dis.rcItem = rcItem;
        return ::SendMessageA(m_dlg, WM_DRAWITEM, IDC_FACES, reinterpret_cast<LPARAM>(&dis));
    }

    CFieldsDlg m_dlg;
};

// The canvas holds exactly one whole face at (5, 7) and nothing else.
::testing::AssertionResult HasFaceAt5x7(const CCanvas& canvas, COLORREF crFace)
{
    struct Probe
    {
        int x, y;
        COLORREF cr;
    };
    const Probe probes[] = {
        {5, 7, kTopLeft}, {44, 30, kBottomRight}, {6, 7, crFace}, {25, 19, crFace}, {43, 30, crFace},
        {4, 7, kUntouched}, {5, 6, kUntouched}, {45, 30, kUntouched}, {44, 31, kUntouched},
    };
    for (const Probe& p : probes)
        if (canvas.At(p.x, p.y) != p.cr)
            return ::testing::AssertionFailure() << "at (" << p.x << ", " << p.y << "): " << ColorText(canvas.At(p.x, p.y))
                                                 << ", expected " << ColorText(p.cr);
    return ::testing::AssertionSuccess();
}

COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

const RECT kItemAt5x7 = {5, 7, 5 + kFaceWidth, 7 + kFaceHeight};

TEST_F(BitmapButton, DrawsTheFaceOfEachState)
{
    struct StateCase
    {
        UINT nState;
        COLORREF crFace;
    };
    const StateCase cases[] = {
        {0, kUp},
        {ODS_SELECTED, kDown},
        {ODS_FOCUS, kFocus},
        {ODS_DISABLED, kDisabled},
        // Pressed wins over focused, focused over disabled.
        {ODS_SELECTED | ODS_FOCUS, kDown},
        {ODS_SELECTED | ODS_DISABLED, kDown},
        {ODS_FOCUS | ODS_DISABLED, kFocus},
    };
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP, IDB_FACE_DOWN, IDB_FACE_FOCUS, IDB_FACE_DISABLED));
        for (const StateCase& c : cases)
        {
            EXPECT_EQ(Draw(c.nState, canvas, kItemAt5x7), TRUE);
            EXPECT_TRUE(HasFaceAt5x7(canvas, c.crFace)) << "state " << c.nState;
        }
    });
}

TEST_F(BitmapButton, CopiesOnlyTheItemRectangle)
{
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP, IDB_FACE_DOWN, IDB_FACE_FOCUS, IDB_FACE_DISABLED));
        Draw(0, canvas, RECT{2, 3, 12, 8});
        EXPECT_EQ(canvas.At(2, 3), kTopLeft);
        EXPECT_EQ(canvas.At(11, 7), kUp);
        EXPECT_EQ(canvas.At(12, 7), kUntouched);
        EXPECT_EQ(canvas.At(11, 8), kUntouched);
        EXPECT_EQ(canvas.At(1, 3), kUntouched);
    });
}

TEST_F(BitmapButton, MissingFacesFallBackToTheUpFace)
{
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        EXPECT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP));
        for (UINT nState : {0u, UINT(ODS_SELECTED), UINT(ODS_FOCUS), UINT(ODS_DISABLED)})
        {
            Draw(nState, canvas, kItemAt5x7);
            EXPECT_TRUE(HasFaceAt5x7(canvas, kUp)) << "state " << nState;
        }
    });
}

TEST_F(BitmapButton, FaceThatCannotBeLoadedIsReportedAndLeftOut)
{
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        EXPECT_FALSE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP, IDB_NOT_THERE, IDB_FACE_FOCUS, IDB_FACE_DISABLED));
        Draw(ODS_SELECTED, canvas, kItemAt5x7);
        EXPECT_TRUE(HasFaceAt5x7(canvas, kUp));
        Draw(ODS_FOCUS, canvas, kItemAt5x7);
        EXPECT_TRUE(HasFaceAt5x7(canvas, kFocus));
    });
}

TEST_F(BitmapButton, WithoutFacesNothingIsDrawn)
{
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        EXPECT_EQ(Draw(0, canvas, kItemAt5x7), TRUE);
        CCanvas blank(60, 40, kUntouched);
        EXPECT_EQ(canvas.FirstDifference(blank), "");
    });
}

TEST_F(BitmapButton, LoadingAgainReplacesTheFaces)
{
    CCanvas canvas(60, 40, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_DOWN, IDB_FACE_UP));
        Draw(0, canvas, kItemAt5x7);
        EXPECT_TRUE(HasFaceAt5x7(canvas, kDown));
        ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_FOCUS));
        Draw(ODS_SELECTED, canvas, kItemAt5x7); // the old pressed face is gone
        EXPECT_TRUE(HasFaceAt5x7(canvas, kFocus));
    });
}

TEST_F(BitmapButton, SizeToContentTakesTheUpFaceSize)
{
    RunWith([&] {
        HWND hWndButton = ::GetDlgItem(m_dlg, IDC_FACES);
        RECT rcBefore;
        ::GetWindowRect(hWndButton, &rcBefore);
        ASSERT_FALSE(rcBefore.right - rcBefore.left == kFaceWidth && rcBefore.bottom - rcBefore.top == kFaceHeight);

        m_dlg.m_btnFaces.SizeToContent(); // no faces yet: no change
        RECT rc;
        ::GetWindowRect(hWndButton, &rc);
        EXPECT_TRUE(::EqualRect(&rc, &rcBefore));

        ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP, IDB_FACE_DOWN, IDB_FACE_FOCUS, IDB_FACE_DISABLED));
        m_dlg.m_btnFaces.SizeToContent();
        ::GetWindowRect(hWndButton, &rc);
        EXPECT_EQ(rc.right - rc.left, kFaceWidth);
        EXPECT_EQ(rc.bottom - rc.top, kFaceHeight);
        EXPECT_EQ(rc.left, rcBefore.left);
        EXPECT_EQ(rc.top, rcBefore.top);
    });
}

TEST_F(BitmapButton, ButtonOnScreenShowsTheFaceOfItsState)
{
    HWND hWndButton = nullptr;
    auto Shows = [&](COLORREF cr) { return [&hWndButton, cr] { return WindowPixel(hWndButton, 20, 12) == cr; }; };
    CModalScript script;
    script.Do([&] {
            hWndButton = ::GetDlgItem(m_dlg, IDC_FACES);
            ASSERT_TRUE(m_dlg.m_btnFaces.LoadBitmaps(IDB_FACE_UP, IDB_FACE_DOWN, IDB_FACE_FOCUS, IDB_FACE_DISABLED));
            m_dlg.m_btnFaces.SizeToContent();
            ::SetFocus(::GetDlgItem(m_dlg, IDC_FIELD1));
            ::InvalidateRect(hWndButton, nullptr, TRUE);
        })
        .WaitUntil("the up face is shown", Shows(kUp))
        .Do([&] { ::SetFocus(hWndButton); })
        .WaitUntil("the focus face is shown", Shows(kFocus))
        .Do([&] { ::SendMessageA(hWndButton, BM_SETSTATE, TRUE, 0); })
        .WaitUntil("the down face is shown", Shows(kDown))
        .Do([&] { ::SendMessageA(hWndButton, BM_SETSTATE, FALSE, 0); })
        .WaitUntil("the focus face is shown again", Shows(kFocus))
        .Do([&] { ::SetFocus(::GetDlgItem(m_dlg, IDC_FIELD1)); })
        .WaitUntil("the up face is shown again", Shows(kUp))
        .Do([&] { ::EnableWindow(hWndButton, FALSE); })
        .WaitUntil("the disabled face is shown", Shows(kDisabled))
        .Do([&] {
            EXPECT_EQ(WindowPixel(hWndButton, 0, 0), kTopLeft);
            EXPECT_EQ(WindowPixel(hWndButton, kFaceWidth - 1, kFaceHeight - 1), kBottomRight);
            m_dlg.EndDialog(IDCANCEL);
        });
    script.Run(m_dlg);
}

} // namespace
