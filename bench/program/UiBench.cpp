// ui_bench.exe: Varnok's main window run in this process, for what a
// calculation costs on the screen and what calculations and dialog openings
// leave behind.
//
// Start-up inside the process: the times from DoModal to OnInitDialog's
// entry (window and controls created from the template), to its return, to
// the modal loop running, and to the first paint done.
//
// Calculation latency: edit 1002 is given a temperature (and repainted)
// outside the measurement; then the Enter key's WM_KEYDOWN for the edit is
// offered to the dialog's PreTranslateMessage as its modal loop offers it (the
// accelerator turns it into Calc and OnCalculate runs), and
// RedrawWindow(RDW_UPDATENOW | RDW_ALLCHILDREN) runs the paint that the
// calculation asked for, the seven places' repaints included. The
// performance counter is read around those two calls, and between them to
// split the handler from the repaint; CMessageClock times the program's
// STM_SETIMAGE sends (the digit places' image swaps) inside the repaint. Two
// temperatures take turns, so the digits change on every run. A run counts
// only if Enter reached OnCalculate (the typed temperature arrived in the
// member) and a paint followed.
//
// Objects left behind: Wine's GetGuiResources reports nothing, so the objects
// are counted where the program makes them. The program's classes and the
// framework are linked into this executable, so all their calls into GDI32,
// USER32 and ADVAPI32 go through this executable's import address table.
// CHandleLedger points those entries, for every creating and releasing
// function the program imports (CreateCompatibleDC/DeleteDC,
// CreateFontIndirectA/DeleteObject, LoadBitmapA, LoadImageA/DeleteObject,
// GetDC/ReleaseDC, BeginPaint/EndPaint, CreateDialogIndirectParamA/
// DestroyWindow, SetWindowsHookExA/UnhookWindowsHookEx, LoadIconA,
// LoadAcceleratorsA, RegCreateKeyExA/RegCloseKey: the list objdump -p shows for
// Varnok.exe), at stand-ins that call the system and keep the set of handles
// created and not yet released. A release of a handle that is not in the set
// was not created by the program through these functions (the bitmaps that the
// digit places' template gave them, for one); it is counted and listed apart,
// never matched against the program's own. What the system creates inside its
// own DLLs (the controls' own drawing, the template's images) is outside the
// ledger; the process's kernel handles (GetProcessHandleCount, which Wine
// leaves at zero, and this process's entries in the system's handle table),
// the windows of this thread and the committed private memory are printed
// beside it as a cross-check.
//
// The loops: 1,000 calculations as above, then 100 openings of the settings
// dialog (Opt posted as Ctrl+O posts it) and 100 of the About box (system
// command 0x10 posted), each closed from a timer callback that finds the
// dialog that the main window owns and posts IDCANCEL to it, within a
// deadline. Before the loops, a warm-up brings every glyph of the digit
// display into its cache (the glyphs are loaded once and kept) and opens each
// dialog once, so that what the loops add is growth, not first use.
#include "BenchFigures.h"
#include "ConverterDlg.h"
#include "HandleLedger.h"
#include "MessageClock.h"
#include "resource.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

const char SETTINGS_KEY[] = "Software\\brenmoor\\Varnok";
const UINT WM_RUN_BENCH = WM_APP + 1;

const int LATENCY_RUNS = 200;
const double LATENCY_GOAL_MS = 16.0;
const int LOOP_CALCULATIONS = 1000;
const int LOOP_OPENINGS = 100;           // of each dialog
const double DIALOG_DEADLINE_MS = 10000.0; // one opening and closing
const UINT CLOSER_PERIOD_MS = 10;

// The two temperatures that take turns: their results differ, so the places change.
const char* const ALTERNATING_TEMPS[] = { "10", "25.5" };

// One calculation's time and where it went, ms.
struct CCalcTiming
{
    double dTotalMs = 0.0;   // Enter offered to the places repainted
    double dHandlerMs = 0.0; // Enter offered to OnCalculate returned
    double dSwapMs = 0.0;    // inside the program's STM_SETIMAGE sends, all in the repaint
    long nSwaps = 0;         // those sends
};

// What the process holds at one moment.
struct CSnapshot
{
    CLedgerCounts ledger;     // objects the program's code made and released
    DWORD nHandleCount;       // GetProcessHandleCount
    long nTableHandles;       // this process's entries in the system's handle table; -1: not available
    int nThreadWindows;       // windows of this thread, children included
    CProcessMemory memory;    // KiB
};

// Counts into the int at lParam.
BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// Counts the window and its descendants into the int at lParam.
BOOL CALLBACK CountWindowAndChildren(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountWindow, lParam);
    return TRUE;
}

// This process's kernel handles as the system's handle table lists them
// (NtQuerySystemInformation, class 16), for where GetProcessHandleCount says
// nothing; -1 when the table cannot be read.
long TableHandles()
{
    typedef LONG(WINAPI * PFN_NT_QUERY_SYSTEM_INFORMATION)(ULONG, PVOID, ULONG, PULONG);
    const ULONG SYSTEM_HANDLE_INFORMATION = 16;
    const LONG STATUS_INFO_LENGTH_MISMATCH = static_cast<LONG>(0xC0000004);
    struct CHandleEntry
    {
        ULONG nOwner;   // process id; its low 16 bits where the system keeps a back-trace index above
        BYTE nType;
        BYTE nFlags;
        USHORT nHandle;
        PVOID pObject;
        ULONG nAccess;
    };
    struct CHandleTable
    {
        ULONG nCount;
        CHandleEntry entries[1];
    };

    HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
    PFN_NT_QUERY_SYSTEM_INFORMATION pfnQuery = hNtdll != nullptr
        ? reinterpret_cast<PFN_NT_QUERY_SYSTEM_INFORMATION>(::GetProcAddress(hNtdll, "NtQuerySystemInformation"))
        : nullptr;
    if (pfnQuery == nullptr)
        return -1;
    std::vector<BYTE> buffer(1 << 16);
    LONG nStatus;
    ULONG nNeeded = 0;
    while ((nStatus = pfnQuery(SYSTEM_HANDLE_INFORMATION, buffer.data(), static_cast<ULONG>(buffer.size()),
                               &nNeeded)) == STATUS_INFO_LENGTH_MISMATCH &&
           buffer.size() < (1u << 28))
        buffer.resize(buffer.size() * 2);
    if (nStatus != 0)
        return -1;
    const CHandleTable* pTable = reinterpret_cast<const CHandleTable*>(buffer.data());
    ULONG nSelf = ::GetCurrentProcessId() & 0xFFFF;
    long nHandles = 0;
    for (ULONG i = 0; i < pTable->nCount; ++i)
        nHandles += (pTable->entries[i].nOwner & 0xFFFF) == nSelf;
    return nHandles;
}

// Everything a snapshot holds, now; takes none of the counted functions' handles itself.
CSnapshot TakeSnapshot()
{
    CSnapshot snapshot = {};
    snapshot.ledger = CHandleLedger::Counts();
    ::GetProcessHandleCount(::GetCurrentProcess(), &snapshot.nHandleCount);
    snapshot.nTableHandles = TableHandles();
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindowAndChildren,
                        reinterpret_cast<LPARAM>(&snapshot.nThreadWindows));
    MeasureProcessMemory(::GetCurrentProcess(), &snapshot.memory);
    return snapshot;
}

// The dialog that one opening waits for; the timer callback fills it in.
struct CDialogCloser
{
    HWND hOwner = nullptr;  // the main window
    HWND hDialog = nullptr; // the dialog it owns, once seen
    CStopwatch clock;       // since the opening was posted
};
CDialogCloser g_closer;

// Stops at the first visible dialog that the main window owns and notes it.
BOOL CALLBACK FindOwnedDialog(HWND hWnd, LPARAM)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (std::string(szClass) == "#32770" && ::GetWindow(hWnd, GW_OWNER) == g_closer.hOwner &&
        ::IsWindowVisible(hWnd))
    {
        g_closer.hDialog = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the opened dialog's modal loop: finds the dialog and cancels it.
void CALLBACK CloseOwnedDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_closer.hDialog == nullptr)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedDialog, 0);
        if (g_closer.hDialog != nullptr)
            ::PostMessageA(g_closer.hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    if (g_closer.clock.ElapsedMs() > DIALOG_DEADLINE_MS)
    {
        // A dialog that will not close keeps its modal loop, and so this
        // callback, running: OpenAndClose never gets to check its deadline.
        std::printf("FAILED: a dialog did not close within %.0f ms\n", DIALOG_DEADLINE_MS);
        std::fflush(stdout);
        ::ExitProcess(2);
    }
}

// The main window with the benchmark run inside its modal loop once it is up.
class CBenchConverterDlg : public CConverterDlg
{
public:
    int m_nExitCode = 1;                // 0 once every step ran
    std::vector<CSnapshot> m_snapshots; // window up, before the loops, after them
    std::vector<CCalcTiming> m_latency; // one per measured calculation
    CStopwatch m_startClock;            // restarted just before DoModal
    double m_startMs[4] = {};           // OnInitDialog entered and returned, loop running, first paint done
    double m_dCalcLoopMs = 0.0;         // the loops' wall times
    double m_dOptionLoopMs = 0.0;
    double m_dAboutLoopMs = 0.0;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    int Run();
    bool Calculate(const char* pszTemp, CCalcTiming* pTiming = nullptr);
    bool MeasureLatency();
    bool WarmUp();
    bool RunLoops();
    bool OpenAndClose(UINT message, WPARAM wParam);
};

// The window initialises as always; the run starts once its modal loop runs.
BOOL CBenchConverterDlg::OnInitDialog()
{
    m_startMs[0] = m_startClock.ElapsedMs();
    BOOL bFocusFirst = CConverterDlg::OnInitDialog();
    m_startMs[1] = m_startClock.ElapsedMs();
    PostMessage(WM_RUN_BENCH);
    return bFocusFirst;
}

// The run's message starts the run and ends the window; everything else as always.
BOOL CBenchConverterDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_RUN_BENCH && pMsg->hwnd == m_hWnd)
    {
        m_nExitCode = Run();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    return CConverterDlg::PreTranslateMessage(pMsg);
}

// Every measurement in turn; 0 when all ran.
int CBenchConverterDlg::Run()
{
    // The first paint, so that the window is up as the user first sees it.
    m_startMs[2] = m_startClock.ElapsedMs();
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    m_startMs[3] = m_startClock.ElapsedMs();
    m_snapshots.push_back(TakeSnapshot());
    if (!MeasureLatency() || !WarmUp())
        return 1;
    m_snapshots.push_back(TakeSnapshot());
    if (!RunLoops())
        return 1;
    m_snapshots.push_back(TakeSnapshot());
    return 0;
}

// One calculation from the Enter key to the places repainted. False unless
// Enter ran Calc (the typed temperature reached the member through the
// exchange) and a paint followed within the measurement.
bool CBenchConverterDlg::Calculate(const char* pszTemp, CCalcTiming* pTiming)
{
    HWND hEdit = ::GetDlgItem(m_hWnd, IDC_EDIT_WATERTEMP);
    ::SetWindowTextA(hEdit, pszTemp);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); // the typed text, before the clock
    double dPreviousTemp = m_dWaterTemp;
    long nPaints = CHandleLedger::Counts().nCreated[HK_PAINT_DC];
    long nSwaps = CMessageClock::Sends();
    double dSwapMs = CMessageClock::SentMs();

    MSG msg = {};
    msg.hwnd = hEdit;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RETURN;
    msg.lParam = 0x001C0001; // repeat count 1, scan code of Enter
    msg.time = ::GetTickCount();
    CStopwatch clock;
    BOOL bConsumed = CConverterDlg::PreTranslateMessage(&msg);
    double dHandlerMs = clock.ElapsedMs();
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    double dTotalMs = clock.ElapsedMs();

    if (pTiming != nullptr)
    {
        pTiming->dTotalMs = dTotalMs;
        pTiming->dHandlerMs = dHandlerMs;
        pTiming->dSwapMs = CMessageClock::SentMs() - dSwapMs;
        pTiming->nSwaps = CMessageClock::Sends() - nSwaps;
    }
    bool bExchanged = m_dWaterTemp == std::strtod(pszTemp, nullptr) && m_dWaterTemp != dPreviousTemp;
    bool bPainted = CHandleLedger::Counts().nCreated[HK_PAINT_DC] > nPaints;
    return bConsumed && bExchanged && bPainted && m_bBlankDisplay == 0;
}

// LATENCY_RUNS timed calculations.
bool CBenchConverterDlg::MeasureLatency()
{
    for (int nRun = 0; nRun < LATENCY_RUNS; ++nRun)
    {
        CCalcTiming timing;
        if (!Calculate(ALTERNATING_TEMPS[nRun % 2], &timing))
        {
            std::printf("FAILED: Enter did not calculate (run %d)\n", nRun + 1);
            return false;
        }
        m_latency.push_back(timing);
    }
    return true;
}

// Every glyph into the display's cache, and each dialog opened once.
bool CBenchConverterDlg::WarmUp()
{
    std::vector<std::string> temps;
    for (int nTenths = -20; nTenths <= 350; nTenths += 7)
    {
        char szTemp[16];
        std::snprintf(szTemp, sizeof(szTemp), "%.1f", nTenths / 10.0);
        temps.push_back(szTemp);
    }
    temps.push_back("-500"); // far outside the formula's range: the error pattern
    for (const std::string& temp : temps)
    {
        if (!Calculate(temp.c_str()))
        {
            std::printf("FAILED: Enter did not calculate %s\n", temp.c_str());
            return false;
        }
    }
    return OpenAndClose(WM_COMMAND, MAKEWPARAM(IDC_OPTION, 1)) && OpenAndClose(WM_SYSCOMMAND, IDM_ABOUTBOX);
}

// The calculations and dialog openings whose leftovers the snapshots compare.
bool CBenchConverterDlg::RunLoops()
{
    CStopwatch clock;
    for (int i = 0; i < LOOP_CALCULATIONS; ++i)
    {
        if (!Calculate(ALTERNATING_TEMPS[i % 2]))
        {
            std::printf("FAILED: Enter did not calculate (loop %d)\n", i + 1);
            return false;
        }
    }
    m_dCalcLoopMs = clock.ElapsedMs();
    clock.Restart();
    for (int i = 0; i < LOOP_OPENINGS; ++i)
        if (!OpenAndClose(WM_COMMAND, MAKEWPARAM(IDC_OPTION, 1)))
        {
            std::printf("FAILED: settings dialog %d did not open and close\n", i + 1);
            return false;
        }
    m_dOptionLoopMs = clock.ElapsedMs();
    clock.Restart();
    for (int i = 0; i < LOOP_OPENINGS; ++i)
        if (!OpenAndClose(WM_SYSCOMMAND, IDM_ABOUTBOX))
        {
            std::printf("FAILED: About box %d did not open and close\n", i + 1);
            return false;
        }
    m_dAboutLoopMs = clock.ElapsedMs();
    return true;
}

// Posts the opening message and runs this window's messages, as its modal
// loop would, until the dialog it opens has been seen, cancelled and is gone.
bool CBenchConverterDlg::OpenAndClose(UINT message, WPARAM wParam)
{
    g_closer.hOwner = m_hWnd;
    g_closer.hDialog = nullptr;
    g_closer.clock.Restart();
    UINT_PTR idTimer = ::SetTimer(nullptr, 0, CLOSER_PERIOD_MS, &CloseOwnedDialog);
    PostMessage(message, wParam, 0);

    bool bDone = false;
    MSG msg;
    while (!bDone && g_closer.clock.ElapsedMs() <= DIALOG_DEADLINE_MS && ::GetMessageA(&msg, nullptr, 0, 0))
    {
        if (!(msg.hwnd == m_hWnd && CConverterDlg::PreTranslateMessage(&msg)))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        bDone = g_closer.hDialog != nullptr && !::IsWindow(g_closer.hDialog) && IsWindowEnabled();
    }
    ::KillTimer(nullptr, idTimer);
    return bDone;
}

// Median, 95th percentile and maximum of the samples, ms.
void PrintLatencyRow(const char* pszWhat, const std::vector<double>& samples)
{
    std::printf("  %-40s  %8.3f  %8.3f  %8.3f\n", pszWhat, Median(samples), Percentile(samples, 0.95),
                Percentile(samples, 1.0));
}

// The latency table: the whole, the handler, the repaint and the image swaps in it.
void PrintLatency(const std::vector<CCalcTiming>& latency)
{
    std::vector<double> totalMs;
    std::vector<double> handlerMs;
    std::vector<double> repaintMs;
    std::vector<double> swapMs;
    long nSwaps = 0;
    for (const CCalcTiming& timing : latency)
    {
        totalMs.push_back(timing.dTotalMs);
        handlerMs.push_back(timing.dHandlerMs);
        repaintMs.push_back(timing.dTotalMs - timing.dHandlerMs);
        swapMs.push_back(timing.dSwapMs);
        nSwaps += timing.nSwaps;
    }
    std::printf("One calculation, Enter to the seven places repainted (%zu runs, ms)\n\n", latency.size());
    std::printf("  %-40s  %8s  %8s  %8s\n", "", "median", "p95", "max");
    PrintLatencyRow("Enter to the places repainted", totalMs);
    PrintLatencyRow("  of which Enter to OnCalculate returned", handlerMs);
    PrintLatencyRow("  of which the repaint", repaintMs);
    char szSwaps[64];
    std::snprintf(szSwaps, sizeof(szSwaps), "    in it, %.0f STM_SETIMAGE sends",
                  static_cast<double>(nSwaps) / static_cast<double>(latency.size()));
    PrintLatencyRow(szSwaps, swapMs);
    double dP95 = Percentile(totalMs, 0.95);
    std::printf("\n  first run %.3f ms; goal < %.0f ms at the 95th percentile: %s\n\n", totalMs.front(),
                LATENCY_GOAL_MS, dP95 < LATENCY_GOAL_MS ? "met" : "NOT met");
}

// Live counts per kind and the cross-checks, one column per snapshot.
void PrintSnapshots(const std::vector<CSnapshot>& snapshots, const std::vector<const char*>& labels)
{
    std::printf("  %-26s", "live, created by the program");
    for (const char* pszLabel : labels)
        std::printf("  %14s", pszLabel);
    std::printf("\n");
    for (int nKind = 0; nKind < HK_KINDS; ++nKind)
    {
        std::printf("  %-26s", CHandleLedger::KindName(nKind));
        for (const CSnapshot& snapshot : snapshots)
            std::printf("  %14ld", snapshot.ledger.nLive[nKind]);
        std::printf("\n");
    }
    std::printf("  %-26s", "GetProcessHandleCount");
    for (const CSnapshot& snapshot : snapshots)
        std::printf("  %14lu", static_cast<unsigned long>(snapshot.nHandleCount));
    std::printf("\n  %-26s", "handles in system table");
    for (const CSnapshot& snapshot : snapshots)
        std::printf("  %14ld", snapshot.nTableHandles);
    std::printf("\n  %-26s", "windows of the thread");
    for (const CSnapshot& snapshot : snapshots)
        std::printf("  %14d", snapshot.nThreadWindows);
    std::printf("\n  %-26s", "private committed KiB");
    for (const CSnapshot& snapshot : snapshots)
        std::printf("  %14.0f", snapshot.memory.dPrivateCommittedKiB);
    std::printf("\n  %-26s", "working set KiB");
    for (const CSnapshot& snapshot : snapshots)
        std::printf("  %14.0f", snapshot.memory.dWorkingSetKiB);
    std::printf("\n\n");
}

// What the loops created, released and released without having created, per kind.
void PrintLoopTraffic(const CSnapshot& before, const CSnapshot& after)
{
    std::printf("  %-26s  %10s  %10s  %10s  %10s\n", "during the loops", "created", "released", "not ours",
                "live +/-");
    for (int nKind = 0; nKind < HK_KINDS; ++nKind)
        std::printf("  %-26s  %10ld  %10ld  %10ld  %+10ld\n", CHandleLedger::KindName(nKind),
                    after.ledger.nCreated[nKind] - before.ledger.nCreated[nKind],
                    after.ledger.nReleased[nKind] - before.ledger.nReleased[nKind],
                    after.ledger.nForeign[nKind] - before.ledger.nForeign[nKind],
                    after.ledger.nLive[nKind] - before.ledger.nLive[nKind]);
    std::printf("  %-26s  %+10ld\n", "GetProcessHandleCount +/-",
                static_cast<long>(after.nHandleCount) - static_cast<long>(before.nHandleCount));
    std::printf("  %-26s  %+10ld\n", "handles in system table +/-", after.nTableHandles - before.nTableHandles);
    std::printf("  %-26s  %+10d\n\n", "windows of the thread +/-", after.nThreadWindows - before.nThreadWindows);
}

// Which bitmap resources were loaded how often: cached glyphs once, per-opening faces per opening.
void PrintBitmapLoads()
{
    std::printf("Bitmap resources loaded by the program over the whole run (id: loads)\n  ");
    int nGlyphs = 0;
    int nOnLine = 0;
    for (const auto& load : CHandleLedger::BitmapLoads())
    {
        nGlyphs += load.first >= IDB_DIGIT_8 && load.first <= IDB_GLYPH_MINUS;
        std::printf("%u: %ld%s", load.first, load.second, ++nOnLine % 10 == 0 ? "\n  " : "   ");
    }
    std::printf("\n  glyphs among them: %d of %d\n\n", nGlyphs, IDB_GLYPH_MINUS - IDB_DIGIT_8 + 1);
}

// The releases of handles that were not the program's, apart from its own.
void PrintForeignReleases()
{
    std::printf("Releases of handles the program did not create through the counted functions\n");
    std::map<std::string, long> foreign = CHandleLedger::ForeignReleases();
    if (foreign.empty())
        std::printf("  none\n");
    for (const auto& entry : foreign)
        std::printf("  %6ld x %s\n", entry.second, entry.first.c_str());
    std::printf("\n");
}

} // namespace

int main()
{
    std::vector<std::string> notImported = CHandleLedger::Install();
    bool bSwapsTimed = CMessageClock::Install(STM_SETIMAGE);
    std::printf("ui_bench: Varnok's main window in this process\n");
    std::printf("counted imports missing from this executable (the program does not call them):");
    for (const std::string& name : notImported)
        std::printf(" %s", name.c_str());
    std::printf("%s\n", notImported.empty() ? " none" : "");
    if (!bSwapsTimed)
        std::printf("SendMessageA is not imported: the image swaps are not timed\n");
    std::printf("\n");
    std::fflush(stdout);

    HINSTANCE hThis = ::GetModuleHandleA(nullptr);
    AfxSetInstanceHandle(hThis);
    AfxSetResourceHandle(hThis);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY); // a first start, as program_bench's

    CWinApp app("ui_bench");
    std::vector<CSnapshot> snapshots;
    std::vector<CCalcTiming> latency;
    double startMs[4] = {}; // as CBenchConverterDlg::m_startMs
    double loopMs[3] = {};  // calculations, settings dialogs, About boxes
    int nExitCode = 1;
    {
        CBenchConverterDlg dlg;
        app.m_pMainWnd = &dlg;
        dlg.m_startClock.Restart();
        dlg.DoModal();
        app.m_pMainWnd = nullptr;
        nExitCode = dlg.m_nExitCode;
        snapshots = dlg.m_snapshots;
        latency = dlg.m_latency;
        for (int i = 0; i < 4; ++i)
            startMs[i] = dlg.m_startMs[i];
        loopMs[0] = dlg.m_dCalcLoopMs;
        loopMs[1] = dlg.m_dOptionLoopMs;
        loopMs[2] = dlg.m_dAboutLoopMs;
    }
    snapshots.push_back(TakeSnapshot());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);

    std::printf("The main window's start inside the process, ms since DoModal was called\n\n");
    std::printf("  template loaded, window and controls created (OnInitDialog entered)  %8.1f\n", startMs[0]);
    std::printf("  OnInitDialog returned                                                %8.1f\n", startMs[1]);
    std::printf("  window shown, modal loop running                                     %8.1f\n", startMs[2]);
    std::printf("  first paint done                                                     %8.1f\n\n", startMs[3]);
    if (!latency.empty())
        PrintLatency(latency);
    if (nExitCode == 0 && snapshots.size() == 4)
    {
        std::printf("GDI and USER objects over %d calculations (%.1f ms each), %d settings dialogs and %d About\n"
                    "boxes (opened and closed in %.1f and %.1f ms each, the closing timer's %u ms period included)\n\n",
                    LOOP_CALCULATIONS, loopMs[0] / LOOP_CALCULATIONS, LOOP_OPENINGS, LOOP_OPENINGS,
                    loopMs[1] / LOOP_OPENINGS, loopMs[2] / LOOP_OPENINGS, CLOSER_PERIOD_MS);
        PrintSnapshots(snapshots, { "window up", "before loops", "after loops", "window gone" });
        PrintLoopTraffic(snapshots[1], snapshots[2]);
    }
    PrintBitmapLoads();
    PrintForeignReleases();
    std::fflush(stdout);
    return nExitCode;
}
