// program_bench.exe: Varnok's start-up and memory beside minimal_dialog.exe, a
// plain Win32 dialog in the same font, and one calculation's time from Enter
// to the seven display places repainted. Prints its figures; the goals are
// printed beside them, not enforced.
#include "ConverterDlg.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char SETTINGS_KEY[] = "Software\\brenmoor\\Varnok";
const int START_RUNS = 7;      // measured start-ups of each program, after one unmeasured
const int CALCULATIONS = 200;  // timed Enters, after one unmeasured
const int USE_STEPS = 10;      // calculations, then settings dialogs, before Varnok's memory is read
const double DEADLINE_MS = 30000.0;
const char* const TEMPS[] = { "10", "25.5" }; // two results: the places change on every Enter

double NowMs()
{
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Nearest rank: 0.5 the median, 0.95 the 95th percentile.
double Rank(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<size_t>(std::ceil(p * static_cast<double>(samples.size()))) - 1];
}

// Polls until done() or the deadline; false at the deadline.
template <typename Done>
bool WaitFor(Done done)
{
    for (double dStart = NowMs(); !done(); ::Sleep(1))
        if (NowMs() - dStart > DEADLINE_MS)
            return false;
    return true;
}

struct CProgram
{
    PROCESS_INFORMATION pi = {};
    HWND hWnd = nullptr; // its visible main window
};

// Starts the program: ms from CreateProcess to its titled window visible, and to its first input idle.
bool Start(const std::string& path, const char* pszTitle, CProgram& program, double* pdVisibleMs, double* pdIdleMs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + path + "\"";
    const double dStart = NowMs();
    if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &program.pi))
        return false;
    bool bUp = WaitFor([&] {
        DWORD dwOwner = 0;
        program.hWnd = ::FindWindowA(nullptr, pszTitle);
        ::GetWindowThreadProcessId(program.hWnd, &dwOwner);
        return dwOwner == program.pi.dwProcessId && ::IsWindowVisible(program.hWnd);
    });
    *pdVisibleMs = NowMs() - dStart;
    bUp = bUp && ::WaitForInputIdle(program.pi.hProcess, static_cast<DWORD>(DEADLINE_MS)) == 0;
    *pdIdleMs = NowMs() - dStart;
    return bUp;
}

// Cancels the program's window (Varnok's Off: nothing saved) and waits for its end; ends it by force if need be.
void Close(CProgram& program)
{
    ::PostMessageA(program.hWnd, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(program.pi.hProcess, static_cast<DWORD>(DEADLINE_MS)) != WAIT_OBJECT_0)
    {
        std::printf("  (%lu did not end; ended by force)\n", program.pi.dwProcessId);
        ::TerminateProcess(program.pi.hProcess, 1);
        ::WaitForSingleObject(program.pi.hProcess, INFINITE);
    }
    ::CloseHandle(program.pi.hThread);
    ::CloseHandle(program.pi.hProcess);
}

// Committed private memory (Wine reports no PrivateUsage) and working set, KiB.
void ReadMemory(HANDLE hProcess, double* pdPrivateKiB, double* pdWorkingSetKiB)
{
    MEMORY_BASIC_INFORMATION info;
    *pdPrivateKiB = 0.0;
    for (const BYTE* p = nullptr; ::VirtualQueryEx(hProcess, p, &info, sizeof(info)) == sizeof(info) &&
                                  info.RegionSize != 0; p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize)
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            *pdPrivateKiB += static_cast<double>(info.RegionSize) / 1024.0;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(hProcess, &counters, sizeof(counters));
    *pdWorkingSetKiB = static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

// The visible dialog that hOwner owns, or null.
HWND OwnedDialog(HWND hOwner)
{
    std::pair<HWND, HWND> search(hOwner, nullptr);
    ::EnumWindows([](HWND hWnd, LPARAM lParam) -> BOOL {
        auto* pSearch = reinterpret_cast<std::pair<HWND, HWND>*>(lParam);
        if (::GetWindow(hWnd, GW_OWNER) == pSearch->first && ::IsWindowVisible(hWnd))
            pSearch->second = hWnd;
        return pSearch->second == nullptr;
    }, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// From outside: calculations (text sent, Calc sent as Enter's accelerator sends it, the paint awaited), then
// settings dialogs (Opt posted as Ctrl+O posts it, the dialog cancelled and gone).
bool UseFromOutside(HWND hMain)
{
    DWORD_PTR nResult = 0;
    for (int i = 0; i < USE_STEPS; ++i)
        if (!::SendMessageTimeoutA(::GetDlgItem(hMain, IDC_EDIT_WATERTEMP), WM_SETTEXT, 0,
                                   reinterpret_cast<LPARAM>(TEMPS[i % 2]), SMTO_ABORTIFHUNG, 5000, &nResult) ||
            !::SendMessageTimeoutA(hMain, WM_COMMAND, MAKEWPARAM(IDC_CALC, 1), 0, SMTO_ABORTIFHUNG, 5000, &nResult) ||
            !::UpdateWindow(hMain))
            return false;
    for (int i = 0; i < USE_STEPS; ++i)
    {
        HWND hDialog = nullptr;
        ::PostMessageA(hMain, WM_COMMAND, MAKEWPARAM(IDC_OPTION, 1), 0);
        if (!WaitFor([&] { return (hDialog = OwnedDialog(hMain)) != nullptr; }) ||
            !::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0) ||
            !WaitFor([&] { return !::IsWindow(hDialog) && ::IsWindowEnabled(hMain); }))
            return false;
    }
    return true;
}

// The main window in this process, timing Enter inside its modal loop once it is up.
class CTimedConverterDlg : public CConverterDlg
{
public:
    std::vector<double> m_totalMs, m_handlerMs; // Enter to the places repainted; to OnCalculate returned

protected:
    BOOL OnInitDialog() override
    {
        BOOL bFocusFirst = CConverterDlg::OnInitDialog();
        PostMessage(WM_APP);
        return bFocusFirst;
    }

    // Enter's key offered as the modal loop offers it, then the paint it asked for, as the loop would run it
    // next. A run counts only if a place shows another glyph after it.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_APP || pMsg->hwnd != m_hWnd)
            return CConverterDlg::PreTranslateMessage(pMsg);
        HWND hEdit = ::GetDlgItem(m_hWnd, IDC_EDIT_WATERTEMP);
        for (int nRun = 0; nRun <= CALCULATIONS; ++nRun)
        {
            ::SetWindowTextA(hEdit, TEMPS[nRun % 2]);
            RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); // the typed text, before the clock
            std::vector<LRESULT> images;
            for (int nID = IDC_DIGIT_1; nID <= IDC_DIGIT_7; ++nID)
                images.push_back(::SendDlgItemMessageA(m_hWnd, nID, STM_GETIMAGE, IMAGE_BITMAP, 0));
            MSG key = { hEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001, ::GetTickCount(), {} };
            const double dStart = NowMs();
            BOOL bTaken = CConverterDlg::PreTranslateMessage(&key);
            const double dHandled = NowMs();
            RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const double dPainted = NowMs();
            bool bChanged = false;
            for (int nID = IDC_DIGIT_1; nID <= IDC_DIGIT_7; ++nID)
                bChanged |= ::SendDlgItemMessageA(m_hWnd, nID, STM_GETIMAGE, IMAGE_BITMAP, 0) != images[nID - IDC_DIGIT_1];
            if (!bTaken || !bChanged)
                break;
            if (nRun > 0)
            {
                m_totalMs.push_back(dPainted - dStart);
                m_handlerMs.push_back(dHandled - dStart);
            }
        }
        EndDialog(IDCANCEL);
        return TRUE;
    }
};

int Fail(const char* pszWhat)
{
    std::printf("FAILED: %s\n", pszWhat);
    return 1;
}

} // namespace

int main()
{
    char szPath[MAX_PATH];
    std::string dir(szPath, ::GetModuleFileNameA(nullptr, szPath, MAX_PATH));
    dir.erase(dir.find_last_of('\\') + 1);
    const std::string varnok = dir + "Varnok.exe", minimal = dir + "minimal_dialog.exe";

    std::printf("Start-up, ms from CreateProcess to the window visible / input idle (median of %d, after one\n"
                "unmeasured; Varnok's settings key deleted before each of its runs)\n\n", START_RUNS);
    std::vector<double> times[4]; // Varnok visible, idle; minimal visible, idle
    for (int nRun = 0; nRun <= START_RUNS; ++nRun)
        for (int nProgram = 0; nProgram < 2; ++nProgram)
        {
            ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
            CProgram program;
            double dVisibleMs = 0.0, dIdleMs = 0.0;
            bool bUp = Start(nProgram == 0 ? varnok : minimal, nProgram == 0 ? "Tervane" : "MinimalDialog", program,
                             &dVisibleMs, &dIdleMs);
            Close(program);
            if (!bUp)
                return Fail(nProgram == 0 ? "Varnok.exe did not start" : "minimal_dialog.exe did not start");
            if (nRun > 0)
            {
                times[2 * nProgram].push_back(dVisibleMs);
                times[2 * nProgram + 1].push_back(dIdleMs);
            }
        }
    const double dRatio = Rank(times[1], 0.5) / Rank(times[3], 0.5);
    std::printf("  %-20s %8.1f / %6.1f\n  %-20s %8.1f / %6.1f\n  Varnok / minimal, to idle: %.2f (goal <= 1.2: %s)\n\n",
                "Varnok.exe", Rank(times[0], 0.5), Rank(times[1], 0.5), "minimal_dialog.exe", Rank(times[2], 0.5),
                Rank(times[3], 0.5), dRatio, dRatio <= 1.2 ? "met" : "NOT met");

    AfxSetInstanceHandle(::GetModuleHandleA(nullptr)); // Varnok's resources are linked into this program
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    CTimedConverterDlg dlg;
    dlg.DoModal();
    if (dlg.m_totalMs.size() != CALCULATIONS)
        return Fail("Enter did not show a new result");
    std::vector<double> repaintMs;
    for (int i = 0; i < CALCULATIONS; ++i)
        repaintMs.push_back(dlg.m_totalMs[i] - dlg.m_handlerMs[i]);
    std::printf("One calculation in this process, ms (%d runs)   median      p95\n", CALCULATIONS);
    std::printf("  Enter to the seven places repainted         %8.3f %8.3f (goal p95 < 16: %s)\n",
                Rank(dlg.m_totalMs, 0.5), Rank(dlg.m_totalMs, 0.95), Rank(dlg.m_totalMs, 0.95) < 16.0 ? "met" : "NOT met");
    std::printf("    of which Enter to OnCalculate returned    %8.3f %8.3f\n", Rank(dlg.m_handlerMs, 0.5),
                Rank(dlg.m_handlerMs, 0.95));
    std::printf("    of which the repaint                      %8.3f %8.3f\n\n", Rank(repaintMs, 0.5),
                Rank(repaintMs, 0.95));

    std::printf("Memory, KiB                                               private  working set\n");
    double memory[4] = {}; // Varnok private, working set; minimal private, working set
    for (int nProgram = 0; nProgram < 2; ++nProgram)
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
        CProgram program;
        double dVisibleMs = 0.0, dIdleMs = 0.0;
        bool bUsed = Start(nProgram == 0 ? varnok : minimal, nProgram == 0 ? "Tervane" : "MinimalDialog", program,
                           &dVisibleMs, &dIdleMs) &&
                     (nProgram == 1 || UseFromOutside(program.hWnd));
        if (bUsed)
            ReadMemory(program.pi.hProcess, &memory[2 * nProgram], &memory[2 * nProgram + 1]);
        Close(program);
        if (!bUsed)
            return Fail(nProgram == 0 ? "Varnok.exe could not be used" : "minimal_dialog.exe did not start");
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
    std::printf("  Varnok.exe after %2d calculations and %2d settings dialogs %8.0f %12.0f\n", USE_STEPS, USE_STEPS,
                memory[0], memory[1]);
    std::printf("  minimal_dialog.exe just started                        %8.0f %12.0f\n", memory[2], memory[3]);
    std::printf("  Varnok / minimal                                       %8.2f %12.2f\n", memory[0] / memory[2],
                memory[1] / memory[3]);
    return 0;
}
