// A ledger of the GDI objects, USER objects and registry keys that this
// executable's own code creates and releases, kept by handle. Install() points
// the executable's import address table at counting stand-ins for the
// creating and releasing functions; every call the code linked into the
// executable makes to them then passes through the ledger. Calls that the
// system makes inside its own DLLs do not.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

enum EHandleKind
{
    HK_BITMAP,       // LoadBitmapA, LoadImageA(IMAGE_BITMAP) / DeleteObject
    HK_FONT,         // CreateFontIndirectA / DeleteObject
    HK_MEMORY_DC,    // CreateCompatibleDC / DeleteDC
    HK_WINDOW_DC,    // GetDC / ReleaseDC
    HK_PAINT_DC,     // BeginPaint / EndPaint
    HK_DIALOG,       // CreateDialogIndirectParamA / DestroyWindow
    HK_HOOK,         // SetWindowsHookExA / UnhookWindowsHookEx
    HK_ICON,         // LoadIconA: shared with the module, never released
    HK_ACCELERATOR,  // LoadAcceleratorsA: the module's, never released
    HK_REGISTRY_KEY, // RegCreateKeyExA / RegCloseKey
    HK_OTHER_GDI,    // DeleteObject of a kind not created here (only ever foreign)
    HK_KINDS
};

struct CLedgerCounts
{
    long nLive[HK_KINDS] = {};     // created here and not yet released
    long nCreated[HK_KINDS] = {};  // successful creating calls
    long nReleased[HK_KINDS] = {}; // releases of handles created here
    long nForeign[HK_KINDS] = {};  // releases of handles not created here
};

class CHandleLedger
{
public:
    // Patches the imports; the names of the functions this executable does not import.
    static std::vector<std::string> Install();
    static CLedgerCounts Counts();
    static const char* KindName(int nKind);
    // Bitmap resource ids loaded so far, each with the number of loads.
    static std::map<UINT, long> BitmapLoads();
    // Each kind of foreign release seen, described, with how often it happened.
    static std::map<std::string, long> ForeignReleases();
};
