# Sourced by the Wine session and by cmake/wine-run: the environment every Wine
# program of this project runs in. Wine takes the user's interface language
# and code page from the locale: VARNOK_LANG=ja (the default) gives Japanese
# and code page 932, VARNOK_LANG=en English and code page 1252.
case "${VARNOK_LANG:-ja}" in
en) export LANG=C.UTF-8 LC_ALL=C.UTF-8 ;;
*) export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 ;;
esac
# The fonts of the project's own list only (see wine-fonts.conf); the sourcing script names this folder.
export FONTCONFIG_FILE="$WINE_SCRIPTS/wine-fonts.conf"
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or HTML engine to install, and no menu entries made on the machine
# from the shortcuts a program's installer creates.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
