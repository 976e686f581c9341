// The bitmap inventory: every id with its size and depth, the glyphs' colours
// and shapes, and the four distinct faces of every button.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

struct ExpectedBitmap {
    UINT id;
    int width;
    int height;
    int bits;
};

const ExpectedBitmap kBitmaps[] = {
    {132, 228, 172, 24}, {133, 209, 172, 24},
    // Button faces.
    {134, 67, 22, 24}, {135, 67, 22, 24}, {136, 67, 22, 24}, {182, 67, 22, 24},  // Cancel
    {138, 64, 22, 24}, {153, 64, 22, 24}, {140, 64, 22, 24}, {185, 64, 22, 24},  // OK
    {143, 59, 22, 24}, {142, 59, 22, 24}, {144, 59, 22, 24}, {181, 59, 22, 24},  // Calc
    {150, 59, 22, 24}, {145, 59, 22, 24}, {152, 59, 22, 24}, {183, 59, 22, 24},  // Off
    {147, 49, 22, 24}, {148, 49, 22, 24}, {149, 49, 22, 24}, {184, 49, 22, 24},  // Opt
    // Glyphs: 8, 0, 1 to 7, 9, point, blank, E, minus.
    {167, 27, 45, 4}, {168, 27, 45, 4}, {169, 27, 45, 4}, {170, 27, 45, 4},
    {171, 27, 45, 4}, {172, 27, 45, 4}, {173, 27, 45, 4}, {174, 27, 45, 4},
    {175, 27, 45, 4}, {176, 27, 45, 4}, {177, 27, 45, 4}, {178, 27, 45, 4},
    {179, 27, 45, 4}, {180, 27, 45, 4},
};

// Faces of each button in the order the buttons load them.
struct ButtonFaces {
    const char* name;
    UINT up, down, focus, disabled;
};

const ButtonFaces kButtons[] = {
    {"Opt", 147, 148, 184, 149},
    {"Calc", 143, 142, 181, 144},
    {"Off", 150, 145, 183, 152},
    {"OK", 138, 153, 185, 140},
    {"Cancel", 134, 135, 182, 136},
};

constexpr UINT kGlyph8 = 167, kGlyphPoint = 177, kGlyphBlank = 178, kGlyphE = 179, kGlyphMinus = 180;

enum GlyphColour { kWhite, kNavy, kSilver, kOther };

// A 4-bit glyph decoded from its raw resource: palette colours per pixel.
struct Glyph {
    int width = 0;
    int height = 0;
    std::vector<GlyphColour> pixels;  // top row first

    GlyphColour At(int x, int y) const { return pixels[y * width + x]; }
    int Count(GlyphColour colour) const
    {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }
};

const BITMAPINFOHEADER* Header(const ResourceBytes& bytes)
{
    if (bytes.empty() || bytes.size < sizeof(BITMAPINFOHEADER))
        return nullptr;
    return reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data);
}

GlyphColour Classify(const RGBQUAD& c)
{
    if (c.rgbRed == 255 && c.rgbGreen == 255 && c.rgbBlue == 255)
        return kWhite;
    if (c.rgbRed == 0 && c.rgbGreen == 0 && c.rgbBlue == 128)
        return kNavy;
    if (c.rgbRed == 192 && c.rgbGreen == 192 && c.rgbBlue == 192)
        return kSilver;
    return kOther;
}

// Decodes a bottom-up 4-bit glyph; false when it is not one.
bool ReadGlyph(UINT id, Glyph& glyph)
{
    ResourceBytes bytes = FindJapaneseResource(RT_BITMAP, id);
    const BITMAPINFOHEADER* header = Header(bytes);
    if (header == nullptr || header->biBitCount != 4 || header->biCompression != BI_RGB ||
        header->biHeight <= 0)
        return false;
    int colours = header->biClrUsed != 0 ? static_cast<int>(header->biClrUsed) : 16;
    if (colours > 16)
        return false;
    const auto* palette = reinterpret_cast<const RGBQUAD*>(bytes.data + header->biSize);
    const BYTE* bits = bytes.data + header->biSize + colours * sizeof(RGBQUAD);
    glyph.width = header->biWidth;
    glyph.height = header->biHeight;
    std::size_t stride = ((glyph.width * 4 + 31) / 32) * 4;
    if (bits + stride * glyph.height > bytes.data + bytes.size)
        return false;
    glyph.pixels.assign(static_cast<std::size_t>(glyph.width) * glyph.height, kOther);
    for (int y = 0; y < glyph.height; ++y) {
        const BYTE* row = bits + stride * (glyph.height - 1 - y);
        for (int x = 0; x < glyph.width; ++x) {
            int index = (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 15;
            glyph.pixels[y * glyph.width + x] = index < colours ? Classify(palette[index]) : kOther;
        }
    }
    return true;
}

// The pixel bytes of a bitmap resource, after its header and palette.
std::vector<BYTE> PixelBytes(UINT id)
{
    ResourceBytes bytes = FindJapaneseResource(RT_BITMAP, id);
    const BITMAPINFOHEADER* header = Header(bytes);
    if (header == nullptr)
        return {};
    return std::vector<BYTE>(bytes.data + header->biSize, bytes.data + bytes.size);
}

struct Rgb {
    int r, g, b;
    int Sum() const { return r + g + b; }
};

// A 24-bit face decoded from its raw resource, top row first.
struct Face {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb At(int x, int y) const { return pixels[y * width + x]; }
    template <typename Test>
    bool Any(Test test) const { return std::any_of(pixels.begin(), pixels.end(), test); }
};

bool ReadFace(UINT id, Face& face)
{
    ResourceBytes bytes = FindJapaneseResource(RT_BITMAP, id);
    const BITMAPINFOHEADER* header = Header(bytes);
    if (header == nullptr || header->biBitCount != 24 || header->biHeight <= 0)
        return false;
    face.width = header->biWidth;
    face.height = header->biHeight;
    std::size_t stride = ((face.width * 24 + 31) / 32) * 4;
    const BYTE* bits = bytes.data + header->biSize;
    if (bits + stride * face.height > bytes.data + bytes.size)
        return false;
    face.pixels.clear();
    for (int y = 0; y < face.height; ++y) {
        const BYTE* row = bits + stride * (face.height - 1 - y);
        for (int x = 0; x < face.width; ++x)
            face.pixels.push_back({row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
    return true;
}

bool IsTurquoise(const Rgb& c)
{
    return c.g > c.r + 30 && c.b > c.r + 30;
}

}  // namespace

TEST(Bitmaps, TheInventoryIsCompleteAndJapanese)
{
    std::vector<UINT> want;
    for (const auto& bitmap : kBitmaps)
        want.push_back(bitmap.id);
    std::sort(want.begin(), want.end());
    EXPECT_EQ(want, ResourceIds(RT_BITMAP));
    for (const auto& bitmap : kBitmaps)
        EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_BITMAP, bitmap.id))
            << "bitmap " << bitmap.id;
}

TEST(Bitmaps, HeadersGiveSizeAndDepthUncompressed)
{
    for (const auto& want : kBitmaps) {
        SCOPED_TRACE(testing::Message() << "bitmap " << want.id);
        ResourceBytes bytes = FindJapaneseResource(RT_BITMAP, want.id);
        const BITMAPINFOHEADER* header = Header(bytes);
        ASSERT_NE(nullptr, header);
        EXPECT_EQ(sizeof(BITMAPINFOHEADER), header->biSize);
        EXPECT_EQ(want.width, header->biWidth);
        EXPECT_EQ(want.height, header->biHeight);  // positive: bottom-up
        EXPECT_EQ(1, header->biPlanes);
        EXPECT_EQ(want.bits, header->biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), header->biCompression);
        std::size_t stride = ((want.width * want.bits + 31) / 32) * 4;
        std::size_t palette = want.bits == 4 ? 16 * sizeof(RGBQUAD) : 0;
        if (want.bits == 4)
            EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 16) << header->biClrUsed;
        else
            EXPECT_EQ(0u, header->biClrUsed);
        EXPECT_EQ(header->biSize + palette + stride * want.height, bytes.size);
    }
}

TEST(Bitmaps, LoadersGiveSizeAndDepth)
{
    for (const auto& want : kBitmaps) {
        SCOPED_TRACE(testing::Message() << "bitmap " << want.id);
        auto section = static_cast<HBITMAP>(LoadImageA(ThisModule(), MAKEINTRESOURCEA(want.id),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(nullptr, section);
        DIBSECTION dib = {};
        ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectA(section, sizeof dib, &dib));
        EXPECT_EQ(want.width, dib.dsBm.bmWidth);
        EXPECT_EQ(want.height, dib.dsBm.bmHeight);
        EXPECT_EQ(want.bits, dib.dsBm.bmBitsPixel);
        DeleteObject(section);

        // The program's own loader calls: LoadBitmap for glyphs and faces.
        HBITMAP plain = LoadBitmapA(ThisModule(), MAKEINTRESOURCEA(want.id));
        ASSERT_NE(nullptr, plain);
        BITMAP header = {};
        ASSERT_NE(0, GetObjectA(plain, sizeof header, &header));
        EXPECT_EQ(want.width, header.bmWidth);
        EXPECT_EQ(want.height, header.bmHeight);
        DeleteObject(plain);
    }
}

TEST(Glyphs, UseOnlyNavySilverAndWhite)
{
    for (UINT id = kGlyph8; id <= kGlyphMinus; ++id) {
        SCOPED_TRACE(testing::Message() << "glyph " << id);
        Glyph glyph;
        ASSERT_TRUE(ReadGlyph(id, glyph));
        EXPECT_EQ(0, glyph.Count(kOther));
        // White ground: the corners are white.
        EXPECT_EQ(kWhite, glyph.At(0, 0));
        EXPECT_EQ(kWhite, glyph.At(glyph.width - 1, glyph.height - 1));
    }
}

TEST(Glyphs, LitAndUnlitSegmentsFollowTheFigure)
{
    Glyph eight, blank, point, minus, e;
    ASSERT_TRUE(ReadGlyph(kGlyph8, eight));
    ASSERT_TRUE(ReadGlyph(kGlyphBlank, blank));
    ASSERT_TRUE(ReadGlyph(kGlyphPoint, point));
    ASSERT_TRUE(ReadGlyph(kGlyphMinus, minus));
    ASSERT_TRUE(ReadGlyph(kGlyphE, e));

    // 8 has every segment lit; blank has none lit but shows them all unlit.
    EXPECT_GT(eight.Count(kNavy), 0);
    EXPECT_EQ(0, eight.Count(kSilver));
    EXPECT_EQ(0, blank.Count(kNavy));
    EXPECT_GT(blank.Count(kSilver), 0);
    // The decimal point is a short navy bar in the lower part, nothing else.
    EXPECT_EQ(0, point.Count(kSilver));
    EXPECT_GT(point.Count(kNavy), 0);
    EXPECT_LT(point.Count(kNavy), eight.Count(kNavy) / 7);
    for (int y = 0; y < point.height * 2 / 3; ++y)
        for (int x = 0; x < point.width; ++x)
            EXPECT_NE(kNavy, point.At(x, y)) << x << "," << y;
    // The minus sign lights one segment of seven; the E five.
    EXPECT_GT(minus.Count(kNavy), 0);
    EXPECT_LT(minus.Count(kNavy), eight.Count(kNavy) / 4);
    EXPECT_GT(e.Count(kNavy), eight.Count(kNavy) / 2);
    EXPECT_LT(e.Count(kNavy), eight.Count(kNavy));
}

TEST(Glyphs, SegmentFiguresDrawOnlyWhereEightIsLit)
{
    Glyph eight;
    ASSERT_TRUE(ReadGlyph(kGlyph8, eight));
    std::set<std::vector<GlyphColour>> distinct;
    for (UINT id = kGlyph8; id <= kGlyphMinus; ++id) {
        if (id == kGlyphPoint)
            continue;
        SCOPED_TRACE(testing::Message() << "glyph " << id);
        Glyph glyph;
        ASSERT_TRUE(ReadGlyph(id, glyph));
        int stray = 0;
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                if (glyph.At(x, y) != kWhite && eight.At(x, y) != kNavy)
                    ++stray;
        EXPECT_EQ(0, stray);
        distinct.insert(glyph.pixels);
    }
    EXPECT_EQ(13u, distinct.size()) << "two figures look the same";
}

TEST(ButtonFaces, EachButtonHasFourDifferentFaces)
{
    for (const auto& button : kButtons) {
        SCOPED_TRACE(button.name);
        std::vector<BYTE> up = PixelBytes(button.up);
        std::vector<BYTE> down = PixelBytes(button.down);
        std::vector<BYTE> focus = PixelBytes(button.focus);
        std::vector<BYTE> disabled = PixelBytes(button.disabled);
        ASSERT_FALSE(up.empty());
        EXPECT_NE(up, down);
        EXPECT_NE(up, focus);
        EXPECT_NE(up, disabled);
        EXPECT_NE(down, focus);
        EXPECT_NE(down, disabled);
        EXPECT_NE(focus, disabled);
    }
}

// Up: mid-blue pill, dark navy lettering; down: pale blue pill; focus: bright
// cyan lettering; disabled: faded turquoise, faint lettering; all on the
// panel's turquoise.
TEST(ButtonFaces, ColoursOfTheFourFaces)
{
    auto navyInk = [](const Rgb& c) { return c.r < 40 && c.g < 60 && c.b < 140; };
    auto cyanInk = [](const Rgb& c) { return c.r < 80 && c.g > 200 && c.b > 200; };
    for (const auto& button : kButtons) {
        SCOPED_TRACE(button.name);
        Face up, down, focus, disabled;
        ASSERT_TRUE(ReadFace(button.up, up));
        ASSERT_TRUE(ReadFace(button.down, down));
        ASSERT_TRUE(ReadFace(button.focus, focus));
        ASSERT_TRUE(ReadFace(button.disabled, disabled));
        int midY = up.height / 2;
        // A point inside the pill's left end, clear of the lettering.
        Rgb upPill = up.At(5, midY);
        Rgb downPill = down.At(5, midY);
        EXPECT_GT(upPill.b, upPill.r + 60);
        EXPECT_GT(upPill.b, upPill.g + 20);
        EXPECT_GT(downPill.b, downPill.r);
        EXPECT_GT(downPill.Sum(), upPill.Sum() + 120) << "the pressed face is paler";
        EXPECT_TRUE(IsTurquoise(disabled.At(5, midY)));

        EXPECT_TRUE(up.Any(navyInk));
        EXPECT_TRUE(down.Any(navyInk));
        EXPECT_TRUE(focus.Any(cyanInk));
        EXPECT_FALSE(up.Any(cyanInk));
        EXPECT_FALSE(disabled.Any([](const Rgb& c) { return c.Sum() < 300; })) << "faint lettering";

        for (const Face* face : {&up, &down, &focus, &disabled}) {
            EXPECT_TRUE(IsTurquoise(face->At(0, 0)));
            EXPECT_TRUE(IsTurquoise(face->At(face->width - 1, face->height - 1)));
        }
    }
}
