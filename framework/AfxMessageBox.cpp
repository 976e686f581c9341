#include "AfxMessageBox.h"
#include "CWinApp.h"

void AfxMessageBoxParseReal(HWND hWndOwner)
{
    // Written in UTF-16 so the text does not depend on the ANSI code page.
    wchar_t wszCaption[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, AfxGetAppName(), -1, wszCaption, MAX_PATH);
    ::MessageBoxW(hWndOwner, L"数値を入力してください。", wszCaption, MB_OK | MB_ICONEXCLAMATION);
}
