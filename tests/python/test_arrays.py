"""How arrays reach the library: in pieces over the machine's cores for long ones with the one call's results
bit for bit, and convert grouped by its base with no more memory than sg."""
import threading
import tracemalloc
import unittest
from unittest import mock

import numpy as np

import hali
from hali import _engine


def recorded(entry):
    """Patches entry's array form to record (thread, count of elements) for each call."""
    real, calls = entry.array, []

    def record(n, *arguments):
        calls.append((threading.get_ident(), n))
        return real(n, *arguments)
    return mock.patch.object(entry, "array", record), calls, real


class LongArraysUseEveryCore(unittest.TestCase):
    def test_pieces_on_the_pool_give_the_one_calls_results_and_its_first_error(self):
        n = 3 * _engine.PARALLEL_MIN + 7
        random = np.random.default_rng(21)
        SP, t, p = random.uniform(-1, 43, n), random.uniform(-3, 41, n), random.uniform(0, 10000, n)
        patch, calls, real = recorded(hali.density.entry)
        with patch, mock.patch.object(_engine, "_workers", lambda: 4):
            got = hali.density(SP, t, p, errors="nan")
        whole = np.empty(n)
        real(n, *[hali._library.pointer(a) for a in (SP, t, p, whole)])
        np.testing.assert_array_equal(got, whole)
        self.assertGreaterEqual(len(calls), 4)
        self.assertEqual(sum(count for _, count in calls), n)
        self.assertNotIn(threading.get_ident(), {thread for thread, _ in calls})

        SP, t = np.full(n, 35.0), np.full(n, 10.0)
        t[n - 5] = 41
        with mock.patch.object(_engine, "_workers", lambda: 4), self.assertRaises(hali.HalicError) as caught:
            hali.density(SP, t)
        self.assertEqual(caught.exception.index, (n - 5,))


class ConvertGroupsByBase(unittest.TestCase):
    N = 64
    BASES = [  # name, sg0 for N elements, SP for N elements, calls of the array form
        ("numbers", 1.024, 35.0, 1),
        ("arrays of one value", np.full(N, 1.024), np.full(N, 35.0), 1),
        ("runs", np.repeat([1.02, 1.024, 1.03], [20, 20, 24]), 35.0, 3),
        ("alternating", np.tile([1.02, 1.024], N // 2), np.tile([30.0, 35.0], N // 2), 2),
        ("each its own", np.linspace(1.0, 1.05, N), 35.0, N),
        ("with a bad one", np.where(np.arange(N) == 7, 2.5, 1.024), 35.0, 3),
    ]

    def test_each_element_is_its_own_call(self):
        t = np.linspace(-2, 40, self.N)
        for name, sg0, SP, expected_calls in self.BASES:
            patch, calls, _ = recorded(hali.convert.entry)
            with patch:
                got = hali.convert(t, sg0, 20.0, SP, 3.0, False, errors="nan")
            elements = np.broadcast_arrays(t, sg0, SP)
            expected = [hali.convert(a, b, 20.0, c, 3.0, False, errors="nan") for a, b, c in zip(*elements)]
            np.testing.assert_array_equal(got, expected, name)
            self.assertEqual(len(calls), expected_calls, name)

    def test_numbers_for_the_base_cost_no_more_memory_than_sg(self):
        t = np.linspace(0, 40, 1_000_000)

        def peak(call):
            tracemalloc.start()
            call()
            used = tracemalloc.get_traced_memory()[1]
            tracemalloc.stop()
            return used
        self.assertLessEqual(peak(lambda: hali.convert(t)), 2 * peak(lambda: hali.sg(t, t, "t/t")))


if __name__ == "__main__":
    unittest.main()
