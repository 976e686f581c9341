#!/usr/bin/python3
"""halic through the Python module against Debian's python3-gsw, one million points per call: prints the
fastest of a few runs of each and the ratios. Not a test; nothing is asserted.

Run it against an optimised library (the sanitizers of the native preset would distort every figure):

    cmake --preset bench && cmake --build --preset bench -j2 --target halic
    HALIC_LIBRARY=build/bench/bin/libhalic.so PYTHONPATH=python /usr/bin/python3 bench/python_speed.py

What is compared:
- Practical Salinity from conductivity (PSS-78) and its inverse: the same formulas on the same inputs.
- Density. hali's is EOS-80, rho(SP, t, p) from in-situ temperature; gsw's are TEOS-10 and take Absolute
  Salinity SA (and Conservative Temperature CT for gsw.rho). Three figures: gsw.rho(SA, CT, p), TEOS-10's
  75-term density, with SA and CT made beforehand and left out of its time; gsw.rho_t_exact(SA, t, p), from
  in-situ temperature as EOS-80 is; and the whole way from what hali's callers have (SP, t, p):
  SA_from_SP, CT_from_t, then rho.
"""
import sys
import time

import gsw
import numpy as np

import hali

POINTS = 1_000_000
RUNS = 5
LONGITUDE, LATITUDE = -30.0, 30.0  # where SA is made from SP: the North Atlantic


def fastest(call):
    """The fastest of RUNS calls, seconds."""
    best = float("inf")
    for _ in range(RUNS):
        start = time.perf_counter()
        call()
        best = min(best, time.perf_counter() - start)
    return best


def sanitized():
    """True when the library loaded carries AddressSanitizer."""
    with open("/proc/self/maps") as maps:
        return "libasan" in maps.read()


def main():
    random = np.random.default_rng(2024)
    SP = random.uniform(2, 42, POINTS)
    t = random.uniform(-2, 35, POINTS)
    p = random.uniform(0, 10000, POINTS)
    C = gsw.C_from_SP(SP, t, p)
    SA = gsw.SA_from_SP(SP, p, LONGITUDE, LATITUDE)
    CT = gsw.CT_from_t(SA, t, p)

    print(f"halic {hali.version()} ({hali._library.lib._name}), gsw {gsw.__version__}, numpy {np.__version__}")
    print(f"{POINTS:,} points (SP 2 to 42, t -2 to 35 degC, p 0 to 10000 dbar); fastest of {RUNS} runs")
    if sanitized():
        print("warning: the library carries the sanitizers; build the bench preset for figures that mean anything")

    rows = [
        ("SP from C", lambda: hali.sp_from_c(C, t, p), "gsw.SP_from_C(C, t, p)", lambda: gsw.SP_from_C(C, t, p)),
        ("C from SP", lambda: hali.c_from_sp(SP, t, p), "gsw.C_from_SP(SP, t, p)", lambda: gsw.C_from_SP(SP, t, p)),
        ("density", lambda: hali.density(SP, t, p), "gsw.rho(SA, CT, p)", lambda: gsw.rho(SA, CT, p)),
        ("density", lambda: hali.density(SP, t, p), "gsw.rho_t_exact(SA, t, p)", lambda: gsw.rho_t_exact(SA, t, p)),
        ("density", lambda: hali.density(SP, t, p), "SA_from_SP, CT_from_t, rho",
         lambda: gsw.rho(gsw.SA_from_SP(SP, p, LONGITUDE, LATITUDE),
                         gsw.CT_from_t(gsw.SA_from_SP(SP, p, LONGITUDE, LATITUDE), t, p), p)),
    ]
    print(f"\n{'quantity':<10} {'halic, ms':>10} {'ns/point':>9} {'gsw, ms':>10} {'gsw / halic':>12}  gsw call")
    for quantity, ours, name, theirs in rows:
        ours_s, theirs_s = fastest(ours), fastest(theirs)
        print(f"{quantity:<10} {ours_s * 1e3:>10.1f} {ours_s / POINTS * 1e9:>9.0f} {theirs_s * 1e3:>10.1f} "
              f"{theirs_s / ours_s:>12.2f}  {name}")
        sys.stdout.flush()

    rho80, rho10 = hali.density(SP, t, p), gsw.rho(SA, CT, p)
    print(f"\nEOS-80 against TEOS-10 density on these points: largest difference "
          f"{np.max(np.abs(rho80 - rho10)):.3f} kg/m^3, mean {np.mean(rho80 - rho10):+.4f} kg/m^3")


if __name__ == "__main__":
    main()
