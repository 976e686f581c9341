// Icon 128: a group of a 32 x 32 and a 16 x 16 image, 16 colours each, with
// a transparency mask; a grey calculator with a cyan display and two red keys.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {  // GRPICONDIRENTRY
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

struct GroupIconHeader {  // GRPICONDIR without its entries
    WORD reserved;
    WORD type;
    WORD count;
};

// One icon image decoded from its RT_ICON resource.
struct IconImage {
    int size = 0;
    std::vector<RGBQUAD> colours;  // per pixel, top row first
    std::vector<bool> transparent; // per pixel, from the AND mask

    const RGBQUAD& At(int x, int y) const { return colours[y * size + x]; }
    bool ClearAt(int x, int y) const { return transparent[y * size + x]; }
};

std::vector<GroupIconEntry> GroupEntries()
{
    ResourceBytes group = FindJapaneseResource(RT_GROUP_ICON, 128);
    std::vector<GroupIconEntry> entries;
    if (group.size < sizeof(GroupIconHeader))
        return entries;
    GroupIconHeader header;
    memcpy(&header, group.data, sizeof header);
    if (header.reserved != 0 || header.type != 1 ||
        group.size < sizeof header + header.count * sizeof(GroupIconEntry))
        return entries;
    entries.resize(header.count);
    memcpy(entries.data(), group.data + sizeof header, header.count * sizeof(GroupIconEntry));
    return entries;
}

bool ReadIconImage(WORD id, IconImage& image)
{
    ResourceBytes bytes = FindJapaneseResource(RT_ICON, id);
    if (bytes.size < sizeof(BITMAPINFOHEADER))
        return false;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data);
    if (header->biBitCount != 4 || header->biHeight != 2 * header->biWidth)
        return false;
    int size = header->biWidth;
    const auto* palette = reinterpret_cast<const RGBQUAD*>(bytes.data + header->biSize);
    const BYTE* xorBits = bytes.data + header->biSize + 16 * sizeof(RGBQUAD);
    std::size_t xorStride = ((size * 4 + 31) / 32) * 4;
    const BYTE* andBits = xorBits + xorStride * size;
    std::size_t andStride = ((size + 31) / 32) * 4;
    if (andBits + andStride * size != bytes.data + bytes.size)
        return false;
    image.size = size;
    image.colours.clear();
    image.transparent.clear();
    for (int y = 0; y < size; ++y) {
        const BYTE* xorRow = xorBits + xorStride * (size - 1 - y);
        const BYTE* andRow = andBits + andStride * (size - 1 - y);
        for (int x = 0; x < size; ++x) {
            int index = (x % 2 == 0) ? xorRow[x / 2] >> 4 : xorRow[x / 2] & 15;
            image.colours.push_back(palette[index]);
            image.transparent.push_back((andRow[x / 8] & (0x80 >> (x % 8))) != 0);
        }
    }
    return true;
}

bool Is(const RGBQUAD& c, int r, int g, int b)
{
    return c.rgbRed == r && c.rgbGreen == g && c.rgbBlue == b;
}

// Number of four-connected patches of opaque pixels of one colour.
int Patches(const IconImage& image, int r, int g, int b)
{
    std::vector<bool> seen(image.colours.size(), false);
    int patches = 0;
    for (int start = 0; start < image.size * image.size; ++start) {
        if (seen[start] || image.transparent[start] || !Is(image.colours[start], r, g, b))
            continue;
        ++patches;
        std::vector<int> stack{start};
        seen[start] = true;
        while (!stack.empty()) {
            int i = stack.back();
            stack.pop_back();
            int x = i % image.size, y = i / image.size;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= image.size || n[1] >= image.size)
                    continue;
                int j = n[1] * image.size + n[0];
                if (!seen[j] && !image.transparent[j] && Is(image.colours[j], r, g, b)) {
                    seen[j] = true;
                    stack.push_back(j);
                }
            }
        }
    }
    return patches;
}

int CountOpaque(const IconImage& image, int r, int g, int b)
{
    int count = 0;
    for (int i = 0; i < image.size * image.size; ++i)
        if (!image.transparent[i] && Is(image.colours[i], r, g, b))
            ++count;
    return count;
}

}  // namespace

TEST(Icon, GroupHoldsA32AndA16PixelImageOf16Colours)
{
    EXPECT_EQ((std::vector<UINT>{128}), ResourceIds(RT_GROUP_ICON));
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_GROUP_ICON, 128));
    std::vector<GroupIconEntry> entries = GroupEntries();
    ASSERT_EQ(2u, entries.size());
    const int sizes[2] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(testing::Message() << "image " << i);
        EXPECT_EQ(sizes[i], entries[i].width);
        EXPECT_EQ(sizes[i], entries[i].height);
        EXPECT_EQ(16, entries[i].colourCount);
        EXPECT_EQ(1, entries[i].planes);
        EXPECT_EQ(4, entries[i].bitCount);
        IconImage image;
        ASSERT_TRUE(ReadIconImage(entries[i].id, image)) << "not a 4-bit image with a mask";
        EXPECT_EQ(sizes[i], image.size);
    }
}

TEST(Icon, LoadersFindBothSizes)
{
    EXPECT_NE(nullptr, LoadIconA(ThisModule(), MAKEINTRESOURCEA(128)));
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        auto icon = static_cast<HICON>(LoadImageA(ThisModule(), MAKEINTRESOURCEA(128), IMAGE_ICON,
                                                  size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(size, mask.bmWidth);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST(Icon, ACalculatorWithCyanDisplayAndTwoRedKeys)
{
    std::vector<GroupIconEntry> entries = GroupEntries();
    ASSERT_EQ(2u, entries.size());
    for (const auto& entry : entries) {
        SCOPED_TRACE(testing::Message() << int(entry.width) << " pixels");
        IconImage image;
        ASSERT_TRUE(ReadIconImage(entry.id, image));
        int last = image.size - 1;
        // Transparent corners around an opaque body.
        EXPECT_TRUE(image.ClearAt(0, 0));
        EXPECT_TRUE(image.ClearAt(last, last));
        EXPECT_FALSE(image.ClearAt(image.size / 2, image.size / 2));
        EXPECT_GT(CountOpaque(image, 0, 0, 128), 0) << "dark blue frame";
        EXPECT_GT(CountOpaque(image, 0, 255, 255), 0) << "cyan display";
        EXPECT_GT(CountOpaque(image, 192, 192, 192), 0) << "grey body";
        EXPECT_EQ(2, Patches(image, 255, 0, 0)) << "two red keys";
    }
}
