#include "AfxMessageBox.h"
#include "AfxModule.h"
#include "AfxRes.h"
#include "CWinApp.h"

#include <string>

void AfxMessageBoxParseReal(HWND hWndOwner)
{
    // In UTF-16 throughout, so the text does not depend on the ANSI code page.
    wchar_t wszCaption[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, AfxGetAppName(), -1, wszCaption, MAX_PATH);
    // A buffer size of 0 asks for the resource's own text, read only and not
    // terminated; a program without the string gets an empty prompt.
    const wchar_t* pwszPrompt = nullptr;
    const int nLength = ::LoadStringW(AfxGetResourceHandle(), AFX_IDP_PARSE_REAL,
                                      reinterpret_cast<LPWSTR>(&pwszPrompt), 0);
    const std::wstring prompt(pwszPrompt != nullptr ? pwszPrompt : L"", nLength > 0 ? nLength : 0);
    ::MessageBoxW(hWndOwner, prompt.c_str(), wszCaption, MB_OK | MB_ICONEXCLAMATION);
}
