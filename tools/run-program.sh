#!/bin/sh
# Builds Varendo.exe and starts it under Wine on this display, with the
# Japanese locale that gives it code page 932.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)

if [ -z "${DISPLAY:-}" ]; then
    echo "make run: no display: DISPLAY is not set, so Varendo has nowhere to show its window." >&2
    echo "make run: start it from a graphical session (or with ssh -X); 'make screenshot' works without one." >&2
    exit 1
fi

sh tools/install-deps.sh native windows help
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j "$(nproc 2>/dev/null || echo 2)" --target Varendo varendo_help

echo "make run: starting build/win/Varendo.exe under Wine (the first start in a new Wine prefix takes a while)"
# In its own folder, as a Windows shortcut starts it: Wine's help control
# looks for Varendo.chm in the current folder.
cd build/win
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" \
    exec wine Varendo.exe
