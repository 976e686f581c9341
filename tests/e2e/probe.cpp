// Looks at the running program from outside, as the platform lets any other
// process do: its windows, their controls and texts, and its registry key.
// Input never comes from here: the tests type and click through X like a person.
//
//   probe windows                    top-level windows: handle, class, visible, rect, exstyle, title
//   probe children <title>           the window's controls: id, class, visible, rect, check, text
//   probe owned <title>              visible windows owned by it: class, rect, title, their static texts
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

struct OWNED_SEARCH
{
    HWND hWndOwner;
};

BOOL CALLBACK PrintOwned(HWND hWnd, LPARAM lParam)
{
    const OWNED_SEARCH* pSearch = reinterpret_cast<const OWNED_SEARCH*>(lParam);
    if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != pSearch->hWndOwner)
        return TRUE;
    char cls[64];
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    std::printf("owned %s", cls);
    PrintRect(hWnd);
    std::printf(" %s\n", WindowText(hWnd).c_str());
    ::EnumChildWindows(hWnd, PrintChild, 0);
    return TRUE;
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
        OWNED_SEARCH search = { FindTitle(argv[2]) };
        if (search.hWndOwner != nullptr)
            ::EnumWindows(PrintOwned, reinterpret_cast<LPARAM>(&search));
        return 0;
    }
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
    std::fprintf(stderr, "usage: probe windows | children <title> | owned <title> | reg-dump | reg-clear | reg-set <name> <type> <hex>\n");
    return 2;
}
