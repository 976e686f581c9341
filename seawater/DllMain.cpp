// The library's start-up: it records its own module in its framework state,
// so that GetVersion can make it current for one string load.
#include "AfxModule.h"
#include "HaliVersion.h"

#ifdef _WIN32

// Called by the loader on attach and detach; FALSE refuses the attach.
extern "C" BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD dwReason, LPVOID /*lpReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        // A process that cannot spare 8 KB of local memory would fail later
        // in the framework; refuse to attach instead.
        HLOCAL hProbe = ::LocalAlloc(LMEM_FIXED, 8192);
        if (hProbe == nullptr)
            return FALSE;
        ::LocalFree(hProbe);

        AfxSetInstanceHandle(hinstDLL);
        // While a client runs, its own module is the current resource module.
        AfxSetResourceHandle(::GetModuleHandle(nullptr));
    }
    return TRUE;
}

#else

namespace {

// Without resource sections the library's resources are this table.
const AFX_STRING_RESOURCE s_strings[] = {
    {IDS_HALI_VERSION, HALI_VERSION_STRING},
};

const AFX_RESOURCE_MODULE s_module = {s_strings, sizeof(s_strings) / sizeof(s_strings[0])};

// Runs when the shared object is loaded, before any client code calls in.
struct CHaliModuleInit
{
    CHaliModuleInit() { AfxSetInstanceHandle(&s_module); }
} s_moduleInit;

} // namespace

#endif
