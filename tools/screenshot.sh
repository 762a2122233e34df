#!/bin/sh
# Remakes docs/main-window.png: Varendo under a virtual display, the README's
# worked example entered by tools/screenshot_driver.cpp, the window captured
# with ImageMagick's import.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j "$(nproc 2>/dev/null || echo 2)" --target Varendo varendo_screenshot_driver

WINEPREFIX="$top/build/wineprefix-screenshot"
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
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -e
    wine build/win/varendo_screenshot_driver.exe build/screenshot-geometry.txt
    geometry=$(tr -d "\r\n" <build/screenshot-geometry.txt)
    import -window root -crop "$geometry" +repage docs/main-window.png
    wineserver -k
'
echo "wrote docs/main-window.png"
