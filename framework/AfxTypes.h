// Platform types the framework uses. On Windows they are the platform's own;
// elsewhere the few the portable parts need are defined here.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cstddef>

typedef int BOOL;
typedef unsigned int UINT;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Without resource sections, a module's resources are a table of its strings.
struct AFX_STRING_RESOURCE
{
    UINT nID;
    const char* pszText; // code page 932 bytes
};

struct AFX_RESOURCE_MODULE
{
    const AFX_STRING_RESOURCE* pStrings;
    size_t nStrings;
};

typedef const AFX_RESOURCE_MODULE* HINSTANCE;
#endif
