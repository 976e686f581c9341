// Message boxes of the application.
#pragma once
#include "AfxTypes.h"

// The data exchange's prompt for text that is not a number, over hWndOwner.
void AfxMessageBoxParseReal(HWND hWndOwner);
