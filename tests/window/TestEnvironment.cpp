// The process these windows run in, set up as the program's entry point sets
// up the program: one application object, this module as the place of the
// resources; and a settings key that no earlier run has left behind (the main
// window reads it at start and writes every move).
#include <Afxwin.h>

#include <gtest/gtest.h>

namespace {

CWinApp theApp;

class CCleanSettings : public ::testing::Environment
{
public:
    void SetUp() override
    {
        HINSTANCE hModule = ::GetModuleHandleA(nullptr);
        AfxSetInstanceHandle(hModule);
        AfxSetResourceHandle(hModule);
        Remove();
    }
    void TearDown() override { Remove(); }

private:
    static void Remove() { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\brenmoor\\Varnok"); }
};

const ::testing::Environment* const g_pCleanSettings = ::testing::AddGlobalTestEnvironment(new CCleanSettings);

} // namespace
