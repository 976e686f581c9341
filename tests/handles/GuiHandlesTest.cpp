// The main window and its settings dialog leave no GDI or USER objects behind
// over many calculations and openings. Wine's GetGuiResources counts nothing,
// so the objects are counted where the product makes them: its classes are
// linked into this program, so their calls into GDI32 and USER32 go through
// this program's import address table, which is pointed at counting stand-ins.
#include "../window/LiveDialog.h"
#include "ConverterDlg.h"

namespace {

long g_nLive; // objects the counted functions made, less those they released

template <typename H>
H Made(H h)
{
    g_nLive += h != nullptr;
    return h;
}

// A release that failed leaves the object live.
BOOL Released(BOOL bReleased)
{
    g_nLive -= bReleased != FALSE;
    return bReleased;
}

// Every making and releasing function of GDI32 and USER32 that the product imports.
#define MAKER(R, fn, params, args) \
    decltype(&::fn) g_pfn##fn;     \
    R WINAPI Counted##fn params { return Made(g_pfn##fn args); }
#define RELEASER(fn, params, args) \
    decltype(&::fn) g_pfn##fn;     \
    BOOL WINAPI Counted##fn params { return Released(g_pfn##fn args); }
MAKER(HDC, CreateCompatibleDC, (HDC hDC), (hDC))
MAKER(HDC, GetDC, (HWND hWnd), (hWnd))
MAKER(HFONT, CreateFontIndirectA, (const LOGFONTA* pFont), (pFont))
MAKER(HBITMAP, LoadBitmapA, (HINSTANCE hInst, LPCSTR pszName), (hInst, pszName))
MAKER(HANDLE, LoadImageA, (HINSTANCE hInst, LPCSTR pszName, UINT nType, int cx, int cy, UINT nFlags),
      (hInst, pszName, nType, cx, cy, nFlags))
MAKER(HWND, CreateDialogIndirectParamA, (HINSTANCE hInst, LPCDLGTEMPLATEA p, HWND hOwner, DLGPROC pfn, LPARAM l),
      (hInst, p, hOwner, pfn, l))
MAKER(HHOOK, SetWindowsHookExA, (int nHook, HOOKPROC pfn, HINSTANCE hInst, DWORD dwThread),
      (nHook, pfn, hInst, dwThread))
RELEASER(DeleteDC, (HDC hDC), (hDC))
RELEASER(ReleaseDC, (HWND hWnd, HDC hDC), (hWnd, hDC))
RELEASER(DeleteObject, (HGDIOBJ hObject), (hObject))
RELEASER(DestroyWindow, (HWND hWnd), (hWnd))
RELEASER(UnhookWindowsHookEx, (HHOOK hHook), (hHook))

// Points this program's import of pszName, which the loader bound to the system's function, at pfnCounted and
// keeps the system's function; the function's name when it is not imported.
template <typename F>
const char* Patch(const char* pszName, F* ppfnSystem, F pfnCounted)
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
            *ppSlot = reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(pfnCounted));
            ::VirtualProtect(ppSlot, sizeof(FARPROC), dwProtect, &dwProtect);
            *ppfnSystem = reinterpret_cast<F>(reinterpret_cast<void (*)()>(pfnSystem));
            return nullptr;
        }
    return pszName;
}
#define PATCH(fn) Patch(#fn, &g_pfn##fn, &Counted##fn)

const int ROUNDS = 25; // after the first
const int CALCULATIONS_PER_ROUND = 8;
const char* const TEMPS[] = {"10", "25.5"}; // two results: the places change every time

TEST(GuiHandlesTest, CalculationsAndSettingsDialogsLeaveNoObjectsBehind)
{
    for (const char* pszMissing :
         {PATCH(CreateCompatibleDC), PATCH(GetDC), PATCH(CreateFontIndirectA), PATCH(LoadBitmapA), PATCH(LoadImageA),
          PATCH(CreateDialogIndirectParamA), PATCH(SetWindowsHookExA), PATCH(DeleteDC), PATCH(ReleaseDC),
          PATCH(DeleteObject), PATCH(DestroyWindow), PATCH(UnhookWindowsHookEx)})
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
            for (int i = 0; i < CALCULATIONS_PER_ROUND; ++i)
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
