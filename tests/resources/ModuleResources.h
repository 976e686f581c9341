// Raw access to the resources linked into the running test program, which
// carries Varnok.rc exactly as the calculator does.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// Language of every resource of the program.
constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// The bytes of one resource as the loader maps them; empty when missing.
struct ResourceBytes {
    const BYTE* data = nullptr;
    std::size_t size = 0;

    bool empty() const { return data == nullptr; }
};

// The Japanese resource of a type and numeric id in this module.
ResourceBytes FindJapaneseResource(LPCSTR type, UINT id);

// The languages in which this module holds a resource of a type and id.
std::vector<LANGID> ResourceLanguages(LPCSTR type, UINT id);

// The numeric ids of all resources of a type in this module, ascending.
std::vector<UINT> ResourceIds(LPCSTR type);

// This module's instance handle, where the resources live.
HINSTANCE ThisModule();
