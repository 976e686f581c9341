// Looks at the running program from outside, as any other process may, and prints what it finds as one Python
// literal, texts as bytes (keys and clicks come through X):
//   probe look <title>   None, or ([(rect, title, owner depth, [(id, rect, text, check, visible)])] of the main window
//                        and each visible window it owns, focus: None or (control id or 0, its top-level window's
//                        rect, the caret's screen rect or None))
//   probe post <title> <msg> <wparam> <lparam> / probe move <title> <x> <y>: as any process / a window manager may
//   probe reg-dump       the settings key: None, or {name: (type, bytes)}
//   probe version <file> <name>...   the version resource through VerQueryValue: None, or ((file version, product
//                        version) or None, [(block 'llllcccc', found, {name: UTF-8 text or None})] for each
//                        language and code page its Translation names)
#include "Identity.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Each value printed is followed by ", ", which a Python literal allows before its closing bracket.
void PrintBytes(const void* p, size_t n)
{
    std::printf("b'");
    for (size_t i = 0; i < n; ++i)
        std::printf("\\x%02x", static_cast<const unsigned char*>(p)[i]);
    std::printf("', ");
}

void PrintRect(const RECT& rc)
{
    std::printf("(%ld, %ld, %ld, %ld), ", rc.left, rc.top, rc.right, rc.bottom);
}

// WM_GETTEXT is marshalled across from the other process.
void PrintRectAndText(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    PrintRect(rc);
    char buf[4096];
    DWORD_PTR nLen = 0;
    if (::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(buf), reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000,
                              &nLen))
        PrintBytes(buf, nLen);
    else
        std::printf("None, ");
}

BOOL CALLBACK PrintControl(HWND hWnd, LPARAM)
{
    DWORD_PTR nCheck = 0; // what is no button answers 0
    ::SendMessageTimeoutA(hWnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &nCheck);
    std::printf("(%d, ", ::GetDlgCtrlID(hWnd));
    PrintRectAndText(hWnd);
    std::printf("%d, %d), ", static_cast<int>(nCheck), ::IsWindowVisible(hWnd) ? 1 : 0);
    return TRUE;
}

// Each visible window that is the main window or owned by it, directly or through another owned one.
BOOL CALLBACK PrintOwned(HWND hWnd, LPARAM lParam)
{
    int nDepth = 0;
    for (HWND h = hWnd; h != nullptr && nDepth < 16; h = ::GetWindow(h, GW_OWNER), ++nDepth)
        if (h == reinterpret_cast<HWND>(lParam) && ::IsWindowVisible(hWnd))
        {
            std::printf("(");
            PrintRectAndText(hWnd);
            std::printf("%d, [", nDepth);
            ::EnumChildWindows(hWnd, PrintControl, 0);
            std::printf("]), ");
        }
    return TRUE;
}

void Look(HWND hWndMain)
{
    std::printf("([");
    DWORD nThread = ::GetWindowThreadProcessId(hWndMain, nullptr);
    ::EnumThreadWindows(nThread, PrintOwned, reinterpret_cast<LPARAM>(hWndMain));
    std::printf("], ");
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(nThread, &info) || info.hwndFocus == nullptr)
    {
        std::printf("None)\n");
        return;
    }
    HWND hWndRoot = ::GetAncestor(info.hwndFocus, GA_ROOT);
    RECT rc;
    ::GetWindowRect(hWndRoot, &rc);
    std::printf("(%d, ", hWndRoot == info.hwndFocus ? 0 : ::GetDlgCtrlID(info.hwndFocus));
    PrintRect(rc);
    // Wherever the caret blinks, a picture of the window may or may not show it.
    if (info.hwndCaret != nullptr)
    {
        ::MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
        PrintRect(info.rcCaret);
    }
    std::printf("%s))\n", info.hwndCaret != nullptr ? "" : "None");
}

int RegDump()
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, VARNOK_SETTINGS_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    {
        std::printf("None\n");
        return 0;
    }
    static unsigned char data[1 << 16];
    char name[256];
    DWORD nName = sizeof(name), type = 0, nData = sizeof(data);
    std::printf("{");
    for (DWORD i = 0; ::RegEnumValueA(hKey, i, name, &nName, nullptr, &type, data, &nData) == ERROR_SUCCESS; ++i)
    {
        std::printf("'%s': (%lu, ", name, static_cast<unsigned long>(type));
        PrintBytes(data, nData);
        std::printf("), ");
        nName = sizeof(name); // each call takes the room it has and returns what it used
        nData = sizeof(data);
    }
    std::printf("}\n");
    ::RegCloseKey(hKey);
    return 0;
}

std::wstring Wide(const char* psz)
{
    std::wstring text(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, psz, -1, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, psz, -1, &text[0], static_cast<int>(text.size()));
    text.pop_back();
    return text;
}

void PrintWide(const wchar_t* psz)
{
    std::string text(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, psz, -1, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, psz, -1, &text[0], static_cast<int>(text.size()), nullptr, nullptr);
    PrintBytes(text.data(), text.size() - 1);
}

int Version(const char* pszFile, char* const* ppszNames, int nNames)
{
    const std::wstring file = Wide(pszFile);
    DWORD nHandle = 0;
    std::vector<unsigned char> info(::GetFileVersionInfoSizeW(file.c_str(), &nHandle));
    if (info.empty() || !::GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data()))
    {
        std::printf("None\n");
        return 0;
    }
    void* pValue = nullptr;
    UINT nLength = 0;
    std::printf("(");
    if (::VerQueryValueW(info.data(), L"\\", &pValue, &nLength) && nLength >= sizeof(VS_FIXEDFILEINFO))
    {
        const auto* pFixed = static_cast<const VS_FIXEDFILEINFO*>(pValue);
        std::printf("('%u.%u.%u.%u', '%u.%u.%u.%u'), ", HIWORD(pFixed->dwFileVersionMS),
                    LOWORD(pFixed->dwFileVersionMS), HIWORD(pFixed->dwFileVersionLS), LOWORD(pFixed->dwFileVersionLS),
                    HIWORD(pFixed->dwProductVersionMS), LOWORD(pFixed->dwProductVersionMS),
                    HIWORD(pFixed->dwProductVersionLS), LOWORD(pFixed->dwProductVersionLS));
    }
    else
    {
        std::printf("None, ");
    }
    std::printf("[");
    const WORD* pTranslation = nullptr;
    UINT nBytes = 0;
    if (::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(
                             const_cast<WORD**>(&pTranslation)), &nBytes))
        for (UINT i = 0; i + 1 < nBytes / sizeof(WORD); i += 2)
        {
            wchar_t szBlock[16];
            std::swprintf(szBlock, 16, L"%04x%04x", pTranslation[i], pTranslation[i + 1]);
            const std::wstring block = std::wstring(L"\\StringFileInfo\\") + szBlock;
            std::printf("('%04x%04x', %s, {", pTranslation[i], pTranslation[i + 1],
                        ::VerQueryValueW(info.data(), block.c_str(), &pValue, &nLength) ? "True" : "False");
            for (int n = 0; n < nNames; ++n)
            {
                std::printf("'%s': ", ppszNames[n]);
                if (::VerQueryValueW(info.data(), (block + L"\\" + Wide(ppszNames[n])).c_str(), &pValue, &nLength))
                    PrintWide(static_cast<const wchar_t*>(pValue));
                else
                    std::printf("None, ");
            }
            std::printf("}), ");
        }
    std::printf("])\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "reg-dump")
        return RegDump();
    if (command == "version" && argc > 2)
        return Version(argv[2], argv + 3, argc - 3);
    HWND hWnd = argc > 2 ? ::FindWindowA(nullptr, argv[2]) : nullptr;
    if (command == "look" && hWnd == nullptr)
        std::printf("None\n");
    else if (command == "look")
        Look(hWnd);
    else if (command == "post" && hWnd != nullptr && argc > 5)
        return ::PostMessageA(hWnd, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                              static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 0)),
                              static_cast<LPARAM>(std::strtol(argv[5], nullptr, 0))) ? 0 : 1;
    else if (command == "move" && hWnd != nullptr && argc > 4)
        return ::SetWindowPos(hWnd, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    else
        return 2;
    return 0;
}
