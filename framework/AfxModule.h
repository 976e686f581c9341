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
// Resource types, as the resource compiler numbers them.
#define AFX_RT_BITMAP MAKEINTRESOURCEA(2)
#define AFX_RT_DIALOG MAKEINTRESOURCEA(5)
#define AFX_RT_ACCELERATOR MAKEINTRESOURCEA(9)
#define AFX_RT_GROUP_ICON MAKEINTRESOURCEA(14)

// The module that holds the resource: the current resource module if it has
// it, else this module's instance.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Whether the module that holds resources has bitmap nIDResource.
BOOL AfxHasBitmap(UINT nIDResource);

// Bitmap resource nIDResource of the module that holds it, at its own size
// and colours (LoadBitmap); null when there is none. The caller deletes it.
HBITMAP AfxLoadBitmap(UINT nIDResource);
#endif
