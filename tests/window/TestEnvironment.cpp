// The process set up as the program's entry point sets up the program: one
// application object, this module holding the resources; and no settings key
// left by an earlier run (the main window reads it at start, writes each move).
#include <Afxwin.h>

#include <gtest/gtest.h>

namespace {

CWinApp theApp;

struct CProgramProcess : ::testing::Environment
{
    void SetUp() override
    {
        AfxSetInstanceHandle(::GetModuleHandleA(nullptr));
        AfxSetResourceHandle(::GetModuleHandleA(nullptr));
        TearDown();
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\brenmoor\\Varnok"); }
};

const auto* const g_pProcess = ::testing::AddGlobalTestEnvironment(new CProgramProcess);

} // namespace
