# Sourced by the Wine session and by cmake/wine-run: the environment every Wine
# program of this project runs in. Code page 932 comes from the Japanese locale.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or HTML engine to install, and no menu entries made on the machine
# from the shortcuts a program's installer creates.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
