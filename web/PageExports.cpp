// What the page asks of the WebAssembly module beyond halic's functions:
// halic.h's constants (the ranges the library accepts, its reasons), so that
// a field names the range the library checks against and the page knows the
// reasons by their names, and Varnok's conversion as its display shows it.
#include <halic.h>
#include "ResultRounding.h"

#include <emscripten/emscripten.h>

// page_T_MIN() ... : one function per constant, named after halic.h's.
#define PAGE_CONSTANT(name)                                                                                       \
    extern "C" EMSCRIPTEN_KEEPALIVE double page_##name(void) { return HALIC_##name; }

PAGE_CONSTANT(T_MIN)
PAGE_CONSTANT(T_MAX)
PAGE_CONSTANT(PSS78_T_MAX)
PAGE_CONSTANT(SP_MIN)
PAGE_CONSTANT(SP_MAX)
PAGE_CONSTANT(P_MAX)
PAGE_CONSTANT(SG_MAX)
PAGE_CONSTANT(SG_CONVENTIONS)
PAGE_CONSTANT(REFRACTION_T_MAX)
PAGE_CONSTANT(REFRACTOMETER_T)
PAGE_CONSTANT(SODIUM_D)
PAGE_CONSTANT(SCALES)
PAGE_CONSTANT(SCALE_SG)
PAGE_CONSTANT(GLASS_EXPANSION)
PAGE_CONSTANT(EXPANSION_MAX)
PAGE_CONSTANT(BAUME_SCALES)
PAGE_CONSTANT(BAUME_SG_MIN)
PAGE_CONSTANT(E_NO_SALINITY)
PAGE_CONSTANT(E_CONDUCTIVITY)
PAGE_CONSTANT(E_READING)

// halic_convert rounded half up to five decimals, as Varnok's display and the
// command show it; NaN where there is no answer (halic_last_error says why,
// or HALIC_OK for a result too large to round).
extern "C" EMSCRIPTEN_KEEPALIVE double page_convert(double t, double sg0, double t0, double SP, double depth_m,
                                                   int potential)
{
    return RoundToFiveDecimals(halic_convert(t, sg0, t0, SP, depth_m, potential));
}
