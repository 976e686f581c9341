// One pass of data exchange between a dialog's controls and its members.
// A rejected control ends the pass: the later exchanges do nothing.
#pragma once
#include "AfxTypes.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    HWND PrepareCtrl(int nIDC);     // the control's window; remembered for Fail
    HWND PrepareEditCtrl(int nIDC); // the same for an edit, whose text is selected on failure
    // Rejects the last prepared control: focus on it, the rest of the pass skipped.
    void Fail();

    BOOL m_bSaveAndValidate; // TRUE: from the controls to the members
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Binds the control to rControl, subclassing it on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
