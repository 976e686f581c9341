# Sourced by the Wine session and by cmake/wine-run: the environment every Wine
# program of this project runs in. Code page 932 comes from the Japanese locale.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree=;mshtml="
