// How the skinned dialog paints its background, read back pixel by pixel
// from its erase into a test surface: at the origin, tiled, centred,
// stretched, fitted, or not at all.
#include "SkinTestDialog.h"

#include "support/Canvas.h"

#include <string>

namespace {

const int kBkWidth = 40;  // the coordinate bitmap
const int kBkHeight = 30;

class DrawMode : public SkinnedDialog
{
protected:
    // The default erase alone, for a client area of cx x cy, with the
    // handler's answer; taken before any background is set.
    LRESULT TakeDefaultErase(CCanvas& reference)
    {
        EXPECT_EQ(m_dlg.Background(), nullptr);
        SetClientSize(m_dlg, reference.Width(), reference.Height());
        LRESULT lResult = EraseInto(reference);
        // The default erase covers the whole client area with a colour of its own.
        EXPECT_NE(reference.At(0, 0), kUntouched);
        EXPECT_NE(reference.At(reference.Width() - 1, reference.Height() - 1), kUntouched);
        return lResult;
    }
};

// Every pixel of the rectangle (x0, y0, cx, cy) of the canvas is pixel
// (x - x0, y - y0) of the coordinate bitmap.
::testing::AssertionResult ShowsBitmapAt(const CCanvas& canvas, int x0, int y0, int cx, int cy)
{
    for (int y = y0; y < y0 + cy; ++y)
        for (int x = x0; x < x0 + cx; ++x)
            if (canvas.At(x, y) != CoordinateColor(x - x0, y - y0))
                return ::testing::AssertionFailure() << "at (" << x << ", " << y << "): " << ColorText(canvas.At(x, y))
                                                     << ", expected bitmap pixel (" << x - x0 << ", " << y - y0 << ")";
    return ::testing::AssertionSuccess();
}

// No pixel of the canvas is left as it was before the erase.
::testing::AssertionResult AllErased(const CCanvas& canvas, COLORREF crUntouched)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) == crUntouched)
                return ::testing::AssertionFailure() << "(" << x << ", " << y << ") was not painted";
    return ::testing::AssertionSuccess();
}

TEST_F(DrawMode, OriginPaintsTheBitmapUnscaledAtTheClientOrigin)
{
    CCanvas reference(100, 75, kUntouched);
    CCanvas canvas(100, 75, kUntouched);
    RunWith([&] {
        LRESULT lDefault = TakeDefaultErase(reference);
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_ORIGIN);
        EXPECT_EQ(EraseInto(canvas), lDefault);
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 0, kBkWidth, kBkHeight));
        EXPECT_TRUE(AllErased(canvas, kUntouched));
    });
}

TEST_F(DrawMode, TileRepeatsTheBitmapOverALargerClientArea)
{
    CCanvas canvas(100, 75, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_TILE);
        SetClientSize(m_dlg, canvas.Width(), canvas.Height());
        EraseInto(canvas);
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if (canvas.At(x, y) != CoordinateColor(x % kBkWidth, y % kBkHeight))
                {
                    ADD_FAILURE() << "at (" << x << ", " << y << "): " << ColorText(canvas.At(x, y));
                    return;
                }
    });
}

TEST_F(DrawMode, TileOverANarrowTallClientAreaRepeatsDownwards)
{
    CCanvas canvas(25, 75, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_TILE);
        SetClientSize(m_dlg, canvas.Width(), canvas.Height());
        EraseInto(canvas);
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 0, 25, kBkHeight));
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 30, 25, kBkHeight));
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 60, 25, 15));
    });
}

TEST_F(DrawMode, TileOverASmallerClientAreaMakesOneCopyAtTheOrigin)
{
    // The canvas reaches beyond the 25 x 20 client area: a second copy, at
    // (40, 0) or (0, 30), or a copy larger than the client area would show there.
    CCanvas canvas(90, 70, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_TILE);
        SetClientSize(m_dlg, 25, 20);
        EraseInto(canvas);
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 0, 25, 20));
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if ((x >= 25 || y >= 20) && canvas.At(x, y) != kUntouched)
                {
                    ADD_FAILURE() << "painted outside the client area at (" << x << ", " << y << ")";
                    return;
                }
    });
}

TEST_F(DrawMode, CenterPlacesTheBitmapInTheMiddleTruncatingHalves)
{
    CCanvas reference(101, 75, kUntouched);
    CCanvas canvas(101, 75, kUntouched);
    RunWith([&] {
        TakeDefaultErase(reference);
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_CENTER);
        EraseInto(canvas);
        // (101 - 40) / 2 = 30, (75 - 30) / 2 = 22.
        EXPECT_TRUE(ShowsBitmapAt(canvas, 30, 22, kBkWidth, kBkHeight));
        // Left of and above the bitmap only the default erase.
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if ((x < 30 || y < 22) && canvas.At(x, y) != reference.At(x, y))
                {
                    ADD_FAILURE() << "at (" << x << ", " << y << "): " << ColorText(canvas.At(x, y));
                    return;
                }
    });
}

TEST_F(DrawMode, StretchCoversTheClientAreaAsStretchBltDoes)
{
    CCanvas expected(100, 75, kUntouched);
    CCanvas canvas(100, 75, kUntouched);
    HBITMAP hBitmap = CreateCoordinateBitmap();
    {
        // The reference: the whole bitmap stretched over the whole client
        // area, in the target's own stretch mode.
        HDC hSource = ::CreateCompatibleDC(expected.GetDC());
        HGDIOBJ hOld = ::SelectObject(hSource, hBitmap);
        ::StretchBlt(expected.GetDC(), 0, 0, 100, 75, hSource, 0, 0, kBkWidth, kBkHeight, SRCCOPY);
        ::SelectObject(hSource, hOld);
        ::DeleteDC(hSource);
    }
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(hBitmap));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_STRETCH);
        SetClientSize(m_dlg, 100, 75);
        EraseInto(canvas);
        EXPECT_EQ(canvas.FirstDifference(expected), "");
        // Stretched, not copied: the far corner shows the bitmap's far corner.
        EXPECT_EQ(canvas.At(99, 74), CoordinateColor(kBkWidth - 1, kBkHeight - 1));
    });
}

TEST_F(DrawMode, FitPaintsAsOrigin)
{
    CCanvas origin(100, 75, kUntouched);
    CCanvas fit(100, 75, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_ORIGIN);
        SetClientSize(m_dlg, 100, 75);
        EraseInto(origin);
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_FIT); // also makes the window 40 x 30
        EXPECT_EQ(WindowSize(m_dlg).cx, kBkWidth);
        SetClientSize(m_dlg, 100, 75);
        EraseInto(fit);
        EXPECT_TRUE(ShowsBitmapAt(fit, 0, 0, kBkWidth, kBkHeight));
        EXPECT_EQ(fit.FirstDifference(origin), "");
    });
}

TEST_F(DrawMode, UnknownModesPaintOnlyTheDefaultErase)
{
    CCanvas reference(100, 75, kUntouched);
    CCanvas canvas(100, 75, kUntouched);
    RunWith([&] {
        LRESULT lDefault = TakeDefaultErase(reference);
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        for (int nMode : {7, 5, -1})
        {
            m_dlg.SetDrawMode(nMode);
            EXPECT_EQ(m_dlg.DrawMode(), nMode);
            EXPECT_EQ(EraseInto(canvas), lDefault);
            EXPECT_EQ(canvas.FirstDifference(reference), "") << "mode " << nMode;
        }
    });
}

TEST_F(DrawMode, EachEraseDrawsAfresh)
{
    CCanvas canvas(100, 75, kUntouched);
    RunWith([&] {
        ASSERT_TRUE(m_dlg.SetBackground(CreateCoordinateBitmap()));
        m_dlg.SetDrawMode(CBitmapDialog::DRAW_TILE);
        SetClientSize(m_dlg, 100, 75);
        EraseInto(canvas);
        EXPECT_TRUE(ShowsBitmapAt(canvas, 80, 60, 20, 15));
        // A new size, a new tiling.
        SetClientSize(m_dlg, 30, 20);
        EraseInto(canvas);
        EXPECT_TRUE(ShowsBitmapAt(canvas, 0, 0, 30, 20));
        EXPECT_EQ(canvas.At(80, 60), kUntouched);
    });
}

TEST_F(DrawMode, DefaultsToOrigin)
{
    EXPECT_EQ(m_dlg.DrawMode(), CBitmapDialog::DRAW_ORIGIN);
}

} // namespace
