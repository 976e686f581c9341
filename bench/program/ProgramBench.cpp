// program_bench.exe: Varnok's start-up beside template_floor.exe (Varnok's own
// main template shown by a bare dialog procedure) and minimal_dialog.exe (a
// plain Win32 dialog of two controls in the same font), Varnok's memory beside
// the minimal dialog's, and one calculation's time from Enter to the seven
// display places repainted. Prints its figures; the goals are printed beside
// them, not enforced.
#include "ConverterDlg.h"
#include "SettingsKey.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int START_RUNS = 21;     // measured start-ups of each program, after one unmeasured
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

// Nearest rank: 0.5 the median, 0.95 the 95th percentile, a little above 0 the smallest.
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
    std::string path;
    const char* pszTitle;        // of its main window
    PROCESS_INFORMATION pi = {}; // once started
    HWND hWnd = nullptr;         // its main window, once visible
};

// Starts the program: ms from CreateProcess to its main window visible, and to its first input idle.
bool Start(CProgram& program, double* pdVisibleMs, double* pdIdleMs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + program.path + "\"";
    const double dStart = NowMs();
    if (!::CreateProcessA(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &program.pi))
        return false;
    bool bUp = WaitFor([&] {
        DWORD dwOwner = 0;
        program.hWnd = ::FindWindowA(nullptr, program.pszTitle);
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
    if (program.hWnd != nullptr)
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
    for (const BYTE* p = nullptr;
         ::VirtualQueryEx(hProcess, p, &info, sizeof(info)) == sizeof(info) && info.RegionSize != 0;
         p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize)
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
            std::vector<LRESULT> images = PlaceImages();
            MSG key = { hEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001, ::GetTickCount(), {} };
            const double dStart = NowMs();
            BOOL bTaken = CConverterDlg::PreTranslateMessage(&key);
            const double dHandled = NowMs();
            RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const double dPainted = NowMs();
            if (!bTaken || PlaceImages() == images)
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

    // The bitmaps the seven places show.
    std::vector<LRESULT> PlaceImages() const
    {
        std::vector<LRESULT> images;
        for (int nID = IDC_DIGIT_1; nID <= IDC_DIGIT_7; ++nID)
            images.push_back(::SendDlgItemMessageA(m_hWnd, nID, STM_GETIMAGE, IMAGE_BITMAP, 0));
        return images;
    }
};

bool Failed(const std::string& why)
{
    std::printf("FAILED: %s\n", why.c_str());
    return false;
}

// Varnok, the template floor and the minimal dialog START_RUNS times, in turn; false with the reason printed.
bool MeasureStartUp(const CProgram (&programs)[3])
{
    std::printf("Start-up, ms from CreateProcess to the window visible / input idle (median of %d rounds, after\n"
                "one unmeasured; Varnok's settings key deleted before each of its runs)\n\n", START_RUNS);
    std::vector<double> visibleMs[3], idleMs[3];
    for (int nRun = 0; nRun <= START_RUNS; ++nRun)
        for (int i = 0; i < 3; ++i)
        {
            ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH);
            CProgram program = programs[i];
            double dVisibleMs = 0.0, dIdleMs = 0.0;
            bool bUp = Start(program, &dVisibleMs, &dIdleMs);
            Close(program);
            if (!bUp)
                return Failed(program.path + " did not start");
            if (nRun > 0)
            {
                visibleMs[i].push_back(dVisibleMs);
                idleMs[i].push_back(dIdleMs);
            }
        }
    // The fastest runs beside the medians: on a loaded machine they say more of the programs themselves.
    for (int i = 0; i < 3; ++i)
        std::printf("  %-20s %8.1f / %6.1f   fastest %6.1f / %6.1f\n",
                    programs[i].path.substr(programs[i].path.rfind('\\') + 1).c_str(), Rank(visibleMs[i], 0.5),
                    Rank(idleMs[i], 0.5), Rank(visibleMs[i], 0.0001), Rank(idleMs[i], 0.0001));
    // Each round starts the three programs one after another, so a round's ratios share the machine's
    // load of the moment: their median is steadier than the ratio of the medians.
    std::vector<double> varnokToFloor, floorToMinimal;
    for (size_t i = 0; i < idleMs[0].size(); ++i)
    {
        varnokToFloor.push_back(idleMs[0][i] / idleMs[1][i]);
        floorToMinimal.push_back(idleMs[1][i] / idleMs[2][i]);
    }
    const double dRatio = Rank(varnokToFloor, 0.5);
    std::printf("  Varnok / template floor, to idle: median of the rounds %.2f (goal <= 1.15: %s), of the medians "
                "%.2f, of the fastest %.2f\n", dRatio, dRatio <= 1.15 ? "met" : "NOT met",
                Rank(idleMs[0], 0.5) / Rank(idleMs[1], 0.5), Rank(idleMs[0], 0.0001) / Rank(idleMs[1], 0.0001));
    std::printf("  template floor / minimal, to idle: median of the rounds %.2f, of the medians %.2f, of the "
                "fastest %.2f\n\n", Rank(floorToMinimal, 0.5), Rank(idleMs[1], 0.5) / Rank(idleMs[2], 0.5),
                Rank(idleMs[1], 0.0001) / Rank(idleMs[2], 0.0001));
    return true;
}

// Enter to the places repainted in this process; false with the reason printed.
bool MeasureCalculation()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH);
    AfxSetInstanceHandle(::GetModuleHandleA(nullptr)); // Varnok's resources are linked into this program
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    CTimedConverterDlg dlg;
    dlg.DoModal();
    if (dlg.m_totalMs.size() != CALCULATIONS)
        return Failed("Enter did not show a new result");
    std::vector<double> repaintMs;
    for (int i = 0; i < CALCULATIONS; ++i)
        repaintMs.push_back(dlg.m_totalMs[i] - dlg.m_handlerMs[i]);
    const double dP95 = Rank(dlg.m_totalMs, 0.95);
    std::printf("One calculation in this process, ms (%d runs)   median      p95\n", CALCULATIONS);
    std::printf("  Enter to the seven places repainted         %8.3f %8.3f (goal p95 < 16: %s)\n",
                Rank(dlg.m_totalMs, 0.5), dP95, dP95 < 16.0 ? "met" : "NOT met");
    std::printf("    of which Enter to OnCalculate returned    %8.3f %8.3f\n", Rank(dlg.m_handlerMs, 0.5),
                Rank(dlg.m_handlerMs, 0.95));
    std::printf("    of which the repaint                      %8.3f %8.3f\n\n", Rank(repaintMs, 0.5),
                Rank(repaintMs, 0.95));
    return true;
}

// Varnok after use beside the minimal dialog just started; false with the reason printed.
bool MeasureMemory(const CProgram (&programs)[3])
{
    double privateKiB[2] = {}, workingSetKiB[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH);
        CProgram program = programs[i == 0 ? 0 : 2];
        double dVisibleMs = 0.0, dIdleMs = 0.0;
        bool bUsed = Start(program, &dVisibleMs, &dIdleMs) && (i == 1 || UseFromOutside(program.hWnd));
        if (bUsed)
            ReadMemory(program.pi.hProcess, &privateKiB[i], &workingSetKiB[i]);
        Close(program);
        if (!bUsed)
            return Failed(program.path + " did not start or could not be used");
    }
    std::printf("Memory, KiB                                               private  working set\n");
    std::printf("  Varnok.exe after %2d calculations and %2d settings dialogs %8.0f %12.0f\n", USE_STEPS, USE_STEPS,
                privateKiB[0], workingSetKiB[0]);
    std::printf("  minimal_dialog.exe just started                        %8.0f %12.0f\n", privateKiB[1],
                workingSetKiB[1]);
    std::printf("  Varnok / minimal                                       %8.2f %12.2f\n",
                privateKiB[0] / privateKiB[1], workingSetKiB[0] / workingSetKiB[1]);
    return true;
}

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each figure as it comes
    char szPath[MAX_PATH];
    std::string dir(szPath, ::GetModuleFileNameA(nullptr, szPath, MAX_PATH));
    dir.erase(dir.find_last_of('\\') + 1);
    const CProgram programs[3] = {{dir + "Varnok.exe", VARNOK_CAPTION}, {dir + "template_floor.exe", "TemplateFloor"},
                                  {dir + "minimal_dialog.exe", "MinimalDialog"}};
    bool bAll = MeasureStartUp(programs) && MeasureCalculation() && MeasureMemory(programs);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH);
    return bAll ? 0 : 1;
}
