// program_bench.exe: how fast Varnok starts and how much memory it holds,
// each beside minimal_dialog.exe, a plain Win32 dialog of the same font.
//
// Start-up: CreateProcess, then until the program's window (found by its
// title, in the started process) is visible and WaitForInputIdle returns.
// Every run is ended by posting IDCANCEL to the window (Varnok's Off, which
// saves nothing) and waiting for the process to exit. Varnok's settings key
// is deleted before each of its runs, so every run is a first start with the
// same (absent) settings. One unmeasured run of each program comes first, so
// that the files are read from disk before the measured runs begin.
//
// Memory: private bytes (PrivateUsage as GetProcessMemoryInfo reports it, and
// the committed private pages summed with VirtualQueryEx, since Wine reports
// no PrivateUsage) and working set of Varnok just started and after ten
// calculations and ten openings of the settings dialog, driven from this
// process: the temperature is sent into edit 1002, Calc is posted as the
// accelerator posts it, the owned settings dialog is found and cancelled.
// Beside them, minimal_dialog.exe just started.
#include "BenchFigures.h"
#include "resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char VARNOK_TITLE[] = "Tervane";
const char MINIMAL_TITLE[] = "MinimalDialog";
const char SETTINGS_KEY[] = "Software\\brenmoor\\Varnok";

const int START_RUNS = 7;                // measured start-ups of each program
const int MEMORY_CALCULATIONS = 10;
const int MEMORY_SETTINGS_OPENINGS = 10;
const double START_DEADLINE_MS = 30000.0; // a window that takes longer is a failure
const DWORD EXIT_DEADLINE_MS = 10000;
const double STEP_DEADLINE_MS = 10000.0;  // one calculation or one dialog opening
const UINT SEND_TIMEOUT_MS = 5000;
const double START_GOAL = 1.2;            // Varnok's median start-up over the minimal dialog's

// A program started by this benchmark; ended by CloseProgram.
struct CStartedProgram
{
    PROCESS_INFORMATION pi = {}; // process and thread handles, ids
    HWND hWnd = nullptr;         // its visible window
    double dShownMs = 0.0;       // CreateProcess to the window visible
    double dIdleMs = 0.0;        // CreateProcess to visible and input idle
};

// The folder this program was started from, where the two programs lie.
std::string ProgramDir()
{
    char szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string path(szPath, nLen);
    size_t nSlash = path.find_last_of("\\/");
    return nSlash == std::string::npos ? std::string(".") : path.substr(0, nSlash);
}

// Visible top-level window with this title that belongs to the process, or null.
HWND FindProgramWindow(const char* pszTitle, DWORD dwProcessId)
{
    HWND hWnd = ::FindWindowA(nullptr, pszTitle);
    if (hWnd == nullptr || !::IsWindowVisible(hWnd))
        return nullptr;
    DWORD dwOwner = 0;
    ::GetWindowThreadProcessId(hWnd, &dwOwner);
    return dwOwner == dwProcessId ? hWnd : nullptr;
}

// Posts IDCANCEL to the program's window and waits for it to exit; false when it had to be killed.
bool CloseProgram(CStartedProgram& program)
{
    bool bClean = true;
    if (program.hWnd != nullptr)
        ::PostMessageA(program.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (::WaitForSingleObject(program.pi.hProcess, EXIT_DEADLINE_MS) != WAIT_OBJECT_0)
    {
        ::TerminateProcess(program.pi.hProcess, 1);
        ::WaitForSingleObject(program.pi.hProcess, EXIT_DEADLINE_MS);
        bClean = false;
    }
    ::CloseHandle(program.pi.hThread);
    ::CloseHandle(program.pi.hProcess);
    program = CStartedProgram();
    return bClean;
}

// The started program's window visible, then its first idle, timed by clock; false with a reason.
bool WaitForWindowAndIdle(const std::string& path, const char* pszTitle, const CStopwatch& clock,
                          CStartedProgram& program, std::string& error)
{
    while ((program.hWnd = FindProgramWindow(pszTitle, program.pi.dwProcessId)) == nullptr)
    {
        if (::WaitForSingleObject(program.pi.hProcess, 0) == WAIT_OBJECT_0)
        {
            error = path + " ended before showing its window";
            return false;
        }
        if (clock.ElapsedMs() > START_DEADLINE_MS)
        {
            error = path + ": no visible window titled " + pszTitle;
            return false;
        }
        ::Sleep(1);
    }
    program.dShownMs = clock.ElapsedMs();
    DWORD dwLeft = static_cast<DWORD>(START_DEADLINE_MS - program.dShownMs) + 1;
    if (::WaitForInputIdle(program.pi.hProcess, dwLeft) != 0)
    {
        error = path + ": never idle for input";
        return false;
    }
    program.dIdleMs = clock.ElapsedMs();
    return true;
}

// Starts the program and waits for its window and its first idle; false with a reason on failure.
bool StartProgram(const std::string& path, const char* pszTitle, CStartedProgram& program, std::string& error)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + path + "\"";
    CStopwatch clock;
    // Under a heavily loaded Wine a start has been seen to fail once; it is
    // tried once more, said so, and timed from the second call.
    for (int nTry = 1;; ++nTry)
    {
        if (::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                             &program.pi))
            break;
        std::string failure = "CreateProcess failed for " + path + " (error " + std::to_string(::GetLastError()) + ")";
        if (nTry == 2)
        {
            error = failure;
            return false;
        }
        std::printf("  (%s; once more)\n", failure.c_str());
        ::Sleep(100);
        clock.Restart();
    }
    if (!WaitForWindowAndIdle(path, pszTitle, clock, program, error))
    {
        CloseProgram(program); // a start that failed leaves nothing running
        return false;
    }
    return true;
}



// A first start for the next Varnok run: its settings key gone.
void ForgetVarnokSettings()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
}

// The window's text, read across processes; empty when the window does not answer.
std::string WindowText(HWND hWnd)
{
    char szText[256] = "";
    DWORD_PTR nLen = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText), SMTO_ABORTIFHUNG,
                               SEND_TIMEOUT_MS, &nLen))
        return std::string();
    return std::string(szText, nLen);
}

// One calculation driven from outside. The text is written so that the
// program's exchange rewrites it (pszTyped becomes pszShown), which tells that
// the posted Calc has run.
bool CalculateFromOutside(HWND hMain, const char* pszTyped, const char* pszShown)
{
    HWND hEdit = ::GetDlgItem(hMain, IDC_EDIT_WATERTEMP);
    DWORD_PTR nResult = 0;
    if (hEdit == nullptr ||
        !::SendMessageTimeoutA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pszTyped), SMTO_ABORTIFHUNG,
                               SEND_TIMEOUT_MS, &nResult))
        return false;
    ::PostMessageA(hMain, WM_COMMAND, MAKEWPARAM(IDC_CALC, 1), 0);
    CStopwatch clock;
    while (WindowText(hEdit) != pszShown)
    {
        if (clock.ElapsedMs() > STEP_DEADLINE_MS)
            return false;
        ::Sleep(1);
    }
    return true;
}

struct COwnedSearch
{
    HWND hOwner; // the main window
    HWND hFound; // a visible dialog it owns, once found
};

// Stops at the first visible dialog that pSearch->hOwner owns.
BOOL CALLBACK FindOwnedDialog(HWND hWnd, LPARAM lParam)
{
    COwnedSearch* pSearch = reinterpret_cast<COwnedSearch*>(lParam);
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (std::string(szClass) == "#32770" && ::GetWindow(hWnd, GW_OWNER) == pSearch->hOwner && ::IsWindowVisible(hWnd))
    {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Opt posted as Ctrl+O posts it; the settings dialog found, cancelled and gone.
bool OpenAndCancelSettings(HWND hMain)
{
    ::PostMessageA(hMain, WM_COMMAND, MAKEWPARAM(IDC_OPTION, 1), 0);
    COwnedSearch search = { hMain, nullptr };
    CStopwatch clock;
    for (;;)
    {
        ::EnumWindows(&FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
        if (search.hFound != nullptr)
            break;
        if (clock.ElapsedMs() > STEP_DEADLINE_MS)
            return false;
        ::Sleep(1);
    }
    ::PostMessageA(search.hFound, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    while (::IsWindow(search.hFound) || !::IsWindowEnabled(hMain))
    {
        if (clock.ElapsedMs() > STEP_DEADLINE_MS)
            return false;
        ::Sleep(1);
    }
    return true;
}

// One start of the program, timed, and its end; false with a reason on failure.
bool TimeOneStart(const std::string& path, const char* pszTitle, double* pdShownMs, double* pdIdleMs,
                  std::string& error)
{
    CStartedProgram program;
    if (!StartProgram(path, pszTitle, program, error))
        return false;
    *pdShownMs = program.dShownMs;
    *pdIdleMs = program.dIdleMs;
    if (!CloseProgram(program))
    {
        error = path + " did not end on IDCANCEL";
        return false;
    }
    return true;
}

// A started program's memory, printed as one row.
bool PrintMemoryRow(const char* pszWhat, HANDLE hProcess, CProcessMemory* pMemory)
{
    if (!MeasureProcessMemory(hProcess, pMemory))
    {
        std::printf("  %-52s  (GetProcessMemoryInfo failed: %lu)\n", pszWhat, ::GetLastError());
        return false;
    }
    std::printf("  %-52s  %12.0f  %12.0f  %12.0f\n", pszWhat, pMemory->dPrivateUsageKiB,
                pMemory->dPrivateCommittedKiB, pMemory->dWorkingSetKiB);
    return true;
}

// Prints the reason; the exit code of a failed run.
int Fail(const std::string& error)
{
    std::printf("FAILED: %s\n", error.c_str());
    std::fflush(stdout);
    return 1;
}

// Starts both programs START_RUNS times, interleaved; prints each run and the medians.
int MeasureStartUp(const std::string& varnok, const std::string& minimal)
{
    std::printf("Start-up, ms from CreateProcess to the window visible and WaitForInputIdle returned\n");
    std::printf("(Varnok's settings key deleted before each of its runs: every run is a first start)\n\n");
    std::printf("  %-8s  %18s  %18s\n", "run", "Varnok.exe", "minimal_dialog.exe");
    std::printf("  %-8s  %8s %9s  %8s %9s\n", "", "visible", "idle", "visible", "idle");

    std::vector<double> varnokMs;       // to visible and idle
    std::vector<double> minimalMs;
    std::vector<double> varnokShownMs;  // to visible
    std::vector<double> minimalShownMs;
    for (int nRun = 0; nRun <= START_RUNS; ++nRun)
    {
        std::string error;
        double dVarnokShown = 0.0;
        double dVarnokIdle = 0.0;
        ForgetVarnokSettings();
        if (!TimeOneStart(varnok, VARNOK_TITLE, &dVarnokShown, &dVarnokIdle, error))
            return Fail(error);
        double dMinimalShown = 0.0;
        double dMinimalIdle = 0.0;
        if (!TimeOneStart(minimal, MINIMAL_TITLE, &dMinimalShown, &dMinimalIdle, error))
            return Fail(error);

        std::string label = nRun == 0 ? "warm-up" : std::to_string(nRun);
        std::printf("  %-8s  %8.1f %9.1f  %8.1f %9.1f\n", label.c_str(), dVarnokShown, dVarnokIdle, dMinimalShown,
                    dMinimalIdle);
        if (nRun > 0)
        {
            varnokMs.push_back(dVarnokIdle);
            minimalMs.push_back(dMinimalIdle);
            varnokShownMs.push_back(dVarnokShown);
            minimalShownMs.push_back(dMinimalShown);
        }
        std::fflush(stdout);
    }
    double dVarnok = Median(varnokMs);
    double dMinimal = Median(minimalMs);
    double dRatio = dVarnok / dMinimal;
    std::printf("  %-8s  %8.1f %9.1f  %8.1f %9.1f\n", "median", Median(varnokShownMs), dVarnok,
                Median(minimalShownMs), dMinimal);
    std::printf("\n  ratio Varnok / minimal (medians to idle): %.2f  (goal <= %.1f: %s)\n\n", dRatio, START_GOAL,
                dRatio <= START_GOAL ? "met" : "NOT met");
    return 0;
}

// Varnok after use against the minimal dialog just started.
int MeasureMemory(const std::string& varnok, const std::string& minimal)
{
    std::printf("Memory, KiB\n\n");
    std::printf("  %-52s  %12s  %12s  %12s\n", "", "PrivateUsage", "private", "working set");
    std::printf("  %-52s  %12s  %12s  %12s\n", "", "(reported)", "(committed)", "");

    std::string error;
    CStartedProgram v;
    ForgetVarnokSettings();
    if (!StartProgram(varnok, VARNOK_TITLE, v, error))
        return Fail(error);
    CProcessMemory started = {};
    PrintMemoryRow("Varnok.exe just started", v.pi.hProcess, &started);

    const char* const typed[] = { "+12.50", "+26.250" };
    const char* const shown[] = { "12.5", "26.25" };
    for (int i = 0; i < MEMORY_CALCULATIONS; ++i)
        if (!CalculateFromOutside(v.hWnd, typed[i % 2], shown[i % 2]))
        {
            CloseProgram(v);
            return Fail("calculation " + std::to_string(i + 1) + " did not run within the deadline");
        }
    for (int i = 0; i < MEMORY_SETTINGS_OPENINGS; ++i)
        if (!OpenAndCancelSettings(v.hWnd))
        {
            CloseProgram(v);
            return Fail("settings dialog " + std::to_string(i + 1) + " did not open and close within the deadline");
        }
    CProcessMemory used = {};
    bool bVarnok = PrintMemoryRow("Varnok.exe after 10 calculations, 10 settings dialogs", v.pi.hProcess, &used);
    if (!CloseProgram(v))
        return Fail("Varnok.exe did not end on IDCANCEL");

    CStartedProgram m;
    if (!StartProgram(minimal, MINIMAL_TITLE, m, error))
        return Fail(error);
    CProcessMemory minimalStarted = {};
    bool bMinimal = PrintMemoryRow("minimal_dialog.exe just started", m.pi.hProcess, &minimalStarted);
    if (!CloseProgram(m))
        return Fail("minimal_dialog.exe did not end on IDCANCEL");

    if (bVarnok && bMinimal)
    {
        std::printf("\n  ratio Varnok (after use) / minimal:");
        if (minimalStarted.dPrivateUsageKiB > 0.0)
            std::printf(" PrivateUsage %.2f,", used.dPrivateUsageKiB / minimalStarted.dPrivateUsageKiB);
        else
            std::printf(" PrivateUsage not reported,");
        std::printf(" private committed %.2f, working set %.2f\n",
                    used.dPrivateCommittedKiB / minimalStarted.dPrivateCommittedKiB,
                    used.dWorkingSetKiB / minimalStarted.dWorkingSetKiB);
        std::printf("  Varnok's growth over its use: private committed %+.0f KiB, working set %+.0f KiB\n\n",
                    used.dPrivateCommittedKiB - started.dPrivateCommittedKiB,
                    used.dWorkingSetKiB - started.dWorkingSetKiB);
    }
    return 0;
}

} // namespace

int main()
{
    std::string dir = ProgramDir();
    std::string varnok = dir + "\\Varnok.exe";
    std::string minimal = dir + "\\minimal_dialog.exe";
    std::printf("program_bench: %s against %s\n\n", varnok.c_str(), minimal.c_str());
    std::fflush(stdout);

    int nResult = MeasureStartUp(varnok, minimal);
    if (nResult == 0)
        nResult = MeasureMemory(varnok, minimal);
    ForgetVarnokSettings();
    std::fflush(stdout);
    return nResult;
}
