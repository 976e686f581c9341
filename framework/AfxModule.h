// The module state: which module is this module's instance, and from which
// module resources are currently loaded. Each module that links the framework
// has its own state.
#pragma once
#include "AfxTypes.h"

HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE hInstance);

// The current resource module: strings, dialogs and images are loaded from it.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);

#ifdef _WIN32
// The module that holds the resource: the current resource module if it has
// it, else this module's instance.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
#endif
