// The three dialog templates, read back byte by byte, and created for real.
#include "DialogTemplate.h"
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

// "ＭＳ Ｐゴシック", full-width letters with an ASCII space.
const wchar_t kFontFace[] = L"\xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af";

constexpr DWORD kNoId = 65535;
constexpr int kText = -1;  // ExpectedItem::ordinal when the title is text

struct ExpectedItem {
    DWORD id;
    const wchar_t* className;
    int ordinal;            // resource ordinal shown by the control, or kText
    const wchar_t* text;    // null: any non-empty text on one line
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
};

struct ExpectedDialog {
    UINT resourceId;
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const wchar_t* caption;
    std::vector<ExpectedItem> items;
};

constexpr DWORD kBitmapButton =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_NOTIFY | BS_BITMAP | BS_OWNERDRAW;
constexpr DWORD kLayoutBox = WS_CHILD | WS_GROUP | SS_LEFT;  // hidden: no WS_VISIBLE
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kDigitSlot = WS_CHILD | WS_VISIBLE | SS_BITMAP;

const ExpectedDialog kAboutBox = {
    100, false,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
    0, 0, 235, 55,
    L"Varnok\x306e\xff8a\xff9e\xff70\xff7c\xff9e\xff6e\xff9d\x60c5\x5831",  // Varnokのﾊﾞｰｼﾞｮﾝ情報
    {
        {kNoId, L"STATIC", 128, nullptr, 11, 17, 20, 20, WS_CHILD | WS_VISIBLE | SS_ICON, 0},
        {kNoId, L"STATIC", kText, L"Varnok Version 1.0", 40, 10, 119, 8,
         WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0},
        {kNoId, L"STATIC", kText, nullptr, 40, 25, 174, 8,
         WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0},
        {IDOK, L"BUTTON", kText, L"OK", 178, 7, 50, 14,
         WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    },
};

const ExpectedDialog kMainWindow = {
    102, true,
    WS_POPUP | WS_VISIBLE | DS_SETFONT, WS_EX_APPWINDOW,
    0, 0, 130, 113,
    L"",
    {
        {1002, L"EDIT", kText, L"", 6, 92, 81, 14, kEdit, 0},
        {1005, L"BUTTON", kText, L"\x8a08\x7b97(&C)", 89, 92, 33, 14, kBitmapButton, 0},  // 計算(&C)
        {1009, L"BUTTON", kText, L"", 6, 78, 8, 9,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, WS_EX_TRANSPARENT},
        {1008, L"BUTTON", kText, L"Opt", 61, 75, 27, 14, kBitmapButton, 0},
        {IDCANCEL, L"BUTTON", kText, L"Off", 89, 75, 33, 14, kBitmapButton, 0},
        {IDOK, L"BUTTON", kText, L"OK", 72, 61, 50, 14,
         WS_CHILD | WS_DISABLED | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {1017, L"STATIC", kText, L"Base:", 9, 14, 17, 12, kLayoutBox, WS_EX_TRANSPARENT},
        {1018, L"STATIC", kText, L"\x2103", 69, 14, 8, 12, kLayoutBox, WS_EX_TRANSPARENT},        // ℃
        {1019, L"STATIC", kText, L"\x6bd4\x91cd", 82, 14, 15, 12, kLayoutBox, WS_EX_TRANSPARENT},  // 比重
        {1012, L"STATIC", kText, L"\x6c34\x6e29", 32, 14, 17, 12, kLayoutBox, WS_EX_TRANSPARENT},  // 水温
        {1020, L"STATIC", kText, L"24.0", 51, 14, 14, 12, kLayoutBox, WS_EX_TRANSPARENT},
        {1021, L"STATIC", kText, L"1.024", 101, 14, 18, 12, kLayoutBox, WS_EX_TRANSPARENT},
        {1023, L"STATIC", 178, nullptr, 9, 35, 15, 30, kDigitSlot, 0},
        {1024, L"STATIC", 178, nullptr, 25, 35, 15, 30, kDigitSlot, 0},
        {1026, L"STATIC", 178, nullptr, 57, 35, 15, 30, kDigitSlot, 0},
        {1027, L"STATIC", 178, nullptr, 73, 35, 15, 30, kDigitSlot, 0},
        {1028, L"STATIC", 178, nullptr, 89, 35, 15, 30, kDigitSlot, 0},
        {1025, L"STATIC", 178, nullptr, 41, 35, 15, 30, kDigitSlot, 0},
        {1029, L"STATIC", 178, nullptr, 105, 35, 15, 30, kDigitSlot, 0},
        // ﾎﾟﾃﾝｼｬﾙ密度
        {1030, L"STATIC", kText, L"\xff8e\xff9f\xff83\xff9d\xff7c\xff6c\xff99\x5bc6\x5ea6",
         16, 78, 40, 9, kLayoutBox, 0},
    },
};

const ExpectedDialog kOptionDialog = {
    129, true,
    WS_POPUP | WS_VISIBLE | DS_SETFONT, 0,
    0, 0, 125, 114,
    L"",
    {
        {IDOK, L"BUTTON", kText, L"OK", 64, 93, 37, 14,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_RIGHT | BS_VCENTER | BS_BITMAP | BS_OWNERDRAW,
         WS_EX_TRANSPARENT},
        {IDCANCEL, L"BUTTON", kText, L"\xff77\xff6c\xff9d\xff7e\xff99", 22, 93, 37, 14,  // ｷｬﾝｾﾙ
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_CENTER | BS_VCENTER | BS_BITMAP | BS_OWNERDRAW,
         WS_EX_TRANSPARENT},
        {1010, L"STATIC", kText, L"\x5869\x5206\x6fc3\x5ea6(&M):", 7, 15, 39, 8,  // 塩分濃度(&M):
         kLayoutBox, WS_EX_TRANSPARENT},
        {1000, L"EDIT", kText, L"", 52, 15, 40, 14, kEdit, 0},
        {1011, L"STATIC", kText, L"[\x2030]", 96, 15, 12, 8, kLayoutBox, WS_EX_TRANSPARENT},  // [‰]
        {1012, L"STATIC", kText, L"\x57fa\x6e96\x6c34\x6e29(&T):", 7, 32, 38, 8, kLayoutBox, 0},  // 基準水温(&T):
        {1006, L"EDIT", kText, L"", 52, 32, 40, 14, kEdit, 0},
        {1013, L"STATIC", kText, L"[\x2103]", 96, 31, 12, 8, kLayoutBox, 0},  // [℃]
        {1014, L"STATIC", kText, L"\x6c34\x6df1(&D):", 7, 49, 25, 8, kLayoutBox, 0},  // 水深(&D):
        {1002, L"EDIT", kText, L"", 52, 49, 40, 14, kEdit, 0},
        {1015, L"STATIC", kText, L"[\xff4d]", 96, 50, 12, 8, kLayoutBox, 0},  // [ｍ]
        {1016, L"STATIC", kText, L"\x57fa\x6e96\x6bd4\x91cd(&S):", 7, 69, 38, 8, kLayoutBox, 0},  // 基準比重(&S):
        {1004, L"EDIT", kText, L"", 52, 69, 40, 14, kEdit, 0},
    },
};

std::wstring Upper(std::wstring text)
{
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

DialogTemplate ReadTemplate(UINT id)
{
    DialogTemplate dialog;
    ResourceBytes bytes = FindJapaneseResource(RT_DIALOG, id);
    EXPECT_FALSE(bytes.empty()) << "no Japanese dialog " << id;
    EXPECT_TRUE(ParseDialogTemplate(bytes.data, bytes.size, dialog)) << "dialog " << id;
    return dialog;
}

void ExpectItem(const ExpectedItem& want, const DialogItem& got)
{
    EXPECT_EQ(want.id, got.id);
    EXPECT_EQ(Upper(want.className), Upper(got.className));
    EXPECT_EQ(want.x, got.x);
    EXPECT_EQ(want.y, got.y);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
    EXPECT_EQ(want.style, got.style) << std::hex << "style 0x" << got.style;
    EXPECT_EQ(want.exStyle, got.exStyle) << std::hex << "ex style 0x" << got.exStyle;
    EXPECT_EQ(0u, got.extraBytes);
    if (want.ordinal != kText) {
        EXPECT_TRUE(got.title.isOrdinal);
        EXPECT_EQ(want.ordinal, got.title.ordinal);
    } else if (want.text != nullptr) {
        EXPECT_FALSE(got.title.isOrdinal);
        EXPECT_EQ(std::wstring(want.text), got.title.name);
    } else {
        EXPECT_FALSE(got.title.isOrdinal);
        EXPECT_FALSE(got.title.name.empty());
        EXPECT_EQ(std::wstring::npos, got.title.name.find_first_of(L"\r\n"));
    }
}

void ExpectDialog(const ExpectedDialog& want)
{
    SCOPED_TRACE(testing::Message() << "dialog " << want.resourceId);
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_DIALOG, want.resourceId));
    DialogTemplate got = ReadTemplate(want.resourceId);
    EXPECT_EQ(want.extended, got.extended);
    EXPECT_EQ(want.style, got.style) << std::hex << "style 0x" << got.style;
    EXPECT_EQ(want.exStyle, got.exStyle) << std::hex << "ex style 0x" << got.exStyle;
    EXPECT_EQ(want.x, got.x);
    EXPECT_EQ(want.y, got.y);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
    EXPECT_FALSE(got.menu.isOrdinal);
    EXPECT_TRUE(got.menu.name.empty());
    EXPECT_FALSE(got.windowClass.isOrdinal);
    EXPECT_TRUE(got.windowClass.name.empty());
    EXPECT_EQ(std::wstring(want.caption), got.caption);
    EXPECT_EQ(9, got.pointSize);
    EXPECT_EQ(std::wstring(kFontFace), got.typeface);
    if (want.extended) {
        EXPECT_EQ(0, got.weight);
        EXPECT_EQ(0, got.italic);
        EXPECT_EQ(DEFAULT_CHARSET, got.charset);
    }
    ASSERT_EQ(want.items.size(), got.items.size());
    for (std::size_t i = 0; i < want.items.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << i << " (id " << want.items[i].id << ")");
        ExpectItem(want.items[i], got.items[i]);
    }
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    // Let the dialog manager give the focus as the template says.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

TEST(DialogTemplates, TheProgramHasExactlyTheThreeDialogs)
{
    EXPECT_EQ((std::vector<UINT>{100, 102, 129}), ResourceIds(RT_DIALOG));
}

TEST(DialogTemplates, AboutBox100)
{
    ExpectDialog(kAboutBox);
}

TEST(DialogTemplates, MainWindow102)
{
    ExpectDialog(kMainWindow);
}

TEST(DialogTemplates, SettingsDialog129)
{
    ExpectDialog(kOptionDialog);
}

TEST(DialogTemplates, ReaderRejectsATruncatedTemplate)
{
    ResourceBytes bytes = FindJapaneseResource(RT_DIALOG, 102);
    ASSERT_FALSE(bytes.empty());
    DialogTemplate dialog;
    EXPECT_TRUE(ParseDialogTemplate(bytes.data, bytes.size, dialog));
    EXPECT_FALSE(ParseDialogTemplate(bytes.data, bytes.size / 2, dialog));
    EXPECT_FALSE(ParseDialogTemplate(bytes.data, 10, dialog));
}

// The dialog manager builds each window from its template: the digit places
// find the blank glyph, the About box finds the icon, and the window font is
// the template's face.
TEST(DialogTemplates, DialogManagerBuildsTheWindowsWithTheirImages)
{
    HWND main = CreateDialogParamA(ThisModule(), MAKEINTRESOURCEA(102), nullptr, PassiveDialogProc, 0);
    ASSERT_NE(nullptr, main) << "error " << GetLastError();
    for (int id = 1023; id <= 1029; ++id) {
        SCOPED_TRACE(testing::Message() << "digit place " << id);
        HWND place = GetDlgItem(main, id);
        ASSERT_NE(nullptr, place);
        auto glyph = reinterpret_cast<HBITMAP>(SendMessageA(place, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(nullptr, glyph);
        BITMAP header = {};
        ASSERT_EQ(static_cast<int>(sizeof header), GetObjectA(glyph, sizeof header, &header));
        EXPECT_EQ(27, header.bmWidth);
        EXPECT_EQ(45, header.bmHeight);
    }
    // The first tab stop of the main window is the water-temperature edit.
    EXPECT_EQ(GetDlgItem(main, 1002), GetNextDlgTabItem(main, nullptr, FALSE));

    auto font = reinterpret_cast<HFONT>(SendMessageA(main, WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, font);
    LOGFONTW face = {};
    ASSERT_NE(0, GetObjectW(font, sizeof face, &face));
    EXPECT_EQ(std::wstring(kFontFace), face.lfFaceName);
    DestroyWindow(main);

    HWND about = CreateDialogParamA(ThisModule(), MAKEINTRESOURCEA(100), nullptr, PassiveDialogProc, 0);
    ASSERT_NE(nullptr, about) << "error " << GetLastError();
    HWND icon = GetWindow(about, GW_CHILD);
    ASSERT_NE(nullptr, icon);
    EXPECT_NE(0, SendMessageA(icon, STM_GETICON, 0, 0));
    DestroyWindow(about);

    HWND options = CreateDialogParamA(ThisModule(), MAKEINTRESOURCEA(129), nullptr, PassiveDialogProc, 0);
    ASSERT_NE(nullptr, options) << "error " << GetLastError();
    // The settings dialog's first tab stop is its OK button.
    EXPECT_EQ(GetDlgItem(options, IDOK), GetNextDlgTabItem(options, nullptr, FALSE));
    DestroyWindow(options);
}
