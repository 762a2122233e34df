#!/bin/sh
# Remakes the README's pictures in docs/: Varendo under a virtual display,
# one scene each (the worked example in the main window, the two tool windows,
# the version box, the help window) set up by tools/screenshot_driver.cpp, the
# window captured with ImageMagick's import.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)
# A separate build root (as for run-tests.sh) keeps other working trees apart.
root=${VARENDO_BUILD_ROOT:-build}
export top root

cmake -S . -B "$root/win" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/win" -j "$(nproc 2>/dev/null || echo 2)" --target Varendo varendo_help varendo_screenshot_driver

WINEPREFIX="$top/$root/wineprefix-screenshot"
LANG=ja_JP.UTF-8
LC_ALL=ja_JP.UTF-8
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEPREFIX LANG LC_ALL WINEDEBUG WINEDLLOVERRIDES
if [ ! -d "$WINEPREFIX" ]; then
    echo "== preparing a Wine prefix for the screenshot"
    wineboot -i >/dev/null 2>&1
    # No window manager runs on the virtual display: Wine draws the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
fi

mkdir -p docs
# Each scene starts Varendo afresh; ending the Wine server ends it. Varendo
# runs in its own folder, where the help control looks for Varendo.chm.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -e
    cd "$top/$root/win"
    for shot in main:main-window effort-tool:effort-tool hidden-power-tool:hidden-power-tool \
                about:about help:help; do
        scene=${shot%%:*}
        png=docs/${shot#*:}.png
        wine varendo_screenshot_driver.exe ../screenshot-geometry.txt "$scene"
        geometry=$(tr -d "\r\n" <../screenshot-geometry.txt)
        import -window root -crop "$geometry" +repage "$top/$png"
        wineserver -k
        echo "wrote $png"
    done
'
