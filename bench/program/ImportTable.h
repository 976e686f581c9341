// This executable's import address table, which every call from its code
// into a system DLL goes through.
#pragma once
#include <windows.h>

// Points every import of the named function in the module at pfnNew; the
// function the table held before, or null when the module does not import it.
void* PatchImport(HMODULE hModule, const char* pszName, void* pfnNew);
