#include "AboutDlg.h"
#include "resource.h"

#include <Halin.h>

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

// The box has nothing to exchange; the override is the dialog class's own.
void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CHalin::GetVersion(); // taken at every opening, as ever; the box shows its template's version line
    return TRUE;
}
