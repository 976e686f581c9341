#include "ModuleResources.h"

#include <algorithm>

HINSTANCE ThisModule()
{
    return GetModuleHandleA(nullptr);
}

ResourceBytes FindJapaneseResource(LPCSTR type, UINT id)
{
    ResourceBytes bytes;
    HRSRC info = FindResourceExA(ThisModule(), type, MAKEINTRESOURCEA(id), kJapanese);
    if (info == nullptr)
        return bytes;
    HGLOBAL loaded = LoadResource(ThisModule(), info);
    if (loaded == nullptr)
        return bytes;
    bytes.data = static_cast<const BYTE*>(LockResource(loaded));
    bytes.size = bytes.data != nullptr ? SizeofResource(ThisModule(), info) : 0;
    return bytes;
}

namespace {

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<LANGID>*>(param)->push_back(language);
    return TRUE;
}

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    // Named (non-numeric) resources are recorded as 0, which no id of ours is.
    UINT id = IS_INTRESOURCE(name) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)) : 0;
    reinterpret_cast<std::vector<UINT>*>(param)->push_back(id);
    return TRUE;
}

}  // namespace

std::vector<LANGID> ResourceLanguages(LPCSTR type, UINT id)
{
    std::vector<LANGID> languages;
    EnumResourceLanguagesA(ThisModule(), type, MAKEINTRESOURCEA(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::vector<UINT> ResourceIds(LPCSTR type)
{
    std::vector<UINT> ids;
    EnumResourceNamesA(ThisModule(), type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
    std::sort(ids.begin(), ids.end());
    return ids;
}
