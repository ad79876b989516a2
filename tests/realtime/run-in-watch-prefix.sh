#!/usr/bin/env bash
# Runs the drive watcher tests in a Wine prefix of their own whose drives are only C:, a D:
# mapped to a fresh test folder and an E: of network type. Z: (all of Linux) goes: a watcher
# on it would watch the whole machine. D: holds a folder made here, before any Wine process
# has opened it, as the folders below backup items are when the client starts. Whatever
# happens, the test folder and the links to it are removed at the end.
#
#   run-in-watch-prefix.sh TEST_PROGRAM WINE_RUN PREFIX [GTEST_FILTER]
set -euo pipefail
program=$1
wine_run=$2
export VL_WINEPREFIX=$3
filter=${4:-WatchPrefix*}
devices=$VL_WINEPREFIX/dosdevices
work=$(mktemp -d)

cleanup() {
  rm -f "$devices/d:" "$devices/e:"
  rm -rf "$work"
}
trap cleanup EXIT

"$wine_run"  # creates the prefix on first use
if [ ! -f "$VL_WINEPREFIX/.vl-watch-drives" ]; then
  "$wine_run" reg add 'HKLM\Software\Wine\Drives' /v e: /d network /f >/dev/null
  touch "$VL_WINEPREFIX/.vl-watch-drives"
fi
# The mount manager reads the drives when the prefix's session starts.
WINEPREFIX=$VL_WINEPREFIX wineserver -w
for link in "$devices"/?: "$devices"/?::; do
  case ${link##*/} in c:|c::) ;; *) rm -f "$link" ;; esac
done
mkdir -p "$work/d/items/old/deep" "$work/e"
ln -s "$work/d" "$devices/d:"
ln -s "$work/e" "$devices/e:"

export VL_TEST_WATCHED=D VL_TEST_UNWATCHED=E
"$wine_run" "$program" --gtest_brief=1 "--gtest_filter=$filter"
