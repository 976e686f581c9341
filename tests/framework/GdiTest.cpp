// Painting helpers: point-size fonts, ownership of GDI objects and the
// temporary wrappers that never own, the paint context of WM_PAINT, and the
// system menu's wrapper.
#include "FieldsDialog.h"
#include "support/Canvas.h"
#include "support/ModalScript.h"
#include "support/WindowTest.h"

#include <cstring>

namespace {

class Gdi : public CWindowTest
{
};

LOGFONTA FontOf(const CFont& font)
{
    LOGFONTA lf = {};
    EXPECT_EQ(font.GetObject(sizeof lf, &lf), static_cast<int>(sizeof lf));
    return lf;
}

// ------------------------------------------------------------------ fonts

TEST_F(Gdi, PointFontOnTheScreenHasTheHeightOfItsPointsInPixels)
{
    HDC hScreen = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS Shell Dlg"));
    LOGFONTA lf = FontOf(font);
    // 9 points are 9/72 inch: 12 pixels at 96 dots per inch, as a character height.
    EXPECT_EQ(lf.lfHeight, -::MulDiv(nDpi, 90, 720));
    EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfWidth, 0);
}

TEST_F(Gdi, PointFontMeasuredOnAMemoryContextMatchesTheScreen)
{
    CCanvas canvas(4, 4, RGB(0, 0, 0));
    CDC dc;
    dc.Attach(canvas.GetDC());
    CFont onScreen, onCanvas;
    ASSERT_TRUE(onScreen.CreatePointFont(120, "MS Shell Dlg"));
    ASSERT_TRUE(onCanvas.CreatePointFont(120, "MS Shell Dlg", &dc));
    dc.Detach();
    EXPECT_EQ(FontOf(onCanvas).lfHeight, FontOf(onScreen).lfHeight);
    EXPECT_LT(FontOf(onCanvas).lfHeight, 0);
}

TEST_F(Gdi, LongFaceNameIsCutToTheFaceSize)
{
    const std::string longName(60, 'F');
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, longName.c_str()));
    LOGFONTA lf = FontOf(font);
    EXPECT_EQ(std::strlen(lf.lfFaceName), static_cast<size_t>(LF_FACESIZE - 1));
}

// ------------------------------------------------------------------ ownership

TEST_F(Gdi, WrapperDeletesItsObjectUnlessDetached)
{
    HFONT hDeleted = nullptr;
    HFONT hKept = nullptr;
    {
        CFont deleted, kept;
        ASSERT_TRUE(deleted.CreatePointFont(90, "MS Shell Dlg"));
        ASSERT_TRUE(kept.CreatePointFont(90, "MS Shell Dlg"));
        hDeleted = deleted.GetSafeHandle();
        hKept = static_cast<HFONT>(kept.Detach());
        EXPECT_EQ(kept.GetSafeHandle(), nullptr);
    }
    EXPECT_EQ(::GetObjectType(hDeleted), 0u);
    EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_FONT));
    ::DeleteObject(hKept);
}

TEST_F(Gdi, AttachingReplacesAndDeletesTheFormerObject)
{
    CBitmap bitmap;
    HBITMAP hFirst = ::CreateBitmap(2, 2, 1, 32, nullptr);
    HBITMAP hSecond = ::CreateBitmap(2, 2, 1, 32, nullptr);
    ASSERT_TRUE(bitmap.Attach(hFirst));
    ASSERT_TRUE(bitmap.Attach(hSecond));
    EXPECT_EQ(::GetObjectType(hFirst), 0u);
    EXPECT_EQ(bitmap.GetSafeHandle(), hSecond);
    EXPECT_FALSE(bitmap.Attach(nullptr)); // nothing to attach: the current one stays
    EXPECT_EQ(bitmap.GetSafeHandle(), hSecond);
}

TEST_F(Gdi, LoadingAMissingBitmapFails)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_NOT_THERE));
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    EXPECT_TRUE(bitmap.LoadBitmap(IDB_FACE_UP));
    BITMAP bm = {};
    ASSERT_NE(bitmap.GetObject(sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 40);
    EXPECT_EQ(bm.bmHeight, 24);
}

TEST_F(Gdi, TemporaryWrappersNeverDestroyWhatTheyWrap)
{
    CCanvas canvas(4, 4, RGB(0, 0, 0));
    HFONT hFont = ::CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
    CDC* pDC = CDC::FromHandle(canvas.GetDC());
    CFont* pFont = CFont::FromHandle(hFont);
    ASSERT_NE(pDC, nullptr);
    ASSERT_NE(pFont, nullptr);
    EXPECT_EQ(CDC::FromHandle(canvas.GetDC()), pDC); // one wrapper per handle
    EXPECT_EQ(pDC->m_hDC, canvas.GetDC());
    EXPECT_EQ(pFont->GetSafeHandle(), hFont);
    AfxDeleteTempMaps();
    EXPECT_EQ(::GetObjectType(canvas.GetDC()), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(::GetObjectType(hFont), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
    ::DeleteObject(hFont);
}

// ------------------------------------------------------------------ painting and menus

// Paints its client area one colour through the paint context.
class CPaintingDlg : public CFieldsDlg
{
public:
    static constexpr COLORREF kPaint = RGB(10, 200, 120);
    int m_nPaints = 0;
    bool m_bContextIsThePaintContext = false;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_bContextIsThePaintContext = dc.m_hDC != nullptr && dc.m_hDC == dc.m_ps.hdc;
        RECT rc;
        ::GetClientRect(m_hWnd, &rc);
        HBRUSH hBrush = ::CreateSolidBrush(kPaint);
        ::FillRect(dc.m_hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingDlg, CFieldsDlg)
    ON_WM_PAINT() // void OnPaint()
END_MESSAGE_MAP()

COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

TEST_F(Gdi, PaintContextPaintsAndValidates)
{
    CPaintingDlg dlg;
    CModalScript script;
    script.Do([&] { ::InvalidateRect(dlg, nullptr, TRUE); })
        .WaitUntil("the dialog is painted and valid", [&] {
            return dlg.m_nPaints > 0 && ::GetUpdateRect(dlg, nullptr, FALSE) == FALSE &&
                   WindowPixel(dlg, 2, 2) == CPaintingDlg::kPaint;
        })
        .Do([&] {
            EXPECT_TRUE(dlg.m_bContextIsThePaintContext);
            dlg.EndDialog(IDCANCEL);
        });
    script.Run(dlg);
}

TEST_F(Gdi, SystemMenuWrapperAppendsToTheWindowsMenu)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        CMenu* pMenu = dlg.GetSystemMenu(FALSE);
        ASSERT_NE(pMenu, nullptr);
        HMENU hMenu = pMenu->GetSafeHmenu();
        int nBefore = ::GetMenuItemCount(hMenu);
        EXPECT_TRUE(pMenu->AppendMenu(MF_SEPARATOR));
        EXPECT_TRUE(pMenu->AppendMenu(MF_STRING, 16, "About..."));
        EXPECT_EQ(::GetMenuItemCount(hMenu), nBefore + 2);
        char szText[32] = "";
        ::GetMenuStringA(hMenu, 16, szText, sizeof szText, MF_BYCOMMAND);
        EXPECT_STREQ(szText, "About...");
        AfxDeleteTempMaps(); // the wrapper goes, the menu stays
        EXPECT_TRUE(::IsMenu(hMenu));
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
}

} // namespace
