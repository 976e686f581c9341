#include "ConverterApp.h"
#include "ConverterDlg.h"

BEGIN_MESSAGE_MAP(CConverterApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp) // void OnHelp()
END_MESSAGE_MAP()

CConverterApp theApp;

CConverterApp::CConverterApp() {}

// FALSE: the program ends when the main dialog does.
BOOL CConverterApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CConverterDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal(); // however the dialog ends, the program ends with it
    m_pMainWnd = nullptr;
    return FALSE;
}
