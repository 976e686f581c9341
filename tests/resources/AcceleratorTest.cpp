// Accelerator table 130 of the main window.
#include "ModuleResources.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Accelerators, Table130HasTheFourKeysInOrder)
{
    EXPECT_EQ((std::vector<UINT>{130}), ResourceIds(RT_ACCELERATOR));
    EXPECT_EQ(std::vector<LANGID>{kJapanese}, ResourceLanguages(RT_ACCELERATOR, 130));

    HACCEL table = LoadAcceleratorsA(ThisModule(), MAKEINTRESOURCEA(130));
    ASSERT_NE(nullptr, table);
    ASSERT_EQ(4, CopyAcceleratorTableA(table, nullptr, 0));
    ACCEL entries[4] = {};
    ASSERT_EQ(4, CopyAcceleratorTableA(table, entries, 4));

    const ACCEL want[4] = {
        {FVIRTKEY | FNOINVERT | FCONTROL, 'E', 1002},   // Ctrl+E: the water-temperature edit's id
        {FVIRTKEY | FNOINVERT | FCONTROL, 'O', 1008},   // Ctrl+O: options
        {FVIRTKEY | FNOINVERT | FCONTROL, 'P', 1009},   // Ctrl+P: potential density
        {FVIRTKEY | FNOINVERT, VK_RETURN, 1005},        // Enter: calculate
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_EQ(want[i].fVirt, entries[i].fVirt);
        EXPECT_EQ(want[i].key, entries[i].key);
        EXPECT_EQ(want[i].cmd, entries[i].cmd);
    }
}

namespace {

UINT g_nLastCommand = 0;  // command id of the last WM_COMMAND the probe window got

LRESULT CALLBACK CommandProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        g_nLastCommand = LOWORD(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// The command a key press becomes through table 130, or 0 when none.
UINT TranslateKey(HACCEL table, HWND window, UINT key, bool control)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    g_nLastCommand = 0;
    MSG press = {window, WM_KEYDOWN, key, 1, 0, {0, 0}};
    int translated = TranslateAcceleratorA(window, table, &press);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
    return translated ? g_nLastCommand : 0;
}

}  // namespace

// The keys reach the window as the commands of the table.
TEST(Accelerators, KeysTranslateToTheirCommands)
{
    HACCEL table = LoadAcceleratorsA(ThisModule(), MAKEINTRESOURCEA(130));
    ASSERT_NE(nullptr, table);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CommandProbeProc;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = "VarnokCommandProbe";
    ASSERT_NE(0, RegisterClassA(&windowClass));
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, ThisModule(), nullptr);
    ASSERT_NE(nullptr, window);

    EXPECT_EQ(1005u, TranslateKey(table, window, VK_RETURN, false));
    EXPECT_EQ(1008u, TranslateKey(table, window, 'O', true));
    EXPECT_EQ(1009u, TranslateKey(table, window, 'P', true));
    EXPECT_EQ(1002u, TranslateKey(table, window, 'E', true));
    // Without Ctrl the letters are plain typing.
    EXPECT_EQ(0u, TranslateKey(table, window, 'O', false));
    EXPECT_EQ(0u, TranslateKey(table, window, 'E', false));

    DestroyWindow(window);
    UnregisterClassA(windowClass.lpszClassName, ThisModule());
}
