#!/usr/bin/python3
"""halic through the Python module against Debian's python3-gsw, in one run: for every function, the time per
million points (fastest of a few runs) on all the machine's cores and on one, gsw's equivalent where it has one,
and the memory each call takes beyond its inputs (tracemalloc's peak: NumPy reports its arrays to it); then
convert on ten million points beside sg. Not a test; nothing is asserted.

Run it against an optimised library (the sanitizers of the native preset would distort every figure):

    cmake --preset bench && cmake --build --preset bench -j2 --target halic
    HALIC_LIBRARY=build/bench/bin/libhalic.so PYTHONPATH=build/bench/python/site /usr/bin/python3 bench/python_speed.py

What is compared:
- Practical Salinity from conductivity (PSS-78) and its inverse: the same formulas on the same inputs; the
  conductivity ratio against gsw's conductivity divided by C3515.
- Density. hali's is EOS-80, rho(SP, t, p) from in-situ temperature; gsw's are TEOS-10 and take Absolute
  Salinity SA (and Conservative Temperature CT for gsw.rho), made beforehand and left out of its time:
  gsw.rho(SA, CT, p), TEOS-10's 75-term polynomial, and gsw.rho_t_exact(SA, t, p), from in-situ temperature
  as EOS-80 is. Density's floor, the pow calls EOS-80 makes, is printed by the C bench (bench/HaliBench.cpp).
- Potential temperature against gsw.pt0_from_t(SA, t, p); depth against -gsw.z_from_p(p, latitude).
- The specific gravities and convert have no equivalent in gsw.
"""
import sys
import time
import tracemalloc
from unittest import mock

import gsw
import numpy as np

import hali
from hali import _engine

POINTS = 1_000_000
CONVERT_POINTS = 10_000_000
RUNS = 5
LONGITUDE, LATITUDE = -30.0, 30.0  # where SA is made from SP: the North Atlantic


def fastest(call, runs=RUNS):
    """The fastest of runs calls, seconds."""
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        call()
        best = min(best, time.perf_counter() - start)
    return best


def memory(call):
    """The most memory the call holds at once beyond what was there before, bytes."""
    tracemalloc.start()
    call()
    peak = tracemalloc.get_traced_memory()[1]
    tracemalloc.stop()
    return peak


def sanitized():
    """True when the library loaded carries AddressSanitizer."""
    with open("/proc/self/maps") as maps:
        return "libasan" in maps.read()


def main():
    random = np.random.default_rng(2024)
    SP = random.uniform(2, 42, POINTS)
    t = random.uniform(-2, 35, POINTS)
    p = random.uniform(0, 10000, POINTS)
    latitude = random.uniform(-90, 90, POINTS)
    C = gsw.C_from_SP(SP, t, p)
    SA = gsw.SA_from_SP(SP, p, LONGITUDE, LATITUDE)
    CT = gsw.CT_from_t(SA, t, p)
    sg = hali.sg(SP, t, "t/t")
    casts = np.repeat(random.uniform(1.0, 1.03, POINTS // 1000), 1000)  # a base reading per cast of 1000 points

    print(f"halic {hali.version()} ({hali._library.lib._name}), gsw {gsw.__version__}, numpy {np.__version__}, "
          f"{_engine._workers()} cores")
    print(f"{POINTS:,} points (SP 2 to 42, t -2 to 35 degC, p 0 to 10000 dbar); fastest of {RUNS} runs; "
          "ms per million points; memory in MB beyond the inputs")
    if sanitized():
        print("warning: the library carries the sanitizers; build the bench preset for figures that mean anything")

    rows = [  # hali's call, gsw's name and call (None where gsw has none)
        ("sg", lambda: hali.sg(SP, t, "t/t"), None, None),
        ("sg_at", lambda: hali.sg_at(SP, t, 4.0), None, None),
        ("salinity_from_sg", lambda: hali.salinity_from_sg(sg, t, "t/t"), None, None),
        ("salinity_from_sg_at", lambda: hali.salinity_from_sg_at(sg, t, t), None, None),
        ("sp_from_c", lambda: hali.sp_from_c(C, t, p), "SP_from_C(C, t, p)", lambda: gsw.SP_from_C(C, t, p)),
        ("c_from_sp", lambda: hali.c_from_sp(SP, t, p), "C_from_SP(SP, t, p)", lambda: gsw.C_from_SP(SP, t, p)),
        ("r_from_sp", lambda: hali.r_from_sp(SP, t, p), "C_from_SP(SP, t, p) / C3515",
         lambda: gsw.C_from_SP(SP, t, p) / hali.C3515),
        ("density", lambda: hali.density(SP, t, p), "rho(SA, CT, p)", lambda: gsw.rho(SA, CT, p)),
        ("density", lambda: hali.density(SP, t, p), "rho_t_exact(SA, t, p)", lambda: gsw.rho_t_exact(SA, t, p)),
        ("potential_temperature", lambda: hali.potential_temperature(SP, t, p), "pt0_from_t(SA, t, p)",
         lambda: gsw.pt0_from_t(SA, t, p)),
        ("depth", lambda: hali.depth(p, latitude), "z_from_p(p, latitude), negated",
         lambda: -gsw.z_from_p(p, latitude)),
        ("convert", lambda: hali.convert(t), None, None),
        ("convert, sg0 per cast", lambda: hali.convert(t, casts), None, None),
    ]
    scale = 1e3 * 1e6 / POINTS
    print(f"\n{'function':<22} {'all cores':>9} {'one core':>9} {'MB':>5}   {'gsw':>7} {'MB':>5} "
          f"{'gsw / all':>9} {'gsw / one':>9}  gsw call")
    for name, ours, theirs_name, theirs in rows:
        ours_s, ours_mb = fastest(ours), memory(ours) / 1e6
        with mock.patch.object(_engine, "_workers", lambda: 1):
            one_s = fastest(ours)
        line = f"{name:<22} {ours_s * scale:>9.1f} {one_s * scale:>9.1f} {ours_mb:>5.0f}"
        if theirs is None:
            print(f"{line}   {'-':>7} {'-':>5} {'-':>9} {'-':>9}")
        else:
            theirs_s, theirs_mb = fastest(theirs), memory(theirs) / 1e6
            print(f"{line}   {theirs_s * scale:>7.1f} {theirs_mb:>5.0f} {theirs_s / ours_s:>9.2f} "
                  f"{theirs_s / one_s:>9.2f}  gsw.{theirs_name}")
        sys.stdout.flush()

    t10 = random.uniform(0, 35, CONVERT_POINTS)
    SP10 = random.uniform(0, 42, CONVERT_POINTS)
    print(f"\n{CONVERT_POINTS:,} points, fastest of 3 runs, all cores:")
    figures = {}
    for name, call in (("sg(SP, t, \"t/t\")", lambda: hali.sg(SP10, t10, "t/t")),
                       ("convert(t)", lambda: hali.convert(t10))):
        figures[name] = fastest(call, 3), memory(call) / 1e6
        print(f"  {name:<18} {figures[name][0]:>6.2f} s {figures[name][1]:>6.0f} MB")
    (sg_s, sg_mb), (convert_s, convert_mb) = figures.values()
    print(f"  convert / sg: {convert_s / sg_s:.2f} of the time, {convert_mb / sg_mb:.2f} of the memory")

    rho80, rho10 = hali.density(SP, t, p), gsw.rho(SA, CT, p)
    print(f"\nEOS-80 against TEOS-10 density on these points: largest difference "
          f"{np.max(np.abs(rho80 - rho10)):.3f} kg/m^3, mean {np.mean(rho80 - rho10):+.4f} kg/m^3")


if __name__ == "__main__":
    main()
