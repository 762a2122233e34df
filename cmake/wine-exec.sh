#!/bin/sh
# Runs a Windows program under Wine the way the tests need it: Japanese code
# page 932 (from the Linux locale), a throwaway prefix, no Mono/Gecko prompts.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/varendo-wineprefix}"
export WINEPREFIX
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
exec wine "$@"
