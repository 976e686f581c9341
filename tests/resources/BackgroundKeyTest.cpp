// The colour-key rule of the two window backgrounds, pixel by pixel on the
// bitmaps as the windows load them: pure yellow only outside the panel's
// outline, so that exactly the area outside becomes see-through.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Pixel {
    BYTE r, g, b;
};

// A background loaded as the windows load it, read back with GetDIBits.
struct Background {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // top row first

    const Pixel& At(int x, int y) const { return pixels[y * width + x]; }
    bool IsKey(int x, int y) const
    {
        const Pixel& p = At(x, y);
        return p.r == 255 && p.g == 255 && p.b == 0;
    }
};

bool LoadBackground(UINT id, Background& background)
{
    auto bitmap = static_cast<HBITMAP>(LoadImageA(ThisModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP,
                                                  0, 0, LR_DEFAULTCOLOR));
    if (bitmap == nullptr)
        return false;
    BITMAP header = {};
    bool ok = GetObjectA(bitmap, sizeof header, &header) != 0;
    if (ok) {
        background.width = header.bmWidth;
        background.height = header.bmHeight;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = header.bmWidth;
        info.bmiHeader.biHeight = -header.bmHeight;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        std::vector<RGBQUAD> quads(static_cast<std::size_t>(header.bmWidth) * header.bmHeight);
        HDC screen = GetDC(nullptr);
        ok = GetDIBits(screen, bitmap, 0, header.bmHeight, quads.data(), &info, DIB_RGB_COLORS) ==
             header.bmHeight;
        ReleaseDC(nullptr, screen);
        background.pixels.clear();
        for (const auto& q : quads)
            background.pixels.push_back({q.rgbRed, q.rgbGreen, q.rgbBlue});
    }
    DeleteObject(bitmap);
    return ok;
}

// Marks every key-coloured pixel that is joined to the image's border through
// key-coloured pixels (four-neighbour steps).
std::vector<bool> KeyReachableFromBorder(const Background& bg)
{
    std::vector<bool> reached(bg.pixels.size(), false);
    std::vector<int> stack;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= bg.width || y >= bg.height)
            return;
        int i = y * bg.width + x;
        if (!reached[i] && bg.IsKey(x, y)) {
            reached[i] = true;
            stack.push_back(i);
        }
    };
    for (int x = 0; x < bg.width; ++x) {
        visit(x, 0);
        visit(x, bg.height - 1);
    }
    for (int y = 0; y < bg.height; ++y) {
        visit(0, y);
        visit(bg.width - 1, y);
    }
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        int x = i % bg.width, y = i / bg.width;
        visit(x - 1, y);
        visit(x + 1, y);
        visit(x, y - 1);
        visit(x, y + 1);
    }
    return reached;
}

// Number of pixels in the four-connected non-key region holding (x, y).
int PanelSize(const Background& bg, int x0, int y0)
{
    std::vector<bool> seen(bg.pixels.size(), false);
    std::vector<int> stack{y0 * bg.width + x0};
    seen[stack.back()] = true;
    int count = 0;
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        ++count;
        int x = i % bg.width, y = i / bg.width;
        const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= bg.width || n[1] >= bg.height)
                continue;
            int j = n[1] * bg.width + n[0];
            if (!seen[j] && !bg.IsKey(n[0], n[1])) {
                seen[j] = true;
                stack.push_back(j);
            }
        }
    }
    return count;
}

class BackgroundKey : public testing::TestWithParam<UINT> {
protected:
    void SetUp() override { ASSERT_TRUE(LoadBackground(GetParam(), m_bg)) << "bitmap " << GetParam(); }

    Background m_bg;  // the background under test, as loaded
};

}  // namespace

TEST_P(BackgroundKey, CornersAreKeyAndTheCentreIsNot)
{
    EXPECT_TRUE(m_bg.IsKey(0, 0));
    EXPECT_TRUE(m_bg.IsKey(m_bg.width - 1, 0));
    EXPECT_TRUE(m_bg.IsKey(0, m_bg.height - 1));
    EXPECT_TRUE(m_bg.IsKey(m_bg.width - 1, m_bg.height - 1));
    EXPECT_FALSE(m_bg.IsKey(m_bg.width / 2, m_bg.height / 2));
}

TEST_P(BackgroundKey, KeyColourOnlyOutsideTheOutline)
{
    std::vector<bool> outside = KeyReachableFromBorder(m_bg);
    int inside = 0;
    for (int y = 0; y < m_bg.height; ++y)
        for (int x = 0; x < m_bg.width; ++x)
            if (m_bg.IsKey(x, y) && !outside[y * m_bg.width + x]) {
                if (inside++ < 5)
                    ADD_FAILURE() << "pure yellow inside the outline at " << x << "," << y;
            }
    EXPECT_EQ(0, inside);
}

TEST_P(BackgroundKey, ThePanelIsOnePiece)
{
    int panel = 0;
    for (int y = 0; y < m_bg.height; ++y)
        for (int x = 0; x < m_bg.width; ++x)
            panel += m_bg.IsKey(x, y) ? 0 : 1;
    EXPECT_EQ(panel, PanelSize(m_bg, m_bg.width / 2, m_bg.height / 2))
        << "drawn pixels lie apart from the panel";
    // Most of the image is panel; the key colour only fills the corners.
    EXPECT_GT(panel, m_bg.width * m_bg.height * 9 / 10);
}

TEST_P(BackgroundKey, NoYellowishFringe)
{
    // Smoothing against the key colour would leave near-yellow pixels that the
    // colour key does not remove.
    for (int y = 0; y < m_bg.height; ++y)
        for (int x = 0; x < m_bg.width; ++x) {
            const Pixel& p = m_bg.At(x, y);
            if (!m_bg.IsKey(x, y) && p.r >= 160 && p.g >= 160 && p.b <= 96)
                ADD_FAILURE() << "yellowish pixel at " << x << "," << y << ": " << int(p.r) << ","
                              << int(p.g) << "," << int(p.b);
        }
}

TEST_P(BackgroundKey, TheOutlineIsNavy)
{
    // Every panel pixel that touches the key colour belongs to the outline.
    int edge = 0;
    for (int y = 1; y < m_bg.height - 1; ++y)
        for (int x = 1; x < m_bg.width - 1; ++x) {
            if (m_bg.IsKey(x, y))
                continue;
            if (!m_bg.IsKey(x - 1, y) && !m_bg.IsKey(x + 1, y) && !m_bg.IsKey(x, y - 1) &&
                !m_bg.IsKey(x, y + 1))
                continue;
            ++edge;
            const Pixel& p = m_bg.At(x, y);
            EXPECT_TRUE(p.r <= 48 && p.g <= 48 && p.b >= 80)
                << "outline at " << x << "," << y << " is " << int(p.r) << "," << int(p.g) << ","
                << int(p.b);
        }
    EXPECT_GT(edge, 0);
}

TEST_P(BackgroundKey, ThePanelIsTurquoise)
{
    // Sampled away from the display area, at the lower middle.
    const Pixel& p = m_bg.At(m_bg.width / 2, m_bg.height * 7 / 8);
    EXPECT_GT(p.g, p.r + 60);
    EXPECT_GT(p.b, p.r + 60);
}

INSTANTIATE_TEST_SUITE_P(MainAndSettings, BackgroundKey, testing::Values(132u, 133u));

TEST(MainBackground, SizesOfTheTwoBackgrounds)
{
    Background main, settings;
    ASSERT_TRUE(LoadBackground(132, main));
    ASSERT_TRUE(LoadBackground(133, settings));
    EXPECT_EQ(228, main.width);
    EXPECT_EQ(172, main.height);
    EXPECT_EQ(209, settings.width);
    EXPECT_EQ(172, settings.height);
}

TEST(MainBackground, DisplayAreaIsWhite)
{
    Background bg;
    ASSERT_TRUE(LoadBackground(132, bg));
    int notWhite = 0;
    for (int y = 13; y <= 105; ++y)
        for (int x = 13; x <= 214; ++x) {
            const Pixel& p = bg.At(x, y);
            if (p.r != 255 || p.g != 255 || p.b != 255)
                ++notWhite;
        }
    EXPECT_EQ(0, notWhite);
    // The settings dialog has no display: its middle is panel colour.
    Background settings;
    ASSERT_TRUE(LoadBackground(133, settings));
    const Pixel& middle = settings.At(settings.width / 2, 60);
    EXPECT_FALSE(middle.r == 255 && middle.g == 255 && middle.b == 255);
}
