#!/bin/sh
# The Debian package, made by CPack from the release tree, then taken apart in a temporary folder, the machine's
# packages untouched: its control fields, and the unpacked command, Python module, page and SDK at work (they
# report VARNOK_VERSION): check-deb.sh <cpack> <release tree> <package version> <multiarch folder> <cmake>
set -eu
cpack=$1 tree=$2 version=$3 multiarch=$4 cmake=$5
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf '%s\n' "$@"; exit 1; }

(cd "$tree" && "$cpack" -B "$work/packages" >/dev/null)
deb=$(echo "$work"/packages/hali_*.deb)

# The version is the project's; the dependencies, by name, are the runtime's and the Python module's, no
# more (a sanitized build would add the sanitizers').
control=$(dpkg-deb -I "$deb" control)
for field in "Package: hali" "Version: $version-1" "Architecture: $(dpkg --print-architecture)" \
        "Maintainer: .+ <.+@.+>" "Section: [a-z]+" "Description: .+"; do
    printf '%s\n' "$control" | grep -qxE "$field" || fail "no field $field in:" "$control"
done
depends=$(printf '%s\n' "$control" | sed -n 's/^Depends: //p' | tr ',' '\n' | awk '{ print $1 }' | sort | xargs)
[ "$depends" = "libc6 libgcc-s1 libstdc++6 python3 python3-numpy" ] || fail "Depends: $depends"

dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
# The command finds the libraries in the multiarch folder by its run path; the module through the loader's path.
sh "$here/../sdk/check-command.sh" "$usr/bin/hali"
module=$(LD_LIBRARY_PATH="$usr/lib/$multiarch" PYTHONPATH="$usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1 \
    /usr/bin/python3 -c 'import hali, numpy; print("%.5f" % hali.sg(numpy.array([35.0]), convention="25/25")[0])')
[ "$module" = 1.02637 ] || fail "the Python module computed: $module"
# The page in the data folder, its module at work under node: the worked example.
page=$usr/share/hali/web
[ "$(ls "$page" | xargs)" = "index.html page.css page.js" ] || fail "the page's folder holds: $(ls "$page" | xargs)"
worked=$(node -e 'require(process.argv[1])().then(h => console.log(h._page_convert(26, 1.024, 24, 35, 1, 1).toFixed(5)))' \
    "$page/page.js")
[ "$worked" = 1.02339 ] || fail "the page's module converted 26 degC to: $worked"
sh "$here/../sdk/check-consumer.sh" cmake "$cmake" "$usr" "$work/consumer"
