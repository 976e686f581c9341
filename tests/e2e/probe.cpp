// Looks at the running program from outside, as the platform lets any other
// process do: its windows, their controls and texts, and its registry key.
// Input never comes from here: the tests type and click through X like a person.
//
//   probe windows                    top-level windows: handle, class, visible, rect, exstyle, title
//   probe children <title>           the window's controls: id, class, visible, rect, check, text
//   probe owned <title>              visible windows it owns, directly or through another owned window:
//                                    class, rect, title, depth in the chain of owners; then their controls
//   probe focus <title>              where the keyboard focus of the window's thread is: control id, class,
//                                    and the top-level window holding it ("main", or its class and rect)
//   probe post <title> <msg> <wparam> <lparam>
//                                    posts a message to the window, as any process may
//   probe post-owned <title> <msg> <wparam> <lparam>
//                                    posts it to every visible window the window owns
//   probe close-button <title>       for each visible window it owns: where its caption's close button is,
//                                    found by asking the window what lies under points of its caption
//   probe sync <title>               returns once the window's thread has taken a message from its queue
//   probe clip-set <hex>             puts text (hex of its bytes) on the clipboard, for a person to paste
//   probe reg-dump                   the settings key: "nokey", or one line per value: name type size hex
//   probe reg-clear                  deletes the settings key
//   probe reg-set <name> <type> <hex>  stores raw bytes with a registry type number; with the hex "@"
//                                    it is read from standard input (values beyond a command line's length)
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
    char buf[32768];
    DWORD_PTR nLen = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(buf), reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &nLen))
        return "-";
    return Hex(reinterpret_cast<unsigned char*>(buf), nLen);
}

void PrintRect(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    std::printf(" %ld %ld %ld %ld", rc.left, rc.top, rc.right, rc.bottom);
}

BOOL CALLBACK PrintTopLevel(HWND hWnd, LPARAM)
{
    char cls[64];
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    std::printf("%p %s %d", static_cast<void*>(hWnd), cls, ::IsWindowVisible(hWnd) ? 1 : 0);
    PrintRect(hWnd);
    std::printf(" %lx %s\n", static_cast<unsigned long>(::GetWindowLongA(hWnd, GWL_EXSTYLE)), WindowText(hWnd).c_str());
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND hWnd, LPARAM)
{
    char cls[64];
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    DWORD_PTR nCheck = 0;
    if (_stricmp(cls, "Button") == 0)
        ::SendMessageTimeoutA(hWnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &nCheck);
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

// Visible windows in the chain of owners below hWndOwner, with their depth.
std::vector<std::pair<HWND, int>> OwnedWindows(HWND hWndOwner)
{
    std::vector<HWND> all;
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&all));
    std::vector<std::pair<HWND, int>> owned;
    for (HWND hWnd : all)
    {
        int nDepth = OwnerDepth(hWnd, hWndOwner);
        if (nDepth > 0 && ::IsWindowVisible(hWnd))
            owned.push_back(std::make_pair(hWnd, nDepth));
    }
    return owned;
}

void PrintOwned(HWND hWnd, int nDepth)
{
    char cls[64];
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    std::printf("owned %s", cls);
    PrintRect(hWnd);
    std::printf(" %s %d\n", WindowText(hWnd).c_str(), nDepth);
    ::EnumChildWindows(hWnd, PrintChild, 0);
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

LRESULT HitTest(HWND hWnd, int x, int y)
{
    DWORD_PTR nHit = HTNOWHERE;
    ::SendMessageTimeoutA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &nHit);
    return static_cast<LRESULT>(nHit);
}

// The centre of the close button on the caption row of hWnd: "close x y", or "close none".
void PrintCloseButton(HWND hWnd)
{
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU)) != (WS_CAPTION | WS_SYSMENU))
    {
        std::printf("close none\n");
        return;
    }
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    for (int y = rc.top; y < rc.bottom && y < rc.top + 64; ++y)
    {
        int nRight = -1;
        int nLeft = -1;
        for (int x = rc.right - 1; x >= rc.left; --x)
        {
            bool bClose = HitTest(hWnd, x, y) == HTCLOSE;
            if (bClose && nRight < 0)
                nRight = x;
            if (!bClose && nRight >= 0)
            {
                nLeft = x + 1;
                break;
            }
        }
        if (nRight >= 0)
        {
            // The row through the button's middle: scan down to its last row.
            int nBottom = y;
            while (nBottom + 1 < rc.bottom && HitTest(hWnd, (nLeft + nRight) / 2, nBottom + 1) == HTCLOSE)
                ++nBottom;
            std::printf("close %d %d\n", (nLeft + nRight) / 2, (y + nBottom) / 2);
            return;
        }
    }
    std::printf("close none\n");
}

int Post(HWND hWnd, char** argv)
{
    UINT nMsg = static_cast<UINT>(std::strtoul(argv[0], nullptr, 0));
    WPARAM wParam = static_cast<WPARAM>(std::strtoul(argv[1], nullptr, 0));
    LPARAM lParam = static_cast<LPARAM>(std::strtol(argv[2], nullptr, 0));
    return ::PostMessageA(hWnd, nMsg, wParam, lParam) ? 0 : 1;
}

int ClipSet(const char* pszHex)
{
    std::vector<unsigned char> bytes = Unhex(pszHex);
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (hText == nullptr)
        return 1;
    char* p = static_cast<char*>(::GlobalLock(hText));
    if (!bytes.empty())
        std::memcpy(p, bytes.data(), bytes.size());
    p[bytes.size()] = '\0';
    ::GlobalUnlock(hText);
    if (!::OpenClipboard(nullptr))
    {
        ::GlobalFree(hText);
        return 1;
    }
    ::EmptyClipboard();
    BOOL bDone = ::SetClipboardData(CF_TEXT, hText) != nullptr;
    ::CloseClipboard();
    return bDone ? 0 : 1;
}

HWND FindTitle(const char* pszTitle)
{
    HWND hWnd = ::FindWindowA(nullptr, pszTitle);
    if (hWnd == nullptr)
        std::printf("nowindow\n");
    return hWnd;
}

int RegDump()
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    {
        std::printf("nokey\n");
        return 0;
    }
    std::vector<unsigned char> data(1 << 20);
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

std::string ReadStdin()
{
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), stdin)) > 0)
        text.append(buf, n);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

int RegSet(const char* pszName, const char* pszType, const char* pszHex)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return 1;
    std::vector<unsigned char> bytes = std::strcmp(pszHex, "@") == 0 ? Unhex(ReadStdin().c_str()) : Unhex(pszHex);
    LONG result = ::RegSetValueExA(hKey, pszName, 0, std::strtoul(pszType, nullptr, 10),
                                   bytes.empty() ? nullptr : bytes.data(), static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows")
    {
        ::EnumWindows(PrintTopLevel, 0);
        return 0;
    }
    if (command == "children" && argc > 2)
    {
        HWND hWnd = FindTitle(argv[2]);
        if (hWnd == nullptr)
            return 0;
        std::printf("window %d", ::IsWindowVisible(hWnd) ? 1 : 0);
        PrintRect(hWnd);
        std::printf(" %lx\n", static_cast<unsigned long>(::GetWindowLongA(hWnd, GWL_EXSTYLE)));
        ::EnumChildWindows(hWnd, PrintChild, 0);
        return 0;
    }
    if (command == "owned" && argc > 2)
    {
        HWND hWndOwner = FindTitle(argv[2]);
        if (hWndOwner != nullptr)
            for (const auto& owned : OwnedWindows(hWndOwner))
                PrintOwned(owned.first, owned.second);
        return 0;
    }
    if (command == "focus" && argc > 2)
    {
        HWND hWnd = FindTitle(argv[2]);
        if (hWnd != nullptr)
            PrintFocus(hWnd);
        return 0;
    }
    if (command == "post" && argc > 5)
    {
        HWND hWnd = FindTitle(argv[2]);
        return hWnd != nullptr ? Post(hWnd, argv + 3) : 1;
    }
    if (command == "post-owned" && argc > 5)
    {
        HWND hWndOwner = FindTitle(argv[2]);
        if (hWndOwner == nullptr)
            return 1;
        int nFailed = 0;
        for (const auto& owned : OwnedWindows(hWndOwner))
            nFailed += Post(owned.first, argv + 3);
        return nFailed == 0 ? 0 : 1;
    }
    if (command == "close-button" && argc > 2)
    {
        HWND hWndOwner = FindTitle(argv[2]);
        if (hWndOwner != nullptr)
            for (const auto& owned : OwnedWindows(hWndOwner))
                PrintCloseButton(owned.first);
        return 0;
    }
    if (command == "sync" && argc > 2)
    {
        HWND hWnd = FindTitle(argv[2]);
        DWORD_PTR nResult = 0;
        if (hWnd == nullptr || !::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &nResult))
            return 1;
        std::printf("synced\n");
        return 0;
    }
    if (command == "clip-set" && argc > 2)
        return ClipSet(argv[2]);
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
    std::fprintf(stderr, "usage: probe windows | children <title> | owned <title> | focus <title>\n"
                         "       | post <title> <msg> <wparam> <lparam> | post-owned <title> <msg> <wparam> <lparam>\n"
                         "       | close-button <title> | sync <title> | clip-set <hex> | reg-dump | reg-clear | reg-set <name> <type> <hex>\n");
    return 2;
}
