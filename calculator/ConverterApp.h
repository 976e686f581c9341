// The application: runs the main dialog and ends with it.
#pragma once
#include <Afxwin.h>

class CConverterApp : public CWinApp
{
public:
    CConverterApp();

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
