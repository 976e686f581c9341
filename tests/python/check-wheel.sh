#!/bin/sh
# The Python module's wheel, built by the target wheel in the release tree the Debian package's test shares (the
# native flavour carries the sanitizers; tests/CMakeLists.txt configures it), then installed with pip into a fresh
# virtual environment that sees Debian's NumPy, without an index: its name and version are the project's, it holds
# the module and the two libraries, libhalic finds libhali beside itself, and the installed module computes with
# them and no other: check-wheel.sh <cmake> <source> <release tree> <version>
set -eu
cmake=$1 source=$2 tree=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf '%s\n' "$@"; exit 1; }

"$cmake" --build "$tree" -j "$(nproc)" --target wheel >/dev/null
wheel=$tree/wheel/hali-$version-py3-none-linux_$(uname -m).whl
[ -f "$wheel" ] || fail "no $wheel, but:" "$(ls "$tree/wheel")"

contents=$(/usr/bin/python3 -c 'import sys, zipfile; print("\n".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' \
    "$wheel" | grep -v "^hali-$version.dist-info/" | xargs)
modules=$(cd "$source/python" && ls hali/*.py | xargs)
expected=$(printf '%s\n' $modules hali/_version.py hali/libhali.so.1 hali/libhalic.so.1 | sort | xargs)
[ "$contents" = "$expected" ] || fail "the wheel holds: $contents" "expected: $expected"

/usr/bin/python3 -m venv --system-site-packages "$work/venv"
PIP_NO_INDEX=1 PIP_DISABLE_PIP_VERSION_CHECK=1 "$work/venv/bin/pip" install --no-cache-dir -q "$wheel"
# From elsewhere, with nothing pointing at the build or its libraries.
cd "$work"
result=$(env -u HALIC_LIBRARY -u LD_LIBRARY_PATH -u LD_PRELOAD -u PYTHONPATH VIRTUAL="$work/venv" "$work/venv/bin/python" -c '
import os, hali
print(hali.__version__, os.path.relpath(hali._library.lib._name, os.environ["VIRTUAL"]))
print("%.5f" % hali.sg(35, convention="25/25"))
with open("/proc/self/maps") as maps:
    print(sorted({os.path.relpath(line.split()[-1], os.environ["VIRTUAL"]) for line in maps if "libhali" in line}))
' 2>&1)
site=lib/python$(/usr/bin/python3 -c 'import sys; print("%d.%d" % sys.version_info[:2])')/site-packages/hali
expected="$version $site/libhalic.so.1
1.02637
['$site/libhali.so.1', '$site/libhalic.so.1']"
[ "$result" = "$expected" ] || fail "the installed module printed:" "$result" "expected:" "$expected"
