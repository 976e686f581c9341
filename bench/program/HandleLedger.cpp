#include "HandleLedger.h"
#include "ImportTable.h"

#include <cstdio>

namespace {

struct CLiveHandle
{
    EHandleKind kind;
    long nRefs; // the same handle handed out again before its release (a cached screen DC, say)
};

struct CLedger
{
    std::map<const void*, CLiveHandle> live;
    CLedgerCounts counts;
    std::map<UINT, long> bitmapLoads;      // resource id, loads
    std::map<std::string, long> foreign;   // description, occurrences
};

CLedger& Ledger()
{
    static CLedger ledger;
    return ledger;
}

const char* const KIND_NAMES[HK_KINDS] = {
    "bitmaps", "fonts", "memory DCs", "window DCs (GetDC)", "paint DCs (BeginPaint)", "dialog windows",
    "window hooks", "icons (shared)", "accelerator tables", "registry keys", "other GDI objects",
};

// A handle came back from a creating call. Shared handles count once however often they come back.
void Created(const void* h, EHandleKind kind, bool bShared = false)
{
    if (h == nullptr)
        return;
    CLedger& ledger = Ledger();
    ++ledger.counts.nCreated[kind];
    auto it = ledger.live.find(h);
    if (it == ledger.live.end())
    {
        ledger.live[h] = { kind, 1 };
        ++ledger.counts.nLive[kind];
    }
    else if (!bShared)
    {
        ++it->second.nRefs;
        ++ledger.counts.nLive[kind];
    }
}

void NoteForeign(EHandleKind kind, const std::string& what)
{
    CLedger& ledger = Ledger();
    ++ledger.counts.nForeign[kind];
    ++ledger.foreign[what];
}

// A releasing call returned bSucceeded for h; foreignWhat describes it when h is not the program's.
void Released(const void* h, bool bSucceeded, EHandleKind foreignKind, const std::string& foreignWhat)
{
    if (h == nullptr)
        return;
    CLedger& ledger = Ledger();
    auto it = ledger.live.find(h);
    if (it == ledger.live.end())
    {
        NoteForeign(foreignKind, foreignWhat + (bSucceeded ? "" : " (the call failed)"));
        return;
    }
    EHandleKind kind = it->second.kind;
    if (!bSucceeded)
    {
        ++ledger.foreign[std::string("failed release of one of the ") + KIND_NAMES[kind]];
        return;
    }
    ++ledger.counts.nReleased[kind];
    --ledger.counts.nLive[kind];
    if (--it->second.nRefs == 0)
        ledger.live.erase(it);
}

// What a GDI object that DeleteObject is about to receive is, for the foreign list.
std::string DescribeGdiObject(HGDIOBJ h, EHandleKind* pKind)
{
    char szWhat[96];
    switch (::GetObjectType(h))
    {
    case OBJ_BITMAP:
    {
        *pKind = HK_BITMAP;
        BITMAP bm = {};
        ::GetObjectA(h, sizeof(bm), &bm);
        std::snprintf(szWhat, sizeof(szWhat), "DeleteObject of a %ldx%ld bitmap not loaded by the program",
                      static_cast<long>(bm.bmWidth), static_cast<long>(bm.bmHeight));
        return szWhat;
    }
    case OBJ_FONT:
        *pKind = HK_FONT;
        return "DeleteObject of a font not created by the program";
    case 0:
        *pKind = HK_OTHER_GDI;
        return "DeleteObject of a handle that is no GDI object";
    default:
        *pKind = HK_OTHER_GDI;
        std::snprintf(szWhat, sizeof(szWhat), "DeleteObject of a GDI object of type %lu not created by the program",
                      static_cast<unsigned long>(::GetObjectType(h)));
        return szWhat;
    }
}

// The system's functions, as the import table held them before Install.
decltype(&::CreateCompatibleDC) g_pfnCreateCompatibleDC = nullptr;
decltype(&::DeleteDC) g_pfnDeleteDC = nullptr;
decltype(&::CreateFontIndirectA) g_pfnCreateFontIndirectA = nullptr;
decltype(&::DeleteObject) g_pfnDeleteObject = nullptr;
decltype(&::LoadBitmapA) g_pfnLoadBitmapA = nullptr;
decltype(&::LoadImageA) g_pfnLoadImageA = nullptr;
decltype(&::LoadIconA) g_pfnLoadIconA = nullptr;
decltype(&::LoadAcceleratorsA) g_pfnLoadAcceleratorsA = nullptr;
decltype(&::GetDC) g_pfnGetDC = nullptr;
decltype(&::ReleaseDC) g_pfnReleaseDC = nullptr;
decltype(&::BeginPaint) g_pfnBeginPaint = nullptr;
decltype(&::EndPaint) g_pfnEndPaint = nullptr;
decltype(&::CreateDialogIndirectParamA) g_pfnCreateDialogIndirectParamA = nullptr;
decltype(&::DestroyWindow) g_pfnDestroyWindow = nullptr;
decltype(&::SetWindowsHookExA) g_pfnSetWindowsHookExA = nullptr;
decltype(&::UnhookWindowsHookEx) g_pfnUnhookWindowsHookEx = nullptr;
decltype(&::RegCreateKeyExA) g_pfnRegCreateKeyExA = nullptr;
decltype(&::RegCloseKey) g_pfnRegCloseKey = nullptr;

HDC WINAPI CountingCreateCompatibleDC(HDC hDC)
{
    HDC hMemDC = g_pfnCreateCompatibleDC(hDC);
    Created(hMemDC, HK_MEMORY_DC);
    return hMemDC;
}

BOOL WINAPI CountingDeleteDC(HDC hDC)
{
    BOOL bDeleted = g_pfnDeleteDC(hDC);
    Released(hDC, bDeleted != FALSE, HK_MEMORY_DC, "DeleteDC of a DC not created by the program");
    return bDeleted;
}

HFONT WINAPI CountingCreateFontIndirectA(const LOGFONTA* pLogFont)
{
    HFONT hFont = g_pfnCreateFontIndirectA(pLogFont);
    Created(hFont, HK_FONT);
    return hFont;
}

BOOL WINAPI CountingDeleteObject(HGDIOBJ hObject)
{
    std::string foreign;
    EHandleKind foreignKind = HK_OTHER_GDI;
    if (Ledger().live.count(hObject) == 0)
        foreign = DescribeGdiObject(hObject, &foreignKind);
    BOOL bDeleted = g_pfnDeleteObject(hObject);
    Released(hObject, bDeleted != FALSE, foreignKind, foreign);
    return bDeleted;
}

HBITMAP WINAPI CountingLoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName)
{
    HBITMAP hBitmap = g_pfnLoadBitmapA(hInstance, lpBitmapName);
    Created(hBitmap, HK_BITMAP);
    if (hBitmap != nullptr && IS_INTRESOURCE(lpBitmapName))
        ++Ledger().bitmapLoads[static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpBitmapName))];
    return hBitmap;
}

HANDLE WINAPI CountingLoadImageA(HINSTANCE hInstance, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad)
{
    HANDLE hImage = g_pfnLoadImageA(hInstance, name, type, cx, cy, fuLoad);
    if (type == IMAGE_BITMAP)
    {
        Created(hImage, HK_BITMAP, (fuLoad & LR_SHARED) != 0);
        if (hImage != nullptr && IS_INTRESOURCE(name))
            ++Ledger().bitmapLoads[static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name))];
    }
    else
    {
        Created(hImage, HK_ICON, (fuLoad & LR_SHARED) != 0);
    }
    return hImage;
}

HICON WINAPI CountingLoadIconA(HINSTANCE hInstance, LPCSTR lpIconName)
{
    HICON hIcon = g_pfnLoadIconA(hInstance, lpIconName);
    Created(hIcon, HK_ICON, true);
    return hIcon;
}

HACCEL WINAPI CountingLoadAcceleratorsA(HINSTANCE hInstance, LPCSTR lpTableName)
{
    HACCEL hAccel = g_pfnLoadAcceleratorsA(hInstance, lpTableName);
    Created(hAccel, HK_ACCELERATOR);
    return hAccel;
}

HDC WINAPI CountingGetDC(HWND hWnd)
{
    HDC hDC = g_pfnGetDC(hWnd);
    Created(hDC, HK_WINDOW_DC);
    return hDC;
}

int WINAPI CountingReleaseDC(HWND hWnd, HDC hDC)
{
    int nReleased = g_pfnReleaseDC(hWnd, hDC);
    Released(hDC, nReleased != 0, HK_WINDOW_DC, "ReleaseDC of a DC not got by the program");
    return nReleased;
}

HDC WINAPI CountingBeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    HDC hDC = g_pfnBeginPaint(hWnd, lpPaint);
    Created(hDC, HK_PAINT_DC);
    return hDC;
}

BOOL WINAPI CountingEndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    BOOL bEnded = g_pfnEndPaint(hWnd, lpPaint);
    // EndPaint always succeeds; a paint that never began leaves no DC to release.
    Released(lpPaint->hdc, true, HK_PAINT_DC, "EndPaint of a paint not begun by the program");
    return bEnded;
}

HWND WINAPI CountingCreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                               DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    HWND hWnd = g_pfnCreateDialogIndirectParamA(hInstance, lpTemplate, hWndParent, lpDialogFunc, dwInitParam);
    Created(hWnd, HK_DIALOG);
    return hWnd;
}

BOOL WINAPI CountingDestroyWindow(HWND hWnd)
{
    BOOL bDestroyed = g_pfnDestroyWindow(hWnd);
    Released(hWnd, bDestroyed != FALSE, HK_DIALOG, "DestroyWindow of a window not created by the program");
    return bDestroyed;
}

HHOOK WINAPI CountingSetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId)
{
    HHOOK hHook = g_pfnSetWindowsHookExA(idHook, lpfn, hmod, dwThreadId);
    Created(hHook, HK_HOOK);
    return hHook;
}

BOOL WINAPI CountingUnhookWindowsHookEx(HHOOK hHook)
{
    BOOL bUnhooked = g_pfnUnhookWindowsHookEx(hHook);
    Released(hHook, bUnhooked != FALSE, HK_HOOK, "UnhookWindowsHookEx of a hook not set by the program");
    return bUnhooked;
}

LSTATUS WINAPI CountingRegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                                       REGSAM samDesired, const LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                       PHKEY phkResult, LPDWORD lpdwDisposition)
{
    LSTATUS nStatus = g_pfnRegCreateKeyExA(hKey, lpSubKey, Reserved, lpClass, dwOptions, samDesired,
                                           lpSecurityAttributes, phkResult, lpdwDisposition);
    if (nStatus == ERROR_SUCCESS)
        Created(*phkResult, HK_REGISTRY_KEY);
    return nStatus;
}

LSTATUS WINAPI CountingRegCloseKey(HKEY hKey)
{
    LSTATUS nStatus = g_pfnRegCloseKey(hKey);
    Released(hKey, nStatus == ERROR_SUCCESS, HK_REGISTRY_KEY, "RegCloseKey of a key not opened by the program");
    return nStatus;
}

struct CImportHook
{
    const char* pszName; // the imported function
    void* pfnCounting;   // its stand-in
    void** ppfnSystem;   // where the system's function is kept
};

#define LEDGER_HOOK(name) \
    { #name, reinterpret_cast<void*>(&Counting##name), reinterpret_cast<void**>(&g_pfn##name) }

const CImportHook IMPORT_HOOKS[] = {
    LEDGER_HOOK(CreateCompatibleDC),
    LEDGER_HOOK(DeleteDC),
    LEDGER_HOOK(CreateFontIndirectA),
    LEDGER_HOOK(DeleteObject),
    LEDGER_HOOK(LoadBitmapA),
    LEDGER_HOOK(LoadImageA),
    LEDGER_HOOK(LoadIconA),
    LEDGER_HOOK(LoadAcceleratorsA),
    LEDGER_HOOK(GetDC),
    LEDGER_HOOK(ReleaseDC),
    LEDGER_HOOK(BeginPaint),
    LEDGER_HOOK(EndPaint),
    LEDGER_HOOK(CreateDialogIndirectParamA),
    LEDGER_HOOK(DestroyWindow),
    LEDGER_HOOK(SetWindowsHookExA),
    LEDGER_HOOK(UnhookWindowsHookEx),
    LEDGER_HOOK(RegCreateKeyExA),
    LEDGER_HOOK(RegCloseKey),
};

#undef LEDGER_HOOK

} // namespace

std::vector<std::string> CHandleLedger::Install()
{
    std::vector<std::string> notImported;
    HMODULE hSelf = ::GetModuleHandleA(nullptr);
    for (const CImportHook& hook : IMPORT_HOOKS)
    {
        void* pfnSystem = PatchImport(hSelf, hook.pszName, hook.pfnCounting);
        if (pfnSystem == nullptr)
            notImported.push_back(hook.pszName);
        else
            *hook.ppfnSystem = pfnSystem;
    }
    return notImported;
}

CLedgerCounts CHandleLedger::Counts()
{
    return Ledger().counts;
}

const char* CHandleLedger::KindName(int nKind)
{
    return nKind >= 0 && nKind < HK_KINDS ? KIND_NAMES[nKind] : "?";
}

std::map<UINT, long> CHandleLedger::BitmapLoads()
{
    return Ledger().bitmapLoads;
}

std::map<std::string, long> CHandleLedger::ForeignReleases()
{
    return Ledger().foreign;
}
