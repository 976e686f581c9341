// HALI_API marks what hali exports: dllexport while the library itself is
// built, dllimport for its clients on Windows, default visibility elsewhere
// (the library is compiled with hidden visibility).
#pragma once

#ifdef _WIN32
#ifdef HALI_BUILDING
#define HALI_API __declspec(dllexport)
#else
#define HALI_API __declspec(dllimport)
#endif
#else
#define HALI_API __attribute__((visibility("default")))
#endif
