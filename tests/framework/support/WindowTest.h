// The fixture of tests that open windows: this program is the instance and
// resource module while a test runs (as the entry point makes it for a
// program), and every window a test opened is gone when it ends.
#pragma once
#include <Afxwin.h>

#include <gtest/gtest.h>

class CWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

private:
    HINSTANCE m_hSavedInstance = nullptr;
    HINSTANCE m_hSavedResource = nullptr;
};

// The window text of a control of a dialog.
CString ItemText(HWND hDlg, int nID);
// Sets the window text of a control of a dialog.
void SetItemText(HWND hDlg, int nID, const char* pszText);
