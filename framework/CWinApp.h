// The application: one global object; the framework's entry point calls its
// InitInstance and ends the program when it returns FALSE.
#pragma once
#include "CCmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget
{
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run(); // the message loop of an application that keeps running

    BOOL Enable3dControls(); // controls look three-dimensional by themselves now
    HICON LoadIcon(UINT nIDResource) const; // from the module that holds it

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_pszAppName; // null: the program file's name

protected:
    void OnHelp(); // no help file comes with the framework

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCSTR AfxGetAppName();
void AfxEnableControlContainer();

// The entry point's work: sets up the module state and runs the application.
int AfxWinMain(HINSTANCE hInstance);
