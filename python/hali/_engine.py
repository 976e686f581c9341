"""How a function runs on what it is given: numbers, NumPy arrays (masked or not), dask arrays and xarray
DataArrays, under one error rule whatever the shape."""
import concurrent.futures
import functools
import math
import os
import threading

import numpy as np

from . import _arguments
from ._errors import HalicError
from ._library import lib, pointer

# From this many elements an array is split over the machine's cores (ctypes lets go of the GIL during a
# call); no call takes more than PIECE elements, so that a number broadcast to a piece stays small.
PARALLEL_MIN = 100_000
PIECE = 1 << 16


class Function:
    """One library function as the module calls it: its quantities (the arguments that broadcast), its
    scalar form, its array form and how an array reaches it, and the public function."""

    def __init__(self, name, quantities, scalar, array, kernel):
        self.name = name
        self.quantities = quantities
        self.scalar = getattr(lib, scalar)
        self.array = getattr(lib, array)
        self.kernel = kernel or _array_form
        self.function = None


def run(entry, values, constants=(), errors="raise", keywords=None):
    """entry's result for the quantities values (in entry.quantities' order) and the library's further
    arguments constants; keywords are those that give the same call through the public function."""
    errors = _arguments.errors(entry.name, errors)
    keywords = dict(keywords or {}, errors=errors)
    if any(_arguments.is_xarray(v) for v in values):
        import xarray
        # Aligned as xarray's arithmetic aligns (its option arithmetic_join).
        result = xarray.apply_ufunc(entry.function, *values, kwargs=keywords, dask="allowed",
                                    join=xarray.get_options()["arithmetic_join"])
        return result.rename(entry.name)
    checked = [_arguments.quantity(entry.name, name, value) for name, value in zip(entry.quantities, values)]
    if any(_arguments.is_dask(c) for c in checked):
        return _dask(entry, checked, keywords)
    if all(isinstance(c, float) for c in checked):
        result = entry.scalar(*checked, *constants)
        if math.isnan(result) and errors == "raise":
            raise HalicError(entry.name, lib.halic_last_error(), lib.halic_last_error_text().decode())
        return result
    return _arrays(entry, checked, constants, errors)


def _block(name, keywords, *blocks, block_info=None):
    """One chunk of a dask array, computed where dask runs it (another process, perhaps); an element's index
    in an error is the whole array's."""
    import hali
    try:
        return np.asanyarray(getattr(hali, name)(*blocks, **keywords))
    except HalicError as error:
        if error.index is None or not block_info:
            raise
        starts = [start for start, _ in block_info[None]["array-location"]]
        raise HalicError(name, error.reason, error.text, tuple(i + s for i, s in zip(error.index, starts))) from None


def _dask(entry, checked, keywords):
    import dask.array
    arrays = iter(dask.array.broadcast_arrays(*[c for c in checked if not isinstance(c, float)]))
    arguments = [c if isinstance(c, float) else next(arrays) for c in checked]
    return dask.array.map_blocks(functools.partial(_block, entry.name, keywords), *arguments, dtype=np.float64,
                                 name=f"hali-{entry.name}")


def _arrays(entry, checked, constants, errors):
    shape = np.broadcast_shapes(*[np.shape(c) for c in checked])
    size = math.prod(shape)
    masked = any(isinstance(c, np.ma.MaskedArray) for c in checked)
    mask = np.zeros(shape, dtype=bool)
    for c in checked:
        if isinstance(c, np.ma.MaskedArray):
            mask |= np.ma.getmaskarray(c)
    # A masked element is not computed: the library sees only the others.
    keep = np.flatnonzero(~mask.reshape(-1)) if mask.any() else None
    columns = [_column(c, shape, keep) for c in checked]
    n = size if keep is None else keep.size
    out = np.empty(n)
    if n and entry.kernel(entry, columns, n, constants, out) and errors == "raise":
        first = int(np.flatnonzero(np.isnan(out))[0])
        entry.scalar(*[c if isinstance(c, float) else c[first] for c in columns], *constants)
        index = np.unravel_index(first if keep is None else keep[first], shape)
        raise HalicError(entry.name, lib.halic_last_error(), lib.halic_last_error_text().decode(),
                         tuple(int(i) for i in index))
    if keep is not None:
        full = np.full(size, np.nan)
        full[keep] = out
        out = full
    out = out.reshape(shape)
    if masked:
        out = np.ma.MaskedArray(out, mask=mask)
        return np.ma.masked if shape == () and mask else out
    return float(out) if shape == () else out


def _column(value, shape, keep):
    """A quantity as the library takes it: a float, or a contiguous float64 array of the elements computed."""
    if isinstance(value, float):
        return value
    data = np.ma.getdata(value)
    if data.size == 1:
        return float(data.reshape(-1)[0])
    flat = np.broadcast_to(data, shape).reshape(-1)  # a copy only where the value is broadcast
    # A copy too where the elements are not aligned as C's doubles must be (a buffer from pickle or a file).
    return np.require(flat if keep is None else flat[keep], np.float64, ["C_CONTIGUOUS", "ALIGNED"])


def _workers():
    return len(os.sched_getaffinity(0)) if hasattr(os, "sched_getaffinity") else os.cpu_count() or 1


_pool = None
_pool_process = None
_pool_lock = threading.Lock()


def _thread_pool():
    # A pool made before a fork has no threads in the child: each process makes its own.
    global _pool, _pool_process
    with _pool_lock:
        if _pool is None or _pool_process != os.getpid():
            _pool = concurrent.futures.ThreadPoolExecutor(max_workers=_workers(), thread_name_prefix="hali")
            _pool_process = os.getpid()
        return _pool


def _checked(count):
    if count < 0:
        raise RuntimeError(lib.halic_last_error_text().decode())
    return count


def _over_pieces(n, columns, call):
    """call(start, stop, pointers) for n elements, in one piece or, for a long array, in pieces over the thread
    pool: the sum of the counts of NaN the calls return. pointers are to the columns' elements start to stop;
    a float is broadcast once, to the longest piece, which every piece shares (C only reads it)."""
    pieces = -(-n // PIECE)
    if n >= PARALLEL_MIN and _workers() > 1:
        pieces = max(pieces, _workers())
    bounds = [n * k // pieces for k in range(pieces + 1)]
    filled = [np.full(-(-n // pieces), c) if isinstance(c, float) else None for c in columns]

    def piece(start, stop):
        pointers = [pointer(c[start:stop] if f is None else f[:stop - start]) for c, f in zip(columns, filled)]
        return _checked(call(start, stop, pointers))
    if pieces == 1:
        return piece(0, n)
    return sum(_thread_pool().map(piece, bounds[:-1], bounds[1:]))


def _array_form(entry, columns, n, constants, out):
    """The library's results for n elements into out, through the array form: the count of NaN."""
    return _over_pieces(n, columns, lambda start, stop, pointers: entry.array(
        stop - start, *pointers, *constants, pointer(out[start:stop])))


def _uniform(column):
    """A column whose elements are all one value (bit for bit) as that value."""
    if isinstance(column, float):
        return column
    bits = column.view(np.uint64)
    return float(column[0]) if (bits == bits[0]).all() else column


def convert_kernel(entry, columns, n, constants, out):
    """convert's array form takes one base (sg0, t0, SP, depth_m, potential) and an array of t: one call for a
    base that is the same for every element, else one per run of elements that share it, or per distinct
    base when the runs are short."""
    t, *bases = columns
    bases = [_uniform(b) for b in bases]

    def call(rows, at):
        """The elements rows (a slice or indices) share the base of element at."""
        values = [b if isinstance(b, float) else float(b[at]) for b in bases]
        times = t if isinstance(t, float) else t[rows]
        results = out[rows] if isinstance(rows, slice) else np.empty(rows.size)

        found = _over_pieces(results.size, [times], lambda start, stop, pointers: entry.array(
            stop - start, *pointers, *values, *constants, pointer(results[start:stop])))
        if not isinstance(rows, slice):
            out[rows] = results
        return found

    varying = [b for b in bases if not isinstance(b, float)]
    if not varying:
        return call(slice(0, n), 0)
    keys = np.stack([b.view(np.uint64) for b in varying], axis=1)
    starts = np.concatenate(([0], np.flatnonzero((keys[1:] != keys[:-1]).any(axis=1)) + 1, [n]))
    if (starts.size - 1) * 16 <= n:
        return sum(call(slice(a, b), a) for a, b in zip(starts[:-1], starts[1:]))
    order = np.lexsort(keys.T[::-1])
    ordered = keys[order]
    bounds = np.concatenate(([0], np.flatnonzero((ordered[1:] != ordered[:-1]).any(axis=1)) + 1, [n]))
    return sum(call(order[a:b], order[a]) for a, b in zip(bounds[:-1], bounds[1:]))
