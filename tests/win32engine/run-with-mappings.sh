#!/usr/bin/env bash
# Runs the WineMappings tests of the engine test program with mappings made for them in a Wine
# prefix of their own, so that no other test sees them: the share \\127.0.0.5\share
# (dosdevices/unc/127.0.0.5/share) and a drive holding a .windows-serial file, which Wine
# reports as its volume serial number. The drive is M: for the first run of the program and N:
# for the second, as a removable disk that came back under another letter. Whatever happens,
# the links made here and their folders are removed at the end.
#
#   run-with-mappings.sh TEST_PROGRAM WINE_RUN PREFIX
set -euo pipefail
program=$1
wine_run=$2
export VL_WINEPREFIX=$3
devices=$VL_WINEPREFIX/dosdevices
serial=1a2b3c4d
work=$(mktemp -d)
made=()

cleanup() {
  for link in "${made[@]}"; do rm -f "$link"; done
  rmdir "$devices/unc/127.0.0.5" "$devices/unc" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

link() {
  if [ -e "$2" ] || [ -L "$2" ]; then
    echo "run-with-mappings: $2 exists already; not touching it" >&2
    exit 1
  fi
  ln -s "$1" "$2"
  made+=("$2")
}

"$wine_run"  # creates the prefix on first use
mkdir -p "$work/share" "$work/drive/Data" "$devices/unc/127.0.0.5"
printf '%s\n' "$serial" >"$work/drive/.windows-serial"
printf 'on the moving disk' >"$work/drive/Data/moved.txt"
link "$work/share" "$devices/unc/127.0.0.5/share"
link "$work/drive" "$devices/m:"

export VL_TEST_SHARE='\\127.0.0.5\share' VL_TEST_DRIVE_MOVE=MN VL_TEST_DRIVE_SERIAL=$serial
"$wine_run" "$program" --gtest_brief=1 '--gtest_filter=WineMappings.*:-*AfterTheMove*'

# Wine's mount manager keeps the drives it found until the prefix's session ends; the disk
# comes back under its new letter in a new session.
WINEPREFIX=$VL_WINEPREFIX wineserver -w
rm -f "$devices/m:"
link "$work/drive" "$devices/n:"
"$wine_run" "$program" --gtest_brief=1 '--gtest_filter=WineMappings.AfterTheMove*'
