#!/bin/sh
# Installs the Debian/Ubuntu packages a build needs, only those missing, and
# the Japanese locale that Wine needs for code page 932.
#
# usage: tools/install-deps.sh [native|windows|run|screenshot|bench|help|fuzz]...
set -eu

packages=""
for what in "$@"; do
    case "$what" in
    native) packages="$packages g++ cmake make googletest" ;;
    windows) packages="$packages g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 wine xvfb xauth locales fonts-noto-cjk" ;;
    run) packages="$packages wine64 wine locales fonts-noto-cjk" ;;
    bench) packages="$packages libbenchmark-dev" ;;
    help) packages="$packages fp-utils" ;;
    screenshot) packages="$packages imagemagick xvfb xauth" ;;
    fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    *) echo "install-deps: unknown set '$what'" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        case " $missing " in *" $p "*) ;; *) missing="$missing $p" ;; esac
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "install-deps: missing packages:$missing" >&2
        echo "install-deps: run as root (or install them) to continue" >&2
        exit 1
    fi
    echo "install-deps: installing$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $missing >/dev/null
fi

case " $packages " in
*" locales "*)
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        if [ "$(id -u)" != 0 ]; then
            echo "install-deps: the ja_JP.UTF-8 locale is missing; run as root to generate it" >&2
            exit 1
        fi
        echo "install-deps: generating the ja_JP.UTF-8 locale"
        sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    fi
    ;;
esac
