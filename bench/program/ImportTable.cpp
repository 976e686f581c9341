#include "ImportTable.h"

#include <cstring>

void* PatchImport(HMODULE hModule, const char* pszName, void* pfnNew)
{
    BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
    const IMAGE_DOS_HEADER* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const IMAGE_NT_HEADERS* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return nullptr;

    void* pfnOld = nullptr;
    for (const IMAGE_IMPORT_DESCRIPTOR* pDll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
         pDll->Name != 0; ++pDll)
    {
        // The names stay in the lookup table; the address table is what calls go through.
        DWORD nLookup = pDll->OriginalFirstThunk != 0 ? pDll->OriginalFirstThunk : pDll->FirstThunk;
        const IMAGE_THUNK_DATA* pLookup = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + nLookup);
        IMAGE_THUNK_DATA* pAddress = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk);
        for (; pLookup->u1.AddressOfData != 0; ++pLookup, ++pAddress)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pLookup->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* pByName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pLookup->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), pszName) != 0)
                continue;
            DWORD dwProtect = 0;
            ::VirtualProtect(&pAddress->u1.Function, sizeof(pAddress->u1.Function), PAGE_READWRITE, &dwProtect);
            pfnOld = reinterpret_cast<void*>(pAddress->u1.Function);
            pAddress->u1.Function = reinterpret_cast<ULONG_PTR>(pfnNew);
            ::VirtualProtect(&pAddress->u1.Function, sizeof(pAddress->u1.Function), dwProtect, &dwProtect);
        }
    }
    return pfnOld;
}
