#!/bin/sh
# Builds Varendo three ways and runs every test: native, native under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# under Wine on a virtual display with a throwaway prefix.
set -u
cd "$(dirname "$0")/.."
top=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)
# Separate roots let several working copies of the trees coexist.
root=${VARENDO_BUILD_ROOT:-build}
total_passed=0
total_failed=0
broken=""

# build DIR CMAKE-ARGS...: configure and build one tree; a failed build counts as a failure.
build() {
    dir=$1
    shift
    echo "== building $root/$dir"
    if ! cmake -S . -B "$root/$dir" "$@" >"$root/$dir.configure.log" 2>&1; then
        cat "$root/$dir.configure.log"
        broken="$broken $dir(configure)"
        return 1
    fi
    if ! cmake --build "$root/$dir" -j "$jobs" >"$root/$dir.build.log" 2>&1; then
        grep -E 'error|Error' "$root/$dir.build.log" | head -40
        broken="$broken $dir(build)"
        return 1
    fi
}

# check DIR [WRAPPER...]: run ctest in one tree and add up its counts.
check() {
    dir=$1
    shift
    echo "== testing $root/$dir"
    (cd "$root/$dir" && "$@" ctest --output-on-failure) >"$root/$dir.test.log" 2>&1
    rc=$?
    cat "$root/$dir.test.log"
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$root/$dir.test.log" | tail -n 1)
    if [ -z "$line" ]; then
        broken="$broken $dir(ctest)"
        return 1
    fi
    failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed.*/\1/')
    all=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
    total_passed=$((total_passed + all - failed))
    total_failed=$((total_failed + failed))
    [ "$rc" -eq 0 ] || [ "$failed" -gt 0 ] || broken="$broken $dir(ctest rc $rc)"
}

mkdir -p "$root"
start=$(date +%s)

if build native -DCMAKE_BUILD_TYPE=RelWithDebInfo; then check native; fi
if build sanitize -DCMAKE_BUILD_TYPE=Debug -DVARENDO_SANITIZE=ON; then
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 check sanitize
fi
if build win -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release; then
    WINEPREFIX="$top/$root/wineprefix"
    export WINEPREFIX
    rm -rf "$WINEPREFIX"
    echo "== preparing a fresh Wine prefix"
    LANG=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1
    # Unmanaged windows: with no window manager on the virtual display, Wine
    # otherwise waits about two seconds for each hidden or destroyed window.
    WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The prefix's desktop process came up without a display; the tests must
    # start a new one on the virtual display.
    wineserver -w
    check win xvfb-run -a -s "-screen 0 1280x1024x24"
    wineserver -k >/dev/null 2>&1 || true
fi

echo "== $(($(date +%s) - start)) s"
if [ -n "$broken" ]; then
    echo "make test: broken:$broken"
fi
echo "total: $total_passed passed, $total_failed failed"
[ -z "$broken" ] && [ "$total_failed" -eq 0 ]
