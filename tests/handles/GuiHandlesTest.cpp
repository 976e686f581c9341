// The main window and its settings dialog leave no GDI or USER objects behind over many calculations and openings.
// Wine's GetGuiResources counts nothing, so the objects are counted where the product makes them: its classes are
// linked into this program, so their calls into GDI32 and USER32 go through this program's import address table,
// which is pointed at counting stand-ins.
#include "../window/LiveDialog.h"
#include "ConverterDlg.h"

namespace {

long g_nLive; // objects the counted functions made, less those they released

// The stand-in for one imported function of type F: nDelta for each call that made (a handle) or released (TRUE)
// an object; a failed call counts nothing. nTag tells functions of one type apart.
template <typename F, int nDelta, int nTag>
struct CCounted;
template <typename R, typename... A, int nDelta, int nTag>
struct CCounted<R (*)(A...), nDelta, nTag>
{
    static inline R(WINAPI* pfnSystem)(A...);
    static R WINAPI Call(A... args)
    {
        R result = pfnSystem(args...);
        g_nLive += result ? nDelta : 0;
        return result;
    }
};

// Points this program's import of pszName, which the loader bound to the system's function, at C::Call and keeps
// the system's function in C::pfnSystem; the function's name when it is not imported.
template <class C>
const char* Patch(const char* pszName)
{
    FARPROC pfnSystem = ::GetProcAddress(::GetModuleHandleA("gdi32.dll"), pszName);
    if (pfnSystem == nullptr)
        pfnSystem = ::GetProcAddress(::GetModuleHandleA("user32.dll"), pszName);
    BYTE* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& iat = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
    auto* ppSlot = reinterpret_cast<FARPROC*>(pBase + iat.VirtualAddress);
    for (FARPROC* ppEnd = ppSlot + iat.Size / sizeof(FARPROC); pfnSystem != nullptr && ppSlot < ppEnd; ++ppSlot)
        if (*ppSlot == pfnSystem)
        {
            DWORD dwProtect = 0;
            ::VirtualProtect(ppSlot, sizeof(FARPROC), PAGE_READWRITE, &dwProtect);
            *ppSlot = reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&C::Call));
            ::VirtualProtect(ppSlot, sizeof(FARPROC), dwProtect, &dwProtect);
            C::pfnSystem = reinterpret_cast<decltype(C::pfnSystem)>(reinterpret_cast<void (*)()>(pfnSystem));
            return nullptr;
        }
    return pszName;
}
#define COUNT(fn, nDelta) Patch<CCounted<decltype(&::fn), nDelta, __COUNTER__>>(#fn)

const int ROUNDS = 25; // after the first
const char* const TEMPS[] = {"10", "25.5"}; // two results: the places change every time

TEST(GuiHandlesTest, CalculationsAndSettingsDialogsLeaveNoObjectsBehind)
{
    // Every making and releasing function of GDI32 and USER32 that the product imports.
    for (const char* pszMissing :
         {COUNT(CreateCompatibleDC, 1), COUNT(GetDC, 1), COUNT(CreateFontIndirectA, 1), COUNT(LoadBitmapA, 1),
          COUNT(LoadImageA, 1), COUNT(CreateDialogIndirectParamA, 1), COUNT(SetWindowsHookExA, 1),
          COUNT(DeleteDC, -1), COUNT(ReleaseDC, -1), COUNT(DeleteObject, -1), COUNT(DestroyWindow, -1),
          COUNT(UnhookWindowsHookEx, -1)})
        ASSERT_EQ(pszMissing, nullptr) << "is no longer imported";

    CLiveDialog<CConverterDlg> dlg;
    long nBefore = 0, nAfter = 0; // live after the first round (which loads what is kept), after the last
    int nOpenings = 0;
    dlg.Then([&] {
        // Calculations as Enter makes them, each painted, then the settings dialog opened as Ctrl+O opens it,
        // painted and cancelled.
        for (int nRound = 0; nRound <= ROUNDS; ++nRound)
        {
            if (nRound == 1)
                nBefore = g_nLive;
            for (int i = 0; i < 8; ++i)
            {
                ::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT_WATERTEMP, TEMPS[i % 2]);
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CALC, 1), 0);
                ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
            auto fnOpenSettings = [&] { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OPTION, 1), 0); };
            nOpenings += AnswerDialogs(dlg.m_hWnd, fnOpenSettings, IDCANCEL);
        }
        nAfter = g_nLive;
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(nOpenings, ROUNDS + 1);
    EXPECT_GT(nBefore, 0) << "the button faces and the glyphs shown are kept";
    EXPECT_EQ(nAfter, nBefore);
}

} // namespace
