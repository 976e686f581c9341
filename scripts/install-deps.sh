# Sourced by the scripts: installs what a fresh Debian 12 machine lacks. The
# Debian package's test needs dpkg-dev and file: CPack finds the binaries with
# file and their dependencies with dpkg-shlibdeps. The page is built with
# emscripten (whose optimiser runs under nodejs) and tested in Chromium through
# chromedriver and Selenium, with the fonts its approved pictures were drawn in.
VARNOK_PACKAGES="cmake make g++ mingw-w64 wine wine64 xvfb xdotool x11-utils locales
  fonts-horai-umefont fonts-wine python3 python3-pil python3-pefile python3-numpy python3-gsw python3-xarray python3-dask python3-distributed python3-build python3-setuptools python3-wheel python3-venv imagemagick
  googletest libbenchmark-dev clang libclang-rt-14-dev nsis pkgconf dpkg-dev file
  emscripten nodejs chromium chromium-driver python3-selenium fonts-dejavu-core fonts-noto-cjk"

install_deps() {
  local missing=""
  for p in $VARNOK_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    echo "installing:$missing"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
  fi
  # Code page 932 under Wine comes from the Japanese UTF-8 locale;
  # LOCALE_GENERATED tells the caller that it was made just now.
  LOCALE_GENERATED=
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
    LOCALE_GENERATED=1
  fi
}
