"""xarray and dask, with Debian's python3-xarray, python3-dask and python3-distributed: a DataArray keeps its
coordinates and dimensions, a dask array stays lazy and is computed chunk by chunk, here and on a local cluster
of two worker processes, with the in-memory result bit for bit."""
import logging
import unittest

import dask.array as da
import numpy as np
import xarray as xr

import hali
from test_arrays import recorded

DEADLINE = 120  # seconds for the cluster to start or to answer, on a loaded machine


def bits(array):
    return np.ascontiguousarray(array).view(np.uint64)


class DataArrays(unittest.TestCase):
    SP = xr.DataArray([[30.0, 35.0, 36.0], [36.0, 50.0, 20.0]], dims=("time", "depth"),
                      coords={"time": [1, 2], "depth": [10.0, 20.0, 30.0]})
    t = xr.DataArray([25.0, 10.0, 20.0], dims="depth", coords={"depth": [30.0, 10.0, 20.0]})

    def test_coordinates_and_dimensions_come_through_aligned_by_name(self):
        got = hali.density(self.SP, self.t, errors="nan")
        self.assertIsInstance(got, xr.DataArray)
        self.assertEqual((got.name, got.dims), ("density", ("time", "depth")))
        xr.testing.assert_identical(got.coords.to_dataset(), self.SP.coords.to_dataset())
        expected = hali.density(self.SP.values, [10.0, 20.0, 25.0], errors="nan")  # t in the SP's depth order
        np.testing.assert_array_equal(got.values, expected)
        with self.assertRaises(hali.HalicError) as caught:
            hali.density(self.SP, self.t)
        self.assertEqual(caught.exception.index, (1, 1))

    def test_a_dask_backed_data_array_stays_lazy(self):
        lazy = self.SP.chunk({"time": 1})
        got = hali.sg(lazy, 20.0, "t/4", errors="nan")
        self.assertIsInstance(got.data, da.Array)
        self.assertEqual(got.chunks, lazy.chunks)
        np.testing.assert_array_equal(got.compute().values, hali.sg(self.SP, 20.0, "t/4", errors="nan").values)


class DaskArrays(unittest.TestCase):
    def test_lazy_and_computed_chunk_by_chunk_with_errors_where_they_lie(self):
        values = np.linspace(0, 42, 10_000).reshape(100, 100)
        SP = da.from_array(values, chunks=(30, 40))
        p = np.linspace(0, 10000, 100)
        patch, calls, _ = recorded(hali.density.entry)
        with patch:
            got = hali.density(SP, 10.0, p)
            self.assertEqual(calls, [])
            computed = got.compute(scheduler="synchronous")
        self.assertIsInstance(got, da.Array)
        self.assertEqual(got.chunks, SP.chunks)
        blocks = [rows * columns for rows in SP.chunks[0] for columns in SP.chunks[1]]
        self.assertEqual(sorted(count for _, count in calls), sorted(blocks))
        np.testing.assert_array_equal(bits(computed), bits(hali.density(values, 10.0, p)))
        two = (hali.density(SP, 10.0, p) - hali.density(SP, 20.0, p)).compute(scheduler="synchronous")
        np.testing.assert_array_equal(two, hali.density(values, 10.0, p) - hali.density(values, 20.0, p))
        with self.assertRaises(hali.HalicError) as caught:
            one_bad = np.where(np.arange(10_000).reshape(100, 100) == 9977, 10.0, 0.0)
            hali.density(SP + one_bad, 10.0, p).compute(scheduler="synchronous")
        self.assertEqual(caught.exception.index, (99, 77))


class OnALocalCluster(unittest.TestCase):
    def test_two_worker_processes_give_the_in_memory_result_bit_for_bit(self):
        from distributed import Client, LocalCluster
        random = np.random.default_rng(22)
        n = 400_000
        SP, t, p = random.uniform(-1, 43, n), random.uniform(-3, 41, n), random.uniform(0, 10000, n)
        lazy = [da.from_array(a, chunks=n // 4) for a in (SP, t, p)]
        with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                          silence_logs=logging.ERROR) as cluster, Client(cluster, timeout=DEADLINE) as client:
            # errors="nan" reaches the workers with the graph: the random points hold bad elements.
            rho = client.compute(hali.density(*lazy, errors="nan")).result(timeout=DEADLINE)
            self.assertEqual(len(client.scheduler_info()["workers"]), 2)
        np.testing.assert_array_equal(bits(rho), bits(hali.density(SP, t, p, errors="nan")))


if __name__ == "__main__":
    unittest.main()
