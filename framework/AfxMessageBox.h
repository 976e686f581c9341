// Message boxes of the application.
#pragma once
#include "AfxTypes.h"

// A message box over the active window, captioned with the application's name.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK);

// The data exchange's prompt for text that is not a number, over hWndOwner.
void AfxMessageBoxParseReal(HWND hWndOwner);
