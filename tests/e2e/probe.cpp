// Looks at the running program from outside, as the platform lets any other
// process do: its windows, their controls and texts, and its registry key.
// Keys and clicks never come from here: the journeys type and click through X.
//
//   probe children <title>           the window: visible and rect; then its controls:
//                                    id, class, visible, rect, check, text
//   probe owned <title>              visible windows it owns, directly or through another owned window:
//                                    class, rect, title, depth in the chain of owners; then their controls
//   probe focus <title>              where the keyboard focus of the window's thread is: control id, class,
//                                    and the top-level window holding it ("main", or its class and rect)
//   probe post <title> <msg> <wparam> <lparam>
//                                    posts a message to the window, as any process may
//   probe move <title> <x> <y>       moves the window, as a window manager would
//   probe reg-dump                   the settings key: "nokey", or one line per value: name type size hex
//   probe reg-clear                  deletes the settings key
//   probe reg-set <name> <type> <hex>  stores raw bytes with a registry type number
//
// Texts are printed as hex of their code page 932 bytes, so nothing is lost.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const char SETTINGS_KEY[] = "Software\\brenmoor\\Varnok";

std::string Hex(const unsigned char* p, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < n; ++i)
    {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out.empty() ? "-" : out;
}

std::vector<unsigned char> Unhex(const char* psz)
{
    std::vector<unsigned char> bytes;
    if (std::strcmp(psz, "-") == 0)
        return bytes;
    for (size_t i = 0; psz[i] != '\0' && psz[i + 1] != '\0'; i += 2)
    {
        char pair[3] = { psz[i], psz[i + 1], '\0' };
        bytes.push_back(static_cast<unsigned char>(std::strtoul(pair, nullptr, 16)));
    }
    return bytes;
}

// The text of another process's window: WM_GETTEXT is marshalled across.
std::string WindowText(HWND hWnd)
{
    char buf[4096];
    DWORD_PTR nLen = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(buf), reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000, &nLen))
        return "?";
    return Hex(reinterpret_cast<unsigned char*>(buf), nLen);
}

void PrintRect(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    std::printf(" %ld %ld %ld %ld", rc.left, rc.top, rc.right, rc.bottom);
}

BOOL CALLBACK PrintChild(HWND hWnd, LPARAM)
{
    char cls[64];
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    DWORD_PTR nCheck = 0;
    if (_stricmp(cls, "Button") == 0)
        ::SendMessageTimeoutA(hWnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &nCheck);
    std::printf("%d %s %d", ::GetDlgCtrlID(hWnd), cls, ::IsWindowVisible(hWnd) ? 1 : 0);
    PrintRect(hWnd);
    std::printf(" %d %s\n", static_cast<int>(nCheck), WindowText(hWnd).c_str());
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

// How many owners lie between hWnd and hWndOwner (1: owned directly); 0 when it is not in its chain.
int OwnerDepth(HWND hWnd, HWND hWndOwner)
{
    int nDepth = 0;
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr && nDepth < 16; h = ::GetWindow(h, GW_OWNER))
    {
        ++nDepth;
        if (h == hWndOwner)
            return nDepth;
    }
    return 0;
}

void PrintOwned(HWND hWndOwner)
{
    std::vector<HWND> all;
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&all));
    for (HWND hWnd : all)
    {
        int nDepth = OwnerDepth(hWnd, hWndOwner);
        if (nDepth == 0 || !::IsWindowVisible(hWnd))
            continue;
        char cls[64];
        ::GetClassNameA(hWnd, cls, sizeof(cls));
        std::printf("owned %s", cls);
        PrintRect(hWnd);
        std::printf(" %s %d\n", WindowText(hWnd).c_str(), nDepth);
        ::EnumChildWindows(hWnd, PrintChild, 0);
    }
}

void PrintFocus(HWND hWndMain)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hWndMain, nullptr), &info) || info.hwndFocus == nullptr)
    {
        std::printf("focus none\n");
        return;
    }
    char cls[64];
    ::GetClassNameA(info.hwndFocus, cls, sizeof(cls));
    HWND hWndRoot = ::GetAncestor(info.hwndFocus, GA_ROOT);
    std::printf("focus %d %s", hWndRoot == info.hwndFocus ? 0 : ::GetDlgCtrlID(info.hwndFocus), cls);
    if (hWndRoot == hWndMain)
    {
        std::printf(" main\n");
        return;
    }
    char rootCls[64];
    ::GetClassNameA(hWndRoot, rootCls, sizeof(rootCls));
    std::printf(" %s", rootCls);
    PrintRect(hWndRoot);
    std::printf("\n");
}

int RegDump()
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    {
        std::printf("nokey\n");
        return 0;
    }
    std::vector<unsigned char> data(1 << 16);
    for (DWORD i = 0;; ++i)
    {
        char name[256];
        DWORD nName = sizeof(name);
        DWORD type = 0;
        DWORD nData = static_cast<DWORD>(data.size());
        if (::RegEnumValueA(hKey, i, name, &nName, nullptr, &type, data.data(), &nData) != ERROR_SUCCESS)
            break;
        std::printf("%s %lu %lu %s\n", name, static_cast<unsigned long>(type), static_cast<unsigned long>(nData),
                    Hex(data.data(), nData).c_str());
    }
    ::RegCloseKey(hKey);
    return 0;
}

int RegSet(const char* pszName, const char* pszType, const char* pszHex)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return 1;
    std::vector<unsigned char> bytes = Unhex(pszHex);
    LONG result = ::RegSetValueExA(hKey, pszName, 0, std::strtoul(pszType, nullptr, 10),
                                   bytes.empty() ? nullptr : bytes.data(), static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "reg-dump")
        return RegDump();
    if (command == "reg-clear")
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY);
        return 0;
    }
    if (command == "reg-set" && argc > 4)
        return RegSet(argv[2], argv[3], argv[4]);
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: probe children|owned|focus <title> | post <title> <msg> <wparam> <lparam>\n"
                             "       | move <title> <x> <y> | reg-dump | reg-clear | reg-set <name> <type> <hex>\n");
        return 2;
    }
    HWND hWnd = ::FindWindowA(nullptr, argv[2]);
    if (hWnd == nullptr)
    {
        std::printf("nowindow\n");
        return command == "post" || command == "move" ? 1 : 0;
    }
    if (command == "children")
    {
        std::printf("window %d", ::IsWindowVisible(hWnd) ? 1 : 0);
        PrintRect(hWnd);
        std::printf("\n");
        ::EnumChildWindows(hWnd, PrintChild, 0);
    }
    else if (command == "owned")
        PrintOwned(hWnd);
    else if (command == "focus")
        PrintFocus(hWnd);
    else if (command == "post" && argc > 5)
        return ::PostMessageA(hWnd, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                              static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 0)),
                              static_cast<LPARAM>(std::strtol(argv[5], nullptr, 0))) ? 0 : 1;
    else if (command == "move" && argc > 4)
        return ::SetWindowPos(hWnd, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    else
        return 2;
    return 0;
}
