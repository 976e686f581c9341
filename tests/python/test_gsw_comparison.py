"""halic's PSS-78 against Debian's python3-gsw (TEOS-10), which computes the same published formulas, on 100,000
random points: SP 2 to 42 and 0 to 2 (both with the Hill et al. extension), t -2 to 35 degC (ITS-90), p 0 to
10000 dbar, and conductivities near zero. The tolerance, 1e-12 in SP and in C (mS/cm), is wide over the few units
in the last place (7e-15 near SP 42) by which the two differ in operation order and in where their inverses stop,
and far below the 5e-6 in SP that a coefficient wrong in its last published digit makes somewhere in the range."""
import unittest

import gsw
import numpy as np

import hali

POINTS = 100_000
TOLERANCE = 1e-12


class AgreesWithGsw(unittest.TestCase):
    def setUp(self):
        self.random = np.random.default_rng(1978)

    def points(self, low, high):
        return (self.random.uniform(low, high, POINTS), self.random.uniform(-2, 35, POINTS),
                self.random.uniform(0, 10000, POINTS))

    def compare(self, what, ours, theirs, where):
        difference = np.abs(ours - theirs)
        worst = int(np.argmax(difference))
        print(f"\n{what}: largest difference {difference[worst]:.3g} at "
              + ", ".join(f"{name}={values[worst]:.6g}" for name, values in where.items()))
        self.assertLessEqual(difference[worst], TOLERANCE, what)

    def check_range(self, low, high):
        SP, t, p = self.points(low, high)
        C = gsw.C_from_SP(SP, t, p)
        where = {"SP": SP, "t": t, "p": p}
        self.compare(f"SP from C, SP {low} to {high}", hali.sp_from_c(C, t, p), gsw.SP_from_C(C, t, p), where)
        self.compare(f"C from SP, SP {low} to {high}", hali.c_from_sp(SP, t, p), C, where)

    def test_pss78(self):
        self.check_range(2, 42)

    def test_low_salinity_extension(self):
        self.check_range(0, 2)

    def test_conductivities_near_zero_have_no_salinity_alike(self):
        # Below 0.0007 to 0.0024 mS/cm (by t and p) the low-salinity formula dips under 0: no salinity in either.
        C, t, p = self.points(0, 0.003)
        ours, theirs = hali.sp_from_c(C, t, p, errors="nan"), gsw.SP_from_C(C, t, p)
        np.testing.assert_array_equal(np.isnan(ours), np.isnan(theirs))
        self.assertGreater(np.isnan(ours).sum(), 0)
        numbers = ~np.isnan(ours)
        self.compare("SP from C, C 0 to 0.003 mS/cm", ours[numbers], theirs[numbers],
                     {"C": C[numbers], "t": t[numbers], "p": p[numbers]})


if __name__ == "__main__":
    unittest.main()
