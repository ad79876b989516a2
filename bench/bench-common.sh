# Shared by the benchmark drivers: sourced, not run. Expects $root (the repository) and $build
# (the cross build tree) to be set.

# ensure_package NAME: installs the Debian package NAME.
ensure_package() {
  local sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  echo "bench: installing $1"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "$1" \
    >/dev/null
}

ensure_rsync() { command -v rsync >/dev/null || ensure_package rsync; }

# build_targets TARGET...: configures the cross tree if needed and builds the targets.
build_targets() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build" --target "$@" -j"$(nproc)" >/dev/null
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

file_count() { find "$1" -type f | wc -l; }
byte_count() { find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }

# timed COMMAND...: runs it and leaves its wall time in seconds in $seconds.
timed() {
  local start end
  sync
  start=$(date +%s%N)
  "$@"
  end=$(date +%s%N)
  seconds=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
}

# figure LABEL SECONDS FILES BYTES: throughput is left out of runs that copy nothing (BYTES 0).
figure() {
  awk -v label="$1" -v s="$2" -v files="$3" -v bytes="$4" 'BEGIN {
    rate = bytes > 0 ? sprintf("%9.1f MB/s", bytes / 1048576 / s) : sprintf("%14s", "-")
    printf "%-40s %8.2f s %s %9.0f files/s\n", label, s, rate, files / s }'
}

ratio() { awk -v a="$2" -v b="$3" -v label="$1" 'BEGIN { printf "%-40s %8.2f\n", label, a / b }'; }

# A copy of vlbackup with its own default set: the item and the target, added as a user would.
vlbackup_for() {
  local prog=$1 item=$2 target=$3
  rm -rf "$prog" "$target"
  mkdir -p "$prog"
  cp "$build/client/cli/vlbackup.exe" "$prog/"
  "$root/scripts/wine-run" "$prog/vlbackup.exe" add "$(windows_path "$item")" 2>/dev/null
  "$root/scripts/wine-run" "$prog/vlbackup.exe" target "$(windows_path "$target")" 2>/dev/null
}

vlbackup_run() {
  local prog=$1
  shift
  "$root/scripts/wine-run" "$prog/vlbackup.exe" run "$@" >"$prog/report.txt" 2>"$prog/stderr.txt"
}
