// The background bitmap: adopted and owned by the dialog, replaced, freed,
// refused when its header cannot be read, loaded from the program's images,
// fitted to in mode 4, and freed with the dialog object.
#include "SkinTestDialog.h"

#include "support/Canvas.h"

namespace {

const int kOptionWidth = 209; // background 133
const int kOptionHeight = 172;

class Background : public SkinnedDialog
{
};

// A bitmap handle that was valid once.
HBITMAP DeletedBitmap()
{
    HBITMAP hBitmap = CreateCoordinateBitmap();
    ::DeleteObject(hBitmap);
    return hBitmap;
}

// The canvas's top-left cx x cy pixels are those of the bitmap.
::testing::AssertionResult ShowsImage(const CCanvas& canvas, HBITMAP hImage, int cx, int cy)
{
    CCanvas image(cx, cy, RGB(0, 0, 0));
    image.CopyFrom(hImage);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (canvas.At(x, y) != image.At(x, y))
                return ::testing::AssertionFailure() << "at (" << x << ", " << y << "): " << ColorText(canvas.At(x, y))
                                                     << ", image " << ColorText(image.At(x, y));
    return ::testing::AssertionSuccess();
}

// ------------------------------------------------------------------ ownership

TEST_F(Background, StartsWithoutBackground)
{
    EXPECT_EQ(m_dlg.Background(), nullptr);
}

TEST_F(Background, ReplacingDeletesTheFormerBitmap)
{
    HBITMAP hFirst = CreateCoordinateBitmap();
    HBITMAP hSecond = CreateCoordinateBitmap(20, 10);
    RunWith([&] {
        EXPECT_TRUE(m_dlg.SetBackground(hFirst));
        EXPECT_EQ(m_dlg.Background(), hFirst);
        EXPECT_TRUE(m_dlg.SetBackground(hSecond));
        EXPECT_EQ(m_dlg.Background(), hSecond);
        EXPECT_EQ(::GetObjectType(hFirst), 0u);
        EXPECT_EQ(::GetObjectType(hSecond), static_cast<DWORD>(OBJ_BITMAP));
    });
}

TEST_F(Background, FreeDeletesTheBitmapAndLeavesTheDefaultErase)
{
    CCanvas reference(60, 40, kUntouched);
    CCanvas canvas(60, 40, kUntouched);
    HBITMAP hBitmap = CreateCoordinateBitmap();
    RunWith([&] {
        SetClientSize(m_dlg, 60, 40);
        EraseInto(reference);
        ASSERT_TRUE(m_dlg.SetBackground(hBitmap));
        m_dlg.FreeBackground();
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EXPECT_EQ(::GetObjectType(hBitmap), 0u);
        m_dlg.FreeBackground(); // nothing left to free
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EraseInto(canvas);
        EXPECT_EQ(canvas.FirstDifference(reference), "");
    });
}

TEST_F(Background, NullHandleClearsTheBackground)
{
    HBITMAP hBitmap = CreateCoordinateBitmap();
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(hBitmap));
        ::ValidateRect(m_dlg, nullptr);
        EXPECT_TRUE(m_dlg.SetBackground(nullptr));
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EXPECT_EQ(::GetObjectType(hBitmap), 0u);
        EXPECT_TRUE(HasUpdateRegion(m_dlg));
    });
}

TEST_F(Background, AdoptingInvalidatesTheWholeClientArea)
{
    RunWith([&] {
        ::ValidateRect(m_dlg, nullptr);
        ASSERT_FALSE(HasUpdateRegion(m_dlg));
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        RECT rcUpdate, rcClient;
        ASSERT_TRUE(::GetUpdateRect(m_dlg, &rcUpdate, FALSE));
        ::GetClientRect(m_dlg, &rcClient);
        EXPECT_TRUE(::EqualRect(&rcUpdate, &rcClient));
    });
}

TEST_F(Background, DeletedHandleIsRefusedAndTheFormerBackgroundIsGone)
{
    CCanvas reference(60, 40, kUntouched);
    CCanvas canvas(60, 40, kUntouched);
    HBITMAP hFormer = CreateCoordinateBitmap();
    RunWith([&] {
        SetClientSize(m_dlg, 60, 40);
        EraseInto(reference);
        ASSERT_TRUE(m_dlg.SetBackground(hFormer));
        ::ValidateRect(m_dlg, nullptr);
        EXPECT_FALSE(m_dlg.SetBackground(DeletedBitmap()));
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EXPECT_EQ(::GetObjectType(hFormer), 0u);
        EXPECT_FALSE(HasUpdateRegion(m_dlg)); // refused without invalidating
        EraseInto(canvas);
        EXPECT_EQ(canvas.FirstDifference(reference), "");
    });
}

TEST_F(Background, HandleOfAnotherKindIsRefusedAndDeleted)
{
    // A region has no header GetObject can read.
    HRGN hRegion = ::CreateRectRgn(0, 0, 10, 10);
    ASSERT_EQ(::GetObjectType(hRegion), static_cast<DWORD>(OBJ_REGION));
    RunWith([&] {
        EXPECT_FALSE(m_dlg.SetBackground(reinterpret_cast<HBITMAP>(hRegion)));
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EXPECT_EQ(::GetObjectType(hRegion), 0u);
    });
}

TEST_F(Background, BackgroundSetBeforeTheWindowIsShownFromTheFirstErase)
{
    CCanvas canvas(60, 40, kUntouched);
    EXPECT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
    RunWith([&] {
        SetClientSize(m_dlg, 60, 40);
        EraseInto(canvas);
        EXPECT_EQ(canvas.At(0, 0), CoordinateColor(0, 0));
        EXPECT_EQ(canvas.At(39, 29), CoordinateColor(39, 29));
    });
}

TEST_F(Background, BackgroundOutlivesTheWindowAndDiesWithTheObject)
{
    HBITMAP hBitmap = CreateCoordinateBitmap();
    {
        CSkinTestDlg dlg;
        ASSERT_TRUE(dlg.SetBackground(hBitmap));
        CModalScript script;
        script.Do([&] { dlg.EndDialog(IDCANCEL); });
        script.Run(dlg);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_EQ(::GetObjectType(hBitmap), static_cast<DWORD>(OBJ_BITMAP));
        EXPECT_EQ(dlg.Background(), hBitmap);
    }
    EXPECT_EQ(::GetObjectType(hBitmap), 0u);
}

TEST_F(Background, DestroyingAnObjectThatNeverRanFreesItsBackground)
{
    HBITMAP hBitmap = CreateCoordinateBitmap();
    {
        CSkinTestDlg dlg;
        ASSERT_TRUE(dlg.SetBackground(hBitmap));
    }
    EXPECT_EQ(::GetObjectType(hBitmap), 0u);
}

// ------------------------------------------------------------------ loading

TEST_F(Background, LoadsTheProgramImage)
{
    HBITMAP hImage = LoadProgramBitmap(IDB_OPTION_BACKGROUND);
    ASSERT_NE(hImage, nullptr);
    CCanvas canvas(kOptionWidth, kOptionHeight, kUntouched);
    RunWith([&] {
        EXPECT_TRUE(m_dlg.LoadBackground(IDB_OPTION_BACKGROUND));
        ASSERT_NE(m_dlg.Background(), nullptr);
        BITMAP bm = {};
        ASSERT_NE(::GetObjectA(m_dlg.Background(), sizeof bm, &bm), 0);
        EXPECT_EQ(bm.bmWidth, kOptionWidth);
        EXPECT_EQ(bm.bmHeight, kOptionHeight);
        SetClientSize(m_dlg, kOptionWidth, kOptionHeight);
        EraseInto(canvas);
        EXPECT_TRUE(ShowsImage(canvas, hImage, kOptionWidth, kOptionHeight));
    });
    ::DeleteObject(hImage);
}

TEST_F(Background, LoadUsesOnlyTheLowSixteenBitsOfTheId)
{
    RunWith([&] {
        EXPECT_TRUE(m_dlg.LoadBackground(0x50000 | IDB_OPTION_BACKGROUND));
        ASSERT_NE(m_dlg.Background(), nullptr);
        BITMAP bm = {};
        ASSERT_NE(::GetObjectA(m_dlg.Background(), sizeof bm, &bm), 0);
        EXPECT_EQ(bm.bmWidth, kOptionWidth);
    });
}

TEST_F(Background, MissingImageLeavesNoBackgroundButSucceeds)
{
    CCanvas reference(60, 40, kUntouched);
    CCanvas canvas(60, 40, kUntouched);
    HBITMAP hFormer = CreateCoordinateBitmap();
    RunWith([&] {
        SetClientSize(m_dlg, 60, 40);
        EraseInto(reference);
        ASSERT_TRUE(m_dlg.SetBackground(hFormer));
        EXPECT_TRUE(m_dlg.LoadBackground(9999));
        EXPECT_EQ(m_dlg.Background(), nullptr);
        EXPECT_EQ(::GetObjectType(hFormer), 0u);
        EraseInto(canvas);
        EXPECT_EQ(canvas.FirstDifference(reference), "");
    });
}

// ------------------------------------------------------------------ fitting

TEST_F(Background, FitGivesTheWindowTheBitmapSize)
{
    RunWith([&] {
        RECT rcBefore;
        ::GetWindowRect(m_dlg, &rcBefore);
        ASSERT_FALSE(rcBefore.right - rcBefore.left == kOptionWidth && rcBefore.bottom - rcBefore.top == kOptionHeight);
        ASSERT_TRUE(m_dlg.LoadBackground(IDB_OPTION_BACKGROUND));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_FIT);
        RECT rc, rcClient;
        ::GetWindowRect(m_dlg, &rc);
        EXPECT_EQ(rc.right - rc.left, kOptionWidth);
        EXPECT_EQ(rc.bottom - rc.top, kOptionHeight);
        EXPECT_EQ(rc.left, rcBefore.left);
        EXPECT_EQ(rc.top, rcBefore.top);
        // The frame-less template: the client area is the whole window.
        ::GetClientRect(m_dlg, &rcClient);
        EXPECT_EQ(rcClient.right, kOptionWidth);
        EXPECT_EQ(rcClient.bottom, kOptionHeight);
    });
}

TEST_F(Background, OtherModesLeaveTheSizeAlone)
{
    RunWith([&] {
        ASSERT_TRUE(m_dlg.LoadBackground(IDB_OPTION_BACKGROUND));
        SIZE before = WindowSize(m_dlg);
        for (int nMode : {0, 1, 2, 3, 7})
        {
            m_dlg.SetDrawMode(nMode);
            EXPECT_EQ(WindowSize(m_dlg).cx, before.cx) << "mode " << nMode;
            EXPECT_EQ(WindowSize(m_dlg).cy, before.cy) << "mode " << nMode;
        }
    });
}

TEST_F(Background, FitWithoutBackgroundKeepsTheSizeAndALaterImageIsPaintedAtTheOrigin)
{
    HBITMAP hImage = LoadProgramBitmap(IDB_OPTION_BACKGROUND);
    ASSERT_NE(hImage, nullptr);
    CCanvas canvas(150, 100, kUntouched);
    RunWith([&] {
        SetClientSize(m_dlg, 150, 100);
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_FIT);
        EXPECT_EQ(WindowSize(m_dlg).cx, 150);
        EXPECT_EQ(WindowSize(m_dlg).cy, 100);
        EXPECT_TRUE(m_dlg.LoadBackground(IDB_OPTION_BACKGROUND));
        EXPECT_EQ(WindowSize(m_dlg).cx, 150);
        EXPECT_EQ(WindowSize(m_dlg).cy, 100);
        EraseInto(canvas);
        EXPECT_TRUE(ShowsImage(canvas, hImage, 150, 100));
    });
    ::DeleteObject(hImage);
}

// ------------------------------------------------------------------ resizing and initialisation

TEST_F(Background, ResizeInvalidatesOnlyWithABackground)
{
    RunWith([&] {
        ::ValidateRect(m_dlg, nullptr);
        ::SendMessageA(m_dlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 90));
        EXPECT_FALSE(HasUpdateRegion(m_dlg));
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        ::ValidateRect(m_dlg, nullptr);
        ::SendMessageA(m_dlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 90));
        EXPECT_TRUE(HasUpdateRegion(m_dlg));
    });
}

TEST_F(Background, EraseWithoutADeviceContextCopiesNothingAndSurvives)
{
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        ::SendMessageA(m_dlg, WM_ERASEBKGND, 0, 0);
        EXPECT_TRUE(::IsWindow(m_dlg));
        EXPECT_NE(m_dlg.Background(), nullptr);
    });
}

TEST_F(Background, ExchangeTouchesNoControl)
{
    RunWith([&] {
        SetItemText(m_dlg, IDC_EDIT_SALINITY, "no number");
        EXPECT_TRUE(m_dlg.UpdateData(TRUE)); // no prompt: nothing is read
        EXPECT_TRUE(m_dlg.UpdateData(FALSE));
        EXPECT_STREQ(ItemText(m_dlg, IDC_EDIT_SALINITY), "no number");
    });
}

TEST_F(Background, InitialisationLeavesTheFocusToTheDialogManager)
{
    RunWith([&] {
        // The template's first tab stop.
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(m_dlg, IDOK));
    });
}

} // namespace
